#include <gtest/gtest.h>

#include <algorithm>
#include <span>

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

// At 16 ms frames the music stops from call 313 (timer 50.08) to call 374
// (59.84) and the timer passes 70 on the 438th call: the game state is reset
// with the score and lives kept, and the next scene opens with wipe 3.
TEST_F(BossScreenTest, EachDefeatOpensItsNextStage) {
    for (const DefeatCase& c : kDefeats) {
        *c.s = BossState{};
        Score = 4321, Lives = 17, StageIntro = 0;
        SceneNumber = SceneStage1;
        FrameSeconds = 0.016f;
        int calls = 0, stops = 0, firstStop = 0, lastStop = 0;
        while (SceneNumber == SceneStage1 && calls < 1000) {
            MidiOpen = 1;
            c.defeat(), ++calls;
            if (MidiOpen == 0 && calls != 375) {  // on call 375 the timer is 60 give or take rounding
                firstStop = firstStop ? firstStop : calls;
                lastStop = calls, ++stops;
            }
        }
        EXPECT_EQ(firstStop, 313);
        EXPECT_EQ(lastStop, 374);
        EXPECT_EQ(stops, 62);
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
        c.defeat();  // idle again: nothing runs
        EXPECT_FLOAT_EQ(c.s->DefeatTimer, 0);
    }
}

struct TimerCase {
    float timer, fs;
    bool stops, finishes;
};
const TimerCase kTimerEdges[] = {
    {50, 0, false, false}, {60, 0, false, false}, {49, 1.1f, false, false},  // a long frame jumps the window
    {70, 0, false, false}, {70, 0.001f, false, true},
};

TEST_F(BossScreenTest, TimerBoundsAreOpen) {
    for (const TimerCase& c : kTimerEdges) {
        Stage1BossState = BossState{};
        Stage1BossState.DefeatTimer = c.timer;
        FrameSeconds = c.fs;
        SceneNumber = SceneStage1;
        MidiOpen = 1;
        DefeatStage1Boss();
        EXPECT_EQ(MidiOpen == 0, c.stops) << c.timer;
        EXPECT_EQ(SceneNumber != SceneStage1, c.finishes) << c.timer;
    }
}

TEST_F(BossScreenTest, TheLastFrameIsCapturedForTheWipe) {
    Stage1BossState = BossState{};
    Stage1BossState.DefeatTimer = 69.9f;
    FrameSeconds = 0.016f;
    SetPx(BackSurface, 799, 599, 0x4321);
    DefeatStage1Boss();
    EXPECT_EQ(Px(DrawObjects[1].surface, 799, 599), 0x4321);
}

// Blasts show where the previous call put them, then jump inside a box that
// starts 100 (big) or 40 (small) left of the boss, W wide, HB or HS tall.
TEST_F(BossScreenTest, BlastsFlickerOverTheBoss) {
    Stage3BossState = BossState{};
    Stage3BossState.X = 200, Stage3BossState.Y = 100;
    FrameSeconds = 0;
    DefeatStage3Boss();
    for (int x = 0; x < 800; x += 10) ASSERT_EQ(At(x, 300), 0);  // the first call shows nothing
    const DefeatBlast last = Stage3BossSmallBlasts[5];
    DefeatStage3Boss();
    EXPECT_EQ(At(static_cast<int>(last.x) + 30, static_cast<int>(last.y) + 30), Small(1));
    float left[2] = {1e9, 1e9}, right[2] = {-1e9, -1e9}, bottom[2] = {-1e9, -1e9}, top = 1e9;
    for (int call = 0; call < 300; ++call) {
        DefeatStage3Boss();
        for (int k = 0; k < 2; ++k)
            for (const DefeatBlast& b : std::span<const DefeatBlast>(k ? Stage3BossSmallBlasts : Stage3BossBigBlasts,
                                                                     k ? kSmallBlasts : kBigBlasts)) {
                left[k] = std::min(left[k], b.x - 200), right[k] = std::max(right[k], b.x - 200);
                bottom[k] = std::max(bottom[k], b.y - 100), top = std::min(top, b.y - 100);
            }
    }
    EXPECT_EQ(left[0], -100);
    EXPECT_EQ(right[0], 339);
    EXPECT_EQ(left[1], -40);
    EXPECT_EQ(right[1], 399);
    EXPECT_EQ(bottom[0], 319);
    EXPECT_EQ(bottom[1], 309);
    EXPECT_EQ(top, 0);
}

}  // namespace
