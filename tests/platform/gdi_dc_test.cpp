#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <set>
#include <utility>

#include "platform/gdi_dc.h"

namespace {

constexpr uint16_t kBack = 0x1234;  // what every pixel holds before a test draws

struct Dc : ::testing::Test {
    void SetUp() override {
        surface = plat::CreateSurface(100, 80);
        ASSERT_NE(surface, nullptr);
        plat::Fill(surface, nullptr, kBack);
        baseDCs = plat::LiveDCCount();
        basePens = plat::LivePenCount();
        baseBrushes = plat::LiveBrushCount();
        dc = plat::GetDC(surface);
        ASSERT_NE(dc, nullptr);
    }
    void TearDown() override {
        EXPECT_EQ(plat::ReleaseDC(surface, dc), plat::kOk);
        for (plat::Pen* p : pens) EXPECT_TRUE(plat::DeletePen(p));
        for (plat::Brush* b : brushes) EXPECT_TRUE(plat::DeleteBrush(b));
        EXPECT_EQ(plat::LiveDCCount(), baseDCs);
        EXPECT_EQ(plat::LivePenCount(), basePens);
        EXPECT_EQ(plat::LiveBrushCount(), baseBrushes);
        plat::ReleaseSurface(surface);
    }
    uint16_t At(int x, int y) const { return surface->pixels[static_cast<size_t>(y) * surface->pitch + x]; }
    void Pen(int width, plat::ColorRef c, int style = plat::kPenSolid) {
        plat::Pen* p = plat::CreatePen(style, width, c);
        ASSERT_NE(p, nullptr);
        plat::SelectPen(dc, p);
        pens.push_back(p);
    }
    void Brush(plat::Brush* b) {
        ASSERT_NE(b, nullptr);
        plat::SelectBrush(dc, b);
        brushes.push_back(b);
    }
    void Line(int x0, int y0, int x1, int y1) {
        plat::MoveTo(dc, x0, y0);
        plat::LineTo(dc, x1, y1);
    }
    // Every pixel of the surface that no longer holds the background.
    std::set<std::pair<int, int>> Drawn() const {
        std::set<std::pair<int, int>> out;
        for (int y = 0; y < surface->height; ++y)
            for (int x = 0; x < surface->width; ++x)
                if (At(x, y) != kBack) out.insert({x, y});
        return out;
    }
    // Selects the pens and brushes back before the context is released.
    void Unselect() {
        plat::SelectPen(dc, plat::BlackPen());
        plat::SelectBrush(dc, plat::WhiteBrush());
    }

