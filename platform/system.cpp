#include "platform/system.h"

#include <SDL.h>
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

std::vector<std::string> InstanceLockPlaces(const std::string& name) {
    // The user's own runtime folder, then the temporary folder with the user
    // id in the name, so that one user's game never stops another's.
    std::string file;
    for (char c : name) file += (c == '/' ? '_' : c);
    std::vector<std::string> places;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) places.push_back(std::string(runtime) + "/" + file + ".lock");
    const char* tmp = std::getenv("TMPDIR");
    places.push_back(std::string(tmp && *tmp ? tmp : "/tmp") + "/" + file + "." + std::to_string(getuid()) + ".lock");
    return places;
}

const std::string& HeldInstanceLockPath() { return gLockPath; }

bool AcquireInstanceLock(const std::string& name) {
    if (!gLockEnabled) return true;
    if (gLockFd >= 0) return true;
    std::string tried;
    for (const std::string& path : InstanceLockPlaces(name)) {
        int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        // A record lock belongs to this process alone: a child that a
        // library forks does not inherit it, and the system drops it the
        // moment the process ends, however it ends.
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        if (fd >= 0 && fcntl(fd, F_SETLK, &lock) == 0) {
            gLockFd = fd;
            gLockPath = path;
            static bool childHook = (pthread_atfork(nullptr, nullptr, InForkedChild), true);
            (void)childHook;
            return true;
        }
        const int error = errno;
        if (fd >= 0) close(fd);
        if (fd >= 0 && (error == EACCES || error == EAGAIN)) return false;  // another start holds it
        tried += (tried.empty() ? "" : ", ") + path + " (" + std::strerror(error) + ")";
    }
    // No place for a lock: run rather than refuse, and say so.
    std::fprintf(stderr, "%s: no place can hold the lock against a second start (%s); playing on without it\n",
                 name.c_str(), tried.c_str());
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
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), (line.empty() ? text : line).c_str());
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
