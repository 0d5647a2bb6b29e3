#include <gtest/gtest.h>

#include <vector>

#include "tests/game/bosses/boss_fixture.h"

namespace {

struct Puff {
    int dx, dy;
    bool secondStrip;  // ZBAK4B instead of ZBAK3B
};
struct SmokeCase {
    void (*draw)();
    BossState* s;
    float health;
    uint32_t frame;
    std::vector<Puff> shown;
    std::vector<Puff> hidden;
};

// Boss at (100, 50); puff offsets already include the step per frame.
// clang-format off
const SmokeCase kSmoke[] = {
    {DrawStage1Boss,    &Stage1BossState,    90, 0, {{140, 50, 0}, {220, 50, 0}}, {{60, 100, 0}, {300, 100, 0}}},
    {DrawStage1Boss,    &Stage1BossState,    70, 2, {{140, 106, 0}, {220, 106, 0}, {60, 156, 0}, {300, 156, 0}}, {}},
    {DrawStage1Boss,    &Stage1BossState,    91, 0, {}, {{140, 50, 0}, {60, 100, 0}}},
    {DrawStage1Boss,    &Stage1BossState,     0, 0, {}, {{140, 50, 0}, {60, 100, 0}}},
    {DrawAltStage2Boss, &AltStage2BossState, 70, 1, {{140, 98, 1}, {220, 98, 1}, {60, 48, 1}, {300, 48, 1}}, {}},
    {DrawStage5Boss,    &Stage5BossState,    70, 0, {{150, 60, 0}, {230, 60, 0}, {70, 10, 1}, {310, 10, 1}}, {}},
    {DrawStage5Boss,    &Stage5BossState,    80, 0, {{150, 60, 0}}, {{70, 10, 1}}},
    {DrawStage3Boss,    &Stage3BossState,    70, 1, {{140, 98, 0}, {220, 98, 0}, {60, 169, 0}, {300, 169, 0}}, {}},
    {DrawStage4Boss,    &Stage4BossState,    60, 0, {{30, 20, 0}, {270, 20, 0}, {150, 100, 0}}, {}},
    {DrawStage4Boss,    &Stage4BossState,    61, 0, {}, {{30, 20, 0}, {150, 100, 0}}},
    {DrawAltStage4Boss, &AltStage4BossState, 70, 0, {{70, 20, 0}, {310, 20, 0}, {190, 100, 0}}, {}},
    {DrawAltStage4Boss, &AltStage4BossState, 71, 0, {}, {{70, 20, 0}}},
    {DrawStage2Boss,    &Stage2BossState,    70, 3, {{150, 154, 0}, {270, 154, 0}, {90, 84, 0}, {330, 84, 0}}, {}},
    {DrawAltStage5Boss, &AltStage5BossState, 70, 0, {{180, 130, 0}, {220, 130, 0}, {120, 70, 0}, {280, 70, 0}}, {}},
};
// clang-format on

TEST_F(BossScreenTest, SmokeShowsBelowEachThreshold) {
    for (const SmokeCase& c : kSmoke) {
        fwDraw::ClearBackBuffer();
        c.s->X = 100;
        c.s->Y = 50;
        c.s->Health = c.health;
        c.s->AnimFrame = c.frame;
        c.s->DefeatTimer = 0;
        c.draw();
        const auto cell = [&](const Puff& p) { return p.secondStrip ? Smoke4(c.frame) : Smoke3(c.frame); };
        for (const Puff& p : c.shown)
            EXPECT_EQ(At(100 + p.dx + 40, 50 + p.dy + 40), cell(p)) << c.health << " " << p.dx;
        for (const Puff& p : c.hidden)
            EXPECT_NE(At(100 + p.dx + 40, 50 + p.dy + 40), cell(p)) << c.health << " " << p.dx;
    }
}

TEST_F(BossScreenTest, SpriteHitFlagAndAnimation) {
    Stage1BossState = BossState{};
    Stage1BossState.X = 100;
    Stage1BossState.Y = 50;
    Stage1BossState.Health = 500;
    Stage1BossState.AnimFrame = 9;
    MarkHitStage1Boss();
    EXPECT_EQ(Stage1BossState.HitFlag, 1u);
    DrawStage1Boss();
    EXPECT_EQ(At(100, 50), kSprite);
    EXPECT_EQ(At(539, 409), kSprite);
    EXPECT_EQ(At(540, 410), 0);
    EXPECT_EQ(Stage1BossState.HitFlag, 0u);
    EXPECT_EQ(Stage1BossState.AnimFrame, 0u);
    // The alternative bosses' pictures were never loaded: nothing shows,
    // not even the framework's scratch picture behind handle 0.
    SetPx(DrawObjects[0].surface, 10, 10, 0x7777);
    fwDraw::ClearBackBuffer();
    for (BossState* s : {&AltStage2BossState, &AltStage5BossState}) {
        *s = BossState{};
        s->X = 100;
        s->Y = 50;
        s->Health = 500;
    }
    DrawAltStage2Boss();
    DrawAltStage5Boss();
    EXPECT_EQ(At(110, 60), 0);
}

struct MarkerCase {
    void (*draw)();
    BossState* s;
    LockSlot* a;
    LockSlot* b;
    int last;  // the last slot the Draw looks at
    bool showsA;
};
const MarkerCase kMarkers[] = {
    {DrawStage1Boss, &Stage1BossState, Stage1BossLockSetA, Stage1BossLockSetB, 3, true},
    {DrawAltStage2Boss, &AltStage2BossState, AltStage2BossLockSetA, AltStage2BossLockSetB, 3, true},
    {DrawStage5Boss, &Stage5BossState, Stage5BossLockSetA, Stage5BossLockSetB, 5, true},
    {DrawStage3Boss, &Stage3BossState, Stage3BossLockSetA, Stage3BossLockSetB, 3, true},
    {DrawStage4Boss, &Stage4BossState, Stage4BossLockSetA, Stage4BossLockSetB, 5, true},
    {DrawAltStage4Boss, &AltStage4BossState, AltStage4BossLockSetA, AltStage4BossLockSetB, 9, false},
    {DrawStage2Boss, &Stage2BossState, Stage2BossLockSetA, Stage2BossLockSetB, 5, false},
    {DrawAltStage5Boss, &AltStage5BossState, AltStage5BossLockSetA, AltStage5BossLockSetB, 5, false},
};

TEST_F(BossScreenTest, LockMarkersOnLockedPointsOfTheShownSets) {
    for (const MarkerCase& c : kMarkers) {
        fwDraw::ClearBackBuffer();
        *c.s = BossState{};
        c.s->X = -500;
        c.s->Y = 2550;
        c.s->Health = 500;
        for (int i = 0; i <= c.last; ++i) c.a[i] = c.b[i] = LockSlot{-500, 500, 0, 0};
        c.a[c.last] = LockSlot{100, 100, 1, 0};
        c.b[c.last] = LockSlot{300, 300, 1, 0};
        c.b[0] = LockSlot{500, 300, 0, 0};  // not locked
        c.draw();
        EXPECT_EQ(At(130, 130), c.showsA ? kMarker : 0) << c.last;
        EXPECT_EQ(At(330, 330), kMarker) << c.last;
        EXPECT_EQ(At(359, 359), kMarker) << c.last;
        EXPECT_EQ(At(360, 360), 0) << c.last;
        EXPECT_EQ(At(530, 330), 0) << c.last;
    }
}

// The entry pictures are drawn from the Move where they stand before they
// move on; the second-stage boss rises as its own sprite.
TEST_F(BossScreenTest, EntryPicturesAreDrawnFromTheMove) {
    Stage2BossEntryPicture = BossEntryPicture{100, 100, 500};
    Stage2BossState.MoveClock = 30;
    FrameSeconds = 0;
    MoveStage2Boss();
    EXPECT_EQ(At(100, 100), kSprite);
    EXPECT_EQ(At(599, 499), kSprite);
    fwDraw::ClearBackBuffer();
    Stage1BossFlyby = BossEntryPicture{100, 100, 400};
    Stage1BossState.MoveClock = 30;
    MoveStage1Boss();
    EXPECT_EQ(At(579, 579), kEntry);
}

}  // namespace
