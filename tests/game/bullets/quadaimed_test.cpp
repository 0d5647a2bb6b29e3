#include <gtest/gtest.h>

#include "game/bullets/groups.h"
#include "tests/game/bullets/aimed_fixture.h"

namespace {

using aimedtest::ActiveOf;

class QuadAimed : public aimedtest::AimedTest {};

TEST_F(QuadAimed, VolleysLeaveTheFourGunsAndReturnFlyingRecords) {
    AngledShot* s = Stage1BossQuadAimed1Shots;
    Fresh(s, 20);
    Stage1BossState.X = 100;
    Stage1BossState.Y = 0;
    s[1].active = 1;  // still in flight from the last cycle
    s[1].x = 400;
    s[1].y = 400;
    s[1].angle = 2.0f;
    for (int i = 0; i < 100; ++i) EmitStage1BossQuadAimed1(0);
    EXPECT_EQ(ActiveOf(s, 20), (std::vector<int>{0, 1, 2, 3}));
    const float gunX[] = {250, 370, 190, 430}, gunY[] = {100, 100, 150, 150};
    for (int q = 0; q < 4; ++q) {
        EXPECT_FLOAT_EQ(s[q].x, gunX[q]) << q;
        EXPECT_FLOAT_EQ(s[q].y, gunY[q]) << q;
    }
    EXPECT_FLOAT_EQ(s[1].angle, 2.0f);  // put back at its gun, not aimed again
    EXPECT_GE(s[0].speed, 180);
    EXPECT_LE(s[0].speed, 209);
}

TEST_F(QuadAimed, ABulletThatHitsThePlayerVanishes) {
    AngledShot* s = Stage1BossQuadAimed1Shots;
    Fresh(s, 20);
    PlayerX = 300;
    PlayerY = 400;
    FrameSeconds = 0.0f;
    const float edges[][2] = {{310, 420}, {330, 430}, {309.5f, 420}};
    for (int e = 0; e < 3; ++e) {
        s[5].active = 1;
        s[5].x = edges[e][0];
        s[5].y = edges[e][1];
        PlayerAlive = 1;
        MoveStage1BossQuadAimed1(0);
        const bool hit = e < 2;
        EXPECT_EQ(PlayerAlive == 0, hit) << e;
        EXPECT_EQ(s[5].active == 0, hit) << e;
        if (hit) {
            EXPECT_EQ(s[5].x, kParkX);
        }
    }
}

}  // namespace
