// A lock point of the lock-on weapon: one per record of each lockable enemy
// type and one per point of each boss lock set. Free points sit at (-500, 500).
#pragma once
#include <cstdint>

struct LockSlot {
    int32_t x;
    int32_t y;
    uint32_t locked;
    uint32_t spare;
};
