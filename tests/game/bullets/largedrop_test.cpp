#include "game/bullets/groups.h"
#include "tests/game/bullets/falling_fixture.h"

namespace {

using LargeDropTest = FallingTest;

// One bullet every 10 calls; the counters restart at 10 on reaching 200,
// which arms record 0 on that call; record 19 never fires.
TEST_F(LargeDropTest, OneBulletEveryTenCallsInA190CallCycle) {
    Fresh(Stage2BossLargeDrop5Shots, 20);
    const auto armed = VolleyCalls(EmitStage2BossLargeDrop5, Stage2BossLargeDrop5Shots, 20, 1, 400);
    EXPECT_EQ(armed.at(0), (std::vector<int>{10, 200, 390}));
    EXPECT_EQ(armed.at(1), (std::vector<int>{20, 210, 400}));
    EXPECT_EQ(armed.at(18), (std::vector<int>{190, 380}));
    EXPECT_EQ(armed.count(19), 0u);
    EXPECT_EQ(Stage2BossLargeDrop5Shots[0].counter, 20u);
}

TEST_F(LargeDropTest, BulletsFallOrSlantAndHitInTheirLargeBoxes) {
    // clang-format off
    const VolleyCase cases[] = {
        {"Stage1-2", SpawnStage1BossLargeDrop2, MoveStage1BossLargeDrop2, Stage1BossLargeDrop2Shots, 20, 1, &Stage1BossState, {290}, {100}, {0},    150, {-120, 30, -140, 30}, true, Rearm::None},
        {"Stage5-4", SpawnStage5BossLargeDrop4, MoveStage5BossLargeDrop4, Stage5BossLargeDrop4Shots, 20, 1, &Stage5BossState, {342}, {30},  {-150}, 150, {-90, 30, -80, 30},   true, Rearm::None},
        {"Stage2-1", SpawnStage2BossLargeDrop1, MoveStage2BossLargeDrop1, Stage2BossLargeDrop1Shots, 20, 1, &Stage2BossState, {190}, {126}, {0},    143, {-90, 30, -80, 30},   true, Rearm::None},
        {"Stage2-9", SpawnStage2BossLargeDrop9, MoveStage2BossLargeDrop9, Stage2BossLargeDrop9Shots, 20, 1, &Stage2BossState, {410}, {90},  {143},  143, {-30, 30, -20, 30},   true, Rearm::None},
    };
    // clang-format on
    for (const VolleyCase& c : cases) ExpectVolley(c);
    // A straight group never writes vx; a slanting one stores its own.
    EXPECT_FLOAT_EQ(Stage1BossLargeDrop2Shots[1].vx, 0);
    EXPECT_FLOAT_EQ(Stage5BossLargeDrop4Shots[1].vx, -150);
}

}  // namespace
