#include <gtest/gtest.h>

#include <cmath>

#include "tests/framework/draw/draw_fixture.h"

namespace {

// Full-screen clip; a 16 x 12 sprite whose row r holds 1 + r in every
// pixel but column 0, which holds 100 + r (so shifts show).
class RowBlitTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        sprite_ = Sprite(16, 12, [](int x, int y) { return static_cast<uint16_t>(x == 0 ? 100 + y : 1 + y); });
        FrameSeconds = 0.5f;
    }
    // The destination column where row y's marker column landed, or -1.
    int MarkerAt(int y, int from = 0, int to = 800) {
        for (int x = from; x < to; ++x)
            if (Px(BackSurface, x, y) >= 100) return x;
        return -1;
    }
    int sprite_ = 0;
};

TEST_F(RowBlitTest, ShakeWithoutAmountIsAPlainBlitAndWithItStaysInRange) {
    fwDraw::BltShake(200, 100, 0, sprite_, 0, 0, 16, 12);
    for (int r = 0; r < 12; ++r) ASSERT_EQ(Px(BackSurface, 200, 100 + r), 100 + r);
    fwDraw::ClearBackBuffer();
    fwDraw::BltShake(200, 100, 3, sprite_, 0, 0, 16, 12);
    for (int r = 0; r < 12; ++r) {
        int x = MarkerAt(100 + r);
        ASSERT_GE(x, 197);
        ASSERT_LE(x, 202);
        ASSERT_EQ(Px(BackSurface, x, 100 + r), 100 + r);
    }
}

TEST_F(RowBlitTest, ScanlinesSkipTheFirstRowAndZeroDrawsNothing) {
    fwDraw::BltScanlines(200, 100, 0, sprite_, 0, 0, 16, 12);
    EXPECT_EQ(MarkerAt(100), -1);
    fwDraw::BltScanlines(200, 100, 4, sprite_, 0, 0, 16, 12);
    for (int r = 0; r < 12; ++r) EXPECT_EQ(Px(BackSurface, 200, 100 + r), r % 4 == 0 && r > 0 ? 100 + r : 0) << r;
    fwDraw::ClearBackBuffer();
    fwDraw::BltScanlines(200, 100, -3, sprite_, 0, 0, 16, 12);
    int last = 0, drawn = 0;
    for (int r = 1; r < 12; ++r)
        if (Px(BackSurface, 200, 100 + r) == 100 + r) {
            EXPECT_LE(r - last, 3);
            last = r;
            ++drawn;
        }
    EXPECT_EQ(Px(BackSurface, 200, 100), 0);
    EXPECT_GE(drawn, 3);
}

TEST_F(RowBlitTest, MosaicRepeatsTheFirstRowOfEachBand) {
    fwDraw::BltVerticalMosaic(200, 100, 5, sprite_, 0, 0, 16, 12);
    for (int q = 0; q < 15; ++q) EXPECT_EQ(Px(BackSurface, 200, 100 + q), 100 + (q / 5) * 5) << q;
    fwDraw::ClearBackBuffer();
    fwDraw::BltVerticalMosaic(200, 100, 0, sprite_, 0, 0, 16, 12);  // no bands, no endless loop
    EXPECT_EQ(MarkerAt(100), -1);
}

TEST_F(RowBlitTest, WaveOffsetsFollowTheCosineAndTheAlternation) {
    fwDraw::BltWave(300, 100, 10, 0, 40.0f, sprite_, 0, 0, 16, 12, 0);
    for (int r = 0; r < 12; ++r)
        EXPECT_EQ(MarkerAt(100 + r), 300 + static_cast<int>(std::cos(r * 2 * M_PI / 360) * 10)) << r;
    EXPECT_EQ(MarkerAt(100), 310);
    EXPECT_FLOAT_EQ(WavePhase, 20.0f);  // 0.5 s x 40
    fwDraw::ClearBackBuffer();
    WavePhase = 0.0f;
    fwDraw::BltWave(300, 100, 10, 0, 0.0f, sprite_, 0, 0, 16, 12, 1);
    EXPECT_EQ(MarkerAt(100), 310);  // cos 0 x 10, sign +1
    EXPECT_EQ(MarkerAt(101), 291);  // cos 1 degree x 10 truncates to 9, sign -1
    EXPECT_EQ(MarkerAt(102), 309);
    EXPECT_EQ(WaveSign, 1);  // twelve flips
    fwDraw::ClearBackBuffer();
    WavePhase = 90.0f;  // period 4: the angle steps every fourth row from 90
    fwDraw::BltWave(300, 100, 100, 4, 0.0f, sprite_, 0, 0, 16, 12, 0);
    EXPECT_EQ(MarkerAt(103), 300);  // cos 90 degrees
    EXPECT_EQ(MarkerAt(104), 299);  // cos 91 degrees x 100 = -1.7
    WavePhase = 350.0f;
    fwDraw::BltWave(300, 100, 10, 0, 40.0f, sprite_, 0, 0, 16, 12, 0);
    EXPECT_FLOAT_EQ(WavePhase, 10.0f);  // wrapped past 360
}

