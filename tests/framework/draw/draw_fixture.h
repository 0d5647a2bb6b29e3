// A set-up 800 x 600 screen with a temporary executable folder, for the
// drawing tests.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "framework/draw/draw.h"
#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "platform/surface.h"
#include "platform/system.h"
#include "tests/support/bitmaps.h"
#include "tests/support/temp_folder.h"

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::SetMessageBoxesShown(false);
        FullScreen = 1;
        ASSERT_FALSE(folder_.path.empty());
        plat::SetExecutableDirectory(dir_);
        ASSERT_EQ(fwDraw::Screen(800, 600, 2), 1);
    }
    void TearDown() override {
        // The screen's set-up opens the sound too.
        fwDraw::ReleaseAll();
        fwSound::ReleaseAll();
        plat::SetExecutableDirectory("");
        plat::SetMessageBoxesShown(true);
    }

    // Reads one pixel of a surface.
    static uint16_t Px(plat::Surface* s, int x, int y) {
        plat::LockedPixels p;
        if (plat::Lock(s, p) != plat::kOk) return 0xDEAD;
        uint16_t v = p.pixels[static_cast<size_t>(y) * p.pitch + x];
        plat::Unlock(s);
        return v;
    }
    static void SetPx(plat::Surface* s, int x, int y, uint16_t v) {
        plat::LockedPixels p;
        ASSERT_EQ(plat::Lock(s, p), plat::kOk);
        p.pixels[static_cast<size_t>(y) * p.pitch + x] = v;
        plat::Unlock(s);
    }
    // A created picture whose pixel (x, y) is f(x, y).
    template <class F>
    static int Sprite(int w, int h, F f) {
        int handle = fwDraw::CreateObject(w, h, 1);
        plat::Surface* s = fwDraw::ObjectSurface(handle);
        plat::LockedPixels p;
        if (plat::Lock(s, p) != plat::kOk) return 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) p.pixels[static_cast<size_t>(y) * p.pitch + x] = f(x, y);
        plat::Unlock(s);
        return handle;
    }
    // Writes a 24-bit bitmap under the temporary executable folder.
    template <class F>
    void Bitmap(const std::string& name, int w, int h, F rgb) {
        ASSERT_TRUE(testsupport::WriteBmp24(dir_ + name, w, h, rgb));
    }

    testsupport::TempFolder folder_;
    const std::string dir_ = folder_.path + "/";
};
