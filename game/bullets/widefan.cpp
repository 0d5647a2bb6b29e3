// WideFan: volleys of five animated shots from one gun of a boss, side by
// side on a shallow arc; only the two outer shots break away sideways. Arming
// any record of a volley puts the whole volley back at the gun.
#include "game/bullets/falling.h"
#include "game/bullets/groups.h"
#include "game/shell/assets.h"

using namespace bullets;

namespace {

constexpr int kShots = 50;
constexpr int kVolley = 5;
constexpr float kSlotX[kVolley] = {-44, -22, 0, 22, 44};
constexpr float kSlotY[kVolley] = {50, 73, 80, 73, 50};
constexpr Schedule kSchedule{150, 0, kVolley, kTicksEvery10, false};

struct WideRow {
    DropShot* shots;
    OwnerPos owner;
    float centre, side;  // the gun lies at boss x + centre + side
    float drift;         // of the outer shots
};

void Spawn(const WideRow& g, int i, int first) {
    DropShot* s = g.shots;
    if (s[i].active != 0) return;
    const Pos p = g.owner(0);
    s[i].active = 1;
    for (int l = 0; l < kVolley; ++l) {
        s[first + l].x = p.x + g.centre + g.side + kSlotX[l];
        s[first + l].y = p.y + kSlotY[l];
    }
}

void Emit(const WideRow& g) {
    RunSchedule(g.shots, kShots, kSchedule, [&](int i, int first) { Spawn(g, i, first); });
}

void Move(const WideRow& g) {
    const float steps[kVolley] = {-g.drift, 0, 0, 0, g.drift};
    DriftLanes(g.shots, kShots, kVolley, steps, 1);
    FallAll(g.shots, kShots, 180, true, Box{10, 30, 20, 30});
}

void Draw(const WideRow& g) { DrawAll(g.shots, kShots, ImgVal20241, Blit::Additive, 20, 24); }

}  // namespace

#define WIDE(Name, Owner, Kind, Number, S, E, M, D, Centre, Side, Drift)            \
    FALLING_POOL(Name, Owner, Kind, Number, kShots, 10)                             \
    namespace {                                                                     \
    const WideRow k##Name{Name##Shots, BossPos<Owner##State>, Centre, Side, Drift}; \
    }                                                                               \
    FALLING_SCHEDULED_OPS(Name, S, E, M, D, kShots, kVolley)

// The groups of the kind, one for each row of WIDEFAN_GROUPS in group_table.h.
WIDEFAN_GROUPS(WIDE)
