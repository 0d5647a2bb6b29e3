// The five-slot enemies: arming on their counters, explosions, drawing and
// what the reset keeps.
#include <gtest/gtest.h>

#include "game/enemies/timed.h"
#include "tests/game/enemies/enemy_fixture.h"

namespace {

using enemytest::EnemyTest;
using enemies::Blit;
using Op = void (*)(int32_t);

struct TimedRow {
    const char* name;
    Op spawn, draw, move;
    void (*hit)(int32_t);
    EnemySlot52* slots;
    LockSlot* locks;
    float x, y, vx, vy;
    int firstTick;  // slot i arms on call firstTick·(i + 1) after a reset
    bool clears;    // arming restarts the slot's counter
    float resetY;
    bool needsActive;  // a hit free slot does not explode
    bool stopsAdditive, stopsPlain;
    int add, half;  // explosion cells of one additive frame
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
            for (int i = 0; i < 5; ++i) ASSERT_EQ(r.slots[i].active, call >= r.firstTick * (i + 1)) << call;
        }
        // The counters run 0..wrap and then 0 again, unless arming restarted them.
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(r.slots[i].spawnCounter, r.clears ? wrap + 1 - r.firstTick * (i + 1) : 0);
        const EnemySlot52& s = r.slots[4];
        EXPECT_EQ(std::tuple(s.x, s.y, s.vx, s.vy, s.pathClock), std::tuple(r.x, r.y, r.vx, r.vy, 0.0f));
        if (r.locks) {
            EXPECT_EQ(std::tuple(r.locks[4].x, r.locks[4].y, r.locks[4].locked), std::tuple(290, 0, 0u));
        }
    }
}

TEST_F(EnemyTest, TimedHitExplodesSixteenFramesAndStopsAsItsTypeSays) {
    for (const TimedRow& r : kRows) {
        for (int additive : {1, 0}) {
            SCOPED_TRACE(std::string(r.name) + (additive ? " additive" : " plain"));
            AdditiveEffects = additive;
            r.slots[0] = EnemySlot52{0, 0, 0, 0, 50, 300, 300, 10, 10, 0, 1, 0};
            r.hit(0);
            Clear();
            r.draw(0);
            EXPECT_EQ(std::tuple(ExplosionCells(Blit::Additive), ExplosionCells(Blit::HalfBlend),
                                 ExplosionCells(Blit::Object)),
                      additive ? std::tuple(r.add, r.half, 0) : std::tuple(0, 0, 1));
            EXPECT_EQ(r.slots[0].vx, (additive ? r.stopsAdditive : r.stopsPlain) ? 0 : 10);
            for (int call = 2; call <= 15; ++call) r.draw(0);
            EXPECT_EQ(r.slots[0].active, 1u);
            EXPECT_EQ(enemytest::sounds, 2);  // on the first and the ninth frame
            r.draw(0);
            EXPECT_EQ(std::tuple(r.slots[0].active, r.slots[0].x, r.slots[0].y), std::tuple(0u, -500.0f, 2550.0f));
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
    for (const TimedRow& r : kRows) r.slots[3] = EnemySlot52{1, 2, 77, 42, 5, 300, 300, 1, 1, 1, 1, 1};
    catalogue::ResetEnemies();
    for (const TimedRow& r : kRows) {
        SCOPED_TRACE(r.name);
        const EnemySlot52& s = r.slots[3];
        EXPECT_EQ(s.spawnCounter, std::string(r.name) == "Szak22C" ? 77 : 0);
        EXPECT_EQ(std::tuple(s.explosionLoop, s.explosionFrame, s.rotationAngle, s.pathClock, s.x, s.y, s.vx, s.active),
                  std::tuple(0, 0, 42, 0.0f, -500.0f, r.resetY, 0.0f, 0u));
    }
}

TEST_F(EnemyTest, PathSpritesShowTheCellsOfTheirClock) {
    const std::tuple<Op, EnemySlot52*, float, std::vector<int>> kCases[] = {
        {UpdateDrawSzak30A, Szak30ASlots, 10, {0, 100}}, {UpdateDrawSzak31A, Szak31ASlots, 100.5f, {}},
        {UpdateDrawSzak33B, Szak33BSlots, 20, {300, 200}},
    };
    for (const auto& [draw, slots, clock, lefts] : kCases) {
        slots[0] = EnemySlot52{0, 0, 0, 0, clock, 300, 300, 0, 0, 0, 1, 0};
        Clear();
        draw(0);
        std::vector<int> drawn;  // the source x of each cell drawn for slot 0
        for (const auto& b : enemytest::blits)
            if (b.x == 300) drawn.push_back(b.left);
        EXPECT_EQ(drawn, lefts) << clock;
    }
    // The lockable types turn 7 degrees a frame, also while free; the
    // straight types draw only while active.
    Szak40BSlots[2].rotationAngle = 353;
    Clear();
    UpdateDrawSzak40B(0);
    UpdateDrawSzak21C(0);
    EXPECT_EQ(enemytest::angles[2], 353);
    EXPECT_EQ(Szak40BSlots[2].rotationAngle, 0);
    EXPECT_TRUE(enemytest::blits.empty());
}

}  // namespace
