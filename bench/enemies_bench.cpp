// Every enemy type's UpdateDraw and Move on idle records, as the stage
// scripts call them on every frame, and a full wave in flight.
#include <benchmark/benchmark.h>

#include "bench/support/screen.h"
#include "game/enemies/enemies.h"
#include "game/shell/resets.h"

namespace {

void AllIdleTypes() {
#define ENEMY_CALLS_Small(Name) \
    UpdateDraw##Name(0);        \
    Move##Name(0);
#define ENEMY_CALLS_Mid(Name) \
    UpdateDraw##Name();       \
    Move##Name();
#define ENEMY(Name, Record, Count, Shape) ENEMY_CALLS_##Shape(Name)
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
#undef ENEMY_CALLS_Small
#undef ENEMY_CALLS_Mid
}

void BM_AllEnemyTypesIdle(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    FrameSeconds = 0.016f;
    ResetGameStateA();
    for (auto _ : state) AllIdleTypes();
    state.SetItemsProcessed(state.iterations() * 44);
}
BENCHMARK(BM_AllEnemyTypesIdle);

// Every small type armed and flying (the five-slot types through their slot
// arming), re-armed as they leave.
void BM_AllEnemyTypesFlying(benchmark::State& state) {
    benchsupport::Screen screen;
    if (!screen.Up(state)) return;
    FrameSeconds = 0.016f;
    ResetGameStateA();
    for (auto _ : state) {
#define ENEMY_SPAWN_Small(Name) Spawn##Name(0);
#define ENEMY_SPAWN_Mid(Name) Spawn##Name();
#define ENEMY(Name, Record, Count, Shape) ENEMY_SPAWN_##Shape(Name)
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
        AllIdleTypes();
    }
    state.SetItemsProcessed(state.iterations() * 44);
}
BENCHMARK(BM_AllEnemyTypesFlying);

}  // namespace
