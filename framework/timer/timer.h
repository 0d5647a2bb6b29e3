// fwTimer: paces the game at 60 frames per second and measures each frame.
#pragma once
#include <cstdint>

extern int32_t UsePerformanceCounter;
extern int32_t UseMultimediaClock;
extern int32_t FrameLimitOn;
extern int64_t CounterFrequency;
extern int64_t TicksPerFrame;
extern int64_t LastTick;
extern int64_t NowTick;
extern int64_t FramesPerSecond;
extern uint32_t LastDueMs;

// The longest frame the game is ever told about, in seconds.
constexpr float kMaxFrameSeconds = 0.1f;

class fwTimer {
public:
    fwTimer();
    ~fwTimer();
    fwTimer(const fwTimer&) = delete;
    fwTimer& operator=(const fwTimer&) = delete;

    static int SetFrameRate(uint32_t framesPerSecond);
    static void SetFrameLimit(int on);
    static int FrameGate();
    // Counts the next frame from now: after start-up and whenever the
    // window becomes active again, so that a pause never reaches the game.
    static void Rebase();
};

extern fwTimer FrameTimer;
