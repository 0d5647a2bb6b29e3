// The FlameChain kind: Spawn launches the idle points, Move flies and retires
// them and judges the player, Draw strokes the streak in fresh colours.
#include "game/bullets/flamechain.h"

#include <cmath>
#include <numbers>

#include "framework/draw/draw.h"
#include "framework/system/named.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/bosses/boss_state.h"
#include "game/bullets/protocol.h"
#include "game/catalogue/catalogue.h"

namespace {

constexpr double kTurnStep = 2 * std::numbers::pi / 60;
constexpr float kLaunchY = 150;
constexpr float kAimOffset = 25;  // the aim point from the player's corner
constexpr float kSpeeds[kFlameChainPoints] = {260, 280, 300, 320, 340, 360};
constexpr int kGreens[kFlameChainPoints - 1] = {230, 220, 210, 200, 230};
constexpr int kRearWidth = 5;  // each segment one pixel wider than the one behind
constexpr float kMargin = 20;
constexpr bullets::Box kFlameBox{10, 30, 20, 30};

struct FlameChainGroup {
    AngledShot* points;
    const BossState* owner;
    float launchX;
    double turn;
};

// The heading from the launch point along (dx, dy), turned by `turn`; an aim
// straight down or up has no quotient and takes pi/2 (plus pi upwards).
float Heading(float dx, float dy, double turn) {
    double angle = dx == 0 ? std::numbers::pi / 2 + turn : std::atan(dy / dx) + turn;
    if (dx < 0 || (dx == 0 && dy <= 0)) angle += std::numbers::pi;
    return static_cast<float>(angle);
}

void Spawn(const FlameChainGroup& g) {
    AngledShot* p = g.points;
    for (int i = 0; i < kFlameChainPoints; ++i) {
        AngledShot& r = p[i];
        if (r.active) continue;
        r.active = 1;
        r.timer = 0;
        r.x = g.owner->X + g.launchX;
        r.y = g.owner->Y + kLaunchY;
        r.x0 = r.x;
        r.y0 = r.y;
        for (int j = 0; j < kFlameChainPoints; ++j) p[j].speed = kSpeeds[j];
        r.dx = PlayerX + kAimOffset - r.x;
        r.dy = PlayerY + kAimOffset - r.y;
        r.angle = Heading(r.dx, r.dy, g.turn);
    }
}

bool OffScreen(const AngledShot& r) {
    return r.x + kMargin < 0 || r.x > 800 || r.y + kMargin < 0 || r.y > 600;
}

// Every point is retired and judged, in flight or not: the streak ends when
// its rear point (record 0) leaves the screen, and an idle point keeps the
// place where it stopped.
void Move(const FlameChainGroup& g) {
    AngledShot* p = g.points;
    for (int i = 0; i < kFlameChainPoints; ++i) {
        AngledShot& r = p[i];
        if (r.active) {
            r.y += std::sin(r.angle) * r.speed * FrameSeconds;
            r.x += std::cos(r.angle) * r.speed * FrameSeconds;
        }
        if (OffScreen(p[0])) r.active = 0;
        bullets::JudgePlayer(r.x, r.y, kFlameBox);
    }
}

// Two random numbers every call, drawn or not; then, while the rear point
// flies, five segments from the rear to the front.
void Draw(const FlameChainGroup& g) {
    const int a = rng::rand() % 100;
    const int b = rng::rand() % 100;
    const AngledShot* p = g.points;
    if (!p[0].active) return;
    for (int k = 0; k + 1 < kFlameChainPoints; ++k) {
        const uint32_t color = static_cast<uint32_t>(250 - a) | static_cast<uint32_t>(kGreens[k] - b) << 8 | 5u << 16;
        fwDraw::DrawLine(fwDraw::ToBlitCoord(p[k].x), fwDraw::ToBlitCoord(p[k].y), fwDraw::ToBlitCoord(p[k + 1].x),
                         fwDraw::ToBlitCoord(p[k + 1].y), color, kRearWidth + k);
    }
}

std::vector<named::Field> PointFields() {
    return {NAMED_FIELD(AngledShot, x),  NAMED_FIELD(AngledShot, y),     NAMED_FIELD(AngledShot, dx),
            NAMED_FIELD(AngledShot, dy), NAMED_FIELD(AngledShot, x0),    NAMED_FIELD(AngledShot, y0),
            NAMED_FIELD(AngledShot, angle), NAMED_FIELD(AngledShot, speed), NAMED_FIELD(AngledShot, timer),
            NAMED_FIELD(AngledShot, active)};
}

}  // namespace

// One group from its row: its points, its constant row, its reset step, its
// name for the play driver and its operations S, M, D.
#define FLAMECHAIN_GROUP(Name, Owner, Kind, N, S, M, D, LaunchX, Turn)                      \
    GROUP_NAME_CHECK(Name, Owner, Kind, N)                                                  \
    AngledShot Name##Shots[kFlameChainPoints];                                              \
    namespace {                                                                             \
    const FlameChainGroup k##Name{Name##Shots, &Owner##State, LaunchX, (Turn) * kTurnStep}; \
    const catalogue::Reset kReset##Name(catalogue::Owner, catalogue::Part##Kind, N, [] {    \
        bullets::ResetRecords(Name##Shots, kFlameChainPoints, 10, bullets::kResetAngle);    \
    });                                                                                     \
    const named::Registrar kNamed##Name([] { NAMED_POOL(Name##Shots, PointFields()); });    \
    }                                                                                       \
    void S(int32_t) { Spawn(k##Name); }                                                     \
    void M(int32_t) { Move(k##Name); }                                                      \
    void D(int32_t) { Draw(k##Name); }

// The groups of the kind, one for each row of FLAMECHAIN_GROUPS in group_table.h.
FLAMECHAIN_GROUPS(FLAMECHAIN_GROUP)
