#include "game/player/targets.h"

#include <sstream>

#include "tests/game/player/player_fixture.h"

namespace {

using namespace playertest;
using catalogue::Owner;
using enum catalogue::Owner;

// The targets in their test order with their record counts.
const char kOrder[] =
    "Szak10 3 Szak3 3 Szak4 3 Szak1A 4 Szak1B 4 Szak6A 3 Szak6B 3 Szak6C 3 Szak9 3 Szak6D 3 Szak6E 3 Szak12 3 "
    "Szak13A 3 Szak13B 3 Szak52A 1 Szak52B 1 Szak21A 3 Szak21B 2 Szak21C 5 Szak22A 3 Szak22B 2 Szak22C 5 "
    "Szak30A 5 Szak31A 5 Szak32A 5 Szak33A 5 Szak30B 5 Szak31B 5 Szak32B 5 Szak33B 5 Szak40A 5 Szak41A 5 "
    "Szak40B 5 Szak41B 5 Szak50A 1 Szak51 1 Szak52C 1 Szak53A 1 Szak53B 1 Szak50B 1 Szak50C 1 Szak54A 1 "
    "Szak54B 1 Szak60 1 Stage1Boss 1 AltStage2Boss 1 Stage5Boss 1 Stage3Boss 1 Stage4Boss 1 AltStage4Boss 1 "
    "Stage2Boss 1 AltStage5Boss 1 ";

// The record type and count the owner list gives each owner, and each
// family's type (both twin layouts are Slot48).
const struct {
    const char* record;
    int count;
} kListed[] = {
#define ENEMY(Name, Record, Count, Shape) {#Record, Count},
#define BOSS(Name) {"BossState", 1},
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
};
const char* const kFamilyRecord[] = {"EnemySlot40",   "EnemySlot44",       "EnemySlot48", "EnemySlot52",
                                     "MidEnemyState", "MidEnemyPathState", "Szak60Record", "BossState"};

template <class Row>
void CheckRows(const Row (&rows)[targets::kRows]) {
    std::istringstream order(kOrder);
    for (const Row& r : rows) {
        std::string name, record = kListed[r.owner].record;
        int count = 0;
        order >> name >> count;
        EXPECT_EQ(catalogue::OwnerName(r.owner), name);
        EXPECT_EQ(r.count, count) << name;
        EXPECT_EQ(r.count, kListed[r.owner].count) << name;
        EXPECT_TRUE(record.starts_with(kFamilyRecord[r.family])) << name;
        auto kind = record == "BossState" ? targets::Boss : record.starts_with("EnemySlot") ? targets::Array : targets::Single;
        EXPECT_EQ(r.kind, kind) << name;
    }
}

TEST(TargetRows, EveryRowNamesItsTargetWithItsRecordCount) {
    CheckRows(targets::TargetTable);
    CheckRows(targets::RingBombTargets);
}

class CollisionTest : public PlayerTest {
protected:
    // One shot of a pass placed at (x, y) before its move; one collision step.
    void Shoot(int pass, int32_t x, int32_t y) {
        PlayerShotsA[1].active = PlayerShotsB[1].active = BurstShots[1].active = 0;
        if (pass == 2) {
            BurstShots[1] = BurstShot{x, y, 0, 20, 13, 1};  // phase 15 after the step: straight up 6
            BurstShots[1].y += 6;
        } else {
            (pass == 0 ? PlayerShotsB : PlayerShotsA)[1] = PlayerShot{x, y + 10, 0, 10, 1};
        }
        UpdatePlayerShots();
    }
};

TEST_F(CollisionTest, PassesUseTheirOwnBoxesScoresAndThresholds) {
    struct Case {
        int pass;  // 0: weapon B, 1: weapon A, 2: burst
        catalogue::EnemyRef target;
        float tx, ty;
        int32_t sx, sy;
        int score;
    } cases[] = {
        {0, RefOf(Szak10Records[1]), 300, 300, 260, 240, 100},  {0, RefOf(Szak10Records[1]), 300, 300, 259, 240, 0},
        {1, RefOf(Szak10Records[2]), 300, 300, 240, 350, 50},   {2, RefOf(Szak10Records[0]), 300, 300, 370, 300, 50},
        {2, RefOf(Szak10Records[0]), 300, 300, 279, 300, 0},    {0, RefOf(Szak10Records[0]), 300, -46, 300, -46, 0},
        {0, RefOf(Szak10Records[0]), 300, -45, 300, -45, 100},  {1, RefOf(Szak32BRecords[4]), 300, -32, 300, -32, 50},
        {1, RefOf(Szak32ARecords[4]), 300, -31, 300, -31, 0},   {1, RefOf(Szak52ARecords[0]), 300, 4, 300, 4, 50},
        {2, RefOf(Szak52ARecords[0]), 300, 4, 300, 4, 0},       {0, RefOf(Szak6DRecords[0]), 300, 300, 300, 300, 150},
        {2, RefOf(Szak53ARecords[0]), 300, 300, 340, 300, 300}, {0, RefOf(Szak50ARecords[0]), 300, 300, 370, 300, 0},
    };
    for (const auto& c : cases) {
        ParkAll();
        *c.target.x = c.tx, *c.target.y = c.ty;
        Shoot(c.pass, c.sx, c.sy);
        EXPECT_EQ(Score, c.score) << "case " << &c - cases;
        EXPECT_EQ(*c.target.hit, c.score ? 1u : 0u) << "case " << &c - cases;
        *c.target.notHittable = 1, *c.target.hit = 0, Score = 0;
        Shoot(c.pass, c.sx, c.sy);
        EXPECT_EQ(Score + *c.target.hit, 0) << "case " << &c - cases << ", not hittable";
    }
}

TEST_F(CollisionTest, WeaponBScoresTheSideWinderTypesPastTheGates) {
    PlayMode = 0;  // AddScore adds nothing in this mode
    Score = 999999990;
    Szak21BRecords[1].x = Szak21BRecords[1].y = 300;
    Shoot(0, 310, 300);
    EXPECT_EQ(Score, 999999999);
    EXPECT_EQ(HiScore, 999999999);
    EXPECT_EQ(Szak21BRecords[1].hit, 1u);
    Score = 0;
    Shoot(1, 310, 300);
    EXPECT_EQ(Score, 0);
}

TEST_F(CollisionTest, TheLargeTargetCountsTwentyFiveHitsBeforeItScores) {
    Szak60Records[0].x = Szak60Records[0].y = 300;
    for (int hit = 1; hit <= 26; ++hit) {
        Shoot(hit % 3, 380, 400);
        EXPECT_EQ(Szak60Records[0].hitCount, hit);
        EXPECT_EQ(Score, hit < 25 ? 0 : (hit - 24) * 500) << hit;
        EXPECT_EQ(Szak60Records[0].hit, hit < 25 ? 0u : 1u);
    }
}

TEST_F(CollisionTest, BossesTakeDamageByPassAndConsumeNormalShots) {
    struct Case {
        Owner boss;
        int pass;
        uint32_t shield;
        float y;
        int score;
        float damage;
        uint32_t shotLeft;
    } cases[] = {
        {Stage1Boss, 0, 0, 100, 100, 10, 0},     {Stage1Boss, 1, 0, 100, 50, 10, 0},
        {Stage1Boss, 2, 0, 100, 50, 0.3f, 1},    {Stage2Boss, 1, 0, 100, 60, 10, 0},
        {AltStage4Boss, 0, 0, 100, 250, 10, 0},  {Stage1Boss, 0, 1, 100, 0, 0, 1},
        {Stage3Boss, 0, 0, -1, 0, 0, 1},         {Stage4Boss, 2, 0, 0, 50, 0.3f, 1},
    };
    for (const auto& c : cases) {
        ParkAll();
        BossState& b = *Boss(c.boss).state;
        b.X = 200, b.Y = c.y, b.Health = 1000, b.Shield = c.shield;
        Shoot(c.pass, 300, static_cast<int32_t>(c.y) + 100);
        SCOPED_TRACE(catalogue::OwnerName(c.boss));
        EXPECT_EQ(Score, c.score);
        EXPECT_FLOAT_EQ(b.Health, 1000 - c.damage);
        EXPECT_EQ(gBossHits[c.boss], c.score ? 1 : 0);
        uint32_t left = c.pass == 2 ? BurstShots[1].active : (c.pass == 0 ? PlayerShotsB : PlayerShotsA)[1].active;
        EXPECT_EQ(left, c.shotLeft);
        gBossHits[c.boss] = 0;
    }
}

TEST_F(CollisionTest, BurstShotsStepByStreamAndPhase) {
    struct Case {
        int slot;
        float phase;
        int dx, dy;
    } cases[] = {
        {0, 0, -6, 0},    {50, 3, 6, 0},    {100, 3.5f, 0, 0}, {150, 5, 6, -3},  {0, 11, -3, -6},
        {50, 17, -1, -6}, {0, 100, 5, -6},  {100, 100, 3, -6}, {150, 240, -3, -6}, {0, 240, 0, 0},
    };
    FrameSeconds = 0;
    for (const auto& c : cases) {
        BurstShots[c.slot] = BurstShot{300, 300, 0, 20, c.phase, 1};
        UpdatePlayerShots();
        EXPECT_EQ(BurstShots[c.slot].x - 300, c.dx) << c.slot << " at " << c.phase;
        EXPECT_EQ(BurstShots[c.slot].y - 300, c.dy) << c.slot << " at " << c.phase;
        BurstShots[c.slot].active = 0;
    }
}

}  // namespace
