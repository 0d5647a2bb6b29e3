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

struct WideCase {
    const char* name;
    void (*spawn)(uint32_t, uint32_t);
    void (*move)(int32_t);
    DropShot* shots;
    BossState* boss;
    float gunX, drift;
};

TEST_F(WideFanTest, VolleyLeavesTheGunAndOnlyTheOuterShotsDrift) {
    // clang-format off
    const WideCase cases[] = {
        {"AltStage4-1", SpawnAltStage4BossWideFan1, MoveAltStage4BossWideFan1, AltStage4BossWideFan1Shots, &AltStage4BossState, 120, 200},
        {"AltStage4-2", SpawnAltStage4BossWideFan2, MoveAltStage4BossWideFan2, AltStage4BossWideFan2Shots, &AltStage4BossState, 320, 100},
        {"Stage2-1",    SpawnStage2BossWideFan1,    MoveStage2BossWideFan1,    Stage2BossWideFan1Shots,    &Stage2BossState,    120, 100},
        {"Stage2-2",    SpawnStage2BossWideFan2,    MoveStage2BossWideFan2,    Stage2BossWideFan2Shots,    &Stage2BossState,    360, 100},
    };
    // clang-format on
    const float slotX[5] = {-44, -22, 0, 22, 44}, slotY[5] = {50, 73, 80, 73, 50};
    for (const WideCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh(c.shots, 50);
        Keep(c.boss);
        c.boss->X = 100;
        c.boss->Y = 10;
        c.spawn(10, 10);  // one record armed places the whole volley
        EXPECT_EQ(ActiveCount(c.shots, 50), 1);
        for (int l = 0; l < 5; ++l) {
            EXPECT_FLOAT_EQ(c.shots[10 + l].x, 100 + c.gunX + slotX[l]);
            EXPECT_FLOAT_EQ(c.shots[10 + l].y, 10 + slotY[l]);
        }
        for (uint32_t i = 11; i < 15; ++i) c.spawn(i, 10);
        FrameSeconds = 0.5f;
        c.move(0);
        const float drift[5] = {-c.drift, 0, 0, 0, c.drift};
        for (int l = 0; l < 5; ++l) {
            EXPECT_FLOAT_EQ(c.shots[10 + l].x, 100 + c.gunX + slotX[l] + drift[l] * 0.5f);
            EXPECT_FLOAT_EQ(c.shots[10 + l].y, 10 + slotY[l] + 90);
        }
        // A shot in flight jumps back to its place when another is armed.
        bullets::Park(c.shots[12]);
        c.spawn(12, 10);
        EXPECT_FLOAT_EQ(c.shots[14].x, 100 + c.gunX + 44);
        EXPECT_FLOAT_EQ(c.shots[14].y, 10 + 50);
        ExpectBox(c.shots[11], {10, 30, 20, 30}, [&] { c.move(0); });
        ExpectBottom(c.shots[11], [&] { c.move(0); });
        BombActive = 1;
        c.move(0);
        EXPECT_EQ(ActiveCount(c.shots, 50), 0);
        BombActive = 0;
    }
}

}  // namespace
