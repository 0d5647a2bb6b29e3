// The pixel effects of the back surface: smears, smoothing, enlargement,
// circular mosaic and grain, on 5-bit channels through PixelToRgb.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "framework/draw/backsurface.h"
#include "framework/draw/blit.h"
#include "framework/draw/object.h"
#include "framework/draw/screen.h"
#include "framework/system/random.h"
#include "platform/surface.h"

namespace {

constexpr int kRandomCount = sizeof(RandomBytes);

// A read position in RandomBytes, one per effect for the whole run; the
// rising smears count pixels beside it.
struct RandomCursor {
    int index = 0;
    int counter = 0;
};
RandomCursor gBlur, gBlurFade, gNoise, gChannelNoise;

void Advance(RandomCursor& c) {
    if (++c.index >= kRandomCount) c.index = rng::rand() % 1000;
}

uint8_t Next(RandomCursor& c) {
    uint8_t v = RandomBytes[c.index];
    Advance(c);
    return v;
}

// The rectangle cut to the locked surface; false when nothing is left.
bool CutToSurface(const plat::LockedPixels& px, int& x, int& y, int& w, int& h) {
    int64_t x0 = std::max<int64_t>(x, 0), y0 = std::max<int64_t>(y, 0);
    int64_t x1 = std::min<int64_t>(static_cast<int64_t>(x) + w, px.width);
    int64_t y1 = std::min<int64_t>(static_cast<int64_t>(y) + h, px.height);
    if (x1 <= x0 || y1 <= y0) return false;
    x = static_cast<int>(x0);
    y = static_cast<int>(y0);
    w = static_cast<int>(x1 - x0);
    h = static_cast<int>(y1 - y0);
    return true;
}

// The walk over a rectangle of the locked back surface.
struct Area {
    plat::LockedPixels px;
    int x, y, w, h;
    uint16_t& At(int i, int j) const { return px.pixels[static_cast<size_t>(y + j) * px.pitch + x + i]; }
};

// Locks the back surface for an effect over (x, y, w, h). Returns 0 when
// the lock fails, -1 when the rectangle holds nothing (unlocked again),
// 1 when the area is ready.
int Begin(Area& a, int x, int y, int w, int h) {
    if (plat::Lock(BackSurface, a.px) != plat::kOk) return 0;
    a.x = x;
    a.y = y;
    a.w = w;
    a.h = h;
    if (CutToSurface(a.px, a.x, a.y, a.w, a.h)) return 1;
    plat::Unlock(BackSurface);
    return -1;
}

// Per-channel average of four pixels, each channel lowered by one step
// where its fade flag is set.
uint16_t Average(uint16_t p0, uint16_t p1, uint16_t p2, uint16_t p3, const int fade[3]) {
    const uint8_t* c[4] = {PixelToRgb[p0], PixelToRgb[p1], PixelToRgb[p2], PixelToRgb[p3]};
    int v[3];
    for (int k = 0; k < 3; ++k) {
        v[k] = (c[0][k] + c[1][k] + c[2][k] + c[3][k]) / 4;
        if (fade[k] && v[k] > 0) --v[k];
    }
    return Compose5(v[0], v[1], v[2]);
}

int Blur(RandomCursor& cur, const int fade[3], int x, int y, int w, int h) {
    Area a;
    int r = Begin(a, x, y, w, h);
    if (r <= 0) return r == 0 ? 0 : 1;
    for (int j = 1; j <= a.h - 2; ++j) {
        const int below2 = std::min(j + 2, a.h - 1);  // the bottom row stands in for the row past it
        for (int i = 1; i <= a.w - 2; ++i) {
            ++cur.counter;
            if (cur.counter < RandomBytes[cur.index]) {
                a.At(i, j) = Average(a.At(i - 1, j + 1), a.At(i + 1, j + 1), a.At(i, j), a.At(i, below2), fade);
            } else {
                a.At(i, j) = a.At(i, j + 1);
                cur.counter = 0;
                Advance(cur);
            }
        }
    }
    plat::Unlock(BackSurface);
    return 1;
}

int Smooth(const int fade[3], int x, int y, int w, int h) {
    Area a;
    int r = Begin(a, x, y, w, h);
    if (r <= 0) return r == 0 ? 0 : 1;
    for (int j = 1; j <= a.h - 2; ++j)
        for (int i = 1; i <= a.w - 2; ++i)
            a.At(i, j) = Average(a.At(i - 1, j), a.At(i + 1, j), a.At(i, j - 1), a.At(i, j + 1), fade);
    plat::Unlock(BackSurface);
    return 1;
}

// Enlarges the rectangle `scale` times into object 0, writing `fill` x
// `fill` pixels of each block, and draws it back.
int Zoom(int x, int y, int w, int h, int scale, int fill) {
    plat::Surface* scratch = DrawObjects[kBufferSprite].surface;
    Area a;
    int r = Begin(a, x, y, w, h);
    if (r <= 0) return r == 0 ? 0 : 1;
    plat::LockedPixels o;
    if (plat::Lock(scratch, o) != plat::kOk) {
        plat::Unlock(BackSurface);
        return 0;
    }
    // The enlarged block must fit the scratch picture.
    const int w2 = std::min(a.w, o.width / scale), h2 = std::min(a.h, o.height / scale);
    for (int j = 0; j < h2; ++j)
        for (int i = 0; i < w2; ++i) {
            const uint16_t p = a.At(i, j);
            for (int dy = 0; dy < fill; ++dy) {
                uint16_t* row = o.pixels + static_cast<size_t>(scale * j + dy) * o.pitch + scale * i;
                std::fill(row, row + fill, p);
            }
        }
    plat::Unlock(scratch);
    plat::Unlock(BackSurface);
    fwDraw::BltObjectOpaque(a.x, a.y, kBufferSprite, 0, 0, scale * w2, scale * h2);
    return 1;
}

int Noise(RandomCursor& cur, const int add[3], int shift, int x, int y, int w, int h) {
    Area a;
    int r = Begin(a, x, y, w, h);
    if (r <= 0) return r == 0 ? 0 : 1;
    shift = std::clamp(shift, 0, 8);  // beyond 5 every step saturates anyway
    for (int j = 0; j < a.h; ++j)
        for (int i = 0; i < a.w; ++i) {
            const int n = Next(cur) << shift;
            const uint8_t* c = PixelToRgb[a.At(i, j)];
            int v[3];
            for (int k = 0; k < 3; ++k) v[k] = add[k] ? std::min(c[k] + n, 31) : c[k];
            a.At(i, j) = Compose5(v[0], v[1], v[2]);
        }
    plat::Unlock(BackSurface);
    return 1;
}

}  // namespace

