#include "game/bullets/groups.h"
#include "tests/game/bullets/falling_fixture.h"

namespace {

using FanTest = FallingTest;

TEST_F(FanTest, VolleysComeDueOncePerCycle) {
    Fresh(Stage5BossFan1Shots, 50);
    Fresh(AltStage2BossFan3Shots, 50);
    Fresh(Stage3BossFan1Shots, 50);
    const auto even = VolleyCalls(EmitStage5BossFan1, Stage5BossFan1Shots, 50, 5, 400);
    EXPECT_EQ(even.at(0), (std::vector<int>{30, 390}));
    EXPECT_EQ(even.at(9), (std::vector<int>{300}));
    const auto bursts = VolleyCalls(EmitAltStage2BossFan3, AltStage2BossFan3Shots, 50, 5, 400);
    EXPECT_EQ(bursts.at(2), (std::vector<int>{30, 200, 370}));
    EXPECT_EQ(bursts.at(3), (std::vector<int>{60, 230, 400}));
    EXPECT_EQ(bursts.at(9), (std::vector<int>{140, 310}));
    const auto runs = VolleyCalls(EmitStage3BossFan1, Stage3BossFan1Shots, 50, 5, 400);
    EXPECT_EQ(runs.at(7), (std::vector<int>{100, 250, 400}));
    EXPECT_EQ(runs.at(8), (std::vector<int>{120, 270}));
}

// Lanes move sideways at the spread plus the group's sweep.
TEST_F(FanTest, VolleysLeaveOnTheArcAndSpread) {
    const std::vector<float> arc = {0, 23, 30, 23, 0};
    auto at = [](float x) { return std::vector<float>(5, x); };
    auto arcAt = [&](float top) {
        std::vector<float> y;
        for (float a : arc) y.push_back(top + a);
        return y;
    };
    const bullets::Box box{10, 30, 20, 30};
    // clang-format off
    const VolleyCase cases[] = {
        {"AltStage2-1", SpawnAltStage2BossFan1, MoveAltStage2BossFan1, AltStage2BossFan1Shots, 50, 5, &AltStage2BossState, at(210), arcAt(170), {-80, -40, 0, 40, 80},       176, box, true, Rearm::Heights},
        {"AltStage2-2", SpawnAltStage2BossFan2, MoveAltStage2BossFan2, AltStage2BossFan2Shots, 50, 5, &AltStage2BossState, at(150), arcAt(90),  {-10, 40, 90, 140, 190},     100, box, true, Rearm::Heights},
        {"AltStage2-5", SpawnAltStage2BossFan5, MoveAltStage2BossFan5, AltStage2BossFan5Shots, 50, 5, &AltStage2BossState, at(330), arcAt(50),  {-145, -95, -45, 5, 55},     180, box, true, Rearm::Heights},
        {"Stage5-1",    SpawnStage5BossFan1,    MoveStage5BossFan1,    Stage5BossFan1Shots,    50, 5, &Stage5BossState,    at(220), arcAt(110), {-100, -50, 0, 50, 100},     230, box, true, Rearm::Heights},
        {"Stage3-5",    SpawnStage3BossFan5,    MoveStage3BossFan5,    Stage3BossFan5Shots,    50, 5, &Stage3BossState,    at(270), arcAt(60),  {-190, -140, -90, -40, 10},  110, box, true, Rearm::Heights},
        {"Stage4-1",    SpawnStage4BossFan1,    MoveStage4BossFan1,    Stage4BossFan1Shots,    50, 5, &Stage4BossState,    at(160), arcAt(60),  {0, 50, 100, 150, 200},      120, box, true, Rearm::Heights},
    };
    // clang-format on
    for (const VolleyCase& c : cases) ExpectVolley(c);
}

TEST_F(FanTest, IndicesOutsideTheArrayArmNothing) {
    Fresh(Stage2BossFan1Shots, 50);
    SpawnStage2BossFan1(-1);
    SpawnStage2BossFan1(50);
    SpawnStage2BossFan1(49u, 46u);  // a volley that would run past the end
    SpawnStage2BossFan1(60u, 0u);
    EXPECT_EQ(ActiveCount(Stage2BossFan1Shots, 50), 0);
    Stage2BossFan1Shots[0].x = 1e30f;  // far beyond the int range: clipped away
    DrawStage2BossFan1(0);
}

}  // namespace
