// The small enemies that arm every free slot at once: the plain, spinning
// and twin types.
#include <gtest/gtest.h>

#include "tests/game/enemies/enemy_fixture.h"

namespace {

using enemytest::EnemyTest;
using Op = void (*)(int32_t);

// A start value: rand() % mod + plus, negated when sign is -1 (mod 0: plus).
struct Value {
    int mod, plus, sign = 1;
    bool written = true;
};
constexpr Value C(int v) { return {0, v}; }
constexpr Value R(int mod, int plus) { return {mod, plus}; }
constexpr Value N(int mod, int plus) { return {mod, plus, -1}; }
constexpr Value kUnwritten{0, 0, 1, false};

struct Probe {
    float x, y;
};

struct SmallRow {
    const char* name;
    Op spawn, draw, move;
    void (*hit)(int32_t);
    int slots;
    Value x, y, vx, vy;
    float resetY;
    Probe stays, leaves;  // on a bound, and just outside one
    float parkX;
    int passCells;
    bool stops;
    int add, half, obj, plainCells;  // explosion cells of one frame, effects on; cells with effects off
};

#define OPS(T) #T, Spawn##T, UpdateDraw##T, Move##T, MarkHit##T
// clang-format off
const SmallRow kRows[] = {
    {OPS(Szak10),  3, R(310, 210), C(-80), kUnwritten, R(60, 70),    2550, {300, 600}, {300, 600.5f}, -500, 10, true,  4, 1, 0, 5},
    {OPS(Szak3),   3, R(360, 180), C(480), C(0), N(100, 120),        2550, {100, -100}, {99.5f, 300}, 360, 8, false, 1, 0, 0, 1},
    {OPS(Szak4),   3, R(340, 180), C(480), C(0), N(80, 120),         2550, {80, -120}, {300, -120.5f}, 350, 8, false, 1, 0, 0, 1},
    {OPS(Szak1A),  4, C(220), C(-60), R(10, 0), R(180, 60),          2550, {300, 600}, {300, 601}, -500, 8, true,  1, 0, 0, 1},
    {OPS(Szak1B),  4, C(520), C(-60), R(10, 0), R(180, 60),          2550, {300, 600}, {300, 601}, -500, 8, true,  1, 0, 0, 1},
    {OPS(Szak9),   3, R(360, 180), C(-80), R(10, 0), R(60, 50),      -500, {300, 600}, {300, 601}, -500, 8, true,  6, 1, 0, 1},
    {OPS(Szak12),  3, R(400, 160), C(-100), R(50, 50), R(68, 52),    -500, {100, 600}, {99, 300}, -500, 8, true,  4, 2, 0, 6},
    {OPS(Szak13A), 3, C(90), R(200, 0), R(50, 50), R(60, 50),        2550, {90, 600}, {620.5f, 300}, 360, 8, true, 5, 0, 0, 1},
    {OPS(Szak13B), 3, C(620), R(200, 0), R(50, 50), R(60, 50),       2550, {620, 0}, {89, 300}, 360, 8, true,  5, 0, 0, 1},
    {OPS(Szak52A), 1, C(-20), C(-160), R(80, 100), R(80, 80),        2550, {-20, 600}, {0, 600.1f}, -500, 8, false, 0, 0, 8, 8},
    {OPS(Szak52B), 1, C(620), C(-160), R(80, 100), R(80, 80),        2550, {620, 600}, {0, 601}, -500, 8, false, 0, 0, 8, 8},
    {OPS(Szak21A), 3, C(90), C(-90), R(70, 60), R(70, 70),           2550, {90, -90}, {621, 0}, 355, 8, false, 1, 0, 0, 1},
    {OPS(Szak21B), 2, C(90), C(60), R(80, 70), R(80, 80),            2550, {620, 600}, {300, -91}, 355, 8, false, 7, 0, 0, 1},
    {OPS(Szak22A), 3, C(620), C(-90), R(70, 60), R(70, 70),          2550, {620, 0}, {89, 0}, 355, 8, false, 1, 0, 0, 1},
    {OPS(Szak22B), 2, C(620), C(60), R(80, 70), R(80, 80),           2550, {90, 600}, {300, 600.5f}, 355, 8, true, 7, 0, 0, 1},
    {OPS(Szak6A),  3, R(360, 180), C(-80), R(10, 0), R(80, 120),     2550, {1000, 600}, {300, 601}, -500, 8, true, 4, 0, 0, 4},
    {OPS(Szak6B),  3, R(360, 180), C(-80), R(10, 0), R(80, 140),     2550, {-100, 600}, {300, 601}, -500, 8, true, 6, 0, 0, 6},
    {OPS(Szak6C),  3, R(360, 180), C(-80), R(10, 0), R(80, 40),      2550, {1000, 600}, {300, 601}, -500, 8, true, 6, 1, 0, 1},
    {OPS(Szak6D),  3, C(90), R(100, 0), {50, -100, -1}, {50, -90, -1}, 2550, {90, 600}, {89, 300}, 360, 8, true, 7, 0, 0, 1},
    {OPS(Szak6E),  3, C(620), R(100, 0), {50, -100, -1}, {50, -90, -1}, 2550, {620, 600}, {300, 601}, 360, 8, true, 7, 0, 0, 1},
};
// clang-format on

std::string Slot(const SmallRow& r, int i, const char* field) {
    return std::string(r.name) + "Slots[" + std::to_string(i) + "]." + field;
}

int NextRand(uint32_t& seed) {
    seed = seed * 214013u + 2531011u;
    return static_cast<int>((seed >> 16) & 0x7FFF);
}
float Expected(const Value& v, uint32_t& seed, float old) {
    if (!v.written) return old;
    if (v.mod == 0) return static_cast<float>(v.plus);
    return static_cast<float>(v.sign * (NextRand(seed) % v.mod + v.plus));
}

TEST_F(EnemyTest, SmallSpawnArmsEveryFreeSlotWithItsStartValues) {
    for (const SmallRow& r : kRows) {
        SCOPED_TRACE(r.name);
        catalogue::ResetEnemies();
        EXPECT_EQ(Read(Slot(r, 0, "y")), r.resetY);
        const int live = r.slots - 1;
        Write(Slot(r, live, "active"), 1);
        Write(Slot(r, live, "x"), 123);
        uint32_t seed = rng::Seed;
        r.spawn(0);
        for (int i = 0; i < live; ++i) {
            EXPECT_EQ(Read(Slot(r, i, "active")), 1);
            EXPECT_EQ(Read(Slot(r, i, "hit")), 0);
            // The draws are taken in the order x, y, vx, vy.
            EXPECT_EQ(Read(Slot(r, i, "x")), Expected(r.x, seed, 0));
            EXPECT_EQ(Read(Slot(r, i, "y")), Expected(r.y, seed, 0));
            EXPECT_EQ(Read(Slot(r, i, "vx")), Expected(r.vx, seed, 0));
            EXPECT_EQ(Read(Slot(r, i, "vy")), Expected(r.vy, seed, 0));
        }
        EXPECT_EQ(Read(Slot(r, live, "x")), 123);
        EXPECT_EQ(rng::Seed, seed);
    }
}

TEST_F(EnemyTest, SmallMoveFreesOnlyBeyondItsStrictBoundsAndParks) {
    for (const SmallRow& r : kRows) {
        SCOPED_TRACE(r.name);
        for (bool leaves : {false, true}) {
            const Probe& p = leaves ? r.leaves : r.stays;
            catalogue::ResetEnemies();
            Write(Slot(r, 0, "active"), 1);
            Write(Slot(r, 0, "x"), p.x);
            Write(Slot(r, 0, "y"), p.y);
            r.move(0);
            EXPECT_EQ(Read(Slot(r, 0, "active")), leaves ? 0 : 1);
            EXPECT_EQ(Read(Slot(r, 0, "x")), leaves ? r.parkX : p.x);
            EXPECT_EQ(Read(Slot(r, 0, "y")), leaves ? 2550 : p.y);
        }
    }
}

TEST_F(EnemyTest, SmallHitExplodesForTwoPassesWithTwoSoundsThenFrees) {
    for (const SmallRow& r : kRows) {
        SCOPED_TRACE(r.name);
        catalogue::ResetEnemies();
        FrameSeconds = 0.016f;
        AdditiveEffects = 0;
        Write(Slot(r, 0, "active"), 1);
        Write(Slot(r, 0, "x"), 300);
        Write(Slot(r, 0, "y"), 300);
        Write(Slot(r, 0, "vx"), 10);
        Write(Slot(r, 0, "vy"), 50);
        r.hit(0);
        Clear();
        r.draw(0);
        EXPECT_EQ(ExplosionCells(enemies::Blit::Object), r.plainCells);
        AdditiveEffects = 1;
        for (int call = 2; call <= 2 * r.passCells; ++call) {
            r.move(0);
            if (call == 2) Clear();
            r.draw(0);
            if (call == 2) {
                EXPECT_EQ(ExplosionCells(enemies::Blit::Additive), r.add);
                EXPECT_EQ(ExplosionCells(enemies::Blit::HalfBlend), r.half);
                EXPECT_EQ(ExplosionCells(enemies::Blit::Object), r.obj);
            }
            // The second pass sounds on its first cell.
            EXPECT_EQ(enemytest::sounds, call <= r.passCells ? 0 : 1) << call;
            if (call == 2 * r.passCells - 1) {
                EXPECT_EQ(Read(Slot(r, 0, "active")), 1);
                EXPECT_EQ(Read(Slot(r, 0, "x")) == 300, r.stops);
            }
        }
        EXPECT_EQ(Read(Slot(r, 0, "active")), 0);
        EXPECT_EQ(Read(Slot(r, 0, "hit")), 0);
        EXPECT_EQ(Read(Slot(r, 0, "explosionLoop")), 0);
        EXPECT_EQ(Read(Slot(r, 0, "x")), -500);
        EXPECT_EQ(Read(Slot(r, 0, "y")), 2550);
    }
}

TEST_F(EnemyTest, ExplosionPiecesFlyApartFromTheTruncatedPosition) {
    Szak10Slots[0] = EnemySlot40{0, 3, 0, 300.9f, 200.5f, 0, 0, 0, 1, 1};
    UpdateDrawSzak10(0);
    // Burst A, cell 3: the half-blended piece at (x + 20 - 6·3, y + 20 - 6·3).
    ASSERT_EQ(ExplosionCells(enemies::Blit::HalfBlend), 1);
    const enemytest::BlitCall half = enemytest::blits[1];
    EXPECT_EQ(half.x, 302);
    EXPECT_EQ(half.y, 202);
    EXPECT_EQ(half.image, enemytest::k3B);
    EXPECT_EQ(half.left, 240);
    EXPECT_EQ(half.right, 320);
    EXPECT_EQ(half.bottom, 80);
    EXPECT_EQ(Szak10Slots[0].frameA, 4);
    // The ring of eight: Szak52B's low-left cell is a 2B cell, Szak52A's a 3B.
    Szak52ASlots[0] = Szak52BSlots[0] = EnemySlot40{0, 0, 0, 300, 200, 0, 0, 0, 1, 1};
    Clear();
    UpdateDrawSzak52A(0);
    UpdateDrawSzak52B(0);
    ASSERT_EQ(enemytest::blits.size(), 16u);
    EXPECT_EQ(enemytest::blits[6].x, 298);
    EXPECT_EQ(enemytest::blits[6].y, 292);
    EXPECT_EQ(enemytest::blits[6].image, enemytest::k3B);
    EXPECT_EQ(enemytest::blits[14].image, enemytest::k2B);
}

struct LockRow {
    const char* name;
    Op spawn, draw, move;
    void (*hit)(int32_t);
    LockSlot* points;
    bool restAtSpawn;
    enemies::Point rest, marker, moveRest;
    bool sidesOnly;
};
// clang-format off
const LockRow kLockRows[] = {
    {OPS(Szak3),   Szak3LockSlots,   true,  {290, 500}, {10, 20}, {370, 500}, false},
    {OPS(Szak4),   Szak4LockSlots,   true,  {290, 0},   {20, 30}, {370, 0},   false},
    {OPS(Szak13A), Szak13ALockSlots, false, {290, 0},   {10, 10}, {370, 0},   true},
    {OPS(Szak13B), Szak13BLockSlots, false, {290, 0},   {10, 10}, {370, 0},   true},
    {OPS(Szak21A), Szak21ALockSlots, true,  {290, 0},   {15, 15}, {370, 0},   false},
    {OPS(Szak21B), Szak21BLockSlots, true,  {290, 0},   {15, 15}, {370, 0},   false},
    {OPS(Szak22A), Szak22ALockSlots, true,  {290, 0},   {15, 15}, {370, 0},   false},
    {OPS(Szak22B), Szak22BLockSlots, true,  {290, 0},   {15, 15}, {370, 0},   false},
    {OPS(Szak6D),  Szak6DLockSlots,  false, {290, 0},   {10, 10}, {370, 0},   true},
    {OPS(Szak6E),  Szak6ELockSlots,  false, {290, 0},   {10, 10}, {370, 0},   true},
};
// clang-format on
#undef OPS

void ExpectAt(const LockSlot& l, enemies::Point p, uint32_t locked) {
    EXPECT_EQ(l.x, p.x);
    EXPECT_EQ(l.y, p.y);
    EXPECT_EQ(l.locked, locked);
}

TEST_F(EnemyTest, LockPointsFollowTheirSlotAndRestWhereTheTypeSays) {
    for (const LockRow& r : kLockRows) {
        SCOPED_TRACE(r.name);
        catalogue::ResetEnemies();
        LockSlot& l = r.points[0];
        // Idle Moves free the parked slot on every frame.
        r.move(0);
        ExpectAt(l, r.sidesOnly ? enemies::Point{-500, 500} : r.moveRest, 0);
        l = LockSlot{1, 1, 1, 0};
        r.spawn(0);
        ExpectAt(l, r.restAtSpawn ? r.rest : enemies::Point{1, 1}, r.restAtSpawn ? 0 : 1);
        const std::string slot = std::string(r.name) + "Slots[0].";
        Write(slot + "x", 300.7);
        Write(slot + "y", 200.2);
        Write(slot + "vx", 0);
        Write(slot + "vy", 0);
        l.locked = 1;
        Clear();
        r.draw(0);
        ExpectAt(l, {300 + r.marker.x, 200 + r.marker.y}, 1);
        // Only the locked slot shows the marker, at its lock point.
        int markers = 0;
        for (const auto& b : enemytest::blits)
            if (b.image == enemytest::kRock) {
                ++markers;
                EXPECT_EQ(b.x, l.x);
                EXPECT_EQ(b.y, l.y);
            }
        EXPECT_EQ(markers, 1);
        r.hit(0);
        for (int i = 0; i < 16; ++i) r.draw(0);
        ExpectAt(l, r.rest, 0);
        // Leaving through the bottom: only the every-free types drop a point
        // outside the box.
        l = LockSlot{650, 100, 1, 0};
        Write(slot + "active", 1);
        Write(slot + "y", 601);
        r.move(0);
        ExpectAt(l, r.sidesOnly ? enemies::Point{650, 100} : r.moveRest, r.sidesOnly ? 1 : 0);
        if (!r.sidesOnly) continue;
        // Leaving through a side drops a point whose x lies outside 110..620.
        for (int lockX : {650, 109, 110}) {
            l = LockSlot{lockX, 100, 1, 0};
            Write(slot + "active", 1);
            Write(slot + "x", 621);
            Write(slot + "y", 300);
            r.move(0);
            EXPECT_EQ(Read(slot + "x"), 360);
            ExpectAt(l, lockX == 110 ? enemies::Point{110, 100} : r.moveRest, lockX == 110 ? 1 : 0);
        }
    }
}

TEST_F(EnemyTest, SpinnersTurnSevenDegreesAFrameAndSteerTowardsThePlayer) {
    Szak6ASlots[0].spinAngle = 350;
    UpdateDrawSzak6A(0);
    UpdateDrawSzak6A(0);
    EXPECT_EQ(enemytest::rotations[0].angle, 350);
    EXPECT_EQ(enemytest::rotations[3].angle, 357);
    EXPECT_EQ(Szak6ASlots[0].spinAngle, 0);  // 357 is followed by 0, not 4
    EXPECT_EQ(enemytest::rotations[0].left, -500);
    EXPECT_EQ(enemytest::rotations[0].right, -500 + 79);
    EXPECT_EQ(enemytest::rotations[0].bottom, 2550 + 79);
    // The angle survives the reset.
    Szak6DSlots[1].spinAngle = 49;
    Szak9Slots[2].frameB = 13;
    catalogue::ResetEnemies();
    EXPECT_EQ(Szak6DSlots[1].spinAngle, 49);
    EXPECT_EQ(Szak9Slots[2].frameB, 13);
    // Steering takes effect on the next Move; equal x keeps the last speed.
    PlayerX = 300;
    FrameSeconds = 0.1f;
    for (auto [slots, speed] : {std::pair{Szak6ASlots, 50.0f}, std::pair{Szak6BSlots, 55.0f}}) {
        slots[0] = EnemySlot44{0, 0, 0, 310, 0, 5, 100, 0, 1, 0};
        MoveSzak6A(0);
        MoveSzak6B(0);
        EXPECT_FLOAT_EQ(slots[0].x, 310.5f);
        EXPECT_FLOAT_EQ(slots[0].vx, -speed);
        slots[0].x = 300;
        MoveSzak6A(0);
        MoveSzak6B(0);
        EXPECT_FLOAT_EQ(slots[0].x, 300 - speed * 0.1f);
        EXPECT_FLOAT_EQ(slots[0].vx, speed);
    }
    Szak6CSlots[0] = EnemySlot44{0, 0, 0, 310, 0, 5, 100, 0, 1, 0};
    MoveSzak6C(0);
    EXPECT_FLOAT_EQ(Szak6CSlots[0].x, 310);
    EXPECT_FLOAT_EQ(Szak6CSlots[0].y, 10);
}

}  // namespace
