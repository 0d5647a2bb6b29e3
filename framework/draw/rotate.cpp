#include "framework/draw/rotate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>

#include "framework/draw/blend.h"
#include "framework/draw/blit.h"
#include "framework/draw/coord.h"
#include "framework/draw/screen.h"

namespace {

// One turned blit. Box pixel (i, j) maps to the source point
//   u = 360 cx + (i - cx) C - (j - cy) S,  v = 360 cy + (i - cx) S + (j - cy) C
// (cx, cy the box's half sizes), walked by adding C and S along a row.
// Everything is 64-bit: a box near a saturated coordinate must not wrap.
struct Turn {
    int64_t boxLeft, boxTop, w, h;  // the box and its size
    int64_t i0, i1, j0, j1;         // drawn columns [i0, i1) and rows [j0, j1)
    int64_t s, c;                   // SinTable entries of the angle and of the angle + 90
    int64_t uRow0, vRow0;           // source point of box pixel (0, 0)
    int64_t sw, sh;                 // source rectangle size
    const uint16_t* src;            // at the source rectangle's top-left
    int64_t srcPitch;
    uint16_t* dst;  // the back surface
    int64_t dstPitch;
};

// Visits the drawn part of the box. The mapper gives each box row a chance to
// change its state (Row), maps (u / 360, v / 360) to a source pixel inside
// the rectangle (Source, false: nothing there) and colours it (Colour).
template <class Mapper>
void TurnRows(const Turn& t, Mapper& m) {
    const int64_t n = t.i1 - t.i0;
    for (int64_t j = t.j0; j < t.j1; ++j) {
        m.Row(j);
        int64_t u = t.uRow0 + t.i0 * t.c - j * t.s;
        int64_t v = t.vRow0 + t.i0 * t.s + j * t.c;
        uint16_t* d = t.dst + (t.boxTop + j) * t.dstPitch + (t.boxLeft + t.i0);
        for (int64_t k = 0; k < n; ++k, u += t.c, v += t.s) {
            int64_t su, sv;
            if (!m.Source(u / 360, v / 360, su, sv)) continue;
            if (const uint16_t p = t.src[sv * t.srcPitch + su]) d[k] = m.Colour(p);
        }
    }
}

// The smallest u whose quotient u / 360 (truncated toward zero) is at least
// q, and the largest whose quotient is at most q.
int64_t LowestWithQuotient(int64_t q) { return q > 0 ? 360 * q : 360 * q - 359; }
int64_t HighestWithQuotient(int64_t q) { return q >= 0 ? 360 * q + 359 : 360 * q; }

// Narrows [k0, k1) to the steps k at which a + k * step lies in [lo, hi].
void KeepWithin(int64_t a, int64_t step, int64_t lo, int64_t hi, int64_t& k0, int64_t& k1) {
    auto floorDiv = [](int64_t x, int64_t y) { return x / y - ((x % y != 0) && ((x < 0) != (y < 0))); };
    auto ceilDiv = [&](int64_t x, int64_t y) { return -floorDiv(-x, y); };
    if (step == 0) {
        if (a < lo || a > hi) k1 = k0;
        return;
    }
    int64_t first, last;
    if (step > 0) {
        first = ceilDiv(lo - a, step);
        last = floorDiv(hi - a, step);
    } else {
        first = ceilDiv(hi - a, step);
        last = floorDiv(lo - a, step);
    }
    k0 = std::max(k0, first);
    k1 = std::min(k1, last + 1);
}

// The plain turned blit with no test per pixel: each row's span of box
// pixels that land inside the source rectangle is found first (the quotient
// is monotonic along a row), and the walk inside it runs in 32 bits with a
// branch-free key test.
#if defined(__x86_64__) && defined(__GNUC__) && defined(__linux__)
__attribute__((target_clones("avx2", "default")))
#endif
void TurnSpan(uint16_t* __restrict d, const uint16_t* __restrict src, int32_t pitch, int32_t u, int32_t v, int32_t c,
              int32_t s, int n) {
    for (int k = 0; k < n; ++k, u += c, v += s) {
        const uint16_t p = src[(v / 360) * pitch + u / 360];
        d[k] = p ? p : d[k];
    }
}

// False when the turn's numbers could leave 32 bits (boxes near saturated
// coordinates); the general walk takes those.
bool FitsThirtyTwoBits(const Turn& t) {
    constexpr int64_t kLimit = int64_t{1} << 20;
    return t.w < kLimit && t.h < kLimit && t.i0 < kLimit && t.j0 < kLimit && t.sw < kLimit && t.sh < kLimit;
}

template <class Fit>
struct Unscaled;
struct InRange;

void TurnRowsPlain(const Turn& t, int64_t ox, int64_t oy) {
    const int64_t uLo = LowestWithQuotient(ox), uHi = HighestWithQuotient(ox + t.sw - 1);
    const int64_t vLo = LowestWithQuotient(oy), vHi = HighestWithQuotient(oy + t.sh - 1);
    // Source pixel (u / 360 - ox, v / 360 - oy) from the corner (-ox, -oy).
    const uint16_t* origin = t.src - oy * t.srcPitch - ox;
    for (int64_t j = t.j0; j < t.j1; ++j) {
        const int64_t u = t.uRow0 + t.i0 * t.c - j * t.s;
        const int64_t v = t.vRow0 + t.i0 * t.s + j * t.c;
        int64_t k0 = 0, k1 = t.i1 - t.i0;
        KeepWithin(u, t.c, uLo, uHi, k0, k1);
        KeepWithin(v, t.s, vLo, vHi, k0, k1);
        if (k0 >= k1) continue;
        uint16_t* d = t.dst + (t.boxTop + j) * t.dstPitch + (t.boxLeft + t.i0);
        TurnSpan(d + k0, origin, static_cast<int32_t>(t.srcPitch), static_cast<int32_t>(u + k0 * t.c),
                 static_cast<int32_t>(v + k0 * t.s), static_cast<int32_t>(t.c), static_cast<int32_t>(t.s),
                 static_cast<int>(k1 - k0));
    }
}

// The walk the five members share: check, clip the box without moving it,
// lock, set up the turn, visit the rows, unlock.
template <class Mapper>
int Rotate(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, int handle, int left, int top, int right,
           int bottom, Mapper&& m) {
    plat::Surface* picture = fwDraw::BlitSource(handle, left, top, right, bottom);
    if (!picture || !BackSurface) return 0;
    Turn t{};
    t.boxLeft = boxLeft;
    t.boxTop = boxTop;
    t.w = static_cast<int64_t>(boxRight) - boxLeft;
    t.h = static_cast<int64_t>(boxBottom) - boxTop;
    int cl, ct, cr, cb;
    fwDraw::SoftClipBounds(cl, ct, cr, cb);
    t.i0 = std::max<int64_t>(0, cl - t.boxLeft);
    t.i1 = std::min<int64_t>(t.w, cr - t.boxLeft);
    t.j0 = std::max<int64_t>(0, ct - t.boxTop);
    t.j1 = std::min<int64_t>(t.h, cb - t.boxTop);
    if (t.i1 <= t.i0 || t.j1 <= t.j0) return 1;  // before the angle is looked at
    t.sw = right - left;
    t.sh = bottom - top;
    if (!m.Begin(t)) return 1;

    fwDraw::SoftLocks locks;
    if (!fwDraw::LockForSoftBlit(picture, locks)) return 0;
    const int a = fwDraw::ReduceAngle(angle);
    t.s = SinTable[a];
    t.c = SinTable[a + 90];
    const int64_t cx = t.w >> 1, cy = t.h >> 1;
    t.uRow0 = 360 * cx - cx * t.c + cy * t.s;
    t.vRow0 = 360 * cy - cx * t.s - cy * t.c;
    t.src = locks.src.pixels + static_cast<int64_t>(top) * locks.src.pitch + left;
    t.srcPitch = locks.src.pitch;
    t.dst = locks.dst.pixels;
    t.dstPitch = locks.dst.pitch;
    if constexpr (std::is_same_v<std::decay_t<Mapper>, Unscaled<InRange>>) {
        if (FitsThirtyTwoBits(t)) TurnRowsPlain(t, m.ox, m.oy);
        else TurnRows(t, m);
    } else {
        TurnRows(t, m);
    }
    fwDraw::UnlockSoftBlit(locks);
    return 1;
}

bool UsableScale(float scale) { return scale != 0 && std::isfinite(scale); }

// Source coordinate from a box coordinate, as the members differ.
struct InRange {  // plain: the rectangle once, nothing outside it
    static bool Fit(int64_t q, int64_t size, int64_t& out) {
        out = q;
        return q >= 0 && q < size;
    }
};
struct Repeat {  // wrapped: mirrored at 0, repeated every size
    static bool Fit(int64_t q, int64_t size, int64_t& out) {
        out = (q < 0 ? -q : q) % size;
        return true;
    }
};

int64_t Scaled(int64_t q, float scale) { return fwDraw::ToBlitCoord(static_cast<float>(q) / scale); }

// Where the picture sits in the box: the centring offsets of a picture of
// the given size, and the source rectangle's size. False when the rectangle
// is empty, as there is nothing to draw (and nothing to repeat).
struct Placement {
    int64_t ox = 0, oy = 0, sw = 0, sh = 0;
    bool Place(const Turn& t, int64_t drawnW, int64_t drawnH) {
        ox = (t.w - drawnW) >> 1;
        oy = (t.h - drawnH) >> 1;
        sw = t.sw;
        sh = t.sh;
        return sw > 0 && sh > 0;
    }
};

// BltRotated and BltRotatedWrap: centred unscaled.
template <class Fit>
struct Unscaled : Placement {
    bool Begin(const Turn& t) { return Place(t, t.sw, t.sh); }
    void Row(int64_t) {}
    bool Source(int64_t uq, int64_t vq, int64_t& su, int64_t& sv) const {
        return Fit::Fit(uq - ox, sw, su) && Fit::Fit(vq - oy, sh, sv);
    }
    static uint16_t Colour(uint16_t p) { return p; }
};

// BltRotatedScaled and BltRotatedScaledWrap.
template <class Fit>
struct Enlarged : Placement {
    float scale;
    explicit Enlarged(float s) : scale(s) {}
    bool Begin(const Turn& t) {
        return Place(t, fwDraw::ToBlitCoord(static_cast<float>(t.sw) * scale),
                     fwDraw::ToBlitCoord(static_cast<float>(t.sh) * scale));
    }
    void Row(int64_t) {}
    bool Source(int64_t uq, int64_t vq, int64_t& su, int64_t& sv) const {
        return Fit::Fit(Scaled(uq - ox, scale), sw, su) && Fit::Fit(Scaled(vq - oy, scale), sh, sv);
    }
    static uint16_t Colour(uint16_t p) { return p; }
};

// BltRotatedScaledTint: the scales grow row by row, from box row 0 on.
struct Receding : Placement {
    float scaleX, stepX, scaleY, stepY;
    float tint[3];
    int64_t row = 0;
    int shift[3]{RedShift5, GreenShift5, BlueShift5};
    Receding(float sx, float stx, float sy, float sty, float r, float g, float b)
        : scaleX(sx), stepX(stx), scaleY(sy), stepY(sty), tint{r, g, b} {}
    bool Begin(const Turn& t) { return Place(t, t.sw, t.sh); }
    void Row(int64_t j) {
        for (; row < j; ++row) {
            scaleX += stepX;
            scaleY += stepY;
        }
    }
    bool Source(int64_t uq, int64_t vq, int64_t& su, int64_t& sv) const {
        return Repeat::Fit(Scaled(uq - ox, scaleX), sw, su) && Repeat::Fit(Scaled(vq - oy, scaleY), sh, sv);
    }
    uint16_t Colour(uint16_t p) const {
        uint32_t out = 0;
        for (int c = 0; c < 3; ++c)
            out |= static_cast<uint32_t>(fwDraw::ToBlitCoord(PixelToRgb[p][c] * tint[c])) << shift[c];
        return static_cast<uint16_t>(out);
    }
};

}  // namespace

