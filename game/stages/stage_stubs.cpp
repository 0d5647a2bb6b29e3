// Placeholder stage scripts and ending until they land: an empty playfield.
#include "framework/draw/draw.h"
#include "game/shell/scenes.h"

namespace {
void EmptyFrame() {
    fwDraw::ClearBackBuffer();
    fwDraw::SetWaitVBlank(1);
    fwDraw::Present();
}
}  // namespace

void RunStage1() { EmptyFrame(); }
void RunStage2() { EmptyFrame(); }
void RunStage3() { EmptyFrame(); }
void RunStage4() { EmptyFrame(); }
void RunStage5() { EmptyFrame(); }
