// The message box drawn by the game itself: its text in the IPA Gothic font
// on a surface, shown in a window of its own titled by the caption. The
// system's own boxes draw with whatever fonts the X server has, which turns
// Japanese text into noise on a desktop without the right ones.
#pragma once
#include <SDL.h>

#include <string>
#include <vector>

#include "platform/surface.h"
#include "platform/system.h"

namespace plat {

struct BoxButton {
    int id;     // IDOK, IDYES or IDNO
    Rect rect;  // on the picture
};

// The box's face: the text (one line per line feed, long lines wrapped
// within kBoxTextWidth pixels) above its buttons, OK alone or No and Yes.
struct BoxPicture {
    Surface* surface = nullptr;
    std::vector<BoxButton> buttons;
    int enterId = IDOK;   // Return and Enter
    int escapeId = IDOK;  // Escape, and closing the window
};
constexpr int kBoxTextWidth = 520;

// Draws the face; false (and nothing made) when the font cannot be had.
bool DrawBoxPicture(const std::string& text, BoxKind kind, BoxPicture* out);
void ReleaseBoxPicture(BoxPicture* picture);

// The answer an event gives the box shown in window `windowId`, or 0 when
// it gives none: Return or Enter, Escape, closing the window, and a left
// click released on a button. Events of other windows give none.
int BoxAnswer(const SDL_Event& event, uint32_t windowId, const BoxPicture& picture);

// Shows the box over `parent` (nullptr: none) and waits for its answer;
// -1 when it cannot be shown (no font, no window).
int ShowOwnBox(const std::string& text, const std::string& caption, BoxKind kind, SDL_Window* parent);

}  // namespace plat
