#include "game/state/background.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "framework/draw/coord.h"
#include "framework/system/system.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"
#include "game/shell/resets.h"
#include "game/state/player_state.h"
#include "game/state/stage_state.h"
#include "tests/framework/draw/draw_fixture.h"
#include "tests/support/kept.h"

namespace {

TEST(SteppedTables, ClosedWindowsAddAtSharedBounds) {
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground3", 0), 140);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground3", 499.9f), 140);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground3", 500), 140 + 150);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground3", 500.5f), 150);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground3", 650), 550 + 650);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground3", 1150), 300 + 150);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground3", 99999), 150);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground3", -1), 0);
    // Table E has a gap between 700 and 750 where the layer stands.
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackgroundUnusedB", 725), 0);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackgroundUnusedB", 700), 640);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackgroundUnusedB", 750), 360);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackgroundUnusedB", 1100), 400 + 260);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground8", 1000), 250 + 200);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground6", 600), 140 + 200);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackgroundAlt4", 400), 140 + 200);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackgroundUnusedA", 620), 450 + 2550);
    // Constant layers ignore the clock.
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground1", -5), 130);
    EXPECT_FLOAT_EQ(LayerSpeedAt("ScrollBackground2", 5000), 100);
}

TEST(NewGame, PlacesLayersPlayerAndCounters) {
    GameLevel = 3;
    AutoFire = 1;
    ResetNewGame();
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[0].x, 180);
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[0].y, 120);
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[1].y, -360);
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[4999].y, 120 - 4999 * 480.0f);
    EXPECT_FLOAT_EQ(ScrollBackground8Tiles[0].x, -500);
    EXPECT_FLOAT_EQ(ScrollBackground6Tiles[7].x, 80);
    EXPECT_FLOAT_EQ(ScrollBackgroundUnusedATiles[7].x, 80);
    EXPECT_EQ(GameLevel, 0);
    EXPECT_EQ(AutoFire, 0);
    EXPECT_FLOAT_EQ(PlayerX, 370);
    EXPECT_FLOAT_EQ(PlayerY, 520);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(BombCharges, 5);
    EXPECT_EQ(Lives, 999);
}

TEST(Layers, FirstFramesMoveByTheirSpeed) {
    ResetNewGame();
    FrameSeconds = 0.016f;
    StageClock = 500;  // both rows of the shared bound apply
    ScrollBackground3();
    EXPECT_FLOAT_EQ(ScrollBackground3Tiles[0].y, 120 + 140 * 0.016f + 150 * 0.016f);
    ScrollBackground1();
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[0].y, 120 + 130 * 0.016f);
    // The eighth layer starts parked left and is brought to x 180 by its first frame.
    ScrollBackground8();
    EXPECT_FLOAT_EQ(ScrollBackground8Tiles[0].x, 180);
}

TEST(Layers, SidewaysDriftIsOneFrameAndClamped) {
    ResetNewGame();
    FrameSeconds = 0.02f;
    StageClock = 10;
    SetBackgroundDrift(1.0f);
    ScrollBackgroundAlt4();
    EXPECT_FLOAT_EQ(ScrollBackgroundAlt4Tiles[0].x, 80 + 50 * 0.02f);
    EXPECT_FLOAT_EQ(ScrollBackgroundAlt4Tiles[0].sideSpeed, 0);
    ScrollBackgroundAlt4();  // speed was cleared: back at the kept x
    EXPECT_FLOAT_EQ(ScrollBackgroundAlt4Tiles[0].x, 80);
    // The sixth layer keeps its x whatever the drift.
    SetBackgroundDrift(-1.0f);
    ScrollBackground6();
    EXPECT_FLOAT_EQ(ScrollBackground6Tiles[0].x, 80);
    // The first unused layer keeps no x, so the drift builds up to the clamp.
    for (int i = 0; i < 400; ++i) {
        SetBackgroundDrift(1.0f);
        FrameSeconds = 0.1f;
        ScrollBackgroundUnusedA();
    }
    EXPECT_FLOAT_EQ(ScrollBackgroundUnusedATiles[0].x, 100);
}

