// The player's state that the whole game reads.
#pragma once
#include <cstdint>

extern float PlayerX;  // top-left of the 60 x 70 ship sprite
extern float PlayerY;
extern int32_t PlayerAlive;
extern int32_t Score;
extern int32_t HiScore;
extern int32_t Lives;
extern int32_t BombCharges;

// The ship's motion: velocity in pixels per second, set afresh each frame,
// and the bank frame 0..6 (3 is level) with the way it steps.
extern float PlayerVelX;
extern float PlayerVelY;
extern int32_t PlayerBank;
extern int32_t PlayerBankDir;
extern int32_t RespawnFrame;  // frames of the respawn phase, 0..249

// The burst's counters: only BurstFrame is used; the stream flags and frames
// are set at the burst's start and read by nothing.
extern int32_t BurstFrame;
extern int32_t BurstStreamOn[3];
extern int32_t BurstStreamFrame[3];
extern int32_t RingBombFrame;

// The power-up: on once an item has been taken; the items spawned since the
// new game or the last death.
extern int32_t PowerUp;
extern int32_t PowerUp2;
extern int32_t ItemsSpawned;
