// The single-instance lock as a user's machine meets it: several users, a
// game killed while a child of it (a message box) lives on.
#include "platform/system.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/run.h"

namespace {

const std::string kName = "VORNQUIST SF SHOOTING:FwMutex";

class InstanceLock : public ::testing::Test {
protected:
    void SetUp() override { plat::SetInstanceLockEnabled(true); }
    void TearDown() override { plat::ReleaseInstanceLock(); }

    // Whether another process could take the lock now.
    static bool OtherProcessCanTake() {
        pid_t pid = fork();
        if (pid == 0) {
            std::freopen("/dev/null", "w", stderr);  // its own line about the lock, if any
            _exit(plat::AcquireInstanceLock(kName) ? 0 : 1);
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

// The lock lies in the runtime folder, else in the temporary folder under a
// name that holds the user id, so that one user's game never stops another's.
TEST_F(InstanceLock, OneLockFilePerUser) {
    const std::string inTmp = kName + "." + std::to_string(getuid()) + ".lock";
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
        EXPECT_TRUE(plat::AcquireInstanceLock(kName));
        const std::string err = ::testing::internal::GetCapturedStderr();
        if (c.held) {
            EXPECT_EQ(plat::HeldInstanceLockPath(), plat::InstanceLockPlaces(kName).back());
            EXPECT_EQ(err, "");
        } else {
            std::string line = kName + ": no place can hold the lock against a second start (";
            for (const std::string& place : plat::InstanceLockPlaces(kName))
                line += (line.back() == '(' ? "" : ", ") + place + " (Not a directory)";
            EXPECT_EQ(err, line + "); playing on without it\n");
        }
        EXPECT_EQ(OtherProcessCanTake(), c.secondRuns);
        plat::ReleaseInstanceLock();
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
        if (!plat::AcquireInstanceLock(kName)) _exit(3);
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

TEST_F(InstanceLock, TheLockOfAGameThatEndedNeverStopsAStart) {
    pid_t game = fork();
    if (game == 0) _exit(plat::AcquireInstanceLock(kName) ? 0 : 1);  // ends holding it
    int status = 0;
    waitpid(game, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(std::filesystem::exists(plat::InstanceLockPlaces(kName)[0]));
    EXPECT_TRUE(plat::AcquireInstanceLock(kName));
    EXPECT_FALSE(OtherProcessCanTake());
    plat::ReleaseInstanceLock();
    EXPECT_TRUE(OtherProcessCanTake());
}

}  // namespace
