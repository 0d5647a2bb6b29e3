#include "game/bullets/groups.h"
#include "tests/game/bullets/falling_fixture.h"

namespace {

using SmallShotTest = FallingTest;

// One shot per enemy slot: spawn point, fall speed range, drift, bomb test,
// the y edge of the player box.
struct SlotCase {
    const char* name;
    void (*spawn)(int32_t);
    void (*move)(int32_t);
    DropShot* shots;
    EnemySlot40* owner;
    int count;
    float offX, offY, vyLo, vyHi, drift;
    bool bomb;
    float hitLoY;
};

TEST_F(SmallShotTest, SlotShotsArmFallDriftRetireAndHit) {
    // clang-format off
    const SlotCase cases[] = {
        {"Szak9-1",   SpawnSzak9SmallShot1,   MoveSzak9SmallShot1,   Szak9SmallShot1Shots,   Szak9Slots, 3,   22, 50, 140, 209, 0,   true,  24},
        {"Szak9-2",   SpawnSzak9SmallShot2,   MoveSzak9SmallShot2,   Szak9SmallShot2Shots,   Szak9Slots, 3,   22, 50, 150, 150, -20, true,  24},
        {"Szak12-5",  SpawnSzak12SmallShot5,  MoveSzak12SmallShot5,  Szak12SmallShot5Shots,  Szak12Slots, 3,  32, 70, 100, 149, 46,  true,  24},
        {"Szak52A-4", SpawnSzak52ASmallShot4, MoveSzak52ASmallShot4, Szak52ASmallShot4Shots, Szak52ASlots, 1, 112, 50, 96,  96, -20, false, 24},
        {"Szak21A-5", SpawnSzak21ASmallShot5, MoveSzak21ASmallShot5, Szak21ASmallShot5Shots, Szak21ASlots, 3, 42, 30, 130, 130, 40,  false, 20},
    };
    // clang-format on
    for (const SlotCase& c : cases) {
        SCOPED_TRACE(c.name);
        FrameSeconds = 0.016f;
        Fresh(c.shots, c.count);
        Keep(&c.owner[0]);
        c.owner[0].x = 100;
        c.owner[0].y = 200;
        c.spawn(0);
        DropShot& r = c.shots[0];
        ASSERT_EQ(r.active, 1u);
        EXPECT_FLOAT_EQ(r.x, 100 + c.offX);
        EXPECT_FLOAT_EQ(r.y, 200 + c.offY);
        EXPECT_GE(r.vy, c.vyLo);
        EXPECT_LE(r.vy, c.vyHi);
        const float vy = r.vy;
        c.move(0);
        EXPECT_FLOAT_EQ(r.y, 200 + c.offY + vy * 0.016f);
        EXPECT_NEAR(r.x, 100 + c.offX + c.drift * 0.016f, 1e-4);
        // A shot in flight is not re-armed.
        c.owner[0].x = 300;
        c.spawn(0);
        EXPECT_NEAR(r.x, 100 + c.offX + c.drift * 0.016f, 1e-4);
        ExpectBox(r, {14, 30, c.hitLoY, 30}, [&] { c.move(0); });
        // Strict bounds: y 600 and y + 16 = 0 stay.
        ExpectBottom(r, [&] { c.move(0); });
        c.spawn(0);
        FrameSeconds = 0;
        r.y = -16;
        c.move(0);
        EXPECT_EQ(r.active, 1u);
        r.y = -16.5f;
        c.move(0);
        EXPECT_EQ(r.active, 0u);
        c.spawn(0);
        BombActive = 1;
        c.move(0);
        EXPECT_EQ(r.active, c.bomb ? 0u : 1u);
        BombActive = 0;
    }
}

TEST_F(SmallShotTest, VolleyStepsScaleWithShotsInFlightAndRespawnRegroups) {
    DropShot* v = Szak50BSmallShot1Shots;
    Fresh(v, 4);
    Keep(&Szak50BState);
    Szak50BState.x = 100;
    Szak50BState.y = 50;
    SpawnSzak50BSmallShot1(0);
    const float fx[4] = {220, 220, 160, 160}, fy[4] = {140, 170, 170, 140};
    FrameSeconds = 0.5f;
    MoveSzak50BSmallShot1(0);  // four in flight: 4 x 20 px/s outward
    EXPECT_FLOAT_EQ(v[0].x, fx[0] + 40);
    EXPECT_FLOAT_EQ(v[3].x, fx[3] - 40);
    EXPECT_FLOAT_EQ(v[1].x, fx[1]);
    EXPECT_FLOAT_EQ(v[1].y, fy[1] + 75);
    bullets::Park(v[1]);
    bullets::Park(v[2]);
    MoveSzak50BSmallShot1(0);  // two in flight: 2 x 20 px/s
    EXPECT_FLOAT_EQ(v[0].x, fx[0] + 60);
    SpawnSzak50BSmallShot1(0);  // arming the free pair regroups the flying one
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(v[k].active, 1u);
        EXPECT_FLOAT_EQ(v[k].x, fx[k]);
        EXPECT_FLOAT_EQ(v[k].y, fy[k]);
    }
    v[0].y = -400;  // no top bound
    ExpectBottom(v[1], [] { MoveSzak50BSmallShot1(0); });
    ExpectBox(v[2], {10, 30, 20, 30}, [] { MoveSzak50BSmallShot1(0); });
    BombActive = 1;
    MoveSzak50BSmallShot1(0);
    EXPECT_EQ(ActiveCount(v, 4), 0);
}

