// The blits drawn row by row or tile by tile through the core blits.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "framework/draw/blit.h"
#include "framework/draw/screen.h"
#include "framework/system/named.h"
#include "framework/system/random.h"
#include "framework/system/system.h"

float WavePhase;
int32_t WaveSign = 1;
float WaveScrollPhase;
float WaveScrollOffset;
float WaveTiledPhase;
float WaveTiledScroll;
float TiledScrollX;
float TiledScrollY;
float RollPhase;

namespace {

named::Registrar reg([] {
    NAMED_SCALAR(WavePhase);
    NAMED_SCALAR(WaveSign);
    NAMED_SCALAR(WaveScrollPhase);
    NAMED_SCALAR(WaveScrollOffset);
    NAMED_SCALAR(WaveTiledPhase);
    NAMED_SCALAR(WaveTiledScroll);
    NAMED_SCALAR(TiledScrollX);
    NAMED_SCALAR(TiledScrollY);
    NAMED_SCALAR(RollPhase);
});

constexpr double kPi = 3.14159265358979323846;

// Sideways offset of row r of a wave: the cosine of an angle in degrees
// that steps once every `period` rows, moved on by the phase.
int WaveOffset(int r, int period, float phase, int amplitude) {
    int angle = (period != 0 ? r / period : r) + static_cast<int>(phase);
    return static_cast<int>(std::cos(angle * 2 * kPi / 360) * amplitude);
}

void AdvancePhase(float& phase, float speed) {
    phase += FrameSeconds * speed;
    if (phase >= 360) phase -= 360;
}

// Scroll offset moving down by speed, kept within [0, h).
void AdvanceScroll(float& offset, float speed, int h) {
    offset -= FrameSeconds * speed;
    if (offset < 0) offset += static_cast<float>(h);
    if (offset >= static_cast<float>(h)) offset -= static_cast<float>(h);
}

// One source row at a destination.
void Row(int x, int y, int handle, int left, int row, int right) {
    fwDraw::BltObject(x, y, handle, left, row, right, row + 1);
}

}  // namespace

