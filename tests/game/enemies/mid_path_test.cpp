// The mid-size path enemies: entry, fire and exit on the path clock, their
// bounds and what the reset keeps.
#include <gtest/gtest.h>

#include "game/bullets/groups.h"
#include "tests/game/enemies/enemy_fixture.h"

namespace {

using enemytest::EnemyTest;
using Op = void (*)(int32_t);

struct PathRow {
    void (*spawn)(), (*move)();
    MidEnemyPathState* state;
    float rate;
    int dir;      // +1 from the left
    bool pathB;   // sinks while entering, leaves downwards
    float right;  // right free bound
    Op shot, chain1, chain2;
};
#define OPS(T) Spawn##T, Move##T, &T##State
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
std::pair<float, float> At(const PathRow& r) { return {r.state->x, r.state->y}; }

TEST_F(EnemyTest, MidPathsEnterFireAndLeaveOnTheirClock) {
    FrameSeconds = 0.01f;
    for (const PathRow& r : kRows) {
        SCOPED_TRACE(r.right + r.dir);
        const float entryEnd = r.pathB ? 40 : 50;
        Step(r, entryEnd);
        EXPECT_EQ(At(r), std::pair(300.0f + r.dir * 2, r.pathB ? 301.7f : 300.0f));
        Step(r, entryEnd + 0.5f);  // between windows nothing happens
        EXPECT_EQ(At(r), std::pair(300.0f, 300.0f));
        for (int mode : {1, 2}) {
            PlayMode = mode;
            Step(r, entryEnd + 1);
            EXPECT_EQ(r.state->vx, 0);
            std::vector<Op> shots{r.shot};
            if (r.chain1 && mode == 2) shots.insert(shots.end(), {r.chain1, r.chain2});
            ASSERT_EQ(enemytest::fired.size(), shots.size());
            for (size_t i = 0; i < shots.size(); ++i) EXPECT_EQ(enemytest::fired[i].spawn, shots[i]);
        }
        Step(r, 70.5f);
        EXPECT_TRUE(enemytest::fired.empty());
        Step(r, 71);
        EXPECT_EQ(At(r), std::pair(300.0f + r.dir * (r.pathB ? 1.5f : 2.5f), r.pathB ? 302.8f : 297.2f));
        Step(r, 121);
        EXPECT_EQ(r.state->pathClock, 0);
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
        *r.state = MidEnemyPathState{1, 2, 11, 22, 5, 5, 5, 5, 90, 1, 1, 1};
        catalogue::ResetEnemies();
        EXPECT_EQ(std::tuple(r.state->pathClock, r.state->x, r.state->y, r.state->active),
                  std::tuple(0.0f, -500.0f, 2550.0f, 0u));
        r.spawn();
        EXPECT_EQ(std::tuple(r.state->vx, r.state->vy, r.state->spiral1Tick, r.state->spiral2Tick),
                  std::tuple(200.0f, 280.0f, 11, 22));
        r.move();  // the spawn point lies on the bounds
        EXPECT_EQ(r.state->active, 1u);
    }
}

}  // namespace
