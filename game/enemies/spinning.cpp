// The spinning enemies: a sprite turned 7 degrees a frame, sinking from the
// top; two of them slide towards the player's x.
#include "game/catalogue/catalogue.h"
#include "game/enemies/enemies.h"
#include "game/enemies/explosions.h"
#include "game/enemies/small.h"
#include "game/shell/assets.h"

namespace {

using namespace enemies;

constexpr SmallType Spinning(Start vy, XBy xBy, int16_t steer, const Pattern* explosion) {
    return {.x = Rand(360, 180), .y = Fixed(-80), .vx = Rand(10, 0), .vy = vy,
            .xFirst = false, .yMoves = true, .xBy = xBy, .xSign = 1, .steer = steer,
            .bounds = kBottom, .second = {}, .parkX = -500,
            .sprite = &ImgSzak6, .w = 79, .h = 79, .rotated = true, .activeOnly = false, .flames = {},
            .explosion = explosion, .lastCell = 7, .explodeNeedsActive = false, .stops = true,
            .clearsNotHittable = true, .lock = {}, .resetY = 2550};
}

// clang-format off
//                                 vy at spawn      sideways  steer  explosion
constexpr SmallType kSzak6A = Spinning(Rand(80, 120), XBy::Vx,   50,    &kSpinA);
constexpr SmallType kSzak6B = Spinning(Rand(80, 140), XBy::Vx,   55,    &kSpinB);
constexpr SmallType kSzak6C = Spinning(Rand(80, 40),  XBy::None, 0,     &kBurstC);
// clang-format on

}  // namespace

SMALL_FAMILY_TYPE(Szak6A)
SMALL_FAMILY_TYPE(Szak6B)
SMALL_FAMILY_TYPE(Szak6C)
