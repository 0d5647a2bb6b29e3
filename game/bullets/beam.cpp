// The Beam kind: Spawn fires and judges, Draw shows the four cells of the
// strip and ends the beam. There is no Move: a beam stays where it fired.
#include "game/bullets/beam.h"

#include <vector>

#include "framework/draw/draw.h"
#include "framework/system/named.h"
#include "framework/system/random.h"
#include "game/bosses/boss_state.h"
#include "game/bullets/protocol.h"
#include "game/catalogue/catalogue.h"
#include "game/shell/assets.h"

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

void Reset(const BeamGroup& g) {
    BeamShot& b = *g.shot;
    b.frame = static_cast<uint32_t>(rng::rand() % 10);
    b.x = kParkX;
    b.y = kParkY;
    b.active = 0;
}

std::vector<named::Field> ShotFields() {
    return {NAMED_FIELD(BeamShot, frame), NAMED_FIELD(BeamShot, x), NAMED_FIELD(BeamShot, y),
            NAMED_FIELD(BeamShot, active)};
}

}  // namespace

// One group from its row: its record, its constant row, its reset step, its
// name for the play driver and its operations S and D.
#define BEAM_GROUP(Name, Owner, Kind, N, S, D, BeamX, BeamY, LoX, HiX, LoY, HiY)                             \
    GROUP_NAME_CHECK(Name, Owner, Kind, N)                                                                   \
    BeamShot Name##Shot;                                                                                     \
    namespace {                                                                                              \
    const BeamGroup k##Name{&Name##Shot, &Owner##State, BeamX, BeamY, {LoX, HiX, LoY, HiY}};                 \
    const catalogue::Reset kReset##Name(catalogue::Owner, catalogue::Part##Kind, N, [] { Reset(k##Name); }); \
    const named::Registrar kNamed##Name([] { NAMED_RECORD(Name##Shot, ShotFields()); });                     \
    }                                                                                                        \
    void S() { Spawn(k##Name); }                                                                             \
    void D() { Draw(k##Name); }

// The groups of the kind, one for each row of BEAM_GROUPS in group_table.h.
BEAM_GROUPS(BEAM_GROUP)
