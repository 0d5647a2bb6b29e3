#include "game/bullets/groups.h"
#include "tests/game/bullets/falling_fixture.h"

namespace {

using TwinShotTest = FallingTest;

struct ScheduleCase {
    const char* name;
    void (*emit)(int32_t);
    DropShot* shots;
    std::map<int, std::vector<int>> expected;  // over 320 calls
};

TEST_F(TwinShotTest, SchedulesArmEachPairOncePerCycle) {
    // clang-format off
    const std::map<int, std::vector<int>> s = {{0, {10, 160, 310}}, {1, {20, 170, 320}}, {2, {30, 180}}, {3, {70, 220}},
                                               {4, {80, 230}}, {5, {90, 240}}, {6, {130, 280}}, {7, {140, 290}}};
    auto sWrap = s;  // pair 8 on the call that wraps the counters to 0
    sWrap[8] = {150, 300};
    const std::map<int, std::vector<int>> l = {{0, {10, 150, 290}}, {1, {20, 160, 300}}, {2, {30, 170, 310}}, {3, {40, 180, 320}},
                                               {4, {50, 190}}, {5, {80, 220}}, {6, {90, 230}}, {7, {100, 240}}, {8, {110, 250}}, {9, {120, 260}}};
    const ScheduleCase cases[] = {
        {"S",        EmitSzak51TwinShot1,     Szak51TwinShot1Shots,     s},
        {"S boss",   EmitStage1BossTwinShot2, Stage1BossTwinShot2Shots, s},
        {"S wrap",   EmitStage2BossTwinShot1, Stage2BossTwinShot1Shots, sWrap},
        {"L",        EmitStage5BossTwinShot1, Stage5BossTwinShot1Shots, l},
        {"L boss 2", EmitStage2BossTwinShot4, Stage2BossTwinShot4Shots, l},
    };
    // clang-format on
    for (const ScheduleCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh(c.shots, 20);
        EXPECT_EQ(VolleyCalls(c.emit, c.shots, 20, 2, 320), c.expected);
    }
}

TEST_F(TwinShotTest, PairInFlightSkipsItsTurn) {
    Fresh(Stage3BossTwinShot1Shots, 20);
    for (int call = 0; call < 10; ++call) EmitStage3BossTwinShot1(0);
    Stage3BossTwinShot1Shots[0].y = 123;
    for (int call = 10; call < 150; ++call) EmitStage3BossTwinShot1(0);
    EXPECT_FLOAT_EQ(Stage3BossTwinShot1Shots[0].y, 123);
    EXPECT_EQ(Stage3BossTwinShot1Shots[0].counter, 10u);
}

TEST_F(TwinShotTest, PairsFallFromTheGunsAndHitInTheirBox) {
    Keep(&Szak52CState);
    // clang-format off
    const VolleyCase cases[] = {
        {"Stage1-4", SpawnStage1BossTwinShot4, MoveStage1BossTwinShot4, Stage1BossTwinShot4Shots, 20, 2, &Stage1BossState, {75, 345},  {150, 150}, {0, 0},      200, {10, 30, 20, 30},  true, Rearm::None},
        {"Stage5-1", SpawnStage5BossTwinShot1, MoveStage5BossTwinShot1, Stage5BossTwinShot1Shots, 20, 2, &Stage5BossState, {113, 307}, {200, 200}, {0, 0},      200, {-10, 30, 0, 30},  true, Rearm::None},
        {"Stage3-3", SpawnStage3BossTwinShot3, MoveStage3BossTwinShot3, Stage3BossTwinShot3Shots, 20, 2, &Stage3BossState, {80, 320},  {180, 180}, {-20, 20},   200, {-10, 30, 0, 30},  true, Rearm::None},
        {"Stage2-2", SpawnStage2BossTwinShot2, MoveStage2BossTwinShot2, Stage2BossTwinShot2Shots, 20, 2, &Stage2BossState, {150, 310}, {130, 130}, {-120, 120}, 250, {0, 20, 0, 20},    true, Rearm::None},
    };
    // clang-format on
    for (const VolleyCase& c : cases) ExpectVolley(c);
    // An enemy's pair: arming one shot places both x, and only its own y.
    Fresh(Szak52CTwinShot2Shots, 20);
    Szak52CState.x = 100;
    Szak52CState.y = 40;
    SpawnSzak52CTwinShot2(7, 6);
    EXPECT_FLOAT_EQ(Szak52CTwinShot2Shots[6].x, 140);
    EXPECT_FLOAT_EQ(Szak52CTwinShot2Shots[7].x, 220);
    EXPECT_FLOAT_EQ(Szak52CTwinShot2Shots[7].y, 170);
    EXPECT_FLOAT_EQ(Szak52CTwinShot2Shots[6].y, 2550);
    EXPECT_EQ(Szak52CTwinShot2Shots[6].active, 0u);
    FrameSeconds = 0.5f;
    MoveSzak52CTwinShot2(0);  // the wide pair: parked shots drift as well
    EXPECT_FLOAT_EQ(Szak52CTwinShot2Shots[6].x, 80);
    EXPECT_FLOAT_EQ(Szak52CTwinShot2Shots[7].x, 280);
    EXPECT_FLOAT_EQ(Szak52CTwinShot2Shots[7].y, 295);
}

}  // namespace