    plat::Surface* surface = nullptr;
    plat::DC* dc = nullptr;
    std::vector<plat::Pen*> pens;
    std::vector<plat::Brush*> brushes;
    int baseDCs = 0, basePens = 0, baseBrushes = 0;
};

constexpr plat::ColorRef kRed = plat::Rgb(255, 0, 0);
constexpr uint16_t kRedPx = 0xF800;
constexpr uint16_t kGreenPx = 0x07E0;
constexpr uint16_t kBluePx = 0x001F;

TEST_F(Dc, ThinLinesLeaveTheirEndPixel) {
    Pen(1, kRed);
    Line(10, 10, 20, 10);  // horizontal, rightwards: 10..19
    for (int x = 10; x < 20; ++x) EXPECT_EQ(At(x, 10), kRedPx) << x;
    EXPECT_EQ(At(20, 10), kBack);
    EXPECT_EQ(At(9, 10), kBack);
    EXPECT_EQ(dc->position.x, 20);

    Line(40, 30, 30, 30);  // leftwards: 40 down to 31
    for (int x = 31; x <= 40; ++x) EXPECT_EQ(At(x, 30), kRedPx) << x;
    EXPECT_EQ(At(30, 30), kBack);

    Line(5, 3, 5, 8);  // vertical: rows 3..7
    for (int y = 3; y < 8; ++y) EXPECT_EQ(At(5, y), kRedPx) << y;
    EXPECT_EQ(At(5, 8), kBack);
    EXPECT_EQ(At(5, 2), kBack);

    std::set<std::pair<int, int>> expected;
    for (int x = 10; x < 20; ++x) expected.insert({x, 10});
    for (int x = 31; x <= 40; ++x) expected.insert({x, 30});
    for (int y = 3; y < 8; ++y) expected.insert({5, y});
    EXPECT_EQ(Drawn(), expected);  // and nothing else
    Unselect();
}

TEST_F(Dc, ThinDiagonalsStepOnePixelPerColumn) {
    Pen(1, kRed);
    Line(50, 20, 56, 26);  // 45 degrees down-right: (50,20) .. (55,25)
    Line(80, 10, 74, 16);  // 45 degrees down-left
    Line(0, 40, 10, 43);   // shallow: one pixel per column, rows rounded
    std::set<std::pair<int, int>> expected;
    for (int i = 0; i < 6; ++i) expected.insert({50 + i, 20 + i});
    for (int i = 0; i < 6; ++i) expected.insert({80 - i, 10 + i});
    // y = 40 + 0.3 x rounded, halves away from the start: 0 0 1 1 1 2 2 2 2 3
    const int rise[10] = {0, 0, 1, 1, 1, 2, 2, 2, 2, 3};
    for (int x = 0; x < 10; ++x) expected.insert({x, 40 + rise[x]});
    EXPECT_EQ(Drawn(), expected);
    Unselect();
}

TEST_F(Dc, NinePixelPenCoversNineRowsWithRoundEnds) {
    Pen(9, plat::Rgb(0, 255, 0));
    Line(30, 40, 60, 40);
    auto covered = Drawn();
    for (int x = 30; x <= 60; ++x) {
        for (int y = 36; y <= 44; ++y) EXPECT_TRUE(covered.count({x, y})) << x << "," << y;
        EXPECT_FALSE(covered.count({x, 35})) << x;
        EXPECT_FALSE(covered.count({x, 45})) << x;
    }
    EXPECT_EQ(At(45, 40), kGreenPx);
    // Round ends: 4 pixels past each end only on the centre row, the corners
    // of the band's square ends stay empty.
    EXPECT_TRUE(covered.count({26, 40}));
    EXPECT_TRUE(covered.count({64, 40}));
    EXPECT_FALSE(covered.count({25, 40}));
    EXPECT_FALSE(covered.count({65, 40}));
    EXPECT_FALSE(covered.count({26, 36}));
    EXPECT_FALSE(covered.count({64, 44}));
    // A disc of radius 4.5 at each end plus the 31 x 9 band between.
    int disc = 0;
    for (int dy = -5; dy <= 5; ++dy)
        for (int dx = -5; dx <= 5; ++dx)
            if (dx * dx + dy * dy <= 20) ++disc;  // 20 < 4.5^2 = 20.25 < 21
    int halfDiscs = disc - 9;                   // two half discs beside the band, less the shared column
    EXPECT_EQ(static_cast<int>(covered.size()), 31 * 9 + halfDiscs);
    Unselect();
}

TEST_F(Dc, WidePensOnVerticalAndDiagonalLinesAndEvenWidths) {
    Pen(9, kRed);
    Line(20, 10, 20, 50);
    for (int y = 10; y <= 50; ++y) {
        for (int x = 16; x <= 24; ++x) ASSERT_EQ(At(x, y), kRedPx) << x << "," << y;
        EXPECT_EQ(At(15, y), kBack);
        EXPECT_EQ(At(25, y), kBack);
    }
    Unselect();
    plat::Fill(surface, nullptr, kBack);
    Pen(2, kRed);
    Line(10, 60, 30, 60);  // an even width covers the row and the one above
    for (int x = 10; x <= 29; ++x) {
        EXPECT_EQ(At(x, 59), kRedPx) << x;
        EXPECT_EQ(At(x, 60), kRedPx) << x;
        EXPECT_EQ(At(x, 58), kBack) << x;
        EXPECT_EQ(At(x, 61), kBack) << x;
    }
    Unselect();
    plat::Fill(surface, nullptr, kBack);
    Pen(5, kRed);
    Line(60, 10, 80, 30);  // 45 degrees: a pixel is covered when within 2.5 of the line
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) {
            // distance from the line x - y = 50 inside the segment's span
            double d = std::abs((x - 60) - (y - 10)) / std::sqrt(2.0);
            bool inSpan = (x - 60) + (y - 10) >= 0 && (x - 60) + (y - 10) <= 40;
            if (inSpan && d <= 2.4) {
                EXPECT_EQ(At(x, y), kRedPx) << x << "," << y;
            }
            if (d > 2.6) {
                EXPECT_EQ(At(x, y), kBack) << x << "," << y;
            }
        }
    Unselect();
}

