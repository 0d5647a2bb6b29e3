#include "platform/key_runs.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define VQ_KEY_RUNS_AVX2 1
#endif

namespace plat {
namespace {

// Two runs closer than this many keyed pixels are kept as one mixed run:
// merging a short gap costs less than a run of its own.
constexpr int kJoinGap = 16;

bool gPlainKernels = false;  // test hook: the portable kernels even where AVX2 is there

}  // namespace

#if defined(__x86_64__) && defined(__GNUC__) && defined(__linux__)
__attribute__((target_clones("avx2", "default")))
#endif
void KeyedMerge(uint16_t* __restrict d, const uint16_t* __restrict s, int n, uint16_t lo, uint16_t hi) {
    for (int i = 0; i < n; ++i) {
        const uint16_t p = s[i];
        d[i] = (p < lo || p > hi) ? p : d[i];
    }
}

KeyRuns::KeyRuns(const Surface& s) : lo_(s.keyLow), hi_(s.keyHigh) {
    rowStart_.reserve(static_cast<size_t>(s.height) + 1);
    auto keyed = [&](uint16_t p) { return p >= lo_ && p <= hi_; };
    for (int y = 0; y < s.height; ++y) {
        rowStart_.push_back(static_cast<uint32_t>(runs_.size()));
        const uint16_t* row = s.pixels + static_cast<size_t>(y) * s.pitch;
        int x = 0;
        while (true) {
            while (x < s.width && keyed(row[x])) ++x;
            if (x == s.width) break;
            const int from = x;
            while (x < s.width && !keyed(row[x])) ++x;
            if (!runs_.empty() && rowStart_.back() < runs_.size() && from - runs_.back().to < kJoinGap) {
                runs_.back().to = x;
                runs_.back().mixed = true;
            } else {
                runs_.push_back({from, x, false});
            }
        }
    }
    rowStart_.push_back(static_cast<uint32_t>(runs_.size()));
}

// Row y's first run that reaches past column left.
const KeyRuns::Run* KeyRuns::FirstRun(int y, int left) const {
    const Run* r = runs_.data() + rowStart_[y];
    if (left == 0) return r;
    return std::partition_point(r, runs_.data() + rowStart_[y + 1], [&](const Run& run) { return run.to <= left; });
}

#ifdef VQ_KEY_RUNS_AVX2
namespace {

// Runs sixteen pixels at a time; a run's last group reads past the run (the
// surfaces' slack after their last row allows it, and the picture is never
// the target) and writes the target's pixels there back unchanged.
static_assert(kSlackPixels >= 15, "a group may reach fifteen pixels past a run");

// Sixteen pixels: those of s that are neither keyed nor in `keep` replace d's.
__attribute__((target("avx2"), always_inline)) inline void Group(uint16_t* d, const uint16_t* s, __m256i lo,
                                                                  __m256i span, __m256i keep, bool mixed) {
    const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s));
    if (mixed) {
        // Keyed: s - lo (wrapping) lies in [0, hi - lo].
        const __m256i off = _mm256_sub_epi16(sv, lo);
        keep = _mm256_or_si256(keep, _mm256_cmpeq_epi16(_mm256_min_epu16(off, span), off));
    }
    const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), _mm256_blendv_epi8(sv, dv, keep));
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has && !gPlainKernels;
}

}  // namespace

__attribute__((target("avx2"))) void KeyRuns::CopyRowsAvx2(const Rows& r) const {
    const __m256i lo = _mm256_set1_epi16(static_cast<int16_t>(lo_));
    const __m256i span = _mm256_set1_epi16(static_cast<int16_t>(hi_ - lo_));
    const __m256i none = _mm256_setzero_si256();
    const __m256i iota = _mm256_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    uint16_t* d = r.dst;  // column left
    const uint16_t* s = r.src;
    for (int y = r.top; y < r.bottom; ++y, d += r.dstPitch, s += r.srcPitch) {
        const Run* end = runs_.data() + rowStart_[y + 1];
        for (const Run* run = FirstRun(y, r.left); run != end && run->from < r.right; ++run) {
            int i = std::max(run->from, r.left);
            const int b = std::min(run->to, r.right);
            if (run->mixed) {
                for (; i + 16 <= b; i += 16) Group(d + (i - r.left), s + i, lo, span, none, true);
            } else {
                for (; i + 16 <= b; i += 16)
                    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + (i - r.left)),
                                        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i)));
            }
            if (i < b) {
                const __m256i past = _mm256_cmpgt_epi16(iota, _mm256_set1_epi16(static_cast<int16_t>(b - i - 1)));
                Group(d + (i - r.left), s + i, lo, span, past, run->mixed);
            }
        }
    }
}
#endif

void KeyRuns::CopyRows(const Rows& r) const {
#ifdef VQ_KEY_RUNS_AVX2
    if (HasAvx2()) return CopyRowsAvx2(r);
#endif
    uint16_t* d = r.dst;  // column left
    const uint16_t* s = r.src;
    for (int y = r.top; y < r.bottom; ++y, d += r.dstPitch, s += r.srcPitch) {
        const Run* end = runs_.data() + rowStart_[y + 1];
        for (const Run* run = FirstRun(y, r.left); run != end && run->from < r.right; ++run) {
            const int a = std::max(run->from, r.left), b = std::min(run->to, r.right);
            if (a >= b) continue;
            if (run->mixed)
                KeyedMerge(d + (a - r.left), s + a, b - a, lo_, hi_);
            else
                std::memcpy(d + (a - r.left), s + a, static_cast<size_t>(b - a) * sizeof(uint16_t));
        }
    }
}

void UsePlainKeyRunKernels(bool plain) { gPlainKernels = plain; }

}  // namespace plat
