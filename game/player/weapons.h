// The records and pools of the player's weapons and effects, and the
// operations that only the player's own code calls.
#pragma once
#include <cstdint>

#include "framework/draw/coord.h"

// One normal shot. Pools A and B hold three streams of 26: centre shots in
// slots 0-25, left shots 26-51, right shots 52-77; volley k (1..25) uses
// slots k, 26 + k and 52 + k.
struct PlayerShot {
    int32_t x;
    int32_t y;
    int32_t dx;  // sideways step per frame of a side shot
    int32_t dy;  // upward step per frame
    uint32_t active;
};
constexpr int kShotStream = 26;
constexpr int kShotSlots = 3 * kShotStream;

// One burst shot. Four streams of 50; burst volley k (1..49) uses slots k,
// 50 + k, 100 + k and 150 + k.
struct BurstShot {
    int32_t x;
    int32_t y;
    uint32_t spare;
    int32_t dy;   // set when armed; the motion steps by the phase instead
    float phase;  // flight phase, +20 per second
    uint32_t active;
};
constexpr int kBurstStream = 50;
constexpr int kBurstSlots = 4 * kBurstStream;

extern PlayerShot PlayerShotsA[kShotSlots];
extern PlayerShot PlayerShotsB[kShotSlots];
extern BurstShot BurstShots[kBurstSlots];
extern int32_t ShotFrameA;
extern int32_t ShotFrameB;
extern int32_t MuzzleFlashA;
extern int32_t MuzzleFlashB;

void FirePlayerShotsA(int32_t centre, int32_t left, int32_t right);
void FirePlayerShotsB(int32_t centre, int32_t left, int32_t right);
void FireBurstShots(int32_t a, int32_t b, int32_t c, int32_t d);

// The ship's key reading: velocity, the burst and ring-bomb start, fire.
// The key states it polls are its own.
void ReadPlayerKeys();
extern int32_t LeftKey, RightKey, UpKey, DownKey, CKey, VKey, BKey, ShiftKey, CtrlKey;
// The end of the burst or the ring bomb: bullets fly again and both normal
// weapons may fire.
void EndBombAndRearm();

// The power-up item.
struct PowerItemRecord {
    float x;
    float y;
    uint32_t spare1;
    float speed;  // fall speed, pixels per second
    uint32_t spare2;
    uint32_t active;
    uint32_t taken;  // set by the pickup, acted on by the next UpdateDraw
};
extern PowerItemRecord PowerItem;
void TakePowerUpItem();

// The death explosion: five rings of 16 pieces.
struct DebrisPiece {
    uint32_t spare0;
    float x;
    float y;
    uint32_t spare1;
    uint32_t spare2;
    float aimDx;
    float aimDy;
    float startX;
    float startY;
    float angle;
    float speed;
    uint32_t active;
    int32_t column;
    int32_t row;
    int32_t frameCount;
    int32_t life;  // calls since the death began
    int32_t respawnCount;
    uint32_t spare3;
};
constexpr int kDebrisRing = 16;
constexpr int kDebrisPieces = 5 * kDebrisRing;
extern DebrisPiece PlayerDebris[kDebrisPieces];
void UpdatePlayerExplosion(int32_t);
void DrawPlayerExplosion(int32_t);
void MovePlayerExplosion(int32_t);
// Every piece back to idle: parked, counters 0, the idle angle.
void ParkPlayerDebris();

// The star field behind every stage.
struct StarStreak {
    int32_t kind;  // which 3-pixel column of the sheet
    float x;
    float y;
    float sideSpeed;  // cleared every frame
    float speed;      // pixels per second downward
};
constexpr int kStars = 100;
extern StarStreak StarField[kStars];

// The ring bomb: eight rings of ten shards.
struct RingShard {
    int32_t x;
    int32_t y;
    int32_t speed;  // pixels per frame
    uint32_t active;
    float angle;  // radians, y downward
};
constexpr int kShardRing = 10;
constexpr int kShards = 8 * kShardRing;
extern RingShard RingShards[kShards];
void SpawnRingBombShard(int32_t i);

// Score helpers and the game's uncalled player operations.
extern float GameOverStripHeight;
extern int32_t LockCursorX;
extern int32_t LockCursorY;
struct BigBeam {
    int32_t frame;
    uint32_t done;
    float x;
    float y;
};
extern BigBeam BigBeamA;
extern BigBeam BigBeamB;
extern int32_t ImgBigBeamA;
extern int32_t ImgBigBeamB;
void PlaceLockCursor();
void DrawStretchStrip();
void DrawBigBeam();
void PlayExplosionSound();

// Adds points straight to the score, past the play-mode gates of AddScore,
// then caps it and raises the high score.
void AddScoreDirect(int32_t points);

// The idle angle of the weapons' and debris' records: -3 degrees.
constexpr float kIdleAngle = -3.0f * 3.14159265358979f / 180.0f;

// A float position as a whole screen coordinate: truncated toward zero and
// held far outside the screen, so offsets added to it never overflow.
constexpr int32_t kFarOff = 1 << 24;
constexpr int32_t ScreenInt(float v) {
    int32_t i = fwDraw::ToBlitCoord(v);
    return i < -kFarOff ? -kFarOff : i > kFarOff ? kFarOff : i;
}
