// The mid-size enemies: arming, the eight- and sixteen-cell explosions,
// the straight sinkers' bounds and Szak60's frame-counted flight.
#include <gtest/gtest.h>

#include "game/bullets/groups.h"
#include "tests/game/enemies/enemy_fixture.h"

namespace {

using enemytest::EnemyTest;

struct MidRow {
    const char* name;
    void (*spawn)(), (*draw)(), (*move)(), (*hit)();
    catalogue::Owner owner;
    int xMod, xPlus;  // spawn x = rand() % xMod + xPlus
    float y;
    enemies::Blit how;  // how the explosion cells are drawn, whatever the effects
    int cells;
};
#define OPS(T) #T, Spawn##T, UpdateDraw##T, Move##T, MarkHit##T, catalogue::T
const MidRow kRows[] = {
    {OPS(Szak50A), 300, 180, -120, enemies::Blit::Additive, 8}, {OPS(Szak51), 200, 180, -220, enemies::Blit::Additive, 8},
    {OPS(Szak52C), 240, 180, -160, enemies::Blit::Additive, 8}, {OPS(Szak60), 140, 180, -300, enemies::Blit::Object, 16},
    {OPS(Szak53A), 0, -20, 0, enemies::Blit::Additive, 8},     {OPS(Szak53B), 0, 620, 0, enemies::Blit::Additive, 8},
    {OPS(Szak50B), 0, -20, 0, enemies::Blit::Additive, 8},     {OPS(Szak50C), 0, 640, 0, enemies::Blit::Additive, 8},
    {OPS(Szak54A), 0, -20, -150, enemies::Blit::Additive, 8},  {OPS(Szak54B), 0, 620, -150, enemies::Blit::Additive, 8},
};
#undef OPS

int NextRand(uint32_t& seed) {
    seed = seed * 214013u + 2531011u;
    return static_cast<int>((seed >> 16) & 0x7FFF);
}

TEST_F(EnemyTest, MidEnemiesArmOnceAndExplodeSixteenFramesWithTwoSounds) {
    for (const MidRow& r : kRows) {
        SCOPED_TRACE(r.name);
        FrameSeconds = 0;
        const catalogue::EnemyRef e = catalogue::Access(r.owner).slot(0);
        uint32_t seed = rng::Seed;
        r.spawn();
        EXPECT_EQ(*e.active, 1u);
        if (r.xMod > 0) {
            EXPECT_EQ(*e.x, NextRand(seed) % r.xMod + r.xPlus);
            EXPECT_EQ(*e.y, r.y);
        } else {
            EXPECT_EQ(*e.x, r.xPlus);
        }
        *e.x = 300;
        *e.y = 300;
        r.move();  // the spawn point lies inside the bounds
        EXPECT_EQ(*e.active, 1u);
        r.spawn();
        EXPECT_EQ(*e.x, 300);
        AdditiveEffects = 0;
        FrameSeconds = 0.016f;
        r.hit();
        Clear();
        for (int call = 1; call <= 16; ++call) {
            EXPECT_EQ(*e.active, 1u);
            r.draw();
            r.move();
            if (call == 1) {
                EXPECT_EQ(static_cast<int>(enemytest::blits.size()), r.cells);
                for (const auto& b : enemytest::blits) EXPECT_EQ(b.how, r.how);
            }
            EXPECT_EQ(enemytest::sounds, call < 9 ? 1 : 2);
        }
        EXPECT_EQ(*e.active, 0u);
        EXPECT_EQ(*e.hit, 0u);
        EXPECT_EQ(*e.x, -500);
        EXPECT_EQ(*e.y, 2550);
    }
}

TEST_F(EnemyTest, StraightSinkersLeaveBelow600OrLeftOf100) {
    for (auto [x, y, stays] : {std::tuple{300.0f, 600.0f, true}, {300.0f, 600.5f, false}, {99.0f, 300.0f, false}}) {
        Szak51State = MidEnemyState{0, 0, x, y, 0, 0, 1, 0};
        MoveSzak51();
        EXPECT_EQ(Szak51State.active, stays ? 1u : 0u);
    }
    FrameSeconds = 0.5f;
    uint32_t seed = rng::Seed;
    SpawnSzak52C();
    NextRand(seed);
    EXPECT_EQ(Szak52CState.vy, NextRand(seed) % 60 + 60);  // drawn after x
    const float y = Szak52CState.y;
    MoveSzak52C();
    EXPECT_FLOAT_EQ(Szak52CState.y, y + Szak52CState.vy / 2);
}

TEST_F(EnemyTest, Szak60SinksFiresSinksAndRepeatsAndTakes25Hits) {
    const catalogue::EnemyRef e = Szak60Access.slot(0);
    Szak60State.hitCount = 24;
    SpawnSzak60();
    EXPECT_EQ(*e.hitCount, 0);
    for (int i = 0; i < 24; ++i) ++*e.hitCount;  // what the weapons do for each touch
    UpdateDrawSzak60();
    EXPECT_EQ(enemytest::sounds, 0);
    FrameSeconds = 0.01f;
    float y = -300;
    auto step = [&](int frames, float sink, size_t shots) {
        for (int i = 0; i < frames; ++i) {
            Clear();
            MoveSzak60();
            y += sink * 0.01f;
            ASSERT_FLOAT_EQ(Szak60State.y, y);
            ASSERT_EQ(enemytest::fired.size(), shots);
        }
    };
    step(20, 130, 0);  // the first pass sinks for 20 frames
    step(30, 0, 1);
    EXPECT_EQ(enemytest::fired[0].spawn, SpawnSzak60SmallShot1);
    EXPECT_EQ(enemytest::fired[0].arg, 0);
    step(10, 60, 0);
    step(1, 0, 0);
    EXPECT_EQ(Szak60State.moveTick, 8);
    step(12, 130, 0);  // later passes sink for 12
    step(30, 0, 1);
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
