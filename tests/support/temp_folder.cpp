#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace testsupport {
namespace {

std::string NewFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/vqtest.XXXXXX";
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

}  // namespace

TempFolder::TempFolder() : path(NewFolder()) {}

TempFolder::~TempFolder() {
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove_all(path, ec);
}

std::string TempFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    const std::string file = path + "/" + name;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return file;
}

}  // namespace testsupport
