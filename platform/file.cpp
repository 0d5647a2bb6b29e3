#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace plat {

std::string NotAFile(mode_t mode) {
    if (S_ISREG(mode)) return "";
    if (S_ISDIR(mode)) return "a folder, not a file";
    if (S_ISFIFO(mode)) return "a named pipe, not a file";
    if (S_ISCHR(mode)) return "a character device, not a file";
    if (S_ISBLK(mode)) return "a block device, not a file";
    if (S_ISSOCK(mode)) return "a socket, not a file";
    return "not a regular file";
}

namespace {

// Why an open of the path failed with this errno: what stands there when
// it is not a file (a socket cannot be opened at all), else the error.
std::string OpenFault(const std::string& path, int error) {
    struct stat st;
    if (error == ENOENT) return lstat(path.c_str(), &st) == 0 ? "a symbolic link to nothing" : "";
    if (error == ELOOP && lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) return "a symbolic link that loops";
    if (stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return NotAFile(st.st_mode);
    return std::strerror(error);
}

// A lease (as file servers hold) answers a non-blocking open at once while
// its holder is asked to give it up: a regular file alone is then waited
// for, opened again through a descriptor of the file itself, so that nothing
// put under the name meanwhile (a named pipe) is opened instead.
int OpenLeased(const std::string& path) {
    const int place = open(path.c_str(), O_PATH | O_CLOEXEC);
    if (place < 0) return -1;
    struct stat st;
    int fd = -1;
    if (fstat(place, &st) == 0 && S_ISREG(st.st_mode))
        fd = open(DescriptorName(place).c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    else
        errno = EWOULDBLOCK;
    const int error = errno;
    close(place);
    errno = error;
    return fd;
}

}  // namespace

int OpenRegularFile(const std::string& path, std::string* why) {
    why->clear();
    // O_NONBLOCK: a named pipe opens at once instead of waiting for a
    // writer, and a device cannot hold the open; only the type is looked at.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 && errno == EWOULDBLOCK) fd = OpenLeased(path);
    struct stat st;
    if (fd < 0) {
        const int error = errno;
        *why = OpenFault(path, error);
        errno = error;
        return -1;
    }
    if (fstat(fd, &st) != 0) {
        *why = std::strerror(errno);
    } else {
        *why = NotAFile(st.st_mode);
        if (why->empty() && fcntl(fd, F_SETFL, 0) != 0) *why = std::strerror(errno);  // plain blocking reads
    }
    if (why->empty()) return fd;
    close(fd);
    errno = EINVAL;
    return -1;
}

FILE* OpenRegularStream(const std::string& path, std::string* why) {
    const int fd = OpenRegularFile(path, why);
    if (fd < 0) return nullptr;
    FILE* f = fdopen(fd, "rb");
    if (!f) {
        *why = std::strerror(errno);
        close(fd);
    }
    return f;
}

std::string RegularFileFault(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        const std::string why = OpenFault(path, errno);
        return why.empty() ? "no such file" : why;
    }
    return NotAFile(st.st_mode);
}

std::string DescriptorName(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

}  // namespace plat
