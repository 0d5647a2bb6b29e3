#include "game/catalogue/catalogue.h"

#include <cstdio>
#include <cstdlib>

#include "framework/system/steps.h"

namespace catalogue {
namespace {

// One key per (owner, part, number), ordered as the resets run them.
long Key(Owner owner, Part part, int number) {
    return (static_cast<long>(owner) * 100 + part) * 1000 + number;
}

StepList& Steps() {
    static StepList steps;
    return steps;
}

const char* const kNames[] = {
#define ENEMY(Name, Record, Slots, Shape) #Name,
#define BOSS(Name) #Name,
#include "game/catalogue/owners.inc"
};

const EnemyAccess* const kAccess[] = {
#define ENEMY(Name, Record, Slots, Shape) &Name##Access,
#define BOSS(Name)
#include "game/catalogue/owners.inc"
};

}  // namespace

const char* OwnerName(Owner owner) {
    return owner >= 0 && owner < kOwnerCount ? kNames[owner] : "?";
}

void AddReset(Owner owner, Part part, int number, void (*step)()) {
    const char* fault = nullptr;
    if (owner < 0 || owner >= kOwnerCount || part < 0 || part >= 100 || number < 0 || number >= 1000)
        fault = "is out of range";
    else if (!Steps().Add(Key(owner, part, number), step))
        fault = "is registered twice";
    if (fault) {
        std::fprintf(stderr, "catalogue: the reset of %s part %d number %d %s\n", OwnerName(owner),
                     static_cast<int>(part), number, fault);
        std::abort();
    }
}

void ResetEnemies() { Steps().Run(Key(Owner(0), Part(0), 0), Key(Owner(kEnemyCount), Part(0), 0) - 1); }
void ResetBosses() { Steps().Run(Key(Owner(kEnemyCount), Part(0), 0), Key(kOwnerCount, Part(0), 0) - 1); }

const EnemyAccess& Access(Owner enemy) { return *kAccess[enemy]; }

}  // namespace catalogue
