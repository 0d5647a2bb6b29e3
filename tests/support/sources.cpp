#include "tests/support/sources.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace testsupport {

std::vector<SourceFile> SourceFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    const fs::path root = VQ_SOURCE_DIR;
    std::vector<SourceFile> files;
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp" && ext != ".inc")) continue;
        SourceFile file{fs::relative(entry.path(), root).generic_string(), {}};
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) file.lines.push_back(line);
        files.push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(), [](const SourceFile& a, const SourceFile& b) { return a.path < b.path; });
    return files;
}

}  // namespace testsupport
