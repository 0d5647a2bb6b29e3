// The five-slot enemies: arming on their counters, explosions, drawing and
// what the reset keeps.
#include <gtest/gtest.h>

#include "game/enemies/timed.h"
#include "tests/game/enemies/enemy_fixture.h"

namespace {

using enemytest::EnemyTest;
using Op = void (*)(int32_t);

struct TimedRow {
    const char* name;
    Op spawn, draw, move;
    void (*hit)(int32_t);
    EnemySlot52* slots;
    LockSlot* locks;
    float x, y, vx, vy;
    int firstTick;  // slot i arms on the call firstTick·(i + 1) after a reset
    bool clears;    // the arming restarts the slot's counter
    float resetY;
    bool needsActive;               // a hit free slot does not explode
    bool stopsAdditive, stopsPlain;
    int add, half;                  // explosion cells of one additive frame
};
#define OPS(T) #T, Spawn##T, UpdateDraw##T, Move##T, MarkHit##T, T##Slots
// clang-format off
const TimedRow kRows[] = {
    {OPS(Szak21C), nullptr,          90,  20,  200, 200, 100, false, 2550, true,  false, false, 7, 0},
    {OPS(Szak22C), nullptr,          620, 20, -200, 200, 100, false, 2550, true,  true,  true,  7, 0},
    {OPS(Szak30A), nullptr,          185, -100, 0, 0,    30,  true,  -500, false, true,  true,  5, 2},
    {OPS(Szak31A), nullptr,          515, -100, 0, 0,    30,  true,  -500, false, true,  true,  5, 2},
    {OPS(Szak32A), nullptr,          185, 600, 0, 0,     30,  true,  -500, false, true,  true,  5, 2},
    {OPS(Szak33A), nullptr,          515, 600, 0, 0,     30,  true,  -500, false, true,  true,  5, 2},
    {OPS(Szak30B), nullptr,          80,  100, 0, 0,     30,  false, -500, false, true,  false, 4, 2},
    {OPS(Szak31B), nullptr,          620, 100, 0, 0,     30,  false, -500, false, true,  false, 4, 2},
    {OPS(Szak32B), nullptr,          80,  240, 0, 0,     30,  false, -500, false, true,  false, 4, 2},
    {OPS(Szak33B), nullptr,          620, 240, 0, 0,     30,  false, -500, false, true,  false, 4, 2},
    {OPS(Szak40A), Szak40ALockSlots, 205, -120, 0, 0,    30,  true,  -500, true,  true,  false, 4, 1},
    {OPS(Szak41A), Szak41ALockSlots, 495, -120, 0, 0,    30,  true,  -500, true,  true,  false, 4, 1},
    {OPS(Szak40B), Szak40BLockSlots, 185, 600, 0, 0,     30,  false, -500, true,  true,  false, 4, 1},
    {OPS(Szak41B), Szak41BLockSlots, 515, 600, 0, 0,     30,  false, -500, true,  true,  false, 4, 1},
};
// clang-format on
#undef OPS

TEST_F(EnemyTest, TimedSpawnerArmsOneSlotOnEachListedCount) {
    for (const TimedRow& r : kRows) {
        SCOPED_TRACE(r.name);
        for (int i = 0; i < 5; ++i) r.slots[i].spawnCounter = 0;
        if (r.locks) r.locks[4] = LockSlot{1, 1, 1, 0};
        const int wrap = r.firstTick * 5;
        for (int call = 1; call <= wrap + 1; ++call) {
            r.spawn(0);
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(r.slots[i].active, call >= r.firstTick * (i + 1) ? 1u : 0u) << call;
        }
        // The counters run 0..wrap, then 0 again; a clearing type restarted
        // each counter on its arming call.
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(r.slots[i].spawnCounter, r.clears ? wrap + 1 - r.firstTick * (i + 1) : 0);
        const EnemySlot52& s = r.slots[4];
        EXPECT_EQ(s.x, r.x);
        EXPECT_EQ(s.y, r.y);
        EXPECT_EQ(s.vx, r.vx);
        EXPECT_EQ(s.vy, r.vy);
        EXPECT_EQ(s.pathClock, 0);
        if (r.locks) {
            EXPECT_EQ(r.locks[4].x, 290);
            EXPECT_EQ(r.locks[4].y, 0);
            EXPECT_EQ(r.locks[4].locked, 0u);
        }
    }
}

TEST_F(EnemyTest, TimedHitExplodesSixteenFramesAndStopsAsItsTypeSays) {
    for (const TimedRow& r : kRows) {
        for (int additive : {1, 0}) {
            SCOPED_TRACE(std::string(r.name) + (additive ? " additive" : " plain"));
            catalogue::ResetEnemies();
            AdditiveEffects = additive;
            r.slots[0] = EnemySlot52{0, 0, 0, 0, 50, 300, 300, 10, 10, 0, 1, 0};
            r.hit(0);
            Clear();
            r.draw(0);
            EXPECT_EQ(ExplosionCells(enemies::Blit::Additive), additive ? r.add : 0);
            EXPECT_EQ(ExplosionCells(enemies::Blit::HalfBlend), additive ? r.half : 0);
            EXPECT_EQ(ExplosionCells(enemies::Blit::Object), additive ? 0 : 1);
            const bool stops = additive ? r.stopsAdditive : r.stopsPlain;
            EXPECT_EQ(r.slots[0].vx, stops ? 0 : 10);
            for (int call = 2; call <= 15; ++call) r.draw(0);
            EXPECT_EQ(r.slots[0].active, 1u);
            EXPECT_EQ(enemytest::sounds, 2);  // on the first and the ninth frame
            r.draw(0);
            EXPECT_EQ(r.slots[0].active, 0u);
            EXPECT_EQ(r.slots[0].x, -500);
            EXPECT_EQ(r.slots[0].y, 2550);
            if (r.locks) {
                EXPECT_EQ(r.locks[0].x, 290);
            }
        }
        // A hit on a free slot explodes only where the type ignores active.
        r.slots[1].hit = 1;
        Clear();
        r.draw(0);
        EXPECT_EQ(enemytest::sounds, r.needsActive ? 0 : 1);
    }
}

TEST_F(EnemyTest, TimedResetKeepsSpinAndOneTypesCountersAndParksByType) {
    for (const TimedRow& r : kRows) {
        r.slots[3].spawnCounter = 77;
        r.slots[3].rotationAngle = 42;
        r.slots[3].pathClock = 5;
    }
    catalogue::ResetEnemies();
    for (const TimedRow& r : kRows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.slots[3].spawnCounter, std::string(r.name) == "Szak22C" ? 77 : 0);
        EXPECT_EQ(r.slots[3].rotationAngle, 42);
        EXPECT_EQ(r.slots[3].pathClock, 0);
        EXPECT_EQ(r.slots[3].y, r.resetY);
    }
}

