#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "tests/framework/draw/draw_fixture.h"

namespace {

// Pictures whose pixel (x, y) is 1 + x + 64 y, with a transparent pixel at
// (1, 1), on a background of 0x0841 under the playfield clip.
class RotateTest : public ScreenTest {
protected:
    static constexpr uint16_t kBack = 0x0841;
    void SetUp() override {
        ScreenTest::SetUp();
        fwDraw::SetClipRect(180, 0, 620, 600);
        fwDraw::FillRectColor16(0, 0, 800, 600, kBack);
    }
    static uint16_t Src(int x, int y) { return x == 1 && y == 1 ? 0 : static_cast<uint16_t>(1 + x + 64 * y); }
    static int Picture(int w, int h) { return Sprite(w, h, Src); }
    // The w x h block of the back surface at (x, y).
    static std::vector<uint16_t> Block(int x, int y, int w, int h) {
        std::vector<uint16_t> v;
        plat::LockedPixels p;
        plat::Lock(BackSurface, p);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) v.push_back(p.pixels[(y + j) * p.pitch + x + i]);
        plat::Unlock(BackSurface);
        return v;
    }
    // Checks the w x h box at (x, y) against want(i, j), the source pixel
    // expected there (0: the background shows).
    template <class F>
    static void ExpectBox(int x, int y, int w, int h, F want) {
        auto box = Block(x, y, w, h);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                const uint16_t s = want(i, j);
                ASSERT_EQ(box[j * w + i], s ? s : kBack) << i << "," << j;
            }
    }
    // The screen after one call, from a clean background.
    template <class F>
    std::vector<uint16_t> After(F draw) {
        fwDraw::FillRectColor16(0, 0, 800, 600, kBack);
        draw();
        return Block(0, 0, 800, 600);
    }
};

TEST_F(RotateTest, AngleZeroInABoxOfTheSpritesSizeIsBltObject) {
    const int h = Picture(24, 16);
    for (int x : {300, 170, 610}) {  // whole, and cut at either clip edge
        auto object = After([&] { fwDraw::BltObject(x, 100, h, 0, 0, 24, 16); });
        auto turned = After([&] { EXPECT_EQ(fwDraw::BltRotated(x, 100, x + 24, 116, 0, h, 0, 0, 24, 16), 1); });
        EXPECT_TRUE(object == turned) << x;
    }
    // A sub-rectangle of the picture.
    auto object = After([&] { fwDraw::BltObject(300, 100, h, 3, 2, 13, 9); });
    auto turned = After([&] { fwDraw::BltRotated(300, 100, 310, 107, 0, h, 3, 2, 13, 9); });
    EXPECT_TRUE(object == turned);
}

TEST_F(RotateTest, HalfTurnMirrorsBothAxes) {
    // Odd sizes: box pixel (i, j) shows source (w - 1 - i, h - 1 - j).
    const int odd = Picture(15, 11);
    fwDraw::BltRotated(300, 100, 315, 111, 180, odd, 0, 0, 15, 11);
    ExpectBox(300, 100, 15, 11, [](int i, int j) { return Src(14 - i, 10 - j); });
    // Even sizes: the centre is the pixel right of and below the middle, so
    // box pixel (i, j) shows source (w - i, h - j) and the first column and
    // row stay empty.
    const int even = Picture(16, 12);
    fwDraw::BltRotated(300, 200, 316, 212, 180, even, 0, 0, 16, 12);
    ExpectBox(300, 200, 16, 12, [](int i, int j) { return i && j ? Src(16 - i, 12 - j) : 0; });
}

TEST_F(RotateTest, QuarterTurnPutsTheBottomEdgeOnTheRight) {
    const int h = Picture(16, 16);
    fwDraw::BltRotated(300, 100, 316, 116, 90, h, 0, 0, 16, 16);
    ExpectBox(300, 100, 16, 16, [](int i, int j) { return j ? Src(16 - j, i) : 0; });
    EXPECT_EQ(Block(315, 105, 1, 1)[0], Src(11, 15));  // the right column: the source's bottom row
}

