#include "framework/draw/blend.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "framework/draw/blit.h"
#include "framework/draw/coord.h"
#include "framework/draw/screen.h"
#include "platform/surface.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define VQ_BLEND_AVX2 1
#endif

namespace {

// The clipped rectangle of one software blit, both surfaces locked: the
// picture's first pixel, its place on the back surface, both pitches in
// pixels, the size, and how much the clip took off each side of the source
// rectangle.
struct Area {
    const uint16_t* src;
    uint16_t* dst;
    int srcPitch, dstPitch;
    int w, h;
    int cutLeft, cutTop, cutRight, cutBottom;

    const uint16_t* SrcRow(int j) const { return src + static_cast<std::ptrdiff_t>(j) * srcPitch; }
    uint16_t* DstRow(int j) const { return dst + static_cast<std::ptrdiff_t>(j) * dstPitch; }
};

// Where the clip rectangle reaches past the back surface, the surface's own
// edges cut what the clip rule left.
void CutToBounds(int& x, int& y, int& left, int& top, int& right, int& bottom) {
    int bl, bt, br, bb;
    fwDraw::SoftClipBounds(bl, bt, br, bb);
    int64_t cut = static_cast<int64_t>(bl) - x;
    if (cut > 0) {
        left = static_cast<int>(std::min<int64_t>(left + cut, right));
        x = bl;
    }
    cut = static_cast<int64_t>(bt) - y;
    if (cut > 0) {
        top = static_cast<int>(std::min<int64_t>(top + cut, bottom));
        y = bt;
    }
    right = static_cast<int>(std::max<int64_t>(left, std::min<int64_t>(right, left + (static_cast<int64_t>(br) - x))));
    bottom = static_cast<int>(std::max<int64_t>(top, std::min<int64_t>(bottom, top + (static_cast<int64_t>(bb) - y))));
}

// The walk every member shares: check the picture and the rectangle, clip,
// lock both surfaces, hand the clipped area to body, unlock.
template <class Body>
__attribute__((noinline)) int WalkOnScreen(int x, int y, int handle, int left, int top, int right, int bottom,
                                           Body&& body) {
    plat::Surface* picture = fwDraw::BlitSource(handle, left, top, right, bottom);
    if (!picture || !BackSurface) return 0;
    const int left0 = left, top0 = top, right0 = right, bottom0 = bottom;
    if (!fwDraw::ClipBlit(x, y, left, top, right, bottom)) return 1;
    CutToBounds(x, y, left, top, right, bottom);
    fwDraw::SoftLocks locks;
    if (!fwDraw::LockForSoftBlit(picture, locks)) return 0;
    Area a{locks.src.pixels + static_cast<std::ptrdiff_t>(top) * locks.src.pitch + left,
           locks.dst.pixels + static_cast<std::ptrdiff_t>(y) * locks.dst.pitch + x,
           locks.src.pitch,
           locks.dst.pitch,
           right - left,
           bottom - top,
           left - left0,
           top - top0,
           right0 - right,
           bottom0 - bottom};
    body(a);
    fwDraw::UnlockSoftBlit(locks);
    return 1;
}

// A call that leaves nothing on screen only checks its picture.
template <class Body>
int Walk(int x, int y, int handle, int left, int top, int right, int bottom, Body&& body) {
    if (fwDraw::WhollyClipped(x, y, static_cast<int64_t>(right) - left, static_cast<int64_t>(bottom) - top))
        return fwDraw::BlitSource(handle, left, top, right, bottom) && BackSurface ? 1 : 0;
    return WalkOnScreen(x, y, handle, left, top, right, bottom, std::forward<Body>(body));
}

// Every keyed pixel of the area through px(s, d). The branch-free form (the
// new value is computed for every pixel and the transparent ones keep d) lets
// the compiler vectorise the arithmetic members; always inlined, so that it
// is built for the instruction set of each kernel it is part of.
template <class Px>
__attribute__((always_inline)) inline void EachPixelVector(const Area& a, Px px) {
    for (int j = 0; j < a.h; ++j) {
        const uint16_t* __restrict s = a.SrcRow(j);
        uint16_t* __restrict d = a.DstRow(j);
        for (int i = 0; i < a.w; ++i) {
            const uint16_t sv = s[i], dv = d[i];
            const uint16_t nv = px(sv, dv);
            d[i] = sv ? nv : dv;
        }
    }
}

// The same for the table members: a transparent pixel costs one read.
template <class Px>
void EachPixel(const Area& a, Px px) {
    for (int j = 0; j < a.h; ++j) {
        const uint16_t* s = a.SrcRow(j);
        uint16_t* d = a.DstRow(j);
        for (int i = 0; i < a.w; ++i)
            if (const uint16_t sv = s[i]) d[i] = px(sv, d[i]);
    }
}

// The 5-bit fields of a pixel (each channel's top five bits), their top bits
// and the four bits below.
struct Fields {
    uint16_t all = static_cast<uint16_t>((31u << RedShift5) | (31u << GreenShift5) | (31u << BlueShift5));
    uint16_t high = static_cast<uint16_t>((16u << RedShift5) | (16u << GreenShift5) | (16u << BlueShift5));
    uint16_t low = static_cast<uint16_t>(all & ~high);
};

// The two members that draw most of a frame get a kernel of their own, built
// for AVX2 as well as for the base instruction set where that is possible.
#if defined(__x86_64__) && defined(__GNUC__) && defined(__linux__)
#define VQ_HOT_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define VQ_HOT_KERNEL
#endif

// BltAdditive: the level-0 row of AdditiveTable, min(31, s + d) on each 5-bit
// channel, worked on all three fields at once so that the loop vectorises:
// the fields' low four bits are added apart, the carries out of their top
// bits found, and a field that overflowed is filled with 1s.
VQ_HOT_KERNEL void AdditiveArea(const Area& a, Fields f) {
    EachPixelVector(a, [=](uint16_t s, uint16_t d) {
        s &= f.all;
        d &= f.all;
        const uint16_t lowSum = static_cast<uint16_t>((s & f.low) + (d & f.low));
        const uint16_t sum = static_cast<uint16_t>(lowSum ^ ((s ^ d) & f.high));
        const uint16_t over = static_cast<uint16_t>(((s & d) | ((s | d) & lowSum)) & f.high);
        return static_cast<uint16_t>(sum | over | (over - (over >> 4)));
    });
}

// The widest additive kernel the processor has, as far as the test hook
// lets the draw go: 0 the portable one, else the vector width in bits.
int gAdditiveBits = 512;

#ifdef VQ_BLEND_AVX2
// The same rule on whole vectors, for the narrow shots most additive draws
// are. Every step masks its operands to the fields' low or high bits, so the
// fields need no mask of their own first; a source pixel 0 keeps d.

// Sixteen pixels a time; a row's last group reads past the row's end (the
// surfaces' slack after their last row allows it) and writes the back
// surface's pixels there back unchanged.
static_assert(plat::kSlackPixels >= 15, "a group may reach fifteen pixels past a row");

__attribute__((target("avx2"), always_inline)) inline void AdditiveGroup(const uint16_t* s, uint16_t* d, __m256i high,
                                                                          __m256i low, __m256i keepMask) {
    const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s));
    const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d));
    const __m256i lowSum = _mm256_add_epi16(_mm256_and_si256(sv, low), _mm256_and_si256(dv, low));
    const __m256i sum = _mm256_xor_si256(lowSum, _mm256_and_si256(_mm256_xor_si256(sv, dv), high));
    const __m256i over = _mm256_and_si256(
        _mm256_or_si256(_mm256_and_si256(sv, dv), _mm256_and_si256(_mm256_or_si256(sv, dv), lowSum)), high);
    const __m256i nv = _mm256_or_si256(_mm256_or_si256(sum, over), _mm256_sub_epi16(over, _mm256_srli_epi16(over, 4)));
    const __m256i keep = _mm256_or_si256(_mm256_cmpeq_epi16(sv, _mm256_setzero_si256()), keepMask);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), _mm256_blendv_epi8(nv, dv, keep));
}

