// From float positions to blit coordinates.
//
// Objects keep their positions as floats, and parked or drifting records can
// sit far outside the int range; every float that becomes a blit coordinate
// (or any other int the blitters compute from a float) goes through this one
// conversion: truncation toward zero, saturated to the int range, NaN as 0.
#pragma once
#include <cstdint>

namespace fwDraw {

constexpr int32_t ToBlitCoord(float v) {
    if (v != v) return 0;
    if (v >= 2147483648.0f) return INT32_MAX;
    if (v <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(v);
}

}  // namespace fwDraw
