#include "game/catalogue/catalogue.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace catalogue {
namespace {

struct Entry {
    Owner owner;
    Part part;
    int number;
    void (*step)();
};

std::vector<Entry>& Entries() {
    static std::vector<Entry> entries;
    return entries;
}

bool Before(const Entry& a, const Entry& b) {
    return std::tie(a.owner, a.part, a.number) < std::tie(b.owner, b.part, b.number);
}

void RunRange(int first, int last) {
    for (const auto& e : Entries())
        if (e.owner >= first && e.owner <= last) e.step();
}

const char* const kNames[] = {
#define ENEMY(Name, Record, Slots, Shape) #Name,
#define BOSS(Name) #Name,
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
};

const EnemyAccess* const kAccess[] = {
#define ENEMY(Name, Record, Slots, Shape) &Name##Access,
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
};

}  // namespace

const char* OwnerName(Owner owner) {
    return owner >= 0 && owner < kOwnerCount ? kNames[owner] : "?";
}

void AddReset(Owner owner, Part part, int number, void (*step)()) {
    auto& list = Entries();
    Entry e{owner, part, number, step};
    auto at = std::lower_bound(list.begin(), list.end(), e, Before);
    if (at != list.end() && !Before(e, *at)) {
        std::fprintf(stderr, "catalogue: the reset of %s part %d number %d is registered twice\n",
                     OwnerName(owner), static_cast<int>(part), number);
        std::abort();
    }
    list.insert(at, e);
}

void ResetEnemies() { RunRange(0, kEnemyCount - 1); }
void ResetBosses() { RunRange(kEnemyCount, kOwnerCount - 1); }

const EnemyAccess& Access(Owner enemy) { return *kAccess[enemy]; }

}  // namespace catalogue
