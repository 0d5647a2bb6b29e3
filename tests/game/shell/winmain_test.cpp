// Starting the game as a user does: the clear ways it refuses or goes on.
#include <gtest/gtest.h>

#include <string>

#include "game/shell/shell.h"
#include "platform/system.h"
#include "tests/support/run.h"

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
        {"SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=no_such_driver", 124, "no sound", "no display"},
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

}  // namespace
