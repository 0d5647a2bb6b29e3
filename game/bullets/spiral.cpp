// Spiral: single bullets from one gun, each turned 10 degrees further than
// the one before. The odd groups store headings -k x 10 degrees and fly
// against them (turning anticlockwise on the screen from the left); the even
// groups store +k x 10 degrees and fly along them, their mirror image. The
// firing clock lives in the owner's record and counts Emit calls.
#include "game/bosses/boss_state.h"
#include "game/bullets/aim.h"
#include "game/bullets/groups.h"
#include "game/player/player.h"
#include "game/shell/assets.h"
#include "game/state/enemy_records.h"

using namespace bullets;
using namespace bullets::aimed;

namespace {

// When a clock value arms a record: value c (after the increment) arms
// record c / per - sub when c is a multiple of `per` within [lo, hi]. The
// clock restarts once it reaches `wrap`, either after the test or before it;
// a clock that restarts before the test may arm one record on the restart
// call only (and then nothing else on that call).
struct SpiralClock {
    uint32_t per, sub, lo, hi, wrap, restart;
    bool wrapFirst;
    int restartRecord;  // -1: none
    bool skipTurnStart; // records at a whole turn (index a multiple of 36) never fire
};

struct SpiralRow {
    AngledShot* shots;
    int count;
    Clock clock;
    OwnerPoint owner;
    float ox, oy;
    float sign;  // -1: headings -k steps, flown against; +1: +k steps, flown along
    SpiralClock schedule;
    Look look;
    Bounds bounds;
    Box box;
};

constexpr int kSteps = 36;
constexpr float kSpeed = 110.0f;

void ResetGroup(const SpiralRow& g) { ResetRecords(g.shots, g.count, 7, kResetAngle); }

void Arm(const SpiralRow& g, int i, int k) {
    AngledShot& r = g.shots[i];
    if (!Launch(r, g.owner(0), g.ox, g.oy)) return;
    r.speed = kSpeed;
    r.angle = static_cast<float>(Step(kSteps) * g.sign * k);
}

// The stage scripts' Spawn: record i with its own direction.
void Spawn(const SpiralRow& g, int32_t i) {
    if (i >= 0 && i < g.count) Arm(g, i, i % kSteps);
}

void Emit(const SpiralRow& g) {
    const SpiralClock& s = g.schedule;
    uint32_t& c = g.clock();
    ++c;
    if (s.wrapFirst && c >= s.wrap) {
        c = s.restart;
        if (s.restartRecord >= 0) {
            Spawn(g, s.restartRecord);
            return;
        }
    }
    if (c % s.per == 0 && c >= s.lo && c <= s.hi) {
        const int i = static_cast<int>(c / s.per - s.sub);
        if (!(s.skipTurnStart && i % kSteps == 0)) Spawn(g, i);
    }
    if (!s.wrapFirst && c >= s.wrap) c = s.restart;
}

void Move(const SpiralRow& g) {
    for (int i = 0; i < g.count; ++i) {
        AngledShot& r = g.shots[i];
        if (r.active == 0) continue;
        Fly(r, g.sign);
        if (Outside(r.x, r.y, g.bounds) || BombActive == 1) Park(r);
        JudgePlayer(r.x, r.y, g.box);
    }
}

void Draw(const SpiralRow& g) { DrawShots(g.shots, g.count, g.look); }

// clang-format off
//                                per sub lo  hi   wrap restart first  restart-record  skip
constexpr SpiralClock kEnemy     {2,  0,  2,  70,  70,  0,      false, -1,             true};
constexpr SpiralClock kStage1    {10, 1,  10, 350, 360, 10,     true,  -1,             false};
constexpr SpiralClock kEvery10   {10, 1,  20, 350, 360, 10,     true,  35,             true};
constexpr SpiralClock kEveryTick {1,  1,  2,  107, 108, 0,      true,  107,            true};
// clang-format on

constexpr Look Turned(const int32_t* image, Rotation rotation, int size = 30) {
    return {Blit::Rotated, Which::All, image, size, 0, rotation};
}
constexpr Rotation Against = Rotation::Against, Along = Rotation::Along;
constexpr Rotation AgainstKept = Rotation::AgainstKept, AlongKept = Rotation::AlongKept;
constexpr Bounds kWide{-30, 800, 600};
constexpr Bounds kTight{-20, 800, 600};

constexpr auto Tick53A1 = RecordClock<Szak53AState, &MidEnemyPathState::spiral1Tick>;
constexpr auto Tick53A2 = RecordClock<Szak53AState, &MidEnemyPathState::spiral2Tick>;
constexpr auto Tick53B1 = RecordClock<Szak53BState, &MidEnemyPathState::spiral1Tick>;
constexpr auto Tick53B2 = RecordClock<Szak53BState, &MidEnemyPathState::spiral2Tick>;
template <int N>
constexpr auto Boss1Clock = EmitterClock<Stage1BossState, N>;
template <int N>
constexpr auto Boss5Clock = EmitterClock<Stage5BossState, N>;
constexpr auto At53A = RecordPoint<Szak53AState>;
constexpr auto At53B = RecordPoint<Szak53BState>;
constexpr auto At1 = BossPoint<Stage1BossState>;
constexpr auto At5 = BossPoint<Stage5BossState>;

}  // namespace

