// Time as the framework sees it: a millisecond clock, a high-resolution
// counter, the calendar time and sleeping. Every reading goes through one
// replaceable source so that tests and the play driver run on virtual time.
#pragma once
#include <cstdint>

namespace plat {

struct ClockSource {
    uint32_t (*milliseconds)();           // milliseconds since some fixed start, wrapping
    bool (*counter)(int64_t* value);      // high-resolution counter; false when there is none
    bool (*frequency)(int64_t* perSecond);
    int64_t (*calendar)();                // seconds since the epoch
    void (*sleep)(uint32_t ms);
    bool (*minPeriod)(uint32_t* ms);      // finest timer period; false when unknown
    void (*idle)();                       // the message loop found nothing to do
};

// Installs a clock source; nullptr brings back the system clock.
void SetClockSource(const ClockSource* source);
const ClockSource& Clock();

uint32_t TimeGetTime();
uint32_t GetTickCount();
bool QueryPerformanceCounter(int64_t* value);
bool QueryPerformanceFrequency(int64_t* perSecond);
bool TimerMinPeriod(uint32_t* ms);
int64_t CalendarTime();
void Sleep(uint32_t ms);
void Idle();

// A virtual clock that moves only in whole frames of stepMs milliseconds,
// one step each time the message loop goes idle. Its counter runs at
// 60 * stepMs counts per second, so that a 60-per-second frame gate sees a
// frame due on every step and the millisecond clock advances by stepMs.
struct VirtualClock {
    static void Install(uint32_t stepMs, int64_t calendarTime);
    static void Uninstall();
    // Called after every step (the play driver's watchdog); null for none.
    static void SetStepHook(void (*hook)());
    static bool Installed();
};

// A fully manual clock for tests: nothing moves unless the test moves it.
struct ManualClock {
    static void Install(uint32_t startMs = 0, int64_t counterFrequency = 1000000,
                        bool hasCounter = true, uint32_t minPeriodMs = 1);
    static void Uninstall();
    static void AdvanceMs(uint32_t ms);
    static void AdvanceCounter(int64_t counts);
    static void SetMs(uint32_t ms);
    static void SetCounter(int64_t counts);
    static void SetCalendar(int64_t seconds);
};

}  // namespace plat
