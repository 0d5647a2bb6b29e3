// The records of the enemy types and their global slot arrays and single
// records. Every record ends in the run x, y, ..., not-hittable, active, hit
// that the player's weapons read through the typed access of catalogue.h.
#pragma once
#include <cstdint>

#include "game/state/lock.h"

// A plain enemy slot.
struct EnemySlot40 {
    int32_t explosionLoop;
    int32_t frameA;
    int32_t frameB;
    float x;
    float y;
    float vx;
    float vy;
    uint32_t notHittable;
    uint32_t active;
    uint32_t hit;
};

// A spinning enemy slot.
struct EnemySlot44 {
    int32_t explosionLoop;
    int32_t explosionFrame;
    int32_t spinAngle;
    float x;
    float y;
    float vx;
    float vy;
    uint32_t notHittable;
    uint32_t active;
    uint32_t hit;
};

// The twin spinning enemies keep their fields in two orders, one per type.
struct EnemySlot48D {
    int32_t explosionLoop;
    int32_t explosionFrame;
    int32_t spinAngle;
    float x;
    float y;
    float vx;
    float vy;
    uint32_t notHittable;
    uint32_t active;
    uint32_t hit;
};
struct EnemySlot48E {
    int32_t explosionLoop;
    int32_t spinAngle;
    float x;
    float y;
    float vx;
    float vy;
    uint32_t notHittable;
    uint32_t active;
    uint32_t hit;
    int32_t explosionFrame;
};

// A timed five-slot enemy slot.
struct EnemySlot52 {
    int32_t explosionLoop;
    int32_t explosionFrame;
    int32_t spawnCounter;
    int32_t rotationAngle;
    float pathClock;
    float x;
    float y;
    float vx;
    float vy;
    uint32_t notHittable;
    uint32_t active;
    uint32_t hit;
};

// The single record of a mid-size straight enemy.
struct MidEnemyState {
    int32_t explosionLoop;
    int32_t explosionFrame;
    float x;
    float y;
    float vy;
    uint32_t notHittable;
    uint32_t active;
    uint32_t hit;
};

// The single record of a mid-size path enemy.
struct MidEnemyPathState {
    int32_t explosionLoop;
    int32_t explosionFrame;
    int32_t spiral1Tick;
    int32_t spiral2Tick;
    float x;
    float y;
    float vx;
    float vy;
    float pathClock;
    uint32_t notHittable;
    uint32_t active;
    uint32_t hit;
};

// The single record of the large enemy Szak60 (the global is Szak60State).
struct Szak60Record {
    int32_t explosionLoop;
    int32_t explosionFrame;
    int32_t moveTick;
    int32_t hitCount;
    float x;
    float y;
    uint32_t notHittable;
    uint32_t active;
    uint32_t hit;
};

// Small types own NameSlots[count]; mid-size types own NameState.
#define ENEMY_RECORDS_Small(Name, Record, Count) extern Record Name##Slots[Count];
#define ENEMY_RECORDS_Mid(Name, Record, Count) extern Record Name##State;
#define ENEMY(Name, Record, Slots, Shape) ENEMY_RECORDS_##Shape(Name, Record, Slots)
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY_RECORDS_Small
#undef ENEMY_RECORDS_Mid

// The lock points of the lockable types, record i belonging to slot i.
// Szak21B and Szak22B keep lock records of their own that no weapon serves.
// clang-format off
#define ENEMY_LOCK_SETS(X) \
    X(Szak3, 3)  X(Szak4, 3)  X(Szak6D, 3)  X(Szak6E, 3) \
    X(Szak13A, 3) X(Szak13B, 3) X(Szak21A, 3) X(Szak21B, 2) \
    X(Szak22A, 3) X(Szak22B, 2) \
    X(Szak40A, 5) X(Szak41A, 5) X(Szak40B, 5) X(Szak41B, 5)
// clang-format on
#define ENEMY_LOCK_DECL(Name, Count) extern LockSlot Name##LockSlots[Count];
ENEMY_LOCK_SETS(ENEMY_LOCK_DECL)
#undef ENEMY_LOCK_DECL
