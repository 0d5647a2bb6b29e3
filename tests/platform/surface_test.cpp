#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/gdi.h"
#include "platform/gdi_dc.h"
#include "platform/surface.h"

namespace {

using plat::Rect;
using plat::Surface;

struct Surfaces : ::testing::Test {
    void TearDown() override {
        for (Surface* s : made) plat::ReleaseSurface(s);
        plat::FailSurfaceCreation(0);
    }
    Surface* Make(int w, int h, uint16_t base = 0) {
        Surface* s = plat::CreateSurface(w, h);
        if (!s) return nullptr;
        made.push_back(s);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) At(s, x, y) = base ? static_cast<uint16_t>(base + x + 100 * y) : 0;
        return s;
    }
    static uint16_t& At(Surface* s, int x, int y) { return s->pixels[static_cast<size_t>(y) * s->pitch + x]; }
    std::vector<Surface*> made;
};

TEST_F(Surfaces, RowsHaveTheirOwnPitchAndFormatIsFiveSixFive) {
    Surface* s = Make(33, 2);
    ASSERT_NE(s, nullptr);
    EXPECT_GE(s->pitch, 33);
    plat::LockedPixels p;
    ASSERT_EQ(plat::Lock(s, p), plat::kOk);
    EXPECT_EQ(p.pitch, s->pitch);
    EXPECT_EQ(plat::Unlock(s), plat::kOk);
    EXPECT_NE(plat::Unlock(s), plat::kOk);  // unbalanced
    auto f = plat::SurfacePixelFormat();
    EXPECT_EQ(f.bitsPerPixel, 16u);
    EXPECT_EQ(f.redMask | f.greenMask | f.blueMask, 0xFFFFu);
    EXPECT_EQ(plat::CreateSurface(0, 5), nullptr);
    EXPECT_EQ(plat::CreateSurface(5, -1), nullptr);
}

TEST_F(Surfaces, FastCopyRefusesRectanglesOutsideEitherSurface) {
    Surface* src = Make(8, 8, 1);
    Surface* dst = Make(16, 16);
    EXPECT_EQ(plat::CopyFast(dst, 0, 0, src, Rect{0, 0, 9, 8}, false), plat::kInvalidRect);
    EXPECT_EQ(plat::CopyFast(dst, 0, 0, src, Rect{-1, 0, 4, 4}, false), plat::kInvalidRect);
    EXPECT_EQ(plat::CopyFast(dst, 9, 0, src, Rect{0, 0, 8, 8}, false), plat::kInvalidRect);
    EXPECT_EQ(plat::CopyFast(dst, -1, 0, src, Rect{0, 0, 8, 8}, false), plat::kInvalidRect);
    EXPECT_EQ(plat::CopyFast(dst, 0, 0x7FFFFFF0, src, Rect{0, 0, 8, 8}, false), plat::kInvalidRect);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(At(dst, x, y), 0);
    EXPECT_EQ(plat::CopyFast(dst, 8, 8, src, Rect{0, 0, 8, 8}, false), plat::kOk);
    EXPECT_EQ(At(dst, 15, 15), At(src, 7, 7));
    EXPECT_EQ(plat::CopyFast(dst, 16, 16, src, Rect{2, 2, 2, 2}, false), plat::kOk);  // empty
}

TEST_F(Surfaces, ColourKeyRangeLeavesDestinationPixels) {
    Surface* src = Make(4, 1);
    Surface* dst = Make(4, 1);
    At(src, 0, 0) = 5;
    At(src, 1, 0) = 6;
    At(src, 2, 0) = 7;
    At(src, 3, 0) = 8;
    for (int x = 0; x < 4; ++x) At(dst, x, 0) = 0xAAAA;
    uint16_t lo, hi;
    EXPECT_EQ(plat::GetColorKey(src, lo, hi), plat::kNoColorKey);
    plat::SetColorKey(src, 6, 7);
    EXPECT_EQ(plat::CopyFast(dst, 0, 0, src, Rect{0, 0, 4, 1}, true), plat::kOk);
    EXPECT_EQ(At(dst, 0, 0), 5);
    EXPECT_EQ(At(dst, 1, 0), 0xAAAA);
    EXPECT_EQ(At(dst, 2, 0), 0xAAAA);
    EXPECT_EQ(At(dst, 3, 0), 8);
    EXPECT_EQ(plat::CopyFast(dst, 0, 0, src, Rect{0, 0, 4, 1}, false), plat::kOk);
    EXPECT_EQ(At(dst, 1, 0), 6);
}

