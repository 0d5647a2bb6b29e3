#include "framework/system/random.h"

#include "framework/system/named.h"

namespace rng {

uint32_t Seed = 1;

void srand(uint32_t seed) { Seed = seed; }

int rand() {
    Seed = Seed * 214013u + 2531011u;
    return static_cast<int>((Seed >> 16) & 0x7FFF);
}

namespace {
named::Registrar reg([] { named::Scalar("RandSeed", &Seed); });
}

}  // namespace rng
