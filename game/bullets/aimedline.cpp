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

// The groups of the kind, one for each row of AIMEDLINE_GROUPS in group_table.h.
AIMEDLINE_GROUPS(AIMED_SPAWN)
