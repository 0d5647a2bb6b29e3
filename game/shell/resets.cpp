#include "game/shell/resets.h"

#include <cstdio>
#include <cstdlib>

#include "framework/system/random.h"
#include "framework/system/steps.h"
#include "game/catalogue/catalogue.h"
#include "game/shell/gamemode.h"
#include "platform/clock.h"

namespace resets {
namespace {

StepList& Steps(Phase phase) {
    static StepList steps[kPhaseCount];
    return steps[phase];
}

// The enemies and the bosses reset in the order of the owner catalogue.
Step enemies(PhaseA, RankEnemies, catalogue::ResetEnemies);
Step bosses(PhaseB, RankBosses, catalogue::ResetBosses);

Step modes(PhaseNewGame, RankNewGameModes, [] {
    AutoFire = 0;
    GameLevel = 0;
});

}  // namespace

void Add(Phase phase, int rank, void (*step)()) {
    if (phase < 0 || phase >= kPhaseCount || !Steps(phase).Add(rank, step)) {
        std::fprintf(stderr, "resets: rank %d of phase %d is registered twice\n", rank, static_cast<int>(phase));
        std::abort();
    }
}

void Run(Phase phase) { Steps(phase).Run(); }

}  // namespace resets

void ResetGameStateA() {
    rng::srand(static_cast<uint32_t>(plat::CalendarTime()));
    resets::Run(resets::PhaseA);
}

void ResetGameStateB() { resets::Run(resets::PhaseB); }

void ResetNewGame() { resets::Run(resets::PhaseNewGame); }
