// The operations of every enemy type, declared from the owner list.
#pragma once
#include <cstdint>

#include "game/state/enemy_records.h"

#define ENEMY_OPS_Small(Name)          \
    void Spawn##Name(int32_t);         \
    void UpdateDraw##Name(int32_t);    \
    void Move##Name(int32_t);          \
    void MarkHit##Name(int32_t slot);
#define ENEMY_OPS_Mid(Name)    \
    void Spawn##Name();        \
    void UpdateDraw##Name();   \
    void Move##Name();         \
    void MarkHit##Name();
#define ENEMY(Name, Record, Slots, Shape) ENEMY_OPS_##Shape(Name)
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY_OPS_Small
#undef ENEMY_OPS_Mid
