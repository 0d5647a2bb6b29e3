#include "game/enemies/family.h"

#include "framework/draw/coord.h"
#include "framework/draw/draw.h"
#include "framework/sound/sound.h"
#include "framework/system/random.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"

namespace enemies {
namespace {

void BlitToScreen(Blit how, int x, int y, int image, int left, int top, int right, int bottom) {
    switch (how) {
    case Blit::Object: fwDraw::BltObject(x, y, image, left, top, right, bottom); break;
    case Blit::Additive: fwDraw::BltAdditive(x, y, image, left, top, right, bottom); break;
    case Blit::HalfBlend: fwDraw::BltHalfBlend(x, y, image, left, top, right, bottom); break;
    }
}

void RotatedToScreen(int left, int top, int right, int bottom, int angle, int image, int srcLeft, int srcTop,
                     int srcRight, int srcBottom) {
    fwDraw::BltRotated(left, top, right, bottom, angle, image, srcLeft, srcTop, srcRight, srcBottom);
}

void Fire(void (*spawn)(int32_t), int32_t arg) { spawn(arg); }

}  // namespace

constinit Output output{BlitToScreen, RotatedToScreen, fwSound::Play, Fire};

bool Open(Gate gate) {
    switch (gate) {
    case Gate::Always: return true;
    case Gate::SubMode: return PlaySubMode == 1;
    case Gate::ModeOrSubMode: return PlayMode == 2 || PlaySubMode == 1;
    }
    return false;
}

void Draw(const Start& s, float& field) {
    if (s.keep) return;
    int32_t v = s.base;
    if (s.mod > 0) v += s.sign * (rng::rand() % s.mod);
    field = static_cast<float>(v);
}

void DrawCells(std::span<const Cell> cells, float x, float y, int frame) {
    const int ix = fwDraw::ToBlitCoord(x);
    const int iy = fwDraw::ToBlitCoord(y);
    for (const Cell& c : cells)
        output.blit(c.how, ix + c.ox + c.ax * frame, iy + c.oy + c.ay * frame, *c.image, c.size * frame, 0,
                    c.size * frame + c.size, c.size);
}

bool ExplosionFrame(const Pattern& pattern, int lastCell, float x, float y, int32_t& frame, int32_t& loop) {
    DrawCells(AdditiveEffects == 1 ? pattern.additive : pattern.plain, x, y, frame);
    if (frame == 0) output.play(SndBom, -1);  // the next mixing buffer in turn
    if (++frame > lastCell) {
        frame = 0;
        ++loop;
    }
    return loop > 1;
}

void DrawLockMarker(LockSlot& lock, bool active, float x, float y, Point offset) {
    if (lock.locked == 0 || !active) return;
    lock.x = fwDraw::ToBlitCoord(x) + offset.x;
    lock.y = fwDraw::ToBlitCoord(y) + offset.y;
    output.blit(Blit::Object, lock.x, lock.y, ImgRock1, 0, 0, 60, 60);
}

}  // namespace enemies
