// AimedLine: every bullet of a line leaves one point on one heading at the
// player (turned by the group's turn), each record at its own speed, the
// slowest first, so the line strings out as it flies. Three forms:
//   A  a line of five per owner slot; a line retires with its bullet 0;
//      freed records stay where they are; the bomb frees them.
//   B  one line from a fixed slot; each record retires on its own and is
//      parked; the bomb frees them.
//   C  one line from a fixed slot or the boss; the whole line retires with
//      record 0 and stays where it is; the bomb does not touch it.
#include "game/bosses/boss_state.h"
#include "game/bullets/aim.h"
#include "game/bullets/groups.h"
#include "game/player/player.h"
#include "game/shell/assets.h"
#include "game/state/enemy_records.h"

using namespace bullets;
using namespace bullets::aimed;

namespace {

enum class Form : uint8_t { A, B, C };

struct AimedLineRow {
    AngledShot* shots;
    int count;
    Form form;
    int slot;          // the firing slot of forms B and C (form A: slot s fires line s)
    OwnerPoint owner;
    float ox, oy;      // firing point from the owner's corner
    float aim;         // aim point: the player's corner plus this on both axes
    double turn;       // added to the aimed heading
    float speeds[8];   // speed of bullet k of a line
    Look look;
    Bounds bounds;
    Box box;
    int drift;         // -1 left, +1 right: the sideways drift of the first 300 timer units
    bool judgeIdle;    // the player test also looks at freed records
};

constexpr int kFormALine = 5;

int LineLength(const AimedLineRow& g) { return g.form == Form::A ? kFormALine : g.count; }

void ResetGroup(const AimedLineRow& g) { ResetRecords(g.shots, g.count, 10, kResetAngle); }

void Spawn(const AimedLineRow& g, int32_t) {
    const int per = LineLength(g);
    for (int i = 0; i < g.count; ++i) {
        AngledShot& r = g.shots[i];
        if (!Launch(r, g.owner(g.form == Form::A ? i / per : g.slot), g.ox, g.oy)) continue;
        r.x0 = r.x;
        r.y0 = r.y;
        if (g.drift != 0) r.timer = 0.0f;
        r.speed = g.speeds[i % per];
        AimAtPlayer(r, g.aim, g.turn);
    }
}


// The drift of the drifting lines: half the speed sideways and a tenth of it
// downwards while the timer (260 a second) stays at 300 or below.
void Drift(const AimedLineRow& g, AngledShot& r) {
    r.timer += 260.0f * FrameSeconds;
    if (r.timer <= 300.0f) {
        r.x += static_cast<float>(g.drift) * (r.speed * FrameSeconds / 2.0f);
        r.y += r.speed * FrameSeconds / 10.0f;
    }
    if (r.timer > 300.0f) r.timer = 300.0f;
}

void Move(const AimedLineRow& g) {
    const int per = LineLength(g);
    const bool bomb = g.form != Form::C && BombActive == 1;
    for (int i = 0; i < g.count; ++i) {
        AngledShot& r = g.shots[i];
        if (r.active != 0) {
            if (g.drift != 0) Drift(g, r);
            Fly(r);
        }
        const AngledShot& ref = g.form == Form::B ? r : g.shots[i - i % per];
        if (Outside(ref.x, ref.y, g.bounds) || bomb) {
            if (g.form == Form::B) Park(r);
            r.active = 0;
        }
        if (r.active != 0 || g.judgeIdle) JudgePlayer(r.x, r.y, g.box);
    }
}

void Draw(const AimedLineRow& g) { DrawShots(g.shots, g.count, g.look); }

constexpr auto At6D = SlotPoint<Szak6DSlots>;
constexpr auto At6E = SlotPoint<Szak6ESlots>;
constexpr auto At13A = SlotPoint<Szak13ASlots>;
constexpr auto At13B = SlotPoint<Szak13BSlots>;
constexpr auto At30A = SlotPoint<Szak30ASlots>;
constexpr auto At31A = SlotPoint<Szak31ASlots>;
constexpr auto At32A = SlotPoint<Szak32ASlots>;
constexpr auto At33A = SlotPoint<Szak33ASlots>;
constexpr auto At40A = SlotPoint<Szak40ASlots>;
constexpr auto At41A = SlotPoint<Szak41ASlots>;
constexpr auto At1 = BossPoint<Stage1BossState>;
constexpr auto At2 = BossPoint<Stage2BossState>;
constexpr auto At3 = BossPoint<Stage3BossState>;

constexpr Look Spin(const int32_t* image, Which which) { return {Blit::Rotated, which, image, 30, 0, Rotation::Aim}; }
constexpr Look kSpinLive = Spin(&ImgVall301, Which::Active);
constexpr Look kSpin301 = Spin(&ImgVall301, Which::All);
constexpr Look kSpin302 = Spin(&ImgVall302, Which::All);
constexpr Look kSpin3011 = Spin(&ImgVall3011, Which::All);
constexpr Look kCells7{Blit::Additive, Which::All, &ImgVal201, 20, 7, Rotation::Aim};
constexpr Look kCells24 = kStrip20;
constexpr Bounds kWide{-30, 800, 600};
constexpr Bounds kNarrow{-20, 620, 600};
constexpr Bounds kBossNarrow{-20, 800, 600};
constexpr Form A = Form::A, B = Form::B, C = Form::C;
constexpr double T12 = Step(12), T20 = Step(20);

#define SPEEDS(...) {__VA_ARGS__}

}  // namespace

