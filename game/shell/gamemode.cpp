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
    NAMED_SCALAR(GameLevel);
    NAMED_SCALAR(PlayMode);
    NAMED_SCALAR(PlaySubMode);
    NAMED_SCALAR(MouseControl);
    NAMED_SCALAR(KeyboardControl);
    NAMED_SCALAR(PlainBackground);
    NAMED_SCALAR(DeathSequenceOff);
    NAMED_SCALAR(AdditiveEffects);
    NAMED_SCALAR(Paused);
    NAMED_SCALAR(ContinuePrompt);
    NAMED_SCALAR(GameOver);
    NAMED_SCALAR(ShipType);
    NAMED_SCALAR(AutoFire);
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
