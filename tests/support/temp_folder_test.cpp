#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
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

// A file that cannot be written stops the test with its name and why: a
// folder in its place, or a full disk (a link to /dev/full stands for one).
TEST(TempFolder, AFileThatCannotBeWrittenStopsTheTestWithTheReason) {
    const testsupport::TempFolder folder;
    folder.Write("taken/file", {'x'});
    std::filesystem::create_symlink("/dev/full", folder.path + "/full");
    const struct {
        std::string name, reason;
    } cases[] = {
        {"taken", "Is a directory"},
        {"full", "No space left on device"},  // last: a machine without /dev/full skips from here
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.name == "full" && !std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
        try {
            folder.Write(c.name, {'x'});
            ADD_FAILURE() << "wrote " << c.name;
        } catch (const std::runtime_error& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(folder.path + "/" + c.name), std::string::npos) << what;
            EXPECT_NE(what.find(c.reason), std::string::npos) << what;
        }
    }
}

}  // namespace
