// The mid-size enemies that fly in from a side, stop to fire and leave.
#include "framework/system/system.h"
#include "game/bullets/groups.h"
#include "game/catalogue/catalogue.h"
#include "game/enemies/enemies.h"
#include "game/enemies/explosions.h"
#include "game/enemies/mid.h"
#include "game/shell/assets.h"

namespace {

using namespace enemies;

// A three-segment path on the path clock (closed windows): entry, fire,
// exit; the clock restarts at 121.
struct MidPath {
    float entryEnd;   // entry 0..entryEnd
    float fireStart;  // fire fireStart..70
    float entrySink;  // extra downward speed while entering
    float exitRise;   // +1: the exit climbs by vy, -1: it sinks by vy
    float exitSide;   // sideways exit speed, away from the entry side
};
constexpr MidPath kPathA{50, 51, 0, 1, 250};
constexpr MidPath kPathB{40, 41, 170, -1, 150};
constexpr float kFireEnd = 70, kExitStart = 71, kExitEnd = 120, kRestart = 121;

struct MidPathType {
    const int32_t* sprite;
    float x;
    Start y;
    float rate;
    const MidPath* path;
    int8_t dir;  // +1 enters from the left, -1 from the right
    float rightBound;
    void (*shot)(int32_t);
    void (*chain1)(int32_t);  // fired only in the other play modes
    void (*chain2)(int32_t);
    const Pattern* explosion;
};

// clang-format off
//                         sprite       x    spawn y          rate path    dir right shot / chains                                                  explosion
constexpr MidPathType kSzak53A{&ImgSzak53, -20, Rand(60, 100), 45, &kPathA, 1,  620, SpawnSzak53ASmallShot1, nullptr, nullptr,                       &kMidEight};
constexpr MidPathType kSzak53B{&ImgSzak53, 620, Rand(60, 100), 45, &kPathA, -1, 620, SpawnSzak53BSmallShot1, nullptr, nullptr,                       &kMidEight};
constexpr MidPathType kSzak50B{&ImgSzak50, -20, Rand(50, 50),  45, &kPathA, 1,  620, SpawnSzak50BSmallShot1, SpawnSzak50BChain1, SpawnSzak50BChain2, &kMidEight};
constexpr MidPathType kSzak50C{&ImgSzak50, 640, Rand(50, 50),  45, &kPathA, -1, 640, SpawnSzak50CSmallShot1, SpawnSzak50CChain1, SpawnSzak50CChain2, &kMidEight};
constexpr MidPathType kSzak54A{&ImgSzak54, -20, Fixed(-150),   40, &kPathB, 1,  620, SpawnSzak54ASmallShot1, nullptr, nullptr,                       &kMidEight};
constexpr MidPathType kSzak54B{&ImgSzak54, 620, Fixed(-150),   40, &kPathB, -1, 620, SpawnSzak54BSmallShot1, nullptr, nullptr,                       &kMidEightWide};
// clang-format on

void Spawn(const MidPathType& t, MidEnemyPathState& r) {
    if (r.active != 0) return;
    r.x = t.x;
    Draw(t.y, r.y);  // the only random value
    r.vx = 200;
    r.vy = 280;
    r.pathClock = 0;
    r.explosionFrame = 0;
    r.active = 1;
    r.hit = 0;
}

void UpdateDraw(const MidPathType& t, MidEnemyPathState& r) { UpdateDrawMid(r, *t.explosion, t.sprite, 200, 160); }

float Side(float x, int8_t dir, float step) { return dir > 0 ? x + step : x - step; }

void Move(const MidPathType& t, MidEnemyPathState& r) {
    const float dt = FrameSeconds;
    if (r.active != 0) {
        r.pathClock = r.pathClock + t.rate * dt;
        const float c = r.pathClock;
        const MidPath& p = *t.path;
        if (c >= 0 && c <= p.entryEnd) {
            r.x = Side(r.x, t.dir, r.vx * dt);
            if (p.entrySink != 0) r.y = r.y + p.entrySink * dt;
        }
        if (c >= p.fireStart && c <= kFireEnd) {
            r.vx = 0;
            output.fire(t.shot, 0);
            if (t.chain1 && Open(Gate::ModeOrSubMode)) {
                output.fire(t.chain1, 0);
                output.fire(t.chain2, 0);
            }
        }
        if (c >= kExitStart && c <= kExitEnd) {
            r.y = p.exitRise > 0 ? r.y - r.vy * dt : r.y + r.vy * dt;
            r.x = Side(r.x, t.dir, p.exitSide * dt);
        }
        if (c >= kRestart) r.pathClock = 0;
    }
    if (r.x < -20 || r.x > t.rightBound || r.y < -160 || r.y > 600) FreeMid(r);
}

// Idle: parked and still; the spiral tick counters keep counting across
// resets.
void Reset(MidEnemyPathState& r) {
    const int32_t spiral1 = r.spiral1Tick;
    const int32_t spiral2 = r.spiral2Tick;
    r = MidEnemyPathState{};
    r.spiral1Tick = spiral1;
    r.spiral2Tick = spiral2;
    r.x = kParkX;
    r.y = kParkY;
}

}  // namespace

MID_FAMILY_TYPE(Szak53A, Spawn, UpdateDraw, Move, Reset)
MID_FAMILY_TYPE(Szak53B, Spawn, UpdateDraw, Move, Reset)
MID_FAMILY_TYPE(Szak50B, Spawn, UpdateDraw, Move, Reset)
MID_FAMILY_TYPE(Szak50C, Spawn, UpdateDraw, Move, Reset)
MID_FAMILY_TYPE(Szak54A, Spawn, UpdateDraw, Move, Reset)
MID_FAMILY_TYPE(Szak54B, Spawn, UpdateDraw, Move, Reset)
