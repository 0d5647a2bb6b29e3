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

TEST_F(DeathTest, WithTheDeathSequenceOffAShipStaysDown) {
    DeathSequenceOff = 1;
    Lives = 10;
    PlayerAlive = 0;
    for (int frame = 0; frame < 300; ++frame) UpdatePlayer();
    EXPECT_EQ(PlayerAlive, 0);
    EXPECT_EQ(Lives, 10);
}

TEST_F(DeathTest, RingsFlyOutTurnedTowardTheCorner) {
    struct Case {
        int frame;
        int active;  // pieces launched so far
    } cases[] = {{1, 16}, {9, 16}, {10, 32}, {20, 48}, {30, 64}, {40, 80}};
    PlayerX = 300;
    PlayerY = 400;
    FrameSeconds = 0;
    int frame = 0;
    for (const auto& c : cases) {
        while (frame < c.frame) UpdatePlayerExplosion(0), ++frame;
        int active = 0;
        for (const auto& p : PlayerDebris) active += p.active;
        EXPECT_EQ(active, c.active) << c.frame;
    }
    // Piece 0 heads for (20, 20); the ring's pieces are 22.5 degrees apart.
    FrameSeconds = 0.1f;
    MovePlayerExplosion(0);
    float toCorner = std::atan2(20.0f - 400, 20.0f - 300);
    EXPECT_NEAR(PlayerDebris[0].x, 300 + 28 * std::cos(toCorner), 0.01);
    EXPECT_NEAR(PlayerDebris[0].y, 400 + 28 * std::sin(toCorner), 0.01);
    EXPECT_NEAR(std::remainder(PlayerDebris[1].angle - PlayerDebris[0].angle, 2 * std::numbers::pi), std::numbers::pi / 8, 1e-5);
}

TEST_F(DeathTest, PiecesLeavingTheAreaAreParked) {
    struct Case {
        float x, y;
        bool parked;
    } cases[] = {{800, 300, false}, {800.5f, 300, true}, {-60, 300, false}, {-61, 300, true},
                 {300, 600, false}, {300, 601, true},    {300, -60, false}, {300, -61, true}};
    FrameSeconds = 0;
    for (const auto& c : cases) {
        PlayerDebris[5].active = 1;
        PlayerDebris[5].x = c.x;
        PlayerDebris[5].y = c.y;
        MovePlayerExplosion(0);
        EXPECT_EQ(PlayerDebris[5].active, c.parked ? 0u : 1u) << c.x << ", " << c.y;
    }
}

TEST_F(DeathTest, StarsFallAndComeBackAboveTheTop) {
    FrameSeconds = 0.5f;
    for (auto& s : StarField) s = StarStreak{2, 300, 100, 40, 200};
    StarField[7].y = 500;
    StarField[8].y = 500.5f;
    DrawStarField(100, 250);
    EXPECT_EQ(StarField[0].y, 200);
    EXPECT_EQ(StarField[0].x, 320);
    EXPECT_EQ(StarField[0].sideSpeed, 0);
    EXPECT_EQ(StarField[7].y, 600);  // exactly 600 stays
    const StarStreak& s = StarField[8];
    EXPECT_GE(s.x, 0);
    EXPECT_LE(s.x, 639);
    EXPECT_GE(s.y, -49);
    EXPECT_LE(s.y, 0);
    EXPECT_GE(s.speed, 250);
    EXPECT_LE(s.speed, 349);
    EXPECT_LT(s.kind, 7);
    DrawStarField(0, 0);  // an empty range does not fail
}

}  // namespace
