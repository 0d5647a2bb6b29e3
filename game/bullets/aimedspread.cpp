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

// clang-format off
//           kind         owner       N  records per ticks                  wrap owner    ox   oy   aim speed c  step look                       low  box     frame reset
AIMED_GROUP(AimedSpread, Szak6D,     1, 25,  5, T5(40, 80, 120, 160, 200), 250, Szak6D,  32,  40,  20, 180, 2, 30, kVal1,                     -16, kSmall, 0, kAngle)
AIMED_GROUP(AimedSpread, Szak6E,     1, 25,  5, T5(40, 80, 120, 160, 200), 250, Szak6E,  32,  40,  20, 180, 2, 30, kVal1,                     -16, kSmall, 0, kAngle)
AIMED_GROUP(AimedSpread, Szak52A,    1, 25,  5, T5(40, 80, 120, 160, 200), 260, Szak52A, 85,  120, 15, 220, 2, 30, Spin(&ImgVall302),         -30, kAimed, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak52A,    2, 15,  3, T5(20, 40, 60, 80, 100),   100, Szak52A, 5,   120, 15, 220, 2, 30, Spin(&ImgVall301),         -30, kAimed, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak52A,    3, 15,  3, T5(20, 40, 60, 80, 100),   100, Szak52A, 165, 120, 15, 220, 2, 30, Spin(&ImgVall301),         -30, kAimed, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak52B,    1, 25,  5, T5(40, 80, 120, 160, 200), 260, Szak52B, 85,  120, 15, 220, 2, 30, Spin(&ImgVall302),         -30, kAimed, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak52B,    2, 15,  3, T5(20, 40, 60, 80, 100),   100, Szak52B, 5,   120, 15, 220, 2, 30, Spin(&ImgVall301),         -30, kAimed, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak52B,    3, 15,  3, T5(20, 40, 60, 80, 100),   100, Szak52B, 165, 120, 15, 220, 2, 30, Spin(&ImgVall301),         -30, kAimed, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak51,     1, 25,  5, T5(40, 80, 120, 160, 200), 260, Szak51,  105, 130, 15, 220, 2, 30, Spin(&ImgVall302),         -30, kAimed, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak51,     2, 15,  3, T5(20, 40, 60, 80, 100),   100, Szak51,  25,  130, 15, 220, 2, 30, Spin(&ImgVall301),         -30, kAimed, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak51,     3, 15,  3, T5(20, 40, 60, 80, 100),   100, Szak51,  185, 130, 15, 220, 2, 30, Spin(&ImgVall301),         -30, kAimed, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak51,     4, 25,  5, T5(60, 120, 180, 240, 300), 370, Szak51, 112, 70,  20, 150, 2, 30, kVal3,                     -16, kSmall, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak51,     5, 25,  5, T5(60, 120, 180, 240, 300), 370, Szak51, 2,   70,  20, 160, 2, 30, kVal3,                     -16, kSmall, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak51,     6, 25,  5, T5(60, 120, 180, 240, 300), 370, Szak51, 222, 70,  20, 160, 2, 30, kVal3,                     -16, kSmall, 7, kAngle)
AIMED_GROUP(AimedSpread, Szak52C,    1, 25,  5, T5(70, 140, 210, 280, 350), 430, Szak52C, 92, 70,  20, 130, 2, 30, kVal3,                     -16, kSmall, 7, kAngle)
AIMED_GROUP(AimedSpread, Stage1Boss, 1, 25,  5, T5(40, 80, 120, 160, 200), 260, Boss1,   200, 130, 10, 220, 2, 30, SpinAll(&ImgVal40L),       -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage1Boss, 2, 25,  5, T5(40, 80, 120, 160, 200), 260, Boss1,   210, 130, 20, 220, 2, 30, kStrip20,                  -20, kBoss,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage1Boss, 3, 35,  7, T5(30, 60, 90, 120, 150),  150, Boss1,   210, 130, 20, 200, 3, 30, Still(&ImgVall20),         -20, kBoss,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage1Boss, 4, 35,  7, T5(20, 40, 60, 80, 100),   130, Boss1,   210, 130, 20, 200, 3, 30, kStrip20,                  -20, kBoss,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 1, 15,  3, T5(40, 80, 120, 160, 200), 260, Boss3,   200, 130, 10, 220, 1, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 2, 15,  3, T5(40, 80, 120, 160, 200), 260, Boss3,   100, 130, 10, 220, 1, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 3, 15,  3, T5(40, 80, 120, 160, 200), 260, Boss3,   300, 130, 10, 220, 1, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 4, 25,  5, T5(40, 80, 120, 160, 200), 260, Boss3,   200, 130, 10, 220, 2, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 5, 25,  5, T5(40, 80, 120, 160, 200), 260, Boss3,   80,  130, 10, 220, 2, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 6, 25,  5, T5(40, 80, 120, 160, 200), 260, Boss3,   320, 130, 10, 220, 2, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 7, 35,  7, T5(40, 80, 120, 160, 200), 260, Boss3,   200, 130, 10, 220, 3, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 8, 35,  7, T5(40, 80, 120, 160, 200), 260, Boss3,   80,  130, 10, 220, 3, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 9, 35,  7, T5(40, 80, 120, 160, 200), 260, Boss3,   320, 130, 10, 220, 3, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 10, 45, 9, T5(40, 80, 120, 160, 200), 260, Boss3,   200, 130, 10, 220, 4, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 11, 45, 9, T5(40, 80, 120, 160, 200), 260, Boss3,   70,  130, 10, 220, 4, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 12, 45, 9, T5(40, 80, 120, 160, 200), 260, Boss3,   330, 130, 10, 220, 4, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 13, 55, 11, T5(40, 80, 120, 160, 200), 260, Boss3,  200, 130, 10, 220, 5, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 14, 55, 11, T5(40, 80, 120, 160, 200), 260, Boss3,  70,  130, 10, 220, 5, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 15, 55, 11, T5(40, 80, 120, 160, 200), 260, Boss3,  330, 130, 10, 220, 5, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 16, 65, 13, T5(40, 80, 120, 160, 200), 260, Boss3,  200, 130, 10, 220, 6, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 17, 65, 13, T5(40, 80, 120, 160, 200), 260, Boss3,  60,  130, 10, 220, 6, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 18, 65, 13, T5(40, 80, 120, 160, 200), 260, Boss3,  340, 130, 10, 220, 6, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 19, 75, 15, T5(40, 80, 120, 160, 200), 260, Boss3,  200, 130, 10, 220, 7, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 20, 75, 15, T5(40, 80, 120, 160, 200), 260, Boss3,  50,  130, 10, 220, 7, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 21, 75, 15, T5(40, 80, 120, 160, 200), 260, Boss3,  350, 130, 10, 220, 7, 30, SpinAll(&ImgVal40L1),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage3Boss, 22, 15, 3, T5(20, 40, 90, 110, 160),  200, Boss3,   60,  100, 20, 150, 1, 30, kStrip20,                  -20, kBoss,  7, kNarrow)
AIMED_GROUP(AimedSpread, Stage3Boss, 23, 15, 3, T5(20, 40, 90, 110, 160),  200, Boss3,   360, 100, 20, 150, 1, 30, kStrip20,                  -20, kBoss,  7, kNarrow)
AIMED_GROUP(AimedSpread, Stage4Boss, 1, 35,  7, T5(30, 60, 90, 120, 150),  150, Boss4,   50,  80,  20, 200, 3, 30, kStrip20,                  -20, kBoss,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage4Boss, 2, 35,  7, T5(30, 60, 90, 120, 150),  150, Boss4,   210, 80,  20, 200, 3, 30, kStrip20,                  -20, kBoss,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage4Boss, 3, 25,  5, T5(20, 40, 90, 110, 160),  200, Boss4,   30,  130, 20, 150, 2, 30, kStrip20,                  -20, kBoss,  7, kNarrow)
AIMED_GROUP(AimedSpread, Stage4Boss, 4, 25,  5, T5(20, 40, 90, 110, 160),  200, Boss4,   330, 130, 20, 150, 2, 30, kStrip20,                  -20, kBoss,  7, kNarrow)
AIMED_GROUP(AimedSpread, Stage2Boss, 1, 15,  3, T5(40, 80, 120, 160, 200), 260, Boss2,   130, 130, 10, 220, 1, 30, SpinAll(&ImgVal40L2),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage2Boss, 2, 15,  3, T5(40, 80, 120, 160, 200), 260, Boss2,   330, 130, 10, 220, 1, 30, SpinAll(&ImgVal40L2),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage2Boss, 3, 35,  7, T5(40, 80, 120, 160, 200), 260, Boss2,   110, 130, 10, 220, 3, 30, SpinAll(&ImgVal40L2),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage2Boss, 4, 35,  7, T5(40, 80, 120, 160, 200), 260, Boss2,   350, 130, 10, 220, 3, 30, SpinAll(&ImgVal40L2),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage2Boss, 5, 55, 11, T5(40, 80, 120, 160, 200), 260, Boss2,   230, 130, 10, 220, 5, 30, SpinAll(&ImgVal40L2),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage2Boss, 6, 55, 11, T5(40, 80, 120, 160, 200), 260, Boss2,   100, 130, 10, 220, 5, 30, SpinAll(&ImgVal40L2),      -40, kWide,  7, kAngle)
AIMED_GROUP(AimedSpread, Stage2Boss, 7, 55, 11, T5(40, 80, 120, 160, 200), 260, Boss2,   360, 130, 10, 220, 5, 30, SpinAll(&ImgVal40L2),      -40, kWide,  7, kAngle)
// clang-format on
