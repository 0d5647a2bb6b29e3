#include "platform/system.h"

#include <SDL.h>
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/file.h"
#include "platform/message_box.h"
#include "platform/window.h"

namespace plat {
namespace {

std::string gExeDir;
std::string gExeOverride;
bool gLockEnabled = true;
int gLockFd = -1;
std::string gLockPath;
bool gBoxesShown = true;
std::string gLastBox;

std::string ReadExeDir() {
    std::string path;
    std::vector<char> buf(4096);
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) break;
        if (static_cast<size_t>(n) < buf.size()) {
            path.assign(buf.data(), static_cast<size_t>(n));
            break;
        }
        buf.resize(buf.size() * 2);
    }
    if (path.empty()) return "./";
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

// In every child forked while the game runs: the lock's descriptor is
// closed, and the child ends with the game (a message box shown from a
// child must not outlive a game that is killed).
void InForkedChild() {
    if (gLockFd >= 0) {
        close(gLockFd);
        gLockFd = -1;
    }
    prctl(PR_SET_PDEATHSIG, SIGKILL);
}

// While a box blocks, SIGTERM and SIGINT end the game at once (SDL's own
// handlers only queue a quit that nobody reads until the box closes).
void EndNow(int sig) {
    signal(sig, SIG_DFL);
    raise(sig);
}

}  // namespace

const std::string& ExecutableDirectory() {
    if (!gExeOverride.empty()) return gExeOverride;
    if (gExeDir.empty()) gExeDir = ReadExeDir();
    return gExeDir;
}

void SetExecutableDirectory(const std::string& dir) {
    gExeOverride = dir;
    if (!gExeOverride.empty() && gExeOverride.back() != '/') gExeOverride += '/';
}

namespace {

// One place for the lock: a folder and the lock file's name in it. The
// temporary folder is shared by every user, so there the lock lies in a
// folder of the user's own, made for it.
struct LockPlace {
    std::string folder;
    std::string file;
    bool ownFolder = false;  // made by the game in a shared folder
    std::string Path() const { return folder + "/" + file; }
};

std::vector<LockPlace> LockPlaces(const std::string& name) {
    std::string file;
    for (char c : name) file += (c == '/' ? '_' : c);
    std::vector<LockPlace> places;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) places.push_back({runtime, file + ".lock", false});
    const char* tmp = std::getenv("TMPDIR");
    places.push_back({std::string(tmp && *tmp ? tmp : "/tmp") + "/" + file + "." + std::to_string(getuid()),
                      file + ".lock", true});
    return places;
}

// What a place's folder or lock file is wrong in. `planted` marks what only
// another user could have put there (as opposed to a folder that cannot be
// made or written), which is worth a line even when a later place holds
// the lock.
struct LockFault {
    std::string why;
    bool planted = false;
};

// What stands under a name that was refused, in words.
std::string WhatIsThere(const struct stat& st) {
    if (S_ISLNK(st.st_mode)) return "a symbolic link";
    if (S_ISREG(st.st_mode)) return "a file";
    if (S_ISDIR(st.st_mode)) return "a folder";
    const std::string what = NotAFile(st.st_mode);
    return what.substr(0, what.find(','));
}

// Whether a file or folder is this user's alone to change; the fault when not.
bool OwnedAlone(const struct stat& st, const std::string& what, LockFault* fault) {
    if (st.st_uid != geteuid()) {
        *fault = {what + " belongs to user " + std::to_string(st.st_uid), true};
        return false;
    }
    if (S_ISDIR(st.st_mode) && (st.st_mode & (S_IWGRP | S_IWOTH))) {
        *fault = {what + " can be written by other users", true};
        return false;
    }
    return true;
}

