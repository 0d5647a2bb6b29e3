// The small enemy family: a fixed array of slots per type, every free slot
// armed at once by Spawn, flown in a straight line by Move, drawn (plain or
// spinning sprite, exhaust flames, lock marker) or exploded by UpdateDraw.
// The plain, spinning and twin types are rows of this one family.
#pragma once
#include <climits>
#include <cstdint>
#include <span>

#include "framework/draw/coord.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/enemies/family.h"
#include "game/state/player_state.h"

namespace enemies {

// Which speed moves x (after y, or before it for the twins).
enum class XBy : uint8_t { None, Vx, Vy };

struct Flames {
    const int32_t* strip;  // null: no flames
    std::span<const Point> at;
    bool beforeSprite;
};

// The lock point kept on each slot of a lockable type.
struct LockUpkeep {
    LockSlot* points;      // null: not lockable
    bool restAtSpawn;      // Spawn writes the rest point
    Point rest;            // at spawn (where written) and at the end of the explosion
    Point marker;          // marker offset from the slot
    Point moveRest;        // where Move puts a point that lies outside the box
    Box box;               // the box a point may stay in when its slot is freed
    bool sidesOnly;        // only a slot freed by the second bound list resets its point
};

struct SmallType {
    // Spawn: start values, drawn in the order x, y, vx, vy.
    Start x, y, vx, vy;
    // Move.
    bool xFirst;       // x moves before y
    bool yMoves;
    XBy xBy;
    int8_t xSign;      // +1 adds the speed to x, -1 subtracts it
    int16_t steer;     // sideways speed towards the player's x; 0 for none
    std::span<const Bound> bounds;  // freed when outside any of them
    std::span<const Bound> second;  // then tested again on the result
    float parkX;                    // where Move parks a freed slot
    // Drawing.
    const int32_t* sprite;
    int w, h;
    bool rotated;       // spun by 7 degrees a frame in a w x h box (source w x h)
    bool activeOnly;    // the sprite is drawn only while active
    Flames flames;
    // Explosion.
    const Pattern* explosion;
    int lastCell;            // 9 for ten-cell strips, 7 for eight
    bool explodeNeedsActive;
    bool stops;              // speeds zeroed on every explosion frame
    bool clearsNotHittable;  // at the explosion's end
    LockUpkeep lock;
    // Reset.
    float resetY;
};

constexpr Bound kBottom[] = {YAbove(600)};
constexpr Bound kSides90[] = {XBelow(90), XAbove(620)};

// Types that leave through the sides: a slot freed there drops its lock
// point if the point's x lies outside 110..620; the explosion's end puts it
// at (290, 0); the marker sits 10 pixels in.
constexpr LockUpkeep SideLock(LockSlot* points) {
    return {points, false, {290, 0}, {10, 10}, {370, 0}, {110, 620, INT_MIN, INT_MAX}, true};
}

// The explosion cell, the flame cell and the spin angle of each record layout.
inline int32_t& ExplosionCell(EnemySlot40& s) { return s.frameA; }
template <class R>
int32_t& ExplosionCell(R& s) {
    return s.explosionFrame;
}

template <class R, size_t N>
void SpawnSmall(const SmallType& t, R (&slots)[N]) {
    for (size_t i = 0; i < N; ++i) {
        R& s = slots[i];
        if (s.active != 0) continue;
        Draw(t.x, s.x);
        Draw(t.y, s.y);
        Draw(t.vx, s.vx);
        Draw(t.vy, s.vy);
        s.active = 1;
        s.hit = 0;
        ExplosionCell(s) = 0;
        if constexpr (requires { s.frameB; }) s.frameB = 0;
        if (t.lock.points && t.lock.restAtSpawn) PlaceLock(t.lock.points[i], t.lock.rest);
    }
}

template <class R>
void DrawFlames(const Flames& f, R& s) {
    if constexpr (requires { s.frameB; }) {
        if (!f.strip) return;
        const int g = s.frameB;
        for (const Point& p : f.at)
            output.blit(Blit::Object, fwDraw::ToBlitCoord(s.x) + p.x, fwDraw::ToBlitCoord(s.y) + p.y, *f.strip, 20 * g, 0,
                        20 * g + 20, 70);
        if (++s.frameB > 19) s.frameB = 0;
    }
}

template <class R>
void DrawSprite(const SmallType& t, R& s) {
    if (t.activeOnly && s.active == 0) return;
    const int x = fwDraw::ToBlitCoord(s.x);
    const int y = fwDraw::ToBlitCoord(s.y);
    if constexpr (requires { s.spinAngle; }) {
        if (t.rotated) {
            output.rotated(x, y, x + t.w, y + t.h, s.spinAngle, *t.sprite, 0, 0, t.w, t.h);
            s.spinAngle += 7;
            if (s.spinAngle >= 360) s.spinAngle = 0;
            return;
        }
    }
    output.blit(Blit::Object, x, y, *t.sprite, 0, 0, t.w, t.h);
}

template <class R, size_t N>
void UpdateDrawSmall(const SmallType& t, R (&slots)[N]) {
    for (size_t i = 0; i < N; ++i) {
        R& s = slots[i];
        if (s.hit > 0 && (!t.explodeNeedsActive || s.active != 0)) {
            if (t.stops) s.vx = s.vy = 0;
            int32_t& cell = ExplosionCell(s);
            if (ExplosionFrame(*t.explosion, t.lastCell, s.x, s.y, cell, s.explosionLoop)) {
                FreeExploded(s, cell);
                if (t.clearsNotHittable) s.notHittable = 0;
                if (t.lock.points) PlaceLock(t.lock.points[i], t.lock.rest);
            }
            continue;
        }
        if (s.hit > 0) {
            // Freed by Move while exploding: nothing left to draw.
        } else if (t.flames.beforeSprite) {
            DrawFlames(t.flames, s);
            DrawSprite(t, s);
        } else {
            DrawSprite(t, s);
            DrawFlames(t.flames, s);
        }
        if (t.lock.points) DrawLockMarker(t.lock.points[i], s.active != 0, s.x, s.y, t.lock.marker);
    }
}

template <class R>
void MoveX(const SmallType& t, R& s, float dt) {
    if (t.xBy == XBy::None) return;
    const float v = t.xBy == XBy::Vx ? s.vx : s.vy;
    s.x = t.xSign > 0 ? s.x + v * dt : s.x - v * dt;
}

template <class R, size_t N>
void MoveSmall(const SmallType& t, R (&slots)[N]) {
    const float dt = FrameSeconds;
    for (size_t i = 0; i < N; ++i) {
        R& s = slots[i];
        if (s.active != 0) {
            if (t.xFirst) MoveX(t, s, dt);
            if (t.yMoves) s.y = s.y + s.vy * dt;
            if (!t.xFirst) MoveX(t, s, dt);
            if (t.steer != 0) {
                if (s.x > PlayerX) s.vx = -t.steer;
                if (s.x < PlayerX) s.vx = t.steer;
            }
        }
        const bool first = OutsideAny(s.x, s.y, t.bounds);
        if (first) Park(s, t.parkX);
        const bool sides = OutsideAny(s.x, s.y, t.second);
        if (sides) Park(s, t.parkX);
        if (t.lock.points && (t.lock.sidesOnly ? sides : first)) {
            LockSlot& l = t.lock.points[i];
            if (!t.lock.box.Holds(l)) PlaceLock(l, t.lock.moveRest);
        }
    }
}

// The idle values: parked, still, unhit; the flame cell and the spin angle
// are kept.
template <class R, size_t N>
void ResetSmall(const SmallType& t, R (&slots)[N]) {
    for (R& s : slots) ResetIdle(s, ExplosionCell(s), t.resetY);
}

}  // namespace enemies

// The operations of a type of this family, reading the row kName.
#define SMALL_FAMILY_TYPE(Name)                                                              \
    void Spawn##Name(int32_t) { enemies::SpawnSmall(k##Name, Name##Slots); }               \
    void UpdateDraw##Name(int32_t) { enemies::UpdateDrawSmall(k##Name, Name##Slots); }     \
    void Move##Name(int32_t) { enemies::MoveSmall(k##Name, Name##Slots); }                 \
    namespace {                                                                            \
    catalogue::Reset reset##Name(catalogue::Name, catalogue::PartRecords, 0,               \
                                 [] { enemies::ResetSmall(k##Name, Name##Slots); });      \
    }
