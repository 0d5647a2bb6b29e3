#include <gtest/gtest.h>

#include <cstring>

#include "framework/draw/backsurface.h"
#include "tests/framework/draw/draw_fixture.h"

namespace {

// A pixel of three 5-bit channels (green in the top five of its six bits).
uint16_t P5(int r, int g, int b) { return static_cast<uint16_t>((r << 11) | (g << 6) | b); }
int R(uint16_t p) { return p >> 11; }
int G(uint16_t p) { return (p >> 6) & 31; }
int B(uint16_t p) { return p & 31; }

class EffectTest : public ScreenTest {
protected:
    uint16_t At(int x, int y) { return Px(BackSurface, x, y); }
    void Set(int x, int y, uint16_t v) { SetPx(BackSurface, x, y, v); }
    // Rows of one colour each: row y of the rectangle gets red y + 1.
    void Rows(int x, int y, int w, int h) {
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) Set(x + i, y + j, P5(j + 1, 2 * j, 3));
    }
};

TEST_F(EffectTest, SmoothAveragesTheFourNeighboursInPlaceAndKeepsTheBorder) {
    // 4 x 3 at (10, 10): only (1, 1) and (2, 1) are inner pixels.
    const uint16_t v[3][4] = {{P5(0, 0, 0), P5(8, 4, 0), P5(16, 0, 4), P5(0, 0, 0)},
                              {P5(4, 0, 0), P5(31, 31, 31), P5(0, 8, 0), P5(12, 0, 8)},
                              {P5(0, 0, 0), P5(20, 8, 12), P5(8, 4, 0), P5(0, 0, 0)}};
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 4; ++i) Set(10 + i, 10 + j, v[j][i]);
    ASSERT_EQ(fwDraw::ScreenEffectSmooth(10, 10, 4, 3), 1);
    // (1,1): left (4,0,0), right (0,8,0), up (8,4,0), down (20,8,12) -> (32/4, 20/4, 12/4)
    EXPECT_EQ(At(11, 11), P5(8, 5, 3));
    // (2,1) reads the new (1,1): (8,5,3), right (12,0,8), up (16,0,4), down (8,4,0) -> (44/4, 9/4, 15/4)
    EXPECT_EQ(At(12, 11), P5(11, 2, 3));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(At(10 + i, 10), v[0][i]);
        EXPECT_EQ(At(10 + i, 12), v[2][i]);
    }
    EXPECT_EQ(At(10, 11), v[1][0]);
    EXPECT_EQ(At(13, 11), v[1][3]);

    // The fade lowers the flagged channels of the average by one, never below 0.
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) Set(30 + i, 30 + j, P5(4, 0, 8));
    ASSERT_EQ(fwDraw::ScreenEffectSmoothFade(1, 1, 0, 30, 30, 3, 3), 1);
    EXPECT_EQ(At(31, 31), P5(3, 0, 8));

    // Two rows or columns have no inner pixel.
    Rows(50, 50, 2, 6);
    ASSERT_EQ(fwDraw::ScreenEffectSmooth(50, 50, 2, 6), 1);
    ASSERT_EQ(fwDraw::ScreenEffectBlur(50, 50, 6, 2), 1);
    for (int j = 0; j < 6; ++j) EXPECT_EQ(At(51, 50 + j), P5(j + 1, 2 * j, 3));
}

TEST_F(EffectTest, BlurCopiesUpwardsWhenTheRandomValuesAreZero) {
    std::memset(RandomBytes, 0, sizeof(RandomBytes));
    Rows(100, 100, 6, 6);
    ASSERT_EQ(fwDraw::ScreenEffectBlur(100, 100, 6, 6), 1);
    for (int j = 0; j < 6; ++j)
        for (int i = 0; i < 6; ++i) {
            bool inner = i >= 1 && i <= 4 && j >= 1 && j <= 4;
            int row = inner ? j + 1 : j;  // each inner pixel takes the one below it
            ASSERT_EQ(At(100 + i, 100 + j), P5(row + 1, 2 * row, 3)) << i << "," << j;
        }
}

TEST_F(EffectTest, BlurReadsNoRowBelowItsRectangle) {
    // All 2: the first pixel of each pair is averaged, so the last inner row
    // averages with what lies two rows down: the rectangle's own last row.
    std::memset(RandomBytes, 2, sizeof(RandomBytes));
    uint16_t results[2][5];
    for (int run = 0; run < 2; ++run) {
        fwDraw::ClearBackBuffer();
        Rows(200, 200, 5, 4);
        for (int i = 0; i < 5; ++i) Set(200 + i, 204, run ? 0xFFFF : 0x0000);  // the row below
        ASSERT_EQ(fwDraw::ScreenEffectBlur(200, 200, 5, 4), 1);
        for (int i = 0; i < 5; ++i) results[run][i] = At(200 + i, 202);
        EXPECT_EQ(At(200, 204), run ? 0xFFFF : 0x0000);
    }
    for (int i = 0; i < 5; ++i) EXPECT_EQ(results[0][i], results[1][i]) << i;
    // And at the bottom of the screen nothing past the surface is read or written.
    Rows(0, 596, 800, 4);
    EXPECT_EQ(fwDraw::ScreenEffectBlur(0, 596, 800, 4), 1);
    EXPECT_EQ(fwDraw::ScreenEffectBlurFade(1, 1, 1, 0, 596, 800, 4), 1);
    EXPECT_EQ(fwDraw::ScreenEffectBlur(790, 590, 100, 100), 1);  // reaching past the corner
}

