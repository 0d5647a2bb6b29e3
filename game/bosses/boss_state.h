// The record every boss shares, the same field order for all eight, and the
// explosion records of the defeat sequences.
#pragma once
#include <cstdint>

#include "game/state/lock.h"

// Emitter counters kept in the boss record: 18 in Stage5BossState (Spiral1-10,
// then Stream1-8), 6 in Stage3BossState and Stage4BossState (Stream1-6),
// unused in the others.
constexpr int kBossEmitterCounters = 18;

struct BossState {
    uint32_t AnimCounter;
    uint32_t AnimFrame;       // 0..9, +1 per Draw
    int32_t AttackFrame;      // advanced and tested by the stage script only
    uint32_t Emitter[kBossEmitterCounters];
    float X;                  // top-left of the boss sprite
    float Y;
    uint32_t Spare1;
    uint32_t Spare2;
    float MoveClock;          // +10 per second
    float Health;
    float DefeatTimer;        // +10 per second while Health <= 0
    uint32_t Shield;          // 0: the player's weapons may hit the boss
    uint32_t Flash;
    uint32_t HitFlag;         // 1 from a hit to the next Draw
};

struct DefeatBlast {
    uint32_t frame;
    float x;
    float y;
};

#define BOSS(Name) extern BossState Name##State;
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"
