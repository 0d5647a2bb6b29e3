#include "framework/system/system.h"

#include <gtest/gtest.h>

#include "framework/draw/draw.h"
#include "platform/clock.h"
#include "platform/system.h"
#include "platform/window.h"

namespace {

class KeyStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::ResetKeyStates();
        plat::ClearMessages();
        TransitionStep = 0;
        ViewerOn = 0;
        InputDisabled = 0;
    }
    void Press(int vk) { Take(plat::WM_KEYDOWN, vk); }
    void Release(int vk) { Take(plat::WM_KEYUP, vk); }
    void Take(uint32_t msg, int vk) {
        plat::PostMessage(msg, static_cast<uintptr_t>(vk), 1);
        plat::Message m;
        ASSERT_TRUE(plat::PeekMessage(m));
    }
};

TEST_F(KeyStateTest, PressHoldReleaseSequence) {
    int32_t s = KeyOff;
    Press(plat::VK_LEFT);
    fwSystem::UpdateKeyState(plat::VK_LEFT, &s);
    EXPECT_EQ(s, KeyPressed);
    fwSystem::UpdateKeyState(plat::VK_LEFT, &s);
    EXPECT_EQ(s, KeyHeld);
    fwSystem::UpdateKeyState(plat::VK_LEFT, &s);
    EXPECT_EQ(s, KeyHeld);
    Release(plat::VK_LEFT);
    fwSystem::UpdateKeyState(plat::VK_LEFT, &s);
    EXPECT_EQ(s, KeyReleased);
    fwSystem::UpdateKeyState(plat::VK_LEFT, &s);
    EXPECT_EQ(s, KeyOff);
}

TEST_F(KeyStateTest, PressedAgainRightAfterReleaseReadsHeld) {
    int32_t s = KeyOff;
    Press('C');
    fwSystem::UpdateKeyState('C', &s);
    Release('C');
    fwSystem::UpdateKeyState('C', &s);
    ASSERT_EQ(s, KeyReleased);
    Press('C');
    fwSystem::UpdateKeyState('C', &s);
    EXPECT_EQ(s, KeyHeld);
}

TEST_F(KeyStateTest, EveryStateOffDuringWipeViewerOrDisabledInput) {
    int32_t s = KeyOff;
    Press(plat::VK_SHIFT);
    TransitionStep = 5;
    fwSystem::UpdateKeyState(plat::VK_SHIFT, &s);
    EXPECT_EQ(s, KeyOff);
    fwSystem::UpdateKeyState(plat::VK_SHIFT, &s);
    EXPECT_EQ(s, KeyOff);
    // Held through the wipe: pressed on the first poll after it.
    TransitionStep = 0;
    fwSystem::UpdateKeyState(plat::VK_SHIFT, &s);
    EXPECT_EQ(s, KeyPressed);
    ViewerOn = 1;
    fwSystem::UpdateKeyState(plat::VK_SHIFT, &s);
    EXPECT_EQ(s, KeyOff);
    ViewerOn = 0;
    InputDisabled = 1;
    fwSystem::UpdateKeyState(plat::VK_SHIFT, &s);
    EXPECT_EQ(s, KeyOff);
}

TEST(WaitSlots, RangeIsOneToTen) {
    plat::SetMessageBoxesShown(false);
    plat::ManualClock::Install(1000);
    ErrorFlag = 0;
    WaitSlots[10] = 0;
    EXPECT_EQ(fwSystem::SetWait(10, 500), 1);
    EXPECT_EQ(WaitSlots[10], 1500u);
    EXPECT_EQ(ErrorFlag, 0);
    uint32_t before0 = WaitSlots[0], before11 = WaitSlots[11];
    EXPECT_EQ(fwSystem::SetWait(0, 5), 0);
    EXPECT_EQ(ErrorFlag, 1);
    EXPECT_EQ(fwSystem::SetWait(11, 5), 0);
    EXPECT_EQ(fwSystem::InitWait(11), 0);
    EXPECT_EQ(WaitSlots[0], before0);
    EXPECT_EQ(WaitSlots[11], before11);
    EXPECT_EQ(fwSystem::IsWaitOver(10), 0);
    plat::ManualClock::AdvanceMs(500);
    EXPECT_EQ(fwSystem::IsWaitOver(10), 1);
    plat::ManualClock::Uninstall();
}

TEST(ErrorBox, WritesOperationAndMessageToStderr) {
    plat::SetMessageBoxesShown(false);
    ErrorFlag = 0;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fwSystem::ShowErrorBox("fwSystem::SetWait", "ウェイトNoが範囲外です"), 0);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("エラー発生"), std::string::npos);
    EXPECT_NE(err.find("fwSystem::SetWait : ウェイトNoが範囲外です"), std::string::npos);
    EXPECT_EQ(fwSystem::GetErrorFlag(), 1);
}

TEST(Quit, ReleasesOnceAndPostsCloseOnlyWhenRunning) {
    plat::ClearMessages();
    QuitDone = 0;
    QuitState = 0;
    EXPECT_EQ(fwSystem::Quit(), 1);
    EXPECT_EQ(QuitState, 2u);
    plat::Message m;
    ASSERT_TRUE(plat::PeekMessage(m));
    EXPECT_EQ(m.message, plat::WM_CLOSE);
    EXPECT_EQ(fwSystem::Quit(), 1);
    EXPECT_FALSE(plat::PeekMessage(m));
}

TEST(Paths, ExecutableFolderEndsWithSeparator) {
    plat::SetExecutableDirectory("/opt/game");
    EXPECT_EQ(fwSystem::GetExeDirectory(0), "/opt/game/");
    plat::SetExecutableDirectory("");
    const std::string& dir = fwSystem::GetExeDirectory(0);
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(dir.find('\\'), std::string::npos);
}

TEST(MatchKey, ReportsOnReleaseAfterPress) {
    MatchState = 0;
    LastKey = LastKeyCopy = ButtonHeld = LastButton = 0;
    EXPECT_EQ(fwSystem::MatchKeyFromList({0x0D, 0x20, 0}), 0);
    EXPECT_EQ(MatchState, 1);
    LastKey = LastKeyCopy = 0x20;  // Space down
    EXPECT_EQ(fwSystem::MatchKeyFromList({0x0D, 0x20, 0}), 0);
    EXPECT_EQ(MatchState, 2);
    LastKey = 0;  // released
    EXPECT_EQ(fwSystem::MatchKeyFromList({0x0D, 0x20, 0}), 0x20);
    EXPECT_EQ(MatchState, 0);
    EXPECT_EQ(LastKeyCopy, 0);
}

}  // namespace
