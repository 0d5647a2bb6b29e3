// Game-state resets. Every pool registers the step that returns it to its
// idle values, with a rank that places it in the order of the resets; the
// resets run the registered steps of their phase in rank order.
#pragma once

namespace resets {

enum Phase { PhaseA, PhaseB, PhaseNewGame, kPhaseCount };

// Ranks within a phase. Steps that draw random numbers need distinct ranks
// so that the sequence they consume is the same in every build.
constexpr int kRankSingles = 100;        // single globals and the power item
constexpr int kRankWeapons = 200;        // lock points, lasers, missiles, debris, shards, shots, parade
constexpr int kRankEnemies = 300;        // + the owner's place in the enemy catalogue
constexpr int kRankStars = 900;          // star streaks, last
constexpr int kRankBosses = 100;         // phase B: + the boss's place in the order of the resets

void Add(Phase phase, int rank, void (*step)());
void Run(Phase phase);

struct Step {
    Step(Phase phase, int rank, void (*step)()) { Add(phase, rank, step); }
};

}  // namespace resets

void ResetGameStateA();
void ResetGameStateB();
