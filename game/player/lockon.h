// The lock-on weapon: the lock points it marks on enemies and bosses, the
// lasers that curve out of the ship at the four spinning types, the homing
// missiles at the eight other lockable types and the missiles at the boss
// lock sets. The stage scripts' calls are declared in player.h; the rest of
// the weapon's operations are here.
#pragma once
#include <cstdint>
#include <iterator>

#include "game/catalogue/catalogue.h"
#include "game/player/player.h"
#include "game/state/enemy_records.h"
#include "game/state/lock.h"

// One segment of a lock laser: a 20 x 20 square that flies the curve, then
// straight on or home to its lock point.
struct LaserSegment {
    float x;
    float y;
    uint32_t active;
    float angle;  // heading after the curve, radians, y downward
    float timer;  // path clock, +30 per second
    uint32_t spare[2];
};
constexpr int kLaserChains = 3;
constexpr int kChainSegments = 15;
constexpr int kLaserSegments = kLaserChains * kChainSegments;  // chain i, segment j at 15 i + j

// One homing missile, of the enemy groups or of a boss lock set.
struct HomingMissile {
    uint32_t lead;  // cleared when the missile leaves the screen
    float x;
    float y;
    uint32_t active;
    float aimX;  // launch point to the lock point + (20, 20); only the draw reads it
    float aimY;
    float angle;
    float speed;  // pixels per second
    float timer;  // the drift clock
};

// The lasers: 3 chains of 15 segments per target type, and a frame counter
// per chain.
#define LOCK_LASER_DECL(T)                                  \
    extern LaserSegment LockLasers##T[kLaserSegments];      \
    extern int32_t LockLaserFrames##T[kLaserChains];        \
    void SpawnLockLaser##T(int32_t chain, int32_t segment); \
    void DrawLockLaser##T();
LOCK_LASER_TARGETS(LOCK_LASER_DECL)
#undef LOCK_LASER_DECL

// The homing missiles: one per lock point of the target type.
#define HOMING_DECL(T)                                              \
    extern HomingMissile HomingMissiles##T[std::size(T##LockSlots)]; \
    void DrawHomingMissiles##T();
HOMING_TARGETS(HOMING_DECL)
#undef HOMING_DECL

// The boss lock sets: how many points each boss has, a missile per point of
// each set, and the setters that mark point i of a set.
// clang-format off
#define BOSS_LOCK_POINTS(X) \
    X(Stage1Boss, 3) X(AltStage2Boss, 3) X(Stage5Boss, 5) X(Stage3Boss, 3) \
    X(Stage4Boss, 5) X(AltStage4Boss, 9) X(Stage2Boss, 5) X(AltStage5Boss, 5)
// clang-format on
#define BOSS_SET_DECL(Boss, Points)                                                     \
    extern HomingMissile BossMissiles##Boss##A[Points], BossMissiles##Boss##B[Points]; \
    void MarkLocked##Boss##A(int32_t i);                                                \
    void MarkLocked##Boss##B(int32_t i);
BOSS_LOCK_POINTS(BOSS_SET_DECL)
#undef BOSS_SET_DECL
#define BOSS_DRAW_DECL(S) void DrawBossMissiles##S();
BOSS_MISSILE_SETS(BOSS_DRAW_DECL)
#undef BOSS_DRAW_DECL

// The enemy lock setters: set locked in point i of the type's lock points.
// The scan calls the first twelve; the unused pair has no caller.
#define LOCK_SCAN_TARGETS(X)                                                                 \
    X(Szak3) X(Szak4) X(Szak6D) X(Szak6E) X(Szak13A) X(Szak13B) X(Szak21A) X(Szak22A) \
    X(Szak40A) X(Szak41A) X(Szak40B) X(Szak41B)
#define LOCK_SETTER_DECL(T) void MarkLocked##T(int32_t i);
LOCK_SCAN_TARGETS(LOCK_SETTER_DECL)
#undef LOCK_SETTER_DECL
extern LockSlot UnusedLocksA[3];
extern LockSlot UnusedLocksB[3];
void MarkLockedUnusedA(int32_t i);
void MarkLockedUnusedB(int32_t i);

// Marks every lockable enemy inside the lock box at LockCursorX, LockCursorY.
void ScanLockArea();

namespace lockon {

// The heading from (fromX, fromY) to (toX, toY), radians, y downward; a
// target straight above or on the spot gives 3 pi / 2.
float Aim(float fromX, float fromY, float toX, float toY);


}  // namespace lockon
