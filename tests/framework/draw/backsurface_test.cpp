#include <gtest/gtest.h>

#include "framework/draw/backsurface.h"
#include "platform/gdi_dc.h"
#include "tests/framework/draw/draw_fixture.h"

namespace {

constexpr uint16_t kRed = 0xF800;

class BackSurfaceTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        dcs = plat::LiveDCCount();
        pens = plat::LivePenCount();
        brushes = plat::LiveBrushCount();
    }
    void TearDown() override {
        // Every call gives back its context, pen and brush.
        EXPECT_EQ(plat::LiveDCCount(), dcs);
        EXPECT_EQ(plat::LivePenCount(), pens);
        EXPECT_EQ(plat::LiveBrushCount(), brushes);
        ScreenTest::TearDown();
    }
    uint16_t B(int x, int y) { return Px(BackSurface, x, y); }
    int dcs = 0, pens = 0, brushes = 0;
};

TEST_F(BackSurfaceTest, LineOfWidthOneLeavesItsEndPointAndIgnoresTheClipRectangle) {
    fwDraw::SetClipRect(180, 0, 620, 600);
    fwDraw::DrawLine(10, 10, 20, 10, plat::Rgb(255, 0, 0), 1);
    for (int x = 10; x < 20; ++x) EXPECT_EQ(B(x, 10), kRed) << x;
    EXPECT_EQ(B(20, 10), 0);
    EXPECT_EQ(B(9, 10), 0);
    EXPECT_EQ(B(15, 9), 0);
    EXPECT_EQ(B(15, 11), 0);
    fwDraw::DrawLine(700, 100, 700, 110, plat::Rgb(255, 0, 0), 9);  // right side panel
    EXPECT_EQ(B(696, 105), kRed);
    EXPECT_EQ(B(704, 105), kRed);
    EXPECT_EQ(B(705, 105), 0);
}

TEST_F(BackSurfaceTest, PolygonModes) {
    const plat::Point square[4] = {{16, 16}, {48, 16}, {48, 48}, {16, 48}};
    auto hatch = [](int x, int y) { return (x - y) % 8 == 0 || (x + y) % 8 == 7; };
    const uint16_t blue = 0x001F;
    // Mode 0: the outline only.
    fwDraw::DrawPolygon(square, 4, plat::Rgb(255, 0, 0), plat::Rgb(0, 0, 255), 1, 0);
    EXPECT_EQ(B(16, 30), kRed);
    EXPECT_EQ(B(48, 48), kRed);
    EXPECT_EQ(B(24, 24), 0);  // on the hatch, but hollow
    EXPECT_EQ(B(25, 24), 0);
    // Mode 1: hatched over the background colour.
    fwDraw::ClearBackBuffer();
    fwDraw::DrawPolygon(square, 4, plat::Rgb(255, 0, 0), plat::Rgb(0, 0, 255), 1, 1);
    for (int y = 17; y < 48; ++y)
        for (int x = 17; x < 48; ++x) ASSERT_EQ(B(x, y), hatch(x, y) ? kRed : blue) << x << "," << y;
    // Mode 2: the gaps keep what was there.
    fwDraw::FillRectColor16(0, 0, 100, 100, 0x0400);
    fwDraw::DrawPolygon(square, 4, plat::Rgb(255, 0, 0), plat::Rgb(0, 0, 255), 1, 2);
    for (int y = 17; y < 48; ++y)
        for (int x = 17; x < 48; ++x) ASSERT_EQ(B(x, y), hatch(x, y) ? kRed : 0x0400) << x << "," << y;
}

TEST_F(BackSurfaceTest, RectangleBezierAndPixels) {
    fwDraw::DrawRectangle(100, 100, 110, 105, plat::Rgb(0, 0, 255), plat::Rgb(255, 0, 0), 1);
    EXPECT_EQ(B(100, 100), kRed);
    EXPECT_EQ(B(109, 104), kRed);
    EXPECT_EQ(B(105, 102), 0x001F);
    EXPECT_EQ(B(110, 102), 0);
    EXPECT_EQ(B(105, 105), 0);

    const plat::Point curve[4] = {{200, 200}, {200, 260}, {260, 260}, {260, 200}};
    fwDraw::DrawBezier(curve, 4, plat::Rgb(255, 0, 0), 1);
    EXPECT_EQ(B(200, 200), kRed);
    EXPECT_EQ(B(260, 200), 0);

    fwDraw::SetPixel(5, 6, plat::Rgb(255, 128, 8));
    uint32_t r = 0, g = 0, b = 0;
    fwDraw::GetPixel(5, 6, &r, &g, &b);
    EXPECT_EQ(r, 248u);
    EXPECT_EQ(g, 128u);
    EXPECT_EQ(b, 8u);
    fwDraw::GetPixel(800, 0, &r, &g, &b);  // outside: the bytes of the invalid colour
    EXPECT_EQ(r, 255u);
    EXPECT_EQ(b, 255u);
}

TEST_F(BackSurfaceTest, BackContextPair) {
    fwDraw::GetBackDC();
    ASSERT_NE(BackDC, nullptr);
    EXPECT_EQ(BackDC->surface, BackSurface);
    fwDraw::GetBackDC();  // held already: the same context
    EXPECT_EQ(plat::LiveDCCount(), dcs + 1);
    plat::SetPixel(BackDC, 1, 1, plat::Rgb(255, 0, 0));
    fwDraw::BltObjectOpaque(0, 0, kBufferSprite, 0, 0, 1, 1);  // blits still run while it is held
    fwDraw::ReleaseBackDC();
    EXPECT_EQ(BackDC, nullptr);
    EXPECT_EQ(B(1, 1), kRed);
    fwDraw::ReleaseBackDC();  // a second release does nothing
}

}  // namespace
