// Game-mode globals read across the game.
#pragma once
#include <cstdint>

extern int32_t GameLevel;
extern int32_t PlayMode;
extern int32_t PlaySubMode;
extern int32_t MouseControl;
extern int32_t KeyboardControl;
extern int32_t PlainBackground;
extern int32_t DeathSequenceOff;
extern int32_t AdditiveEffects;
extern int32_t Paused;
extern int32_t ContinuePrompt;
extern int32_t GameOver;
extern int32_t ShipType;
extern int32_t AutoFire;

// The options the title restores: no plain background, keyboard control,
// additive effects, the death sequence on, no ship chosen.
void SetTitleDefaults();
