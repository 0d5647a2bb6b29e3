// Every test leaves the game's named globals, records and pools as it found
// them: their bytes are saved before each test and written back after it, so
// the whole test binary also passes as one process. What lies outside the
// named registry (clocks, surfaces, the sound device, the platform's switches)
// each fixture releases or restores itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/system/named.h"

namespace {

class NamedStateGuard : public ::testing::EmptyTestEventListener {
    // Only the named fields come back: records may also hold pointers and
    // strings, which belong to whatever owns them.
    struct Saved {
        char* base;
        int count;
        size_t stride;
        std::vector<named::Field> fields;
        std::vector<char> bytes;
    };
    std::vector<Saved> saved_;

    void OnTestStart(const ::testing::TestInfo&) override {
        saved_.clear();
        named::ForEach([&](const std::string&, char* base, int count, size_t stride,
                           const std::vector<named::Field>& fields) {
            saved_.push_back({base, count, stride, fields, std::vector<char>(base, base + count * stride)});
        });
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        for (const auto& s : saved_)
            for (int i = 0; i < s.count; ++i)
                for (const auto& f : s.fields) {
                    const size_t at = i * s.stride + f.offset;
                    std::memcpy(s.base + at, s.bytes.data() + at, named::SizeOf(f.type));
                }
        saved_.clear();
    }
};

const bool kInstalled = [] {
    // Tests run headless on SDL's dummy drivers unless told otherwise, under
    // CTest and by hand alike.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // Every test hears the soundfont the music was mixed against, whichever
    // others the machine has; a test that wants another names it itself.
    setenv("SDL_SOUNDFONTS", "/usr/share/sounds/sf2/TimGM6mb.sf2", 0);
    ::testing::UnitTest::GetInstance()->listeners().Append(new NamedStateGuard);
    return true;
}();

}  // namespace
