#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <list>

#include "platform/gdi_text.h"

namespace {

// The picture's pixels in the rectangle, top row first.
std::vector<uint16_t> Pixels(const plat::BoxPicture& p, const plat::Rect& r) {
    std::vector<uint16_t> out;
    plat::LockedPixels px;
    if (plat::Lock(p.surface, px) != plat::kOk) return out;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) out.push_back(px.pixels[static_cast<size_t>(y) * px.pitch + x]);
    plat::Unlock(p.surface);
    return out;
}

// Black pixels in the rectangle: the text's ink.
int Ink(const plat::BoxPicture& p, const plat::Rect& r) {
    int n = 0;
    for (uint16_t v : Pixels(p, r)) n += v == 0;
    return n;
}

class BoxPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (plat::FontFilePath(plat::FontFile::Gothic).empty()) GTEST_SKIP() << "the IPA fonts are not installed";
    }
    void TearDown() override {
        for (auto& p : made_) plat::ReleaseBoxPicture(&p);
    }
    const plat::BoxPicture& Draw(const std::string& text, plat::BoxKind kind = plat::BoxKind::Ok) {
        made_.emplace_back();
        EXPECT_TRUE(plat::DrawBoxPicture(text, kind, &made_.back()));
        return made_.back();
    }
    static plat::Rect TextBand(const plat::BoxPicture& p) {
        return {0, 0, p.surface->width, p.buttons[0].rect.top};
    }
    std::list<plat::BoxPicture> made_;
};

TEST_F(BoxPictureTest, JapaneseIsDrawnInItsOwnGlyphsAboveTheButtons) {
    const auto& error = Draw("fwDraw::LoadObject : BMPファイルを読み込めません");
    ASSERT_EQ(error.buttons.size(), 1u);
    EXPECT_EQ(error.buttons[0].id, plat::IDOK);
    EXPECT_EQ(error.enterId, plat::IDOK);
    EXPECT_EQ(error.escapeId, plat::IDOK);
    EXPECT_GT(Ink(error, TextBand(error)), 200);
    EXPECT_LE(error.buttons[0].rect.right, error.surface->width);
    EXPECT_LE(error.buttons[0].rect.bottom, error.surface->height);
    // Two characters that a missing glyph would draw as the same box.
    const auto& a = Draw("読");
    const auto& b = Draw("込");
    EXPECT_GT(Ink(a, TextBand(a)), 10);
    EXPECT_NE(Pixels(a, TextBand(a)), Pixels(b, TextBand(b)));
    // A question: No, then Yes, the default, at the right.
    const auto& question = Draw("続けますか？", plat::BoxKind::YesNo);
    ASSERT_EQ(question.buttons.size(), 2u);
    EXPECT_EQ(question.buttons[0].id, plat::IDNO);
    EXPECT_EQ(question.buttons[1].id, plat::IDYES);
    EXPECT_LT(question.buttons[0].rect.right, question.buttons[1].rect.left);
    EXPECT_EQ(question.enterId, plat::IDYES);
    EXPECT_EQ(question.escapeId, plat::IDNO);
}

TEST_F(BoxPictureTest, LinesBreakAtLineFeedsAndLongLinesWrap) {
    const auto& one = Draw("あ");
    const auto& two = Draw("あ\r\nい\r\n");  // the text boxes' own line ends
    std::string eighty;
    for (int i = 0; i < 80; ++i) eighty += "あ";
    const auto& along = Draw(eighty);
    const int line = two.surface->height - one.surface->height;
    EXPECT_GE(line, 14);
    EXPECT_LE(line, 24);
    EXPECT_LE(along.surface->width, plat::kBoxTextWidth + 2 * 18);
    EXPECT_GE(along.surface->height - one.surface->height, 2 * line);  // 80 full-width characters: 3 lines or more
}

TEST(BoxAnswer, EnterEscapeCloseAndButtonsAnswerForTheirWindowOnly) {
    plat::BoxPicture ok, yesNo;
    ok.buttons = {{plat::IDOK, {200, 50, 288, 76}}};
    yesNo.buttons = {{plat::IDNO, {100, 50, 188, 76}}, {plat::IDYES, {198, 50, 286, 76}}};
    yesNo.enterId = plat::IDYES;
    yesNo.escapeId = plat::IDNO;
    auto key = [](uint32_t window, SDL_Keycode sym) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.windowID = window;
        e.key.keysym.sym = sym;
        return e;
    };
    auto close = [](uint32_t window) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = window;
        e.window.event = SDL_WINDOWEVENT_CLOSE;
        return e;
    };
    auto click = [](uint32_t window, int x, int y, uint8_t button = SDL_BUTTON_LEFT) {
        SDL_Event e{};
        e.type = SDL_MOUSEBUTTONUP;
        e.button.windowID = window;
        e.button.button = button;
        e.button.x = x;
        e.button.y = y;
        return e;
    };
    struct Case {
        SDL_Event event;
        int ok, yesNo;
    };
    const Case cases[] = {
        {key(7, SDLK_RETURN), plat::IDOK, plat::IDYES},   {key(7, SDLK_KP_ENTER), plat::IDOK, plat::IDYES},
        {key(7, SDLK_ESCAPE), plat::IDOK, plat::IDNO},    {close(7), plat::IDOK, plat::IDNO},
        {key(7, SDLK_SPACE), 0, 0},                        {key(8, SDLK_RETURN), 0, 0},
        {close(8), 0, 0},                                  {click(7, 250, 60), plat::IDOK, plat::IDYES},
        {click(7, 150, 60), 0, plat::IDNO},                {click(7, 192, 60), 0, 0},
        {click(7, 250, 60, SDL_BUTTON_RIGHT), 0, 0},       {click(8, 250, 60), 0, 0},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        EXPECT_EQ(plat::BoxAnswer(cases[i].event, 7, ok), cases[i].ok) << "case " << i;
        EXPECT_EQ(plat::BoxAnswer(cases[i].event, 7, yesNo), cases[i].yesNo) << "case " << i;
    }
}

}  // namespace
