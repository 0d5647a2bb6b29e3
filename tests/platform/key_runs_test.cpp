#include <gtest/gtest.h>

#include <cstdint>

#include "platform/key_runs.h"
#include "platform/surface.h"

namespace {

using plat::Rect;
using plat::Surface;

constexpr uint16_t kUnder = 0xABCD;  // what the target holds before each copy

struct Lcg {
    uint32_t v = 12345;
    int Next(int n) {
        v = v * 1664525u + 1013904223u;
        return static_cast<int>((v >> 8) % static_cast<uint32_t>(n));
    }
};

// Read straight from memory: a lock would have the picture forget its runs.
uint16_t At(const Surface* s, int x, int y) { return s->pixels[y * s->pitch + x]; }

// Draws many random rectangles of the picture keyed and counts the target
// pixels that differ from "the picture's pixel where it lies outside
// [lo, hi], else what was there".
int WrongPixels(Surface* picture, Surface* target, uint16_t lo, uint16_t hi, Lcg& rng) {
    int wrong = 0;
    for (int copy = 0; copy < 40; ++copy) {
        const int left = rng.Next(picture->width), top = rng.Next(picture->height);
        const int w = 1 + rng.Next(picture->width - left), h = 1 + rng.Next(picture->height - top);
        const Rect r{left, top, left + w, top + h};
        const int x = rng.Next(target->width - w + 1), y = rng.Next(target->height - h + 1);
        plat::Fill(target, nullptr, kUnder);
        EXPECT_EQ(plat::CopyFast(target, x, y, picture, r, true), plat::kOk);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                const uint16_t p = At(picture, r.left + i, r.top + j);
                wrong += At(target, x + i, y + j) != (p < lo || p > hi ? p : kUnder);
            }
    }
    return wrong;
}

// Once a picture has been drawn often it skips its keyed stretches; the
// pixels drawn stay those of the plain keyed copy, for rows wholly keyed,
// wholly opaque, with gaps short and long, and after the picture or its key
// changes.
class KeyRunsTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { plat::UsePlainKeyRunKernels(GetParam()); }
    void TearDown() override { plat::UsePlainKeyRunKernels(false); }
};

TEST_P(KeyRunsTest, OftenDrawnPicturesLeaveOutExactlyTheirKeyedPixels) {
    Surface* picture = plat::CreateSurface(150, 40);
    Surface* target = plat::CreateSurface(160, 50);
    ASSERT_TRUE(picture && target);
    Lcg rng;
    {
        plat::LockedPixels p;
        ASSERT_EQ(plat::Lock(picture, p), plat::kOk);
        for (int y = 0; y < p.height; ++y) {
            int gap = 1 + y;  // row kind 3: keyed gaps of growing length between opaque runs of 5
            for (int x = 0; x < p.width; ++x) {
                bool keyed = false;
                switch (y % 5) {
                case 0: keyed = true; break;
                case 1: keyed = false; break;
                case 2: keyed = rng.Next(3) != 0; break;
                case 3: keyed = x % (gap + 5) >= 5; break;
                default: keyed = x % 37 != 0; break;
                }
                // Keyed values spread over the range; opaque ones on both sides of it.
                const int opaque = rng.Next(2) ? 0x80 + x : 0x300 + y;
                p.pixels[y * p.pitch + x] = static_cast<uint16_t>(keyed ? 0x100 + rng.Next(0x100) : opaque);
            }
        }
        plat::Unlock(picture);
    }
    plat::SetColorKey(picture, 0x100, 0x1FF);
    EXPECT_EQ(WrongPixels(picture, target, 0x100, 0x1FF, rng), 0);
    EXPECT_NE(picture->keyRuns, nullptr);  // the runs were learnt and used

    // A change to the picture is drawn at once.
    const Rect strip{10, 0, 140, 40};
    plat::Fill(picture, &strip, 0x150);
    EXPECT_EQ(picture->keyRuns, nullptr);
    EXPECT_EQ(WrongPixels(picture, target, 0x100, 0x1FF, rng), 0);
    plat::SetColorKey(picture, 0x80, 0x100);
    EXPECT_EQ(WrongPixels(picture, target, 0x80, 0x100, rng), 0);

    plat::ReleaseSurface(picture);
    plat::ReleaseSurface(target);
}

INSTANTIATE_TEST_SUITE_P(VectorOrPortable, KeyRunsTest, ::testing::Values(false, true));

}  // namespace
