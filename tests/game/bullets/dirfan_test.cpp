#include "game/bullets/groups.h"
#include "tests/game/bullets/falling_fixture.h"

namespace {

using DirFanTest = FallingTest;

TEST_F(DirFanTest, VolleysComeDueOnTheirTicks) {
    Fresh(Stage1BossDirFan1Shots, 35);
    const auto sevens = VolleyCalls(EmitStage1BossDirFan1, Stage1BossDirFan1Shots, 35, 7, 300);
    EXPECT_EQ(sevens, (std::map<int, std::vector<int>>{
                          {0, {25, 165}}, {1, {50, 190}}, {2, {75, 215}}, {3, {100, 240}}, {4, {125, 265}}}));
    // A window of 101 calls fires the ten volleys and leaves the counter at 101.
    Fresh(Stage4BossDirFan1Shots, 50);
    const auto window = VolleyCalls(EmitStage4BossDirFan1, Stage4BossDirFan1Shots, 50, 5, 101);
    EXPECT_EQ(window.size(), 10u);
    EXPECT_EQ(window.at(9), (std::vector<int>{100}));
    EXPECT_EQ(Stage4BossDirFan1Shots[49].counter, 101u);
    Fresh(Stage2BossDirFan4Shots, 50);
    const auto runs = VolleyCalls(EmitStage2BossDirFan4, Stage2BossDirFan4Shots, 50, 5, 300);
    EXPECT_EQ(runs.at(4), (std::vector<int>{100}));
    EXPECT_EQ(runs.at(0), (std::vector<int>{10, 270}));
}

struct DirCase {
    const char* name;
    void (*spawn)(uint32_t, uint32_t);
    void (*move)(int32_t);
    DropShot* shots;
    int volley;
    BossState* boss;
    float offX;
    float heights[7];
    float sideways[7];  // px/s per lane
    float fall;
    bullets::Box box;
};

TEST_F(DirFanTest, VolleysLeaveOnTheArcAndSpreadByLane) {
    // clang-format off
    const DirCase cases[] = {
        {"Stage1",      SpawnStage1BossDirFan1,    MoveStage1BossDirFan1,    Stage1BossDirFan1Shots,    7, &Stage1BossState,    200,
         {154, 183, 194, 200, 194, 183, 154}, {-210, -140, -70, 0, 70, 140, 210}, 200, {-10, 30, 0, 30}},
        {"Stage4-1",    SpawnStage4BossDirFan1,    MoveStage4BossDirFan1,    Stage4BossDirFan1Shots,    5, &Stage4BossState,    170,
         {90, 113, 120, 113, 90}, {-100, -50, 0, 50, 100}, 155, {0, 20, 0, 20}},
        {"AltStage4-3", SpawnAltStage4BossDirFan3, MoveAltStage4BossDirFan3, AltStage4BossDirFan3Shots, 5, &AltStage4BossState, 90,
         {60, 83, 90, 83, 60}, {-100, -50, 0, 50, 100}, 120, {0, 20, 0, 20}},
        {"AltStage5-4", SpawnAltStage5BossDirFan4, MoveAltStage5BossDirFan4, AltStage5BossDirFan4Shots, 5, &AltStage5BossState, 340,
         {60, 83, 90, 83, 60}, {-100, -50, 0, 50, 100}, 120, {0, 20, 0, 20}},
    };
    // clang-format on
    for (const DirCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int count = c.volley * (c.volley == 7 ? 5 : 10);
        Fresh(c.shots, count);
        Keep(c.boss);
        c.boss->X = 100;
        c.boss->Y = 10;
        const uint32_t first = static_cast<uint32_t>(c.volley);  // volley 1
        for (int l = 0; l < c.volley; ++l) c.spawn(first + l, first);
        FrameSeconds = 0.5f;
        c.move(0);
        for (int l = 0; l < c.volley; ++l) {
            EXPECT_NEAR(c.shots[first + l].x, 100 + c.offX + c.sideways[l] * 0.5f, 1e-3);
            EXPECT_FLOAT_EQ(c.shots[first + l].y, 10 + c.heights[l] + c.fall * 0.5f);
        }
        EXPECT_NEAR(c.shots[0].x, -500 + c.sideways[0] * 0.5f, 1e-3);  // free records drift too
        bullets::Park(c.shots[first]);
        const float x1 = c.shots[first + 1].x;
        c.spawn(first, first);
        EXPECT_FLOAT_EQ(c.shots[first + 1].y, 10 + c.heights[1]);
        EXPECT_FLOAT_EQ(c.shots[first + 1].x, x1);
        ExpectBox(c.shots[first + 1], c.box, [&] { c.move(0); });
        ExpectBottom(c.shots[first + 1], [&] { c.move(0); });
        BombActive = 1;
        c.move(0);
        EXPECT_EQ(ActiveCount(c.shots, count), 0);
        BombActive = 0;
    }
}

}  // namespace
