#include "game/state/stage_state.h"

#include "framework/system/named.h"
#include "game/shell/resets.h"

uint32_t StageTick;
float StageClock;
int32_t StageIntro;

namespace {
named::Registrar reg([] {
    NAMED_SCALAR(StageTick);
    NAMED_SCALAR(StageClock);
    NAMED_SCALAR(StageIntro);
});
resets::Step resetA(resets::PhaseA, resets::RankStageState, [] {
    StageTick = 0;
    StageClock = 0.0f;
    StageIntro = 0;
});
}  // namespace
