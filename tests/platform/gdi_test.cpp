#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/gdi.h"
#include "tests/support/bitmaps.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Pixel565;

struct Gdi : ::testing::Test {
    // Loads a file and copies it into a surface of its size.
    plat::Surface* Load(const std::string& name) {
        plat::Bitmap* b = plat::LoadBitmapFile(dir + name);
        if (!b) return nullptr;
        plat::Surface* s = plat::CreateSurface(b->width, b->height);
        EXPECT_EQ(plat::CopyBitmapToSurface(s, b, 0, 0, 0, 0), plat::kOk);
        plat::DeleteBitmap(b);
        surfaces.push_back(s);
        return s;
    }
    void TearDown() override {
        for (auto* s : surfaces) plat::ReleaseSurface(s);
    }
    static uint16_t At(plat::Surface* s, int x, int y) { return s->pixels[static_cast<size_t>(y) * s->pitch + x]; }
    testsupport::TempFolder folder;
    const std::string dir = folder.path + "/";
    std::vector<plat::Surface*> surfaces;
};

TEST_F(Gdi, TwentyFourBitChannelsAreCutToFiveSixFive) {
    ASSERT_TRUE(testsupport::WriteBmp24(dir + "a.bmp", 3, 2, [](int x, int y) -> uint32_t {
        static const uint32_t c[2][3] = {{0xFF8007, 0x07FB08, 0xFFFFFF}, {0x000000, 0x040404, 0x08040F}};
        return c[y][x];
    }));
    plat::Surface* s = Load("a.bmp");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->width, 3);
    EXPECT_EQ(s->height, 2);
    EXPECT_EQ(At(s, 0, 0), 0xFC00);                       // 31, 32, 0
    EXPECT_EQ(At(s, 1, 0), Pixel565(0x07, 0xFB, 0x08));   // 0, 62, 1
    EXPECT_EQ(At(s, 1, 0), (62 << 5) | 1);
    EXPECT_EQ(At(s, 2, 0), 0xFFFF);
    EXPECT_EQ(At(s, 0, 1), 0);
    EXPECT_EQ(At(s, 1, 1), 1 << 5);
    EXPECT_EQ(At(s, 2, 1), (1 << 11) | (1 << 5) | 1);
}

TEST_F(Gdi, SixteenBitFileKeepsEveryValue) {
    auto value = [](int x, int y) { return static_cast<uint16_t>((y * 256 + x) * 257 + 3); };
    ASSERT_TRUE(testsupport::WriteBmp565(dir + "b.bmp", 256, 4, value));
    plat::Surface* s = Load("b.bmp");
    ASSERT_NE(s, nullptr);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 256; ++x) ASSERT_EQ(At(s, x, y), value(x, y)) << x << "," << y;
}

TEST_F(Gdi, PalettedAndThirtyTwoBitFilesThroughSdl) {
    SDL_Surface* p8 = SDL_CreateRGBSurfaceWithFormat(0, 2, 2, 8, SDL_PIXELFORMAT_INDEX8);
    SDL_Color colours[2] = {{0xF8, 0x00, 0x00, 0xFF}, {0x00, 0x00, 0xF8, 0xFF}};
    SDL_SetPaletteColors(p8->format->palette, colours, 0, 2);
    static_cast<uint8_t*>(p8->pixels)[0] = 1;
    static_cast<uint8_t*>(p8->pixels)[1] = 0;
    ASSERT_EQ(SDL_SaveBMP(p8, (dir + "p8.bmp").c_str()), 0);
    SDL_FreeSurface(p8);
    plat::Surface* s = Load("p8.bmp");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(At(s, 0, 0), 0x001F);
    EXPECT_EQ(At(s, 1, 0), 0xF800);

    SDL_Surface* p32 = SDL_CreateRGBSurfaceWithFormat(0, 2, 1, 32, SDL_PIXELFORMAT_ARGB8888);
    static_cast<uint32_t*>(p32->pixels)[0] = 0xFF00FC00;
    static_cast<uint32_t*>(p32->pixels)[1] = 0xFF808080;
    ASSERT_EQ(SDL_SaveBMP(p32, (dir + "p32.bmp").c_str()), 0);
    SDL_FreeSurface(p32);
    s = Load("p32.bmp");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(At(s, 0, 0), 0x07E0);
    EXPECT_EQ(At(s, 1, 0), Pixel565(0x80, 0x80, 0x80));
}

