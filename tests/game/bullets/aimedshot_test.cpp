#include <gtest/gtest.h>

#include "game/bullets/groups.h"
#include "tests/game/bullets/aimed_fixture.h"

namespace {

using aimedtest::kPi;

class AimedShot : public aimedtest::AimedTest {};

TEST_F(AimedShot, AimsFromEachSlotAtARandomWholeSpeed) {
    struct Case {
        AngledShot* shots;
        int count;
        void (*spawn)(int32_t);
        float aim;         // aim offset of the variant
        float ox, oy;      // start offset
        int lo, hi;        // speed range
    };
    const Case cases[] = {
        {Szak1AAimedShot1Shots, 4, SpawnSzak1AAimedShot1, 15, 15, 50, 100, 199},
        {Szak30BAimedShot1Shots, 5, SpawnSzak30BAimedShot1, 22, 42, 50, 210, 309},
    };
    for (const Case& c : cases) {
        Fresh(c.shots, c.count);
        for (int i = 0; i < 4; ++i) {
            Szak1ASlots[i].x = Szak30BSlots[i].x = 100.0f + 100 * i;
            Szak1ASlots[i].y = Szak30BSlots[i].y = 100;
        }
        Szak30BSlots[4].x = 500;
        Szak30BSlots[4].y = 100;
        PlayerX = 200 + c.ox - c.aim;  // straight below slot 1's bullet
        PlayerY = 400;
        c.shots[2].frame = 17;
        c.spawn(3);
        for (int i = 0; i < c.count; ++i) {
            ASSERT_EQ(c.shots[i].active, 1u);
            EXPECT_FLOAT_EQ(c.shots[i].x, 100 + 100 * i + c.ox);
            EXPECT_FLOAT_EQ(c.shots[i].y, 100 + c.oy);
            EXPECT_GE(c.shots[i].speed, c.lo);
            EXPECT_LE(c.shots[i].speed, c.hi);
            EXPECT_EQ(c.shots[i].speed, static_cast<int>(c.shots[i].speed));
        }
        EXPECT_NEAR(c.shots[1].angle, kPi / 2, 1e-6);
        EXPECT_EQ(c.shots[2].frame, 17u);  // the spawn leaves the animation alone
        PlayerY = 0;  // now straight above: up
        c.shots[1].active = 0;
        c.spawn(0);
        EXPECT_NEAR(c.shots[1].angle, 3 * kPi / 2, 1e-6);
    }
}

TEST_F(AimedShot, EachVariantRetiresAtItsOwnRightEdge) {
    struct Case {
        AngledShot* shots;
        void (*move)(int32_t);
        float x;
        bool flies;
    };
    const Case cases[] = {
        {Szak1AAimedShot1Shots, MoveSzak1AAimedShot1, 700, true},
        {Szak1AAimedShot1Shots, MoveSzak1AAimedShot1, 800.5f, false},
        {Szak30BAimedShot1Shots, MoveSzak30BAimedShot1, 620, true},
        {Szak30BAimedShot1Shots, MoveSzak30BAimedShot1, 620.5f, false},
    };
    FrameSeconds = 0.0f;
    for (const Case& c : cases) {
        Fresh(c.shots, 4);
        c.shots[0].active = 1;
        c.shots[0].x = c.x;
        c.shots[0].y = 300;
        c.move(0);
        EXPECT_EQ(c.shots[0].active == 1, c.flies) << c.x;
    }
}

}  // namespace
