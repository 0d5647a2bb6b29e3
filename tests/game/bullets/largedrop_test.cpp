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

struct DropCase {
    const char* name;
    void (*spawn)(int32_t);
    void (*move)(int32_t);
    DropShot* shots;
    BossState* boss;
    float offX, offY, vx, vy, loX, loY;
};

TEST_F(LargeDropTest, BulletsFallSlantRetireAndHit) {
    // clang-format off
    const DropCase cases[] = {
        {"Stage1-2", SpawnStage1BossLargeDrop2, MoveStage1BossLargeDrop2, Stage1BossLargeDrop2Shots, &Stage1BossState, 290, 100, 0,    150, -120, -140},
        {"Stage5-4", SpawnStage5BossLargeDrop4, MoveStage5BossLargeDrop4, Stage5BossLargeDrop4Shots, &Stage5BossState, 342, 30,  -150, 150, -90,  -80},
        {"Stage2-1", SpawnStage2BossLargeDrop1, MoveStage2BossLargeDrop1, Stage2BossLargeDrop1Shots, &Stage2BossState, 190, 126, 0,    143, -90,  -80},
        {"Stage2-9", SpawnStage2BossLargeDrop9, MoveStage2BossLargeDrop9, Stage2BossLargeDrop9Shots, &Stage2BossState, 410, 90,  143,  143, -30,  -20},
    };
    // clang-format on
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.name);
        FrameSeconds = 0.016f;
        Fresh(c.shots, 20);
        Keep(c.boss);
        c.boss->X = 100;
        c.boss->Y = 50;
        c.spawn(4);
        DropShot& r = c.shots[4];
        EXPECT_EQ(r.active, 1u);
        EXPECT_FLOAT_EQ(r.x, 100 + c.offX);
        EXPECT_FLOAT_EQ(r.y, 50 + c.offY);
        r.vx = c.vx == 0 ? 7.0f : 0.0f;  // a straight group never writes vx
        c.move(0);
        EXPECT_FLOAT_EQ(r.y, 50 + c.offY + c.vy * 0.016f);
        EXPECT_FLOAT_EQ(r.x, 100 + c.offX + c.vx * 0.016f);
        EXPECT_FLOAT_EQ(r.vx, c.vx == 0 ? 7.0f : c.vx);
        ExpectBox(r, {c.loX, 30, c.loY, 30}, [&] { c.move(0); });
        r.x = 5000;  // far off to the side: only y retires it
        ExpectBottom(r, [&] { c.move(0); });
        c.spawn(4);
        BombActive = 1;
        c.move(0);
        EXPECT_EQ(r.active, 0u);
        BombActive = 0;
    }
}

}  // namespace
