#include <gtest/gtest.h>

#include "game/bullets/groups.h"
#include "tests/game/bullets/aimed_fixture.h"

namespace {

using aimedtest::kDegree;

class Chain : public aimedtest::AimedTest {};

// The turn clock runs 20 a second and the heading turns one step per call
// while the clock is at most its limit: for 0.85 s, so more calls turn more.
TEST_F(Chain, TurnsOneStepPerCallForPointEightFiveSeconds) {
    struct Case {
        AngledShot* shots;
        int count;
        void (*spawn)(int32_t);
        void (*move)(int32_t);
        float frameSeconds;
        double finalDegrees;
    };
    const Case cases[] = {
        {Szak10Chain1Shots, 21, SpawnSzak10Chain1, MoveSzak10Chain1, 0.0125f, -36 - 68 * 360.0 / 320},
        {Szak10Chain1Shots, 21, SpawnSzak10Chain1, MoveSzak10Chain1, 0.025f, -36 - 34 * 360.0 / 320},
        {Stage3BossChain2Shots, 7, SpawnStage3BossChain2, MoveStage3BossChain2, 0.0125f, 36 + 68 * 360.0 / 280},
        {Szak50BChain1Shots, 7, SpawnSzak50BChain1, MoveSzak50BChain1, 0.025f, -36 - 70 * 360.0 / 280},  // 1.75 s
    };
    for (const Case& c : cases) {
        Fresh(c.shots, c.count);
        Szak10Slots[0].x = Stage3BossState.X = Szak50BState.x = 300;
        Szak10Slots[0].y = Stage3BossState.Y = Szak50BState.y = 100;
        Szak10Slots[1].x = Szak10Slots[2].x = kParkX;
        Szak10Slots[1].y = Szak10Slots[2].y = kParkY;
        c.spawn(0);
        FrameSeconds = c.frameSeconds;
        for (int call = 0; call < 80; ++call) c.move(0);
        for (int k = 0; k < 7; ++k) {
            ASSERT_EQ(c.shots[k].active, 1u) << k;
            EXPECT_NEAR(c.shots[k].angle, c.finalDegrees * kDegree, 1e-4) << k;
        }
    }
}

TEST_F(Chain, RetiresWholeOnItsTailAndNeverForTheBomb) {
    AngledShot* s = Szak10Chain1Shots;
    Fresh(s, 21);
    for (int i = 0; i < 21; ++i) {
        s[i].active = 1;
        s[i].x = 300;
        s[i].y = 300;
        s[i].angle = 1.0f;
        s[i].timer = 5;
    }
    s[7].x = -30.5f;  // the tail of chain 1 has left; chain 0's bullet 3 past the edge alone does nothing
    s[3].x = 900;
    FrameSeconds = 0.0f;
    BombActive = 1;
    MoveSzak10Chain1(0);
    for (int i = 0; i < 21; ++i) {
        const bool retired = i >= 7 && i < 14;
        EXPECT_EQ(s[i].active == 0, retired) << i;
        if (retired) {
            EXPECT_NE(s[i].x, kParkX) << i;  // left where it was
            EXPECT_NEAR(s[i].angle, -36 * kDegree, 1e-6);
            EXPECT_EQ(s[i].timer, 0.0f);
        }
    }
}

TEST_F(Chain, DriftStartsOnTheSecondCall) {
    AngledShot* s = Stage4BossChain1Shots;
    Fresh(s, 7);
    Stage4BossState.X = 200;
    Stage4BossState.Y = 100;
    SpawnStage4BossChain1(0);
    FrameSeconds = 0.01f;
    MoveStage4BossChain1(0);
    const float x1 = s[6].x, y1 = s[6].y, a = s[6].angle;
    MoveStage4BossChain1(0);
    // against the heading, then the head's drift of -26 a second taken away on both axes
    EXPECT_NEAR(s[6].x, x1 - std::cos(a) * 193 * 0.01f + 0.26f, 1e-3);
    EXPECT_NEAR(s[6].y, y1 - std::sin(a) * 193 * 0.01f + 0.26f, 1e-3);
}

}  // namespace
