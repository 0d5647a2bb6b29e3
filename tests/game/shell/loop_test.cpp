#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "framework/draw/draw.h"
#include "framework/system/system.h"
#include "framework/timer/timer.h"
#include "game/shell/gamemode.h"
#include "game/shell/shell.h"
#include "platform/clock.h"
#include "platform/system.h"
#include "platform/window.h"
#include "tests/support/scenes.h"

namespace {

std::vector<uint32_t> gEntered;
int gDoubleClicksSeen = 0;
std::string gKeysSeen;  // LastKey in each frame, '.' for none
void Recorder() {
    gEntered.push_back(SceneEntered);
    gDoubleClicksSeen += LeftDoubleClick;
    gKeysSeen += LastKey ? static_cast<char>(LastKey) : '.';
}

class LoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::ManualClock::Install(0, 1000);  // a millisecond counter
        InitSkeletonGlobals();
        fwTimer::SetFrameRate(60);
        fwTimer::SetFrameLimit(1);
        plat::ClearMessages();
        plat::SetWindowProc(MainWndProc);
        gEntered.clear();
        gDoubleClicksSeen = 0;
        gKeysSeen.clear();
        TransitionStep = TransitionDir = 0;
    }
    void TearDown() override {
        plat::ManualClock::Uninstall();
    }
    void Frame() {
        plat::ManualClock::AdvanceMs(16);
        plat::ManualClock::AdvanceCounter(16);
        ASSERT_EQ(RunPass(), 1);
    }
    void Dispatch(uint32_t msg, uintptr_t wp = 0, intptr_t lp = 0) {
        plat::PostMessage(msg, wp, lp);
        plat::Message m;
        ASSERT_TRUE(plat::PeekMessage(m));
        plat::DispatchMessage(m);
    }
    testsupport::SceneSwap title_{SceneTitle, Recorder};
    testsupport::SceneSwap levelSelect_{SceneLevelSelect, Recorder};
};

TEST_F(LoopTest, EntryFlagReachesFirstFrameAcrossIdlePasses) {
    SceneNumber = SceneTitle;
    LastScene = 0;
    Frame();
    Frame();
    // A writer selects the level select with an opening wipe.
    ChangeScene(SceneLevelSelect, 3, 26);
    TransitionStep = 0;  // the stand-in present does not run the wipe
    TransitionDir = 0;
    // Passes with no frame due leave the flag alone.
    EXPECT_EQ(RunPass(), 0);
    EXPECT_EQ(RunPass(), 0);
    EXPECT_EQ(SceneEntered, 1u);
    Frame();
    Frame();
    ASSERT_EQ(gEntered.size(), 4u);
    EXPECT_EQ(gEntered[0], 1u);
    EXPECT_EQ(gEntered[1], 0u);
    EXPECT_EQ(gEntered[2], 1u);
    EXPECT_EQ(gEntered[3], 0u);
}

TEST_F(LoopTest, SceneWithoutHandlerRunsNoFrame) {
    SceneNumber = 4;
    LastScene = 0;
    plat::ManualClock::AdvanceCounter(100);
    EXPECT_EQ(RunPass(), 0);
    EXPECT_TRUE(gEntered.empty());
}

TEST_F(LoopTest, DoubleClickReachesExactlyOneFrame) {
    SceneNumber = SceneTitle;
    LastScene = 0;
    Frame();
    Dispatch(plat::WM_LBUTTONDBLCLK);
    EXPECT_EQ(RunPass(), 0);  // no frame due yet: the click waits
    EXPECT_EQ(LeftDoubleClick, 1);
    Frame();
    Frame();
    EXPECT_EQ(gDoubleClicksSeen, 1);
}

TEST_F(LoopTest, SPausesUnlessContinuePromptIsUp) {
    Paused = 0;
    ContinuePrompt = 0;
    OnKeyDown('S');
    EXPECT_EQ(Paused, 1);
    OnKeyDown('S');
    EXPECT_EQ(Paused, 0);
    ContinuePrompt = 1;
    OnKeyDown('S');
    EXPECT_EQ(Paused, 0);
    ContinuePrompt = 0;
}

