#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gdi_text.h"
#include "tests/support/bitmaps.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr uint16_t kBack = 0x1234;
constexpr plat::ColorRef kWhite = 0xFFFFFF;
constexpr plat::ColorRef kNavy = 0x800000;
const uint16_t kWhitePx = plat::PixelFromColorRef(kWhite);
const uint16_t kNavyPx = plat::PixelFromColorRef(kNavy);

bool FontsInstalled() {
    return !plat::FontFilePath(plat::FontFile::Gothic).empty() && !plat::FontFilePath(plat::FontFile::Mincho).empty();
}

plat::LogFont Request(const char* face, int32_t height) {
    plat::LogFont lf{};
    lf.height = height;
    lf.charSet = plat::kShiftJisCharset;
    std::snprintf(lf.faceName, sizeof lf.faceName, "%s", face);
    return lf;
}

struct Text : ::testing::Test {
    void SetUp() override {
        if (!FontsInstalled()) GTEST_SKIP() << "the IPA fonts are not installed";
        surface = plat::CreateSurface(200, 120);
        ASSERT_NE(surface, nullptr);
        plat::Fill(surface, nullptr, kBack);
        baseFonts = plat::LiveFontCount();
        dc = plat::GetDC(surface);
        ASSERT_NE(dc, nullptr);
        plat::ClearTextError();
    }
    void TearDown() override {
        if (!surface) return;
        plat::SelectFont(dc, nullptr);
        for (plat::Font* f : fonts) EXPECT_TRUE(plat::DeleteFont(f));
        EXPECT_EQ(plat::LiveFontCount(), baseFonts);
        plat::ReleaseDC(surface, dc);
        plat::ReleaseSurface(surface);
    }
    plat::Font* Use(const plat::LogFont& lf) {
        plat::Font* f = plat::CreateFontIndirect(lf);
        EXPECT_NE(f, nullptr) << plat::LastTextError();
        if (!f) return nullptr;
        fonts.push_back(f);
        plat::SelectFont(dc, f);
        return f;
    }
    uint16_t At(int x, int y) const { return surface->pixels[static_cast<size_t>(y) * surface->pitch + x]; }
    plat::Size Extent(const char* text) {
        plat::Size s{-1, -1};
        EXPECT_TRUE(plat::GetTextExtentPoint32(dc, text, -1, &s));
        return s;
    }
    // The box around every pixel that holds value (left > right when none).
    plat::Rect Bounds(uint16_t value) const {
        plat::Rect r{surface->width, surface->height, -1, -1};
        for (int y = 0; y < surface->height; ++y)
            for (int x = 0; x < surface->width; ++x)
                if (At(x, y) == value)
                    r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x), std::max(r.bottom, y)};
        return r;
    }
    int Count(uint16_t value) const {
        int n = 0;
        for (int y = 0; y < surface->height; ++y)
            for (int x = 0; x < surface->width; ++x) n += At(x, y) == value;
        return n;
    }
    plat::Surface* surface = nullptr;
    plat::DC* dc = nullptr;
    std::vector<plat::Font*> fonts;
    int baseFonts = 0;
};

TEST(TextCodes, Utf8IsReadACharacterAtATimeAndNeverPastTheEnd) {
    int n = 0;
    EXPECT_EQ(plat::DecodeChar("A", &n), 0x41u);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(plat::DecodeChar("。", &n), 0x3002u);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(plat::DecodeChar("", &n), 0u);
    EXPECT_EQ(n, 0);
    // A lead byte cut short by the NUL takes itself only.
    const char cut[] = {'\xE3', '\x81', '\0', 'X'};
    EXPECT_EQ(plat::DecodeChar(cut, &n), 0xFFFDu);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(plat::DecodeChar(cut + 1, &n), 0xFFFDu);  // a stray continuation byte
    EXPECT_EQ(n, 1);
    EXPECT_EQ(plat::DecodeChar("\xC0\xAF", &n), 0xFFFDu);  // overlong '/'
    EXPECT_EQ(n, 1);
    // Double-byte counting: full-width characters count two, ASCII and
    // half-width katakana one.
    EXPECT_EQ(plat::DoubleByteLength("標準ゴシック"), 12);
    EXPECT_EQ(plat::DoubleByteLength("IPA明朝"), 7);
    EXPECT_EQ(plat::DoubleByteLength("ｱｲｳ"), 3);
    EXPECT_EQ(plat::DoubleByteLength(""), 0);
    EXPECT_EQ(plat::DoubleByteLength(nullptr), 0);
}

