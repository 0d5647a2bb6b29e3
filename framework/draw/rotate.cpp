#include "framework/draw/rotate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <vector>

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

// The plain turned blit's scalar walk, for processors without AVX2 and for
// boxes too large for the 16-bit lanes: each row's span of box pixels that
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
template <class Fit>
struct Enlarged;
struct InRange;
struct Repeat;

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
        const auto w = static_cast<int32_t>(u);
        q = w / 360;
        r = w - 360 * q;
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

// One source coordinate of sixteen neighbouring box pixels in 16-bit lanes,
// stepped without a division: the quotient by 360 rounded down (less the
// centring offset) and the remainder, carried by hand.
struct Lanes {
    __m256i x, r;
};
constexpr int kGroup = 16;
// Boxes up to this wide are walked whole, row after row.
constexpr int64_t kWholeRows = 64;
static_assert(plat::kSlackPixels >= kGroup - 1, "a group may reach fifteen pixels past a span");

// False when a lane's quotient could leave 16 bits: every size under 4096.
bool FitsSixteenBits(const Turn& t) {
    constexpr int64_t kLimit = 4096;
    return t.w < kLimit && t.h < kLimit && t.sw < kLimit && t.sh < kLimit && t.srcPitch < 32768;
}

#define VQ_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

// Adds a quotient and a remainder to the lanes and carries the remainder's
// overflow into the quotient.
VQ_AVX2_INLINE void Carry(Lanes& l, __m256i q, __m256i r) {
    l.r = _mm256_add_epi16(l.r, r);
    const __m256i over = _mm256_cmpgt_epi16(l.r, _mm256_set1_epi16(359));
    l.r = _mm256_sub_epi16(l.r, _mm256_and_si256(over, _mm256_set1_epi16(360)));
    l.x = _mm256_sub_epi16(_mm256_add_epi16(l.x, q), over);
}

// Lanes at a scalar start, lane k a further k steps of (q, r) along.
VQ_AVX2_INLINE Lanes LanesAt(int64_t start, int64_t offset, __m256i q, __m256i r) {
    const Split360 a(start);
    Lanes l{_mm256_set1_epi16(static_cast<int16_t>(a.q - offset)), _mm256_set1_epi16(static_cast<int16_t>(a.r))};
    Carry(l, q, r);
    return l;
}

// Splits lanes holding -5760..5759 into 360 q + r, r in 0..359: the
// quotient of the number plus 5760 (16 times 360) by a multiply-high with
// 2^24 / 360 rounded up, exact below 74898.
VQ_AVX2_INLINE void SplitLanes(__m256i x, __m256i& q, __m256i& r) {
    const __m256i lifted = _mm256_add_epi16(x, _mm256_set1_epi16(5760));
    q = _mm256_sub_epi16(_mm256_srli_epi16(_mm256_mulhi_epu16(lifted, _mm256_set1_epi16(static_cast<int16_t>(46604))), 8),
                         _mm256_set1_epi16(16));
    r = _mm256_sub_epi16(x, _mm256_mullo_epi16(q, _mm256_set1_epi16(360)));
}

// A step of (q, r) in every lane.
struct Step {
    __m256i q, r;
    VQ_AVX2_INLINE explicit Step(int64_t by) {
        const Split360 a(by);
        q = _mm256_set1_epi16(static_cast<int16_t>(a.q));
        r = _mm256_set1_epi16(static_cast<int16_t>(a.r));
    }
};
VQ_AVX2_INLINE void Carry(Lanes& l, const Step& s) { Carry(l, s.q, s.r); }

// The lanes' quotients truncated toward zero, as the turn rule takes them:
// one more than the floor for a negative number with a remainder. below is
// minus the lanes' offset: a floor quotient under it belongs to a negative
// number.
VQ_AVX2_INLINE __m256i Truncated(const Lanes& l, __m256i below) {
    const __m256i negative = _mm256_cmpgt_epi16(below, l.x);
    return _mm256_sub_epi16(l.x, _mm256_andnot_si256(_mm256_cmpeq_epi16(l.r, _mm256_setzero_si256()), negative));
}

// One axis of the plain turn: the quotient less the centring offset is the
// source column (or row). With an offset of at least 1 a negative number
// lands left of the rectangle either way and the floor will do; an offset
// of 0 or less (a box no wider than the picture) needs the truncation
// (kNegative).
template <bool kNegative>
struct PlainAxis {
    static constexpr bool kSpans = true;  // a row's span can be narrowed to the rectangle
    __m256i last;                          // the highest column
    __m256i below;
    VQ_AVX2_INLINE PlainAxis(int64_t offset, int64_t size, const uint16_t*)
        : last(_mm256_set1_epi16(static_cast<int16_t>(size - 1))),
          below(_mm256_set1_epi16(static_cast<int16_t>(-offset))) {}
    // The lanes' columns; outside gains a nonzero value in the lanes that
    // fall outside the rectangle.
    VQ_AVX2_INLINE __m256i Column(const Lanes& l, __m256i& outside) const {
        const __m256i q = kNegative ? Truncated(l, below) : l.x;
        outside = _mm256_or_si256(outside, _mm256_subs_epu16(q, last));
        return q;
    }
};

