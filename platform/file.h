// Opening the files the game reads: never waiting for anything but a lease
// on a regular file, and only regular files.
#pragma once
#include <sys/types.h>

#include <cstdio>
#include <string>

namespace plat {

// What a file of this mode is when it is not a regular file, in words
// ("a named pipe, not a file"); "" for a regular file.
std::string NotAFile(mode_t mode);

// Opens a file for reading. Whatever stands under the name, the open never
// blocks: a named pipe without a writer, a device, a socket or a folder is
// closed again at once and refused. Only a regular file under a lease is
// waited for, while the lease's holder gives it up. Returns the descriptor,
// or -1 with *why saying what is wrong; *why is left empty only when there
// is no such file at all (a symbolic link that leads nowhere, or that
// loops, is named as such).
int OpenRegularFile(const std::string& path, std::string* why);
// The same as a stdio stream opened "rb", or nullptr.
FILE* OpenRegularStream(const std::string& path, std::string* why);
// For a file a library opens itself by name: "" when a regular file stands
// under the name, else what is there instead ("no such file" when nothing).
std::string RegularFileFault(const std::string& path);
// The name under /proc of an open descriptor: an open or a mode change
// through it reaches the very file the descriptor holds, whatever stands
// under the file's own name by then (and works for a descriptor of O_PATH,
// which takes no fchmod or read itself).
std::string DescriptorName(int fd);

}  // namespace plat
