#include "tests/game/player/player_fixture.h"

namespace {

using ShotsTest = PlayerTest;

TEST_F(ShotsTest, EachWeaponFiresEveryFourthCallAcrossTheWrap) {
    std::vector<int> want;
    for (int call = 4; call <= 208; call += 4) want.push_back(call);
    struct Weapon {
        void (*emit)();
        PlayerShot* pool;
    };
    for (auto [emit, pool] : {Weapon{EmitPlayerShotsA, PlayerShotsA}, Weapon{EmitPlayerShotsB, PlayerShotsB}}) {
        std::vector<int> calls;  // a new centre shot flew; it is taken away at once
        for (int call = 1; call <= 208; ++call) {
            emit();
            for (int i = 0; i < kShotStream; ++i)
                if (pool[i].active) calls.push_back(call), pool[i].active = 0;
        }
        EXPECT_EQ(calls, want);
    }
}

TEST_F(ShotsTest, VolleysArmTheirSlotsAtTheWeaponsOffsets) {
    struct Case {
        void (*fire)(int32_t, int32_t, int32_t);
        PlayerShot* pool;
        int powerUp, side, dx;
    } cases[] = {{FirePlayerShotsA, PlayerShotsA, 1, 15, 2},
                 {FirePlayerShotsB, PlayerShotsB, 1, 30, 3},
                 {FirePlayerShotsA, PlayerShotsA, 0, 0, 0}};
    for (const auto& c : cases) {
        ParkAll();
        PlayerX = 300.9f, PlayerY = 400.7f;
        PowerUp = c.powerUp;
        c.fire(3, 29, 55);
        c.pool[3].x += 1;  // in flight: a second volley leaves it alone
        c.fire(3, 29, 55);
        EXPECT_EQ(c.pool[3].x, 301);
        EXPECT_EQ(c.pool[3].y, 362);
        EXPECT_EQ(c.pool[3].active, 1u);
        EXPECT_EQ(c.pool[29].active + c.pool[55].active, 2u * c.powerUp);
        if (!c.powerUp) continue;
        EXPECT_EQ(c.pool[29].x, 300 - c.side);
        EXPECT_EQ(c.pool[55].x, 300 + c.side);
        EXPECT_EQ(c.pool[55].dx, c.dx);
    }
}

TEST_F(ShotsTest, BurstFiresFourShotsEveryThirdCallAndEndsOnCall147) {
    BurstActive = BombActive = 1;
    ShotsAEnabled = ShotsBEnabled = 0;
    PlayerX = 300, PlayerY = 400;
    int shots = 0;
    for (int call = 1; call <= 147; ++call) {
        ASSERT_EQ(BurstActive, 1) << call;
        EmitBurstShots();
        for (int stream = 0; stream < 4; ++stream) {
            BurstShot& s = BurstShots[stream * kBurstStream + call / 3];
            if (!s.active) continue;
            EXPECT_EQ(call % 3, 0);
            EXPECT_EQ(s.x, stream % 2 ? 328 : 312);
            EXPECT_EQ(s.y, 410);
            s.active = 0;
            ++shots;
        }
    }
    EXPECT_EQ(shots, 4 * 49);
    EXPECT_EQ(BurstActive + BombActive, 0);
    EXPECT_EQ(ShotsAEnabled + ShotsBEnabled, 2);
}

}  // namespace
