// FlameChain groups: six points leave the boss together on one heading aimed
// near the player, each faster than the one behind, and are drawn as five
// joined flickering lines; the streak retires as a whole once its rear point
// has left the screen. The groups are the rows of FLAMECHAIN_GROUPS in
// group_table.h; groups.h declares their operations.
#pragma once
#include <cstdint>

#include "game/bullets/groups.h"
#include "game/bullets/records.h"

constexpr int kFlameChainPoints = 6;

// Each group's points.
#define FLAMECHAIN_POINTS(Name, ...) extern AngledShot Name##Shots[kFlameChainPoints];
FLAMECHAIN_GROUPS(FLAMECHAIN_POINTS)
#undef FLAMECHAIN_POINTS
