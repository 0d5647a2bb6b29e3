// Scrolling background layers, side strips, falling backdrops, the boss
// parade.
#pragma once
#include <cstdint>

struct BackgroundTile {
    float x;
    float y;
    float sideSpeed;
};

constexpr int kTilesPerLayer = 5000;
constexpr float kTileHeight = 480.0f;

extern BackgroundTile ScrollBackground1Tiles[kTilesPerLayer];
extern BackgroundTile ScrollBackground2Tiles[kTilesPerLayer];
extern BackgroundTile ScrollBackground3Tiles[kTilesPerLayer];
extern BackgroundTile ScrollBackground8Tiles[kTilesPerLayer];
extern BackgroundTile ScrollBackgroundAlt4Tiles[kTilesPerLayer];
extern BackgroundTile ScrollBackground6Tiles[kTilesPerLayer];
extern BackgroundTile ScrollBackgroundUnusedATiles[kTilesPerLayer];
extern BackgroundTile ScrollBackgroundUnusedBTiles[kTilesPerLayer];
extern BackgroundTile SideStripATiles[kTilesPerLayer];
extern BackgroundTile SideStripBTiles[kTilesPerLayer];

struct BackdropRecord {
    float x;
    float y;
    float speed;
    uint32_t active;
};
extern BackdropRecord BackdropA, BackdropB, BackdropC;

struct ParadeRecord {
    uint32_t frame;
    float x;
    float y;
    float speed;
    uint32_t active;
};
extern ParadeRecord BossParade[8];

// Pictures that no start-up load fills: they stay 0.
extern int32_t ImgBackAlt4, ImgBackUnusedA, ImgBackUnusedB, ImgSideStripA, ImgSideStripB, ImgSidePanel;
extern int32_t ImgBackdropA, ImgBackdropB, ImgBackdropC, ImgParadeAlt2Boss, ImgParadeAlt5Boss;

void ScrollBackground1();
void ScrollBackground2();
void ScrollBackground3();
void ScrollBackground8();
void ScrollBackgroundAlt4();
void ScrollBackground6();
void ScrollBackgroundUnusedA();
void ScrollBackgroundUnusedB();
void ScrollSideStripA();
void ScrollSideStripB();
void DrawSidePanels();
void SpawnBackdropA();
void SpawnBackdropB();
void SpawnBackdropC();
void DrawBackdropA();
void DrawBackdropB();
void DrawBackdropC();
void MoveBackdropA();
void MoveBackdropB();
void MoveBackdropC();
void UpdateBossParade();
void DrawBossParade();
void MoveBossParade();

// Sideways drift the player's steering gives the strip layers: stores the
// speed (pixels per second, positive to the left) scaled per layer.
void SetBackgroundDrift(float direction);

// The speed a stepped layer moves at for a stage clock value: the sum of the
// steps of every row whose closed interval holds the clock.
float LayerSpeedAt(const char* layer, float clock);

