#include <gtest/gtest.h>

#include <cstring>

#include "framework/draw/effect.h"
#include "tests/framework/draw/draw_fixture.h"

namespace {

uint16_t P5(int r, int g, int b) { return static_cast<uint16_t>((r << 11) | (g << 6) | b); }
int Red(uint16_t p) { return p >> 11; }

class EffectBlitTest : public ScreenTest {
protected:
    uint16_t At(int x, int y) { return Px(BackSurface, x, y); }
    void Set(int x, int y, uint16_t v) { SetPx(BackSurface, x, y, v); }
    const TunnelCell& Cell(int i, int j) { return TunnelTable[j * TunnelWidth + i]; }
};

TEST_F(EffectBlitTest, TunnelTableAroundTheCentre) {
    EXPECT_EQ(TunnelWidth, 0);  // nothing before the first build
    ASSERT_EQ(fwDraw::BuildTunnelTable(256, 256, 9, 9, -1, -1, 8, 0, 0, 0), 1);
    EXPECT_EQ(TunnelWidth, 9);
    EXPECT_EQ(TunnelHeight, 9);
    EXPECT_EQ(TunnelTextureWidth, 256);
    // base = 256 / (2 tan(pi / 16)) = 643.5; f = base / 32 = 20.11; the
    // centre (4, 4) is sqrt(32) = 5.657 from the corner.
    // (8, 4): angle 0, row (5.657 - 4) x 20.11 / 4 = 8.33
    EXPECT_EQ(Cell(8, 4).column, 0);
    EXPECT_EQ(Cell(8, 4).row, 8);
    EXPECT_EQ(Cell(4, 8).column, 64);   // a quarter turn
    EXPECT_EQ(Cell(0, 4).column, 128);  // half a turn
    EXPECT_EQ(Cell(4, 0).column, 192);  // -64 wrapped
    EXPECT_EQ(Cell(4, 0).row, 8);
    EXPECT_EQ(Cell(8, 8).column, 32);
    EXPECT_EQ(Cell(8, 8).row, 0);       // as far as the corner: depth 0
    EXPECT_EQ(Cell(4, 4).column, 0);    // the centre has no distance: (0, 0)
    EXPECT_EQ(Cell(4, 4).row, 0);

    ASSERT_EQ(fwDraw::BuildTunnelTable(256, 256, 9, 9, -1, -1, 8, 0, 1, 0), 1);
    EXPECT_EQ(Cell(8, 8).row, 8);  // max(|dx|, |dy|) = 4
    ASSERT_EQ(fwDraw::BuildTunnelTable(256, 256, 9, 9, -1, -1, 8, 0, 0, 5), 1);
    EXPECT_EQ(Cell(8, 4).row, 0);  // min(|dx|, |dy|) = 0 on an axis: (0, 0)
    EXPECT_EQ(Cell(8, 4).column, 0);
    for (int j = 0; j < 9; ++j)
        for (int i = 0; i < 9; ++i) {
            EXPECT_GE(Cell(i, j).column, 0);
            EXPECT_LT(Cell(i, j).column, 256);
            EXPECT_GE(Cell(i, j).row, 0);
            EXPECT_LT(Cell(i, j).row, 256);
        }
}

TEST_F(EffectBlitTest, TunnelTableRefusesSizesItCannotHold) {
    ASSERT_EQ(fwDraw::BuildTunnelTable(64, 64, 640, 480, -1, -1, -1, 1, 2, 3), 1);
    EXPECT_EQ(fwDraw::BuildTunnelTable(64, 64, 641, 480, -1, -1, -1, 0, 0, 0), 0);
    EXPECT_EQ(fwDraw::BuildTunnelTable(64, 64, 800, 384, -1, -1, -1, 0, 0, 0), 0);
    EXPECT_EQ(fwDraw::BuildTunnelTable(64, 64, 0, 10, -1, -1, -1, 0, 0, 0), 0);
    EXPECT_EQ(fwDraw::BuildTunnelTable(0, 64, 10, 10, -1, -1, -1, 0, 0, 0), 0);
    EXPECT_EQ(fwDraw::BuildTunnelTable(64, -3, 10, 10, -1, -1, -1, 0, 0, 0), 0);
    EXPECT_EQ(TunnelWidth, 640);  // the last good table stands
    EXPECT_EQ(TunnelHeight, 480);
    // Every centre mode and every distance and depth mode keeps its cells in the texture.
    for (int cm = 0; cm <= 4; ++cm)
        for (int dm = 0; dm <= 6; ++dm)
            for (int pm = 0; pm <= 5; ++pm) {
                ASSERT_EQ(fwDraw::BuildTunnelTable(37, 23, 31, 17, -1, -1, 1, cm, dm, pm), 1);
                for (int c = 0; c < 31 * 17; ++c) {
                    ASSERT_GE(TunnelTable[c].column, 0);
                    ASSERT_LT(TunnelTable[c].column, 37);
                    ASSERT_GE(TunnelTable[c].row, 0);
                    ASSERT_LT(TunnelTable[c].row, 23);
                }
            }
}

TEST_F(EffectBlitTest, TunnelBlitTurnsWithOffsetsAndStaysInBounds) {
    int tex = Sprite(4, 4, [](int x, int y) { return static_cast<uint16_t>(1 + x + 4 * y); });
    EXPECT_EQ(fwDraw::BltTunnel(100, 100, 0, 0, tex), 1);  // no table yet: nothing
    EXPECT_EQ(At(100, 100), 0);
    ASSERT_EQ(fwDraw::BuildTunnelTable(4, 4, 9, 9, -1, -1, 8, 0, 0, 0), 1);
    ASSERT_EQ(fwDraw::BltTunnel(100, 100, 0, 0, tex), 1);
    for (int j = 0; j < 9; ++j)
        for (int i = 0; i < 9; ++i) ASSERT_EQ(At(100 + i, 100 + j), 1 + Cell(i, j).column + 4 * Cell(i, j).row);
    EXPECT_EQ(At(109, 100), 0);  // nothing past the table
    EXPECT_EQ(At(100, 109), 0);
    fwDraw::BltTunnel(100, 100, 1, 0, tex);  // turns: one texture column on
    EXPECT_EQ(At(104, 104), 2);
    fwDraw::BltTunnel(100, 100, -1, -6, tex);  // negative offsets wrap into the texture
    EXPECT_EQ(At(104, 104), 1 + 3 + 4 * 2);
    // Partly off the screen, and a texture larger than the picture.
    EXPECT_EQ(fwDraw::BltTunnel(795, 595, 0, 0, tex), 1);
    EXPECT_EQ(fwDraw::BltTunnel(-5, -5, 0, 0, tex), 1);
    ASSERT_EQ(fwDraw::BuildTunnelTable(64, 64, 100, 100, -1, -1, 8, 0, 0, 0), 1);
    EXPECT_EQ(fwDraw::BltTunnel(0, 0, 30, 30, tex), 1);
}

TEST_F(EffectBlitTest, LightSpillFadesOneStepPerPixelInsideTheClip) {
    std::memset(RandomBytes, 0, sizeof(RandomBytes));
    int dot = Sprite(1, 1, [](int, int) { return P5(31, 0, 0); });
    ASSERT_EQ(fwDraw::BltLightSpill(100, 100, 0, 0, 0, 0x10, 0, dot, 0, 0, 1, 1), 1);
    EXPECT_EQ(At(100, 100), 0);  // drawSelf 0: the pixel itself is not drawn
    for (int k = 1; k <= 30; ++k) EXPECT_EQ(At(100 + k, 100), P5(31 - k, 0, 0)) << k;
    EXPECT_EQ(At(131, 100), 0);
    EXPECT_EQ(At(99, 100), 0);
    EXPECT_EQ(At(101, 101), 0);

    // Diagonals step a row and a column; light adds to what is there.
    Set(298, 202, P5(20, 0, 0));
    ASSERT_EQ(fwDraw::BltLightSpill(300, 200, 0, 0, 0, 0x01 | 0x80, 1, dot, 0, 0, 1, 1), 1);
    EXPECT_EQ(At(300, 200), P5(31, 0, 0));
    EXPECT_EQ(At(299, 201), P5(30, 0, 0));
    EXPECT_EQ(At(298, 202), P5(31, 0, 0));  // 20 + 29, capped
    EXPECT_EQ(At(302, 198), P5(29, 0, 0));

    // The shift weakens the light: 31 >> 3 = 3 reaches two pixels.
    ASSERT_EQ(fwDraw::BltLightSpill(100, 300, 3, 0, 0, 0x02, 0, dot, 0, 0, 1, 1), 1);
    EXPECT_EQ(At(100, 301), P5(2, 0, 0));
    EXPECT_EQ(At(100, 302), P5(1, 0, 0));
    EXPECT_EQ(At(100, 303), 0);
}

TEST_F(EffectBlitTest, LightSpillDropsLightOutsideTheClipAndKeepsItsRandomPlace) {
    std::memset(RandomBytes, 0, sizeof(RandomBytes));
    int dot = Sprite(1, 1, [](int, int) { return P5(31, 31, 31); });
    fwDraw::SetClipRect(180, 50, 620, 600);
    ASSERT_EQ(fwDraw::BltLightSpill(180, 50, 0, 0, 0, 0xFF, 1, dot, 0, 0, 1, 1), 1);
    for (int k = 1; k <= 31; ++k) {
        EXPECT_EQ(At(180, 50 - k), 0) << k;  // above ClipTop, the row just above included
        EXPECT_EQ(At(180 - k, 50), 0) << k;  // left of ClipLeft
        EXPECT_EQ(At(180 - k, 50 - k), 0) << k;
    }
    EXPECT_NE(At(181, 50), 0);
    EXPECT_NE(At(180, 51), 0);
    // A light near the bottom-right corner of the screen stays on it.
    fwDraw::SetClipRect(0, 0, 800, 600);
    EXPECT_EQ(fwDraw::BltLightSpill(799, 599, 0, 0, 0, 0xFF, 1, dot, 0, 0, 1, 1), 1);

    // Jitter comes from the cursor's next entry: a second call sees the next value.
    fwDraw::ClearBackBuffer();
    std::memset(RandomBytes, 2, sizeof(RandomBytes));
    int red = Sprite(1, 1, [](int, int) { return P5(31, 0, 0); });
    fwDraw::BltLightSpill(100, 100, 0, 0, 0, 0x10, 0, red, 0, 0, 1, 1);
    EXPECT_EQ(At(101, 100), P5(28, 0, 0));  // 31 - 2 - 1
    EXPECT_EQ(At(129, 100), 0);
    // Alternating entries: two calls in a row take neighbouring ones.
    for (int i = 0; i < 10000; ++i) RandomBytes[i] = static_cast<uint8_t>(i % 2 * 2);
    fwDraw::BltLightSpill(100, 400, 0, 0, 0, 0x10, 0, red, 0, 0, 1, 1);
    fwDraw::BltLightSpill(100, 410, 0, 0, 0, 0x10, 0, red, 0, 0, 1, 1);
    EXPECT_EQ(Red(At(101, 400)) + Red(At(101, 410)), 30 + 28);
}

TEST_F(EffectBlitTest, DisplacePullsTheBackgroundUpByTheRedChannel) {
    for (int y = 0; y < 40; ++y) Set(100, 100 + y, P5(0, y % 32, 1));
    int map = Sprite(1, 20, [](int, int y) -> uint16_t { return y == 0 || y == 15 ? P5(10, 0, 0) : 0; });
    ASSERT_EQ(fwDraw::BltDisplace(100, 100, 0.0f, map, 0, 0, 1, 20), 1);  // L = 31: nothing moves
    EXPECT_EQ(At(100, 100), P5(0, 0, 1));
    ASSERT_EQ(fwDraw::BltDisplace(100, 100, 1.0f, map, 0, 0, 1, 20), 1);  // L = 0
    EXPECT_EQ(At(100, 100), P5(0, 10, 1));   // the pixel 10 rows lower
    EXPECT_EQ(At(100, 115), P5(0, 15, 1));   // 10 rows would leave the rectangle: stays
    EXPECT_EQ(At(100, 101), P5(0, 1, 1));    // transparent map pixels change nothing
    // Level 0.5: L = 31 - 15.5 truncated = 15, so red 20 pulls 5 rows up.
    for (int y = 0; y < 40; ++y) Set(200, 100 + y, P5(0, y % 32, 1));
    int red20 = Sprite(1, 20, [](int, int y) -> uint16_t { return y == 0 ? P5(20, 0, 0) : 0; });
    ASSERT_EQ(fwDraw::BltDisplace(200, 100, 0.5f, red20, 0, 0, 1, 20), 1);
    EXPECT_EQ(At(200, 100), P5(0, 5, 1));
    // Far-off levels neither overflow nor pull past the rectangle.
    EXPECT_EQ(fwDraw::BltDisplace(200, 100, -1e30f, red20, 0, 0, 1, 20), 1);
    EXPECT_EQ(fwDraw::BltDisplace(200, 100, 1e30f, red20, 0, 0, 1, 20), 1);
    EXPECT_EQ(At(200, 100), P5(0, 5, 1));
}

TEST_F(EffectBlitTest, RippleMapsEachPixelForward) {
    int pic = Sprite(2, 2, [](int x, int y) { return static_cast<uint16_t>(0x100 + x + 2 * y); });
    // Frequency 0: z = exp(v^2 - u^2); amplitude 10 lifts row j to (z + 1) x 5 + j.
    ASSERT_EQ(fwDraw::BltRipple(100, 100, 10, 0, 1, 1.0f, 0.0f, pic, 0, 0, 2, 2), 1);
    EXPECT_EQ(At(100, 110), 0x100);  // (0, 0): u = v = -1, z = 1
    EXPECT_EQ(At(101, 118), 0x101);  // (1, 0): u = 0, v = -1, z = e: 18.59
    EXPECT_EQ(At(100, 107), 0x102);  // (0, 1): u = -1, v = 0, z = 1/e: 7.84
    EXPECT_EQ(At(101, 111), 0x103);  // (1, 1): the centre, z = 1
    // No amplitude: a plain copy, slanted and scaled.
    ASSERT_EQ(fwDraw::BltRipple(200, 200, 0, 3, 1, 2.0f, 1.0f, pic, 0, 0, 2, 2), 1);
    EXPECT_EQ(At(200, 200), 0x100);
    EXPECT_EQ(At(202, 200), 0x101);
    EXPECT_EQ(At(202, 202), 0x102);  // x + (0 + 1 x 1) x 2
    EXPECT_EQ(At(204, 202), 0x103);
    // Step 2 takes every other pixel; step 0 is taken as 1, not a hang.
    fwDraw::ClearBackBuffer();
    ASSERT_EQ(fwDraw::BltRipple(300, 300, 0, 0, 2, 1.0f, 0.0f, pic, 0, 0, 2, 2), 1);
    EXPECT_EQ(At(300, 300), 0x100);
    EXPECT_EQ(At(301, 300), 0);
    EXPECT_EQ(fwDraw::BltRipple(300, 300, 0, 0, 0, 1.0f, 0.0f, pic, 0, 0, 2, 2), 1);
    EXPECT_EQ(At(301, 301), 0x103);
    // Targets outside the clip rectangle are dropped.
    fwDraw::SetClipRect(180, 0, 620, 600);
    ASSERT_EQ(fwDraw::BltRipple(610, 100, 0, 0, 1, 10.0f, 0.0f, pic, 0, 0, 2, 2), 1);
    EXPECT_EQ(At(610, 100), 0x100);
    EXPECT_EQ(At(610, 110), 0x102);
    EXPECT_EQ(At(620, 100), 0);
    EXPECT_EQ(fwDraw::BltRipple(610, 100, 0, 0, 1, 1e30f, 1e30f, pic, 0, 0, 2, 2), 1);
    // Cut at the clip's left and top edges: the walk starts at the clip
    // corner, so with no amplitude the picture lands where BltObject puts it.
    fwDraw::ClearBackBuffer();
    int wide = Sprite(20, 10, [](int x, int y) { return static_cast<uint16_t>(1 + x + 32 * y); });
    fwDraw::SetClipRect(180, 105, 620, 600);
    ASSERT_EQ(fwDraw::BltRipple(170, 100, 0, 0, 1, 1.0f, 0.0f, wide, 0, 0, 20, 10), 1);
    for (int j = 0; j < 5; ++j)
        for (int i = 0; i < 10; ++i) ASSERT_EQ(At(180 + i, 105 + j), 1 + (10 + i) + 32 * (5 + j)) << i << "," << j;
    EXPECT_EQ(At(190, 105), 0);
}

TEST_F(EffectBlitTest, EdgeStretchRepeatsTheEdgeColumnOrRow) {
    const uint16_t a = P5(1, 0, 0), b = P5(2, 0, 0), c = P5(3, 0, 0), d = P5(4, 0, 0);
    int pic = Sprite(4, 2, [&](int x, int y) -> uint16_t {
        const uint16_t row[4] = {a, b, c, d};
        return y == 0 ? row[x] : P5(0, 0, 1 + x);
    });
    // Mode 0, pos 1: columns 0 and 1, then column 1 to the clip's right edge.
    ASSERT_EQ(fwDraw::BltEdgeStretch(100, 10, 0, 1, pic, 0, 0, 4, 2), 1);
    EXPECT_EQ(At(100, 10), a);
    EXPECT_EQ(At(101, 10), b);
    EXPECT_EQ(At(102, 10), b);
    EXPECT_EQ(At(799, 10), b);
    EXPECT_EQ(At(799, 11), P5(0, 0, 2));
    EXPECT_EQ(At(99, 10), 0);
    // Mode 1, pos 2: columns before 2 repeat it, and the row is filled from
    // screen column 0 up to x - 1.
    ASSERT_EQ(fwDraw::BltEdgeStretch(100, 20, 1, 2, pic, 0, 0, 4, 2), 1);
    EXPECT_EQ(At(100, 20), c);
    EXPECT_EQ(At(101, 20), c);
    EXPECT_EQ(At(102, 20), c);
    EXPECT_EQ(At(103, 20), d);
    EXPECT_EQ(At(0, 20), c);
    EXPECT_EQ(At(99, 21), P5(0, 0, 3));
    EXPECT_EQ(At(104, 20), 0);
    // Modes 2 and 3 do the same with rows.
    ASSERT_EQ(fwDraw::BltEdgeStretch(300, 100, 2, 0, pic, 0, 0, 4, 2), 1);
    EXPECT_EQ(At(300, 100), a);
    EXPECT_EQ(At(300, 101), a);
    EXPECT_EQ(At(303, 599), d);
    EXPECT_EQ(At(304, 599), 0);
    ASSERT_EQ(fwDraw::BltEdgeStretch(400, 100, 3, 1, pic, 0, 0, 4, 2), 1);
    EXPECT_EQ(At(400, 100), P5(0, 0, 1));  // row 0 repeats row 1
    EXPECT_EQ(At(401, 101), P5(0, 0, 2));
    EXPECT_EQ(At(402, 0), P5(0, 0, 3));    // screen rows above filled with row 1
    EXPECT_EQ(At(404, 0), 0);
    // A position outside the rectangle draws nothing.
    fwDraw::ClearBackBuffer();
    EXPECT_EQ(fwDraw::BltEdgeStretch(100, 10, 0, 4, pic, 0, 0, 4, 2), 1);
    EXPECT_EQ(fwDraw::BltEdgeStretch(100, 10, 2, -1, pic, 0, 0, 4, 2), 1);
    EXPECT_EQ(fwDraw::BltEdgeStretch(100, 10, 7, 0, pic, 0, 0, 4, 2), 1);
    EXPECT_EQ(At(100, 10), 0);
}

TEST_F(EffectBlitTest, EdgeStretchIsKeyedAndClipped) {
    int pic = Sprite(3, 1, [](int x, int) -> uint16_t { return x == 2 ? 0 : P5(5, 5, 5); });
    for (int x = 0; x < 800; ++x) Set(x, 30, 0x0001);
    fwDraw::SetClipRect(180, 0, 620, 600);
    ASSERT_EQ(fwDraw::BltEdgeStretch(200, 30, 0, 2, pic, 0, 0, 3, 1), 1);
    EXPECT_EQ(At(201, 30), P5(5, 5, 5));
    EXPECT_EQ(At(202, 30), 0x0001);  // the repeated column is transparent
    EXPECT_EQ(At(619, 30), 0x0001);
    ASSERT_EQ(fwDraw::BltEdgeStretch(150, 30, 0, 1, pic, 0, 0, 3, 1), 1);
    EXPECT_EQ(At(179, 30), 0x0001);  // left of the clip
    EXPECT_EQ(At(180, 30), P5(5, 5, 5));
    EXPECT_EQ(At(619, 30), P5(5, 5, 5));
    EXPECT_EQ(At(620, 30), 0x0001);
}

TEST_F(EffectBlitTest, InvertThroughTheContextAndLockFailures) {
    fwDraw::SetClipRect(180, 0, 620, 600);
    Set(10, 10, 0x1234);
    fwDraw::InvertRectGdi(0, 0, 20, 20);  // the clip rectangle does not apply
    EXPECT_EQ(At(10, 10), static_cast<uint16_t>(~0x1234));
    EXPECT_EQ(At(20, 20), 0);
    fwDraw::InvertRectGdi(790, 590, 900, 900);
    EXPECT_EQ(At(799, 599), 0xFFFF);

    int pic = Sprite(2, 2, [](int, int) { return 0x1111; });
    plat::MarkSurfaceLost(BackSurface);
    EXPECT_EQ(fwDraw::BltLightSpill(200, 200, 0, 0, 0, 0xFF, 1, pic, 0, 0, 2, 2), 0);
    EXPECT_EQ(fwDraw::BltRipple(200, 200, 1, 1, 1, 1.0f, 0.0f, pic, 0, 0, 2, 2), 0);
    EXPECT_EQ(fwDraw::BltDisplace(200, 200, 1.0f, pic, 0, 0, 2, 2), 0);
    EXPECT_EQ(fwDraw::BltEdgeStretch(200, 200, 0, 0, pic, 0, 0, 2, 2), 0);
    fwDraw::BuildTunnelTable(2, 2, 4, 4, -1, -1, 8, 0, 0, 0);
    EXPECT_EQ(fwDraw::BltTunnel(200, 200, 0, 0, pic), 0);
    fwDraw::InvertRectGdi(0, 0, 10, 10);  // no context: nothing, no failure
    plat::Restore(BackSurface);
    EXPECT_EQ(BackSurface->locks, 0);
    EXPECT_EQ(DrawObjects[pic].surface->locks, 0);
    // A rectangle outside the picture or a missing picture draws nothing.
    fwDraw::ClearBackBuffer();
    EXPECT_EQ(fwDraw::BltDisplace(200, 200, 1.0f, pic, 0, 0, 3, 2), 1);
    EXPECT_EQ(fwDraw::BltLightSpill(200, 200, 0, 0, 0, 0xFF, 1, 499, 0, 0, 2, 2), 1);
    EXPECT_EQ(At(200, 200), 0);
}

}  // namespace
