// The lock-on weapon's shared rules: the aim of every homing projectile, the
// lock box scan that marks enemies, and the enemy lock setters.
#include "game/player/lockon.h"
#include "game/player/targets.h"

#include <cmath>

#include "framework/system/named.h"
#include "game/player/weapons.h"
#include "game/shell/gamemode.h"
#include "game/shell/resets.h"

LockSlot UnusedLocksA[3];
LockSlot UnusedLocksB[3];

namespace {

constexpr float kPi = 3.14159265358979f;

template <size_t N>
void Lock(LockSlot (&points)[N], int32_t i) {
    if (i >= 0 && static_cast<size_t>(i) < N) points[i].locked = 1;
}

// How far the lock box reaches around an enemy: the enemy at (ex, ey) is
// marked when ex - W + p <= cursor x <= ex + q and ey - H + r <= cursor y
// <= ey + s, W x H being the box.
struct ScanRow {
    catalogue::Owner owner;
    void (*mark)(int32_t);
    int8_t count;
    int16_t p, q, r, s;
};
// clang-format off
const ScanRow kScan[] = {
//   owner               setter             n   p   q   r   s
    {catalogue::Szak3,   MarkLockedSzak3,   3, 20, 60, 40, 60},
    {catalogue::Szak4,   MarkLockedSzak4,   3, 40, 60, 60, 60},
    {catalogue::Szak6D,  MarkLockedSzak6D,  3, 20, 60, 20, 60},
    {catalogue::Szak6E,  MarkLockedSzak6E,  3, 20, 60, 20, 60},
    {catalogue::Szak13A, MarkLockedSzak13A, 3, 20, 60,  0, 60},
    {catalogue::Szak13B, MarkLockedSzak13B, 3, 20, 60,  0, 60},
    {catalogue::Szak21A, MarkLockedSzak21A, 3, 30, 60, 30, 60},
    {catalogue::Szak22A, MarkLockedSzak22A, 3, 30, 60, 30, 60},
    {catalogue::Szak40A, MarkLockedSzak40A, 5, 40, 80, 40, 80},
    {catalogue::Szak41A, MarkLockedSzak41A, 5, 40, 80, 40, 80},
    {catalogue::Szak40B, MarkLockedSzak40B, 5, 40, 80, 40, 80},
    {catalogue::Szak41B, MarkLockedSzak41B, 5, 40, 80, 40, 80},
};
// clang-format on
constexpr float kScanFromY = -30;  // enemies higher up are not marked


named::Registrar reg([] {
    NAMED_POOL(UnusedLocksA, {NAMED_FIELD(LockSlot, x), NAMED_FIELD(LockSlot, y), NAMED_FIELD(LockSlot, locked)},
               "locked");
    NAMED_POOL(UnusedLocksB, {NAMED_FIELD(LockSlot, x), NAMED_FIELD(LockSlot, y), NAMED_FIELD(LockSlot, locked)},
               "locked");
});

resets::Step reset(resets::PhaseA, resets::RankUnusedLockPoints, [] {
    for (auto* set : {UnusedLocksA, UnusedLocksB})
        for (int i = 0; i < 3; ++i) set[i] = LockSlot{-500, 500, 0, 0};
});

}  // namespace

#define LOCK_SETTER(T) \
    void MarkLocked##T(int32_t i) { Lock(T##LockSlots, i); }
LOCK_SCAN_TARGETS(LOCK_SETTER)
#undef LOCK_SETTER
void MarkLockedUnusedA(int32_t i) { Lock(UnusedLocksA, i); }
void MarkLockedUnusedB(int32_t i) { Lock(UnusedLocksB, i); }

void ScanLockArea() {
    // Ship type 2 has the small box; every other type the large one.
    const int64_t w = ShipType == 2 ? 300 : 640, h = ShipType == 2 ? 240 : 500;
    const int64_t cx = LockCursorX, cy = LockCursorY;
    for (const auto& row : kScan) {
        const catalogue::EnemyAccess& access = targets::Enemy(row.owner);
        if (!access.slot) continue;
        for (int i = 0; i < row.count && i < access.count; ++i) {
            catalogue::EnemyRef e = access.slot(i);
            if (!e.x || !e.y || !e.notHittable || *e.notHittable != 0 || !(*e.y >= kScanFromY)) continue;
            const int64_t ex = ScreenInt(*e.x), ey = ScreenInt(*e.y);
            if (ex - w + row.p <= cx && cx <= ex + row.q && ey - h + row.r <= cy && cy <= ey + row.s) row.mark(i);
        }
    }
}

namespace lockon {

float Aim(float fromX, float fromY, float toX, float toY) {
    const float dx = toX - fromX, dy = toY - fromY;
    float angle = dx != 0 ? std::atan(dy / dx) : kPi / 2;
    if (dx < 0 || (dx == 0 && dy <= 0)) angle += kPi;
    return angle;
}

}  // namespace lockon
