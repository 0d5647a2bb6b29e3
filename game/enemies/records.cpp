// The enemy records themselves, their hit marks, the typed access the
// player's weapons use, their names for the play driver and the idle values
// of the lock points.
#include <cstddef>

#include "framework/system/named.h"
#include "game/catalogue/catalogue.h"
#include "game/enemies/enemies.h"
#include "game/enemies/family.h"

#define ENEMY_DATA_Small(Name, Record, Count) Record Name##Slots[Count];
#define ENEMY_DATA_Mid(Name, Record, Count) Record Name##State;
#define ENEMY(Name, Record, Count, Shape) ENEMY_DATA_##Shape(Name, Record, Count)
#define BOSS(Name)
#include "game/catalogue/owners.inc"

#define ENEMY_LOCK_DATA(Name, Count) LockSlot Name##LockSlots[Count];
ENEMY_LOCK_SETS(ENEMY_LOCK_DATA)
#undef ENEMY_LOCK_DATA

namespace {

// One hit destroys (Szak60's weapons count its hits first); an index outside
// the type's slots is ignored.
template <class R, size_t N>
void MarkSlot(R (&slots)[N], int32_t i) {
    if (i >= 0 && static_cast<size_t>(i) < N) slots[i].hit = 1;
}

template <class R>
catalogue::EnemyRef RefOf(R& r) {
    int32_t* hitCount = nullptr;
    if constexpr (requires { r.hitCount; }) hitCount = &r.hitCount;
    return {&r.x, &r.y, &r.notHittable, &r.active, &r.hit, hitCount};
}
template <auto& Slots>
catalogue::EnemyRef SlotRef(int i) {
    return RefOf(Slots[i]);
}
template <auto& Record>
catalogue::EnemyRef RecordRef(int) {
    return RefOf(Record);
}
template <void (*MarkHit)()>
void MarkRecord(int) {
    MarkHit();
}

// The field names the play driver reads, per record layout.
#define F(Rec, m) NAMED_FIELD(Rec, m)
#define RUN(Rec) F(Rec, x), F(Rec, y), F(Rec, notHittable), F(Rec, active), F(Rec, hit)
std::vector<named::Field> Fields(const EnemySlot40*) {
    using R = EnemySlot40;
    return {F(R, explosionLoop), F(R, frameA), F(R, frameB), F(R, vx), F(R, vy), RUN(R)};
}
template <class R>
std::vector<named::Field> SpinFields() {
    return {F(R, explosionLoop), F(R, explosionFrame), F(R, spinAngle), F(R, vx), F(R, vy), RUN(R)};
}
std::vector<named::Field> Fields(const EnemySlot44*) { return SpinFields<EnemySlot44>(); }
std::vector<named::Field> Fields(const EnemySlot48D*) { return SpinFields<EnemySlot48D>(); }
std::vector<named::Field> Fields(const EnemySlot48E*) { return SpinFields<EnemySlot48E>(); }
std::vector<named::Field> Fields(const EnemySlot52*) {
    using R = EnemySlot52;
    return {F(R, explosionLoop), F(R, explosionFrame), F(R, spawnCounter), F(R, rotationAngle),
            F(R, pathClock), F(R, vx), F(R, vy), RUN(R)};
}
std::vector<named::Field> Fields(const MidEnemyState*) {
    using R = MidEnemyState;
    return {F(R, explosionLoop), F(R, explosionFrame), F(R, vy), RUN(R)};
}
std::vector<named::Field> Fields(const MidEnemyPathState*) {
    using R = MidEnemyPathState;
    return {F(R, explosionLoop), F(R, explosionFrame), F(R, spiral1Tick), F(R, spiral2Tick),
            F(R, vx), F(R, vy), F(R, pathClock), RUN(R)};
}
std::vector<named::Field> Fields(const Szak60Record*) {
    using R = Szak60Record;
    return {F(R, explosionLoop), F(R, explosionFrame), F(R, moveTick), F(R, hitCount), RUN(R)};
}
std::vector<named::Field> Fields(const LockSlot*) {
    return {F(LockSlot, x), F(LockSlot, y), F(LockSlot, locked), F(LockSlot, spare)};
}
#undef RUN
#undef F

named::Registrar reg([] {
#define ENEMY_NAMES_Small(Name) named::Pool(#Name "Slots", Name##Slots, Fields(Name##Slots));
#define ENEMY_NAMES_Mid(Name) \
    named::AddPool(#Name "State", &Name##State, 1, sizeof(Name##State), Fields(&Name##State), "active");
#define ENEMY(Name, Record, Slots, Shape) ENEMY_NAMES_##Shape(Name)
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY_NAMES_Small
#undef ENEMY_NAMES_Mid
#define ENEMY_LOCK_NAMES(Name, Count) \
    named::Pool(#Name "LockSlots", Name##LockSlots, Fields(Name##LockSlots), "locked");
    ENEMY_LOCK_SETS(ENEMY_LOCK_NAMES)
#undef ENEMY_LOCK_NAMES
});

// Free lock points wait at (-500, 500), unlocked.
template <auto& Locks>
void ResetLocks() {
    for (LockSlot& l : Locks) l = LockSlot{-500, 500, 0, 0};
}
#define ENEMY_LOCK_RESET(Name, Count) \
    catalogue::Reset resetLocks##Name(catalogue::Name, catalogue::PartRecords, 1, ResetLocks<Name##LockSlots>);
ENEMY_LOCK_SETS(ENEMY_LOCK_RESET)
#undef ENEMY_LOCK_RESET

}  // namespace

#define ENEMY_HIT_Small(Name) \
    void MarkHit##Name(int32_t slot) { MarkSlot(Name##Slots, slot); }
#define ENEMY_HIT_Mid(Name) \
    void MarkHit##Name() { Name##State.hit = 1; }
#define ENEMY(Name, Record, Slots, Shape) ENEMY_HIT_##Shape(Name)
#define BOSS(Name)
#include "game/catalogue/owners.inc"

#define ENEMY_ACCESS_Small(Name, Count) \
    extern const catalogue::EnemyAccess Name##Access{#Name, Count, SlotRef<Name##Slots>, MarkHit##Name};
#define ENEMY_ACCESS_Mid(Name, Count) \
    extern const catalogue::EnemyAccess Name##Access{#Name, 1, RecordRef<Name##State>, MarkRecord<MarkHit##Name>};
#define ENEMY(Name, Record, Count, Shape) ENEMY_ACCESS_##Shape(Name, Count)
#define BOSS(Name)
#include "game/catalogue/owners.inc"
