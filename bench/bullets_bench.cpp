// Move and Draw of the stage-5 boss's eight shot streams, every shot in
// flight: the busiest bullet frame of that fight.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/support/screen.h"
#include "framework/system/system.h"
#include "game/bullets/stream.h"
#include "game/shell/assets.h"
#include "game/state/player_state.h"
#include "platform/surface.h"

namespace {

#define STAGE5_STREAM_OPS(G) {G##Shots, Move##G, Draw##G}
const struct { StreamShot* shots; void (*move)(int32_t); void (*draw)(int32_t); } kStage5Streams[] = {
    STAGE5_STREAM_OPS(Stage5BossStream1), STAGE5_STREAM_OPS(Stage5BossStream2),
    STAGE5_STREAM_OPS(Stage5BossStream3), STAGE5_STREAM_OPS(Stage5BossStream4),
    STAGE5_STREAM_OPS(Stage5BossStream5), STAGE5_STREAM_OPS(Stage5BossStream6),
    STAGE5_STREAM_OPS(Stage5BossStream7), STAGE5_STREAM_OPS(Stage5BossStream8),
};

// A 20 x 20 lit square for the shots' picture.
int ShotPicture() {
    const int handle = fwDraw::CreateObject(20, 20, 1);
    plat::LockedPixels p;
    plat::Lock(fwDraw::ObjectSurface(handle), p);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) p.pixels[static_cast<size_t>(y) * p.pitch + x] = 0x2104;
    plat::Unlock(fwDraw::ObjectSurface(handle));
    return handle;
}

void BM_Stage5StreamsMoveDraw(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    const int picture = ShotPicture();
    ImgRay7 = picture;
    FrameSeconds = 0.016f;
    PlayerX = -1000;  // out of reach: every shot keeps flying
    PlayerY = -1000;
    PlayerAlive = 1;
    // Every shot in flight, spread over the playfield and along its path.
    StreamShot start[std::size(kStage5Streams)][kStreamShotCount];
    for (size_t g = 0; g < std::size(kStage5Streams); ++g)
        for (int i = 0; i < kStreamShotCount; ++i)
            start[g][i] = StreamShot{200 + (i * 37 + static_cast<int>(g) * 53) % 400, 10 + i * 11,
                                     static_cast<float>(i % 40), 1};
    for (auto _ : state) {
        // Each pass starts from the same full streams, so none runs dry.
        for (size_t g = 0; g < std::size(kStage5Streams); ++g)
            std::memcpy(kStage5Streams[g].shots, start[g], sizeof start[g]);
        for (const auto& s : kStage5Streams) {
            s.move(0);
            s.draw(0);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * std::size(kStage5Streams) * kStreamShotCount);
}
BENCHMARK(BM_Stage5StreamsMoveDraw);

}  // namespace
