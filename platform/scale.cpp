#include "platform/scale.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

#include "platform/present.h"

namespace plat {
namespace {

constexpr size_t kShuffleSlack = 8;  // a shuffled eight may read this far past a row
bool gPlainKernels = false;  // test hook: the portable kernels even where AVX2 is there

// a and b mixed channel by channel, b weighing w / 256, rounded half up:
// a + (w (b - a) + 128) / 256, two channels at a time in 16-bit lanes.
inline uint32_t Mix(uint32_t a, uint32_t b, uint32_t w) {
    const uint32_t v = 256 - w;
    const uint32_t rb = (((a & 0x00FF00FFu) * v + (b & 0x00FF00FFu) * w + 0x00800080u) >> 8) & 0x00FF00FFu;
    const uint32_t ag = (((a >> 8) & 0x00FF00FFu) * v + ((b >> 8) & 0x00FF00FFu) * w + 0x00800080u) & 0xFF00FF00u;
    return rb | ag;
}

struct ScaleTaps {
    const int32_t *near, *far;
    const uint32_t* weight;
    const int32_t *base, *nearAt, *farAt;
};

void MixRowsPlain(const uint32_t* a, const uint32_t* b, uint32_t w, uint32_t* out, int from, int n) {
    for (int i = from; i < n; ++i) out[i] = Mix(a[i], b[i], w);
}

void ScaleRowPlain(const uint32_t* row, const int32_t* near, const int32_t* far, const uint32_t* weight, uint32_t* out,
                   int from, int n) {
    for (int i = from; i < n; ++i) out[i] = Mix(row[near[i]], row[far[i]], weight[i]);
}

// Every frame runs these over the whole window: with AVX2, eight pixels at
// a time, channels in 16-bit lanes, where (w (b - a) + 128) / 256 is one
// rounding multiply-high of w by (b - a) x 128.
#if defined(__x86_64__) && defined(__GNUC__)
#define VQ_AVX2 __attribute__((target("avx2")))
#define VQ_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

VQ_AVX2_INLINE __m256i At(const void* v) { return _mm256_loadu_si256(static_cast<const __m256i*>(v)); }

// Eight pixels of a and b mixed; w holds each channel's weight in its lane.
VQ_AVX2_INLINE __m256i MixLanes(__m256i a, __m256i b, __m256i wLow, __m256i wHigh) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i aLow = _mm256_unpacklo_epi8(a, zero), aHigh = _mm256_unpackhi_epi8(a, zero);
    const __m256i dLow = _mm256_slli_epi16(_mm256_sub_epi16(_mm256_unpacklo_epi8(b, zero), aLow), 7);
    const __m256i dHigh = _mm256_slli_epi16(_mm256_sub_epi16(_mm256_unpackhi_epi8(b, zero), aHigh), 7);
    const __m256i low = _mm256_add_epi16(aLow, _mm256_mulhrs_epi16(dLow, wLow));
    const __m256i high = _mm256_add_epi16(aHigh, _mm256_mulhrs_epi16(dHigh, wHigh));
    return _mm256_packus_epi16(low, high);
}

VQ_AVX2 void MixRowsAvx2(const uint32_t* a, const uint32_t* b, uint32_t w, uint32_t* out, int n) {
    const __m256i weight = _mm256_set1_epi16(static_cast<int16_t>(w));
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), MixLanes(At(a + i), At(b + i), weight, weight));
    }
    MixRowsPlain(a, b, w, out, i, n);
}

VQ_AVX2 void ScaleRowAvx2(const uint32_t* row, const ScaleTaps& taps, uint32_t* out, int n) {
    const int* whole = reinterpret_cast<const int*>(row);
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        __m256i pa, pb;
        const int32_t base = taps.base[i / 8];
        if (base >= 0) {  // within two neighbouring eights: shuffled, not gathered
            pa = _mm256_permutevar8x32_epi32(At(row + base), At(taps.nearAt + i));
            pb = _mm256_permutevar8x32_epi32(At(row + base + 1), At(taps.farAt + i));
        } else {
            pa = _mm256_i32gather_epi32(whole, At(taps.near + i), 4);
            pb = _mm256_i32gather_epi32(whole, At(taps.far + i), 4);
        }
        // Each pixel's weight in both halves of its 32 bits, then once per
        // channel lane in the order the bytes unpack: pixels 0, 1 | 4, 5
        // low, 2, 3 | 6, 7 high.
        __m256i w = At(taps.weight + i);
        w = _mm256_or_si256(w, _mm256_slli_epi32(w, 16));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                            MixLanes(pa, pb, _mm256_unpacklo_epi32(w, w), _mm256_unpackhi_epi32(w, w)));
    }
    ScaleRowPlain(row, taps.near, taps.far, taps.weight, out, i, n);
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has && !gPlainKernels;
}
#else
bool HasAvx2() { return false; }
#endif

void MixRows(const uint32_t* a, const uint32_t* b, uint32_t w, uint32_t* out, int n) {
#if defined(__x86_64__) && defined(__GNUC__)
    if (HasAvx2()) return MixRowsAvx2(a, b, w, out, n);
#endif
    MixRowsPlain(a, b, w, out, 0, n);
}

void ScaleRow(const uint32_t* row, const ScaleTaps& taps, uint32_t* out, int n) {
#if defined(__x86_64__) && defined(__GNUC__)
    if (HasAvx2()) return ScaleRowAvx2(row, taps, out, n);
#endif
    ScaleRowPlain(row, taps.near, taps.far, taps.weight, out, 0, n);
}

}  // namespace

