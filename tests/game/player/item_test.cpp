#include "tests/game/player/player_fixture.h"

namespace {

using ItemTest = PlayerTest;

TEST_F(ItemTest, OneItemFallsAtATimeFromARandomColumn) {
    rng::srand(77);
    SpawnPowerUpItem();
    EXPECT_EQ(PowerItem.active, 1u);
    EXPECT_EQ(PowerItem.y, -60);
    EXPECT_GE(PowerItem.x, 210);
    EXPECT_LE(PowerItem.x, 529);
    EXPECT_GE(PowerItem.speed, 100);
    EXPECT_LE(PowerItem.speed, 229);
    EXPECT_EQ(ItemsSpawned, 1);
    float x = PowerItem.x;
    SpawnPowerUpItem();
    EXPECT_EQ(PowerItem.x, x);
    EXPECT_EQ(ItemsSpawned, 1);
}

TEST_F(ItemTest, AnItemFallsOutBelowTheScreen) {
    PowerItem = PowerItemRecord{300, 590, 0, 100, 0, 1, 0};
    MovePowerUpItem();
    EXPECT_EQ(PowerItem.y, 600);
    EXPECT_EQ(PowerItem.active, 1u);
    MovePowerUpItem();
    EXPECT_EQ(PowerItem.active, 0u);
    EXPECT_EQ(PowerItem.x, -500);
    EXPECT_EQ(PowerItem.y, 2550);
}

TEST_F(ItemTest, ATakenItemTurnsThePowerOnAndAddsCharges) {
    struct Case {
        int32_t spawned;
        int charges;
    } cases[] = {{0, 2}, {1, 1}, {2, 1}, {3, 2}, {7, 2}};
    for (const auto& c : cases) {
        PowerUp = 0;
        BombCharges = 5;
        ItemsSpawned = c.spawned;
        PowerItem = PowerItemRecord{300, 300, 0, 100, 0, 1, 0};
        TakePowerUpItem();
        UpdateDrawPowerUpItem();
        EXPECT_EQ(BombCharges, 5 + c.charges) << c.spawned << " spawned";
        EXPECT_EQ(PowerUp, 1);
        EXPECT_EQ(PowerItem.active + PowerItem.taken, 0u);
        EXPECT_EQ(PowerItem.y, 2550);
    }
}

}  // namespace
