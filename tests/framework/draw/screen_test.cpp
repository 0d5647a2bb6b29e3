#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "framework/sound/sound.h"
#include "framework/system/random.h"
#include "game/shell/shell.h"
#include "tests/framework/draw/draw_fixture.h"
#include "tests/support/run.h"

namespace {

using testsupport::Count;

constexpr int kShift5[3] = {11, 6, 0};  // 5-6-5

TEST_F(ScreenTest, FormatValuesOfFiveSixFive) {
    EXPECT_EQ(RedMask, 0xF800u);
    EXPECT_EQ(GreenMask, 0x07E0u);
    EXPECT_EQ(BlueMask, 0x001Fu);
    EXPECT_EQ(RedShift, 11);
    EXPECT_EQ(GreenShift, 5);
    EXPECT_EQ(BlueShift, 0);
    EXPECT_EQ(RedMax, 31u);
    EXPECT_EQ(GreenMax, 63u);
    EXPECT_EQ(RedShift5, 11);
    EXPECT_EQ(GreenShift5, 6);
    EXPECT_EQ(BlueShift5, 0);
    EXPECT_EQ(HalfMask, 0x7BEFu);
    EXPECT_EQ(WhitePixel, 0xFFFFu);
    EXPECT_EQ(CanStretch, 1u);
}

TEST_F(ScreenTest, SineTableTruncatesTowardZero) {
    EXPECT_EQ(SinTable[0], 0);
    EXPECT_EQ(SinTable[30], 179);
    EXPECT_EQ(SinTable[90], 360);
    EXPECT_EQ(SinTable[180], 0);
    EXPECT_EQ(SinTable[270], -360);
    EXPECT_EQ(SinTable[449], 359);  // the cosine of 359 degrees
    EXPECT_EQ(SinTable[359 + 90], SinTable[89]);
}

TEST_F(ScreenTest, PixelToRgbSplitsAndHalvesGreen) {
    auto rgb = [](int p) { return std::to_string(PixelToRgb[p][0]) + "," + std::to_string(PixelToRgb[p][1]) + "," +
                                  std::to_string(PixelToRgb[p][2]); };
    EXPECT_EQ(rgb(0xFFFF), "31,31,31");
    EXPECT_EQ(rgb(0x07E0), "0,31,0");
    EXPECT_EQ(rgb(0xF800), "31,0,0");
    EXPECT_EQ(rgb(0x001F), "0,0,31");
    EXPECT_EQ(rgb(0x0020), "0,0,0");  // green's low bit is lost
    EXPECT_EQ(rgb(0x0841), "1,1,1");
    EXPECT_EQ(rgb(0), "0,0,0");
}

TEST_F(ScreenTest, BlendTablesHoldTheirFormulas) {
    for (int c = 0; c < 3; ++c) {
        const int sh = kShift5[c];
        // Additive: saturates, and a level of 31 leaves the destination.
        EXPECT_EQ(AdditiveTable[fwDraw::TableIndex(c, 0, 20, 20)], 31 << sh);
        EXPECT_EQ(AdditiveTable[fwDraw::TableIndex(c, 5, 20, 3)], 18 << sh);
        for (int s = 0; s < 32; ++s)
            for (int d = 0; d < 32; ++d) ASSERT_EQ(AdditiveTable[fwDraw::TableIndex(c, 31, s, d)], d << sh);
        // Level blend: level 0 gives x, level 31 gives y, never above 31.
        for (int x = 0; x < 32; ++x)
            for (int y = 0; y < 32; ++y) {
                ASSERT_EQ(LevelBlendTable[fwDraw::TableIndex(c, 0, x, y)], x << sh);
                ASSERT_EQ(LevelBlendTable[fwDraw::TableIndex(c, 31, x, y)], y << sh);
                for (int a = 0; a < 32; ++a) ASSERT_LE(LevelBlendTable[fwDraw::TableIndex(c, a, x, y)] >> sh, 31);
                ASSERT_EQ(SubtractiveTable[fwDraw::SubtractiveIndex(c, x, y)], (y >= x ? 0 : x - y) << sh);
            }
        EXPECT_EQ(LevelBlendTable[fwDraw::TableIndex(c, 10, 20, 25)], (10 + 4) << sh);
    }
    EXPECT_EQ(GreyTable[0], 0);
    EXPECT_EQ(GreyTable[5], 1);
    EXPECT_EQ(GreyTable[93], 31);
}

// Screen set-ups that may fail half-way: whatever they leave is released.
class ScreenSetUp : public ::testing::Test {
protected:
    void SetUp() override {
        plat::SetMessageBoxesShown(false);
        FullScreen = 1;
    }
    void TearDown() override {
        fwDraw::ReleaseAll();
        fwSound::ReleaseAll();
        plat::FailSurfaceCreation(0);
        plat::SetInstanceLockEnabled(true);
        plat::SetMessageBoxesShown(true);
    }
};

// Blanks the lookup tables for one test and puts the earlier set-ups' tables back.
template <class T>
struct Blanked {
    explicit Blanked(T& table) : table_(table) {
        std::memcpy(&saved_, &table, sizeof(T));
        std::memset(&table, 0, sizeof(T));
    }
    ~Blanked() { std::memcpy(&table_, &saved_, sizeof(T)); }
    T& table_;
    T saved_;
};

TEST_F(ScreenSetUp, RandomBytesTakeTenThousandValuesOfTheSeededGenerator) {
    plat::SetMessageBoxesShown(false);
    FullScreen = 1;
    rng::srand(1234);
    ASSERT_EQ(fwDraw::Screen(800, 600, 2), 1);
    // The generator's own rule, stepped independently.
    uint32_t seed = 1234;
    auto next = [&seed] {
        seed = seed * 214013u + 2531011u;
        return static_cast<int>((seed >> 16) & 0x7FFF);
    };
    int seen[3] = {};
    for (int i = 0; i < 10000; ++i) {
        int expected = next() % 3;
        ASSERT_EQ(RandomBytes[i], expected) << i;
        ++seen[expected];
    }
    EXPECT_GT(seen[0], 3000);
    EXPECT_GT(seen[2], 3000);
    EXPECT_EQ(rng::rand(), next());  // the start-up consumed exactly 10000 values
    fwDraw::ReleaseAll();
}

TEST_F(ScreenTest, FrameworkRecordsAndClipRectangle) {
    const char* names[4] = {"内部用１", "内部用２", "内部用３", "内部用４"};
    for (int i = 0; i < 4; ++i) {
        const DrawObject& r = DrawObjects[i];
        EXPECT_STREQ(r.name, names[i]);
        ASSERT_NE(r.surface, nullptr);
        EXPECT_EQ(r.width, 800);
        EXPECT_EQ(r.height, 600);
        EXPECT_EQ(r.placement, 2u);
        EXPECT_EQ(r.colorKey, 0u);
        uint16_t lo = 1, hi = 1;
        EXPECT_EQ(plat::GetColorKey(r.surface, lo, hi), plat::kOk);
        EXPECT_EQ(lo, 0);
    }
    for (int i = 4; i < kDrawObjectCount; ++i) ASSERT_EQ(DrawObjects[i].surface, nullptr);
    EXPECT_EQ(ClipLeft, 0);
    EXPECT_EQ(ClipTop, 0);
    EXPECT_EQ(ClipRight, 800);
    EXPECT_EQ(ClipBottom, 600);
    EXPECT_EQ(ScreenRect[2], 800);
    EXPECT_EQ(ScreenRect[3], 600);
    EXPECT_EQ(fwDraw::ScreenIsUp(), 1);
    fwDraw::SetClipRect(180, 0, 620, 600);
    EXPECT_EQ(ClipLeft, 180);
    EXPECT_EQ(ClipRight, 620);
    fwDraw::ReleaseAll();
    EXPECT_EQ(fwDraw::ScreenIsUp(), 0);
    EXPECT_EQ(plat::LiveSurfaceCount(), 0);
}

struct Failure {
    int nth;  // which surface creation fails
    const char* message;
    friend void PrintTo(const Failure& f, std::ostream* os) { *os << f.nth << " " << f.message; }
};

class ScreenFailure : public ScreenSetUp, public ::testing::WithParamInterface<Failure> {};


TEST_P(ScreenFailure, ShowsItsMessageAndBuildsNoTables) {
    plat::FailSurfaceCreation(GetParam().nth);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fwDraw::Screen(800, 600, 2), 0);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Count(err, std::string("fwDraw::Screen : ") + GetParam().message), 1u) << err;
    EXPECT_EQ(ErrorFlag, 1);
    EXPECT_EQ(SinTable[90], 0);
    EXPECT_EQ(fwDraw::ScreenIsUp(), 0);
}

