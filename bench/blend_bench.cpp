// The software blends and the rotated blit that draw most of a frame, beside
// pixman's r5g6b5 composites of the same sizes onto the same back surface.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "framework/draw/draw.h"
#include "framework/system/system.h"
#include "platform/surface.h"
#include "platform/system.h"
#include "bench/support/screen.h"

#ifdef VQ_HAVE_PIXMAN
#include <pixman.h>
#endif

namespace {

// A mid-grey background, so that the blends have something to mix with.
constexpr uint16_t kGrey = 0x4208;

// Sprites of the three sizes: a lit ellipse on a transparent (0) ground, as
// the glows and shots are drawn.
struct Sprite {
    int handle, w, h;
};

Sprite MakeSprite(int w, int h) {
    int handle = fwDraw::CreateObject(w, h, 1);
    plat::LockedPixels p;
    plat::Lock(fwDraw::ObjectSurface(handle), p);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
            const double r = dx * dx + dy * dy;
            p.pixels[y * p.pitch + x] =
                r < 1 ? static_cast<uint16_t>((static_cast<int>(31 * (1 - r)) << 11) | ((x * 7 + y) & 63) << 5 | 12)
                      : 0;
        }
    plat::Unlock(fwDraw::ObjectSurface(handle));
    return {handle, w, h};
}

// The sprite of a size (16, 64, or 440 for 440 x 480), made on the screen of
// the running benchmark.
Sprite SpriteOf(int size) { return size == 440 ? MakeSprite(440, 480) : MakeSprite(size, size); }

// Where each size is drawn: inside the playfield clip.
constexpr int kX = 180, kY = 60;

void Sizes(benchmark::internal::Benchmark* b) { b->Arg(16)->Arg(64)->Arg(440); }

void Count(benchmark::State& state, const Sprite& s) { state.SetItemsProcessed(state.iterations() * s.w * s.h); }

void BM_BltAdditive(benchmark::State& state) {
    benchsupport::Screen screen(kGrey);
    if (!screen.Up(state)) return;
    const Sprite s = SpriteOf(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(fwDraw::BltAdditive(kX, kY, s.handle, 0, 0, s.w, s.h));
    Count(state, s);
}
// 20 x 20 as well: the size of most of a busy frame's additive shots.
BENCHMARK(BM_BltAdditive)->Arg(20)->Apply(Sizes);

void BM_BltHalfBlend(benchmark::State& state) {
    benchsupport::Screen screen(kGrey);
    if (!screen.Up(state)) return;
    const Sprite s = SpriteOf(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(fwDraw::BltHalfBlend(kX, kY, s.handle, 0, 0, s.w, s.h));
    Count(state, s);
}
BENCHMARK(BM_BltHalfBlend)->Apply(Sizes);

// Turned by 30 degrees in a box of the sprite's own size, as the enemies and
// aimed bullets are drawn.
void BM_BltRotated(benchmark::State& state) {
    benchsupport::Screen screen(kGrey);
    if (!screen.Up(state)) return;
    const Sprite s = SpriteOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(fwDraw::BltRotated(kX, kY, kX + s.w, kY + s.h, 30, s.handle, 0, 0, s.w, s.h));
    Count(state, s);
}
BENCHMARK(BM_BltRotated)->Apply(Sizes);

// The rotated kin on the 64 x 64 sprite at 30 degrees in a box of its size:
// 0 wrapped, 1 scaled by 1.5, 2 scaled by 1.5 and wrapped, 3 receding and
// tinted.
void BM_BltRotatedKin(benchmark::State& state) {
    benchsupport::Screen screen(kGrey);
    if (!screen.Up(state)) return;
    const Sprite s = SpriteOf(64);
    const int x1 = kX + s.w, y1 = kY + s.h;
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0: fwDraw::BltRotatedWrap(kX, kY, x1, y1, 30, s.handle, 0, 0, s.w, s.h); break;
        case 1: fwDraw::BltRotatedScaled(kX, kY, x1, y1, 30, 1.5f, s.handle, 0, 0, s.w, s.h); break;
        case 2: fwDraw::BltRotatedScaledWrap(kX, kY, x1, y1, 30, 1.5f, s.handle, 0, 0, s.w, s.h); break;
        default:
            fwDraw::BltRotatedScaledTint(kX, kY, x1, y1, 30, 1.5f, -0.01f, 1.5f, -0.01f, 0.5f, 1, 1, s.handle, 0, 0,
                                         s.w, s.h);
        }
    }
    screen.CheckDrawn(state);
    Count(state, s);
}
BENCHMARK(BM_BltRotatedKin)->DenseRange(0, 3);

// The 64 x 64 sprite doubled, keyed and opaque.
void BM_BltStretched2x(benchmark::State& state) {
    benchsupport::Screen screen(kGrey);
    if (!screen.Up(state)) return;
    const Sprite s = SpriteOf(64);
    const bool keyed = state.range(0) != 0;
    for (auto _ : state) {
        if (keyed) fwDraw::BltStretched(kX, kY, s.handle, 0, 0, s.w, s.h, 2 * s.w, 2 * s.h);
        else fwDraw::BltStretchedOpaque(kX, kY, s.handle, 0, 0, s.w, s.h, 2 * s.w, 2 * s.h);
    }
    state.SetItemsProcessed(state.iterations() * 4 * s.w * s.h);
}
BENCHMARK(BM_BltStretched2x)->Arg(0)->Arg(1);

