// The score, the high score and the continue prompt, and the small player
// operations that the game keeps but never calls.
#include <cstdint>

#include "framework/draw/draw.h"
#include "framework/sound/sound.h"
#include "framework/system/named.h"
#include "framework/system/system.h"
#include "game/player/player.h"
#include "game/player/weapons.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"
#include "game/shell/resets.h"
#include "game/state/stage_state.h"

float GameOverStripHeight;
int32_t LockCursorX;
int32_t LockCursorY;
BigBeam BigBeamA;
BigBeam BigBeamB;
int32_t ImgBigBeamA;
int32_t ImgBigBeamB;

namespace {

constexpr int32_t kScoreCap = 999999999;

void Raise(int32_t points, bool counted) {
    int64_t score = Score;
    if (counted) score += points;
    if (score > kScoreCap) score = kScoreCap;
    if (score < INT32_MIN) score = INT32_MIN;
    Score = static_cast<int32_t>(score);
    if (Score > HiScore) HiScore = Score;
}

// The beam picture of one ship type: its record, picture, size and column.
struct BeamDef {
    BigBeam* beam;
    const int32_t* image;
    int w, h;
    float x;
};

void RunBeam(const BeamDef& d) {
    BigBeam& b = *d.beam;
    if (b.done != 0) return;
    fwDraw::BltObject(ScreenInt(b.x), ScreenInt(b.y), *d.image, 0, 0, d.w, d.h);
    b.frame += 1;
    if (b.frame < 11) {
        b.x = d.x;
        b.y = 480;
    } else {
        b.y -= 160 * FrameSeconds;
        if (b.frame >= 180) b.y -= 400 * FrameSeconds;
    }
    if (b.y < 50) {
        PlayerX = 290;
        PlayerY = 210;
    }
    if (b.y < -380) {
        b.x = -500;
        b.y = -500;
        b.frame = 0;
        b.done = 1;
    }
}

named::Registrar reg([] {
    NAMED_SCALAR(GameOverStripHeight);
    NAMED_SCALAR(LockCursorX);
    NAMED_SCALAR(LockCursorY);
});

resets::Step resetA(resets::PhaseA, resets::RankLockCursor, [] {
    LockCursorX = -500;
    LockCursorY = 500;
});

// A new game parks both beam pictures below the screen, ready to run again.
resets::Step newGame(resets::PhaseNewGame, resets::RankNewGameBigBeams, [] {
    BigBeamA = BigBeamB = BigBeam{0, 0, -500, 2550};
});

}  // namespace

void AddScore(int32_t points) {
    bool counted = (PlayMode == 1 && PlaySubMode == 0) || (PlayMode == 2 && PlaySubMode == 0) ||
                   (PlaySubMode == 1 && (PlayMode == 1 || PlayMode == 2));
    Raise(points, counted);
}

void AddScoreDirect(int32_t points) { Raise(points, true); }

void CheckGameOver() {
    if (Lives >= 1 || ContinuePrompt != 0) return;
    fwDraw::BltObject(300, 250, ImgContinu1, 0, 0, 200, 100);
    ContinuePrompt = 1;
    Paused = 1;
    StageIntro = 1;
    PlayerAlive = 0;
    PlayerVelX = 0;
    PlayerVelY = 0;
}

void PlaceLockCursor() {
    if (PlayerAlive == 0) return;
    if (ShipType == 1) {
        LockCursorX = ScreenInt(PlayerX) - 290;
        LockCursorY = ScreenInt(PlayerY) - 500;
    } else if (ShipType == 2) {
        LockCursorX = ScreenInt(PlayerX) - 120;
        LockCursorY = ScreenInt(PlayerY) - 270;
    }
}

void DrawStretchStrip() {
    if (GameOver == 0) return;
    int h = ScreenInt(GameOverStripHeight);
    fwDraw::BltStretched(170, (480 - h) / 2, ImgMymy, 81, 70, 136, 80, 300, h);
    GameOverStripHeight += 30 * FrameSeconds;
}

void DrawBigBeam() {
    if (ShipType == 1) RunBeam({&BigBeamA, &ImgBigBeamA, 440, 380, 100});
    if (ShipType == 2) RunBeam({&BigBeamB, &ImgBigBeamB, 480, 390, 80});
}

void PlayExplosionSound() { fwSound::Play(SndBom, -1); }
