// Stream groups: a boss pours 50 shots out of one point, one every few ticks,
// and every shot weaves down the same path of whole-pixel steps read from the
// group's band table. Mirror pairs share a table with the sideways steps
// negated. The groups are the rows of STREAM_GROUPS in group_table.h;
// groups.h declares their operations.
#pragma once
#include <cstdint>

#include "game/bullets/groups.h"
#include "game/bullets/records.h"

constexpr int kStreamShotCount = 50;

// Each group's shots.
#define STREAM_SHOTS(Name, ...) extern StreamShot Name##Shots[kStreamShotCount];
STREAM_GROUPS(STREAM_SHOTS)
#undef STREAM_SHOTS
