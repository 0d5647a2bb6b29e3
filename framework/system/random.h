// The game's random generator: values 0 to 32767 from a linear congruential
// sequence, seeded from the calendar time at start-up.
#pragma once
#include <cstdint>

namespace rng {

constexpr int kRandMax = 32767;
extern uint32_t Seed;

void srand(uint32_t seed);
int rand();

}  // namespace rng
