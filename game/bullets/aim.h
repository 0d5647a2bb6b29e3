// What the aimed and turning bullet kinds share: the aiming rule, the
// rotations of their pictures, where an owner stands, the straight flight
// along a heading, the looks of a group's Draw, and the macro that makes a
// group out of its table row.
#pragma once
#include <cmath>
#include <cstdint>
#include <iterator>

#include "framework/system/named.h"
#include "framework/system/system.h"
#include "game/bullets/groups.h"
#include "game/bullets/protocol.h"
#include "game/bullets/records.h"
#include "game/catalogue/catalogue.h"
#include "game/shell/assets.h"

namespace bullets::aimed {

inline constexpr double kPi = 3.14159265358979323846;

// A turn of the circle cut into n steps, formed as (pi + pi) / n.
constexpr double Step(int n) { return (kPi + kPi) / n; }

// The heading from a point to an aim point dx, dy away: pi/2 when dx is
// exactly 0, else the arc tangent of the single-precision quotient; then the
// group's turn; then a half turn when dx < 0, or dx is 0 and dy <= 0 (an aim
// point straight above or on the point gives straight up).
float Heading(float dx, float dy, double turn = 0.0);

// Aims a record from its own x, y at (PlayerX + offset, PlayerY + offset):
// stores dx, dy and the heading turned by `turn`.
void AimAtPlayer(AngledShot& r, float offset, double turn = 0.0);

// The heading in whole degrees, truncated toward zero.
int32_t WholeDegrees(float angle);
// The rotation of an aimed picture: 270 minus the whole degrees, so that
// the picture's top edge faces the way it flies.
inline int32_t AimRotation(float angle) { return 270 - WholeDegrees(angle); }

// Where an owner stands: slot i of a slotted type, or the single record of a
// mid-size enemy or a boss (the slot is ignored there).
struct Point {
    float x, y;
};
using OwnerPoint = Point (*)(int slot);
template <auto& Slots>
Point SlotPoint(int slot) {
    constexpr int n = static_cast<int>(std::size(Slots));
    const int i = slot < 0 ? 0 : (slot >= n ? n - 1 : slot);
    return {Slots[i].x, Slots[i].y};
}
template <auto& Record>
Point RecordPoint(int) {
    return {Record.x, Record.y};
}
template <auto& Boss>
Point BossPoint(int) {
    return {Boss.X, Boss.Y};
}

// A firing clock kept in the owner's record.
using Clock = uint32_t& (*)();
template <auto& Record, auto Member>
uint32_t& RecordClock() {
    // The enemy keeps a signed tick; it only counts up from 0.
    return reinterpret_cast<uint32_t&>(Record.*Member);
}
template <auto& Boss, int N>
uint32_t& EmitterClock() {
    return Boss.Emitter[N];
}

// Arms a free record at p + (ox, oy); a record in flight is left alone
// (false).
inline bool Launch(AngledShot& r, Point p, float ox, float oy) {
    if (r.active != 0) return false;
    r.active = 1;
    r.x = p.x + ox;
    r.y = p.y + oy;
    return true;
}

// The player boxes in use (x - PlayerX, y - PlayerY, both ends included).
constexpr Box kSmallBox{14, 30, 24, 30};  // small animated bullets of the enemies
constexpr Box kSpinBox{0, 30, 10, 30};    // 30-pixel rotated bullets
constexpr Box kCellBox{10, 30, 20, 30};   // 20-pixel bullets
constexpr Box kWideBox{-10, 30, 0, 30};   // 39-pixel rotated bullets

// The retire bounds of a kind: a record leaves when x < lo, x > hiX, y < lo
// or y > hiY (a record on a bound stays).
struct Bounds {
    float lo, hiX, hiY;
};
inline bool Outside(float x, float y, const Bounds& b) { return x < b.lo || x > b.hiX || y < b.lo || y > b.hiY; }

// One step along the heading (sign +1) or against it (sign -1): y first,
// then x, each by sin or cos of the heading times speed times FrameSeconds.
inline void Fly(AngledShot& r, float sign = 1.0f) {
    r.y += sign * (std::sin(r.angle) * r.speed * FrameSeconds);
    r.x += sign * (std::cos(r.angle) * r.speed * FrameSeconds);
}

// How a group draws its records.
enum class Blit : uint8_t {
    Rotated,   // fwDraw::BltRotated in a size x size box
    Additive,  // fwDraw::BltAdditive, cell `frame` of a strip (or the picture)
    Keyed,     // fwDraw::BltObject of the whole picture
};
enum class Which : uint8_t { Active, All };
enum class Rotation : uint8_t {
    Aim,          // 270 - whole degrees
    AimStored,    // the same, the whole degrees kept in drawAngle
    Against,      // -(degrees), truncated
    Along,        // 360 - degrees, truncated
    AgainstKept,  // -(whole degrees), the whole degrees kept in drawAngle
    AlongKept,    // 360 - whole degrees, kept likewise
};
struct Look {
    Blit blit;
    Which which;
    const int32_t* image;
    int size;    // box or cell edge in pixels
    int cells;   // cells of an animated strip; 0 for one still picture
    Rotation rotation;
};

// The 24-cell strip of 20-pixel bullets, drawn additively on every record.
constexpr Look kStrip20{Blit::Additive, Which::All, &ImgVal20241, 20, 24, Rotation::Aim};

// The rotation of a record for a rotated look (may write drawAngle).
int32_t RotationOf(AngledShot& r, Rotation rotation);
// One record drawn with a look (image overrides the look's picture when not
// null); an animated cell advances afterwards.
void DrawOne(AngledShot& r, const Look& look, const int32_t* image = nullptr);
// Every record, or the active ones, in index order.
void DrawShots(AngledShot* shots, int count, const Look& look);

// Registers a group's records with the play driver.
void RegisterShots(const char* name, AngledShot* shots, int count);

}  // namespace bullets::aimed

// Defines one group from its row of group_table.h (the name, owner, kind,
// number and operations, then the count of records and the rest of the
// kind's row): its array NameShots, its constant row (the kind's Kind##Row,
// starting with the array and the count, then the row's own fields), its
// reset step and its play-driver registration, and its operations S, M, D,
// each calling the kind's Spawn(row, argument), Move(row) and Draw(row).
// AIMED_SPAWN is a group of a kind that fires only when Spawn is called;
// AIMED_GROUP one with a firing schedule of its own, whose Emit E calls the
// kind's Emit(row).
#define AIMED_SPAWN(Name, Owner, Kind, N, S, M, D, Count, ...)                      \
    GROUP_NAME_CHECK(Name, Owner, Kind, N)                                          \
    AngledShot Name##Shots[Count];                                                  \
    namespace {                                                                     \
    const Kind##Row k##Name{Name##Shots, Count, __VA_ARGS__};                       \
    const catalogue::Reset kReset##Name(catalogue::Owner, catalogue::Part##Kind, N, \
                                        [] { ResetGroup(k##Name); });               \
    const named::Registrar kNamed##Name(                                            \
        [] { bullets::aimed::RegisterShots(#Name "Shots", Name##Shots, Count); });  \
    }                                                                               \
    void S(int32_t a) { Spawn(k##Name, a); }                                        \
    void M(int32_t) { Move(k##Name); }                                              \
    void D(int32_t) { Draw(k##Name); }
#define AIMED_GROUP(Name, Owner, Kind, N, S, E, M, D, Count, ...)  \
    AIMED_SPAWN(Name, Owner, Kind, N, S, M, D, Count, __VA_ARGS__) \
    void E(int32_t) { Emit(k##Name); }
