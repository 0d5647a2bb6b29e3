// Every falling group exists under its name with its record count, and the
// group list names exactly these groups.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "framework/system/named.h"
#include "tests/support/named_probe.h"
#include "tests/support/run.h"

namespace {

struct Groups {
    std::string stem;          // owner and kind; the number follows
    std::vector<int> records;  // record count of groups 1, 2, ...
};

const std::vector<int> kNineShapes = {2, 2, 2, 3, 3, 3, 3, 3, 4};

// clang-format off
const Groups kGroups[] = {
    {"Szak10DropLine", {15}}, {"Szak9DropLine", {15}}, {"Szak12DropLine", {15, 15, 15, 15, 15}},
    {"Szak21ADropLine", {15}}, {"Szak21BDropLine", {10}}, {"Szak22ADropLine", {15}}, {"Szak22BDropLine", {10}},

    {"Szak9SmallShot", {3, 3, 3}}, {"Szak6DSmallShot", {3, 3, 3}}, {"Szak6ESmallShot", {3, 3, 3}},
    {"Szak12SmallShot", {3, 3, 3, 3, 3}}, {"Szak13ASmallShot", {3, 3, 3}}, {"Szak13BSmallShot", {3, 3, 3}},
    {"Szak52ASmallShot", {1, 1, 1, 1, 1}}, {"Szak52BSmallShot", {1, 1, 1, 1, 1}},
    {"Szak21ASmallShot", {3, 3, 3, 3, 3}}, {"Szak21BSmallShot", {2, 2, 2, 2, 2}}, {"Szak21CSmallShot", {5, 5, 5, 5, 5}},
    {"Szak22ASmallShot", {3, 3, 3, 3, 3}}, {"Szak22BSmallShot", {2, 2, 2, 2, 2}}, {"Szak22CSmallShot", {5, 5, 5, 5, 5}},
    {"Szak53ASmallShot", {4}}, {"Szak53BSmallShot", {4}}, {"Szak50BSmallShot", {4}}, {"Szak50CSmallShot", {4}},
    {"Szak54ASmallShot", {6}}, {"Szak54BSmallShot", {6}}, {"Szak60SmallShot", {6}},
    {"Stage1BossSmallShot", {2, 3, 4}}, {"AltStage2BossSmallShot", {2, 3, 3, 3, 4}},
    {"Stage5BossSmallShot", {2, 3, 3, 3, 3, 3, 4}},
    {"Stage3BossSmallShot", kNineShapes}, {"Stage4BossSmallShot", kNineShapes}, {"AltStage4BossSmallShot", kNineShapes},
    {"Stage2BossSmallShot", kNineShapes}, {"AltStage5BossSmallShot", kNineShapes},

    {"Szak51TwinShot", {20, 20}}, {"Szak52CTwinShot", {20, 20}}, {"Stage1BossTwinShot", {20, 20, 20, 20}},
    {"Stage5BossTwinShot", {20, 20}}, {"Stage3BossTwinShot", {20, 20, 20}}, {"AltStage4BossTwinShot", {20, 20}},
    {"Stage2BossTwinShot", {20, 20, 20, 20}},

    {"Stage1BossLargeDrop", {20, 20}}, {"Stage5BossLargeDrop", {20, 20, 20, 20}},
    {"Stage2BossLargeDrop", {20, 20, 20, 20, 20, 20, 20, 20, 20}},

    {"Stage1BossSlantFan", {30, 30}}, {"Stage2BossSlantFan", {30, 30}},

    {"Stage1BossFan", {50, 50}}, {"AltStage2BossFan", {50, 50, 50, 50, 50}}, {"Stage5BossFan", {50, 50, 50, 50, 50}},
    {"Stage3BossFan", {50, 50, 50, 50, 50, 50, 50}}, {"Stage4BossFan", {50, 50, 50, 50}}, {"AltStage4BossFan", {50}},
    {"Stage2BossFan", {50}}, {"AltStage5BossFan", {50}},

    {"Stage1BossDirFan", {35}}, {"Stage4BossDirFan", {50, 50, 50}}, {"AltStage4BossDirFan", {50, 50, 50, 50}},
    {"Stage2BossDirFan", {50, 50, 50, 50}}, {"AltStage5BossDirFan", {50, 50, 50, 50}},

    {"AltStage4BossWideFan", {50, 50}}, {"Stage2BossWideFan", {50, 50}},
};
// clang-format on

TEST(FallingGroups, EveryGroupHasItsRecordCount) {
    for (const Groups& g : kGroups)
        for (size_t n = 0; n < g.records.size(); ++n) {
            const std::string pool = g.stem + std::to_string(n + 1) + "Shots";
            SCOPED_TRACE(pool);
            const int count = g.records[n];
            EXPECT_TRUE(testsupport::Known(pool + "[" + std::to_string(count - 1) + "].active"));
            EXPECT_FALSE(testsupport::Known(pool + "[" + std::to_string(count) + "].active"));
            EXPECT_TRUE(testsupport::Known("active:" + pool));
        }
}

TEST(FallingGroups, TheGroupListNamesTheseGroups) {
    std::set<std::string> listed, expected;
#define FALLING(Kind, O, N) listed.insert(#O #Kind #N);
#include "game/bullets/falling_list.inc"
#undef FALLING
    for (const Groups& g : kGroups)
        for (size_t n = 0; n < g.records.size(); ++n) expected.insert(g.stem + std::to_string(n + 1));
    EXPECT_EQ(listed, expected);
}

// The game-state resets of a new game park every record and clear the
// counters; the twin shots of the mid-size enemies draw their frame word
// below 7, the small shots of Szak9 have none (0), the boss clusters keep it.
TEST(FallingGroups, NewGameResetsParkEveryPool) {
    const auto run = testsupport::Playtest(
        "--frames 120 --set 50:Stage2BossFan1Shots[0].counter=77 --set 50:Stage2BossFan1Shots[0].active=1 "
        "--set 50:Stage3BossSmallShot1Shots[0].frame=13 --set 50:Szak9SmallShot1Shots[2].frame=5 "
        "--set 50:Szak51TwinShot1Shots[4].frame=9 --key 100:Return "
        "--print 120:Stage2BossFan1Shots[0].counter,Stage2BossFan1Shots[0].active,Stage2BossFan1Shots[0].y,"
        "Stage3BossSmallShot1Shots[0].frame,Stage3BossSmallShot1Shots[0].x,Szak9SmallShot1Shots[2].frame,"
        "Szak51TwinShot1Shots[4].frame,Szak12DropLine5Shots[14].y,AltStage4BossWideFan2Shots[49].x");
    ASSERT_EQ(run.status, 0);
    auto at = [&](const char* name) { return testsupport::Value(run.out, 120, name); };
    EXPECT_EQ(at("Stage2BossFan1Shots[0].counter"), "0");
    EXPECT_EQ(at("Stage2BossFan1Shots[0].active"), "0");
    EXPECT_EQ(at("Stage2BossFan1Shots[0].y"), "2550");
    EXPECT_EQ(at("Stage3BossSmallShot1Shots[0].frame"), "13");
    EXPECT_EQ(at("Stage3BossSmallShot1Shots[0].x"), "-500");
    EXPECT_EQ(at("Szak9SmallShot1Shots[2].frame"), "0");
    EXPECT_LT(std::stoi(at("Szak51TwinShot1Shots[4].frame")), 7);
    EXPECT_EQ(at("Szak12DropLine5Shots[14].y"), "2550");
    EXPECT_EQ(at("AltStage4BossWideFan2Shots[49].x"), "-500");
}

}  // namespace