namespace fwDraw {

int BltRotated(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, int handle, int left, int top,
               int right, int bottom) {
    return Rotate(boxLeft, boxTop, boxRight, boxBottom, angle, handle, left, top, right, bottom, Unscaled<InRange>{});
}

int BltRotatedWrap(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, int handle, int left, int top,
                   int right, int bottom) {
    return Rotate(boxLeft, boxTop, boxRight, boxBottom, angle, handle, left, top, right, bottom, Unscaled<Repeat>{});
}

int BltRotatedScaled(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, float scale, int handle, int left,
                     int top, int right, int bottom) {
    if (!UsableScale(scale)) return 0;
    return Rotate(boxLeft, boxTop, boxRight, boxBottom, angle, handle, left, top, right, bottom,
                  Enlarged<InRange>(scale));
}

int BltRotatedScaledWrap(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, float scale, int handle,
                         int left, int top, int right, int bottom) {
    if (!UsableScale(scale)) return 0;
    return Rotate(boxLeft, boxTop, boxRight, boxBottom, angle, handle, left, top, right, bottom,
                  Enlarged<Repeat>(scale));
}

int BltRotatedScaledTint(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, float scaleX,
                         float scaleXStep, float scaleY, float scaleYStep, float tintR, float tintG, float tintB,
                         int handle, int left, int top, int right, int bottom) {
    if (!UsableScale(scaleX) || !UsableScale(scaleY)) return 0;
    return Rotate(boxLeft, boxTop, boxRight, boxBottom, angle, handle, left, top, right, bottom,
                  Receding(scaleX, scaleXStep, scaleY, scaleYStep, tintR, tintG, tintB));
}

}  // namespace fwDraw
