// The project's own source files as text, read from the source tree, for the
// tests that check how the code is laid out.
#pragma once
#include <string>
#include <vector>

namespace testsupport {

struct SourceFile {
    std::string path;  // from the source tree's root: "game/bullets/fan.cpp"
    std::vector<std::string> lines;
};

// Every .h, .cpp and .inc file under the folder (from the source tree's
// root), in path order.
std::vector<SourceFile> SourceFiles(const std::string& folder);

}  // namespace testsupport
