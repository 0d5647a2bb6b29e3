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

// A ring fires when its tick's counter value comes up; a tick equal to the
// wrap fires on the call at which the counters restart. The centre column
// is -1: a record turns by its own index.
// clang-format off
//           kind       owner          N  records ring ring ticks                                           wrap  owner   ox        oy   aim speed centre step look      low  box     frame reset
AIMED_GROUP(AimedRing, Szak52C,       1, 120, 12, TICKS(60, 120, 180, 240, 300, 360, 420, 480, 540, 600), 660,  At52C,  92,       32,  20, 150, -1, 12, kVal3,    -16, kSmall, 7,  kAngle)
AIMED_GROUP(AimedRing, AltStage2Boss, 1, 72,  12, TICKS(20, 40, 60, 80, 100, 120),                        140,  AtAlt2, 110,      130, 20, 140, -1, 12, kStrip20, -20, kBoss,  10, kAngle)
AIMED_GROUP(AimedRing, AltStage2Boss, 2, 72,  12, TICKS(20, 40, 60, 80, 100, 120),                        140,  AtAlt2, 310,      130, 20, 140, -1, 12, kStrip20, -20, kBoss,  10, kAngle)
AIMED_GROUP(AimedRing, Stage5Boss,    1, 200, 20, TICKS(30, 60, 90, 120, 150, 180, 210, 240, 270, 300),   340,  At5,    220,      220, 20, 140, -1, 20, kStrip20, -20, kBoss,  10, kAngle)
AIMED_GROUP(AimedRing, Stage5Boss,    2, 300, 30, TICKS(30, 60, 90, 120, 150, 180, 210, 240, 270, 300),   340,  At5,    220,      220, 20, 120, -1, 30, kStrip20, -20, kBoss,  10, kAngle)
AIMED_GROUP(AimedRing, Stage5Boss,    3, 200, 20, TICKS(10, 20, 30, 40, 50, 60, 70, 80, 90, 100),         1000, At5,    220,      220, 20, 140, -1, 20, kStrip20, -20, kBoss,  10, kAngle)
AIMED_GROUP(AimedRing, Stage5Boss,    4, 300, 30, TICKS(10, 20, 30, 40, 50, 60, 70, 80, 90, 100),         100,  At5,    220,      220, 20, 120, -1, 30, kStrip20, -20, kBoss,  10, kAngle)
AIMED_GROUP(AimedRing, Stage5Boss,    5, 300, 30, TICKS(30, 60, 90, 120, 150, 180, 210, 240, 270, 300),   340,  At5,    220,      180, 20, 100, -1, 30, kStrip20, -20, kBoss,  10, kAngle)
AIMED_GROUP(AimedRing, Stage3Boss,    1, 72,  12, TICKS(30, 60, 90, 120, 150, 180),                       250,  At3,    210 - 100, 130, 20, 140, -1, 12, kStrip20, -20, kBoss,  10, kAngle)
AIMED_GROUP(AimedRing, Stage3Boss,    2, 72,  12, TICKS(30, 60, 90, 120, 150, 180),                       250,  At3,    210 + 100, 130, 20, 140, -1, 12, kStrip20, -20, kBoss,  10, kAngle)
AIMED_GROUP(AimedRing, AltStage4Boss, 1, 300, 30, TICKS(30, 60, 120, 150, 180, 210, 240, 300, 330, 360), 390,  AtAlt4, 220,      190, 20, 100, -1, 30, kStrip20, -20, kBoss,  10, kNarrow)
AIMED_GROUP(AimedRing, Stage2Boss,    1, 72,  12, TICKS(30, 50, 90, 110, 130, 150),                       200,  At2,    240 - 100, 130, 20, 140, -1, 12, kStrip20, -20, kBoss,  10, kAngle)
AIMED_GROUP(AimedRing, Stage2Boss,    2, 72,  12, TICKS(30, 50, 90, 110, 130, 150),                       200,  At2,    240 + 100, 130, 20, 140, -1, 12, kStrip20, -20, kBoss,  10, kAngle)
// clang-format on
