// LargeDrop: large bullets dropped one every 10 Emit calls from one point of
// a boss, straight down or slanting to one side. The counters restart at 10
// on reaching 200, which arms record 0 again on that call; record 19's tick
// (200) is a value the counters never hold, so it stays parked.
#include "game/bullets/falling.h"
#include "game/bullets/groups.h"
#include "game/shell/assets.h"

using namespace bullets;

namespace {

constexpr int kShots = 20;
constexpr int16_t kTicks[kShots] = {10,  20,  30,  40,  50,  60,  70,  80,  90,  100,
                                    110, 120, 130, 140, 150, 160, 170, 180, 190, 200};
constexpr Schedule kSchedule{200, 10, 1, kTicks, false};

struct DropRow {
    DropShot* shots;
    OwnerPos owner;
    const int32_t* image;
    int width, height;
    float offX, offY;
    float vx, vy;  // vx 0: the bullet keeps its x and vx is never written
    float hitLoX, hitLoY;
};

// Arms record i and places record j (the Emit passes j = i).
void Spawn(const DropRow& g, int i, int j) {
    if (g.shots[i].active != 0) return;
    const Pos p = g.owner(0);
    g.shots[i].active = 1;
    g.shots[j].x = p.x + g.offX;
    g.shots[j].y = p.y + g.offY;
}

void Emit(const DropRow& g) {
    RunSchedule(g.shots, kShots, kSchedule, [&](int i, int) { Spawn(g, i, i); });
}

void Move(const DropRow& g) { FallAll(g.shots, kShots, g.vy, true, Box{g.hitLoX, 30, g.hitLoY, 30}, g.vx); }

void Draw(const DropRow& g) {
    for (int i = 0; i < kShots; ++i)
        Blit1(Blit::Additive, *g.image, g.shots[i].x, g.shots[i].y, 0, 0, g.width, g.height);
}

}  // namespace

#define DROP(Name, Owner, Kind, Number, S, E, M, D, Image, W, H, OffX, OffY, Vx, Vy, HitLoX, HitLoY)    \
    FALLING_POOL(Name, Owner, Kind, Number, kShots, 10)                                                 \
    namespace {                                                                                         \
    const DropRow k##Name{Name##Shots, BossPos<Owner##State>, &Image, W, H, OffX, OffY, Vx, Vy, HitLoX, \
                          HitLoY};                                                                      \
    }                                                                                                   \
    FALLING_SCHEDULED_OPS(Name, S, E, M, D, kShots, 1)

// The groups of the kind, one for each row of LARGEDROP_GROUPS in group_table.h.
LARGEDROP_GROUPS(DROP)