#ifdef VQ_HAVE_PIXMAN

pixman_image_t* Wrap(plat::Surface* surface) {
    return pixman_image_create_bits(PIXMAN_r5g6b5, surface->width, surface->height,
                                    reinterpret_cast<uint32_t*>(surface->pixels), surface->pitch * 2);
}

pixman_image_t* SpriteImage(const Sprite& s) { return Wrap(fwDraw::ObjectSurface(s.handle)); }

void Composite(benchmark::State& state, pixman_op_t op, pixman_image_t* mask, bool rotated) {
    benchsupport::Screen screen(kGrey);
    if (!screen.Up(state)) return;
    const Sprite s = SpriteOf(static_cast<int>(state.range(0)));
    pixman_image_t* dst = Wrap(BackSurface);
    pixman_image_t* src = SpriteImage(s);
    if (rotated) {
        // Box pixel -> sprite point: about the centres, by 30 degrees, nearest.
        pixman_f_transform f;
        pixman_f_transform_init_translate(&f, -s.w / 2.0, -s.h / 2.0);
        const double a = 30 * M_PI / 180;
        pixman_f_transform_rotate(&f, nullptr, std::cos(a), -std::sin(a));
        pixman_f_transform_translate(&f, nullptr, s.w / 2.0, s.h / 2.0);
        pixman_transform t;
        pixman_transform_from_pixman_f_transform(&t, &f);
        pixman_image_set_transform(src, &t);
        pixman_image_set_filter(src, PIXMAN_FILTER_NEAREST, nullptr, 0);
    }
    for (auto _ : state) pixman_image_composite32(op, src, mask, dst, 0, 0, 0, 0, kX, kY, s.w, s.h);
    pixman_image_unref(src);
    pixman_image_unref(dst);
    Count(state, s);
}

void BM_PixmanAdd565(benchmark::State& state) { Composite(state, PIXMAN_OP_ADD, nullptr, false); }
BENCHMARK(BM_PixmanAdd565)->Apply(Sizes);

// An opaque r5g6b5 source over r5g6b5: pixman reduces it to a copy.
void BM_PixmanOver565(benchmark::State& state) { Composite(state, PIXMAN_OP_OVER, nullptr, false); }
BENCHMARK(BM_PixmanOver565)->Apply(Sizes);

// Over through a solid half-alpha mask: the half-blend's real counterpart.
void BM_PixmanOverHalf565(benchmark::State& state) {
    const pixman_color_t half{0, 0, 0, 0x8000};
    pixman_image_t* mask = pixman_image_create_solid_fill(&half);
    Composite(state, PIXMAN_OP_OVER, mask, false);
    pixman_image_unref(mask);
}
BENCHMARK(BM_PixmanOverHalf565)->Apply(Sizes);

// Over with the sprite turned by 30 degrees, nearest filter.
void BM_PixmanOverRotated565(benchmark::State& state) { Composite(state, PIXMAN_OP_OVER, nullptr, true); }
BENCHMARK(BM_PixmanOverRotated565)->Apply(Sizes);

// The 64 x 64 sprite doubled with the nearest filter: a plain copy (SRC,
// like the opaque stretch) and OVER (pixman's nearest counterpart of the
// keyed one).
void BM_PixmanStretch2x(benchmark::State& state) {
    benchsupport::Screen screen(kGrey);
    if (!screen.Up(state)) return;
    const Sprite s = SpriteOf(64);
    pixman_image_t* dst = Wrap(BackSurface);
    pixman_image_t* src = SpriteImage(s);
    pixman_transform t;
    pixman_transform_init_scale(&t, pixman_double_to_fixed(0.5), pixman_double_to_fixed(0.5));
    pixman_image_set_transform(src, &t);
    pixman_image_set_filter(src, PIXMAN_FILTER_NEAREST, nullptr, 0);
    const pixman_op_t op = state.range(0) ? PIXMAN_OP_OVER : PIXMAN_OP_SRC;
    for (auto _ : state) pixman_image_composite32(op, src, nullptr, dst, 0, 0, 0, 0, kX, kY, 2 * s.w, 2 * s.h);
    pixman_image_unref(src);
    pixman_image_unref(dst);
    state.SetItemsProcessed(state.iterations() * 4 * s.w * s.h);
}
BENCHMARK(BM_PixmanStretch2x)->Arg(0)->Arg(1);

// The present's whole-frame conversion, r5g6b5 to a8r8g8b8 (pixman's
// counterpart of plat::ConvertToArgb, measured in draw_bench).
void BM_PixmanConvert800x600(benchmark::State& state) {
    benchsupport::Screen screen(kGrey);
    if (!screen.Up(state)) return;
    pixman_image_t* src = Wrap(BackSurface);
    std::vector<uint32_t> out(800 * 600);
    pixman_image_t* dst = pixman_image_create_bits(PIXMAN_a8r8g8b8, 800, 600, out.data(), 800 * 4);
    for (auto _ : state) pixman_image_composite32(PIXMAN_OP_SRC, src, nullptr, dst, 0, 0, 0, 0, 0, 0, 800, 600);
    pixman_image_unref(dst);
    pixman_image_unref(src);
    state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_PixmanConvert800x600);

#endif

}  // namespace
