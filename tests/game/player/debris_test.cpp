#include <cmath>
#include <numbers>

#include "tests/game/player/player_fixture.h"

namespace {

using DeathTest = PlayerTest;

TEST_F(DeathTest, ADeathTakesFiftyFramesAndSixteenLives) {
    Lives = 999;
    PowerUp = 1;
    ItemsSpawned = 2;
    PlayerAlive = 0;
    for (int frame = 1; frame < 50; ++frame) {
        UpdatePlayer();
        ASSERT_EQ(PlayerAlive, 0) << frame;
    }
    EXPECT_EQ(Lives, 983);
    // Each ring's pieces lie 22.5 degrees apart, the first turned toward the
    // corner (20, 20).
    float toCorner = std::atan2(20.0f - PlayerY, 20.0f - PlayerX);
    EXPECT_NEAR(std::remainder(PlayerDebris[64].angle - toCorner, 2 * std::numbers::pi), 0, 1e-5);
    EXPECT_NEAR(std::remainder(PlayerDebris[65].angle - toCorner, 2 * std::numbers::pi), std::numbers::pi / 8, 1e-5);
    EXPECT_EQ(PowerUp, 0);
    EXPECT_EQ(ItemsSpawned, 0);
    UpdatePlayer();
    EXPECT_EQ(PlayerAlive, 1);
    EXPECT_EQ(Respawning, 1);
    // The respawn phase ends after 249 frames; a hit on the way is undone
    // in its own frame, which does not count.
    for (int frame = 1; frame < 249; ++frame) {
        if (frame == 100) {
            PlayerAlive = 0;
            UpdatePlayer();
            ASSERT_EQ(PlayerAlive, 1);
        }
        UpdatePlayer();
        ASSERT_EQ(Respawning, 1) << frame;
    }
    UpdatePlayer();
    EXPECT_EQ(Respawning, 0);
    EXPECT_EQ(Lives, 983);
    for (const auto& p : PlayerDebris) EXPECT_EQ(p.life + p.active, 0);
}

}  // namespace
