// Fan: volleys of five bullets from one point of a boss on a shallow arc
// (the middle one lowest), falling together while the lanes spread
// sideways, the outer ones fastest. Some groups sweep the whole fan to one
// side. Ten volleys per cycle of the records' counters.
#include "game/bullets/falling.h"
#include "game/bullets/groups.h"
#include "game/shell/assets.h"

using namespace bullets;

namespace {

constexpr int kShots = 50;
constexpr int kVolley = 5;
constexpr float kArc[kVolley] = {0, 23, 30, 23, 0};

constexpr int16_t kTicksBursts[10] = {10, 20, 30, 60, 70, 80, 110, 120, 130, 140};
constexpr int16_t kTicksRuns[10] = {10, 20, 30, 40, 50, 80, 90, 100, 110, 120};
constexpr int16_t kTicksRunsLate[10] = {10, 20, 30, 40, 50, 80, 90, 100, 120, 130};

struct FanRow {
    DropShot* shots;
    OwnerPos owner;
    float offX, arcTop;
    uint32_t wrap;
    const int16_t* ticks;
    float fall;
    float sweep;      // the stored vx; 0: no sweep
    float sweepSign;  // +1 adds vx to x, -1 subtracts it
    float spread;     // lane steps -2s, -s, 0, s, 2s
    int repeat;       // times the steps run per Move
    const int32_t* image;
    Blit blit;
    uint32_t cells;   // 24: animated strip; 0: one picture
};

void Spawn(const FanRow& g, int i, int first) {
    const Pos p = g.owner(0);
    float heights[kVolley];
    for (int l = 0; l < kVolley; ++l) heights[l] = g.arcTop + kArc[l];
    ArmInVolley(g.shots, i, first, kVolley, p.x + g.offX, p.y, heights);
}

void Emit(const FanRow& g) {
    const Schedule s{g.wrap, 0, kVolley, g.ticks, false};
    RunSchedule(g.shots, kShots, s, [&](int i, int first) { Spawn(g, i, first); });
}

void Move(const FanRow& g) {
    float steps[kVolley];
    for (int l = 0; l < kVolley; ++l) steps[l] = LaneStep(l, kVolley, g.spread);
    DriftLanes(g.shots, kShots, kVolley, steps, g.repeat);
    FallAll(g.shots, kShots, g.fall, true, Box{10, 30, 20, 30}, g.sweep, g.sweepSign);
}

void Draw(const FanRow& g) { DrawAll(g.shots, kShots, *g.image, g.blit, 20, g.cells); }

}  // namespace

#define FAN(Name, Owner, Kind, Number, S, E, M, D, OffX, ArcTop, Wrap, Ticks, Fall, Sweep, Sign, Spread, Repeat, \
            Image, How, Cells)                                                                                   \
    FALLING_POOL(Name, Owner, Kind, Number, kShots, 10)                                                          \
    namespace {                                                                                                  \
    const FanRow k##Name{Name##Shots, BossPos<Owner##State>, OffX, ArcTop, Wrap, Ticks, Fall, Sweep, Sign,       \
                         Spread,      Repeat,                &Image, Blit::How, Cells};                          \
    }                                                                                                            \
    FALLING_SCHEDULED_OPS(Name, S, E, M, D, kShots, kVolley)

// The groups of the kind, one for each row of FAN_GROUPS in group_table.h.
FAN_GROUPS(FAN)