TEST_F(RotateTest, AnglesOutsideTheTableAreReducedModulo360) {
    const int h = Picture(20, 14);
    auto at = [&](int angle) {
        return After([&] { EXPECT_EQ(fwDraw::BltRotated(300, 100, 330, 130, angle, h, 0, 0, 20, 14), 1); });
    };
    EXPECT_TRUE(at(-90) == at(270));
    EXPECT_TRUE(at(-180) == at(180));
    EXPECT_TRUE(at(539) == at(179));
    EXPECT_TRUE(at(450) == at(90));
    EXPECT_TRUE(at(360) == at(0));
    EXPECT_TRUE(at(INT_MIN) == at(INT_MIN % 360 + 360));
    EXPECT_FALSE(at(1) == at(0));
}

TEST_F(RotateTest, DiagonalSpriteLosesItsCornersInItsOwnBoxOnly) {
    const int h = Sprite(30, 30, [](int x, int y) { return static_cast<uint16_t>(1 + x + 64 * y); });
    auto shows = [&](const std::vector<uint16_t>& box, int x, int y) {
        for (uint16_t v : box)
            if (v == 1 + x + 64 * y) return true;
        return false;
    };
    fwDraw::BltRotated(300, 100, 330, 130, 45, h, 0, 0, 30, 30);
    auto small = Block(300, 100, 30, 30);
    EXPECT_EQ(small[0], kBack);
    EXPECT_FALSE(shows(small, 0, 0) || shows(small, 29, 0) || shows(small, 0, 29) || shows(small, 29, 29));
    fwDraw::BltRotated(300, 200, 345, 245, 45, h, 0, 0, 30, 30);
    auto large = Block(300, 200, 45, 45);
    EXPECT_TRUE(shows(large, 1, 1) && shows(large, 28, 1) && shows(large, 1, 28) && shows(large, 28, 28));
}

TEST_F(RotateTest, ClipLimitsTheBoxWithoutMovingThePicture) {
    const int h = Picture(40, 40);
    fwDraw::SetClipRect(0, 0, 800, 600);
    auto whole = After([&] { fwDraw::BltRotated(160, 100, 200, 140, 30, h, 0, 0, 40, 40); });
    fwDraw::SetClipRect(180, 110, 620, 600);
    auto cut = After([&] { fwDraw::BltRotated(160, 100, 200, 140, 30, h, 0, 0, 40, 40); });
    for (int y = 95; y < 145; ++y)
        for (int x = 155; x < 205; ++x) {
            const size_t k = static_cast<size_t>(y) * 800 + x;
            ASSERT_EQ(cut[k], x >= 180 && y >= 110 ? whole[k] : kBack) << x << "," << y;
        }
}

