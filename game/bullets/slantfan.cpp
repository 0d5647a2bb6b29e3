// SlantFan: volleys of three bullets from one point of a boss, one above the
// other, falling together and drifting to one side at three rates so that
// each volley opens into a slanting line. The drift steps run three times per
// Move on every record; the ring bomb does not stop these bullets.
#include "game/bullets/falling.h"
#include "game/bullets/groups.h"
#include "game/shell/assets.h"

using namespace bullets;

namespace {

constexpr int kShots = 30;
constexpr int kVolley = 3;
constexpr float kHeights[kVolley] = {90, 113, 120};
constexpr int16_t kTicksStage1[10] = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600};
constexpr int16_t kTicksStage2[10] = {20, 40, 60, 80, 100, 140, 160, 180, 200, 220};
constexpr Schedule kScheduleStage1{800, 0, kVolley, kTicksStage1, false};
constexpr Schedule kScheduleStage2{230, 0, kVolley, kTicksStage2, false};

struct SlantRow {
    DropShot* shots;
    OwnerPos owner;
    float offX;
    float steps[kVolley];
    float fall;
    const Schedule* schedule;
    Box box;
    const int32_t* image;
    int lefts[kVolley];  // source column of each lane's cell
    int size;
};

void Spawn(const SlantRow& g, int i, int first) {
    const Pos p = g.owner(0);
    ArmInVolley(g.shots, i, first, kVolley, p.x + g.offX, p.y, kHeights);
}

void Emit(const SlantRow& g) {
    RunSchedule(g.shots, kShots, *g.schedule, [&](int i, int first) { Spawn(g, i, first); });
}

void Move(const SlantRow& g) {
    DriftLanes(g.shots, kShots, kVolley, g.steps, kVolley);
    FallAll(g.shots, kShots, g.fall, false, g.box);
}

void Draw(const SlantRow& g) {
    for (int i = 0; i < kShots; ++i) {
        const int left = g.lefts[i % kVolley];
        Blit1(Blit::Keyed, *g.image, g.shots[i].x, g.shots[i].y, left, 0, left + g.size, g.size);
    }
}

}  // namespace

#define SLANT(Name, Owner, Kind, Number, S, E, M, D, OffX, D0, D1, D2, Fall, Sched, LoX, HiX, LoY, HiY, Image, \
              L0, L1, L2, Size)                                                                                \
    FALLING_POOL(Name, Owner, Kind, Number, kShots, 10)                                                        \
    namespace {                                                                                                \
    const SlantRow k##Name{Name##Shots, BossPos<Owner##State>, OffX,   {D0, D1, D2},   Fall, &Sched,           \
                           {LoX, HiX, LoY, HiY}, &Image,  {L0, L1, L2}, Size};                                 \
    }                                                                                                          \
    FALLING_SCHEDULED_OPS(Name, S, E, M, D, kShots, kVolley)

// The groups of the kind, one for each row of SLANTFAN_GROUPS in group_table.h.
SLANTFAN_GROUPS(SLANT)