// One axis of the wrapped and scaled turns: a table gives the source column
// of every truncated quotient the box reaches (the offset is the lowest),
// 0xFFFF for none. The entries are read as 32-bit words, so the table holds
// one entry more.
struct TableAxis {
    static constexpr bool kSpans = false;
    __m256i last, below;
    const int* table;
    VQ_AVX2_INLINE TableAxis(int64_t offset, int64_t size, const uint16_t* entries)
        : last(_mm256_set1_epi16(static_cast<int16_t>(size - 1))),
          below(_mm256_set1_epi16(static_cast<int16_t>(-offset))),
          table(reinterpret_cast<const int*>(entries)) {}
    VQ_AVX2_INLINE __m256i Column(const Lanes& l, __m256i& outside) const {
        const __m256i q = Truncated(l, below), zero = _mm256_setzero_si256(), low = _mm256_set1_epi32(0xFFFF);
        const __m256i wanted = _mm256_cmpeq_epi16(outside, zero);
        const __m256i gotLow = _mm256_mask_i32gather_epi32(zero, table, _mm256_unpacklo_epi16(q, zero),
                                                           _mm256_unpacklo_epi16(wanted, wanted), 2);
        const __m256i gotHigh = _mm256_mask_i32gather_epi32(zero, table, _mm256_unpackhi_epi16(q, zero),
                                                            _mm256_unpackhi_epi16(wanted, wanted), 2);
        const __m256i column = _mm256_packus_epi32(_mm256_and_si256(gotLow, low), _mm256_and_si256(gotHigh, low));
        outside = _mm256_or_si256(outside, _mm256_subs_epu16(column, last));
        return column;
    }
};

// Draws the sixteen pixels at d whose lanes are inside the rectangle and
// not beyond the span (beyond: nonzero) and whose source pixel is not 0;
// the others are written back unchanged. rowStep holds (1, pitch) in each
// pair of 16-bit halves: one multiply-add gives column + row * pitch. The
// unpacks take lanes 0-3 and 8-11, then 4-7 and 12-15; the pack that joins
// the halves puts them back in order.
template <class AxisU, class AxisV>
VQ_AVX2_INLINE void Group(uint16_t* d, const int* base, __m256i rowStep, const Lanes& lu, const Lanes& lv,
                          const AxisU& au, const AxisV& av, __m256i beyond) {
    const __m256i su = au.Column(lu, beyond);
    const __m256i sv = av.Column(lv, beyond);
    const __m256i inside = _mm256_cmpeq_epi16(beyond, _mm256_setzero_si256());
    const __m256i atLow = _mm256_madd_epi16(_mm256_unpacklo_epi16(su, sv), rowStep);
    const __m256i atHigh = _mm256_madd_epi16(_mm256_unpackhi_epi16(su, sv), rowStep);
    // 32 bits from each pixel's address: the low half is the pixel.
    const __m256i zero = _mm256_setzero_si256(), low = _mm256_set1_epi32(0xFFFF);
    const __m256i gotLow = _mm256_mask_i32gather_epi32(zero, base, atLow, _mm256_unpacklo_epi16(inside, inside), 2);
    const __m256i gotHigh = _mm256_mask_i32gather_epi32(zero, base, atHigh, _mm256_unpackhi_epi16(inside, inside), 2);
    const __m256i p = _mm256_packus_epi32(_mm256_and_si256(gotLow, low), _mm256_and_si256(gotHigh, low));
    const __m256i back = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), _mm256_blendv_epi8(p, back, _mm256_cmpeq_epi16(p, zero)));
}

// What the kernel needs of each axis: the lanes' offset, the source size and
// the table, if any.
struct AxisSetup {
    int64_t offset, size;
    const uint16_t* table;
};