// Opens the place's folder: a real folder (a folder the game makes in a
// shared folder is never reached through a link), owned by this user and
// writable by nobody else. -1 with the fault otherwise. The game's own
// folder is then given mode 0700, whatever the umask it was made under or
// an earlier start left it at; it is opened for its place alone (O_PATH),
// so that no mode of its own keeps it from being opened.
int OpenLockFolder(const LockPlace& place, LockFault* fault) {
    const char* folder = place.folder.c_str();
    if (place.ownFolder && mkdir(folder, 0700) != 0 && errno != EEXIST) {
        *fault = {std::strerror(errno)};
        return -1;
    }
    const int fd = open(folder, O_DIRECTORY | O_CLOEXEC | (place.ownFolder ? O_PATH | O_NOFOLLOW : O_RDONLY));
    if (fd < 0) {
        const int error = errno;
        struct stat st;
        const bool there = (place.ownFolder ? lstat(folder, &st) : stat(folder, &st)) == 0;
        if (there && !S_ISDIR(st.st_mode))
            *fault = {"its folder is " + WhatIsThere(st), place.ownFolder};
        else if (!there || OwnedAlone(st, "its folder", fault))
            *fault = {std::strerror(error)};
        return -1;
    }
    struct stat st;
    if (fstat(fd, &st) != 0) {
        *fault = {std::strerror(errno)};
    } else if (OwnedAlone(st, "its folder", fault)) {
        if (place.ownFolder && (st.st_mode & 07777) != 0700) (void)chmod(DescriptorName(fd).c_str(), 0700);
        return fd;
    }
    close(fd);
    return -1;
}

