#include "game/shell/gamemode.h"

#include "framework/system/named.h"

int32_t GameLevel;
int32_t PlayMode;
int32_t PlaySubMode;
int32_t MouseControl;
int32_t KeyboardControl;
int32_t PlainBackground;
int32_t DeathSequenceOff;
int32_t AdditiveEffects;
int32_t Paused;
int32_t ContinuePrompt;
int32_t GameOver;
int32_t ShipType;
int32_t AutoFire;

namespace {
named::Registrar reg([] {
    named::Scalar("GameLevel", &GameLevel);
    named::Scalar("PlayMode", &PlayMode);
    named::Scalar("PlaySubMode", &PlaySubMode);
    named::Scalar("MouseControl", &MouseControl);
    named::Scalar("KeyboardControl", &KeyboardControl);
    named::Scalar("PlainBackground", &PlainBackground);
    named::Scalar("DeathSequenceOff", &DeathSequenceOff);
    named::Scalar("AdditiveEffects", &AdditiveEffects);
    named::Scalar("Paused", &Paused);
    named::Scalar("ContinuePrompt", &ContinuePrompt);
    named::Scalar("GameOver", &GameOver);
    named::Scalar("ShipType", &ShipType);
    named::Scalar("AutoFire", &AutoFire);
});
}  // namespace

void SetTitleDefaults() {
    PlainBackground = 0;
    MouseControl = 0;
    KeyboardControl = 1;
    AdditiveEffects = 1;
    DeathSequenceOff = 0;
    ShipType = 0;
}