TEST_F(Text, FaceListHasTheStandardFacesOnTheIpaFonts) {
    struct Seen {
        std::vector<std::string> names;
        std::vector<int> charSets, heights;
    } seen;
    auto collect = [](const plat::LogFont* lf, const plat::TextMetric* tm, uint32_t type, intptr_t data) {
        auto* s = reinterpret_cast<Seen*>(data);
        s->names.push_back(lf->faceName);
        s->charSets.push_back(lf->charSet);
        s->heights.push_back(tm->height);
        return type == plat::kTrueTypeFontType ? 1 : 0;
    };
    EXPECT_EQ(plat::EnumFonts(dc, nullptr, collect, reinterpret_cast<intptr_t>(&seen)), 1);
    ASSERT_GE(seen.names.size(), 2u);
    EXPECT_EQ(seen.names[0], "標準ゴシック");
    EXPECT_EQ(seen.names[1], "標準明朝");
    for (int cs : seen.charSets) EXPECT_EQ(cs, plat::kShiftJisCharset);
    // Only the asked face; a stop from the callback ends the walk.
    seen = {};
    plat::EnumFonts(dc, "標準明朝", collect, reinterpret_cast<intptr_t>(&seen));
    EXPECT_EQ(seen.names, std::vector<std::string>{"標準明朝"});
    int calls = 0;
    auto stop = [](const plat::LogFont*, const plat::TextMetric*, uint32_t, intptr_t data) {
        ++*reinterpret_cast<int*>(data);
        return 0;
    };
    EXPECT_EQ(plat::EnumFonts(dc, nullptr, stop, reinterpret_cast<intptr_t>(&calls)), 0);
    EXPECT_EQ(calls, 1);
}

TEST_F(Text, HeightsAndExtentsFollowTheIpaFontsMonospacedCells) {
    // IPA Gothic and Mincho: half-width characters half an em, full-width one em.
    Use(Request("標準ゴシック", 12));
    EXPECT_EQ(Extent("A").cx, 6);
    EXPECT_EQ(Extent("A").cy, 12);
    EXPECT_EQ(Extent("あ").cx, 12);
    EXPECT_EQ(Extent("STAFF スタッフ").cx, 6 * 6 + 4 * 12);
    EXPECT_EQ(Extent("").cx, 0);
    EXPECT_EQ(Extent("").cy, 12);
    plat::TextMetric tm{};
    ASSERT_TRUE(plat::GetTextMetrics(dc, &tm));
    EXPECT_EQ(tm.height, 12);
    EXPECT_EQ(tm.ascent + tm.descent, 12);

    Use(Request("標準明朝", 24));
    EXPECT_EQ(Extent("漢字").cx, 48);
    EXPECT_EQ(Extent("漢字").cy, 24);
    // A negative height asks for the em: 16-pixel full-width characters.
    Use(Request("IPAGothic", -16));
    EXPECT_EQ(Extent("あい").cx, 32);
    // A width stretches: half-width characters 10 wide, full-width 20.
    plat::LogFont wide = Request("標準ゴシック", 12);
    wide.width = 10;
    Use(wide);
    EXPECT_EQ(Extent("Aあ").cx, 30);
}

TEST_F(Text, BadRequestsMakeNoFontAndSayWhy) {
    EXPECT_EQ(plat::CreateFontIndirect(Request("No Such Face", 12)), nullptr);
    EXPECT_NE(plat::LastTextError().find("No Such Face"), std::string::npos);
    // 32 double-byte-counted characters: one more than a face name holds.
    plat::LogFont lf = Request("", 12);
    std::memset(lf.faceName, 'A', 32);
    EXPECT_EQ(plat::CreateFontIndirect(lf), nullptr);
    EXPECT_NE(plat::LastTextError().find("31"), std::string::npos);
    std::memset(lf.faceName, 'A', sizeof lf.faceName);  // no NUL at all
    EXPECT_EQ(plat::CreateFontIndirect(lf), nullptr);
    EXPECT_EQ(plat::CreateFontIndirect(Request("標準ゴシック", 100000)), nullptr);
    EXPECT_EQ(plat::LiveFontCount(), baseFonts);
    // Without a font the text calls draw nothing.
    EXPECT_FALSE(plat::TextOut(dc, 10, 10, "ABC", -1));
    plat::Size s{};
    EXPECT_FALSE(plat::GetTextExtentPoint32(dc, "ABC", -1, &s));
    plat::Rect r{0, 0, 100, 100};
    EXPECT_EQ(plat::DrawText(dc, "ABC", -1, &r, plat::kDtWordBreak), 0);
    EXPECT_EQ(Count(kBack), surface->width * surface->height);
}