TEST_F(RowBlitTest, WaveScrollTakesRowsFromTheScrollOffset) {
    WaveScrollOffset = 5.0f;
    fwDraw::BltWaveScrollV(300, 100, 0, 0, 0.0f, 4.0f, sprite_, 0, 2, 16, 12);
    // Destination row y + r for r = 2..11; source row 5 + r, less 10 from 12 on.
    for (int r = 2; r < 12; ++r) {
        int s = 5 + r >= 12 ? 5 + r - 10 : 5 + r;
        EXPECT_EQ(Px(BackSurface, 300, 100 + r), 100 + s) << r;
    }
    EXPECT_FLOAT_EQ(WaveScrollOffset, 3.0f);
    fwDraw::BltWaveScrollV(300, 100, 0, 0, 0.0f, 8.0f, sprite_, 0, 2, 16, 12);
    EXPECT_FLOAT_EQ(WaveScrollOffset, 9.0f);  // below 0: raised by the height 10
}

TEST_F(RowBlitTest, WaveTiledRepeatsAcrossTheScreen) {
    fwDraw::BltWaveTiled(50, 74, 0, 0, 0.0f, 0.0f, sprite_, 0, 0, 16, 12);
    for (int i = 0; i < 24; ++i) {
        ASSERT_EQ(Px(BackSurface, 0, 50 + i), 100 + i % 12) << i;
        ASSERT_EQ(Px(BackSurface, 16 * 49, 50 + i), 100 + i % 12) << i;
    }
    EXPECT_EQ(Px(BackSurface, 0, 74), 0);
    fwDraw::BltWaveTiled(50, 74, 0, 0, 0.0f, 0.0f, sprite_, 3, 0, 3, 12);  // no width: nothing, no division
}

TEST_F(RowBlitTest, TiledScrollCoversTheClipAndKeepsOffsetsInRange) {
    fwDraw::SetClipRect(180, 0, 620, 600);
    fwDraw::BltTiledScroll(-30.0f, 10.0f, sprite_, 0, 0, 16, 12);
    EXPECT_EQ(Px(BackSurface, 180, 0), 1);  // column 4 of a tile
    EXPECT_EQ(Px(BackSurface, 192, 599), 100 + 599 % 12);
    EXPECT_EQ(Px(BackSurface, 179, 0), 0);
    EXPECT_FLOAT_EQ(TiledScrollX, -15.0f);
    EXPECT_FLOAT_EQ(TiledScrollY, -7.0f);  // 5 is above 0: lowered by 12
    fwDraw::BltTiledScroll(-30.0f, 10.0f, sprite_, 0, 0, 16, 12);
    EXPECT_FLOAT_EQ(TiledScrollX, -14.0f);  // -30 is below -16: raised by 16
    EXPECT_FLOAT_EQ(TiledScrollY, -2.0f);
    fwDraw::ClearBackBuffer();
    fwDraw::BltTiledScroll(0.0f, 0.0f, sprite_, 0, 0, 16, 12);
    // Tiles now start at x = 16 i - 14 and y = 12 j - 2.
    EXPECT_EQ(MarkerAt(10, 180, 620), 194);
    EXPECT_EQ(Px(BackSurface, 194, 10), 100);
    EXPECT_EQ(Px(BackSurface, 194, 9), 111);
}

TEST_F(RowBlitTest, RollDrawsLaterRowsOverEarlierOnes) {
    // h = 3, half = 1, phase 0: row 0 ends at 2, row 1 at 0 (nothing), row 2 at 2
    // from destination row 1 on.
    fwDraw::BltRollOpaque(300, 100, 1, 2.0f, sprite_, 0, 0, 16, 3);
    EXPECT_EQ(Px(BackSurface, 300, 100), 100);
    EXPECT_EQ(Px(BackSurface, 300, 101), 102);
    EXPECT_EQ(Px(BackSurface, 300, 102), 102);
    EXPECT_EQ(Px(BackSurface, 300, 103), 0);
    EXPECT_FLOAT_EQ(RollPhase, 1.0f);
    fwDraw::BltRollOpaque(300, 100, 0, 4.0f, sprite_, 0, 0, 16, 3);
    EXPECT_FLOAT_EQ(RollPhase, 2.0f);  // 1 - 2 below 0: raised by 3
    fwDraw::BltRollOpaque(300, 200, 1, 0.0f, sprite_, 0, 0, 16, 1);  // too short to roll
    EXPECT_EQ(Px(BackSurface, 300, 200), 0);
}

TEST_F(RowBlitTest, SourcesOutsideThePictureDrawNothing) {
    fwDraw::BltWave(300, 100, 0, 0, 0.0f, sprite_, 0, 0, 16, 13, 0);
    fwDraw::BltShake(300, 100, 2, sprite_, 0, 0, 17, 12);
    fwDraw::BltScanlines(300, 100, 1, sprite_, 0, 0, 16, 13);
    fwDraw::BltVerticalMosaic(300, 100, 2, sprite_, 0, 0, 16, 13);
    fwDraw::BltRollOpaque(300, 100, 1, 0.0f, sprite_, 0, 0, 16, 13);
    fwDraw::BltTiledScroll(0.0f, 0.0f, sprite_, 0, 0, 16, 13);
    for (int y = 0; y < 600; y += 3) ASSERT_EQ(MarkerAt(y), -1) << y;
}

}  // namespace
