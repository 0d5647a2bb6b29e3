// What the player's weapons can hit: every enemy type and boss, reached
// through the typed access of the owner catalogue, and the rows that say
// where a weapon hits each of them and what a hit is worth.
#pragma once
#include <cstdint>

#include "game/bosses/boss_state.h"
#include "game/catalogue/catalogue.h"

namespace targets {

enum Kind : uint8_t { Array, Single, Boss };
enum Family : uint8_t { Slot40, Slot44, Slot48, Slot52, Mid, MidPath, Big, BossRecord };

// A hit box relative to the target's truncated top-left: the point hits
// when left <= x - tx <= right and top <= y - ty <= bottom. A box whose
// right lies left of its left admits nothing.
struct Box {
    int16_t left, right, top, bottom;
};

// The row flags.
enum : uint8_t {
    kDirectScore = 1,  // normal weapon B adds its points past AddScore's gates
    kCountedHits = 2,  // only every hit from the 25th on counts
};
constexpr int32_t kCountedHitsNeeded = 25;

// A row of the normal weapons' table: one box and score per collision pass
// (weapon B, weapon A, burst).
struct ShotRow {
    catalogue::Owner owner;
    Kind kind;
    int8_t count;
    Family family;
    int16_t yFrom;       // a record is tested while its y is at least this
    int16_t yFromBurst;  // ... in the burst's pass
    Box box[3];
    int16_t score[3];
    uint8_t flags;
};
constexpr int kRows = 52;
extern const ShotRow TargetTable[kRows];

// A row of the ring bomb's list.
struct BombRow {
    catalogue::Owner owner;
    Kind kind;
    int8_t count;
    Family family;
    int16_t yFrom;
    Box box;
    int16_t score;
    int16_t damage;  // a boss's health falls by this times FrameSeconds per hit
    uint8_t flags;
};
extern const BombRow RingBombTargets[kRows];

// How one weapon strikes a row.
struct Strike {
    const Box* box;
    float yFrom;
    int32_t score;
    bool directScore;
    bool countedHits;
    float damage;  // per second of contact, bosses only
};

// Tests the point against every record of a row's owner (at most count) and
// applies every hit: the owner's hit setter, the points, a boss's damage.
// Returns true when a boss was hit.
bool StrikeTargets(catalogue::Owner owner, int count, int32_t x, int32_t y, const Strike& strike);

// Where the weapons find the targets: the catalogue's typed access and the
// boss records. Tests put their own in place; returns the previous source.
struct BossRef {
    BossState* state;
    void (*markHit)();
};
struct Source {
    const catalogue::EnemyAccess& (*enemy)(catalogue::Owner);
    BossRef (*boss)(catalogue::Owner);
};
Source SetSource(Source source);
// The enemy type's slots as every weapon sees them (through the source).
const catalogue::EnemyAccess& Enemy(catalogue::Owner owner);

}  // namespace targets
