#include "platform/key_runs.h"

#include <algorithm>
#include <cstring>

namespace plat {
namespace {

// Two runs closer than this many keyed pixels are kept as one mixed run:
// merging a short gap costs less than a run of its own.
constexpr int kJoinGap = 16;

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

void KeyRuns::CopyRow(uint16_t* d, const uint16_t* row, int y, int left, int right) const {
    const Run* end = runs_.data() + rowStart_[y + 1];
    const Run* r = std::partition_point(runs_.data() + rowStart_[y], end, [&](const Run& run) { return run.to <= left; });
    for (; r != end && r->from < right; ++r) {
        const int a = std::max(r->from, left), b = std::min(r->to, right);
        if (r->mixed)
            KeyedMerge(d + (a - left), row + a, b - a, lo_, hi_);
        else
            std::memcpy(d + (a - left), row + a, static_cast<size_t>(b - a) * sizeof(uint16_t));
    }
}

}  // namespace plat
