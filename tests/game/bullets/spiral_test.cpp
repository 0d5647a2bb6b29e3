#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "game/bullets/groups.h"
#include "tests/game/bullets/aimed_fixture.h"

namespace {

using aimedtest::ActiveOf;
using aimedtest::kDegree;

class Spiral : public aimedtest::AimedTest {};

// Which record the listed Emit calls arm (-1: none), from a clock at 0, and
// where the clock stands after the last call.
TEST_F(Spiral, ArmingOrderAcrossTheWrap) {
    struct Case {
        AngledShot* shots;
        int count;
        void (*emit)(int32_t);
        uint32_t* clock;
        int calls;
        std::map<int, int> armed;  // call -> record, or -1 for none
        uint32_t clockAfter;
    };
    const Case cases[] = {
        // enemy: even clock values 2..70 arm record clock / 2; wrap at 70 after the test
        {Szak53ASpiral1Shots, 36, EmitSzak53ASpiral1, reinterpret_cast<uint32_t*>(&Szak53AState.spiral1Tick), 72,
         {{1, -1}, {2, 1}, {4, 2}, {68, 34}, {70, 35}, {71, -1}, {72, 1}}, 2},
        // stage-1 boss: the 360th call restarts at 10 and arms record 0 again
        {Stage1BossSpiral1Shots, 36, EmitStage1BossSpiral1, &Stage1BossState.Emitter[0], 360,
         {{9, -1}, {10, 0}, {11, -1}, {20, 1}, {350, 34}, {359, -1}, {360, 0}}, 10},
        // stage-5 boss, groups 1 to 8: record 35 only on the restart call, record 1 ten calls later
        {Stage5BossSpiral3Shots, 36, EmitStage5BossSpiral3, &Stage5BossState.Emitter[2], 370,
         {{10, -1}, {19, -1}, {20, 1}, {30, 2}, {350, 34}, {360, 35}, {370, 1}}, 20},
        // groups 9 and 10: one bullet a call, none at a whole turn; record 107 on the restart call
        {Stage5BossSpiral10Shots, 108, EmitStage5BossSpiral10, &Stage5BossState.Emitter[9], 110,
         {{1, -1}, {2, 1}, {36, 35}, {37, -1}, {38, 37}, {72, 71}, {73, -1}, {74, 73}, {107, 106}, {108, 107}, {109, -1}, {110, 1}}, 2},
    };
    for (const Case& c : cases) {
        Fresh(c.shots, c.count);
        *c.clock = 0;
        for (int call = 1; call <= c.calls; ++call) {
            c.emit(0);
            const std::vector<int> armed = ActiveOf(c.shots, c.count);
            const auto due = c.armed.find(call);
            if (due != c.armed.end() && due->second < 0) {
                EXPECT_TRUE(armed.empty()) << "call " << call;
            } else if (due != c.armed.end()) {
                ASSERT_EQ(armed.size(), 1u) << "call " << call;
                EXPECT_EQ(armed[0], due->second) << "call " << call;
            }
            for (int i = 0; i < c.count; ++i) c.shots[i].active = 0;
        }
        EXPECT_EQ(*c.clock, c.clockAfter);
    }
}

// Odd groups store -k steps and fly against them, even groups the mirror.
TEST_F(Spiral, MirrorsTurnOppositeWays) {
    struct Case {
        AngledShot* shots;
        void (*spawn)(int32_t);
        void (*move)(int32_t);
        int record;
        double angleDegrees;
        float dx, dy;  // direction of travel
    };
    const double c10 = std::cos(10 * kDegree), s10 = std::sin(10 * kDegree);
    const Case cases[] = {
        {Stage5BossSpiral1Shots, SpawnStage5BossSpiral1, MoveStage5BossSpiral1, 1, -10, float(-c10), float(s10)},
        {Stage5BossSpiral2Shots, SpawnStage5BossSpiral2, MoveStage5BossSpiral2, 1, 10, float(c10), float(s10)},
        {Stage5BossSpiral1Shots, SpawnStage5BossSpiral1, MoveStage5BossSpiral1, 9, -90, 0, 1},
        {Szak53ASpiral2Shots, SpawnSzak53ASpiral2, MoveSzak53ASpiral2, 27, 270, 0, -1},
    };
    for (const Case& c : cases) {
        Fresh(c.shots, 36);
        Stage5BossState.X = Szak53AState.x = 200;
        Stage5BossState.Y = Szak53AState.y = 100;
        c.spawn(c.record);
        const float x0 = c.shots[c.record].x, y0 = c.shots[c.record].y;
        FrameSeconds = 0.1f;
        c.move(0);
        EXPECT_NEAR(c.shots[c.record].angle, c.angleDegrees * kDegree, 1e-5);
        EXPECT_NEAR(c.shots[c.record].x - x0, 11.0f * c.dx, 1e-3);
        EXPECT_NEAR(c.shots[c.record].y - y0, 11.0f * c.dy, 1e-3);
    }
}

}  // namespace
