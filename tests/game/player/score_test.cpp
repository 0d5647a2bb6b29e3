#include <algorithm>

#include "tests/game/player/player_fixture.h"
#include "game/shell/resets.h"

namespace {

using ScoreTest = PlayerTest;

TEST_F(ScoreTest, PointsCountInPlayModesAndTheScoreStopsAtTheCap) {
    struct Case {
        int mode, subMode;
        int32_t before, points, after;
    } cases[] = {
        {1, 0, 0, 100, 100},       {2, 0, 0, 100, 100},   {1, 1, 0, 100, 100}, {2, 1, 0, 100, 100},
        {0, 0, 7, 100, 7},         {3, 1, 7, 100, 7},     {1, 2, 7, 100, 7},
        {1, 0, 999999989, 100, 999999999}, {1, 0, 999999999, 2000000000, 999999999},
    };
    for (const auto& c : cases) {
        PlayMode = c.mode;
        PlaySubMode = c.subMode;
        Score = c.before;
        HiScore = 500;
        AddScore(c.points);
        EXPECT_EQ(Score, c.after) << c.mode << "/" << c.subMode;
        EXPECT_EQ(HiScore, std::max(500, c.after));
    }
}

TEST_F(ScoreTest, SpentLivesRaiseTheContinuePromptOnce) {
    struct Case {
        int32_t lives, prompt;
        bool raised;
    } cases[] = {{0, 0, true}, {-6, 0, true}, {1, 0, false}, {0, 1, false}};
    for (const auto& c : cases) {
        Lives = c.lives;
        ContinuePrompt = c.prompt;
        Paused = StageIntro = 0;
        PlayerAlive = 1;
        PlayerVelX = PlayerVelY = 160;
        CheckGameOver();
        EXPECT_EQ(ContinuePrompt, c.raised || c.prompt ? 1 : 0) << c.lives;
        EXPECT_EQ(Paused, c.raised ? 1 : 0);
        EXPECT_EQ(StageIntro, c.raised ? 1 : 0);
        EXPECT_EQ(PlayerAlive, c.raised ? 0 : 1);
        EXPECT_EQ(PlayerVelX, c.raised ? 0 : 160);
    }
}

// A new game parks both beam pictures below the screen, their counters at 0
// and not finished, whatever a beam left behind.
TEST_F(ScoreTest, NewGameParksBothBigBeams) {
    kept_.Keep(BigBeamA, BigBeamB, AutoFire);
    BigBeamA = BigBeam{57, 1, -500, -500};
    BigBeamB = BigBeam{12, 0, 80, 33.5f};
    ResetNewGame();
    for (const BigBeam* b : {&BigBeamA, &BigBeamB}) {
        EXPECT_EQ(b->frame, 0);
        EXPECT_EQ(b->done, 0u);
        EXPECT_EQ(b->x, -500.0f);
        EXPECT_EQ(b->y, 2550.0f);
    }
}

}  // namespace