TEST_F(Dc, FilledPolygonCoversPixelCentresAndOutlineClosesIt) {
    plat::SelectPen(dc, plat::NullPen());
    Brush(plat::CreateSolidBrush(kRed));
    const plat::Point square[4] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
    ASSERT_TRUE(plat::Polygon(dc, square, 4));
    std::set<std::pair<int, int>> expected;
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 30; ++x) expected.insert({x, y});
    EXPECT_EQ(Drawn(), expected);  // without a pen the right column and bottom row stay out

    plat::Fill(surface, nullptr, kBack);
    const plat::Point triangle[3] = {{40, 0}, {60, 0}, {40, 20}};
    plat::Polygon(dc, triangle, 3);
    expected.clear();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (x + y < 19) expected.insert({40 + x, y});  // centre (x + .5, y + .5) below the hypotenuse
    EXPECT_EQ(Drawn(), expected);

    plat::Fill(surface, nullptr, kBack);
    Pen(1, plat::Rgb(0, 0, 255));
    plat::Polygon(dc, square, 4);
    for (int i = 10; i <= 30; ++i) {
        EXPECT_EQ(At(i, 10), kBluePx) << i;
        EXPECT_EQ(At(i, 30), kBluePx) << i;
        EXPECT_EQ(At(10, i), kBluePx) << i;
        EXPECT_EQ(At(30, i), kBluePx) << i;
    }
    EXPECT_EQ(At(20, 20), kRedPx);
    EXPECT_EQ(Drawn().size(), 21u * 21u);
    Unselect();
}

TEST_F(Dc, EvenOddRuleLeavesTheCentreOfAPentagramOpen) {
    plat::SelectPen(dc, plat::NullPen());
    Brush(plat::CreateSolidBrush(kRed));
    const plat::Point star[5] = {{50, 0}, {79, 79}, {2, 30}, {98, 30}, {21, 79}};
    plat::Polygon(dc, star, 5);
    EXPECT_EQ(At(50, 45), kBack);   // the inner pentagon is crossed twice
    EXPECT_EQ(At(50, 20), kRedPx);  // the top point
    Unselect();
}

TEST_F(Dc, HatchedPolygonOpaqueAndTransparent) {
    // Diagonal cross: pattern pixels where x - y is a multiple of 8 or
    // x + y is one less than a multiple of 8, from the surface's corner.
    auto onHatch = [](int x, int y) { return (x - y) % 8 == 0 || (x + y) % 8 == 7; };
    plat::SelectPen(dc, plat::NullPen());
    Brush(plat::CreateHatchBrush(plat::kHatchDiagCross, kRed));
    plat::SetBkColor(dc, plat::Rgb(0, 0, 255));
    const plat::Point square[4] = {{8, 8}, {40, 8}, {40, 40}, {8, 40}};
    plat::Polygon(dc, square, 4);
    int lines = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) {
            bool inside = x >= 8 && x < 40 && y >= 8 && y < 40;
            uint16_t want = !inside ? kBack : onHatch(x, y) ? kRedPx : kBluePx;
            ASSERT_EQ(At(x, y), want) << x << "," << y;
            lines += inside && onHatch(x, y);
        }
    EXPECT_EQ(lines, 32 * 32 / 4);  // two pixels of every row of eight

    plat::Fill(surface, nullptr, kBack);
    plat::SetBkMode(dc, plat::kBkTransparent);
    plat::Polygon(dc, square, 4);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) {
            bool inside = x >= 8 && x < 40 && y >= 8 && y < 40;
            ASSERT_EQ(At(x, y), inside && onHatch(x, y) ? kRedPx : kBack) << x << "," << y;
        }
    Unselect();
}

