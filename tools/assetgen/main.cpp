// assetgen OUTDIR: writes every picture, sound and music file the game opens
// into OUTDIR (IMAGE/, SOUND/, MIDI/, MYME1.BMP, MYME2.BMP). The same program
// always writes the same bytes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "tools/assetgen/assets.h"

namespace ag {
namespace {

struct Row {
    const char* path;
    int w, h;
    Maker make;
    Args args;
};

// Player-shot colours: the level-1/2 set and the level-3 set.
constexpr uint32_t kShotA = 0x2090ff, kShotACore = 0xb0f4ff;
constexpr uint32_t kShotA3 = 0xff5020, kShotA3Core = 0xffe890;
constexpr uint32_t kShotB = 0x30e060, kShotBCore = 0xe0ffd0;
constexpr uint32_t kShotB3 = 0xe040d0, kShotB3Core = 0xffd8f8;

// One row per file, in the order the game loads them.
const Row kPictures[] = {
    {"IMAGE/ZBAK1B.BMP", 600, 60, MakeFireball, {.a = 10, .b = 0}},
    {"IMAGE/ZBAK2B.BMP", 640, 80, MakeFireball, {.a = 8, .b = 1}},
    {"IMAGE/ZBAK3B.BMP", 800, 80, MakeFireball, {.a = 10, .b = 2}},
    {"IMAGE/ZBAK4B.BMP", 800, 80, MakeFireball, {.a = 10, .b = 3}},
    {"IMAGE/ZBAK5B.BMP", 800, 80, MakeFireball, {.a = 10, .b = 0}},
    {"IMAGE/ZBAK6B.BMP", 320, 40, MakeSparks, {.a = 8, .col1 = 0xff8030}},
    {"IMAGE/BBAK1B.BMP", 640, 160, MakeFireball, {.a = 4, .b = 0}},
    {"IMAGE/GFBAK1.BMP", 480, 120, MakeDebris, {}},
    {"IMAGE/FBOM1.BMP", 80, 80, MakeShard, {}},
    {"IMAGE/MYMY.BMP", 224, 80, MakePanelSheet, {}},
    {"IMAGE/MYGOODN.BMP", 300, 100, MakeBanner, {}},
    {"IMAGE/SUJI09.BMP", 200, 25, MakeBigDigits, {}},
    {"IMAGE/HAHEN.BMP", 320, 40, MakeSparks, {.a = 8, .col1 = 0x60a0ff}},
    {"IMAGE/SFLH1.BMP", 60, 60, MakeBolt, {.col1 = kShotA, .col2 = kShotACore}},
    {"IMAGE/SFLH2.BMP", 60, 60, MakeBolt, {.col1 = kShotA, .col2 = kShotACore, .f = -11.3f}},
    {"IMAGE/SFLH3.BMP", 60, 60, MakeBolt, {.col1 = kShotA, .col2 = kShotACore, .f = 11.3f}},
    {"IMAGE/SFLH4.BMP", 60, 60, MakeBolt, {.col1 = 0xa040ff, .col2 = 0xf0d0ff}},
    {"IMAGE/SFLH5.BMP", 60, 60, MakeBolt, {.col1 = 0xffd020, .col2 = 0xfff8d0}},
    {"IMAGE/SFLH11.BMP", 60, 60, MakeBolt, {.col1 = kShotA3, .col2 = kShotA3Core}},
    {"IMAGE/SFLH22.BMP", 60, 60, MakeBolt, {.col1 = kShotA3, .col2 = kShotA3Core, .f = -11.3f}},
    {"IMAGE/SFLH33.BMP", 60, 60, MakeBolt, {.col1 = kShotA3, .col2 = kShotA3Core, .f = 11.3f}},
    {"IMAGE/FLHST.BMP", 70, 36, MakeMuzzle, {.col1 = kShotA, .col2 = kShotACore}},
    {"IMAGE/FLHST11.BMP", 70, 36, MakeMuzzle, {.col1 = kShotA3, .col2 = kShotA3Core}},
    {"IMAGE/FLHST2.BMP", 70, 36, MakeMuzzle, {.col1 = kShotB, .col2 = kShotBCore}},
    {"IMAGE/FLHST22.BMP", 124, 70, MakeMuzzle, {.a = 1, .col1 = kShotB, .col2 = kShotBCore}},
    {"IMAGE/FLHST3.BMP", 70, 36, MakeMuzzle, {.col1 = kShotA3, .col2 = kShotA3Core}},
    {"IMAGE/FLHST33.BMP", 124, 70, MakeMuzzle, {.a = 1, .col1 = kShotA3, .col2 = kShotA3Core}},
    {"IMAGE/FLW1_3.BMP", 120, 60, MakeBolt, {.a = 1, .col1 = kShotB, .col2 = kShotBCore}},
    {"IMAGE/FLW2_1.BMP", 60, 60, MakeBolt, {.a = 1, .col1 = kShotB, .col2 = kShotBCore, .f = -16.7f}},
    {"IMAGE/FLW3_2.BMP", 60, 60, MakeBolt, {.a = 1, .col1 = kShotB, .col2 = kShotBCore, .f = 16.7f}},
    {"IMAGE/FLW11.BMP", 120, 60, MakeBolt, {.a = 1, .col1 = kShotB3, .col2 = kShotB3Core}},
    {"IMAGE/FLW22.BMP", 60, 60, MakeBolt, {.a = 1, .col1 = kShotB3, .col2 = kShotB3Core, .f = -16.7f}},
    {"IMAGE/FLW33.BMP", 60, 60, MakeBolt, {.a = 1, .col1 = kShotB3, .col2 = kShotB3Core, .f = 16.7f}},
    {"IMAGE/RAY1.BMP", 30, 30, MakeOrb, {.col1 = kShotA, .col2 = kShotACore, .f = 0.2f}},
    {"IMAGE/RAY2.BMP", 20, 20, MakeOrb, {.col1 = kShotA, .col2 = kShotACore, .f = 0.2f}},
    {"IMAGE/RAY11.BMP", 30, 30, MakeOrb, {.col1 = kShotA3, .col2 = kShotA3Core, .f = 0.2f}},
    {"IMAGE/RAY22.BMP", 20, 20, MakeOrb, {.col1 = kShotA3, .col2 = kShotA3Core, .f = 0.2f}},
    {"IMAGE/RAY3.BMP", 20, 20, MakeOrb, {.col1 = 0x30b0ff, .col2 = 0xc0f8ff, .f = 0.22f}},
    {"IMAGE/RAY4.BMP", 30, 30, MakeOrb, {.col1 = 0xa040ff, .col2 = 0xf0c0ff, .f = 0.2f}},
    {"IMAGE/RAY5.BMP", 40, 40, MakeOrb, {.col1 = 0xa040ff, .col2 = 0xf0c0ff, .f = 0.2f}},
    {"IMAGE/RAY6.BMP", 50, 50, MakeOrb, {.col1 = 0xa040ff, .col2 = 0xf0c0ff, .f = 0.2f}},
    {"IMAGE/RAY7.BMP", 20, 20, MakeOrb, {.col1 = 0xff3090, .col2 = 0xffc8e8, .f = 0.22f}},
    {"IMAGE/RAY8.BMP", 20, 20, MakeOrb, {.col1 = 0xffc020, .col2 = 0xfff0b0, .f = 0.22f}},
    {"IMAGE/RAY10.BMP", 20, 20, MakeOrb, {.col1 = 0x30ffa0, .col2 = 0xe0fff0, .f = 0.18f}},
    {"IMAGE/SPOWER1.BMP", 60, 60, MakePowerUp, {}},
    {"IMAGE/FBAK1.BMP", 480, 120, MakeDebris, {}},
    {"IMAGE/SZAK1.BMP", 60, 60, MakeEnemy, {.a = 0, .b = 180}},
    {"IMAGE/SZAK3.BMP", 80, 100, MakeEnemy, {.a = 1, .b = 0}},
    {"IMAGE/SZAK4.BMP", 100, 120, MakeEnemy, {.a = 17, .b = 0, .scale = 1.2f}},
    {"IMAGE/SZAK2.BMP", 60, 60, MakeEnemy, {.a = 14, .b = 180}},
    {"IMAGE/SZAK5.BMP", 80, 80, MakeEnemy, {.a = 1, .b = 180, .scale = 0.8f}},
    {"IMAGE/SZAK6.BMP", 79, 79, MakeSpinner, {.a = 0}},
    {"IMAGE/SZAK7.BMP", 80, 80, MakeEnemy, {.a = 15, .b = 180}},
    {"IMAGE/SZAK8.BMP", 80, 80, MakeEnemy, {.a = 16, .b = 180, .scale = 0.85f}},
    {"IMAGE/SZAK9.BMP", 80, 80, MakeEnemy, {.a = 2, .b = 180}},
    {"IMAGE/SZAK10.BMP", 70, 80, MakeEnemy, {.a = 3, .b = 180}},
    {"IMAGE/SZAK12.BMP", 80, 100, MakeEnemy, {.a = 4, .b = 180}},
    {"IMAGE/SZAK13.BMP", 80, 60, MakeEnemy, {.a = 5, .b = 180}},
    {"IMAGE/SZAK14.BMP", 80, 60, MakeEnemy, {.a = 15, .b = 180}},
    {"IMAGE/SZAK15.BMP", 80, 60, MakeEnemy, {.a = 5, .b = 0}},
    {"IMAGE/SZAK16.BMP", 80, 60, MakeEnemy, {.a = 15, .b = 0}},
    {"IMAGE/SZAK21.BMP", 90, 90, MakeEnemy, {.a = 6, .b = 135}},
    {"IMAGE/SZAK22.BMP", 90, 90, MakeEnemy, {.a = 6, .b = 225}},
    {"IMAGE/SZAK23.BMP", 90, 90, MakeEnemy, {.a = 16, .b = 135}},
    {"IMAGE/SZAK24.BMP", 90, 90, MakeEnemy, {.a = 16, .b = 225}},
    {"IMAGE/SZAK30.BMP", 500, 100, MakeTurningEnemy, {.a = 7, .b = 180, .c = 90}},
    {"IMAGE/SZAK31.BMP", 500, 100, MakeTurningEnemy, {.a = 7, .b = 180, .c = 270}},
    {"IMAGE/SZAK32.BMP", 500, 100, MakeTurningEnemy, {.a = 7, .b = 0, .c = 90}},
    {"IMAGE/SZAK33.BMP", 500, 100, MakeTurningEnemy, {.a = 7, .b = 0, .c = -90}},
    {"IMAGE/SZAK40.BMP", 119, 119, MakeSpinner, {.a = 1}},
    {"IMAGE/SZAK41.BMP", 119, 119, MakeSpinner, {.a = 2}},
    {"IMAGE/SZAK50.BMP", 200, 160, MakeEnemy, {.a = 8, .b = 180}},
    {"IMAGE/SZAK51.BMP", 240, 220, MakeEnemy, {.a = 12, .b = 180}},
    {"IMAGE/SZAK52.BMP", 200, 160, MakeEnemy, {.a = 9, .b = 180}},
    {"IMAGE/SZAK53.BMP", 200, 160, MakeEnemy, {.a = 10, .b = 180}},
    {"IMAGE/SZAK54.BMP", 200, 160, MakeEnemy, {.a = 11, .b = 180}},
    {"IMAGE/SZAK55.BMP", 200, 160, MakeEnemy, {.a = 10, .b = 0}},
    {"IMAGE/SZAK60.BMP", 300, 300, MakeEnemy, {.a = 13, .b = 180}},
    {"IMAGE/VAL11.BMP", 16, 16, MakeOrb, {.a = 0, .col1 = 0xff40a0, .col2 = 0xffd0f0, .f = 0.2f}},
    {"IMAGE/VAL12.BMP", 16, 16, MakeOrb, {.a = 1, .col1 = 0x3070ff, .col2 = 0xa0e0ff, .f = 0.38f}},
    {"IMAGE/VAL13.BMP", 16, 16, MakeOrb, {.a = 1, .col1 = 0xff6a10, .col2 = 0xffe080, .f = 0.38f}},
    {"IMAGE/VAL1.BMP", 256, 16, MakeOrbStrip, {.a = 16, .b = 1, .col1 = 0xa050ff, .col2 = 0xf0d8ff}},
    {"IMAGE/VAL2.BMP", 256, 16, MakeOrbStrip, {.a = 16, .b = 3, .col1 = 0x30e060, .col2 = 0xe0ffc0}},
    {"IMAGE/VAL3.BMP", 256, 16, MakeOrbStrip, {.a = 16, .b = 0, .col1 = 0xff3030, .col2 = 0xffe070}},
    {"IMAGE/RPANEL3R.BMP", 100, 480, MakeSidePanel, {.a = 0}},
    {"IMAGE/RPANEL2R.BMP", 100, 480, MakeSidePanel, {.a = 1}},
    {"IMAGE/FLZ01_l.BMP", 20, 60, MakeMissile, {}},
    {"IMAGE/ROCK1.BMP", 60, 60, MakeReticle, {}},
    {"IMAGE/BOSS11.BMP", 440, 360, MakeBoss, {.a = 0}},
    {"IMAGE/BOSS31.BMP", 460, 380, MakeBoss, {.a = 4}},
    {"IMAGE/BOSS41.BMP", 440, 380, MakeBoss, {.a = 2}},
    {"IMAGE/BOSS51.BMP", 380, 460, MakeBoss, {.a = 3}},
    {"IMAGE/BOSS61.BMP", 460, 400, MakeBoss, {.a = 5}},
    {"IMAGE/BOSS71.BMP", 500, 400, MakeBoss, {.a = 1}},
    {"IMAGE/BOS111.BMP", 480, 480, MakeMothership, {.a = 0}},
    {"IMAGE/BOS511.BMP", 480, 480, MakeMothership, {.a = 1}},
    {"IMAGE/VAL16241.BMP", 384, 16, MakeOrbStrip, {.a = 24, .b = 3, .col1 = 0x20b0ff, .col2 = 0xd0f8ff}},
    {"IMAGE/VAL20241.BMP", 480, 20, MakeOrbStrip, {.a = 24, .b = 2, .col1 = 0xff3098, .col2 = 0xffd0ec}},
    {"IMAGE/VALL20.BMP", 20, 20, MakeOrb, {.a = 1, .col1 = 0xff2840, .col2 = 0xffe0a0, .f = 0.38f}},
    {"IMAGE/VAL201.BMP", 200, 20, MakeOrbStrip, {.a = 10, .b = 1, .col1 = 0xffa020, .col2 = 0xfff4c0}},
    {"IMAGE/VAL401.BMP", 200, 40, MakeSlantShots, {.a = 5, .b = 0, .col1 = 0x20c0ff, .col2 = 0xd0ffff, .f = 22}},
    {"IMAGE/VAL402.BMP", 200, 40, MakeSlantShots, {.a = 5, .b = 1, .col1 = 0x40d040, .col2 = 0xf0ffa0, .f = 22}},
    {"IMAGE/VAL404.BMP", 280, 40, MakeSlantShots, {.a = 7, .b = 0, .col1 = 0xff8020, .col2 = 0xfff0b0, .f = 30}},
    {"IMAGE/VAL405.BMP", 280, 40, MakeSlantShots, {.a = 7, .b = 1, .col1 = 0xe02880, .col2 = 0xffc8e8, .f = 30}},
    {"IMAGE/VAL40L.BMP", 39, 39, MakeDart, {.a = 0, .b = 1, .col1 = 0xff3030, .col2 = 0xffe090}},
    {"IMAGE/VAL40L1.BMP", 39, 39, MakeDart, {.a = 0, .b = 1, .col1 = 0xa040ff, .col2 = 0xf0d0ff}},
    {"IMAGE/VAL40L2.BMP", 39, 39, MakeDart, {.a = 0, .b = 1, .col1 = 0x30c050, .col2 = 0xe0ffb0}},
    {"IMAGE/ZAL20.BMP", 20, 20, MakeOrb, {.a = 1, .col1 = 0x40c0c0, .col2 = 0xe0ffff, .f = 0.38f}},
    {"IMAGE/VAL15L.BMP", 15, 30, MakeStreak, {.a = 1, .b = 0, .col1 = 0xffb020, .col2 = 0xfff8d0}},
    {"IMAGE/VAL151L.BMP", 60, 30, MakeStreak, {.a = 2, .b = 1, .col1 = 0x20c0ff, .col2 = 0xe0ffff}},
    {"IMAGE/VAL30L.BMP", 30, 60, MakeStreak, {.a = 1, .b = 0, .col1 = 0xff4040, .col2 = 0xffe0e0}},
    {"IMAGE/VAL20.BMP", 20, 20, MakeOrb, {.a = 1, .col1 = 0xe0e040, .col2 = 0xffffe0, .f = 0.38f}},
    {"IMAGE/VALARM11.BMP", 150, 180, MakeDrop, {.col1 = 0xff5018, .col2 = 0xffd060}},
    {"IMAGE/VALARM12.BMP", 150, 180, MakeDrop, {.col1 = 0xff5018, .col2 = 0xffd060}},
    {"IMAGE/VALARM31.BMP", 80, 120, MakeDrop, {.col1 = 0xc030ff, .col2 = 0xffc0ff}},
    {"IMAGE/VALARM32.BMP", 80, 120, MakeDrop, {.col1 = 0xff30a0, .col2 = 0xffc0e0}},
    {"IMAGE/VALARM33.BMP", 120, 120, MakeDrop, {.col1 = 0xc030ff, .col2 = 0xffc0ff, .f = 45}},
    {"IMAGE/VALARM34.BMP", 120, 120, MakeDrop, {.col1 = 0xc030ff, .col2 = 0xffc0ff, .f = -45}},
    {"IMAGE/VALARM51.BMP", 360, 400, MakeBeam, {.col1 = 0x2090ff, .col2 = 0xc0f8ff}},
    {"IMAGE/VALARM70.BMP", 120, 120, MakeDrop, {.col1 = 0x20d070, .col2 = 0xd0ffc0}},
    {"IMAGE/VALARM7.BMP", 120, 120, MakeDrop, {.col1 = 0x20a0d0, .col2 = 0xd0f0ff}},
    {"IMAGE/VALARM71.BMP", 120, 120, MakeDrop, {.col1 = 0x20d070, .col2 = 0xd0ffc0, .f = -45}},
    {"IMAGE/VALARM72.BMP", 120, 120, MakeDrop, {.col1 = 0x20d070, .col2 = 0xd0ffc0, .f = 45}},
    {"IMAGE/VALARM73.BMP", 60, 120, MakeDrop, {.col1 = 0x20d070, .col2 = 0xd0ffc0}},
    {"IMAGE/VALARM74.BMP", 60, 60, MakeDrop, {.col1 = 0x20d070, .col2 = 0xd0ffc0, .f = -45}},
    {"IMAGE/VALARM75.BMP", 60, 60, MakeDrop, {.col1 = 0x20d070, .col2 = 0xd0ffc0, .f = 45}},
    {"IMAGE/VAL20w.BMP", 19, 19, MakeSpiralShot, {.a = 1, .col1 = 0xff3090, .col2 = 0xffd0f0}},
    {"IMAGE/VAL21w.BMP", 19, 19, MakeSpiralShot, {.a = 2, .col1 = 0xff3090, .col2 = 0xffd0f0}},
    {"IMAGE/VAL30w.BMP", 30, 30, MakeSpiralShot, {.a = 1, .col1 = 0xffa020, .col2 = 0xfff0c0}},
    {"IMAGE/VALL301.BMP", 30, 30, MakeDart, {.a = 0, .b = 0, .col1 = 0xff3838, .col2 = 0xffe8a0}},
    {"IMAGE/VALL3011.BMP", 30, 30, MakeDart, {.a = 0, .b = 2, .col1 = 0xa040ff, .col2 = 0xf0d8ff}},
    {"IMAGE/VALL3013.BMP", 30, 30, MakeSpiralShot, {.a = 1, .col1 = 0x20b8ff, .col2 = 0xd8ffff}},
    {"IMAGE/VALL3014.BMP", 30, 30, MakeSpiralShot, {.a = 2, .col1 = 0x20b8ff, .col2 = 0xd8ffff}},
    {"IMAGE/VALL3015.BMP", 30, 30, MakeChain, {.a = 1, .b = 0, .col1 = 0xe0a020, .col2 = 0xfff4c0}},
    {"IMAGE/VALL3016.BMP", 30, 30, MakeChain, {.a = 2, .b = 0, .col1 = 0xe0a020, .col2 = 0xfff4c0}},
    {"IMAGE/VAL3015A.BMP", 30, 30, MakeChain, {.a = 1, .b = 2, .col1 = 0xe0a020, .col2 = 0xfff4c0}},
    {"IMAGE/VAL3016A.BMP", 30, 30, MakeChain, {.a = 2, .b = 2, .col1 = 0xe0a020, .col2 = 0xfff4c0}},
    {"IMAGE/VALL3017.BMP", 30, 30, MakeChain, {.a = 1, .b = 1, .col1 = 0xff3030, .col2 = 0xffe0a0}},
    {"IMAGE/VALL3018.BMP", 30, 30, MakeChain, {.a = 2, .b = 1, .col1 = 0xff3030, .col2 = 0xffe0a0}},
    {"IMAGE/VAL3017A.BMP", 30, 30, MakeChain, {.a = 1, .b = 2, .col1 = 0xff7020, .col2 = 0xffe8b0}},
    {"IMAGE/VAL3018A.BMP", 30, 30, MakeChain, {.a = 2, .b = 2, .col1 = 0xff7020, .col2 = 0xffe8b0}},
    {"IMAGE/VALL302.BMP", 30, 30, MakeDart, {.a = 0, .b = 3, .col1 = 0xff8020, .col2 = 0xfff0b0}},
    {"IMAGE/VALL3019.BMP", 30, 30, MakeChain, {.a = 1, .b = 0, .col1 = 0x40c0ff, .col2 = 0xe0ffff}},
    {"IMAGE/VALL3020.BMP", 30, 30, MakeChain, {.a = 2, .b = 0, .col1 = 0x40c0ff, .col2 = 0xe0ffff}},
    {"IMAGE/MESO1.BMP", 200, 100, MakeMessagePlate, {}},
    {"IMAGE/ZFIRE1.BMP", 400, 70, MakeFlame, {.col1 = 0x3c70ff, .col2 = 0xb0ecff}},
    {"IMAGE/ZFIRE2.BMP", 400, 70, MakeFlame, {.col1 = 0xe84818, .col2 = 0xffe070}},
    {"IMAGE/BBACK1S.BMP", 440, 480, MakeTile, {.a = 0}},
    {"IMAGE/BBACK2S.BMP", 440, 480, MakeTile, {.a = 1}},
    {"IMAGE/BBACK3S.BMP", 440, 480, MakeTile, {.a = 2}},
    {"IMAGE/BBACK6S.BMP", 640, 480, MakeTile, {.a = 3}},
    {"IMAGE/BBACK8S.BMP", 440, 480, MakeTile, {.a = 4}},
    {"IMAGE/TITLEC.BMP", 440, 480, MakeTitle, {}},
    {"IMAGE/QTWCG1.BMP", 440, 480, MakeEnding, {.a = 1}},
    {"IMAGE/QTWCG2.BMP", 440, 480, MakeEnding, {.a = 2}},
    {"IMAGE/QTWCG3.BMP", 440, 480, MakeEnding, {.a = 3}},
    {"IMAGE/LEVEL0.BMP", 440, 480, MakeShipSelect, {}},
    {"IMAGE/LEVEL1.BMP", 440, 480, MakeLevelSelect, {}},
    {"IMAGE/CONTINU1.BMP", 200, 100, MakeContinue, {}},
    {"IMAGE/MYME1.BMP", 420, 70, MakePlayerShip, {.a = 1}},
    {"MYME1.BMP", 420, 70, MakePlayerShip, {.a = 1}},
    {"MYME2.BMP", 420, 70, MakePlayerShip, {.a = 2}},
};

const char* const kMusic[] = {"QTW1", "QTW2", "QTW3", "QTW4", "QTW5", "QTWEND", "HMDW3", "KV5"};

bool WriteBytes(const std::filesystem::path& p, const std::vector<uint8_t>& data, std::string& error) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    if (!f) {
        error = "cannot create " + p.string();
        return false;
    }
    f.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    f.close();
    if (!f) {
        error = "cannot write " + p.string();
        return false;
    }
    return true;
}

// The file name without folder and extension, so that the two MYME1 copies match.
std::string Stem(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    return base.substr(0, base.rfind('.'));
}

int Run(const std::filesystem::path& out) {
    std::error_code ec;
    for (const char* dir : {"IMAGE", "SOUND", "MIDI"}) {
        std::filesystem::create_directories(out / dir, ec);
        if (ec) {
            std::fprintf(stderr, "assetgen: cannot create %s: %s\n", (out / dir).string().c_str(), ec.message().c_str());
            return 1;
        }
    }
    std::string error;
    for (const Row& r : kPictures) {
        Job j{Stem(r.path), r.w, r.h, r.args};
        Canvas c = r.make(j);
        ClampToKey(c);
        if (c.w != r.w || c.h != r.h) {
            std::fprintf(stderr, "assetgen: %s came out %dx%d, not %dx%d\n", r.path, c.w, c.h, r.w, r.h);
            return 1;
        }
        if (!WriteBytes(out / r.path, EncodeBmp(c), error)) {
            std::fprintf(stderr, "assetgen: %s\n", error.c_str());
            return 1;
        }
    }
    if (!WriteBytes(out / "SOUND/SHOT.WAV", MakeShotWave(), error) || !WriteBytes(out / "SOUND/BOM.WAV", MakeBoomWave(), error)) {
        std::fprintf(stderr, "assetgen: %s\n", error.c_str());
        return 1;
    }
    for (const char* name : kMusic) {
        if (!WriteBytes(out / "MIDI" / (std::string(name) + ".MID"), MakeMusic(name), error)) {
            std::fprintf(stderr, "assetgen: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace
}  // namespace ag

int main(int argc, char** argv) {
    if (argc != 2 || !*argv[1]) {
        std::fprintf(stderr, "usage: assetgen OUTDIR\n");
        return 2;
    }
    return ag::Run(argv[1]);
}
