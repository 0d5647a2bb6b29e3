#include <gtest/gtest.h>

#include <cmath>

#include "game/bullets/groups.h"
#include "tests/game/bullets/aimed_fixture.h"

namespace {

using aimedtest::ActiveOf;
using aimedtest::kPi;

class AimedRing : public aimedtest::AimedTest {};

// The player straight below the spawn point: every ring holds the headings
// pi/2 + j x (full turn / N), its head on the aim line; the second ring
// repeats the first because the turn runs on the whole index.
TEST_F(AimedRing, RingsCoverTheCircleFromTheAimLine) {
    struct Case {
        AngledShot* shots;
        int count, per;
        void (*emit)(int32_t);
        int calls;  // to arm rings 0 and 1
        float ox, oy;
    };
    const Case cases[] = {
        {Szak52CAimedRing1Shots, 120, 12, EmitSzak52CAimedRing1, 120, 92, 32},
        {Stage5BossAimedRing1Shots, 200, 20, EmitStage5BossAimedRing1, 60, 220, 220},
        {Stage3BossAimedRing1Shots, 72, 12, EmitStage3BossAimedRing1, 60, 110, 130},
    };
    for (const Case& c : cases) {
        Fresh(c.shots, c.count);
        Szak52CState.x = Stage5BossState.X = Stage3BossState.X = 100;
        Szak52CState.y = Stage5BossState.Y = Stage3BossState.Y = 0;
        PlayerX = 100 + c.ox - 20;
        PlayerY = 500;
        for (int i = 0; i < c.calls; ++i) c.emit(0);
        ASSERT_EQ(ActiveOf(c.shots, c.count).size(), static_cast<size_t>(2 * c.per));
        for (int i = 0; i < 2 * c.per; ++i) {
            const double expected = kPi / 2 + (i % c.per) * (2 * kPi / c.per) + (i / c.per) * 2 * kPi;
            EXPECT_NEAR(c.shots[i].angle, expected, 1e-4) << i;
            EXPECT_NEAR(std::remainder(c.shots[i].angle - c.shots[i % c.per].angle, 2 * kPi), 0, 1e-4);
            EXPECT_FLOAT_EQ(c.shots[i].x, 100 + c.ox);
            EXPECT_FLOAT_EQ(c.shots[i].y, c.oy);
        }
    }
}

TEST_F(AimedRing, LastRingFiresOnTheRestartCall) {
    AngledShot* s = Stage5BossAimedRing4Shots;
    Fresh(s, 300);
    for (int call = 1; call <= 110; ++call) {
        EmitStage5BossAimedRing4(0);
        const std::vector<int> armed = ActiveOf(s, 300);
        const int expectRing = call <= 100 ? (call % 10 == 0 ? call / 10 - 1 : -1) : (call == 110 ? 0 : -1);
        if (expectRing < 0) {
            EXPECT_TRUE(armed.empty()) << call;
        } else {
            ASSERT_EQ(armed.size(), 30u) << call;
            EXPECT_EQ(armed.front(), 30 * expectRing) << call;
            EXPECT_EQ(s[0].counter, call == 100 ? 0u : static_cast<uint32_t>(call % 100));
        }
        for (int i = 0; i < 300; ++i) s[i].active = 0;
    }
}

}  // namespace
