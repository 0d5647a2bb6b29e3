// Placeholder bodies until the drawing module lands.
#include "framework/draw/draw.h"

int32_t ScreenWidth = 800;
int32_t ScreenHeight = 600;
int32_t ScreenBitsPerPixel = 16;
int32_t TransitionPattern;
int32_t TransitionStep;
int32_t TransitionDir;
int32_t TransitionPitch;
int32_t ViewerOn;
int32_t ClipLeft, ClipTop, ClipRight = 800, ClipBottom = 600;
int32_t SavedClipLeft, SavedClipTop, SavedClipRight, SavedClipBottom;
int32_t ViewportEffectState;

namespace fwDraw {
int Present() {
    if (TransitionDir == 1 && ++TransitionStep > 10) TransitionStep = 0, TransitionDir = 0;
    return 1;
}
void SetWaitVBlank(int) {}
void StartTransition() {
    TransitionStep = 1;
    TransitionDir = 1;
}
int CaptureRect(int, int, int, int, int) { return 1; }
void ReleaseAll() {}
}  // namespace fwDraw

#include "framework/system/named.h"
namespace {
named::Registrar reg([] {
    named::Scalar("TransitionPattern", &TransitionPattern);
    named::Scalar("TransitionStep", &TransitionStep);
    named::Scalar("TransitionDir", &TransitionDir);
    named::Scalar("TransitionPitch", &TransitionPitch);
    named::Scalar("ViewerOn", &ViewerOn);
    named::Scalar("ClipLeft", &ClipLeft);
    named::Scalar("ClipTop", &ClipTop);
    named::Scalar("ClipRight", &ClipRight);
    named::Scalar("ClipBottom", &ClipBottom);
    named::Scalar("ViewportEffectState", &ViewportEffectState);
});
}  // namespace
