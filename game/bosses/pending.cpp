// Empty stand-ins for boss operations not defined yet; the bodies' own
// definitions take their place at link time.
#include "game/bosses/bosses.h"

#define BOSS(Name)                                  \
    __attribute__((weak)) void Move##Name() {}      \
    __attribute__((weak)) void Draw##Name() {}      \
    __attribute__((weak)) void Defeat##Name() {}    \
    __attribute__((weak)) void MarkHit##Name() {}
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
#define BOSS(Name) __attribute__((weak)) BossState Name##State;
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"