__attribute__((target("avx2"))) void AdditiveAreaAvx2(const Area& a, Fields f) {
    const __m256i high = _mm256_set1_epi16(static_cast<int16_t>(f.high));
    const __m256i low = _mm256_set1_epi16(static_cast<int16_t>(f.low));
    const int w = a.w, whole = w / 16 * 16;
    const __m256i iota = _mm256_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __m256i tail = _mm256_cmpgt_epi16(iota, _mm256_set1_epi16(static_cast<int16_t>(w - whole - 1)));
    const uint16_t* s = a.src;
    uint16_t* d = a.dst;
    for (int j = 0; j < a.h; ++j, s += a.srcPitch, d += a.dstPitch) {
        for (int i = 0; i < whole; i += 16) AdditiveGroup(s + i, d + i, high, low, _mm256_setzero_si256());
        if (whole < w) AdditiveGroup(s + whole, d + whole, high, low, tail);
    }
}

// Thirty-two pixels a time with AVX-512, a shot's row in one group: the
// loads are masked to the row, the store to the row's non-zero source
// pixels, and three-input logic folds the steps.
__attribute__((target("avx512f,avx512bw"))) void AdditiveAreaAvx512(const Area& a, Fields f) {
    const __m512i high = _mm512_set1_epi16(static_cast<int16_t>(f.high));
    const __m512i low = _mm512_set1_epi16(static_cast<int16_t>(f.low));
    constexpr int kA = 0xF0, kB = 0xCC, kC = 0xAA;  // the three operands' truth columns
    const uint16_t* s = a.src;
    uint16_t* d = a.dst;
    for (int j = 0; j < a.h; ++j, s += a.srcPitch, d += a.dstPitch) {
        for (int i = 0; i < a.w; i += 32) {
            const int n = a.w - i;
            const __mmask32 row = n >= 32 ? ~__mmask32{0} : (__mmask32{1} << n) - 1;
            const __m512i sv = _mm512_maskz_loadu_epi16(row, s + i);
            const __m512i dv = _mm512_maskz_loadu_epi16(row, d + i);
            const __m512i lowSum = _mm512_add_epi16(_mm512_and_si512(sv, low), _mm512_and_si512(dv, low));
            // lowSum ^ ((s ^ d) & high); the majority of s, d and lowSum; sum | over | spread.
            const __m512i sum = _mm512_ternarylogic_epi32(lowSum, _mm512_xor_si512(sv, dv), high, kA ^ (kB & kC));
            const __m512i over = _mm512_and_si512(
                _mm512_ternarylogic_epi32(sv, dv, lowSum, (kA & kB) | (kA & kC) | (kB & kC)), high);
            const __m512i nv = _mm512_ternarylogic_epi32(sum, over, _mm512_sub_epi16(over, _mm512_srli_epi16(over, 4)),
                                                         kA | kB | kC);
            _mm512_mask_storeu_epi16(d + i, _mm512_mask_test_epi16_mask(row, sv, sv), nv);
        }
    }
}

