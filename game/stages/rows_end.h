// Ends the timeline words that game/stages/rows.h opened; a timeline's source
// file includes this after its last table.
#undef Call
#undef Move
#undef Draw
#undef UpdateDraw
#undef Spawn
#undef Emit
#undef Enemy
#undef Shots
#undef ShotsDrawFirst
#undef Stars
#undef TIMELINE_WINDOW
#undef Open
#undef Closed
#undef Attack
#undef HealthIn
#undef If
#undef Else
#undef End
#undef ItemWindows
#undef SpinnerWave
#undef Szak13Wave
#undef TIMELINE_WORDS
