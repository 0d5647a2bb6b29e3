#include <gtest/gtest.h>

#include "tests/game/enemies/enemy_fixture.h"

namespace {

using enemytest::EnemyTest;

// The enemy types of the game in catalogue order, with their record counts.
constexpr std::pair<const char*, int> kTypes[] = {
    {"Szak10", 3},  {"Szak1A", 4},  {"Szak1B", 4},  {"Szak3", 3},   {"Szak4", 3},   {"Szak6A", 3},  {"Szak6B", 3},
    {"Szak6C", 3},  {"Szak6D", 3},  {"Szak6E", 3},  {"Szak9", 3},   {"Szak12", 3},  {"Szak13A", 3}, {"Szak13B", 3},
    {"Szak52A", 1}, {"Szak52B", 1}, {"Szak21A", 3}, {"Szak21B", 2}, {"Szak21C", 5}, {"Szak22A", 3}, {"Szak22B", 2},
    {"Szak22C", 5}, {"Szak30A", 5}, {"Szak31A", 5}, {"Szak32A", 5}, {"Szak33A", 5}, {"Szak30B", 5}, {"Szak31B", 5},
    {"Szak32B", 5}, {"Szak33B", 5}, {"Szak40A", 5}, {"Szak41A", 5}, {"Szak40B", 5}, {"Szak41B", 5}, {"Szak50A", 0},
    {"Szak51", 0},  {"Szak52C", 0}, {"Szak53A", 0}, {"Szak53B", 0}, {"Szak50B", 0}, {"Szak50C", 0}, {"Szak54A", 0},
    {"Szak54B", 0}, {"Szak60", 0},  // 0: one record NameState
};

TEST_F(EnemyTest, EveryTypeHasItsRecordsAccessAndNames) {
    ASSERT_EQ(std::size(kTypes), static_cast<size_t>(catalogue::kEnemyCount));
    for (int o = 0; o < catalogue::kEnemyCount; ++o) {
        const auto [name, slots] = kTypes[o];
        const catalogue::EnemyAccess& a = catalogue::Access(static_cast<catalogue::Owner>(o));
        SCOPED_TRACE(name);
        EXPECT_STREQ(a.name, name);
        ASSERT_EQ(a.count, slots ? slots : 1);
        const std::string pool = std::string(name) + (slots ? "Slots" : "State");
        const std::string last = pool + "[" + std::to_string(a.count - 1) + "]";
        // The reset parks every record; the access and the name reach the same one.
        catalogue::EnemyRef r = a.slot(a.count - 1);
        EXPECT_FLOAT_EQ(*r.x, -500);
        *r.x = 123;
        EXPECT_EQ(Read(last + ".x"), 123);
        EXPECT_EQ(Read("active:" + pool), 0);
        // A hit marks the struck slot only; an index outside the type does nothing.
        a.markHit(a.count);
        a.markHit(-1);
        EXPECT_EQ(Read(pool + "[0].hit"), slots ? 0 : 1);
        a.markHit(a.count - 1);
        EXPECT_EQ(*r.hit, 1u);
        EXPECT_EQ(r.hitCount != nullptr, std::string(name) == "Szak60");
    }
}

}  // namespace
