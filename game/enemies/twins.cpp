// The twin spinning enemies: a mirror pair entering from the two sides,
// flying across and down, with lock points.
#include "game/catalogue/catalogue.h"
#include "game/enemies/enemies.h"
#include "game/enemies/explosions.h"
#include "game/enemies/small.h"
#include "game/shell/assets.h"

namespace {

using namespace enemies;

// Start x on its own side bound; x moves before y, away from that side.
constexpr SmallType Twin(int32_t startX, int8_t xSign, LockSlot* locks) {
    return {.x = Fixed(startX), .y = Rand(100, 0), .vx = MinusRand(100, 50), .vy = MinusRand(90, 50),
            .xFirst = true, .yMoves = true, .xBy = XBy::Vx, .xSign = xSign, .steer = 0,
            .bounds = kBottom, .second = kSides90, .parkX = 360,
            .sprite = &ImgSzak6, .w = 79, .h = 79, .rotated = true, .activeOnly = false, .flames = {},
            .explosion = &kTwinBurst, .lastCell = 7, .explodeNeedsActive = true, .stops = true,
            .clearsNotHittable = true, .lock = SideLock(locks), .resetY = 2550};
}

constexpr SmallType kSzak6D = Twin(90, 1, Szak6DLockSlots);
constexpr SmallType kSzak6E = Twin(620, -1, Szak6ELockSlots);

}  // namespace

SMALL_FAMILY_TYPE(Szak6D)
SMALL_FAMILY_TYPE(Szak6E)
