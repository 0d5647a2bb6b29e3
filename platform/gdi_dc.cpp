#include "platform/gdi_dc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace plat {
namespace {

constexpr int kDCCount = 16;
constexpr int kPenCount = 64;
constexpr int kBrushCount = 64;

DC gDCs[kDCCount];
Pen gPens[kPenCount];
Brush gBrushes[kBrushCount];

Pen gBlackPen{kPenSolid, 1, 0, true, true};
Pen gNullPen{kPenNull, 1, 0, true, true};
Brush gWhiteBrush{kBrushSolid, 0xFFFFFF, 0, true, true};
Brush gNullBrush{kBrushNull, 0, 0, true, true};

bool Usable(const DC* dc) { return dc && dc->inUse && dc->surface && !dc->surface->lost; }

// Every drawing call reaches the pixels through here.
inline uint16_t* Row(Surface* s, int y) {
    ReadyToWrite(s);
    return s->pixels + static_cast<size_t>(y) * s->pitch;
}

inline void Put(Surface* s, int64_t x, int64_t y, uint16_t v) {
    if (x < 0 || y < 0 || x >= s->width || y >= s->height) return;
    Row(s, static_cast<int>(y))[x] = v;
}

// Whether pixel (x, y) lies on a line of the hatch pattern.
bool HatchOn(int32_t hatch, int x, int y) {
    const int cx = x & 7, cy = y & 7;
    const bool f = cx == cy;        // x - y a multiple of 8
    const bool b = cx + cy == 7;    // x + y one less than a multiple of 8
    switch (hatch) {
    case kHatchHorizontal: return cy == 0;
    case kHatchVertical: return cx == 0;
    case kHatchFDiagonal: return f;
    case kHatchBDiagonal: return b;
    case kHatchCross: return cx == 0 || cy == 0;
    default: return f || b;  // kHatchDiagCross
    }
}

// Paints pixels x0..x1 - 1 of row y (already cut to the surface) with the
// context's brush.
void PaintSpan(DC* dc, int y, int x0, int x1) {
    const Brush* br = dc->brush;
    if (!br || br->style == kBrushNull || x0 >= x1) return;
    uint16_t* row = Row(dc->surface, y);
    const uint16_t fg = PixelFromColorRef(br->color);
    if (br->style == kBrushSolid) {
        std::fill(row + x0, row + x1, fg);
        return;
    }
    const bool opaque = dc->bkMode == kBkOpaque;
    const uint16_t bg = PixelFromColorRef(dc->bkColor);
    for (int x = x0; x < x1; ++x) {
        if (HatchOn(br->hatch, x, y))
            row[x] = fg;
        else if (opaque)
            row[x] = bg;
    }
}

// A thin line from (x0, y0) towards (x1, y1), its end pixel left undrawn:
// one pixel per step of the major axis, the minor coordinate rounded.
void ThinLine(Surface* s, int64_t x0, int64_t y0, int64_t x1, int64_t y1, uint16_t v) {
    int64_t dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    int64_t n = xMajor ? std::llabs(dx) : std::llabs(dy);
    if (n == 0) return;
    const int64_t majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int64_t minorDelta = xMajor ? dy : dx;
    const int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
    const int64_t limit = xMajor ? s->width : s->height;
    // Only the steps whose major coordinate lies on the surface are walked.
    int64_t first = 0, last = n - 1;
    if (majorStep > 0) {
        first = std::max<int64_t>(first, -major0);
        last = std::min<int64_t>(last, limit - 1 - major0);
    } else {
        first = std::max<int64_t>(first, major0 - (limit - 1));
        last = std::min<int64_t>(last, major0);
    }
    for (int64_t i = first; i <= last; ++i) {
        // minor = minor0 + round(i * minorDelta / n), halves rounded away from 0
        __int128 num = static_cast<__int128>(2) * i * std::llabs(minorDelta) + n;
        int64_t off = static_cast<int64_t>(num / (2 * n));
        int64_t minor = minor0 + (minorDelta < 0 ? -off : off);
        int64_t major = major0 + i * majorStep;
        if (xMajor)
            Put(s, major, minor, v);
        else
            Put(s, minor, major, v);
    }
}

// A wide line: every pixel whose centre lies within width / 2 of the
// segment (round ends), the segment moved half a pixel up and left for an
// even width.
void WideLine(Surface* s, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int width, uint16_t v) {
    const double r = width / 2.0;
    const double o = (width % 2 == 0) ? -0.5 : 0.0;
    const double ax = x0 + o, ay = y0 + o, bx = x1 + o, by = y1 + o;
    const double r2 = r * r;
    int64_t left = std::max<int64_t>(0, static_cast<int64_t>(std::floor(std::min(ax, bx) - r)));
    int64_t right = std::min<int64_t>(s->width - 1, static_cast<int64_t>(std::ceil(std::max(ax, bx) + r)));
    int64_t top = std::max<int64_t>(0, static_cast<int64_t>(std::floor(std::min(ay, by) - r)));
    int64_t bottom = std::min<int64_t>(s->height - 1, static_cast<int64_t>(std::ceil(std::max(ay, by) + r)));
    const double ex = bx - ax, ey = by - ay, len2 = ex * ex + ey * ey;
    for (int64_t y = top; y <= bottom; ++y) {
        uint16_t* row = Row(s, static_cast<int>(y));
        for (int64_t x = left; x <= right; ++x) {
            double px = static_cast<double>(x) - ax, py = static_cast<double>(y) - ay;
            double t = len2 > 0 ? std::clamp((px * ex + py * ey) / len2, 0.0, 1.0) : 0.0;
            double qx = px - t * ex, qy = py - t * ey;
            if (qx * qx + qy * qy <= r2) row[x] = v;
        }
    }
}

// One segment with the context's pen.
void Segment(DC* dc, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    const Pen* pen = dc->pen;
    if (!pen || pen->style == kPenNull) return;
    const uint16_t v = PixelFromColorRef(pen->color);
    if (pen->width <= 1)
        ThinLine(dc->surface, x0, y0, x1, y1, v);
    else
        WideLine(dc->surface, x0, y0, x1, y1, pen->width, v);
}

// Fills the interior of a closed figure with the brush: pixel centres, even-odd.
void FillFigure(DC* dc, const Point* p, int count) {
    if (!dc->brush || dc->brush->style == kBrushNull || count < 3) return;
    Surface* s = dc->surface;
    int64_t minY = p[0].y, maxY = p[0].y;
    for (int i = 1; i < count; ++i) {
        minY = std::min<int64_t>(minY, p[i].y);
        maxY = std::max<int64_t>(maxY, p[i].y);
    }
    static std::vector<double> xs;  // crossings of one row; grows once
    xs.reserve(static_cast<size_t>(count));
    const int64_t y0 = std::max<int64_t>(0, minY), y1 = std::min<int64_t>(s->height, maxY + 1);
    for (int64_t y = y0; y < y1; ++y) {
        const double yc = static_cast<double>(y) + 0.5;
        xs.clear();
        for (int i = 0; i < count; ++i) {
            const Point& a = p[i];
            const Point& b = p[(i + 1) % count];
            if ((a.y <= yc && yc < b.y) || (b.y <= yc && yc < a.y))
                xs.push_back(a.x + (yc - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2) {
            // pixels whose centre x + 0.5 lies in [xs[k], xs[k + 1])
            double from = std::ceil(xs[k] - 0.5), to = std::ceil(xs[k + 1] - 0.5);
            int x0 = static_cast<int>(std::clamp(from, 0.0, static_cast<double>(s->width)));
            int x1 = static_cast<int>(std::clamp(to, 0.0, static_cast<double>(s->width)));
            PaintSpan(dc, static_cast<int>(y), x0, x1);
        }
    }
}

void Outline(DC* dc, const Point* p, int count, bool closed) {
    for (int i = 0; i + 1 < count; ++i) Segment(dc, p[i].x, p[i].y, p[i + 1].x, p[i + 1].y);
    if (closed && count > 1) Segment(dc, p[count - 1].x, p[count - 1].y, p[0].x, p[0].y);
}

template <class T, int N>
T* Take(T (&pool)[N]) {
    for (T& t : pool)
        if (!t.inUse) {
            t = T{};
            t.inUse = true;
            return &t;
        }
    return nullptr;
}

template <class T, int N>
bool Owned(const T (&pool)[N], const T* t) {
    return t >= pool && t < pool + N && t->inUse;
}

template <class T, int N>
int CountLive(const T (&pool)[N]) {
    return static_cast<int>(std::count_if(pool, pool + N, [](const T& t) { return t.inUse; }));
}

// Frees a pool object unless it is stock or still selected into a context.
template <class T, int N>
bool Delete(T (&pool)[N], T* obj, T* DC::*selected) {
    if (!obj || obj->stock) return true;
    if (!Owned(pool, obj)) return false;
    for (const DC& dc : gDCs)
        if (dc.inUse && dc.*selected == obj) return false;
    *obj = T{};
    return true;
}

}  // namespace

DC* GetDC(Surface* surface) {
    if (!surface || surface->lost) return nullptr;
    DC* dc = Take(gDCs);
    if (!dc) return nullptr;
    dc->surface = surface;
    dc->pen = &gBlackPen;
    dc->brush = &gWhiteBrush;
    return dc;
}

int32_t ReleaseDC(Surface* surface, DC* dc) {
    if (!Owned(gDCs, dc) || dc->surface != surface) return kInvalidParams;
    *dc = DC{};
    return kOk;
}

int LiveDCCount() { return CountLive(gDCs); }

bool FontSelected(const Font* font) {
    return font && std::any_of(gDCs, gDCs + kDCCount, [font](const DC& dc) { return dc.inUse && dc.font == font; });
}

Pen* CreatePen(int32_t style, int32_t width, ColorRef color) {
    if (style != kPenSolid && style != kPenNull) return nullptr;
    Pen* p = Take(gPens);
    if (!p) return nullptr;
    p->style = style;
    p->width = std::max<int32_t>(width, 1);
    p->color = color & 0xFFFFFF;
    return p;
}

Brush* CreateBrushIndirect(const LogBrush& d) {
    if (d.style != kBrushSolid && d.style != kBrushNull && d.style != kBrushHatched) return nullptr;
    if (d.style == kBrushHatched && (d.hatch < kHatchHorizontal || d.hatch > kHatchDiagCross)) return nullptr;
    Brush* b = Take(gBrushes);
    if (!b) return nullptr;
    b->style = d.style;
    b->color = d.color & 0xFFFFFF;
    b->hatch = d.hatch;
    return b;
}

Brush* CreateSolidBrush(ColorRef color) { return CreateBrushIndirect({kBrushSolid, color, 0}); }
Brush* CreateHatchBrush(int32_t hatch, ColorRef color) { return CreateBrushIndirect({kBrushHatched, color, hatch}); }

Pen* BlackPen() { return &gBlackPen; }
Pen* NullPen() { return &gNullPen; }
Brush* WhiteBrush() { return &gWhiteBrush; }
Brush* NullBrush() { return &gNullBrush; }

bool DeletePen(Pen* pen) { return Delete(gPens, pen, &DC::pen); }
bool DeleteBrush(Brush* brush) { return Delete(gBrushes, brush, &DC::brush); }

int LivePenCount() { return CountLive(gPens); }
int LiveBrushCount() { return CountLive(gBrushes); }

Pen* SelectPen(DC* dc, Pen* pen) {
    if (!dc || !dc->inUse || !pen || !pen->inUse) return nullptr;
    Pen* old = dc->pen;
    dc->pen = pen;
    return old;
}

Brush* SelectBrush(DC* dc, Brush* brush) {
    if (!dc || !dc->inUse || !brush || !brush->inUse) return nullptr;
    Brush* old = dc->brush;
    dc->brush = brush;
    return old;
}

int32_t SetBkMode(DC* dc, int32_t mode) {
    if (!dc || !dc->inUse || (mode != kBkTransparent && mode != kBkOpaque)) return 0;
    int32_t old = dc->bkMode;
    dc->bkMode = mode;
    return old;
}

ColorRef SetBkColor(DC* dc, ColorRef color) {
    if (!dc || !dc->inUse) return kInvalidColor;
    ColorRef old = dc->bkColor;
    dc->bkColor = color & 0xFFFFFF;
    return old;
}

ColorRef SetTextColor(DC* dc, ColorRef color) {
    if (!dc || !dc->inUse) return kInvalidColor;
    ColorRef old = dc->textColor;
    dc->textColor = color & 0xFFFFFF;
    return old;
}

bool MoveTo(DC* dc, int32_t x, int32_t y, Point* old) {
    if (!dc || !dc->inUse) return false;
    if (old) *old = dc->position;
    dc->position = {x, y};
    return true;
}

bool LineTo(DC* dc, int32_t x, int32_t y) {
    if (!Usable(dc)) return false;
    Segment(dc, dc->position.x, dc->position.y, x, y);
    dc->position = {x, y};
    return true;
}

bool Polyline(DC* dc, const Point* points, int count) {
    if (!Usable(dc) || !points || count < 2) return false;
    Outline(dc, points, count, false);
    return true;
}

bool Polygon(DC* dc, const Point* points, int count) {
    if (!Usable(dc) || !points || count < 2) return false;
    FillFigure(dc, points, count);
    Outline(dc, points, count, true);
    return true;
}

bool Rectangle(DC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!Usable(dc)) return false;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right - static_cast<int64_t>(left) < 2 || bottom - static_cast<int64_t>(top) < 2) return true;
    // The brush covers the rectangle less its right column and bottom row;
    // the pen's outline runs along the outermost pixels.
    Surface* s = dc->surface;
    if (dc->brush && dc->brush->style != kBrushNull) {
        int x0 = static_cast<int>(std::clamp<int64_t>(left, 0, s->width));
        int x1 = static_cast<int>(std::clamp<int64_t>(static_cast<int64_t>(right) - 1, 0, s->width));
        int y0 = static_cast<int>(std::clamp<int64_t>(top, 0, s->height));
        int y1 = static_cast<int>(std::clamp<int64_t>(static_cast<int64_t>(bottom) - 1, 0, s->height));
        for (int y = y0; y < y1; ++y) PaintSpan(dc, y, x0, x1);
    }
    const Point corners[4] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    Outline(dc, corners, 4, true);
    return true;
}

