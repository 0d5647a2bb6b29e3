#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/framework/draw/draw_fixture.h"

namespace {

// Playfield clip; a 64 x 64 sprite whose pixel (x, y) is 1 + x + 64 y
// (never 0, so never transparent).
class BlitTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        fwDraw::SetClipRect(180, 0, 620, 600);
        sprite_ = Sprite(64, 64, [](int x, int y) { return static_cast<uint16_t>(1 + x + 64 * y); });
    }
    static uint16_t Src(int x, int y) { return static_cast<uint16_t>(1 + x + 64 * y); }
    std::vector<uint16_t> Snapshot(plat::Surface* s) {
        std::vector<uint16_t> v;
        for (int y = 0; y < s->height; ++y)
            for (int x = 0; x < s->width; ++x) v.push_back(Px(s, x, y));
        return v;
    }
    int sprite_ = 0;
};

TEST_F(BlitTest, LeftEdgeCutStartsAtTheClippedSourceColumn) {
    fwDraw::BltObject(ClipLeft - 10, 100, sprite_, 0, 0, 64, 64);
    EXPECT_EQ(Px(BackSurface, 179, 100), 0);
    EXPECT_EQ(Px(BackSurface, 180, 100), Src(10, 0));
    EXPECT_EQ(Px(BackSurface, 233, 163), Src(63, 63));
    EXPECT_EQ(Px(BackSurface, 234, 100), 0);
}

TEST_F(BlitTest, RightEdgeCutLosesTheColumnsPastClipRight) {
    fwDraw::BltObject(ClipRight - 64 + 10, 100, sprite_, 0, 0, 64, 64);
    EXPECT_EQ(Px(BackSurface, 566, 100), Src(0, 0));
    EXPECT_EQ(Px(BackSurface, 619, 100), Src(53, 0));
    EXPECT_EQ(Px(BackSurface, 620, 100), 0);
}

TEST_F(BlitTest, SpriteEndingExactlyAtClipRightDrawsWhole) {
    fwDraw::BltObject(ClipRight - 64, 536, sprite_, 0, 0, 64, 64);
    EXPECT_EQ(Px(BackSurface, 556, 536), Src(0, 0));
    EXPECT_EQ(Px(BackSurface, 619, 599), Src(63, 63));
}

TEST_F(BlitTest, SpritesWhollyOutsideDrawNothing) {
    auto before = Snapshot(BackSurface);
    fwDraw::BltObject(ClipRight, 100, sprite_, 0, 0, 64, 64);      // width cut to 0
    fwDraw::BltObject(ClipRight + 80, 100, sprite_, 0, 0, 64, 64); // right below left
    fwDraw::BltObject(ClipLeft - 64, 100, sprite_, 0, 0, 64, 64);
    fwDraw::BltObject(ClipLeft - 200, 100, sprite_, 0, 0, 64, 64);
    fwDraw::BltObject(300, 600, sprite_, 0, 0, 64, 64);
    fwDraw::BltObject(300, -500, sprite_, 0, 0, 64, 64);
    fwDraw::BltObject(INT_MAX, INT_MIN, sprite_, 0, 0, 64, 64);  // parked far away
    fwDraw::BltObject(INT_MIN, INT_MAX, sprite_, 0, 0, 64, 64);
    EXPECT_TRUE(before == Snapshot(BackSurface));
}

TEST_F(BlitTest, TopEdgeAndSubRectangle) {
    fwDraw::SetClipRect(180, 50, 620, 600);
    fwDraw::BltObject(300, 40, sprite_, 8, 4, 24, 20);
    EXPECT_EQ(Px(BackSurface, 300, 49), 0);
    EXPECT_EQ(Px(BackSurface, 300, 50), Src(8, 14));
    EXPECT_EQ(Px(BackSurface, 315, 55), Src(23, 19));
    EXPECT_EQ(Px(BackSurface, 316, 55), 0);
    EXPECT_EQ(Px(BackSurface, 300, 56), 0);
}

TEST_F(BlitTest, BadHandlesAndSourcesOutsideThePictureDrawNothing) {
    auto before = Snapshot(BackSurface);
    fwDraw::BltObject(300, 100, sprite_, 0, 0, 65, 64);   // one column past the picture
    fwDraw::BltObject(300, 100, sprite_, -1, 0, 10, 10);
    fwDraw::BltObject(300, 100, sprite_, 10, 0, 5, 10);   // inverted
    fwDraw::BltObject(300, 100, 77, 0, 0, 8, 8);          // a free record
    fwDraw::BltObject(300, 100, -1, 0, 0, 8, 8);
    fwDraw::BltObject(300, 100, kDrawObjectCount, 0, 0, 8, 8);
    fwDraw::BltObjectOpaque(300, 100, sprite_, 0, 0, 64, 65);
    fwDraw::BltStretched(300, 100, sprite_, 0, 0, 65, 64, 128, 128);
    fwDraw::BltObjectToObject(0, 300, 100, sprite_, 0, 0, 65, 64);
    EXPECT_TRUE(before == Snapshot(BackSurface));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fwDraw::LoadObject("MISSING.BMP", 1), 0);
    ::testing::internal::GetCapturedStderr();
    ASSERT_STREQ(DrawObjects[sprite_ + 1].name, "MISSING.BMP");
    fwDraw::BltObject(300, 100, sprite_ + 1, 0, 0, 8, 8);  // named record without a surface
    fwDraw::BltObject(300, 100, 0, 0, 0, 8, 8);             // handle 0: the blank buffer sprite
    EXPECT_TRUE(before == Snapshot(BackSurface));
}

