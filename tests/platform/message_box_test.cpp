#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "platform/gdi_text.h"

namespace {

// The picture's pixels above its buttons, top row first.
std::vector<uint16_t> TextBand(const plat::BoxPicture& p) {
    std::vector<uint16_t> out;
    plat::LockedPixels px;
    if (plat::Lock(p.surface, px) != plat::kOk) return out;
    for (int y = 0; y < p.buttons[0].rect.top; ++y)
        out.insert(out.end(), px.pixels + size_t(y) * px.pitch, px.pixels + size_t(y) * px.pitch + p.surface->width);
    plat::Unlock(p.surface);
    return out;
}

int Ink(const plat::BoxPicture& p) {
    auto band = TextBand(p);
    return static_cast<int>(std::count(band.begin(), band.end(), uint16_t{0}));
}

TEST(BoxPicture, JapaneseInItsOwnGlyphsLinesWrappedButtonsBelow) {
    if (plat::FontFilePath(plat::FontFile::Gothic).empty()) GTEST_SKIP() << "the IPA fonts are not installed";
    std::string eighty;
    for (int i = 0; i < 80; ++i) eighty += "あ";
    const std::pair<std::string, plat::BoxKind> texts[] = {
        {"fwDraw::LoadObject : BMPファイルを読み込めません", plat::BoxKind::Ok}, {"読", plat::BoxKind::Ok},
        {"込", plat::BoxKind::Ok}, {"あ\r\nい\r\n", plat::BoxKind::Ok}, {eighty, plat::BoxKind::YesNo}};
    plat::BoxPicture p[5];
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(plat::DrawBoxPicture(texts[i].first, texts[i].second, &p[i]));

    EXPECT_GT(Ink(p[0]), 200);
    EXPECT_GT(Ink(p[1]), 10);
    EXPECT_NE(TextBand(p[1]), TextBand(p[2]));  // a missing glyph would draw both as the same box
    const int line = p[3].surface->height - p[1].surface->height;  // the text's own line ends: two lines
    EXPECT_GE(line, 14);
    EXPECT_LE(line, 24);
    EXPECT_LE(p[4].surface->width, plat::kBoxTextWidth + 2 * 18);
    EXPECT_GE(p[4].surface->height - p[1].surface->height, 2 * line);  // three lines or more

    ASSERT_EQ(p[0].buttons.size(), 1u);
    EXPECT_EQ(p[0].buttons[0].id, plat::IDOK);
    EXPECT_LE(p[0].buttons[0].rect.right, p[0].surface->width);
    EXPECT_LE(p[0].buttons[0].rect.bottom, p[0].surface->height);
    ASSERT_EQ(p[4].buttons.size(), 2u);  // No, then Yes, the default, at the right
    EXPECT_EQ(p[4].buttons[0].id, plat::IDNO);
    EXPECT_EQ(p[4].buttons[1].id, plat::IDYES);
    EXPECT_LT(p[4].buttons[0].rect.right, p[4].buttons[1].rect.left);
    for (auto& picture : p) plat::ReleaseBoxPicture(&picture);
}

// A key press, a window event or a mouse button release for a window.
SDL_Event Event(uint32_t type, uint32_t window, int detail, int x = 0, int y = 0) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_KEYDOWN) {
        e.key.windowID = window;
        e.key.keysym.sym = detail;
    } else if (type == SDL_WINDOWEVENT) {
        e.window.windowID = window;
        e.window.event = static_cast<uint8_t>(detail);
    } else {
        e.button.windowID = window;
        e.button.button = static_cast<uint8_t>(detail);
        e.button.x = x;
        e.button.y = y;
    }
    return e;
}

TEST(BoxAnswer, EnterEscapeCloseAndButtonsAnswerForTheirWindowOnly) {
    plat::BoxPicture ok, yesNo;
    ok.buttons = {{plat::IDOK, {200, 50, 288, 76}}};
    yesNo.buttons = {{plat::IDNO, {100, 50, 188, 76}}, {plat::IDYES, {198, 50, 286, 76}}};
    yesNo.enterId = plat::IDYES;
    yesNo.escapeId = plat::IDNO;
    const struct {
        SDL_Event event;
        int ok, yesNo;
    } cases[] = {
        {Event(SDL_KEYDOWN, 7, SDLK_RETURN), plat::IDOK, plat::IDYES},
        {Event(SDL_KEYDOWN, 7, SDLK_KP_ENTER), plat::IDOK, plat::IDYES},
        {Event(SDL_KEYDOWN, 7, SDLK_ESCAPE), plat::IDOK, plat::IDNO},
        {Event(SDL_WINDOWEVENT, 7, SDL_WINDOWEVENT_CLOSE), plat::IDOK, plat::IDNO},
        {Event(SDL_KEYDOWN, 7, SDLK_SPACE), 0, 0},
        {Event(SDL_KEYDOWN, 8, SDLK_RETURN), 0, 0},  // another window's
        {Event(SDL_WINDOWEVENT, 8, SDL_WINDOWEVENT_CLOSE), 0, 0},
        {Event(SDL_MOUSEBUTTONUP, 7, SDL_BUTTON_LEFT, 250, 60), plat::IDOK, plat::IDYES},
        {Event(SDL_MOUSEBUTTONUP, 7, SDL_BUTTON_LEFT, 150, 60), 0, plat::IDNO},
        {Event(SDL_MOUSEBUTTONUP, 7, SDL_BUTTON_LEFT, 192, 60), 0, 0},  // between the buttons
        {Event(SDL_MOUSEBUTTONUP, 7, SDL_BUTTON_RIGHT, 250, 60), 0, 0},
        {Event(SDL_MOUSEBUTTONUP, 8, SDL_BUTTON_LEFT, 250, 60), 0, 0},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(plat::BoxAnswer(cases[i].event, 7, ok), cases[i].ok) << "case " << i;
        EXPECT_EQ(plat::BoxAnswer(cases[i].event, 7, yesNo), cases[i].yesNo) << "case " << i;
    }
}

}  // namespace