TEST_F(RotateTest, NothingToDrawReturnsBeforeLockingAndRefusalsDrawNothing) {
    const int h = Picture(16, 16);
    plat::MarkSurfaceLost(BackSurface);  // any lock would now fail with 0
    EXPECT_EQ(fwDraw::BltRotated(620, 100, 636, 116, 1000, h, 0, 0, 16, 16), 1);
    EXPECT_EQ(fwDraw::BltRotated(164, 100, 180, 116, -1000, h, 0, 0, 16, 16), 1);
    EXPECT_EQ(fwDraw::BltRotated(INT_MIN, INT_MIN, INT_MIN + 16, INT_MIN + 16, 7, h, 0, 0, 16, 16), 1);
    const int far = fwDraw::ToBlitCoord(-1.0e30f);
    EXPECT_EQ(fwDraw::BltRotatedScaledTint(far, 100, far + 16, 116, 7, 1, 0, 1, 0, 1, 1, 1, h, 0, 0, 16, 16), 1);
    EXPECT_EQ(fwDraw::BltRotated(300, 100, 316, 116, 7, h, 0, 0, 16, 16), 0);  // the lock fails
    EXPECT_EQ(DrawObjects[h].surface->locks, 0);
    plat::Restore(BackSurface);
    fwDraw::FillRectColor16(0, 0, 800, 600, kBack);
    auto before = Block(0, 0, 800, 600);
    EXPECT_EQ(fwDraw::BltRotated(300, 100, 316, 116, 0, h, 0, 0, 17, 16), 0);          // past the picture
    EXPECT_EQ(fwDraw::BltRotatedWrap(300, 100, 316, 116, 0, h + 1, 0, 0, 16, 16), 0);  // no surface
    // Refused far off the playfield too, where nothing would be drawn.
    EXPECT_EQ(fwDraw::BltRotated(INT_MIN, 100, INT_MIN + 16, 116, 0, h, 0, 0, 17, 16), 0);
    EXPECT_EQ(fwDraw::BltRotated(900, 100, 916, 116, 0, h + 1, 0, 0, 16, 16), 0);
    EXPECT_EQ(fwDraw::BltRotatedScaled(300, 100, 316, 116, 0, 0.0f, h, 0, 0, 16, 16), 0);
    EXPECT_EQ(
        fwDraw::BltRotatedScaledWrap(300, 100, 316, 116, 0, std::numeric_limits<float>::quiet_NaN(), h, 0, 0, 16, 16),
        0);
    EXPECT_TRUE(before == Block(0, 0, 800, 600));
}

TEST_F(RotateTest, WrapRepeatsTheSourceMirroredAtItsOrigin) {
    const int h = Picture(4, 4);
    fwDraw::BltRotatedWrap(300, 100, 316, 116, 0, h, 0, 0, 4, 4);
    // Centring offset (16 - 4) / 2 = 6.
    ExpectBox(300, 100, 16, 16, [](int i, int j) { return Src(std::abs(i - 6) % 4, std::abs(j - 6) % 4); });
}

TEST_F(RotateTest, ScaledMembersEnlargeAboutTheCentre) {
    const int h = Picture(8, 8);
    fwDraw::BltRotatedScaled(300, 100, 316, 116, 0, 2.0f, h, 0, 0, 8, 8);
    ExpectBox(300, 100, 16, 16, [](int i, int j) { return Src(i / 2, j / 2); });
    // Offset (32 - 16) / 2 = 8; each step of 2 box pixels is one source pixel.
    fwDraw::BltRotatedScaledWrap(300, 200, 332, 232, 0, 2.0f, h, 0, 0, 8, 8);
    ExpectBox(300, 200, 32, 32, [](int i, int j) { return Src(std::abs((i - 8) / 2) % 8, std::abs((j - 8) / 2) % 8); });
}

TEST_F(RotateTest, TintedRecedingScaleCountsTheClippedRows) {
    // Blue holds the row, green the column; red is halved by the tint.
    const int h = Sprite(8, 8, [](int x, int y) { return static_cast<uint16_t>(31 << 11 | (8 + x) << 6 | y); });
    // The vertical scale falls by 1/8 per box row, from row 0 on: the first
    // 3 rows lie above ClipTop and still count.
    fwDraw::SetClipRect(180, 103, 620, 600);
    fwDraw::BltRotatedScaledTint(300, 100, 308, 108, 0, 1, 0, 1, -0.125f, 0.5f, 1, 1, h, 0, 0, 8, 8);
    ExpectBox(300, 100, 8, 8, [](int i, int j) {
        float scale = 1;
        for (int k = 0; k < j; ++k) scale -= 0.125f;
        const int sv = static_cast<int>(j / scale) % 8;  // sprite-sized box: no centring offset
        return j < 3 ? uint16_t{0} : static_cast<uint16_t>(15 << 11 | (8 + i) << 6 | sv);
    });
}

}  // namespace

