// Rotated and scaled blitters: every pixel of a destination box is mapped
// back into the source rectangle through SinTable's integer sine and cosine
// (a coordinate times 360 is the fixed-point form).
//
// Arguments: the box left, top, right, bottom on the screen (right and bottom
// exclusive), the angle in whole degrees, the extras, the image handle and the
// source rectangle. The picture is centred in the box and drawn inside it
// only; a positive angle turns it counter-clockwise on the screen. The clip
// rectangle limits the box without moving the picture. Source pixels of value
// 0 are transparent.
//
// The angle is taken modulo 360 (aimed shots pass anything from -180 to 539);
// angles in 0..359 are used as they stand.
//
// Results: 1 when drawn or when the clip leaves nothing, 0 when a lock fails
// or the call is refused (no picture behind the handle, a source rectangle
// not wholly inside the picture, a scale of 0 or not finite).
#pragma once

namespace fwDraw {

int BltRotated(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, int handle, int left, int top,
               int right, int bottom);
// The source repeats over the whole box, mirrored at its column 0 and row 0.
int BltRotatedWrap(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, int handle, int left, int top,
                   int right, int bottom);
// Turned and enlarged by scale (2 draws the picture twice as large).
int BltRotatedScaled(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, float scale, int handle, int left,
                     int top, int right, int bottom);
int BltRotatedScaledWrap(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, float scale, int handle,
                         int left, int top, int right, int bottom);
// Repeating, with a scale per axis that grows by its step after every box
// row (a receding plane), each 5-bit channel multiplied by its tint factor.
int BltRotatedScaledTint(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, float scaleX,
                         float scaleXStep, float scaleY, float scaleYStep, float tintR, float tintG, float tintB,
                         int handle, int left, int top, int right, int bottom);

// The angle as a SinTable index: 0..359.
constexpr int ReduceAngle(int angle) {
    const int a = angle % 360;
    return a < 0 ? a + 360 : a;
}

}  // namespace fwDraw
