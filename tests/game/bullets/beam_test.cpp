#include "game/bullets/beam.h"

#include <gtest/gtest.h>

#include "game/bosses/boss_state.h"
#include "game/player/player.h"
#include "game/player/player_state.h"
#include "game/shell/assets.h"
#include "tests/framework/draw/draw_fixture.h"
#include "tests/game/bullets/kept_globals.h"

namespace {

struct Group {
    void (*spawn)();
    void (*draw)();
    BeamShot* shot;
    float gunX;
};
const Group kGroups[] = {
    {SpawnStage4BossBeam1, DrawStage4BossBeam1, &Stage4BossBeam1Shot, 36},
    {SpawnStage4BossBeam2, DrawStage4BossBeam2, &Stage4BossBeam2Shot, 254},
};

class BeamTest : public ScreenTest {
protected:
    KeptGlobals kept_{FullScreen, PlayerX, PlayerY, PlayerAlive, BombActive, Stage4BossState,
                      Stage4BossBeam1Shot, Stage4BossBeam2Shot, ImgValarm51};
    void SetUp() override {
        ScreenTest::SetUp();
        // Cell c of the strip is filled with the value c + 1.
        ImgValarm51 = Sprite(360, 400, [](int x, int) { return static_cast<uint16_t>(x / 90 + 1); });
        Stage4BossState.X = 200.5f;
        Stage4BossState.Y = 10;
        BombActive = 1;  // the beam ignores the bomb
    }
    // The cell seen at the beam's corner, drawn onto a black screen.
    static int CellDrawn(const Group& g) {
        fwDraw::ClearBackBuffer();
        g.draw();
        return Px(BackSurface, 200 + static_cast<int>(g.gunX) + 2, 215 + 2);
    }
};

TEST_F(BeamTest, FiresEveryFourthFrameJudgingOnlyThenAndShowsTheFourCells) {
    for (const Group& g : kGroups) {
        *g.shot = BeamShot{0, -500, 2550, 0};
        Stage4BossState.X = 200.5f;
        PlayerX = 200.5f + g.gunX;  // the player stands under the gun all along
        PlayerY = 215;
        for (int frame = 1; frame <= 9; ++frame) {
            PlayerAlive = 1;
            g.spawn();
            EXPECT_EQ(PlayerAlive, frame % 4 == 1 ? 0 : 1) << frame;
            EXPECT_EQ(CellDrawn(g), (frame - 1) % 4 + 1) << frame;
        }
        Stage4BossState.X = 300;  // a beam already showing stays where it fired
        EXPECT_EQ(CellDrawn(g), 2);
        Stage4BossState.X = 200.5f;
    }
}

TEST_F(BeamTest, PlayerBoxIncludesBothEnds) {
    // Player corner relative to the beam's corner, and whether the firing hits.
    const struct { float dx, dy; bool hit; } cases[] = {
        {60, 220, true}, {-30, -30, true}, {61, 0, false}, {-31, 0, false}, {0, 221, false}, {0, -31, false},
    };
    for (const Group& g : kGroups)
        for (const auto& c : cases) {
            *g.shot = BeamShot{};
            PlayerX = 200.5f + g.gunX + c.dx;
            PlayerY = 215 + c.dy;
            PlayerAlive = 1;
            g.spawn();
            EXPECT_EQ(PlayerAlive, c.hit ? 0 : 1) << c.dx << "," << c.dy;
        }
}

TEST_F(BeamTest, FirstBeamAfterAResetStartsFromItsFrameWord) {
    // frame word -> cells shown by the first beam, 0 once idle
    const struct { uint32_t frame; int cells[4]; } cases[] = {
        {1, {2, 3, 4, 0}}, {2, {3, 4, 0, 0}}, {3, {4, 0, 0, 0}}, {9, {4, 0, 0, 0}},
    };
    for (const Group& g : kGroups)
        for (const auto& c : cases) {
            *g.shot = BeamShot{c.frame, -500, 2550, 0};
            g.spawn();
            for (int cell : c.cells) EXPECT_EQ(CellDrawn(g), cell) << c.frame;
        }
}

}  // namespace
