#include "game/bullets/flamechain.h"

#include <numbers>

#include "framework/system/random.h"
#include "game/bosses/boss_state.h"
#include "game/player/player.h"
#include "game/state/player_state.h"
#include "tests/framework/draw/draw_fixture.h"
#include "tests/support/kept.h"

namespace {

#define OPS(G) Spawn##G, Move##G, Draw##G, G##Shots
const struct { void (*spawn)(int32_t); void (*move)(int32_t); void (*draw)(int32_t); AngledShot* p; float launchX;
               double turnDegrees; } kGroups[] = {
    {OPS(AltStage4BossFlameChain1), 205, -12}, {OPS(AltStage4BossFlameChain2), 245, 12},
    {OPS(AltStage4BossFlameChain3), 205, -24}, {OPS(AltStage4BossFlameChain4), 245, 24},
    {OPS(AltStage4BossFlameChain5), 205, -36}, {OPS(AltStage4BossFlameChain6), 245, 36},
};
constexpr double kPi = std::numbers::pi;

#define POINTS(G, ...) , G##Shots
class FlameChainTest : public ScreenTest {
protected:
    testsupport::Kept kept_{FullScreen, FrameSeconds, PlayerX, PlayerY, PlayerAlive, BombActive, rng::Seed,
                      AltStage4BossState FLAMECHAIN_GROUPS(POINTS)};
    void SetUp() override {
        ScreenTest::SetUp();
        AltStage4BossState.X = 100;
        AltStage4BossState.Y = 50;  // launch at (boss x + 205 or 245, 200)
        BombActive = 1;             // streaks fly on through the bomb
        FrameSeconds = 0;
    }
    template <class G>
    static void Launch(const G& g, float aimDx, float aimDy) {
        for (int i = 0; i < kFlameChainPoints; ++i) g.p[i] = AngledShot{0, 0, 0, -500, 2550, 0, 0, 0, 0, 0, 0, 0, 0};
        PlayerX = 100 + g.launchX + aimDx - 25;  // the aim point is the player's corner + 25
        PlayerY = 200 + aimDy - 25;
        g.spawn(0);
    }
};

TEST_F(FlameChainTest, LaunchesSixGradedPointsTurnedFromTheAimAndHitsAtTheBoxEdges) {
    const struct { float dx, dy; double heading; } aims[] = {
        {0, 300, kPi / 2}, {0, 0, 3 * kPi / 2}, {100, 100, kPi / 4}, {-100, 100, 3 * kPi / 4}};
    for (const auto& g : kGroups) {
        for (const auto& a : aims) {
            Launch(g, a.dx, a.dy);
            for (int i = 0; i < kFlameChainPoints; ++i) {
                EXPECT_EQ(g.p[i].active * 1000 + g.p[i].x * 10 + g.p[i].y, 1000 + (100 + g.launchX) * 10 + 200);
                EXPECT_FLOAT_EQ(g.p[i].speed, 260 + 20 * i);
                EXPECT_NEAR(g.p[i].angle, a.heading + g.turnDegrees * kPi / 180, 1e-6) << a.dx << "," << a.dy;
            }
        }
        FrameSeconds = 0.5f;
        g.p[3].angle = static_cast<float>(kPi / 2);  // straight down at 320 px/s
        g.move(0);
        EXPECT_FLOAT_EQ(g.p[3].y, 360);
        FrameSeconds = 0;
        const struct { float dx, dy; bool hit; } box[] = {{10, 20, true}, {30, 30, true}, {9, 25, false}, {20, 31, false}};
        for (const auto& b : box) {
            PlayerAlive = 1;
            PlayerX = g.p[3].x - b.dx;
            PlayerY = g.p[3].y - b.dy;
            g.move(0);
            EXPECT_EQ(PlayerAlive, b.hit ? 0 : 1) << b.dx << "," << b.dy;
            EXPECT_EQ(g.p[3].active, 1u);
        }
    }
}

TEST_F(FlameChainTest, AllPointsRetireOnlyWhenTheRearPointPassesTheScreenEdge) {
    const struct { float x, y; bool flies; } rears[] = {{800, 600, true},     {-20, -20, true},       {800.5f, 300, false},
                                                        {300, 600.5f, false}, {-20.5f, 300, false}, {300, -20.5f, false}};
    for (const auto& g : kGroups)
        for (const auto& r : rears) {
            Launch(g, 0, 100);
            for (int i = 1; i < kFlameChainPoints; ++i) g.p[i].x = g.p[i].y = 300;
            g.p[0].x = r.x;
            g.p[0].y = r.y;
            g.move(0);
            for (int i = 0; i < kFlameChainPoints; ++i) EXPECT_EQ(g.p[i].active, r.flies ? 1u : 0u);
            EXPECT_FLOAT_EQ(g.p[5].x, 300);  // retired points keep their place
        }
}

TEST_F(FlameChainTest, DrawTakesTwoRandomsEveryFrameAndStrokesFiveWideningSegments) {
    const int greens[] = {230, 220, 210, 200, 230};
    for (const auto& g : kGroups) {
        for (int i = 0; i < kFlameChainPoints; ++i) g.p[i].active = 0;
        rng::srand(77);
        for (int frame = 0; frame < 3; ++frame) g.draw(0);  // idle
        const uint32_t seed = rng::Seed;
        rng::srand(77);
        for (int n = 0; n < 6; ++n) rng::rand();
        EXPECT_EQ(rng::Seed, seed);

        Launch(g, 0, 100);
        for (int i = 0; i < kFlameChainPoints; ++i) g.p[i].x = 200 + 40 * i, g.p[i].y = 300;
        fwDraw::ClearBackBuffer();
        rng::srand(5);
        const int a = rng::rand() % 100, b = rng::rand() % 100;
        rng::srand(5);
        g.draw(0);
        for (int k = 0; k < 5; ++k) {
            int width = 0;
            for (int y = 280; y <= 320; ++y) width += Px(BackSurface, 220 + 40 * k, y) != 0;
            EXPECT_EQ(width, 5 + k) << k;
            EXPECT_EQ(Px(BackSurface, 220 + 40 * k, 300), testsupport::Pixel565(250 - a, greens[k] - b, 5)) << k;
        }
    }
}

}  // namespace