// A lock file its owner may not write (a start under a strict umask that
// ended before it set the mode, or a chmod by hand) is given mode 0600 and
// opened again, once it is known to be this user's own regular file with
// one name; both through a descriptor of that very file, so that nothing
// put under its name meanwhile is changed or opened. -1 (errno EACCES)
// when it is not such a file.
int RepairLockFile(int folder, const std::string& file) {
    const int path = openat(folder, file.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    int fd = -1;
    struct stat st;
    if (path >= 0 && fstat(path, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() && st.st_nlink == 1) {
        const std::string self = DescriptorName(path);
        if (chmod(self.c_str(), 0600) == 0) fd = open(self.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    }
    if (path >= 0) close(path);
    if (fd < 0) errno = EACCES;
    return fd;
}

// Opens (making it when need be) the lock file in the open folder: never
// through a link, and only a regular file of this user's with no other
// name. -1 with the fault otherwise.
int OpenLockFile(int folder, const std::string& file, LockFault* fault) {
    int fd = openat(folder, file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EACCES) fd = RepairLockFile(folder, file);
    struct stat st;
    if (fd < 0) {
        const int error = errno;
        if (fstatat(folder, file.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            (!S_ISREG(st.st_mode) || st.st_uid != geteuid()))
            *fault = {"it is " + WhatIsThere(st) + (S_ISREG(st.st_mode) ? " of user " + std::to_string(st.st_uid) : ""),
                      true};
        else
            *fault = {std::strerror(error)};
        return -1;
    }
    if (fstat(fd, &st) != 0) {
        *fault = {std::strerror(errno)};
    } else if (!S_ISREG(st.st_mode)) {
        *fault = {"it is " + WhatIsThere(st), true};
    } else if (OwnedAlone(st, "it", fault)) {
        if (st.st_nlink == 1) {
            // Readable and writable by its owner whatever the umask it was
            // made under, or no later start could open it to lock it.
            if ((st.st_mode & 07777) != 0600) (void)fchmod(fd, 0600);
            return fd;
        }
        *fault = {"it has " + std::to_string(st.st_nlink) + " names (a hard link)", true};
    }
    close(fd);
    return -1;
}

}  // namespace

std::vector<std::string> InstanceLockPlaces(const std::string& name) {
    std::vector<std::string> paths;
    for (const LockPlace& place : LockPlaces(name)) paths.push_back(place.Path());
    return paths;
}

const std::string& HeldInstanceLockPath() { return gLockPath; }

bool AcquireInstanceLock(const std::string& name, const std::string& game) {
    if (!gLockEnabled) return true;
    if (gLockFd >= 0) return true;
    std::vector<std::pair<std::string, LockFault>> passedOver;
    for (const LockPlace& place : LockPlaces(name)) {
        LockFault fault;
        const int folder = OpenLockFolder(place, &fault);
        const int fd = folder >= 0 ? OpenLockFile(folder, place.file, &fault) : -1;
        if (folder >= 0) close(folder);
        if (fd < 0) {
            passedOver.emplace_back(place.Path(), fault);
            continue;
        }
        // A record lock belongs to this process alone: a child that a
        // library forks does not inherit it, and the system drops it the
        // moment the process ends, however it ends.
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        if (fcntl(fd, F_SETLK, &lock) != 0) {
            const int error = errno;
            close(fd);
            if (error == EACCES || error == EAGAIN) return false;  // another start holds it
            passedOver.emplace_back(place.Path(), LockFault{std::strerror(error)});
            continue;
        }
        gLockFd = fd;
        gLockPath = place.Path();
        static bool childHook = (pthread_atfork(nullptr, nullptr, InForkedChild), true);
        (void)childHook;
        // What someone else put in a place passed over is worth knowing.
        for (const auto& [path, refused] : passedOver)
            if (refused.planted)
                std::fprintf(stderr, "%s: %s is not used for the lock: %s\n", game.c_str(), path.c_str(),
                             refused.why.c_str());
        std::fflush(stderr);
        return true;
    }
    // No place for a lock: run rather than refuse, and say so.
    std::string tried;
    for (const auto& [path, refused] : passedOver)
        tried += (tried.empty() ? "" : ", ") + path + " (" + refused.why + ")";
    std::fprintf(stderr, "%s: no place can hold the lock against a second start (%s); playing on without it\n",
                 game.c_str(), tried.c_str());
    std::fflush(stderr);
    return true;
}

void ReleaseInstanceLock() {
    if (gLockFd >= 0) {
        close(gLockFd);  // closing drops the record lock
        gLockFd = -1;
        gLockPath.clear();
    }
}

void SetInstanceLockEnabled(bool enabled) { gLockEnabled = enabled; }

void SetMessageBoxesShown(bool shown) { gBoxesShown = shown; }

const std::string& LastMessageBox() { return gLastBox; }

int MessageBox(const std::string& text, const std::string& caption, BoxKind kind, const std::string& line) {
    gLastBox = caption + ": " + text;
    std::fprintf(stderr, "%s%s: %s\n", LinePrefix().c_str(), caption.c_str(), (line.empty() ? text : line).c_str());
    std::fflush(stderr);
    int fallback = kind == BoxKind::YesNo ? IDNO : IDOK;
    if (!gBoxesShown || IsHeadless() || !SDL_WasInit(SDL_INIT_VIDEO)) return fallback;
    struct sigaction endNow {}, oldTerm {}, oldInt {};
    endNow.sa_handler = EndNow;
    sigaction(SIGTERM, &endNow, &oldTerm);
    sigaction(SIGINT, &endNow, &oldInt);
    int pressed = ShowOwnBox(text, caption, kind, SdlWindow());
    if (pressed < 0) {
        // Without the font, the system's own box.
        SDL_MessageBoxButtonData ok[] = {
            {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDOK, "OK"}};
        SDL_MessageBoxButtonData yesNo[] = {
            {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDNO, "No"},
            {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDYES, "Yes"}};
        SDL_MessageBoxData data{};
        data.flags = SDL_MESSAGEBOX_WARNING;
        data.window = SdlWindow();
        data.title = caption.c_str();
        data.message = text.c_str();
        data.numbuttons = kind == BoxKind::YesNo ? 2 : 1;
        data.buttons = kind == BoxKind::YesNo ? yesNo : ok;
        if (SDL_ShowMessageBox(&data, &pressed) != 0) pressed = -1;
    }
    sigaction(SIGTERM, &oldTerm, nullptr);
    sigaction(SIGINT, &oldInt, nullptr);
    return pressed < 0 ? fallback : pressed;
}

std::vector<std::string> FindFiles(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> out;
    DIR* d = opendir(folder.empty() ? "." : folder.c_str());
    if (!d) return out;
    auto lower = [](std::string s) {
        for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::string suf = lower(suffix);
    while (dirent* e = readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        if (name.size() >= suf.size() && lower(name.substr(name.size() - suf.size())) == suf)
            out.push_back(name);
    }
    closedir(d);
    std::sort(out.begin(), out.end());
    return out;
}

std::string SettingsDirectory() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg) return xdg;
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.config";
    return ".";
}

}  // namespace plat
