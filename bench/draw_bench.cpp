// The sprite draw and the present's colour conversion.
#include <benchmark/benchmark.h>

#include <vector>

#include "framework/draw/draw.h"
#include "framework/system/system.h"
#include "platform/present.h"
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

void BM_Present(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    for (auto _ : state) fwDraw::Present();
}
BENCHMARK(BM_Present);

}  // namespace
