#include "game/shell/scorepanel.h"

#include <cstdio>

#include "framework/draw/draw.h"
#include "framework/sound/midi.h"
#include "framework/system/named.h"
#include "framework/system/system.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"
#include "game/shell/resets.h"
#include "game/shell/shell.h"
#include "game/state/player_state.h"

std::string PanelText;
int32_t GameOverCountdown;
float GameOverTimer;
int32_t LivesStepOn;

namespace {

named::Registrar reg([] {
    NAMED_SCALAR(GameOverCountdown);
    NAMED_SCALAR(GameOverTimer);
    NAMED_SCALAR(LivesStepOn);
});

resets::Step resetA(resets::PhaseA, resets::RankShellState, [] {
    GameOver = 0;
    Paused = 0;
    ContinuePrompt = 0;
    LivesStepOn = 0;
    GameOverCountdown = 800;
});

void Format(const char* format, int value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, format, value);
    PanelText = buf;
}

// Small digits of the MYMY sheet, 7 x 10, placed 10 pixels apart.
void SmallDigits(int x, int count) {
    for (int i = 0; i < count && i < static_cast<int>(PanelText.size()); ++i) {
        int d = PanelText[static_cast<size_t>(i)] - '0';
        fwDraw::BltObject(x + 10 * i, 6, ImgMymy, 8 + 7 * d, 70, 15 + 7 * d, 80);
    }
}

}  // namespace

void DrawScorePanel() {
    Format("%09d", Score);
    for (int i = 0; i < 9; ++i) {
        int d = PanelText[static_cast<size_t>(i)] - '0';
        fwDraw::BltObject(180 + 20 * i, 0, ImgSuji09, 20 * d, 0, 20 * d + 20, 25);
    }
    Format("%09d", HiScore);
    SmallDigits(380, 9);
    if (Lives >= 0) {
        Format("%03d", Lives);
        SmallDigits(520, 3);
    }
    if (BombCharges >= 0) {
        Format("%02d", BombCharges);
        SmallDigits(600, 2);
    }
    fwDraw::BltObject(570, 6, ImgMymy, 170, 70, 194, 80);
    fwDraw::BltObject(490, 6, ImgMymy, 200, 70, 224, 80);
}

void UpdateLivesAndGameOver() {
    if (fwSystem::IsWaitOver(1)) {
        if (GameOver == 0 && LivesStepOn == 1) {
            GameOverCountdown -= 1;
            if (GameOverCountdown == 0) {
                GameOver = 1;
                fwMidi::Stop();
                fwSystem::SetWait(1, 3000);
            } else {
                fwSystem::SetWait(1, 1000);
            }
        } else {
            SceneNumber = SceneTitle;
            LastScene = 0;
        }
    }
    if (GameOver == 0 && LivesStepOn == 1 && Lives <= 0) {
        GameOverTimer += FrameSeconds;
        GameOver = 1;
        fwMidi::Stop();
        fwSystem::SetWait(1, 9000);
    }
    if (GameOverTimer >= 30.0f) {
        GameOverTimer = 0;
        SceneNumber = SceneTitle;
        LastScene = 0;
    }
}
