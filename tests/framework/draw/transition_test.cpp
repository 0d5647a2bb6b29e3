#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <functional>

#include "platform/present.h"
#include "platform/window.h"
#include "tests/framework/draw/draw_fixture.h"
#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr uint16_t kNew = 0xF800;

// The old frame: pixel (x, y) = 1 + x (never the new frame's colour, never 0).
uint16_t Old(int x) { return static_cast<uint16_t>(1 + x); }

class TransitionTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        plat::LockedPixels p;
        ASSERT_EQ(plat::Lock(BackSurface, p), plat::kOk);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) p.pixels[y * p.pitch + x] = Old(x);
        plat::Unlock(BackSurface);
        fwDraw::CaptureRect(kScreenSprite, 0, 0, ScreenWidth, ScreenHeight);
    }
    // One frame of the new scene: filled with kNew, then presented.
    void NewFrame() {
        fwDraw::FillRectColor16(0, 0, 800, 600, kNew);
        fwDraw::Present();
    }
    void Open(int pattern, int pitch) {
        TransitionPattern = pattern;
        TransitionPitch = pitch;
        TransitionStep = pitch;
        TransitionDir = -1;
    }
    static uint16_t Shown(int x, int y) { return Px(PrimarySurface, x, y); }
    // Checks the presented frame against an expected old-frame source x (or
    // -1 for the new frame) for each pixel on a coarse grid.
    void ExpectFrame(const std::function<int(int, int)>& oldX) {
        for (int y = 0; y < 600; y += 7)
            for (int x = 0; x < 800; x += 9) {
                int sx = oldX(x, y);
                ASSERT_EQ(Shown(x, y), sx < 0 ? kNew : Old(sx)) << "at " << x << "," << y;
            }
    }
};

TEST_F(TransitionTest, OpeningPatternThreeShowsNewRowsFirstAndEndsAfterPitchPresents) {
    Open(3, 26);
    NewFrame();  // s = 26
    EXPECT_EQ(TransitionStep, 25);
    for (int y = 0; y < 600; ++y) {
        if (y % 26 == 0) {
            ASSERT_EQ(Shown(400, y), kNew) << y;
        } else {
            // Shaken by -1 or 0 only at the first step.
            uint16_t v = Shown(400, y);
            ASSERT_TRUE(v == Old(400) || v == Old(401)) << y << " " << v;
        }
    }
    for (int i = 2; i <= 25; ++i) {
        NewFrame();
        ASSERT_NE(TransitionStep, 0) << i;
    }
    // The 25th frame had s = 2: odd rows old, even rows new.
    EXPECT_EQ(Shown(400, 10), kNew);
    EXPECT_NE(Shown(400, 11), kNew);
    NewFrame();  // the 26th, s = 1: no row drawn
    EXPECT_EQ(TransitionStep, 0);
    EXPECT_EQ(TransitionDir, 0);
    ExpectFrame([](int, int) { return -1; });
}

TEST_F(TransitionTest, ShakeWidensAsTheStepFalls) {
    Open(3, 26);
    TransitionStep = 2;  // s = 2: shifts from -25 to 24
    NewFrame();
    int lo = 0, hi = 0;
    for (int y = 1; y < 600; y += 2) {
        int shift = 400 - (Shown(400, y) - 1);
        lo = std::min(lo, shift);
        hi = std::max(hi, shift);
        ASSERT_GE(shift, -25);
        ASSERT_LE(shift, 24);
    }
    EXPECT_LT(lo, -15);
    EXPECT_GT(hi, 15);
}

struct Geometry {
    int pattern, pitch, step;
    std::function<int(int, int)> oldX;  // old source column shown at (x, y), -1 for the new frame
};

class WipeGeometry : public TransitionTest, public ::testing::WithParamInterface<int> {};

TEST_P(WipeGeometry, FramesFollowTheirPattern) {
    // W = 800, H = 600, p = 10; k = p - s + 1.
    static const Geometry kCases[] = {
        {1, 10, 4, [](int x, int y) { return y % 4 ? x : -1; }},
        {2, 10, 3, [](int x, int y) { return y % 10 <= 3 ? x : -1; }},
        {5, 10, 9, [](int x, int y) { return y < 600 - 120 ? x : -1; }},  // moved up by 60 k
        {6, 10, 9, [](int x, int y) { return y >= 120 ? x : -1; }},
        {7, 10, 8, [](int x, int) { return x < 800 - 240 ? x + 240 : -1; }},
        {8, 10, 8, [](int x, int) { return x >= 240 ? x - 240 : -1; }},
        {9, 10, 10, [](int x, int y) { return (y < 270 || y >= 330) ? x : -1; }},
        {10, 10, 10, [](int x, int) { return (x < 360 || x >= 440) ? (x < 400 ? x + 40 : x - 40) : -1; }},
        {11, 10, 3, [](int x, int) { return x < 240 ? x : -1; }},
        {12, 10, 8, [](int x, int) { return x >= 240 ? x : -1; }},
        {13, 10, 5, [](int, int) { return -1; }},
    };
    const Geometry& g = kCases[GetParam()];
    Open(g.pattern, g.pitch);
    TransitionStep = g.step;
    NewFrame();
    ExpectFrame(g.oldX);
    EXPECT_EQ(TransitionStep, g.step - 1);
}

