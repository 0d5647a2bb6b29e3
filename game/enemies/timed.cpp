// The five-slot enemies: spawner, slot arming, drawing and explosion, and
// the move along their straight line or path.
#include "game/enemies/timed.h"

#include "framework/draw/coord.h"
#include "framework/system/system.h"
#include "game/bullets/groups.h"
#include "game/catalogue/catalogue.h"
#include "game/enemies/enemies.h"
#include "game/enemies/explosions.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"

namespace enemies {
namespace {

constexpr int kSlots = 5;
// Cells of the path sprites by the path clock, both ends included.
constexpr struct {
    float lo, hi;
} kCellRanges[5] = {{0, 10}, {10, 20}, {20, 30}, {30, 40}, {40, 100}};
constexpr Point kRest{290, 0};
constexpr Point kMoveRest{370, 0};
constexpr Point kMarker{30, 30};

void ArmSlot(const TimedType& t, EnemySlot52 (&slots)[kSlots], int32_t i) {
    if (i < 0 || i >= kSlots) return;
    EnemySlot52& s = slots[i];
    if (s.active != 0) return;
    s.pathClock = 0;
    if (t.clearsCounter) s.spawnCounter = 0;
    s.x = t.x;
    s.y = t.y;
    s.vx = t.vx;
    s.vy = t.vy;
    s.active = 1;
    s.hit = 0;
    s.explosionFrame = 0;
    if (t.locks) PlaceLock(t.locks[i], kRest);
}

void Spawn(const TimedType& t, EnemySlot52 (&slots)[kSlots], void (*arm)(int32_t)) {
    for (EnemySlot52& s : slots)
        if (++s.spawnCounter > t.wrap) s.spawnCounter = 0;
    for (int i = 0; i < kSlots; ++i)
        if (slots[i].spawnCounter == t.wrap / kSlots * (i + 1)) arm(i);
}

void DrawLive(const TimedType& t, EnemySlot52& s, LockSlot* lock) {
    const int x = fwDraw::ToBlitCoord(s.x);
    const int y = fwDraw::ToBlitCoord(s.y);
    switch (t.live) {
    case LiveDraw::Single:
        if (s.active != 0) output.blit(Blit::Object, x, y, *t.sprite, 0, 0, t.cell, t.cell);
        break;
    case LiveDraw::Cells:
    case LiveDraw::CellsReversed:
        for (int k = 0; k < 5; ++k) {
            if (s.pathClock < kCellRanges[k].lo || s.pathClock > kCellRanges[k].hi) continue;
            const int c = t.live == LiveDraw::Cells ? k : 4 - k;
            output.blit(Blit::Object, x, y, *t.sprite, t.cell * c, 0, t.cell * c + t.cell, t.cell);
        }
        break;
    case LiveDraw::Rotated:
        output.rotated(x, y, x + t.cell, y + t.cell, s.rotationAngle, *t.sprite, 0, 0, t.cell, t.cell);
        s.rotationAngle += 7;
        if (s.rotationAngle >= 360) s.rotationAngle = 0;
        break;
    }
    if (lock) DrawLockMarker(*lock, s.active != 0, s.x, s.y, kMarker);
}

void UpdateDraw(const TimedType& t, EnemySlot52 (&slots)[kSlots]) {
    for (int i = 0; i < kSlots; ++i) {
        EnemySlot52& s = slots[i];
        LockSlot* lock = t.locks ? &t.locks[i] : nullptr;
        if (s.hit == 0 || (t.explodeNeedsActive && s.active == 0)) {
            DrawLive(t, s, lock);
            continue;
        }
        if (t.stop == Stop::Always || (t.stop == Stop::AdditiveOnly && AdditiveEffects == 1)) s.vx = s.vy = 0;
        if (ExplosionFrame(*t.explosion, 7, s.x, s.y, s.explosionFrame, s.explosionLoop)) {
            FreeExploded(s, s.explosionFrame);
            if (lock) PlaceLock(*lock, kRest);
        }
    }
}

void Move(const TimedType& t, EnemySlot52 (&slots)[kSlots]) {
    const float dt = FrameSeconds;
    for (int i = 0; i < kSlots; ++i) {
        EnemySlot52& s = slots[i];
        if (s.active != 0) {
            s.y = s.y + s.vy * dt;
            s.x = s.x + s.vx * dt;
            if (t.path.rate > 0) FollowPath(t.path, s, i, dt);
        }
        bool left = false;
        for (const Bound& b : t.leave)
            if (Outside(s.x, s.y, b)) {
                Park(s, t.parkX);
                left = true;
            }
        if (left && t.locks && !Box{150, t.lockRight, -70, 600}.Holds(t.locks[i])) PlaceLock(t.locks[i], kMoveRest);
    }
}

// Idle: parked, still, unhit, the path clock 0; the spin carries on and one
// type keeps its spawn counters.
void Reset(const TimedType& t, EnemySlot52 (&slots)[kSlots]) {
    for (EnemySlot52& s : slots) {
        ResetIdle(s, s.explosionFrame, t.resetY);
        if (!t.keepsCounters) s.spawnCounter = 0;
        s.pathClock = 0;
    }
}

constexpr Bound kDiagonalOut[] = {XBelow(90), XAbove(620), YBelow(-90), YAbove(600)};
constexpr Bound kBottomRight[] = {YAbove(600), XAbove(620)};
constexpr Bound kBottomLeft[] = {YAbove(600), XBelow(80)};
constexpr Bound kTopRight[] = {YBelow(-100), XAbove(620)};
constexpr Bound kTopLeft[] = {YBelow(-100), XBelow(80)};
constexpr Bound kLockableOut[] = {XBelow(60), XAbove(620), YBelow(-120), YAbove(600)};

constexpr PathSpec kStraight{};

// clang-format off
constexpr TimedType kSzak21C{
    .sprite = &ImgSzak21, .cell = 90, .live = LiveDraw::Single, .x = 90, .y = 20, .vx = 200, .vy = 200,
    .wrap = 500, .clearsCounter = false, .keepsCounters = false, .resetY = 2550,
    .explosion = &kTimedC, .explodeNeedsActive = true, .stop = Stop::Never,
    .path = kStraight, .leave = kDiagonalOut, .parkX = -500, .locks = nullptr, .lockRight = 0};
constexpr TimedType kSzak22C{
    .sprite = &ImgSzak22, .cell = 90, .live = LiveDraw::Single, .x = 620, .y = 20, .vx = -200, .vy = 200,
    .wrap = 500, .clearsCounter = false, .keepsCounters = true, .resetY = 2550,
    .explosion = &kTimedC, .explodeNeedsActive = true, .stop = Stop::Always,
    .path = kStraight, .leave = kDiagonalOut, .parkX = -500, .locks = nullptr, .lockRight = 0};
constexpr TimedType kSzak30A{
    .sprite = &ImgSzak30, .cell = 100, .live = LiveDraw::Cells, .x = 185, .y = -100, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = true, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedA, .explodeNeedsActive = false, .stop = Stop::Always,
    .path = {25, {{0, 220}, {110, 220, SpawnSzak30AAimedLine1}, {210, 220, SpawnSzak30AAimedLine2}, {310, 220}, {410, 0}}, Gate::Always},
    .leave = kBottomRight, .parkX = -500, .locks = nullptr, .lockRight = 0};
constexpr TimedType kSzak31A{
    .sprite = &ImgSzak31, .cell = 100, .live = LiveDraw::Cells, .x = 515, .y = -100, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = true, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedA, .explodeNeedsActive = false, .stop = Stop::Always,
    .path = {25, {{0, 220}, {-110, 220, SpawnSzak31AAimedLine1}, {-210, 220, SpawnSzak31AAimedLine2}, {-310, 220}, {-410, 0}}, Gate::Always},
    .leave = kBottomLeft, .parkX = -500, .locks = nullptr, .lockRight = 0};
constexpr TimedType kSzak32A{
    .sprite = &ImgSzak32, .cell = 100, .live = LiveDraw::Cells, .x = 185, .y = 600, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = true, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedA, .explodeNeedsActive = false, .stop = Stop::Always,
    .path = {25, {{0, -220}, {110, -220, SpawnSzak32AAimedLine1}, {210, -220, SpawnSzak32AAimedLine2}, {310, -220}, {410, 0}}, Gate::SubMode},
    .leave = kBottomRight, .parkX = -500, .locks = nullptr, .lockRight = 0};
constexpr TimedType kSzak33A{
    .sprite = &ImgSzak33, .cell = 100, .live = LiveDraw::Cells, .x = 515, .y = 600, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = true, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedA, .explodeNeedsActive = false, .stop = Stop::Always,
    .path = {25, {{0, -220}, {-110, -220, SpawnSzak33AAimedLine1}, {-210, -220, SpawnSzak33AAimedLine2}, {-310, -220}, {-410, 0}}, Gate::SubMode},
    .leave = kBottomLeft, .parkX = -500, .locks = nullptr, .lockRight = 0};
constexpr TimedType kSzak30B{
    .sprite = &ImgSzak30, .cell = 100, .live = LiveDraw::CellsReversed, .x = 80, .y = 100, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = false, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedB1, .explodeNeedsActive = false, .stop = Stop::AdditiveOnly,
    .path = {30, {{220, 0}, {220, 110, SpawnSzak30BAimedShot1}, {220, 210}, {220, 310}, {0, 410}}, Gate::Always},
    .leave = kBottomRight, .parkX = -500, .locks = nullptr, .lockRight = 0};
constexpr TimedType kSzak31B{
    .sprite = &ImgSzak31, .cell = 100, .live = LiveDraw::CellsReversed, .x = 620, .y = 100, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = false, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedB1, .explodeNeedsActive = false, .stop = Stop::AdditiveOnly,
    .path = {25, {{-220, 0}, {-220, 110, SpawnSzak31BAimedShot1}, {-220, 210}, {-220, 310}, {0, 410}}, Gate::Always},
    .leave = kBottomLeft, .parkX = -500, .locks = nullptr, .lockRight = 0};
constexpr TimedType kSzak32B{
    .sprite = &ImgSzak32, .cell = 100, .live = LiveDraw::CellsReversed, .x = 80, .y = 240, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = false, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedB2, .explodeNeedsActive = false, .stop = Stop::AdditiveOnly,
    .path = {30, {{220, 0}, {220, -110, SpawnSzak32BAimedShot1}, {220, -210}, {220, -310}, {0, -410}}, Gate::ModeOrSubMode},
    .leave = kTopRight, .parkX = -500, .locks = nullptr, .lockRight = 0};
constexpr TimedType kSzak33B{
    .sprite = &ImgSzak33, .cell = 100, .live = LiveDraw::CellsReversed, .x = 620, .y = 240, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = false, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedB2, .explodeNeedsActive = false, .stop = Stop::AdditiveOnly,
    .path = {30, {{-220, 0}, {-220, -110, SpawnSzak33BAimedShot1}, {-220, -210}, {-220, -310}, {0, -410}}, Gate::ModeOrSubMode},
    .leave = kTopLeft, .parkX = -500, .locks = nullptr, .lockRight = 0};
constexpr TimedType kSzak40A{
    .sprite = &ImgSzak40, .cell = 119, .live = LiveDraw::Rotated, .x = 205, .y = -120, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = true, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedD, .explodeNeedsActive = true, .stop = Stop::AdditiveOnly,
    .path = {40, {{0, 220, SpawnSzak40AAimedLine1}, {110, 220, SpawnSzak40AAimedLine2}, {210, 220}, {310, 220}, {180, 0}}, Gate::Always},
    .leave = kLockableOut, .parkX = 340, .locks = Szak40ALockSlots, .lockRight = 620};
constexpr TimedType kSzak41A{
    .sprite = &ImgSzak41, .cell = 119, .live = LiveDraw::Rotated, .x = 495, .y = -120, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = true, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedD, .explodeNeedsActive = true, .stop = Stop::AdditiveOnly,
    .path = {25, {{0, 220, SpawnSzak41AAimedLine1}, {-110, 220, SpawnSzak41AAimedLine2}, {-210, 220}, {-310, 220}, {-180, 0}}, Gate::Always},
    .leave = kLockableOut, .parkX = 340, .locks = Szak41ALockSlots, .lockRight = 621};
constexpr TimedType kSzak40B{
    .sprite = &ImgSzak40, .cell = 119, .live = LiveDraw::Rotated, .x = 185, .y = 600, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = false, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedD, .explodeNeedsActive = true, .stop = Stop::AdditiveOnly,
    .path = {25, {{0, -400}, {110, -220}, {210, -220}, {310, -220}, {180, 0}}, Gate::Always},
    .leave = kLockableOut, .parkX = 340, .locks = Szak40BLockSlots, .lockRight = 622};
constexpr TimedType kSzak41B{
    .sprite = &ImgSzak41, .cell = 119, .live = LiveDraw::Rotated, .x = 515, .y = 600, .vx = 0, .vy = 0,
    .wrap = 150, .clearsCounter = false, .keepsCounters = false, .resetY = -500,
    .explosion = &kTimedD, .explodeNeedsActive = true, .stop = Stop::AdditiveOnly,
    .path = {25, {{0, -400}, {-110, -220}, {-210, -220}, {-310, -220}, {-180, 0}}, Gate::Always},
    .leave = kLockableOut, .parkX = 340, .locks = Szak41BLockSlots, .lockRight = 623};
// clang-format on

}  // namespace
}  // namespace enemies

#define TIMED_TYPE(Name)                                                                                   \
    void Spawn##Name##Slot(int32_t i) { enemies::ArmSlot(enemies::k##Name, Name##Slots, i); }            \
    void Spawn##Name(int32_t) { enemies::Spawn(enemies::k##Name, Name##Slots, Spawn##Name##Slot); }      \
    void UpdateDraw##Name(int32_t) { enemies::UpdateDraw(enemies::k##Name, Name##Slots); }               \
    void Move##Name(int32_t) { enemies::Move(enemies::k##Name, Name##Slots); }                           \
    namespace {                                                                                           \
    catalogue::Reset reset##Name(catalogue::Name, catalogue::PartRecords, 0,                              \
                                 [] { enemies::Reset(enemies::k##Name, Name##Slots); });                 \
    }
TIMED_TYPES(TIMED_TYPE)
#undef TIMED_TYPE
