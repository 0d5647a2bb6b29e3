// One whole stage frame at its busiest: a boss fight with its densest attack
// windows open and the bullets of earlier frames still in flight, the
// present included.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "framework/system/system.h"
#include "game/bosses/boss_state.h"
#include "game/player/player.h"
#include "game/shell/gamemode.h"
#include "game/shell/resets.h"
#include "game/shell/scenes.h"
#include "game/shell/shell.h"
#include "game/state/background.h"
#include "game/state/stage_state.h"
#include "platform/system.h"

namespace {

void LoadOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    plat::SetMessageBoxesShown(false);
    plat::SetExecutableDirectory(VQ_DATA_DIR);
    LoadStartupAssets();
}

struct Fight {
    void (*run)();
    uint32_t scene;
    BossState* boss;
    int32_t level;
    float clock;
    int32_t fromFrame, toFrame;  // the attack counter is held in this span
};

// Keeps the fight going: the boss alive inside its span, the player alive.
void Hold(const Fight& f) {
    f.boss->Health = 1000;
    if (f.boss->AttackFrame < f.fromFrame || f.boss->AttackFrame >= f.toFrame) f.boss->AttackFrame = f.fromFrame;
    StageClock = f.clock;
    PlayerAlive = 1;
    Paused = ContinuePrompt = 0;
    Lives = 999;
}

void RunFight(benchmark::State& state, const Fight& f) {
    LoadOnce();
    ResetNewGame();
    ResetGameStateA();
    ResetGameStateB();
    GameLevel = f.level;
    PlayMode = 1;
    SceneNumber = LastScene = f.scene;
    SceneEntered = 0;
    FrameSeconds = 0.016f;
    for (int i = 0; i < 600; ++i) {  // fill the pools first
        Hold(f);
        f.run();
    }
    for (auto _ : state) {
        Hold(f);
        f.run();
    }
}

// Stage 1, counts 2300 to 2800: all six spirals and both aimed lines at level 3.
void BM_Stage1BossFight(benchmark::State& state) {
    RunFight(state, {RunStage1, SceneStage1, &Stage1BossState, 3, 5000, 2300, 2800});
}
BENCHMARK(BM_Stage1BossFight)->Unit(benchmark::kMicrosecond);

// Stage 5, counts 2350 to 2500 at level 1: eight spirals, eight streams and a ring.
void BM_Stage5BossFight(benchmark::State& state) {
    RunFight(state, {RunStage5, SceneStage5, &Stage5BossState, 1, 5000, 2350, 2500});
}
BENCHMARK(BM_Stage5BossFight)->Unit(benchmark::kMicrosecond);

}  // namespace
