#include "game/bullets/groups.h"
#include "tests/game/bullets/falling_fixture.h"

namespace {

using SlantFanTest = FallingTest;

TEST_F(SlantFanTest, VolleysComeDueOnTheirTicks) {
    Fresh(Stage1BossSlantFan2Shots, 30);
    Fresh(Stage2BossSlantFan1Shots, 30);
    const auto first = VolleyCalls(EmitStage1BossSlantFan2, Stage1BossSlantFan2Shots, 30, 3, 900);
    EXPECT_EQ(first.at(0), (std::vector<int>{60, 860}));
    EXPECT_EQ(first.at(9), (std::vector<int>{600}));
    const auto second = VolleyCalls(EmitStage2BossSlantFan1, Stage2BossSlantFan1Shots, 30, 3, 460);
    EXPECT_EQ(second.at(0), (std::vector<int>{20, 250}));
    EXPECT_EQ(second.at(4), (std::vector<int>{100, 330}));
    EXPECT_EQ(second.at(5), (std::vector<int>{140, 370}));
}

// Each lane drifts three times its step per Move; the bomb spares them.
TEST_F(SlantFanTest, VolleysOpenIntoSlantingLines) {
    // clang-format off
    const VolleyCase cases[] = {
        {"Stage1-1", SpawnStage1BossSlantFan1, MoveStage1BossSlantFan1, Stage1BossSlantFan1Shots, 30, 3, &Stage1BossState,
         {90, 90, 90}, {90, 113, 120}, {30, 60, 90}, 120, {10, 30, 20, 30}, false, Rearm::Heights},
        {"Stage2-2", SpawnStage2BossSlantFan2, MoveStage2BossSlantFan2, Stage2BossSlantFan2Shots, 30, 3, &Stage2BossState,
         {350, 350, 350}, {90, 113, 120}, {-30, -105, -165}, 190, {0, 20, 0, 20}, false, Rearm::Heights},
    };
    // clang-format on
    for (const VolleyCase& c : cases) ExpectVolley(c);
}

}  // namespace