TEST_F(BlitTest, KeyedAndOpaqueCopies) {
    int h = Sprite(4, 1, [](int x, int) { return x % 2 ? uint16_t{0} : uint16_t{0x1234}; });
    fwDraw::FillRectColor16(0, 0, 800, 600, 0x5555);
    fwDraw::BltObject(200, 10, h, 0, 0, 4, 1);
    EXPECT_EQ(Px(BackSurface, 200, 10), 0x1234);
    EXPECT_EQ(Px(BackSurface, 201, 10), 0x5555);
    fwDraw::BltObjectOpaque(200, 11, h, 0, 0, 4, 1);
    EXPECT_EQ(Px(BackSurface, 200, 11), 0x1234);
    EXPECT_EQ(Px(BackSurface, 201, 11), 0);
}

TEST_F(BlitTest, ObjectToObjectIsClippedByTheClipRectangleToo) {
    fwDraw::BltObjectToObject(kBufferSprite, ClipLeft - 10, 0, sprite_, 0, 0, 64, 64);
    plat::Surface* dst = DrawObjects[kBufferSprite].surface;
    EXPECT_EQ(Px(dst, 179, 0), 0);
    EXPECT_EQ(Px(dst, 180, 0), Src(10, 0));
    fwDraw::BltObjectToObjectOpaque(kBufferSprite, 610, 0, sprite_, 0, 0, 64, 64);
    EXPECT_EQ(Px(dst, 619, 0), Src(9, 0));
    EXPECT_EQ(Px(dst, 620, 0), 0);
    EXPECT_EQ(Px(BackSurface, 180, 0), 0);
}

TEST_F(BlitTest, StretchedDoublesNearestNeighbourAndIgnoresTheClipRectangle) {
    int h = Sprite(2, 2, [](int x, int y) { return static_cast<uint16_t>(x + 2 * y + 1); });
    fwDraw::BltStretched(100, 100, h, 0, 0, 2, 2, 4, 4);  // left of ClipLeft
    EXPECT_EQ(Px(BackSurface, 100, 100), 1);
    EXPECT_EQ(Px(BackSurface, 101, 101), 1);
    EXPECT_EQ(Px(BackSurface, 102, 100), 2);
    EXPECT_EQ(Px(BackSurface, 100, 102), 3);
    EXPECT_EQ(Px(BackSurface, 103, 103), 4);
    EXPECT_EQ(Px(BackSurface, 104, 103), 0);
    // Cut to the screen: the part on the screen is drawn as it would be.
    fwDraw::BltStretched(798, 598, h, 0, 0, 2, 2, 4, 4);
    EXPECT_EQ(Px(BackSurface, 799, 599), 1);
    fwDraw::BltStretched(-2, -2, h, 0, 0, 2, 2, 4, 4);
    EXPECT_EQ(Px(BackSurface, 0, 0), 4);
    // Keyed: 0 stays transparent; the opaque form copies it.
    int k = Sprite(2, 1, [](int x, int) { return x ? uint16_t{9} : uint16_t{0}; });
    fwDraw::FillRectColor16(300, 300, 310, 310, 0x5555);
    fwDraw::BltStretched(300, 300, k, 0, 0, 2, 1, 4, 2);
    EXPECT_EQ(Px(BackSurface, 301, 301), 0x5555);
    EXPECT_EQ(Px(BackSurface, 302, 301), 9);
    fwDraw::BltStretchedOpaque(300, 300, k, 0, 0, 2, 1, 4, 2);
    EXPECT_EQ(Px(BackSurface, 301, 301), 0);
}

TEST_F(BlitTest, StretchedFallbackGoesThroughTheBufferSprite) {
    CanStretch = 0;
    fwDraw::SetClipRect(0, 0, 800, 600);
    int h = Sprite(2, 2, [](int x, int y) { return static_cast<uint16_t>(x + 2 * y + 1); });
    fwDraw::BltStretched(100, 100, h, 0, 0, 2, 2, 4, 4);
    EXPECT_EQ(Px(BackSurface, 103, 103), 4);
    EXPECT_EQ(Px(DrawObjects[kBufferSprite].surface, 3, 3), 4);  // the buffer's corner is overwritten
    EXPECT_EQ(Px(DrawObjects[kBufferSprite].surface, 2, 0), 2);
}

TEST_F(BlitTest, ClipBlitSharedRule) {
    int x = 170, y = -5, l = 0, t = 0, r = 64, b = 64;
    ASSERT_TRUE(fwDraw::ClipBlit(x, y, l, t, r, b));
    EXPECT_EQ(x, 180);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(l, 10);
    EXPECT_EQ(t, 5);
    x = 620, y = 0, l = 0, t = 0, r = 64, b = 64;
    ASSERT_TRUE(fwDraw::ClipBlit(x, y, l, t, r, b));  // width 0 is left to the caller
    EXPECT_EQ(r, l);
    x = 621;
    r = 64;
    EXPECT_FALSE(fwDraw::ClipBlit(x, y, l, t, r, b));
    EXPECT_EQ(fwDraw::BlitSource(sprite_, 0, 0, 64, 64), DrawObjects[sprite_].surface);
    EXPECT_EQ(fwDraw::BlitSource(sprite_, 0, 0, 64, 65), nullptr);
    EXPECT_EQ(fwDraw::BlitSource(sprite_ + 1, 0, 0, 1, 1), nullptr);
}

}  // namespace
