#include <gtest/gtest.h>

#include "framework/draw/draw.h"
#include "framework/system/system.h"
#include "framework/timer/timer.h"
#include "game/shell/shell.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "tests/support/scenes.h"

namespace {

// A scene that runs the viewport effect every frame and, when asked, moves
// on to the level select.
int gFrames = 0;
int gChangeAt = -1;
void EffectScene() {
    fwDraw::UpdateViewportEffect();
    if (++gFrames == gChangeAt) SceneNumber = SceneLevelSelect;
}
void Idle() {}

class ViewportRestore : public ::testing::Test {
protected:
    void SetUp() override {
        plat::ManualClock::Install(0, 1000);
        InitSkeletonGlobals();
        fwTimer::SetFrameRate(60);
        fwTimer::SetFrameLimit(1);
        plat::ClearMessages();
        TransitionStep = TransitionDir = 0;
        gFrames = 0;
        gChangeAt = -1;
        ViewportEffectState = 0;
        fwDraw::SetClipRect(180, 0, 620, 600);
        SceneNumber = SceneTitle;
        LastScene = 0;
    }
    void TearDown() override {
        plat::ManualClock::Uninstall();
        ViewportEffectState = 0;
    }
    void Frame() {
        plat::ManualClock::AdvanceMs(16);
        plat::ManualClock::AdvanceCounter(16);
        ASSERT_EQ(RunPass(), 1);
    }
    testsupport::SceneSwap title_{SceneTitle, EffectScene};
    testsupport::SceneSwap levelSelect_{SceneLevelSelect, Idle};
};

TEST_F(ViewportRestore, SceneChangeDuringAnEffectPutsTheSavedRectangleBack) {
    for (int shape = 1; shape <= 9; ++shape) {
        for (int mode = 0; mode <= 1; ++mode) {
            SetUp();
            ASSERT_EQ(fwDraw::StartViewportEffect(mode, shape, 100.0f, 40), 1);
            gChangeAt = 4;
            for (int i = 0; i < 3; ++i) Frame();
            EXPECT_FALSE(ClipLeft == 180 && ClipTop == 0 && ClipRight == 620 && ClipBottom == 600)
                << "the effect moved the rectangle, shape " << shape;
            Frame();  // the frame that changes the scene
            EXPECT_EQ(SceneNumber, static_cast<uint32_t>(SceneLevelSelect));
            EXPECT_EQ(ClipLeft, 180) << shape << "/" << mode;
            EXPECT_EQ(ClipTop, 0);
            EXPECT_EQ(ClipRight, 620);
            EXPECT_EQ(ClipBottom, 600);
            EXPECT_EQ(ViewportEffectState, 0);
            Frame();  // the next scene runs with the whole rectangle
            EXPECT_EQ(ClipRight, 620);
            TearDown();
        }
    }
}

TEST_F(ViewportRestore, ClosedViewportStaysClosedAcrossASceneChange) {
    ASSERT_EQ(fwDraw::StartViewportEffect(1, 1, 100000.0f, 0), 1);
    Frame();  // one update closes it at once
    EXPECT_EQ(ViewportEffectState, -1);
    gChangeAt = gFrames + 1;
    Frame();
    EXPECT_EQ(SceneNumber, static_cast<uint32_t>(SceneLevelSelect));
    EXPECT_EQ(ViewportEffectState, -1);
    EXPECT_GE(ClipTop, 600);  // only running effects are undone
}

}  // namespace
