// What the README's make goals would run on a fresh clone, as a dry run that
// builds nothing: `make play` installs what the game needs and builds the
// game, which brings its data, and nothing else; `make test` installs what
// the tests need too and builds everything.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(Make, PlayBuildsTheGameOnlyAndTestBuildsEverything) {
    testsupport::TempFolder fresh;
    const std::string build = fresh.path + "/build";
    struct Case {
        const char* goal;
        std::string installs;  // the one set-up command it runs
        std::string builds;    // the one build command it runs
    };
    const Case cases[] = {
        {"play", "./scripts/setup.sh play", "cmake --build " + build + " -j 2 --target vornquist"},
        {"test", "./scripts/setup.sh", "cmake --build " + build + " -j 2"},
    };
    for (const auto& c : cases) {
        auto r = testsupport::Run("env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -n --no-print-directory -C '" +
                                  std::string(VQ_SOURCE_DIR) + "' " + c.goal + " BUILD=" + build + " JOBS=2");
        ASSERT_EQ(r.status, 0) << c.goal << r.out;
        std::vector<std::string> installs, builds;
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("./scripts/setup.sh", 0) == 0) installs.push_back(line);
            if (line.rfind("cmake --build", 0) == 0) builds.push_back(line);
        }
        EXPECT_EQ(installs, std::vector<std::string>{c.installs}) << c.goal << "\n" << r.out;
        EXPECT_EQ(builds, std::vector<std::string>{c.builds}) << c.goal << "\n" << r.out;
    }
}

}  // namespace
