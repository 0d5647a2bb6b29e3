// A folder of its own for a test's files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// A new folder of a unique name under TMPDIR (else /tmp), removed with
// everything in it when the object goes, also when the test fails on the way.
// When no folder can be made, or a file cannot be written, it throws a
// std::runtime_error naming the place and the reason, which fails the test.
struct TempFolder {
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Writes the bytes as `name`, which may name sub-folders, and gives its path.
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const;

    const std::string path;  // without a trailing '/'
};

// Writes `size` bytes as the file at `path`, all of them, or throws a
// std::runtime_error naming the file and why it could not be written.
void WriteFile(const std::string& path, const uint8_t* data, size_t size);

}  // namespace testsupport
