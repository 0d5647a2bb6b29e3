#include <cstring>
#include <string>

#include "platform/clock.h"
#include "tests/framework/text/text_fixture.h"

namespace {

constexpr uint16_t kWhitePx = 0xFFFF;
constexpr uint16_t kNavyPx = 0x0010;  // COLORREF 0x800000 in 5-6-5

TEST_F(TextTest, FontTableHoldsTheFacesOfTheSystem) {
    ASSERT_NE(LogFont, nullptr);
    EXPECT_EQ(TextDrawNow, 1u);
    ASSERT_GE(FontCount, 2);
    ASSERT_LT(FontCount, kFontTableSize);
    bool gothic = false, mincho = false;
    for (int i = 0; i < FontCount; ++i) {
        EXPECT_EQ(FontTable[i].kind, kFontKindShiftJis) << FontTable[i].name;
        EXPECT_EQ(FontTable[i].charSet, 128);
        gothic |= std::strcmp(FontTable[i].name, "標準ゴシック") == 0;
        mincho |= std::strcmp(FontTable[i].name, "標準明朝") == 0;
    }
    EXPECT_TRUE(gothic);
    EXPECT_TRUE(mincho);
    EXPECT_EQ(FontTable[FontCount].kind, kFontKindEmpty);
    EXPECT_STREQ(FontTable[FontCount].name, "");
}

TEST_F(TextTest, EnumerationKeepsTheFirstTwoHundredFacesAndSortsThemByCharacterSet) {
    FontCount = 0;
    plat::LogFont lf{};
    const uint8_t sets[3] = {128, 2, 0};
    int accepted = 0;
    for (int i = 0; i < 250; ++i) {
        std::snprintf(lf.faceName, sizeof lf.faceName, "Face %d", i);
        lf.charSet = sets[i % 3];
        accepted += fwDraw::EnumFontsCallback(&lf, nullptr, plat::kTrueTypeFontType, 0);
    }
    EXPECT_EQ(accepted, 200);
    EXPECT_EQ(FontCount, 200);
    EXPECT_STREQ(FontTable[199].name, "Face 199");
    EXPECT_EQ(FontTable[0].kind, kFontKindShiftJis);
    EXPECT_EQ(FontTable[1].kind, kFontKindSymbol);
    EXPECT_EQ(FontTable[2].kind, kFontKindOther);
    EXPECT_EQ(FontTable[2].charSet, 0);
}

TEST_F(TextTest, BeginTextBuildsTheSharedRequest) {
    fwDraw::BeginText(0, 20, 45, 1, 1, 0);
    EXPECT_STREQ(LogFont->faceName, "標準明朝");
    EXPECT_EQ(LogFont->height, 20);
    EXPECT_EQ(FontHeight, 20);
    EXPECT_EQ(LogFont->width, 0);
    EXPECT_EQ(LogFont->escapement, 450);
    EXPECT_EQ(LogFont->weight, 700);
    EXPECT_EQ(LogFont->italic, 1);
    EXPECT_EQ(LogFont->underline, 0);
    EXPECT_EQ(LogFont->charSet, 128);
    EXPECT_NE(TextFont, nullptr);
    EXPECT_NE(TextDC, nullptr);
    fwDraw::EndText();
    // Face 2 keeps the face of the previous call; weight modes past 1 ask for the default.
    fwDraw::BeginText(2, 16, 0, 5, 0, 1);
    EXPECT_STREQ(LogFont->faceName, "標準明朝");
    EXPECT_EQ(LogFont->weight, 0);
    EXPECT_EQ(LogFont->underline, 1);
    EXPECT_EQ(LogFont->escapement, 0);
    fwDraw::EndText();
    fwDraw::BeginText(1, 12, 0, 0, 0, 0);
    EXPECT_STREQ(LogFont->faceName, "標準ゴシック");
    EXPECT_EQ(LogFont->weight, 400);
    // A second Begin without its End does not lose the first context.
    fwDraw::BeginText(1, 12, 0, 0, 0, 0);
    fwDraw::EndText();
}

TEST_F(TextTest, NamedFacesTakeTheirCharacterSetFromTheTable) {
    std::snprintf(FontTable[FontCount].name, sizeof FontTable[FontCount].name, "Latin Face");
    FontTable[FontCount].charSet = 0;
    FontTable[FontCount].kind = kFontKindOther;
    ++FontCount;
    fwDraw::BeginTextFace("Latin Face", 12, 0, 0, 0, 0);
    EXPECT_STREQ(LogFont->faceName, "Latin Face");
    EXPECT_EQ(LogFont->charSet, 0);
    EXPECT_EQ(TextFont, nullptr);  // the system has no such font
    fwDraw::DrawTextRaw(10, 10, "ABC");  // draws nothing, and does not fail
    fwDraw::EndText();
    fwDraw::BeginTextFace("Unlisted", 12, 0, 0, 0, 0);
    EXPECT_EQ(LogFont->charSet, 128);
    fwDraw::EndText();
    fwDraw::BeginTextFace("IPAゴシック", 12, 0, 0, 0, 0);
    EXPECT_NE(TextFont, nullptr);
    fwDraw::EndText();
    // A name longer than a face holds is refused, and the face kept.
    fwDraw::BeginTextFace("An extremely long face name beyond thirty-one", 12, 0, 0, 0, 0);
    EXPECT_STREQ(LogFont->faceName, "IPAゴシック");
    EXPECT_EQ(TextFont, nullptr);
    EXPECT_NE(plat::LastTextError().find("31"), std::string::npos);
    fwDraw::EndText();
    fwDraw::BeginTextFace(nullptr, 12, 0, 0, 0, 0);
    fwDraw::EndText();
    EXPECT_EQ(CountAll(0), 800 * 600);
}

TEST_F(TextTest, DrawTextAtPaintsWhiteOnNavyAtItsPointEvenLeftOfThePlayfield) {
    fwDraw::SetClipRect(160, 16, 640, 584);  // the playfield
    for (int x : {8, 400}) {
        fwDraw::DrawTextAt(x, 300, "STAFF");  // 5 x 6 wide, 12 tall
        const int white = Count(x, 300, x + 30, 312, kWhitePx);
        const int navy = Count(x, 300, x + 30, 312, kNavyPx);
        EXPECT_GT(white, 20) << x;
        EXPECT_GT(navy, white) << x;
        EXPECT_EQ(white + navy, 30 * 12) << x;
        // Nothing around the cell.
        EXPECT_EQ(Count(x - 1, 299, x + 31, 300, 0), 32) << x;
        EXPECT_EQ(Count(x - 1, 312, x + 31, 313, 0), 32) << x;
        EXPECT_EQ(Count(x - 1, 300, x, 312, 0), 12) << x;
        EXPECT_EQ(Count(x + 30, 300, x + 31, 312, 0), 12) << x;
    }
    EXPECT_EQ(CountAll(kNavyPx) + CountAll(kWhitePx), 2 * 30 * 12);
    // Japanese text: full-width characters 12 wide.
    fwDraw::DrawTextAt(8, 400, "制作スタッフ");
    EXPECT_EQ(Count(8, 400, 80, 412, kNavyPx) + Count(8, 400, 80, 412, kWhitePx), 72 * 12);
    // Empty and missing texts draw nothing.
    fwDraw::ClearBackBuffer();
    fwDraw::DrawTextAt(8, 300, "");
    fwDraw::DrawTextAt(8, 300, nullptr);
    EXPECT_EQ(CountAll(0), 800 * 600);
}

TEST_F(TextTest, DrawTextFormatDrawsTheFormattedTextAndRefusesWhatOverflowsItsBuffer) {
    fwDraw::DrawTextFormat(8, 8, "SCORE %05d", 1234);
    fwDraw::DrawTextAt(8, 40, "SCORE 01234");
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 66; ++x) ASSERT_EQ(B(8 + x, 8 + y), B(8 + x, 40 + y)) << x << "," << y;
    EXPECT_EQ(Count(8, 8, 74, 20, kNavyPx) + Count(8, 8, 74, 20, kWhitePx), 66 * 12);

