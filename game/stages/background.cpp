#include "game/state/background.h"

#include <cstring>
#include <limits>

#include "framework/draw/blit.h"
#include "framework/draw/coord.h"
#include "framework/draw/screen.h"
#include "framework/system/named.h"
#include "framework/system/system.h"
#include "game/shell/assets.h"
#include "game/shell/resets.h"
#include "game/state/stage_state.h"

BackgroundTile ScrollBackground1Tiles[kTilesPerLayer];
BackgroundTile ScrollBackground2Tiles[kTilesPerLayer];
BackgroundTile ScrollBackground3Tiles[kTilesPerLayer];
BackgroundTile ScrollBackground8Tiles[kTilesPerLayer];
BackgroundTile ScrollBackgroundAlt4Tiles[kTilesPerLayer];
BackgroundTile ScrollBackground6Tiles[kTilesPerLayer];
BackgroundTile ScrollBackgroundUnusedATiles[kTilesPerLayer];
BackgroundTile ScrollBackgroundUnusedBTiles[kTilesPerLayer];
BackgroundTile SideStripATiles[kTilesPerLayer];
BackgroundTile SideStripBTiles[kTilesPerLayer];
BackdropRecord BackdropA, BackdropB, BackdropC;
ParadeRecord BossParade[8];

int32_t ImgBackAlt4, ImgBackUnusedA, ImgBackUnusedB, ImgSideStripA, ImgSideStripB, ImgSidePanel;
int32_t ImgBackdropA, ImgBackdropB, ImgBackdropC, ImgParadeAlt2Boss, ImgParadeAlt5Boss;

