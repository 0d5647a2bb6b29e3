#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <vector>

#include "framework/draw/backsurface.h"
#include "platform/display_driver.h"
#include "platform/gdi_dc.h"
#include "tests/support/run.h"
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

namespace {

uint16_t P5(int r, int g, int b) { return static_cast<uint16_t>((r << 11) | (g << 6) | b); }

class ScreenshotTest : public ScreenTest {
protected:
    std::vector<uint8_t> Read(const std::string& name) {
        std::FILE* f = std::fopen((dir_ + name).c_str(), "rb");
        if (!f) return {};
        std::vector<uint8_t> b;
        int c;
        while ((c = std::fgetc(f)) != EOF) b.push_back(static_cast<uint8_t>(c));
        std::fclose(f);
        return b;
    }
    static uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
        return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
    }
    // A picture in the top-left corner: every pixel different.
    void Paint(int w, int h) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) SetPx(BackSurface, x, y, P5((x * 3) & 31, (y * 5 + x) & 31, (x + y * 7) & 31));
    }
};

TEST_F(ScreenshotTest, HeaderAndPaddedRowsBottomUp) {
    Paint(37, 5);
    ASSERT_EQ(fwDraw::SaveScreenshot("SHOT.BMP", 37, 5), 1);
    auto b = Read("SHOT.BMP");
    const uint32_t row = 112;  // 37 x 3 = 111, padded to 112
    ASSERT_EQ(b.size(), 58 + row * 5);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32(b, 2), 58 + row * 5);
    EXPECT_EQ(U32(b, 6), 0u);
    EXPECT_EQ(U32(b, 10), 58u);
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), 37u);
    EXPECT_EQ(U32(b, 22), 5u);
    EXPECT_EQ(b[26] | (b[27] << 8), 1);
    EXPECT_EQ(b[28] | (b[29] << 8), 24);
    EXPECT_EQ(U32(b, 30), 0u);
    EXPECT_EQ(U32(b, 34), row * 5);
    EXPECT_EQ(U32(b, 38), 2834u);
    EXPECT_EQ(U32(b, 42), 2834u);
    EXPECT_EQ(U32(b, 46), 0u);
    EXPECT_EQ(U32(b, 50), 0u);
    EXPECT_EQ(U32(b, 54), 0u);
    // The first stored row is screen row 4; blue, green, red; then one zero byte.
    const size_t first = 58;
    EXPECT_EQ(b[first + 0], ((0 + 4 * 7) & 31) << 3);  // blue of (0, 4)
    EXPECT_EQ(b[first + 1], ((4 * 5) & 31) << 3);      // green
    EXPECT_EQ(b[first + 2], 0);                        // red
    EXPECT_EQ(b[first + 111], 0);
    EXPECT_EQ(BackSurface->locks, 0);

    ASSERT_EQ(fwDraw::SaveScreenshot("FULL.BMP", 800, 600), 1);
    EXPECT_EQ(Read("FULL.BMP").size(), 58u + 2400u * 600u);
}

TEST_F(ScreenshotTest, ImageToolsReadBackTheSamePicture) {
    Paint(64, 48);
    ASSERT_EQ(fwDraw::SaveScreenshot("SHOT.BMP", 64, 48), 1);
    SDL_Surface* raw = SDL_LoadBMP((dir_ + "SHOT.BMP").c_str());
    ASSERT_NE(raw, nullptr) << SDL_GetError();
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(raw);
    ASSERT_NE(rgb, nullptr);
    ASSERT_EQ(rgb->w, 64);
    ASSERT_EQ(rgb->h, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            uint32_t got = static_cast<const uint32_t*>(rgb->pixels)[y * rgb->pitch / 4 + x] & 0xFFFFFF;
            uint16_t p = Px(BackSurface, x, y);
            uint32_t want = ((p >> 11) << 19) | (((p >> 6) & 31) << 11) | ((p & 31) << 3);
            ASSERT_EQ(got, want) << x << "," << y;
        }
    SDL_FreeSurface(rgb);
    // ImageMagick, where it is installed, reads the same size and colours.
    auto r = testsupport::Run("command -v convert >/dev/null && convert '" + dir_ + "SHOT.BMP' -format '%w %h %[pixel:p{2,1}]' info:");
    if (r.status == 0 && !r.out.empty()) {
        uint16_t p = Px(BackSurface, 2, 1);
        char want[64];
        std::snprintf(want, sizeof want, "64 48 srgb(%d,%d,%d)", (p >> 11) << 3, ((p >> 6) & 31) << 3, (p & 31) << 3);
        EXPECT_EQ(r.out, want);
    }
}

