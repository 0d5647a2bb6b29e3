// Game-state resets. ResetGameStateA seeds the generator, then runs the steps
// of the single globals and the weapon pools, the enemies in the order of the
// owner catalogue and the star streaks last; ResetGameStateB runs the bosses
// in catalogue order; ResetNewGame places the background, the player and the
// counters for a new game.
//
// Every step outside the catalogue has a rank of its own from the list below:
// the resets draw random numbers, so their order is fixed here, never by the
// order in which the program's static initialisers run. A rank registered
// twice stops the program at start-up.
#pragma once

namespace resets {

enum Phase { PhaseA, PhaseB, PhaseNewGame, kPhaseCount };

enum Rank : int {
    // ResetGameStateA: the single globals and the power item.
    RankStageState = 100,
    RankPlayerState,
    RankPlayerFlags,  // movement, banking, shot, burst, bomb and respawn flags and counters
    RankShellState,   // game over, pause, the continue prompt, the lives step
    RankLockCursor,
    RankLockLaserFrames,
    RankPowerItem,
    // ResetGameStateA: the weapon pools.
    RankLockPoints = 200,
    RankUnusedLockPoints,
    RankLockLasers,
    RankHomingMissiles,
    RankBossMissiles,
    RankDebris,
    RankRingShards,
    RankPlayerShotsA,
    RankPlayerShotsB,
    RankBurstShots,
    RankBossParade,
    RankUnusedArrays,
    // ResetGameStateA: every enemy owner in catalogue order, then the stars.
    RankEnemies = 300,
    RankStars = 900,
    // ResetGameStateB: every boss owner in catalogue order.
    RankBosses = 100,
    // ResetNewGame.
    RankNewGameLayers = 100,
    RankNewGameModes,
    RankNewGamePlayer,
    RankNewGameItem,
    RankNewGameBigBeams,
};

void Add(Phase phase, int rank, void (*step)());
void Run(Phase phase);

struct Step {
    Step(Phase phase, int rank, void (*step)()) { Add(phase, rank, step); }
};

}  // namespace resets

void ResetGameStateA();
void ResetGameStateB();
// The new-game settings the title, the level select and the ending apply next
// to the resets: the background layers, AutoFire and GameLevel 0, the player's
// start position, score, bombs and lives, the power item and the two big-beam
// pictures.
void ResetNewGame();
