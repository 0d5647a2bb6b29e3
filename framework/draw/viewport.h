// The viewport effect: opens or closes the visible area by moving the edges
// of the blit clip rectangle a little every frame, along one of nine shapes.
#pragma once
#include <cstdint>

// The full rectangle the effect opens to or closes from (left, top, right,
// bottom); the main loop puts it back on a scene change while an effect runs.
extern int32_t SavedClipLeft, SavedClipTop, SavedClipRight, SavedClipBottom;
// 0 idle, 1 opening, 2 closing, -1 closed (the clip rectangle left collapsed).
extern int32_t ViewportEffectState;
extern int32_t ViewportEffectMode;   // 0 opening, anything else closing
extern int32_t ViewportEffectDir;    // the shape, 1 to 9
extern float ViewportEffectSpeed;    // pixels per second of each moving edge
extern int32_t ViewportEffectSize;   // width (shape 8) or height (shape 9) of the centre strip
extern int32_t ViewportOpened;       // 1 once an opening has finished
extern int32_t ViewportClosed;       // 1 once a closing has finished

namespace fwDraw {

// Shapes, by the edges that move when opening (closing runs them backwards):
//   1 top up from the bottom       2 bottom down from the top
//   3 left leftwards from the right 4 right rightwards from the left
//   5 top and bottom apart from the centre row
//   6 left and right apart from the centre column
//   7 all four out from the centre point
//   8 a centre strip `size` wide: top and bottom first, then left and right
//   9 a centre strip `size` high: left and right first, then top and bottom
//   0 one of 1 to 9 at random.
// Returns 0 and changes nothing while an effect runs or for a shape outside
// 0 to 9; else starts the effect and returns 1.
int StartViewportEffect(int mode, int shape, float speed, int size);
// Saves the clip rectangle, collapses it and leaves the effect closed.
void ResetViewportEffect();
// One frame of movement, before the frame draws: 1 while an effect runs.
int UpdateViewportEffect();

}  // namespace fwDraw