TEST_F(EffectTest, BlurFadeDarkensOnlyTheAveragedPixels) {
    std::memset(RandomBytes, 2, sizeof(RandomBytes));
    for (int j = 0; j < 5; ++j)
        for (int i = 0; i < 5; ++i) Set(300 + i, 300 + j, P5(10, 10, 10));
    ASSERT_EQ(fwDraw::ScreenEffectBlurFade(1, 0, 1, 300, 300, 5, 5), 1);
    // Inner walk of row 1: averaged, copied, averaged (the counter alternates).
    EXPECT_EQ(At(301, 301), P5(9, 10, 9));
    EXPECT_EQ(At(302, 301), P5(10, 10, 10));
    EXPECT_EQ(At(303, 301), P5(9, 10, 9));
}

TEST_F(EffectTest, ZoomEnlargesThroughTheScratchPicture) {
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 3; ++i) Set(200 + i, 100 + j, P5(i + 1, j + 1, 7));
    ASSERT_EQ(fwDraw::ScreenEffectZoom2(200, 100, 3, 2, 0), 1);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) ASSERT_EQ(At(200 + x, 100 + y), P5(x / 2 + 1, y / 2 + 1, 7)) << x << "," << y;

    // mode 1 writes only each block's top-left pixel; the rest is what
    // object 0 held.
    fwDraw::ClearObject(kBufferSprite);
    SetPx(DrawObjects[kBufferSprite].surface, 1, 0, 0x0001);
    for (int i = 0; i < 2; ++i) Set(400 + i, 100, P5(20 + i, 1, 1));
    ASSERT_EQ(fwDraw::ScreenEffectZoom2(400, 100, 2, 1, 1), 1);
    EXPECT_EQ(At(400, 100), P5(20, 1, 1));
    EXPECT_EQ(At(401, 100), 0x0001);
    EXPECT_EQ(At(402, 100), P5(21, 1, 1));
    EXPECT_EQ(At(400, 101), 0);

    // 4x: mode 0 fills 4 x 4, otherwise the top-left 2 x 2.
    Set(500, 300, P5(3, 3, 3));
    ASSERT_EQ(fwDraw::ScreenEffectZoom4(500, 300, 1, 1, 0), 1);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(At(500 + x, 300 + y), P5(3, 3, 3));
    fwDraw::ClearObject(kBufferSprite);
    Set(600, 300, P5(5, 5, 5));
    ASSERT_EQ(fwDraw::ScreenEffectZoom4(600, 300, 1, 1, 1), 1);
    EXPECT_EQ(At(601, 301), P5(5, 5, 5));
    EXPECT_EQ(At(602, 300), 0);
    EXPECT_EQ(At(600, 302), 0);

    // Drawn back through the clip rectangle.
    fwDraw::SetClipRect(180, 0, 620, 600);
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i) Set(610 + i, 50 + j, P5(9, 9, 9));
    Set(620, 50, 0x1111);
    ASSERT_EQ(fwDraw::ScreenEffectZoom4(610, 50, 8, 8, 0), 1);
    EXPECT_EQ(At(619, 81), P5(9, 9, 9));
    EXPECT_EQ(At(620, 50), 0x1111);
    // A rectangle reaching past the screen stays inside both surfaces.
    EXPECT_EQ(fwDraw::ScreenEffectZoom2(700, 500, 400, 400, 0), 1);
    EXPECT_EQ(fwDraw::ScreenEffectZoom4(-50, -50, 800, 600, 0), 1);
}

TEST_F(EffectTest, CircleMosaicPaintsBlocksInsideTheRadiusOnly) {
    for (int y = 70; y < 130; ++y)
        for (int x = 70; x < 130; ++x) Set(x, y, P5(x & 31, y & 31, 1));
    ASSERT_EQ(fwDraw::ScreenEffectCircleMosaic(100, 100, 20, 4), 1);
    // Blocks start at offsets -20, -16, ..., 16 from the centre.
    EXPECT_EQ(At(101, 101), P5(100 & 31, 100 & 31, 1));  // block (0, 0)
    EXPECT_EQ(At(119, 100), P5(116 & 31, 100 & 31, 1));  // offset 19: inside, block 16
    EXPECT_EQ(At(120, 100), P5(120 & 31, 100 & 31, 1));  // offset 20: no block reaches it
    EXPECT_EQ(At(114, 114), P5(112 & 31, 112 & 31, 1));  // distance 19.8 truncates to 19
    EXPECT_EQ(At(115, 115), P5(115 & 31, 115 & 31, 1));  // 21.2: outside
    EXPECT_EQ(At(81, 100), P5(80 & 31, 100 & 31, 1));    // offset -19: block -20

    // At the screen's edges and beyond: nothing outside the surface, no hang.
    EXPECT_EQ(fwDraw::ScreenEffectCircleMosaic(799, 599, 50, 3), 1);
    EXPECT_EQ(fwDraw::ScreenEffectCircleMosaic(0, 0, 900, 7), 1);
    EXPECT_EQ(fwDraw::ScreenEffectCircleMosaic(-100, 5000, 50, 3), 1);
    EXPECT_EQ(fwDraw::ScreenEffectCircleMosaic(100, 100, 20, 0), 1);  // no block size: nothing
    EXPECT_EQ(fwDraw::ScreenEffectCircleMosaic(100, 100, 20, -4), 1);
}