namespace {

constexpr float kOpen = std::numeric_limits<float>::infinity();

// One row of a stepped speed table: a closed interval of the stage clock.
struct SpeedStep {
    float from, to, speed;
};

constexpr SpeedStep kSpeed130[] = {{-kOpen, kOpen, 130}};
constexpr SpeedStep kSpeed100[] = {{-kOpen, kOpen, 100}};
constexpr SpeedStep kSpeed0[] = {{-kOpen, kOpen, 0}};
constexpr SpeedStep kTableA[] = {{0, 500, 140},    {500, 530, 150},   {530, 560, 250},
                                 {560, 590, 350},  {590, 620, 450},   {620, 650, 550},
                                 {650, 1000, 650}, {1000, 1150, 300}, {1150, kOpen, 150}};
constexpr SpeedStep kTableB[] = {{0, 400, 140},    {400, 450, 200},   {450, 500, 250},
                                 {500, 550, 320},  {550, 600, 390},   {600, 650, 450},
                                 {650, 1000, 400}, {1000, 1150, 360}, {1150, kOpen, 140}};
constexpr SpeedStep kTableC[] = {{0, 500, 150},    {500, 530, 150},   {530, 560, 250},
                                 {560, 590, 350},  {590, 620, 450},   {620, 650, 2550},
                                 {650, 1000, 400}, {1000, 1150, 300}, {1150, kOpen, 250}};
constexpr SpeedStep kTableD[] = {{0, 600, 140},    {600, 650, 200},   {650, 700, 250},
                                 {700, 750, 300},  {750, 800, 370},   {800, 850, 430},
                                 {850, 900, 530},  {900, 1150, 320},  {1150, kOpen, 140}};
constexpr SpeedStep kTableE[] = {{0, 500, 150},     {500, 530, 200},   {530, 560, 300},
                                 {560, 590, 400},   {590, 620, 2550},  {620, 650, 600},
                                 {650, 700, 640},   {750, 800, 360},   {800, 830, 200},
                                 {830, 960, 300},   {960, 990, 400},   {990, 1020, 2550},
                                 {1020, 1050, 600}, {1050, 1100, 400}, {1100, kOpen, 260}};
constexpr SpeedStep kTableF[] = {{0, 500, 150},    {500, 530, 200},   {530, 560, 300},
                                 {560, 590, 400},  {590, 620, 300},   {620, 650, 400},
                                 {650, 1000, 250}, {1000, 1150, 200}, {1150, kOpen, 150}};

constexpr float kNoChange = std::numeric_limits<float>::quiet_NaN();

struct SpeedTable {
    const SpeedStep* rows;
    int count;
};
template <size_t N>
constexpr SpeedTable Table(const SpeedStep (&rows)[N]) {
    return {rows, static_cast<int>(N)};
}

bool Holds(const SpeedStep& row, float clock) { return row.from <= clock && clock <= row.to; }

enum class Restack { OneTile, WholeStrip };

// What distinguishes one layer of the family from another.
struct LayerDef {
    const char* name;
    BackgroundTile* tiles;
    const int32_t* image;
    int width;
    float keptX;          // NaN: x is not reset each frame
    SpeedTable steps;
    bool sideways;        // drift sideways, clamped to +-100
    float restackX;       // NaN: x unchanged by the restack
    Restack restack;
    float newGameX;       // NaN: not placed by a new game
    float driftScale;     // speed stored by the player's steering; 0: none
};

// A layer is named once: its name and its tile pool NAMETiles.
#define LAYER(Name) .name = #Name, .tiles = Name##Tiles
const LayerDef kLayers[] = {
    {LAYER(ScrollBackground1), .image = &ImgBback1S, .width = 440,
     .keptX = 180, .steps = Table(kSpeed130), .sideways = false, .restackX = 100,
     .restack = Restack::OneTile, .newGameX = 180, .driftScale = 0},
    {LAYER(ScrollBackground2), .image = &ImgBback2S, .width = 440,
     .keptX = 180, .steps = Table(kSpeed100), .sideways = false, .restackX = 100,
     .restack = Restack::OneTile, .newGameX = 180, .driftScale = 0},
    {LAYER(ScrollBackground3), .image = &ImgBback3S, .width = 440,
     .keptX = 180, .steps = Table(kTableA), .sideways = false, .restackX = 100,
     .restack = Restack::OneTile, .newGameX = 180, .driftScale = 0},
    {LAYER(ScrollBackground8), .image = &ImgBback8S, .width = 440,
     .keptX = 180, .steps = Table(kTableF), .sideways = false, .restackX = kNoChange,
     .restack = Restack::OneTile, .newGameX = -500, .driftScale = 0},
    {LAYER(ScrollBackgroundAlt4), .image = &ImgBackAlt4, .width = 640,
     .keptX = 80, .steps = Table(kTableB), .sideways = true, .restackX = kNoChange,
     .restack = Restack::OneTile, .newGameX = 80, .driftScale = 50},
    {LAYER(ScrollBackground6), .image = &ImgBback6S, .width = 640,
     .keptX = 80, .steps = Table(kTableD), .sideways = false, .restackX = kNoChange,
     .restack = Restack::OneTile, .newGameX = 80, .driftScale = 60},
    {LAYER(ScrollBackgroundUnusedA), .image = &ImgBackUnusedA,
     .width = 640, .keptX = kNoChange, .steps = Table(kTableC), .sideways = true, .restackX = kNoChange,
     .restack = Restack::OneTile, .newGameX = 80, .driftScale = 55},
    {LAYER(ScrollBackgroundUnusedB), .image = &ImgBackUnusedB,
     .width = 640, .keptX = 80, .steps = Table(kTableE), .sideways = true, .restackX = kNoChange,
     .restack = Restack::OneTile, .newGameX = 80, .driftScale = 65},
    {LAYER(SideStripA), .image = &ImgSideStripA, .width = 100, .keptX = 0,
     .steps = Table(kSpeed0), .sideways = false, .restackX = 0, .restack = Restack::WholeStrip,
     .newGameX = kNoChange, .driftScale = 0},
    {LAYER(SideStripB), .image = &ImgSideStripB, .width = 100, .keptX = 540,
     .steps = Table(kSpeed0), .sideways = false, .restackX = 540, .restack = Restack::WholeStrip,
     .newGameX = kNoChange, .driftScale = 0},
};
#undef LAYER

enum LayerIndex { L1, L2, L3, L8, LAlt4, L6, LUnusedA, LUnusedB, LStripA, LStripB };

bool Set(float v) { return v == v; }  // not NaN

constexpr int kLastTile = kTilesPerLayer - 1;

// Draws the tiles at the positions they hold now, in order. Nearly every
// tile of the stack lies far above the playfield, so only the one or two
// that can touch it are handed to the blit: the bounds are taken wide (a
// tile one pixel off still goes) and the blit's own clipping decides the rest.
void DrawVisible(const LayerDef& L) {
    const BackgroundTile* t = L.tiles;
    const float above = static_cast<float>(ClipTop) - kTileHeight - 1, below = static_cast<float>(ClipBottom) + 1;
    for (int i = 0; i < kTilesPerLayer; ++i) {
        const float y = t[i].y;
        if (y <= above || y >= below) continue;  // a NaN y is drawn at 0, so it goes on
        const int32_t bx = fwDraw::ToBlitCoord(t[i].x), by = fwDraw::ToBlitCoord(y);
        if (bx <= ClipRight && static_cast<int64_t>(bx) + L.width >= ClipLeft)
            fwDraw::BltObject(bx, by, *L.image, 0, 0, L.width, 480);
    }
}

// One frame's move of every tile: the kept x, the stepped speed, the
// sideways drift, then the restack test. Each step runs over the whole
// array in turn (a tile's own steps keep their order), in loops simple
// enough to vectorise.
void Move(const LayerDef& L) {
    BackgroundTile* t = L.tiles;
    const float fs = FrameSeconds;
    const float clock = StageClock;
    // Every tile but the last reads the last tile's y from before its move.
    const bool restackEarlier = t[kLastTile].y >= 0;
    if (Set(L.keptX))
        for (int i = 0; i < kTilesPerLayer; ++i) t[i].x = L.keptX;
    // Each row of the speed table that holds this frame's clock, in order.
    for (int s = 0; s < L.steps.count; ++s) {
        if (!Holds(L.steps.rows[s], clock)) continue;
        const float step = L.steps.rows[s].speed * fs;
        for (int i = 0; i < kTilesPerLayer; ++i) t[i].y += step;
    }
    if (L.sideways) {
        for (int i = 0; i < kTilesPerLayer; ++i) {
            BackgroundTile& tile = t[i];
            tile.x += tile.sideSpeed * fs;
            tile.sideSpeed = 0;
            if (tile.x < -100) tile.x = -100;
            if (tile.x > 100) tile.x = 100;
        }
    }
    const auto restack = [&](int i) {
        t[i].y = -(static_cast<float>(i) * kTileHeight);
        if (Set(L.restackX)) t[i].x = L.restackX;
    };
    if (L.restack == Restack::OneTile) {
        if (restackEarlier)
            for (int i = 0; i < kLastTile; ++i) restack(i);
        if (t[kLastTile].y >= 0) restack(kLastTile);
    } else if (t[kLastTile].y >= 0) {
        for (int i = 0; i < kTilesPerLayer; ++i) restack(i);
    }
}

void Scroll(const LayerDef& L) {
    DrawVisible(L);
    Move(L);
}

// The falling backdrops: one piece of code, three records.
struct BackdropDef {
    BackdropRecord* rec;
    const int32_t* image;
    float speed;
};
const BackdropDef kBackdrops[] = {{&BackdropA, &ImgBackdropA, 180}, {&BackdropB, &ImgBackdropB, 220},
                                  {&BackdropC, &ImgBackdropC, 220}};

void SpawnBackdrop(const BackdropDef& d) {
    if (d.rec->active) return;
    d.rec->x = 100;
    d.rec->y = -300;
    d.rec->active = 1;
}
void DrawBackdrop(const BackdropDef& d) {
    if (d.rec->active == 1) fwDraw::BltObject(fwDraw::ToBlitCoord(d.rec->x), fwDraw::ToBlitCoord(d.rec->y), *d.image, 0, 0, 440, 300);
}
void MoveBackdrop(const BackdropDef& d) {
    BackdropRecord& r = *d.rec;
    if (r.active) {
        r.y += FrameSeconds * r.speed;
        r.speed = d.speed;
    }
    if (r.y > 480) {
        r.active = 0;
        r.x = -500;
        r.y = 2550;
    }
}

struct ParadeDef {
    uint32_t armAt;
    float x, y;
    const int32_t* image;
    int width, height;
};
const ParadeDef kParade[8] = {
    {10, 100, -360, &ImgBoss11, 440, 360},          {400, 100, -380, &ImgParadeAlt2Boss, 440, 380},
    {800, 90, -380, &ImgBoss31, 460, 380},          {1200, 100, -380, &ImgBoss41, 440, 380},
    {1600, 130, -460, &ImgBoss51, 380, 460},        {2000, 100, -460, &ImgBoss61, 440, 400},
    {2400, 70, -400, &ImgBoss71, 500, 400},         {2800, 80, -380, &ImgParadeAlt5Boss, 480, 380},
};

void ParkParade() {
    for (auto& r : BossParade) r = ParadeRecord{0, -500.0f, 2550.0f, 0.0f, 0};
}

named::Registrar reg([] {
    std::vector<named::Field> tile = {NAMED_FIELD(BackgroundTile, x), NAMED_FIELD(BackgroundTile, y),
                                      NAMED_FIELD(BackgroundTile, sideSpeed)};
    for (const auto& L : kLayers) {
        static std::string names[sizeof(kLayers) / sizeof(kLayers[0])];
        auto& n = names[&L - kLayers];
        n = std::string(L.name) + "Tiles";
        named::AddPool(n.c_str(), L.tiles, kTilesPerLayer, sizeof(BackgroundTile), tile, nullptr);
    }
    NAMED_POOL(BossParade,
                {NAMED_FIELD(ParadeRecord, frame), NAMED_FIELD(ParadeRecord, x), NAMED_FIELD(ParadeRecord, y),
                 NAMED_FIELD(ParadeRecord, speed), NAMED_FIELD(ParadeRecord, active)});
});

resets::Step resetParade(resets::PhaseA, resets::RankBossParade, ParkParade);

// A new game stacks the layers that keep an x upwards from y 120.
resets::Step newGame(resets::PhaseNewGame, resets::RankNewGameLayers, [] {
    for (const auto& L : kLayers) {
        if (!Set(L.newGameX)) continue;
        for (int i = 0; i < kTilesPerLayer; ++i) {
            L.tiles[i].x = L.newGameX;
            L.tiles[i].y = 120.0f - static_cast<float>(i) * kTileHeight;
            L.tiles[i].sideSpeed = 0;
        }
    }
});

}  // namespace

