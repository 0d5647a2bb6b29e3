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

#define DIR(Name, Owner, Number, Count, Volley, OffX, Heights, Spread, Repeat, Fall, Wrap, Ticks, LoX, HiX, LoY, HiY, \
            Image, How)                                                                                              \
    FALLING_POOL(Name, Owner, PartDirFan, Number, Count, 10)                                                        \
    namespace {                                                                                                     \
    const DirRow k##Name{Name##Shots, Count, Volley, BossPos<Owner##State>, OffX, Heights, Spread, Repeat, Fall,      \
                         Wrap,        Ticks, {LoX, HiX, LoY, HiY},         &Image, Blit::How};                      \
    }                                                                                                               \
    FALLING_SCHEDULED_OPS(Name, Count, Volley)

// clang-format off
//  group                 owner          no records volley spawn x    arc        spread repeat fall wrap ticks          lo x hi x lo y hi y image           blit
DIR(Stage1BossDirFan1,    Stage1Boss,    1, 35,     7,     200,       kArcSeven, 10,    7,     200, 140, kTicks25,      -10, 30,  0,   30,  ImgVal404,      Additive)
DIR(Stage4BossDirFan1,    Stage4Boss,    1, 50,     5,     170,       kArcLow,   50,    1,     155, 140, kTicksEvery10, 0,   20,  0,   20,  ImgVal402,      Additive)
DIR(Stage4BossDirFan2,    Stage4Boss,    2, 50,     5,     170 - 60,  kArcHigh,  50,    1,     155, 150, kTicksEvery10, 0,   20,  0,   20,  ImgVal402,      Additive)
DIR(Stage4BossDirFan3,    Stage4Boss,    3, 50,     5,     170 + 60,  kArcHigh,  50,    1,     155, 150, kTicksEvery10, 0,   20,  0,   20,  ImgVal402,      Additive)
DIR(AltStage4BossDirFan1, AltStage4Boss, 1, 50,     5,     210 - 40,  kArcHigh,  50,    1,     120, 860, kTicksEvery80, 0,   20,  0,   20,  ImgVal401,      Additive)
DIR(AltStage4BossDirFan2, AltStage4Boss, 2, 50,     5,     210 + 40,  kArcHigh,  50,    1,     120, 860, kTicksEvery80, 0,   20,  0,   20,  ImgVal401,      Additive)
DIR(AltStage4BossDirFan3, AltStage4Boss, 3, 50,     5,     210 - 120, kArcHigh,  50,    1,     120, 860, kTicksEvery80, 0,   20,  0,   20,  ImgVal401,      Additive)
DIR(AltStage4BossDirFan4, AltStage4Boss, 4, 50,     5,     210 + 120, kArcHigh,  50,    1,     120, 860, kTicksEvery80, 0,   20,  0,   20,  ImgVal401,      Additive)
DIR(Stage2BossDirFan1,    Stage2Boss,    1, 50,     5,     230 - 30,  kArcHigh,  50,    1,     120, 860, kTicksEvery80, 0,   20,  0,   20,  ImgVal402,      Additive)
DIR(Stage2BossDirFan2,    Stage2Boss,    2, 50,     5,     230 + 30,  kArcHigh,  50,    1,     120, 860, kTicksEvery80, 0,   20,  0,   20,  ImgVal402,      Additive)
DIR(Stage2BossDirFan3,    Stage2Boss,    3, 50,     5,     230 - 120, kArcHigh,  50,    1,     120, 260, kTicksRuns,    0,   20,  0,   20,  ImgVal402,      Additive)
DIR(Stage2BossDirFan4,    Stage2Boss,    4, 50,     5,     230 + 120, kArcHigh,  50,    1,     120, 260, kTicksRuns,    0,   20,  0,   20,  ImgVal402,      Additive)
DIR(AltStage5BossDirFan1, AltStage5Boss, 1, 50,     5,     220 - 40,  kArcHigh,  50,    1,     120, 660, kTicksEvery60, 0,   20,  0,   20,  ImgVal402Again, Keyed)
DIR(AltStage5BossDirFan2, AltStage5Boss, 2, 50,     5,     220 + 40,  kArcHigh,  50,    1,     120, 660, kTicksEvery60, 0,   20,  0,   20,  ImgVal402Again, Keyed)
DIR(AltStage5BossDirFan3, AltStage5Boss, 3, 50,     5,     220 - 120, kArcHigh,  50,    1,     120, 660, kTicksEvery60, 0,   20,  0,   20,  ImgVal402Again, Keyed)
DIR(AltStage5BossDirFan4, AltStage5Boss, 4, 50,     5,     220 + 120, kArcHigh,  50,    1,     120, 660, kTicksEvery60, 0,   20,  0,   20,  ImgVal402Again, Keyed)
// clang-format on
