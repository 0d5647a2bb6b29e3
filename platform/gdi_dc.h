// Drawing contexts over surfaces: the pens, brushes and shapes the framework
// draws with outside its blitters. Our own rasteriser on the 5-6-5 surface.
//
//   DC* dc = plat::GetDC(surface);         // nullptr on a missing or lost surface
//   Pen* pen = plat::CreatePen(plat::kPenSolid, 3, plat::Rgb(255, 0, 0));
//   Pen* old = plat::SelectPen(dc, pen);
//   plat::MoveTo(dc, 10, 10);
//   plat::LineTo(dc, 90, 40);
//   plat::SelectPen(dc, old);
//   plat::DeletePen(pen);
//   plat::ReleaseDC(surface, dc);
//
// Rules of the rasteriser (those of the system the framework was written for):
//   - Output is cut to the surface only; the blit clip rectangle does not
//     apply. Coordinates are surface pixels.
//   - A pen of width 0 or 1 draws thin lines: one pixel per step along the
//     major axis, and LineTo leaves its end point undrawn, so a closed figure
//     drawn segment by segment sets every pixel once.
//   - A wider pen draws every pixel whose centre lies within width / 2 of the
//     segment (round ends and joins); for an even width the band is taken
//     half a pixel up and left, so it still covers exactly `width` rows or
//     columns of a horizontal or vertical line.
//   - Filled shapes sample each pixel at its centre (x + 0.5, y + 0.5) with
//     the even-odd rule, so a filled figure without an outline loses its
//     right and bottom edges; the outline is then drawn with the pen.
//   - Hatched brushes repeat an 8 x 8 pattern aligned to the surface's
//     top-left corner; the pattern's lines take the brush colour and its
//     gaps the background colour (opaque mode) or stay as they are
//     (transparent mode).
//   - A DC does not lock its surface: blits and locks may run while one is
//     held. Fixed pools back the contexts, pens and brushes; nothing is
//     allocated per call.
#pragma once
#include <cstdint>

#include "platform/gdi.h"
#include "platform/surface.h"

