#include "tests/game/player/player_fixture.h"

namespace {

constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kShift = 16, kCtrl = 17, kC = 67, kV = 86;

using ShipTest = PlayerTest;

TEST_F(ShipTest, MovementStaysInTheShipsBox) {
    struct Case {
        float x, y, wantX, wantY;
    } cases[] = {
        {179.5f, 300, 180, 300}, {560.2f, 300, 560, 300}, {300, 219, 300, 220},
        {300, 541, 300, 540},    {0, 0, 180, 220},        {370, 520, 370, 520},
    };
    for (const auto& c : cases) {
        PlayerX = c.x;
        PlayerY = c.y;
        MovePlayer();
        EXPECT_EQ(PlayerX, c.wantX) << c.x;
        EXPECT_EQ(PlayerY, c.wantY) << c.y;
    }
}

TEST_F(ShipTest, HeldKeysMoveByTheShipsSpeedFromTheSecondFrame) {
    struct Case {
        std::vector<int> keys;
        int shipType;
        float dx, dy;
        int bankDir;
    } cases[] = {
        {{kLeft}, 1, -16, 0, 1},         {{kRight}, 1, 16, 0, -1},  {{kLeft, kRight}, 1, 16, 0, -1},
        {{kUp}, 1, 0, -16, 0},           {{kUp, kDown}, 1, 0, 16, 0}, {{kLeft, kDown}, 2, -20, 20, 1},
        {{kRight}, 3, 0, 0, -1},
    };
    for (const auto& c : cases) {
        ShipType = c.shipType;
        PlayerX = 370;
        PlayerY = 400;
        PlayerBankDir = 0;
        for (int k : c.keys) Key(k, true);
        MovePlayer();  // the first frame of a press does nothing
        EXPECT_EQ(PlayerX, 370);
        EXPECT_EQ(PlayerY, 400);
        MovePlayer();
        EXPECT_FLOAT_EQ(PlayerX, 370 + c.dx) << c.keys.size() << " keys, ship " << c.shipType;
        EXPECT_FLOAT_EQ(PlayerY, 400 + c.dy);
        EXPECT_EQ(PlayerBankDir, c.bankDir);
        for (int k : c.keys) Key(k, false);
        MovePlayer();
        MovePlayer();
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

TEST_F(ShipTest, BankLeansToTheEndAndSwingsBackToLevel) {
    Key(kLeft, true);
    std::vector<int> banks;
    for (int i = 0; i < 6; ++i) MovePlayer(), banks.push_back(PlayerBank);
    Key(kLeft, false);
    for (int i = 0; i < 6; ++i) MovePlayer(), banks.push_back(PlayerBank);
        // The bank steps before the keys are read: a frame late each way.
    EXPECT_EQ(banks, (std::vector<int>{3, 3, 4, 5, 6, 6, 6, 5, 4, 3, 3, 3}));
}

TEST_F(ShipTest, KeyPairsStartTheBurstAndTheBomb) {
    struct Case {
        std::vector<int> keys;
        int doubleClick;
    } cases[] = {{{kC, kV}, 0}, {{kCtrl, kShift}, 0}, {{}, 1}};
    for (const auto& c : cases) {
        ParkAll();
        RingBombFrame = 9;
        BurstFrame = 5;
        for (int k : c.keys) Key(k, true);
        LeftDoubleClick = c.doubleClick;
        MovePlayer();
        EXPECT_EQ(BurstActive, c.keys.empty() ? 1 : 0) << "a pressed key is not yet held";
        MovePlayer();
        EXPECT_EQ(BombActive, 1);
        EXPECT_EQ(BurstActive, 1);
        EXPECT_EQ(ShotsAEnabled, 0);
        EXPECT_EQ(ShotsBEnabled, 0);
        EXPECT_EQ(RingBombFrame, 0);
        EXPECT_EQ(BurstFrame, 0);
        EXPECT_EQ(ShotFrameA + ShotFrameB, 0) << "the weapons stop firing";
        for (int k : c.keys) Key(k, false);
        LeftDoubleClick = 0;
    }
}

TEST_F(ShipTest, FireKeysRunTheEmittersOfShipTypeOne) {
    struct Case {
        std::vector<int> keys;
        int shipType, framesA, framesB;
    } cases[] = {
        {{kShift}, 1, 1, 0}, {{kShift, kC}, 1, 2, 0}, {{kCtrl, kV}, 1, 0, 2}, {{kV}, 1, 0, 1}, {{kShift, kV}, 2, 0, 0},
    };
    for (const auto& c : cases) {
        ParkAll();
        ShipType = c.shipType;
        for (int k : c.keys) Key(k, true);
        MovePlayer();
        MovePlayer();
        EXPECT_EQ(ShotFrameA, c.framesA);
        EXPECT_EQ(ShotFrameB, c.framesB);
        for (int k : c.keys) Key(k, false);
        MovePlayer();
        MovePlayer();
    }
}

TEST_F(ShipTest, MouseControlPutsTheShipUnderTheCursorWithinThePicture) {
    struct Case {
        uint32_t mx, my;
        float x, y;
    } cases[] = {{400, 300, 370, 270}, {0xFFF0, 0xFFFF, -30, -30}, {900, 700, 769, 569}};
    MouseControl = 1;
    KeyboardControl = 0;
    for (const auto& c : cases) {
        MouseX = c.mx;
        MouseY = c.my;
        UpdatePlayer();
        EXPECT_EQ(PlayerX, c.x);
        EXPECT_EQ(PlayerY, c.y);
    }
}

}  // namespace