TEST_F(Dc, RectangleExcludesRightAndBottomEdges) {
    Pen(1, plat::Rgb(0, 0, 255));
    Brush(plat::CreateSolidBrush(kRed));
    ASSERT_TRUE(plat::Rectangle(dc, 10, 10, 20, 15));
    std::set<std::pair<int, int>> all;
    for (int y = 10; y < 15; ++y)
        for (int x = 10; x < 20; ++x) {
            all.insert({x, y});
            bool edge = x == 10 || x == 19 || y == 10 || y == 14;
            EXPECT_EQ(At(x, y), edge ? kBluePx : kRedPx) << x << "," << y;
        }
    EXPECT_EQ(Drawn(), all);

    plat::Fill(surface, nullptr, kBack);
    plat::SelectPen(dc, plat::NullPen());
    plat::Rectangle(dc, 20, 15, 10, 10);  // corners swapped; no pen: one pixel less each way
    all.clear();
    for (int y = 10; y < 14; ++y)
        for (int x = 10; x < 19; ++x) all.insert({x, y});
    EXPECT_EQ(Drawn(), all);
    Unselect();
}

TEST_F(Dc, BezierPassesThroughItsEndsAndItsMidpoint) {
    Pen(1, kRed);
    const plat::Point curve[4] = {{10, 10}, {10, 70}, {70, 70}, {70, 10}};
    ASSERT_TRUE(plat::PolyBezier(dc, curve, 4));
    EXPECT_EQ(At(10, 10), kRedPx);
    EXPECT_EQ(At(70, 10), kBack);  // the last end point, as LineTo leaves it
    EXPECT_EQ(At(70, 11), kRedPx);
    // B(1/2) = (40, 55)
    EXPECT_TRUE(At(40, 55) == kRedPx || At(40, 54) == kRedPx || At(40, 56) == kRedPx);
    // Symmetric curve: at most a pixel or two per column near the bottom, and
    // nothing above the end points' row or below the curve's lowest point.
    for (auto [x, y] : Drawn()) {
        EXPECT_GE(y, 10);
        EXPECT_LE(y, 56);
        EXPECT_GE(x, 10);
        EXPECT_LE(x, 70);
    }
    // Invalid point counts draw nothing.
    plat::Fill(surface, nullptr, kBack);
    EXPECT_FALSE(plat::PolyBezier(dc, curve, 3));
    EXPECT_FALSE(plat::PolyBezier(dc, curve, 2));
    EXPECT_FALSE(plat::PolyBezier(dc, nullptr, 4));
    EXPECT_TRUE(Drawn().empty());
    Unselect();
}

TEST_F(Dc, OutputIsCutToTheSurfaceWhateverTheCoordinates) {
    Pen(1, kRed);
    Line(INT_MIN / 2, 5, INT_MAX / 2, 5);  // the whole of row 5, nothing else
    std::set<std::pair<int, int>> expected;
    for (int x = 0; x < 100; ++x) expected.insert({x, 5});
    EXPECT_EQ(Drawn(), expected);
    Unselect();

    Pen(9, kRed);
    Line(-50, -50, -10, -10);  // wholly outside
    Line(95, 75, 200, 300);    // partly outside
    EXPECT_EQ(At(99, 79), kRedPx);
    Brush(plat::CreateSolidBrush(kRed));
    const plat::Point big[3] = {{-1000000, -1000000}, {1000000, 0}, {0, 1000000}};
    plat::Polygon(dc, big, 3);
    EXPECT_EQ(At(0, 0), kRedPx);
    plat::Rectangle(dc, -10, -10, 1000, 1000);
    EXPECT_EQ(At(99, 79), kRedPx);
    plat::Rect r{-5, -5, 500, 500};
    plat::InvertRect(dc, r);
    EXPECT_EQ(At(50, 50), static_cast<uint16_t>(~kRedPx));
    Unselect();
}

