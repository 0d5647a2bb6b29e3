// Beam groups: a boss's gun flashes a 90 x 400 beam straight down for four
// frames, judging the player once, on the frame it fires.
#pragma once
#include <cstdint>

#include "game/bullets/groups.h"

struct BeamShot {
    uint32_t frame;  // 1..4 while the beam shows, 0 idle
    float x;
    float y;
    uint32_t active;
};

// Every Beam group, one row each: where the beam fires from, relative to the
// boss, and the player box relative to the beam's corner (both ends included).
// clang-format off
//              group            owner       n  beam x, y   box x lo..hi   box y lo..hi
#define BEAM_GROUPS(G) \
    G(Stage4BossBeam1, Stage4Boss, 1,  36, 205,    -60, 30,       -220, 30) \
    G(Stage4BossBeam2, Stage4Boss, 2, 254, 205,    -60, 30,       -220, 30)
// clang-format on

#define BEAM_DECLARE(G, ...) extern BeamShot G##Shot;
BEAM_GROUPS(BEAM_DECLARE)
#undef BEAM_DECLARE
