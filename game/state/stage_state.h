// The running stage script's tick and clock.
#pragma once
#include <cstdint>

extern uint32_t StageTick;
extern float StageClock;
extern int32_t StageIntro;