namespace {

// Every angle, box size (larger and smaller than the picture, odd and even,
// narrow and wide) and clip position gives exactly the turn rule: box pixel
// (i, j) shows the source pixel (u / 360 - ox, v / 360 - oy), quotients
// truncated toward zero, where u = 360 cx + (i - cx) C - (j - cy) S and
// v = 360 cy + (i - cx) S + (j - cy) C.
TEST_F(RotateTest, EveryAngleBoxAndClipFollowsTheTurnRule) {
    const int small = Picture(24, 16), large = Picture(90, 75);
    struct Box {
        int x, y, w, h, left, top, right, bottom;
        bool large;
    };
    const Box boxes[] = {
        {300, 100, 24, 16, 0, 0, 24, 16, false}, {300, 100, 41, 40, 0, 0, 24, 16, false},
        {300, 100, 10, 9, 0, 0, 24, 16, false},  {170, 90, 33, 33, 3, 2, 13, 9, false},
        {605, 590, 30, 30, 0, 0, 24, 16, false}, {300, 100, 8, 8, 0, 0, 24, 16, false},
        {301, 101, 5, 7, 2, 1, 9, 12, false},    {300, 100, 120, 101, 0, 0, 24, 16, false},
        {300, 100, 90, 75, 0, 0, 90, 75, true},  {300, 100, 70, 66, 0, 0, 90, 75, true},
        {150, 300, 97, 80, 1, 0, 88, 75, true},  {560, 560, 100, 100, 0, 0, 90, 75, true},
        {-2000, 300, 5000, 20, 0, 0, 24, 16, false},  // wider than the 16-bit lanes take
    };
    std::vector<int> angles{0, 90, 180, 270};  // a step of 0 along the row or the column
    for (int angle = -3; angle < 360; angle += 11) angles.push_back(angle);
    for (const Box& b : boxes)
        for (int angle : angles) {
            const int h = b.large ? large : small;
            auto screen = After([&] {
                fwDraw::BltRotated(b.x, b.y, b.x + b.w, b.y + b.h, angle, h, b.left, b.top, b.right, b.bottom);
            });
            const int a = fwDraw::ReduceAngle(angle);
            const int64_t S = SinTable[a], C = SinTable[a + 90];
            const int64_t cx = b.w >> 1, cy = b.h >> 1, sw = b.right - b.left, sh = b.bottom - b.top;
            const int64_t ox = (b.w - sw) >> 1, oy = (b.h - sh) >> 1;
            int wrong = 0;
            for (int j = 0; j < b.h; ++j)
                for (int i = 0; i < b.w; ++i) {
                    const int x = b.x + i, y = b.y + j;
                    if (x < 180 || x >= 620 || y < 0 || y >= 600) continue;
                    const int64_t u = 360 * cx + (i - cx) * C - (j - cy) * S;
                    const int64_t v = 360 * cy + (i - cx) * S + (j - cy) * C;
                    const int64_t su = u / 360 - ox, sv = v / 360 - oy;
                    uint16_t want = kBack;
                    if (su >= 0 && su < sw && sv >= 0 && sv < sh) {
                        const uint16_t p = Src(static_cast<int>(b.left + su), static_cast<int>(b.top + sv));
                        if (p) want = p;
                    }
                    wrong += screen[static_cast<size_t>(y) * 800 + x] != want;
                }
            EXPECT_EQ(wrong, 0) << "box at " << b.x << "," << b.y << " size " << b.w << "x" << b.h << " angle "
                                << angle;
        }
}

}  // namespace

