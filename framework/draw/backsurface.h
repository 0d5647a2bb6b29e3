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
struct DriverId;
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

// Writes the top-left width x height pixels of the back surface to the file
// (relative to the executable's folder) as a 24-bit bottom-up bitmap with a
// 58-byte header. 1, or 0 when the surface cannot be locked, the size is
// not inside it or the file cannot be written.
int SaveScreenshot(const char* name, int width, int height);

// Display-driver choice: keeps the first driver with 3-D and texture caps
// in *context (a plat::DisplayDriver**), sets AcceleratedDriver and stops
// (0); any other driver is released and the enumeration goes on (1).
int EnumDriverCallback(const plat::DriverId* id, const char* description, const char* name, void* context);

// Pixel effects on the locked back surface, over the rectangle at (x, y) of
// w x h pixels (cut to the surface). Each returns 1, or 0 when a surface
// cannot be locked. Averages and noise work on 5-bit channels.
//
// Rising smear: a pixel takes the average of the pixels below it, or a copy
// of the one just below, as RandomBytes decides; the rectangle's border
// stays as it is and no row below the rectangle is read.
int ScreenEffectBlur(int x, int y, int w, int h);
// The same, the averaged channels whose flag is set darkened by one step.
int ScreenEffectBlurFade(int fadeR, int fadeG, int fadeB, int x, int y, int w, int h);
// Each inner pixel becomes the average of its four neighbours.
int ScreenEffectSmooth(int x, int y, int w, int h);
int ScreenEffectSmoothFade(int fadeR, int fadeG, int fadeB, int x, int y, int w, int h);
// Enlarges the rectangle 2 or 4 times through drawing object 0 and draws it
// back at (x, y), clipped. mode 0 fills each block; otherwise only its
// top-left pixel (2x) or 2 x 2 pixels (4x) are written.
int ScreenEffectZoom2(int x, int y, int w, int h, int mode);
int ScreenEffectZoom4(int x, int y, int w, int h, int mode);
// Mosaic of block x block squares inside the circle around (cx, cy).
int ScreenEffectCircleMosaic(int cx, int cy, int radius, int block);
// Grain: each pixel brightened by a RandomBytes value (shifted left by
// shift), on every channel or on the flagged ones; never darkens.
int ScreenEffectNoise(int shift, int x, int y, int w, int h);
int ScreenEffectChannelNoise(int addR, int addG, int addB, int shift, int x, int y, int w, int h);

}  // namespace fwDraw
