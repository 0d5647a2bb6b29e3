// A fixture for the lock-on weapon's tests: the player's fixture, and a copy
// of every lock point, laser, missile and lock-box global, put back after
// each test. Each test starts with all of them idle, and the weapon reaches
// the test's own enemy records.
#pragma once
#include <cmath>

#include "game/bosses/lock_sets.h"
#include "game/player/lockon.h"
#include "tests/game/player/player_fixture.h"

namespace playertest {
constexpr LockSlot kFreePoint{-500, 500, 0, 0};
constexpr HomingMissile kIdleMissile{0, -500, 2550, 0, 0, 0, kIdleAngle, 0, 0};
constexpr float kPi = 3.14159265358979f;
}  // namespace playertest

class LockOnTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        using namespace playertest;
#define IDLE(pool, value) \
    Keep(kept_, pool);    \
    for (auto& r : pool) r = value;
#define IDLE_LASER(T)                                                \
    IDLE(LockLasers##T, (LaserSegment{-500, 2550, 0, kIdleAngle, 0, {}})) \
    IDLE(LockLaserFrames##T, 0)
#define IDLE_HOMING(T) IDLE(HomingMissiles##T, kIdleMissile)
#define IDLE_BOSS(S) IDLE(BossMissiles##S, kIdleMissile)
#define IDLE_ENEMY_LOCKS(T, N) IDLE(T##LockSlots, kFreePoint)
#define IDLE_BOSS_LOCKS(B, N) IDLE(B##LockSetA, kFreePoint) IDLE(B##LockSetB, kFreePoint)
        LOCK_LASER_TARGETS(IDLE_LASER)
        HOMING_TARGETS(IDLE_HOMING)
        BOSS_MISSILE_SETS(IDLE_BOSS)
        ENEMY_LOCK_SETS(IDLE_ENEMY_LOCKS)
        BOSS_LOCK_POINTS(IDLE_BOSS_LOCKS)
        IDLE(UnusedLocksA, kFreePoint)
        IDLE(UnusedLocksB, kFreePoint)
#undef IDLE
#undef IDLE_LASER
#undef IDLE_HOMING
#undef IDLE_BOSS
#undef IDLE_ENEMY_LOCKS
#undef IDLE_BOSS_LOCKS
        Keep(kept_, LockCursorX, LockCursorY, AutoFire);
        previousSource_ = lockon::SetEnemySource(Enemy);
    }
    void TearDown() override {
        lockon::SetEnemySource(previousSource_);
        PlayerTest::TearDown();
    }

    lockon::EnemySource previousSource_{};
};
