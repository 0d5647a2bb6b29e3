#include "tests/game/player/player_fixture.h"

#include "game/shell/assets.h"
#include "tests/framework/draw/draw_fixture.h"

namespace {

using ShotsTest = PlayerTest;

// The calls of an emitter on which a new centre shot flew, over n calls;
// each shot is taken away at once so that every slot is free again.
std::vector<int> VolleyCalls(void (*emit)(), PlayerShot* pool, int n) {
    std::vector<int> calls;
    for (int call = 1; call <= n; ++call) {
        emit();
        for (int i = 0; i < kShotStream; ++i)
            if (pool[i].active) calls.push_back(call), pool[i].active = 0;
    }
    return calls;
}

TEST_F(ShotsTest, EachWeaponFiresEveryFourthCallAcrossTheWrap) {
    std::vector<int> want;
    for (int call = 4; call <= 208; call += 4) want.push_back(call);
    EXPECT_EQ(VolleyCalls(EmitPlayerShotsA, PlayerShotsA, 208), want);
    EXPECT_EQ(VolleyCalls(EmitPlayerShotsB, PlayerShotsB, 208), want);
}

TEST_F(ShotsTest, VolleysArmTheirSlotsAtTheWeaponsOffsets) {
    struct Case {
        void (*fire)(int32_t, int32_t, int32_t);
        PlayerShot* pool;
        int32_t* flash;
        int powerUp;
        int side, dx;
    } cases[] = {
        {FirePlayerShotsA, PlayerShotsA, &MuzzleFlashA, 1, 15, 2},
        {FirePlayerShotsB, PlayerShotsB, &MuzzleFlashB, 1, 30, 3},
        {FirePlayerShotsA, PlayerShotsA, &MuzzleFlashA, 0, 0, 0},
    };
    for (const auto& c : cases) {
        ParkAll();
        PlayerX = 300.9f;
        PlayerY = 400.7f;
        PowerUp = c.powerUp;
        c.fire(3, 29, 55);
        EXPECT_EQ(*c.flash, 1);
        const PlayerShot& centre = c.pool[3];
        EXPECT_EQ(centre.active, 1u);
        EXPECT_EQ(centre.x, 300);
        EXPECT_EQ(centre.y, 362);
        EXPECT_EQ(centre.dy, 10);
        EXPECT_EQ(c.pool[29].active, static_cast<uint32_t>(c.powerUp));
        EXPECT_EQ(c.pool[55].active, static_cast<uint32_t>(c.powerUp));
        if (!c.powerUp) continue;
        EXPECT_EQ(c.pool[29].x, 300 - c.side);
        EXPECT_EQ(c.pool[55].x, 300 + c.side);
        EXPECT_EQ(c.pool[29].dx, c.dx);
        EXPECT_EQ(c.pool[55].y, 362);
        // A slot still in flight is left alone.
        PlayerX = 200;
        *c.flash = 0;
        c.fire(3, 29, 55);
        EXPECT_EQ(*c.flash, 0);
        EXPECT_EQ(c.pool[3].x, 300);
    }
}

TEST_F(ShotsTest, BurstFiresFourShotsEveryThirdCallAndEndsOnCall147) {
    BurstActive = BombActive = 1;
    ShotsAEnabled = ShotsBEnabled = 0;
    PlayerX = 300;
    PlayerY = 400;
    int volleys = 0;
    for (int call = 1; call <= 147; ++call) {
        ASSERT_EQ(BurstActive, 1) << call;
        EmitBurstShots();
        int k = call / 3;
        if (call % 3 == 0) {
            ++volleys;
            for (int stream = 0; stream < 4; ++stream) {
                const BurstShot& s = BurstShots[stream * kBurstStream + k];
                EXPECT_EQ(s.active, 1u) << call;
                EXPECT_EQ(s.x, stream % 2 == 0 ? 312 : 328);
                EXPECT_EQ(s.y, 410);
            }
        }
    }
    EXPECT_EQ(volleys, 49);
    EXPECT_EQ(BurstActive, 0);
    EXPECT_EQ(BombActive, 0);
    EXPECT_EQ(ShotsAEnabled, 1);
    EXPECT_EQ(ShotsBEnabled, 1);
    EXPECT_EQ(BurstShots[0].active + BurstShots[50].active + BurstShots[100].active + BurstShots[150].active, 0u);
}

// The pictures of the weapons, each painted in a colour of its own.
class ShotDrawTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        kept_.SetUp();
        fwDraw::SetClipRect(0, 0, 800, 600);
        int32_t* images[] = {&ImgFlw1_3, &ImgFlw11, &ImgSflh1, &ImgSflh11, &ImgFlhst, &ImgFlhst3};
        uint16_t colour = 0x0841;
        for (int32_t* image : images) {
            saved_.push_back(*image);
            *image = Sprite(124, 70, [colour](int, int) { return colour; });
            colour = static_cast<uint16_t>(colour * 2);
        }
        fwDraw::ClearBackBuffer();
    }
    void TearDown() override {
        int32_t* images[] = {&ImgFlw1_3, &ImgFlw11, &ImgSflh1, &ImgSflh11, &ImgFlhst, &ImgFlhst3};
        for (size_t i = 0; i < saved_.size(); ++i) *images[i] = saved_[i];
        kept_.TearDown();
        ScreenTest::TearDown();
    }
    struct Kept : PlayerTest {
        void TestBody() override {}
        using PlayerTest::SetUp;
        using PlayerTest::TearDown;
    } kept_;
    std::vector<int32_t> saved_;
};

TEST_F(ShotDrawTest, CentreShotsOfBAreDrawn120WideFromThirtyLeftPerPictureSet) {
    struct Case {
        int level, shipType;
        uint16_t colour;  // 0: nothing drawn
    } cases[] = {{1, 1, 0x0841}, {2, 1, 0x0841}, {3, 1, 0x1082}, {0, 1, 0}, {1, 2, 0}};
    for (const auto& c : cases) {
        fwDraw::ClearBackBuffer();
        GameLevel = c.level;
        ShipType = c.shipType;
        PlayerShotsB[4] = PlayerShot{300, 200, 0, 10, 1};
        DrawPlayerShots();
        EXPECT_EQ(Px(BackSurface, 270, 200), c.colour) << c.level;
        EXPECT_EQ(Px(BackSurface, 389, 259), c.colour);
        EXPECT_EQ(Px(BackSurface, 269, 200), 0);
        EXPECT_EQ(Px(BackSurface, 390, 200), 0);
    }
}

TEST_F(ShotDrawTest, MuzzleFlashIsDrawnOnceOverTheShip) {
    GameLevel = 1;
    PlayerX = 300;
    PlayerY = 400;
    MuzzleFlashA = 1;
    DrawPlayerShots();
    EXPECT_EQ(MuzzleFlashA, 0);
    EXPECT_EQ(Px(BackSurface, 295, 385), 0x8410);  // 70 x 36 from (-5, -15)
    EXPECT_EQ(Px(BackSurface, 364, 420), 0x8410);
    EXPECT_EQ(Px(BackSurface, 365, 420), 0);
    EXPECT_EQ(Px(BackSurface, 295, 421), 0);
}

}  // namespace
