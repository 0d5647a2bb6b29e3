// The Stream kind: one Emit, Move and Draw for every group, each group a row
// of STREAM_GROUPS (group_table.h) with its own shots and its band table.
#include "game/bullets/stream.h"

#include <cmath>

#include "framework/draw/draw.h"
#include "framework/system/named.h"
#include "framework/system/system.h"
#include "game/bosses/boss_state.h"
#include "game/bullets/protocol.h"
#include "game/catalogue/catalogue.h"
#include "game/shell/assets.h"

namespace {

// While a shot's path timer lies in lo..hi (both included) it steps dx, dy
// whole pixels per tick. Between two bands lies a one-unit gap in which the
// shot hangs still.
struct Band {
    float lo, hi;
    int32_t dx, dy;
};

struct Weave {
    const Band* bands;
    int count;
    template <int N>
    constexpr Weave(const Band (&b)[N]) : bands(b), count(N) {}
};

// clang-format off
//                        lo..hi    dx  dy
constexpr Band kWeave1[] = {{0, 3,  -4, 6}, {4, 6,  -3, 6}, {7, 9,  -2, 6}, {10, 12, -1, 6}, {13, 15, 0, 6},
                            {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 24, 3, 6}, {25, 27, 4, 6}, {28, 30, 5, 6},
                            {31, 33, 7, 6}, {34, 280, 9, 6}};
constexpr Band kWeave2[] = {{0, 3,  -4, 6}, {4, 6,  -3, 6}, {7, 9,  -2, 6}, {10, 12, -1, 6}, {13, 15, 0, 6},
                            {16, 280, 1, 6}};
constexpr Band kWeave3[] = {{0, 3,  -4, 6}, {4, 6,  -3, 6}, {7, 280, -2, 6}};
constexpr Band kWeave4[] = {{0, 10, -4, 2}, {11, 15, -4, 4}, {16, 20, -4, 6}, {21, 280, -3, 6}};
constexpr Band kWeave5[] = {{0, 3,  -6, 0}, {4, 6,  -6, 3}, {7, 9,  -6, 6}, {10, 12, -3, 6}, {13, 15, 0, 6},
                            {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 250, 3, 6}};
constexpr Band kWeave6[] = {{0, 3,  -6, 0}, {4, 6,  -6, 3}, {7, 9,  -6, 6}, {10, 12, -3, 6}, {13, 15, 0, 6},
                            {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 24, 3, 6}, {25, 27, 4, 6}, {28, 250, 5, 6}};
constexpr Band kWeave7[] = {{0, 3,  -6, 0}, {4, 6,  -6, 3}, {7, 9,  -6, 6}, {10, 12, -3, 6}, {13, 15, 0, 6},
                            {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 24, 3, 6}, {25, 27, 4, 6}, {28, 30, 5, 6},
                            {31, 33, 6, 6}, {34, 36, 7, 6}, {37, 39, 8, 6}, {40, 280, 10, 6}};
// clang-format on

constexpr bullets::Box kStreamBox{10, 30, 20, 30};
constexpr int32_t kBottom = 600;

struct StreamGroup {
    StreamShot* shots;
    BossState* owner;
    int counter;
    int32_t spawnX, spawnY;
    const int32_t* image;
    int size;
    uint32_t cadence;
    float rate;
    Weave weave;
    int32_t dir;
    bool judge;
};

void Spawn(const StreamGroup& g, uint32_t i) {
    if (i >= kStreamShotCount) return;
    StreamShot& s = g.shots[i];
    if (s.active) return;  // still in flight: this shot is skipped for the cycle
    s.active = 1;
    s.x = fwDraw::ToBlitCoord(std::trunc(g.owner->X) + g.spawnX);
    s.y = fwDraw::ToBlitCoord(std::trunc(g.owner->Y) + g.spawnY);
}

// Record k leaves at counter k x cadence; record 0 leaves at 50 cadences,
// where the counter restarts.
void Emit(const StreamGroup& g) {
    uint32_t& counter = g.owner->Emitter[g.counter];
    counter += 1;
    if (counter % g.cadence != 0) return;
    const uint32_t k = counter / g.cadence;
    if (k >= 1 && k < kStreamShotCount) {
        Spawn(g, k);
    } else if (k == kStreamShotCount) {
        Spawn(g, 0);
        counter = 0;
    }
}

// A whole-pixel step that wraps instead of overflowing, whatever a record holds.
int32_t Stepped(int32_t v, int32_t d) {
    return static_cast<int32_t>(static_cast<uint32_t>(v) + static_cast<uint32_t>(d));
}

const Band* BandAt(const Weave& w, float t) {
    for (int i = 0; i < w.count; ++i)
        if (w.bands[i].lo <= t && t <= w.bands[i].hi) return &w.bands[i];
    return nullptr;
}

// Steps are whole pixels per tick; only the path timer runs on time. A shot
// is freed below the screen or once its timer has run past the last band
// (it would otherwise hang there for good), keeping its position.
void Move(const StreamGroup& g) {
    const float lastHi = g.weave.bands[g.weave.count - 1].hi;
    for (int i = 0; i < kStreamShotCount; ++i) {
        StreamShot& s = g.shots[i];
        if (!s.active) continue;
        s.pathTimer += g.rate * FrameSeconds;
        if (const Band* b = BandAt(g.weave, s.pathTimer)) {
            s.x = Stepped(s.x, g.dir * b->dx);
            s.y = Stepped(s.y, b->dy);
        }
        if (s.y > kBottom || s.pathTimer > lastHi) {
            s.active = 0;
            s.pathTimer = 0;
        }
        if (g.judge) bullets::JudgePlayer(static_cast<float>(s.x), static_cast<float>(s.y), kStreamBox);
    }
}

void Draw(const StreamGroup& g) {
    for (int i = 0; i < kStreamShotCount; ++i) {
        const StreamShot& s = g.shots[i];
        if (s.active == 1) fwDraw::BltAdditive(s.x, s.y, *g.image, 0, 0, g.size, g.size);
    }
}

std::vector<named::Field> ShotFields() {
    return {NAMED_FIELD(StreamShot, x), NAMED_FIELD(StreamShot, y), NAMED_FIELD(StreamShot, pathTimer),
            NAMED_FIELD(StreamShot, active)};
}

}  // namespace

