#include <gtest/gtest.h>

#include <algorithm>

#include "tests/game/bosses/boss_fixture.h"

namespace {

struct DefeatCase {
    void (*defeat)();
    BossState* s;
    float startHealth;
    uint32_t scene;
    int pitch;
};
const DefeatCase kDefeats[] = {
    {DefeatStage1Boss, &Stage1BossState, 1020, SceneStage2, 30},
    {DefeatAltStage2Boss, &AltStage2BossState, 600, SceneStage3, 30},
    {DefeatStage5Boss, &Stage5BossState, 1500, SceneEnding, 30},
    {DefeatStage3Boss, &Stage3BossState, 800, SceneStage4, 30},
    {DefeatStage4Boss, &Stage4BossState, 1000, SceneStage5, 30},
    {DefeatAltStage4Boss, &AltStage4BossState, 1400, SceneStage5, 30},
    {DefeatStage2Boss, &Stage2BossState, 1000, SceneStage3, 60},
    {DefeatAltStage5Boss, &AltStage5BossState, 1220, SceneEnding, 60},
};

// At 16 ms frames the timer passes 70 on the 438th call, which resets the
// game, keeps the score and lives and opens the next scene with wipe 3.
TEST_F(BossScreenTest, EachDefeatOpensItsNextStage) {
    for (const DefeatCase& c : kDefeats) {
        *c.s = BossState{};
        c.s->X = -500;
        c.s->Y = 2550;
        Score = 4321;
        Lives = 17;
        SceneNumber = SceneStage1;
        StageIntro = 0;
        FrameSeconds = 0.016f;
        int calls = 0;
        while (SceneNumber == SceneStage1 && calls < 1000) {
            c.defeat();
            ++calls;
        }
        EXPECT_EQ(calls, 438);
        EXPECT_EQ(SceneNumber, c.scene);
        EXPECT_EQ(LastScene, 0u);
        EXPECT_EQ(TransitionPattern, 3);
        EXPECT_EQ(TransitionPitch, c.pitch);
        EXPECT_EQ(TransitionStep, c.pitch);
        EXPECT_EQ(TransitionDir, -1);
        EXPECT_EQ(StageIntro, 1);
        EXPECT_EQ(Score, 4321);
        EXPECT_EQ(Lives, 17);
        EXPECT_FLOAT_EQ(c.s->Health, c.startHealth);
        EXPECT_FLOAT_EQ(c.s->DefeatTimer, 0);
        c.defeat();  // idle again: nothing runs
        EXPECT_FLOAT_EQ(c.s->DefeatTimer, 0);
    }
}

TEST_F(BossScreenTest, MusicStopsOnlyInsideItsWindow) {
    Stage1BossState = BossState{};
    FrameSeconds = 0.016f;
    bool stopped[439] = {};
    for (int call = 1; call <= 437; ++call) {
        MidiOpen = 1;
        DefeatStage1Boss();
        stopped[call] = MidiOpen == 0;
    }
    // Timer 50.08 on call 313, 59.84 on call 374, 60.16 on call 376.
    EXPECT_EQ(std::count(stopped, stopped + 313, true), 0);
    EXPECT_EQ(std::count(stopped + 313, stopped + 375, true), 62);
    EXPECT_EQ(std::count(stopped + 376, stopped + 439, true), 0);
}

struct TimerCase {
    float timer, fs;
    bool stops, finishes;
};
const TimerCase kTimerEdges[] = {
    {50, 0, false, false}, {60, 0, false, false}, {55, 0, true, false},
    {49, 1.1f, false, false},  // one long frame jumps over the window
    {70, 0, false, false},     {70, 0.001f, false, true},
};

TEST_F(BossScreenTest, TimerWindowsAreOpen) {
    for (const TimerCase& c : kTimerEdges) {
        Stage1BossState = BossState{};
        Stage1BossState.DefeatTimer = c.timer;
        FrameSeconds = c.fs;
        SceneNumber = SceneStage1;
        MidiOpen = 1;
        DefeatStage1Boss();
        EXPECT_EQ(MidiOpen == 0, c.stops) << c.timer << " " << c.fs;
        EXPECT_EQ(SceneNumber != SceneStage1, c.finishes) << c.timer << " " << c.fs;
    }
    MidiOpen = 0;
}

// The finishing call captures the back surface into drawing object 1.
TEST_F(BossScreenTest, LastFrameIsCapturedForTheWipe) {
    Stage1BossState = BossState{};
    Stage1BossState.X = -500;
    Stage1BossState.Y = 2550;
    Stage1BossState.DefeatTimer = 69.9f;
    FrameSeconds = 0.016f;
    SetPx(BackSurface, 5, 5, 0x1234);
    SetPx(BackSurface, 799, 599, 0x4321);
    DefeatStage1Boss();
    EXPECT_EQ(Px(DrawObjects[1].surface, 5, 5), 0x1234);
    EXPECT_EQ(Px(DrawObjects[1].surface, 799, 599), 0x4321);
}

// Blasts show where the previous call put them, then jump inside a box that
// starts 100 (big) or 40 (small) left of the boss, W wide, HB or HS tall.
TEST_F(BossScreenTest, BlastsFlickerOverTheBoss) {
    Stage3BossState = BossState{};
    Stage3BossState.X = 200;
    Stage3BossState.Y = 100;
    FrameSeconds = 0;
    DefeatStage3Boss();
    for (int x = 0; x < 800; x += 20)
        for (int y = 0; y < 600; y += 20) ASSERT_EQ(At(x, y), 0);  // first call: nothing visible
    const DefeatBlast last = Stage3BossSmallBlasts[5];
    DefeatStage3Boss();
    EXPECT_EQ(At(static_cast<int>(last.x) + 30, static_cast<int>(last.y) + 30), Small(1));
    float bigLeft = 1e9, bigRight = -1e9, bigBottom = -1e9, smallLeft = 1e9, smallRight = -1e9, smallBottom = -1e9;
    float top = 1e9;
    for (int call = 0; call < 300; ++call) {
        DefeatStage3Boss();
        for (const DefeatBlast& b : Stage3BossBigBlasts) {
            bigLeft = std::min(bigLeft, b.x - 200), bigRight = std::max(bigRight, b.x - 200);
            bigBottom = std::max(bigBottom, b.y - 100), top = std::min(top, b.y - 100);
            ASSERT_LE(b.frame, 3u);
        }
        for (const DefeatBlast& b : Stage3BossSmallBlasts) {
            smallLeft = std::min(smallLeft, b.x - 200), smallRight = std::max(smallRight, b.x - 200);
            smallBottom = std::max(smallBottom, b.y - 100), top = std::min(top, b.y - 100);
            ASSERT_LE(b.frame, 9u);
        }
    }
    EXPECT_GE(bigLeft, -100);
    EXPECT_LE(bigLeft, -90);
    EXPECT_LE(bigRight, 339);
    EXPECT_GE(bigRight, 330);
    EXPECT_GE(smallLeft, -40);
    EXPECT_LE(smallRight, 399);
    EXPECT_LE(bigBottom, 319);
    EXPECT_GE(bigBottom, 310);  // above the small blasts' 309
    EXPECT_LE(smallBottom, 309);
    EXPECT_GE(top, 0);
}

}  // namespace
