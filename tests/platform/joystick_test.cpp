#include "platform/joystick.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

using plat::JoyGetPosEx;
using plat::JoyInfoEx;

// Sticks are SDL virtual joysticks, so the whole SDL path is exercised.
class JoystickTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::JoyConfigChanged();  // brings up SDL's joystick system
        if (SDL_NumJoysticks() != 0) GTEST_SKIP() << "a real joystick is plugged in";
    }
    void TearDown() override {
        for (int i = SDL_NumJoysticks() - 1; i >= 0; --i)
            if (SDL_JoystickIsVirtual(i)) SDL_JoystickDetachVirtual(i);
    }
    // Attaches a stick and returns a handle through which the test moves it.
    SDL_Joystick* Attach(int axes = 2, int buttons = 4) {
        int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, axes, buttons, 0);
        EXPECT_GE(index, 0) << SDL_GetError();
        return SDL_JoystickOpen(index);
    }
    static JoyInfoEx Info(uint32_t flags) {
        JoyInfoEx info;
        info.flags = flags;
        return info;
    }
};

TEST_F(JoystickTest, BadIdOrRecordSizeIsRefused) {
    JoyInfoEx info = Info(plat::JOY_RETURNALL);
    EXPECT_EQ(JoyGetPosEx(2, &info), plat::JOYERR_PARMS);
    EXPECT_EQ(JoyGetPosEx(0, nullptr), plat::JOYERR_PARMS);
    info.size = 48;
    EXPECT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_PARMS);
}

TEST_F(JoystickTest, NoStickReadsUnplugged) {
    JoyInfoEx info = Info(plat::JOY_RETURNALL);
    EXPECT_EQ(JoyGetPosEx(plat::JOYSTICKID1, &info), plat::JOYERR_UNPLUGGED);
    EXPECT_EQ(JoyGetPosEx(plat::JOYSTICKID2, &info), plat::JOYERR_UNPLUGGED);
}

TEST_F(JoystickTest, AxesSpanZeroTo65535AndButtonsAreBits) {
    SDL_Joystick* stick = Attach(2, 33);
    JoyInfoEx info = Info(plat::JOY_RETURNALL);
    ASSERT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_NOERROR);
    EXPECT_EQ(info.xpos, 32768u);
    EXPECT_EQ(info.ypos, 32768u);
    EXPECT_EQ(info.buttons, 0u);
    EXPECT_EQ(info.pov, plat::JOY_POVCENTERED);

    SDL_JoystickSetVirtualAxis(stick, 0, -32768);
    SDL_JoystickSetVirtualAxis(stick, 1, 32767);
    SDL_JoystickSetVirtualButton(stick, 0, 1);   // button 1
    SDL_JoystickSetVirtualButton(stick, 2, 1);   // button 3
    SDL_JoystickSetVirtualButton(stick, 31, 1);  // button 32
    SDL_JoystickSetVirtualButton(stick, 32, 1);  // button 33: beyond the mask
    ASSERT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_NOERROR);
    EXPECT_EQ(info.xpos, 0u);
    EXPECT_EQ(info.ypos, 65535u);
    EXPECT_EQ(info.buttons, 0x80000005u);
    EXPECT_EQ(info.buttonNumber, 3u);
}

TEST_F(JoystickTest, FillsOnlyWhatTheFlagsAskFor) {
    SDL_Joystick* stick = Attach();
    SDL_JoystickSetVirtualAxis(stick, 0, 0);
    SDL_JoystickSetVirtualButton(stick, 1, 1);
    JoyInfoEx info = Info(plat::JOY_RETURNBUTTONS);
    info.xpos = info.ypos = 7;
    ASSERT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_NOERROR);
    EXPECT_EQ(info.buttons, 2u);
    EXPECT_EQ(info.xpos, 7u);
    EXPECT_EQ(info.ypos, 7u);
    info = Info(plat::JOY_RETURNX | plat::JOY_USEDEADZONE);
    info.ypos = info.buttons = 7;
    ASSERT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_NOERROR);
    EXPECT_EQ(info.xpos, 32768u);
    EXPECT_EQ(info.ypos, 7u);
    EXPECT_EQ(info.buttons, 7u);
}

TEST_F(JoystickTest, SticksComeAndGo) {
    SDL_Joystick* first = Attach();
    SDL_Joystick* second = Attach();
    SDL_JoystickSetVirtualAxis(first, 0, -32768);
    SDL_JoystickSetVirtualAxis(second, 0, 32767);
    JoyInfoEx info = Info(plat::JOY_RETURNX);
    ASSERT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_NOERROR);
    EXPECT_EQ(info.xpos, 0u);
    ASSERT_EQ(JoyGetPosEx(1, &info), plat::JOYERR_NOERROR);
    EXPECT_EQ(info.xpos, 65535u);

    // The first is pulled out: the second becomes stick 0.
    SDL_JoystickDetachVirtual(0);
    ASSERT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_NOERROR);
    EXPECT_EQ(info.xpos, 65535u);
    EXPECT_EQ(JoyGetPosEx(1, &info), plat::JOYERR_UNPLUGGED);
    SDL_JoystickDetachVirtual(0);
    EXPECT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_UNPLUGGED);

    // Plugged in later, a stick is read without any further call.
    Attach();
    EXPECT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_NOERROR);
}

TEST_F(JoystickTest, FakeStickStandsInForTheRealOne) {
    Attach();
    plat::FakeStick fake;
    fake.x = 100;
    fake.y = 60000;
    fake.buttons = 9;
    plat::SetFakeStick(0, &fake);
    JoyInfoEx info = Info(plat::JOY_RETURNALL);
    ASSERT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_NOERROR);
    EXPECT_EQ(info.xpos, 100u);
    EXPECT_EQ(info.ypos, 60000u);
    EXPECT_EQ(info.buttons, 9u);
    fake.present = false;
    plat::SetFakeStick(0, &fake);
    EXPECT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_UNPLUGGED);
    plat::SetFakeStick(0, nullptr);
    ASSERT_EQ(JoyGetPosEx(0, &info), plat::JOYERR_NOERROR);
    EXPECT_EQ(info.xpos, 32768u);
}

}  // namespace
