// The five-slot enemies: each slot armed on its own frame count, flying a
// straight diagonal or a path of five segments on its own path clock.
#pragma once
#include <cstdint>
#include <span>

#include "game/enemies/family.h"

// clang-format off
#define TIMED_TYPES(X) \
    X(Szak21C) X(Szak22C) \
    X(Szak30A) X(Szak31A) X(Szak32A) X(Szak33A) \
    X(Szak30B) X(Szak31B) X(Szak32B) X(Szak33B) \
    X(Szak40A) X(Szak41A) X(Szak40B) X(Szak41B)
// clang-format on

// Arms slot i (0 to 4) of the type if it is free; the type's spawner calls it.
#define TIMED_SLOT_SPAWN(Name) void Spawn##Name##Slot(int32_t i);
TIMED_TYPES(TIMED_SLOT_SPAWN)
#undef TIMED_SLOT_SPAWN

namespace enemies {

// A path: five segments chosen by closed windows of the path clock (0-10,
// 11-20, 21-30, 31-40, 41-100), each setting the speeds and perhaps firing
// a group for the slot; the clock restarts at 101. Rate 0: no path, the
// slot keeps its start speeds.
struct PathSpec {
    float rate;
    struct Segment {
        float vx, vy;
        void (*fire)(int32_t slot) = nullptr;
    } segment[5];
    Gate gate;
};

enum class LiveDraw : uint8_t {
    Single,         // one cell, while active
    Cells,          // the path clock picks cells 0..4 of a 100-pixel strip
    CellsReversed,  // the same, cells 4..0
    Rotated,        // turned 7 degrees a frame, with a lock marker
};

enum class Stop : uint8_t { Never, Always, AdditiveOnly };

struct TimedType {
    const int32_t* sprite;
    int cell;  // sprite cell size
    LiveDraw live;
    float x, y, vx, vy;  // written when a slot is armed
    int wrap;            // the spawn counters run 0..wrap; slot i arms at wrap/5·(i+1)
    bool clearsCounter;  // arming restarts the slot's counter
    bool keepsCounters;  // the reset leaves the counters
    float resetY;
    const Pattern* explosion;
    bool explodeNeedsActive;
    Stop stop;
    PathSpec path;
    std::span<const Bound> leave;  // tested in order, each freeing the slot
    float parkX;
    LockSlot* locks;  // null: not lockable
    int lockRight;    // right edge of the box a lock point may stay in
};

// One Move step of the path: the clock, the segment speeds, the firing.
void FollowPath(const PathSpec& path, EnemySlot52& s, int32_t slot, float dt);

}  // namespace enemies
