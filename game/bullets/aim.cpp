#include "game/bullets/aim.h"

#include <cmath>
#include <cstddef>

#include "framework/draw/blend.h"
#include "framework/draw/blit.h"
#include "framework/draw/coord.h"
#include "framework/draw/rotate.h"
#include "game/state/player_state.h"

namespace bullets::aimed {

float Heading(float dx, float dy, double turn) {
    const double base = dx == 0.0f ? kPi / 2 : std::atan(static_cast<double>(dy / dx));
    double angle = base + turn;
    if (dx < 0.0f || (dx == 0.0f && dy <= 0.0f)) angle += kPi;
    return static_cast<float>(angle);
}

void AimAtPlayer(AngledShot& r, float offset, double turn) {
    r.dx = PlayerX + offset - r.x;
    r.dy = PlayerY + offset - r.y;
    r.angle = Heading(r.dx, r.dy, turn);
}

int32_t WholeDegrees(float angle) {
    const double degrees = angle * (180.0 / kPi);
    // Headings stay within a few turns; anything wilder draws at 0.
    if (!(std::fabs(degrees) < 1e9)) return 0;
    return static_cast<int32_t>(degrees);
}

namespace {
int32_t Truncated(double degrees) { return std::fabs(degrees) < 1e9 ? static_cast<int32_t>(degrees) : 0; }
}  // namespace

int32_t RotationOf(AngledShot& r, Rotation rotation) {
    const double degrees = r.angle * (180.0 / kPi);
    switch (rotation) {
        case Rotation::Aim: return AimRotation(r.angle);
        case Rotation::AimStored:
            r.drawAngle = static_cast<uint32_t>(WholeDegrees(r.angle));
            return 270 - static_cast<int32_t>(r.drawAngle);
        case Rotation::Against: return Truncated(-degrees);
        case Rotation::Along: return Truncated(360.0 - degrees);
        case Rotation::AgainstKept:
            r.drawAngle = static_cast<uint32_t>(WholeDegrees(r.angle));
            return -static_cast<int32_t>(r.drawAngle);
        case Rotation::AlongKept:
            r.drawAngle = static_cast<uint32_t>(WholeDegrees(r.angle));
            return 360 - static_cast<int32_t>(r.drawAngle);
    }
    return 0;
}

void DrawOne(AngledShot& r, const Look& look, const int32_t* image) {
    const int32_t handle = image ? *image : *look.image;
    const int x = fwDraw::ToBlitCoord(r.x);
    const int y = fwDraw::ToBlitCoord(r.y);
    const int s = look.size;
    switch (look.blit) {
        case Blit::Rotated:
            fwDraw::BltRotated(x, y, x + s, y + s, RotationOf(r, look.rotation), handle, 0, 0, s, s);
            break;
        case Blit::Keyed: fwDraw::BltObject(x, y, handle, 0, 0, s, s); break;
        case Blit::Additive:
            if (look.cells == 0) {
                fwDraw::BltAdditive(x, y, handle, 0, 0, s, s);
                break;
            }
            // A frame past the strip (a reset's random start) shows no cell.
            if (r.frame < 1024u) {
                const int left = s * static_cast<int>(r.frame);
                fwDraw::BltAdditive(x, y, handle, left, 0, left + s, s);
            }
            if (++r.frame >= static_cast<uint32_t>(look.cells)) r.frame = 0;
            break;
    }
}

void DrawShots(AngledShot* shots, int count, const Look& look) {
    for (int i = 0; i < count; ++i) {
        if (look.which == Which::Active && shots[i].active == 0) continue;
        DrawOne(shots[i], look);
    }
}

void RegisterShots(const char* name, AngledShot* shots, int count) {
    named::AddPool(name, shots, count, sizeof(AngledShot),
                   {NAMED_FIELD(AngledShot, frame), NAMED_FIELD(AngledShot, counter), NAMED_FIELD(AngledShot, drawAngle),
                    NAMED_FIELD(AngledShot, x), NAMED_FIELD(AngledShot, y), NAMED_FIELD(AngledShot, dx),
                    NAMED_FIELD(AngledShot, dy), NAMED_FIELD(AngledShot, x0), NAMED_FIELD(AngledShot, y0),
                    NAMED_FIELD(AngledShot, angle), NAMED_FIELD(AngledShot, speed), NAMED_FIELD(AngledShot, timer),
                    NAMED_FIELD(AngledShot, active)},
                   "active");
}

}  // namespace bullets::aimed
