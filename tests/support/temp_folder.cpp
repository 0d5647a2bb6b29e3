#include "tests/support/temp_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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
    if (ec) throw std::runtime_error(file + " could not be written: " + ec.message());
    WriteFile(file, bytes.data(), bytes.size());
    return file;
}

// A full disk shows only at the write or the close, so each step's
// failure is kept with its own reason.
void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
    const auto failed = [&path](const char* step, int error) {
        return std::runtime_error(path + " could not be " + step + ": " + std::strerror(error));
    };
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) throw failed("opened", errno);
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            throw failed("written", error);
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    if (::close(fd) != 0) throw failed("closed", errno);
}

}  // namespace testsupport
