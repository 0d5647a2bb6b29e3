// The single-instance lock as a user's machine meets it: several users, a
// game killed while a child of it (a message box) lives on.
#include "platform/system.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

const std::string kGame = "VORNQUIST SF SHOOTING";
const std::string kName = kGame + ":FwMutex";

class InstanceLock : public ::testing::Test {
protected:
    void SetUp() override { plat::SetInstanceLockEnabled(true); }
    void TearDown() override { plat::ReleaseInstanceLock(); }

    // Whether another process could take the lock now.
    static bool OtherProcessCanTake() {
        pid_t pid = fork();
        if (pid == 0) {
            std::freopen("/dev/null", "w", stderr);  // its own line about the lock, if any
            _exit(plat::AcquireInstanceLock(kName, kGame) ? 0 : 1);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    // Running, not merely waiting to be reaped.
    static bool Alive(pid_t pid) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string pidText, name, state;
        return static_cast<bool>(stat >> pidText >> name >> state) && state != "Z";
    }

    testsupport::TempFolder folder_;
    testsupport::ScopedEnv runtime_{"XDG_RUNTIME_DIR", folder_.path.c_str()};
};

// The lock lies in the runtime folder, else in a folder of the user's own
// in the temporary folder, named with the user id, so that one user's game
// never stops another's.
TEST_F(InstanceLock, OneLockFilePerUser) {
    const std::string inTmp = kName + "." + std::to_string(getuid()) + "/" + kName + ".lock";
    testsupport::ScopedEnv noTmp("TMPDIR", nullptr);
    EXPECT_EQ(plat::InstanceLockPlaces(kName), (std::vector<std::string>{folder_.path + "/" + kName + ".lock", "/tmp/" + inTmp}));
    testsupport::ScopedEnv none("XDG_RUNTIME_DIR", nullptr);
    testsupport::ScopedEnv tmp("TMPDIR", folder_.path.c_str());
    EXPECT_EQ(plat::InstanceLockPlaces(kName), (std::vector<std::string>{folder_.path + "/" + inTmp}));
}

// A place that cannot hold the lock (here a folder under a plain file, which
// no user, root neither, can make) passes it on to the next; where none can
// hold it, one line says so and the start goes on, a second one too.
TEST_F(InstanceLock, APlaceThatCannotHoldTheLockPassesItOn) {
    const std::string file = folder_.path + "/file";
    std::ofstream(file) << "not a folder";
    struct Case {
        std::string runtime, tmp;
        bool held, secondRuns;
    };
    const Case cases[] = {
        {file + "/run", folder_.path, true, false},
        {"", file + "/tmp", false, true},
        {file + "/run", file + "/tmp", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.runtime + " " + c.tmp);
        testsupport::ScopedEnv runtime("XDG_RUNTIME_DIR", c.runtime.c_str());
        testsupport::ScopedEnv tmp("TMPDIR", c.tmp.c_str());
        ::testing::internal::CaptureStderr();
        EXPECT_TRUE(plat::AcquireInstanceLock(kName, kGame));
        const std::string err = ::testing::internal::GetCapturedStderr();
        if (c.held) {
            EXPECT_EQ(plat::HeldInstanceLockPath(), plat::InstanceLockPlaces(kName).back());
            EXPECT_EQ(err, "");
        } else {
            std::string line = kGame + ": no place can hold the lock against a second start (";
            for (const std::string& place : plat::InstanceLockPlaces(kName))
                line += (line.back() == '(' ? "" : ", ") + place + " (Not a directory)";
            EXPECT_EQ(err, line + "); playing on without it\n");
        }
        EXPECT_EQ(OtherProcessCanTake(), c.secondRuns);
        plat::ReleaseInstanceLock();
    }
}

// What another local user can plant in the lock's places: never a refused
// start, never a file made through a link, and a line naming the place and
// what is wrong with it. The runtime folder and the temporary folder are
// the test's own; the plants are made by the test (those of another
// owner only where it runs as root).
TEST_F(InstanceLock, WhatAnotherUserPlantsCostsAtMostTheLock) {
    namespace fs = std::filesystem;
    const std::string run = folder_.path + "/run", tmp = folder_.path + "/tmp", aim = folder_.path + "/aim";
    const std::string ownFolder = tmp + "/" + kName + "." + std::to_string(getuid());
    const std::string inRun = run + "/" + kName + ".lock", inOwn = ownFolder + "/" + kName + ".lock";
    constexpr uid_t kOther = 65534;
    struct Case {
        const char* what;
        bool needsRoot;
        bool useRun;                      // the runtime folder is set
        std::function<void()> plant;
        int held;                         // index of the place that holds the lock, -1 none
        const char* says;
    };
    const Case cases[] = {
        {"a link as the lock file", false, true, [&] { fs::create_symlink(aim, inRun); }, 1,
         "is not used for the lock: it is a symbolic link"},
        {"a link as the user's folder", false, false,
         [&] {
             fs::create_directory(aim);
             fs::create_directory_symlink(aim, ownFolder);
         },
         -1, "(its folder is a symbolic link)"},
        {"a folder anyone may write", false, false,
         [&] { fs::create_directory(ownFolder); fs::permissions(ownFolder, fs::perms::all); }, -1,
         "(its folder can be written by other users)"},
        {"a folder of another user", true, false,
         [&] {
             fs::create_directory(ownFolder);
             ASSERT_EQ(chown(ownFolder.c_str(), kOther, kOther), 0);
         },
         -1, "(its folder belongs to user 65534)"},
        {"a hard link as the lock file", false, true,
         [&] { std::ofstream(aim) << ""; fs::create_hard_link(aim, inRun); }, 1,
         "is not used for the lock: it has 2 names (a hard link)"},
        {"a folder as the lock file", false, true, [&] { fs::create_directory(inRun); }, 1,
         "is not used for the lock: it is a folder"},
        {"a named pipe as the lock file", false, true, [&] { ASSERT_EQ(mkfifo(inRun.c_str(), 0666), 0); }, 1,
         "is not used for the lock: it is a named pipe"},
        // The start-stopper: another user's lock file, locked by its owner.
        {"a locked lock file of another user", true, true,
         [&] {
             std::ofstream(inRun) << "";
             ASSERT_EQ(chown(inRun.c_str(), kOther, kOther), 0);
             ASSERT_EQ(chmod(inRun.c_str(), 0666), 0);
         },
         1, "is not used for the lock: it belongs to user 65534"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needsRoot && geteuid() != 0) continue;  // no other owner to give a file to
        fs::remove_all(run);
        fs::remove_all(tmp);
        fs::remove_all(aim);
        fs::create_directory(run);
        fs::permissions(run, fs::perms::owner_all);
        fs::create_directory(tmp);
        fs::permissions(tmp, fs::perms::all | fs::perms::sticky_bit);
        c.plant();
        // The planted lock file held by another process, as its owner would.
        pid_t holder = -1;
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        if (fs::is_regular_file(fs::symlink_status(inRun)) && !fs::exists(aim)) {
            holder = fork();
            if (holder == 0) {
                const int fd = open(inRun.c_str(), O_RDWR);
                struct flock lock {};
                lock.l_type = F_WRLCK;
                const char held = fd >= 0 && fcntl(fd, F_SETLK, &lock) == 0;
                if (write(ready[1], &held, 1) != 1) _exit(1);
                for (;;) pause();
            }
            char held = 0;
            ASSERT_EQ(read(ready[0], &held, 1), 1);
            ASSERT_TRUE(held);
        }
        testsupport::ScopedEnv runtime("XDG_RUNTIME_DIR", c.useRun ? run.c_str() : nullptr);
        testsupport::ScopedEnv temporary("TMPDIR", tmp.c_str());
        ::testing::internal::CaptureStderr();
        EXPECT_TRUE(plat::AcquireInstanceLock(kName, kGame));
        const std::string err = ::testing::internal::GetCapturedStderr();
        const std::vector<std::string> places = plat::InstanceLockPlaces(kName);
        EXPECT_EQ(plat::HeldInstanceLockPath(), c.held < 0 ? "" : c.useRun ? places[c.held] : places[0]);
        EXPECT_NE(err.find(kGame + ": "), std::string::npos) << err;
        EXPECT_NE(err.find(c.says), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        // Nothing made or written through a link.
        if (fs::is_directory(aim)) EXPECT_TRUE(fs::is_empty(aim));
        else if (fs::exists(aim)) EXPECT_EQ(fs::file_size(aim), 0u);
        else EXPECT_FALSE(fs::exists(fs::symlink_status(aim)));
        plat::ReleaseInstanceLock();
        if (holder > 0) {
            kill(holder, SIGKILL);
            waitpid(holder, nullptr, 0);
        }
        close(ready[0]);
        close(ready[1]);
    }
}

// A child forked while the game holds the lock (the way a message box is
// shown) neither keeps the lock's descriptor nor the lock, and ends with
// the game.
TEST_F(InstanceLock, AForkedChildHoldsNothingAndEndsWithTheGame) {
    int fromBox[2], fromGame[2];
    ASSERT_EQ(pipe(fromBox), 0);
    ASSERT_EQ(pipe(fromGame), 0);
    pid_t game = fork();
    if (game == 0) {
        if (!plat::AcquireInstanceLock(kName, kGame)) _exit(3);
        pid_t box = fork();
        if (box == 0) {
            // The box: is any descriptor of the lock file still open here?
            int open = 0;
            for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
                std::error_code ec;
                if (std::filesystem::read_symlink(fd.path(), ec).string() == plat::HeldInstanceLockPath()) ++open;
            }
            if (write(fromBox[1], &open, sizeof open) != sizeof open) _exit(4);
            for (;;) pause();
        }
        if (write(fromGame[1], &box, sizeof box) != sizeof box) _exit(4);
        for (;;) pause();
    }
    int openInBox = -1;
    pid_t box = 0;
    ASSERT_EQ(read(fromBox[0], &openInBox, sizeof openInBox), static_cast<ssize_t>(sizeof openInBox));
    ASSERT_EQ(read(fromGame[0], &box, sizeof box), static_cast<ssize_t>(sizeof box));
    ASSERT_GT(box, 0);
    EXPECT_EQ(openInBox, 0);
    EXPECT_FALSE(OtherProcessCanTake());  // the game holds it
    kill(game, SIGKILL);
    waitpid(game, nullptr, 0);
    // The dead game's lock never stops a start, and its box went with it.
    EXPECT_TRUE(OtherProcessCanTake());
    for (int i = 0; i < 200 && Alive(box); ++i) usleep(10000);
    EXPECT_FALSE(Alive(box));
    for (int fd : {fromBox[0], fromBox[1], fromGame[0], fromGame[1]}) close(fd);
}

// A start under a umask that takes the owner's own rights, or a folder an
// older start left so, never keeps a later start from the lock. Each start
// is a child under its own umask, without root's right to pass over modes.
TEST_F(InstanceLock, NoUmaskLeavesTheLockFolderUnusable) {
    const std::string tmp = folder_.path + "/tmp", own = tmp + "/" + kName + "." + std::to_string(getuid());
    testsupport::ScopedEnv noRuntime("XDG_RUNTIME_DIR", nullptr);
    testsupport::ScopedEnv temporary("TMPDIR", tmp.c_str());
    auto holdsLock = [](mode_t mask) {  // 2: the rights could not be given up
        pid_t pid = fork();
        if (pid == 0) {
            umask(mask);
            __user_cap_header_struct head{_LINUX_CAPABILITY_VERSION_3, 0};
            __user_cap_data_struct caps[2] = {};
            if (syscall(SYS_capget, &head, caps) != 0) _exit(2);
            for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) caps[cap / 32].effective &= ~(1u << (cap % 32));
            if (syscall(SYS_capset, &head, caps) != 0) _exit(2);
            std::freopen("/dev/null", "w", stderr);
            _exit(plat::AcquireInstanceLock(kName, kGame) && !plat::HeldInstanceLockPath().empty() ? 0 : 1);
        }
        int status = -1;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const struct {
        const char* what;
        // The folder and the lock file an older start left, the umask of a start before; 0: none
        mode_t left, fileLeft, firstMask;
    } cases[] = {{"a folder left at 0500", 0500, 0, 0},
                 {"a folder left at 0300", 0300, 0, 0},
                 {"umask 0277 before", 0, 0, 0277},
                 {"a lock file left at 0400", 0, 0400, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(tmp);
        ASSERT_EQ(mkdir(tmp.c_str(), 0700), 0);
        ASSERT_TRUE(!(c.left || c.fileLeft) || mkdir(own.c_str(), 0700) == 0);
        const int file = c.fileLeft ? open((own + "/" + kName + ".lock").c_str(), O_CREAT | O_WRONLY, 0600) : -1;
        ASSERT_TRUE(!c.fileLeft || (file >= 0 && fchmod(file, c.fileLeft) == 0 && close(file) == 0));
        ASSERT_TRUE(!c.left || chmod(own.c_str(), c.left) == 0);
        EXPECT_EQ(c.firstMask ? holdsLock(c.firstMask) : 0, 0) << "the first start";
        EXPECT_EQ(holdsLock(022), 0);
        chmod(own.c_str(), 0700);  // so that it can be removed whatever the start did
    }
}

TEST_F(InstanceLock, TheLockOfAGameThatEndedNeverStopsAStart) {
    pid_t game = fork();
    if (game == 0) _exit(plat::AcquireInstanceLock(kName, kGame) ? 0 : 1);  // ends holding it
    int status = 0;
    waitpid(game, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(std::filesystem::exists(plat::InstanceLockPlaces(kName)[0]));
    EXPECT_TRUE(plat::AcquireInstanceLock(kName, kGame));
    EXPECT_FALSE(OtherProcessCanTake());
    plat::ReleaseInstanceLock();
    EXPECT_TRUE(OtherProcessCanTake());
}

}  // namespace
