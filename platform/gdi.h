// Drawing-context services over surfaces. This part: Windows bitmap files
// and the copies between bitmaps, surfaces and colours.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace plat {

// A COLORREF: 0x00BBGGRR.
using ColorRef = uint32_t;
constexpr ColorRef Rgb(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// A colour as a surface pixel: each channel cut to its 5, 6 and 5 top bits.
constexpr uint16_t PixelFromColorRef(ColorRef c) {
    return static_cast<uint16_t>(((c & 0xF8) << 8) | ((c >> 5) & 0x07E0) | ((c >> 19) & 0x1F));
}
// A surface pixel as a colour, each channel widened by its low bits cleared,
// so that PixelFromColorRef(ColorRefFromPixel(p)) == p.
constexpr ColorRef ColorRefFromPixel(uint16_t p) {
    return Rgb((p >> 11) << 3, ((p >> 5) & 0x3F) << 2, (p & 0x1F) << 3);
}

// A decoded bitmap: 0x00RRGGBB per pixel, top row first.
struct Bitmap {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> rgb;
};

// The most pixels a picture may have (the game's largest has 640 x 480):
// no picture a file claims costs more than a few tens of megabytes.
constexpr int64_t kMaxBitmapSide = 2048;
constexpr int64_t kMaxBitmapPixels = kMaxBitmapSide * kMaxBitmapSide;

// Reads a Windows bitmap file of any depth SDL decodes. nullptr when the
// file is missing or not a bitmap; *fault then says what is wrong where
// that is more than "not a bitmap this reader takes": no file or something
// other than a file under the name, or a picture of too many pixels or too
// long a side.
Bitmap* LoadBitmapFile(const std::string& path, std::string* fault = nullptr);
// Whether a bitmap file's leading bytes (head, headSize of them) describe a
// picture this reader takes (uncompressed, sides 1 to 16384, a depth of 1,
// 4, 8, 16, 24 or 32 bits) whose palette holds no more colours than the
// depth allows and ends before the pixels, and whose rows all lie within
// fileSize bytes, and of kMaxBitmapPixels or fewer (*why says so when it
// has more, or when a side is longer than 16384).
bool BitmapHeaderFits(const uint8_t* head, size_t headSize, int64_t fileSize, std::string* why = nullptr);
void DeleteBitmap(Bitmap* bitmap);

// Copies the source rectangle of the bitmap onto the whole surface
// (stretched when the sizes differ, nearest neighbour), each channel cut to
// 5-6-5. A source width or height of 0 means the bitmap's own. kFail when
// either is missing or the rectangle leaves the bitmap.
int32_t CopyBitmapToSurface(Surface* surface, const Bitmap* bitmap, int sourceX, int sourceY, int sourceWidth,
                            int sourceHeight);

// A pixel through a drawing context: read as a colour, written from one.
// Outside the surface GetPixel gives 0xFFFFFFFF and SetPixel does nothing.
ColorRef GetPixel(Surface* surface, int x, int y);
bool SetPixel(Surface* surface, int x, int y, ColorRef color);

// The drawing contexts' stretched copy (no colour key): the source rectangle
// onto the destination rectangle, nearest neighbour, cut to the target.
bool StretchCopy(Surface* dst, int x, int y, int width, int height, Surface* src, int sourceX, int sourceY,
                 int sourceWidth, int sourceHeight);

}  // namespace plat