    // 256 characters with the NUL: 255 fit, 256 do not. Full-width ones count two.
    auto drawn = [&](const std::string& text) {
        fwDraw::ClearBackBuffer();
        fwDraw::DrawTextFormat(0, 100, "%s", text.c_str());
        return CountAll(kNavyPx) > 0;
    };
    EXPECT_TRUE(drawn(std::string(255, 'A')));
    EXPECT_FALSE(drawn(std::string(256, 'A')));
    EXPECT_NE(plat::LastTextError().find("255"), std::string::npos);
    std::string wide;
    for (int i = 0; i < 127; ++i) wide += "あ";
    EXPECT_TRUE(drawn(wide + "A"));
    EXPECT_FALSE(drawn(wide + "あ"));
    EXPECT_FALSE(drawn(std::string(5000, 'A')));
    fwDraw::DrawTextFormat(0, 0, nullptr);
}

TEST_F(TextTest, FpsMeterShowsTheRateOfEachTwoSeconds) {
    FpsFrames = 0;
    FpsValue = 0;
    FpsMax = 0;
    FpsMin = 999.9f;
    FpsNextTime = 0;
    plat::ManualClock::Install(5000);
    // The first call has counted no frame yet.
    fwDraw::DrawFpsMeter();
    EXPECT_STREQ(FpsText, "0.0 fps ( max 0.0 / min 999.9 )");
    EXPECT_GT(Count(0, 0, 200, 12, kNavyPx), 0);
    EXPECT_EQ(Count(0, 12, 200, 13, 0), 200);
    // 120 frames in the two seconds: 60.
    for (int i = 0; i < 119; ++i) {
        plat::ManualClock::AdvanceMs(16);
        fwDraw::DrawFpsMeter();
    }
    EXPECT_STREQ(FpsText, "0.0 fps ( max 0.0 / min 999.9 )");
    plat::ManualClock::SetMs(7000);
    fwDraw::DrawFpsMeter();
    EXPECT_STREQ(FpsText, "60.0 fps ( max 60.0 / min 60.0 )");
    for (int i = 0; i < 89; ++i) fwDraw::DrawFpsMeter();
    plat::ManualClock::SetMs(9000);
    fwDraw::DrawFpsMeter();
    EXPECT_STREQ(FpsText, "45.0 fps ( max 60.0 / min 45.0 )");
    for (int i = 0; i < 4; ++i) fwDraw::DrawFpsMeter();
    plat::ManualClock::SetMs(11000);
    fwDraw::DrawFpsMeter();
    EXPECT_STREQ(FpsText, "2.5 fps ( max 60.0 / min 2.5 )");
    // The frame count stops at 999.
    for (int i = 0; i < 1500; ++i) fwDraw::DrawFpsMeter();
    EXPECT_EQ(FpsFrames, 999);
    plat::ManualClock::SetMs(13000);
    fwDraw::DrawFpsMeter();
    EXPECT_STREQ(FpsText, "499.5 fps ( max 499.5 / min 2.5 )");
    plat::ManualClock::Uninstall();
}