namespace fwDraw {

int ScreenEffectBlur(int x, int y, int w, int h) {
    const int none[3] = {0, 0, 0};
    return Blur(gBlur, none, x, y, w, h);
}

int ScreenEffectBlurFade(int fadeR, int fadeG, int fadeB, int x, int y, int w, int h) {
    const int fade[3] = {fadeR, fadeG, fadeB};
    return Blur(gBlurFade, fade, x, y, w, h);
}

int ScreenEffectSmooth(int x, int y, int w, int h) {
    const int none[3] = {0, 0, 0};
    return Smooth(none, x, y, w, h);
}

int ScreenEffectSmoothFade(int fadeR, int fadeG, int fadeB, int x, int y, int w, int h) {
    const int fade[3] = {fadeR, fadeG, fadeB};
    return Smooth(fade, x, y, w, h);
}

int ScreenEffectZoom2(int x, int y, int w, int h, int mode) { return Zoom(x, y, w, h, 2, mode == 0 ? 2 : 1); }

int ScreenEffectZoom4(int x, int y, int w, int h, int mode) { return Zoom(x, y, w, h, 4, mode == 0 ? 4 : 2); }

int ScreenEffectCircleMosaic(int cx, int cy, int radius, int block) {
    if (block < 1 || radius < 1) return 1;  // no blocks to walk
    plat::LockedPixels px;
    if (plat::Lock(BackSurface, px) != plat::kOk) return 0;
    const int64_t W = std::min<int64_t>(ScreenWidth, px.width), H = std::min<int64_t>(ScreenHeight, px.height);
    // The box around the centre, cut to the screen.
    int64_t left = -static_cast<int64_t>(radius), top = left, right = radius, bottom = radius;
    if (cx + left < 0) left = -static_cast<int64_t>(cx);
    if (cy + top < 0) top = -static_cast<int64_t>(cy);
    if (cx + right >= W) right = W - cx;
    if (cy + bottom >= H) bottom = H - cy;
    const int64_t r2 = static_cast<int64_t>(radius);
    for (int64_t by = top; by < bottom; by += block)
        for (int64_t bx = left; bx < right; bx += block) {
            const int64_t sx = cx + bx, sy = cy + by;
            if (sx < 0 || sy < 0 || sx >= W || sy >= H) continue;
            const uint16_t colour = px.pixels[static_cast<size_t>(sy) * px.pitch + sx];
            for (int64_t dy = 0; dy < block && sy + dy < H; ++dy)
                for (int64_t dx = 0; dx < block && sx + dx < W; ++dx) {
                    const double ox = static_cast<double>(bx + dx), oy = static_cast<double>(by + dy);
                    if (static_cast<int64_t>(std::sqrt(ox * ox + oy * oy)) < r2)
                        px.pixels[static_cast<size_t>(sy + dy) * px.pitch + sx + dx] = colour;
                }
        }
    plat::Unlock(BackSurface);
    return 1;
}

int ScreenEffectNoise(int shift, int x, int y, int w, int h) {
    const int all[3] = {1, 1, 1};
    return Noise(gNoise, all, shift, x, y, w, h);
}

int ScreenEffectChannelNoise(int addR, int addG, int addB, int shift, int x, int y, int w, int h) {
    const int add[3] = {addR, addG, addB};
    return Noise(gChannelNoise, add, shift, x, y, w, h);
}

}  // namespace fwDraw
