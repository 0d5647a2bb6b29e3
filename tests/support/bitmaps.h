// Small picture files and pixel helpers for the drawing tests.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// The bytes of a bitmap file with the 40-byte header: `extra` zero bytes
// (bit-field masks, palette) between the headers and `imageBytes` zero
// bytes of pixels, and `colours` as the header's colour count. Another
// `infoSize` gives the old 12-byte header (16-bit sides and depth, nothing
// more) or a longer one (52, 56, 108, 124 bytes) whose further fields are 0.
std::vector<uint8_t> BitmapBytes(int width, int height, int bits, uint32_t compression, size_t extra,
                                 size_t imageBytes, uint32_t colours = 0, uint32_t infoSize = 40);
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// The bytes of a 24-bit bottom-up Windows bitmap; rgb(x, y) gives 0xRRGGBB.
std::vector<uint8_t> Bmp24Bytes(int width, int height, const std::function<uint32_t(int, int)>& rgb);
// Writes that bitmap as the file at `path`.
bool WriteBmp24(const std::string& path, int width, int height, const std::function<uint32_t(int, int)>& rgb);
// Writes a 16-bit 5-6-5 bitmap (bit fields); pixel(x, y) gives the value.
bool WriteBmp565(const std::string& path, int width, int height, const std::function<uint16_t(int, int)>& pixel);

// The 5-6-5 pixel of 8-bit channels, each cut to its top bits.
constexpr uint16_t Pixel565(int r, int g, int b) {
    return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

}  // namespace testsupport
