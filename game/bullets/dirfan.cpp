// DirFan: volleys of five (seven for the first boss) bullets that leave one
// point of a boss on an arc and spread sideways, each drawn with the cell of
// the strip that belongs to its lane, so every cell shows one direction.
#include "game/bullets/falling.h"
#include "game/bullets/groups.h"
#include "game/shell/assets.h"

using namespace bullets;

namespace {

constexpr float kArcSeven[7] = {154, 183, 194, 200, 194, 183, 154};
constexpr float kArcLow[5] = {90, 113, 120, 113, 90};
constexpr float kArcHigh[5] = {60, 83, 90, 83, 60};

constexpr int16_t kTicks25[5] = {25, 50, 75, 100, 125};
constexpr int16_t kTicksRuns[10] = {10, 20, 30, 40, 100, 110, 120, 180, 190, 200};

struct DirRow {
    DropShot* shots;
    int count;
    int volley;
    OwnerPos owner;
    float offX;
    const float* heights;  // per lane, below the boss's y
    float spread;          // lane steps spread about the middle lane
    int repeat;            // times the steps run per Move
    float fall;
    uint32_t wrap;
    const int16_t* ticks;
    Box box;
    const int32_t* image;
    Blit blit;
};

void Spawn(const DirRow& g, int i, int first) {
    const Pos p = g.owner(0);
    ArmInVolley(g.shots, i, first, g.volley, p.x + g.offX, p.y, g.heights);
}

void Emit(const DirRow& g) {
    const Schedule s{g.wrap, 0, g.volley, g.ticks, false};
    RunSchedule(g.shots, g.count, s, [&](int i, int first) { Spawn(g, i, first); });
}

void Move(const DirRow& g) {
    float steps[7];
    for (int l = 0; l < g.volley; ++l) steps[l] = LaneStep(l, g.volley, g.spread);
    DriftLanes(g.shots, g.count, g.volley, steps, g.repeat);
    FallAll(g.shots, g.count, g.fall, true, g.box);
}

void Draw(const DirRow& g) {
    for (int i = 0; i < g.count; ++i) {
        const int left = (i % g.volley) * 40;
        Blit1(g.blit, *g.image, g.shots[i].x, g.shots[i].y, left, 0, left + 40, 40);
    }
}

}  // namespace

#define DIR(Name, Owner, Kind, Number, S, E, M, D, Count, Volley, OffX, Heights, Spread, Repeat, Fall, Wrap,     \
            Ticks, LoX, HiX, LoY, HiY, Image, How)                                                               \
    FALLING_POOL(Name, Owner, Kind, Number, Count, 10)                                                           \
    namespace {                                                                                                  \
    const DirRow k##Name{Name##Shots, Count, Volley, BossPos<Owner##State>, OffX, Heights, Spread, Repeat, Fall, \
                         Wrap,        Ticks, {LoX, HiX, LoY, HiY},         &Image, Blit::How};                   \
    }                                                                                                            \
    FALLING_SCHEDULED_OPS(Name, S, E, M, D, Count, Volley)

// The groups of the kind, one for each row of DIRFAN_GROUPS in group_table.h.
DIRFAN_GROUPS(DIR)
