// What every enemy family shares: where pictures, sounds and shots go, the
// explosion pictures as data, the playfield bounds, the lock points, the
// explosion step and the random start values.
#pragma once
#include <cstdint>
#include <span>

#include "game/bullets/records.h"
#include "game/state/enemy_records.h"

namespace enemies {

// ---- Output -------------------------------------------------------------

enum class Blit : uint8_t { Object, Additive, HalfBlend };

// Every blit, sound and bullet-group call of the enemies goes through here,
// so that a test can watch them; the defaults reach fwDraw, fwSound and the
// group itself.
struct Output {
    void (*blit)(Blit how, int x, int y, int image, int left, int top, int right, int bottom);
    void (*rotated)(int left, int top, int right, int bottom, int angle, int image, int srcLeft, int srcTop,
                    int srcRight, int srcBottom);
    void (*play)(int sound, int mix);
    void (*fire)(void (*spawn)(int32_t), int32_t arg);
};
extern Output output;

// ---- Places -------------------------------------------------------------

// Free records park at (kParkX, kParkY), the place every freed record of
// the game shares (game/bullets/records.h).

struct Point {
    int x, y;
};

// One strict bound of the playfield: the record is outside when its x (or y)
// lies below (or above) the value.
struct Bound {
    enum Axis : uint8_t { X, Y } axis;
    bool above;
    float value;
};
constexpr Bound XBelow(float v) { return {Bound::X, false, v}; }
constexpr Bound XAbove(float v) { return {Bound::X, true, v}; }
constexpr Bound YBelow(float v) { return {Bound::Y, false, v}; }
constexpr Bound YAbove(float v) { return {Bound::Y, true, v}; }

inline bool Outside(float x, float y, const Bound& b) {
    const float v = b.axis == Bound::X ? x : y;
    return b.above ? v > b.value : v < b.value;
}
inline bool OutsideAny(float x, float y, std::span<const Bound> bounds) {
    for (const Bound& b : bounds)
        if (Outside(x, y, b)) return true;
    return false;
}

// An inclusive box of whole-pixel lock points.
struct Box {
    int loX, hiX, loY, hiY;
    bool Holds(const LockSlot& l) const { return l.x >= loX && l.x <= hiX && l.y >= loY && l.y <= hiY; }
};

inline void PlaceLock(LockSlot& l, Point at) {
    l.x = at.x;
    l.y = at.y;
    l.locked = 0;
}

// The lock marker: a locked point of an active record follows the record
// (its truncated position plus the offset) and the marker is drawn there.
void DrawLockMarker(LockSlot& lock, bool active, float x, float y, Point offset);

// ---- Play-mode gates ----------------------------------------------------

// Extra shots that only the other play modes fire.
enum class Gate : uint8_t { Always, SubMode, ModeOrSubMode };
bool Open(Gate gate);

// ---- Random start values ------------------------------------------------

// base + sign x (rand() % mod), or base alone when mod is 0; keep leaves the
// field as it is (and draws nothing).
struct Start {
    int32_t base;
    int16_t mod;
    int8_t sign;
    bool keep;
};
constexpr Start Fixed(int32_t v) { return {v, 0, 1, false}; }
constexpr Start Rand(int16_t mod, int32_t plus) { return {plus, mod, 1, false}; }          // rand() % mod + plus
constexpr Start NegRand(int16_t mod, int32_t plus) { return {-plus, mod, -1, false}; }    // -(rand() % mod + plus)
constexpr Start MinusRand(int32_t from, int16_t mod) { return {from, mod, -1, false}; }   // from - rand() % mod
constexpr Start kKeep{0, 0, 1, true};

void Draw(const Start& s, float& field);

// ---- Explosions ---------------------------------------------------------

// One cell of an explosion picture: cell f of a strip of size x size cells,
// drawn at (x + ox + ax·f, y + oy + ay·f) with x and y truncated first.
struct Cell {
    Blit how;
    const int32_t* image;
    int size;
    int ox, oy;
    int ax, ay;
};
// The pictures under AdditiveEffects 1 and 0.
struct Pattern {
    std::span<const Cell> additive;
    std::span<const Cell> plain;
};

void DrawCells(std::span<const Cell> cells, float x, float y, int frame);

// One explosion frame: draws the pattern, sounds the explosion on cell 0,
// advances the cell and counts a pass after lastCell. True once the second
// pass is over, when the caller frees the record.
bool ExplosionFrame(const Pattern& pattern, int lastCell, float x, float y, int32_t& frame, int32_t& loop);

// The record returned to free after its explosion.
template <class R>
void FreeExploded(R& r, int32_t& frame) {
    r.active = 0;
    r.hit = 0;
    frame = 0;
    r.explosionLoop = 0;
    r.x = kParkX;
    r.y = kParkY;
}

// The idle values the resets give a slot: parked at (kParkX, y), still,
// unhit, its explosion cleared.
template <class R>
void ResetIdle(R& r, int32_t& cell, float y) {
    r.explosionLoop = 0;
    cell = 0;
    r.x = kParkX;
    r.y = y;
    r.vx = r.vy = 0;
    r.notHittable = 0;
    r.active = 0;
    r.hit = 0;
}

template <class R>
void Park(R& r, float x) {
    r.active = 0;
    r.x = x;
    r.y = kParkY;
}

}  // namespace enemies
