// AimedShot: one bullet per owner slot, armed at the slot's corner plus an
// offset, aimed once at the player at a random whole speed, flown straight.
// Two looks: a rotated picture, or a 24-cell additive strip whose cell runs
// on from wherever the record left it.
#include "game/bullets/aim.h"
#include "game/bullets/groups.h"
#include "game/player/player.h"
#include "game/shell/assets.h"
#include "game/state/enemy_records.h"

using namespace bullets;
using namespace bullets::aimed;

namespace {

// What the two looks bring with them.
struct ShotLook {
    Look look;
    Bounds bounds;
    Box box;
    float aim;  // aim point: the player's corner plus this on both axes
};

struct AimedShotRow {
    AngledShot* shots;
    int count;        // one record per owner slot
    OwnerPoint owner;
    float ox, oy;
    int speedRange;   // speed = rand() % range + base
    int speedBase;
    const ShotLook* variant;
    int frameModulo;  // reset: 10, or 0 where the record keeps no frame
};

void ResetGroup(const AimedShotRow& g) { ResetRecords(g.shots, g.count, g.frameModulo, kResetAngle); }

// Arms every free record from its own owner slot; the argument is not used.
void Spawn(const AimedShotRow& g, int32_t) {
    for (int i = 0; i < g.count; ++i) {
        AngledShot& r = g.shots[i];
        if (!Launch(r, g.owner(i), g.ox, g.oy)) continue;
        r.speed = static_cast<float>(rng::rand() % g.speedRange + g.speedBase);
        AimAtPlayer(r, g.variant->aim);
    }
}


void Move(const AimedShotRow& g) {
    for (int i = 0; i < g.count; ++i) {
        AngledShot& r = g.shots[i];
        if (r.active != 0) Fly(r);
        if (Outside(r.x, r.y, g.variant->bounds) || BombActive == 1) Park(r);
        if (r.active != 0) JudgePlayer(r.x, r.y, g.variant->box);
    }
}

void Draw(const AimedShotRow& g) { DrawShots(g.shots, g.count, g.variant->look); }

// clang-format off
//                            look                                                                       bounds            box                aim
constexpr ShotLook kRotated {{Blit::Rotated,  Which::Active, &ImgVall302,  30, 0,  Rotation::Aim}, {-30, 800, 600}, kSpinBox,  15};
constexpr ShotLook kAnimated{{Blit::Additive, Which::Active, &ImgVal16241, 16, 24, Rotation::Aim}, {-16, 620, 600}, kSmallBox, 22};
// clang-format on

constexpr auto At1A = SlotPoint<Szak1ASlots>;
constexpr auto At1B = SlotPoint<Szak1BSlots>;
constexpr auto At6A = SlotPoint<Szak6ASlots>;
constexpr auto At6B = SlotPoint<Szak6BSlots>;
constexpr auto At6C = SlotPoint<Szak6CSlots>;
constexpr auto At13A = SlotPoint<Szak13ASlots>;
constexpr auto At13B = SlotPoint<Szak13BSlots>;
constexpr auto At30B = SlotPoint<Szak30BSlots>;
constexpr auto At31B = SlotPoint<Szak31BSlots>;
constexpr auto At32B = SlotPoint<Szak32BSlots>;
constexpr auto At33B = SlotPoint<Szak33BSlots>;

}  // namespace

// The groups of the kind, one for each row of AIMEDSHOT_GROUPS in group_table.h.
AIMEDSHOT_GROUPS(AIMED_SPAWN)
