#include "framework/system/named.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/state/background.h"

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

// Every registered name can be visited, with where its values lie.
TEST(Named, ForEachCoversScalarsArraysAndPools) {
    struct Seen {
        char* base = nullptr;
        int count = 0;
        size_t stride = 0;
        size_t fields = 0;
    } seed, joy, parade;
    named::ForEach([&](const std::string& name, char* base, int count, size_t stride,
                       const std::vector<named::Field>& fields) {
        Seen s{base, count, stride, fields.size()};
        if (name == "RandSeed") seed = s;
        if (name == "JoyCentreX") joy = s;
        if (name == "BossParade") parade = s;
    });
    EXPECT_EQ(seed.base, reinterpret_cast<char*>(&rng::Seed));
    EXPECT_EQ(seed.count, 1);
    EXPECT_EQ(seed.stride, 4u);
    EXPECT_EQ(joy.count, 2);  // two sticks, a 32-bit centre each
    EXPECT_EQ(joy.stride, 4u);
    EXPECT_EQ(parade.count, 8);
    EXPECT_EQ(parade.stride, sizeof(ParadeRecord));
    EXPECT_EQ(parade.fields, 5u);
}

}  // namespace
