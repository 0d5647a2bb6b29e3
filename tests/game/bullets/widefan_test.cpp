#include "game/bullets/groups.h"
#include "tests/game/bullets/falling_fixture.h"

namespace {

using WideFanTest = FallingTest;

TEST_F(WideFanTest, TenVolleysThenFiftyQuietCalls) {
    Fresh(Stage2BossWideFan1Shots, 50);
    const auto armed = VolleyCalls(EmitStage2BossWideFan1, Stage2BossWideFan1Shots, 50, 5, 310);
    EXPECT_EQ(armed.at(0), (std::vector<int>{10, 160, 310}));
    EXPECT_EQ(armed.at(9), (std::vector<int>{100, 250}));
}

// Only the outer shots drift; arming any shot puts the whole volley back.
TEST_F(WideFanTest, VolleyLeavesTheGunSideBySide) {
    const std::vector<float> y = {50, 73, 80, 73, 50};
    auto gun = [](float x) { return std::vector<float>{x - 44, x - 22, x, x + 22, x + 44}; };
    const bullets::Box box{10, 30, 20, 30};
    // clang-format off
    const VolleyCase cases[] = {
        {"AltStage4-1", SpawnAltStage4BossWideFan1, MoveAltStage4BossWideFan1, AltStage4BossWideFan1Shots, 50, 5, &AltStage4BossState, gun(120), y, {-200, 0, 0, 0, 200}, 180, box, true, Rearm::Whole},
        {"AltStage4-2", SpawnAltStage4BossWideFan2, MoveAltStage4BossWideFan2, AltStage4BossWideFan2Shots, 50, 5, &AltStage4BossState, gun(320), y, {-100, 0, 0, 0, 100}, 180, box, true, Rearm::Whole},
        {"Stage2-2",    SpawnStage2BossWideFan2,    MoveStage2BossWideFan2,    Stage2BossWideFan2Shots,    50, 5, &Stage2BossState,    gun(360), y, {-100, 0, 0, 0, 100}, 180, box, true, Rearm::Whole},
    };
    // clang-format on
    for (const VolleyCase& c : cases) ExpectVolley(c);
}

}  // namespace
