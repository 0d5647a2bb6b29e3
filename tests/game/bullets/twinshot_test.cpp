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
    const ScheduleCase cases[] = {
        // S: wrap 150, pairs 8 and 9 never come due.
        {"S", EmitSzak51TwinShot1, Szak51TwinShot1Shots,
         {{0, {10, 160, 310}}, {1, {20, 170, 320}}, {2, {30, 180}}, {3, {70, 220}}, {4, {80, 230}},
          {5, {90, 240}}, {6, {130, 280}}, {7, {140, 290}}}},
        {"S boss", EmitStage1BossTwinShot2, Stage1BossTwinShot2Shots,
         {{0, {10, 160, 310}}, {1, {20, 170, 320}}, {2, {30, 180}}, {3, {70, 220}}, {4, {80, 230}},
          {5, {90, 240}}, {6, {130, 280}}, {7, {140, 290}}}},
        // S with pair 8 on the call that wraps the counters to 0.
        {"S wrap", EmitStage2BossTwinShot1, Stage2BossTwinShot1Shots,
         {{0, {10, 160, 310}}, {1, {20, 170, 320}}, {2, {30, 180}}, {3, {70, 220}}, {4, {80, 230}},
          {5, {90, 240}}, {6, {130, 280}}, {7, {140, 290}}, {8, {150, 300}}}},
        // L: wrap 140, all ten pairs.
        {"L", EmitStage5BossTwinShot1, Stage5BossTwinShot1Shots,
         {{0, {10, 150, 290}}, {1, {20, 160, 300}}, {2, {30, 170, 310}}, {3, {40, 180, 320}}, {4, {50, 190}},
          {5, {80, 220}}, {6, {90, 230}}, {7, {100, 240}}, {8, {110, 250}}, {9, {120, 260}}}},
        {"L boss 2", EmitStage2BossTwinShot4, Stage2BossTwinShot4Shots,
         {{0, {10, 150, 290}}, {1, {20, 160, 300}}, {2, {30, 170, 310}}, {3, {40, 180, 320}}, {4, {50, 190}},
          {5, {80, 220}}, {6, {90, 230}}, {7, {100, 240}}, {8, {110, 250}}, {9, {120, 260}}}},
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

// Gun positions, fall, drift, retire bounds and player box per variant.
struct TwinCase {
    const char* name;
    void (*spawn)(uint32_t, uint32_t);
    void (*move)(int32_t);
    DropShot* shots;
    float* setX;
    float* setY;
    float left, right, gunY, fall, drift;
    bullets::Box box;
};

TEST_F(TwinShotTest, PairsFallFromTheGunsAndHitInTheirBox) {
    Keep(&Szak52CState);
    Keep(&Stage1BossState);
    Keep(&Stage5BossState);
    Keep(&Stage2BossState);
    // clang-format off
    const TwinCase cases[] = {
        {"Szak52C-2", SpawnSzak52CTwinShot2,    MoveSzak52CTwinShot2,    Szak52CTwinShot2Shots, &Szak52CState.x,    &Szak52CState.y,    40,  120, 130, 250, 120, {0, 20, 0, 20}},
        {"Stage1-4",  SpawnStage1BossTwinShot4, MoveStage1BossTwinShot4, Stage1BossTwinShot4Shots, &Stage1BossState.X, &Stage1BossState.Y, 75,  345, 150, 200, 0,   {10, 30, 20, 30}},
        {"Stage5-1",  SpawnStage5BossTwinShot1, MoveStage5BossTwinShot1, Stage5BossTwinShot1Shots, &Stage5BossState.X, &Stage5BossState.Y, 113, 307, 200, 200, 0,   {-10, 30, 0, 30}},
        {"Stage2-2",  SpawnStage2BossTwinShot2, MoveStage2BossTwinShot2, Stage2BossTwinShot2Shots, &Stage2BossState.X, &Stage2BossState.Y, 150, 310, 130, 250, 120, {0, 20, 0, 20}},
        {"Stage2-3",  SpawnStage2BossTwinShot3, MoveStage2BossTwinShot3, Stage2BossTwinShot3Shots, &Stage2BossState.X, &Stage2BossState.Y, 90,  370, 180, 200, 0,   {-10, 30, 0, 30}},
    };
    // clang-format on
    for (const TwinCase& c : cases) {
        SCOPED_TRACE(c.name);
        FrameSeconds = 0.016f;
        Fresh(c.shots, 20);
        *c.setX = 100;
        *c.setY = 40;
        c.spawn(6, 6);
        c.spawn(7, 6);
        EXPECT_FLOAT_EQ(c.shots[6].x, 100 + c.left);
        EXPECT_FLOAT_EQ(c.shots[7].x, 100 + c.right);
        EXPECT_FLOAT_EQ(c.shots[7].y, 40 + c.gunY);
        c.move(0);
        EXPECT_FLOAT_EQ(c.shots[6].y, 40 + c.gunY + c.fall * 0.016f);
        EXPECT_NEAR(c.shots[6].x, 100 + c.left - c.drift * 0.016f, 1e-4);
        EXPECT_NEAR(c.shots[7].x, 100 + c.right + c.drift * 0.016f, 1e-4);
        EXPECT_NEAR(c.shots[0].x, -500 - c.drift * 0.016f, 1e-4);  // parked ones drift too
        ExpectBox(c.shots[6], c.box, [&] { c.move(0); });
        ExpectBottom(c.shots[7], [&] { c.move(0); });
        c.spawn(7, 6);
        BombActive = 1;
        c.move(0);
        EXPECT_EQ(ActiveCount(c.shots, 20), 0);
        BombActive = 0;
    }
}

}  // namespace