namespace plat {

struct Point {
    int32_t x, y;
};

// Pen styles, brush styles, hatch styles and background modes keep the
// numbers of the interface the framework was written against.
constexpr int32_t kPenSolid = 0;
constexpr int32_t kPenNull = 5;

constexpr int32_t kBrushSolid = 0;
constexpr int32_t kBrushNull = 1;
constexpr int32_t kBrushHatched = 2;

constexpr int32_t kHatchHorizontal = 0;  // -----
constexpr int32_t kHatchVertical = 1;    // |||||
constexpr int32_t kHatchFDiagonal = 2;   // \\\\\ (x - y a multiple of 8)
constexpr int32_t kHatchBDiagonal = 3;   // ///// (x + y one less than a multiple of 8)
constexpr int32_t kHatchCross = 4;       // +++++
constexpr int32_t kHatchDiagCross = 5;   // xxxxx: both diagonals

constexpr int32_t kBkTransparent = 1;
constexpr int32_t kBkOpaque = 2;

constexpr ColorRef kInvalidColor = 0xFFFFFFFFu;

struct Pen {
    int32_t style = kPenSolid;
    int32_t width = 1;
    ColorRef color = 0;
    bool inUse = false;
    bool stock = false;
};

struct Brush {
    int32_t style = kBrushSolid;
    ColorRef color = 0;
    int32_t hatch = 0;
    bool inUse = false;
    bool stock = false;
};

// A brush as described to CreateBrushIndirect.
struct LogBrush {
    int32_t style;
    ColorRef color;
    int32_t hatch;
};

struct Font;  // the text module's

struct DC {
    Surface* surface = nullptr;
    Pen* pen = nullptr;      // never null while the DC is in use
    Brush* brush = nullptr;  // likewise
    Font* font = nullptr;    // selected by the text module; nullptr: its default
    int32_t bkMode = kBkOpaque;
    ColorRef bkColor = 0xFFFFFF;  // white
    ColorRef textColor = 0;       // black
    Point position{0, 0};         // current position of MoveTo / LineTo
    bool inUse = false;
};

// A drawing context over the surface, in its default state: black pen of
// width 1, white solid brush, opaque background in white, black text, no
// font, position (0, 0). nullptr for a missing or lost surface, or when
// every context is taken. ReleaseDC gives it back (kOk; kInvalidParams for
// a context that does not belong to that surface).
DC* GetDC(Surface* surface);
int32_t ReleaseDC(Surface* surface, DC* dc);
int LiveDCCount();  // contexts not yet given back
// Whether a context in use has this font selected (the text module's
// DeleteFont refuses such a font).
bool FontSelected(const Font* font);

// Pens and brushes. nullptr when the pool is exhausted or the style unknown.
Pen* CreatePen(int32_t style, int32_t width, ColorRef color);
Brush* CreateSolidBrush(ColorRef color);
Brush* CreateHatchBrush(int32_t hatch, ColorRef color);
Brush* CreateBrushIndirect(const LogBrush& desc);
// Stock objects: never deleted.
Pen* BlackPen();
Pen* NullPen();
Brush* WhiteBrush();
Brush* NullBrush();
// Frees a pen or brush. False (and nothing freed) while it is selected into
// a context; true and nothing done for a stock object or nullptr.
bool DeletePen(Pen* pen);
bool DeleteBrush(Brush* brush);
int LivePenCount();    // created pens not yet deleted
int LiveBrushCount();  // created brushes not yet deleted

// Select into the context; each returns the object it replaced, or nullptr
// (and changes nothing) for a missing context or object.
Pen* SelectPen(DC* dc, Pen* pen);
Brush* SelectBrush(DC* dc, Brush* brush);

// Background and text colour state; each returns the previous value
// (0 or kInvalidColor for a missing context).
int32_t SetBkMode(DC* dc, int32_t mode);  // kBkTransparent or kBkOpaque; others refused (0)
ColorRef SetBkColor(DC* dc, ColorRef color);
ColorRef SetTextColor(DC* dc, ColorRef color);

// Lines with the selected pen. MoveTo returns the previous position in *old
// when asked; LineTo draws from the current position to (x, y), leaving the
// end pixel undrawn with a thin pen, and makes (x, y) the current position.
bool MoveTo(DC* dc, int32_t x, int32_t y, Point* old = nullptr);
bool LineTo(DC* dc, int32_t x, int32_t y);
// Open chain of count - 1 segments; the current position is not used or moved.
bool Polyline(DC* dc, const Point* points, int count);

// A closed polygon: interior filled with the brush (even-odd rule), outline
// drawn with the pen, the last point joined back to the first. False for
// fewer than 2 points.
bool Polygon(DC* dc, const Point* points, int count);

// The rectangle (left, top)-(right, bottom), right and bottom exclusive:
// filled with the brush, its outline on the rectangle's outermost pixels
// drawn with the pen. Swapped corners are put in order.
bool Rectangle(DC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom);

// Cubic Bezier curves: points[0] starts, each next three points are two
// control points and an end point (count = 1 + 3n). Drawn with the pen as a
// chain of short segments that ends on the last end point, undrawn as
// LineTo leaves it. False when count is not 1 + 3n with n >= 1.
bool PolyBezier(DC* dc, const Point* points, int count);

// Single pixels: GetPixel gives kInvalidColor outside the surface; SetPixel
// returns the colour actually stored (the 5-6-5 value widened), or
// kInvalidColor outside.
ColorRef GetPixel(DC* dc, int32_t x, int32_t y);
ColorRef SetPixel(DC* dc, int32_t x, int32_t y, ColorRef color);

// Inverts every bit of the rectangle's pixels (right and bottom exclusive),
// cut to the surface. False for a missing context.
bool InvertRect(DC* dc, const Rect& rect);

}  // namespace plat
