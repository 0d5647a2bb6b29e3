// The headless play driver.
#include <cstdio>

#include "game/shell/playdriver.h"

int main(int argc, char** argv) { return RunPlaytest(argc, argv, stdout); }
