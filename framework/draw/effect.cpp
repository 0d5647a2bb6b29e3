#include "framework/draw/effect.h"

#include <algorithm>
#include <cmath>

#include "framework/draw/blend.h"
#include "framework/draw/blit.h"
#include "framework/draw/coord.h"
#include "framework/draw/object.h"
#include "framework/draw/screen.h"
#include "framework/system/named.h"
#include "platform/gdi_dc.h"
#include "platform/surface.h"

TunnelCell TunnelTable[kTunnelMaxWidth * kTunnelMaxHeight];
int32_t TunnelWidth, TunnelHeight;
int32_t TunnelTextureWidth, TunnelTextureHeight;

namespace {

named::Registrar reg([] {
    NAMED_SCALAR(TunnelWidth);
    NAMED_SCALAR(TunnelHeight);
    NAMED_SCALAR(TunnelTextureWidth);
    NAMED_SCALAR(TunnelTextureHeight);
});

constexpr double kPi = 3.14159265358979323846;

// BltLightSpill's place in RandomBytes, kept from call to call.
int gLightCursor = 0;

// A clipped walk over a picture's rectangle with both surfaces locked: walk
// pixel (i, j) reads the picture at (left + i, top + j) and lands on the
// back surface at (x + i, y + j).
struct Walk {
    plat::Surface* src = nullptr;
    plat::LockedPixels s, d;
    int x = 0, y = 0, left = 0, top = 0, w = 0, h = 0;
    uint16_t Src(int i, int j) const { return s.pixels[static_cast<size_t>(top + j) * s.pitch + left + i]; }
    uint16_t& Dst(int px, int py) const { return d.pixels[static_cast<size_t>(py) * d.pitch + px]; }
    bool OnBack(int64_t px, int64_t py) const { return px >= 0 && py >= 0 && px < d.width && py < d.height; }
};

// Cuts the rectangle by the clip rectangle and then by the back surface.
bool ClipToBack(int& x, int& y, int& left, int& top, int& right, int& bottom) {
    if (!fwDraw::ClipBlit(x, y, left, top, right, bottom)) return false;
    if (!BackSurface) return false;
    if (x < 0) {
        left -= x;
        x = 0;
    }
    if (y < 0) {
        top -= y;
        y = 0;
    }
    right = static_cast<int>(std::min<int64_t>(right, left + static_cast<int64_t>(BackSurface->width) - x));
    bottom = static_cast<int>(std::min<int64_t>(bottom, top + static_cast<int64_t>(BackSurface->height) - y));
    return right >= left && bottom >= top;
}

// Clips the rectangle and makes it the walk's; false when nothing is left.
bool Place(Walk& k, int x, int y, int left, int top, int right, int bottom) {
    if (!ClipToBack(x, y, left, top, right, bottom)) return false;
    k.x = x;
    k.y = y;
    k.left = left;
    k.top = top;
    k.w = right - left;
    k.h = bottom - top;
    return true;
}

// Locks the picture, then the back surface. 1: ready; 0: a lock failed
// (nothing left locked).
int Lock(Walk& k) {
    fwDraw::SoftLocks locks;
    if (!fwDraw::LockForSoftBlit(k.src, locks)) return 0;
    k.s = locks.src;
    k.d = locks.dst;
    return 1;
}

void Unlock(Walk& k) {
    fwDraw::SoftLocks locks;
    locks.picture = k.src;
    fwDraw::UnlockSoftBlit(locks);
}

// The usual start: checked source, clipped rectangle, both locks.
// 1: walk it; 0: a lock failed; -1: nothing to draw.
int Begin(Walk& k, int x, int y, int handle, int left, int top, int right, int bottom) {
    k.src = fwDraw::BlitSource(handle, left, top, right, bottom);
    if (!k.src || !Place(k, x, y, left, top, right, bottom)) return -1;
    return Lock(k);
}

int Result(int begun) { return begun == 0 ? 0 : 1; }

// A texture coordinate: truncated, then wrapped into 0 .. size - 1; 0 for
// a value that is not a number.
int16_t Wrap(double v, int size) {
    if (!std::isfinite(v)) return 0;
    double t = std::fmod(std::trunc(v), size);
    if (t < 0) t += size;
    return static_cast<int16_t>(t);
}

int64_t Wrap64(int64_t v, int64_t size) {
    v %= size;
    return v < 0 ? v + size : v;
}

bool InClip(int64_t px, int64_t py) { return px >= ClipLeft && px < ClipRight && py >= ClipTop && py < ClipBottom; }

}  // namespace