TEST_F(Text, MissingOrBrokenFontFilesAreReportedNotFatal) {
    testsupport::TempFolder folder;
    const std::string broken = folder.path + "/broken_font.ttf";
    {
        std::ofstream out(broken, std::ios::binary);
        out << "this is not a font file at all";
    }
    plat::SetFontFilePath(plat::FontFile::Gothic, folder.path + "/no_such_font.ttf");
    EXPECT_EQ(plat::CreateFontIndirect(Request("標準ゴシック", 12)), nullptr);
    EXPECT_NE(plat::LastTextError().find("no_such_font.ttf"), std::string::npos);
    // The face list leaves out the faces of a missing file.
    std::vector<std::string> names;
    plat::EnumFonts(
        dc, nullptr,
        [](const plat::LogFont* lf, const plat::TextMetric*, uint32_t, intptr_t data) {
            reinterpret_cast<std::vector<std::string>*>(data)->push_back(lf->faceName);
            return 1;
        },
        reinterpret_cast<intptr_t>(&names));
    EXPECT_EQ(std::count(names.begin(), names.end(), "標準ゴシック"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "標準明朝"), 1);

    plat::SetFontFilePath(plat::FontFile::Gothic, broken);
    EXPECT_EQ(plat::CreateFontIndirect(Request("標準ゴシック", 12)), nullptr);
    EXPECT_NE(plat::LastTextError().find("broken_font.ttf"), std::string::npos);

    plat::SetFontFilePath(plat::FontFile::Gothic, "");
    EXPECT_NE(Use(Request("標準ゴシック", 12)), nullptr);
}

TEST_F(Text, FontconfigNamesOnlyTheFamilyAskedFor) {
    for (plat::FontFile f : {plat::FontFile::Gothic, plat::FontFile::Mincho}) {
        const std::string path = plat::FontconfigFontPath(f);
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    }
    EXPECT_EQ(plat::FontconfigFontPath(plat::FontFile::Count), "");
}

// Runs in a process of its own: writes a fontconfig setup that knows one
// folder (holding a copy of IPA Gothic only) and a cache folder beside it,
// looks both families up: true when Gothic is the copy and Mincho is not
// found.
bool LookUpInOwnFontconfigSetup(const std::string& gothic) {
    testsupport::TempFolder folder;
    const std::string dir = folder.path + "/";
    std::error_code ec;
    std::filesystem::create_directory(dir + "fonts", ec);
    std::filesystem::copy_file(gothic, dir + "fonts/ipag.ttf", ec);
    {
        std::ofstream conf(dir + "fonts.conf");
        conf << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
             << "<fontconfig>\n  <dir>" << dir << "fonts</dir>\n  <cachedir>" << dir << "cache</cachedir>\n"
             << "</fontconfig>\n";
    }
    setenv("FONTCONFIG_FILE", (dir + "fonts.conf").c_str(), 1);
    unsetenv("FONTCONFIG_SYSROOT");
    const std::string found = plat::FontconfigFontPath(plat::FontFile::Gothic);
    const std::string mincho = plat::FontconfigFontPath(plat::FontFile::Mincho);
    const bool ok = !found.empty() && std::filesystem::equivalent(found, dir + "fonts/ipag.ttf", ec) && mincho.empty();
    if (!ok) std::fprintf(stderr, "Gothic at \"%s\", Mincho at \"%s\"\n", found.c_str(), mincho.c_str());
    std::fflush(stderr);
    return ok;
}