TEST_F(Gdi, MissingOrBrokenFilesGiveNothing) {
    EXPECT_EQ(plat::LoadBitmapFile(dir + "none.bmp"), nullptr);
    FILE* f = std::fopen((dir + "junk.bmp").c_str(), "wb");
    std::fputs("BM and then nonsense", f);
    std::fclose(f);
    EXPECT_EQ(plat::LoadBitmapFile(dir + "junk.bmp"), nullptr);
    plat::Surface* s = plat::CreateSurface(2, 2);
    EXPECT_EQ(plat::CopyBitmapToSurface(s, nullptr, 0, 0, 0, 0), plat::kFail);
    EXPECT_EQ(plat::CopyBitmapToSurface(nullptr, nullptr, 0, 0, 0, 0), plat::kFail);
    plat::ReleaseSurface(s);
}

TEST_F(Gdi, BitmapCopyStretchesItsSourceRectangleOverTheSurface) {
    ASSERT_TRUE(testsupport::WriteBmp24(dir + "c.bmp", 4, 1, [](int x, int) -> uint32_t {
        return static_cast<uint32_t>(8 * (x + 1)) << 16;
    }));
    plat::Bitmap* b = plat::LoadBitmapFile(dir + "c.bmp");
    ASSERT_NE(b, nullptr);
    plat::Surface* s = plat::CreateSurface(4, 2);
    ASSERT_EQ(plat::CopyBitmapToSurface(s, b, 1, 0, 2, 1), plat::kOk);  // columns 1 and 2, doubled
    EXPECT_EQ(At(s, 0, 0), 2 << 11);
    EXPECT_EQ(At(s, 1, 1), 2 << 11);
    EXPECT_EQ(At(s, 2, 0), 3 << 11);
    EXPECT_EQ(At(s, 3, 1), 3 << 11);
    EXPECT_EQ(plat::CopyBitmapToSurface(s, b, 3, 0, 2, 1), plat::kFail);  // past the bitmap
    plat::DeleteBitmap(b);
    plat::ReleaseSurface(s);
}

TEST_F(Gdi, ColourRefAndPixelRoundTrip) {
    EXPECT_EQ(plat::PixelFromColorRef(plat::Rgb(255, 255, 255)), 0xFFFF);
    EXPECT_EQ(plat::PixelFromColorRef(plat::Rgb(255, 0, 0)), 0xF800);
    EXPECT_EQ(plat::PixelFromColorRef(plat::Rgb(0, 255, 0)), 0x07E0);
    EXPECT_EQ(plat::PixelFromColorRef(plat::Rgb(0, 0, 255)), 0x001F);
    for (uint32_t p = 0; p < 65536; ++p)
        ASSERT_EQ(plat::PixelFromColorRef(plat::ColorRefFromPixel(static_cast<uint16_t>(p))), p);
    plat::Surface* s = plat::CreateSurface(2, 2);
    EXPECT_TRUE(plat::SetPixel(s, 1, 1, plat::Rgb(0, 255, 0)));
    EXPECT_EQ(plat::GetPixel(s, 1, 1), plat::Rgb(0, 252, 0));
    EXPECT_FALSE(plat::SetPixel(s, 2, 0, 0));
    EXPECT_EQ(plat::GetPixel(s, -1, 0), 0xFFFFFFFFu);
    plat::ReleaseSurface(s);
}

}  // namespace
