// The plain enemies: straight flights across the playfield.
#include "game/catalogue/catalogue.h"
#include "game/enemies/enemies.h"
#include "game/enemies/explosions.h"
#include "game/enemies/small.h"
#include "game/shell/assets.h"

namespace {

using namespace enemies;

constexpr Bound kLeft100[] = {XBelow(100)};
constexpr Bound kSzak3Box[] = {XBelow(100), XAbove(620), YBelow(-100), YAbove(600)};
constexpr Bound kSzak4Box[] = {XBelow(80), XAbove(620), YBelow(-120), YAbove(600)};
constexpr Bound kSzak21Box[] = {XBelow(90), XAbove(620), YBelow(-90), YAbove(600)};

constexpr Point kFlame10[] = {{25, -55}};
constexpr Point kFlame9[] = {{5, -54}, {55, -54}};
constexpr Point kFlame12[] = {{1, -46}, {59, -46}};

// The box a lock point may stay in when its slot is freed.
constexpr Box kLockBox{150, 620, -70, 600};

constexpr LockUpkeep Lock(LockSlot* points, Point rest, Point marker, Point moveRest) {
    return {points, true, rest, marker, moveRest, kLockBox, false};
}

// clang-format off
constexpr SmallType kSzak10{
    .x = Rand(310, 210), .y = Fixed(-80), .vx = kKeep, .vy = Rand(60, 70),
    .xFirst = false, .yMoves = true, .xBy = XBy::None, .xSign = 1, .steer = 0,
    .bounds = kBottom, .second = {}, .parkX = -500,
    .sprite = &ImgSzak10, .w = 70, .h = 80, .rotated = false, .activeOnly = false,
    .flames = {&ImgZfire1, kFlame10, false},
    .explosion = &kBurstA, .lastCell = 9, .explodeNeedsActive = false, .stops = true, .clearsNotHittable = true,
    .lock = {}, .resetY = 2550};
constexpr SmallType kSzak3{
    .x = Rand(360, 180), .y = Fixed(480), .vx = Fixed(0), .vy = NegRand(100, 120),
    .xFirst = false, .yMoves = true, .xBy = XBy::Vx, .xSign = -1, .steer = 0,
    .bounds = kSzak3Box, .second = {}, .parkX = 360,
    .sprite = &ImgSzak3, .w = 80, .h = 100, .rotated = false, .activeOnly = true, .flames = {},
    .explosion = &kSingle, .lastCell = 7, .explodeNeedsActive = true, .stops = false, .clearsNotHittable = true,
    .lock = Lock(Szak3LockSlots, {290, 500}, {10, 20}, {370, 500}), .resetY = 2550};
constexpr SmallType kSzak4{
    .x = Rand(340, 180), .y = Fixed(480), .vx = Fixed(0), .vy = NegRand(80, 120),
    .xFirst = false, .yMoves = true, .xBy = XBy::Vx, .xSign = -1, .steer = 0,
    .bounds = kSzak4Box, .second = {}, .parkX = 350,
    .sprite = &ImgSzak4, .w = 100, .h = 120, .rotated = false, .activeOnly = true, .flames = {},
    .explosion = &kSingle, .lastCell = 7, .explodeNeedsActive = true, .stops = false, .clearsNotHittable = true,
    .lock = Lock(Szak4LockSlots, {290, 0}, {20, 30}, {370, 0}), .resetY = 2550};
constexpr SmallType kSzak1A{
    .x = Fixed(220), .y = Fixed(-60), .vx = Rand(10, 0), .vy = Rand(180, 60),
    .xFirst = false, .yMoves = true, .xBy = XBy::Vx, .xSign = 1, .steer = 0,
    .bounds = kBottom, .second = {}, .parkX = -500,
    .sprite = &ImgSzak1, .w = 60, .h = 60, .rotated = false, .activeOnly = false, .flames = {},
    .explosion = &kSingle, .lastCell = 7, .explodeNeedsActive = false, .stops = true, .clearsNotHittable = true,
    .lock = {}, .resetY = 2550};
constexpr SmallType kSzak1B{
    .x = Fixed(520), .y = Fixed(-60), .vx = Rand(10, 0), .vy = Rand(180, 60),
    .xFirst = false, .yMoves = true, .xBy = XBy::Vx, .xSign = -1, .steer = 0,
    .bounds = kBottom, .second = {}, .parkX = -500,
    .sprite = &ImgSzak1, .w = 60, .h = 60, .rotated = false, .activeOnly = false, .flames = {},
    .explosion = &kSingle, .lastCell = 7, .explodeNeedsActive = false, .stops = true, .clearsNotHittable = true,
    .lock = {}, .resetY = 2550};
constexpr SmallType kSzak9{
    .x = Rand(360, 180), .y = Fixed(-80), .vx = Rand(10, 0), .vy = Rand(60, 50),
    .xFirst = false, .yMoves = true, .xBy = XBy::None, .xSign = 1, .steer = 0,
    .bounds = kBottom, .second = {}, .parkX = -500,
    .sprite = &ImgSzak9, .w = 80, .h = 80, .rotated = false, .activeOnly = false,
    .flames = {&ImgZfire2, kFlame9, true},
    .explosion = &kBurstC, .lastCell = 7, .explodeNeedsActive = false, .stops = true, .clearsNotHittable = true,
    .lock = {}, .resetY = -500};
constexpr SmallType kSzak12{
    .x = Rand(400, 160), .y = Fixed(-100), .vx = Rand(50, 50), .vy = Rand(68, 52),
    .xFirst = false, .yMoves = true, .xBy = XBy::None, .xSign = 1, .steer = 0,
    .bounds = kBottom, .second = kLeft100, .parkX = -500,
    .sprite = &ImgSzak12, .w = 80, .h = 100, .rotated = false, .activeOnly = false,
    .flames = {&ImgZfire2, kFlame12, true},
    .explosion = &kBurstD, .lastCell = 7, .explodeNeedsActive = false, .stops = true, .clearsNotHittable = true,
    .lock = {}, .resetY = -500};
constexpr SmallType kSzak13A{
    .x = Fixed(90), .y = Rand(200, 0), .vx = Rand(50, 50), .vy = Rand(60, 50),
    .xFirst = false, .yMoves = false, .xBy = XBy::Vx, .xSign = 1, .steer = 0,
    .bounds = kBottom, .second = kSides90, .parkX = 360,
    .sprite = &ImgSzak13, .w = 80, .h = 60, .rotated = false, .activeOnly = true, .flames = {},
    .explosion = &kBurstB, .lastCell = 7, .explodeNeedsActive = true, .stops = true, .clearsNotHittable = true,
    .lock = SideLock(Szak13ALockSlots), .resetY = 2550};
constexpr SmallType kSzak13B{
    .x = Fixed(620), .y = Rand(200, 0), .vx = Rand(50, 50), .vy = Rand(60, 50),
    .xFirst = false, .yMoves = false, .xBy = XBy::Vx, .xSign = -1, .steer = 0,
    .bounds = kBottom, .second = kSides90, .parkX = 360,
    .sprite = &ImgSzak13, .w = 80, .h = 60, .rotated = false, .activeOnly = true, .flames = {},
    .explosion = &kBurstB, .lastCell = 7, .explodeNeedsActive = true, .stops = true, .clearsNotHittable = true,
    .lock = SideLock(Szak13BLockSlots), .resetY = 2550};
// The 52s cross at 45 degrees: x moves by vy.
constexpr SmallType kSzak52A{
    .x = Fixed(-20), .y = Fixed(-160), .vx = Rand(80, 100), .vy = Rand(80, 80),
    .xFirst = false, .yMoves = true, .xBy = XBy::Vy, .xSign = 1, .steer = 0,
    .bounds = kBottom, .second = {}, .parkX = -500,
    .sprite = &ImgSzak52, .w = 200, .h = 160, .rotated = false, .activeOnly = false, .flames = {},
    .explosion = &kRingOfEight, .lastCell = 7, .explodeNeedsActive = false, .stops = false, .clearsNotHittable = false,
    .lock = {}, .resetY = 2550};
constexpr SmallType kSzak52B{
    .x = Fixed(620), .y = Fixed(-160), .vx = Rand(80, 100), .vy = Rand(80, 80),
    .xFirst = false, .yMoves = true, .xBy = XBy::Vy, .xSign = -1, .steer = 0,
    .bounds = kBottom, .second = {}, .parkX = -500,
    .sprite = &ImgSzak52, .w = 200, .h = 160, .rotated = false, .activeOnly = false, .flames = {},
    .explosion = &kRingOfEightB, .lastCell = 7, .explodeNeedsActive = false, .stops = false, .clearsNotHittable = false,
    .lock = {}, .resetY = 2550};
constexpr SmallType kSzak21A{
    .x = Fixed(90), .y = Fixed(-90), .vx = Rand(70, 60), .vy = Rand(70, 70),
    .xFirst = false, .yMoves = true, .xBy = XBy::Vx, .xSign = 1, .steer = 0,
    .bounds = kSzak21Box, .second = {}, .parkX = 355,
    .sprite = &ImgSzak21, .w = 90, .h = 90, .rotated = false, .activeOnly = true, .flames = {},
    .explosion = &kSingle, .lastCell = 7, .explodeNeedsActive = true, .stops = false, .clearsNotHittable = false,
    .lock = Lock(Szak21ALockSlots, {290, 0}, {15, 15}, {370, 0}), .resetY = 2550};
constexpr SmallType kSzak21B{
    .x = Fixed(90), .y = Fixed(60), .vx = Rand(80, 70), .vy = Rand(80, 80),
    .xFirst = false, .yMoves = true, .xBy = XBy::Vx, .xSign = 1, .steer = 0,
    .bounds = kSzak21Box, .second = {}, .parkX = 355,
    .sprite = &ImgSzak21, .w = 90, .h = 90, .rotated = false, .activeOnly = true, .flames = {},
    .explosion = &kBurstE, .lastCell = 7, .explodeNeedsActive = true, .stops = false, .clearsNotHittable = false,
    .lock = Lock(Szak21BLockSlots, {290, 0}, {15, 15}, {370, 0}), .resetY = 2550};
constexpr SmallType kSzak22A{
    .x = Fixed(620), .y = Fixed(-90), .vx = Rand(70, 60), .vy = Rand(70, 70),
    .xFirst = false, .yMoves = true, .xBy = XBy::Vx, .xSign = -1, .steer = 0,
    .bounds = kSzak21Box, .second = {}, .parkX = 355,
    .sprite = &ImgSzak22, .w = 90, .h = 90, .rotated = false, .activeOnly = true, .flames = {},
    .explosion = &kSingle, .lastCell = 7, .explodeNeedsActive = true, .stops = false, .clearsNotHittable = false,
    .lock = Lock(Szak22ALockSlots, {290, 0}, {15, 15}, {370, 0}), .resetY = 2550};
constexpr SmallType kSzak22B{
    .x = Fixed(620), .y = Fixed(60), .vx = Rand(80, 70), .vy = Rand(80, 80),
    .xFirst = false, .yMoves = true, .xBy = XBy::Vx, .xSign = -1, .steer = 0,
    .bounds = kSzak21Box, .second = {}, .parkX = 355,
    .sprite = &ImgSzak22, .w = 90, .h = 90, .rotated = false, .activeOnly = true, .flames = {},
    .explosion = &kBurstE, .lastCell = 7, .explodeNeedsActive = true, .stops = true, .clearsNotHittable = false,
    .lock = Lock(Szak22BLockSlots, {290, 0}, {15, 15}, {370, 0}), .resetY = 2550};
// clang-format on

}  // namespace

SMALL_FAMILY_TYPE(Szak10)
SMALL_FAMILY_TYPE(Szak3)
SMALL_FAMILY_TYPE(Szak4)
SMALL_FAMILY_TYPE(Szak1A)
SMALL_FAMILY_TYPE(Szak1B)
SMALL_FAMILY_TYPE(Szak9)
SMALL_FAMILY_TYPE(Szak12)
SMALL_FAMILY_TYPE(Szak13A)
SMALL_FAMILY_TYPE(Szak13B)
SMALL_FAMILY_TYPE(Szak52A)
SMALL_FAMILY_TYPE(Szak52B)
SMALL_FAMILY_TYPE(Szak21A)
SMALL_FAMILY_TYPE(Szak21B)
SMALL_FAMILY_TYPE(Szak22A)
SMALL_FAMILY_TYPE(Szak22B)
