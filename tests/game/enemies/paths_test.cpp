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

// A clock value inside each window, its bounds included.
constexpr float kInside[5][2] = {{0, 10}, {11, 20}, {21, 30}, {31, 40}, {41, 100}};

void Fly(const PathRow& r, int slot, float clock) {
    r.slots[slot] = EnemySlot52{0, 0, 0, 0, clock, 300, 300, 1, 2, 0, 1, 0};
    enemytest::fired.clear();
    r.move(0);
}

TEST_F(EnemyTest, PathsSetTheirSegmentSpeedsAndFireInTheirWindows) {
    for (const PathRow& r : kRows) {
        SCOPED_TRACE(r.name);
        for (int w = 0; w < 5; ++w)
            for (float clock : kInside[w]) {
                PlaySubMode = 1;
                Fly(r, 2, clock);
                EXPECT_EQ(r.slots[2].vx, r.seg[w][0]) << clock;
                EXPECT_EQ(r.slots[2].vy, r.seg[w][1]) << clock;
                ASSERT_EQ(enemytest::fired.size(), r.fire[w] ? 1u : 0u) << clock;
                if (r.fire[w]) {
                    EXPECT_EQ(enemytest::fired[0].spawn, r.fire[w]);
                    EXPECT_EQ(enemytest::fired[0].arg, 2);  // the firing slot
                }
                // The other play modes' shots stay silent in play.
                PlaySubMode = 0;
                Fly(r, 2, clock);
                EXPECT_EQ(enemytest::fired.size(), r.fire[w] && r.gate == kNone ? 1u : 0u);
                PlayMode = 2;
                Fly(r, 2, clock);
                EXPECT_EQ(enemytest::fired.size(), r.fire[w] && r.gate != kSub ? 1u : 0u);
                PlayMode = 1;
            }
        // Between windows the speeds stay; the clock runs at the type's rate.
        for (float gap : {10.5f, 20.5f, 30.5f, 40.5f, 100.5f}) {
            Fly(r, 0, gap);
            EXPECT_EQ(r.slots[0].vx, 1);
            EXPECT_TRUE(enemytest::fired.empty());
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
    struct Case {
        Op move;
        EnemySlot52* slots;
        float x, y;
        bool leaves;
        float parkX;
    };
    const Case kCases[] = {
        {MoveSzak30A, Szak30ASlots, 300, 600, false, 0},  {MoveSzak30A, Szak30ASlots, 300, 601, true, -500},
        {MoveSzak30A, Szak30ASlots, 621, 300, true, -500}, {MoveSzak31A, Szak31ASlots, 79, 300, true, -500},
        {MoveSzak32A, Szak32ASlots, 185, 600, false, 0},  {MoveSzak31B, Szak31BSlots, 80, 300, false, 0},
        {MoveSzak32B, Szak32BSlots, 300, -101, true, -500}, {MoveSzak33B, Szak33BSlots, 79, 0, true, -500},
        {MoveSzak33B, Szak33BSlots, 300, 601, false, 0},  {MoveSzak40A, Szak40ASlots, 60, -120, false, 0},
        {MoveSzak40A, Szak40ASlots, 59, 300, true, 340},  {MoveSzak41B, Szak41BSlots, 300, 600.5f, true, 340},
    };
    for (const Case& c : kCases) {
        c.slots[0] = EnemySlot52{0, 0, 0, 0, 50, c.x, c.y, 0, 0, 0, 1, 0};
        c.move(0);
        EXPECT_EQ(c.slots[0].active, c.leaves ? 0u : 1u) << c.x << "," << c.y;
        EXPECT_EQ(c.slots[0].x, c.leaves ? c.parkX : c.x);
        EXPECT_EQ(c.slots[0].pathClock, 50);  // the clock stays as it was
    }
    // A lockable slot that leaves drops its lock point only when the point
    // lies outside x 150..B, y -70..600, B being 620 to 623 by type.
    const std::pair<Op, LockSlot*> kLockable[] = {{MoveSzak40A, Szak40ALockSlots}, {MoveSzak41A, Szak41ALockSlots},
                                                  {MoveSzak40B, Szak40BLockSlots}, {MoveSzak41B, Szak41BLockSlots}};
    for (int t = 0; t < 4; ++t) {
        const int right = 620 + t;
        for (int lockX : {right, right + 1}) {
            kLockable[t].second[3] = LockSlot{lockX, -70, 1, 0};
            kLockable[t].first(0);  // slot 3 is free: it leaves on every Move
            const LockSlot& l = kLockable[t].second[3];
            EXPECT_EQ(l.locked, lockX == right ? 1u : 0u) << right;
            EXPECT_EQ(l.x, lockX == right ? right : 370);
        }
    }
}

}  // namespace