// fontconfig reads FONTCONFIG_FILE when it starts, once per process, so the
// lookup runs in a fresh copy of this program (the threadsafe death-test
// style re-executes it) rather than in this one, where it may have started.
TEST(Fontconfig, FindsTheFamilyInTheFolderItsConfigurationNames) {
    std::string gothic;
    for (const char* kind : {"opentype", "truetype"}) {
        const std::string path = std::string("/usr/share/fonts/") + kind + "/ipafont-gothic/ipag.ttf";
        if (gothic.empty() && std::filesystem::is_regular_file(path)) gothic = path;
    }
    if (gothic.empty()) GTEST_SKIP() << "IPA Gothic (ipag.ttf, fonts-ipafont-gothic) is not installed";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // _Exit removes nothing: the folder went with the lookup's return.
    EXPECT_EXIT(std::_Exit(LookUpInOwnFontconfigSetup(gothic) ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST_F(Text, OpaqueTextFillsItsCellTransparentTextOnlyItsGlyphs) {
    Use(Request("標準ゴシック", 12));
    plat::SetTextColor(dc, kWhite);
    plat::SetBkColor(dc, kNavy);
    ASSERT_EQ(plat::SetBkMode(dc, plat::kBkOpaque), plat::kBkOpaque);
    ASSERT_TRUE(plat::TextOut(dc, 20, 30, "Aあ", -1));
    // The 18 x 12 cell is white or navy, both present; nothing else changed.
    int white = 0, navy = 0;
    for (int y = 0; y < surface->height; ++y)
        for (int x = 0; x < surface->width; ++x) {
            const bool inCell = x >= 20 && x < 38 && y >= 30 && y < 42;
            if (!inCell) {
                ASSERT_EQ(At(x, y), kBack) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(At(x, y) == kWhitePx || At(x, y) == kNavyPx) << x << "," << y;
            white += At(x, y) == kWhitePx;
            navy += At(x, y) == kNavyPx;
        }
    EXPECT_GT(white, 20);
    EXPECT_GT(navy, white);

    plat::Fill(surface, nullptr, kBack);
    plat::SetBkMode(dc, plat::kBkTransparent);
    ASSERT_TRUE(plat::TextOut(dc, 20, 30, "Aあ", -1));
    EXPECT_EQ(Count(kNavyPx), 0);
    EXPECT_EQ(Count(kWhitePx), white);
    const plat::Rect b = Bounds(kWhitePx);
    EXPECT_GE(b.left, 20);
    EXPECT_LT(b.right, 38);
    EXPECT_GE(b.top, 30);
    EXPECT_LT(b.bottom, 42);
    // A length stops the text early: "A" alone.
    plat::Fill(surface, nullptr, kBack);
    ASSERT_TRUE(plat::TextOut(dc, 20, 30, "Aあ", 1));
    EXPECT_LT(Bounds(kWhitePx).right, 26);
}

TEST_F(Text, TextIsCutToTheSurfaceWhereverItStands) {
    Use(Request("標準ゴシック", 12));
    plat::SetTextColor(dc, kWhite);
    plat::SetBkColor(dc, kNavy);
    plat::SetBkMode(dc, plat::kBkOpaque);
    EXPECT_TRUE(plat::TextOut(dc, -9, -5, "ABCD", -1));  // 24 x 12 from (-9, -5)
    EXPECT_EQ(Bounds(kNavyPx).left, 0);
    EXPECT_EQ(Bounds(kNavyPx).top, 0);
    EXPECT_EQ(Bounds(kNavyPx).bottom, 6);
    EXPECT_TRUE(plat::TextOut(dc, 190, 114, "ABCD", -1));
    EXPECT_EQ(At(199, 119) == kWhitePx || At(199, 119) == kNavyPx, true);
    // A long text far to the left: only its visible end is drawn, quickly.
    std::string longText(200000, 'W');
    longText += "END";
    const auto start = std::chrono::steady_clock::now();
    plat::Fill(surface, nullptr, kBack);
    EXPECT_TRUE(plat::TextOut(dc, -200000 * 6 + 50, 60, longText.c_str(), -1));
    const plat::Rect b = Bounds(kNavyPx);
    EXPECT_EQ(b.left, 0);
    EXPECT_EQ(b.right, 50 + 18 - 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(Text, EscapementTurnsTheTextAnticlockwise) {
    plat::LogFont lf = Request("標準ゴシック", 12);
    lf.escapement = 900;  // straight up
    Use(lf);
    plat::SetTextColor(dc, kWhite);
    plat::SetBkColor(dc, kNavy);
    plat::SetBkMode(dc, plat::kBkOpaque);
    ASSERT_TRUE(plat::TextOut(dc, 50, 100, "ABCDEF", -1));  // 36 x 12 before turning
    const plat::Rect b = Bounds(kNavyPx);
    EXPECT_NEAR(b.left, 50, 1);
    EXPECT_NEAR(b.right, 61, 1);
    EXPECT_NEAR(b.top, 64, 1);
    EXPECT_NEAR(b.bottom, 99, 1);
}

TEST_F(Text, DrawTextBreaksWordsAndFullWidthCharactersAndAligns) {
    Use(Request("標準ゴシック", 12));
    plat::SetTextColor(dc, kWhite);
    plat::SetBkMode(dc, plat::kBkTransparent);
    // "aaa bbb" is 42 wide; "aaa bbb ccc" 66: two lines in 50.
    plat::Rect r{10, 10, 60, 100};
    EXPECT_EQ(plat::DrawText(dc, "aaa bbb ccc", -1, &r, plat::kDtWordBreak | plat::kDtCalcRect), 24);
    EXPECT_EQ(r.right, 10 + 42);
    EXPECT_EQ(r.bottom, 10 + 24);
    EXPECT_EQ(Count(kWhitePx), 0);  // measuring draws nothing
    // Full-width characters break anywhere: two of them (24) in 30.
    r = {0, 0, 30, 100};
    EXPECT_EQ(plat::DrawText(dc, "あいうえお", -1, &r, plat::kDtWordBreak | plat::kDtCalcRect), 36);
    // Line feeds always break; without word breaks nothing else does.
    r = {0, 0, 30, 100};
    EXPECT_EQ(plat::DrawText(dc, "aaa bbb ccc\nd", -1, &r, plat::kDtCalcRect), 24);
    EXPECT_EQ(r.right, 66);
    // A word wider than the box stands alone on its line.
    r = {0, 0, 30, 100};
    EXPECT_EQ(plat::DrawText(dc, "a abcdefghij b", -1, &r, plat::kDtWordBreak | plat::kDtCalcRect), 36);

    // Placement of the one-line text "ab" (12 wide) in a 100-wide box.
    auto leftmost = [&](uint32_t align) {
        plat::Fill(surface, nullptr, kBack);
        plat::Rect box{40, 20, 140, 60};
        EXPECT_EQ(plat::DrawText(dc, "ab", -1, &box, plat::kDtWordBreak | align), 12);
        const plat::Rect b = Bounds(kWhitePx);
        EXPECT_GE(b.top, 20);
        EXPECT_LT(b.bottom, 32);
        return b.left;
    };
    const int left = leftmost(plat::kDtLeft);
    EXPECT_LT(left, 40 + 6);
    EXPECT_EQ(leftmost(plat::kDtCenter), left + 44);
    EXPECT_EQ(leftmost(plat::kDtRight), left + 88);
}

TEST_F(Text, DrawTextStaysInItsRectangle) {
    Use(Request("標準ゴシック", 12));
    plat::SetTextColor(dc, kWhite);
    plat::SetBkColor(dc, kNavy);
    plat::SetBkMode(dc, plat::kBkOpaque);
    plat::Rect r{30, 20, 75, 38};  // 45 wide, a line and a half tall
    EXPECT_EQ(plat::DrawText(dc, "WWWWWWWWWW WWWW WWWW", -1, &r, plat::kDtWordBreak), 36);
    const plat::Rect b = Bounds(kNavyPx);
    EXPECT_EQ(b.left, 30);
    EXPECT_LE(b.right, 74);
    EXPECT_EQ(b.top, 20);
    EXPECT_EQ(b.bottom, 37);
    // Empty, missing and cut-short texts.
    EXPECT_EQ(plat::DrawText(dc, "", -1, &r, plat::kDtWordBreak), 0);
    EXPECT_EQ(plat::DrawText(dc, nullptr, -1, &r, plat::kDtWordBreak), 0);
    EXPECT_EQ(plat::DrawText(dc, "ab", -1, nullptr, plat::kDtWordBreak), 0);
    const char cut[] = {'a', '\xE3', '\x81'};
    r = {0, 0, 100, 100};
    EXPECT_EQ(plat::DrawText(dc, cut, 3, &r, plat::kDtCalcRect), 12);
}

TEST_F(Text, SelectedFontsAreNotDeleted) {
    plat::Font* f = Use(Request("標準ゴシック", 12));
    EXPECT_FALSE(plat::DeleteFont(f));
    EXPECT_EQ(plat::SelectFont(dc, nullptr), f);
    EXPECT_EQ(plat::SelectFont(nullptr, f), nullptr);
}

}  // namespace
