// Beam groups: a boss's gun flashes a 90 x 400 beam straight down for four
// frames, judging the player once, on the frame it fires. The groups are the
// rows of BEAM_GROUPS in group_table.h; groups.h declares each group's
// record NameShot (a BeamShot) and its operations.
#pragma once

#include "game/bullets/groups.h"
