// The display, the blit clip rectangle, the back surface's pixel format and
// the tables that the software blitters read.
#pragma once
#include <cstdint>

namespace plat {
struct Surface;
}

// Display state, set up once by fwDraw::Screen.
extern int32_t DirectDraw;  // 1 while the display is held
extern plat::Surface* PrimarySurface;
extern plat::Surface* BackSurface;  // every drawing call draws here
extern int32_t Clipper;             // 1 while the windowed-mode clipper exists
extern int32_t ScreenWidth;
extern int32_t ScreenHeight;
extern uint32_t ScreenBitsPerPixel;  // asked of the display; 16
extern uint32_t FallbackBitsPerPixel1;
extern uint32_t FallbackBitsPerPixel2;
extern uint32_t AcceleratedDriver;
extern uint32_t CanStretch;
extern int32_t ScreenRect[4];        // left, top, right, bottom: the present's source
extern int32_t WindowScreenRect[4];  // the present's destination
extern int32_t DefaultScreenWidth;
extern int32_t DefaultScreenHeight;

// Blit clip rectangle: left and top inclusive, right and bottom exclusive.
extern int32_t ClipLeft, ClipTop, ClipRight, ClipBottom;

// Pixel format of the back surface.
extern uint32_t RedMask, GreenMask, BlueMask;
extern int16_t RedShift, GreenShift, BlueShift;
extern uint32_t RedMax, GreenMax, BlueMax;
extern int16_t RedShift5, GreenShift5, BlueShift5;  // places a 5-bit value at the top of its field

// A screen pixel of three 5-bit channel values.
inline uint16_t Compose5(int r, int g, int b) {
    return static_cast<uint16_t>((r << RedShift5) | (g << GreenShift5) | (b << BlueShift5));
}
extern uint32_t HalfMask;    // every channel less its top bit: ((a >> 1) & HalfMask) + ((b >> 1) & HalfMask)
extern uint32_t WhitePixel;  // every channel at its maximum

// Tables. The four-index tables are flat: channel * 32768 + level * 1024 +
// x * 32 + y; SubtractiveTable: channel * 1024 + x * 32 + y. Channel 0 is
// red, 1 green, 2 blue; each entry already stands in its channel's place.
constexpr int kChannelTable = 3 * 32 * 32 * 32;
extern uint8_t PixelToRgb[65536][3];              // 5-bit red, green, blue of a pixel
extern uint16_t LevelBlendTable[kChannelTable];   // max(x - a, 0) + max(y - (31 - a), 0)
extern uint16_t AdditiveTable[kChannelTable];     // min(max(s - a, 0) + d, 31)
extern uint16_t SubtractiveTable[3 * 32 * 32];    // max(x - y, 0)
extern int16_t GreyTable[94];                     // (r + g + b) / 3
extern uint8_t RandomBytes[10000];                // 0, 1 or 2
extern int32_t SinTable[450];                     // sin(degrees) * 360; cosine of i is entry i + 90

namespace fwDraw {

// Sets up the display, the surfaces, the format and the tables, then starts
// the other framework modules. Returns 1, or 0 after the error box.
int Screen(int width, int height, int placement);
void SetClipRect(int left, int top, int right, int bottom);
void SetScreenFormat(uint32_t bitsPerPixel, uint32_t fallback1, uint32_t fallback2);
// 1 from a successful fwDraw::Screen until fwDraw::ReleaseAll.
int ScreenIsUp();

// Flat table positions.
constexpr int TableIndex(int channel, int level, int x, int y) {
    return channel * 32768 + level * 1024 + x * 32 + y;
}
constexpr int SubtractiveIndex(int channel, int x, int y) { return channel * 1024 + x * 32 + y; }

}  // namespace fwDraw
