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

#define FAN(Name, Owner, Number, OffX, ArcTop, Wrap, Ticks, Fall, Sweep, Sign, Spread, Repeat, Image, How, Cells) \
    FALLING_POOL(Name, Owner, PartFan, Number, kShots, 10)                                                       \
    namespace {                                                                                                  \
    const FanRow k##Name{Name##Shots, BossPos<Owner##State>, OffX, ArcTop, Wrap, Ticks, Fall, Sweep, Sign,         \
                         Spread,      Repeat,                &Image, Blit::How, Cells};                          \
    }                                                                                                            \
    FALLING_SCHEDULED_OPS(Name, kShots, kVolley)

// clang-format off
//  group              owner          no spawn x arc  wrap ticks           fall sweep sign spread repeat image        blit      cells
FAN(Stage1BossFan1,    Stage1Boss,    1, 150,    90,  340, kTicksEvery30,  130, 0,    1,   10,    5,     ImgVall20,   Additive, 0)
FAN(Stage1BossFan2,    Stage1Boss,    2, 270,    90,  340, kTicksEvery30,  130, 0,    1,   10,    5,     ImgVall20,   Additive, 0)
FAN(AltStage2BossFan1, AltStage2Boss, 1, 210,    170, 340, kTicksEvery30,  176, 0,    1,   8,     5,     ImgVall20,   Additive, 0)
FAN(AltStage2BossFan2, AltStage2Boss, 2, 150,    90,  170, kTicksBursts,   100, 90,   1,   10,    5,     ImgVall20,   Additive, 0)
FAN(AltStage2BossFan3, AltStage2Boss, 3, 270,    90,  170, kTicksBursts,   100, 90,   -1,  10,    5,     ImgVall20,   Additive, 0)
FAN(AltStage2BossFan4, AltStage2Boss, 4, 90,     50,  370, kTicksEvery30,  180, 45,   1,   10,    5,     ImgVall20,   Additive, 0)
FAN(AltStage2BossFan5, AltStage2Boss, 5, 330,    50,  370, kTicksEvery30,  180, 45,   -1,  10,    5,     ImgVall20,   Additive, 0)
FAN(Stage5BossFan1,    Stage5Boss,    1, 220,    110, 360, kTicksEvery30,  230, 0,    1,   50,    1,     ImgVal20241, Additive, 24)
FAN(Stage5BossFan2,    Stage5Boss,    2, 170,    90,  350, kTicksEvery30,  90,  0,    1,   50,    1,     ImgVal20241, Additive, 24)
FAN(Stage5BossFan3,    Stage5Boss,    3, 270,    90,  350, kTicksEvery30,  90,  0,    1,   50,    1,     ImgVal20241, Additive, 24)
FAN(Stage5BossFan4,    Stage5Boss,    4, 140,    170, 900, kTicksEvery80,  120, 0,    1,   50,    1,     ImgVall20,   Additive, 0)
FAN(Stage5BossFan5,    Stage5Boss,    5, 300,    170, 900, kTicksEvery80,  120, 0,    1,   50,    1,     ImgVall20,   Additive, 0)
FAN(Stage3BossFan1,    Stage3Boss,    1, 210,    60,  150, kTicksRunsLate, 210, 0,    1,   50,    1,     ImgVall20,   Additive, 0)
FAN(Stage3BossFan2,    Stage3Boss,    2, 180,    30,  200, kTicksRuns,     250, 30,   1,   50,    1,     ImgVal20241, Additive, 24)
FAN(Stage3BossFan3,    Stage3Boss,    3, 240,    30,  200, kTicksRuns,     250, -30,  1,   50,    1,     ImgVal20241, Additive, 24)
FAN(Stage3BossFan4,    Stage3Boss,    4, 150,    60,  200, kTicksBursts,   110, 90,   1,   50,    1,     ImgVall20,   Additive, 0)
FAN(Stage3BossFan5,    Stage3Boss,    5, 270,    60,  200, kTicksBursts,   110, -90,  1,   50,    1,     ImgVall20,   Additive, 0)
FAN(Stage3BossFan6,    Stage3Boss,    6, 90,     30,  720, kTicksEvery60,  280, 0,    1,   50,    1,     ImgVall20,   Additive, 0)
FAN(Stage3BossFan7,    Stage3Boss,    7, 330,    30,  720, kTicksEvery60,  280, 0,    1,   50,    1,     ImgVall20,   Additive, 0)
FAN(Stage4BossFan1,    Stage4Boss,    1, 160,    60,  150, kTicksEvery10,  120, 100,  1,   50,    1,     ImgVal20241, Additive, 24)
FAN(Stage4BossFan2,    Stage4Boss,    2, 200,    60,  150, kTicksEvery10,  120, -100, 1,   50,    1,     ImgVal20241, Additive, 24)
FAN(Stage4BossFan3,    Stage4Boss,    3, 130,    60,  330, kTicksEvery30,  120, 0,    1,   50,    1,     ImgVal20241, Additive, 24)
FAN(Stage4BossFan4,    Stage4Boss,    4, 230,    60,  330, kTicksEvery30,  120, 0,    1,   50,    1,     ImgVal20241, Additive, 24)
FAN(AltStage4BossFan1, AltStage4Boss, 1, 220,    110, 330, kTicksEvery30,  130, 0,    1,   50,    1,     ImgVal20241, Additive, 24)
FAN(Stage2BossFan1,    Stage2Boss,    1, 240,    110, 230, kTicksEvery20,  130, 0,    1,   50,    1,     ImgVal20241, Additive, 24)
FAN(AltStage5BossFan1, AltStage5Boss, 1, 230,    110, 230, kTicksEvery20,  130, 0,    1,   50,    1,     ImgVall20,   Keyed,    0)
// clang-format on