int AdditiveBits() {
    static const int has = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") ? 512
                           : __builtin_cpu_supports("avx2")                                       ? 256
                                                                                                  : 0;
    return std::min(has, gAdditiveBits);
}
#endif

VQ_HOT_KERNEL void HalfBlendArea(const Area& a, uint16_t half) {
    EachPixelVector(
        a, [=](uint16_t s, uint16_t d) { return static_cast<uint16_t>(((s >> 1) & half) + ((d >> 1) & half)); });
}

// The table levels 31 - level of three channel levels; false when a level
// lies outside 0..31 and would index past the tables.
bool TableLevels(int levelR, int levelG, int levelB, int out[3]) {
    const int in[3] = {levelR, levelG, levelB};
    for (int c = 0; c < 3; ++c) {
        if (in[c] < 0 || in[c] > 31) return false;
        out[c] = 31 - in[c];
    }
    return true;
}

// Native channel fields of the back surface's format, read once per call.
struct Native {
    int shift[3];
    int max[3];
    Native()
        : shift{RedShift, GreenShift, BlueShift},
          max{static_cast<int>(RedMax), static_cast<int>(GreenMax), static_cast<int>(BlueMax)} {}
    int Get(uint16_t p, int c) const { return (p >> shift[c]) & max[c]; }
    // Three channel values, truncated and put back unclamped.
    uint16_t Put(const float v[3]) const {
        uint32_t out = 0;
        for (int c = 0; c < 3; ++c) out |= static_cast<uint32_t>(fwDraw::ToBlitCoord(v[c])) << shift[c];
        return static_cast<uint16_t>(out);
    }
};

