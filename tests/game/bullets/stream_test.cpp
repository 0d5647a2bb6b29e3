#include "game/bullets/stream.h"

#include <gtest/gtest.h>

#include "framework/system/system.h"
#include "game/bosses/boss_state.h"
#include "game/player/player.h"
#include "game/state/player_state.h"
#include "tests/support/kept.h"

namespace {

struct Group { void (*emit)(); void (*move)(int32_t); StreamShot* shots; BossState* boss;
               int counter, cadence, spawnX, spawnY, weave, dir; bool judge; };
#define S5(n, weave, dir, cadence) {EmitStage5BossStream##n, MoveStage5BossStream##n, Stage5BossStream##n##Shots, \
                                    &Stage5BossState, 9 + n, cadence, 220, 60, weave, dir, true}
#define S(b, n, x, y, weave, dir) {EmitStage##b##BossStream##n, MoveStage##b##BossStream##n, \
                                   Stage##b##BossStream##n##Shots, &Stage##b##BossState, n - 1, 3, x, y, weave, dir, false}
// clang-format off
const Group kGroups[] = {
    S5(1, 1, +1, 3), S5(2, 1, -1, 3), S5(3, 2, +1, 3), S5(4, 2, -1, 3), S5(5, 3, +1, 3), S5(6, 3, -1, 3),
    S5(7, 4, +1, 2), S5(8, 4, -1, 2),
    S(3, 1, 135, 135, 5, +1), S(3, 2, 275, 135, 5, -1), S(3, 3, 130, 130, 6, +1), S(3, 4, 270, 130, 6, -1),
    S(3, 5, 125, 105, 7, +1), S(3, 6, 265, 105, 7, -1), S(4, 1, 110, 140, 5, +1), S(4, 2, 250, 140, 5, -1),
    S(4, 3, 110, 140, 6, +1), S(4, 4, 250, 140, 6, -1), S(4, 5, 110, 140, 7, +1), S(4, 6, 250, 140, 7, -1),
};
// Path timer -> step of the unmirrored bands (dx, dy); dx 99: the shot is retired.
const struct { int weave; float t; int dx, dy; } kSamples[] = {
    {1, 3, -4, 6}, {1, 3.5f, 0, 0}, {1, 4, -3, 6}, {1, 31, 7, 6}, {1, 280, 9, 6}, {1, 280.5f, 99, 0}, {2, 15, 0, 6},
    {2, 280, 1, 6}, {3, 6, -3, 6}, {3, 7, -2, 6}, {4, 10, -4, 2}, {4, 10.5f, 0, 0}, {4, 11, -4, 4}, {4, 21, -3, 6},
    {5, 0, -6, 0}, {5, 4, -6, 3}, {5, 10, -3, 6}, {5, 250, 3, 6}, {5, 250.5f, 99, 0}, {6, 25, 4, 6}, {6, 250, 5, 6},
    {7, 31, 6, 6}, {7, 37, 8, 6}, {7, 280, 10, 6},
};
// clang-format on

#define SHOTS(G, ...) , G##Shots
class StreamGroupTest : public ::testing::Test {
protected:
    testsupport::Kept kept_{FrameSeconds, PlayerX, PlayerY, PlayerAlive, BombActive, Stage5BossState,
                      Stage3BossState, Stage4BossState STREAM_GROUPS(SHOTS)};
    static int FirstDy(const Group& g) { return g.weave == 4 ? 2 : g.weave >= 5 ? 0 : 6; }
    static float Gap(const Group& g) { return g.weave == 4 ? 10.5f : 3.5f; }  // the shot hangs still
};

TEST_F(StreamGroupTest, OneCycleArmsEachFreeRecordOnceAtTheBossPointAndRestarts) {
    for (const Group& g : kGroups) {
        for (int i = 0; i < kStreamShotCount; ++i) g.shots[i] = StreamShot{-500, 500, 0, 0};
        g.shots[7] = StreamShot{1, 2, 5, 1};  // still in flight on its turn
        g.boss->X = 100.9f;
        g.boss->Y = -20.7f;
        g.boss->Emitter[g.counter] = 0;
        for (int call = 1; call <= 50 * g.cadence; ++call) {
            g.emit();
            const int next = call / g.cadence + 1;
            ASSERT_EQ(next < 50 ? g.shots[next].active : 0u, next == 7 ? 1u : 0u) << call;
            ASSERT_EQ(g.shots[0].active, call == 50 * g.cadence ? 1u : 0u) << call;
        }
        for (int i = 0; i < kStreamShotCount; ++i)
            ASSERT_EQ(g.shots[i].x * 1000 + g.shots[i].y, i == 7 ? 1002 : (100 + g.spawnX) * 1000 - 20 + g.spawnY);
        EXPECT_EQ(g.boss->Emitter[g.counter], 0u);
        EXPECT_FLOAT_EQ(g.shots[7].pathTimer, 5);
    }
}

TEST_F(StreamGroupTest, WeaveStepsWholePixelsFreesPastTheBottomAndOnlyStage5ShotsHit) {
    BombActive = 1;  // streams fly on through the bomb
    PlayerX = 200;
    PlayerY = 300;
    for (const Group& g : kGroups) {
        FrameSeconds = 0;  // the timer stays on the sample
        for (const auto& s : kSamples) {
            if (s.weave != g.weave) continue;
            g.shots[3] = StreamShot{300, 100, s.t, 1};
            g.move(0);
            EXPECT_EQ(g.shots[3].active, s.dx == 99 ? 0u : 1u) << s.t;
            EXPECT_EQ(g.shots[3].x * 1000 + g.shots[3].y, (300 + g.dir * (s.dx % 99)) * 1000 + 100 + s.dy) << s.t;
        }
        g.shots[1] = StreamShot{210, 595, 1, 1};
        g.shots[2] = StreamShot{2000, 594, 1, 1};  // far out sideways, lands on 600 at most
        g.shots[4] = StreamShot{210, 330, Gap(g), 1};
        g.shots[5] = StreamShot{230, 331, Gap(g), 1};
        PlayerAlive = 1;
        g.move(0);
        EXPECT_EQ(g.shots[1].active, 595 + FirstDy(g) > 600 ? 0u : 1u);
        EXPECT_EQ(g.shots[1].y, 595 + FirstDy(g));  // kept where it was freed
        EXPECT_EQ(g.shots[2].active + g.shots[4].active, 2u);
        EXPECT_EQ(PlayerAlive, g.judge ? 0 : 1);
        g.shots[4].x = 209;
        PlayerAlive = 1;
        g.move(0);
        EXPECT_EQ(PlayerAlive, 1);
        FrameSeconds = 0.0625f;
        g.shots[0] = StreamShot{300, 100, 0, 1};
        g.move(0);
        EXPECT_FLOAT_EQ(g.shots[0].pathTimer, g.weave == 4 ? 50 / 16.0f : 20 / 16.0f);
        EXPECT_EQ(g.shots[0].y, 100 + FirstDy(g));  // a whole step, not scaled by time
    }
}

}  // namespace
