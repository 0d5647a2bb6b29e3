// The end of every frame: the scene-transition wipes, the picture viewer and
// the copy of the back surface to the screen.
#pragma once
#include <cstdint>

// Transition block.
extern int32_t TransitionPattern;  // 0 tile wipe, 1..12 wipes over the captured frame
extern int32_t TransitionStep;     // 0: no transition
extern int32_t TransitionDir;      // +1 closing (1..10), -1 opening (pitch..1)
extern int32_t TransitionPitch;
extern uint32_t WaitVBlank;

// Picture viewer.
extern int32_t ViewerOn;  // 1 while the viewer is drawn
extern int32_t ViewerHeight;
extern float ViewerScroll;
extern float ViewerTileOffsetX;
extern float ViewerTileOffsetY;
extern int32_t ImgViewerPicture;
extern int32_t ImgViewerTile;
extern int32_t ImgTransitionTiles;

namespace fwDraw {

void Present();
void SetWaitVBlank(uint32_t flag);
void CaptureRect(int handle, int left, int top, int right, int bottom);
void StartTransition();
void StartTransitionIn();
int LoadTransitionTiles(const char* name);
void LoadViewer(const char* pictureName, const char* tileName, int height);
void ToggleViewer();

}  // namespace fwDraw