TEST_F(Surfaces, CopyOntoItselfMovesOverlappingRowsIntact) {
    Surface* s = Make(8, 8, 1);
    uint16_t before[8][8];
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) before[y][x] = At(s, x, y);
    ASSERT_EQ(plat::CopyFast(s, 1, 2, s, Rect{0, 0, 7, 6}, false), plat::kOk);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 7; ++x) ASSERT_EQ(At(s, x + 1, y + 2), before[y][x]) << x << "," << y;
}

TEST_F(Surfaces, FillAndLockedOrLostSurfacesFail) {
    Surface* s = Make(10, 10);
    Rect r{2, 2, 5, 4};
    EXPECT_EQ(plat::Fill(s, &r, 0x1234), plat::kOk);
    EXPECT_EQ(At(s, 4, 3), 0x1234);
    EXPECT_EQ(At(s, 5, 3), 0);
    Rect out{8, 8, 11, 10};
    EXPECT_EQ(plat::Fill(s, &out, 1), plat::kInvalidRect);
    EXPECT_EQ(At(s, 9, 9), 0);
    plat::LockedPixels p;
    ASSERT_EQ(plat::Lock(s, p), plat::kOk);
    EXPECT_EQ(plat::Fill(s, nullptr, 1), plat::kSurfaceBusy);
    plat::Unlock(s);
    plat::MarkSurfaceLost(s);
    EXPECT_TRUE(plat::IsLost(s));
    EXPECT_EQ(plat::Lock(s, p), plat::kSurfaceLost);
    EXPECT_EQ(plat::Fill(s, nullptr, 1), plat::kSurfaceLost);
    Surface* t = Make(10, 10);
    EXPECT_EQ(plat::CopyFast(t, 0, 0, s, Rect{0, 0, 1, 1}, false), plat::kSurfaceLost);
    plat::Restore(s);
    EXPECT_EQ(plat::Fill(s, nullptr, 1), plat::kOk);
}

TEST_F(Surfaces, StretchedCopyIsNearestNeighbourCutToTheTarget) {
    Surface* src = Make(3, 2, 1);  // values 1 + x + 100 y
    Surface* dst = Make(10, 10);
    ASSERT_EQ(plat::CopyStretched(dst, Rect{0, 0, 6, 4}, src, Rect{0, 0, 3, 2}, false), plat::kOk);
    EXPECT_EQ(At(dst, 1, 1), 1);
    EXPECT_EQ(At(dst, 2, 1), 2);
    EXPECT_EQ(At(dst, 5, 3), 103);
    EXPECT_EQ(At(dst, 6, 3), 0);
    // Shrinking takes every other pixel.
    Surface* small = Make(2, 1);
    Surface* wide = Make(4, 1, 1);
    ASSERT_EQ(plat::CopyStretched(small, Rect{0, 0, 2, 1}, wide, Rect{0, 0, 4, 1}, false), plat::kOk);
    EXPECT_EQ(At(small, 0, 0), 1);
    EXPECT_EQ(At(small, 1, 0), 3);
    // Past the right edge: the visible part is what the whole would show.
    ASSERT_EQ(plat::CopyStretched(dst, Rect{8, 8, 14, 12}, src, Rect{0, 0, 3, 2}, false), plat::kOk);
    EXPECT_EQ(At(dst, 9, 9), 1);
    EXPECT_EQ(plat::CopyStretched(dst, Rect{0, 0, 4, 4}, src, Rect{0, 0, 4, 2}, false), plat::kInvalidRect);
}

