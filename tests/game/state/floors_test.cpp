// No include in game/ runs up the floors that game/state/floors.h writes down.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "tests/support/sources.h"

namespace {

// Each folder of game/ by its floor, lowest 0, read from the "// Floors:" line.
std::map<std::string, int> Floors() {
    std::map<std::string, int> floors;
    for (const auto& file : testsupport::SourceFiles("game/state"))
        for (const auto& line : file.lines)
            if (line.rfind("// Floors:", 0) == 0) {
                std::istringstream words(line.substr(10));
                for (std::string folder; words >> folder;) floors.emplace(folder, static_cast<int>(floors.size()));
            }
    return floors;
}

TEST(Floors, EveryFolderHasAFloorAndNoIncludeRunsUpward) {
    const auto floors = Floors();
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(VQ_SOURCE_DIR) / "game")) {
        if (!entry.is_directory()) continue;
        EXPECT_TRUE(floors.count(entry.path().filename().string())) << entry.path() << " has no floor";
    }

    const std::regex include(R"(\s*#\s*include\s+"game/(\w+)/.*)");
    for (const auto& file : testsupport::SourceFiles("game")) {
        const std::string folder = file.path.substr(5, file.path.find('/', 5) - 5);
        for (const auto& line : file.lines) {
            std::smatch m;
            if (!std::regex_match(line, m, include) || !floors.count(m[1]) || !floors.count(folder)) continue;
            EXPECT_LE(floors.at(m[1]), floors.at(folder)) << file.path << ": " << line;
        }
    }
}

}  // namespace
