// The play driver, run as its own program.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(Playtest, TitleAfterSixtyFramesIsDeterministic) {
    auto a = testsupport::Playtest("--frames 60 --time 5 --print 60:SceneNumber,FrameSeconds");
    ASSERT_EQ(a.status, 0);
    EXPECT_NE(a.out.find("60 SceneNumber=1 FrameSeconds=0.016\n"), std::string::npos) << a.out;
    EXPECT_NE(a.out.find("frames=60 scene=1\n"), std::string::npos) << a.out;
    auto b = testsupport::Playtest("--frames 60 --time 5 --print 60:SceneNumber,FrameSeconds");
    EXPECT_EQ(a.out, b.out);
}

TEST(Playtest, SceneWithoutHandlerEndsWithAnErrorInsteadOfSpinning) {
    auto r = testsupport::Playtest("--frames 5 --set 2:SceneNumber=4 --print 1:SceneNumber");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("frames=1 scene=4"), std::string::npos) << r.out;
}

// Values printed by runs of the driver: frame time, keys held for their
// frames, writes, record fields and active counts.
TEST(Playtest, PrintedValues) {
    struct Printed {
        long frame;
        const char* name;
        const char* value;
    };
    struct Case {
        const char* args;
        int status;
        std::vector<Printed> printed;
    };
    const Case cases[] = {
        {"--frames 3 --dt 33 --print 2:FrameSeconds", 0, {{2, "FrameSeconds", "0.033"}}},
        {"--frames 6 --key 2:Y:3 --set 1:GameLevel=3 --every 1:LastKey,GameLevel",
         0,
         {{1, "LastKey", "0"}, {1, "GameLevel", "3"}, {2, "LastKey", "89"}, {4, "LastKey", "89"}, {5, "LastKey", "0"}}},
        // Held past the end of any run.
        {"--frames 4 --key 2:Y:9223372036854775807 --print 4:LastKey", 0, {{4, "LastKey", "89"}}},
        {"--frames 3 --set 2:BossParade[1].active=1 --set 2:BossParade[1].y=-40.5 "
         "--print 1:active:BossParade --print 2:active:BossParade,BossParade[1].y,WaitSlots[1]",
         0,
         {{1, "active:BossParade", "0"},
          {2, "active:BossParade", "1"},
          {2, "BossParade[1].y", "-40.5"},
          {2, "WaitSlots[1]", "999999999"}}},
        // Whole numbers are decimal, as --frames reads them; a float takes the largest float.
        {"--frames 1 --set 1:GameLevel=010 --print 1:GameLevel", 0, {{1, "GameLevel", "10"}}},
        {"--frames 1 --set 1:BossParade[1].y=3.4028235e38 --print 1:BossParade[1].y",
         0,
         {{1, "BossParade[1].y", "3.40282e+38"}}},
    };
    for (const auto& c : cases) {
        auto r = testsupport::Playtest(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        for (const auto& p : c.printed)
            EXPECT_EQ(testsupport::Value(r.out, p.frame, p.name), p.value) << c.args << " " << p.name;
    }
}

// An argument the driver cannot use is refused before the first frame with
// one line naming it and why; `timeout` ends a run that would not stop.
TEST(Playtest, RefusesWhatItCannotUseNamingItAndWhy) {
    testsupport::TempFolder dir;
    const std::string file = dir.Write("plain", {'x'}), missing = dir.path + "/missing";
    const struct {
        std::string args, line;
    } cases[] = {
        {"--frames 99999999999999999999", "--frames 99999999999999999999: N is out of range, 0 to 9223372036854775807"},
        {"--frames abc", "--frames abc: N is not a whole number"},
        {"--frames -5", "--frames -5: N is out of range, 0 to 9223372036854775807"},
        {"--dt 4294967296", "--dt 4294967296: MS is out of range, 1 to 4294967295"},
        {"--dt 0", "--dt 0: MS is out of range, 1 to 4294967295"},
        {"--frames 1 --time abc", "--time abc: T is not a whole number"},
        {"--frames 1 --data " + missing, "--data " + missing + ": no such folder"},
        {"--frames 1 --data " + file, "--data " + file + ": not a folder"},
        {"--set 2:NoSuchName=1", "--set 2:NoSuchName=1: unknown name NoSuchName"},
        {"--frames 1 --set 1:Score=abc", "--set 1:Score=abc: abc is not a number"},
        {"--frames 3 --print 3:Score,NoSuchName", "--print 3:Score,NoSuchName: unknown name NoSuchName"},
        // Past the end of a pool, and a pool that is not there.
        {"--frames 3 --print 3:BossParade[8].x", "--print 3:BossParade[8].x: unknown name BossParade[8].x"},
        {"--frames 3 --every 1:active:NoSuchPool", "--every 1:active:NoSuchPool: unknown name active:NoSuchPool"},
        // A whole-number global takes what --frames takes; an index only as --list shows it.
        {"--frames 1 --set 1:GameLevel=2.7", "--set 1:GameLevel=2.7: 2.7 is not a whole number"},
        {"--frames 1 --set 1:GameLevel=0x10", "--set 1:GameLevel=0x10: 0x10 is not a whole number"},
        {"--frames 1 --set 1:BossParade[-1].active=1",
         "--set 1:BossParade[-1].active=1: unknown name BossParade[-1].active"},
        {"--frames 1 --print 1:Score.", "--print 1:Score.: unknown name Score."},
        // A frame past --frames, wherever that stands.
        {"--print 600:Score --frames 5", "--print 600:Score: F is out of range, 1 to 5"},
        {"--frames 5 --set 700:Score=1", "--set 700:Score=1: F is out of range, 1 to 5"},
        {"--frames 5 --key 6:Return", "--key 6:Return: F is out of range, 1 to 5"},
        {"--bogus", "--bogus: unknown option"},
        {"--frames 3 extra", "extra: not an option"},
    };
    for (const auto& c : cases) {
        auto r = testsupport::Run(std::string("timeout 20 '") + VQ_PLAYTEST + "' " + c.args + " 2>&1");
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.out, "playtest: " + c.line + "\n") << c.args;
    }
}

