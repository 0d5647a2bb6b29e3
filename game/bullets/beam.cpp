// The Beam kind: Spawn fires and judges, Draw shows the four cells of the
// strip and ends the beam. There is no Move: a beam stays where it fired.
#include "game/bullets/beam.h"

#include "framework/draw/draw.h"
#include "framework/system/named.h"
#include "framework/system/random.h"
#include "game/bosses/boss_state.h"
#include "game/bullets/protocol.h"
#include "game/catalogue/catalogue.h"
#include "game/shell/assets.h"

#define BEAM_DEFINE_SHOT(G, ...) BeamShot G##Shot;
BEAM_GROUPS(BEAM_DEFINE_SHOT)

namespace {

constexpr int kCellWidth = 90;
constexpr int kCellHeight = 400;
constexpr uint32_t kCells = 4;

struct BeamGroup {
    BeamShot* shot;
    const BossState* owner;
    float offX, offY;
    bullets::Box box;
};

#define BEAM_ROW(G, owner, n, bx, by, loX, hiX, loY, hiY) {&G##Shot, &owner##State, bx, by, {loX, hiX, loY, hiY}},
const BeamGroup kBeamGroups[] = {BEAM_GROUPS(BEAM_ROW)};

#define BEAM_INDEX(G, ...) k##G,
enum BeamIndex : int { BEAM_GROUPS(BEAM_INDEX) };

// Fires an idle beam from the boss's present position and judges the player
// once; a beam that shows already is left alone. The frame counter is not
// touched, so the first beam after a reset starts from its random value.
void Spawn(const BeamGroup& g) {
    BeamShot& b = *g.shot;
    if (b.active == 1) return;
    b.active = 1;
    b.x = g.owner->X + g.offX;
    b.y = g.owner->Y + g.offY;
    bullets::JudgePlayer(b.x, b.y, g.box);
}

// Cells 1 to 3 on the first three frames, the fourth on the last, after
// which the beam is idle again.
void Draw(const BeamGroup& g) {
    BeamShot& b = *g.shot;
    if (b.active == 0) return;
    b.frame += 1;
    if (b.frame == 0) return;  // a counter that wrapped round shows nothing
    const uint32_t cell = b.frame < kCells ? b.frame - 1 : kCells - 1;
    fwDraw::BltAdditive(fwDraw::ToBlitCoord(b.x), fwDraw::ToBlitCoord(b.y), ImgValarm51,
                        static_cast<int>(cell) * kCellWidth, 0, static_cast<int>(cell + 1) * kCellWidth,
                        kCellHeight);
    if (b.frame >= kCells) {
        b.frame = 0;
        b.active = 0;
    }
}

template <int G>
void Reset() {
    BeamShot& b = *kBeamGroups[G].shot;
    b.frame = static_cast<uint32_t>(rng::rand() % 10);
    b.x = kParkX;
    b.y = kParkY;
    b.active = 0;
}

#define BEAM_RESET(G, owner, n, ...) \
    const catalogue::Reset G##Reset(catalogue::owner, catalogue::PartBeam, n, Reset<k##G>);
BEAM_GROUPS(BEAM_RESET)

#define BEAM_NAME(G, ...)                                                                      \
    NAMED_RECORD(G##Shot, {NAMED_FIELD(BeamShot, frame), NAMED_FIELD(BeamShot, x), NAMED_FIELD(BeamShot, y), \
                           NAMED_FIELD(BeamShot, active)});
named::Registrar reg([] { BEAM_GROUPS(BEAM_NAME) });

}  // namespace

#define BEAM_OPS(G, ...)                                \
    void Spawn##G() { Spawn(kBeamGroups[k##G]); } \
    void Draw##G() { Draw(kBeamGroups[k##G]); }
BEAM_GROUPS(BEAM_OPS)
