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
    EXPECT_EQ(second.at(9), (std::vector<int>{220, 450}));
}

struct SlantCase {
    const char* name;
    void (*spawn)(uint32_t, uint32_t);
    void (*move)(int32_t);
    DropShot* shots;
    BossState* boss;
    float offX, lanes[3], fall;
    bullets::Box box;
};

TEST_F(SlantFanTest, LanesDriftThreeStepsPerMoveAndIgnoreTheBomb) {
    // clang-format off
    const SlantCase cases[] = {
        {"Stage1-1", SpawnStage1BossSlantFan1, MoveStage1BossSlantFan1, Stage1BossSlantFan1Shots, &Stage1BossState, 90,  {30, 60, 90},      120, {10, 30, 20, 30}},
        {"Stage2-2", SpawnStage2BossSlantFan2, MoveStage2BossSlantFan2, Stage2BossSlantFan2Shots, &Stage2BossState, 350, {-30, -105, -165}, 190, {0, 20, 0, 20}},
    };
    // clang-format on
    for (const SlantCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh(c.shots, 30);
        Keep(c.boss);
        c.boss->X = 100;
        c.boss->Y = 0;
        for (uint32_t i = 3; i < 6; ++i) c.spawn(i, 3);
        const float heights[3] = {90, 113, 120};
        for (int l = 0; l < 3; ++l) EXPECT_FLOAT_EQ(c.shots[3 + l].y, heights[l]);
        FrameSeconds = 1.0f / 60;
        for (int f = 0; f < 60; ++f) c.move(0);
        for (int l = 0; l < 3; ++l) {
            EXPECT_NEAR(c.shots[3 + l].x, 100 + c.offX + c.lanes[l], 0.01);
            EXPECT_NEAR(c.shots[3 + l].y, heights[l] + c.fall, 0.01);
        }
        // Arming a free lane lifts the flying ones back to their heights, x kept.
        bullets::Park(c.shots[4]);
        const float x3 = c.shots[3].x;
        c.spawn(4, 3);
        EXPECT_FLOAT_EQ(c.shots[3].y, 90);
        EXPECT_FLOAT_EQ(c.shots[3].x, x3);
        EXPECT_FLOAT_EQ(c.shots[4].x, 100 + c.offX);
        BombActive = 1;
        c.move(0);
        EXPECT_EQ(ActiveCount(c.shots, 30), 3);
        BombActive = 0;
        ExpectBox(c.shots[5], c.box, [&] { c.move(0); });
        ExpectBottom(c.shots[5], [&] { c.move(0); });
    }
}

}  // namespace
