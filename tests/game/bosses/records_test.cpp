#include <gtest/gtest.h>

#include <string>

#include "framework/system/named.h"
#include "game/shell/resets.h"
#include "tests/game/bosses/boss_fixture.h"

namespace {

struct RecordCase {
    BossState* s;
    void (*markHit)();
    float startHealth;
    LockSlot* a;
    LockSlot* b;
    int slots;
};
const RecordCase kRecords[] = {
    {&Stage1BossState, MarkHitStage1Boss, 1020, Stage1BossLockSetA, Stage1BossLockSetB, 4},
    {&AltStage2BossState, MarkHitAltStage2Boss, 600, AltStage2BossLockSetA, AltStage2BossLockSetB, 4},
    {&Stage5BossState, MarkHitStage5Boss, 1500, Stage5BossLockSetA, Stage5BossLockSetB, 6},
    {&Stage3BossState, MarkHitStage3Boss, 800, Stage3BossLockSetA, Stage3BossLockSetB, 4},
    {&Stage4BossState, MarkHitStage4Boss, 1000, Stage4BossLockSetA, Stage4BossLockSetB, 6},
    {&AltStage4BossState, MarkHitAltStage4Boss, 1400, AltStage4BossLockSetA, AltStage4BossLockSetB, 10},
    {&Stage2BossState, MarkHitStage2Boss, 1000, Stage2BossLockSetA, Stage2BossLockSetB, 6},
    {&AltStage5BossState, MarkHitAltStage5Boss, 1220, AltStage5BossLockSetA, AltStage5BossLockSetB, 6},
};

TEST_F(BossTest, ResetsParkEveryBossWithFullHealth) {
    for (const RecordCase& c : kRecords) {
        c.s->AnimFrame = 4;
        c.s->AttackFrame = 99;
        c.s->Emitter[17] = 5;
        c.s->MoveClock = 3;
        c.s->DefeatTimer = 8;
        c.s->Shield = 1;
        c.s->Health = -20;
        c.markHit();
        EXPECT_EQ(c.s->HitFlag, 1u);
        for (int i = 0; i < c.slots; ++i) c.a[i] = c.b[i] = LockSlot{5, 6, 1, 0};
    }
    Stage1BossFlyby = Stage4BossEntryPicture = BossEntryPicture{1, 2, 3};
    Stage3BossBigBlasts[7] = Stage3BossSmallBlasts[5] = DefeatBlast{2, 10, 10};
    ResetGameStateA();
    ResetGameStateB();
    for (const RecordCase& c : kRecords) {
        EXPECT_FLOAT_EQ(c.s->Health, c.startHealth);
        EXPECT_FLOAT_EQ(c.s->X, -500);
        EXPECT_FLOAT_EQ(c.s->Y, 2550);
        EXPECT_EQ(c.s->AnimFrame + c.s->AttackFrame + c.s->Emitter[17] + c.s->Shield, 0u);
        EXPECT_EQ(c.s->MoveClock + c.s->DefeatTimer, 0);
        // Only the first boss's hit flag is cleared by the reset.
        EXPECT_EQ(c.s->HitFlag, c.s == &Stage1BossState ? 0u : 1u);
        for (int i = 0; i < c.slots; ++i) {
            EXPECT_EQ(c.a[i].x, -500);
            EXPECT_EQ(c.b[i].y, 500);
            EXPECT_EQ(c.a[i].locked + c.b[i].locked, 0u);
        }
    }
    EXPECT_FLOAT_EQ(Stage1BossFlyby.y, 2550);
    EXPECT_FLOAT_EQ(Stage4BossEntryPicture.x, -500);
    EXPECT_FLOAT_EQ(Stage4BossEntryPicture.speed, 0);
    EXPECT_EQ(Stage3BossBigBlasts[7].frame, 0u);
    EXPECT_FLOAT_EQ(Stage3BossSmallBlasts[5].y, 2550);
    for (const auto* pool : {UnusedBossPool7A, UnusedBossPool7E})
        for (int i = 0; i < 7; ++i) {
            EXPECT_LT(pool[i].frame, 10u);
            EXPECT_TRUE(pool[i].x >= -50 && pool[i].x <= 49) << pool[i].x;
            EXPECT_TRUE(pool[i].y >= 20 && pool[i].y <= 49) << pool[i].y;
        }
    EXPECT_EQ(UnusedBossPool4C[3].frame, 0u);
}

TEST_F(BossTest, RecordsAreNamedForThePlayDriver) {
    Stage5BossState.Emitter[17] = 23;
    AltStage4BossLockSetB[9].locked = 1;
    for (const char* name : {"Stage1BossState.Health", "AltStage5BossState.DefeatTimer", "Stage2BossState.MoveClock",
                             "Stage4BossEntryPicture.y", "Stage1BossFlyby.speed", "Stage3BossSmallBlasts[5].x",
                             "ImgAltStage2Boss"})
        EXPECT_TRUE(named::Known(name)) << name;
    double v = 0;
    ASSERT_TRUE(named::ReadNumber("Stage5BossState.Emitter17", v));
    EXPECT_EQ(v, 23);
    std::string locked;
    ASSERT_TRUE(named::Read("active:AltStage4BossLockSetB", locked));
    EXPECT_EQ(locked, "1");
}

}  // namespace