// Places a 5-bit value at each channel's 5-bit shift.
struct Five {
    int shift[3]{RedShift5, GreenShift5, BlueShift5};
    uint16_t Put(int r, int g, int b) const {
        return static_cast<uint16_t>((static_cast<uint32_t>(r) << shift[0]) | (static_cast<uint32_t>(g) << shift[1]) |
                                     (static_cast<uint32_t>(b) << shift[2]));
    }
};

// s * wS + d * wD per native channel (the alpha members).
uint16_t Mix(const Native& n, uint16_t s, uint16_t d, const float wS[3], const float wD[3]) {
    float v[3];
    for (int c = 0; c < 3; ++c) v[c] = n.Get(s, c) * wS[c] + n.Get(d, c) * wD[c];
    return n.Put(v);
}

// Table levels per channel through LevelBlendTable.
uint16_t LevelPixel(uint16_t s, uint16_t d, const int level[3]) {
    const uint8_t* sc = PixelToRgb[s];
    const uint8_t* dc = PixelToRgb[d];
    return static_cast<uint16_t>(LevelBlendTable[fwDraw::TableIndex(0, level[0], sc[0], dc[0])] |
                                 LevelBlendTable[fwDraw::TableIndex(1, level[1], sc[1], dc[1])] |
                                 LevelBlendTable[fwDraw::TableIndex(2, level[2], sc[2], dc[2])]);
}

// The ramp of BltLevelRamp and BltAlphaRamp: from the index past `start`,
// every `step`-th index moves the weights one step. vertical: the index is
// the row and the weights hold along it; else the column, and every row
// starts again from the first weights.
template <class Weights, class StepFn, class Px>
void Ramp(const Area& a, int vertical, uint16_t start, int step, const Weights& first, StepFn stepWeights, Px px) {
    Weights w = first;
    int counter = 0;
    auto tick = [&](int index) {
        if (index > start && ++counter >= step) {
            counter = 0;
            stepWeights(w);
        }
    };
    for (int j = 0; j < a.h; ++j) {
        if (vertical) {
            tick(j);
        } else {
            w = first;
            counter = 0;
        }
        const uint16_t* s = a.SrcRow(j);
        uint16_t* d = a.DstRow(j);
        for (int i = 0; i < a.w; ++i) {
            if (!vertical) tick(i);
            if (s[i]) d[i] = px(s[i], d[i], w);
        }
    }
}

struct Levels {
    int v[3];
};
struct Weights3 {
    float v[3];
};

}  // namespace

