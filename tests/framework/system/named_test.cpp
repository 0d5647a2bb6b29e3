#include "framework/system/named.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/system/random.h"
#include "framework/system/system.h"

namespace {

struct Probe {
    int32_t x;
    uint32_t live;
};
Probe gProbes[2];

// Every registration fault stops the program when it registers, with a
// message that names the fault.
TEST(NamedDeathTest, RegistrationFaultsStopTheProgram) {
    struct Case {
        void (*registration)();
        const char* message;
    };
    const Case cases[] = {
        {[] { named::Scalar("RandSeed", &rng::Seed); }, "RandSeed is registered twice"},
        {[] { NAMED_SCALAR(FrameSeconds); }, "FrameSeconds is registered twice"},
        {[] { named::Pool("ProbePool", gProbes, {NAMED_FIELD(Probe, x), NAMED_FIELD(Probe, live)}); },
         "the active field active of ProbePool is not among its fields"},
    };
    for (const auto& c : cases) EXPECT_DEATH(c.registration(), c.message);
}

// Every registered name can be visited, with the memory it covers.
TEST(Named, ForEachCoversScalarsArraysAndPools) {
    size_t seedBytes = 0, joyBytes = 0;
    void* seedBase = nullptr;
    named::ForEach([&](const std::string& name, void* base, size_t bytes) {
        if (name == "RandSeed") {
            seedBase = base;
            seedBytes = bytes;
        }
        if (name == "JoyCentreX") joyBytes = bytes;
    });
    EXPECT_EQ(seedBase, &rng::Seed);
    EXPECT_EQ(seedBytes, 4u);
    EXPECT_EQ(joyBytes, 2 * 4u);  // two sticks, a 32-bit centre each
}

}  // namespace