TEST(Layers, RestackWhenTheLastTileComesDown) {
    ResetNewGame();
    for (auto& t : ScrollBackground1Tiles) t.y = 0;
    ScrollBackground1Tiles[4999].y = 5;
    FrameSeconds = 0;
    ScrollBackground1();
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[0].y, 0);
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[0].x, 100);
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[3].y, -1440);
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[4999].y, -4999 * 480.0f);
}

TEST(Layers, TheLastTileRestacksAloneWhenItsOwnMovePassesZero) {
    ResetNewGame();
    for (int i = 0; i < kTilesPerLayer; ++i) ScrollBackground1Tiles[i].y = 10.0f - static_cast<float>(i);
    ScrollBackground1Tiles[4999].y = -1;
    FrameSeconds = 0.1f;  // 13 pixels down: the last tile ends at 12
    ScrollBackground1();
    // Tiles 0..4998 saw -1 and only moved; the last one saw its own new y.
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[0].y, 10 + 13);
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[0].x, 180);
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[4998].y, 10 - 4998 + 13);
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[4999].y, -4999 * 480.0f);
    EXPECT_FLOAT_EQ(ScrollBackground1Tiles[4999].x, 100);
}

// Each layer draws only the tiles that can touch the playfield; the picture
// must be the one a walk over all 5000 tiles, each drawn at the place it held
// before the frame, gives.
class LayerPictures : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        kept_.Keep(ImgBback1S, ImgBback2S, ImgBback3S, ImgBback8S, ImgBback6S, ImgBackAlt4, ImgBackUnusedA,
                   ImgBackUnusedB, ImgSideStripA, ImgSideStripB, FrameSeconds, StageClock);
        fwDraw::SetClipRect(180, 0, 620, 480);
        // Keyed (0) holes, so that overlapping tiles show through each other.
        const int picture = Sprite(640, 480, [](int x, int y) {
            return static_cast<uint16_t>((x * 7 + y * 13) % 5 == 0 ? 0 : 1 + x + 640 * (y % 97));
        });
        for (int32_t* handle : {&ImgBback1S, &ImgBback2S, &ImgBback3S, &ImgBback8S, &ImgBback6S, &ImgBackAlt4,
                                &ImgBackUnusedA, &ImgBackUnusedB, &ImgSideStripA, &ImgSideStripB})
            *handle = picture;
    }
    static std::vector<uint16_t> Picture() {
        std::vector<uint16_t> v;
        for (int y = 0; y < BackSurface->height; ++y)
            v.insert(v.end(), BackSurface->pixels + static_cast<size_t>(y) * BackSurface->pitch,
                     BackSurface->pixels + static_cast<size_t>(y) * BackSurface->pitch + BackSurface->width);
        return v;
    }
    // One frame of the layer against the full walk; false on the first
    // differing picture.
    static bool FrameMatchesFullWalk(void (*layer)(), BackgroundTile* tiles, int32_t image, int width) {
        const std::vector<BackgroundTile> before(tiles, tiles + kTilesPerLayer);
        fwDraw::ClearBackBuffer();
        layer();
        const std::vector<uint16_t> drawn = Picture();
        fwDraw::ClearBackBuffer();
        for (const BackgroundTile& t : before)
            fwDraw::BltObject(fwDraw::ToBlitCoord(t.x), fwDraw::ToBlitCoord(t.y), image, 0, 0, width, 480);
        return drawn == Picture();
    }
    testsupport::Kept kept_;
};