INSTANTIATE_TEST_SUITE_P(Patterns, WipeGeometry, ::testing::Range(0, 11));

TEST_F(TransitionTest, WipesShowOnlyInsideTheClipRectangle) {
    fwDraw::SetClipRect(180, 0, 620, 600);
    Open(11, 10);
    TransitionStep = 10;  // the whole old frame
    NewFrame();
    EXPECT_EQ(Shown(179, 300), kNew);
    EXPECT_EQ(Shown(180, 300), Old(180));
    EXPECT_EQ(Shown(619, 300), Old(619));
    EXPECT_EQ(Shown(620, 300), kNew);
}

TEST_F(TransitionTest, ClosingTileWipeDrawsTenTilesAndEnds) {
    // A sheet of ten 64 x 48 tiles side by side; tile k is filled with
    // colour (8 (k + 1), 0, 0) and keeps a black (transparent) corner.
    Bitmap("TILES.BMP", 640, 48, [](int x, int y) -> uint32_t {
        if (x % 64 == 0 && y == 0) return 0;
        return static_cast<uint32_t>(8 * (x / 64 + 1)) << 16;
    });
    int tiles = fwDraw::LoadTransitionTiles("TILES.BMP");
    ASSERT_EQ(tiles, 4);
    EXPECT_EQ(ImgTransitionTiles, 4);
    fwDraw::SetClipRect(180, 0, 620, 600);
    fwDraw::FillRectColor16(0, 0, 800, 600, 0x07E0);
    TransitionPattern = 0;
    fwDraw::StartTransition();
    EXPECT_EQ(TransitionStep, 1);
    EXPECT_EQ(TransitionDir, 1);
    for (int s = 1; s <= 10; ++s) {
        ASSERT_NE(TransitionStep, 0);
        fwDraw::Present();  // nothing else redraws the back surface
        uint16_t tile = testsupport::Pixel565(8 * s, 0, 0);
        ASSERT_EQ(Shown(200, 10), tile) << s;
        ASSERT_EQ(Shown(619, 479), tile) << s;
        ASSERT_EQ(Shown(192, 0), 0x07E0) << s;   // the tile's transparent corner
        ASSERT_EQ(Shown(100, 10), 0x07E0) << s;  // left of the clip rectangle
        ASSERT_EQ(Shown(300, 480), 0x07E0) << s; // below the 640 x 480 cover
    }
    EXPECT_EQ(TransitionStep, 0);
    EXPECT_EQ(TransitionDir, 0);
}

TEST_F(TransitionTest, UndrawnPatternsAndZeroPitchStillCountTheirSteps) {
    for (int pattern : {13, 5, 2, 3, 11}) {
        TransitionPattern = pattern;
        TransitionPitch = 0;
        fwDraw::StartTransition();
        for (int i = 0; i < 10; ++i) fwDraw::Present();
        EXPECT_EQ(TransitionStep, 0) << pattern;
    }
}

TEST_F(TransitionTest, StartTransitionInRunsTenOpeningSteps) {
    TransitionPattern = 13;
    fwDraw::StartTransitionIn();
    EXPECT_EQ(TransitionStep, 10);
    EXPECT_EQ(TransitionDir, -1);
    for (int i = 0; i < 9; ++i) fwDraw::Present();
    EXPECT_EQ(TransitionStep, 1);
    fwDraw::Present();
    EXPECT_EQ(TransitionStep, 0);
}

TEST_F(TransitionTest, CaptureRectCopiesToTheTopLeftUnclipped) {
    fwDraw::SetClipRect(180, 0, 620, 600);
    int h = fwDraw::CreateObject(300, 200, 1);
    fwDraw::CaptureRect(h, 100, 50, 300, 150);
    plat::Surface* s = DrawObjects[h].surface;
    EXPECT_EQ(Px(s, 0, 0), Old(100));
    EXPECT_EQ(Px(s, 199, 99), Old(299));
    EXPECT_EQ(Px(s, 200, 0), 0);
    EXPECT_EQ(Px(s, 0, 100), 0);
    // A rectangle leaving the back surface copies nothing.
    fwDraw::CaptureRect(h, 700, 0, 900, 10);
    EXPECT_EQ(Px(s, 0, 0), Old(100));
    // A lost surface is restored.
    plat::MarkAllSurfacesLost();
    fwDraw::CaptureRect(h, 0, 0, 10, 10);
    EXPECT_FALSE(plat::IsLost(BackSurface));
}

