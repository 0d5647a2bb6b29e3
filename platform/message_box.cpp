#include "platform/message_box.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi_dc.h"
#include "platform/gdi_text.h"

namespace plat {
namespace {

constexpr int kMargin = 18;
constexpr int kFontHeight = 16;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 10;
constexpr int kMinWidth = 240;
// Greys whose channels stay equal through the 5-6-5 picture.
constexpr ColorRef kFace = Rgb(0xF7, 0xF7, 0xF7);
constexpr ColorRef kInk = Rgb(0x00, 0x00, 0x00);
constexpr ColorRef kButtonFace = Rgb(0xE7, 0xE7, 0xE7);
constexpr ColorRef kButtonEdge = Rgb(0x70, 0x70, 0x70);
constexpr ColorRef kDefaultEdge = Rgb(0x00, 0x60, 0xC0);
constexpr uint32_t kTextFormat = kDtWordBreak | kDtNoPrefix;

const char* Label(int id) { return id == IDYES ? "Yes" : id == IDNO ? "No" : "OK"; }

// The text as the box shows it: line feeds only.
std::string Lines(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

Font* BoxFont() {
    LogFont lf{};
    lf.height = kFontHeight;
    lf.charSet = kShiftJisCharset;
    std::strcpy(lf.faceName, "IPAゴシック");
    return CreateFontIndirect(lf);
}

// The rectangle the wrapped text takes, measured on a scratch surface.
bool Measure(Font* font, const std::string& text, Rect* rect) {
    Surface* scratch = CreateSurface(1, 1);
    DC* dc = GetDC(scratch);
    bool ok = dc != nullptr;
    if (ok) {
        SelectFont(dc, font);
        *rect = Rect{0, 0, kBoxTextWidth, 0};
        ok = DrawText(dc, text.c_str(), -1, rect, kTextFormat | kDtCalcRect) > 0;
        SelectFont(dc, nullptr);
        ReleaseDC(scratch, dc);
    }
    ReleaseSurface(scratch);
    return ok;
}

void Frame(DC* dc, const Rect& r, ColorRef fill, ColorRef edge, int width) {
    Pen* pen = CreatePen(kPenSolid, 1, edge);
    Brush* brush = CreateSolidBrush(fill);
    Pen* oldPen = SelectPen(dc, pen);
    Brush* oldBrush = SelectBrush(dc, brush);
    for (int i = 0; i < width; ++i) {
        Rectangle(dc, r.left + i, r.top + i, r.right - i, r.bottom - i);
        SelectBrush(dc, NullBrush());
    }
    SelectPen(dc, oldPen);
    SelectBrush(dc, oldBrush);
    DeletePen(pen);
    DeleteBrush(brush);
}

// The window an event is for; 0 for events of no window.
uint32_t WindowOf(const SDL_Event& e) {
    switch (e.type) {
    case SDL_WINDOWEVENT: return e.window.windowID;
    case SDL_KEYDOWN:
    case SDL_KEYUP: return e.key.windowID;
    case SDL_TEXTINPUT: return e.text.windowID;
    case SDL_TEXTEDITING: return e.edit.windowID;
    case SDL_MOUSEMOTION: return e.motion.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return e.button.windowID;
    case SDL_MOUSEWHEEL: return e.wheel.windowID;
    default: return 0;
    }
}

// Copies the picture into the window and shows it.
void Present(SDL_Window* window, const BoxPicture& picture) {
    SDL_Surface* target = SDL_GetWindowSurface(window);
    LockedPixels px;
    if (!target || Lock(picture.surface, px) != kOk) return;
    SDL_Surface* face = SDL_CreateRGBSurfaceWithFormatFrom(px.pixels, picture.surface->width, picture.surface->height,
                                                           16, px.pitch * 2, SDL_PIXELFORMAT_RGB565);
    if (face) {
        SDL_BlitSurface(face, nullptr, target, nullptr);
        SDL_FreeSurface(face);
    }
    Unlock(picture.surface);
    SDL_UpdateWindowSurface(window);
}

}  // namespace

bool DrawBoxPicture(const std::string& text, BoxKind kind, BoxPicture* out) {
    *out = BoxPicture{};
    const std::string lines = Lines(text);
    Font* font = BoxFont();
    if (!font) return false;
    Rect textRect{};
    const bool measured = Measure(font, lines.empty() ? " " : lines, &textRect);
    if (kind == BoxKind::YesNo) {
        out->buttons = {{IDNO, {}}, {IDYES, {}}};
        out->enterId = IDYES;
        out->escapeId = IDNO;
    } else {
        out->buttons = {{IDOK, {}}};
    }
    const int count = static_cast<int>(out->buttons.size());
    const int buttonsWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int width = std::max({kMinWidth, textRect.right + 2 * kMargin, buttonsWidth + 2 * kMargin});
    const int height = kMargin + textRect.bottom + kMargin + kButtonHeight + kMargin;
    out->surface = measured ? CreateSurface(width, height) : nullptr;
    DC* dc = out->surface ? GetDC(out->surface) : nullptr;
    if (!dc) {
        ReleaseBoxPicture(out);
        DeleteFont(font);
        return false;
    }
    Fill(out->surface, nullptr, PixelFromColorRef(kFace));
    SelectFont(dc, font);
    SetBkMode(dc, kBkTransparent);
    SetTextColor(dc, kInk);
    Rect at{kMargin, kMargin, kMargin + kBoxTextWidth, kMargin + textRect.bottom};
    DrawText(dc, lines.c_str(), -1, &at, kTextFormat);
    // The buttons sit at the bottom right, the default one last.
    int left = width - kMargin - buttonsWidth;
    const int top = height - kMargin - kButtonHeight;
    for (BoxButton& b : out->buttons) {
        b.rect = Rect{left, top, left + kButtonWidth, top + kButtonHeight};
        const bool isDefault = b.id == out->enterId;
        Frame(dc, b.rect, kButtonFace, isDefault ? kDefaultEdge : kButtonEdge, isDefault ? 2 : 1);
        Rect label = b.rect;
        label.top += (kButtonHeight - kFontHeight) / 2;
        DrawText(dc, Label(b.id), -1, &label, kDtCenter | kDtNoPrefix);
        left += kButtonWidth + kButtonGap;
    }
    SelectFont(dc, nullptr);
    ReleaseDC(out->surface, dc);
    DeleteFont(font);
    return true;
}

void ReleaseBoxPicture(BoxPicture* picture) {
    ReleaseSurface(picture->surface);
    *picture = BoxPicture{};
}

int BoxAnswer(const SDL_Event& e, uint32_t windowId, const BoxPicture& picture) {
    if (WindowOf(e) != windowId) return 0;
    switch (e.type) {
    case SDL_KEYDOWN:
        if (e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER) return picture.enterId;
        return e.key.keysym.sym == SDLK_ESCAPE ? picture.escapeId : 0;
    case SDL_WINDOWEVENT:
        return e.window.event == SDL_WINDOWEVENT_CLOSE ? picture.escapeId : 0;
    case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT) return 0;
        for (const BoxButton& b : picture.buttons)
            if (e.button.x >= b.rect.left && e.button.x < b.rect.right && e.button.y >= b.rect.top &&
                e.button.y < b.rect.bottom)
                return b.id;
        return 0;
    default:
        return 0;
    }
}

int ShowOwnBox(const std::string& text, const std::string& caption, BoxKind kind, SDL_Window* parent) {
    BoxPicture picture;
    if (!DrawBoxPicture(text, kind, &picture)) return -1;
    // Closing the box must not read as closing the game's last window, and
    // the game's hold on the mouse and its hidden cursor must not keep the
    // player from the buttons.
    const char* hint = SDL_GetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE);
    const std::string quitHint = hint ? hint : "";
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    const bool grabbed = parent && (SDL_GetWindowFlags(parent) & SDL_WINDOW_MOUSE_GRABBED);
    if (grabbed) SDL_SetWindowGrab(parent, SDL_FALSE);
    const int cursor = SDL_ShowCursor(SDL_QUERY);
    SDL_ShowCursor(SDL_ENABLE);

