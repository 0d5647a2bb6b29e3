#include <gtest/gtest.h>

#include <array>

#include "framework/draw/draw.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "tests/framework/draw/draw_fixture.h"

namespace {

using Rect4 = std::array<int32_t, 4>;

class ViewportTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ViewportEffectState = 0;
        fwDraw::SetClipRect(180, 0, 620, 600);
        FrameSeconds = 0.016f;  // 100 pixels per second: 1 + 1 = 2 pixels a frame
    }
    void TearDown() override {
        ViewportEffectState = 0;
        ScreenTest::TearDown();
    }
    static Rect4 Clip() { return {ClipLeft, ClipTop, ClipRight, ClipBottom}; }
    // Runs updates until the effect ends; the number of updates that moved.
    static int RunOut() {
        int n = 0;
        while (fwDraw::UpdateViewportEffect()) {
            if (++n > 10000) break;
        }
        return n;
    }
};

TEST_F(ViewportTest, OpeningShapesAfterThreeFrames) {
    // Saved (180, 0)-(620, 600): centre column 400, centre row 300; strip 40.
    const Rect4 expected[10] = {
        {},
        {180, 594, 620, 600},  // 1: top rises from the bottom
        {180, 0, 620, 6},      // 2: bottom falls from the top
        {614, 0, 620, 600},    // 3: left moves left from the right
        {180, 0, 186, 600},    // 4: right moves right from the left
        {180, 294, 620, 306},  // 5: top and bottom apart from row 300
        {394, 0, 406, 600},    // 6: left and right apart from column 400
        {394, 294, 406, 306},  // 7: all four from the centre point
        {380, 294, 420, 306},  // 8: a strip 40 wide, top and bottom first
        {394, 280, 406, 320},  // 9: a strip 40 high, left and right first
    };
    for (int shape = 1; shape <= 9; ++shape) {
        fwDraw::SetClipRect(180, 0, 620, 600);
        ASSERT_EQ(fwDraw::StartViewportEffect(0, shape, 100.0f, 40), 1) << shape;
        EXPECT_EQ(ViewportEffectState, 1);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(fwDraw::UpdateViewportEffect(), 1);
        EXPECT_EQ(Clip(), expected[shape]) << "shape " << shape;
        RunOut();
        EXPECT_EQ(Clip(), (Rect4{180, 0, 620, 600})) << "shape " << shape;
        EXPECT_EQ(ViewportEffectState, 0);
        EXPECT_EQ(ViewportOpened, 1);
        EXPECT_EQ(ViewportClosed, 0);
    }
}

TEST_F(ViewportTest, ClosingShapesAfterThreeFramesAndAtTheEnd) {
    const Rect4 expected[10] = {
        {},
        {180, 6, 620, 600}, {180, 0, 620, 594}, {186, 0, 620, 600}, {180, 0, 614, 600},
        {180, 6, 620, 594}, {186, 0, 614, 600}, {186, 6, 614, 594},
        {186, 0, 614, 600},  // 8: left and right close on the strip first
        {180, 6, 620, 594},  // 9: top and bottom close on the strip first
    };
    for (int shape = 1; shape <= 9; ++shape) {
        ViewportEffectState = 0;
        fwDraw::SetClipRect(180, 0, 620, 600);
        ASSERT_EQ(fwDraw::StartViewportEffect(1, shape, 100.0f, 40), 1);
        EXPECT_EQ(Clip(), (Rect4{180, 0, 620, 600}));  // closing starts from where it is
        for (int i = 0; i < 3; ++i) fwDraw::UpdateViewportEffect();
        EXPECT_EQ(Clip(), expected[shape]) << "shape " << shape;
        RunOut();
        EXPECT_EQ(ViewportEffectState, -1);
        EXPECT_EQ(ViewportClosed, 1);
        EXPECT_TRUE(ClipRight <= ClipLeft || ClipBottom <= ClipTop) << "shape " << shape;
    }
}

TEST_F(ViewportTest, FrameCountsOfWholeEffects) {
    // Shape 1 opens 600 rows at 2 a frame: 300 updates.
    fwDraw::StartViewportEffect(0, 1, 100.0f, 0);
    EXPECT_EQ(RunOut(), 300);
    // Shape 8 opens the strip's height (150 updates), then its width (100).
    fwDraw::StartViewportEffect(0, 8, 100.0f, 40);
    for (int i = 0; i < 150; ++i) fwDraw::UpdateViewportEffect();
    EXPECT_EQ(Clip(), (Rect4{380, 0, 420, 600}));
    fwDraw::UpdateViewportEffect();
    EXPECT_EQ(Clip(), (Rect4{378, 0, 422, 600}));
    EXPECT_EQ(RunOut(), 99);
    // Shape 7 closes on the centre point once the taller pair meets there.
    fwDraw::StartViewportEffect(1, 7, 100.0f, 0);
    EXPECT_EQ(RunOut(), 150);
    EXPECT_EQ(Clip(), (Rect4{400, 300, 400, 300}));
    // Shape 8 closes on the strip (100 updates), then top and bottom (150).
    fwDraw::StartViewportEffect(1, 8, 100.0f, 40);  // restores the saved rectangle first
    EXPECT_EQ(Clip(), (Rect4{180, 0, 620, 600}));
    for (int i = 0; i < 100; ++i) fwDraw::UpdateViewportEffect();
    EXPECT_EQ(Clip(), (Rect4{380, 0, 420, 600}));
    EXPECT_EQ(RunOut(), 150);
    EXPECT_EQ(Clip(), (Rect4{380, 300, 420, 300}));
}