FitRect FitPicture(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight) {
    FitRect f;
    if (windowWidth <= 0 || windowHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return f;
    // The same float steps as the renderer's logical size, so that the
    // picture lands on the same pixels.
    const float want = static_cast<float>(pictureWidth) / static_cast<float>(pictureHeight);
    const float real = static_cast<float>(windowWidth) / static_cast<float>(windowHeight);
    if (std::fabs(want - real) < 0.0001) {
        f.scale = static_cast<float>(windowWidth) / static_cast<float>(pictureWidth);
        f.w = windowWidth;
        f.h = windowHeight;
    } else if (want > real) {  // bars above and below
        f.scale = static_cast<float>(windowWidth) / static_cast<float>(pictureWidth);
        f.w = windowWidth;
        f.h = static_cast<int>(std::floor(static_cast<float>(pictureHeight) * f.scale));
        f.y = (windowHeight - f.h) / 2;
    } else {  // bars left and right
        f.scale = static_cast<float>(windowHeight) / static_cast<float>(pictureHeight);
        f.h = windowHeight;
        f.w = static_cast<int>(std::floor(static_cast<float>(pictureWidth) * f.scale));
        f.x = (windowWidth - f.w) / 2;
    }
    return f;
}

void WindowToPicture(const FitRect& fit, int& x, int& y) {
    x = static_cast<int>(static_cast<float>(x - fit.x) / fit.scale);
    y = static_cast<int>(static_cast<float>(y - fit.y) / fit.scale);
}

void PictureScaler::Plan(Axis& a, int from, int to) {
    a.from = from;
    a.to = to;
    a.near.resize(static_cast<size_t>(to));
    a.far.resize(static_cast<size_t>(to));
    a.weight.resize(static_cast<size_t>(to));
    for (int i = 0; i < to; ++i) {
        // Output pixel i's centre in picture pixels, in 1/256 and rounded
        // half up, less half a pixel: (i + 1/2) from / to x 256 - 128.
        const int64_t p = (2 * static_cast<int64_t>(i) + 1) * from * 128;
        const int64_t s = (2 * p + to) / (2 * static_cast<int64_t>(to)) - 128;
        const int64_t first = s >> 8;  // floor, also below 0
        a.near[static_cast<size_t>(i)] = static_cast<int32_t>(std::clamp<int64_t>(first, 0, from - 1));
        a.far[static_cast<size_t>(i)] = static_cast<int32_t>(std::clamp<int64_t>(first + 1, 0, from - 1));
        a.weight[static_cast<size_t>(i)] = static_cast<uint32_t>(s & 255);
    }
    // Groups of eight output pixels that two shuffles can fill: the near
    // pixels from the eight at `base`, the far ones from the eight at
    // base + 1 (so in upscaling all but a group at a clamped edge).
    const size_t groups = static_cast<size_t>(to) / 8;
    a.base.assign(groups, -1);
    a.nearAt.assign(static_cast<size_t>(to), 0);
    a.farAt.assign(static_cast<size_t>(to), 0);
    for (size_t g = 0; g < groups; ++g) {
        const int32_t base = a.near[g * 8];
        bool fits = true;
        for (size_t k = g * 8; k < g * 8 + 8; ++k) {
            a.nearAt[k] = a.near[k] - base;
            a.farAt[k] = a.far[k] - base - 1;
            fits = fits && a.nearAt[k] >= 0 && a.nearAt[k] < 8 && a.farAt[k] >= 0 && a.farAt[k] < 8;
        }
        if (fits) a.base[g] = base;
    }
}

const uint32_t* PictureScaler::Band(const Surface& picture, int row) {
    // The two rows one output row needs are neighbours, so they never share
    // a slot.
    const int slot = row & 1;
    std::vector<uint32_t>& band = band_[slot];
    if (bandRow_[slot] != row) {
        ConvertRowToArgb(picture.pixels + static_cast<size_t>(row) * picture.pitch, wide_.data(), picture.width);
        const ScaleTaps taps{cols_.near.data(),  cols_.far.data(),    cols_.weight.data(),
                             cols_.base.data(), cols_.nearAt.data(), cols_.farAt.data()};
        ScaleRow(wide_.data(), taps, band.data(), cols_.to);
        bandRow_[slot] = row;
    }
    return band.data();
}

void PictureScaler::Scale(const Surface& picture, uint32_t* out, int outPitch, int outWidth, int outHeight) {
    if (outWidth <= 0 || outHeight <= 0 || picture.width <= 0 || picture.height <= 0 || !picture.pixels) return;
    if (cols_.from != picture.width || cols_.to != outWidth) Plan(cols_, picture.width, outWidth);
    if (rows_.from != picture.height || rows_.to != outHeight) Plan(rows_, picture.height, outHeight);
    wide_.resize(static_cast<size_t>(picture.width) + kShuffleSlack);
    for (auto& band : band_) band.resize(static_cast<size_t>(outWidth));
    bandRow_[0] = bandRow_[1] = -1;  // a new picture
    for (int y = 0; y < outHeight; ++y) {
        const size_t at = static_cast<size_t>(y);
        const uint32_t* upper = Band(picture, rows_.near[at]);
        const uint32_t* lower = Band(picture, rows_.far[at]);
        uint32_t* dst = out + at * static_cast<size_t>(outPitch);
        if (rows_.weight[at] == 0)
            std::memcpy(dst, upper, static_cast<size_t>(outWidth) * sizeof(uint32_t));
        else
            MixRows(upper, lower, rows_.weight[at], dst, outWidth);
    }
}

void UsePlainScaleKernels(bool plain) { gPlainKernels = plain; }

}  // namespace plat