TEST_F(ScreenshotTest, FailuresWriteNothingAndLeaveTheSurfaceUnlocked) {
    EXPECT_EQ(fwDraw::SaveScreenshot("WIDE.BMP", 801, 600), 0);  // more than the surface holds
    EXPECT_EQ(fwDraw::SaveScreenshot("TALL.BMP", 800, 601), 0);
    EXPECT_EQ(fwDraw::SaveScreenshot("NONE.BMP", 0, 10), 0);
    EXPECT_TRUE(Read("WIDE.BMP").empty());
    EXPECT_EQ(fwDraw::SaveScreenshot("NO/SUCH/DIR.BMP", 10, 10), 0);  // cannot be opened
    EXPECT_EQ(BackSurface->locks, 0);
    plat::MarkSurfaceLost(BackSurface);
    EXPECT_EQ(fwDraw::SaveScreenshot("LOST.BMP", 10, 10), 0);
    EXPECT_TRUE(Read("LOST.BMP").empty());
    plat::Restore(BackSurface);
    // Later copies still reach the back surface.
    int sprite = Sprite(2, 2, [](int, int) { return 0x1234; });
    fwDraw::BltObject(0, 0, sprite, 0, 0, 2, 2);
    EXPECT_EQ(Px(BackSurface, 1, 1), 0x1234);
}

// Enumeration through a callback that counts the drivers it saw.
int gSeen = 0;
int Counting(const plat::DriverId* id, const char* d, const char* n, void* ctx) {
    ++gSeen;
    return fwDraw::EnumDriverCallback(id, d, n, ctx);
}

TEST_F(ScreenshotTest, DriverCallbackKeepsTheFirstWithThreeDAndTextures) {
    EXPECT_EQ(AcceleratedDriver, 1u);  // the platform's own driver qualifies
    const plat::DriverCaps none{}, only3d{plat::kCaps3D, 0}, both{plat::kCaps3D, plat::kSurfaceCapsTexture};
    plat::SetDisplayDrivers({{"a", "a", none}, {"b", "b", only3d}, {"c", "c", both, false}, {"d", "d", both},
                             {"e", "e", both}});
    plat::DisplayDriver* kept = nullptr;
    gSeen = 0;
    plat::EnumerateDisplayDrivers(Counting, &kept);
    EXPECT_EQ(gSeen, 4);  // stops at d; c cannot be created
    ASSERT_NE(kept, nullptr);
    plat::DriverCaps hw, em;
    plat::GetDriverCaps(kept, hw, em);
    EXPECT_EQ(hw.surfaceCaps, plat::kSurfaceCapsTexture);
    EXPECT_EQ(AcceleratedDriver, 1u);
    EXPECT_EQ(plat::LiveDisplayDriverCount(), 1);
    plat::ReleaseDisplayDriver(kept);

    plat::SetDisplayDrivers({{"a", "a", none}, {"b", "b", only3d}});
    kept = reinterpret_cast<plat::DisplayDriver*>(&gSeen);  // overwritten with null
    gSeen = 0;
    plat::EnumerateDisplayDrivers(Counting, &kept);
    EXPECT_EQ(gSeen, 2);
    EXPECT_EQ(kept, nullptr);
    EXPECT_EQ(AcceleratedDriver, 0u);
    EXPECT_EQ(plat::LiveDisplayDriverCount(), 0);

    ASSERT_EQ(fwDraw::Screen(800, 600, 2), 1);  // the set-up goes on with the default driver
    EXPECT_EQ(AcceleratedDriver, 0u);
    plat::SetDisplayDrivers({});
    ASSERT_EQ(fwDraw::Screen(800, 600, 2), 1);
    EXPECT_EQ(AcceleratedDriver, 1u);
    EXPECT_EQ(plat::LiveDisplayDriverCount(), 0);
}

}  // namespace
