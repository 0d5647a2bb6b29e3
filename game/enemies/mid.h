// What the single-record mid-size enemies share: the sprite or, once hit,
// the explosion of eight (or sixteen) cells for two passes, then the free.
#pragma once
#include "framework/draw/coord.h"
#include "game/enemies/family.h"

namespace enemies {

template <class R>
void UpdateDrawMid(R& r, const Pattern& explosion, const int32_t* sprite, int w, int h) {
    if (r.hit > 0) {
        if (ExplosionFrame(explosion, 7, r.x, r.y, r.explosionFrame, r.explosionLoop))
            FreeExploded(r, r.explosionFrame);
        return;
    }
    output.blit(Blit::Object, fwDraw::ToBlitCoord(r.x), fwDraw::ToBlitCoord(r.y), *sprite, 0, 0, w, h);
}

// Arms the free record at x, y (x drawn first); false while it is in play.
template <class R>
bool ArmMid(R& r, const Start& x, float y) {
    if (r.active != 0) return false;
    Draw(x, r.x);
    r.y = y;
    r.active = 1;
    r.hit = 0;
    r.explosionFrame = 0;
    return true;
}

template <class R>
void FreeMid(R& r) {
    Park(r, kParkX);
}

}  // namespace enemies

// The operations and reset of a mid-size type, reading the row kName.
#define MID_FAMILY_TYPE(Name, SpawnFn, UpdateDrawFn, MoveFn, ResetFn)                                 \
    void Spawn##Name() { SpawnFn(k##Name, Name##State); }                                           \
    void UpdateDraw##Name() { UpdateDrawFn(k##Name, Name##State); }                                 \
    void Move##Name() { MoveFn(k##Name, Name##State); }                                             \
    namespace {                                                                                     \
    catalogue::Reset reset##Name(catalogue::Name, catalogue::PartRecords, 0,                        \
                                 [] { ResetFn(Name##State); });                                     \
    }
