// Placeholder ending until it lands: an empty playfield.
#include "framework/draw/draw.h"
#include "game/shell/scenes.h"

void RunEnding() {
    fwDraw::ClearBackBuffer();
    fwDraw::SetWaitVBlank(1);
    fwDraw::Present();
}
