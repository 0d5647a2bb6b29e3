#include "framework/input/input.h"

#include <gtest/gtest.h>

#include "framework/draw/draw.h"
#include "framework/system/named.h"
#include "framework/system/system.h"

namespace {

constexpr float kTick = 1.0f / 64;  // exact in binary: 16 ticks make a quarter second

class InputTest : public ::testing::Test {
protected:
    plat::FakeStick stick[2];

    void SetUp() override {
        TransitionStep = ViewerOn = InputDisabled = 0;
        FrameSeconds = kTick;
        Unplug(0);
        Unplug(1);
    }
    void TearDown() override {
        plat::SetFakeStick(0, nullptr);
        plat::SetFakeStick(1, nullptr);
    }
    void Plug(int pad, uint32_t x = 32768, uint32_t y = 32768, uint32_t buttons = 0) {
        stick[pad] = {true, x, y, buttons};
        plat::SetFakeStick(pad, &stick[pad]);
    }
    void Unplug(int pad) {
        stick[pad].present = false;
        plat::SetFakeStick(pad, &stick[pad]);
    }
    void Move(int pad, uint32_t x, uint32_t y) { Plug(pad, x, y, stick[pad].buttons); }
    void Buttons(int pad, uint32_t buttons) { Plug(pad, stick[pad].x, stick[pad].y, buttons); }
    int XDirection(uint32_t x) {
        int32_t dx = 9, dy = 9;
        Move(0, x, 32768);
        fwInput::GetDirection(0, &dx, &dy);
        return dx;
    }
};

TEST_F(InputTest, NoStickGivesNeutralResults) {
    fwInput::Init();
    int32_t a = 9, b = 9, c = 9, d = 9;
    fwInput::GetCentre(0, &a, &b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    for (int pad : {0, 1, 2, -1}) {
        SCOPED_TRACE(pad);
        a = b = 9;
        fwInput::GetDirection(pad, &a, &b);
        EXPECT_EQ(a, 0);
        EXPECT_EQ(b, 0);
        EXPECT_EQ(fwInput::GetDirectionNumber(pad), 5);
        a = b = 9;
        fwInput::GetRawAxes(pad, &a, &b);
        EXPECT_EQ(a, 0);
        EXPECT_EQ(b, 0);
        a = b = c = d = 9;
        fwInput::GetButtons(pad, &a, &b, &c, &d);
        EXPECT_EQ(a + b + c + d, 0);
        EXPECT_EQ(fwInput::IsButtonDown(pad, 1), 0);
        EXPECT_EQ(fwInput::UpdateButtonState(pad, 1), 0);
    }
}

TEST_F(InputTest, UnreadableStickLeavesStoredValues) {
    Plug(0);
    fwInput::Init();
    fwInput::SetPadParams(0, 200, 50);
    Plug(0, 65535, 0, 0xF);
    int32_t s[4], t[4], x, y;
    fwInput::UpdateButtonStates(0, &s[0], &s[1], &s[2], &s[3]);
    fwInput::UpdateHoldTimers(0, &t[0], &t[1], &t[2], &t[3]);
    fwInput::UpdateAxes(0, &x, &y);
    ASSERT_EQ(s[3], KeyPressed);
    ASSERT_EQ(x, 3);  // 200 / 64, truncated
    ASSERT_EQ(y, -3);

    Unplug(0);
    fwInput::UpdateButtonStates(0, &s[0], &s[1], &s[2], &s[3]);
    fwInput::UpdateHoldTimers(0, &t[0], &t[1], &t[2], &t[3]);
    fwInput::UpdateAxes(0, &x, &y);
    EXPECT_EQ(s[0] + s[1] + s[2] + s[3], 0);
    EXPECT_EQ(t[0] + t[1] + t[2] + t[3], 0);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(fwInput::UpdateButtonState(0, 2), 0);
    for (int b = 0; b < 4; ++b) {
        EXPECT_EQ(JoyPads[0].buttonState[b], uint32_t(KeyPressed));
        EXPECT_FLOAT_EQ(JoyPads[0].holdTimer[b], 50 * kTick);
    }
    EXPECT_FLOAT_EQ(JoyPads[0].axisX, 200 * kTick);
    EXPECT_FLOAT_EQ(JoyPads[0].axisY, -200 * kTick);

    // The single-button timer counts an unreadable stick as the button up.
    EXPECT_EQ(fwInput::UpdateHoldTimer(0, 1), 0);
    EXPECT_EQ(JoyPads[0].holdTimer[0], 0.0f);
}

TEST_F(InputTest, RestBandLiesBetweenHalfAndOneAndAHalfCentres) {
    Plug(0);
    fwInput::Init();
    EXPECT_EQ(XDirection(0), -1);
    EXPECT_EQ(XDirection(16384), -1);
    EXPECT_EQ(XDirection(16385), 0);
    EXPECT_EQ(XDirection(32768), 0);
    EXPECT_EQ(XDirection(49151), 0);
    EXPECT_EQ(XDirection(49152), 1);
    EXPECT_EQ(XDirection(65535), 1);
}

TEST_F(InputTest, DirectionNumbersFollowTheKeypad) {
    Plug(1, 30000, 40000);  // an off-centre rest: the band follows it
    fwInput::Init();
    const uint32_t low = 15000, mid = 30000, high = 45000;  // for X; Y rests at 40000
    struct Case { uint32_t x, y; int number, dx, dy; } cases[] = {
        {low, 20000, 7, -1, -1}, {mid, 20000, 8, 0, -1}, {high, 20000, 9, 1, -1},
        {low, 40000, 4, -1, 0},  {mid, 40000, 5, 0, 0},  {high, 40000, 6, 1, 0},
        {low, 60000, 1, -1, 1},  {mid, 60000, 2, 0, 1},  {high, 60000, 3, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Move(1, c.x, c.y);
        EXPECT_EQ(fwInput::GetDirectionNumber(1), c.number);
        int32_t dx, dy;
        fwInput::GetDirection(1, &dx, &dy);
        EXPECT_EQ(dx, c.dx);
        EXPECT_EQ(dy, c.dy);
    }
    EXPECT_EQ(fwInput::GetDirectionNumber(0), 5);  // stick 0 is not there
}

TEST_F(InputTest, ButtonStatesPressHoldRelease) {
    Plug(0);
    fwInput::Init();
    auto step = [] { return fwInput::UpdateButtonState(0, 2); };
    Buttons(0, 2);
    EXPECT_EQ(step(), KeyPressed);
    EXPECT_EQ(step(), KeyHeld);
    EXPECT_EQ(step(), KeyHeld);
    Buttons(0, 0);
    EXPECT_EQ(step(), KeyReleased);
    EXPECT_EQ(step(), KeyOff);
    Buttons(0, 2);
    EXPECT_EQ(step(), KeyPressed);
    Buttons(0, 0);
    EXPECT_EQ(step(), KeyReleased);
    Buttons(0, 2);
    EXPECT_EQ(step(), KeyHeld);  // pressed again on the very next frame
    EXPECT_EQ(JoyPads[0].buttonState[1], uint32_t(KeyHeld));
    EXPECT_EQ(JoyPads[0].buttonState[0], uint32_t(KeyOff));
}

TEST_F(InputTest, ButtonStatesOfFourButtonsAndTheirGates) {
    Plug(0, 32768, 32768, 0b0101);
    fwInput::Init();
    int32_t s[4];
    fwInput::UpdateButtonStates(0, &s[0], &s[1], &s[2], &s[3]);
    EXPECT_EQ(s[0], KeyPressed);
    EXPECT_EQ(s[1], KeyOff);
    EXPECT_EQ(s[2], KeyPressed);
    EXPECT_EQ(s[3], KeyOff);
    for (int32_t* gate : {&TransitionStep, &ViewerOn, &InputDisabled}) {
        *gate = 1;
        fwInput::UpdateButtonStates(0, &s[0], &s[1], &s[2], &s[3]);
        EXPECT_EQ(s[0] + s[1] + s[2] + s[3], 0);
        EXPECT_EQ(fwInput::UpdateButtonState(0, 1), KeyOff);
        *gate = 0;
        fwInput::UpdateButtonStates(0, &s[0], &s[1], &s[2], &s[3]);
        EXPECT_EQ(s[0], KeyPressed);  // counts as a new press after the gate
    }
    int32_t b[4];
    fwInput::GetButtons(0, &b[0], &b[1], &b[2], &b[3]);
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ(b[2], 1);
    EXPECT_EQ(b[3], 0);
}

TEST_F(InputTest, IsButtonDownCoversThirtyTwoButtons) {
    Plug(0, 32768, 32768, 0x80000001u);
    fwInput::Init();
    EXPECT_EQ(fwInput::IsButtonDown(0, 1), 1);
    EXPECT_EQ(fwInput::IsButtonDown(0, 2), 0);
    EXPECT_EQ(fwInput::IsButtonDown(0, 32), 1);
    EXPECT_EQ(fwInput::IsButtonDown(0, 0), 0);
    EXPECT_EQ(fwInput::IsButtonDown(0, 33), 0);
    EXPECT_EQ(fwInput::UpdateButtonState(0, 5), 0);
    EXPECT_EQ(fwInput::UpdateHoldTimer(0, 0), 0);
}

TEST_F(InputTest, HoldTimerReachesHundredAfterTwoSecondsAtRateFifty) {
    Plug(0);
    fwInput::Init();
    fwInput::SetPadParams(0, 0, 50);
    Buttons(0, 1);
    int value = 0;
    for (int i = 1; i <= 127; ++i) value = fwInput::UpdateHoldTimer(0, 1);
    EXPECT_EQ(value, 99);
    EXPECT_EQ(fwInput::UpdateHoldTimer(0, 1), 100);  // two seconds
    for (int i = 0; i < 10; ++i) EXPECT_EQ(fwInput::UpdateHoldTimer(0, 1), 100);
    EXPECT_EQ(JoyPads[0].holdTimer[0], 100.0f);
    Buttons(0, 0);
    EXPECT_EQ(fwInput::UpdateHoldTimer(0, 1), 0);

    // The four-button form: only the buttons down rise.
    Buttons(0, 0b1010);
    int32_t t[4];
    for (int i = 0; i < 64; ++i) fwInput::UpdateHoldTimers(0, &t[0], &t[1], &t[2], &t[3]);
    EXPECT_EQ(t[0], 0);
    EXPECT_EQ(t[1], 50);
    EXPECT_EQ(t[2], 0);
    EXPECT_EQ(t[3], 50);
}

TEST_F(InputTest, AxesRampUpAndDecayWithoutOvershoot) {
    Plug(0);
    fwInput::Init();
    fwInput::SetPadParams(0, 200, 0);
    int32_t x = 0, y = 0;
    Move(0, 65535, 32768);
    for (int i = 0; i < 16; ++i) fwInput::UpdateAxes(0, &x, &y);  // a quarter second
    EXPECT_EQ(x, 50);
    EXPECT_EQ(y, 0);
    Move(0, 32768, 32768);
    for (int i = 0; i < 16; ++i) {
        fwInput::UpdateAxes(0, &x, &y);
        EXPECT_GE(JoyPads[0].axisX, 0.0f);
    }
    EXPECT_EQ(x, 0);
    FrameSeconds = 0.3f;  // a decay step larger than the value stops at 0
    Move(0, 32768, 0);
    fwInput::UpdateAxes(0, &x, &y);
    EXPECT_EQ(y, -60);
    Move(0, 32768, 32768);
    fwInput::UpdateAxes(0, &x, &y);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(JoyPads[0].axisY, 0.0f);
    Move(0, 0, 65535);
    for (int i = 0; i < 4; ++i) fwInput::UpdateAxes(0, &x, &y);
    EXPECT_EQ(x, -100);
    EXPECT_EQ(y, 100);
}

TEST_F(InputTest, InitClearsPadsAndClearStateKeepsRatesAndStates) {
    Plug(0, 32768, 32768, 1);
    fwInput::Init();
    fwInput::SetPadParams(0, 200, 50);
    fwInput::SetPadParams(1, 10, 20);
    int32_t x, y;
    Move(0, 0, 0);
    fwInput::UpdateAxes(0, &x, &y);
    fwInput::UpdateHoldTimer(0, 1);
    fwInput::UpdateButtonState(0, 1);
    fwInput::ClearState();
    EXPECT_EQ(JoyPads[0].axisX, 0.0f);
    EXPECT_EQ(JoyPads[0].axisY, 0.0f);
    EXPECT_EQ(JoyPads[0].holdTimer[0], 0.0f);
    EXPECT_EQ(JoyPads[0].axisRate, 200.0f);
    EXPECT_EQ(JoyPads[0].holdRate, 50.0f);
    EXPECT_EQ(JoyPads[0].buttonState[0], uint32_t(KeyPressed));
    EXPECT_EQ(JoyPads[1].holdRate, 20.0f);
    fwInput::Init();
    EXPECT_EQ(JoyPads[0].axisRate, 0.0f);
    EXPECT_EQ(JoyPads[0].buttonState[0], 0u);
    EXPECT_EQ(JoyPads[1].holdRate, 0.0f);
    std::string v;
    ASSERT_TRUE(named::Read("JoyPads[1].holdTimer[3]", v));
    EXPECT_EQ(v, "0");
    ASSERT_TRUE(named::Read("JoyCentreX[0]", v));
    EXPECT_EQ(v, "0");  // calibrated while pushed to 0
}

TEST_F(InputTest, CentreIsReadOnceAtStartUp) {
    Plug(0, 20000, 32768);
    fwInput::Init();
    int32_t cx, cy, dx, dy;
    fwInput::GetCentre(0, &cx, &cy);
    EXPECT_EQ(cx, 20000);
    EXPECT_EQ(cy, 32768);
    Move(0, 32768, 32768);  // back at the usual rest: 32768 lies above 1.5 x 20000
    fwInput::GetDirection(0, &dx, &dy);
    EXPECT_EQ(dx, 1);
    fwInput::GetCentre(0, &cx, &cy);
    EXPECT_EQ(cx, 20000);
    fwInput::GetRawAxes(0, &dx, &dy);
    EXPECT_EQ(dx, 32768);
}

TEST_F(InputTest, StickPluggedInLaterTakesItsCentreWhenFirstRead) {
    fwInput::Init();
    EXPECT_EQ(fwInput::GetDirectionNumber(0), 5);
    Plug(0, 32768, 32768);  // at rest: must not read as held down-right
    EXPECT_EQ(fwInput::GetDirectionNumber(0), 5);
    int32_t cx, cy;
    fwInput::GetCentre(0, &cx, &cy);
    EXPECT_EQ(cx, 32768);
    EXPECT_EQ(cy, 32768);
    Move(0, 0, 32768);
    EXPECT_EQ(fwInput::GetDirectionNumber(0), 4);

    // The same through a button read first, on the other stick.
    Plug(1, 32768, 32768, 1);
    EXPECT_EQ(fwInput::UpdateButtonState(1, 1), KeyPressed);
    int32_t dx = 9, dy = 9;
    fwInput::GetDirection(1, &dx, &dy);
    EXPECT_EQ(dx, 0);
    EXPECT_EQ(dy, 0);
}

}  // namespace