void ScrollBackground1() { Scroll(kLayers[L1]); }
void ScrollBackground2() { Scroll(kLayers[L2]); }
void ScrollBackground3() { Scroll(kLayers[L3]); }
void ScrollBackground8() { Scroll(kLayers[L8]); }
void ScrollBackgroundAlt4() { Scroll(kLayers[LAlt4]); }
void ScrollBackground6() { Scroll(kLayers[L6]); }
void ScrollBackgroundUnusedA() { Scroll(kLayers[LUnusedA]); }
void ScrollBackgroundUnusedB() { Scroll(kLayers[LUnusedB]); }
void ScrollSideStripA() { Scroll(kLayers[LStripA]); }
void ScrollSideStripB() { Scroll(kLayers[LStripB]); }

void DrawSidePanels() {
    fwDraw::BltObjectOpaque(0, 0, ImgSidePanel, 0, 0, 100, 480);
    fwDraw::BltObjectOpaque(540, 0, ImgSidePanel, 0, 0, 100, 480);
}

void SpawnBackdropA() { SpawnBackdrop(kBackdrops[0]); }
void SpawnBackdropB() { SpawnBackdrop(kBackdrops[1]); }
void SpawnBackdropC() { SpawnBackdrop(kBackdrops[2]); }
void DrawBackdropA() { DrawBackdrop(kBackdrops[0]); }
void DrawBackdropB() { DrawBackdrop(kBackdrops[1]); }
void DrawBackdropC() { DrawBackdrop(kBackdrops[2]); }
void MoveBackdropA() { MoveBackdrop(kBackdrops[0]); }
void MoveBackdropB() { MoveBackdrop(kBackdrops[1]); }
void MoveBackdropC() { MoveBackdrop(kBackdrops[2]); }

