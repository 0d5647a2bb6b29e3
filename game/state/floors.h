// The folders of game/ are floors. A file includes headers of its own floor
// and of the floors below it, never of a floor above. Lowest first:
//
// Floors: catalogue state shell bosses player bullets enemies stages
//
// catalogue  the owners and the bullet kinds in reset order
// state      records and state that several floors read and write: the
//            player's state, the stage clock, lock points, the enemy records
//            and the background layers (their code stays on its own floor)
// shell      start-up, assets, game modes, resets, menus, the score panel
// bosses     the bosses' records, bodies and defeat
// player     the ship, its weapons and their targets
// bullets    the bullet kinds and their groups, which judge the player
// enemies    the enemy families, which fire bullet groups
// stages     the stage timelines and their driver, the ending
#pragma once
