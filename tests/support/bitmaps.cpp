#include "tests/support/bitmaps.h"

#include <cstdio>
#include <vector>

namespace testsupport {
namespace {

void Put(std::vector<uint8_t>& b, size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::vector<uint8_t> BitmapBytes(int w, int h, int bits, uint32_t compression, size_t extra, size_t imageBytes,
                                 uint32_t colours, uint32_t infoSize) {
    size_t offset = 14 + infoSize + extra;
    std::vector<uint8_t> b(offset + imageBytes, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put(b, 2, static_cast<uint32_t>(b.size()), 4);
    Put(b, 10, static_cast<uint32_t>(offset), 4);
    Put(b, 14, infoSize, 4);
    if (infoSize == 12) {
        Put(b, 18, static_cast<uint32_t>(w), 2);
        Put(b, 20, static_cast<uint32_t>(h), 2);
        Put(b, 22, 1, 2);
        Put(b, 24, static_cast<uint32_t>(bits), 2);
        return b;
    }
    Put(b, 18, static_cast<uint32_t>(w), 4);
    Put(b, 22, static_cast<uint32_t>(h), 4);
    Put(b, 26, 1, 2);
    Put(b, 28, static_cast<uint32_t>(bits), 2);
    Put(b, 30, compression, 4);
    Put(b, 34, static_cast<uint32_t>(imageBytes), 4);
    Put(b, 46, colours, 4);
    return b;
}

std::vector<uint8_t> Bmp24Bytes(int w, int h, const std::function<uint32_t(int, int)>& rgb) {
    size_t row = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
    auto b = BitmapBytes(w, h, 24, 0, 0, row * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t c = rgb(x, y);
            size_t at = 54 + static_cast<size_t>(h - 1 - y) * row + 3 * x;
            b[at] = static_cast<uint8_t>(c);
            b[at + 1] = static_cast<uint8_t>(c >> 8);
            b[at + 2] = static_cast<uint8_t>(c >> 16);
        }
    return b;
}

bool WriteBmp24(const std::string& path, int w, int h, const std::function<uint32_t(int, int)>& rgb) {
    return WriteBytes(path, Bmp24Bytes(w, h, rgb));
}

bool WriteBmp565(const std::string& path, int w, int h, const std::function<uint16_t(int, int)>& pixel) {
    size_t row = (static_cast<size_t>(w) * 2 + 3) & ~size_t{3};
    auto b = BitmapBytes(w, h, 16, 3, 12, row * h);
    Put(b, 54, 0xF800, 4);
    Put(b, 58, 0x07E0, 4);
    Put(b, 62, 0x001F, 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) Put(b, 66 + static_cast<size_t>(h - 1 - y) * row + 2 * x, pixel(x, y), 2);
    return WriteBytes(path, b);
}

}  // namespace testsupport
