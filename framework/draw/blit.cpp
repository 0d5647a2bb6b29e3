#include "framework/draw/blit.h"

#include "framework/draw/object.h"
#include "framework/draw/screen.h"
#include "platform/gdi.h"
#include "platform/surface.h"

namespace {

// The rectangle a blit hands to the surface copy; kept between calls as the
// copies' own scratch storage.
plat::Rect gBlitRect;

// One clipped, checked copy of a picture's rectangle onto a target surface.
void CopyClipped(plat::Surface* target, int x, int y, int handle, int left, int top, int right, int bottom,
                 bool keyed) {
    plat::Surface* src = fwDraw::BlitSource(handle, left, top, right, bottom);
    if (!src || !target) return;
    if (!fwDraw::ClipBlit(x, y, left, top, right, bottom)) return;
    gBlitRect = {left, top, right, bottom};
    // A lost surface is restored once; the sprite is missing for this frame.
    if (plat::CopyFast(target, x, y, src, gBlitRect, keyed) == plat::kSurfaceLost) fwDraw::RestoreAll();
}

void Stretch(int x, int y, int handle, int left, int top, int right, int bottom, int dstW, int dstH, bool keyed) {
    plat::Surface* src = fwDraw::BlitSource(handle, left, top, right, bottom);
    if (!src || !BackSurface) return;
    if (CanStretch) {
        plat::Rect dst{x, y, x + dstW, y + dstH};
        gBlitRect = {left, top, right, bottom};
        if (plat::CopyStretched(BackSurface, dst, src, gBlitRect, keyed) == plat::kSurfaceLost) fwDraw::RestoreAll();
        return;
    }
    // Through the buffer sprite: stretched into its top-left corner, then
    // drawn from there as a plain blit.
    plat::StretchCopy(DrawObjects[kBufferSprite].surface, 0, 0, dstW, dstH, src, left, top, right - left,
                      bottom - top);
    if (keyed)
        fwDraw::BltObject(x, y, kBufferSprite, 0, 0, dstW, dstH);
    else
        fwDraw::BltObjectOpaque(x, y, kBufferSprite, 0, 0, dstW, dstH);
}

}  // namespace

namespace fwDraw {

plat::Surface* BlitSource(int handle, int left, int top, int right, int bottom) {
    if (handle < 0 || handle >= kDrawObjectCount) return nullptr;
    plat::Surface* s = DrawObjects[handle].surface;
    if (!s) return nullptr;
    if (left < 0 || top < 0 || left > right || top > bottom || right > s->width || bottom > s->height) return nullptr;
    return s;
}

bool ClipBlit(int& x, int& y, int& left, int& top, int& right, int& bottom) {
    // In 64 bits: far-off positions (parked objects) must not wrap around.
    int64_t excess = static_cast<int64_t>(x) + (right - left) - ClipRight;
    if (excess > 0) {
        if (right - excess < left) return false;
        right = static_cast<int>(right - excess);
    }
    excess = static_cast<int64_t>(y) + (bottom - top) - ClipBottom;
    if (excess > 0) {
        if (bottom - excess < top) return false;
        bottom = static_cast<int>(bottom - excess);
    }
    if (right < left || bottom < top) return false;
    if (x < ClipLeft) {
        int64_t shifted = static_cast<int64_t>(left) + (static_cast<int64_t>(ClipLeft) - x);
        if (shifted > right) return false;
        left = static_cast<int>(shifted);
        x = ClipLeft;
    }
    if (y < ClipTop) {
        int64_t shifted = static_cast<int64_t>(top) + (static_cast<int64_t>(ClipTop) - y);
        if (shifted > bottom) return false;
        top = static_cast<int>(shifted);
        y = ClipTop;
    }
    return true;
}

void BltObject(int x, int y, int handle, int left, int top, int right, int bottom) {
    CopyClipped(BackSurface, x, y, handle, left, top, right, bottom, true);
}

void BltObjectOpaque(int x, int y, int handle, int left, int top, int right, int bottom) {
    CopyClipped(BackSurface, x, y, handle, left, top, right, bottom, false);
}

void BltObjectToObject(int dstHandle, int x, int y, int handle, int left, int top, int right, int bottom) {
    CopyClipped(ObjectSurface(dstHandle), x, y, handle, left, top, right, bottom, true);
}

void BltObjectToObjectOpaque(int dstHandle, int x, int y, int handle, int left, int top, int right, int bottom) {
    CopyClipped(ObjectSurface(dstHandle), x, y, handle, left, top, right, bottom, false);
}

void BltStretched(int x, int y, int handle, int left, int top, int right, int bottom, int dstW, int dstH) {
    Stretch(x, y, handle, left, top, right, bottom, dstW, dstH, true);
}

void BltStretchedOpaque(int x, int y, int handle, int left, int top, int right, int bottom, int dstW, int dstH) {
    Stretch(x, y, handle, left, top, right, bottom, dstW, dstH, false);
}

}  // namespace fwDraw
