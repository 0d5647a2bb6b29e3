// The mid-size enemies that sink straight down, and the large Szak60 that
// stops on its way down to fire.
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/bullets/groups.h"
#include "game/catalogue/catalogue.h"
#include "game/enemies/enemies.h"
#include "game/enemies/explosions.h"
#include "game/enemies/mid.h"
#include "game/shell/assets.h"

namespace {

using namespace enemies;

struct MidType {
    const int32_t* sprite;
    int w, h;
    Start x;
    float y;
    const Pattern* explosion;
};

// clang-format off
//                     sprite       w    h    spawn x          y     explosion
constexpr MidType kSzak50A{&ImgSzak50, 140, 120, Rand(300, 180), -120, &kMidEight};
constexpr MidType kSzak51 {&ImgSzak51, 240, 220, Rand(200, 180), -220, &kMidEightDeep};
constexpr MidType kSzak52C{&ImgSzak52, 200, 160, Rand(240, 180), -160, &kMidEight};
// clang-format on

void Spawn(const MidType& t, MidEnemyState& r) {
    if (ArmMid(r, t.x, t.y)) r.vy = static_cast<float>(rng::rand() % 60 + 60);
}

void UpdateDraw(const MidType& t, MidEnemyState& r) { UpdateDrawMid(r, *t.explosion, t.sprite, t.w, t.h); }

void Move(const MidType&, MidEnemyState& r) {
    if (r.active != 0) r.y = r.y + r.vy * FrameSeconds;
    if (r.y > 600 || r.x < 100) FreeMid(r);
}

template <class R>
void Reset(R& r) {
    r = R{};
    r.x = kParkX;
    r.y = kParkY;
}

// Szak60 counts frames: it sinks, fires for 30 frames, sinks slower, and
// repeats from tick 8 until it leaves the playfield.
struct LargeType {
    Start x;
    float y;
};
constexpr LargeType kSzak60{Rand(140, 180), -300};
constexpr Bound kLargeOut[] = {XBelow(-120), XAbove(620), YBelow(-300), YAbove(600)};

void Spawn(const LargeType& t, Szak60Record& r) {
    if (!ArmMid(r, t.x, t.y)) return;
    r.moveTick = 0;
    r.hitCount = 0;
}

void UpdateDraw(const LargeType&, Szak60Record& r) { UpdateDrawMid(r, kLargeSixteen, &ImgSzak60, 300, 300); }

void Move(const LargeType&, Szak60Record& r) {
    if (r.active != 0) {
        const int t = ++r.moveTick;
        if (t >= 0 && t <= 20) r.y = r.y + 130 * FrameSeconds;
        if (t >= 21 && t <= 50) output.fire(SpawnSzak60SmallShot1, 0);
        if (t >= 51 && t <= 60) r.y = r.y + 60 * FrameSeconds;
        if (t >= 61) r.moveTick = 8;
    }
    if (OutsideAny(r.x, r.y, kLargeOut)) FreeMid(r);
}

}  // namespace

MID_FAMILY_TYPE(Szak50A, Spawn, UpdateDraw, Move, Reset)
MID_FAMILY_TYPE(Szak51, Spawn, UpdateDraw, Move, Reset)
MID_FAMILY_TYPE(Szak52C, Spawn, UpdateDraw, Move, Reset)
MID_FAMILY_TYPE(Szak60, Spawn, UpdateDraw, Move, Reset)