INSTANTIATE_TEST_SUITE_P(EachSurface, ScreenFailure,
                         ::testing::Values(Failure{1, "表画面が生成できません"}, Failure{2, "裏画面が生成できません"},
                                           Failure{3, "Bufferスプライトが生成できません"},
                                           Failure{4, "Screenスプライトが生成できません"},
                                           Failure{5, "Fontスプライトが生成できません"},
                                           Failure{6, "Fontバッファスプライトが生成できません"}),
                         [](const auto& info) { return "Creation" + std::to_string(info.param.nth); });

TEST_F(ScreenSetUp, RefusedDepthWithoutFallbackFailsOnce) {
    fwDraw::SetScreenFormat(32, 0, 0);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fwDraw::Screen(800, 600, 2), 0);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Count(err, "解像度が変更できません"), 1u) << err;
    EXPECT_EQ(ScreenBitsPerPixel, 32u);
}

TEST_F(ScreenSetUp, FallbackDepthsAreTriedInTurn) {
    fwDraw::SetScreenFormat(32, 24, 16);
    EXPECT_EQ(fwDraw::Screen(800, 600, 2), 1);
    EXPECT_EQ(ScreenBitsPerPixel, 16u);
    EXPECT_EQ(HalfMask, 0x7BEFu);
    fwDraw::ReleaseAll();
    fwDraw::SetScreenFormat(32, 24, 0);
    EXPECT_EQ(fwDraw::Screen(800, 600, 2), 0);
    EXPECT_EQ(ScreenBitsPerPixel, 24u);
}

