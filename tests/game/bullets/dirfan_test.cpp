#include "game/bullets/groups.h"
#include "tests/game/bullets/falling_fixture.h"

namespace {

using DirFanTest = FallingTest;

TEST_F(DirFanTest, VolleysComeDueOnTheirTicks) {
    Fresh(Stage1BossDirFan1Shots, 35);
    const auto sevens = VolleyCalls(EmitStage1BossDirFan1, Stage1BossDirFan1Shots, 35, 7, 300);
    EXPECT_EQ(sevens.at(0), (std::vector<int>{25, 165}));
    EXPECT_EQ(sevens.at(4), (std::vector<int>{125, 265}));
    // A window of 101 calls fires the ten volleys and leaves the counter at 101.
    Fresh(Stage4BossDirFan1Shots, 50);
    EXPECT_EQ(VolleyCalls(EmitStage4BossDirFan1, Stage4BossDirFan1Shots, 50, 5, 101).size(), 10u);
    EXPECT_EQ(Stage4BossDirFan1Shots[49].counter, 101u);
    Fresh(Stage2BossDirFan4Shots, 50);
    const auto runs = VolleyCalls(EmitStage2BossDirFan4, Stage2BossDirFan4Shots, 50, 5, 300);
    EXPECT_EQ(runs.at(0), (std::vector<int>{10, 270}));
    EXPECT_EQ(runs.at(4), (std::vector<int>{100}));
}

TEST_F(DirFanTest, VolleysLeaveOnTheArcAndSpreadByLane) {
    // clang-format off
    const VolleyCase cases[] = {
        {"Stage1", SpawnStage1BossDirFan1, MoveStage1BossDirFan1, Stage1BossDirFan1Shots, 35, 7, &Stage1BossState,
         std::vector<float>(7, 200), {154, 183, 194, 200, 194, 183, 154}, {-210, -140, -70, 0, 70, 140, 210}, 200, {-10, 30, 0, 30}, true, Rearm::Heights},
        {"Stage4-1", SpawnStage4BossDirFan1, MoveStage4BossDirFan1, Stage4BossDirFan1Shots, 50, 5, &Stage4BossState,
         std::vector<float>(5, 170), {90, 113, 120, 113, 90}, {-100, -50, 0, 50, 100}, 155, {0, 20, 0, 20}, true, Rearm::Heights},
        {"AltStage4-3", SpawnAltStage4BossDirFan3, MoveAltStage4BossDirFan3, AltStage4BossDirFan3Shots, 50, 5, &AltStage4BossState,
         std::vector<float>(5, 90), {60, 83, 90, 83, 60}, {-100, -50, 0, 50, 100}, 120, {0, 20, 0, 20}, true, Rearm::Heights},
        {"AltStage5-4", SpawnAltStage5BossDirFan4, MoveAltStage5BossDirFan4, AltStage5BossDirFan4Shots, 50, 5, &AltStage5BossState,
         std::vector<float>(5, 340), {60, 83, 90, 83, 60}, {-100, -50, 0, 50, 100}, 120, {0, 20, 0, 20}, true, Rearm::Heights},
    };
    // clang-format on
    for (const VolleyCase& c : cases) ExpectVolley(c);
}

}  // namespace
