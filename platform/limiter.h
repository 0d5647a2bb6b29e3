// A look-ahead peak limiter for one interleaved stereo stream.
//
// The stream comes out delayed by kLookAhead frames. Wherever a sample
// would pass the ceiling, the gain has already come down smoothly over the
// frames before it, so that no output sample is ever above the ceiling in
// magnitude; afterwards the gain returns to 1 over about kRelease seconds.
// A stream that stays under the ceiling passes unchanged (only delayed).
#pragma once
#include <array>
#include <cstdint>

namespace plat {

class PeakLimiter {
public:
    static constexpr int kLookAhead = 64;      // frames, about 1.5 ms at 44100 Hz
    static constexpr double kRelease = 0.15;   // seconds to recover most of the gain

    // `ceiling`: the largest magnitude let through (full scale 1.0).
    PeakLimiter(float ceiling, int sampleRate);

    // Limits `frames` interleaved stereo frames in place.
    void Process(float* samples, int frames);
    // Forgets the delayed frames and the gain: the next Process starts afresh.
    void Reset();

private:
    static constexpr int kWindow = kLookAhead + 1;  // frames whose gains bound one output frame

    float ceiling_;
    float recovery_;                               // per-frame step of the gain back towards 1
    float envelope_ = 1.0f;                        // required gain with the release applied
    std::array<float, 2 * kWindow> delay_{};       // the frames not yet sent out, a ring
    std::array<float, kWindow> wanted_{};          // envelope of each frame in the ring
    std::array<float, kWindow> smoothing_{};       // the last window minima, averaged
    float smoothingSum_ = kWindow;
    int at_ = 0;                                   // ring position of the oldest frame
};

}  // namespace plat
