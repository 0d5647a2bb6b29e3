#include "tests/support/temp_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace testsupport {
namespace {

// A folder that cannot be made is an error at once: a test that went on
// with an empty path would make and remove its files at the top of the
// file system.
std::string NewFolder() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = tmp && *tmp ? tmp : "/tmp";
    std::string pattern = base + "/vqtest.XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("no folder for the test's files could be made in " + base + ": " +
                                 std::strerror(errno));
    return pattern;
}

}  // namespace

TempFolder::TempFolder() : path(NewFolder()) {}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
}

std::string TempFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    const std::string file = path + "/" + name;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error(file + " could not be written" + (ec ? ": " + ec.message() : ""));
    return file;
}

}  // namespace testsupport
