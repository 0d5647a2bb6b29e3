#include "tests/game/player/player_fixture.h"

namespace {

constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kShift = 16, kCtrl = 17, kC = 67, kV = 86;

using ShipTest = PlayerTest;

TEST_F(ShipTest, MovementStaysInTheShipsBox) {
    struct Case {
        float x, y, wantX, wantY;
    } cases[] = {{179.5f, 300, 180, 300}, {560.2f, 300, 560, 300}, {300, 219, 300, 220}, {300, 541, 300, 540}};
    for (const auto& c : cases) {
        PlayerX = c.x, PlayerY = c.y;
        MovePlayer();
        EXPECT_EQ(PlayerX, c.wantX) << c.x;
        EXPECT_EQ(PlayerY, c.wantY) << c.y;
    }
}

// Keys pressed before the first of two frames; the second moves, fires or
// starts the burst. The ship's speed is 160 (type 1) or 200 per second.
TEST_F(ShipTest, HeldKeysActFromTheSecondFrame) {
    struct Case {
        std::vector<int> keys;
        int shipType;
        float dx, dy;
        int shotFramesA, shotFramesB, burst;
    } cases[] = {
        {{kLeft}, 1, -16, 0, 0, 0, 0},      {{kLeft, kRight}, 1, 16, 0, 0, 0, 0}, {{kUp, kDown}, 1, 0, 16, 0, 0, 0},
        {{kUp}, 2, 0, -20, 0, 0, 0},        {{kShift, kC}, 1, 0, 0, 2, 0, 0},     {{kV}, 1, 0, 0, 0, 1, 0},
        {{kShift, kV}, 2, 0, 0, 0, 0, 0},   {{kC, kV}, 1, 0, 0, 0, 0, 1},         {{kCtrl, kShift}, 2, 0, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        ParkAll();
        ShipType = c.shipType;
        PlayerY = 400;
        for (int k : c.keys) Key(k, true);
        MovePlayer();
        EXPECT_EQ(PlayerX + PlayerY + ShotFrameA + ShotFrameB + BurstActive, 770) << "a pressed key does nothing";
        RingBombFrame = BurstFrame = 9;
        MovePlayer();
        EXPECT_FLOAT_EQ(PlayerX, 370 + c.dx) << c.keys.size() << " keys, ship " << c.shipType;
        EXPECT_FLOAT_EQ(PlayerY, 400 + c.dy);
        EXPECT_EQ(ShotFrameA, c.shotFramesA);
        EXPECT_EQ(ShotFrameB, c.shotFramesB);
        EXPECT_EQ(BurstActive + BombActive + 2 - ShotsAEnabled - ShotsBEnabled, 4 * c.burst);
        EXPECT_EQ(RingBombFrame + BurstFrame, c.burst ? 0 : 18);
        for (int k : c.keys) Key(k, false);
        MovePlayer(), MovePlayer();
    }
}

TEST_F(ShipTest, KeysDoNothingWhileAWipeRuns) {
    Key(kLeft, true);
    Key(kShift, true);
    TransitionStep = 1;
    for (int i = 0; i < 5; ++i) MovePlayer();
    EXPECT_EQ(PlayerX, 370);
    EXPECT_EQ(ShotFrameA, 0);
}

TEST_F(ShipTest, MouseControlPutsTheShipUnderTheCursorWithinThePicture) {
    struct Case {
        uint32_t mx, my;
        float x, y;
    } cases[] = {{400, 300, 370, 270}, {0xFFF0, 0xFFFF, -30, -30}, {900, 700, 769, 569}};
    MouseControl = 1;
    for (const auto& c : cases) {
        MouseX = c.mx, MouseY = c.my;
        UpdatePlayer();
        EXPECT_EQ(PlayerX, c.x);
        EXPECT_EQ(PlayerY, c.y);
    }
}

}  // namespace
