// AimedRing: whole rings of bullets from one point, the head of each ring
// aimed at the player and the others spread evenly round the circle. The
// turn of a record is its index in the whole array times the ring's step,
// so every ring starts on the aim line. Rings fly, retire and draw as the
// aimed fans do.
#include "game/bosses/boss_state.h"
#include "game/bullets/aimed_volley.h"
#include "game/bullets/groups.h"
#include "game/shell/assets.h"
#include "game/state/enemy_records.h"

using namespace bullets;
using namespace bullets::aimed;

namespace {

using AimedRingRow = VolleyRow;

constexpr Box kSmall = kSmallBox;
constexpr Box kBoss = kCellBox;
constexpr float kAngle = kResetAngle;
constexpr float kNarrow = kResetAngleNarrow;

constexpr auto At52C = RecordPoint<Szak52CState>;
constexpr auto AtAlt2 = BossPoint<AltStage2BossState>;
constexpr auto At5 = BossPoint<Stage5BossState>;
constexpr auto At3 = BossPoint<Stage3BossState>;
constexpr auto AtAlt4 = BossPoint<AltStage4BossState>;
constexpr auto At2 = BossPoint<Stage2BossState>;
constexpr Look kVal3 = Strip(&ImgVal3, 16, 16);

#define TICKS(...) {__VA_ARGS__}

}  // namespace

// The groups of the kind, one for each row of AIMEDRING_GROUPS in group_table.h.
AIMEDRING_GROUPS(AIMED_GROUP)
