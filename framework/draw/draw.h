// fwDraw: the screen, the drawing-object table, blits and the present.
// (Only what the frame loop needs so far; the drawing module fills this in.)
#pragma once
#include <cstdint>

extern int32_t ScreenWidth;
extern int32_t ScreenHeight;
extern int32_t ScreenBitsPerPixel;

// Transition block.
extern int32_t TransitionPattern;
extern int32_t TransitionStep;
extern int32_t TransitionDir;
extern int32_t TransitionPitch;
extern int32_t ViewerOn;

// Clip rectangle and the viewport effect's saved copy.
extern int32_t ClipLeft, ClipTop, ClipRight, ClipBottom;
extern int32_t SavedClipLeft, SavedClipTop, SavedClipRight, SavedClipBottom;
extern int32_t ViewportEffectState;

namespace fwDraw {

int Present();
void SetWaitVBlank(int on);
void StartTransition();
int CaptureRect(int handle, int left, int top, int right, int bottom);
void ReleaseAll();

}  // namespace fwDraw
