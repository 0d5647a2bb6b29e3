#include "platform/limiter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr float kCeiling = 0.9f;

// Interleaved stereo: a 440 Hz tone of `amplitude` for `frames` frames,
// the right side at half the left.
std::vector<float> Tone(float amplitude, int frames) {
    std::vector<float> out(2 * static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        out[2 * i] = amplitude * static_cast<float>(std::sin(2 * M_PI * 440.0 * i / kRate));
        out[2 * i + 1] = out[2 * i] / 2;
    }
    return out;
}

std::vector<float> Limited(std::vector<float> samples) {
    plat::PeakLimiter limiter(kCeiling, kRate);
    // In uneven blocks, as the mixer asks for them.
    for (size_t at = 0, block = 1; at < samples.size() / 2; at += block, block = block * 3 % 997 + 1)
        limiter.Process(samples.data() + 2 * at, static_cast<int>(std::min(block, samples.size() / 2 - at)));
    return samples;
}

float Peak(const std::vector<float>& samples, size_t from = 0) {
    float peak = 0;
    for (size_t i = from; i < samples.size(); ++i) peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

// A stream under the ceiling comes out the same, only later.
TEST(PeakLimiter, PassesAQuietStreamUnchangedAfterItsLookAhead) {
    const std::vector<float> in = Tone(0.85f, kRate / 10);
    const std::vector<float> out = Limited(in);
    const size_t delay = 2 * plat::PeakLimiter::kLookAhead;
    for (size_t i = 0; i < delay; ++i) ASSERT_EQ(out[i], 0.0f) << i;
    for (size_t i = delay; i < in.size(); ++i) ASSERT_FLOAT_EQ(out[i], in[i - delay]) << i;
}

// However loud the stream, no sample passes the ceiling; a loud burst
// leaves the gain low only for a while, and the quiet stream after it
// comes back unchanged.
TEST(PeakLimiter, HoldsEveryLoudSampleUnderTheCeilingAndRecovers) {
    for (float amplitude : {1.0f, 4.0f, 100.0f}) {
        std::vector<float> in = Tone(amplitude, kRate / 4);
        const std::vector<float> quiet = Tone(0.5f, 2 * kRate);
        in.insert(in.end(), quiet.begin(), quiet.end());
        const std::vector<float> out = Limited(in);
        EXPECT_LE(Peak(out), kCeiling) << amplitude;
        EXPECT_GT(Peak(out), 0.95f * kCeiling) << amplitude;  // the loud part is held at the ceiling, not far under
        const size_t late = in.size() - kRate / 2;  // the last quarter second
        const size_t delay = 2 * plat::PeakLimiter::kLookAhead;
        for (size_t i = late; i < in.size(); ++i) ASSERT_NEAR(out[i], in[i - delay], 1e-3f) << amplitude << " " << i;
    }
}

}  // namespace