// The turned blit sixteen pixels at a time. Each lane keeps its source
// coordinates as floor quotients and remainders. A lane draws when both
// source coordinates lie inside the rectangle, the pixel lies inside the
// span and the source pixel is not 0; the rest keep the back surface's
// pixel (written back unchanged, which the surfaces' slack after their last
// row allows).
template <class AxisU, class AxisV>
__attribute__((target("avx2"))) void TurnRowsAvx2(const Turn& t, const AxisSetup& su, const AxisSetup& sv) {
    const __m256i rowStep = _mm256_set1_epi32(static_cast<int32_t>(t.srcPitch << 16 | 1));
    const AxisU au(su.offset, su.size, su.table);
    const AxisV av(sv.offset, sv.size, sv.table);
    const int64_t ox = su.offset, oy = sv.offset;
    // Lane k sits k steps along the row; the whole group moves sixteen.
    const __m256i iota = _mm256_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    __m256i qu, ru, qv, rv;
    SplitLanes(_mm256_mullo_epi16(iota, _mm256_set1_epi16(static_cast<int16_t>(t.c))), qu, ru);
    SplitLanes(_mm256_mullo_epi16(iota, _mm256_set1_epi16(static_cast<int16_t>(t.s))), qv, rv);
    const Step alongU(kGroup * t.c), alongV(kGroup * t.s);
    const __m256i none = _mm256_setzero_si256();
    const int* base = reinterpret_cast<const int*>(t.src);
    const int64_t n = t.i1 - t.i0;
    if (n <= kWholeRows || !AxisU::kSpans || !AxisV::kSpans) {
        // A narrow box: whole rows, each row's lanes a step down from the
        // last row's (a span would spare little and cost a division).
        Lanes lu = LanesAt(t.uRow0 + t.i0 * t.c - t.j0 * t.s, ox, qu, ru);
        Lanes lv = LanesAt(t.vRow0 + t.i0 * t.s + t.j0 * t.c, oy, qv, rv);
        const Step downU(-t.s), downV(t.c);
        const __m256i tail =
            _mm256_cmpgt_epi16(iota, _mm256_set1_epi16(static_cast<int16_t>(n - 1 - (n - 1) / kGroup * kGroup)));
        uint16_t* d = t.dst + (t.boxTop + t.j0) * t.dstPitch + (t.boxLeft + t.i0);
        if (n <= kGroup) {  // one group a row, two rows a turn
            Lanes nu = lu, nv = lv;
            Carry(nu, downU);
            Carry(nv, downV);
            const Step twoDownU(-2 * t.s), twoDownV(2 * t.c);
            int64_t j = t.j0;
            for (; j + 1 < t.j1; j += 2, d += 2 * t.dstPitch) {
                Group(d, base, rowStep, lu, lv, au, av, tail);
                Group(d + t.dstPitch, base, rowStep, nu, nv, au, av, tail);
                Carry(lu, twoDownU);
                Carry(lv, twoDownV);
                Carry(nu, twoDownU);
                Carry(nv, twoDownV);
            }
            if (j < t.j1) Group(d, base, rowStep, lu, lv, au, av, tail);
            return;
        }
        for (int64_t j = t.j0; j < t.j1; ++j, d += t.dstPitch) {
            Lanes gu = lu, gv = lv;
            uint16_t* g = d;
            for (int64_t k = kGroup; k < n; k += kGroup, g += kGroup) {
                Group(g, base, rowStep, gu, gv, au, av, none);
                Carry(gu, alongU);
                Carry(gv, alongV);
            }
            Group(g, base, rowStep, gu, gv, au, av, tail);
            Carry(lu, downU);
            Carry(lv, downV);
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
        Lanes lu = LanesAt(u + k0 * t.c, ox, qu, ru);
        Lanes lv = LanesAt(v + k0 * t.s, oy, qv, rv);
        uint16_t* d = t.dst + (t.boxTop + j) * t.dstPitch + (t.boxLeft + t.i0 + k0);
        int32_t left = static_cast<int32_t>(k1 - k0);
        for (; left > kGroup; left -= kGroup, d += kGroup) {
            Group(d, base, rowStep, lu, lv, au, av, none);
            Carry(lu, alongU);
            Carry(lv, alongV);
        }
        Group(d, base, rowStep, lu, lv, au, av,
              _mm256_cmpgt_epi16(iota, _mm256_set1_epi16(static_cast<int16_t>(left - 1))));
    }
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

void TurnRowsPlain(const Turn& t, int64_t ox, int64_t oy) {
#ifdef VQ_TURN_AVX2
    if (HasAvx2() && FitsSixteenBits(t)) {
        const AxisSetup u{ox, t.sw, nullptr}, v{oy, t.sh, nullptr};
        if (ox <= 0 || oy <= 0) return TurnRowsAvx2<PlainAxis<true>, PlainAxis<true>>(t, u, v);
        return TurnRowsAvx2<PlainAxis<false>, PlainAxis<false>>(t, u, v);
    }
#endif
    TurnRowsScalar(t, ox, oy);
}

// The wrapped and scaled turns through one table per axis: the source
// column (or row) of every truncated quotient the box reaches, worked out
// once each by the member's own rule. False when the kernel cannot take the
// turn.
template <class Mapper>
bool TurnRowsByTable(const Turn& t, const Mapper& m) {
#ifdef VQ_TURN_AVX2
    if (!HasAvx2() || !FitsThirtyTwoBits(t) || !FitsSixteenBits(t)) return false;
    // u and v are linear in the box pixel: the clipped box's corners bound
    // every quotient inside it.
    int64_t uMin = INT64_MAX, uMax = INT64_MIN, vMin = INT64_MAX, vMax = INT64_MIN;
    for (const int64_t i : {t.i0, t.i1 - 1})
        for (const int64_t j : {t.j0, t.j1 - 1}) {
            const int64_t u = (t.uRow0 + i * t.c - j * t.s) / 360, v = (t.vRow0 + i * t.s + j * t.c) / 360;
            uMin = std::min(uMin, u);
            uMax = std::max(uMax, u);
            vMin = std::min(vMin, v);
            vMax = std::max(vMax, v);
        }
    std::vector<uint16_t> columns(static_cast<size_t>(uMax - uMin + 2), 0xFFFF);
    std::vector<uint16_t> rows(static_cast<size_t>(vMax - vMin + 2), 0xFFFF);
    int64_t out;
    for (int64_t q = uMin; q <= uMax; ++q)
        if (m.SourceU(q, out)) columns[q - uMin] = static_cast<uint16_t>(out);
    for (int64_t q = vMin; q <= vMax; ++q)
        if (m.SourceV(q, out)) rows[q - vMin] = static_cast<uint16_t>(out);
    TurnRowsAvx2<TableAxis, TableAxis>(t, {uMin, t.sw, columns.data()}, {vMin, t.sh, rows.data()});
    return true;
#else
    (void)t;
    (void)m;
    return false;
#endif
}

// The walk the five members share: check, clip the box without moving it,
// lock, set up the turn, visit the rows, unlock.
template <class Mapper>
int Rotate(int boxLeft, int boxTop, int boxRight, int boxBottom, int angle, int handle, int left, int top, int right,
           int bottom, Mapper&& m) {
    // The drawn part of the box, found first: most calls of a busy frame
    // draw nothing and only have their picture checked.
    const int64_t w = static_cast<int64_t>(boxRight) - boxLeft, h = static_cast<int64_t>(boxBottom) - boxTop;
    int cl, ct, cr, cb;
    fwDraw::SoftClipBounds(cl, ct, cr, cb);
    const int64_t i0 = std::max<int64_t>(0, cl - static_cast<int64_t>(boxLeft));
    const int64_t i1 = std::min<int64_t>(w, cr - static_cast<int64_t>(boxLeft));
    const int64_t j0 = std::max<int64_t>(0, ct - static_cast<int64_t>(boxTop));
    const int64_t j1 = std::min<int64_t>(h, cb - static_cast<int64_t>(boxTop));
    plat::Surface* picture = fwDraw::BlitSource(handle, left, top, right, bottom);
    if (!picture || !BackSurface) return 0;
    if (i1 <= i0 || j1 <= j0) return 1;  // before the angle is looked at
    Turn t{};
    t.boxLeft = boxLeft;
    t.boxTop = boxTop;
    t.w = w;
    t.h = h;
    t.i0 = i0;
    t.i1 = i1;
    t.j0 = j0;
    t.j1 = j1;
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
    using M = std::decay_t<Mapper>;
    if constexpr (std::is_same_v<M, Unscaled<InRange>>) {
        if (FitsThirtyTwoBits(t)) TurnRowsPlain(t, m.ox, m.oy);
        else TurnRows(t, m);
    } else if constexpr (std::is_same_v<M, Unscaled<Repeat>> || std::is_same_v<M, Enlarged<InRange>> ||
                         std::is_same_v<M, Enlarged<Repeat>>) {
        if (!TurnRowsByTable(t, m)) TurnRows(t, m);
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
    bool SourceU(int64_t uq, int64_t& su) const { return Fit::Fit(uq - ox, sw, su); }
    bool SourceV(int64_t vq, int64_t& sv) const { return Fit::Fit(vq - oy, sh, sv); }
    bool Source(int64_t uq, int64_t vq, int64_t& su, int64_t& sv) const { return SourceU(uq, su) && SourceV(vq, sv); }
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
    bool SourceU(int64_t uq, int64_t& su) const { return Fit::Fit(Scaled(uq - ox, scale), sw, su); }
    bool SourceV(int64_t vq, int64_t& sv) const { return Fit::Fit(Scaled(vq - oy, scale), sh, sv); }
    bool Source(int64_t uq, int64_t vq, int64_t& su, int64_t& sv) const { return SourceU(uq, su) && SourceV(vq, sv); }
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