// A stage-1 boss fan: every Move applies each step once per record.
TEST_F(SmallShotTest, BossFanDriftsByGroupSizeTimesStep) {
    DropShot* pair = AltStage2BossSmallShot1Shots;
    DropShot* four = AltStage2BossSmallShot5Shots;
    Fresh(pair, 2);
    Fresh(four, 4);
    Keep(&AltStage2BossState);
    AltStage2BossState.X = 180;
    AltStage2BossState.Y = 0;
    SpawnAltStage2BossSmallShot1(0);
    SpawnAltStage2BossSmallShot5(0);
    EXPECT_FLOAT_EQ(pair[1].x, 392);
    EXPECT_FLOAT_EQ(four[3].x, 412);
    FrameSeconds = 1;
    MoveAltStage2BossSmallShot1(0);
    MoveAltStage2BossSmallShot5(0);
    EXPECT_FLOAT_EQ(pair[1].x - pair[0].x, 80);
    EXPECT_FLOAT_EQ(pair[0].y, 340);
    EXPECT_FLOAT_EQ(four[3].x, 412 + 120);
    EXPECT_FLOAT_EQ(four[0].x, 412 - 68);
    bullets::Park(pair[0]);  // a free record drifts but does not fall
    MoveAltStage2BossSmallShot1(0);
    EXPECT_FLOAT_EQ(pair[0].x, -540);
    EXPECT_FLOAT_EQ(pair[0].y, 2550);
    ExpectBox(four[0], {14, 30, 24, 30}, [] { MoveAltStage2BossSmallShot5(0); });
    ExpectBottom(four[0], [] { MoveAltStage2BossSmallShot5(0); });
}

// Boss clusters: shape, base and drift once per Move.
struct ClusterCase {
    const char* name;
    void (*spawn)(int32_t);
    void (*move)(int32_t);
    DropShot* shots;
    BossState* boss;
    int count;
    float offX, offY, fall;
    float drift[4];
};

TEST_F(SmallShotTest, ClustersArmAtOneShapePointAndOpen) {
    // clang-format off
    const ClusterCase cases[] = {
        {"Stage5-1",    SpawnStage5BossSmallShot1,    MoveStage5BossSmallShot1,    Stage5BossSmallShot1Shots,    &Stage5BossState,    2, 222, 200, 140, {-30, 30}},
        {"Stage3-5",    SpawnStage3BossSmallShot5,    MoveStage3BossSmallShot5,    Stage3BossSmallShot5Shots,    &Stage3BossState,    3, 162, 150, 120, {-39, 0, 39}},
        {"Stage4-8",    SpawnStage4BossSmallShot8,    MoveStage4BossSmallShot8,    Stage4BossSmallShot8Shots,    &Stage4BossState,    3, 262, 110, 120, {-39, 0, 39}},
        {"AltStage4-3", SpawnAltStage4BossSmallShot3, MoveAltStage4BossSmallShot3, AltStage4BossSmallShot3Shots, &AltStage4BossState, 2, 242, 110, 140, {-30, 30}},
        {"AltStage5-9", SpawnAltStage5BossSmallShot9, MoveAltStage5BossSmallShot9, AltStage5BossSmallShot9Shots, &AltStage5BossState, 4, 232, 200, 110, {-28, 28, -80, 80}},
    };
    // clang-format on
    for (const ClusterCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh(c.shots, c.count);
        Keep(c.boss);
        c.boss->X = 10;
        c.boss->Y = 20;
        c.spawn(0);
        FrameSeconds = 1;
        c.move(0);
        for (int i = 0; i < c.count; ++i) {
            EXPECT_EQ(c.shots[i].active, 1u);
            EXPECT_FLOAT_EQ(c.shots[i].x, 10 + c.offX + c.drift[i]);
            EXPECT_FLOAT_EQ(c.shots[i].y, 20 + c.offY + c.fall);
        }
        ExpectBottom(c.shots[1], [&] { c.move(0); });
        BombActive = 1;
        c.move(0);
        EXPECT_EQ(ActiveCount(c.shots, c.count), 0);
        BombActive = 0;
    }
}

// Strips advance on free records too and come back to 0 at their end.
TEST_F(SmallShotTest, AnimatedFramesCycleOnFreeRecords) {
    Fresh(Szak60SmallShot1Shots, 6);
    Fresh(Stage2BossSmallShot1Shots, 2);
    Szak60SmallShot1Shots[0].frame = 6;
    Szak60SmallShot1Shots[1].frame = 8;  // left beyond the 7 cells by the reset
    Stage2BossSmallShot1Shots[0].frame = 15;
    DrawSzak60SmallShot1(0);
    DrawStage2BossSmallShot1(0);
    EXPECT_EQ(Szak60SmallShot1Shots[0].frame, 0u);
    EXPECT_EQ(Szak60SmallShot1Shots[1].frame, 0u);
    EXPECT_EQ(Szak60SmallShot1Shots[2].frame, 1u);
    EXPECT_EQ(Stage2BossSmallShot1Shots[0].frame, 0u);
    EXPECT_EQ(Stage2BossSmallShot1Shots[1].frame, 1u);
}

}  // namespace
