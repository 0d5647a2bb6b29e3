#include <gtest/gtest.h>

#include "tests/game/enemies/enemy_fixture.h"

namespace {

using enemytest::EnemyTest;

struct TypeCount {
    const char* name;
    int slots;
    const char* pool;  // its records' name for the play driver
};

// The enemy types of the game and how many records each owns.
constexpr TypeCount kTypes[] = {
    {"Szak10", 3, "Szak10Slots"},   {"Szak1A", 4, "Szak1ASlots"},   {"Szak1B", 4, "Szak1BSlots"},
    {"Szak3", 3, "Szak3Slots"},     {"Szak4", 3, "Szak4Slots"},     {"Szak6A", 3, "Szak6ASlots"},
    {"Szak6B", 3, "Szak6BSlots"},   {"Szak6C", 3, "Szak6CSlots"},   {"Szak6D", 3, "Szak6DSlots"},
    {"Szak6E", 3, "Szak6ESlots"},   {"Szak9", 3, "Szak9Slots"},     {"Szak12", 3, "Szak12Slots"},
    {"Szak13A", 3, "Szak13ASlots"}, {"Szak13B", 3, "Szak13BSlots"}, {"Szak52A", 1, "Szak52ASlots"},
    {"Szak52B", 1, "Szak52BSlots"}, {"Szak21A", 3, "Szak21ASlots"}, {"Szak21B", 2, "Szak21BSlots"},
    {"Szak21C", 5, "Szak21CSlots"}, {"Szak22A", 3, "Szak22ASlots"}, {"Szak22B", 2, "Szak22BSlots"},
    {"Szak22C", 5, "Szak22CSlots"}, {"Szak30A", 5, "Szak30ASlots"}, {"Szak31A", 5, "Szak31ASlots"},
    {"Szak32A", 5, "Szak32ASlots"}, {"Szak33A", 5, "Szak33ASlots"}, {"Szak30B", 5, "Szak30BSlots"},
    {"Szak31B", 5, "Szak31BSlots"}, {"Szak32B", 5, "Szak32BSlots"}, {"Szak33B", 5, "Szak33BSlots"},
    {"Szak40A", 5, "Szak40ASlots"}, {"Szak41A", 5, "Szak41ASlots"}, {"Szak40B", 5, "Szak40BSlots"},
    {"Szak41B", 5, "Szak41BSlots"}, {"Szak50A", 1, "Szak50AState"}, {"Szak51", 1, "Szak51State"},
    {"Szak52C", 1, "Szak52CState"}, {"Szak53A", 1, "Szak53AState"}, {"Szak53B", 1, "Szak53BState"},
    {"Szak50B", 1, "Szak50BState"}, {"Szak50C", 1, "Szak50CState"}, {"Szak54A", 1, "Szak54AState"},
    {"Szak54B", 1, "Szak54BState"}, {"Szak60", 1, "Szak60State"},
};

TEST_F(EnemyTest, EveryTypeHasItsRecordsAccessAndNames) {
    ASSERT_EQ(std::size(kTypes), static_cast<size_t>(catalogue::kEnemyCount));
    for (int o = 0; o < catalogue::kEnemyCount; ++o) {
        const TypeCount& t = kTypes[o];
        const catalogue::EnemyAccess& a = catalogue::Access(static_cast<catalogue::Owner>(o));
        SCOPED_TRACE(t.name);
        EXPECT_STREQ(a.name, t.name);
        ASSERT_EQ(a.count, t.slots);
        const std::string last = std::string(t.pool) + "[" + std::to_string(t.slots - 1) + "]";
        // The reset parks every record; the access sees the same record as the name.
        catalogue::EnemyRef r = a.slot(t.slots - 1);
        EXPECT_FLOAT_EQ(*r.x, -500);
        *r.x = 123;
        EXPECT_EQ(Read(last + ".x"), 123);
        EXPECT_EQ(Read(std::string("active:") + t.pool), 0);
        // A hit marks exactly the struck slot; an index outside the type does
        // nothing (the single-record types take no index).
        if (std::string(t.pool).ends_with("Slots")) {
            a.markHit(t.slots);
            a.markHit(-1);
            EXPECT_EQ(Read(std::string(t.pool) + "[0].hit"), 0);
        }
        a.markHit(t.slots - 1);
        EXPECT_EQ(*r.hit, 1u);
        EXPECT_EQ(r.hitCount != nullptr, std::string(t.name) == "Szak60");
    }
}

TEST_F(EnemyTest, LockPointsRestUnlockedAtTheResetPlace) {
    const std::pair<const char*, int> kLocks[] = {
        {"Szak3", 3},   {"Szak4", 3},   {"Szak6D", 3},  {"Szak6E", 3},  {"Szak13A", 3}, {"Szak13B", 3},
        {"Szak21A", 3}, {"Szak21B", 2}, {"Szak22A", 3}, {"Szak22B", 2}, {"Szak40A", 5}, {"Szak41A", 5},
        {"Szak40B", 5}, {"Szak41B", 5}};
    for (auto [name, count] : kLocks) {
        const std::string pool = std::string(name) + "LockSlots";
        Write(pool + "[0].locked", 1);
        Write(pool + "[" + std::to_string(count - 1) + "].x", 7);
    }
    catalogue::ResetEnemies();
    for (auto [name, count] : kLocks) {
        const std::string last = std::string(name) + "LockSlots[" + std::to_string(count - 1) + "]";
        SCOPED_TRACE(last);
        EXPECT_EQ(Read(last + ".x"), -500);
        EXPECT_EQ(Read(last + ".y"), 500);
        EXPECT_EQ(Read(std::string("active:") + name + "LockSlots"), 0);
        EXPECT_FALSE(named::Known(std::string(name) + "LockSlots[" + std::to_string(count) + "].x"));
    }
}

}  // namespace
