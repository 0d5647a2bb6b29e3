// The back surface on the screen. The display shows one RGB565 surface (the
// primary surface) through an ARGB8888 streaming texture filled by a lookup
// table, scaled to the window with its aspect kept and black bars. Where the
// only renderer on offer draws on the processor anyway (window.h), the
// surface is converted and scaled in one pass straight into the window's own
// surface instead (scale.h), to the same pixels, with no vertical blank to
// wait for. With the dummy video driver (or no window) nothing is shown and
// nothing waits, but the shown surface is still remembered for
// SavePresentedFrame.
#pragma once
#include <cstdint>
#include <string>

#include "platform/surface.h"

namespace plat {

// Takes the display at the given size and depth. Only 16 bits per pixel is
// offered; any other depth is refused (false).
bool SetDisplayMode(int width, int height, int bitsPerPixel);
void RestoreDisplayMode();  // frees the texture and forgets the shown surface

// Shows the surface; with waitVBlank the show waits for the vertical blank.
void ShowSurface(const Surface* surface, bool waitVBlank);

// The RGB565 -> ARGB8888 conversion of the present, row by row.
void ConvertToArgb(const Surface* surface, uint32_t* out, int outPitchPixels);
void ConvertRowToArgb(const uint16_t* row, uint32_t* out, int width);
uint32_t ArgbOfPixel(uint16_t pixel);

// Writes the last presented picture as a 24-bit BMP. False when nothing has
// been presented yet or the file cannot be written.
bool SavePresentedFrame(const std::string& path);

}  // namespace plat