TEST_F(ViewportTest, OddWidthOpensExactlyAndZeroFrameTimeStillMoves) {
    fwDraw::SetClipRect(180, 0, 621, 601);
    FrameSeconds = 0.0f;
    fwDraw::StartViewportEffect(0, 7, 100.0f, 0);
    EXPECT_EQ(Clip(), (Rect4{400, 300, 400, 300}));
    fwDraw::UpdateViewportEffect();
    EXPECT_EQ(Clip(), (Rect4{399, 299, 401, 301}));  // one pixel per edge
    FrameSeconds = 0.05f;                            // 5 + 1 = 6 a frame
    RunOut();
    EXPECT_EQ(Clip(), (Rect4{180, 0, 621, 601}));
}

TEST_F(ViewportTest, AbsurdSpeedOpensAndClosesAtOnce) {
    fwDraw::StartViewportEffect(0, 7, 1e30f, 0);
    EXPECT_EQ(RunOut(), 1);
    EXPECT_EQ(Clip(), (Rect4{180, 0, 620, 600}));
    fwDraw::StartViewportEffect(1, 5, 1e30f, 0);
    EXPECT_EQ(RunOut(), 1);
    EXPECT_EQ(ViewportEffectState, -1);
}

TEST_F(ViewportTest, ShapeSevenClosesEachPairWhenItsEdgesMeet) {
    // 5 x 5: centre (2, 2). One pixel a frame: after two frames the edges
    // stand at 2 and 3, not yet met; the third frame crosses them.
    fwDraw::SetClipRect(0, 0, 5, 5);
    FrameSeconds = 0.0f;
    ASSERT_EQ(fwDraw::StartViewportEffect(1, 7, 100.0f, 0), 1);
    fwDraw::UpdateViewportEffect();
    fwDraw::UpdateViewportEffect();
    EXPECT_EQ(Clip(), (Rect4{2, 2, 3, 3}));
    EXPECT_EQ(ViewportEffectState, 2);
    fwDraw::UpdateViewportEffect();
    EXPECT_EQ(Clip(), (Rect4{2, 2, 2, 2}));
    EXPECT_EQ(ViewportEffectState, -1);
    EXPECT_EQ(ViewportClosed, 1);
}

TEST_F(ViewportTest, SecondStartIsRefusedAndUnknownShapesToo) {
    ASSERT_EQ(fwDraw::StartViewportEffect(0, 3, 100.0f, 0), 1);
    fwDraw::UpdateViewportEffect();
    Rect4 before = Clip();
    EXPECT_EQ(fwDraw::StartViewportEffect(1, 5, 50.0f, 10), 0);
    EXPECT_EQ(Clip(), before);
    EXPECT_EQ(ViewportEffectDir, 3);
    EXPECT_EQ(ViewportEffectMode, 0);
    EXPECT_EQ(ViewportEffectSpeed, 100.0f);
    RunOut();
    EXPECT_EQ(fwDraw::StartViewportEffect(0, 10, 100.0f, 0), 0);  // would never end
    EXPECT_EQ(fwDraw::StartViewportEffect(0, -1, 100.0f, 0), 0);
    EXPECT_EQ(ViewportEffectState, 0);
    EXPECT_EQ(fwDraw::UpdateViewportEffect(), 0);
    // Shape 0 picks one of the nine.
    rng::srand(7);
    ASSERT_EQ(fwDraw::StartViewportEffect(0, 0, 100.0f, 0), 1);
    EXPECT_GE(ViewportEffectDir, 1);
    EXPECT_LE(ViewportEffectDir, 9);
}

TEST_F(ViewportTest, ClosedViewportDrawsNothingUntilTheNextOpening) {
    int sprite = Sprite(8, 8, [](int, int) { return 0xFFFF; });
    fwDraw::ResetViewportEffect();
    EXPECT_EQ(ViewportEffectState, -1);
    EXPECT_EQ(Clip(), (Rect4{180, 0, 180, 0}));
    EXPECT_EQ(SavedClipRight, 620);
    fwDraw::BltObject(300, 300, sprite, 0, 0, 8, 8);
    EXPECT_EQ(Px(BackSurface, 300, 300), 0);
    EXPECT_EQ(fwDraw::UpdateViewportEffect(), 0);  // closed is not running
    ASSERT_EQ(fwDraw::StartViewportEffect(0, 1, 100.0f, 0), 1);
    EXPECT_EQ(Clip(), (Rect4{180, 600, 620, 600}));  // the saved rectangle, collapsed to its start
    RunOut();
    fwDraw::BltObject(300, 300, sprite, 0, 0, 8, 8);
    EXPECT_EQ(Px(BackSurface, 300, 300), 0xFFFF);
}

}  // namespace