namespace fwDraw {

bool LockForSoftBlit(plat::Surface* picture, SoftLocks& locks) {
    locks.picture = picture;
    if (plat::Lock(picture, locks.src) != plat::kOk) return false;
    if (plat::Lock(BackSurface, locks.dst) != plat::kOk) {
        plat::Unlock(picture);
        return false;
    }
    return true;
}

void UnlockSoftBlit(SoftLocks& locks) {
    plat::Unlock(locks.picture);
    plat::Unlock(BackSurface);
}

void SoftClipBounds(int& left, int& top, int& right, int& bottom) {
    const int w = BackSurface ? BackSurface->width : 0, h = BackSurface ? BackSurface->height : 0;
    left = std::clamp(ClipLeft, 0, w);
    top = std::clamp(ClipTop, 0, h);
    right = std::clamp(ClipRight, 0, w);
    bottom = std::clamp(ClipBottom, 0, h);
}

int BltAdditive(int x, int y, int handle, int left, int top, int right, int bottom) {
    return Walk(x, y, handle, left, top, right, bottom, [](const Area& a) {
        const Fields f;
#ifdef VQ_BLEND_AVX2
        const int bits = AdditiveBits();
        if (bits == 512) return AdditiveAreaAvx512(a, f);
        if (bits == 256) return AdditiveAreaAvx2(a, f);
#endif
        AdditiveArea(a, f);
    });
}

int BltAdditiveLevel(int x, int y, float level, int handle, int left, int top, int right, int bottom) {
    // Levels outside 0..1 would index past the table: they saturate.
    const int L = std::clamp(ToBlitCoord(31.0f - level * 31.0f), 0, 31);
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) {
        EachPixel(a, [=](uint16_t s, uint16_t d) {
            const uint8_t* sc = PixelToRgb[s];
            const uint8_t* dc = PixelToRgb[d];
            return static_cast<uint16_t>(AdditiveTable[TableIndex(0, L, sc[0], dc[0])] |
                                         AdditiveTable[TableIndex(1, L, sc[1], dc[1])] |
                                         AdditiveTable[TableIndex(2, L, sc[2], dc[2])]);
        });
    });
}

int BltHalfBlend(int x, int y, int handle, int left, int top, int right, int bottom) {
    const uint16_t half = static_cast<uint16_t>(HalfMask);
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) { HalfBlendArea(a, half); });
}

int BltSubtractive(int x, int y, int handle, int left, int top, int right, int bottom) {
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) {
        EachPixel(a, [](uint16_t s, uint16_t d) {
            const int red = PixelToRgb[s][0];
            const uint8_t* dc = PixelToRgb[d];
            return static_cast<uint16_t>(SubtractiveTable[SubtractiveIndex(0, dc[0], red)] |
                                         SubtractiveTable[SubtractiveIndex(1, dc[1], red)] |
                                         SubtractiveTable[SubtractiveIndex(2, dc[2], red)]);
        });
    });
}

int BltLevelBlend(int x, int y, int level, int handle, int left, int top, int right, int bottom) {
    return BltLevelBlendRGB(x, y, level, level, level, handle, left, top, right, bottom);
}

int BltLevelBlendRGB(int x, int y, int levelR, int levelG, int levelB, int handle, int left, int top, int right,
                     int bottom) {
    int table[3];
    if (!TableLevels(levelR, levelG, levelB, table)) return 0;
    return Walk(x, y, handle, left, top, right, bottom,
                [&](const Area& a) { EachPixel(a, [&](uint16_t s, uint16_t d) { return LevelPixel(s, d, table); }); });
}

int BltLevelRamp(int x, int y, int levelR, int levelG, int levelB, int vertical, uint16_t start, int step, int handle,
                 int left, int top, int right, int bottom) {
    Levels first;
    if (!TableLevels(levelR, levelG, levelB, first.v)) return 0;
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) {
        Ramp(
            a, vertical, start, step, first,
            [](Levels& l) {
                for (int& v : l.v)
                    if (v) --v;
            },
            [](uint16_t s, uint16_t d, const Levels& l) { return LevelPixel(s, d, l.v); });
    });
}

