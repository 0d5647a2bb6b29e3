// A fixture for the lock-on weapon's tests: the player's fixture, and a copy
// of every lock point, laser, missile and lock-box global, put back after
// each test. Each test starts with all of them idle; the player's fixture
// points the weapons at the test's own enemy records.
#pragma once
#include <cmath>

#include "game/bosses/lock_sets.h"
#include "game/player/lockon.h"
#include "tests/game/player/player_fixture.h"

inline bool operator==(const LockSlot& a, const LockSlot& b) {
    return a.x == b.x && a.y == b.y && a.locked == b.locked && a.spare == b.spare;
}

namespace playertest {
constexpr LockSlot kFreePoint{-500, 500, 0, 0};
constexpr HomingMissile kIdleMissile{0, -500, 2550, 0, 0, 0, kIdleAngle, 0, 0};
constexpr LaserSegment kIdleSegment{-500, 2550, 0, kIdleAngle, 0, {}};
constexpr float kPi = 3.14159265358979f;
}  // namespace playertest

class LockOnTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        using namespace playertest;
#define LOCKON_IDLE(pool, value) kept_.Keep(pool), Idle(pool, value);
#define LOCKON_LASER(T) LOCKON_IDLE(LockLasers##T, kIdleSegment) LOCKON_IDLE(LockLaserFrames##T, 0)
#define LOCKON_HOMING(T) LOCKON_IDLE(HomingMissiles##T, kIdleMissile)
#define LOCKON_BOSS(S) LOCKON_IDLE(BossMissiles##S, kIdleMissile)
#define LOCKON_POINTS(T, N) LOCKON_IDLE(T##LockSlots, kFreePoint)
#define LOCKON_SETS(B, N) LOCKON_IDLE(B##LockSetA, kFreePoint) LOCKON_IDLE(B##LockSetB, kFreePoint)
        LOCK_LASER_TARGETS(LOCKON_LASER)
        HOMING_TARGETS(LOCKON_HOMING)
        BOSS_MISSILE_SETS(LOCKON_BOSS)
        ENEMY_LOCK_SETS(LOCKON_POINTS)
        BOSS_LOCK_POINTS(LOCKON_SETS)
        LOCKON_IDLE(UnusedLocksA, kFreePoint)
        LOCKON_IDLE(UnusedLocksB, kFreePoint)
        kept_.Keep(LockCursorX, LockCursorY, AutoFire);
    }
    template <class R, size_t N, class V>
    static void Idle(R (&pool)[N], const V& value) {
        for (auto& r : pool) r = value;
    }
    // Frees every enemy lock point; returns how many were locked.
    static int FreeEnemyPoints() {
        int locked = 0;
#define LOCKON_FREE(T, N) \
    for (auto& p : T##LockSlots) locked += static_cast<int>(p.locked), p = playertest::kFreePoint;
        ENEMY_LOCK_SETS(LOCKON_FREE)
        return locked;
    }

};
