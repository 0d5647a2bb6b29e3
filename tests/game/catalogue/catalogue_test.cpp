#include "game/catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace catalogue;

// Every enemy type in the order of its owners, then the bosses in the order
// of the second reset.
TEST(Catalogue, OwnersRunInTheOrderOfTheResets) {
    const char* const expected[] = {
        "Szak10",  "Szak1A",  "Szak1B",  "Szak3",   "Szak4",   "Szak6A",        "Szak6B",        "Szak6C",
        "Szak6D",  "Szak6E",  "Szak9",   "Szak12",  "Szak13A", "Szak13B",       "Szak52A",       "Szak52B",
        "Szak21A", "Szak21B", "Szak21C", "Szak22A", "Szak22B", "Szak22C",       "Szak30A",       "Szak31A",
        "Szak32A", "Szak33A", "Szak30B", "Szak31B", "Szak32B", "Szak33B",       "Szak40A",       "Szak41A",
        "Szak40B", "Szak41B", "Szak50A", "Szak51",  "Szak52C", "Szak53A",       "Szak53B",       "Szak50B",
        "Szak50C", "Szak54A", "Szak54B", "Szak60",  "Stage1Boss", "AltStage2Boss", "Stage5Boss", "Stage3Boss",
        "Stage4Boss", "AltStage4Boss", "Stage2Boss", "AltStage5Boss",
    };
    ASSERT_EQ(kOwnerCount, static_cast<int>(std::size(expected)));
    EXPECT_EQ(kEnemyCount, 44);
    for (int i = 0; i < kOwnerCount; ++i) EXPECT_STREQ(OwnerName(Owner(i)), expected[i]) << i;
    EXPECT_STREQ(OwnerName(kOwnerCount), "?");
}

// Steps registered out of order run by owner, then part, then number; the
// enemy reset runs no boss step and the boss reset no enemy step. (In a
// child process, so that the test steps never join the game's resets.)
void Print(const char* s) { std::fputs(s, stderr); }
void RegisterScrambledAndRun() {
    // Numbers above any real group's, so that the game's own steps (which
    // print nothing) run among them without a clash.
    AddReset(Stage2Boss, PartRecords, 901, [] { Print("[boss7]"); });
    AddReset(Szak60, PartSmallShot, 901, [] { Print("[60shot]"); });
    AddReset(Szak1A, PartAimedShot, 902, [] { Print("[1Ashot2]"); });
    AddReset(Stage1Boss, PartDefeatBlasts, 902, [] { Print("[boss1blasts]"); });
    AddReset(Szak1A, PartAimedShot, 901, [] { Print("[1Ashot1]"); });
    AddReset(Szak1A, PartRecords, 900, [] { Print("[1A]"); });
    AddReset(Szak10, PartStream, 999, [] { Print("[10stream]"); });
    Print("A:");
    ResetEnemies();
    Print(" B:");
    ResetBosses();
    std::exit(0);
}

TEST(CatalogueDeathTest, StepsRunInCatalogueOrderWhateverTheOrderOfRegistration) {
    EXPECT_EXIT(RegisterScrambledAndRun(), ::testing::ExitedWithCode(0),
                "A:\\[10stream\\]\\[1A\\]\\[1Ashot1\\]\\[1Ashot2\\]\\[60shot\\] B:\\[boss1blasts\\]\\[boss7\\]");
}

TEST(CatalogueDeathTest, AStepRegisteredTwiceOrOutOfRangeStopsTheProgram) {
    auto twice = [] {
        AddReset(Szak3, PartChain, 904, [] {});
        AddReset(Szak3, PartChain, 904, [] {});
    };
    EXPECT_DEATH(twice(), "the reset of Szak3 part 8 number 904 is registered twice");
    EXPECT_DEATH(AddReset(Szak3, PartChain, 1000, [] {}), "out of range");
}

}  // namespace
