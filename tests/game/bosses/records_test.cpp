#include <gtest/gtest.h>

#include <string>

#include "framework/system/named.h"
#include "game/shell/resets.h"
#include "tests/game/bosses/boss_fixture.h"
#include "tests/support/named_probe.h"

namespace {

struct RecordCase {
    BossState* s;
    void (*markHit)();
    float startHealth;
    LockSlot *a, *b;
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
        c.s->AnimFrame = 4, c.s->AttackFrame = 99, c.s->Emitter[17] = 5, c.s->Shield = 1;
        c.s->MoveClock = 3, c.s->DefeatTimer = 8, c.s->Health = -20;
        c.markHit();
        for (int i = 0; i < c.slots; ++i) c.a[i] = c.b[i] = LockSlot{5, 6, 1, 0};
    }
    Stage4BossEntryPicture = BossEntryPicture{1, 2, 3};
    Stage3BossSmallBlasts[5] = DefeatBlast{2, 10, 10};
    ResetGameStateA();
    ResetGameStateB();
    for (const RecordCase& c : kRecords) {
        EXPECT_FLOAT_EQ(c.s->Health, c.startHealth);
        EXPECT_EQ(c.s->X + c.s->Y, -500 + 2550);
        EXPECT_EQ(c.s->AnimFrame + c.s->AttackFrame + c.s->Emitter[17] + c.s->Shield, 0u);
        EXPECT_EQ(c.s->MoveClock + c.s->DefeatTimer, 0);
        EXPECT_EQ(c.s->HitFlag, c.s == &Stage1BossState ? 0u : 1u);  // only the first boss's is cleared
        for (int i = 0; i < c.slots; ++i)
            EXPECT_TRUE(c.a[i].x == -500 && c.b[i].y == 500 && !c.a[i].locked && !c.b[i].locked);
    }
    EXPECT_EQ(Stage4BossEntryPicture.x + Stage4BossEntryPicture.y + Stage4BossEntryPicture.speed, -500 + 2550);
    EXPECT_EQ(Stage3BossSmallBlasts[5].frame, 0u);
    EXPECT_FLOAT_EQ(Stage3BossSmallBlasts[5].y, 2550);
    for (const UnusedBossRecord& r : UnusedBossPool7E)
        EXPECT_TRUE(r.frame < 10 && r.x >= -50 && r.x <= 49 && r.y >= 20 && r.y <= 49);
}

TEST_F(BossTest, RecordsAreNamedForThePlayDriver) {
    Stage5BossState.Emitter[17] = 23;
    AltStage4BossLockSetB[9].locked = 1;
    for (const char* name : {"Stage1BossState.Health", "Stage2BossState.AttackFrame", "Stage4BossEntryPicture.y",
                             "Stage1BossFlyby.speed", "Stage3BossSmallBlasts[5].x", "ImgAltStage2Boss"})
        EXPECT_TRUE(testsupport::Known(name)) << name;
    double v = 0;
    ASSERT_TRUE(testsupport::ReadNumber("Stage5BossState.Emitter17", v));
    EXPECT_EQ(v, 23);
    std::string locked;
    ASSERT_TRUE(named::Read("active:AltStage4BossLockSetB", locked));
    EXPECT_EQ(locked, "1");
}

}  // namespace