TEST_F(EffectTest, NoiseNeverDarkensAndSaturates) {
    std::memset(RandomBytes, 1, sizeof(RandomBytes));
    Set(10, 10, P5(31, 0, 30));
    Set(11, 10, P5(5, 31, 0));
    ASSERT_EQ(fwDraw::ScreenEffectNoise(0, 10, 10, 2, 1), 1);
    EXPECT_EQ(At(10, 10), P5(31, 1, 31));
    EXPECT_EQ(At(11, 10), P5(6, 31, 1));
    ASSERT_EQ(fwDraw::ScreenEffectNoise(2, 10, 10, 1, 1), 1);  // 1 << 2
    EXPECT_EQ(At(10, 10), P5(31, 5, 31));
    ASSERT_EQ(fwDraw::ScreenEffectChannelNoise(0, 1, 0, 3, 11, 10, 1, 1), 1);  // green only, + 8
    EXPECT_EQ(At(11, 10), P5(6, 31, 1));
    Set(12, 10, P5(1, 1, 1));
    ASSERT_EQ(fwDraw::ScreenEffectChannelNoise(1, 0, 1, 3, 12, 10, 1, 1), 1);
    EXPECT_EQ(At(12, 10), P5(9, 1, 9));
    EXPECT_EQ(fwDraw::ScreenEffectNoise(40, 790, 590, 50, 50), 1);  // any shift, cut to the screen
    EXPECT_EQ(At(799, 599), P5(31, 31, 31));
}

TEST_F(EffectTest, NoiseTakesFreshRandomValuesFromCallToCall) {
    // The read position runs on for the whole run, so it starts wherever the
    // earlier effects left it; the values follow on from there.
    for (int i = 0; i < 10000; ++i) RandomBytes[i] = static_cast<uint8_t>(i % 3);
    ASSERT_EQ(fwDraw::ScreenEffectNoise(0, 0, 0, 4, 1), 1);  // values s, s+1, s+2, s+3 (mod 3)
    ASSERT_EQ(fwDraw::ScreenEffectNoise(0, 0, 1, 2, 1), 1);  // goes on: s+4, s+5
    const int s = G(At(0, 0));
    ASSERT_LT(s, 3);
    EXPECT_EQ(G(At(1, 0)), (s + 1) % 3);
    EXPECT_EQ(G(At(2, 0)), (s + 2) % 3);
    EXPECT_EQ(G(At(3, 0)), s);
    EXPECT_EQ(G(At(0, 1)), (s + 1) % 3);
    EXPECT_EQ(R(At(1, 1)), (s + 2) % 3);
    EXPECT_EQ(B(At(1, 1)), (s + 2) % 3);
}

TEST_F(EffectTest, EffectsReturnZeroWhenTheSurfaceCannotBeLocked) {
    plat::MarkSurfaceLost(BackSurface);
    EXPECT_EQ(fwDraw::ScreenEffectBlur(0, 0, 10, 10), 0);
    EXPECT_EQ(fwDraw::ScreenEffectBlurFade(1, 1, 1, 0, 0, 10, 10), 0);
    EXPECT_EQ(fwDraw::ScreenEffectSmooth(0, 0, 10, 10), 0);
    EXPECT_EQ(fwDraw::ScreenEffectSmoothFade(1, 1, 1, 0, 0, 10, 10), 0);
    EXPECT_EQ(fwDraw::ScreenEffectZoom2(0, 0, 10, 10, 0), 0);
    EXPECT_EQ(fwDraw::ScreenEffectZoom4(0, 0, 10, 10, 0), 0);
    EXPECT_EQ(fwDraw::ScreenEffectCircleMosaic(50, 50, 10, 2), 0);
    EXPECT_EQ(fwDraw::ScreenEffectNoise(0, 0, 0, 10, 10), 0);
    EXPECT_EQ(fwDraw::ScreenEffectChannelNoise(1, 1, 1, 0, 0, 0, 10, 10), 0);
    plat::Restore(BackSurface);
    plat::MarkSurfaceLost(DrawObjects[kBufferSprite].surface);
    EXPECT_EQ(fwDraw::ScreenEffectZoom2(0, 0, 10, 10, 0), 0);
    EXPECT_EQ(BackSurface->locks, 0);  // the back surface was let go again
}

}  // namespace
