// TwinShot: pairs of shots from an owner's two guns on a fixed schedule of
// the records' counters. Records 2v and 2v + 1 are pair v, the left and the
// right gun. Arming either record of a pair places both shots' x; the wide
// groups drift the left shots left and the right ones right, parked or not.
#include "game/bullets/falling.h"
#include "game/bullets/groups.h"
#include "game/shell/assets.h"

using namespace bullets;

namespace {

constexpr int kShots = 20;

// Pair ticks. Schedule S lists pairs 8 and 9 at 150 and 160, values its
// 150-call cycle never reaches; the later boss's S arms pair 8 on the call
// that wraps the counters to 0, pair 9 stays inert.
constexpr int16_t kTicksS[10] = {10, 20, 30, 70, 80, 90, 130, 140, 150, 160};
constexpr int16_t kTicksSWrap[10] = {10, 20, 30, 70, 80, 90, 130, 140, 0, 160};
constexpr int16_t kTicksL[10] = {10, 20, 30, 40, 50, 80, 90, 100, 110, 120};
constexpr Schedule kS{150, 0, 2, kTicksS, false};
constexpr Schedule kSWrap{150, 0, 2, kTicksSWrap, false};
constexpr Schedule kL{140, 0, 2, kTicksL, false};

struct TwinRow {
    DropShot* shots;
    OwnerPos owner;
    float leftX, rightX, gunY;
    float fall;
    float drift;  // 0: none
    const int32_t* image;
    int evenLeft, oddLeft, size;  // source cells of the left and right shots
    Box box;
    const Schedule* schedule;
    int passes;  // 20 in the brighter wide draw
};

void Spawn(const TwinRow& g, int i, int first) {
    DropShot* s = g.shots;
    if (s[i].active != 0) return;
    const Pos p = g.owner(0);
    s[i].active = 1;
    s[first].x = p.x + g.leftX;
    s[first + 1].x = p.x + g.rightX;
    s[i].y = p.y + g.gunY;
}

void Emit(const TwinRow& g) {
    RunSchedule(g.shots, kShots, *g.schedule, [&](int i, int first) { Spawn(g, i, first); });
}

void Move(const TwinRow& g) {
    if (g.drift != 0.0f)
        for (int i = 0; i < kShots; ++i) g.shots[i].x += (i % 2 == 0 ? -g.drift : g.drift) * FrameSeconds;
    FallAll(g.shots, kShots, g.fall, true, g.box);
}

void Draw(const TwinRow& g) {
    for (int pass = 0; pass < g.passes; ++pass)
        for (int i = 0; i < kShots; ++i) {
            const int left = i % 2 == 0 ? g.evenLeft : g.oddLeft;
            Blit1(Blit::Additive, *g.image, g.shots[i].x, g.shots[i].y, left, 0, left + g.size, g.size);
        }
}

}  // namespace

#define TWIN(Name, Owner, Kind, Number, S, E, M, D, Pos, Left, Right, GunY, Fall, Drift, Image, Even, Odd, Size, \
             LoX, HiX, LoY, HiY, Sched, Passes, FrameMod)                                                        \
    FALLING_POOL(Name, Owner, Kind, Number, kShots, FrameMod)                                                    \
    namespace {                                                                                                  \
    const TwinRow k##Name{Name##Shots, Pos, Left, Right, GunY, Fall, Drift, &Image, Even, Odd, Size,             \
                          {LoX, HiX, LoY, HiY}, &Sched, Passes};                                                 \
    }                                                                                                            \
    FALLING_SCHEDULED_OPS(Name, S, E, M, D, kShots, 2)

// The groups of the kind, one for each row of TWINSHOT_GROUPS in group_table.h.
TWINSHOT_GROUPS(TWIN)
