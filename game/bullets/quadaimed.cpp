// QuadAimed: volleys of four bullets, one from each of four guns on the
// boss, each aimed at the player at its own random speed. Arming any bullet
// of a volley puts all four records of that volley back at their guns, those
// still in flight included. The only aimed kind whose bullet vanishes when
// it hits the player.
#include "game/bosses/boss_state.h"
#include "game/bullets/aim.h"
#include "game/bullets/groups.h"
#include "game/player/player.h"

using namespace bullets;
using namespace bullets::aimed;

namespace {

constexpr int kGuns = 4;
constexpr int kVolleys = 5;

struct QuadAimedRow {
    AngledShot* shots;
    int count;
    OwnerPoint owner;
    Point guns[kGuns];  // from the owner's corner, by place in the volley
    uint32_t ticks[kVolleys];
    uint32_t wrap;      // counters that reach it restart at 0, before the test
    float aim;
};

void ResetGroup(const QuadAimedRow& g) { ResetRecords(g.shots, g.count, 7, kResetAngle); }

// Arms record i when it is free.
void Spawn(const QuadAimedRow& g, int32_t i) {
    if (i < 0 || i >= g.count || g.shots[i].active != 0) return;
    AngledShot& r = g.shots[i];
    r.active = 1;
    const Point p = g.owner(0);
    const int first = i - i % kGuns;
    for (int q = 0; q < kGuns && first + q < g.count; ++q) {
        g.shots[first + q].x = p.x + g.guns[q].x;
        g.shots[first + q].y = p.y + g.guns[q].y;
    }
    r.x0 = r.x;
    r.y0 = r.y;
    r.speed = static_cast<float>(rng::rand() % 30 + 180);
    AimAtPlayer(r, g.aim);
}

void Emit(const QuadAimedRow& g) {
    for (int i = 0; i < g.count; ++i) {
        if (++g.shots[i].counter >= g.wrap) g.shots[i].counter = 0;
    }
    for (int i = 0; i < g.count; ++i) {
        if (g.shots[i].counter == g.ticks[i / kGuns]) Spawn(g, i);
    }
}

void Move(const QuadAimedRow& g) {
    const Bounds bounds{-20, 800, 600};
    for (int i = 0; i < g.count; ++i) {
        AngledShot& r = g.shots[i];
        if (r.active == 0) continue;
        Fly(r);
        if (Outside(r.x, r.y, bounds) || BombActive == 1) Park(r);
        if (PlayerAlive != 0 && TouchesPlayer(r.x, r.y, kCellBox)) {
            Park(r);
            PlayerAlive = 0;
        }
    }
}

void Draw(const QuadAimedRow& g) {
    DrawShots(g.shots, g.count, {Blit::Keyed, Which::Active, &ImgVall20, 20, 0, Rotation::Aim});
}

constexpr auto At1 = BossPoint<Stage1BossState>;

}  // namespace

// The groups of the kind, one for each row of QUADAIMED_GROUPS in group_table.h.
QUADAIMED_GROUPS(AIMED_GROUP)
