// The player's ship: drawing, mouse control, death and respawn, the bank
// frame, the keys and the movement clamp.
#include "framework/draw/draw.h"
#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "game/player/player.h"
#include "game/player/weapons.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"
#include "game/shell/shell.h"
#include "game/state/background.h"

int32_t LeftKey, RightKey, UpKey, DownKey, CKey, VKey, BKey, ShiftKey, CtrlKey;

namespace {

// Virtual keys of the controls.
constexpr int kVkShift = 16, kVkCtrl = 17, kVkLeft = 37, kVkUp = 38, kVkRight = 39, kVkDown = 40;
constexpr int kVkB = 66, kVkC = 67, kVkV = 86;

// The ship's box: its top-left corner stays in [180, 560] x [220, 540].
constexpr float kLeft = 180, kRight = 560, kTop = 220, kBottom = 540;
constexpr int kRespawnFrames = 249;
constexpr int kLevelBank = 3, kMaxBank = 6;

struct PolledKey {
    int virtualKey;
    int32_t* state;
};
// Ctrl last: a game over blanks every key but Ctrl.
const PolledKey kKeys[] = {{kVkLeft, &LeftKey}, {kVkRight, &RightKey}, {kVkUp, &UpKey},
                           {kVkDown, &DownKey}, {kVkC, &CKey},         {kVkV, &VKey},
                           {kVkB, &BKey},       {kVkShift, &ShiftKey}, {kVkCtrl, &CtrlKey}};

bool Held(int32_t key) { return key == KeyHeld; }

float ShipSpeed() {
    if (ShipType == 1) return 160;
    if (ShipType == 2) return 200;
    return 0;
}

// A cursor position in the 800 x 600 picture; a cursor over the bars
// around a scaled picture reads as the picture's nearest edge.
int MouseAxis(uint32_t raw, int size) {
    int v = static_cast<int16_t>(raw & 0xFFFF);
    return v < 0 ? 0 : v >= size ? size - 1 : v;
}

void DrawShip() {
    int column = (PlayerBank < 0 ? 0 : PlayerBank > kMaxBank ? kMaxBank : PlayerBank) * 60;
    fwDraw::BltObject(ScreenInt(PlayerX), ScreenInt(PlayerY), ImgMyme, column, 0,
                      column + 60, 70);
}

void StartBurstAndBomb() {
    BombActive = 1;
    ShotsAEnabled = 0;
    ShotsBEnabled = 0;
    RingBombFrame = 0;
    BurstActive = 1;
    for (auto& on : BurstStreamOn) on = 1;
    BurstFrame = 0;
    for (auto& frame : BurstStreamFrame) frame = 0;
}

float Clamp(float v, float low, float high) {
    if (v < low) return low;
    if (v > high) return high;
    return v;
}

}  // namespace

void UpdatePlayer() {
    if (KeyboardControl == 1) DrawShip();
    if (MouseControl == 1) {
        DrawShip();
        PlayerX = static_cast<float>(MouseAxis(MouseX, 800) - 30);
        PlayerY = static_cast<float>(MouseAxis(MouseY, 600) - 30);
    }
    if (PlayerAlive == 0) {
        if (Respawning == 1) {
            PlayerAlive = 1;  // hits during the respawn phase are undone
        } else if (DeathSequenceOff != 1) {
            UpdatePlayerExplosion(0);
            DrawPlayerExplosion(0);
            MovePlayerExplosion(0);
            fwSound::Play(SndBom, -1);
            PowerUp = 0;
            ItemsSpawned = 0;
        }
    } else if (Respawning != 0) {
        RespawnFrame += 1;
        if (RespawnFrame >= kRespawnFrames) {
            RespawnFrame = 0;
            PlayerAlive = 1;
            Respawning = 0;
            ParkPlayerDebris();
        }
    }
}

void MovePlayer() {
    PlayerBank += PlayerBankDir;
    if (PlayerBank < 0) PlayerBank = 0;
    if (PlayerBank > kMaxBank) PlayerBank = kMaxBank;
    if (PlayerBank == kLevelBank) PlayerBankDir = 0;
    PlayerVelX = 0;
    PlayerVelY = 0;
    ReadPlayerKeys();
    PlayerX = Clamp(PlayerX + FrameSeconds * PlayerVelX, kLeft, kRight);
    PlayerY = Clamp(PlayerY + FrameSeconds * PlayerVelY, kTop, kBottom);
    // A released ship swings its bank back to level from either end.
    if (PlayerVelX == 0 && PlayerVelY == 0 && (PlayerBank == 0 || PlayerBank == kMaxBank))
        PlayerBankDir = -PlayerBankDir;
}

void EndBombAndRearm() {
    BombActive = 0;
    ShotsAEnabled = 1;
    ShotsBEnabled = 1;
}

void ReadPlayerKeys() {
    for (const auto& k : kKeys) fwSystem::UpdateKeyState(k.virtualKey, k.state);
    if (GameOver != 0)
        for (const auto& k : kKeys)
            if (k.state != &CtrlKey) *k.state = KeyOff;

    float speed = ShipSpeed();
    if (Held(LeftKey)) {
        PlayerBankDir = 1;
        PlayerVelX = -speed;
        SetBackgroundDrift(1);
    }
    if (Held(RightKey)) {
        PlayerBankDir = -1;
        PlayerVelX = speed;
        SetBackgroundDrift(-1);
    }
    if (Held(UpKey)) PlayerVelY = -speed;
    if (Held(DownKey)) PlayerVelY = speed;

    if (BurstActive == 0) {
        if ((Held(VKey) && Held(CKey)) || LeftDoubleClick != 0) StartBurstAndBomb();
        if (Held(CtrlKey) && Held(ShiftKey)) StartBurstAndBomb();
    }

    if (ShipType != 1) return;
    if (ShotsAEnabled == 1 && (Held(ShiftKey) || LeftButtonDown != 0)) EmitPlayerShotsA();
    if (ShotsBEnabled == 1 && (Held(CtrlKey) || RightButtonDown != 0)) EmitPlayerShotsB();
    if (ShotsAEnabled == 1 && Held(CKey)) EmitPlayerShotsA();
    if (ShotsBEnabled == 1 && Held(VKey)) EmitPlayerShotsB();
}