int BltAlpha(int x, int y, float alpha, int handle, int left, int top, int right, int bottom) {
    return BltAlphaRGB(x, y, alpha, alpha, alpha, handle, left, top, right, bottom);
}

int BltAlphaRGB(int x, int y, float alphaR, float alphaG, float alphaB, int handle, int left, int top, int right,
                int bottom) {
    const Native n;
    const float wS[3] = {alphaR, alphaG, alphaB};
    const float wD[3] = {1 - alphaR, 1 - alphaG, 1 - alphaB};
    return Walk(x, y, handle, left, top, right, bottom,
                [&](const Area& a) { EachPixel(a, [&](uint16_t s, uint16_t d) { return Mix(n, s, d, wS, wD); }); });
}

int BltAlphaRamp(int x, int y, float alphaR, float alphaG, float alphaB, int vertical, uint16_t start, int step,
                 int handle, int left, int top, int right, int bottom) {
    const Native n;
    const float wS[3] = {alphaR, alphaG, alphaB};
    const Weights3 first{{1 - alphaR, 1 - alphaG, 1 - alphaB}};
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) {
        Ramp(
            a, vertical, start, step, first,
            [](Weights3& w) {
                for (float& v : w.v) v = std::max(v - 0.03125f, 0.0f);
            },
            [&](uint16_t s, uint16_t d, const Weights3& w) { return Mix(n, s, d, wS, w.v); });
    });
}

int BltBrightness(int x, int y, float factor, int handle, int left, int top, int right, int bottom) {
    return BltTintRGB(x, y, factor, factor, factor, handle, left, top, right, bottom);
}

int BltTintRGB(int x, int y, float factorR, float factorG, float factorB, int handle, int left, int top, int right,
               int bottom) {
    const Native n;
    const float f[3] = {factorR, factorG, factorB};
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) {
        EachPixel(a, [&](uint16_t s, uint16_t) {
            float v[3];
            for (int c = 0; c < 3; ++c) v[c] = n.Get(s, c) * f[c];
            return n.Put(v);
        });
    });
}

int BltDarken(int x, int y, int level, int handle, int left, int top, int right, int bottom) {
    return BltDarkenRGB(x, y, level, level, level, handle, left, top, right, bottom);
}

int BltDarkenRGB(int x, int y, int levelR, int levelG, int levelB, int handle, int left, int top, int right,
                 int bottom) {
    int cut[3];
    if (!TableLevels(levelR, levelG, levelB, cut)) return 0;
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) {
        EachPixel(a, [&](uint16_t s, uint16_t) {
            const uint8_t* sc = PixelToRgb[s];
            return static_cast<uint16_t>(SubtractiveTable[SubtractiveIndex(0, sc[0], cut[0])] |
                                         SubtractiveTable[SubtractiveIndex(1, sc[1], cut[1])] |
                                         SubtractiveTable[SubtractiveIndex(2, sc[2], cut[2])]);
        });
    });
}

int BltChannelMask(int x, int y, int keepR, int keepG, int keepB, int handle, int left, int top, int right,
                   int bottom) {
    const uint16_t mask =
        static_cast<uint16_t>((keepR ? RedMask : 0) | (keepG ? GreenMask : 0) | (keepB ? BlueMask : 0));
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) {
        EachPixelVector(a, [=](uint16_t s, uint16_t) { return static_cast<uint16_t>(s & mask); });
    });
}

int BltGreyscale(int x, int y, int handle, int left, int top, int right, int bottom) {
    const Five five;
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) {
        EachPixel(a, [&](uint16_t s, uint16_t) {
            const uint8_t* sc = PixelToRgb[s];
            const int g = GreyTable[sc[0] + sc[1] + sc[2]];
            return five.Put(g, g, g);
        });
    });
}

