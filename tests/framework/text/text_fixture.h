// A set-up screen with the font table filled, for the text tests: skips
// when the IPA fonts are not installed, and checks that every call gave
// back its drawing context and font.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "framework/text/text.h"
#include "platform/gdi_dc.h"
#include "platform/gdi_text.h"
#include "tests/framework/draw/draw_fixture.h"

class TextTest : public ScreenTest {
protected:
    void SetUp() override {
        if (plat::FontFilePath(plat::FontFile::Gothic).empty() || plat::FontFilePath(plat::FontFile::Mincho).empty())
            GTEST_SKIP() << "the IPA fonts are not installed";
        ScreenTest::SetUp();
        dcs_ = plat::LiveDCCount();
        fonts_ = plat::LiveFontCount();
        plat::ClearTextError();
    }
    void TearDown() override {
        if (IsSkipped()) return;
        EXPECT_EQ(TextDC, nullptr);
        EXPECT_EQ(plat::LiveDCCount(), dcs_);
        EXPECT_EQ(plat::LiveFontCount(), fonts_);
        ScreenTest::TearDown();
    }
    uint16_t B(int x, int y) { return Px(BackSurface, x, y); }
    // Pixels of the back surface's rectangle that hold value.
    int Count(int left, int top, int right, int bottom, uint16_t value) {
        plat::LockedPixels p;
        if (plat::Lock(BackSurface, p) != plat::kOk) return -1;
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += p.pixels[static_cast<size_t>(y) * p.pitch + x] == value;
        plat::Unlock(BackSurface);
        return n;
    }
    int CountAll(uint16_t value) { return Count(0, 0, 800, 600, value); }

    int dcs_ = 0, fonts_ = 0;
};