TEST_F(LoopTest, TReturnsToTitleWithItsDefaults) {
    SceneNumber = SceneStage1;
    LastScene = SceneStage1;
    PlainBackground = MouseControl = DeathSequenceOff = 1;
    KeyboardControl = 0;
    AdditiveEffects = 0;
    ShipType = 1;
    OnKeyDown('T');
    EXPECT_EQ(SceneNumber, static_cast<uint32_t>(SceneTitle));
    EXPECT_EQ(LastScene, 0u);
    EXPECT_EQ(PlainBackground, 0);
    EXPECT_EQ(MouseControl, 0);
    EXPECT_EQ(KeyboardControl, 1);
    EXPECT_EQ(AdditiveEffects, 1);
    EXPECT_EQ(DeathSequenceOff, 0);
    EXPECT_EQ(ShipType, 0);
    EXPECT_EQ(LastKey, 'T');
}

TEST_F(LoopTest, KeyUpClearsLastKeyAndSystemKeysAreSwallowed) {
    SysKeyMode = 0;
    SceneNumber = SceneTitle;
    LastScene = 0;
    Dispatch(plat::WM_KEYDOWN, 'Y');
    EXPECT_EQ(LastKey, 'Y');
    Frame();
    Dispatch(plat::WM_KEYUP, 'Y');
    EXPECT_EQ(LastKey, 0);
    Dispatch(plat::WM_SYSKEYDOWN, plat::VK_F10);
    EXPECT_EQ(LastKey, 0);
    EXPECT_EQ(MainWndProc(plat::WM_SYSCOMMAND, plat::SC_SCREENSAVE, 0), 0);
}

// Keys as the window takes them between frames: +K down, *K a repeat of a
// key already down, -K up, F a frame. A key let go before any frame saw it
// still reaches the next frame, and that frame only; a key let go after a
// frame, and a repeat, clear LastKey at their key-up as always.
TEST_F(LoopTest, AKeyTappedBetweenFramesActsOnceAndHeldKeysAreUnchanged) {
    struct Case {
        const char* steps;
        const char* seen;  // LastKey in each frame
        char after;        // LastKey after the last step
    };
    const Case cases[] = {
        {"+A -A F F", "A.", '.'},           // a tap: the next frame sees it
        {"+A -A", "", 'A'},                 // and it waits for that frame
        {"+A F F -A F", "AA.", '.'},        // held over two frames
        {"+A F -A F", "A.", '.'},           // let go after its first frame
        {"+A F *A -A F", "A.", '.'},        // a repeat is no new press
        {"+A -A +B -B F F", "B.", '.'},     // a later tap wins, as a later press does
        {"+A -A +A F F -A", "AA", '.'},     // tapped, then pressed again and held
        {"+A +B -A F -B F", "B.", '.'},     // an earlier key's key-up leaves the later key
        {"+A -A +B F F -B", "BB", '.'},     // a held key after a tap
    };
    for (const auto& c : cases) {
        InitSkeletonGlobals();
        SceneNumber = SceneTitle;
        gKeysSeen.clear();
        std::istringstream steps(c.steps);
        for (std::string step; steps >> step;) {
            const auto key = static_cast<uintptr_t>(step.size() > 1 ? step[1] : 0);
            switch (step[0]) {
            case '+': Dispatch(plat::WM_KEYDOWN, key, 1); break;
            case '*': Dispatch(plat::WM_KEYDOWN, key, 1 | (1 << 30)); break;
            case '-': Dispatch(plat::WM_KEYUP, key, 1); break;
            default: Frame();
            }
        }
        EXPECT_EQ(gKeysSeen, c.seen) << c.steps;
        EXPECT_EQ(LastKey ? static_cast<char>(LastKey) : '.', c.after) << c.steps;
    }
}

TEST_F(LoopTest, EscapeQuitsThroughCloseDestroyAndQuit) {
    QuitDone = 0;
    OnKeyDown(plat::VK_ESCAPE);
    EXPECT_EQ(QuitState, 2u);
    // The posted close destroys the window, which ends the loop.
    plat::Message m;
    bool sawQuit = false;
    for (int i = 0; i < 10 && plat::PeekMessage(m); ++i) {
        if (m.message == plat::WM_QUIT) {
            sawQuit = true;
            break;
        }
        plat::DispatchMessage(m);
    }
    EXPECT_TRUE(sawQuit);
}

TEST_F(LoopTest, ActivationRebasesTheFrameClock) {
    SceneNumber = SceneTitle;
    LastScene = 0;
    Frame();
    Dispatch(plat::WM_ACTIVATEAPP, 0);
    EXPECT_EQ(AppActive, 0);
    plat::ManualClock::AdvanceMs(4000);
    plat::ManualClock::AdvanceCounter(4000);
    Dispatch(plat::WM_ACTIVATEAPP, 1);
    EXPECT_EQ(AppActive, 1);
    Frame();
    EXPECT_FLOAT_EQ(FrameSeconds, 0.016f);
}

}  // namespace