// Every stretch, keyed or not, clipped on any side, matches the rule that
// destination column x shows source column left + (x - dest left) * sw / dw.
TEST_F(Surfaces, StretchedCopyMatchesTheNearestRuleForAnyRatioAndClip) {
    Surface* src = Make(13, 7, 1);
    plat::SetColorKey(src, 5, 9);
    struct Case {
        Rect dest, source;
        bool keyed;
    };
    const Case cases[] = {
        {{3, 2, 29, 16}, {0, 0, 13, 7}, false},    // exactly 2x
        {{-5, -3, 20, 9}, {1, 1, 12, 6}, true},    // odd ratio, cut at left and top
        {{10, 10, 17, 14}, {0, 0, 13, 7}, true},   // shrink
        {{30, 20, 45, 45}, {2, 0, 13, 7}, false},  // cut at right and bottom
    };
    for (const Case& c : cases) {
        Surface* dst = Make(40, 30, 7000);
        Surface* want = Make(40, 30, 7000);
        ASSERT_EQ(plat::CopyStretched(dst, c.dest, src, c.source, c.keyed), plat::kOk);
        const int64_t dw = c.dest.right - c.dest.left, dh = c.dest.bottom - c.dest.top;
        const int64_t sw = c.source.right - c.source.left, sh = c.source.bottom - c.source.top;
        for (int y = std::max(0, c.dest.top); y < std::min(30, c.dest.bottom); ++y)
            for (int x = std::max(0, c.dest.left); x < std::min(40, c.dest.right); ++x) {
                const uint16_t p = At(src, static_cast<int>(c.source.left + (x - c.dest.left) * sw / dw),
                                      static_cast<int>(c.source.top + (y - c.dest.top) * sh / dh));
                if (!c.keyed || p < 5 || p > 9) At(want, x, y) = p;
            }
        int wrong = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) wrong += At(dst, x, y) != At(want, x, y);
        EXPECT_EQ(wrong, 0) << c.dest.left << "," << c.dest.top;
    }
}

TEST_F(Surfaces, LostHookScramblesEverySurfaceAndCreationHookFails) {
    Surface* a = Make(2, 2, 1);
    Surface* b = Make(2, 2, 1);
    plat::MarkAllSurfacesLost();
    EXPECT_TRUE(plat::IsLost(a));
    EXPECT_TRUE(plat::IsLost(b));
    plat::Restore(a);
    EXPECT_NE(At(a, 0, 0), 1);  // contents are gone
    plat::FailSurfaceCreation(2);
    EXPECT_NE(Make(1, 1), nullptr);
    EXPECT_EQ(plat::CreateSurface(1, 1), nullptr);
    EXPECT_NE(Make(1, 1), nullptr);
}

}  // namespace

