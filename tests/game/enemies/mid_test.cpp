// The mid-size enemies: arming, the eight- and sixteen-cell explosions,
// the straight sinkers' bounds and Szak60's frame-counted flight.
#include <gtest/gtest.h>

#include "game/bullets/groups.h"
#include "tests/game/enemies/enemy_fixture.h"

namespace {

using enemytest::EnemyTest;
using enemies::Blit;

struct MidRow {
    void (*spawn)(), (*draw)(), (*move)(), (*hit)();
    catalogue::Owner owner;
    int xMod, xPlus;  // spawn x = rand() % xMod + xPlus (xMod 0: xPlus)
    float y;          // spawn y, where it is not random
    Blit how;         // the explosion cells' blit, whatever the effects
    int cells;
};
#define OPS(T) Spawn##T, UpdateDraw##T, Move##T, MarkHit##T, catalogue::T
const MidRow kRows[] = {
    {OPS(Szak50A), 300, 180, -120, Blit::Additive, 8}, {OPS(Szak51), 200, 180, -220, Blit::Additive, 8},
    {OPS(Szak52C), 240, 180, -160, Blit::Additive, 8}, {OPS(Szak60), 140, 180, -300, Blit::Object, 16},
    {OPS(Szak53A), 0, -20, 0, Blit::Additive, 8},      {OPS(Szak53B), 0, 620, 0, Blit::Additive, 8},
    {OPS(Szak50B), 0, -20, 0, Blit::Additive, 8},      {OPS(Szak50C), 0, 640, 0, Blit::Additive, 8},
    {OPS(Szak54A), 0, -20, -150, Blit::Additive, 8},   {OPS(Szak54B), 0, 620, -150, Blit::Additive, 8},
};
#undef OPS

int NextRand(uint32_t& seed) {
    seed = seed * 214013u + 2531011u;
    return static_cast<int>((seed >> 16) & 0x7FFF);
}

TEST_F(EnemyTest, MidEnemiesArmOnceAndExplodeSixteenFramesWithTwoSounds) {
    for (const MidRow& r : kRows) {
        SCOPED_TRACE(catalogue::OwnerName(r.owner));
        FrameSeconds = 0;
        const catalogue::EnemyRef e = catalogue::Access(r.owner).slot(0);
        uint32_t seed = rng::Seed;
        r.spawn();
        EXPECT_EQ(*e.active, 1u);
        EXPECT_EQ(*e.x, r.xMod ? NextRand(seed) % r.xMod + r.xPlus : r.xPlus);
        EXPECT_EQ(*e.y, r.y ? r.y : *e.y);
        r.move();  // the spawn point lies inside the bounds
        *e.x = 300;
        r.spawn();  // a live enemy is not armed again
        EXPECT_EQ(std::pair(*e.active, *e.x), std::pair(1u, 300.0f));
        AdditiveEffects = 0;
        FrameSeconds = 0.016f;
        *e.y = 300;
        r.hit();
        Clear();
        for (int call = 1; call <= 16; ++call) {
            ASSERT_EQ(*e.active, 1u);
            r.draw();
            r.move();
            if (call == 1) {
                EXPECT_EQ(ExplosionCells(r.how), r.cells);
                EXPECT_EQ(enemytest::blits.size(), static_cast<size_t>(r.cells));
            }
            EXPECT_EQ(enemytest::sounds, call < 9 ? 1 : 2);
        }
        EXPECT_EQ(std::tuple(*e.active, *e.hit, *e.x, *e.y), std::tuple(0u, 0u, -500.0f, 2550.0f));
    }
}

TEST_F(EnemyTest, StraightSinkersSinkByTheirSpeedAndLeaveBelow600OrLeftOf100) {
    FrameSeconds = 0.5f;
    uint32_t seed = rng::Seed;
    SpawnSzak52C();
    NextRand(seed);
    EXPECT_EQ(Szak52CState.vy, NextRand(seed) % 60 + 60);  // drawn after x
    for (auto [x, y, stays] : {std::tuple{300.0f, 600.0f, true}, {300.0f, 600.5f, false}, {99.0f, 0.0f, false}}) {
        Szak51State = MidEnemyState{0, 0, x, y - 50, 100, 0, 1, 0};
        MoveSzak51();
        EXPECT_EQ(std::pair(Szak51State.active, Szak51State.y), std::pair(stays ? 1u : 0u, stays ? y : 2550.0f));
    }
}

TEST_F(EnemyTest, Szak60SinksFiresSinksAndRepeatsAndTakes25Hits) {
    const catalogue::EnemyRef e = Szak60Access.slot(0);
    Szak60State.hitCount = 24;
    SpawnSzak60();
    EXPECT_EQ(*e.hitCount, 0);
    *e.hitCount = 24;  // what the weapons count for 24 touches
    UpdateDrawSzak60();
    EXPECT_EQ(enemytest::sounds, 0);
    FrameSeconds = 0.01f;
    float y = -300;
    auto frames = [&](int count, float sink, size_t shots) {
        for (int i = 0; i < count; ++i) {
            Clear();
            MoveSzak60();
            y += sink * 0.01f;
            ASSERT_FLOAT_EQ(Szak60State.y, y);
            ASSERT_EQ(enemytest::fired.size(), shots);
        }
    };
    frames(20, 130, 0);  // the first pass sinks for 20 frames
    frames(30, 0, 1);
    EXPECT_EQ(std::pair(enemytest::fired[0].spawn, enemytest::fired[0].arg), std::pair(&SpawnSzak60SmallShot1, 0));
    frames(10, 60, 0);
    frames(1, 0, 0);
    EXPECT_EQ(Szak60State.moveTick, 8);
    frames(12, 130, 0);  // later passes sink for 12
    frames(30, 0, 1);
    Szak60Access.markHit(0);  // the 25th touch
    UpdateDrawSzak60();
    EXPECT_EQ(enemytest::sounds, 1);
    for (auto [x, yy, stays] : {std::tuple{-120.0f, -300.0f, true}, {621.0f, 0.0f, false}, {0.0f, -301.0f, false}}) {
        Szak60State = Szak60Record{0, 0, 30, 0, x, yy, 0, 1, 0};
        MoveSzak60();
        EXPECT_EQ(Szak60State.active, stays ? 1u : 0u);
    }
}

}  // namespace
