// TripleSpiral: a spiral in which every shot leaves as three bullets on one
// heading at 110, 120 and 130 pixels a second (records j, 36 + j and 72 + j),
// the heading turning 10 degrees per shot. The two faster rings retire at a
// smaller screen box. Odd groups fly against their headings, even groups
// along them.
#include "game/bosses/boss_state.h"
#include "game/bullets/aim.h"
#include "game/bullets/groups.h"
#include "game/player/player.h"

using namespace bullets;
using namespace bullets::aimed;

namespace {

constexpr int kRing = 36;
constexpr int kRings = 3;
constexpr float kSpeeds[kRings] = {110, 120, 130};
constexpr Bounds kRingBounds[kRings] = {{-20, 800, 600}, {-20, 640, 480}, {-20, 640, 480}};

struct TripleSpiralRow {
    AngledShot* shots;
    int count;
    Clock clock;
    OwnerPoint owner;
    float ox, oy;
    float sign;  // -1: headings -n steps, flown against; +1: +n steps, flown along
};

void ResetGroup(const TripleSpiralRow& g) { ResetRecords(g.shots, g.count, 7, kResetAngle); }

void Arm(const TripleSpiralRow& g, int k, int n) {
    if (k < 0 || k >= g.count) return;
    AngledShot& r = g.shots[k];
    if (!Launch(r, g.owner(0), g.ox, g.oy)) return;
    r.speed = kSpeeds[k / kRing];
    r.angle = static_cast<float>(g.sign * n * Step(kRing));
}

// Record i with its own index as the heading step.
void Spawn(const TripleSpiralRow& g, int32_t i) { Arm(g, i, i); }

// One shot every 10 counts from 10 to 350; the count after 359 is 10.
void Emit(const TripleSpiralRow& g) {
    uint32_t& c = g.clock();
    if (++c >= 360) c = 10;
    for (int j = 0; j < kRing - 1; ++j) {
        if (c != static_cast<uint32_t>(10 * (j + 1))) continue;
        for (int ring = 0; ring < kRings; ++ring) Spawn(g, ring * kRing + j);
    }
}

void Move(const TripleSpiralRow& g) {
    for (int i = 0; i < g.count; ++i) {
        AngledShot& r = g.shots[i];
        if (r.active == 0) continue;
        Fly(r, g.sign);
        if (Outside(r.x, r.y, kRingBounds[i / kRing]) || BombActive == 1) Park(r);
        JudgePlayer(r.x, r.y, kCellBox);
    }
}

void Draw(const TripleSpiralRow& g) { DrawShots(g.shots, g.count, kStrip20); }

template <int N>
constexpr auto Clock1 = EmitterClock<Stage1BossState, N>;
constexpr auto At1 = BossPoint<Stage1BossState>;

}  // namespace

// The groups of the kind, one for each row of TRIPLESPIRAL_GROUPS in group_table.h.
TRIPLESPIRAL_GROUPS(AIMED_GROUP)
