// The ordered catalogue of the game's owners (owners.inc): the order of the
// enemy and boss resets, and the typed access the player's weapons use.
#pragma once
#include <cstdint>

namespace catalogue {

enum Owner : int {
#define ENEMY(Name, Record, Slots, Shape) Name,
#define BOSS(Name) Name,
#include "game/catalogue/owners.inc"
    kOwnerCount
};

constexpr int kEnemyCount = Szak60 + 1;
const char* OwnerName(Owner owner);

// What an owner's reset step resets, in the order they run within one owner:
// its own records first, then its bullet groups kind by kind (kinds.inc),
// number by number.
enum Part : int {
    PartRecords = 0,   // enemy slots or single record; a boss's BossState
    PartBossParts,     // a boss's part records
    PartDefeatBlasts,  // a boss's DefeatBlast records
    PartUnused,        // pools that only the reset writes
#define BULLET_KIND(Kind, ...) Part##Kind,
#include "game/catalogue/kinds.inc"
};

// Registers the reset step of one pool of an owner. The steps run by owner
// in catalogue order, then by part, then by number, whatever the order of
// registration; registering the same (owner, part, number) twice stops the
// program with a message.
void AddReset(Owner owner, Part part, int number, void (*step)());
struct Reset {
    Reset(Owner owner, Part part, int number, void (*step)()) { AddReset(owner, part, number, step); }
};

// Runs the reset steps of every enemy owner (ResetGameStateA) or of every
// boss (ResetGameStateB), in catalogue order.
void ResetEnemies();
void ResetBosses();

// The slot fields the player's weapons read and write, one view per record.
struct EnemyRef {
    float* x;
    float* y;
    uint32_t* notHittable;
    uint32_t* active;
    uint32_t* hit;
    int32_t* hitCount;  // Szak60 only: hits taken; null elsewhere
};

// Typed access to one enemy type: its slot count, a view of slot i and its
// hit setter (slot index ignored by the single-record types).
struct EnemyAccess {
    const char* name;
    int count;
    EnemyRef (*slot)(int i);
    void (*markHit)(int i);
};

// The access of each type, defined by its family.
const EnemyAccess& Access(Owner enemy);

}  // namespace catalogue

#define ENEMY(Name, Record, Slots, Shape) extern const catalogue::EnemyAccess Name##Access;
#define BOSS(Name)
#include "game/catalogue/owners.inc"