TEST_F(Dc, PixelsAndInvert) {
    EXPECT_EQ(plat::SetPixel(dc, 3, 4, plat::Rgb(255, 128, 8)), plat::Rgb(248, 128, 8));
    EXPECT_EQ(At(3, 4), ((255 >> 3) << 11) | ((128 >> 2) << 5) | (8 >> 3));
    EXPECT_EQ(plat::GetPixel(dc, 3, 4), plat::Rgb(248, 128, 8));
    EXPECT_EQ(plat::GetPixel(dc, 100, 0), plat::kInvalidColor);
    EXPECT_EQ(plat::SetPixel(dc, -1, 0, kRed), plat::kInvalidColor);

    plat::InvertRect(dc, {2, 2, 5, 6});
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) {
            bool in = x >= 2 && x < 5 && y >= 2 && y < 6;
            uint16_t before = (x == 3 && y == 4) ? 0xFC01 : kBack;
            ASSERT_EQ(At(x, y), in ? static_cast<uint16_t>(~before) : before) << x << "," << y;
        }
    plat::InvertRect(dc, {2, 2, 5, 6});
    EXPECT_EQ(At(3, 4), 0xFC01);
}

TEST_F(Dc, PoolsAndContextRules) {
    plat::Pen* p = plat::CreatePen(plat::kPenSolid, 3, kRed);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(plat::SelectPen(dc, p), plat::BlackPen());
    EXPECT_FALSE(plat::DeletePen(p));  // still selected
    EXPECT_EQ(plat::SelectPen(dc, plat::BlackPen()), p);
    EXPECT_TRUE(plat::DeletePen(p));
    EXPECT_TRUE(plat::DeletePen(plat::NullPen()));  // stock: never freed
    EXPECT_EQ(plat::CreatePen(42, 1, 0), nullptr);
    EXPECT_EQ(plat::CreateHatchBrush(9, 0), nullptr);
    EXPECT_EQ(plat::SelectPen(dc, nullptr), nullptr);
    EXPECT_EQ(dc->pen, plat::BlackPen());

    // A null pen draws nothing but still moves the position.
    plat::SelectPen(dc, plat::NullPen());
    Line(0, 0, 50, 50);
    EXPECT_TRUE(Drawn().empty());
    EXPECT_EQ(dc->position.x, 50);
    plat::SelectPen(dc, plat::BlackPen());

    // Contexts: none on a missing or lost surface, and one belongs to its own surface.
    EXPECT_EQ(plat::GetDC(nullptr), nullptr);
    plat::Surface* other = plat::CreateSurface(4, 4);
    plat::MarkSurfaceLost(other);
    EXPECT_EQ(plat::GetDC(other), nullptr);
    plat::Restore(other);
    plat::DC* second = plat::GetDC(other);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(plat::ReleaseDC(surface, second), plat::kInvalidParams);
    EXPECT_EQ(plat::ReleaseDC(other, second), plat::kOk);
    EXPECT_EQ(plat::ReleaseDC(other, second), plat::kInvalidParams);  // already given back
    EXPECT_FALSE(plat::LineTo(second, 1, 1));
    plat::ReleaseSurface(other);
    // A context does not lock its surface: copies into it still work.
    plat::Surface* src = plat::CreateSurface(2, 2);
    EXPECT_EQ(plat::CopyFast(surface, 0, 0, src, {0, 0, 2, 2}, false), plat::kOk);
    plat::ReleaseSurface(src);
}

}  // namespace
