#include "platform/gdi.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "platform/file.h"

namespace plat {

namespace {

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

bool BitmapHeaderFits(const uint8_t* head, size_t headSize, int64_t fileSize, std::string* why) {
    constexpr size_t kFileHeader = 14;
    if (headSize < kFileHeader + 12 || head[0] != 'B' || head[1] != 'M') return false;
    const uint32_t dataOffset = Le32(head + 10);
    const uint32_t infoSize = Le32(head + 14);
    int64_t width, height;
    uint32_t bits, compression = 0, colours = 0;
    int64_t entryBytes = 4;  // bytes per palette entry
    if (infoSize == 12) {  // the old core header: 16-bit sides (never top-down), 3-byte entries, no colour count
        width = Le16(head + 18);
        height = Le16(head + 20);
        bits = Le16(head + 24);
        entryBytes = 3;
    } else if (infoSize >= 40 && headSize >= kFileHeader + 40) {
        width = static_cast<int32_t>(Le32(head + 18));
        height = static_cast<int32_t>(Le32(head + 22));
        bits = Le16(head + 28);
        compression = Le32(head + 30);
        colours = Le32(head + 46);
    } else {
        return false;
    }
    if (height < 0) height = -height;  // top-down rows
    if (width <= 0 || height <= 0) return false;
    // The pixel bound first, so that a side too long is named by it too.
    if (width * height > kMaxBitmapPixels) {
        if (why)
            *why = std::to_string(width) + " x " + std::to_string(height) + " pixels, more than the " +
                   std::to_string(kMaxBitmapPixels) + " (" + std::to_string(kMaxBitmapSide) + " x " +
                   std::to_string(kMaxBitmapSide) + ") a picture may have";
        return false;
    }
    constexpr int64_t kMaxSide = 16384;
    const int64_t side = std::max(width, height);
    if (side > kMaxSide) {
        if (why) *why = "a side of " + std::to_string(side) + " pixels, more than " + std::to_string(kMaxSide);
        return false;
    }
    const bool plain = compression == 0 || (compression == 3 && (bits == 16 || bits == 32));
    if (!plain) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    // The palette: up to 2^bits colours for the depths that have one (0
    // meaning all of them); an optional table of the colour count for the
    // others. Either way it lies between the headers (and the bit-field
    // masks of the 40-byte header) and the pixels.
    int64_t paletteEntries = colours;
    if (bits <= 8) {
        if (colours > (uint32_t{1} << bits)) return false;
        if (colours == 0) paletteEntries = int64_t{1} << bits;
    }
    const int64_t masks = infoSize == 40 && compression == 3 ? 12 : 0;
    const int64_t pixelsFrom = int64_t{kFileHeader} + infoSize + masks + paletteEntries * entryBytes;
    const int64_t rowBytes = (width * bits + 31) / 32 * 4;
    return dataOffset >= pixelsFrom && dataOffset + rowBytes * height <= fileSize;
}

Bitmap* LoadBitmapFile(const std::string& path, std::string* fault) {
    std::string scratch;
    std::string& why = fault ? *fault : scratch;
    FILE* file = OpenRegularStream(path, &why);
    if (!file && why.empty()) why = "no such file";
    SDL_RWops* rw = file ? SDL_RWFromFP(file, SDL_TRUE) : nullptr;
    if (!rw) {
        if (file) std::fclose(file);
        return nullptr;
    }
    // The header is checked before anything reads or allocates the picture,
    // so that a short file claiming a huge picture costs nothing.
    uint8_t head[64] = {};
    const int64_t fileSize = SDL_RWsize(rw);
    const size_t got = SDL_RWread(rw, head, 1, sizeof head);
    if (fileSize < 0 || !BitmapHeaderFits(head, got, fileSize, &why) || SDL_RWseek(rw, 0, RW_SEEK_SET) != 0) {
        SDL_RWclose(rw);
        return nullptr;
    }
    SDL_Surface* raw = SDL_LoadBMP_RW(rw, 1);
    if (!raw) return nullptr;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(raw);
    if (!rgb) return nullptr;
    auto* b = new Bitmap;
    b->width = rgb->w;
    b->height = rgb->h;
    b->rgb.resize(static_cast<size_t>(rgb->w) * rgb->h);
    SDL_LockSurface(rgb);
    for (int y = 0; y < rgb->h; ++y) {
        auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch);
        for (int x = 0; x < rgb->w; ++x) b->rgb[static_cast<size_t>(y) * rgb->w + x] = row[x] & 0xFFFFFF;
    }
    SDL_UnlockSurface(rgb);
    SDL_FreeSurface(rgb);
    return b;
}

void DeleteBitmap(Bitmap* bitmap) { delete bitmap; }

int32_t CopyBitmapToSurface(Surface* surface, const Bitmap* bitmap, int sx, int sy, int sw, int sh) {
    if (!surface || !bitmap) return kFail;
    if (sw == 0) sw = bitmap->width;
    if (sh == 0) sh = bitmap->height;
    if (sx < 0 || sy < 0 || sw < 0 || sh < 0 || sx + sw > bitmap->width || sy + sh > bitmap->height) return kFail;
    if (surface->lost) return kSurfaceLost;
    ReadyToWrite(surface);
    const int w = surface->width, h = surface->height;
    for (int y = 0; y < h; ++y) {
        const uint32_t* s = bitmap->rgb.data() + static_cast<size_t>(sy + static_cast<int64_t>(y) * sh / h) * bitmap->width;
        uint16_t* d = surface->pixels + static_cast<size_t>(y) * surface->pitch;
        for (int x = 0; x < w; ++x) {
            uint32_t c = s[sx + static_cast<int64_t>(x) * sw / w];  // 0x00RRGGBB
            d[x] = static_cast<uint16_t>(((c >> 8) & 0xF800) | ((c >> 5) & 0x07E0) | ((c >> 3) & 0x1F));
        }
    }
    return kOk;
}

ColorRef GetPixel(Surface* s, int x, int y) {
    if (!s || s->lost || x < 0 || y < 0 || x >= s->width || y >= s->height) return 0xFFFFFFFFu;
    return ColorRefFromPixel(PictureOf(s)->pixels[static_cast<size_t>(y) * s->pitch + x]);
}

bool SetPixel(Surface* s, int x, int y, ColorRef color) {
    if (!s || s->lost || x < 0 || y < 0 || x >= s->width || y >= s->height) return false;
    ReadyToWrite(s);
    s->pixels[static_cast<size_t>(y) * s->pitch + x] = PixelFromColorRef(color);
    return true;
}

bool StretchCopy(Surface* dst, int x, int y, int width, int height, Surface* src, int sx, int sy, int sw, int sh) {
    Rect dr{x, y, x + width, y + height};
    Rect sr{sx, sy, sx + sw, sy + sh};
    return CopyStretched(dst, dr, src, sr, false) == kOk;
}

}  // namespace plat
