#include "platform/clock.h"


#include <chrono>
#include <ctime>
#include <thread>

namespace plat {
namespace {

using SteadyClock = std::chrono::steady_clock;
SteadyClock::time_point Start() {
    static const SteadyClock::time_point start = SteadyClock::now();
    return start;
}

uint32_t SystemMs() {
    auto d = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - Start());
    return static_cast<uint32_t>(d.count());
}
bool SystemCounter(int64_t* v) {
    *v = std::chrono::duration_cast<std::chrono::nanoseconds>(SteadyClock::now() - Start()).count();
    return true;
}
bool SystemFrequency(int64_t* f) {
    *f = 1000000000;
    return true;
}
int64_t SystemCalendar() { return static_cast<int64_t>(std::time(nullptr)); }
void SystemSleep(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
bool SystemMinPeriod(uint32_t* ms) {
    *ms = 1;
    return true;
}
// The loop polls the frame gate between frames; a short nap keeps it from
// holding a core while frames stay paced to within a millisecond.
void SystemIdle() { std::this_thread::sleep_for(std::chrono::microseconds(500)); }

const ClockSource kSystem{SystemMs, SystemCounter, SystemFrequency, SystemCalendar,
                          SystemSleep, SystemMinPeriod, SystemIdle};
const ClockSource* gSource = &kSystem;

// Virtual clock state.
uint32_t vStep = 16;
uint64_t vMs = 0;
int64_t vCalendar = 0;
uint32_t VirtualMs() { return static_cast<uint32_t>(vMs); }
bool VirtualCounter(int64_t* v) {
    *v = static_cast<int64_t>(vMs);
    return true;
}
bool VirtualFrequency(int64_t* f) {
    *f = 60LL * vStep;
    return true;
}
int64_t VirtualCalendar() { return vCalendar; }
void VirtualSleep(uint32_t) {}
void (*vStepHook)() = nullptr;
void VirtualIdle() {
    vMs += vStep;
    if (vStepHook) vStepHook();
}
const ClockSource kVirtual{VirtualMs, VirtualCounter, VirtualFrequency, VirtualCalendar,
                           VirtualSleep, SystemMinPeriod, VirtualIdle};

// Manual clock state.
uint32_t mMs = 0;
int64_t mCounter = 0, mFreq = 1000000, mCalendar = 0;
bool mHasCounter = true;
uint32_t mMinPeriod = 1;
uint32_t ManualMs() { return mMs; }
bool ManualCounter(int64_t* v) {
    if (!mHasCounter) return false;
    *v = mCounter;
    return true;
}
bool ManualFrequency(int64_t* f) {
    if (!mHasCounter) return false;
    *f = mFreq;
    return true;
}
int64_t ManualCalendar() { return mCalendar; }
void ManualSleep(uint32_t ms) { mMs += ms; }
bool ManualMinPeriod(uint32_t* ms) {
    *ms = mMinPeriod;
    return true;
}
void ManualIdle() {}
const ClockSource kManual{ManualMs, ManualCounter, ManualFrequency, ManualCalendar,
                          ManualSleep, ManualMinPeriod, ManualIdle};

}  // namespace

void SetClockSource(const ClockSource* source) { gSource = source ? source : &kSystem; }
const ClockSource& Clock() { return *gSource; }

uint32_t TimeGetTime() { return gSource->milliseconds(); }
uint32_t GetTickCount() { return gSource->milliseconds(); }
bool QueryPerformanceCounter(int64_t* v) { return gSource->counter(v); }
bool QueryPerformanceFrequency(int64_t* f) { return gSource->frequency(f); }
bool TimerMinPeriod(uint32_t* ms) { return gSource->minPeriod(ms); }
int64_t CalendarTime() { return gSource->calendar(); }
void Sleep(uint32_t ms) { gSource->sleep(ms); }
void Idle() { gSource->idle(); }

void VirtualClock::Install(uint32_t stepMs, int64_t calendarTime) {
    vStep = stepMs ? stepMs : 1;
    vMs = 0;
    vCalendar = calendarTime;
    gSource = &kVirtual;
}
void VirtualClock::Uninstall() {
    gSource = &kSystem;
    vStepHook = nullptr;
}
void VirtualClock::SetStepHook(void (*hook)()) { vStepHook = hook; }
bool VirtualClock::Installed() { return gSource == &kVirtual; }

void ManualClock::Install(uint32_t startMs, int64_t freq, bool hasCounter, uint32_t minPeriodMs) {
    mMs = startMs;
    mCounter = 0;
    mFreq = freq;
    mHasCounter = hasCounter;
    mMinPeriod = minPeriodMs;
    mCalendar = 0;
    gSource = &kManual;
}
void ManualClock::Uninstall() { gSource = &kSystem; }
void ManualClock::AdvanceMs(uint32_t ms) { mMs += ms; }
void ManualClock::AdvanceCounter(int64_t c) { mCounter += c; }
void ManualClock::SetMs(uint32_t ms) { mMs = ms; }
void ManualClock::SetCounter(int64_t c) { mCounter = c; }
void ManualClock::SetCalendar(int64_t s) { mCalendar = s; }

}  // namespace plat
