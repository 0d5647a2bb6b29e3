#include "platform/present.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/scale.h"
#include "platform/window.h"

namespace plat {
namespace {

uint32_t gArgb[65536];
bool gTableBuilt = false;
SDL_Texture* gTexture = nullptr;
SDL_Renderer* gTextureOwner = nullptr;  // a texture dies with its renderer
int gWidth = 0, gHeight = 0;
const Surface* gShown = nullptr;
int gVsync = -1;  // the renderer's current setting; -1 unknown

// A 5- or 6-bit channel widened to 8 bits, its top bits repeated below.
constexpr uint32_t Widen5(uint32_t v) { return (v << 3) | (v >> 2); }
constexpr uint32_t Widen6(uint32_t v) { return (v << 2) | (v >> 4); }

void BuildTable() {
    if (gTableBuilt) return;
    for (uint32_t p = 0; p < 65536; ++p)
        gArgb[p] = 0xFF000000u | (Widen5(p >> 11) << 16) | (Widen6((p >> 5) & 0x3F) << 8) | Widen5(p & 0x1F);
    gTableBuilt = true;
}

PictureScaler gScaler;
// The window surface the bars were last painted on.
struct Painted {
    const SDL_Surface* surface = nullptr;
    const void* pixels = nullptr;
    int w = 0, h = 0, pitch = 0;
    bool operator==(const Painted&) const = default;
} gPainted;

bool Showing() { return !IsHeadless() && (SdlRenderer() != nullptr || PresentsToWindowSurface()); }

// Without a renderer: the frame converted and scaled straight into the
// window's own surface, which the window system then shows. There is no
// vertical blank to wait for; the frame gate paces the game.
void ShowOnWindowSurface(const Surface* s) {
    SDL_Window* window = SdlWindow();
    SDL_Surface* target = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!target || target->format->BytesPerPixel != 4) return;
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
    auto* pixels = static_cast<uint8_t*>(target->pixels);
    const Painted now{target, target->pixels, target->w, target->h, target->pitch};
    if (!(now == gPainted)) {  // a new surface: black everywhere, the bars stay so
        for (int y = 0; y < target->h; ++y)
            std::memset(pixels + static_cast<size_t>(y) * target->pitch, 0, static_cast<size_t>(target->w) * 4);
        gPainted = now;
    }
    const FitRect fit = FitPicture(target->w, target->h, gWidth, gHeight);
    if (s->width == gWidth && s->height == gHeight)
        gScaler.Scale(*s, reinterpret_cast<uint32_t*>(pixels + static_cast<size_t>(fit.y) * target->pitch) + fit.x,
                      target->pitch / 4, fit.w, fit.h);
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
    SDL_UpdateWindowSurface(window);
}

void DropTexture() {
    if (gTexture && gTextureOwner == SdlRenderer()) SDL_DestroyTexture(gTexture);
    gTexture = nullptr;
    gTextureOwner = nullptr;
}

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

}  // namespace

bool SetDisplayMode(int width, int height, int bitsPerPixel) {
    if (bitsPerPixel != 16 || width <= 0 || height <= 0) return false;
    BuildTable();
    DropTexture();
    gWidth = width;
    gHeight = height;
    if (Showing() && SdlRenderer()) {
        gTexture = SDL_CreateTexture(SdlRenderer(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width,
                                     height);
        if (!gTexture) return false;
        gTextureOwner = SdlRenderer();
    }
    return true;
}

void RestoreDisplayMode() {
    DropTexture();
    gShown = nullptr;
}

uint32_t ArgbOfPixel(uint16_t pixel) {
    BuildTable();
    return gArgb[pixel];
}

// Every present converts the whole frame, so the row is widened with
// arithmetic the compiler vectorises (AVX2 where the processor has it) rather
// than through the 256 KB table, whose lookups miss the cache; both give the
// same pixels.
#if defined(__x86_64__) && defined(__GNUC__) && defined(__linux__)
#define VQ_PRESENT_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define VQ_PRESENT_KERNEL
#endif

VQ_PRESENT_KERNEL void ConvertRowToArgb(const uint16_t* __restrict src, uint32_t* __restrict dst, int width) {
    for (int x = 0; x < width; ++x) {
        const uint32_t p = src[x];
        const uint32_t r = p >> 11, g = (p >> 5) & 0x3F, b = p & 0x1F;
        dst[x] = 0xFF000000u | (Widen5(r) << 16) | (Widen6(g) << 8) | Widen5(b);
    }
}

void ConvertToArgb(const Surface* s, uint32_t* out, int outPitch) {
    for (int y = 0; y < s->height; ++y)
        ConvertRowToArgb(s->pixels + static_cast<size_t>(y) * s->pitch, out + static_cast<size_t>(y) * outPitch,
                         s->width);
}

void ShowSurface(const Surface* surface, bool waitVBlank) {
    gShown = surface;
    // The picture is taken from where it lies: a whole copy to the shown
    // surface may still be only noted.
    const Surface* picture = PictureOf(surface);
    if (surface && PresentsToWindowSurface() && Showing()) return ShowOnWindowSurface(picture);
    if (!surface || !gTexture || !Showing() || gTextureOwner != SdlRenderer()) return;
    SDL_Renderer* r = SdlRenderer();
    int vsync = waitVBlank ? 1 : 0;
    if (vsync != gVsync) {
        SDL_RenderSetVSync(r, vsync);
        gVsync = vsync;
    }
    void* pixels = nullptr;
    int pitch = 0;
    if (surface->width == gWidth && surface->height == gHeight &&
        SDL_LockTexture(gTexture, nullptr, &pixels, &pitch) == 0) {
        ConvertToArgb(picture, static_cast<uint32_t*>(pixels), pitch / 4);
        SDL_UnlockTexture(gTexture);
    }
    SDL_RenderClear(r);
    SDL_RenderCopy(r, gTexture, nullptr, nullptr);
    SDL_RenderPresent(r);
}

bool SavePresentedFrame(const std::string& path) {
    const Surface* s = PictureOf(gShown);
    if (!s) return false;
    const uint32_t rowBytes = (static_cast<uint32_t>(s->width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(s->height);
    std::vector<uint8_t> file(54 + imageBytes, 0);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, 54 + imageBytes);
    Put32(file, 10, 54);
    Put32(file, 14, 40);
    Put32(file, 18, static_cast<uint32_t>(s->width));
    Put32(file, 22, static_cast<uint32_t>(s->height));  // positive: bottom row first
    Put16(file, 26, 1);
    Put16(file, 28, 24);
    Put32(file, 34, imageBytes);
    for (int y = 0; y < s->height; ++y) {
        const uint16_t* src = s->pixels + static_cast<size_t>(s->height - 1 - y) * s->pitch;
        uint8_t* row = file.data() + 54 + static_cast<size_t>(y) * rowBytes;
        for (int x = 0; x < s->width; ++x) {
            uint32_t c = ArgbOfPixel(src[x]);
            row[3 * x] = static_cast<uint8_t>(c);
            row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(c >> 16);
        }
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace plat
