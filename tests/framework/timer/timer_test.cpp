#include "framework/timer/timer.h"

#include <gtest/gtest.h>

#include "framework/system/system.h"
#include "platform/clock.h"

namespace {

class GateTest : public ::testing::Test {
protected:
    void TearDown() override { plat::ManualClock::Uninstall(); }
    // Moves both clocks by ms milliseconds of a counter at `freq` counts per second.
    void Advance(int64_t freq, uint32_t ms) {
        plat::ManualClock::AdvanceMs(ms);
        plat::ManualClock::AdvanceCounter(freq * ms / 1000);
    }
};

TEST_F(GateTest, PeriodIsFrequencyOverSixtyTruncated) {
    plat::ManualClock::Install(0, 1000003);
    fwTimer::SetFrameRate(60);
    fwTimer::SetFrameLimit(1);
    EXPECT_EQ(TicksPerFrame, 16666);  // 1000003 / 60 = 16666.7
    plat::ManualClock::AdvanceCounter(16665);
    EXPECT_EQ(fwTimer::FrameGate(), 0);
    plat::ManualClock::AdvanceCounter(1);  // exactly one period: due
    EXPECT_EQ(fwTimer::FrameGate(), 1);
    plat::ManualClock::AdvanceCounter(16665);
    EXPECT_EQ(fwTimer::FrameGate(), 0);
}

TEST_F(GateTest, MillisecondClockWithoutCounterRunsSixteenMsFrames) {
    plat::ManualClock::Install(5000, 0, /*hasCounter=*/false);
    fwTimer::SetFrameRate(60);
    fwTimer::SetFrameLimit(1);
    EXPECT_EQ(UsePerformanceCounter, 0);
    EXPECT_EQ(TicksPerFrame, 16);
    plat::ManualClock::AdvanceMs(15);
    EXPECT_EQ(fwTimer::FrameGate(), 0);
    plat::ManualClock::AdvanceMs(1);
    EXPECT_EQ(fwTimer::FrameGate(), 1);
    EXPECT_FLOAT_EQ(FrameSeconds, 0.016f);
}

TEST_F(GateTest, CoarseTimerFallsBackToTickCount) {
    plat::ManualClock::Install(0, 1000000, true, 10);
    fwTimer::SetFrameRate(60);
    EXPECT_EQ(UseMultimediaClock, 0);
    plat::ManualClock::Install(0, 1000000, true, 1);
    fwTimer::SetFrameRate(60);
    EXPECT_EQ(UseMultimediaClock, 1);
}

TEST_F(GateTest, LimiterOffMakesEveryCallDueAndStillMeasures) {
    const int64_t f = 1000000;
    plat::ManualClock::Install(0, f);
    fwTimer::SetFrameRate(60);
    fwTimer::SetFrameLimit(0);
    EXPECT_EQ(fwTimer::FrameGate(), 1);
    Advance(f, 3);
    EXPECT_EQ(fwTimer::FrameGate(), 1);
    EXPECT_FLOAT_EQ(FrameSeconds, 0.003f);
    fwTimer::SetFrameLimit(1);
}

TEST_F(GateTest, ZeroRateMeansEveryCallIsDue) {
    plat::ManualClock::Install(0, 1000000);
    fwTimer::SetFrameRate(0);
    fwTimer::SetFrameLimit(1);
    EXPECT_EQ(TicksPerFrame, 0);
    EXPECT_EQ(fwTimer::FrameGate(), 1);
    EXPECT_EQ(fwTimer::FrameGate(), 1);
}

TEST_F(GateTest, LongPauseIsCappedAndRebaseStartsAfresh) {
    const int64_t f = 1000000;
    plat::ManualClock::Install(0, f);
    fwTimer::SetFrameRate(60);
    fwTimer::SetFrameLimit(1);
    Advance(f, 5000);  // a five-second stall
    ASSERT_EQ(fwTimer::FrameGate(), 1);
    EXPECT_FLOAT_EQ(FrameSeconds, kMaxFrameSeconds);

    Advance(f, 3000);  // window away for three seconds, then back
    fwTimer::Rebase();
    EXPECT_EQ(fwTimer::FrameGate(), 0);
    Advance(f, 17);
    ASSERT_EQ(fwTimer::FrameGate(), 1);
    EXPECT_FLOAT_EQ(FrameSeconds, 0.017f);
}

TEST_F(GateTest, ClockGoingBackOnlyRebases) {
    const int64_t f = 1000000;
    plat::ManualClock::Install(100000, f);
    plat::ManualClock::SetCounter(10 * f);
    fwTimer::SetFrameRate(60);
    fwTimer::SetFrameLimit(1);
    plat::ManualClock::SetCounter(f);  // went back nine seconds
    EXPECT_EQ(fwTimer::FrameGate(), 0);
    plat::ManualClock::AdvanceCounter(f / 60);
    EXPECT_EQ(fwTimer::FrameGate(), 1);
}

}  // namespace
