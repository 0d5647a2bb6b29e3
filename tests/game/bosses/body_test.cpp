#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "tests/game/bosses/boss_fixture.h"

namespace {

struct PathCase {
    void (*move)();
    BossState* s;
    float clock, x, y, fs;  // before the call
    float wantX, wantY, wantClock;
};

// clang-format off
const PathCase kPaths[] = {
    {MoveStage1Boss,    &Stage1BossState,     60,  -500, 2550, 0,     -500, 2550,   60},  // 60 is open
    {MoveStage1Boss,    &Stage1BossState,    130,   180,  -10, 0.5f,   180,    0,  135},  // descends, then holds
    {MoveStage1Boss,    &Stage1BossState,  159.9f,  170,    5, 0.016f, 180,    0,  138},
    {MoveAltStage2Boss, &AltStage2BossState,   0,   200,   30, 0.1f,   180, -380,    1},
    {MoveAltStage2Boss, &AltStage2BossState,  70,   180,  -50, 0.5f,   180,    0,   75},
    {MoveAltStage2Boss, &AltStage2BossState, 285,   200,    0, 0,      200,    0,    0},
    {MoveStage5Boss,    &Stage5BossState,     26,     0,    0, 0.5f,   170, -341.5f, 31}, // places, then descends
    {MoveStage5Boss,    &Stage5BossState,     75,     1,    2, 0,        1,    2,   75},  // the hold is open at 75
    {MoveStage5Boss,    &Stage5BossState,    241,   100,    9, 0,      100,    9,  160},
    {MoveStage3Boss,    &Stage3BossState,    235,   200,   10, 0.5f,   180,    0,  240},  // drifts, then holds
    {MoveStage3Boss,    &Stage3BossState,    245,     0,    0, 0.5f,   255,    0,  250},  // holds, then drifts
    {MoveStage3Boss,    &Stage3BossState,    331,    50,   50, 0,       50,   50,   80},
    {MoveStage4Boss,    &Stage4BossState,    241,   300,    7, 0,      300,    7,  151},
    {MoveStage4Boss,    &Stage4BossState,    151,   300,    7, 0,      210,    0,  151},
    {MoveAltStage4Boss, &AltStage4BossState,   0,  -500, 2550, 0,      170, -400,    0},
    {MoveStage2Boss,    &Stage2BossState,    204,   150,    0, 0.1f,   160,    0,  205},
    {MoveStage2Boss,    &Stage2BossState,    331,    10,    0, 0,       10,    0,  145},
    {MoveAltStage5Boss, &AltStage5BossState, 74.5f,  160,   -5, 0,      160,   -5, 74.5f},
    {MoveAltStage5Boss, &AltStage5BossState, 221,   170,    0, 0,      170,    0,   80},
};
// clang-format on

TEST_F(BossTest, PathsRunEveryWindowThatHoldsTheClock) {
    for (const PathCase& c : kPaths) {
        *c.s = BossState{};
        c.s->MoveClock = c.clock, c.s->X = c.x, c.s->Y = c.y;
        FrameSeconds = c.fs;
        c.move();
        EXPECT_NEAR(c.s->X, c.wantX, 1e-3) << c.clock;
        EXPECT_NEAR(c.s->Y, c.wantY, 1e-3) << c.clock;
        EXPECT_NEAR(c.s->MoveClock, c.wantClock, 1e-3) << c.clock;
    }
}

struct EntryCase {
    void (*move)();
    BossState* s;
    BossEntryPicture* p;
    float x, speed;
};
const EntryCase kEntries[] = {
    {MoveStage1Boss, &Stage1BossState, &Stage1BossFlyby, 160, 400},
    {MoveStage4Boss, &Stage4BossState, &Stage4BossEntryPicture, 160, 400},
    {MoveStage2Boss, &Stage2BossState, &Stage2BossEntryPicture, 150, 500},
};

std::tuple<float, float, float> Of(const BossEntryPicture& p) { return {p.x, p.y, p.speed}; }

// The picture waits below the screen, rises at its speed, is parked once
// past -480 and then stays at (x, 2550) without speed.
TEST_F(BossTest, EntryPicturesWaitRiseAndPark) {
    for (const EntryCase& e : kEntries) {
        *e.p = BossEntryPicture{-500, 2550, 0};
        e.s->MoveClock = 0;
        FrameSeconds = 0;
        e.move();
        EXPECT_EQ(Of(*e.p), std::make_tuple(e.x, 600.0f, e.speed));
        e.s->MoveClock = 29;
        FrameSeconds = 0.1f;
        e.move();
        EXPECT_NEAR(e.p->y, 600 - e.speed / 10, 1e-3);
        e.p->y = -470;
        FrameSeconds = 0.05f;
        e.move();
        EXPECT_EQ(Of(*e.p), std::make_tuple(-500.0f, 2550.0f, 0.0f));
        e.move();
        EXPECT_EQ(Of(*e.p), std::make_tuple(e.x, 2550.0f, 0.0f));
    }
    Stage2BossEntryPicture = BossEntryPicture{150, 300, 500};
    Stage2BossState.MoveClock = 13.5f;  // between 13 and 14 it stands
    FrameSeconds = 0;
    MoveStage2Boss();
    EXPECT_FLOAT_EQ(Stage2BossEntryPicture.y, 300);
}

struct Puff {
    int dx, dy;  // the step per frame included
    bool secondStrip;
};
struct SmokeCase {
    void (*draw)();
    BossState* s;
    float health;
    uint32_t frame;
    std::vector<Puff> shown, hidden;
};

// clang-format off
const SmokeCase kSmoke[] = {
    {DrawStage1Boss,    &Stage1BossState,    70, 2, {{140, 106, 0}, {60, 156, 0}, {300, 156, 0}}, {}},
    {DrawStage1Boss,    &Stage1BossState,     0, 0, {}, {{140, 50, 0}, {60, 100, 0}}},
    {DrawAltStage2Boss, &AltStage2BossState, 70, 1, {{140, 98, 1}, {60, 48, 1}, {300, 48, 1}}, {}},
    {DrawStage5Boss,    &Stage5BossState,    80, 0, {{150, 60, 0}, {230, 60, 0}}, {{70, 10, 1}}},
    {DrawStage3Boss,    &Stage3BossState,    70, 1, {{220, 98, 0}, {60, 169, 0}, {300, 169, 0}}, {}},
    {DrawStage4Boss,    &Stage4BossState,    60, 0, {{30, 20, 0}, {270, 20, 0}, {150, 100, 0}}, {}},
    {DrawStage4Boss,    &Stage4BossState,    61, 0, {}, {{30, 20, 0}, {150, 100, 0}}},
    {DrawAltStage4Boss, &AltStage4BossState, 70, 0, {{70, 20, 0}, {310, 20, 0}, {190, 100, 0}}, {}},
    {DrawStage2Boss,    &Stage2BossState,    70, 3, {{150, 154, 0}, {270, 154, 0}, {90, 84, 0}, {330, 84, 0}}, {}},
};
// clang-format on

TEST_F(BossScreenTest, SmokeShowsAtAndBelowEachThreshold) {
    for (const SmokeCase& c : kSmoke) {
        fwDraw::ClearBackBuffer();
        *c.s = BossState{};
        c.s->X = 100, c.s->Y = 50, c.s->Health = c.health, c.s->AnimFrame = c.frame;
        c.draw();
        const auto cell = [&](const Puff& p) { return p.secondStrip ? Smoke4(c.frame) : Smoke3(c.frame); };
        for (const Puff& p : c.shown) EXPECT_EQ(At(140 + p.dx, 90 + p.dy), cell(p)) << c.health << " " << p.dx;
        for (const Puff& p : c.hidden) EXPECT_NE(At(140 + p.dx, 90 + p.dy), cell(p)) << c.health << " " << p.dx;
    }
}

TEST_F(BossScreenTest, SpriteClearsTheHitFlagAndTheAnimationWraps) {
    Stage1BossState = BossState{};
    Stage1BossState.X = 100, Stage1BossState.Y = 50, Stage1BossState.Health = 500, Stage1BossState.AnimFrame = 9;
    MarkHitStage1Boss();
    DrawStage1Boss();
    EXPECT_EQ(At(100, 50), kSprite);
    EXPECT_EQ(At(539, 409), kSprite);
    EXPECT_EQ(At(540, 410), 0);
    EXPECT_EQ(Stage1BossState.HitFlag, 0u);
    EXPECT_EQ(Stage1BossState.AnimFrame, 0u);
    // Nothing loads the alternative bosses' pictures: they show nothing, not
    // even the framework's scratch picture behind handle 0.
    SetPx(DrawObjects[0].surface, 10, 10, 0x7777);
    fwDraw::ClearBackBuffer();
    AltStage2BossState = AltStage5BossState = Stage1BossState;
    DrawAltStage2Boss();
    DrawAltStage5Boss();
    EXPECT_EQ(At(110, 60), 0);
}

struct MarkerCase {
    void (*draw)();
    BossState* s;
    LockSlot *a, *b;
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
};

TEST_F(BossScreenTest, MarkersOnTheLockedPointsOfTheShownSets) {
    for (const MarkerCase& c : kMarkers) {
        fwDraw::ClearBackBuffer();
        *c.s = BossState{};
        c.s->X = -500, c.s->Y = 2550, c.s->Health = 500;
        for (int i = 0; i <= c.last; ++i) c.a[i] = c.b[i] = LockSlot{500, 300, 0, 0};  // not locked
        c.a[c.last] = LockSlot{100, 100, 1, 0};
        c.b[c.last] = LockSlot{300, 300, 1, 0};
        c.draw();
        EXPECT_EQ(At(130, 130), c.showsA ? kMarker : 0) << c.last;
        EXPECT_EQ(At(359, 359), kMarker) << c.last;
        EXPECT_EQ(At(360, 360), 0) << c.last;
        EXPECT_EQ(At(530, 330), 0) << c.last;
    }
}

// Drawn from the Move where they stand; the second-stage boss rises as its
// own sprite.
TEST_F(BossScreenTest, EntryPicturesAreDrawnFromTheMove) {
    Stage2BossEntryPicture = BossEntryPicture{100, 100, 500};
    Stage2BossState.MoveClock = 30;
    FrameSeconds = 0;
    MoveStage2Boss();
    EXPECT_EQ(At(599, 499), kSprite);
    Stage1BossFlyby = BossEntryPicture{100, 100, 400};
    Stage1BossState.MoveClock = 30;
    MoveStage1Boss();
    EXPECT_EQ(At(579, 579), kEntry);
}

}  // namespace
