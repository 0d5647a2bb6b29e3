#include <gtest/gtest.h>

#include "game/bullets/groups.h"
#include "tests/game/bullets/aimed_fixture.h"

namespace {

using aimedtest::ActiveOf;
using aimedtest::kDegree;

class TripleSpiral : public aimedtest::AimedTest {};

TEST_F(TripleSpiral, EachShotIsThreeBulletsAndTheFastRingsRetireSooner) {
    AngledShot* s = Stage1BossTripleSpiral2Shots;
    Fresh(s, 108);
    Stage1BossState.Emitter[7] = 0;
    Stage1BossState.X = 100;
    Stage1BossState.Y = 0;
    for (int i = 0; i < 20; ++i) EmitStage1BossTripleSpiral2(0);  // slots 0 and 1
    EXPECT_EQ(ActiveOf(s, 108), (std::vector<int>{0, 1, 36, 37, 72, 73}));
    EXPECT_FLOAT_EQ(s[1].speed, 110);
    EXPECT_FLOAT_EQ(s[37].speed, 120);
    EXPECT_FLOAT_EQ(s[73].speed, 130);
    EXPECT_NEAR(s[37].angle, 370 * kDegree, 1e-5);
    FrameSeconds = 0.0f;
    s[0].x = s[36].x = s[72].x = 700;  // past 640, within 800
    MoveStage1BossTripleSpiral2(0);
    EXPECT_EQ(s[0].active, 1u);
    EXPECT_EQ(s[36].active, 0u);
    EXPECT_EQ(s[72].active, 0u);
}

}  // namespace
