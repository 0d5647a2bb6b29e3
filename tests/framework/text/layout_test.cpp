#include <string>

#include "framework/system/system.h"
#include "tests/framework/text/text_fixture.h"

namespace {

constexpr uint16_t kWhitePx = 0xFFFF;

class LayoutTest : public TextTest {
protected:
    // Gothic 12 (full-width characters 12 x 12), white text.
    void Begin(uint32_t textColor = 0xFFFFFF, uint32_t bkColor = 0x000000) {
        fwDraw::BeginText(1, 12, 0, 0, 0, 0);
        fwDraw::SetTextColors(textColor, bkColor, 1);
    }
    // The layout between its Begin and End.
    void Layout(int left, int top, int right, int bottom, const char* text, int style) {
        Begin();
        fwDraw::DrawTextLayout(left, top, right, bottom, text, style);
        fwDraw::EndText();
    }
    static void ExpectRect(int i, int left, int top, int right, int bottom) {
        const TextRect& r = TextCharRects[i];
        EXPECT_EQ(r.left, left) << "entry " << i;
        EXPECT_EQ(r.top, top) << "entry " << i;
        EXPECT_EQ(r.right, right) << "entry " << i;
        EXPECT_EQ(r.bottom, bottom) << "entry " << i;
    }
};

TEST_F(LayoutTest, LinesWrapWithHangingPunctuation) {
    // Five full-width characters fill the 60-pixel line exactly.
    Layout(100, 50, 160, 200, "あいうえお。かきくけこさしすせそ", 0);
    EXPECT_EQ(TextCharCount, 16);
    ExpectRect(5, 148, 50, 160, 62);
    ExpectRect(6, 160, 50, 172, 62);  // "。" hangs past the margin on its line
    ExpectRect(7, 100, 62, 112, 74);  // "か" starts the second line
    ExpectRect(11, 148, 62, 160, 74);
    ExpectRect(12, 100, 74, 112, 86);  // "さ" does not hang: it starts the third
    ExpectRect(16, 148, 74, 160, 86);
    ExpectRect(0, 100, 50, 172, 86);
    // The full stop is on the back surface beside the first line.
    EXPECT_GT(Count(160, 50, 172, 62, kWhitePx), 0);
    EXPECT_EQ(Count(160, 62, 172, 86, kWhitePx), 0);
    EXPECT_GT(Count(100, 74, 160, 86, kWhitePx), 0);
    EXPECT_EQ(Count(100, 86, 172, 200, kWhitePx), 0);

    // Half-width: ten characters fill the line; the comma hangs, "U" moves on.
    fwDraw::ClearBackBuffer();
    Layout(100, 50, 160, 200, "ABCDEFGHIJ,KLMNOPQRSTUV", 0);
    ExpectRect(11, 160, 50, 166, 62);
    ExpectRect(12, 100, 62, 106, 74);
    ExpectRect(21, 154, 62, 160, 74);
    ExpectRect(22, 100, 74, 106, 86);
    EXPECT_EQ(TextCharCount, 23);
}

TEST_F(LayoutTest, LineFeedsAndTheBottomEndLines) {
    Layout(100, 50, 300, 200, "あ\nい", 0);
    EXPECT_EQ(TextCharCount, 2);
    ExpectRect(2, 100, 62, 112, 74);
    // A box of 25 pixels holds two lines: the third would reach its bottom.
    Layout(100, 50, 160, 75, "あいうえおかきくけこさしす", 0);
    EXPECT_EQ(TextCharCount, 10);
    ExpectRect(0, 100, 50, 160, 74);
    // Extra line spacing from the style's low byte.
    Layout(100, 50, 160, 200, "あいうえおか", 4);
    ExpectRect(6, 100, 66, 112, 78);
}

TEST_F(LayoutTest, ShadowAndBoldGrowEachCharacterAndBlackStaysVisible) {
    fwDraw::FillRectColor16(0, 0, 800, 600, 0xFFFF);
    Begin(0x000000, 0x0000FF);  // black text, red shadow
    fwDraw::DrawTextLayout(100, 50, 300, 200, "あい", fwDraw::kTextShadow);
    fwDraw::EndText();
    ExpectRect(1, 100, 50, 113, 63);
    ExpectRect(2, 113, 50, 126, 63);
    EXPECT_GT(Count(100, 50, 126, 63, 0x1082), 0);  // 0x101010, not the black key
    EXPECT_GT(Count(100, 50, 126, 63, 0xF800), 0);  // the shadow
    EXPECT_EQ(Count(100, 50, 126, 63, 0x0000), 0);
    Layout(100, 50, 300, 200, "あ", fwDraw::kTextBoldAcross);
    ExpectRect(1, 100, 50, 113, 62);
    Layout(100, 50, 300, 200, "あ", fwDraw::kTextBoldDown | fwDraw::kTextBoldAcross);
    ExpectRect(1, 100, 50, 113, 63);
}

TEST_F(LayoutTest, TheBoxIsCopiedThroughTheClipRectangle) {
    fwDraw::SetClipRect(130, 0, 800, 600);
    Layout(100, 50, 300, 200, "あいうえお", 0);
    EXPECT_EQ(Count(0, 0, 130, 600, kWhitePx), 0);
    EXPECT_GT(Count(130, 50, 160, 62, kWhitePx), 0);
}

TEST_F(LayoutTest, DeferredBoxIsRevealedACharacterAtATime) {
    FrameSeconds = 0.25f;
    Begin();
    fwDraw::DrawTextBoxDeferred(100, 50, 300, 200, "あいう", 0);
    fwDraw::EndText();
    EXPECT_EQ(CountAll(kWhitePx), 0);
    EXPECT_EQ(TextCharCount, 3);
    EXPECT_EQ(TextDrawNow, 1u);
    EXPECT_EQ(TextShownCount, 0);
    // Half a second per character at four frames a second: the count grows
    // every second call, and a character shows once the count has passed it.
    int results[9];
    int firstOnly = -1;
    for (int i = 0; i < 9; ++i) {
        results[i] = fwDraw::UpdateTextProgress(0.5f);
        if (i == 4)
            firstOnly = Count(100, 50, 112, 62, kWhitePx) > 0 && Count(112, 50, 136, 62, kWhitePx) == 0;
    }
    EXPECT_EQ(firstOnly, 1);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(results[i], 0) << i;
    EXPECT_EQ(results[8], 1);
    EXPECT_GT(Count(124, 50, 136, 62, kWhitePx), 0);
    // A rate of 0 shows the whole box at once.
    fwDraw::ClearBackBuffer();
    Begin();
    fwDraw::DrawTextBoxDeferred(100, 50, 300, 200, "あいう", 0);
    fwDraw::EndText();
    EXPECT_EQ(fwDraw::UpdateTextProgress(0), 1);
    EXPECT_GT(Count(124, 50, 136, 62, kWhitePx), 0);
}

TEST_F(LayoutTest, OverlongEmptyAndCutShortTextsAreSafe) {
    Layout(0, 0, 800, 600, std::string(5000, 'A').c_str(), 0);
    EXPECT_EQ(TextCharCount, kTextCharCapacity);
    EXPECT_NE(plat::LastTextError().find("4096"), std::string::npos);
    Layout(0, 0, 800, 600, "", 0);
    EXPECT_EQ(TextCharCount, 0);
    Layout(0, 0, 800, 600, nullptr, 0);
    EXPECT_EQ(TextCharCount, 0);
    const char cut[] = {'A', '\xE3', '\x81', '\0'};
    Layout(0, 0, 800, 600, cut, 0);
    EXPECT_EQ(TextCharCount, 3);
    // A box narrower than any character ends at its bottom.
    Layout(100, 100, 104, 200, "あいう", 0);
    EXPECT_EQ(TextCharCount, 0);
}

TEST_F(LayoutTest, SmoothLayoutEndsALineAtTheMarginAndReducesItTwoToOne) {
    fwDraw::BeginSpriteText(1, 12);  // 24-pixel glyphs, 12 on the screen
    EXPECT_EQ(FontHeight, 24);
    fwDraw::SetTextColors(0xFFFFFF, 0x000000, 1);
    fwDraw::DrawTextSmooth(100, 50, 160, 200, "あいうえおか", 0);
    fwDraw::EndSpriteText();
    EXPECT_EQ(TextCharCount, 6);
    ExpectRect(1, 100, 50, 112, 62);
    ExpectRect(4, 136, 50, 148, 62);
    ExpectRect(5, 100, 62, 112, 74);  // "お" would end at the margin: next line
    ExpectRect(0, 100, 50, 148, 74);
    EXPECT_GT(Count(100, 50, 148, 62, 0), 0);
    EXPECT_LT(Count(100, 50, 148, 62, 0), 48 * 12);  // reduced glyphs drawn
    EXPECT_EQ(Count(148, 50, 160, 62, 0), 12 * 12);
    // Hanging punctuation at the margin stays on its line.
    fwDraw::BeginSpriteText(1, 12);
    fwDraw::DrawTextSmooth(100, 50, 148, 200, "あいう。え", 0);
    fwDraw::EndSpriteText();
    ExpectRect(4, 136, 50, 148, 62);
    ExpectRect(5, 100, 62, 112, 74);
}

TEST_F(LayoutTest, FilterAveragesNeighboursWithTheBackground) {
    plat::Surface* buffer = fwDraw::ObjectSurface(kFontBufferSprite);
    plat::Surface* sprite = fwDraw::ObjectSurface(kFontSprite);
    fwDraw::ClearObject(kFontBufferSprite);
    fwDraw::ClearObject(kFontSprite);
    SetPx(buffer, 10, 10, 0xFFFF);  // one white pixel
    for (int y = 19; y <= 21; ++y)
        for (int x = 19; x <= 21; ++x) SetPx(buffer, x, y, 0xFFFF);  // a white 3 x 3 block
    // A grey back surface: 16 in each 5-bit channel.
    const uint16_t grey = static_cast<uint16_t>((16 << 11) | (32 << 5) | 16);
    fwDraw::FillRectColor16(0, 0, 800, 600, grey);
    EXPECT_EQ(fwDraw::FilterTextPixels(50, 60, 0, 0, 40, 40), 1);
    // One pixel of nine: (31 + 31 + 7 x 16) / 8 = 21.
    const uint16_t lone = Px(sprite, 55, 65);
    EXPECT_EQ(PixelToRgb[lone][0], 21);
    EXPECT_EQ(PixelToRgb[lone][1], 21);
    EXPECT_EQ(PixelToRgb[lone][2], 21);
    // Nine of nine: (9 x 31 + 31 - 16) / 8 = 36, capped at 31.
    EXPECT_EQ(PixelToRgb[Px(sprite, 60, 70)][0], 31);
    // Neighbours of the block's centre pixel: (3 x 31 + 31 + 5 x 16) / 8 = 25.
    EXPECT_EQ(PixelToRgb[Px(sprite, 61, 70)][0], 25);
    // Where nothing was drawn the sprite stays transparent.
    EXPECT_EQ(Px(sprite, 54, 64), 0);
    EXPECT_EQ(Px(sprite, 56, 66), 0);
    EXPECT_EQ(Px(sprite, 75, 65), 0);

    // Clipped: the first columns are left out.
    fwDraw::ClearObject(kFontSprite);
    fwDraw::SetClipRect(56, 0, 800, 600);
    EXPECT_EQ(fwDraw::FilterTextPixels(50, 60, 0, 0, 40, 40), 1);
    EXPECT_EQ(Px(sprite, 55, 65), 0);
    EXPECT_NE(Px(sprite, 60, 70), 0);
    // A surface that cannot be locked: 0, and nothing left locked.
    plat::MarkSurfaceLost(sprite);
    EXPECT_EQ(fwDraw::FilterTextPixels(50, 60, 0, 0, 40, 40), 0);
    EXPECT_EQ(buffer->locks, 0);
    EXPECT_EQ(BackSurface->locks, 0);
}

}  // namespace
