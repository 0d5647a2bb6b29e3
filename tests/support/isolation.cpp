// Every test leaves the game's named globals, records and pools as it found
// them: their bytes are saved before each test and written back after it, so
// the whole test binary also passes as one process. What lies outside the
// named registry (clocks, surfaces, the sound device, the platform's switches)
// each fixture releases or restores itself.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/system/named.h"

namespace {

class NamedStateGuard : public ::testing::EmptyTestEventListener {
    struct Saved {
        void* base;
        std::vector<unsigned char> bytes;
    };
    std::vector<Saved> saved_;

    void OnTestStart(const ::testing::TestInfo&) override {
        saved_.clear();
        named::ForEach([&](const std::string&, void* base, size_t bytes) {
            auto* p = static_cast<unsigned char*>(base);
            saved_.push_back({base, std::vector<unsigned char>(p, p + bytes)});
        });
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        for (const auto& s : saved_) std::memcpy(s.base, s.bytes.data(), s.bytes.size());
        saved_.clear();
    }
};

const bool kInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new NamedStateGuard);
    return true;
}();

}  // namespace
