// The lock-on weapon's missiles: one per locked point, launched from the
// ship, homing on the point and destroying the enemy there, or damaging the
// boss that carries it. The groups at the enemies and the sets at the boss
// lock points fly by one set of rules; the rows below say where they differ.
#include <cmath>

#include "framework/draw/draw.h"
#include "framework/system/named.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/bosses/bosses.h"
#include "game/bosses/lock_sets.h"
#include "game/player/lockon.h"
#include "game/player/targets.h"
#include "game/player/weapons.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"
#include "game/shell/resets.h"

#define HOMING_DATA(T) HomingMissile HomingMissiles##T[std::size(T##LockSlots)];
HOMING_TARGETS(HOMING_DATA)
#undef HOMING_DATA
#define BOSS_SET_DATA(Boss, Points) HomingMissile BossMissiles##Boss##A[Points], BossMissiles##Boss##B[Points];
BOSS_LOCK_POINTS(BOSS_SET_DATA)
#undef BOSS_SET_DATA

namespace {

using enum catalogue::Owner;

// The sideways drift at the start of a flight, while the drift clock (+260
// per second) is at most `until`: x moves by speed / sideDiv and y by
// speed x downMul / downDiv, both per second, before or after the aim.
struct DriftRule {
    bool afterAim;
    int8_t sideDiv, downMul, downDiv;
    float until;
};
constexpr DriftRule kEnemyDrift{false, 2, 1, 10, 30};
constexpr DriftRule kBossDrift{true, 1, 8, 10, 60};
constexpr float kDriftRate = 260;
constexpr float kDriftOver = 300;  // the clock's value once the drift is over

constexpr int kMaxPoints = 9;
constexpr int16_t kByShip = -1;  // 600 for ship type 1, 700 for ship type 2

// How a missile group is drawn (the game itself never draws them).
enum class Look : uint8_t {
    SpriteOrLine,  // ship type 1: the missile sprite; ship type 2: a jagged line to the point
    LineOnly,      // ship type 2: the line; nothing for ship type 1
    SpriteOnly,    // ship type 1: the sprite
    Unseen,
};

// One missile group: its missiles, the lock points they home on, the launch
// offset from the ship's top-left + (20, 0), the speed, the drift and its
// side per missile (-1 left, +1 right), the x limit of the field, the reach
// box's top and what an arrival does to the target.
struct MissileGroup {
    HomingMissile* missiles;
    LockSlot* points;
    int8_t count;
    int16_t dx, dy;
    int16_t speed;
    bool storesAim;
    const DriftRule* drift;
    int8_t side[kMaxPoints];
    int16_t xLimit;
    int16_t reachY;
    catalogue::Owner target;
    int16_t score;
    int16_t damage;  // a boss's health falls by this times FrameSeconds
    Look look;
};
constexpr int8_t L = -1, R = +1;

// clang-format off
constexpr MissileGroup kHoming[] = {
//   missiles               points            n   dx  dy  speed    aim   drift         side      xLim reach target   score dmg look
    {HomingMissilesSzak3,   Szak3LockSlots,   3,  0,  10, kByShip, true,  &kEnemyDrift, {L, L, R}, 540, 20, Szak3,   300, 0, Look::SpriteOrLine},
    {HomingMissilesSzak4,   Szak4LockSlots,   3,  0,  10, kByShip, true,  &kEnemyDrift, {R, R, L}, 540, 20, Szak4,   300, 0, Look::SpriteOrLine},
    {HomingMissilesSzak21A, Szak21ALockSlots, 3,  0,  10, kByShip, true,  &kEnemyDrift, {L, L, L}, 540, 20, Szak21A, 300, 0, Look::SpriteOrLine},
    {HomingMissilesSzak22A, Szak22ALockSlots, 3,  0,  10, kByShip, true,  &kEnemyDrift, {R, R, R}, 540, 20, Szak22A, 300, 0, Look::SpriteOrLine},
    {HomingMissilesSzak40A, Szak40ALockSlots, 5,  0,  10, 750,     false, nullptr,      {},        540, 20, Szak40A, 300, 0, Look::SpriteOrLine},
    {HomingMissilesSzak41A, Szak41ALockSlots, 5,  0,   9, 750,     false, nullptr,      {},        541, 21, Szak41A, 300, 0, Look::SpriteOrLine},
    {HomingMissilesSzak40B, Szak40BLockSlots, 5,  0,   9, 750,     false, nullptr,      {},        542, 22, Szak40B, 300, 0, Look::SpriteOrLine},
    {HomingMissilesSzak41B, Szak41BLockSlots, 5,  0,   8, 750,     false, nullptr,      {},        543, 23, Szak41B, 300, 0, Look::SpriteOrLine},
};
constexpr int8_t LL[kMaxPoints] = {L, L, L, L, L}, RR[kMaxPoints] = {R, R, R, R, R};
#define SIDE(s) {s[0], s[1], s[2], s[3], s[4]}
constexpr MissileGroup kBossSets[] = {
//   missiles                  points                 n   dx   dy  speed aim    drift        side      xLim reach target         score dmg  look
    {BossMissilesStage1BossA,    Stage1BossLockSetA,    3,  -5, 10, 600, true,  &kBossDrift, SIDE(LL), 540, 20, Stage1Boss,    300, 100, Look::SpriteOrLine},
    {BossMissilesStage1BossB,    Stage1BossLockSetB,    3,   5, 10, 600, false, &kBossDrift, SIDE(RR), 540, 20, Stage1Boss,    300, 100, Look::SpriteOnly},
    {BossMissilesAltStage2BossA, AltStage2BossLockSetA, 3, -40, 10, 600, true,  &kBossDrift, SIDE(LL), 540, 20, AltStage2Boss, 300, 150, Look::SpriteOrLine},
    {BossMissilesAltStage2BossB, AltStage2BossLockSetB, 3,  40, 10, 600, false, &kBossDrift, SIDE(LL), 540, 20, AltStage2Boss, 300, 150, Look::SpriteOnly},
    {BossMissilesStage5BossA,    Stage5BossLockSetA,    5, -40, 10, 600, false, nullptr,     {},       540, 20, Stage5Boss,    300, 150, Look::SpriteOrLine},
    {BossMissilesStage5BossB,    Stage5BossLockSetB,    5,  40, 10, 600, false, nullptr,     {},       540, 20, Stage5Boss,      0, 150, Look::SpriteOnly},
    {BossMissilesStage3BossA,    Stage3BossLockSetA,    3, -40, 10, 600, true,  &kBossDrift, SIDE(LL), 540, 20, Stage3Boss,    300, 150, Look::SpriteOrLine},
    {BossMissilesStage3BossB,    Stage3BossLockSetB,    3,  40, 10, 600, false, &kBossDrift, SIDE(RR), 540, 20, Stage3Boss,    300, 150, Look::SpriteOnly},
    {BossMissilesStage4BossA,    Stage4BossLockSetA,    5, -40, 10, 600, false, nullptr,     {},       540, 20, Stage4Boss,    300, 150, Look::SpriteOrLine},
    {BossMissilesStage4BossB,    Stage4BossLockSetB,    5,  40, 10, 600, false, nullptr,     {},       540, 20, Stage4Boss,    300, 150, Look::SpriteOnly},
    {BossMissilesAltStage4BossA, AltStage4BossLockSetA, 9, -40, 10, 600, false, nullptr,     {},       540, 20, AltStage4Boss, 300, 150, Look::SpriteOrLine},
    {BossMissilesAltStage4BossB, AltStage4BossLockSetB, 9,  40, 10, 600, false, nullptr,     {},       540, 20, AltStage4Boss, 300, 150, Look::SpriteOnly},
    {BossMissilesStage2BossA,    Stage2BossLockSetA,    5, -40, 10, 600, true,  &kBossDrift, SIDE(LL), 540, 20, Stage2Boss,    300, 150, Look::LineOnly},
    {BossMissilesStage2BossB,    Stage2BossLockSetB,    5,  40, 10, 600, false, &kBossDrift, SIDE(RR), 540, 20, Stage2Boss,    300, 150, Look::Unseen},
    {BossMissilesAltStage5BossA, AltStage5BossLockSetA, 5, -40, 10, 600, false, nullptr,     {},       540, 20, AltStage5Boss, 300, 150, Look::LineOnly},
    {BossMissilesAltStage5BossB, AltStage5BossLockSetB, 5,  40, 10, 600, false, nullptr,     {},       540, 20, AltStage5Boss, 300, 150, Look::Unseen},
};
#undef SIDE
// clang-format on
enum HomingIndex {
#define HOMING_INDEX(T) kHoming##T,
    HOMING_TARGETS(HOMING_INDEX)
#undef HOMING_INDEX
};
enum BossSetIndex {
#define BOSS_SET_INDEX(S) kSet##S,
    BOSS_MISSILE_SETS(BOSS_SET_INDEX)
#undef BOSS_SET_INDEX
};
#define HOMING_ROW_CHECK(T)                                                 \
    static_assert(kHoming[kHoming##T].missiles == HomingMissiles##T &&   \
                  kHoming[kHoming##T].count == std::size(HomingMissiles##T));
HOMING_TARGETS(HOMING_ROW_CHECK)
#undef HOMING_ROW_CHECK
#define BOSS_SET_ROW_CHECK(S)                                               \
    static_assert(kBossSets[kSet##S].missiles == BossMissiles##S &&        \
                  kBossSets[kSet##S].count == std::size(BossMissiles##S));
BOSS_MISSILE_SETS(BOSS_SET_ROW_CHECK)
#undef BOSS_SET_ROW_CHECK

// The boss lock points: both sets of a boss are marked while the lock box's
// centre lies in the box (bx + 40 .. bx + right, by + 40 .. by + bottom) of
// the boss at (bx, by), the boss unshielded and at least at yFrom. A setter
// places its points at the boss plus their offsets: only the marked one
// (onePoint), or the whole set.
struct Offset {
    int16_t x, y;
};
struct BossLocks {
    catalogue::Owner boss;
    BossState* state;
    void (*markHit)();
    LockSlot* setA;
    LockSlot* setB;
    int8_t points;
    int16_t yFrom;
    int16_t right, bottom;
    bool onePoint;
    Offset offset[kMaxPoints];
};
// clang-format off
constexpr BossLocks kBossLocks[] = {
//   boss           state               hit setter              set A                  set B                  n  yFrom right bottom one    offsets
    {Stage1Boss,    &Stage1BossState,    MarkHitStage1Boss,    Stage1BossLockSetA,    Stage1BossLockSetB,    3, -10, 400, 320, true,  {{190, 150}, {190, 150}, {190, 150}}},
    {AltStage2Boss, &AltStage2BossState, MarkHitAltStage2Boss, AltStage2BossLockSetA, AltStage2BossLockSetB, 3, -10, 400, 340, false, {{190, 160}, {120, 120}, {260, 120}}},
    {Stage5Boss,    &Stage5BossState,    MarkHitStage5Boss,    Stage5BossLockSetA,    Stage5BossLockSetB,    5, -10, 420, 340, false, {{200, 160}, {130, 90}, {270, 90}, {80, 110}, {320, 110}}},
    {Stage3Boss,    &Stage3BossState,    MarkHitStage3Boss,    Stage3BossLockSetA,    Stage3BossLockSetB,    3, -10, 340, 340, false, {{190, 180}, {20, 140}, {360, 140}}},
    {Stage4Boss,    &Stage4BossState,    MarkHitStage4Boss,    Stage4BossLockSetA,    Stage4BossLockSetB,    5, -10, 340, 340, false, {{160, 100}, {110, 40}, {210, 40}, {40, 110}, {280, 110}}},
    {AltStage4Boss, &AltStage4BossState, MarkHitAltStage4Boss, AltStage4BossLockSetA, AltStage4BossLockSetB, 9,   0, 400, 340, false, {{200, 170}, {110, 170}, {290, 170}, {30, 110}, {370, 110}, {120, 120}, {280, 120}, {80, 70}, {320, 70}}},
    {Stage2Boss,    &Stage2BossState,    MarkHitStage2Boss,    Stage2BossLockSetA,    Stage2BossLockSetB,    5,   0, 460, 340, false, {{220, 120}, {150, 230}, {290, 230}, {80, 90}, {360, 90}}},
    {AltStage5Boss, &AltStage5BossState, MarkHitAltStage5Boss, AltStage5BossLockSetA, AltStage5BossLockSetB, 5,   0, 440, 340, false, {{220, 100}, {150, 150}, {290, 150}, {80, 70}, {360, 70}}},
};
// clang-format on
#define BOSS_LOCKS_CHECK(Boss, Points)                                                                     \
    static_assert(kBossLocks[catalogue::Boss - catalogue::kEnemyCount].boss == catalogue::Boss &&        \
                  kBossLocks[catalogue::Boss - catalogue::kEnemyCount].points == Points &&               \
                  std::size(Boss##LockSetA) >= Points && std::size(Boss##LockSetB) >= Points);
BOSS_LOCK_POINTS(BOSS_LOCKS_CHECK)
#undef BOSS_LOCKS_CHECK

const BossLocks& LocksOf(catalogue::Owner boss) { return kBossLocks[boss - catalogue::kEnemyCount]; }

constexpr float kFieldBottom = 480;
constexpr int kLockBoxW = 300, kLockBoxH = 240;  // the box the boss marking uses, every ship type

bool OnField(const LockSlot& p, int xLimit) { return p.y > 0 && p.y < kFieldBottom && p.x > 0 && p.x < xLimit; }

void Park(HomingMissile& m) {
    m.active = 0;
    m.x = -500;
    m.y = 2550;
}

void Fire(const MissileGroup& g) {
    for (int i = 0; i < g.count; ++i) {
        const LockSlot& p = g.points[i];
        HomingMissile& m = g.missiles[i];
        if (!OnField(p, g.xLimit) || m.active || !p.locked) continue;
        m.active = 1;
        m.x = PlayerX + 20 + g.dx;
        m.y = PlayerY + g.dy;
        if (g.speed == kByShip) {
            if (ShipType == 1 || ShipType == 2) {
                m.speed = ShipType == 1 ? 600 : 700;
                m.timer = 0;
            }
        } else {
            m.speed = g.speed;
            if (g.drift) m.timer = 0;
        }
        if (g.storesAim) {
            m.aimX = static_cast<float>(p.x + 20) - m.x;
            m.aimY = static_cast<float>(p.y + 20) - m.y;
        }
    }
}

void Drift(const MissileGroup& g, int i, HomingMissile& m) {
    const DriftRule& d = *g.drift;
    m.timer += kDriftRate * FrameSeconds;
    if (m.timer <= d.until) {
        m.x += static_cast<float>(g.side[i]) * (FrameSeconds * m.speed / d.sideDiv);
        m.y += FrameSeconds * m.speed * d.downMul / d.downDiv;
    }
    if (m.timer >= d.until) m.timer = kDriftOver;
}

void Advance(HomingMissile& m) {
    m.y += std::sin(m.angle) * m.speed * FrameSeconds;
    m.x += std::cos(m.angle) * m.speed * FrameSeconds;
}

// A missile at its point: the enemy's hit setter, or the boss's with the
// damage; the points.
void Arrive(const MissileGroup& g, int i) {
    if (g.target < catalogue::kEnemyCount) {
        const catalogue::EnemyAccess& access = targets::Enemy(g.target);
        if (access.markHit && i < access.count) access.markHit(i);
        if (g.score) AddScore(g.score);
        return;
    }
    const BossLocks& b = LocksOf(g.target);
    b.markHit();
    if (g.score) AddScore(g.score);
    b.state->Health -= static_cast<float>(g.damage) * FrameSeconds;
}

void Update(const MissileGroup& g) {
    for (int i = 0; i < g.count; ++i) {
        LockSlot& p = g.points[i];
        HomingMissile& m = g.missiles[i];
        if (m.active && !OnField(p, g.xLimit)) {
            Advance(m);  // the target is gone from the field: straight on
        } else if (m.active) {
            const bool driftFirst = g.drift && !g.drift->afterAim;
            if (driftFirst) Drift(g, i, m);
            m.angle = lockon::Aim(m.x, m.y, static_cast<float>(p.x + 20), static_cast<float>(p.y + 20));
            if (g.drift && !driftFirst) Drift(g, i, m);
            Advance(m);
        }
        if (m.x + 20 < 100 || m.x > g.xLimit || m.y + 20 < 0 || m.y > kFieldBottom || BombActive == 1) {
            Park(m);
            m.lead = 0;
        }
        if (!m.active) continue;
        const float dx = m.x - static_cast<float>(p.x), dy = m.y - static_cast<float>(p.y);
        if (dx < 10 || dx > 30 || dy < g.reachY || dy > 30) continue;
        Park(m);
        p = LockSlot{-500, 500, 0, p.spare};
        Arrive(g, i);
    }
}

// The ship-type-2 look: seven strokes, thinning, from beside the ship along
// ninths of the stored aim, the last one ending at the point + (29, 29).
void DrawLine(const HomingMissile& m, const LockSlot& p) {
    static constexpr int kWidths[7] = {7, 6, 5, 4, 3, 2, 2};
    const int a = rng::rand() % 5, b = rng::rand() % 5;
    const uint32_t r = static_cast<uint32_t>(rng::rand() % 100), q = static_cast<uint32_t>(rng::rand() % 100);
    int x = ScreenInt(PlayerX) + 27 + a - b, y = ScreenInt(PlayerY) + 40;
    for (int k = 0; k < 7; ++k) {
        int nx = x + ScreenInt(m.aimX / 9), ny = y + ScreenInt(m.aimY / 9);
        if (k == 6) nx = p.x + 29, ny = p.y + 29;
        const uint32_t blue = k == 0 ? 255 : 255 - q;
        fwDraw::DrawLine(x, y, nx, ny, (blue << 16) | ((155 - r) << 8), kWidths[k]);
        x = nx;
        y = ny;
    }
}

void Draw(const MissileGroup& g) {
    const bool sprite = ShipType == 1 && (g.look == Look::SpriteOrLine || g.look == Look::SpriteOnly);
    const bool line = ShipType == 2 && (g.look == Look::SpriteOrLine || g.look == Look::LineOnly);
    for (int i = 0; i < g.count; ++i) {
        const HomingMissile& m = g.missiles[i];
        if (!m.active) continue;
        if (sprite) fwDraw::BltObject(ScreenInt(m.x), ScreenInt(m.y), ImgFlz01_l, 0, 0, 20, 60);
        if (line) DrawLine(m, g.points[i]);
    }
}

// Marks point i of a boss set. A point already locked stays where it is;
// otherwise it is locked and placed with the set on the boss.
void MarkBossPoint(const BossLocks& b, LockSlot* set, int32_t i) {
    if (i < 0 || i >= b.points || set[i].locked) return;
    set[i].locked = 1;
    const int32_t bx = ScreenInt(b.state->X), by = ScreenInt(b.state->Y);
    for (int k = b.onePoint ? i : 0; k < (b.onePoint ? i + 1 : b.points); ++k) {
        set[k].x = bx + b.offset[k].x;
        set[k].y = by + b.offset[k].y;
    }
}

void ParkMissiles(HomingMissile* missiles, int count) {
    for (int i = 0; i < count; ++i) missiles[i] = HomingMissile{0, -500, 2550, 0, 0, 0, kIdleAngle, 0, 0};
}

named::Registrar reg([] {
    const std::vector<named::Field> fields = {
        NAMED_FIELD(HomingMissile, x),     NAMED_FIELD(HomingMissile, y),    NAMED_FIELD(HomingMissile, active),
        NAMED_FIELD(HomingMissile, aimX),  NAMED_FIELD(HomingMissile, aimY), NAMED_FIELD(HomingMissile, angle),
        NAMED_FIELD(HomingMissile, speed), NAMED_FIELD(HomingMissile, timer)};
#define HOMING_NAMES(T) NAMED_POOL(HomingMissiles##T, fields);
    HOMING_TARGETS(HOMING_NAMES)
#undef HOMING_NAMES
#define BOSS_SET_NAMES(S) NAMED_POOL(BossMissiles##S, fields);
    BOSS_MISSILE_SETS(BOSS_SET_NAMES)
#undef BOSS_SET_NAMES
});

resets::Step resetHoming(resets::PhaseA, resets::RankHomingMissiles, [] {
    for (const auto& g : kHoming) ParkMissiles(g.missiles, g.count);
});
resets::Step resetBossSets(resets::PhaseA, resets::RankBossMissiles, [] {
    for (const auto& g : kBossSets) ParkMissiles(g.missiles, g.count);
});

}  // namespace

#define HOMING_OPS(T)                                                           \
    void FireHomingMissiles##T() { Fire(kHoming[kHoming##T]); }                 \
    void UpdateHomingMissiles##T(int32_t) { Update(kHoming[kHoming##T]); }      \
    void DrawHomingMissiles##T() { Draw(kHoming[kHoming##T]); }
HOMING_TARGETS(HOMING_OPS)
#undef HOMING_OPS
#define BOSS_SET_OPS(S)                                                         \
    void FireBossMissiles##S() { Fire(kBossSets[kSet##S]); }                    \
    void UpdateBossMissiles##S(int32_t) { Update(kBossSets[kSet##S]); }         \
    void DrawBossMissiles##S() { Draw(kBossSets[kSet##S]); }
BOSS_MISSILE_SETS(BOSS_SET_OPS)
#undef BOSS_SET_OPS
#define BOSS_SETTERS(Boss, Points)                                                                          \
    void MarkLocked##Boss##A(int32_t i) { MarkBossPoint(LocksOf(catalogue::Boss), Boss##LockSetA, i); } \
    void MarkLocked##Boss##B(int32_t i) { MarkBossPoint(LocksOf(catalogue::Boss), Boss##LockSetB, i); }
BOSS_LOCK_POINTS(BOSS_SETTERS)
#undef BOSS_SETTERS

void AssignBossLockPoints() {
    const int64_t cx = int64_t{LockCursorX} + kLockBoxW / 2, cy = int64_t{LockCursorY} + kLockBoxH / 2;
    for (const auto& b : kBossLocks) {
        for (int i = 0; i < b.points; ++i) {
            const BossState& s = *b.state;
            if (s.Shield != 0 || !(s.Y >= b.yFrom)) continue;
            const int64_t bx = ScreenInt(s.X), by = ScreenInt(s.Y);
            if (bx + 40 > cx || cx > bx + b.right || by + 40 > cy || cy > by + b.bottom) continue;
            MarkBossPoint(b, b.setA, i);
            MarkBossPoint(b, b.setB, i);
        }
    }
}
