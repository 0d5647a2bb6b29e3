// An 800 x 600 screen with the playfield clip for one benchmark: set up when
// the benchmark starts and released, with the sound the set-up opens, when
// it ends, so that every benchmark draws on a screen of its own and leaves
// nothing behind for the next.
#pragma once
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "framework/draw/draw.h"
#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "platform/surface.h"
#include "platform/system.h"

namespace benchsupport {

class Screen {
public:
    // background: the pixel the back surface is filled with.
    explicit Screen(uint16_t background = 0) : background_(background) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        plat::SetMessageBoxesShown(false);
        FullScreen = 1;
        up_ = fwDraw::Screen(800, 600, 2) == 1;
        fwDraw::SetClipRect(180, 0, 620, 600);
        if (up_) plat::Fill(BackSurface, nullptr, background);
    }
    ~Screen() {
        fwDraw::ReleaseAll();
        fwSound::ReleaseAll();
        plat::SetMessageBoxesShown(true);
    }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // False when the screen could not be set up: the benchmark skips itself.
    bool Up(benchmark::State& state) const {
        if (!up_) state.SkipWithError("the screen could not be set up");
        return up_;
    }

    // Call after the timed loop: a benchmark whose drawing left the back
    // surface as it found it measured nothing, and says so.
    void CheckDrawn(benchmark::State& state) const {
        plat::LockedPixels p;
        if (plat::Lock(BackSurface, p) != plat::kOk) return state.SkipWithError("the back surface is gone");
        bool drawn = false;
        for (int y = 0; y < p.height && !drawn; ++y)
            for (int x = 0; x < p.width && !drawn; ++x) drawn = p.pixels[static_cast<size_t>(y) * p.pitch + x] != background_;
        plat::Unlock(BackSurface);
        if (!drawn) state.SkipWithError("nothing was drawn");
    }

private:
    uint16_t background_;
    bool up_ = false;
};

}  // namespace benchsupport
