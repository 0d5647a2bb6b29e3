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

#define TWIN(Name, Owner, Number, Pos, Left, Right, GunY, Fall, Drift, Image, Even, Odd, Size, LoX, HiX, LoY, \
             HiY, Sched, Passes, FrameMod)                                                                      \
    FALLING_POOL(Name, Owner, PartTwinShot, Number, kShots, FrameMod)                                         \
    namespace {                                                                                               \
    const TwinRow k##Name{Name##Shots, Pos, Left, Right, GunY, Fall, Drift, &Image, Even, Odd, Size,            \
                          {LoX, HiX, LoY, HiY}, &Sched, Passes};                                              \
    }                                                                                                         \
    FALLING_SCHEDULED_OPS(Name, kShots, 2)

// clang-format off
//   group                   owner          no position                     left       right      gun y fall drift image      even odd  size lo x hi x lo y hi y schedule passes frame
TWIN(Szak51TwinShot1,        Szak51,        1, RecordPos<Szak51State>,      60,        140,       130,  280, 0,    ImgVal405, 120, 120, 40,  0,   20,  0,   20,  kS,      1,     7)
TWIN(Szak51TwinShot2,        Szak51,        2, RecordPos<Szak51State>,      60,        140,       130,  250, 120,  ImgVal405, 80,  160, 40,  0,   20,  0,   20,  kS,      1,     7)
TWIN(Szak52CTwinShot1,       Szak52C,       1, RecordPos<Szak52CState>,     40,        120,       130,  280, 0,    ImgVal405, 120, 120, 40,  0,   20,  0,   20,  kS,      1,     7)
TWIN(Szak52CTwinShot2,       Szak52C,       2, RecordPos<Szak52CState>,     40,        120,       130,  250, 120,  ImgVal405, 80,  160, 40,  0,   20,  0,   20,  kS,      1,     7)
TWIN(Stage1BossTwinShot1,    Stage1Boss,    1, BossPos<Stage1BossState>,    120,       280,       130,  280, 0,    ImgVal405, 120, 120, 40,  0,   20,  0,   20,  kS,      1,     10)
TWIN(Stage1BossTwinShot2,    Stage1Boss,    2, BossPos<Stage1BossState>,    120,       280,       130,  250, 120,  ImgVal405, 80,  160, 40,  0,   20,  0,   20,  kS,      1,     10)
TWIN(Stage1BossTwinShot3,    Stage1Boss,    3, BossPos<Stage1BossState>,    110,       310,       170,  200, 0,    ImgVall20, 0,   0,   20,  10,  30,  20,  30,  kL,      1,     10)
TWIN(Stage1BossTwinShot4,    Stage1Boss,    4, BossPos<Stage1BossState>,    75,        345,       150,  200, 0,    ImgVall20, 0,   0,   20,  10,  30,  20,  30,  kL,      1,     10)
TWIN(Stage5BossTwinShot1,    Stage5Boss,    1, BossPos<Stage5BossState>,    210 - 97,  210 + 97,  200,  200, 0,    ImgVal405, 120, 120, 40,  -10, 30,  0,   30,  kL,      1,     10)
TWIN(Stage5BossTwinShot2,    Stage5Boss,    2, BossPos<Stage5BossState>,    210 - 147, 210 + 147, 180,  200, 0,    ImgVal405, 120, 120, 40,  -10, 30,  0,   30,  kL,      1,     10)
TWIN(Stage3BossTwinShot1,    Stage3Boss,    1, BossPos<Stage3BossState>,    200 - 80,  200 + 80,  200,  200, 0,    ImgVal405, 120, 120, 40,  -10, 30,  0,   30,  kL,      1,     10)
TWIN(Stage3BossTwinShot2,    Stage3Boss,    2, BossPos<Stage3BossState>,    200 - 100, 200 + 100, 180,  200, 0,    ImgVal405, 120, 120, 40,  -10, 30,  0,   30,  kL,      1,     10)
TWIN(Stage3BossTwinShot3,    Stage3Boss,    3, BossPos<Stage3BossState>,    200 - 120, 200 + 120, 180,  200, 20,   ImgVal405, 120, 120, 40,  -10, 30,  0,   30,  kL,      1,     10)
TWIN(AltStage4BossTwinShot1, AltStage4Boss, 1, BossPos<AltStage4BossState>, 210 - 100, 210 + 100, 200,  200, 0,    ImgVal405, 120, 120, 40,  -10, 30,  0,   30,  kL,      1,     10)
TWIN(AltStage4BossTwinShot2, AltStage4Boss, 2, BossPos<AltStage4BossState>, 210 - 140, 210 + 140, 180,  200, 0,    ImgVal405, 120, 120, 40,  -10, 30,  0,   30,  kL,      1,     10)
TWIN(Stage2BossTwinShot1,    Stage2Boss,    1, BossPos<Stage2BossState>,    230 - 80,  230 + 80,  130,  280, 0,    ImgVal405, 120, 120, 40,  0,   20,  0,   20,  kSWrap,  1,     10)
TWIN(Stage2BossTwinShot2,    Stage2Boss,    2, BossPos<Stage2BossState>,    230 - 80,  230 + 80,  130,  250, 120,  ImgVal405, 80,  160, 40,  0,   20,  0,   20,  kSWrap,  20,    10)
TWIN(Stage2BossTwinShot3,    Stage2Boss,    3, BossPos<Stage2BossState>,    90,        370,       180,  200, 0,    ImgVal405, 120, 120, 40,  -10, 30,  0,   30,  kL,      1,     10)
TWIN(Stage2BossTwinShot4,    Stage2Boss,    4, BossPos<Stage2BossState>,    60,        400,       160,  200, 0,    ImgVal405, 120, 120, 40,  -10, 30,  0,   30,  kL,      1,     10)
// clang-format on
