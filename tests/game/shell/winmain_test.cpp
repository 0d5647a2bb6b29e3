// Starting the game as a user does: the clear ways it refuses or goes on.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/shell/shell.h"
#include "platform/system.h"
#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

const std::string kGame = std::string("'") + VQ_DATA_DIR + "/vornquist'";

bool Has(const std::string& out, const char* what) { return out.find(what) != std::string::npos; }

// Each start runs for at most two seconds with its own lock folder; its
// standard output and error are read together.
testsupport::RunResult Start(const std::string& env, const std::string& lockDir) {
    return testsupport::Run("env " + env + " XDG_RUNTIME_DIR='" + lockDir + "' timeout 2 " + kGame + " 2>&1");
}

TEST(GameStart, ClearLinesWhenSomethingIsMissing) {
    testsupport::TempFolder locks;
    struct Case {
        const char* env;
        int status;  // 124: still running when the time ran out
        const char* says;
        const char* neverSays;
    };
    const Case cases[] = {
        // No display and no video driver asked for: SDL would run unseen.
        {"-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy", 1, "no display", "already"},
        // The dummy driver asked for by name runs, unseen.
        {"SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy", 124, "", "no display"},
        // No audio device: one line, and the game plays on.
        {"SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=no_such_driver", 124, "VORNQUIST SF SHOOTING: no sound", "no display"},
        // ALSA without a card has its own say, kept off the terminal.
        {"SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=alsa", 124, "", "ALSA lib"},
    };
    for (const auto& c : cases) {
        auto r = Start(c.env, locks.path);
        EXPECT_EQ(r.status, c.status) << c.env << "\n" << r.out;
        EXPECT_TRUE(Has(r.out, c.says)) << c.env << "\n" << r.out;
        EXPECT_FALSE(Has(r.out, c.neverSays)) << c.env << "\n" << r.out;
    }
}

TEST(GameStart, SecondStartSaysTheGameRunsAndExitsAtOnce) {
    testsupport::TempFolder locks;
    testsupport::ScopedEnv runtime("XDG_RUNTIME_DIR", locks.path.c_str());
    plat::SetInstanceLockEnabled(true);
    ASSERT_EQ(CheckSingleInstance(kWindowTitle), 1);
    EXPECT_EQ(MutexName, std::string(kWindowTitle) + ":FwMutex");
    auto second = Start("SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy", locks.path);
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out, std::string(kWindowTitle) + ": already running\n");
    plat::ReleaseInstanceLock();
    // Released: the next start runs.
    EXPECT_EQ(Start("SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy", locks.path).status, 124);
}

// A lock folder that cannot hold the lock (a folder under a plain file,
// which no user can make, root neither): the lock lives in the temporary
// folder instead and the second start is refused; with no place at all for
// it, one line says so and both starts play.
TEST(GameStart, AnUnusableLockFolderPassesTheLockOn) {
    testsupport::TempFolder folder;
    const std::string file = folder.path + "/file";
    std::ofstream(file) << "not a folder";
    struct Case {
        std::string tmp;
        int secondStatus;
        const char* says;
    };
    const Case cases[] = {
        {folder.path, 0, "already running"},
        {file + "/tmp", 124, "no place can hold the lock against a second start"},
    };
    for (const Case& c : cases) {
        testsupport::ScopedEnv runtime("XDG_RUNTIME_DIR", (file + "/run").c_str());
        testsupport::ScopedEnv tmp("TMPDIR", c.tmp.c_str());
        plat::SetInstanceLockEnabled(true);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(CheckSingleInstance(kWindowTitle), 1);
        ::testing::internal::GetCapturedStderr();
        auto second = Start("TMPDIR='" + c.tmp + "' SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy", file + "/run");
        EXPECT_EQ(second.status, c.secondStatus) << second.out;
        EXPECT_TRUE(Has(second.out, c.says)) << second.out;
        plat::ReleaseInstanceLock();
    }
}

}  // namespace

namespace {

// A started program: argv with the environment changes ("NAME=VALUE", or
// "-NAME" to unset), its output going to `out` when given; its process id,
// reaped once. One still running when the object goes, also after a failed
// assertion, is stopped with SIGTERM, so that it can clean up after itself;
// it gets the same when this process dies first.
struct Child {
    pid_t pid = -1;
    int status = 0;
    bool ended = false;