namespace fwDraw {

int BuildTunnelTable(int textureWidth, int textureHeight, int width, int height, int centreX, int centreY, int n,
                     int centreMode, int distanceMode, int depthMode) {
    if (width < 1 || height < 1 || width > kTunnelMaxWidth || height > kTunnelMaxHeight) return 0;
    if (textureWidth < 1 || textureHeight < 1 || textureWidth > 32767 || textureHeight > 32767) return 0;
    TunnelTextureWidth = textureWidth;
    TunnelTextureHeight = textureHeight;
    TunnelWidth = width;
    TunnelHeight = height;
    if (centreX == -1) centreX = width / 2;
    if (centreY == -1) centreY = height / 2;
    if (n == -1) n = 8;
    if (n < 2) n = 2;
    const double base = textureHeight / (2 * std::tan(kPi / n / 2));
    if (centreMode == 1) centreY = height;
    if (centreMode == 3) centreX = width;
    if (centreMode == 4) centreX = 0;
    for (int j = 0; j < height; ++j) {
        switch (centreMode) {
        case 1: --centreY; break;
        case 2: centreX = width; break;
        case 3: centreX = std::max(centreX - 1, 0); break;
        case 4: centreX = std::min(centreX + 1, width); break;
        }
        for (int i = 0; i < width; ++i) {
            if (centreMode == 2) --centreX;
            const double dx = i - centreX, dy = j - centreY;
            const double ax = std::fabs(dx), ay = std::fabs(dy);
            double d;
            switch (distanceMode) {
            case 1: d = std::max(ax, ay); break;
            case 2: d = (ax + ay) / 2; break;
            case 3: d = std::min(ax, ay); break;
            case 4: d = ax; break;
            case 5: d = ay; break;
            case 6: d = centreX; break;
            default: d = std::sqrt(dx * dx + dy * dy); break;
            }
            double f;
            switch (depthMode) {
            case 1: f = base / ((ay + 1) / 10); break;
            case 2: f = base / ((ax + 1) / 10); break;
            case 3: f = base / std::max(ax, ay); break;
            case 4: f = base / ((ax + ay) / 2); break;
            case 5: f = base / std::min(ax, ay); break;
            default: f = base / 32; break;
            }
            f = std::fabs(f);
            TunnelCell& cell = TunnelTable[static_cast<size_t>(j) * width + i];
            // A zero divisor (the centre, an axis) gives the cell (0, 0).
            if (d == 0 || !std::isfinite(f)) {
                cell = {0, 0};
                continue;
            }
            const double cx = centreX, cy = centreY;
            cell.column = Wrap(std::atan2(dy, dx) * textureWidth / (2 * kPi), textureWidth);
            cell.row = Wrap((std::sqrt(cx * cx + cy * cy) - d) * f / d, textureHeight);
        }
    }
    return 1;
}

int BltTunnel(int x, int y, int offsetX, int offsetY, int handle) {
    plat::Surface* src = ObjectSurface(handle);
    if (!src || !BackSurface || TunnelWidth <= 0 || TunnelHeight <= 0 || TunnelTextureWidth <= 0 ||
        TunnelTextureHeight <= 0)
        return 1;
    Walk k;
    k.src = src;
    if (!Lock(k)) return 0;
    for (int j = 0; j < TunnelHeight; ++j) {
        const int64_t py = static_cast<int64_t>(y) + j;
        if (py < 0 || py >= k.d.height) continue;
        for (int i = 0; i < TunnelWidth; ++i) {
            const int64_t px = static_cast<int64_t>(x) + i;
            if (px < 0 || px >= k.d.width) continue;
            const TunnelCell& cell = TunnelTable[static_cast<size_t>(j) * TunnelWidth + i];
            const int64_t tx = Wrap64(static_cast<int64_t>(cell.column) + offsetX, TunnelTextureWidth);
            const int64_t ty = Wrap64(static_cast<int64_t>(cell.row) + offsetY, TunnelTextureHeight);
            if (tx >= k.s.width || ty >= k.s.height) continue;  // a texture larger than the picture
            k.Dst(static_cast<int>(px), static_cast<int>(py)) = k.s.pixels[static_cast<size_t>(ty) * k.s.pitch + tx];
        }
    }
    Unlock(k);
    return 1;
}

int BltLightSpill(int x, int y, uint16_t shiftR, uint16_t shiftG, uint16_t shiftB, uint16_t directions, int drawSelf,
                  int handle, int left, int top, int right, int bottom) {
    static const struct {
        uint16_t bit;
        int dx, dy;
    } kDirs[8] = {{0x20, -1, -1}, {0x40, 0, -1}, {0x80, 1, -1}, {0x08, -1, 0},
                  {0x10, 1, 0},   {0x01, -1, 1}, {0x02, 0, 1},  {0x04, 1, 1}};
    Walk k;
    const int begun = Begin(k, x, y, handle, left, top, right, bottom);
    if (begun <= 0) return Result(begun);
    const int shift[3] = {std::min<int>(shiftR, 31), std::min<int>(shiftG, 31), std::min<int>(shiftB, 31)};
    for (int j = 0; j < k.h; ++j)
        for (int i = 0; i < k.w; ++i) {
            const uint16_t s = k.Src(i, j);
            if (s == 0) continue;
            const int px = k.x + i, py = k.y + j;
            if (drawSelf) k.Dst(px, py) = s;
            const int jitter = RandomBytes[gLightCursor];
            if (++gLightCursor >= static_cast<int>(sizeof(RandomBytes))) gLightCursor = 0;
            int light[3];
            for (int c = 0; c < 3; ++c) light[c] = std::max((PixelToRgb[s][c] >> shift[c]) - jitter, 0);
            for (int step = 1; step <= 31; ++step) {
                for (int& l : light)
                    if (l > 0) --l;
                if (light[0] == 0 && light[1] == 0 && light[2] == 0) break;
                for (const auto& dir : kDirs) {
                    if (!(directions & dir.bit)) continue;
                    const int64_t tx = px + static_cast<int64_t>(dir.dx) * step;
                    const int64_t ty = py + static_cast<int64_t>(dir.dy) * step;
                    if (!InClip(tx, ty) || !k.OnBack(tx, ty)) continue;
                    uint16_t& d = k.Dst(static_cast<int>(tx), static_cast<int>(ty));
                    const uint8_t* c = PixelToRgb[d];
                    d = Compose5(std::min(c[0] + light[0], 31), std::min(c[1] + light[1], 31),
                                std::min(c[2] + light[2], 31));
                }
            }
        }
    Unlock(k);
    return 1;
}

int BltRipple(int x, int y, int amplitude, int frequency, int step, float scale, float slant, int handle, int left,
              int top, int right, int bottom) {
    Walk k;
    // The ripple's shape spans the rectangle from its clipped left and top
    // edge to its given right and bottom edge.
    const int givenRight = right, givenBottom = bottom;
    const int begun = Begin(k, x, y, handle, left, top, right, bottom);
    if (begun <= 0) return Result(begun);
    if (step < 1) step = 1;  // every pixel
    const float spanX = static_cast<float>(givenRight - k.left), spanY = static_cast<float>(givenBottom - k.top);
    for (int j = 0; j < k.h; j += step)
        for (int i = 0; i < k.w; i += step) {
            const float u = 2.0f * i / spanX - 1.0f, v = 2.0f * j / spanY - 1.0f;
            const float e = std::exp(v * v - u * u);
            const float z = std::cos(std::sqrt(u * u + v * v) * static_cast<float>(frequency)) * e;
            const float yl = (z + 1.0f) * static_cast<float>(amplitude) / 2.0f + static_cast<float>(j);
            const float fx = std::trunc((static_cast<float>(i) + static_cast<float>(j) * slant) * scale);
            const float fy = std::trunc(yl * scale);
            if (!(std::fabs(fx) < 1e9f) || !(std::fabs(fy) < 1e9f)) continue;  // far off, or not a number
            // From the walk's own corner, moved by the clip like the picture's.
            const int64_t tx = k.x + static_cast<int64_t>(fx), ty = k.y + static_cast<int64_t>(fy);
            if (InClip(tx, ty) && k.OnBack(tx, ty)) k.Dst(static_cast<int>(tx), static_cast<int>(ty)) = k.Src(i, j);
        }
    Unlock(k);
    return 1;
}

int BltDisplace(int x, int y, float level, int handle, int left, int top, int right, int bottom) {
    Walk k;
    const int begun = Begin(k, x, y, handle, left, top, right, bottom);
    if (begun <= 0) return Result(begun);
    // 31 - level x 31, truncated as a whole (level 0.5 gives 15); 64-bit so
    // that a far-off level cannot overflow the subtraction below.
    const int64_t L = ToBlitCoord(31.0f - level * 31.0f);
    for (int j = 0; j < k.h; ++j)
        for (int i = 0; i < k.w; ++i) {
            const uint16_t s = k.Src(i, j);
            if (s == 0) continue;
            int64_t t = PixelToRgb[s][0] - L;
            if (t <= 0 || t >= k.h - j) t = 0;
            k.Dst(k.x + i, k.y + j) = k.Dst(k.x + i, k.y + j + static_cast<int>(t));
        }
    Unlock(k);
    return 1;
}

int BltEdgeStretch(int x, int y, int mode, int pos, int handle, int left, int top, int right, int bottom) {
    if (mode < 0 || mode > 3) return 1;
    // The pictured rectangle must lie in the picture and hold column / row pos.
    if (!BlitSource(handle, left, top, right, bottom)) return 1;
    const bool columns = mode < 2;
    if (pos < 0 || pos >= (columns ? right - left : bottom - top)) return 1;
    const int origLeft = left, origTop = top;
    if (mode == 0) right = ScreenWidth - left;
    if (mode == 2) bottom = ScreenHeight - top;
    Walk k;
    k.src = ObjectSurface(handle);
    if (!Place(k, x, y, left, top, right, bottom)) return 1;
    if (!Lock(k)) return 0;
    // Source pixel of walk position (i, j), in the rectangle's own columns and rows.
    auto source = [&](int i, int j) {
        int c = k.left - origLeft + i, r = k.top - origTop + j;
        switch (mode) {
        case 0: c = std::min(c, pos); break;
        case 1: c = std::max(c, pos); break;
        case 2: r = std::min(r, pos); break;
        default: r = std::max(r, pos); break;
        }
        return k.s.pixels[static_cast<size_t>(origTop + r) * k.s.pitch + origLeft + c];
    };
    for (int j = 0; j < k.h; ++j)
        for (int i = 0; i < k.w; ++i) {
            const uint16_t p = source(i, j);
            if (p != 0) k.Dst(k.x + i, k.y + j) = p;
        }
    // Modes 1 and 3 also fill the screen before the picture, unkeyed.
    if (mode == 1) {
        const int end = std::min(k.x, k.d.width);
        for (int j = 0; j < k.h; ++j) {
            const uint16_t p = k.s.pixels[static_cast<size_t>(k.top + j) * k.s.pitch + origLeft + pos];
            std::fill(&k.Dst(0, k.y + j), &k.Dst(0, k.y + j) + end, p);
        }
    } else if (mode == 3) {
        const int end = std::min(k.y, k.d.height);
        for (int r = 0; r < end; ++r)
            for (int i = 0; i < k.w; ++i)
                k.Dst(k.x + i, r) = k.s.pixels[static_cast<size_t>(origTop + pos) * k.s.pitch + k.left + i];
    }
    Unlock(k);
    return 1;
}

void InvertRectGdi(int left, int top, int right, int bottom) {
    plat::DC* dc = plat::GetDC(BackSurface);
    if (!dc) return;
    plat::InvertRect(dc, {left, top, right, bottom});
    plat::ReleaseDC(BackSurface, dc);
}

}  // namespace fwDraw
