#include "game/bullets/stream.h"

#include <gtest/gtest.h>

#include "framework/system/system.h"
#include "game/bosses/boss_state.h"
#include "game/player/player.h"
#include "game/player/player_state.h"
#include "tests/game/bullets/kept_globals.h"

namespace {

struct Group {
    void (*emit)();
    void (*move)(int32_t);
    StreamShot* shots;
    BossState* boss;
    int counter, cadence, spawnX, spawnY;
    float rate;
    int weave, dir;
    bool judge;
};
#define OPS(G) Emit##G, Move##G, G##Shots
// clang-format off
const Group kGroups[] = {
    {OPS(Stage5BossStream1), &Stage5BossState, 10, 3, 220,  60, 20, 1, +1, true},
    {OPS(Stage5BossStream2), &Stage5BossState, 11, 3, 220,  60, 20, 1, -1, true},
    {OPS(Stage5BossStream3), &Stage5BossState, 12, 3, 220,  60, 20, 2, +1, true},
    {OPS(Stage5BossStream4), &Stage5BossState, 13, 3, 220,  60, 20, 2, -1, true},
    {OPS(Stage5BossStream5), &Stage5BossState, 14, 3, 220,  60, 20, 3, +1, true},
    {OPS(Stage5BossStream6), &Stage5BossState, 15, 3, 220,  60, 20, 3, -1, true},
    {OPS(Stage5BossStream7), &Stage5BossState, 16, 2, 220,  60, 50, 4, +1, true},
    {OPS(Stage5BossStream8), &Stage5BossState, 17, 2, 220,  60, 50, 4, -1, true},
    {OPS(Stage3BossStream1), &Stage3BossState,  0, 3, 135, 135, 20, 5, +1, false},
    {OPS(Stage3BossStream2), &Stage3BossState,  1, 3, 275, 135, 20, 5, -1, false},
    {OPS(Stage3BossStream3), &Stage3BossState,  2, 3, 130, 130, 20, 6, +1, false},
    {OPS(Stage3BossStream4), &Stage3BossState,  3, 3, 270, 130, 20, 6, -1, false},
    {OPS(Stage3BossStream5), &Stage3BossState,  4, 3, 125, 105, 20, 7, +1, false},
    {OPS(Stage3BossStream6), &Stage3BossState,  5, 3, 265, 105, 20, 7, -1, false},
    {OPS(Stage4BossStream1), &Stage4BossState,  0, 3, 110, 140, 20, 5, +1, false},
    {OPS(Stage4BossStream2), &Stage4BossState,  1, 3, 250, 140, 20, 5, -1, false},
    {OPS(Stage4BossStream3), &Stage4BossState,  2, 3, 110, 140, 20, 6, +1, false},
    {OPS(Stage4BossStream4), &Stage4BossState,  3, 3, 250, 140, 20, 6, -1, false},
    {OPS(Stage4BossStream5), &Stage4BossState,  4, 3, 110, 140, 20, 7, +1, false},
    {OPS(Stage4BossStream6), &Stage4BossState,  5, 3, 250, 140, 20, 7, -1, false},
};
// Path timer -> step (dx of the unmirrored table, dy); 99 marks a retired shot.
struct Sample { int weave; float t; int dx, dy; };
const Sample kSamples[] = {
    {1, 3, -4, 6}, {1, 3.5f, 0, 0}, {1, 4, -3, 6}, {1, 31, 7, 6}, {1, 280, 9, 6}, {1, 280.5f, 99, 99},
    {2, 15, 0, 6}, {2, 16, 1, 6}, {2, 280, 1, 6}, {3, 6, -3, 6}, {3, 7, -2, 6}, {3, 280, -2, 6},
    {4, 10, -4, 2}, {4, 10.5f, 0, 0}, {4, 11, -4, 4}, {4, 16, -4, 6}, {4, 21, -3, 6},
    {5, 0, -6, 0}, {5, 4, -6, 3}, {5, 10, -3, 6}, {5, 22, 3, 6}, {5, 250, 3, 6}, {5, 250.5f, 99, 99},
    {6, 21, 2, 6}, {6, 25, 4, 6}, {6, 250, 5, 6}, {7, 31, 6, 6}, {7, 37, 8, 6}, {7, 280, 10, 6},
};
// clang-format on

#define SHOTS(G, ...) , G##Shots
class StreamGroupTest : public ::testing::Test {
protected:
    KeptGlobals kept_{FrameSeconds, PlayerX, PlayerY, PlayerAlive, BombActive, Stage5BossState,
                      Stage3BossState, Stage4BossState STREAM_GROUPS(SHOTS)};
    static void Place(const Group& g, int i, int x, int y, float t) {
        g.shots[i] = StreamShot{x, y, t, 1};
    }
    // A path timer in a gap of the group's bands: the shot hangs still.
    static float Gap(const Group& g) { return g.weave == 4 ? 10.5f : 3.5f; }
};

TEST_F(StreamGroupTest, OneCycleArmsEachRecordOnceFromTheBossPointAndRestarts) {
    for (const Group& g : kGroups) {
        SCOPED_TRACE(g.spawnX * 1000 + g.counter);
        for (int i = 0; i < kStreamShotCount; ++i) g.shots[i] = StreamShot{-500, 500, 0, 0};
        g.boss->X = 100.9f;
        g.boss->Y = -20.7f;  // truncated toward zero: -20
        g.boss->Emitter[g.counter] = 0;
        Place(g, 7, 1, 2, 5);  // in flight when its turn comes: left alone
        for (int call = 1; call <= 50 * g.cadence; ++call) {
            g.emit();
            const int k = call % g.cadence ? -1 : (call / g.cadence) % 50;
            if (k >= 0 && k != 7) {
                ASSERT_EQ(g.shots[k].x * 1000 + g.shots[k].y, (100 + g.spawnX) * 1000 - 20 + g.spawnY);
            }
            if (k >= 1 && k + 1 < 50) {
                ASSERT_EQ(g.shots[k + 1].active, k + 1 == 7 ? 1u : 0u) << call;
            }
        }
        EXPECT_EQ(g.shots[0].active, 1u);
        EXPECT_EQ(g.shots[49].active, 1u);
        EXPECT_EQ(g.boss->Emitter[g.counter], 0u);
        EXPECT_EQ(g.shots[7].x, 1);
        EXPECT_FLOAT_EQ(g.shots[7].pathTimer, 5);
    }
}

TEST_F(StreamGroupTest, WeaveStepsWholePixelsByBandAndMirrorPairsStepTheOtherWay) {
    FrameSeconds = 0;  // the timer stays on the sample
    for (const Group& g : kGroups)
        for (const Sample& s : kSamples) {
            if (s.weave != g.weave) continue;
            SCOPED_TRACE(testing::Message() << g.spawnX << " weave " << s.weave << " t " << s.t);
            Place(g, 3, 300, 100, s.t);
            g.move(0);
            if (s.dx == 99) {
                EXPECT_EQ(g.shots[3].active, 0u);
                EXPECT_FLOAT_EQ(g.shots[3].pathTimer, 0);
                continue;
            }
            EXPECT_EQ(g.shots[3].x, 300 + g.dir * s.dx);
            EXPECT_EQ(g.shots[3].y, 100 + s.dy);
        }
    FrameSeconds = 0.0625f;
    for (const Group& g : kGroups) {
        Place(g, 0, 300, 100, 0);
        g.move(0);
        EXPECT_FLOAT_EQ(g.shots[0].pathTimer, g.rate / 16);
        EXPECT_EQ(g.shots[0].y, 100 + (g.weave == 4 ? 2 : g.weave >= 5 ? 0 : 6));  // not scaled by time
    }
}

TEST_F(StreamGroupTest, FreedOnlyBelowTheScreenAndOnlyStage5ShotsHitThePlayer) {
    FrameSeconds = 0;
    BombActive = 1;  // streams fly on through the bomb
    PlayerX = 200;
    PlayerY = 300;
    for (const Group& g : kGroups) {
        Place(g, 1, 210, 595, 1);   // first band: +6 down, freed at 601 in place
        Place(g, 2, 2000, 594, 1);  // far outside sideways, lands on 600 and flies on
        Place(g, 4, 210, 330, Gap(g));
        Place(g, 5, 230, 331, Gap(g));
        PlayerAlive = 1;
        g.move(0);
        const int dy = g.weave == 4 ? 2 : g.weave >= 5 ? 0 : 6;
        EXPECT_EQ(g.shots[1].active, 595 + dy > 600 ? 0u : 1u);
        EXPECT_EQ(g.shots[1].y, 595 + dy);
        EXPECT_EQ(g.shots[2].active, 1u);
        EXPECT_EQ(PlayerAlive, g.judge ? 0 : 1);
        Place(g, 4, 209, 320, Gap(g));  // one pixel left of the box
        PlayerAlive = 1;
        g.move(0);
        EXPECT_EQ(PlayerAlive, 1);
        EXPECT_EQ(g.shots[5].active, 1u);  // a touch does not retire the shot
    }
}

}  // namespace
