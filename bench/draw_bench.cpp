// The sprite draw and the present's colour conversion.
#include <benchmark/benchmark.h>

#include <vector>

#include "framework/draw/draw.h"
#include "framework/system/system.h"
#include "platform/present.h"
#include "platform/scale.h"
#include "platform/surface.h"
#include "platform/system.h"
#include "bench/support/screen.h"

namespace {

// A 64 x 64 sprite with a transparent (black) border around a disc.
int KeyedSprite() {
    int h = fwDraw::CreateObject(64, 64, 1);
    plat::LockedPixels p;
    plat::Lock(fwDraw::ObjectSurface(h), p);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            int dx = x - 32, dy = y - 32;
            p.pixels[y * p.pitch + x] = dx * dx + dy * dy < 30 * 30 ? static_cast<uint16_t>(0x8410 + x) : 0;
        }
    plat::Unlock(fwDraw::ObjectSurface(h));
    return h;
}

void BM_BltObjectKeyed64(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    const int sprite = KeyedSprite();
    int x = 200;
    for (auto _ : state) {
        fwDraw::BltObject(x, 300, sprite, 0, 0, 64, 64);
        x = x >= 540 ? 200 : x + 1;
    }
    screen.CheckDrawn(state);
    state.SetItemsProcessed(state.iterations() * 64 * 64);
}
BENCHMARK(BM_BltObjectKeyed64);

// A background tile of the playfield's width, three quarters transparent:
// blobs of a few rows' height scattered over it, as the scrolling layers'
// clouds are drawn.
void BM_BltObjectKeyedTile(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    const int tile = fwDraw::CreateObject(440, 480, 1);
    plat::LockedPixels p;
    plat::Lock(fwDraw::ObjectSurface(tile), p);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 440; ++x) {
            const int cx = x % 110 - 55, cy = (y + x / 110 * 37) % 96 - 48;
            p.pixels[y * p.pitch + x] = cx * cx + cy * cy < 1600 ? static_cast<uint16_t>(0x8410 + x + y) : 0;
        }
    plat::Unlock(fwDraw::ObjectSurface(tile));
    for (auto _ : state) fwDraw::BltObject(180, 60, tile, 0, 0, 440, 480);
    screen.CheckDrawn(state);
    state.SetItemsProcessed(state.iterations() * 440 * 480);
}
BENCHMARK(BM_BltObjectKeyedTile);

void BM_PresentConversion800x600(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    std::vector<uint32_t> out(800 * 600);
    for (auto _ : state) {
        plat::ConvertToArgb(BackSurface, out.data(), 800);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_PresentConversion800x600);

// The present without a GPU: the 800 x 600 frame converted and scaled into
// a window of the given size, bars left out.
void BM_PresentScaled(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    const plat::FitRect fit = plat::FitPicture(width, height, 800, 600);
    std::vector<uint32_t> window(static_cast<size_t>(width) * height);
    plat::PictureScaler scaler;
    for (auto _ : state) {
        scaler.Scale(*BackSurface, window.data() + static_cast<size_t>(fit.y) * width + fit.x, width, fit.w, fit.h);
        benchmark::DoNotOptimize(window.data());
    }
    state.SetItemsProcessed(state.iterations() * fit.w * fit.h);
}
BENCHMARK(BM_PresentScaled)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

void BM_Present(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    for (auto _ : state) fwDraw::Present();
}
BENCHMARK(BM_Present);

// What every stage frame pays whatever it draws: the clear of the back
// surface and the present, the screen still holding the last frame.
void BM_ClearAndPresent(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    for (auto _ : state) {
        fwDraw::ClearBackBuffer();
        fwDraw::Present();
    }
}
BENCHMARK(BM_ClearAndPresent);

}  // namespace
