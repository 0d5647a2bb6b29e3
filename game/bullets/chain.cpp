// Chain: seven segments leave one point together on one diagonal heading,
// each at its own speed (segment 0, the tail, slowest; segment 6, the head,
// fastest). While the turn clock (20 a second) runs up to its limit, the
// heading turns by a fixed step on every call; from the second call on each
// segment drifts at 16 - 7k pixels a second. The whole chain retires, left
// where it is, in the call in which its tail leaves the screen; the bomb
// does not touch it. The mirror form flies along its heading, turns the
// other way and drifts the other way on x.
#include "game/bosses/boss_state.h"
#include "game/bullets/aim.h"
#include "game/bullets/groups.h"
#include "game/state/enemy_records.h"

using namespace bullets;
using namespace bullets::aimed;

namespace {

constexpr int kSegments = 7;
constexpr int kHead = kSegments - 1;

struct ChainRow {
    AngledShot* shots;
    int count;        // 7 per chain; chain s fires from owner slot s
    OwnerPoint owner;
    float ox, oy;
    float sign;       // -1: flies against its heading (leaves down-left); +1 the mirror
    float speeds[kSegments];
    float turnLimit;  // the turn clock's last turning value
    int turnSteps;    // one turn step is a full turn cut in this many
    const int32_t* body;
    const int32_t* head;
    bool judgeIdle;   // the player test also looks at retired segments
};

constexpr Bounds kScreen{-30, 800, 600};

float StartAngle(const ChainRow& g) { return static_cast<float>(g.sign * Step(10)); }

void ResetGroup(const ChainRow& g) { ResetRecords(g.shots, g.count, 10, kResetAngle); }

void Spawn(const ChainRow& g, int32_t) {
    for (int i = 0; i < g.count; ++i) {
        AngledShot& r = g.shots[i];
        if (!Launch(r, g.owner(i / kSegments), g.ox, g.oy)) continue;
        r.timer = 0.0f;
        r.angle = StartAngle(g);
        r.x0 = 0.0f;
        r.y0 = 0.0f;
        r.speed = g.speeds[i % kSegments];
    }
}


void Advance(const ChainRow& g, AngledShot& r, int k) {
    Fly(r, g.sign);
    r.timer += 20.0f * FrameSeconds;
    // The turn is per call, not per second: fewer frames turn less.
    if (r.timer >= 0.0f && r.timer <= g.turnLimit) {
        r.angle = static_cast<float>(r.angle + g.sign * aimed::Step(g.turnSteps));
    }
    if (r.timer >= g.turnLimit) r.timer = g.turnLimit + 1.0f;
    const float drift = static_cast<float>(16 - 7 * k);
    r.y -= r.y0 * FrameSeconds;
    r.y0 = drift;
    r.x += g.sign * (r.x0 * FrameSeconds);
    r.x0 = drift;
}

void Move(const ChainRow& g) {
    for (int i = 0; i < g.count; ++i) {
        AngledShot& r = g.shots[i];
        const int k = i % kSegments;
        if (r.active != 0) Advance(g, r, k);
        const AngledShot& tail = g.shots[i - k];
        if (Outside(tail.x, tail.y, kScreen)) {
            r.active = 0;
            r.timer = 0.0f;
            r.angle = StartAngle(g);
            r.x0 = 0.0f;
            r.y0 = 0.0f;
        }
        if (r.active != 0 || g.judgeIdle) JudgePlayer(r.x, r.y, kSpinBox);
    }
}

void Draw(const ChainRow& g) {
    const Rotation rotation = g.sign < 0 ? Rotation::Against : Rotation::Along;
    const Look look{Blit::Rotated, Which::Active, g.body, 30, 0, rotation};
    for (int i = 0; i < g.count; ++i) {
        if (g.shots[i].active != 0) DrawOne(g.shots[i], look, i % kSegments == kHead ? g.head : g.body);
    }
}

constexpr auto At10 = SlotPoint<Szak10Slots>;
constexpr auto At50B = RecordPoint<Szak50BState>;
constexpr auto At50C = RecordPoint<Szak50CState>;
constexpr auto At3 = BossPoint<Stage3BossState>;
constexpr auto At4 = BossPoint<Stage4BossState>;

#define SPEEDS(...) {__VA_ARGS__}

}  // namespace

// The groups of the kind, one for each row of CHAIN_GROUPS in group_table.h.
CHAIN_GROUPS(AIMED_SPAWN)
