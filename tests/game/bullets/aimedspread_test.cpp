#include <gtest/gtest.h>

#include "game/bullets/groups.h"
#include "tests/game/bullets/aimed_fixture.h"

namespace {

using aimedtest::ActiveOf;
using aimedtest::kDegree;

class AimedSpread : public aimedtest::AimedTest {};

TEST_F(AimedSpread, FanHeadingsAroundTheAimLine) {
    struct Case {
        AngledShot* shots;
        int count;
        void (*emit)(int32_t);
        int calls;           // calls to the first volley
        float ownerX, ownerY;
        float playerX, playerY;
        float x, y;          // spawn point
        double first;        // heading of the first bullet, degrees
        int bullets;
    };
    const Case cases[] = {
        {Szak51AimedSpread1Shots, 25, EmitSzak51AimedSpread1, 40, 300, 100, 390, 400, 405, 230, 66, 5},
        {Szak51AimedSpread2Shots, 15, EmitSzak51AimedSpread2, 20, 300, 100, 310, 400, 325, 230, 66, 3},
        // seven bullets straight down from the boss: 90 - 36 to 90 + 36
        {Stage1BossAimedSpread3Shots, 35, EmitStage1BossAimedSpread3, 30, 100, 0, 290, 400, 310, 130, 54, 7},
    };
    for (const Case& c : cases) {
        Fresh(c.shots, c.count);
        Szak51State.x = Stage1BossState.X = c.ownerX;
        Szak51State.y = Stage1BossState.Y = c.ownerY;
        PlayerX = c.playerX;
        PlayerY = c.playerY;
        for (int i = 0; i < c.calls; ++i) c.emit(0);
        ASSERT_EQ(ActiveOf(c.shots, c.count).size(), static_cast<size_t>(c.bullets));
        for (int b = 0; b < c.bullets; ++b) {
            EXPECT_FLOAT_EQ(c.shots[b].x, c.x);
            EXPECT_FLOAT_EQ(c.shots[b].y, c.y);
            EXPECT_NEAR(c.shots[b].angle, (c.first + 12 * b) * kDegree, 1e-5) << b;
        }
    }
}

TEST_F(AimedSpread, VolleysComeDueOnTheirTicksAcrossTheWrap) {
    struct Case {
        AngledShot* shots;
        int count, per;
        void (*emit)(int32_t);
        int call;     // the call that arms...
        int volley;   // ...this volley, and nothing else
    };
    const Case cases[] = {
        {Szak52AAimedSpread1Shots, 25, 5, EmitSzak52AAimedSpread1, 40, 0},
        {Szak52AAimedSpread1Shots, 25, 5, EmitSzak52AAimedSpread1, 300, 0},   // wrap 260
        {Szak52AAimedSpread2Shots, 15, 3, EmitSzak52AAimedSpread2, 100, 4},   // the tick equal to the wrap
        {Szak52AAimedSpread2Shots, 15, 3, EmitSzak52AAimedSpread2, 120, 0},
        {Stage4BossAimedSpread1Shots, 35, 7, EmitStage4BossAimedSpread1, 150, 4},
        {Stage3BossAimedSpread22Shots, 15, 3, EmitStage3BossAimedSpread22, 90, 2},
    };
    for (const Case& c : cases) {
        Fresh(c.shots, c.count);
        for (int i = 1; i < c.call; ++i) {
            c.emit(0);
            for (int r = 0; r < c.count; ++r) c.shots[r].active = 0;  // keep every record free
        }
        c.emit(0);
        const std::vector<int> armed = ActiveOf(c.shots, c.count);
        ASSERT_EQ(armed.size(), static_cast<size_t>(c.per)) << c.call;
        EXPECT_EQ(armed.front(), c.volley * c.per) << c.call;
    }
}

TEST_F(AimedSpread, RetiresBeyondStrictBoundsOrUnderTheBombAndHitsInsideTheBox) {
    Fresh(Stage3BossAimedSpread1Shots, 15);
    AngledShot* s = Stage3BossAimedSpread1Shots;
    FrameSeconds = 0.0f;
    PlayerX = 100;
    PlayerY = 100;
    struct Case {
        float x, y;
        int bomb;
        bool flies;
        bool hits;
    };
    const Case cases[] = {
        {800, 300, 0, true, false},  {800.5f, 300, 0, false, false}, {-40, -40, 0, true, false},
        {-40.5f, 0, 0, false, false}, {300, 600, 0, true, false},    {300, 300, 1, false, false},
        {90, 100, 0, true, true},     {130, 130, 0, true, true},     {89.5f, 110, 0, true, false},
    };
    for (const Case& c : cases) {
        s[0] = AngledShot{};
        s[0].active = 1;
        s[0].x = c.x;
        s[0].y = c.y;
        BombActive = c.bomb;
        PlayerAlive = 1;
        MoveStage3BossAimedSpread1(0);
        EXPECT_EQ(s[0].active != 0, c.flies) << c.x << "," << c.y;
        if (!c.flies) {
            EXPECT_EQ(s[0].x, kParkX);
        }
        EXPECT_EQ(PlayerAlive == 0, c.hits) << c.x << "," << c.y;
    }
}

}  // namespace

namespace {

// Draw walks free records too: the strips' frames advance on every record
// and wrap at the strip's length; the big rotated fan keeps its degrees.
TEST_F(AimedSpread, DrawAdvancesEveryRecordAndKeepsTheDegrees) {
    Fresh(Stage1BossAimedSpread2Shots, 25);
    Fresh(Stage1BossAimedSpread1Shots, 25);
    Fresh(Szak52CAimedSpread1Shots, 25);
    Stage1BossAimedSpread2Shots[3].frame = 23;
    Szak52CAimedSpread1Shots[3].frame = 15;
    Stage1BossAimedSpread1Shots[4].angle = static_cast<float>(90 * kDegree);
    DrawStage1BossAimedSpread2(0);
    DrawStage1BossAimedSpread1(0);
    DrawSzak52CAimedSpread1(0);
    EXPECT_EQ(Stage1BossAimedSpread2Shots[0].frame, 1u);
    EXPECT_EQ(Stage1BossAimedSpread2Shots[3].frame, 0u);  // 24 cells
    EXPECT_EQ(Szak52CAimedSpread1Shots[3].frame, 0u);     // 16 cells
    EXPECT_EQ(Stage1BossAimedSpread1Shots[4].drawAngle, 90u);
}

}  // namespace
