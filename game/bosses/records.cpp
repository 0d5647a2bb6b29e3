// The resets and the play driver's names of the boss records.
#include <cstddef>
#include <vector>

#include "framework/system/named.h"
#include "framework/system/random.h"
#include "game/bosses/body.h"
#include "game/bosses/lock_sets.h"
#include "game/shell/resets.h"

namespace bosses {
namespace {

// Idle: parked at (-500, 2550) with full health and every counter at 0. The
// reset clears HitFlag of the bosses whose row says so and keeps it elsewhere.
void ResetState(const BossBody& b) {
    BossState& s = *b.state;
    const uint32_t hit = s.HitFlag;
    s = BossState{};
    s.X = -500;
    s.Y = 2550;
    s.Health = b.startHealth;
    if (!b.resetsHitFlag) s.HitFlag = hit;
}

void ResetPart(const BossBody& b) {
    if (b.part) *b.part = BossEntryPicture{-500, 2550, 0};
}

void ResetBlasts(const BossBody& b) {
    for (int i = 0; i < kBigBlasts; ++i) b.big[i] = DefeatBlast{0, -500, 2550};
    for (int i = 0; i < kSmallBlasts; ++i) b.small[i] = DefeatBlast{0, -500, 2550};
}

// The pools only the reset writes: a random phase and offset in each record
// of the seven-record pools, the first word of the four-record pools.
void ResetUnused() {
    for (auto* pool : {UnusedBossPool7A, UnusedBossPool7B, UnusedBossPool7C, UnusedBossPool7D, UnusedBossPool7E})
        for (int i = 0; i < 7; ++i) {
            UnusedBossRecord& r = pool[i];
            r.frame = static_cast<uint32_t>(rng::rand() % 10);
            r.x = static_cast<float>(rng::rand() % 100 - 50);
            r.y = static_cast<float>(rng::rand() % 30 + 20);
            r.words[0] = r.words[1] = r.words[2] = 0;
        }
    for (auto* pool : {UnusedBossPool4A, UnusedBossPool4B, UnusedBossPool4C})
        for (int i = 0; i < 4; ++i) pool[i].frame = 0;
}

// The lock points belong to the first reset, with the weapons' records.
void ResetLockSets() {
    for (int boss = catalogue::kEnemyCount; boss < catalogue::kOwnerCount; ++boss) {
        const BossBody& b = Body(static_cast<catalogue::Owner>(boss));
        for (int i = 0; i < b.lockSlots; ++i) b.lockA[i] = b.lockB[i] = LockSlot{-500, 500, 0, 0};
    }
}
resets::Step lockSets(resets::PhaseA, resets::RankLockPoints, ResetLockSets);

#define BOSS(Name)                                                                                            \
    catalogue::Reset Name##StateReset(catalogue::Name, catalogue::PartRecords, 0,                             \
                                      [] { ResetState(Body(catalogue::Name)); });                             \
    catalogue::Reset Name##PartReset(catalogue::Name, catalogue::PartBossParts, 0,                            \
                                     [] { ResetPart(Body(catalogue::Name)); });                               \
    catalogue::Reset Name##BlastReset(catalogue::Name, catalogue::PartDefeatBlasts, 0,                        \
                                      [] { ResetBlasts(Body(catalogue::Name)); });
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"
catalogue::Reset unusedReset(catalogue::AltStage5Boss, catalogue::PartUnused, 0, ResetUnused);

std::vector<named::Field> StateFields() {
    static const char* const kEmitters[kBossEmitterCounters] = {
        "Emitter0",  "Emitter1",  "Emitter2",  "Emitter3",  "Emitter4",  "Emitter5",
        "Emitter6",  "Emitter7",  "Emitter8",  "Emitter9",  "Emitter10", "Emitter11",
        "Emitter12", "Emitter13", "Emitter14", "Emitter15", "Emitter16", "Emitter17"};
    std::vector<named::Field> f = {
        NAMED_FIELD(BossState, AnimCounter), NAMED_FIELD(BossState, AnimFrame),
        NAMED_FIELD(BossState, AttackFrame), NAMED_FIELD(BossState, X),
        NAMED_FIELD(BossState, Y),           NAMED_FIELD(BossState, Spare1),
        NAMED_FIELD(BossState, Spare2),      NAMED_FIELD(BossState, MoveClock),
        NAMED_FIELD(BossState, Health),      NAMED_FIELD(BossState, DefeatTimer),
        NAMED_FIELD(BossState, Shield),      NAMED_FIELD(BossState, Flash),
        NAMED_FIELD(BossState, HitFlag),
    };
    for (int i = 0; i < kBossEmitterCounters; ++i)
        f.push_back({kEmitters[i], named::Type::U32, offsetof(BossState, Emitter) + i * sizeof(uint32_t)});
    return f;
}

named::Registrar names([] {
    const std::vector<named::Field> blast = {NAMED_FIELD(DefeatBlast, frame), NAMED_FIELD(DefeatBlast, x),
                                             NAMED_FIELD(DefeatBlast, y)};
    const std::vector<named::Field> lock = {NAMED_FIELD(LockSlot, x), NAMED_FIELD(LockSlot, y),
                                            NAMED_FIELD(LockSlot, locked), NAMED_FIELD(LockSlot, spare)};
    const std::vector<named::Field> part = {NAMED_FIELD(BossEntryPicture, x), NAMED_FIELD(BossEntryPicture, y),
                                            NAMED_FIELD(BossEntryPicture, speed)};
    const std::vector<named::Field> unused = {NAMED_FIELD(UnusedBossRecord, frame), NAMED_FIELD(UnusedBossRecord, x),
                                              NAMED_FIELD(UnusedBossRecord, y)};
#define BOSS(Name)                                       \
    NAMED_RECORD(Name##State, StateFields());            \
    NAMED_POOL(Name##BigBlasts, blast, nullptr);         \
    NAMED_POOL(Name##SmallBlasts, blast, nullptr);       \
    NAMED_POOL(Name##LockSetA, lock, "locked");          \
    NAMED_POOL(Name##LockSetB, lock, "locked");
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"
    NAMED_RECORD(Stage1BossFlyby, part);
    NAMED_RECORD(Stage2BossEntryPicture, part);
    NAMED_RECORD(Stage4BossEntryPicture, part);
    NAMED_RECORD(UnusedBossPart, part);
    NAMED_POOL(UnusedBossPool7A, unused, nullptr);
    NAMED_POOL(UnusedBossPool7B, unused, nullptr);
    NAMED_POOL(UnusedBossPool7C, unused, nullptr);
    NAMED_POOL(UnusedBossPool7D, unused, nullptr);
    NAMED_POOL(UnusedBossPool7E, unused, nullptr);
    NAMED_POOL(UnusedBossPool4A, unused, nullptr);
    NAMED_POOL(UnusedBossPool4B, unused, nullptr);
    NAMED_POOL(UnusedBossPool4C, unused, nullptr);
    NAMED_SCALAR(ImgAltStage2Boss);
    NAMED_SCALAR(ImgAltStage5Boss);
});

}  // namespace
}  // namespace bosses
