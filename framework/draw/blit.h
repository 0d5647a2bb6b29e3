// The blit family: every picture reaches the back surface through these.
//
// Argument list: destination x and y, image handle, then the source
// rectangle left, top, right, bottom (right and bottom exclusive), then the
// member's extras; members that draw onto another object put that object's
// handle first. Every member
//   - draws nothing when the handle names no picture or the source rectangle
//     does not lie wholly inside it (BlitSource), and
//   - cuts the source rectangle by the clip rectangle (ClipBlit).
// The blend blitters live in blend.h, the rotated and scaled ones in
// rotate.h, the special effects in effect.h; they follow the same rules
// through the same two helpers and lock the surfaces with plat::Lock.
#pragma once
#include <cstdint>

#include "framework/draw/screen.h"

namespace plat {
struct Surface;
}

// Animation state of the row-by-row and tiled members: one per operation,
// kept for the whole run, shared by all its callers, advanced once per call.
extern float WavePhase;          // BltWave
extern int32_t WaveSign;         // BltWave's alternation, starts at 1
extern float WaveScrollPhase;    // BltWaveScrollV
extern float WaveScrollOffset;
extern float WaveTiledPhase;     // BltWaveTiled
extern float WaveTiledScroll;
extern float TiledScrollX;       // BltTiledScroll
extern float TiledScrollY;
extern float RollPhase;          // BltRollOpaque

namespace fwDraw {

// The picture of handle when (left, top)-(right, bottom) lies wholly inside
// it; nullptr otherwise (bad handle, no surface, rectangle reaching outside).
plat::Surface* BlitSource(int handle, int left, int top, int right, int bottom);

// The clip rule: the source rectangle loses what would land right of
// ClipRight or below ClipBottom; what lies left of ClipLeft or above ClipTop
// moves the source's left/top in and the destination to the clip edge.
// False when nothing is left (right < left or bottom < top); a width or
// height of exactly 0 is left to the caller, which then draws nothing.
bool ClipBlit(int& x, int& y, int& left, int& top, int& right, int& bottom);

// True only where ClipBlit leaves nothing of a w x h rectangle (w, h >= 0)
// drawn at (x, y): wholly right of or below the clip rectangle, or ending
// left of or above it. Most calls of a busy frame are shots far off the
// playfield; this turns them away before anything is set up.
inline bool WhollyClipped(int x, int y, int64_t w, int64_t h) {
    return x > ClipRight || y > ClipBottom || x + w < ClipLeft || y + h < ClipTop;
}

// The core four.
void BltObject(int x, int y, int handle, int left, int top, int right, int bottom);
void BltObjectOpaque(int x, int y, int handle, int left, int top, int right, int bottom);
void BltObjectToObject(int dstHandle, int x, int y, int handle, int left, int top, int right, int bottom);
void BltObjectToObjectOpaque(int dstHandle, int x, int y, int handle, int left, int top, int right, int bottom);

// Stretched onto dstW x dstH at (x, y), colour-keyed or not; cut to the
// screen, not to the clip rectangle.
void BltStretched(int x, int y, int handle, int left, int top, int right, int bottom, int dstW, int dstH);
void BltStretchedOpaque(int x, int y, int handle, int left, int top, int right, int bottom, int dstW, int dstH);

// Row-by-row and tiled members.
void BltWave(int x, int y, int amplitude, int period, float speed, int handle, int left, int top, int right,
             int bottom, int alternate);
void BltWaveScrollV(int x, int y, int amplitude, int period, float speed, float scrollSpeed, int handle, int left,
                    int top, int right, int bottom);
void BltWaveTiled(int topY, int bottomY, int amplitude, int period, float speed, float scrollSpeed, int handle,
                  int left, int top, int right, int bottom);
void BltTiledScroll(float speedX, float speedY, int handle, int left, int top, int right, int bottom);
void BltVerticalMosaic(int x, int y, int band, int handle, int left, int top, int right, int bottom);
void BltScanlines(int x, int y, int n, int handle, int left, int top, int right, int bottom);
void BltShake(int x, int y, int n, int handle, int left, int top, int right, int bottom);
void BltRollOpaque(int x, int y, int dir, float speed, int handle, int left, int top, int right, int bottom);

}  // namespace fwDraw