TEST_F(TextTest, TextInARectangleAlignsOrMeasures) {
    fwDraw::BeginText(1, 12, 0, 0, 0, 0);
    fwDraw::SetTextColors(0xFFFFFF, 0x800000, 1);
    // Alignment 3 draws nothing.
    fwDraw::DrawTextInRect(100, 100, 200, 200, "ABC", 3);
    fwDraw::DrawTextInRect(100, 100, 200, 200, "ABC", -1);
    EXPECT_EQ(CountAll(kWhitePx), 0);
    // "ABC" is 18 wide: right-aligned in 100 it moves 82 to the right.
    fwDraw::DrawTextInRect(100, 100, 200, 200, "ABC", 0);
    const int left = Count(100, 100, 118, 112, kWhitePx);
    EXPECT_GT(left, 0);
    EXPECT_EQ(CountAll(kWhitePx), left);
    fwDraw::ClearBackBuffer();
    fwDraw::DrawTextInRect(100, 100, 200, 200, "ABC", 2);
    EXPECT_EQ(Count(182, 100, 200, 112, kWhitePx), left);
    fwDraw::ClearBackBuffer();
    fwDraw::DrawTextInRect(100, 100, 200, 200, "ABC", 1);
    EXPECT_EQ(Count(141, 100, 159, 112, kWhitePx), left);
    // Measuring wraps the same way and draws nothing: three lines.
    fwDraw::ClearBackBuffer();
    EXPECT_EQ(fwDraw::MeasureTextInRect(100, 100, 150, 200, "one two three four"), 36);
    EXPECT_EQ(CountAll(kWhitePx), 0);
    fwDraw::EndText();
    // Outside Begin/End there is no context: nothing at all.
    fwDraw::DrawTextInRect(100, 100, 200, 200, "ABC", 0);
    EXPECT_EQ(fwDraw::MeasureTextInRect(100, 100, 150, 200, "ABC"), 0);
    EXPECT_EQ(CountAll(kWhitePx), 0);
}

}  // namespace