// Every name the driver knows, with the shape of what it names.
TEST(Playtest, ListsEveryName) {
    auto r = testsupport::Playtest("--list");
    EXPECT_EQ(r.status, 0);
    for (const char* line : {"\nRandSeed\n", "\nJoyCentreX[2]\n", "\nBossParade[8].frame,x,y,speed,active\n",
                             "\nImgSzak10\n", "\nSndBom\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
}

// --help and -h print the README's synopsis, which the README indents by
// four spaces where the usage begins with "usage: ", and run nothing.
TEST(Playtest, HelpPrintsTheReadmesSynopsis) {
    std::ifstream in(std::string(VQ_SOURCE_DIR) + "/README.md");
    const std::string readme{std::istreambuf_iterator<char>(in), {}};
    for (const char* flag : {"--help", "-h"}) {
        auto r = testsupport::Run(std::string("'") + VQ_PLAYTEST + "' --frames 5 " + flag + " 2>/dev/null");
        EXPECT_EQ(r.status, 0) << flag;
        ASSERT_EQ(r.out.rfind("usage: playtest [", 0), 0u) << flag << ": " << r.out;
        std::string synopsis = "    " + r.out.substr(7);
        for (size_t at = synopsis.find("\n       "); at != std::string::npos; at = synopsis.find("\n       ", at + 1))
            synopsis.erase(at + 1, 3);
        EXPECT_NE(readme.find(synopsis), std::string::npos) << synopsis;
    }
}

// The resets draw random numbers in a fixed order of steps, so a build whose
// objects are linked (and statically initialised) in the reverse order plays
// the same game: title, level select, level one, line for line.
TEST(Playtest, SameLinesWhateverTheLinkOrder) {
    const std::string args =
        "--frames 400 --time 5 --key 5:Return --key 90:F1 --key 200:Left:40 --key 250:Shift:60 "
        "--every 20:RandSeed,SceneNumber,StageTick,StageClock,PlayerX,PlayerY,Score,"
        "BossParade[0].y,ScrollBackground1Tiles[0].y";
    auto normal = testsupport::Playtest(args);
    auto reversed = testsupport::Playtest(args, VQ_PLAYTEST_REVERSED);
    ASSERT_EQ(normal.status, 0) << normal.out;
    EXPECT_EQ(normal.out, reversed.out);
    // The run reaches the first stage, where the resets have run.
    EXPECT_EQ(testsupport::Value(normal.out, 400, "SceneNumber"), "2") << normal.out;
}

}  // namespace
