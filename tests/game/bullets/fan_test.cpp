#include "game/bullets/groups.h"
#include "tests/game/bullets/falling_fixture.h"

namespace {

using FanTest = FallingTest;

struct FanScheduleCase {
    const char* name;
    void (*emit)(int32_t);
    DropShot* shots;
    std::map<int, std::vector<int>> expected;  // over 400 calls
};

TEST_F(FanTest, VolleysComeDueOncePerCycle) {
    // clang-format off
    const FanScheduleCase cases[] = {
        {"Stage5-1", EmitStage5BossFan1, Stage5BossFan1Shots,
         {{0, {30, 390}}, {1, {60}}, {2, {90}}, {3, {120}}, {4, {150}}, {5, {180}}, {6, {210}}, {7, {240}}, {8, {270}}, {9, {300}}}},
        {"AltStage2-3", EmitAltStage2BossFan3, AltStage2BossFan3Shots,
         {{0, {10, 180, 350}}, {1, {20, 190, 360}}, {2, {30, 200, 370}}, {3, {60, 230, 400}}, {4, {70, 240}}, {5, {80, 250}},
          {6, {110, 280}}, {7, {120, 290}}, {8, {130, 300}}, {9, {140, 310}}}},
        {"Stage3-1", EmitStage3BossFan1, Stage3BossFan1Shots,
         {{0, {10, 160, 310}}, {1, {20, 170, 320}}, {2, {30, 180, 330}}, {3, {40, 190, 340}}, {4, {50, 200, 350}},
          {5, {80, 230, 380}}, {6, {90, 240, 390}}, {7, {100, 250, 400}}, {8, {120, 270}}, {9, {130, 280}}}},
    };
    // clang-format on
    for (const FanScheduleCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh(c.shots, 50);
        EXPECT_EQ(VolleyCalls(c.emit, c.shots, 50, 5, 400), c.expected);
    }
}

struct FanCase {
    const char* name;
    void (*spawn)(uint32_t, uint32_t);
    void (*move)(int32_t);
    DropShot* shots;
    BossState* boss;
    float offX, arcTop, fall, vx;
    float sideways[5];  // px/s of lanes 0 to 4, spread and sweep together
};

TEST_F(FanTest, VolleysLeaveOnTheArcAndSpread) {
    // clang-format off
    const FanCase cases[] = {
        {"AltStage2-1", SpawnAltStage2BossFan1, MoveAltStage2BossFan1, AltStage2BossFan1Shots, &AltStage2BossState, 210, 170, 176, 0,   {-80, -40, 0, 40, 80}},
        {"AltStage2-2", SpawnAltStage2BossFan2, MoveAltStage2BossFan2, AltStage2BossFan2Shots, &AltStage2BossState, 150, 90,  100, 90,  {-10, 40, 90, 140, 190}},
        {"AltStage2-5", SpawnAltStage2BossFan5, MoveAltStage2BossFan5, AltStage2BossFan5Shots, &AltStage2BossState, 330, 50,  180, 45,  {-145, -95, -45, 5, 55}},
        {"Stage5-1",    SpawnStage5BossFan1,    MoveStage5BossFan1,    Stage5BossFan1Shots,    &Stage5BossState,    220, 110, 230, 0,   {-100, -50, 0, 50, 100}},
        {"Stage3-5",    SpawnStage3BossFan5,    MoveStage3BossFan5,    Stage3BossFan5Shots,    &Stage3BossState,    270, 60,  110, -90, {-190, -140, -90, -40, 10}},
        {"Stage4-1",    SpawnStage4BossFan1,    MoveStage4BossFan1,    Stage4BossFan1Shots,    &Stage4BossState,    160, 60,  120, 100, {0, 50, 100, 150, 200}},
    };
    // clang-format on
    const float arc[5] = {0, 23, 30, 23, 0};
    for (const FanCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh(c.shots, 50);
        Keep(c.boss);
        c.boss->X = 100;
        c.boss->Y = 10;
        for (uint32_t i = 45; i < 50; ++i) c.spawn(i, 45);
        for (int l = 0; l < 5; ++l) {
            EXPECT_FLOAT_EQ(c.shots[45 + l].x, 100 + c.offX);
            EXPECT_FLOAT_EQ(c.shots[45 + l].y, 10 + c.arcTop + arc[l]);
        }
        FrameSeconds = 0.5f;
        c.move(0);
        for (int l = 0; l < 5; ++l) {
            EXPECT_NEAR(c.shots[45 + l].x, 100 + c.offX + c.sideways[l] * 0.5f, 1e-3);
            EXPECT_FLOAT_EQ(c.shots[45 + l].y, 10 + c.arcTop + arc[l] + c.fall * 0.5f);
            EXPECT_FLOAT_EQ(c.shots[45 + l].vx, c.vx);
        }
        // Slot 2 free, the others flying: arming it lifts them to the arc.
        bullets::Park(c.shots[47]);
        const float x48 = c.shots[48].x;
        c.spawn(47, 45);
        EXPECT_FLOAT_EQ(c.shots[48].y, 10 + c.arcTop + 23);
        EXPECT_FLOAT_EQ(c.shots[48].x, x48);
        EXPECT_FLOAT_EQ(c.shots[47].x, 100 + c.offX);
        ExpectBox(c.shots[46], {10, 30, 20, 30}, [&] { c.move(0); });
        ExpectBottom(c.shots[46], [&] { c.move(0); });
        BombActive = 1;
        c.move(0);
        EXPECT_EQ(ActiveCount(c.shots, 50), 0);
        BombActive = 0;
    }
}

TEST_F(FanTest, AnimatedFramesStepOnEveryRecord) {
    Fresh(Stage4BossFan3Shots, 50);
    Stage4BossFan3Shots[0].frame = 23;
    Stage4BossFan3Shots[1].frame = 9;
    DrawStage4BossFan3(0);
    EXPECT_EQ(Stage4BossFan3Shots[0].frame, 0u);
    EXPECT_EQ(Stage4BossFan3Shots[1].frame, 10u);
    Fresh(Stage5BossFan4Shots, 50);  // a still picture keeps its frame word
    Stage5BossFan4Shots[0].frame = 5;
    DrawStage5BossFan4(0);
    EXPECT_EQ(Stage5BossFan4Shots[0].frame, 5u);
}

}  // namespace
