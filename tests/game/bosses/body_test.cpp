#include <gtest/gtest.h>

#include "tests/game/bosses/boss_fixture.h"

namespace {

struct PathCase {
    const char* what;
    void (*move)();
    BossState* s;
    float clock, x, y, fs;      // before the call
    float wantX, wantY, wantClock;
};

// clang-format off
const PathCase kPaths[] = {
    {"S1 parked until 60",        MoveStage1Boss,    &Stage1BossState,     55,  -500, 2550, 0,    -500, 2550,   55},
    {"S1 60 is open",             MoveStage1Boss,    &Stage1BossState,     60,  -500, 2550, 0,    -500, 2550,   60},
    {"S1 above the screen",       MoveStage1Boss,    &Stage1BossState,     75,  -500, 2550, 0,     180, -360,   75},
    {"S1 descends 80/s",          MoveStage1Boss,    &Stage1BossState,    100,   180, -100, 0.1f,  180,  -92,  101},
    {"S1 135 drifts then holds",  MoveStage1Boss,    &Stage1BossState,    130,   180,  -10, 0.5f,  180,    0,  135},
    {"S1 159.9 wraps to 138",     MoveStage1Boss,    &Stage1BossState,  159.9f,  170,    5, 0.016f,180,    0,  138},
    {"S1 gap 20-21",              MoveStage1Boss,    &Stage1BossState,   20.5f,    1,    2, 0,       1,    2, 20.5f},
    {"A2 0 is open",              MoveAltStage2Boss, &AltStage2BossState,   0,     5,    5, 0,       5,    5,    0},
    {"A2 75 descends and holds",  MoveAltStage2Boss, &AltStage2BossState,  70,   180,  -50, 0.5f,  180,    0,   75},
    {"A2 diamond right-down",     MoveAltStage2Boss, &AltStage2BossState, 104,   180,    0, 0.1f,  190,    5,  105},
    {"A2 diamond left-down",      MoveAltStage2Boss, &AltStage2BossState, 124,   180,    0, 0.1f,  170,    5,  125},
    {"A2 sway left",              MoveAltStage2Boss, &AltStage2BossState, 200,   180,    0, 0.1f,  176,    0,  201},
    {"A2 281 restarts at 0",      MoveAltStage2Boss, &AltStage2BossState, 285,   200,    0, 0,     200,    0,    0},
    {"S5 31 places then descends",MoveStage5Boss,    &Stage5BossState,     26,     0,    0, 0.5f,  170, -341.5f, 31},
    {"S5 75 is open for the hold",MoveStage5Boss,    &Stage5BossState,     75,     1,    2, 0,       1,    2,   75},
    {"S5 diamond",                MoveStage5Boss,    &Stage5BossState,    204,   170,    0, 0.1f,  180,    5,  205},
    {"S5 241 loops to 160",       MoveStage5Boss,    &Stage5BossState,    241,   100,    9, 0,     100,    9,  160},
    {"S5 160 snaps",              MoveStage5Boss,    &Stage5BossState,    160,   100,    9, 0,     170,    0,  160},
    {"S3 75 descends and holds",  MoveStage3Boss,    &Stage3BossState,     70,   180, -100, 0.5f,  180,    0,   75},
    {"S3 bobs down 60/s",         MoveStage3Boss,    &Stage3BossState,    100,   180,    0, 0.1f,  180,    6,  101},
    {"S3 240 drifts and holds",   MoveStage3Boss,    &Stage3BossState,    235,   200,   10, 0.5f,  180,    0,  240},
    {"S3 250 holds then drifts",  MoveStage3Boss,    &Stage3BossState,    245,     0,    0, 0.5f,  255,    0,  250},
    {"S3 wide diamond",           MoveStage3Boss,    &Stage3BossState,    294,   180,    0, 0.1f,  200,   10,  295},
    {"S3 331 loops to 80",        MoveStage3Boss,    &Stage3BossState,    331,    50,   50, 0,      50,   50,   80},
    {"S3 80 snaps",               MoveStage3Boss,    &Stage3BossState,     80,    50,   50, 0,     180,    0,   80},
    {"S4 above the screen",       MoveStage4Boss,    &Stage4BossState,     80,  -500, 2550, 0,     210, -460,   80},
    {"S4 descends 100/s",         MoveStage4Boss,    &Stage4BossState,    100,   210, -100, 0.1f,  210,  -90,  101},
    {"S4 135 descends and holds", MoveStage4Boss,    &Stage4BossState,    130,   210,  -60, 0.5f,  210,    0,  135},
    {"S4 241 loops to 151",       MoveStage4Boss,    &Stage4BossState,    241,   300,    0, 0,     300,    0,  151},
    {"S4 151 snaps",              MoveStage4Boss,    &Stage4BossState,    151,   300,    7, 0,     210,    0,  151},
    {"A4 waits from 0",           MoveAltStage4Boss, &AltStage4BossState,   0,  -500, 2550, 0,     170, -400,    0},
    {"A4 still waits at 90",      MoveAltStage4Boss, &AltStage4BossState,  90,     0,    0, 0,     170, -400,   90},
    {"A4 descends 80/s",          MoveAltStage4Boss, &AltStage4BossState, 100,   170, -100, 0.1f,  170,  -92,  101},
    {"A4 241 loops to 151",       MoveAltStage4Boss, &AltStage4BossState, 241,     0,    0, 0,       0,    0,  151},
    {"S2 above the screen",       MoveStage2Boss,    &Stage2BossState,     70,  -500, 2550, 0,     150, -400,   70},
    {"S2 descends 93/s",          MoveStage2Boss,    &Stage2BossState,    100,   150, -100, 0.1f,  150, -90.7f,101},
    {"S2 sideways only",          MoveStage2Boss,    &Stage2BossState,    204,   150,    0, 0.1f,  160,    0,  205},
    {"S2 second hold",            MoveStage2Boss,    &Stage2BossState,    245,   333,    4, 0,     150,    0,  245},
    {"S2 331 loops to 145",       MoveStage2Boss,    &Stage2BossState,    331,    10,    0, 0,      10,    0,  145},
    {"A5 above the screen",       MoveAltStage5Boss, &AltStage5BossState,  10,  -500, 2550, 0,     160, -400,   10},
    {"A5 descends 86/s",          MoveAltStage5Boss, &AltStage5BossState,  40,   160, -100, 0.1f,  160, -91.4f, 41},
    {"A5 gap 74-75",              MoveAltStage5Boss, &AltStage5BossState, 74.5f,  160,   -5, 0,     160,   -5, 74.5f},
    {"A5 sways right",            MoveAltStage5Boss, &AltStage5BossState, 110,   160,    0, 0.1f,  164,    0,  111},
    {"A5 221 loops to 80",        MoveAltStage5Boss, &AltStage5BossState, 221,   170,    0, 0,     170,    0,   80},
};
// clang-format on

TEST_F(BossTest, PathsFollowTheirWindows) {
    for (const PathCase& c : kPaths) {
        c.s->MoveClock = c.clock;
        c.s->X = c.x;
        c.s->Y = c.y;
        FrameSeconds = c.fs;
        c.move();
        EXPECT_NEAR(c.s->X, c.wantX, 1e-3) << c.what;
        EXPECT_NEAR(c.s->Y, c.wantY, 1e-3) << c.what;
        EXPECT_NEAR(c.s->MoveClock, c.wantClock, 1e-3) << c.what;
    }
}

TEST_F(BossTest, AltStage2BossReentersFromAboveAfterItsLoop) {
    AltStage2BossState.MoveClock = 280.5f;
    AltStage2BossState.X = 230;
    AltStage2BossState.Y = 20;
    FrameSeconds = 0.1f;
    MoveAltStage2Boss();  // 281.5: the clock restarts at 0
    MoveAltStage2Boss();  // 1: above the screen again
    EXPECT_FLOAT_EQ(AltStage2BossState.X, 180);
    EXPECT_FLOAT_EQ(AltStage2BossState.Y, -380);
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

// The picture waits below the screen, rises at its speed, is parked once it
// has passed -480 and then stays at (x, 2550) without speed.
TEST_F(BossTest, EntryPicturesWaitRiseAndPark) {
    for (const EntryCase& e : kEntries) {
        *e.p = BossEntryPicture{-500, 2550, 0};
        e.s->MoveClock = 0;
        FrameSeconds = 0;
        e.move();
        EXPECT_FLOAT_EQ(e.p->x, e.x);
        EXPECT_FLOAT_EQ(e.p->y, 600);
        EXPECT_FLOAT_EQ(e.p->speed, e.speed);
        e.s->MoveClock = 29;
        FrameSeconds = 0.1f;
        e.move();
        EXPECT_NEAR(e.p->y, 600 - e.speed / 10, 1e-3);
        e.p->y = -470;
        FrameSeconds = 0.05f;
        e.move();
        EXPECT_FLOAT_EQ(e.p->x, -500);
        EXPECT_FLOAT_EQ(e.p->y, 2550);
        e.move();
        EXPECT_FLOAT_EQ(e.p->x, e.x);
        EXPECT_FLOAT_EQ(e.p->y, 2550);
        EXPECT_FLOAT_EQ(e.p->speed, 0);
    }
    // Between 13 and 14 the second-stage picture neither moves nor shows.
    Stage2BossEntryPicture = BossEntryPicture{150, 300, 500};
    Stage2BossState.MoveClock = 13.5f;
    FrameSeconds = 0;
    MoveStage2Boss();
    EXPECT_FLOAT_EQ(Stage2BossEntryPicture.y, 300);
}

}  // namespace
