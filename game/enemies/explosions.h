// The explosion pictures of the enemies. A pair (a, b) of a burst is the
// cell at (x + 20 + a·f, y + 20 + b·f), f the explosion cell, so the pieces
// fly apart as the explosion runs.
#pragma once
#include "game/enemies/family.h"

namespace enemies {

// Small enemies: one cell, the bursts and the ring of eight (which looks the
// same under either effects setting).
extern const Pattern kSingle, kBurstA, kBurstB, kBurstC, kBurstD, kBurstE;
extern const Pattern kRingOfEight, kRingOfEightB;  // B: a 2B cell low left
extern const Pattern kSpinA, kSpinB, kTwinBurst;
// Five-slot enemies: their sets under additive effects, one plain 2B cell
// otherwise.
extern const Pattern kTimedA, kTimedB1, kTimedB2, kTimedC, kTimedD;
// Mid-size enemies: eight cells around the sprite, always added; the large
// one sixteen plain cells.
extern const Pattern kMidEight, kMidEightDeep, kMidEightWide, kLargeSixteen;

}  // namespace enemies
