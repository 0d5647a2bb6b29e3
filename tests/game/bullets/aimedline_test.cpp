#include <gtest/gtest.h>

#include <cmath>

#include "game/bullets/groups.h"
#include "tests/game/bullets/aimed_fixture.h"

namespace {

using aimedtest::kPi;

class AimedLine : public aimedtest::AimedTest {};

// One Spawn arms the whole line at one point on one heading; after one
// second each record lies its own speed away along the heading.
TEST_F(AimedLine, GradedSpeedsStringTheLineOut) {
    struct Case {
        AngledShot* shots;
        int count;
        void (*spawn)(int32_t);
        void (*move)(int32_t);
        float x, y;  // firing point with the owner at (100, 0)
        float speeds[5];
        double heading;  // with the aim point straight below
    };
    const Case cases[] = {
        {Stage3BossAimedLine6Shots, 5, SpawnStage3BossAimedLine6, MoveStage3BossAimedLine6, 185, 100,
         {170, 200, 230, 250, 270}, kPi / 2},
        {Stage3BossAimedLine5Shots, 5, SpawnStage3BossAimedLine5, MoveStage3BossAimedLine5, 185, 100,
         {170, 200, 230, 250, 270}, kPi / 2 + kPi / 6},
        {Stage1BossAimedLine3Shots, 5, SpawnStage1BossAimedLine3, MoveStage1BossAimedLine3, 185, 100,
         {260, 280, 300, 320, 340}, kPi / 2 + kPi / 10},
        {Stage2BossAimedLine7Shots, 5, SpawnStage2BossAimedLine7, MoveStage2BossAimedLine7, 455, 100,
         {170, 200, 230, 250, 270}, kPi / 2 - 3 * kPi / 10},
        {Szak6DAimedLine3Shots, 5, SpawnSzak6DAimedLine3, MoveSzak6DAimedLine3, 130, 50,
         {120, 160, 200, 240, 280}, kPi / 2},
    };
    for (const Case& c : cases) {
        Fresh(c.shots, c.count);
        Stage1BossState.X = Stage2BossState.X = Stage3BossState.X = Szak6DSlots[1].x = 100;
        Stage1BossState.Y = Stage2BossState.Y = Stage3BossState.Y = Szak6DSlots[1].y = 0;
        const float aim = c.shots == Szak6DAimedLine3Shots ? 22.0f : 15.0f;
        PlayerX = c.x - aim;
        PlayerY = 450;
        c.spawn(0);
        FrameSeconds = 0.25f;
        for (int i = 0; i < 4; ++i) c.move(0);
        for (int k = 0; k < c.count; ++k) {
            ASSERT_EQ(c.shots[k].active, 1u);
            EXPECT_NEAR(c.shots[k].angle, c.heading, 1e-5);
            EXPECT_NEAR(c.shots[k].x, c.x + std::cos(c.heading) * c.speeds[k], 0.01) << k;
            EXPECT_NEAR(c.shots[k].y, c.y + std::sin(c.heading) * c.speeds[k], 0.01) << k;
        }
    }
}

// Form A frees a line with its bullet 0 and under the bomb, leaving it in
// place; form B parks each bullet by itself; form C ignores the bomb and
// frees the whole group with record 0.
TEST_F(AimedLine, FormsRetireTheirOwnWay) {
    struct Case {
        AngledShot* shots;
        int count;
        void (*move)(int32_t);
        int outside;  // record put past x 800 (or 620)
        int bomb;
        int freed[15];  // 1 for each record freed by one Move
        bool parks;
    };
    const Case cases[] = {
        {Szak6DAimedLine1Shots, 15, MoveSzak6DAimedLine1, 5, 0, {0, 0, 0, 0, 0, 1, 1, 1, 1, 1}, false},
        {Szak6DAimedLine1Shots, 15, MoveSzak6DAimedLine1, 99, 1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, false},
        {Szak6DAimedLine2Shots, 4, MoveSzak6DAimedLine2, 2, 0, {0, 0, 1, 0}, true},
        {Szak6DAimedLine2Shots, 4, MoveSzak6DAimedLine2, 99, 1, {1, 1, 1, 1}, true},
        {Szak40AAimedLine2Shots, 5, MoveSzak40AAimedLine2, 3, 0, {0}, false},
        {Szak40AAimedLine2Shots, 5, MoveSzak40AAimedLine2, 99, 1, {0}, false},
        {Szak40AAimedLine2Shots, 5, MoveSzak40AAimedLine2, 0, 0, {1, 1, 1, 1, 1}, false},
        {Stage3BossAimedLine1Shots, 5, MoveStage3BossAimedLine1, 0, 1, {1, 1, 1, 1, 1}, false},
    };
    FrameSeconds = 0.0f;
    for (const Case& c : cases) {
        Fresh(c.shots, c.count);
        for (int i = 0; i < c.count; ++i) {
            c.shots[i].active = 1;
            c.shots[i].x = i == c.outside ? 900.0f : 300.0f;
            c.shots[i].y = 300.0f;
        }
        BombActive = c.bomb;
        c.move(0);
        for (int i = 0; i < c.count; ++i) {
            EXPECT_EQ(c.shots[i].active == 0, c.freed[i] == 1) << i;
            if (c.shots[i].active == 0) {
                EXPECT_EQ(c.shots[i].x == kParkX, c.parks) << i;
            }
        }
    }
}

TEST_F(AimedLine, DriftingLinesSlideForTheirFirstThreeHundredUnits) {
    AngledShot* s = Stage3BossAimedLine29Shots;
    Fresh(s, 8);
    Stage3BossState.X = 100;
    Stage3BossState.Y = 0;
    PlayerX = 205 - 15;  // straight below the firing point (205, 100)
    PlayerY = 450;
    SpawnStage3BossAimedLine29(0);
    FrameSeconds = 0.5f;  // timer 130, then 260, then 390 (held at 300)
    for (int i = 0; i < 3; ++i) MoveStage3BossAimedLine29(0);
    for (int k = 0; k < 8; ++k) {
        const float v = 260.0f + 20.0f * k;
        EXPECT_NEAR(s[k].x, 205 - 2 * v / 4, 0.01) << k;          // two drifting calls, v x 0.5 / 2 each
        EXPECT_NEAR(s[k].y, 100 + 1.5f * v + 2 * v / 20, 0.01) << k;
        EXPECT_FLOAT_EQ(s[k].timer, 300);
    }
}

}  // namespace
