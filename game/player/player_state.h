// The player's state that the whole game reads.
#pragma once
#include <cstdint>

extern float PlayerX;
extern float PlayerY;
extern int32_t PlayerAlive;
extern int32_t Score;
extern int32_t HiScore;
extern int32_t Lives;
extern int32_t BombCharges;
