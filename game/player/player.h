// The player's ship and weapons as the stage scripts and the ending call
// them, and the player's globals beyond player_state.h.
#pragma once
#include <cstdint>

#include "game/state/player_state.h"

extern int32_t BombActive;
extern int32_t BurstActive;
extern int32_t ShotsAEnabled;
extern int32_t ShotsBEnabled;
extern int32_t Respawning;

// Ship (called once per stage frame: Update before the present, Move after).
void UpdatePlayer();
void MovePlayer();

// Shots and burst.
void EmitPlayerShotsA();
void EmitPlayerShotsB();
void EmitBurstShots();
void DrawPlayerShots();
void UpdatePlayerShots();

// Score and the continue prompt.
void AddScore(int32_t points);
void CheckGameOver();

// The power-up item.
void SpawnPowerUpItem();
void UpdateDrawPowerUpItem();
void MovePowerUpItem();

// Star field: the speed range and the minimum speed of the stage.
void DrawStarField(int32_t range, int32_t minimum);

// Ring bomb.
void EmitRingBombShards(int32_t);
void UpdateRingBombShards(int32_t);
void DrawRingBombShards(int32_t);

// Lock-on weapon: lasers at the four lockable spinning types, homing
// missiles at the eight lockable types, missiles at the boss lock sets.
#define LOCK_LASER_TARGETS(X) X(Szak6D) X(Szak6E) X(Szak13A) X(Szak13B)
#define HOMING_TARGETS(X) \
    X(Szak3) X(Szak4) X(Szak21A) X(Szak22A) X(Szak40A) X(Szak41A) X(Szak40B) X(Szak41B)
#define BOSS_MISSILE_SETS(X)                                                     \
    X(Stage1BossA) X(Stage1BossB) X(AltStage2BossA) X(AltStage2BossB)            \
    X(Stage5BossA) X(Stage5BossB) X(Stage3BossA) X(Stage3BossB)                  \
    X(Stage4BossA) X(Stage4BossB) X(AltStage4BossA) X(AltStage4BossB)            \
    X(Stage2BossA) X(Stage2BossB) X(AltStage5BossA) X(AltStage5BossB)
#define LOCK_LASER_OPS(T)         \
    void EmitLockLaser##T();      \
    void UpdateLockLaser##T(int32_t);
#define HOMING_OPS(T)                 \
    void FireHomingMissiles##T();     \
    void UpdateHomingMissiles##T(int32_t);
#define BOSS_MISSILE_OPS(S)           \
    void FireBossMissiles##S();       \
    void UpdateBossMissiles##S(int32_t);
LOCK_LASER_TARGETS(LOCK_LASER_OPS)
HOMING_TARGETS(HOMING_OPS)
BOSS_MISSILE_SETS(BOSS_MISSILE_OPS)
#undef LOCK_LASER_OPS
#undef HOMING_OPS
#undef BOSS_MISSILE_OPS
void AssignBossLockPoints();
