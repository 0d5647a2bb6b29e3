#include "game/shell/resets.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/system/random.h"
#include "framework/system/steps.h"
#include "game/shell/gamemode.h"
#include "game/shell/scorepanel.h"
#include "game/state/background.h"
#include "game/state/player_state.h"
#include "game/state/stage_state.h"
#include "platform/clock.h"

namespace {

// The generator after n draws from seed.
uint32_t Advance(uint32_t seed, int n) {
    for (int i = 0; i < n; ++i) seed = seed * 214013u + 2531011u;
    return seed;
}

// How many draws lead from seed to now, or -1 when none up to a bound.
int DrawsBetween(uint32_t seed, uint32_t now) {
    for (int n = 0; n <= 200000; ++n, seed = Advance(seed, 1))
        if (seed == now) return n;
    return -1;
}

// The reset seeds the generator from the calendar time, then draws the same
// number of values whatever the time.
TEST(Resets, SeedFromTheCalendarTimeAndDrawAsManyEachTime) {
    plat::ManualClock::Install(0);
    plat::ManualClock::SetCalendar(1234567);
    ResetGameStateA();
    ResetGameStateB();
    int draws = DrawsBetween(1234567, rng::Seed);
    plat::ManualClock::SetCalendar(7654321);
    ResetGameStateA();
    ResetGameStateB();
    plat::ManualClock::Uninstall();
    ASSERT_GE(draws, 0);
    EXPECT_EQ(rng::Seed, Advance(7654321, draws));
}

// The steps of a phase run in rank order whatever the order they are added
// in, and a rank is taken once.
TEST(Resets, StepsRunInKeyOrderAndAKeyIsTakenOnce) {
    static std::vector<int> order;
    order.clear();
    StepList list;
    EXPECT_TRUE(list.Add(resets::RankStars, [] { order.push_back(resets::RankStars); }));
    EXPECT_TRUE(list.Add(resets::RankStageState, [] { order.push_back(resets::RankStageState); }));
    EXPECT_TRUE(list.Add(resets::RankEnemies, [] { order.push_back(resets::RankEnemies); }));
    EXPECT_TRUE(list.Add(resets::RankBossParade, [] { order.push_back(resets::RankBossParade); }));
    EXPECT_FALSE(list.Add(resets::RankEnemies, [] { order.push_back(-1); }));
    list.Run();
    EXPECT_EQ(order, (std::vector<int>{resets::RankStageState, resets::RankBossParade, resets::RankEnemies,
                                       resets::RankStars}));
    order.clear();
    list.Run(resets::RankLockPoints, resets::RankEnemies);
    EXPECT_EQ(order, (std::vector<int>{resets::RankBossParade, resets::RankEnemies}));
}

// A second step under a rank already taken stops the program at start-up.
TEST(ResetsDeathTest, RankTakenTwiceStopsTheProgram) {
    EXPECT_DEATH(resets::Add(resets::PhaseA, resets::RankEnemies, [] {}), "rank 300 of phase 0 is registered twice");
    EXPECT_DEATH(resets::Add(resets::PhaseB, resets::RankBosses, [] {}), "registered twice");
}

TEST(Resets, StageStateReturnsToIdleAndTheScoreSurvives) {
    Score = 4321;
    HiScore = 9000;
    Lives = 111;
    BombCharges = 2;
    GameLevel = 3;
    MouseControl = 1;
    StageTick = 500;
    StageClock = 77.5f;
    PlayerAlive = 0;
    Paused = 1;
    ContinuePrompt = 1;
    GameOver = 1;
    GameOverCountdown = 3;
    PlayerX = 250;
    BossParade[3] = ParadeRecord{7, 100, 50, 178, 1};
    ResetGameStateA();
    ResetGameStateB();
    EXPECT_EQ(StageTick, 0u);
    EXPECT_EQ(StageClock, 0.0f);
    EXPECT_EQ(PlayerAlive, 1);
    EXPECT_EQ(Paused, 0);
    EXPECT_EQ(ContinuePrompt, 0);
    EXPECT_EQ(GameOver, 0);
    EXPECT_EQ(GameOverCountdown, 800);
    EXPECT_EQ(PlayerX, 0.0f);
    EXPECT_EQ(BossParade[3].active, 0u);
    EXPECT_EQ(BossParade[3].x, -500.0f);
    EXPECT_EQ(BossParade[3].y, 2550.0f);
    // Untouched by the resets.
    EXPECT_EQ(Score, 4321);
    EXPECT_EQ(HiScore, 9000);
    EXPECT_EQ(Lives, 111);
    EXPECT_EQ(BombCharges, 2);
    EXPECT_EQ(GameLevel, 3);
    EXPECT_EQ(MouseControl, 1);
}

}  // namespace
