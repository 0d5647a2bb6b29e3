// Software blend blitters: the effects the surface copies cannot do.
//
// Each member takes the blit argument list with its extras between y and the
// image handle, locks the picture's surface and the back surface, walks the
// clipped rectangle and writes a new value for every source pixel that is not
// 0 (0 is transparent here whatever the picture's colour key). They return 1
// when they have drawn or when the clip leaves nothing, and 0 when a lock
// fails or the call is refused (no picture behind the handle, a source
// rectangle not wholly inside the picture, a level or mode out of range).
//
// "5-bit" channel values are those of PixelToRgb (a 6-bit green loses its low
// bit); "native" ones are the fields as they stand, (p >> shift) & max. The
// float members do not clamp: a factor above 1 that lifts a channel past its
// maximum spills into the neighbouring field.
#pragma once
#include <cstdint>

#include "platform/surface.h"

namespace fwDraw {

// min(31, s + d) per 5-bit channel.
int BltAdditive(int x, int y, int handle, int left, int top, int right, int bottom);
// Test hook: BltAdditive's vector kernels no wider than this many bits (512,
// 256, or 0 for the portable one), within what the processor has.
void UseAdditiveKernels(int widestBits);
// min(31, max(0, s - L) + d) per 5-bit channel, L = 31 - level * 31
// truncated: level 1 adds the whole source, level 0 nothing; levels past
// either end act as that end.
int BltAdditiveLevel(int x, int y, float level, int handle, int left, int top, int right, int bottom);
// ((s >> 1) & HalfMask) + ((d >> 1) & HalfMask): the two halves, low bits lost.
int BltHalfBlend(int x, int y, int handle, int left, int top, int right, int bottom);
// Every 5-bit channel of d less the source's red.
int BltSubtractive(int x, int y, int handle, int left, int top, int right, int bottom);
// max(0, s - (31 - level)) + max(0, d - level) per 5-bit channel, level 0..31:
// 31 gives the source, 0 the destination.
int BltLevelBlend(int x, int y, int level, int handle, int left, int top, int right, int bottom);
int BltLevelBlendRGB(int x, int y, int levelR, int levelG, int levelB, int handle, int left, int top, int right,
                     int bottom);
// BltLevelBlendRGB whose weights move toward the source by one table step
// every `step` rows (vertical) or columns past `start`.
int BltLevelRamp(int x, int y, int levelR, int levelG, int levelB, int vertical, uint16_t start, int step, int handle,
                 int left, int top, int right, int bottom);
// s * alpha + d * (1 - alpha) per native channel, truncated.
int BltAlpha(int x, int y, float alpha, int handle, int left, int top, int right, int bottom);
int BltAlphaRGB(int x, int y, float alphaR, float alphaG, float alphaB, int handle, int left, int top, int right,
                int bottom);
// BltAlphaRGB whose destination weights fall by 1/32 (not below 0) every
// `step` rows (vertical) or columns past `start`.
int BltAlphaRamp(int x, int y, float alphaR, float alphaG, float alphaB, int vertical, uint16_t start, int step,
                 int handle, int left, int top, int right, int bottom);
// s * factor per native channel, truncated; the destination is not read.
int BltBrightness(int x, int y, float factor, int handle, int left, int top, int right, int bottom);
int BltTintRGB(int x, int y, float factorR, float factorG, float factorB, int handle, int left, int top, int right,
               int bottom);
// max(0, s - (31 - level)) per 5-bit channel, level 0..31.
int BltDarken(int x, int y, int level, int handle, int left, int top, int right, int bottom);
int BltDarkenRGB(int x, int y, int levelR, int levelG, int levelB, int handle, int left, int top, int right,
                 int bottom);
// s with only the fields whose keep flag is non-zero.
int BltChannelMask(int x, int y, int keepR, int keepG, int keepB, int handle, int left, int top, int right, int bottom);
// (r + g + b) / 3 of the 5-bit channels, in all three.
int BltGreyscale(int x, int y, int handle, int left, int top, int right, int bottom);
// Each pixel averaged with the destination beside it where its neighbours in
// the picture are transparent: softens a sprite's outline.
int BltSoftEdge(int x, int y, int handle, int left, int top, int right, int bottom);
// The average of the n x n block of the picture whose top-left is the pixel
// (moved in to end at the rectangle's edge), transparent pixels as black.
int BltBlur(int x, int y, int n, int handle, int left, int top, int right, int bottom);
// A keyed copy, mirrored: mode 0 none, 1 left-right, 2 top-bottom, 3 both.
// Clipping cuts the mirrored picture in place.
int BltFlipped(int x, int y, int mode, int handle, int left, int top, int right, int bottom);

// The locks of a software blit: the picture's surface, then the back surface.
struct SoftLocks {
    plat::Surface* picture = nullptr;
    plat::LockedPixels src, dst;
};
// Takes both locks; false (with nothing left locked) when either fails.
bool LockForSoftBlit(plat::Surface* picture, SoftLocks& locks);
void UnlockSoftBlit(SoftLocks& locks);
// The clip rectangle cut to the back surface's own size, so that a clip
// rectangle set past the screen never lets a software blit write outside it.
void SoftClipBounds(int& left, int& top, int& right, int& bottom);

}  // namespace fwDraw