namespace fwDraw {

void BltWave(int x, int y, int amplitude, int period, float speed, int handle, int left, int top, int right,
             int bottom, int alternate) {
    if (BlitSource(handle, left, top, right, bottom)) {
        for (int r = top; r < bottom; ++r) {
            int offset = WaveOffset(r, period, WavePhase, amplitude);
            if (alternate) {
                offset *= WaveSign;
                WaveSign = -WaveSign;
            }
            Row(x + offset, y + r - top, handle, left, r, right);
        }
    }
    AdvancePhase(WavePhase, speed);
}

void BltWaveScrollV(int x, int y, int amplitude, int period, float speed, float scrollSpeed, int handle, int left,
                    int top, int right, int bottom) {
    const int h = bottom - top;
    if (BlitSource(handle, left, top, right, bottom)) {
        for (int r = top; r < bottom; ++r) {
            int s = static_cast<int>(WaveScrollOffset) + r;
            if (s >= bottom) s -= h;
            Row(x + WaveOffset(r, period, WaveScrollPhase, amplitude), y + r, handle, left, s, right);
        }
    }
    AdvancePhase(WaveScrollPhase, speed);
    if (h > 0) AdvanceScroll(WaveScrollOffset, scrollSpeed, h);
}

void BltWaveTiled(int topY, int bottomY, int amplitude, int period, float speed, float scrollSpeed, int handle,
                  int left, int top, int right, int bottom) {
    const int w = right - left, h = bottom - top;
    if (w <= 0 || h <= 0) return;  // a tile needs a size to repeat at
    if (BlitSource(handle, left, top, right, bottom)) {
        const int tiles = ScreenWidth / w + 2;
        for (int i = 0; i < bottomY - topY; ++i) {
            int o = i % h + static_cast<int>(WaveTiledScroll);
            if (o > h - 1) o -= h;
            int offset = WaveOffset(i, period, WaveTiledPhase, amplitude);
            for (int k = 0; k < tiles; ++k) Row(w * k + offset - amplitude, topY + i, handle, left, top + o, right);
        }
    }
    AdvancePhase(WaveTiledPhase, speed);
    AdvanceScroll(WaveTiledScroll, scrollSpeed, h);
}

void BltTiledScroll(float speedX, float speedY, int handle, int left, int top, int right, int bottom) {
    const int w = right - left, h = bottom - top;
    if (w <= 0 || h <= 0) return;
    if (BlitSource(handle, left, top, right, bottom)) {
        const int ox = static_cast<int>(TiledScrollX), oy = static_cast<int>(TiledScrollY);
        for (int j = 0; j < ScreenHeight / h + 2; ++j)
            for (int i = 0; i < ScreenWidth / w + 2; ++i)
                BltObject(w * i + ox, h * j + oy, handle, left, top, right, bottom);
    }
    TiledScrollX += FrameSeconds * speedX;
    TiledScrollY += FrameSeconds * speedY;
    if (TiledScrollX < static_cast<float>(-w)) TiledScrollX += static_cast<float>(w);
    if (TiledScrollX > 0) TiledScrollX -= static_cast<float>(w);
    if (TiledScrollY < static_cast<float>(-h)) TiledScrollY += static_cast<float>(h);
    if (TiledScrollY > 0) TiledScrollY -= static_cast<float>(h);
}

void BltVerticalMosaic(int x, int y, int band, int handle, int left, int top, int right, int bottom) {
    if (band <= 0 || !BlitSource(handle, left, top, right, bottom)) return;
    for (int r = top; r < bottom; r += band)
        for (int q = r; q < r + band; ++q) Row(x, y + q - top, handle, left, r, right);
}

void BltScanlines(int x, int y, int n, int handle, int left, int top, int right, int bottom) {
    if (n == 0 || !BlitSource(handle, left, top, right, bottom)) return;
    if (n > 0) {
        for (int64_t r = static_cast<int64_t>(top) + n; r < bottom; r += n)
            Row(x, y + static_cast<int>(r) - top, handle, left, static_cast<int>(r), right);
        return;
    }
    const int64_t gap = -static_cast<int64_t>(n);
    for (int64_t r = top + rng::rand() % gap + 1; r < bottom; r += rng::rand() % gap + 1)
        Row(x, y + static_cast<int>(r) - top, handle, left, static_cast<int>(r), right);
}

void BltShake(int x, int y, int n, int handle, int left, int top, int right, int bottom) {
    if (n < 1) {
        BltObject(x, y, handle, left, top, right, bottom);
        return;
    }
    if (!BlitSource(handle, left, top, right, bottom)) return;
    const int64_t span = 2 * static_cast<int64_t>(n);
    for (int r = top; r < bottom; ++r)
        Row(static_cast<int>(std::clamp<int64_t>(x + rng::rand() % span - n, INT32_MIN, INT32_MAX)), y + r - top,
            handle, left, r, right);
}

void BltRollOpaque(int x, int y, int dir, float speed, int handle, int left, int top, int right, int bottom) {
    const int h = bottom - top;
    if (h < 2) return;  // the roll divides by h - 1
    if (BlitSource(handle, left, top, right, bottom)) {
        const int half = h / 2;
        int next = 0;  // the first destination row not yet drawn
        for (int i = 0; i < h; ++i) {
            int end = static_cast<int>(std::cos((i + RollPhase) * 2 * kPi / (h - 1)) * half + half);
            for (int d = next; d <= end; ++d) BltObjectOpaque(x, y + d, handle, left, i, right, i + 1);
            next = end + 1;
        }
    }
    if (dir != 0) {
        RollPhase += FrameSeconds * speed;
        if (RollPhase >= static_cast<float>(h)) RollPhase -= static_cast<float>(h);
    } else {
        RollPhase -= FrameSeconds * speed;
        if (RollPhase < 0) RollPhase += static_cast<float>(h);
    }
}

}  // namespace fwDraw
