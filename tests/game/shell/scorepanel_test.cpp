#include "game/shell/scorepanel.h"

#include "game/shell/assets.h"
#include "game/state/player_state.h"
#include "tests/framework/draw/draw_fixture.h"

namespace {

// Each digit cell of the sheets is painted in a colour of its own, so the
// pixel at a destination tells which cell was drawn there.
constexpr uint16_t LargeDigit(int d) { return static_cast<uint16_t>(0x1000 + d); }
constexpr uint16_t SmallDigit(int d) { return static_cast<uint16_t>(0x2000 + d); }
constexpr uint16_t kLivesLabel = 0x3333;
constexpr uint16_t kBombLabel = 0x4444;

class ScorePanelTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        fwDraw::SetClipRect(180, 0, 620, 600);
        ImgSuji09 = Sprite(200, 25, [](int x, int) { return LargeDigit(x / 20); });
        ImgMymy = Sprite(230, 80, [](int x, int y) -> uint16_t {
            if (y < 70) return 0;
            if (x >= 8 && x < 78) return SmallDigit((x - 8) / 7);
            if (x >= 170 && x < 194) return kBombLabel;
            if (x >= 200 && x < 224) return kLivesLabel;
            return 0;
        });
        ASSERT_GT(ImgSuji09, 0);
        ASSERT_GT(ImgMymy, 0);
        fwDraw::ClearBackBuffer();
    }
    uint16_t At(int x, int y) { return Px(BackSurface, x, y); }
    // The digits drawn in a field of small digits, as text ('.' where none).
    std::string SmallField(int x, int count) {
        std::string s;
        for (int i = 0; i < count; ++i) {
            uint16_t p = At(x + 10 * i + 3, 10);
            s += (p >= 0x2000 && p <= 0x2009) ? static_cast<char>('0' + (p - 0x2000)) : '.';
        }
        return s;
    }
    std::string LargeField() {
        std::string s;
        for (int i = 0; i < 9; ++i) {
            uint16_t p = At(180 + 20 * i + 10, 12);
            s += (p >= 0x1000 && p <= 0x1009) ? static_cast<char>('0' + (p - 0x1000)) : '.';
        }
        return s;
    }
};

TEST_F(ScorePanelTest, DrawsEveryFieldWithItsDigits) {
    Score = 1234567;
    HiScore = 500;
    Lives = 999;
    BombCharges = 5;
    DrawScorePanel();
    EXPECT_EQ(LargeField(), "001234567");
    EXPECT_EQ(SmallField(380, 9), "000000500");
    EXPECT_EQ(SmallField(520, 3), "999");
    EXPECT_EQ(SmallField(600, 2), "05");
    EXPECT_EQ(At(575, 10), kBombLabel);
    EXPECT_EQ(At(495, 10), kLivesLabel);
    // Large digits are 20 x 25 from the top of the playfield; nothing below.
    EXPECT_EQ(At(190, 24), LargeDigit(0));
    EXPECT_EQ(At(190, 25), 0);
    // Small digits are 7 wide with 3 columns of gap.
    EXPECT_EQ(At(380 + 7, 10), 0);
}

TEST_F(ScorePanelTest, ZeroScoreAndLongValuesShowLeadingDigits) {
    Score = 0;
    HiScore = 999999999;
    Lives = 1234;  // more digits than the field: the leading three
    BombCharges = 111;
    DrawScorePanel();
    EXPECT_EQ(LargeField(), "000000000");
    EXPECT_EQ(SmallField(380, 9), "999999999");
    EXPECT_EQ(SmallField(520, 3), "123");
    EXPECT_EQ(SmallField(600, 2), "11");
}

TEST_F(ScorePanelTest, NegativeCountsHideTheirDigitsButKeepLabels) {
    Score = 10;
    HiScore = 500;
    Lives = -1;
    BombCharges = -3;
    DrawScorePanel();
    EXPECT_EQ(SmallField(520, 3), "...");
    EXPECT_EQ(SmallField(600, 2), "..");
    EXPECT_EQ(At(575, 10), kBombLabel);
    EXPECT_EQ(At(495, 10), kLivesLabel);
}

}  // namespace