    Child(const std::vector<std::string>& argv, const std::vector<std::string>& env, const std::string& out = "");
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() { Stop(SIGTERM); }

    // Whether it ended within the time, keeping its status.
    bool EndsWithin(int ms) {
        for (int waited = 0; !ended && waited <= ms; waited += 10) {
            if (waitpid(pid, &status, WNOHANG) == pid) ended = true;
            else usleep(10000);
        }
        return ended;
    }
    // Sends the signal and waits for the end; SIGKILL after three seconds.
    void Stop(int signal = SIGKILL) {
        if (ended || pid <= 0) return;
        kill(pid, signal);
        if (EndsWithin(3000)) return;
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        ended = true;
    }
};

Child::Child(const std::vector<std::string>& argv, const std::vector<std::string>& env, const std::string& out) {
    pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        for (const auto& e : env) {
            if (e[0] == '-') unsetenv(e.c_str() + 1);
            else putenv(strdup(e.c_str()));
        }
        if (!out.empty()) {
            int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(fd, 1);
            dup2(fd, 2);
        }
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
}

// The children of a process, from the parent field of every process's stat.
std::vector<pid_t> ChildrenOf(pid_t parent) {
    std::vector<pid_t> out;
    for (const auto& e : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(e.path() / "stat");
        std::string pid, name, state, ppid;
        // The name is in parentheses and holds no space for our programs.
        if (stat >> pid >> name >> state >> ppid && state != "Z" && ppid == std::to_string(parent))
            out.push_back(std::stoi(pid));
    }
    return out;
}

// The error lines the game has written to `out` so far.
int ErrorLines(const std::string& out) {
    std::ifstream in(out);
    int lines = 0;
    for (std::string line; std::getline(in, line);) lines += line.rfind("VORNQUIST SF SHOOTING: エラー発生: ", 0) == 0;
    return lines;
}

// Whether the game shows its first error box and waits there (at most
// 10 s): one error line, still one half a second later, the game running.
bool WaitsAtItsFirstBox(Child& game, const std::string& out) {
    for (int i = 0; i < 1000 && ErrorLines(out) == 0 && !game.EndsWithin(0); ++i) usleep(10000);
    usleep(500000);
    return ErrorLines(out) == 1 && !game.EndsWithin(0);
}

// On a display stand-in, a game killed while its error box is open leaves
// no process behind and no lock: the next start runs; SIGTERM ends a game
// whose box blocks. The box is the game's own window: no other process.
TEST(GameStart, KilledWhileItsBoxIsOpenTheNextStartRuns) {
    if (system("command -v Xvfb >/dev/null 2>&1") != 0) GTEST_SKIP() << "no Xvfb here";
    testsupport::TempFolder folder;
    // The game alone in a folder: its first picture is missing, so it shows
    // an error box and waits for it.
    const std::string game = folder.path + "/vornquist";
    std::filesystem::copy_file(std::string(VQ_DATA_DIR) + "/vornquist", game);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    // Reached by its abstract socket alone: no socket file in /tmp.
    Child x({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-nolisten",
             "unix"},
            {}, folder.path + "/xvfb.txt");
    close(fds[1]);
    char number[16] = {};
    ssize_t n = read(fds[0], number, sizeof number - 1);
    close(fds[0]);
    ASSERT_GT(n, 0) << "Xvfb gave no display";
    const std::vector<std::string> env = {"DISPLAY=:" + std::string(number, strcspn(number, "\n")), "-SDL_VIDEODRIVER",
                                          "SDL_AUDIODRIVER=dummy", "XDG_RUNTIME_DIR=" + folder.path};

    Child first({game}, env, folder.path + "/first.txt");
    ASSERT_TRUE(WaitsAtItsFirstBox(first, folder.path + "/first.txt")) << "no box was shown";
    EXPECT_TRUE(ChildrenOf(first.pid).empty());
    first.Stop();  // SIGKILL

    Child second({game}, env, folder.path + "/second.txt");
    EXPECT_TRUE(WaitsAtItsFirstBox(second, folder.path + "/second.txt")) << "the second start did not run";
    kill(second.pid, SIGTERM);
    EXPECT_TRUE(second.EndsWithin(3000));
    EXPECT_TRUE(WIFSIGNALED(second.status) && WTERMSIG(second.status) == SIGTERM);
}

}  // namespace
