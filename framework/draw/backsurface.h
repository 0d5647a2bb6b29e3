// Drawing on the back surface outside the blitters: lines, polygons,
// rectangles, curves and pixels through its drawing context, the context
// pair the text functions use, the screen capture, the display-driver choice
// and the pixel effects that work on the locked back surface.
//
// The shapes take and give back the back surface's drawing context inside
// every call, so they mix freely with blits and locks. They clip to the
// surface, not to the blit clip rectangle. Colours are 0x00BBGGRR.
#pragma once
#include <cstdint>

namespace plat {
struct DC;
struct Point;
}  // namespace plat

// The back surface's drawing context between GetBackDC and ReleaseBackDC;
// nullptr otherwise.
extern plat::DC* BackDC;

namespace fwDraw {

// A line of the given pen width; with width 1 the end point stays undrawn.
void DrawLine(int x1, int y1, int x2, int y2, uint32_t color, int width);
// mode 0: outline only; 1: cross-hatched in color over the background
// colour; 2: cross-hatched with the gaps left as they are.
void DrawPolygon(const plat::Point* points, int count, uint32_t color, uint32_t bkColor, int penWidth, int mode);
// Filled in fillColor, outlined in penColor.
void DrawRectangle(int left, int top, int right, int bottom, uint32_t fillColor, uint32_t penColor, int penWidth);
// Cubic Bezier curves: count = 1 + 3n points.
void DrawBezier(const plat::Point* points, int count, uint32_t color, int width);
// The pixel's channels as 0..255 (outside the surface: the bytes of 0xFFFFFFFF).
void GetPixel(int x, int y, uint32_t* r, uint32_t* g, uint32_t* b);
void SetPixel(int x, int y, uint32_t color);

void GetBackDC();
void ReleaseBackDC();

}  // namespace fwDraw
