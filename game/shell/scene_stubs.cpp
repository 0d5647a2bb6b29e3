// Placeholder scene handlers until the front-end screens and the stage
// scripts land.
#include "framework/draw/draw.h"
#include "game/shell/scenes.h"
#include "game/shell/shell.h"

void LoadStartupAssets() {
    fwDraw::Screen(800, 600, 2);
    SceneNumber = SceneTitle;
    LastScene = 0;
}
void RunTitle() { fwDraw::Present(); }
void RunLevelSelect() { fwDraw::Present(); }
void RunShipSelect() { fwDraw::Present(); }
void RunStage1() { fwDraw::Present(); }
void RunStage2() { fwDraw::Present(); }
void RunStage3() { fwDraw::Present(); }
void RunStage4() { fwDraw::Present(); }
void RunStage5() { fwDraw::Present(); }
void RunEnding() { fwDraw::Present(); }