TEST_F(EnemyTest, PathSpritesShowTheCellsOfTheirClock) {
    struct Case {
        Op draw;
        EnemySlot52* slots;
        float clock;
        std::vector<int> lefts;  // source x of the cells drawn for slot 0
    };
    const Case kCases[] = {
        {UpdateDrawSzak30A, Szak30ASlots, 5, {0}},        {UpdateDrawSzak30A, Szak30ASlots, 10, {0, 100}},
        {UpdateDrawSzak31A, Szak31ASlots, 40, {300, 400}}, {UpdateDrawSzak30A, Szak30ASlots, 100.5f, {}},
        {UpdateDrawSzak30B, Szak30BSlots, 5, {400}},      {UpdateDrawSzak33B, Szak33BSlots, 20, {300, 200}},
        {UpdateDrawSzak32B, Szak32BSlots, 60, {0}},
    };
    for (const Case& c : kCases) {
        c.slots[0] = EnemySlot52{0, 0, 0, 0, c.clock, 300, 300, 0, 0, 0, 1, 0};
        Clear();
        c.draw(0);
        std::vector<int> lefts;
        for (const auto& b : enemytest::blits)
            if (b.x == 300) lefts.push_back(b.left);
        EXPECT_EQ(lefts, c.lefts) << c.clock;
    }
    // The lockable types turn 7 degrees a frame, also while free, in a
    // 119-pixel box; the straight types draw only while active.
    Szak40BSlots[2].rotationAngle = 357;
    Clear();
    UpdateDrawSzak40B(0);
    UpdateDrawSzak21C(0);
    EXPECT_EQ(enemytest::rotations[2].angle, 357);
    EXPECT_EQ(enemytest::rotations[2].right - enemytest::rotations[2].left, 119);
    EXPECT_EQ(Szak40BSlots[2].rotationAngle, 0);
    EXPECT_TRUE(enemytest::blits.empty());
}

}  // namespace
