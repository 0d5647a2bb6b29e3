// Stream groups: a boss pours 50 shots out of one point, one every few ticks,
// and every shot weaves down the same path of whole-pixel steps read from the
// group's band table. Mirror pairs share a table with the sideways steps
// negated.
#pragma once
#include <cstdint>

#include "game/bullets/groups.h"
#include "game/bullets/records.h"

constexpr int kStreamShotCount = 50;

// Every Stream group, one row each. Counter: the index of the group's emitter
// counter in its boss record; spawn: offsets from the boss's truncated
// position; cadence: ticks between shots (the cycle is 50 cadences); rate:
// path units per second; dir: +1 as the band table says, -1 mirrored; judge:
// whether a shot can hit the player.
// clang-format off
//                group              owner       n  counter spawn x, y  image    size  cadence  rate  bands     dir  judge
#define STREAM_GROUPS(G) \
    G(Stage5BossStream1, Stage5Boss, 1, 10,    220,  60, ImgRay7, 20,   3,      20,  kWeave1,  +1,  true)  \
    G(Stage5BossStream2, Stage5Boss, 2, 11,    220,  60, ImgRay7, 20,   3,      20,  kWeave1,  -1,  true)  \
    G(Stage5BossStream3, Stage5Boss, 3, 12,    220,  60, ImgRay7, 20,   3,      20,  kWeave2,  +1,  true)  \
    G(Stage5BossStream4, Stage5Boss, 4, 13,    220,  60, ImgRay7, 20,   3,      20,  kWeave2,  -1,  true)  \
    G(Stage5BossStream5, Stage5Boss, 5, 14,    220,  60, ImgRay7, 20,   3,      20,  kWeave3,  +1,  true)  \
    G(Stage5BossStream6, Stage5Boss, 6, 15,    220,  60, ImgRay7, 20,   3,      20,  kWeave3,  -1,  true)  \
    G(Stage5BossStream7, Stage5Boss, 7, 16,    220,  60, ImgRay7, 20,   2,      50,  kWeave4,  +1,  true)  \
    G(Stage5BossStream8, Stage5Boss, 8, 17,    220,  60, ImgRay7, 20,   2,      50,  kWeave4,  -1,  true)  \
    G(Stage3BossStream1, Stage3Boss, 1,  0,    135, 135, ImgRay4, 30,   3,      20,  kWeave5,  +1,  false) \
    G(Stage3BossStream2, Stage3Boss, 2,  1,    275, 135, ImgRay4, 30,   3,      20,  kWeave5,  -1,  false) \
    G(Stage3BossStream3, Stage3Boss, 3,  2,    130, 130, ImgRay5, 40,   3,      20,  kWeave6,  +1,  false) \
    G(Stage3BossStream4, Stage3Boss, 4,  3,    270, 130, ImgRay5, 40,   3,      20,  kWeave6,  -1,  false) \
    G(Stage3BossStream5, Stage3Boss, 5,  4,    125, 105, ImgRay6, 50,   3,      20,  kWeave7,  +1,  false) \
    G(Stage3BossStream6, Stage3Boss, 6,  5,    265, 105, ImgRay6, 50,   3,      20,  kWeave7,  -1,  false) \
    G(Stage4BossStream1, Stage4Boss, 1,  0,    110, 140, ImgRay3, 20,   3,      20,  kWeave5,  +1,  false) \
    G(Stage4BossStream2, Stage4Boss, 2,  1,    250, 140, ImgRay3, 20,   3,      20,  kWeave5,  -1,  false) \
    G(Stage4BossStream3, Stage4Boss, 3,  2,    110, 140, ImgRay3, 20,   3,      20,  kWeave6,  +1,  false) \
    G(Stage4BossStream4, Stage4Boss, 4,  3,    250, 140, ImgRay3, 20,   3,      20,  kWeave6,  -1,  false) \
    G(Stage4BossStream5, Stage4Boss, 5,  4,    110, 140, ImgRay3, 20,   3,      20,  kWeave7,  +1,  false) \
    G(Stage4BossStream6, Stage4Boss, 6,  5,    250, 140, ImgRay3, 20,   3,      20,  kWeave7,  -1,  false)
// clang-format on

// Each group's shots, and its Spawn(i): arms record i if it is free (only the
// group's own Emit calls it).
#define STREAM_DECLARE(G, ...)                         \
    extern StreamShot G##Shots[kStreamShotCount];      \
    void Spawn##G(uint32_t i);
STREAM_GROUPS(STREAM_DECLARE)
#undef STREAM_DECLARE
