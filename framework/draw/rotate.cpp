#include "framework/draw/rotate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

#include "framework/draw/blend.h"
#include "framework/draw/blit.h"
#include "framework/draw/coord.h"
#include "framework/draw/screen.h"
#include "platform/surface.h"

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

// The plain turned blit's scalar walk: each row's span of box pixels that
// land inside the source rectangle is found first (the quotient is monotonic
// along a row), and the walk inside it runs in 32 bits.
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

void TurnRowsScalar(const Turn& t, int64_t ox, int64_t oy) {
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

#if defined(__x86_64__) && defined(__GNUC__)
#define VQ_TURN_AVX2 1

// A 32-bit number as 360 q + r with r in [0, 360).
struct Split360 {
    int32_t q, r;
    explicit Split360(int64_t u) {
        q = static_cast<int32_t>(u / 360);
        r = static_cast<int32_t>(u % 360);
        if (r < 0) {
            r += 360;
            --q;
        }
    }
};

// Narrows [k0, k1) to a span that holds every step k at which a + k step
// lies in [lo, hi], give or take two steps at either end: the kernel tests
// every pixel exactly, the span only spares it the pixels far outside.
inline void RoughSpan(int64_t a, int64_t step, double inverse, int64_t lo, int64_t hi, int64_t& k0, int64_t& k1) {
    if (step == 0) {
        if (a < lo || a > hi) k1 = k0;
        return;
    }
    double first = static_cast<double>(step > 0 ? lo - a : hi - a) * inverse;
    double last = static_cast<double>(step > 0 ? hi - a : lo - a) * inverse;
    first = std::clamp(first, static_cast<double>(k0), static_cast<double>(k1));
    last = std::clamp(last, -1.0, static_cast<double>(k1));
    k0 = std::max(k0, static_cast<int64_t>(first));
    k1 = std::min(k1, static_cast<int64_t>(last) + 2);
}

// One source coordinate of eight neighbouring box pixels, stepped without a
// division: the quotient by 360 rounded down (less the centring offset) and
// the remainder, carried by hand.
struct Lanes {
    __m256i x, r;
};
// Boxes up to this wide are walked whole, row after row.
constexpr int64_t kWholeRows = 64;
static_assert(plat::kSlackPixels >= 8, "a group of eight may reach seven pixels past a span and read one more");

#define VQ_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

// Adds a quotient and a remainder to the lanes and carries the remainder's
// overflow into the quotient.
VQ_AVX2_INLINE void Carry(Lanes& l, __m256i q, __m256i r) {
    l.r = _mm256_add_epi32(l.r, r);
    const __m256i over = _mm256_cmpgt_epi32(l.r, _mm256_set1_epi32(359));
    l.r = _mm256_sub_epi32(l.r, _mm256_and_si256(over, _mm256_set1_epi32(360)));
    l.x = _mm256_sub_epi32(_mm256_add_epi32(l.x, q), over);
}

// How one axis turns floor quotients into source columns (or rows). The
// turn rule's quotients truncate toward zero: one more than the floor for a
// negative number with a remainder. With an offset of at least 1 a negative
// number lands left of the rectangle either way and the floor will do; an
// offset of 0 or less (a box no wider than the picture) needs the
// correction (kNegative).
struct Axis {
    __m256i last;   // the highest column
    __m256i below;  // minus the offset: a floor quotient under it is negative
    VQ_AVX2_INLINE Axis(int64_t offset, int64_t size)
        : last(_mm256_set1_epi32(static_cast<int32_t>(size - 1))),
          below(_mm256_set1_epi32(static_cast<int32_t>(-offset))) {}
};

// The lanes' source columns (or rows); inside loses the lanes that fall
// outside the rectangle.
template <bool kNegative>
VQ_AVX2_INLINE __m256i Column(const Lanes& l, const Axis& a, __m256i& inside) {
    __m256i q = l.x;
    if constexpr (kNegative) {
        const __m256i negative = _mm256_cmpgt_epi32(a.below, l.x);
        q = _mm256_sub_epi32(q, _mm256_andnot_si256(_mm256_cmpeq_epi32(l.r, _mm256_setzero_si256()), negative));
    }
    inside = _mm256_and_si256(inside, _mm256_cmpeq_epi32(_mm256_min_epu32(q, a.last), q));
    return q;
}

// Draws the eight pixels at d whose lanes are inside and whose source pixel
// is not 0; the others are written back unchanged.
template <bool kNegative>
VQ_AVX2_INLINE void Group(uint16_t* d, const int* base, __m256i pitch, const Lanes& lu, const Lanes& lv,
                          const Axis& au, const Axis& av, __m256i inside) {
    const __m256i su = Column<kNegative>(lu, au, inside);
    const __m256i sv = Column<kNegative>(lv, av, inside);
    const __m256i at = _mm256_add_epi32(_mm256_mullo_epi32(sv, pitch), su);
    // 32 bits from each pixel's address: the low half is the pixel.
    const __m256i got = _mm256_mask_i32gather_epi32(_mm256_setzero_si256(), base, at, inside, 2);
    const __m256i lows = _mm256_shuffle_epi8(got, _mm256_setr_epi8(0, 1, 4, 5, 8, 9, 12, 13, -1, -1, -1, -1, -1, -1, -1,
                                                                    -1, 0, 1, 4, 5, 8, 9, 12, 13, -1, -1, -1, -1, -1, -1,
                                                                    -1, -1));
    const __m128i p = _mm256_castsi256_si128(_mm256_permute4x64_epi64(lows, 0x08));
    const __m128i back = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_blendv_epi8(p, back, _mm_cmpeq_epi16(p, _mm_setzero_si128())));
}

