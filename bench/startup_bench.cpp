// Start-up: the screen set-up and every picture and sound of the game.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "framework/draw/draw.h"
#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "game/shell/scenes.h"
#include "platform/system.h"

namespace {

void BM_StartupLoad(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    plat::SetMessageBoxesShown(false);
    plat::SetExecutableDirectory(VQ_DATA_DIR);
    for (auto _ : state) {
        LoadStartupAssets();
        state.PauseTiming();
        fwSound::ReleaseAll();
        fwDraw::ReleaseAll();
        state.ResumeTiming();
    }
    // Everything the load made is released above: the next benchmark sets up
    // its own screen.
    plat::SetExecutableDirectory("");
    plat::SetMessageBoxesShown(true);
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
