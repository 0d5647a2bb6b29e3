// The normal weapons' collision: the pickup test, the motion of the three
// shot pools and the target table that every live shot is tested against.
#include "game/player/targets.h"

#include "framework/system/system.h"
#include "game/bosses/bosses.h"
#include "game/player/player.h"
#include "game/player/weapons.h"

namespace targets {

using enum catalogue::Owner;

// Rows in test order. Boxes are {left, right, top, bottom} for weapon B,
// weapon A and the burst; the scores in the same order.
// clang-format off
const ShotRow TargetTable[kRows] = {
//   owner          kind    n  family      yFrom yBurst  boxes B, A, burst                                         scores           flags
    {Szak10,        Array,  3, Slot40,      -45,  -45, {{-40, 50, -60, 50}, {-60, 70, -60, 50}, {-20, 70, -60, 50}}, {100, 50, 50}, 0},
    {Szak3,         Array,  3, Slot40,      -30,  -30, {{-40, 60, -60, 60}, {-40, 60, -60, 60}, {0, 60, -60, 60}}, {250, 250, 250}, 0},
    {Szak4,         Array,  3, Slot40,      -30,  -30, {{-40, 80, -60, 60}, {-40, 80, -60, 60}, {0, 80, -60, 60}}, {250, 250, 250}, 0},
    {Szak1A,        Array,  4, Slot40,      -50,  -50, {{-40, 40, -60, 50}, {-60, 60, -60, 50}, {-20, 60, -60, 50}}, {100, 50, 50}, 0},
    {Szak1B,        Array,  4, Slot40,      -50,  -50, {{-40, 40, -60, 50}, {-60, 60, -60, 50}, {-20, 60, -60, 50}}, {100, 50, 50}, 0},
    {Szak6A,        Array,  3, Slot44,      -30,  -30, {{-40, 60, -60, 50}, {-60, 80, -60, 50}, {-20, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak6B,        Array,  3, Slot44,      -30,  -30, {{-40, 60, -60, 50}, {-60, 80, -60, 50}, {-20, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak6C,        Array,  3, Slot44,      -30,  -30, {{-40, 60, -60, 50}, {-60, 80, -60, 50}, {-20, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak9,         Array,  3, Slot40,      -30,  -30, {{-40, 60, -60, 50}, {-60, 80, -60, 50}, {-20, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak6D,        Array,  3, Slot48,      -60,  -60, {{-40, 60, -60, 50}, {-60, 80, -60, 50}, {-20, 80, -60, 50}}, {150, 50, 50}, 0},
    {Szak6E,        Array,  3, Slot48,      -60,  -60, {{-40, 60, -60, 50}, {-60, 80, -60, 50}, {-20, 80, -60, 50}}, {150, 50, 50}, 0},
    {Szak12,        Array,  3, Slot40,      -30,  -30, {{-40, 60, -60, 50}, {-60, 80, -60, 50}, {-20, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak13A,       Array,  3, Slot40,      -30,  -30, {{-40, 60, -60, 50}, {-60, 80, -60, 50}, {-20, 80, -60, 50}}, {200, 50, 50}, 0},
    {Szak13B,       Array,  3, Slot40,      -30,  -30, {{-40, 60, -60, 50}, {-60, 80, -60, 50}, {-20, 80, -60, 50}}, {200, 50, 50}, 0},
    {Szak52A,       Array,  1, Slot40,      -30,    5, {{0, 140, -60, 50}, {0, 140, -60, 50}, {0, 180, -60, 50}}, {100, 50, 50}, 0},
    {Szak52B,       Array,  1, Slot40,      -30,    5, {{0, 140, -60, 50}, {0, 140, -60, 50}, {0, 180, -60, 50}}, {100, 50, 50}, 0},
    {Szak21A,       Array,  3, Slot40,      -30,  -30, {{0, 30, -60, 50}, {0, 30, -60, 50}, {0, 70, -60, 50}}, {20, 50, 50}, kDirectScore},
    {Szak21B,       Array,  2, Slot40,      -30,  -30, {{0, 30, -60, 50}, {0, 30, -60, 50}, {0, 70, -60, 50}}, {20, 50, 50}, kDirectScore},
    {Szak21C,       Array,  5, Slot52,      -30,  -30, {{0, 30, -60, 50}, {0, 30, -60, 50}, {0, 70, -60, 50}}, {20, 50, 50}, kDirectScore},
    {Szak22A,       Array,  3, Slot40,      -30,  -30, {{0, 30, -60, 50}, {0, 30, -60, 50}, {0, 70, -60, 50}}, {20, 50, 50}, kDirectScore},
    {Szak22B,       Array,  2, Slot40,      -30,  -30, {{0, 30, -60, 50}, {0, 30, -60, 50}, {0, 70, -60, 50}}, {20, 50, 50}, kDirectScore},
    {Szak22C,       Array,  5, Slot52,      -30,  -30, {{0, 30, -60, 50}, {0, 30, -60, 50}, {0, 70, -60, 50}}, {20, 50, 50}, kDirectScore},
    {Szak30A,       Array,  5, Slot52,      -30,  -30, {{0, 40, -60, 50}, {0, 40, -60, 50}, {0, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak31A,       Array,  5, Slot52,      -30,  -30, {{0, 40, -60, 50}, {0, 40, -60, 50}, {0, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak32A,       Array,  5, Slot52,      -30,  -30, {{0, 40, -60, 50}, {0, 40, -60, 50}, {0, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak33A,       Array,  5, Slot52,      -30,  -30, {{0, 40, -60, 50}, {0, 40, -60, 50}, {0, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak30B,       Array,  5, Slot52,      -30,  -30, {{0, 40, -60, 50}, {0, 40, -60, 50}, {0, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak31B,       Array,  5, Slot52,      -30,  -30, {{0, 40, -60, 50}, {0, 40, -60, 50}, {0, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak32B,       Array,  5, Slot52,      -32,  -32, {{0, 40, -60, 50}, {0, 40, -60, 50}, {0, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak33B,       Array,  5, Slot52,      -30,  -30, {{0, 40, -60, 50}, {0, 40, -60, 50}, {0, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak40A,       Array,  5, Slot52,      -30,  -30, {{0, 60, -60, 50}, {0, 60, -60, 50}, {0, 100, -60, 50}}, {250, 250, 250}, 0},
    {Szak41A,       Array,  5, Slot52,      -30,  -30, {{0, 60, -60, 50}, {0, 60, -60, 50}, {0, 100, -60, 50}}, {250, 250, 250}, 0},
    {Szak40B,       Array,  5, Slot52,      -30,  -30, {{0, 60, -60, 50}, {0, 60, -60, 50}, {0, 100, -60, 50}}, {250, 250, 250}, 0},
    {Szak41B,       Array,  5, Slot52,      -30,  -30, {{0, 60, -60, 50}, {0, 60, -60, 50}, {0, 100, -60, 50}}, {250, 250, 250}, 0},
    {Szak50A,       Single, 1, Mid,         -30,  -30, {{60, 20, -60, 50}, {60, 20, -60, 50}, {40, 80, -60, 50}}, {100, 50, 50}, 0},
    {Szak51,        Single, 1, Mid,         -30,    5, {{60, 120, -60, 50}, {60, 120, -60, 50}, {40, 180, -60, 50}}, {100, 50, 50}, 0},
    {Szak52C,       Single, 1, Mid,         -30,    5, {{60, 80, -60, 50}, {60, 80, -60, 50}, {40, 140, -60, 50}}, {100, 50, 50}, 0},
    {Szak53A,       Single, 1, MidPath,     -30,  -30, {{60, 80, -60, 50}, {60, 80, -60, 50}, {40, 140, -60, 50}}, {300, 300, 300}, 0},
    {Szak53B,       Single, 1, MidPath,     -30,  -30, {{60, 80, -60, 50}, {60, 80, -60, 50}, {40, 140, -60, 50}}, {300, 300, 300}, 0},
    {Szak50B,       Single, 1, MidPath,     -30,  -30, {{60, 80, -60, 50}, {60, 80, -60, 50}, {40, 140, -60, 50}}, {300, 300, 300}, 0},
    {Szak50C,       Single, 1, MidPath,     -30,  -30, {{60, 80, -60, 50}, {60, 80, -60, 50}, {40, 140, -60, 50}}, {300, 300, 300}, 0},
    {Szak54A,       Single, 1, MidPath,     -30,  -30, {{60, 80, -60, 50}, {60, 80, -60, 50}, {40, 140, -60, 50}}, {300, 300, 300}, 0},
    {Szak54B,       Single, 1, MidPath,     -30,  -30, {{60, 80, -60, 50}, {60, 80, -60, 50}, {40, 140, -60, 50}}, {300, 300, 300}, 0},
    {Szak60,        Single, 1, Big,         -30,  -30, {{60, 180, -60, 200}, {60, 180, -60, 200}, {40, 240, -60, 200}}, {500, 500, 500}, kCountedHits},
    {Stage1Boss,    Boss,   1, BossRecord,    0,    0, {{80, 300, 10, 200}, {80, 300, 10, 200}, {80, 340, 10, 200}}, {100, 50, 50}, 0},
    {AltStage2Boss, Boss,   1, BossRecord,    0,    0, {{80, 300, 10, 200}, {80, 300, 10, 200}, {80, 340, 10, 200}}, {100, 50, 50}, 0},
    {Stage5Boss,    Boss,   1, BossRecord,    0,    0, {{80, 320, 10, 200}, {80, 320, 10, 200}, {80, 360, 10, 200}}, {100, 50, 50}, 0},
    {Stage3Boss,    Boss,   1, BossRecord,    0,    0, {{80, 300, 10, 200}, {80, 300, 10, 200}, {80, 340, 10, 200}}, {100, 50, 50}, 0},
    {Stage4Boss,    Boss,   1, BossRecord,    0,    0, {{50, 270, 10, 200}, {50, 270, 10, 200}, {50, 310, 10, 200}}, {100, 50, 50}, 0},
    {AltStage4Boss, Boss,   1, BossRecord,    0,    0, {{50, 330, 10, 200}, {50, 330, 10, 200}, {50, 370, 10, 200}}, {250, 50, 50}, 0},
    {Stage2Boss,    Boss,   1, BossRecord,    0,    0, {{50, 390, 10, 200}, {50, 390, 10, 200}, {50, 430, 10, 200}}, {250, 60, 60}, 0},
    {AltStage5Boss, Boss,   1, BossRecord,    0,    0, {{50, 370, 10, 200}, {50, 370, 10, 200}, {50, 410, 10, 200}}, {100, 50, 50}, 0},
};
// clang-format on

namespace {

const catalogue::EnemyAccess& CatalogueEnemy(catalogue::Owner owner) { return catalogue::Access(owner); }

BossRef CatalogueBoss(catalogue::Owner owner) {
    static const BossRef kBosses[] = {
#define BOSS(Name) {&Name##State, MarkHit##Name},
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"
    };
    return kBosses[owner - catalogue::kEnemyCount];
}

Source gSource{CatalogueEnemy, CatalogueBoss};

bool Inside(const Box& box, int32_t tx, int32_t ty, int32_t x, int32_t y) {
    int64_t dx = int64_t{x} - tx, dy = int64_t{y} - ty;
    return box.left <= dx && dx <= box.right && box.top <= dy && dy <= box.bottom;
}

void Score(const Strike& s) {
    if (s.directScore)
        AddScoreDirect(s.score);
    else
        AddScore(s.score);
}

bool StrikeBoss(catalogue::Owner owner, int32_t x, int32_t y, const Strike& s) {
    BossRef boss = gSource.boss(owner);
    if (!boss.state) return false;
    BossState& b = *boss.state;
    if (b.Shield != 0 || !(b.Y >= s.yFrom)) return false;
    if (!Inside(*s.box, ScreenInt(b.X), ScreenInt(b.Y), x, y)) return false;
    if (boss.markHit) boss.markHit();
    AddScore(s.score);
    b.Health -= s.damage * FrameSeconds;
    return true;
}

void StrikeEnemy(const catalogue::EnemyAccess& access, int count, int32_t x, int32_t y, const Strike& s) {
    if (!access.slot) return;
    if (access.count < count) count = access.count;
    for (int i = 0; i < count; ++i) {
        catalogue::EnemyRef e = access.slot(i);
        if (!e.x || !e.y || (e.notHittable && *e.notHittable != 0) || !(*e.y >= s.yFrom)) continue;
        if (!Inside(*s.box, ScreenInt(*e.x), ScreenInt(*e.y), x, y)) continue;
        if (s.countedHits) {
            if (!e.hitCount) continue;
            *e.hitCount += 1;
            if (*e.hitCount < kCountedHitsNeeded) continue;
        }
        if (access.markHit) access.markHit(i);
        Score(s);
    }
}

}  // namespace

bool StrikeTargets(catalogue::Owner owner, int count, int32_t x, int32_t y, const Strike& strike) {
    if (owner < 0 || owner >= catalogue::kOwnerCount) return false;
    if (owner >= catalogue::kEnemyCount) return StrikeBoss(owner, x, y, strike);
    StrikeEnemy(Enemy(owner), count, x, y, strike);
    return false;
}

Source SetSource(Source source) {
    Source previous = gSource;
    gSource = source;
    return previous;
}

const catalogue::EnemyAccess& Enemy(catalogue::Owner owner) { return gSource.enemy(owner); }

}  // namespace targets

namespace {

using targets::TargetTable;

// The collision passes in their order: weapon B, weapon A, the burst. A
// boss consumes a normal shot and takes its damage per second of contact.
enum Pass { PassB, PassA, PassBurst };
constexpr float kPassDamage[3] = {100, 100, 3};
constexpr int32_t kGone = -60;  // a shot above this line is freed

// Tests one shot point against every row; returns true when a boss was hit.
bool TestRows(Pass pass, int32_t x, int32_t y) {
    bool bossHit = false;
    for (const auto& row : TargetTable) {
        targets::Strike s{&row.box[pass],
                          static_cast<float>(pass == PassBurst ? row.yFromBurst : row.yFrom),
                          row.score[pass],
                          pass == PassB && (row.flags & targets::kDirectScore),
                          (row.flags & targets::kCountedHits) != 0,
                          kPassDamage[pass]};
        bossHit |= targets::StrikeTargets(row.owner, row.count, x, y, s);
    }
    return bossHit;
}

void RunShotPass(Pass pass, PlayerShot* shots) {
    for (int i = 0; i < kShotSlots; ++i) {
        PlayerShot& s = shots[i];
        if (!s.active) continue;
        s.y -= s.dy;
        if (i >= 2 * kShotStream)
            s.x += s.dx;
        else if (i >= kShotStream)
            s.x -= s.dx;
        if (s.y < kGone) s.active = 0;  // tested once more where it stands
        if (TestRows(pass, s.x, s.y)) s.active = 0;
    }
}

// The burst's steps per frame by phase band (bounds inclusive; a phase
// between bands does not move the shot). The left streams (0-49, 100-149)
// take dx as it stands, the right streams (50-99, 150-199) its mirror.
struct BurstBand {
    float from, to;
    int8_t dx, dy;
    bool early;  // streams 0-99
    bool late;   // streams 100-199
};
// clang-format off
constexpr BurstBand kBurstBands[] = {
    // from   to    dx  dy  0-99   100-199
    {0,     3,    -6,  0, true,  true},
    {4,     6,    -6, -3, true,  true},
    {7,     9,    -6, -6, true,  true},
    {10,   12,    -3, -6, true,  true},
    {13,   15,     0, -6, true,  true},
    {16,   18,     1, -6, true,  true},
    {19,   21,     2, -6, true,  true},
    {22,   24,     3, -6, true,  false},
    {25,   27,     4, -6, true,  false},
    {28,  200,     5, -6, true,  false},
    {22,  250,     3, -6, false, true},
};
// clang-format on

void StepBurst(int slot, BurstShot& s) {
    int stream = slot / kBurstStream;
    bool early = stream < 2;
    int mirror = stream % 2 == 0 ? 1 : -1;
    for (const auto& band : kBurstBands) {
        if (!(early ? band.early : band.late) || s.phase < band.from || s.phase > band.to) continue;
        s.x += mirror * band.dx;
        s.y += band.dy;
        return;
    }
}

void RunBurstPass() {
    for (int i = 0; i < kBurstSlots; ++i) {
        BurstShot& s = BurstShots[i];
        if (!s.active) continue;
        s.phase += FrameSeconds * 20;
        StepBurst(i, s);
        if (s.y < kGone) {
            s.active = 0;
            s.phase = 0;
        }
        TestRows(PassBurst, s.x, s.y);
    }
}

void CheckPickup() {
    if (!PowerItem.active || !(PowerItem.y > 50)) return;
    int32_t px = ScreenInt(PlayerX), py = ScreenInt(PlayerY);
    int32_t ix = ScreenInt(PowerItem.x), iy = ScreenInt(PowerItem.y);
    if (px < ix - 60 || px > ix + 60 || py < iy - 60 || py > iy + 60) return;
    TakePowerUpItem();
    AddScore(500);
}

}  // namespace

void UpdatePlayerShots() {
    CheckPickup();
    RunShotPass(PassB, PlayerShotsB);
    RunShotPass(PassA, PlayerShotsA);
    RunBurstPass();
}
