// What the falling bullet kinds share: where a group reads its owner's
// position, the firing schedule kept in the records' counters, one sprite
// blit, the retire-and-judge step, and the registration of a group's pool.
#pragma once
#include <cstdint>
#include <vector>

#include "framework/draw/blend.h"
#include "framework/draw/blit.h"
#include "framework/draw/coord.h"
#include "framework/system/named.h"
#include "framework/system/system.h"
#include "game/bosses/boss_state.h"
#include "game/bullets/groups.h"
#include "game/bullets/protocol.h"
#include "game/bullets/records.h"
#include "game/catalogue/catalogue.h"
#include "game/player/player.h"
#include "game/state/enemy_records.h"

namespace bullets {

// The point a group fires from: its owner's top-left corner.
struct Pos {
    float x, y;
};
using OwnerPos = Pos (*)(int slot);

// Slot i of an enemy type's slot array.
template <auto& Slots>
Pos SlotPos(int i) {
    return {Slots[i].x, Slots[i].y};
}
// The single record of a mid-size enemy.
template <auto& Record>
Pos RecordPos(int) {
    return {Record.x, Record.y};
}
// A boss's state record.
template <auto& State>
Pos BossPos(int) {
    return {State.X, State.Y};
}

// The firing schedule of a group whose records each keep a counter. Every
// Emit call steps every counter; a counter that reaches the wrap value
// restarts at the restart value; record i of volley v is due when its
// counter equals the volley's tick. Ticks that the counter never holds stay
// inert. All falling kinds wrap before the arming test and compare with >=.
struct Schedule {
    uint32_t wrap;
    uint32_t restart;
    int volleySize;        // records per volley
    const int16_t* ticks;  // one per volley
    bool wrapAfterTest;    // the arming test sees the counter before its wrap
};

// Tick lists that several groups share: ten volleys a fixed number of calls
// apart.
constexpr int16_t kTicksEvery10[10] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
constexpr int16_t kTicksEvery20[10] = {20, 40, 60, 80, 100, 120, 140, 160, 180, 200};
constexpr int16_t kTicksEvery30[10] = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300};
constexpr int16_t kTicksEvery60[10] = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600};
constexpr int16_t kTicksEvery80[10] = {80, 160, 240, 320, 400, 480, 560, 640, 720, 800};

template <class Arm>
void RunSchedule(DropShot* shots, int count, const Schedule& s, Arm arm) {
    auto wrap = [&] {
        for (int i = 0; i < count; ++i)
            if (shots[i].counter >= s.wrap) shots[i].counter = s.restart;
    };
    for (int i = 0; i < count; ++i) shots[i].counter += 1;
    if (!s.wrapAfterTest) wrap();
    for (int v = 0; v * s.volleySize < count; ++v) {
        const int first = v * s.volleySize;
        for (int i = first; i < first + s.volleySize && i < count; ++i)
            if (shots[i].counter == static_cast<uint32_t>(s.ticks[v])) arm(i, first);
    }
    if (s.wrapAfterTest) wrap();
}

// How a group's picture is put on the screen.
enum class Blit : uint8_t { Additive, Keyed };

inline void Blit1(Blit how, int32_t image, float x, float y, int left, int top, int right, int bottom) {
    const int ix = fwDraw::ToBlitCoord(x);
    const int iy = fwDraw::ToBlitCoord(y);
    if (how == Blit::Additive)
        fwDraw::BltAdditive(ix, iy, image, left, top, right, bottom);
    else
        fwDraw::BltObject(ix, iy, image, left, top, right, bottom);
}

// Advances an animation frame after a blit; values the reset may leave
// beyond the strip come back to 0 at once.
inline void StepFrame(DropShot& r, uint32_t cells) {
    r.frame += 1;
    if (r.frame >= cells) r.frame = 0;
}

// Draws every record, free ones included (they lie outside the clip
// rectangle): a square picture of `size` pixels, or with cells > 0 the
// record's cell of a strip, whose frame then advances.
inline void DrawAll(DropShot* shots, int count, int32_t image, Blit how, int size, uint32_t cells) {
    for (int i = 0; i < count; ++i) {
        DropShot& r = shots[i];
        const int left = cells > 0 ? static_cast<int>(r.frame % cells) * size : 0;
        Blit1(how, image, r.x, r.y, left, 0, left + size, size);
        if (cells > 0) StepFrame(r, cells);
    }
}

// The sideways step of lane l in a volley of `volley` lanes spread evenly
// about the middle one.
inline float LaneStep(int l, int volley, float spread) { return static_cast<float>(l - (volley - 1) / 2) * spread; }

