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

// The groups of the kind, one for each row of SPIRAL_GROUPS in group_table.h.
SPIRAL_GROUPS(AIMED_GROUP)
