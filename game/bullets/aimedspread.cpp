// AimedSpread: fans of bullets aimed at the player, five volleys to a group,
// each volley due on its own tick of the group's clock. The middle of a fan
// (the place `centre`) flies at the aim point, its neighbours 12 degrees
// apart; the enemies' three-bullet fans keep centre 2 and so open to one side.
#include "game/bosses/boss_state.h"
#include "game/bullets/aimed_volley.h"
#include "game/bullets/groups.h"
#include "game/shell/assets.h"
#include "game/state/enemy_records.h"

using namespace bullets;
using namespace bullets::aimed;

namespace {

using AimedSpreadRow = VolleyRow;

constexpr Box kSmall = kSmallBox;
constexpr Box kAimed = kSpinBox;
constexpr Box kBoss = kCellBox;
constexpr Box kWide = kWideBox;
constexpr float kAngle = kResetAngle;
constexpr float kNarrow = kResetAngleNarrow;

#define T5(a, b, c, d, e) {a, b, c, d, e}
constexpr auto Szak6D = SlotPoint<Szak6DSlots>;
constexpr auto Szak6E = SlotPoint<Szak6ESlots>;
constexpr auto Szak52A = SlotPoint<Szak52ASlots>;
constexpr auto Szak52B = SlotPoint<Szak52BSlots>;
constexpr auto Szak51 = RecordPoint<Szak51State>;
constexpr auto Szak52C = RecordPoint<Szak52CState>;
constexpr auto Boss1 = BossPoint<Stage1BossState>;
constexpr auto Boss2 = BossPoint<Stage2BossState>;
constexpr auto Boss3 = BossPoint<Stage3BossState>;
constexpr auto Boss4 = BossPoint<Stage4BossState>;
constexpr Look kVal1 = Strip(&ImgVal1, 16, 16);
constexpr Look kVal3 = Strip(&ImgVal3, 16, 16);

}  // namespace

// The groups of the kind, one for each row of AIMEDSPREAD_GROUPS in group_table.h.
AIMEDSPREAD_GROUPS(AIMED_GROUP)