TEST_F(TransitionTest, LostSurfaceAtPresentRestoresAndNextFramePresents) {
    plat::MarkAllSurfacesLost();
    NewFrame();  // the fill fails, the copy meets the loss and restores
    EXPECT_FALSE(plat::IsLost(PrimarySurface));
    NewFrame();
    EXPECT_EQ(Shown(5, 5), kNew);
}

TEST_F(TransitionTest, ViewerScrollsWithinThePicture) {
    // Its first ten columns are black, so the tiles show through them.
    Bitmap("VIEW.BMP", 440, 1000,
           [](int x, int y) -> uint32_t { return x < 10 ? 0u : y < 500 ? 0x0000F8u : 0xF80000u; });
    Bitmap("VTILE.BMP", 64, 48, [](int, int) -> uint32_t { return 0x00FC00u; });
    fwDraw::SetClipRect(180, 0, 620, 600);
    fwDraw::ToggleViewer();
    EXPECT_EQ(ViewerOn, 0);  // nothing loaded yet
    fwDraw::LoadViewer("VIEW.BMP", "VTILE.BMP", 1000);
    ASSERT_NE(ImgViewerPicture, 0);
    ASSERT_NE(ImgViewerTile, 0);
    fwDraw::ToggleViewer();
    EXPECT_EQ(ViewerOn, 1);
    FrameSeconds = 1.0f;
    LastKey = plat::VK_DOWN;
    fwDraw::Present();
    EXPECT_EQ(Shown(185, 10), 0x07E0);  // the tiles
    EXPECT_EQ(Shown(100, 10), Old(100)); // outside the clip rectangle
    EXPECT_EQ(Shown(200, 10), 0x001F);  // the picture's top
    EXPECT_FLOAT_EQ(ViewerScroll, 100.0f);
    EXPECT_FLOAT_EQ(ViewerTileOffsetX, -10.0f);
    for (int i = 0; i < 10; ++i) fwDraw::Present();
    EXPECT_FLOAT_EQ(ViewerScroll, 400.0f);  // 1000 less the clip height
    fwDraw::Present();
    EXPECT_EQ(Shown(200, 599), 0xF800);  // the picture's bottom row
    LastKey = plat::VK_LEFT;
    fwDraw::Present();
    fwDraw::Present();
    EXPECT_FLOAT_EQ(ViewerScroll, 0.0f);
    // 14 presents of 10 pixels each, wrapped at -64 and -48.
    EXPECT_FLOAT_EQ(ViewerTileOffsetX, -12.0f);
    EXPECT_FLOAT_EQ(ViewerTileOffsetY, -44.0f);
    fwDraw::ToggleViewer();
    EXPECT_EQ(ViewerOn, 0);
}

TEST_F(TransitionTest, PresentedFrameIsSavedAsTwentyFourBitBitmap) {
    fwDraw::FillRectColor16(0, 0, 800, 600, 0x001F);
    fwDraw::FillRectColor16(0, 0, 1, 1, 0xF800);
    fwDraw::Present();
    std::string path = dir_ + "shot.bmp";
    ASSERT_TRUE(plat::SavePresentedFrame(path));
    SDL_Surface* s = SDL_LoadBMP(path.c_str());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->w, 800);
    EXPECT_EQ(s->h, 600);
    EXPECT_EQ(s->format->BitsPerPixel, 24);
    auto at = [s](int x, int y) {
        const uint8_t* p = static_cast<const uint8_t*>(s->pixels) + y * s->pitch + 3 * x;
        Uint8 r, g, b;
        SDL_GetRGB(p[0] | (p[1] << 8) | (p[2] << 16), s->format, &r, &g, &b);
        return (r << 16) | (g << 8) | b;
    };
    EXPECT_EQ(at(0, 0), 0xFF0000);
    EXPECT_EQ(at(1, 0), 0x0000FF);
    EXPECT_EQ(at(799, 599), 0x0000FF);
    SDL_FreeSurface(s);
}

TEST(PlaytestShot, WritesThePresentedFrame) {
    testsupport::TempFolder folder;
    std::string path = folder.path + "/frame.bmp";
    auto r = testsupport::Playtest("--frames 3 --shot 2:" + path);
    EXPECT_EQ(r.status, 0) << r.out;
    SDL_Surface* s = SDL_LoadBMP(path.c_str());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->w, 800);
    EXPECT_EQ(s->h, 600);
    EXPECT_EQ(s->format->BitsPerPixel, 24);
    SDL_FreeSurface(s);
}

}  // namespace
