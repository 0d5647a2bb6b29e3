#include "game/bullets/beam.h"

#include "game/bosses/boss_state.h"
#include "game/player/player.h"
#include "game/shell/assets.h"
#include "game/state/player_state.h"
#include "tests/framework/draw/draw_fixture.h"
#include "tests/support/kept.h"

namespace {

const struct { void (*spawn)(); void (*draw)(); BeamShot* shot; int gunX; } kGroups[] = {
    {SpawnStage4BossBeam1, DrawStage4BossBeam1, &Stage4BossBeam1Shot, 36},
    {SpawnStage4BossBeam2, DrawStage4BossBeam2, &Stage4BossBeam2Shot, 254},
};

class BeamTest : public ScreenTest {
protected:
    testsupport::Kept kept_{FullScreen, PlayerX, PlayerY, PlayerAlive, BombActive, Stage4BossState,
                      Stage4BossBeam1Shot, Stage4BossBeam2Shot, ImgValarm51};
    void SetUp() override {
        ScreenTest::SetUp();
        ImgValarm51 = Sprite(360, 400, [](int x, int) { return static_cast<uint16_t>(x / 90 + 1); });
        BombActive = 1;  // the beam ignores the bomb
    }
    // Fires (or not) with the player's corner at (dx, dy) from the beam's corner
    // (boss at 200.5, 10: the beam's corner at gun x + 200, 215); 1 for a hit.
    template <class G>
    static int Fire(const G& g, float dx, float dy) {
        Stage4BossState.X = 200.5f;
        Stage4BossState.Y = 10;
        PlayerX = 200.5f + g.gunX + dx;
        PlayerY = 215 + dy;
        PlayerAlive = 1;
        g.spawn();
        return PlayerAlive == 0;
    }
    // The cell (1 to 4) drawn at the beam's corner on a black screen, 0 for none.
    template <class G>
    static int Cell(const G& g) {
        fwDraw::ClearBackBuffer();
        g.draw();
        return Px(BackSurface, 200 + g.gunX + 2, 217);
    }
};

TEST_F(BeamTest, FiresEveryFourthFrameJudgingOnlyThenOverItsBox) {
    for (const auto& g : kGroups) {
        *g.shot = BeamShot{0, -500, 2550, 0};
        for (int frame = 1; frame <= 9; ++frame) {
            EXPECT_EQ(Fire(g, 0, 0), frame % 4 == 1) << frame;
            EXPECT_EQ(Cell(g), (frame - 1) % 4 + 1) << frame;
        }
        Stage4BossState.X = 300;  // a beam that shows stays where it fired
        EXPECT_EQ(Cell(g), 2);
        const struct { float dx, dy; bool hit; } box[] = {
            {60, 220, true}, {-30, -30, true}, {61, 0, false}, {-31, 0, false}, {0, 221, false}, {0, -31, false}};
        for (const auto& b : box) {
            *g.shot = BeamShot{};
            EXPECT_EQ(Fire(g, b.dx, b.dy), b.hit) << b.dx << "," << b.dy;
        }
    }
}

TEST_F(BeamTest, FirstBeamAfterAResetStartsFromItsRandomFrameWord) {
    const struct { uint32_t frame; int cells[4]; } cases[] = {
        {1, {2, 3, 4, 0}}, {2, {3, 4, 0, 0}}, {3, {4, 0, 0, 0}}, {9, {4, 0, 0, 0}}};
    for (const auto& g : kGroups)
        for (const auto& c : cases) {
            *g.shot = BeamShot{c.frame, -500, 2550, 0};
            Fire(g, 500, 0);
            for (int cell : c.cells) EXPECT_EQ(Cell(g), cell) << c.frame;
        }
}

}  // namespace