int BltSoftEdge(int x, int y, int handle, int left, int top, int right, int bottom) {
    const Five five;
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) {
        for (int j = 0; j < a.h; ++j) {
            const uint16_t* s = a.SrcRow(j);
            uint16_t* d = a.DstRow(j);
            for (int i = 0; i < a.w; ++i) {
                if (!s[i]) continue;
                const uint8_t* own = PixelToRgb[s[i]];
                int sum[3] = {own[0], own[1], own[2]};
                int count = 1;
                // A neighbour whose picture pixel is transparent lends the
                // destination pixel at its place.
                auto lend = [&](std::ptrdiff_t srcOffset, std::ptrdiff_t dstOffset) {
                    if (s[i + srcOffset]) return;
                    const uint8_t* c = PixelToRgb[d[i + dstOffset]];
                    for (int k = 0; k < 3; ++k) sum[k] += c[k];
                    ++count;
                };
                if (i > 0) lend(-1, -1);
                if (i < a.w - 1) lend(1, 1);
                if (j > 0) lend(-a.srcPitch, -a.dstPitch);
                if (j < a.h - 1) lend(a.srcPitch, a.dstPitch);
                d[i] = count == 1 ? s[i] : five.Put(sum[0] / count, sum[1] / count, sum[2] / count);
            }
        }
    });
}

int BltBlur(int x, int y, int n, int handle, int left, int top, int right, int bottom) {
    if (n < 1) return 0;
    const Five five;
    const int64_t cells = static_cast<int64_t>(n) * n;
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) {
        for (int j = 0; j < a.h; ++j) {
            const uint16_t* s = a.SrcRow(j);
            uint16_t* d = a.DstRow(j);
            // The block ends at the rectangle's edge; when n exceeds the
            // clipped rectangle it is cut to it, the missing cells black.
            const int by = std::max(0, std::min(j, a.h - n)), byEnd = std::min(a.h, by + n);
            for (int i = 0; i < a.w; ++i) {
                if (!s[i]) continue;
                const int bx = std::max(0, std::min(i, a.w - n)), bxEnd = std::min(a.w, bx + n);
                int64_t sum[3] = {0, 0, 0};
                for (int q = by; q < byEnd; ++q) {
                    const uint16_t* row = a.SrcRow(q);
                    for (int p = bx; p < bxEnd; ++p) {
                        const uint8_t* c = PixelToRgb[row[p]];
                        for (int k = 0; k < 3; ++k) sum[k] += c[k];
                    }
                }
                d[i] = five.Put(static_cast<int>(sum[0] / cells), static_cast<int>(sum[1] / cells),
                                static_cast<int>(sum[2] / cells));
            }
        }
    });
}

int BltFlipped(int x, int y, int mode, int handle, int left, int top, int right, int bottom) {
    if (mode < 0 || mode > 3) return 0;
    const bool mirrorX = mode & 1, mirrorY = mode & 2;
    return Walk(x, y, handle, left, top, right, bottom, [&](const Area& a) {
        // The clip cuts the mirrored picture in place: destination column i
        // shows the source column as far from the rectangle's right edge as
        // i lies from the unclipped picture's left edge (rows alike).
        const int lastColumn = a.w - 1 + a.cutRight - a.cutLeft, lastRow = a.h - 1 + a.cutBottom - a.cutTop;
        for (int j = 0; j < a.h; ++j) {
            const uint16_t* s = a.SrcRow(mirrorY ? lastRow - j : j);
            uint16_t* d = a.DstRow(j);
            if (mirrorX) {
                for (int i = 0; i < a.w; ++i)
                    if (const uint16_t v = s[lastColumn - i]) d[i] = v;
            } else {
                for (int i = 0; i < a.w; ++i)
                    if (s[i]) d[i] = s[i];
            }
        }
    });
}

void UseAdditiveKernels(int widestBits) { gAdditiveBits = widestBits; }

}  // namespace fwDraw
