#include "framework/draw/draw.h"
#include "framework/system/named.h"
#include "framework/system/system.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"
#include "game/shell/resets.h"
#include "game/shell/scenes.h"
#include "game/shell/shell.h"
#include "platform/clock.h"
#include "platform/window.h"

int32_t ImgMyme;

namespace {

named::Registrar reg([] { NAMED_SCALAR(ImgMyme); });

// The common frame of the menu screens: one 440 x 480 picture in the playfield.
void ShowMenuPicture(int32_t image) {
    fwDraw::ClearBackBuffer();
    fwDraw::BltObject(180, 60, image, 0, 0, 440, 480);
    fwDraw::SetWaitVBlank(1);
    fwDraw::Present();
    plat::Sleep(20);
}

// Loads the ship picture into its own record the first time and back into
// that record on every later visit, so that the visits never fill the table.
void LoadShipPicture(const char* path) {
    if (ImgMyme > 0)
        fwDraw::SwapObject(path, ImgMyme, 1);
    else
        ImgMyme = fwDraw::LoadObject(path, 1);
}

// Enter on the title: the resets and play modes of a new game.
void NewGameFromTitle() {
    ResetNewGame();
    ResetGameStateA();
    ResetGameStateB();
    PlayMode = 1;
    PlaySubMode = 0;
    PlainBackground = 0;
}

// The level select's entry: the first ship and its picture.
void TakeFirstShip() {
    LoadShipPicture("IMAGE/MYME1.BMP");
    ShipType = 1;
}

// F1 or F2 on the level select: the resets once more and the level.
void ResetForLevel(int level) {
    ResetGameStateA();
    ResetGameStateB();
    ResetNewGame();
    GameLevel = level;
}

void StartStage1(int level) {
    ResetForLevel(level);
    ChangeScene(SceneStage1, 3, 26);
}

}  // namespace

void SetUpNewGame(int level) {
    SetTitleDefaults();
    NewGameFromTitle();
    TakeFirstShip();
    ResetForLevel(level);
}

void RunTitle() {
    if (SceneEntered) SetTitleDefaults();
    ShowMenuPicture(ImgTitlec);
    if (LastKey == plat::VK_RETURN) {
        NewGameFromTitle();
        ChangeScene(SceneLevelSelect, 3, 26);
        LastKey = 0;
    }
}

void RunLevelSelect() {
    if (SceneEntered) TakeFirstShip();
    ShowMenuPicture(ImgLevel1);
    if (LastKey == plat::VK_F1) StartStage1(1);
    if (LastKey == plat::VK_F1 + 1) StartStage1(3);
    if (LastKey == plat::VK_SPACE) {
        PlainBackground = 1;
        LastKey = 0;
    }
    if (LastKey == 'M') {
        MouseControl = 1;
        KeyboardControl = 0;
        LastKey = 0;
    }
    if (LastKey == 'K') {
        MouseControl = 0;
        KeyboardControl = 1;
        LastKey = 0;
    }
    if (LastKey == 'O') {
        DeathSequenceOff = 1;
        LastKey = 0;
    }
}

void RunShipSelect() {
    ShowMenuPicture(ImgLevel0);
    if (LastKey == plat::VK_F1 + 4) {
        LoadShipPicture("MYME1.BMP");
        ShipType = 1;
        ChangeScene(SceneLevelSelect, 1, 26);
    }
    if (LastKey == plat::VK_F1 + 5) {
        LoadShipPicture("MYME2.BMP");
        ShipType = 2;
        ChangeScene(SceneLevelSelect, 1, 26);
    }
}
