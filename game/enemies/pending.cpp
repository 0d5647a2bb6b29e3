// Empty stand-ins for enemy operations that no family defines yet; the
// families' own definitions take their place at link time.
#include "game/catalogue/catalogue.h"
#include "game/enemies/enemies.h"

#define ENEMY_OPS_Small(Name)                                 \
    __attribute__((weak)) void Spawn##Name(int32_t) {}        \
    __attribute__((weak)) void UpdateDraw##Name(int32_t) {}   \
    __attribute__((weak)) void Move##Name(int32_t) {}         \
    __attribute__((weak)) void MarkHit##Name(int32_t) {}
#define ENEMY_OPS_Mid(Name)                           \
    __attribute__((weak)) void Spawn##Name() {}       \
    __attribute__((weak)) void UpdateDraw##Name() {}  \
    __attribute__((weak)) void Move##Name() {}        \
    __attribute__((weak)) void MarkHit##Name() {}
#define ENEMY(Name, Record, Slots, Shape) ENEMY_OPS_##Shape(Name)
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS

#define ENEMY_DATA_Small(Name, Record, Count) __attribute__((weak)) Record Name##Slots[Count];
#define ENEMY_DATA_Mid(Name, Record, Slots) __attribute__((weak)) Record Name##State;
#define ENEMY(Name, Record, Slots, Shape) ENEMY_DATA_##Shape(Name, Record, Slots)
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS

#define ENEMY_LOCK_DATA(Name, Count) __attribute__((weak)) LockSlot Name##LockSlots[Count];
ENEMY_LOCK_SETS(ENEMY_LOCK_DATA)

// Access for types whose family has not defined its own yet: no slots.
#define ENEMY(Name, Record, Slots, Shape) \
    __attribute__((weak)) extern const catalogue::EnemyAccess Name##Access{#Name, 0, nullptr, nullptr};
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
