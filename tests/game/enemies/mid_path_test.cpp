// The mid-size path enemies: entry, fire and exit segments on the path
// clock, their bounds and what the reset keeps.
#include <gtest/gtest.h>

#include "game/bullets/groups.h"
#include "tests/game/enemies/enemy_fixture.h"

namespace {

using enemytest::EnemyTest;
using Op = void (*)(int32_t);

struct PathRow {
    const char* name;
    void (*spawn)(), (*move)();
    MidEnemyPathState* state;
    float rate;
    int dir;         // +1 from the left
    bool pathB;      // sinks while entering, leaves downwards
    float right;     // right free bound
    Op shot, chain1, chain2;
};
#define OPS(T) #T, Spawn##T, Move##T, &T##State
const PathRow kRows[] = {
    {OPS(Szak53A), 45, 1, false, 620, SpawnSzak53ASmallShot1, nullptr, nullptr},
    {OPS(Szak53B), 45, -1, false, 620, SpawnSzak53BSmallShot1, nullptr, nullptr},
    {OPS(Szak50B), 45, 1, false, 620, SpawnSzak50BSmallShot1, SpawnSzak50BChain1, SpawnSzak50BChain2},
    {OPS(Szak50C), 45, -1, false, 640, SpawnSzak50CSmallShot1, SpawnSzak50CChain1, SpawnSzak50CChain2},
    {OPS(Szak54A), 40, 1, true, 620, SpawnSzak54ASmallShot1, nullptr, nullptr},
    {OPS(Szak54B), 40, -1, true, 620, SpawnSzak54BSmallShot1, nullptr, nullptr},
};
#undef OPS

// One Move of a record at (300, 300) whose clock reaches `clock` on it.
void Step(const PathRow& r, float clock) {
    *r.state = MidEnemyPathState{0, 0, 0, 0, 300, 300, 200, 280, clock - r.rate * 0.01f, 0, 1, 0};
    enemytest::fired.clear();
    r.move();
}

TEST_F(EnemyTest, MidPathsEnterFireAndLeaveOnTheirClock) {
    FrameSeconds = 0.01f;
    for (const PathRow& r : kRows) {
        SCOPED_TRACE(r.name);
        const float entryEnd = r.pathB ? 40 : 50;
        Step(r, entryEnd);
        EXPECT_FLOAT_EQ(r.state->x, 300 + r.dir * 2);
        EXPECT_FLOAT_EQ(r.state->y, r.pathB ? 301.7f : 300);
        Step(r, entryEnd + 0.5f);  // between entry and fire: nothing
        EXPECT_EQ(r.state->x, 300);
        EXPECT_EQ(r.state->vx, 200);
        for (int mode : {1, 2}) {
            PlayMode = mode;
            Step(r, entryEnd + 1);
            EXPECT_EQ(r.state->vx, 0);
            const bool chains = r.chain1 && mode == 2;
            ASSERT_EQ(enemytest::fired.size(), chains ? 3u : 1u);
            EXPECT_EQ(enemytest::fired[0].spawn, r.shot);
            EXPECT_EQ(enemytest::fired[0].arg, 0);
            if (chains) {
                EXPECT_EQ(enemytest::fired[1].spawn, r.chain1);
                EXPECT_EQ(enemytest::fired[2].spawn, r.chain2);
            }
        }
        Step(r, 70.5f);
        EXPECT_TRUE(enemytest::fired.empty());
        EXPECT_EQ(r.state->y, 300);
        Step(r, 71);
        EXPECT_FLOAT_EQ(r.state->y, r.pathB ? 302.8f : 297.2f);
        EXPECT_FLOAT_EQ(r.state->x, 300 + r.dir * (r.pathB ? 1.5f : 2.5f));
        Step(r, 121);
        EXPECT_EQ(r.state->pathClock, 0);
        // Bounds: x -20 and the right bound hold, beyond them the record is freed.
        for (auto [x, y, stays] : {std::tuple{-20.0f, -160.0f, true}, {r.right, 600.0f, true},
                                   {r.right + 1, 300.0f, false}, {300.0f, -161.0f, false}}) {
            *r.state = MidEnemyPathState{0, 0, 0, 0, x, y, 0, 0, 60.5f, 0, 1, 0};
            r.move();
            EXPECT_EQ(r.state->active, stays ? 1u : 0u) << x << "," << y;
        }
    }
}

TEST_F(EnemyTest, MidPathSpawnStartsTheClockAndKeepsTheSpiralTicks) {
    for (const PathRow& r : kRows) {
        SCOPED_TRACE(r.name);
        r.state->spiral1Tick = 11;
        r.state->spiral2Tick = 22;
        r.state->pathClock = 90;
        catalogue::ResetEnemies();
        EXPECT_EQ(r.state->pathClock, 0);
        EXPECT_EQ(r.state->x, -500);
        r.spawn();
        EXPECT_EQ(r.state->vx, 200);
        EXPECT_EQ(r.state->vy, 280);
        EXPECT_EQ(r.state->spiral1Tick + r.state->spiral2Tick, 33);
        r.move();  // the spawn point lies on the bounds
        EXPECT_EQ(r.state->active, 1u);
    }
}

}  // namespace
