// The body operations of every boss, declared from the owner list.
#pragma once

#include "game/bosses/boss_state.h"

#define BOSS(Name)          \
    void Move##Name();      \
    void Draw##Name();      \
    void Defeat##Name();    \
    void MarkHit##Name();
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"