// The present's whole copy is only noted; whatever happens next to either
// surface, every reader of the target sees the picture the source had at
// the copy, and the source keeps what is drawn on it since.
TEST_F(Surfaces, WholeCopyReadersSeeThePictureOfTheCopyWhateverFollows) {
    auto picture = [](int x, int y) { return static_cast<uint16_t>(1 + x + 100 * y); };
    auto matches = [](Surface* s, auto want) {
        plat::LockedPixels p;
        if (plat::Lock(s, p) != plat::kOk) return false;
        bool same = true;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) same = same && p.pixels[y * p.pitch + x] == want(x, y);
        plat::Unlock(s);
        return same;
    };
    const Rect whole{0, 0, 20, 10}, part{2, 3, 6, 5};
    auto inPart = [&](int x, int y) { return x >= part.left && x < part.right && y >= part.top && y < part.bottom; };
    auto withPart = [&](uint16_t v) { return [&, v](int x, int y) { return inPart(x, y) ? v : picture(x, y); }; };
    auto withDot = [&](uint16_t v) { return [&, v](int x, int y) { return x == 0 && y == 0 ? v : picture(x, y); }; };
    struct Case {
        const char* what;
        std::function<void(Surface* back, Surface* shown, Surface* other)> touch;
        std::function<uint16_t(int, int)> back, shown;
    };
    const Case cases[] = {
        {"nothing", [](Surface*, Surface*, Surface*) {}, picture, picture},
        {"the source filled whole", [](Surface* b, Surface*, Surface*) { plat::Fill(b, nullptr, 7); },
         [](int, int) -> uint16_t { return 7; }, picture},
        {"part of the source filled", [&](Surface* b, Surface*, Surface*) { plat::Fill(b, &part, 7); }, withPart(7),
         picture},
        {"the source locked and written",
         [](Surface* b, Surface*, Surface*) {
             plat::LockedPixels p;
             plat::Lock(b, p);
             p.pixels[0] = 9;
             plat::Unlock(b);
         },
         withDot(9), picture},
        {"a pixel set on the source", [](Surface* b, Surface*, Surface*) { plat::SetPixel(b, 0, 0, 0xFFFFFF); },
         withDot(0xFFFF), picture},
        {"drawn on through a context",
         [](Surface* b, Surface*, Surface*) {
             plat::DC* dc = plat::GetDC(b);
             plat::InvertRect(dc, Rect{0, 0, 1, 1});
             plat::ReleaseDC(b, dc);
         },
         withDot(0xFFFE), picture},
        {"copied onto the source",
         [&](Surface* b, Surface*, Surface* o) { plat::CopyFast(b, part.left, part.top, o, Rect{0, 0, 4, 2}, false); },
         withPart(5), picture},
        {"stretched onto the source", [&](Surface* b, Surface*, Surface* o) { plat::CopyStretched(b, part, o, Rect{0, 0, 1, 1}, false); },
         withPart(5), picture},
        {"the source lost and restored",
         [](Surface* b, Surface*, Surface*) {
             plat::MarkSurfaceLost(b);
             plat::Restore(b);
         },
         nullptr, picture},
        {"the source released",
         [&](Surface* b, Surface*, Surface*) {
             made.erase(std::find(made.begin(), made.end(), b));
             plat::ReleaseSurface(b);
         },
         nullptr, picture},
        {"part of the target filled", [&](Surface*, Surface* s, Surface*) { plat::Fill(s, &part, 7); }, picture,
         withPart(7)},
        {"the target filled whole, then the source", [](Surface* b, Surface* s, Surface*) {
             plat::Fill(s, nullptr, 3);
             plat::Fill(b, nullptr, 7);
         }, [](int, int) -> uint16_t { return 7; }, [](int, int) -> uint16_t { return 3; }},
        {"copied again, then the source filled whole",
         [&](Surface* b, Surface* s, Surface*) {
             plat::CopyStretched(s, whole, b, whole, false);
             plat::Fill(b, nullptr, 7);
         },
         [](int, int) -> uint16_t { return 7; }, picture},
    };
    for (const Case& c : cases) {
        Surface* back = Make(20, 10, 1);
        Surface* shown = Make(20, 10, 4000);
        Surface* other = Make(20, 10);
        plat::Fill(other, nullptr, 5);
        ASSERT_EQ(plat::CopyStretched(shown, whole, back, whole, false), plat::kOk);
        const Surface* at = plat::PictureOf(shown);
        EXPECT_EQ(at->pixels[at->pitch + 1], picture(1, 1)) << c.what;
        c.touch(back, shown, other);
        if (c.back) {
            EXPECT_TRUE(matches(back, c.back)) << c.what;
        }
        EXPECT_TRUE(matches(shown, c.shown)) << c.what;
        // A third surface reads the target through a copy as well.
        Surface* reader = Make(20, 10);
        ASSERT_EQ(plat::CopyFast(reader, 0, 0, shown, whole, false), plat::kOk);
        EXPECT_TRUE(matches(reader, c.shown)) << c.what;
    }
}

// Frame after frame the two surfaces trade memory; the target always shows
// the last frame copied to it.
TEST_F(Surfaces, WholeCopiesFrameAfterFrameShowEachFrame) {
    Surface* back = Make(16, 4);
    Surface* shown = Make(16, 4);
    const Rect whole{0, 0, 16, 4}, dot{3, 1, 4, 2};
    for (uint16_t frame = 1; frame <= 5; ++frame) {
        ASSERT_EQ(plat::Fill(back, nullptr, frame), plat::kOk);
        ASSERT_EQ(plat::Fill(back, &dot, static_cast<uint16_t>(100 + frame)), plat::kOk);
        ASSERT_EQ(plat::CopyStretched(shown, whole, back, whole, false), plat::kOk);
        ASSERT_EQ(plat::Fill(back, nullptr, 0), plat::kOk);  // the next frame's clear
        plat::LockedPixels p;
        ASSERT_EQ(plat::Lock(shown, p), plat::kOk);
        EXPECT_EQ(p.pixels[0], frame);
        EXPECT_EQ(p.pixels[p.pitch + 3], 100 + frame);
        plat::Unlock(shown);
    }
}