TEST_F(ScreenSetUp, OtherDisplayDepthBuildsOnlyTheSineTable) {
    auto blankRgb = std::make_unique<Blanked<decltype(PixelToRgb)>>(PixelToRgb);
    auto blankAdditive = std::make_unique<Blanked<decltype(AdditiveTable)>>(AdditiveTable);
    Blanked<decltype(GreyTable)> blankGrey(GreyTable);
    Blanked<decltype(RandomBytes)> blankRandom(RandomBytes);
    FullScreen = 0;  // windowed: the desktop's depth, which is not 16 here
    ASSERT_EQ(fwDraw::Screen(800, 600, 2), 1);
    ASSERT_NE(ScreenBitsPerPixel, 16u);
    EXPECT_EQ(SinTable[90], 360);
    EXPECT_EQ(Clipper, 1);
    EXPECT_EQ(PixelToRgb[0xFFFF][0], 0);
    EXPECT_EQ(AdditiveTable[fwDraw::TableIndex(0, 0, 20, 20)], 0);
    EXPECT_EQ(GreyTable[93], 0);
    for (uint8_t b : RandomBytes) ASSERT_EQ(b, 0);
}

TEST_F(ScreenSetUp, GameExitsWithErrorWhenTheScreenCannotBeSetUp) {
    plat::SetInstanceLockEnabled(false);
    plat::FailSurfaceCreation(2);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(WinMain(1, 0, "", 1), 1);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("fwDraw::Screen : 裏画面が生成できません"), std::string::npos) << err;
    EXPECT_EQ(plat::LiveSurfaceCount(), 0);
}

}  // namespace
