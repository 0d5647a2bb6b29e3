// The five-segment paths: speeds and shots in the windows of the path
// clock, the restart, and the leaving tests.
#include <gtest/gtest.h>

#include "game/bullets/groups.h"
#include "tests/game/enemies/enemy_fixture.h"

namespace {

using enemytest::EnemyTest;
using Op = void (*)(int32_t);

enum GateKind { kNone, kSub, kModeOrSub };

struct PathRow {
    const char* name;
    Op move;
    EnemySlot52* slots;
    float rate;
    float seg[5][2];
    Op fire[5];
    GateKind gate;
};
#define ROW(T) #T, Move##T, T##Slots
// clang-format off
const PathRow kRows[] = {
    {ROW(Szak30A), 25, {{0, 220}, {110, 220}, {210, 220}, {310, 220}, {410, 0}}, {nullptr, SpawnSzak30AAimedLine1, SpawnSzak30AAimedLine2}, kNone},
    {ROW(Szak31A), 25, {{0, 220}, {-110, 220}, {-210, 220}, {-310, 220}, {-410, 0}}, {nullptr, SpawnSzak31AAimedLine1, SpawnSzak31AAimedLine2}, kNone},
    {ROW(Szak32A), 25, {{0, -220}, {110, -220}, {210, -220}, {310, -220}, {410, 0}}, {nullptr, SpawnSzak32AAimedLine1, SpawnSzak32AAimedLine2}, kSub},
    {ROW(Szak33A), 25, {{0, -220}, {-110, -220}, {-210, -220}, {-310, -220}, {-410, 0}}, {nullptr, SpawnSzak33AAimedLine1, SpawnSzak33AAimedLine2}, kSub},
    {ROW(Szak30B), 30, {{220, 0}, {220, 110}, {220, 210}, {220, 310}, {0, 410}}, {nullptr, SpawnSzak30BAimedShot1}, kNone},
    {ROW(Szak31B), 25, {{-220, 0}, {-220, 110}, {-220, 210}, {-220, 310}, {0, 410}}, {nullptr, SpawnSzak31BAimedShot1}, kNone},
    {ROW(Szak32B), 30, {{220, 0}, {220, -110}, {220, -210}, {220, -310}, {0, -410}}, {nullptr, SpawnSzak32BAimedShot1}, kModeOrSub},
    {ROW(Szak33B), 30, {{-220, 0}, {-220, -110}, {-220, -210}, {-220, -310}, {0, -410}}, {nullptr, SpawnSzak33BAimedShot1}, kModeOrSub},
    {ROW(Szak40A), 40, {{0, 220}, {110, 220}, {210, 220}, {310, 220}, {180, 0}}, {SpawnSzak40AAimedLine1, SpawnSzak40AAimedLine2}, kNone},
    {ROW(Szak41A), 25, {{0, 220}, {-110, 220}, {-210, 220}, {-310, 220}, {-180, 0}}, {SpawnSzak41AAimedLine1, SpawnSzak41AAimedLine2}, kNone},
    {ROW(Szak40B), 25, {{0, -400}, {110, -220}, {210, -220}, {310, -220}, {180, 0}}, {}, kNone},
    {ROW(Szak41B), 25, {{0, -400}, {-110, -220}, {-210, -220}, {-310, -220}, {-180, 0}}, {}, kNone},
};
// clang-format on
#undef ROW

// Both ends of each window of the path clock.
constexpr float kWindowEnds[5][2] = {{0, 10}, {11, 20}, {21, 30}, {31, 40}, {41, 100}};

void Fly(const PathRow& r, int slot, float clock) {
    r.slots[slot] = EnemySlot52{0, 0, 0, 0, clock, 300, 300, 1, 2, 0, 1, 0};
    enemytest::fired.clear();
    r.move(0);
}

TEST_F(EnemyTest, PathsSetTheirSegmentSpeedsAndFireInTheirWindows) {
    for (const PathRow& r : kRows) {
        SCOPED_TRACE(r.name);
        for (int w = 0; w < 5; ++w)
            for (float clock : kWindowEnds[w])
                for (auto [mode, sub] : {std::pair{1, 1}, {1, 0}, {2, 0}}) {
                    PlayMode = mode;
                    PlaySubMode = sub;
                    Fly(r, 2, clock);
                    EXPECT_EQ(std::pair(r.slots[2].vx, r.slots[2].vy), std::pair(r.seg[w][0], r.seg[w][1])) << clock;
                    // Shots of the other play modes stay silent in play (mode 1, sub-mode 0).
                    const bool fires =
                        r.fire[w] && (sub == 1 || r.gate == kNone || (mode == 2 && r.gate == kModeOrSub));
                    ASSERT_EQ(enemytest::fired.size(), fires ? 1u : 0u) << clock << " " << mode << sub;
                    if (fires) {
                        EXPECT_EQ(enemytest::fired[0].spawn, r.fire[w]);
                        EXPECT_EQ(enemytest::fired[0].arg, 2);  // the firing slot
                    }
                }
        // Between windows the speeds stay; the clock runs at the type's rate.
        for (float gap : {10.5f, 20.5f, 30.5f, 40.5f, 100.5f}) {
            Fly(r, 0, gap);
            EXPECT_EQ(r.slots[0].vx, 1);
        }
        FrameSeconds = 0.1f;
        Fly(r, 1, 50);
        EXPECT_FLOAT_EQ(r.slots[1].pathClock, 50 + r.rate / 10);
        EXPECT_FLOAT_EQ(r.slots[1].x, 300.1f);
        Fly(r, 1, 101 - r.rate / 10);  // reaches 101: starts again from the first segment
        EXPECT_EQ(r.slots[1].pathClock, 0);
        r.move(0);
        EXPECT_EQ(r.slots[1].vy, r.seg[0][1]);
        FrameSeconds = 0;
    }
}

TEST_F(EnemyTest, PathTypesLeaveByTheirOwnTestsAndLockBox) {
    const std::tuple<Op, EnemySlot52*, float, float, float> kCases[] = {  // parked x, 0: stays
        {MoveSzak30A, Szak30ASlots, 621, 300, -500},  {MoveSzak31A, Szak31ASlots, 79, 300, -500},
        {MoveSzak32A, Szak32ASlots, 185, 600, 0},     {MoveSzak32B, Szak32BSlots, 300, -101, -500},
        {MoveSzak33B, Szak33BSlots, 300, 601, 0},     {MoveSzak40A, Szak40ASlots, 60, -120, 0},
        {MoveSzak41B, Szak41BSlots, 300, 600.5f, 340},
    };
    for (const auto& [move, slots, x, y, parkX] : kCases) {
        slots[0] = EnemySlot52{0, 0, 0, 0, 50, x, y, 0, 0, 0, 1, 0};
        move(0);
        EXPECT_EQ(std::tuple(slots[0].active, slots[0].x, slots[0].pathClock),
                  std::tuple(parkX ? 0u : 1u, parkX ? parkX : x, 50.0f))
            << x << "," << y;
    }
    // A lockable slot that leaves drops its lock point only when the point
    // lies outside x 150..B, y -70..600, B being 620 to 623 by type.
    const std::pair<Op, LockSlot*> kLockable[] = {{MoveSzak40A, Szak40ALockSlots}, {MoveSzak41A, Szak41ALockSlots},
                                                  {MoveSzak40B, Szak40BLockSlots}, {MoveSzak41B, Szak41BLockSlots}};
    for (int t = 0; t < 4; ++t)
        for (int lockX : {620 + t, 621 + t}) {
            LockSlot& l = kLockable[t].second[3];
            l = LockSlot{lockX, -70, 1, 0};
            kLockable[t].first(0);  // slot 3 is free: it leaves on every Move
            EXPECT_EQ(std::pair(l.x, l.locked), lockX == 620 + t ? std::pair(lockX, 1u) : std::pair(370, 0u));
        }
}

}  // namespace
