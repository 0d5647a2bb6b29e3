// Empty stand-ins for player and weapon operations not defined yet; the
// player's own definitions take their place at link time.
#include "game/player/player.h"

#define W __attribute__((weak))
W int32_t BombActive;
W int32_t BurstActive;
W int32_t ShotsAEnabled = 1;
W int32_t ShotsBEnabled = 1;
W int32_t Respawning;
W void UpdatePlayer() {}
W void MovePlayer() {}
W void EmitPlayerShotsA() {}
W void EmitPlayerShotsB() {}
W void EmitBurstShots() {}
W void DrawPlayerShots() {}
W void UpdatePlayerShots() {}
W void AddScore(int32_t) {}
W void CheckGameOver() {}
W void SpawnPowerUpItem() {}
W void UpdateDrawPowerUpItem() {}
W void MovePowerUpItem() {}
W void DrawStarField(int32_t, int32_t) {}
W void EmitRingBombShards(int32_t) {}
W void UpdateRingBombShards(int32_t) {}
W void DrawRingBombShards(int32_t) {}
#define LOCK_LASER_OPS(T)          \
    W void EmitLockLaser##T() {}   \
    W void UpdateLockLaser##T(int32_t) {}
#define HOMING_OPS(T)                   \
    W void FireHomingMissiles##T() {}   \
    W void UpdateHomingMissiles##T(int32_t) {}
#define BOSS_MISSILE_OPS(S)           \
    W void FireBossMissiles##S() {}   \
    W void UpdateBossMissiles##S(int32_t) {}
LOCK_LASER_TARGETS(LOCK_LASER_OPS)
HOMING_TARGETS(HOMING_OPS)
BOSS_MISSILE_SETS(BOSS_MISSILE_OPS)
W void AssignBossLockPoints() {}