// clang-format off
//           kind       owner       N   records form slot owner  ox   oy   aim turn      speeds of bullets 0, 1, ...                        look       bounds       box        drift idle
AIMED_SPAWN(AimedLine, Szak6D,     1,  15, A, 0, At6D,  25,  25,  15, 0,        SPEEDS(260, 280, 300, 320, 340),                   kSpinLive, kWide,       kSpinBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak6D,     2,  4,  B, 0, At6D,  30,  50,  22, 0,        SPEEDS(120, 160, 200, 240),                        kCells7,   kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak6D,     3,  5,  B, 1, At6D,  30,  50,  22, 0,        SPEEDS(120, 160, 200, 240, 280),                   kCells7,   kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak6E,     1,  15, A, 0, At6E,  25,  25,  15, 0,        SPEEDS(260, 280, 300, 320, 340),                   kSpinLive, kWide,       kSpinBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak6E,     2,  4,  B, 0, At6E,  30,  50,  22, 0,        SPEEDS(120, 160, 200, 240),                        kCells7,   kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak6E,     3,  5,  B, 1, At6E,  30,  50,  22, 0,        SPEEDS(120, 160, 200, 240, 280),                   kCells7,   kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak13A,    1,  4,  B, 0, At13A, 30,  40,  22, 0,        SPEEDS(120, 160, 200, 240),                        kCells7,   kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak13A,    2,  5,  B, 1, At13A, 30,  40,  22, 0,        SPEEDS(120, 160, 200, 240, 280),                   kCells7,   kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak13B,    1,  4,  B, 0, At13B, 30,  40,  22, 0,        SPEEDS(120, 160, 200, 240),                        kCells7,   kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak13B,    2,  5,  B, 1, At13B, 30,  40,  22, 0,        SPEEDS(120, 160, 200, 240, 280),                   kCells7,   kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak30A,    1,  4,  B, 0, At30A, 40,  50,  22, 0,        SPEEDS(230, 270, 310, 350),                        kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak30A,    2,  5,  B, 1, At30A, 40,  50,  22, 0,        SPEEDS(200, 230, 260, 290, 340),                   kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak31A,    1,  4,  B, 0, At31A, 40,  50,  22, 0,        SPEEDS(230, 270, 310, 350),                        kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak31A,    2,  5,  B, 1, At31A, 40,  50,  22, 0,        SPEEDS(200, 230, 260, 290, 340),                   kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak32A,    1,  4,  B, 0, At32A, 40,  50,  22, 0,        SPEEDS(80, 100, 120, 140),                         kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak32A,    2,  5,  B, 1, At32A, 40,  50,  22, 0,        SPEEDS(80, 100, 120, 140, 160),                    kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak33A,    1,  4,  B, 0, At33A, 40,  50,  22, 0,        SPEEDS(80, 100, 120, 140),                         kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak33A,    2,  5,  B, 1, At33A, 40,  50,  22, 0,        SPEEDS(80, 100, 120, 140, 160),                    kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak40A,    1,  4,  C, 0, At40A, 50,  50,  22, 0,        SPEEDS(260, 280, 300, 320),                        kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak40A,    2,  5,  C, 1, At40A, 50,  50,  22, 0,        SPEEDS(260, 280, 300, 320, 340),                   kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak41A,    1,  4,  C, 0, At41A, 50,  50,  22, 0,        SPEEDS(260, 280, 300, 320),                        kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Szak41A,    2,  5,  C, 1, At41A, 50,  50,  22, 0,        SPEEDS(260, 280, 300, 320, 340),                   kCells24,  kNarrow,     kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Stage1Boss, 1,  5,  C, 0, At1,   90,  100, 20, 0,        SPEEDS(260, 280, 300, 320, 340),                   kCells7,   kBossNarrow, kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Stage1Boss, 2,  5,  C, 0, At1,   330, 100, 20, 0,        SPEEDS(260, 280, 300, 320, 340),                   kCells7,   kBossNarrow, kCellBox,  0,  false)
AIMED_SPAWN(AimedLine, Stage1Boss, 3,  5,  C, 0, At1,   85,  100, 15, T20,      SPEEDS(260, 280, 300, 320, 340),                   kSpin301,  kWide,       kSpinBox,  0,  false)
AIMED_SPAWN(AimedLine, Stage1Boss, 4,  5,  C, 0, At1,   85,  100, 9,  0,        SPEEDS(260, 280, 300, 320, 340),                   kSpin301,  kWide,       kSpinBox,  0,  false)
AIMED_SPAWN(AimedLine, Stage1Boss, 5,  5,  C, 0, At1,   85,  100, 9,  -T20,     SPEEDS(260, 280, 300, 320, 340),                   kSpin301,  kWide,       kSpinBox,  0,  false)
AIMED_SPAWN(AimedLine, Stage1Boss, 6,  5,  C, 0, At1,   325, 100, 15, T20,      SPEEDS(260, 280, 300, 320, 340),                   kSpin301,  kWide,       kSpinBox,  0,  false)
AIMED_SPAWN(AimedLine, Stage1Boss, 7,  5,  C, 0, At1,   325, 100, 15, 0,        SPEEDS(260, 280, 300, 320, 340),                   kSpin301,  kWide,       kSpinBox,  0,  false)
AIMED_SPAWN(AimedLine, Stage1Boss, 8,  5,  C, 0, At1,   325, 100, 15, -T20,     SPEEDS(260, 280, 300, 320, 340),                   kSpin301,  kWide,       kSpinBox,  0,  false)
AIMED_SPAWN(AimedLine, Stage1Boss, 9,  5,  C, 0, At1,   105, 100, 15, 0,        SPEEDS(260, 280, 300, 320, 340),                   kSpin301,  kWide,       kSpinBox,  0,  false)
AIMED_SPAWN(AimedLine, Stage1Boss, 10, 5,  C, 0, At1,   305, 100, 15, 0,        SPEEDS(260, 280, 300, 320, 340),                   kSpin301,  kWide,       kSpinBox,  0,  false)
AIMED_SPAWN(AimedLine, Stage3Boss, 1,  5,  C, 0, At3,   85,  100, 15, 5 * T12,  SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 2,  5,  C, 0, At3,   85,  100, 15, 4 * T12,  SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 3,  5,  C, 0, At3,   85,  100, 15, 3 * T12,  SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 4,  5,  C, 0, At3,   85,  100, 15, 2 * T12,  SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 5,  5,  C, 0, At3,   85,  100, 15, 1 * T12,  SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 6,  5,  C, 0, At3,   85,  100, 15, 0,        SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 7,  5,  C, 0, At3,   85,  100, 15, -1 * T12, SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 8,  5,  C, 0, At3,   85,  100, 15, -2 * T12, SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 9,  5,  C, 0, At3,   85,  100, 15, -3 * T12, SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 10, 5,  C, 0, At3,   85,  100, 15, -4 * T12, SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 11, 5,  C, 0, At3,   85,  100, 15, -5 * T12, SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 12, 5,  C, 0, At3,   85,  100, 15, -6 * T12, SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 13, 5,  C, 0, At3,   325, 100, 15, -5 * T12, SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 14, 5,  C, 0, At3,   325, 100, 15, -4 * T12, SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 15, 5,  C, 0, At3,   325, 100, 15, -3 * T12, SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 16, 5,  C, 0, At3,   325, 100, 15, -2 * T12, SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 17, 5,  C, 0, At3,   325, 100, 15, -1 * T12, SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 18, 5,  C, 0, At3,   325, 100, 15, 0,        SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 19, 5,  C, 0, At3,   325, 100, 15, 1 * T12,  SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 20, 5,  C, 0, At3,   325, 100, 15, 2 * T12,  SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 21, 5,  C, 0, At3,   325, 100, 15, 3 * T12,  SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 22, 5,  C, 0, At3,   325, 100, 15, 4 * T12,  SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 23, 5,  C, 0, At3,   325, 100, 15, 5 * T12,  SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 24, 5,  C, 0, At3,   325, 100, 15, 6 * T12,  SPEEDS(170, 200, 230, 250, 270),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 25, 5,  C, 0, At3,   105, 100, 15, 0,        SPEEDS(260, 280, 300, 320, 340),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 26, 5,  C, 0, At3,   305, 100, 15, 0,        SPEEDS(260, 280, 300, 320, 340),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 27, 5,  C, 0, At3,   75,  140, 15, 0,        SPEEDS(260, 280, 300, 320, 340),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 28, 5,  C, 0, At3,   335, 140, 15, 0,        SPEEDS(260, 280, 300, 320, 340),                   kSpin3011, kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage3Boss, 29, 8,  C, 0, At3,   105, 100, 15, 0,        SPEEDS(260, 280, 300, 320, 340, 360, 380, 400),    kSpin3011, kWide,       kSpinBox,  -1, true)
AIMED_SPAWN(AimedLine, Stage3Boss, 30, 8,  C, 0, At3,   305, 100, 15, 0,        SPEEDS(260, 280, 300, 320, 340, 360, 380, 400),    kSpin3011, kWide,       kSpinBox,  1,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 1,  5,  C, 0, At2,   115, 100, 15, 3 * T20,  SPEEDS(170, 200, 230, 250, 270),                   kSpin301,  kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 2,  5,  C, 0, At2,   115, 100, 15, 2 * T20,  SPEEDS(170, 200, 230, 250, 270),                   kSpin301,  kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 3,  5,  C, 0, At2,   115, 100, 15, 1 * T20,  SPEEDS(170, 200, 230, 250, 270),                   kSpin301,  kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 4,  5,  C, 0, At2,   115, 100, 15, 0,        SPEEDS(170, 200, 230, 250, 270),                   kSpin302,  kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 5,  5,  C, 0, At2,   115, 100, 15, -1 * T20, SPEEDS(170, 200, 230, 250, 270),                   kSpin301,  kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 6,  5,  C, 0, At2,   115, 100, 15, -2 * T20, SPEEDS(170, 200, 230, 250, 270),                   kSpin301,  kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 7,  5,  C, 0, At2,   355, 100, 15, -3 * T20, SPEEDS(170, 200, 230, 250, 270),                   kSpin301,  kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 8,  5,  C, 0, At2,   355, 100, 15, -2 * T20, SPEEDS(170, 200, 230, 250, 270),                   kSpin301,  kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 9,  5,  C, 0, At2,   355, 100, 15, -1 * T20, SPEEDS(170, 200, 230, 250, 270),                   kSpin301,  kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 10, 5,  C, 0, At2,   355, 100, 15, 0,        SPEEDS(170, 200, 230, 250, 270),                   kSpin302,  kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 11, 5,  C, 0, At2,   355, 100, 15, 1 * T20,  SPEEDS(170, 200, 230, 250, 270),                   kSpin301,  kWide,       kSpinBox,  0,  true)
AIMED_SPAWN(AimedLine, Stage2Boss, 12, 5,  C, 0, At2,   355, 100, 15, 2 * T20,  SPEEDS(170, 200, 230, 250, 270),                   kSpin301,  kWide,       kSpinBox,  0,  true)
// clang-format on
