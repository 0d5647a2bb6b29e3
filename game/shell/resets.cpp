#include "game/shell/resets.h"

#include <algorithm>
#include <vector>

#include "framework/system/random.h"
#include "game/catalogue/catalogue.h"
#include "platform/clock.h"

namespace resets {
namespace {

struct Entry {
    int rank;
    int serial;
    void (*step)();
};

std::vector<Entry>& Steps(Phase phase) {
    static std::vector<Entry> steps[kPhaseCount];
    return steps[phase];
}

// The enemies and the bosses reset in the order of the owner catalogue.
Step enemies(PhaseA, kRankEnemies, catalogue::ResetEnemies);
Step bosses(PhaseB, kRankBosses, catalogue::ResetBosses);

}  // namespace

void Add(Phase phase, int rank, void (*step)()) {
    auto& list = Steps(phase);
    Entry e{rank, static_cast<int>(list.size()), step};
    auto at = std::upper_bound(list.begin(), list.end(), e, [](const Entry& a, const Entry& b) {
        return a.rank < b.rank;
    });
    list.insert(at, e);
}

void Run(Phase phase) {
    for (const auto& e : Steps(phase)) e.step();
}

}  // namespace resets

void ResetGameStateA() {
    rng::srand(static_cast<uint32_t>(plat::CalendarTime()));
    resets::Run(resets::PhaseA);
}

void ResetGameStateB() { resets::Run(resets::PhaseB); }
