// The ending: over a falling star field the player flies on beside a banner,
// then the journey home in five pictures, then the credits, and back to the
// title after 2400 clock units or at once on Space.
#include <cstdint>

#include "framework/draw/draw.h"
#include "framework/sound/midi.h"
#include "framework/system/system.h"
#include "framework/text/text.h"
#include "game/player/player.h"
#include "game/player/weapons.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"
#include "game/shell/resets.h"
#include "game/shell/scenes.h"
#include "game/shell/scorepanel.h"
#include "game/shell/shell.h"
#include "game/state/background.h"
#include "game/state/stage_state.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace {

constexpr float kEndingSpeed = 20;     // clock units per second
constexpr float kEndingLength = 2400;  // the scene ends once the clock passes it
constexpr uint32_t kTickWrap = 100999999;

// The pictures of the journey home, each shown while the clock lies in its
// closed window; between two windows no picture is drawn.
struct EndingPicture {
    const int32_t* image;
    float from, to;
};
// clang-format off
const EndingPicture kPictures[] = {
//   image            from  to
    {&ImgQtwcg1,       400,  700},
    {&ImgQtwcg2,       701, 1000},
    {&ImgQtwcg3,      1001, 1300},
    {&ImgQtwcg2Again, 1301, 1600},
    {&ImgQtwcg3Again, 1601, 2000},
};
// clang-format on

const char* const kCredits[] = {
    "1997  VORNQUIST SF SHOOTING",
    "1995  LANTERN OF THE DEEP SKY",
    "1994  CINDERWAKE",
    "1992  ORBITAL TANGERINE",
    "1990  THE QUIET COMET",
    "1988  HALCYON VERGE",
    "PRODUCED BY THE VORNQUIST TEAM",
};

bool Within(float from, float to) { return StageClock >= from && StageClock <= to; }

// Leaves for the title with the opening wipe over it.
void BackToTitle() {
    fwMidi::Stop();
    ResetGameStateA();
    ResetGameStateB();
}

}  // namespace

void RunEnding() {
    if (SceneEntered) {
        GameOverStripHeight = 30;
        StageClock = 0;
    }
    if (++StageTick == 1) fwMidi::Play("MIDI/QTWEND.MID", 1);
    if (StageTick >= kTickWrap) StageTick = 0;

    fwDraw::ClearBackBuffer();
    StageClock += FrameSeconds * kEndingSpeed;
    DrawStarField(80, 80);
    const bool flying = Within(0, 400);  // the banner, and the ship drawn
    if (flying) {
        fwDraw::BltObject(250, 100, ImgMygoodn, 0, 0, 300, 100);
        DrawPlayerShots();
        UpdatePlayer();
    }
    DrawScorePanel();
    for (const EndingPicture& p : kPictures)
        if (Within(p.from, p.to)) fwDraw::BltObject(180, 60, *p.image, 0, 0, 440, 480);
    if (Within(2001, 2400))
        for (int i = 0; i < 7; ++i) fwDraw::DrawTextAt(280, 180 + 20 * i, kCredits[i]);
    if (flying) DrawScorePanel();
    if (GameOver != 0) {
        const int h = static_cast<int>(GameOverStripHeight);
        fwDraw::BltStretched(250, (600 - h) / 2, ImgMymy, 81, 70, 136, 80, 300, h);
        GameOverStripHeight += FrameSeconds * 30;
    }
    fwDraw::SetWaitVBlank(1);
    fwDraw::Present();
    plat::Sleep(10);

    MovePlayer();
    if (BurstActive == 1) EmitBurstShots();
    UpdatePlayerShots();

    if (StageClock > kEndingLength) {
        BackToTitle();
        ChangeScene(SceneTitle, 3, 60);
    }
    if (LastKey == plat::VK_SPACE) {
        BackToTitle();
        ResetNewGame();
        ChangeScene(SceneTitle, 3, 60);
    }
}
