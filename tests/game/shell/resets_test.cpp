#include "game/shell/resets.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/system/random.h"
#include "game/player/player_state.h"
#include "game/shell/gamemode.h"
#include "game/shell/scorepanel.h"
#include "game/stages/background.h"
#include "game/stages/stage_state.h"
#include "platform/clock.h"

namespace {

std::vector<int> gOrder;
int gFirstRandom = -1;

// Steps added the way every pool adds its own, at the edges of the order.
resets::Step first(resets::PhaseA, 1, [] {
    gOrder.push_back(1);
    gFirstRandom = rng::rand();
});
resets::Step late(resets::PhaseA, 950, [] { gOrder.push_back(950); });
resets::Step boss(resets::PhaseB, resets::kRankBosses, [] { gOrder.push_back(2000); });

int FirstRandOf(uint32_t seed) {
    seed = seed * 214013u + 2531011u;
    return static_cast<int>((seed >> 16) & 0x7FFF);
}

TEST(Resets, RunInRankOrderAThenBAndSeedFromTheClock) {
    plat::ManualClock::Install(0);
    plat::ManualClock::SetCalendar(1234567);
    gOrder.clear();
    ResetGameStateA();
    ResetGameStateB();
    ASSERT_EQ(gOrder.size(), 3u);
    EXPECT_EQ(gOrder[0], 1);
    EXPECT_EQ(gOrder[1], 950);
    EXPECT_EQ(gOrder[2], 2000);
    EXPECT_EQ(gFirstRandom, FirstRandOf(1234567));
    plat::ManualClock::SetCalendar(1234568);
    ResetGameStateA();
    EXPECT_EQ(gFirstRandom, FirstRandOf(1234568));
    plat::ManualClock::Uninstall();
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
