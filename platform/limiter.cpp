#include "platform/limiter.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace plat {

PeakLimiter::PeakLimiter(float ceiling, int sampleRate)
    : ceiling_(ceiling), recovery_(static_cast<float>(1.0 - std::exp(-1.0 / (kRelease * sampleRate)))) {
    Reset();
}

void PeakLimiter::Reset() {
    envelope_ = 1.0f;
    delay_.fill(0.0f);
    wanted_.fill(1.0f);
    smoothing_.fill(1.0f);
    smoothingSum_ = kWindow;
    at_ = 0;
}

// Each frame's required gain (ceiling over its peak, released slowly back
// towards 1) goes into a window that spans the look-ahead. A frame leaves
// the delay with the average of the window minima of the kWindow frames
// before it: each of those windows holds the frame itself, so that average
// is never above the frame's own required gain, and it moves smoothly.
void PeakLimiter::Process(float* samples, int frames) {
    for (int i = 0; i < frames; ++i) {
        float* frame = samples + 2 * i;
        const float peak = std::max(std::fabs(frame[0]), std::fabs(frame[1]));
        const float required = peak > ceiling_ ? ceiling_ / peak : 1.0f;
        envelope_ = std::min(required, envelope_ + (1.0f - envelope_) * recovery_);

        delay_[2 * at_] = frame[0];
        delay_[2 * at_ + 1] = frame[1];
        wanted_[at_] = envelope_;
        const float windowMin = *std::min_element(wanted_.begin(), wanted_.end());
        smoothingSum_ += windowMin - smoothing_[at_];
        smoothing_[at_] = windowMin;
        at_ = (at_ + 1) % kWindow;  // now the oldest frame: the one that leaves
        // Once a round the sum is taken afresh, so that rounding never builds up.
        if (at_ == 0) smoothingSum_ = std::accumulate(smoothing_.begin(), smoothing_.end(), 0.0f);

        const float gain = std::min(1.0f, smoothingSum_ / kWindow);
        frame[0] = std::clamp(delay_[2 * at_] * gain, -ceiling_, ceiling_);
        frame[1] = std::clamp(delay_[2 * at_ + 1] * gain, -ceiling_, ceiling_);
    }
}

}  // namespace plat
