#include "game/state/background.h"

#include <gtest/gtest.h>

#include "framework/system/system.h"
#include "game/shell/gamemode.h"
#include "game/shell/resets.h"
#include "game/state/player_state.h"
#include "game/state/stage_state.h"

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
