#include "framework/timer/timer.h"

#include "framework/draw/draw.h"
#include "framework/system/named.h"
#include "framework/system/system.h"
#include "platform/clock.h"

int32_t UsePerformanceCounter;
int32_t UseMultimediaClock;
int32_t FrameLimitOn;
int64_t CounterFrequency;
int64_t TicksPerFrame;
int64_t LastTick;
int64_t NowTick;
int64_t FramesPerSecond;
uint32_t LastDueMs;

fwTimer FrameTimer;

namespace {

named::Registrar reg([] {
    NAMED_SCALAR(FrameLimitOn);
    NAMED_SCALAR(TicksPerFrame);
    NAMED_SCALAR(FramesPerSecond);
    NAMED_SCALAR(LastDueMs);
});

uint32_t MillisecondClock() { return UseMultimediaClock ? plat::TimeGetTime() : plat::GetTickCount(); }

int64_t FrameClock() {
    int64_t v = 0;
    if (UsePerformanceCounter && plat::QueryPerformanceCounter(&v)) return v;
    return static_cast<int64_t>(MillisecondClock());
}

}  // namespace

fwTimer::fwTimer() {
    // The timer resolution is always 1 ms here; nothing to request.
    SetFrameRate(60);
    SetFrameLimit(1);
}

fwTimer::~fwTimer() = default;

int fwTimer::SetFrameRate(uint32_t fps) {
    FramesPerSecond = static_cast<int64_t>(fps);
    uint32_t minPeriod = 0;
    UseMultimediaClock = (plat::TimerMinPeriod(&minPeriod) && minPeriod < 10) ? 1 : 0;
    if (plat::QueryPerformanceFrequency(&CounterFrequency)) {
        UsePerformanceCounter = 1;
        TicksPerFrame = FramesPerSecond > 0 ? CounterFrequency / FramesPerSecond : 0;
        plat::QueryPerformanceCounter(&NowTick);
    } else {
        UsePerformanceCounter = 0;
        TicksPerFrame = FramesPerSecond > 0 ? 1000 / FramesPerSecond : 0;
        NowTick = static_cast<int64_t>(MillisecondClock());
    }
    LastTick = NowTick;
    LastDueMs = plat::TimeGetTime();
    return 1;
}

void fwTimer::SetFrameLimit(int on) {
    FrameLimitOn = on;
    fwDraw::SetWaitVBlank(on == 0 ? 1 : 0);
}

void fwTimer::Rebase() {
    NowTick = FrameClock();
    LastTick = NowTick;
    LastDueMs = MillisecondClock();
}

int fwTimer::FrameGate() {
    NowTick = FrameClock();
    int64_t elapsed = NowTick - LastTick;
    if (elapsed < 0) LastTick = NowTick;
    if (FrameLimitOn == 0 || elapsed >= TicksPerFrame) {
        LastTick = NowTick;
        // Both ends of the frame come from the same millisecond clock.
        uint32_t now = MillisecondClock();
        float seconds = static_cast<float>(now - LastDueMs) / 1000.0f;
        FrameSeconds = seconds > kMaxFrameSeconds ? kMaxFrameSeconds : seconds;
        LastDueMs = now;
        return 1;
    }
    return 0;
}
