#include <gtest/gtest.h>

#include <vector>

#include "platform/present.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(Present, ConversionWidensEachChannelToEightBits) {
    EXPECT_EQ(plat::ArgbOfPixel(0x0000), 0xFF000000u);
    EXPECT_EQ(plat::ArgbOfPixel(0xFFFF), 0xFFFFFFFFu);
    EXPECT_EQ(plat::ArgbOfPixel(0xF800), 0xFFFF0000u);
    EXPECT_EQ(plat::ArgbOfPixel(0x07E0), 0xFF00FF00u);
    EXPECT_EQ(plat::ArgbOfPixel(0x001F), 0xFF0000FFu);
    EXPECT_EQ(plat::ArgbOfPixel(0x0821), 0xFF080408u);
    EXPECT_EQ(plat::ArgbOfPixel(0x8410), 0xFF848284u);  // 16, 32, 16
    plat::Surface* s = plat::CreateSurface(3, 2);
    s->pixels[s->pitch + 2] = 0xF800;
    std::vector<uint32_t> out(2 * 5, 0);
    plat::ConvertToArgb(s, out.data(), 5);
    EXPECT_EQ(out[0], 0xFF000000u);
    EXPECT_EQ(out[5 + 2], 0xFFFF0000u);
    EXPECT_EQ(out[3], 0u);  // beyond the row: untouched
    plat::ReleaseSurface(s);
}

TEST(Present, TheWholeFrameConversionMatchesThePixelConversionForEveryValue) {
    plat::Surface* s = plat::CreateSurface(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) s->pixels[static_cast<size_t>(y) * s->pitch + x] = static_cast<uint16_t>(y * 256 + x);
    std::vector<uint32_t> out(256 * 256);
    plat::ConvertToArgb(s, out.data(), 256);
    int wrong = 0;
    for (uint32_t p = 0; p < 65536; ++p) wrong += out[p] != plat::ArgbOfPixel(static_cast<uint16_t>(p));
    EXPECT_EQ(wrong, 0);
    plat::ReleaseSurface(s);
}

TEST(Present, OnlySixteenBitsIsOfferedAndNothingIsSavedBeforeAShow) {
    EXPECT_FALSE(plat::SetDisplayMode(800, 600, 32));
    EXPECT_FALSE(plat::SetDisplayMode(800, 600, 8));
    EXPECT_TRUE(plat::SetDisplayMode(800, 600, 16));
    testsupport::TempFolder folder;
    const std::string dir = folder.path + "/";
    EXPECT_FALSE(plat::SavePresentedFrame(dir + "x.bmp"));
    plat::Surface* s = plat::CreateSurface(5, 3);
    plat::ShowSurface(s, true);  // headless: nothing shown, no wait
    EXPECT_TRUE(plat::SavePresentedFrame(dir + "x.bmp"));
    EXPECT_FALSE(plat::SavePresentedFrame(dir + "no/such/folder.bmp"));
    plat::RestoreDisplayMode();
    EXPECT_FALSE(plat::SavePresentedFrame(dir + "y.bmp"));
    plat::ReleaseSurface(s);
}

}  // namespace
