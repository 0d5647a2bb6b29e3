// Boss tests: every global that the bodies, the defeat and its resets write
// and the tests read is saved and put back.
#pragma once
#include <cstring>
#include <vector>

#include "framework/sound/midi.h"
#include "framework/system/random.h"
#include "game/bosses/boss_parts.h"
#include "game/bosses/bosses.h"
#include "game/bosses/lock_sets.h"
#include "game/player/player.h"
#include "game/shell/assets.h"
#include "game/shell/shell.h"
#include "game/state/player_state.h"
#include "game/state/stage_state.h"
#include "tests/framework/draw/draw_fixture.h"
#include "tests/support/kept.h"

class KeptGlobals : public testsupport::Kept {
public:
    KeptGlobals() {
#define BOSS(N) Keep(N##State), Keep(N##BigBlasts), Keep(N##SmallBlasts), Keep(N##LockSetA), Keep(N##LockSetB);
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
        Keep(Stage1BossFlyby), Keep(Stage2BossEntryPicture), Keep(Stage4BossEntryPicture), Keep(UnusedBossPart);
        Keep(UnusedBossPool7A), Keep(UnusedBossPool7B), Keep(UnusedBossPool7C), Keep(UnusedBossPool7D);
        Keep(UnusedBossPool7E), Keep(UnusedBossPool4A), Keep(UnusedBossPool4B), Keep(UnusedBossPool4C);
        for (auto* p : {&ImgBoss11, &ImgBoss31, &ImgBoss41, &ImgBoss51, &ImgBoss61, &ImgBoss71, &ImgBos111,
                        &ImgBos511, &ImgZbak3B, &ImgZbak4B, &ImgRock1, &ImgBbak1B, &ImgZbak1B, &ImgAltStage2Boss,
                        &ImgAltStage5Boss, &TransitionPattern, &TransitionPitch, &TransitionStep, &TransitionDir,
                        &StageIntro, &MidiOpen, &Score, &Lives, &PlayerAlive, &BombActive})
            Keep(*p);
        Keep(FrameSeconds), Keep(SceneNumber), Keep(LastScene), Keep(NextScene), Keep(StageTick);
        Keep(StageClock), Keep(rng::Seed), Keep(PlayerX), Keep(PlayerY);
    }
};

class BossTest : public ::testing::Test {
    KeptGlobals kept_;
};

// On an 800 x 600 screen whose pictures are painted so that a pixel tells
// which picture and which cell was drawn there; every blast parked.
class BossScreenTest : public ScreenTest {
protected:
    static constexpr uint16_t kSprite = 0x1111, kEntry = 0x1222, kMarker = 0x4444;
    static constexpr uint16_t Smoke3(int f) { return static_cast<uint16_t>(0x2000 + f); }
    static constexpr uint16_t Smoke4(int f) { return static_cast<uint16_t>(0x3000 + f); }
    static constexpr uint16_t Small(int f) { return static_cast<uint16_t>(0x6000 + f); }

    void SetUp() override {
        ScreenTest::SetUp();
        const int sprite = Sprite(500, 460, [](int, int) { return kSprite; });
        for (auto* p : {&ImgBoss11, &ImgBoss31, &ImgBoss41, &ImgBoss51, &ImgBoss61, &ImgBoss71}) *p = sprite;
        ImgBos111 = ImgBos511 = Sprite(480, 480, [](int, int) { return kEntry; });
        ImgZbak3B = Sprite(800, 80, [](int x, int) { return Smoke3(x / 80); });
        ImgZbak4B = Sprite(800, 80, [](int x, int) { return Smoke4(x / 80); });
        ImgRock1 = Sprite(60, 60, [](int, int) { return kMarker; });
        ImgBbak1B = Sprite(640, 160, [](int x, int) { return static_cast<uint16_t>(0x5000 + x / 160); });
        ImgZbak1B = Sprite(600, 60, [](int x, int) { return Small(x / 60); });
        ImgAltStage2Boss = ImgAltStage5Boss = 0;
#define BOSS(N) \
    for (auto& b : N##BigBlasts) b = {0, -500, 2550}; \
    for (auto& b : N##SmallBlasts) b = {0, -500, 2550};
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
        fwDraw::ClearBackBuffer();
    }
    uint16_t At(int x, int y) { return Px(BackSurface, x, y); }

    KeptGlobals kept_;
};
