#include "game/bullets/groups.h"
#include "tests/game/bullets/falling_fixture.h"

namespace {

using DropLineTest = FallingTest;

struct LineCase {
    const char* name;
    void (*spawn)(int32_t, int32_t);
    void (*move)(int32_t, int32_t);
    DropShot* shots;
    int count;
    EnemySlot40* owner;
    float offX, offY;
    float vx[5];
    float margin, hitLoX;
};

TEST_F(DropLineTest, LinesArmFallSlideRetireAndHit) {
    const float vy[5] = {140, 160, 180, 200, 220};
    // clang-format off
    const LineCase cases[] = {
        {"Szak10",    SpawnSzak10DropLine1,  MoveSzak10DropLine1,  Szak10DropLine1Shots,  15, Szak10Slots,  27, 66, {0, 0, 0, 0, 0},                16, 14},
        {"Szak12-4",  SpawnSzak12DropLine4,  MoveSzak12DropLine4,  Szak12DropLine4Shots,  15, Szak12Slots,  32, 63, {-17, -17, -17, -17, -17},      16, 14},
        {"Szak21A",   SpawnSzak21ADropLine1, MoveSzak21ADropLine1, Szak21ADropLine1Shots, 15, Szak21ASlots, 50, 50, {140, 160, 180, 200, 220},      30, 0},
        {"Szak22B",   SpawnSzak22BDropLine1, MoveSzak22BDropLine1, Szak22BDropLine1Shots, 10, Szak22BSlots, 10, 50, {-140, -160, -180, -200, -220}, 30, 0},
    };
    // clang-format on
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        FrameSeconds = 0.016f;
        Fresh(c.shots, c.count);
        Keep(&c.owner[1]);
        c.owner[1].x = 100;
        c.owner[1].y = 200;
        c.spawn(0, 0);
        DropShot* block = c.shots + 5;  // slot 1
        for (int j = 0; j < 5; ++j) {
            EXPECT_EQ(block[j].active, 1u);
            EXPECT_FLOAT_EQ(block[j].x, 100 + c.offX);
            EXPECT_FLOAT_EQ(block[j].y, 200 + c.offY);
            EXPECT_FLOAT_EQ(block[j].vy, vy[j]);
            EXPECT_FLOAT_EQ(block[j].vx, c.vx[j]);
        }
        c.move(0, 0);
        for (int j = 0; j < 5; ++j) {
            EXPECT_FLOAT_EQ(block[j].y, 200 + c.offY + vy[j] * 0.016f);
            EXPECT_FLOAT_EQ(block[j].x, 100 + c.offX + c.vx[j] * 0.016f);
        }
        // Re-arming one record rewrites the speeds of the whole block in flight.
        const float x3 = block[3].x;
        block[3].vy = 999;
        block[3].vx = 999;
        bullets::Park(block[0]);
        c.spawn(0, 0);
        EXPECT_EQ(block[0].active, 1u);
        EXPECT_FLOAT_EQ(block[3].vy, 200);
        EXPECT_FLOAT_EQ(block[3].x, x3);
        if (c.vx[0] != c.vx[1]) {
            EXPECT_FLOAT_EQ(block[3].vx, c.vx[3]);
        }
        // Strict bounds: y + margin = 0 and y = 600 stay.
        FrameSeconds = 0;
        block[0].y = -c.margin;
        block[1].y = 600;
        block[2].y = -c.margin - 0.5f;
        block[3].y = 600.5f;
        c.move(0, 0);
        EXPECT_EQ(block[0].active, 1u);
        EXPECT_EQ(block[1].active, 1u);
        EXPECT_EQ(block[2].active, 0u);
        EXPECT_EQ(block[3].active, 0u);
        EXPECT_FLOAT_EQ(block[3].y, 2550);
        ExpectBox(block[0], {c.hitLoX, 30, 10, 30}, [&] { c.move(0, 0); });
        BombActive = 1;
        c.move(0, 0);
        EXPECT_EQ(ActiveCount(c.shots, c.count), 0);
        BombActive = 0;
    }
}

// A shot armed from a free (parked) owner slot is retired by the next Move.
TEST_F(DropLineTest, ShotsOfAParkedOwnerRetireAtOnce) {
    Fresh(Szak9DropLine1Shots, 15);
    Keep(Szak9Slots, 3);
    for (EnemySlot40& s : Szak9Slots) {
        s.x = -500;
        s.y = -500;
    }
    SpawnSzak9DropLine1(0, 0);
    EXPECT_EQ(ActiveCount(Szak9DropLine1Shots, 15), 15);
    MoveSzak9DropLine1(0, 0);
    EXPECT_EQ(ActiveCount(Szak9DropLine1Shots, 15), 0);
}

}  // namespace
