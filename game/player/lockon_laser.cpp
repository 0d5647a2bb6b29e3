// The lock lasers: for every live enemy of a spinning type, a chain of
// fourteen segments that curves out of the ship, sweeps sideways and up,
// then flies straight on or, with the enemy's point locked, homes on it. The
// last segment of a chain to reach the point destroys the enemy.
#include <cmath>

#include "framework/draw/draw.h"
#include "framework/system/named.h"
#include "framework/system/system.h"
#include "game/player/lockon.h"
#include "game/player/targets.h"
#include "game/player/weapons.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"
#include "game/shell/resets.h"

#define LOCK_LASER_DATA(T)                     \
    LaserSegment LockLasers##T[kLaserSegments]; \
    int32_t LockLaserFrames##T[kLaserChains];
LOCK_LASER_TARGETS(LOCK_LASER_DATA)
#undef LOCK_LASER_DATA

namespace {

constexpr float kPi = 3.14159265358979f;

// One laser group per target type.
struct LaserGroup {
    LaserSegment* segments;
    int32_t* frames;
    LockSlot* points;  // point i belongs to chain i
    catalogue::Owner target;
    int8_t curveX;       // -1: the curve sweeps left, +1: right
    bool turnsAtLaunch;  // each launch turns the segment's heading by pi
};
// clang-format off
constexpr LaserGroup kLasers[] = {
//   segments           frames                  points            target               x  turns
    {LockLasersSzak6D,  LockLaserFramesSzak6D,  Szak6DLockSlots,  catalogue::Szak6D,  -1, true},
    {LockLasersSzak6E,  LockLaserFramesSzak6E,  Szak6ELockSlots,  catalogue::Szak6E,  +1, false},
    {LockLasersSzak13A, LockLaserFramesSzak13A, Szak13ALockSlots, catalogue::Szak13A, -1, false},
    {LockLasersSzak13B, LockLaserFramesSzak13B, Szak13BLockSlots, catalogue::Szak13B, +1, false},
};
// clang-format on
enum LaserIndex {
#define LASER_INDEX(T) kLaser##T,
    LOCK_LASER_TARGETS(LASER_INDEX)
#undef LASER_INDEX
};
#define LASER_ROW_CHECK(T) static_assert(kLasers[kLaser##T].segments == LockLasers##T);
LOCK_LASER_TARGETS(LASER_ROW_CHECK)
#undef LASER_ROW_CHECK

// The curve: whole-pixel steps per frame while the segment's timer lies in
// a band (bounds included; a timer between bands moves nothing). The x step
// takes the group's side.
struct CurveBand {
    float from, to;
    int8_t dx, dy;
};
// clang-format off
constexpr CurveBand kCurve[] = {
//   from  to   dx  dy
    { 0,    5,  6,  3},
    { 6,   10,  6,  1},
    {11,   15,  7,  0},
    {16,   20,  7, -2},
    {21,   25,  7, -7},
    {26,   30,  3, -7},
    {31,   40,  1, -7},
    {41,   45,  0, -7},
};
// clang-format on
constexpr float kTimerRate = 30;   // timer units per second
constexpr float kCurveEnd = 45;    // from here on the segment flies along its heading
constexpr float kHomingStep = 10;  // pixels per frame along the heading, locked
constexpr float kStraightY = 16;   // ... unlocked: a steeper y step
constexpr int kLastSegment = kChainSegments - 1;
constexpr int kCycle = 140;  // frames between a chain's launches
constexpr int32_t kScore = 300;

void Park(LaserSegment& s) {
    s.active = 0;
    s.x = -500;
    s.y = 2550;
}

void Spawn(const LaserGroup& g, int32_t chain, int32_t segment) {
    if (chain < 0 || chain >= kLaserChains || segment < 0 || segment >= kChainSegments) return;
    LaserSegment& s = g.segments[chain * kChainSegments + segment];
    if (s.active) return;
    s.active = 1;
    s.x = PlayerX + 20;
    s.y = PlayerY + 20 - 10;
    s.timer = 0;
    if (g.turnsAtLaunch) s.angle += kPi;
}

void Emit(const LaserGroup& g) {
    const catalogue::EnemyAccess& access = targets::Enemy(g.target);
    if (!access.slot) return;
    for (int i = 0; i < kLaserChains && i < access.count; ++i) {
        const uint32_t* active = access.slot(i).active;
        if (!active || *active == 0) continue;
        int32_t& frame = g.frames[i];
        frame += 1;
        if (frame >= 1 && frame <= kLastSegment) Spawn(g, i, frame);
        if (frame >= kCycle) frame = 0;
    }
}

void Fly(const LaserGroup& g, LaserSegment& s, const LockSlot& point) {
    s.timer += kTimerRate * FrameSeconds;
    for (const auto& band : kCurve) {
        if (s.timer < band.from || s.timer > band.to) continue;
        s.x += static_cast<float>(g.curveX * band.dx);
        s.y += static_cast<float>(band.dy);
        break;
    }
    if (!(s.timer >= kCurveEnd)) return;
    if (point.locked) {
        s.y += std::sin(s.angle) * kHomingStep;
        s.x += std::cos(s.angle) * kHomingStep;
        s.angle = lockon::Aim(s.x, s.y, static_cast<float>(point.x + 20), static_cast<float>(point.y + 20));
    } else {
        s.y += std::sin(s.angle) * kStraightY;
        s.x += std::cos(s.angle) * kHomingStep;
    }
}

bool Reaches(const LaserSegment& s, const LockSlot& point) {
    const float dx = s.x - static_cast<float>(point.x), dy = s.y - static_cast<float>(point.y);
    return dx >= 0 && dx <= 40 && dy >= 0 && dy <= 40;
}

void Update(const LaserGroup& g) {
    const catalogue::EnemyAccess& access = targets::Enemy(g.target);
    for (int i = 0; i < kLaserChains; ++i) {
        const LockSlot& point = g.points[i];
        for (int j = 0; j < kChainSegments; ++j) {
            LaserSegment& s = g.segments[i * kChainSegments + j];
            if (s.active) Fly(g, s, point);
            if (s.x + 20 < 180 || s.x > 620 || s.y + 20 < 0 || s.y > 600 || BombActive == 1) {
                Park(s);
                s.timer = 0;
                s.spare[0] = 0;
            }
            // Every segment is tested, flying or not, against the point,
            // locked or not.
            if (!Reaches(s, point)) continue;
            Park(s);
            if (j != kLastSegment) continue;
            if (access.markHit && i < access.count) access.markHit(i);
            AddScore(kScore);
        }
    }
}

void Draw(const LaserGroup& g) {
    if (ShipType != 1) return;
    for (int k = 0; k < kLaserSegments; ++k) {
        const LaserSegment& s = g.segments[k];
        if (s.active) fwDraw::BltAdditive(ScreenInt(s.x), ScreenInt(s.y), ImgRay10, 0, 0, 20, 20);
    }
}

named::Registrar reg([] {
    const std::vector<named::Field> fields = {NAMED_FIELD(LaserSegment, x), NAMED_FIELD(LaserSegment, y),
                                              NAMED_FIELD(LaserSegment, active), NAMED_FIELD(LaserSegment, angle),
                                              NAMED_FIELD(LaserSegment, timer)};
#define LASER_NAMES(T)                    \
    NAMED_POOL(LockLasers##T, fields); \
    NAMED_ARRAY(LockLaserFrames##T);
    LOCK_LASER_TARGETS(LASER_NAMES)
#undef LASER_NAMES
});

resets::Step resetFrames(resets::PhaseA, resets::RankLockLaserFrames, [] {
    for (const auto& g : kLasers)
        for (int i = 0; i < kLaserChains; ++i) g.frames[i] = 0;
});

resets::Step resetSegments(resets::PhaseA, resets::RankLockLasers, [] {
    for (const auto& g : kLasers)
        for (int k = 0; k < kLaserSegments; ++k) g.segments[k] = LaserSegment{-500, 2550, 0, kIdleAngle, 0, {0, 0}};
});

}  // namespace

#define LOCK_LASER_OPS(T)                                                                           \
    void SpawnLockLaser##T(int32_t chain, int32_t segment) { Spawn(kLasers[kLaser##T], chain, segment); } \
    void EmitLockLaser##T() { Emit(kLasers[kLaser##T]); }                                            \
    void UpdateLockLaser##T(int32_t) { Update(kLasers[kLaser##T]); }                                 \
    void DrawLockLaser##T() { Draw(kLasers[kLaser##T]); }
LOCK_LASER_TARGETS(LOCK_LASER_OPS)
#undef LOCK_LASER_OPS