TEST_F(LayerPictures, EveryLayerDrawsWhatTheFullWalkDraws) {
    struct Layer {
        void (*run)();
        BackgroundTile* tiles;
        const int32_t* image;
        int width;
    };
    const Layer layers[] = {
        {ScrollBackground1, ScrollBackground1Tiles, &ImgBback1S, 440},
        {ScrollBackground3, ScrollBackground3Tiles, &ImgBback3S, 440},
        {ScrollBackground8, ScrollBackground8Tiles, &ImgBback8S, 440},
        {ScrollBackgroundAlt4, ScrollBackgroundAlt4Tiles, &ImgBackAlt4, 640},
        {ScrollBackgroundUnusedA, ScrollBackgroundUnusedATiles, &ImgBackUnusedA, 640},
        {ScrollSideStripB, SideStripBTiles, &ImgSideStripB, 100},
    };
    testsupport::Kept tiles;
    for (const Layer& L : layers) tiles.KeepArray(L.tiles, kTilesPerLayer);
    ResetNewGame();
    for (const Layer& L : layers) {
        SCOPED_TRACE(&L - layers);
        uint32_t seed = 7;
        for (int frame = 0; frame < 150; ++frame) {
            seed = seed * 1103515245u + 12345u;
            // Long and short frames, a clock through the stepped tables'
            // bounds, and a sideways pull now and then.
            FrameSeconds = 0.004f * static_cast<float>((seed >> 16) % 64);
            StageClock = static_cast<float>(frame * 3);
            if (frame % 5 == 0) SetBackgroundDrift(frame % 10 == 0 ? 1.0f : -1.0f);
            ASSERT_TRUE(FrameMatchesFullWalk(L.run, L.tiles, *L.image, L.width)) << "frame " << frame;
        }
    }
}

TEST_F(LayerPictures, TilesOnTheClipEdgesAndOddPositionsDrawAsInTheFullWalk) {
    testsupport::Kept tiles;
    tiles.KeepArray(ScrollBackground1Tiles, kTilesPerLayer);
    FrameSeconds = 0;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // (x, y) of tile 0 and tile 1; the others stay far above.
    const float cases[][4] = {
        {180, 480, 180, -480},          // touching the bottom edge, touching the top edge
        {180, 479.9f, 180, -479.9f},    // a row inside each
        {-260, 100, 620, 100},          // touching the left and the right edge
        {-260.5f, 100, 620.5f, 100},    // past them by a fraction: truncation brings them back
        {nan, nan, 180, 200},           // a NaN position draws at 0
        {inf, -inf, 1e30f, 0},          // saturated far off
    };
    for (const auto& c : cases) {
        ResetNewGame();
        ScrollBackground1Tiles[0] = {c[0], c[1], 0};
        ScrollBackground1Tiles[1] = {c[2], c[3], 0};
        EXPECT_TRUE(FrameMatchesFullWalk(ScrollBackground1, ScrollBackground1Tiles, ImgBback1S, 440))
            << c[0] << "," << c[1] << " " << c[2] << "," << c[3];
    }
}

TEST(BossParade, ArmsOnItsCountsFallsAndParks) {
    for (auto& r : BossParade) r = ParadeRecord{0, -500, 2550, 0, 0};
    for (int i = 0; i < 9; ++i) UpdateBossParade();
    EXPECT_EQ(BossParade[0].active, 0u);
    UpdateBossParade();  // the tenth count
    EXPECT_EQ(BossParade[0].active, 1u);
    EXPECT_FLOAT_EQ(BossParade[0].x, 100);
    EXPECT_FLOAT_EQ(BossParade[0].y, -360);
    FrameSeconds = 0.5f;
    MoveBossParade();  // speed 0 on the first move, then 178
    EXPECT_FLOAT_EQ(BossParade[0].y, -360);
    MoveBossParade();
    EXPECT_FLOAT_EQ(BossParade[0].y, -360 + 89);
    for (int i = 0; i < 20; ++i) MoveBossParade();
    EXPECT_EQ(BossParade[0].active, 0u);
    EXPECT_FLOAT_EQ(BossParade[0].y, 2550);
    for (int i = 10; i < 3200; ++i) UpdateBossParade();
    EXPECT_EQ(BossParade[7].frame, 0u);
    EXPECT_EQ(BossParade[7].active, 1u);
}

TEST(Backdrops, SpawnFallAndPark) {
    BackdropA = BackdropRecord{-500, 2550, 0, 0};
    SpawnBackdropA();
    EXPECT_EQ(BackdropA.active, 1u);
    EXPECT_FLOAT_EQ(BackdropA.y, -300);
    FrameSeconds = 1;
    MoveBackdropA();
    MoveBackdropA();
    EXPECT_FLOAT_EQ(BackdropA.y, -120);
    for (int i = 0; i < 4; ++i) MoveBackdropA();
    EXPECT_EQ(BackdropA.active, 0u);
    EXPECT_FLOAT_EQ(BackdropA.x, -500);
}

}  // namespace