namespace {

// The wrapped and scaled members follow the same turn with their own source
// rule on each axis, for q the truncated quotient u / 360 (or v / 360):
// wrapped |q - o| % size, scaled (q - o) / scale truncated (inside the
// rectangle only), both |(q - o) / scale| % size; o centres the picture
// (scaled: its drawn size, size * scale truncated). Nothing outside the box
// changes.
TEST_F(RotateTest, WrappedAndScaledMembersFollowTheirRulesAtEveryAngle) {
    const int h = Picture(24, 16);
    enum Member { kWrap, kScaled, kScaledWrap };
    struct Case {
        Member member;
        float scale;
    };
    const Case cases[] = {{kWrap, 1}, {kScaled, 1.5f}, {kScaled, -0.75f}, {kScaledWrap, 2.5f}, {kScaledWrap, -1.25f},
                          {kScaledWrap, 1e-8f}};
    struct Box {
        int x, y, w, h, left, top, right, bottom;
    };
    const Box boxes[] = {{300, 100, 24, 16, 0, 0, 24, 16},
                         {300, 100, 41, 40, 0, 0, 24, 16},
                         {170, 90, 33, 23, 3, 2, 13, 9},
                         {590, 300, 100, 70, 0, 0, 24, 16},
                         {-2000, 300, 5000, 20, 0, 0, 24, 16}};
    for (const Case& c : cases)
        for (const Box& b : boxes)
            for (int angle = 5; angle < 360; angle += 23) {
                fwDraw::FillRectColor16(0, 0, 800, 600, kBack);
                const int got = c.member == kWrap
                                    ? fwDraw::BltRotatedWrap(b.x, b.y, b.x + b.w, b.y + b.h, angle, h, b.left, b.top,
                                                             b.right, b.bottom)
                                : c.member == kScaled
                                    ? fwDraw::BltRotatedScaled(b.x, b.y, b.x + b.w, b.y + b.h, angle, c.scale, h,
                                                               b.left, b.top, b.right, b.bottom)
                                    : fwDraw::BltRotatedScaledWrap(b.x, b.y, b.x + b.w, b.y + b.h, angle, c.scale, h,
                                                                   b.left, b.top, b.right, b.bottom);
                ASSERT_EQ(got, 1);
                const int64_t S = SinTable[angle], C = SinTable[angle + 90];
                const int64_t cx = b.w >> 1, cy = b.h >> 1, sw = b.right - b.left, sh = b.bottom - b.top;
                const bool scaled = c.member != kWrap, wrapped = c.member != kScaled;
                auto drawn = [&](int64_t size) {
                    return scaled ? fwDraw::ToBlitCoord(static_cast<float>(size) * c.scale) : size;
                };
                const int64_t ox = (b.w - drawn(sw)) >> 1, oy = (b.h - drawn(sh)) >> 1;
                // The source coordinate of quotient q, or -1 for none.
                auto source = [&](int64_t q, int64_t size) -> int64_t {
                    const int64_t p = scaled ? fwDraw::ToBlitCoord(static_cast<float>(q) / c.scale) : q;
                    if (wrapped) return (p < 0 ? -p : p) % size;
                    return p >= 0 && p < size ? p : -1;
                };
                const int mx = 16, my = 2;
                auto area = Block(b.x - mx, b.y - my, b.w + 2 * mx, b.h + 2 * my);
                int wrong = 0;
                for (int y = b.y - my; y < b.y + b.h + my; ++y)
                    for (int x = b.x - mx; x < b.x + b.w + mx; ++x) {
                        if (x < 0 || x >= 800 || y < 0 || y >= 600) continue;
                        const uint16_t seen = area[(y - b.y + my) * (b.w + 2 * mx) + (x - b.x + mx)];
                        uint16_t want = kBack;
                        const int64_t i = x - b.x, j = y - b.y;
                        if (x >= 180 && x < 620 && i >= 0 && i < b.w && j >= 0 && j < b.h) {
                            const int64_t u = 360 * cx + (i - cx) * C - (j - cy) * S;
                            const int64_t v = 360 * cy + (i - cx) * S + (j - cy) * C;
                            const int64_t su = source(u / 360 - ox, sw), sv = source(v / 360 - oy, sh);
                            if (su >= 0 && sv >= 0) {
                                const uint16_t p = Src(static_cast<int>(b.left + su), static_cast<int>(b.top + sv));
                                if (p) want = p;
                            }
                        }
                        wrong += seen != want;
                    }
                EXPECT_EQ(wrong, 0) << "member " << c.member << " scale " << c.scale << " box " << b.x << "," << b.y
                                    << " " << b.w << "x" << b.h << " angle " << angle;
            }
}

}  // namespace
