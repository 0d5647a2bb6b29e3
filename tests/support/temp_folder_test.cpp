#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/run.h"

namespace {

// A test whose folder cannot be made stops with a line naming the place and
// why, and never goes on to make or remove its files elsewhere.
TEST(TempFolder, OneThatCannotBeMadeStopsTheTestWithTheReason) {
    testsupport::TempFolder outer;
    const std::string file = outer.Write("plain", {'x'});
    const struct {
        std::string tmp, says;
    } cases[] = {
        {outer.path + "/missing", "made in " + outer.path + "/missing: No such file or directory"},
        {file, "made in " + file + ": Not a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tmp);
        testsupport::ScopedEnv tmp("TMPDIR", c.tmp.c_str());
        try {
            testsupport::TempFolder folder;
            ADD_FAILURE() << "made " << folder.path;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
}

}  // namespace