    int answer = -1;
    SDL_Window* window =
        SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, picture.surface->width,
                         picture.surface->height, SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR);
    if (window) {
        if (parent) SDL_SetWindowModalFor(window, parent);
        Present(window, picture);
        SDL_RaiseWindow(window);
        const uint32_t id = SDL_GetWindowID(window);
        // The game's own events wait for it (a key released while the box
        // was up must still reach it), all but its mouse moves.
        std::vector<SDL_Event> forGame;
        for (answer = 0; answer == 0;) {
            SDL_Event e;
            if (!SDL_WaitEventTimeout(&e, 250)) continue;
            if (e.type == SDL_QUIT) {
                forGame.push_back(e);  // ends the box as its own close does
                answer = picture.escapeId;
            } else if (WindowOf(e) != id) {
                if (e.type != SDL_MOUSEMOTION) forGame.push_back(e);
            } else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                Present(window, picture);
            } else {
                answer = BoxAnswer(e, id, picture);
            }
        }
        SDL_DestroyWindow(window);
        if (parent) {
            // The focus goes back to the game (no window manager may be
            // there to give it back).
            SDL_RaiseWindow(parent);
            SDL_SetWindowInputFocus(parent);
        }
        for (SDL_Event& e : forGame) SDL_PushEvent(&e);
    }
    SDL_ShowCursor(cursor);
    if (grabbed) SDL_SetWindowGrab(parent, SDL_TRUE);
    if (hint) SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, quitHint.c_str());
    else SDL_ResetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE);
    ReleaseBoxPicture(&picture);
    return answer;
}

}  // namespace plat
