#include "tests/game/player/player_fixture.h"

namespace {

using ItemTest = PlayerTest;

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
