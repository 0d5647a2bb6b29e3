// FlameChain groups: six points leave the boss together on one heading aimed
// near the player, each faster than the one behind, and are drawn as five
// joined flickering lines; the streak retires as a whole once its rear point
// has left the screen.
#pragma once
#include <cstdint>

#include "game/bullets/groups.h"
#include "game/bullets/records.h"

constexpr int kFlameChainPoints = 6;

// Every FlameChain group, one row each: the launch x from the boss's x, and
// the turn of the heading away from the aim, in steps of 6 degrees (2 pi/60).
// clang-format off
//                     group                   owner          n  launch x   turn
#define FLAMECHAIN_GROUPS(G) \
    G(AltStage4BossFlameChain1, AltStage4Boss, 1, 225 - 20,  -2) \
    G(AltStage4BossFlameChain2, AltStage4Boss, 2, 225 + 20,  +2) \
    G(AltStage4BossFlameChain3, AltStage4Boss, 3, 225 - 20,  -4) \
    G(AltStage4BossFlameChain4, AltStage4Boss, 4, 225 + 20,  +4) \
    G(AltStage4BossFlameChain5, AltStage4Boss, 5, 225 - 20,  -3 * 2) \
    G(AltStage4BossFlameChain6, AltStage4Boss, 6, 225 + 20,  +3 * 2)
// clang-format on

#define FLAMECHAIN_DECLARE(G, ...) extern AngledShot G##Shots[kFlameChainPoints];
FLAMECHAIN_GROUPS(FLAMECHAIN_DECLARE)
#undef FLAMECHAIN_DECLARE