// clang-format off
//           kind    owner       N   records clock           owner  ox        oy   sign schedule    look                                   bounds  box
AIMED_GROUP(Spiral, Szak53A,    1,  36,  Tick53A1,       At53A, 35,       100, -1, kEnemy,     Turned(&ImgVall3013, Against),         kWide,  kSpinBox)
AIMED_GROUP(Spiral, Szak53A,    2,  36,  Tick53A2,       At53A, 135,      100, 1,  kEnemy,     Turned(&ImgVall3014, Along),           kWide,  kSpinBox)
AIMED_GROUP(Spiral, Szak53B,    1,  36,  Tick53B1,       At53B, 35,       100, -1, kEnemy,     Turned(&ImgVall3013, Against),         kWide,  kSpinBox)
AIMED_GROUP(Spiral, Szak53B,    2,  36,  Tick53B2,       At53B, 135,      100, 1,  kEnemy,     Turned(&ImgVall3014, Along),           kWide,  kSpinBox)
AIMED_GROUP(Spiral, Stage1Boss, 1,  36,  Boss1Clock<0>,  At1,   210,      130, -1, kStage1,    kStrip20,                              kTight, kCellBox)
AIMED_GROUP(Spiral, Stage1Boss, 2,  36,  Boss1Clock<1>,  At1,   210,      130, 1,  kStage1,    kStrip20,                              kTight, kCellBox)
AIMED_GROUP(Spiral, Stage1Boss, 3,  36,  Boss1Clock<2>,  At1,   120,      130, -1, kStage1,    kStrip20,                              kTight, kCellBox)
AIMED_GROUP(Spiral, Stage1Boss, 4,  36,  Boss1Clock<4>,  At1,   120,      130, 1,  kStage1,    kStrip20,                              kTight, kCellBox)
AIMED_GROUP(Spiral, Stage1Boss, 5,  36,  Boss1Clock<3>,  At1,   300,      130, 1,  kStage1,    kStrip20,                              kTight, kCellBox)
AIMED_GROUP(Spiral, Stage1Boss, 6,  36,  Boss1Clock<5>,  At1,   300,      130, -1, kStage1,    kStrip20,                              kTight, kCellBox)
AIMED_GROUP(Spiral, Stage5Boss, 1,  36,  Boss5Clock<0>,  At5,   220,      130, -1, kEvery10,   Turned(&ImgVal20w, AgainstKept, 19),   kTight, kCellBox)
AIMED_GROUP(Spiral, Stage5Boss, 2,  36,  Boss5Clock<1>,  At5,   220,      130, 1,  kEvery10,   Turned(&ImgVal21w, AlongKept, 19),     kTight, kCellBox)
AIMED_GROUP(Spiral, Stage5Boss, 3,  36,  Boss5Clock<2>,  At5,   220 - 100, 130, -1, kEvery10,  Turned(&ImgVal20w, AgainstKept, 19),   kTight, kCellBox)
AIMED_GROUP(Spiral, Stage5Boss, 4,  36,  Boss5Clock<3>,  At5,   220 + 100, 130, 1,  kEvery10,  Turned(&ImgVal21w, AlongKept, 19),     kTight, kCellBox)
AIMED_GROUP(Spiral, Stage5Boss, 5,  36,  Boss5Clock<4>,  At5,   215,      130, -1, kEvery10,   Turned(&ImgVall3013, AgainstKept),     kWide,  kSpinBox)
AIMED_GROUP(Spiral, Stage5Boss, 6,  36,  Boss5Clock<5>,  At5,   215,      130, 1,  kEvery10,   Turned(&ImgVall3014, AlongKept),       kWide,  kSpinBox)
AIMED_GROUP(Spiral, Stage5Boss, 7,  36,  Boss5Clock<6>,  At5,   215 - 100, 130, -1, kEvery10,  Turned(&ImgVall3013, AgainstKept),     kWide,  kSpinBox)
AIMED_GROUP(Spiral, Stage5Boss, 8,  36,  Boss5Clock<7>,  At5,   215 + 100, 130, 1,  kEvery10,  Turned(&ImgVall3014, AlongKept),       kWide,  kSpinBox)
AIMED_GROUP(Spiral, Stage5Boss, 9,  108, Boss5Clock<8>,  At5,   215 - 80, 130, -1, kEveryTick, Turned(&ImgVall3013, AgainstKept),     kWide,  kSpinBox)
AIMED_GROUP(Spiral, Stage5Boss, 10, 108, Boss5Clock<9>,  At5,   215 + 80, 130, 1,  kEveryTick, Turned(&ImgVall3014, AlongKept),       kWide,  kSpinBox)
// clang-format on
