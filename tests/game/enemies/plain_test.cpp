// The small enemies that arm every free slot at once: the plain, spinning
// and twin types.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/game/enemies/enemy_fixture.h"

namespace {

using enemytest::EnemyTest;
using Op = void (*)(int32_t);
using enemies::Blit;

// A start value: sign x (rand() % mod + plus), or plus when mod is 0.
struct Value {
    int mod, plus, sign = 1;
    bool written = true;
};
constexpr Value C(int v) { return {0, v}; }
constexpr Value R(int mod, int plus) { return {mod, plus}; }
constexpr Value kUnwritten{0, 0, 1, false};

struct SmallRow {
    const char* name;
    Op spawn, draw, move;
    void (*hit)(int32_t);
    int slots;
    Value x, y, vx, vy;
    float resetY;
    float stayX, stayY, leaveX, leaveY;  // a point on a bound, and one just beyond one
    float parkX;
    int passCells;
    bool stops;
    int add, half, obj, plainCells;  // explosion cells of one frame, effects on; cells with effects off
};
#define OPS(T) #T, Spawn##T, UpdateDraw##T, Move##T, MarkHit##T
// clang-format off
const SmallRow kRows[] = {
    {OPS(Szak10),  3, R(310, 210), C(-80), kUnwritten, R(60, 70),    2550, 300, 600, 300, 600.5f, -500, 10, true, 4, 1, 0, 5},
    {OPS(Szak3),   3, R(360, 180), C(480), C(0), {100, 120, -1},     2550, 100, -100, 99.5f, 300, 360, 8, false, 1, 0, 0, 1},
    {OPS(Szak4),   3, R(340, 180), C(480), C(0), {80, 120, -1},      2550, 80, -120, 300, -120.5f, 350, 8, false, 1, 0, 0, 1},
    {OPS(Szak1A),  4, C(220), C(-60), R(10, 0), R(180, 60),          2550, 300, 600, 300, 601, -500, 8, true, 1, 0, 0, 1},
    {OPS(Szak1B),  4, C(520), C(-60), R(10, 0), R(180, 60),          2550, 300, 600, 300, 601, -500, 8, true, 1, 0, 0, 1},
    {OPS(Szak9),   3, R(360, 180), C(-80), R(10, 0), R(60, 50),      -500, 300, 600, 300, 601, -500, 8, true, 6, 1, 0, 1},
    {OPS(Szak12),  3, R(400, 160), C(-100), R(50, 50), R(68, 52),    -500, 100, 600, 99, 300, -500, 8, true, 4, 2, 0, 6},
    {OPS(Szak13A), 3, C(90), R(200, 0), R(50, 50), R(60, 50),        2550, 90, 600, 620.5f, 300, 360, 8, true, 5, 0, 0, 1},
    {OPS(Szak13B), 3, C(620), R(200, 0), R(50, 50), R(60, 50),       2550, 620, 0, 89, 300, 360, 8, true, 5, 0, 0, 1},
    {OPS(Szak52A), 1, C(-20), C(-160), R(80, 100), R(80, 80),        2550, -20, 600, 0, 600.1f, -500, 8, false, 0, 0, 8, 8},
    {OPS(Szak52B), 1, C(620), C(-160), R(80, 100), R(80, 80),        2550, 620, 600, 0, 601, -500, 8, false, 0, 0, 8, 8},
    {OPS(Szak21A), 3, C(90), C(-90), R(70, 60), R(70, 70),           2550, 90, -90, 621, 0, 355, 8, false, 1, 0, 0, 1},
    {OPS(Szak21B), 2, C(90), C(60), R(80, 70), R(80, 80),            2550, 620, 600, 300, -91, 355, 8, false, 7, 0, 0, 1},
    {OPS(Szak22A), 3, C(620), C(-90), R(70, 60), R(70, 70),          2550, 620, 0, 89, 0, 355, 8, false, 1, 0, 0, 1},
    {OPS(Szak22B), 2, C(620), C(60), R(80, 70), R(80, 80),           2550, 90, 600, 300, 600.5f, 355, 8, true, 7, 0, 0, 1},
    {OPS(Szak6A),  3, R(360, 180), C(-80), R(10, 0), R(80, 120),     2550, 1000, 600, 300, 601, -500, 8, true, 4, 0, 0, 4},
    {OPS(Szak6B),  3, R(360, 180), C(-80), R(10, 0), R(80, 140),     2550, -100, 600, 300, 601, -500, 8, true, 6, 0, 0, 6},
    {OPS(Szak6C),  3, R(360, 180), C(-80), R(10, 0), R(80, 40),      2550, 1000, 600, 300, 601, -500, 8, true, 6, 1, 0, 1},
    {OPS(Szak6D),  3, C(90), R(100, 0), {50, -100, -1}, {50, -90, -1}, 2550, 90, 600, 89, 300, 360, 8, true, 7, 0, 0, 1},
    {OPS(Szak6E),  3, C(620), R(100, 0), {50, -100, -1}, {50, -90, -1}, 2550, 620, 600, 300, 601, 360, 8, true, 7, 0, 0, 1},
};
// clang-format on

std::string Slot(const char* name, int i, const char* field) {
    return std::string(name) + "Slots[" + std::to_string(i) + "]." + field;
}

float Expected(const Value& v, uint32_t& seed) {
    if (!v.written || v.mod == 0) return static_cast<float>(v.plus);
    seed = seed * 214013u + 2531011u;
    return static_cast<float>(v.sign * (static_cast<int>((seed >> 16) & 0x7FFF) % v.mod + v.plus));
}

TEST_F(EnemyTest, SmallSpawnArmsEveryFreeSlotWithItsStartValues) {
    for (const SmallRow& r : kRows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(Read(Slot(r.name, 0, "y")), r.resetY);
        const int live = r.slots - 1;
        Write(Slot(r.name, live, "active"), 1);
        Write(Slot(r.name, live, "x"), 123);
        uint32_t seed = rng::Seed;
        r.spawn(0);
        for (int i = 0; i < live; ++i) {
            EXPECT_EQ(Read(Slot(r.name, i, "active")), 1);
            // The draws are taken in the order x, y, vx, vy.
            for (auto [field, value] : {std::pair{"x", r.x}, {"y", r.y}, {"vx", r.vx}, {"vy", r.vy}})
                EXPECT_EQ(Read(Slot(r.name, i, field)), Expected(value, seed)) << field;
        }
        EXPECT_EQ(Read(Slot(r.name, live, "x")), 123);
        EXPECT_EQ(rng::Seed, seed);
    }
}

TEST_F(EnemyTest, SmallMoveFreesOnlyBeyondItsStrictBoundsAndParks) {
    for (const SmallRow& r : kRows)
        for (bool leaves : {false, true}) {
            SCOPED_TRACE(std::string(r.name) + (leaves ? " leaves" : " stays"));
            Write(Slot(r.name, 0, "active"), 1);
            Write(Slot(r.name, 0, "x"), leaves ? r.leaveX : r.stayX);
            Write(Slot(r.name, 0, "y"), leaves ? r.leaveY : r.stayY);
            r.move(0);
            EXPECT_EQ(Read(Slot(r.name, 0, "active")), leaves ? 0 : 1);
            EXPECT_EQ(Read(Slot(r.name, 0, "x")), leaves ? r.parkX : r.stayX);
            EXPECT_EQ(Read(Slot(r.name, 0, "y")), leaves ? 2550 : r.stayY);
        }
}

TEST_F(EnemyTest, SmallHitExplodesForTwoPassesWithTwoSoundsThenFrees) {
    for (const SmallRow& r : kRows) {
        SCOPED_TRACE(r.name);
        FrameSeconds = 0.016f;
        AdditiveEffects = 0;
        for (auto [field, v] : {std::pair{"active", 1}, {"x", 300}, {"y", 300}, {"vx", 10}, {"vy", 50}})
            Write(Slot(r.name, 0, field), v);
        r.hit(0);
        Clear();
        r.draw(0);
        EXPECT_EQ(ExplosionCells(Blit::Object), r.plainCells);
        AdditiveEffects = 1;
        for (int call = 2; call <= 2 * r.passCells; ++call) {
            r.move(0);
            if (call == 2) Clear();
            r.draw(0);
            if (call == 2) {
                EXPECT_EQ(std::tuple(ExplosionCells(Blit::Additive), ExplosionCells(Blit::HalfBlend),
                                     ExplosionCells(Blit::Object)),
                          std::tuple(r.add, r.half, r.obj));
            }
            // The second pass sounds on its first cell.
            EXPECT_EQ(enemytest::sounds, call <= r.passCells ? 0 : 1) << call;
            if (call == 2 * r.passCells - 1) {
                EXPECT_EQ(Read(Slot(r.name, 0, "active")), 1);
                EXPECT_EQ(Read(Slot(r.name, 0, "x")) == 300, r.stops);
            }
        }
        for (auto [field, v] : {std::pair{"active", 0}, {"hit", 0}, {"explosionLoop", 0}, {"x", -500}, {"y", 2550}})
            EXPECT_EQ(Read(Slot(r.name, 0, field)), v) << field;
    }
    // Pieces fly apart from the truncated position: Szak10's half-blended
    // piece of cell 3 at (x + 20 - 6·3, y + 20 - 6·3).
    Szak10Slots[0] = EnemySlot40{0, 3, 0, 300.9f, 200.5f, 0, 0, 0, 1, 1};
    Clear();
    UpdateDrawSzak10(0);
    const enemytest::BlitCall half = enemytest::blits[1];
    EXPECT_EQ(std::tuple(half.how, half.x, half.y, half.image, half.left, half.right),
              std::tuple(Blit::HalfBlend, 302, 202, int{enemytest::k3B}, 240, 320));
}

struct LockRow {
    const char* name;
    Op spawn, draw, move;
    void (*hit)(int32_t);
    LockSlot* points;
    bool restAtSpawn;
    int restY, markX, markY;  // rest (290, restY); move rest (370, restY)
    bool sidesOnly;
};
const LockRow kLockRows[] = {
    {OPS(Szak3), Szak3LockSlots, true, 500, 10, 20, false},     {OPS(Szak4), Szak4LockSlots, true, 0, 20, 30, false},
    {OPS(Szak13B), Szak13BLockSlots, false, 0, 10, 10, true},   {OPS(Szak21B), Szak21BLockSlots, true, 0, 15, 15, false},
    {OPS(Szak22A), Szak22ALockSlots, true, 0, 15, 15, false},   {OPS(Szak6D), Szak6DLockSlots, false, 0, 10, 10, true},
};
#undef OPS

std::tuple<int, int, uint32_t> At(const LockSlot& l) { return {l.x, l.y, l.locked}; }

TEST_F(EnemyTest, LockPointsFollowTheirSlotAndRestWhereTheTypeSays) {
    for (const LockRow& r : kLockRows) {
        SCOPED_TRACE(r.name);
        LockSlot& l = r.points[0];
        r.move(0);  // idle Moves free the parked slots on every frame
        EXPECT_EQ(At(l), r.sidesOnly ? std::tuple(-500, 500, 0u) : std::tuple(370, r.restY, 0u));
        l = LockSlot{1, 1, 1, 0};
        r.spawn(0);
        EXPECT_EQ(At(l), r.restAtSpawn ? std::tuple(290, r.restY, 0u) : std::tuple(1, 1, 1u));
        for (auto [field, v] : {std::pair{"x", 300.7}, {"y", 200.2}, {"vx", 0.0}, {"vy", 0.0}})
            Write(Slot(r.name, 0, field), v);
        l.locked = 1;
        Clear();
        r.draw(0);
        EXPECT_EQ(At(l), std::tuple(300 + r.markX, 200 + r.markY, 1u));
        EXPECT_EQ(std::count_if(enemytest::blits.begin(), enemytest::blits.end(),
                                [&](const auto& b) { return b.image == enemytest::kRock && b.x == l.x && b.y == l.y; }),
                  1);
        r.hit(0);
        for (int i = 0; i < 16; ++i) r.draw(0);
        EXPECT_EQ(At(l), std::tuple(290, r.restY, 0u));
        // Leaving through the bottom or, for the side types, through a side
        // with the point's x outside 110..620 drops a point outside the box.
        for (auto [x, y, lockX, drops] : {std::tuple{300.0f, 601.0f, 650, !r.sidesOnly}, {621.0f, 300.0f, 650, true},
                                          {621.0f, 300.0f, 109, true}, {621.0f, 300.0f, 110, !r.sidesOnly}}) {
            l = LockSlot{lockX, 100, 1, 0};
            Write(Slot(r.name, 0, "active"), 1);
            Write(Slot(r.name, 0, "x"), x);
            Write(Slot(r.name, 0, "y"), y);
            r.move(0);
            EXPECT_EQ(At(l), drops ? std::tuple(370, r.restY, 0u) : std::tuple(lockX, 100, 1u)) << x << " " << lockX;
        }
    }
}

TEST_F(EnemyTest, SpinnersTurnSevenDegreesAFrameAndSteerTowardsThePlayer) {
    Szak6ASlots[0].spinAngle = 346;
    Szak6DSlots[1].spinAngle = 49;
    Szak9Slots[2].frameB = 13;
    UpdateDrawSzak6A(0);
    UpdateDrawSzak6A(0);
    EXPECT_EQ(enemytest::angles[0], 346);
    EXPECT_EQ(enemytest::angles[3], 353);
    EXPECT_EQ(Szak6ASlots[0].spinAngle, 0);  // 360 is never drawn
    // The spin angle and the flame cell survive the reset.
    catalogue::ResetEnemies();
    EXPECT_EQ(Szak6DSlots[1].spinAngle, 49);
    EXPECT_EQ(Szak9Slots[2].frameB, 13);
    // Steering takes effect on the next Move; equal x keeps the last speed.
    PlayerX = 300;
    FrameSeconds = 0.1f;
    for (auto [slots, speed] : {std::pair{Szak6ASlots, 50.0f}, {Szak6BSlots, 55.0f}, {Szak6CSlots, 0.0f}}) {
        slots[0] = EnemySlot44{0, 0, 0, 310, 0, 5, 100, 0, 1, 0};
        MoveSzak6A(0), MoveSzak6B(0), MoveSzak6C(0);
        EXPECT_FLOAT_EQ(slots[0].x, speed ? 310.5f : 310);
        EXPECT_FLOAT_EQ(slots[0].y, 10);
        slots[0].x = 300;
        MoveSzak6A(0), MoveSzak6B(0), MoveSzak6C(0);
        EXPECT_FLOAT_EQ(slots[0].x, 300 - speed * 0.1f);
        EXPECT_FLOAT_EQ(slots[0].vx, speed ? speed : 5);
    }
    FrameSeconds = 0;  // right above the player: the speed stays
    Szak6ASlots[0] = EnemySlot44{0, 0, 0, 300, 0, -50, 100, 0, 1, 0};
    MoveSzak6A(0);
    EXPECT_EQ(Szak6ASlots[0].vx, -50);
}

}  // namespace