// The plain turned blit eight pixels at a time. Each lane keeps its source
// coordinates as floor quotients and remainders. A lane draws when both
// source coordinates lie inside the rectangle, the pixel lies inside the
// span and the source pixel is not 0; the rest keep the back surface's
// pixel (written back unchanged, which the surfaces' slack after their last
// row allows).
template <bool kNegative>
__attribute__((target("avx2"))) void TurnRowsAvx2(const Turn& t, int64_t ox, int64_t oy) {
    const __m256i pitch = _mm256_set1_epi32(static_cast<int32_t>(t.srcPitch));
    const Axis au(ox, t.sw), av(oy, t.sh);
    // Lane k sits k steps along the row; the whole group moves eight.
    alignas(32) int32_t laneQu[8], laneRu[8], laneQv[8], laneRv[8];
    for (int k = 0; k < 8; ++k) {
        const Split360 a(k * t.c), b(k * t.s);
        laneQu[k] = a.q;
        laneRu[k] = a.r;
        laneQv[k] = b.q;
        laneRv[k] = b.r;
    }
    const __m256i qu = _mm256_load_si256(reinterpret_cast<const __m256i*>(laneQu));
    const __m256i ru = _mm256_load_si256(reinterpret_cast<const __m256i*>(laneRu));
    const __m256i qv = _mm256_load_si256(reinterpret_cast<const __m256i*>(laneQv));
    const __m256i rv = _mm256_load_si256(reinterpret_cast<const __m256i*>(laneRv));
    const Split360 eightU(8 * t.c), eightV(8 * t.s);
    const __m256i stepQu = _mm256_set1_epi32(eightU.q), stepRu = _mm256_set1_epi32(eightU.r);
    const __m256i stepQv = _mm256_set1_epi32(eightV.q), stepRv = _mm256_set1_epi32(eightV.r);
    const __m256i iota = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7), all = _mm256_set1_epi32(-1);
    const int* base = reinterpret_cast<const int*>(t.src);
    const int64_t n = t.i1 - t.i0;
    if (n <= kWholeRows) {
        // A narrow box: whole rows, each row's lanes a step down from the
        // last row's (a span would spare little and cost a division).
        const Split360 a(t.uRow0 + t.i0 * t.c - t.j0 * t.s), b(t.vRow0 + t.i0 * t.s + t.j0 * t.c);
        Lanes lu{_mm256_set1_epi32(a.q - static_cast<int32_t>(ox)), _mm256_set1_epi32(a.r)};
        Lanes lv{_mm256_set1_epi32(b.q - static_cast<int32_t>(oy)), _mm256_set1_epi32(b.r)};
        Carry(lu, qu, ru);
        Carry(lv, qv, rv);
        const Split360 downU(-t.s), downV(t.c);
        const __m256i downQu = _mm256_set1_epi32(downU.q), downRu = _mm256_set1_epi32(downU.r);
        const __m256i downQv = _mm256_set1_epi32(downV.q), downRv = _mm256_set1_epi32(downV.r);
        const __m256i tail = _mm256_cmpgt_epi32(_mm256_set1_epi32(static_cast<int32_t>(n - (n - 1) / 8 * 8)), iota);
        uint16_t* d = t.dst + (t.boxTop + t.j0) * t.dstPitch + (t.boxLeft + t.i0);
        for (int64_t j = t.j0; j < t.j1; ++j, d += t.dstPitch) {
            Lanes gu = lu, gv = lv;
            uint16_t* g = d;
            for (int64_t k = 8; k < n; k += 8, g += 8) {
                Group<kNegative>(g, base, pitch, gu, gv, au, av, all);
                Carry(gu, stepQu, stepRu);
                Carry(gv, stepQv, stepRv);
            }
            Group<kNegative>(g, base, pitch, gu, gv, au, av, tail);
            Carry(lu, downQu, downRu);
            Carry(lv, downQv, downRv);
        }
        return;
    }
    const int64_t uLo = LowestWithQuotient(ox), uHi = HighestWithQuotient(ox + t.sw - 1);
    const int64_t vLo = LowestWithQuotient(oy), vHi = HighestWithQuotient(oy + t.sh - 1);
    const double invC = t.c ? 1.0 / static_cast<double>(t.c) : 0, invS = t.s ? 1.0 / static_cast<double>(t.s) : 0;
    for (int64_t j = t.j0; j < t.j1; ++j) {
        const int64_t u = t.uRow0 + t.i0 * t.c - j * t.s;
        const int64_t v = t.vRow0 + t.i0 * t.s + j * t.c;
        int64_t k0 = 0, k1 = n;
        RoughSpan(u, t.c, invC, uLo, uHi, k0, k1);
        RoughSpan(v, t.s, invS, vLo, vHi, k0, k1);
        if (k0 >= k1) continue;
        const Split360 a(u + k0 * t.c), b(v + k0 * t.s);
        Lanes lu{_mm256_set1_epi32(a.q - static_cast<int32_t>(ox)), _mm256_set1_epi32(a.r)};
        Lanes lv{_mm256_set1_epi32(b.q - static_cast<int32_t>(oy)), _mm256_set1_epi32(b.r)};
        Carry(lu, qu, ru);
        Carry(lv, qv, rv);
        uint16_t* d = t.dst + (t.boxTop + j) * t.dstPitch + (t.boxLeft + t.i0 + k0);
        int32_t left = static_cast<int32_t>(k1 - k0);
        for (; left > 8; left -= 8, d += 8) {
            Group<kNegative>(d, base, pitch, lu, lv, au, av, all);
            Carry(lu, stepQu, stepRu);
            Carry(lv, stepQv, stepRv);
        }
        Group<kNegative>(d, base, pitch, lu, lv, au, av, _mm256_cmpgt_epi32(_mm256_set1_epi32(left), iota));
    }
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

void TurnRowsPlain(const Turn& t, int64_t ox, int64_t oy) {
#ifdef VQ_TURN_AVX2
    if (HasAvx2()) return ox <= 0 || oy <= 0 ? TurnRowsAvx2<true>(t, ox, oy) : TurnRowsAvx2<false>(t, ox, oy);
#endif
    TurnRowsScalar(t, ox, oy);
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