bool PolyBezier(DC* dc, const Point* points, int count) {
    if (!Usable(dc) || !points || count < 4 || (count - 1) % 3 != 0) return false;
    for (int c = 0; c + 3 < count; c += 3) {
        const Point* q = points + c;
        // Enough pieces that none is much longer than a few pixels.
        double len = 0;
        for (int i = 0; i < 3; ++i) len += std::hypot(static_cast<double>(q[i + 1].x) - q[i].x,
                                                      static_cast<double>(q[i + 1].y) - q[i].y);
        const int pieces = static_cast<int>(std::clamp(len / 4.0, 1.0, 256.0));
        int64_t px = q[0].x, py = q[0].y;
        for (int k = 1; k <= pieces; ++k) {
            const double t = static_cast<double>(k) / pieces, u = 1 - t;
            const double a = u * u * u, b = 3 * u * u * t, cc = 3 * u * t * t, d = t * t * t;
            int64_t nx = k == pieces ? q[3].x : std::llround(a * q[0].x + b * q[1].x + cc * q[2].x + d * q[3].x);
            int64_t ny = k == pieces ? q[3].y : std::llround(a * q[0].y + b * q[1].y + cc * q[2].y + d * q[3].y);
            if (nx == px && ny == py) continue;
            Segment(dc, px, py, nx, ny);
            px = nx;
            py = ny;
        }
    }
    return true;
}

ColorRef GetPixel(DC* dc, int32_t x, int32_t y) {
    if (!Usable(dc)) return kInvalidColor;
    return GetPixel(dc->surface, x, y);
}

ColorRef SetPixel(DC* dc, int32_t x, int32_t y, ColorRef color) {
    if (!Usable(dc) || !SetPixel(dc->surface, x, y, color)) return kInvalidColor;
    return GetPixel(dc->surface, x, y);
}

bool InvertRect(DC* dc, const Rect& r) {
    if (!Usable(dc)) return false;
    Surface* s = dc->surface;
    const int x0 = std::max(r.left, 0), x1 = std::min(r.right, s->width);
    const int y0 = std::max(r.top, 0), y1 = std::min(r.bottom, s->height);
    for (int y = y0; y < y1; ++y) {
        uint16_t* row = Row(s, y);
        for (int x = x0; x < x1; ++x) row[x] = static_cast<uint16_t>(~row[x]);
    }
    return true;
}

}  // namespace plat
