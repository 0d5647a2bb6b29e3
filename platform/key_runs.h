// The colour-keyed copy's row kernel, and what a picture drawn many times
// learns once about where its keyed pixels lie: per row, the runs that hold
// every pixel outside the key, each marked solid (no keyed pixel inside, a
// plain copy) or mixed (keyed pixels between, merged pixel by pixel). The
// keyed stretches between runs are never read.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace plat {

// d[i] = s[i] wherever s[i] lies outside [lo, hi].
void KeyedMerge(uint16_t* __restrict d, const uint16_t* __restrict s, int n, uint16_t lo, uint16_t hi);

class KeyRuns {
public:
    // The runs of s's pixels under its current key.
    explicit KeyRuns(const Surface& s);

    // Rows [top, bottom) and columns [left, right) of the picture onto the
    // target, leaving the keyed pixels out: the same pixels KeyedMerge gives
    // over each whole row. src: the picture's row top, from column 0; dst:
    // the place of column left of row top; pitches in pixels.
    struct Rows {
        uint16_t* dst;
        int dstPitch;
        const uint16_t* src;
        int srcPitch;
        int top, bottom, left, right;
    };
    void CopyRows(const Rows& rows) const;

private:
    struct Run {
        int32_t from, to;  // columns, to exclusive
        bool mixed;
    };
    const Run* FirstRun(int y, int left) const;
    void CopyRowsAvx2(const Rows& rows) const;

    uint16_t lo_, hi_;
    std::vector<uint32_t> rowStart_;  // row y's runs are runs_[rowStart_[y] .. rowStart_[y + 1])
    std::vector<Run> runs_;
};

// Test hook: copy with the portable kernels even where AVX2 is there.
void UsePlainKeyRunKernels(bool plain);

}  // namespace plat
