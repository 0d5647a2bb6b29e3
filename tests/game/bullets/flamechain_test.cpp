#include "game/bullets/flamechain.h"

#include <gtest/gtest.h>

#include <cmath>

#include "framework/system/random.h"
#include "game/bosses/boss_state.h"
#include "game/player/player.h"
#include "game/player/player_state.h"
#include "tests/framework/draw/draw_fixture.h"
#include "tests/game/bullets/kept_globals.h"

namespace {

struct Group {
    void (*spawn)(int32_t);
    void (*move)(int32_t);
    void (*draw)(int32_t);
    AngledShot* points;
    float launchX;
    double turnDegrees;
};
#define OPS(G) Spawn##G, Move##G, Draw##G, G##Shots
const Group kGroups[] = {
    {OPS(AltStage4BossFlameChain1), 205, -12}, {OPS(AltStage4BossFlameChain2), 245, 12},
    {OPS(AltStage4BossFlameChain3), 205, -24}, {OPS(AltStage4BossFlameChain4), 245, 24},
    {OPS(AltStage4BossFlameChain5), 205, -36}, {OPS(AltStage4BossFlameChain6), 245, 36},
};
constexpr double kPi = 3.14159265358979323846;

#define POINTS(G, ...) , G##Shots
class FlameChainTest : public ScreenTest {
protected:
    KeptGlobals kept_{FullScreen, FrameSeconds, PlayerX, PlayerY, PlayerAlive, BombActive, rng::Seed,
                      AltStage4BossState FLAMECHAIN_GROUPS(POINTS)};
    void SetUp() override {
        ScreenTest::SetUp();
        AltStage4BossState.X = 100;
        AltStage4BossState.Y = 50;
        BombActive = 1;  // streaks fly on through the bomb
        PlayerAlive = 1;
        PlayerX = 0;
        PlayerY = 0;
    }
    static void Idle(const Group& g) {
        for (int i = 0; i < kFlameChainPoints; ++i) g.points[i] = AngledShot{0, 0, 0, -500, 2550, 0, 0, 0, 0, 0, 0, 0, 0};
    }
};

TEST_F(FlameChainTest, LaunchesSixGradedPointsTurnedFromTheAim) {
    // Aim point (player corner + 25) relative to the launch point -> heading before the turn.
    const struct { float dx, dy; double heading; } aims[] = {
        {0, 300, kPi / 2}, {0, 0, 3 * kPi / 2}, {0, -10, 3 * kPi / 2}, {100, 100, kPi / 4}, {-100, 100, 3 * kPi / 4},
    };
    for (const Group& g : kGroups)
        for (const auto& a : aims) {
            Idle(g);
            PlayerX = 100 + g.launchX + a.dx - 25;
            PlayerY = 50 + 150 + a.dy - 25;
            g.spawn(0);
            for (int i = 0; i < kFlameChainPoints; ++i) {
                const AngledShot& p = g.points[i];
                EXPECT_EQ(p.active, 1u);
                EXPECT_FLOAT_EQ(p.x, 100 + g.launchX);
                EXPECT_FLOAT_EQ(p.y, 200);
                EXPECT_FLOAT_EQ(p.speed, 260 + 20 * i);
                EXPECT_NEAR(p.angle, a.heading + g.turnDegrees * kPi / 180, 1e-6) << a.dx << "," << a.dy;
            }
        }
}

TEST_F(FlameChainTest, RetiresAllPointsOnlyWhenTheRearPointPassesTheScreenEdge) {
    FrameSeconds = 0;
    const struct { float x, y; bool flies; } rears[] = {
        {800, 600, true}, {-20, -20, true}, {800.5f, 300, false}, {300, 600.5f, false},
        {-20.5f, 300, false}, {300, -20.5f, false},
    };
    for (const Group& g : kGroups)
        for (const auto& r : rears) {
            Idle(g);
            g.spawn(0);
            for (int i = 1; i < kFlameChainPoints; ++i) g.points[i].x = g.points[i].y = 300;
            g.points[0].x = r.x;
            g.points[0].y = r.y;
            g.move(0);
            for (int i = 0; i < kFlameChainPoints; ++i) EXPECT_EQ(g.points[i].active, r.flies ? 1u : 0u);
            EXPECT_FLOAT_EQ(g.points[5].x, 300);  // retired points keep their place
        }
}

TEST_F(FlameChainTest, MovesAlongTheHeadingAndHitsAtTheBoxEdges) {
    const Group& g = kGroups[0];
    Idle(g);
    g.spawn(0);
    FrameSeconds = 0.5f;
    g.points[3].angle = static_cast<float>(kPi / 2);  // straight down at 320 px/s
    g.move(0);
    EXPECT_NEAR(g.points[3].x, 305, 1e-3);
    EXPECT_FLOAT_EQ(g.points[3].y, 360);
    FrameSeconds = 0;
    const struct { float dx, dy; bool hit; } touches[] = {{10, 20, true}, {30, 30, true}, {9, 25, false}, {20, 31, false}};
    for (const auto& t : touches) {
        PlayerAlive = 1;
        PlayerX = g.points[3].x - t.dx;
        PlayerY = g.points[3].y - t.dy;
        g.move(0);
        EXPECT_EQ(PlayerAlive, t.hit ? 0 : 1) << t.dx << "," << t.dy;
        EXPECT_EQ(g.points[3].active, 1u);
    }
}

TEST_F(FlameChainTest, DrawTakesTwoRandomsEveryFrameAndStrokesFiveWideningSegments) {
    for (const Group& g : kGroups) {
        Idle(g);
        rng::srand(77);
        int r[8];
        for (int& v : r) v = rng::rand();
        rng::srand(77);
        g.draw(0);
        g.draw(0);
        g.draw(0);  // idle: draws nothing, takes two numbers each
        EXPECT_EQ(rng::rand(), r[6]);
        EXPECT_EQ(Px(BackSurface, 0, 0), 0);

        g.spawn(0);
        for (int i = 0; i < kFlameChainPoints; ++i) g.points[i].x = 200 + 40 * i, g.points[i].y = 300;
        fwDraw::ClearBackBuffer();
        rng::srand(5);
        const int a = rng::rand() % 100, b = rng::rand() % 100;
        rng::srand(5);
        g.draw(0);
        const int greens[] = {230, 220, 210, 200, 230};
        for (int k = 0; k < 5; ++k) {
            int width = 0;
            for (int y = 280; y <= 320; ++y) width += Px(BackSurface, 220 + 40 * k, y) != 0;
            EXPECT_EQ(width, 5 + k) << k;
            EXPECT_EQ(Px(BackSurface, 220 + 40 * k, 300), testsupport::Pixel565(250 - a, greens[k] - b, 5)) << k;
        }
    }
}

}  // namespace