// One group from its row: its shots, its constant row, its reset step, its
// name for the play driver and its operations S, E, M, D.
#define STREAM_GROUP(Name, Owner, Kind, N, S, E, M, D, Counter, SpawnX, SpawnY, Image, Size, Cadence, Rate, Bands, \
                     Dir, Judge)                                                                                   \
    GROUP_NAME_CHECK(Name, Owner, Kind, N)                                                                         \
    StreamShot Name##Shots[kStreamShotCount];                                                                      \
    namespace {                                                                                                    \
    const StreamGroup k##Name{Name##Shots, &Owner##State, Counter, SpawnX, SpawnY, &Image, Size,                   \
                              Cadence,     Rate,          Weave(Bands), Dir, Judge};                               \
    const catalogue::Reset kReset##Name(catalogue::Owner, catalogue::Part##Kind, N,                                \
                                        [] { bullets::ResetRecords(Name##Shots, kStreamShotCount); });             \
    const named::Registrar kNamed##Name([] { NAMED_POOL(Name##Shots, ShotFields()); });                            \
    }                                                                                                              \
    void S(uint32_t i) { Spawn(k##Name, i); }                                                                      \
    void E() { Emit(k##Name); }                                                                                    \
    void M(int32_t) { Move(k##Name); }                                                                             \
    void D(int32_t) { Draw(k##Name); }

// The groups of the kind, one for each row of STREAM_GROUPS in group_table.h.
STREAM_GROUPS(STREAM_GROUP)