// The end of a falling shot's step: it retires below y 600 (and while the
// ring bomb runs, where the group tests it); then it judges the player at the
// position it now has, parked or not.
inline void RetireAndJudge(DropShot& r, bool bombTest, const Box& box) {
    if (r.y > 600.0f || (bombTest && BombActive == 1)) Park(r);
    JudgePlayer(r.x, r.y, box);
}

// The volley kinds: record i of the volley that begins at record first is
// armed at x; every record of the volley, flying or not, is put back to its
// lane's height below y.
inline void ArmInVolley(DropShot* shots, int i, int first, int volley, float x, float y, const float* heights) {
    if (shots[i].active != 0) return;
    shots[i].active = 1;
    shots[i].x = x;
    for (int l = 0; l < volley; ++l) shots[first + l].y = y + heights[l];
}

// Each record, flying or free, moves sideways by its lane's step, `repeat`
// times per Move.
inline void DriftLanes(DropShot* shots, int count, int volley, const float* steps, int repeat) {
    for (int first = 0; first + volley <= count; first += volley)
        for (int n = 0; n < repeat; ++n)
            for (int l = 0; l < volley; ++l)
                if (steps[l] != 0.0f) shots[first + l].x += steps[l] * FrameSeconds;
}

// Every record in flight falls at vy; with a sideways speed vx it also
// stores vx and moves x by it (subtracted with sign -1) after the fall; then
// it retires or judges the player.
inline void FallAll(DropShot* shots, int count, float vy, bool bombTest, const Box& box, float vx = 0,
                    float sign = 1) {
    for (int i = 0; i < count; ++i) {
        DropShot& r = shots[i];
        if (r.active == 0) continue;
        r.vy = vy;
        r.y += r.vy * FrameSeconds;
        if (vx != 0.0f) {
            r.vx = vx;
            r.x += sign * r.vx * FrameSeconds;
        }
        RetireAndJudge(r, bombTest, box);
    }
}

// Free and parked, counter 0, with the frame word kept as it is.
inline void ResetKeepingFrames(DropShot* shots, int count) {
    for (int i = 0; i < count; ++i) {
        const uint32_t frame = shots[i].frame;
        shots[i] = DropShot{};
        shots[i].frame = frame;
        Park(shots[i]);
    }
}

inline std::vector<named::Field> DropShotFields() {
    return {NAMED_FIELD(DropShot, x),     NAMED_FIELD(DropShot, y),     NAMED_FIELD(DropShot, vx),
            NAMED_FIELD(DropShot, vy),    NAMED_FIELD(DropShot, active), NAMED_FIELD(DropShot, frame),
            NAMED_FIELD(DropShot, counter)};
}

}  // namespace bullets

// A group's pool: its records, their reset step in the catalogue (frame
// modulo 10 or 7, 0 for a record without a frame word, -1 to keep the frame
// word) and its name for the play driver.
#define FALLING_POOL(Name, Owner, Kind, Number, Count, FrameMod)                              \
    GROUP_NAME_CHECK(Name, Owner, Kind, Number)                                               \
    DropShot Name##Shots[Count];                                                              \
    namespace {                                                                               \
    catalogue::Reset reset##Name(catalogue::Owner, catalogue::Part##Kind, Number, [] {        \
        if ((FrameMod) < 0)                                                                   \
            bullets::ResetKeepingFrames(Name##Shots, Count);                                  \
        else                                                                                  \
            bullets::ResetRecords(Name##Shots, Count, FrameMod);                              \
    });                                                                                       \
    named::Registrar named##Name([] { NAMED_POOL(Name##Shots, bullets::DropShotFields()); }); \
    }

// The operations S, E, M, D of a group with a schedule, over its row k##Name
// and the kind's Spawn, Emit, Move and Draw. Spawn with one index arms that
// record of its volley; indices outside the array arm nothing.
#define FALLING_SCHEDULED_OPS(Name, S, E, M, D, Count, Volley)                    \
    void S(uint32_t i, uint32_t first) {                                          \
        if (i < (Count) && first + (Volley) <= (Count)) Spawn(k##Name, i, first); \
    }                                                                             \
    void S(int32_t i) {                                                           \
        if (i >= 0 && i < (Count)) Spawn(k##Name, i, i - i % (Volley));           \
    }                                                                             \
    void E(int32_t) { Emit(k##Name); }                                            \
    void M(int32_t) { Move(k##Name); }                                            \
    void D(int32_t) { Draw(k##Name); }
