#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/gdi.h"
#include "platform/system.h"
#include "tests/framework/draw/draw_fixture.h"

namespace {

using testsupport::Pixel565;

class ObjectTest : public ScreenTest {
protected:
    // A 4 x 3 picture: black top-left, then colours that survive the cut.
    void Picture(const std::string& name) {
        Bitmap(name, 4, 3, [](int x, int y) -> uint32_t {
            if (x == 0 && y == 0) return 0x000000;
            return (x == 1 ? 0xFF8007u : 0x10C020u) + static_cast<uint32_t>(y);
        });
    }
    std::string Errors(const std::function<void()>& f) {
        ::testing::internal::CaptureStderr();
        f();
        return ::testing::internal::GetCapturedStderr();
    }
};

TEST_F(ObjectTest, LoadFillsLowestFreeRecordFromFour) {
    Picture("A.BMP");
    int a = fwDraw::LoadObject("A.BMP", 1);
    int b = fwDraw::LoadObject("A.BMP", 1);
    EXPECT_EQ(a, 4);
    EXPECT_EQ(b, 5);
    const DrawObject& r = DrawObjects[a];
    EXPECT_STREQ(r.name, "A.BMP");
    EXPECT_EQ(r.width, 4);
    EXPECT_EQ(r.height, 3);
    EXPECT_EQ(r.placement, 2u);  // whatever the loader was given
    EXPECT_EQ(r.fromPack, 0u);
    EXPECT_EQ(r.colorKey, 0u);
    // Channels cut to 5-6-5.
    EXPECT_EQ(Px(r.surface, 1, 0), Pixel565(0xFF, 0x80, 0x07));
    EXPECT_EQ(Px(r.surface, 1, 0), 0xFC00);
    EXPECT_EQ(Px(r.surface, 2, 2), Pixel565(0x10, 0xC0, 0x22));
    EXPECT_EQ(Px(r.surface, 0, 0), 0);
    fwDraw::ReleaseObject(a);
    EXPECT_EQ(DrawObjects[a].name[0], '\0');
    EXPECT_EQ(DrawObjects[a].surface, nullptr);
    EXPECT_EQ(fwDraw::LoadObject("A.BMP", 1), 4);
    EXPECT_EQ(fwDraw::LoadObject("A.BMP", 1), 6);
}

TEST_F(ObjectTest, NameOfThirtyCharactersLoadsThirtyOneIsRefused) {
    const std::string name30 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ.BMP";
    const std::string name31 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1.BMP";
    ASSERT_EQ(name30.size(), 30u);
    ASSERT_EQ(name31.size(), 31u);
    Picture(name30);
    Picture(name31);
    EXPECT_EQ(fwDraw::LoadObject(name30.c_str(), 1), 4);
    EXPECT_STREQ(DrawObjects[4].name, name30.c_str());
    int handle = -1;
    std::string err = Errors([&] { handle = fwDraw::LoadObject(name31.c_str(), 1); });
    EXPECT_EQ(handle, 0);
    EXPECT_NE(err.find("fwDraw::LoadObject : ファイル名またはリソース名が長すぎます"), std::string::npos) << err;
    EXPECT_EQ(DrawObjects[5].name[0], '\0');  // no record taken
    err = Errors([&] { EXPECT_EQ(fwDraw::SwapObject(name31.c_str(), 4, 1), 0); });
    EXPECT_NE(err.find("fwDraw::SwapObject : ファイル名またはリソース名が長すぎます"), std::string::npos) << err;
    EXPECT_STREQ(DrawObjects[4].name, name30.c_str());
}

TEST_F(ObjectTest, MissingOrCorruptBitmapKeepsTheNamedRecordWithoutSurface) {
    int handle = -1;
    std::string err = Errors([&] { handle = fwDraw::LoadObject("NONE.BMP", 1); });
    EXPECT_EQ(handle, 0);
    EXPECT_NE(err.find("fwDraw::LoadObject : NONE.BMP : no such file"), std::string::npos) << err;
    EXPECT_STREQ(DrawObjects[4].name, "NONE.BMP");
    EXPECT_EQ(DrawObjects[4].surface, nullptr);
    // A file that is not a bitmap, and one cut short.
    FILE* f = std::fopen((dir_ + "BAD.BMP").c_str(), "wb");
    std::fputs("not a bitmap at all", f);
    std::fclose(f);
    Picture("FULL.BMP");
    std::string full;
    {
        FILE* in = std::fopen((dir_ + "FULL.BMP").c_str(), "rb");
        char buf[256];
        size_t n = std::fread(buf, 1, sizeof buf, in);
        std::fclose(in);
        full.assign(buf, n);
    }
    FILE* cut = std::fopen((dir_ + "CUT.BMP").c_str(), "wb");
    std::fwrite(full.data(), 1, 40, cut);
    std::fclose(cut);
    Errors([&] {
        EXPECT_EQ(fwDraw::LoadObject("BAD.BMP", 1), 0);
        EXPECT_EQ(fwDraw::LoadObject("CUT.BMP", 1), 0);
    });
    EXPECT_EQ(DrawObjects[6].surface, nullptr);
    // Blits of the failed handle (0 is the buffer sprite, 4 has no surface)
    // draw nothing, and RestoreAll passes over the empty record.
    plat::MarkAllSurfacesLost();
    fwDraw::RestoreAll();
    EXPECT_EQ(DrawObjects[4].surface, nullptr);
}

TEST_F(ObjectTest, APaletteTheHeaderCannotHoldMakesTheBitmapUnreadable) {
    // 4 x 2 pictures; `extra` bytes (masks, palette) lie between the headers
    // and the pixels.
    struct Case {
        const char* name;
        int bits;
        uint32_t compression, colours;
        size_t extra;
        bool loads;
    };
    const Case cases[] = {
        {"P8FULL.BMP", 8, 0, 0, 1024, true},
        {"P8ALL.BMP", 8, 0, 256, 1024, true},
        {"P8SOME.BMP", 8, 0, 16, 64, true},
        {"P8OVER.BMP", 8, 0, 257, 1028, false},
        {"P8HUGE.BMP", 8, 0, 0x80000000u, 1024, false},  // the colour count of 2^31
        {"P8MAX.BMP", 8, 0, 0xFFFFFFFFu, 1024, false},
        {"P8SHORT.BMP", 8, 0, 0, 64, false},             // 256 colours run into the pixels
        {"P4OVER.BMP", 4, 0, 17, 68, false},
        {"P1OVER.BMP", 1, 0, 3, 12, false},
        {"T24.BMP", 24, 0, 2, 8, true},                  // an optional table before the pixels
        {"T24LONG.BMP", 24, 0, 3, 8, false},
        {"T24HUGE.BMP", 24, 0, 0x80000000u, 8, false},
        {"T16.BMP", 16, 3, 1, 16, true},                 // bit-field masks, then the table
        {"T16LONG.BMP", 16, 3, 1, 12, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const size_t row = (4 * static_cast<size_t>(c.bits) + 31) / 32 * 4;
        auto bytes = testsupport::BitmapBytes(4, 2, c.bits, c.compression, c.extra, 2 * row, c.colours);
        ASSERT_TRUE(testsupport::WriteBytes(dir_ + c.name, bytes));
        ErrorFlag = 0;
        int handle = -1;
        const std::string err = Errors([&] { handle = fwDraw::LoadObject(c.name, 1); });
        if (c.loads) {
            EXPECT_GE(handle, 4);
            EXPECT_EQ(ErrorFlag, 0);
            EXPECT_EQ(err, "");
            fwDraw::ReleaseObject(handle);
        } else {
            EXPECT_EQ(handle, 0);
            EXPECT_EQ(ErrorFlag, 1);
            EXPECT_NE(err.find("fwDraw::LoadObject : BMPファイルを読み込めません"), std::string::npos) << err;
            EXPECT_NE(err.find(c.name), std::string::npos) << err;
        }
    }
}

// Whatever stands under a picture's name that is not a picture file of a
// bounded size is refused at once, its line naming the file and what is
// wrong; a huge claim needs no pixels behind it to be refused.
TEST_F(ObjectTest, OnlyAPictureFileOfBoundedSizeLoads) {
    namespace fs = std::filesystem;
    auto picture = [&](const char* name, int32_t w, int32_t h, uint32_t pixelBytes) {
        ASSERT_TRUE(testsupport::WriteBytes(dir_ + name, testsupport::BitmapBytes(w, h, 1, 0, 8, pixelBytes)));
    };
    const size_t largestRow = (plat::kMaxBitmapSide + 31) / 32 * 4;
    struct Case {
        const char* name;
        std::function<void(const std::string&)> make;
        const char* says;  // "" when it loads
    };
    const Case cases[] = {
        {"PIPE.BMP", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, "a named pipe, not a file"},
        {"DIR.BMP", [](const std::string& p) { fs::create_directory(p); }, "a folder, not a file"},
        {"LINK.BMP", [](const std::string& p) { fs::create_symlink(p + ".gone", p); }, "a symbolic link to nothing"},
        {"HUGE.BMP", [&](const std::string&) { picture("HUGE.BMP", 16384, 16384, 0); },
         "16384 x 16384 pixels, more than the 4194304 (2048 x 2048) a picture may have"},
        {"WIDE.BMP", [&](const std::string&) { picture("WIDE.BMP", 4096, 1025, 1025 * 512); }, "4096 x 1025 pixels"},
        {"SIDE.BMP", [&](const std::string&) { picture("SIDE.BMP", 16385, 16385, 0); },
         "16385 x 16385 pixels, more than the 4194304 (2048 x 2048) a picture may have"},
        {"CORE.BMP",  // the old 12-byte header, one row of 65535 in the file
         [](const std::string& p) {
             ASSERT_TRUE(testsupport::WriteBytes(p, testsupport::BitmapBytes(2048, 0xFFFF, 24, 0, 0, 2048 * 3, 0, 12)));
         },
         "2048 x 65535 pixels"},
        {"TALL.BMP",  // few pixels, but a side too long
         [](const std::string& p) {
             ASSERT_TRUE(testsupport::WriteBytes(p, testsupport::BitmapBytes(1, 20000, 24, 0, 0, 0, 0, 12)));
         },
         "a side of 20000 pixels, more than 16384"},
        {"LARGEST.BMP",
         [&](const std::string&) {
             picture("LARGEST.BMP", plat::kMaxBitmapSide, plat::kMaxBitmapSide,
                     static_cast<uint32_t>(largestRow * plat::kMaxBitmapSide));
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.make(dir_ + c.name);
        ErrorFlag = 0;
        int handle = -1;
        const std::string err = Errors([&] { handle = fwDraw::LoadObject(c.name, 1); });
        if (!*c.says) {
            EXPECT_GE(handle, 4);
            EXPECT_EQ(err, "");
            fwDraw::ReleaseObject(handle);
            continue;
        }
        EXPECT_EQ(handle, 0);
        EXPECT_EQ(ErrorFlag, 1);
        EXPECT_EQ(plat::LastMessageBox(), "エラー発生: fwDraw::LoadObject : BMPファイルを読み込めません");
        EXPECT_NE(err.find(std::string("fwDraw::LoadObject : ") + c.name + " : " + c.says), std::string::npos) << err;
    }
}

TEST_F(ObjectTest, FullTableRefusesFurtherLoads) {
    Picture("A.BMP");
    for (int i = 4; i < kDrawObjectCount; ++i) ASSERT_EQ(fwDraw::CreateObject(1, 1, 1), i);
    int handle = -1;
    std::string err = Errors([&] { handle = fwDraw::LoadObject("A.BMP", 1); });
    EXPECT_EQ(handle, 0);
    EXPECT_NE(err.find("fwDraw::LoadObject : オブジェクト数が多過ぎます"), std::string::npos) << err;
    err = Errors([&] { handle = fwDraw::CreateObject(2, 2, 1); });
    EXPECT_EQ(handle, 0);
    EXPECT_NE(err.find("fwDraw::CreateObject : オブジェクト数が多過ぎます"), std::string::npos) << err;
    EXPECT_STREQ(DrawObjects[499].name, "*");
}

TEST_F(ObjectTest, CreateObjectFailureNamesItsMessage) {
    plat::FailSurfaceCreation(1);
    int handle = -1;
    std::string err = Errors([&] { handle = fwDraw::CreateObject(16, 16, 1); });
    EXPECT_EQ(handle, 0);
    EXPECT_NE(err.find("fwDraw::CreateObject : スプライトを作成できません"), std::string::npos) << err;
}

TEST_F(ObjectTest, RestoreAllReloadsEveryPictureUnderItsHandle) {
    Picture("A.BMP");
    Bitmap("B.BMP", 8, 8, [](int x, int y) -> uint32_t { return x == 0 && y == 0 ? 0x00FF00u : 0x2040F0u; });
    int a = fwDraw::LoadObject("A.BMP", 1);
    fwDraw::SetDefaultColorKeyAuto();
    int b = fwDraw::LoadObject("B.BMP", 1);
    fwDraw::SetDefaultColorKey(0);
    int c = fwDraw::CreateObject(8, 8, 1);
    EXPECT_EQ(DrawObjects[b].colorKey, kColorKeyTopLeft);
    const uint16_t a1 = Px(DrawObjects[a].surface, 1, 0);
    const uint16_t green = Pixel565(0, 0xFF, 0);

    fwDraw::BltObject(100, 100, a, 0, 0, 4, 3);
    EXPECT_EQ(Px(BackSurface, 101, 100), a1);

    plat::MarkAllSurfacesLost();
    // The first blit after the loss restores everything but draws nothing.
    fwDraw::BltObject(200, 100, a, 0, 0, 4, 3);
    EXPECT_NE(Px(BackSurface, 201, 100), a1);
    EXPECT_FALSE(plat::IsLost(BackSurface));
    EXPECT_FALSE(plat::IsLost(PrimarySurface));
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(plat::IsLost(DrawObjects[i].surface));

    EXPECT_STREQ(DrawObjects[a].name, "A.BMP");
    EXPECT_EQ(Px(DrawObjects[a].surface, 1, 0), a1);
    EXPECT_EQ(Px(DrawObjects[b].surface, 3, 3), Pixel565(0x20, 0x40, 0xF0));
    EXPECT_FALSE(plat::IsLost(DrawObjects[c].surface));
    EXPECT_STREQ(DrawObjects[c].name, "*");
    // Keys come back as they were: black for A, the top-left green for B.
    uint16_t lo = 1, hi = 1;
    ASSERT_EQ(plat::GetColorKey(DrawObjects[a].surface, lo, hi), plat::kOk);
    EXPECT_EQ(lo, 0);
    ASSERT_EQ(plat::GetColorKey(DrawObjects[b].surface, lo, hi), plat::kOk);
    EXPECT_EQ(lo, green);
    EXPECT_EQ(DrawObjects[b].colorKey, kColorKeyTopLeft);
    EXPECT_EQ(DefaultColorKey, kColorKeyTopLeft);  // the last picture reloaded
    EXPECT_EQ(DefaultColorKeyAuto, 0u);

    // The next frame's blit draws again.
    fwDraw::BltObject(200, 100, a, 0, 0, 4, 3);
    EXPECT_EQ(Px(BackSurface, 201, 100), a1);
}

TEST_F(ObjectTest, ColorMatchGivesTheSurfaceValueAndKeepsThePixel) {
    int h = Sprite(4, 4, [](int, int) { return uint16_t{0x1234}; });
    plat::Surface* s = fwDraw::ObjectSurface(h);
    EXPECT_EQ(fwDraw::ColorMatch(s, plat::Rgb(255, 255, 255)), 0xFFFFu);
    EXPECT_EQ(fwDraw::ColorMatch(s, plat::Rgb(8, 4, 8)), 0x0821u);
    EXPECT_EQ(fwDraw::ColorMatch(s, plat::Rgb(7, 3, 7)), 0u);
    EXPECT_EQ(fwDraw::ColorMatch(s, kColorKeyTopLeft), 0x1234u);
    EXPECT_EQ(Px(s, 0, 0), 0x1234);
    plat::MarkSurfaceLost(s);
    EXPECT_EQ(fwDraw::ColorMatch(s, 0), 0xFFFFFFFFu);
}

TEST_F(ObjectTest, ColourKeySettersAndCopy) {
    int h = Sprite(2, 1, [](int x, int) { return x == 0 ? uint16_t{0xF800} : uint16_t{0x001F}; });
    int g = Sprite(2, 1, [](int, int) { return uint16_t{0x07E0}; });
    EXPECT_EQ(fwDraw::SetObjectColorKey(h, plat::Rgb(255, 0, 0)), plat::kOk);
    EXPECT_EQ(DrawObjects[h].colorKey, plat::Rgb(255, 0, 0));
    fwDraw::BltObject(10, 10, h, 0, 0, 2, 1);
    EXPECT_EQ(Px(BackSurface, 10, 10), 0);  // red is now transparent
    EXPECT_EQ(Px(BackSurface, 11, 10), 0x001F);
    EXPECT_EQ(fwDraw::CopyColorKey(g, h), plat::kOk);
    EXPECT_EQ(DrawObjects[g].colorKey, 0u);  // the record's field is not changed
    uint16_t lo = 0, hi = 0;
    plat::GetColorKey(DrawObjects[g].surface, lo, hi);
    EXPECT_EQ(lo, 0xF800);
    EXPECT_EQ(fwDraw::SetObjectColorKeyAuto(g), plat::kOk);
    EXPECT_EQ(DrawObjects[g].colorKey, kColorKeyTopLeft);
    plat::GetColorKey(DrawObjects[g].surface, lo, hi);
    EXPECT_EQ(lo, 0x07E0);
}

TEST_F(ObjectTest, FillsUseTheirRectanglesAsGiven) {
    EXPECT_EQ(fwDraw::FillScreenColor(), plat::kOk);
    EXPECT_EQ(Px(BackSurface, 799, 599), 0xFFFF);
    EXPECT_EQ(fwDraw::FillRectBlack(10, 10, 20, 20), plat::kOk);
    EXPECT_EQ(Px(BackSurface, 19, 19), 0);
    EXPECT_EQ(Px(BackSurface, 20, 19), 0xFFFF);
    EXPECT_EQ(fwDraw::FillRectColor16(100, 100, 110, 105, 0x1234), plat::kOk);
    EXPECT_EQ(Px(BackSurface, 109, 104), 0x1234);
    EXPECT_EQ(Px(BackSurface, 110, 104), 0xFFFF);
    EXPECT_EQ(fwDraw::DrawFrameRect(200, 200, 210, 206), plat::kOk);
    EXPECT_EQ(Px(BackSurface, 205, 200), 0);
    EXPECT_EQ(Px(BackSurface, 205, 205), 0);
    EXPECT_EQ(Px(BackSurface, 200, 203), 0);
    EXPECT_EQ(Px(BackSurface, 209, 203), 0);
    EXPECT_EQ(Px(BackSurface, 205, 203), 0xFFFF);
    // Not clipped, so a rectangle leaving the surface fails whole.
    EXPECT_NE(fwDraw::FillRectColor(790, 590, 810, 600), plat::kOk);
    EXPECT_EQ(Px(BackSurface, 795, 595), 0xFFFF);
    EXPECT_EQ(fwDraw::ClearBackBuffer(), plat::kOk);
    EXPECT_EQ(Px(BackSurface, 799, 599), 0);
    int h = Sprite(3, 3, [](int, int) { return uint16_t{7}; });
    EXPECT_EQ(fwDraw::ClearObject(h), plat::kOk);
    EXPECT_EQ(Px(DrawObjects[h].surface, 2, 2), 0);
}

TEST_F(ObjectTest, HalfBlendRectIsClippedAndHalves) {
    fwDraw::FillScreenColor();
    fwDraw::SetClipRect(180, 0, 620, 600);
    EXPECT_EQ(fwDraw::HalfBlendRect(170, 10, 190, 20, 0x0000), 1);
    EXPECT_EQ(Px(BackSurface, 179, 10), 0xFFFF);
    EXPECT_EQ(Px(BackSurface, 180, 10), 0x7BEF);
    EXPECT_EQ(Px(BackSurface, 189, 19), 0x7BEF);
    EXPECT_EQ(Px(BackSurface, 190, 19), 0xFFFF);
    EXPECT_EQ(fwDraw::HalfBlendRect(0, 0, 100, 100, 0), 1);  // wholly outside
    EXPECT_EQ(Px(BackSurface, 50, 50), 0xFFFF);
    fwDraw::SetClipRect(0, 0, 900, 700);  // a clip reaching past the surface
    EXPECT_EQ(fwDraw::HalfBlendRect(790, 590, 900, 700, 0xFFFF), 1);
    EXPECT_EQ(Px(BackSurface, 799, 599), 0x7BEF + 0x7BEF);
    plat::MarkSurfaceLost(BackSurface);
    EXPECT_EQ(fwDraw::HalfBlendRect(200, 10, 210, 20, 0), 0);
}

}  // namespace
