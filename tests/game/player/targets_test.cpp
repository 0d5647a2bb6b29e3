#include "game/player/targets.h"

#include "tests/game/player/player_fixture.h"

namespace {

using namespace playertest;
using catalogue::Owner;

// Record counts, kinds and families of the targets in their test order.
struct Expected {
    Owner owner;
    int count;
    targets::Family family;
};
using enum catalogue::Owner;
using enum targets::Family;
// clang-format off
constexpr Expected kRows[targets::kRows] = {
    {Szak10, 3, Slot40}, {Szak3, 3, Slot40}, {Szak4, 3, Slot40}, {Szak1A, 4, Slot40}, {Szak1B, 4, Slot40},
    {Szak6A, 3, Slot44}, {Szak6B, 3, Slot44}, {Szak6C, 3, Slot44}, {Szak9, 3, Slot40}, {Szak6D, 3, Slot48},
    {Szak6E, 3, Slot48}, {Szak12, 3, Slot40}, {Szak13A, 3, Slot40}, {Szak13B, 3, Slot40}, {Szak52A, 1, Slot40},
    {Szak52B, 1, Slot40}, {Szak21A, 3, Slot40}, {Szak21B, 2, Slot40}, {Szak21C, 5, Slot52}, {Szak22A, 3, Slot40},
    {Szak22B, 2, Slot40}, {Szak22C, 5, Slot52}, {Szak30A, 5, Slot52}, {Szak31A, 5, Slot52}, {Szak32A, 5, Slot52},
    {Szak33A, 5, Slot52}, {Szak30B, 5, Slot52}, {Szak31B, 5, Slot52}, {Szak32B, 5, Slot52}, {Szak33B, 5, Slot52},
    {Szak40A, 5, Slot52}, {Szak41A, 5, Slot52}, {Szak40B, 5, Slot52}, {Szak41B, 5, Slot52}, {Szak50A, 1, Mid},
    {Szak51, 1, Mid}, {Szak52C, 1, Mid}, {Szak53A, 1, MidPath}, {Szak53B, 1, MidPath}, {Szak50B, 1, MidPath},
    {Szak50C, 1, MidPath}, {Szak54A, 1, MidPath}, {Szak54B, 1, MidPath}, {Szak60, 1, Big},
    {Stage1Boss, 1, BossRecord}, {AltStage2Boss, 1, BossRecord}, {Stage5Boss, 1, BossRecord},
    {Stage3Boss, 1, BossRecord}, {Stage4Boss, 1, BossRecord}, {AltStage4Boss, 1, BossRecord},
    {Stage2Boss, 1, BossRecord}, {AltStage5Boss, 1, BossRecord},
};
// clang-format on

// What the owner list says of each owner: its record count and record type.
struct Listed {
    int count;
    const char* record;
    bool boss;
};
const Listed kListed[] = {
#define ENEMY(Name, Record, Count, Shape) {Count, #Record, false},
#define BOSS(Name) {1, "BossState", true},
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
};

const char* RecordOf(targets::Family f) {
    const char* names[] = {"EnemySlot40",   "EnemySlot44",       "EnemySlot48", "EnemySlot52",
                           "MidEnemyState", "MidEnemyPathState", "Szak60Record", "BossState"};
    return names[f];
}

template <class Row>
void CheckRows(const Row (&rows)[targets::kRows]) {
    for (int i = 0; i < targets::kRows; ++i) {
        const Row& r = rows[i];
        const Listed& listed = kListed[r.owner];
        SCOPED_TRACE(catalogue::OwnerName(r.owner));
        EXPECT_EQ(r.owner, kRows[i].owner) << "row " << i + 1;
        EXPECT_EQ(r.count, kRows[i].count);
        EXPECT_EQ(r.count, listed.count);
        EXPECT_EQ(r.family, kRows[i].family);
        // Slot48 stands for both twin layouts.
        std::string record = listed.record;
        EXPECT_EQ(record.substr(0, 11) == "EnemySlot48" ? "EnemySlot48" : record, RecordOf(r.family));
        auto kind = listed.boss ? targets::Boss : record.starts_with("EnemySlot") ? targets::Array : targets::Single;
        EXPECT_EQ(r.kind, kind);
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
        const char* what;
        int pass;  // 0: weapon B, 1: weapon A, 2: burst
        catalogue::EnemyRef target;
        float tx, ty;
        int32_t sx, sy;
        int score;
        bool hit;
    } cases[] = {
        {"B on Szak10's corner", 0, RefOf(Szak10Records[1]), 300, 300, 260, 240, 100, true},
        {"B left of Szak10", 0, RefOf(Szak10Records[1]), 300, 300, 259, 240, 0, false},
        {"A on Szak10's corner", 1, RefOf(Szak10Records[2]), 300, 300, 240, 350, 50, true},
        {"burst on Szak10's edge", 2, RefOf(Szak10Records[0]), 300, 300, 370, 300, 50, true},
        {"burst left of Szak10", 2, RefOf(Szak10Records[0]), 300, 300, 279, 300, 0, false},
        {"Szak10 above its limit", 0, RefOf(Szak10Records[0]), 300, -46, 300, -46, 0, false},
        {"Szak10 at its limit", 0, RefOf(Szak10Records[0]), 300, -45, 300, -45, 100, true},
        {"Szak32B at -32", 1, RefOf(Szak32BRecords[4]), 300, -32, 300, -32, 50, true},
        {"Szak32A at -31", 1, RefOf(Szak32ARecords[4]), 300, -31, 300, -31, 0, false},
        {"Szak52A at 4, weapon A", 1, RefOf(Szak52ARecords[0]), 300, 4, 300, 4, 50, true},
        {"Szak52A at 4, burst", 2, RefOf(Szak52ARecords[0]), 300, 4, 300, 4, 0, false},
        {"Szak6D scores 150", 0, RefOf(Szak6DRecords[0]), 300, 300, 300, 300, 150, true},
        {"Szak53A scores 300", 2, RefOf(Szak53ARecords[0]), 300, 300, 340, 300, 300, true},
        {"Szak50A's empty box", 0, RefOf(Szak50ARecords[0]), 300, 300, 370, 300, 0, false},
        {"Szak22C, weapon A", 1, RefOf(Szak22CRecords[3]), 300, 300, 330, 350, 50, true},
    };
    for (const auto& c : cases) {
        ParkAll();
        *c.target.x = c.tx;
        *c.target.y = c.ty;
        Shoot(c.pass, c.sx, c.sy);
        EXPECT_EQ(Score, c.score) << c.what;
        EXPECT_EQ(*c.target.hit, c.hit ? 1u : 0u) << c.what;
        *c.target.notHittable = 1;
        *c.target.hit = 0;
        Score = 0;
        Shoot(c.pass, c.sx, c.sy);
        EXPECT_EQ(Score + *c.target.hit, 0) << c.what << ", not hittable";
    }
}

TEST_F(CollisionTest, WeaponBScoresTheSideWinderTypesPastTheGates) {
    PlayMode = 0;  // AddScore adds nothing in this mode
    Score = 999999990;
    Szak21BRecords[1].x = 300;
    Szak21BRecords[1].y = 300;
    Shoot(0, 310, 300);
    EXPECT_EQ(Score, 999999999);
    EXPECT_EQ(HiScore, 999999999);
    EXPECT_EQ(Szak21BRecords[1].hit, 1u);
    Score = 0;
    Shoot(1, 310, 300);
    EXPECT_EQ(Score, 0);
}

TEST_F(CollisionTest, TheLargeTargetCountsTwentyFiveHitsBeforeItScores) {
    Szak60Records[0].x = 300;
    Szak60Records[0].y = 300;
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
        b.X = 200;
        b.Y = c.y;
        b.Health = 1000;
        b.Shield = c.shield;
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

TEST_F(CollisionTest, ShotsMoveByStreamAndAreTestedOnceMoreWhenTheyLeave) {
    PlayerShotsA[30] = PlayerShot{300, 200, 2, 10, 1};
    PlayerShotsA[60] = PlayerShot{300, 200, 2, 10, 1};
    PlayerShotsB[5] = PlayerShot{300, -51, 3, 10, 1};
    Szak10Records[0].x = 300;
    Szak10Records[0].y = -45;
    UpdatePlayerShots();
    EXPECT_EQ(PlayerShotsA[30].x, 298);
    EXPECT_EQ(PlayerShotsA[60].x, 302);
    EXPECT_EQ(PlayerShotsA[60].y, 190);
    EXPECT_EQ(PlayerShotsB[5].active, 0u);
    EXPECT_EQ(Szak10Records[0].hit, 1u);
    EXPECT_EQ(Score, 100);
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
        EXPECT_EQ(BurstShots[c.slot].x, 300 + c.dx) << c.slot << " at " << c.phase;
        EXPECT_EQ(BurstShots[c.slot].y, 300 + c.dy) << c.slot << " at " << c.phase;
        BurstShots[c.slot].active = 0;
    }
}

TEST_F(CollisionTest, TheItemIsPickedUpBelowY50Only) {
    struct Case {
        float x, y;
        bool taken;
    } cases[] = {{370, 51, true},  {370, 50, false},  {430, 100, true},
                 {431, 100, false}, {310, 160, true}, {310, 161, false}};
    PlayerX = 370;
    PlayerY = 100;
    for (const auto& c : cases) {
        PowerItem = PowerItemRecord{c.x, c.y, 0, 100, 0, 1, 0};
        Score = 0;
        UpdatePlayerShots();
        EXPECT_EQ(PowerItem.taken, c.taken ? 1u : 0u) << c.x << ", " << c.y;
        EXPECT_EQ(Score, c.taken ? 500 : 0);
    }
}

}  // namespace
