#include "platform/gdi.h"

#include <SDL.h>

namespace plat {

Bitmap* LoadBitmapFile(const std::string& path) {
    SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "rb");
    if (!rw) return nullptr;
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
    return ColorRefFromPixel(s->pixels[static_cast<size_t>(y) * s->pitch + x]);
}

bool SetPixel(Surface* s, int x, int y, ColorRef color) {
    if (!s || s->lost || x < 0 || y < 0 || x >= s->width || y >= s->height) return false;
    s->pixels[static_cast<size_t>(y) * s->pitch + x] = PixelFromColorRef(color);
    return true;
}

bool StretchCopy(Surface* dst, int x, int y, int width, int height, Surface* src, int sx, int sy, int sw, int sh) {
    Rect dr{x, y, x + width, y + height};
    Rect sr{sx, sy, sx + sw, sy + sh};
    return CopyStretched(dst, dr, src, sr, false) == kOk;
}

}  // namespace plat