void UpdateBossParade() {
    for (int i = 0; i < 8; ++i) {
        ParadeRecord& r = BossParade[i];
        r.frame += 1;
        if (r.frame == kParade[i].armAt && !r.active) {
            r.x = kParade[i].x;
            r.y = kParade[i].y;
            r.active = 1;
        }
        if (r.frame >= 3200) r.frame = 0;
    }
}

void DrawBossParade() {
    for (int i = 0; i < 8; ++i) {
        const ParadeRecord& r = BossParade[i];
        if (!r.active) continue;
        const ParadeDef& d = kParade[i];
        fwDraw::BltObject(fwDraw::ToBlitCoord(r.x), fwDraw::ToBlitCoord(r.y), *d.image, 0, 0, d.width, d.height);
    }
}

void MoveBossParade() {
    for (auto& r : BossParade) {
        if (r.active) {
            r.y += r.speed * FrameSeconds;
            r.speed = 178;
        }
        if (r.y > 480) {
            r.active = 0;
            r.x = -500;
            r.y = 2550;
        }
    }
}

void SetBackgroundDrift(float direction) {
    for (const auto& L : kLayers) {
        if (L.driftScale == 0) continue;
        for (int i = 0; i < kTilesPerLayer; ++i) L.tiles[i].sideSpeed = direction * L.driftScale;
    }
}

float LayerSpeedAt(const char* layer, float clock) {
    for (const auto& L : kLayers) {
        if (std::strcmp(L.name, layer) != 0) continue;
        float sum = 0;
        for (int s = 0; s < L.steps.count; ++s)
            if (Holds(L.steps.rows[s], clock)) sum += L.steps.rows[s].speed;
        return sum;
    }
    return 0;
}

