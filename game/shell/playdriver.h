// The headless play driver: runs the game's own loop on virtual time with
// scripted keys, and prints named state after chosen frames.
#pragma once
#include <cstdio>

// Runs the driver with the command-line arguments of `playtest`; prints to out.
// Returns 0 on success, 2 on bad arguments or unknown names.
int RunPlaytest(int argc, char** argv, std::FILE* out);
