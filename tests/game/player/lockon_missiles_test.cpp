#include "tests/game/player/lockon_fixture.h"

namespace {

using namespace playertest;

// Where a missile launched at (x0, y0) stands after its first step of dt
// seconds at speed v: drifted by (dx, dy) before or after taking the
// heading at the point + (20, 20).
void ExpectFirstStep(const HomingMissile& m, float x0, float y0, float dx, float dy, bool driftFirst,
                     const LockSlot& p, float v, float dt) {
    const float ax = driftFirst ? x0 + dx : x0, ay = driftFirst ? y0 + dy : y0;
    const float a = std::atan2(static_cast<float>(p.y + 20) - ay, static_cast<float>(p.x + 20) - ax);
    EXPECT_NEAR(m.x, x0 + dx + std::cos(a) * v * dt, 1e-3);
    EXPECT_NEAR(m.y, y0 + dy + std::sin(a) * v * dt, 1e-3);
}

const struct Homing {
    const char* name;
    void (*fire)();
    void (*update)(int32_t);
    LockSlot* points;
    HomingMissile* missiles;
    catalogue::EnemyRef (*enemy)(int);
    int count, dy, speed1, speed2, xLimit, reachY;
    int side[3];  // drift of missiles 0, 1, 2: -1 left, +1 right
} kHoming[] = {
    {"Szak3", FireHomingMissilesSzak3, UpdateHomingMissilesSzak3, Szak3LockSlots, HomingMissilesSzak3,
     SlotOf<Szak3Records>, 3, 10, 600, 700, 540, 20, {-1, -1, 1}},
    {"Szak4", FireHomingMissilesSzak4, UpdateHomingMissilesSzak4, Szak4LockSlots, HomingMissilesSzak4,
     SlotOf<Szak4Records>, 3, 10, 600, 700, 540, 20, {1, 1, -1}},
    {"Szak21A", FireHomingMissilesSzak21A, UpdateHomingMissilesSzak21A, Szak21ALockSlots, HomingMissilesSzak21A,
     SlotOf<Szak21ARecords>, 3, 10, 600, 700, 540, 20, {-1, -1, -1}},
    {"Szak22A", FireHomingMissilesSzak22A, UpdateHomingMissilesSzak22A, Szak22ALockSlots, HomingMissilesSzak22A,
     SlotOf<Szak22ARecords>, 3, 10, 600, 700, 540, 20, {1, 1, 1}},
    {"Szak40A", FireHomingMissilesSzak40A, UpdateHomingMissilesSzak40A, Szak40ALockSlots, HomingMissilesSzak40A,
     SlotOf<Szak40ARecords>, 5, 10, 750, 750, 540, 20, {}},
    {"Szak41A", FireHomingMissilesSzak41A, UpdateHomingMissilesSzak41A, Szak41ALockSlots, HomingMissilesSzak41A,
     SlotOf<Szak41ARecords>, 5, 9, 750, 750, 541, 21, {}},
    {"Szak40B", FireHomingMissilesSzak40B, UpdateHomingMissilesSzak40B, Szak40BLockSlots, HomingMissilesSzak40B,
     SlotOf<Szak40BRecords>, 5, 9, 750, 750, 542, 22, {}},
    {"Szak41B", FireHomingMissilesSzak41B, UpdateHomingMissilesSzak41B, Szak41BLockSlots, HomingMissilesSzak41B,
     SlotOf<Szak41BRecords>, 5, 8, 750, 750, 543, 23, {}},
};

TEST_F(LockOnTest, HomingMissilesLaunchOnlyAtLockedPointsOnTheField) {
    for (const auto& g : kHoming) {
        SCOPED_TRACE(g.name);
        const int last = g.count - 1;
        const LockSlot misses[] = {{g.xLimit, 100, 1, 0}, {100, 0, 1, 0}, {100, 480, 1, 0}, {0, 100, 1, 0},
                                   {100, 100, 0, 0}};
        for (const auto& p : misses) {
            g.points[last] = p;
            g.fire();
            EXPECT_EQ(g.missiles[last].active, 0u) << p.x << "," << p.y;
        }
        for (int ship : {1, 2}) {
            ShipType = ship;
            g.missiles[last] = kIdleMissile;
            g.points[last] = LockSlot{g.xLimit - 1, 479, 1, 0};
            g.fire();
            EXPECT_EQ(g.missiles[last].active, 1u);
            EXPECT_EQ(g.missiles[last].x, PlayerX + 20);
            EXPECT_EQ(g.missiles[last].y, PlayerY + g.dy);
            EXPECT_EQ(g.missiles[last].speed, ship == 1 ? g.speed1 : g.speed2);
        }
        EXPECT_EQ(g.missiles[0].active, 0u);
    }
}

TEST_F(LockOnTest, HomingMissilesDriftThenHomeOnTheirEnemiesAndDestroyThem) {
    for (const auto& g : kHoming) {
        SCOPED_TRACE(g.name);
        ParkAll();
        PlayerY = 400;
        for (int i = 0; i < g.count; ++i) g.points[i] = LockSlot{300, 150, 1, 0}, g.missiles[i].timer = 300;
        g.fire();
        g.update(0);
        // A 0.1 s first frame: 26 drift units, so the three-missile groups
        // drift by speed / 2 sideways and speed / 10 down, then home.
        const float v = static_cast<float>(g.speed1);
        for (int i = 0; i < g.count; ++i) {
            const float dx = g.count == 3 ? g.side[i] * v / 20 : 0, dy = g.count == 3 ? v / 100 : 0;
            ExpectFirstStep(g.missiles[i], PlayerX + 20, PlayerY + g.dy, dx, dy, true, g.points[i], v, 0.1f);
        }
        FrameSeconds = 0.005f;
        for (int frame = 0; frame < 400 && Score < 300 * g.count; ++frame) g.update(0);
        EXPECT_EQ(Score, 300 * g.count);
        for (int i = 0; i < g.count; ++i) {
            EXPECT_EQ(*g.enemy(i).hit, 1u) << i;
            EXPECT_EQ(g.missiles[i].active, 0u) << i;
            EXPECT_EQ(g.points[i].locked, 0u) << i;
            EXPECT_EQ(g.points[i].y, 500) << i;
        }
        FrameSeconds = 0.1f;
    }
}

TEST_F(LockOnTest, AMissileReachesItsPointInsideTheGroupsReachBox) {
    // A missile standing still (speed 0) at (dx, dy) from its point.
    for (const auto& g : kHoming) {
        SCOPED_TRACE(g.name);
        const struct {
            float dx, dy;
            bool reaches;
        } cases[] = {{10, 30, true}, {30, static_cast<float>(g.reachY), true}, {9.5f, 25, false},
                     {30.5f, 25, false}, {20, g.reachY - 0.5f, false}, {20, 30.5f, false}};
        for (const auto& c : cases) {
            Score = 0;
            g.points[1] = LockSlot{300, 200, 1, 0};
            g.missiles[1] = HomingMissile{0, 300 + c.dx, 200 + c.dy, 1, 0, 0, 0, 0, 300};
            g.update(0);
            EXPECT_EQ(g.missiles[1].active, c.reaches ? 0u : 1u) << c.dx << "," << c.dy;
            EXPECT_EQ(Score, c.reaches ? 300 : 0) << c.dx << "," << c.dy;
        }
    }
}

const struct BossSet {
    const char* name;
    void (*fire)();
    void (*update)(int32_t);
    LockSlot* points;
    HomingMissile* missiles;
    BossState* boss;
    int dx, side;  // launch offset; drift: -1 left, +1 right, 0 none
    bool storesAim;
    float damage;
    int score;
} kBossSets[] = {
#define ROW(Boss, Set, dx, side, aim, damage, score)                                                       \
    {#Boss #Set, FireBossMissiles##Boss##Set, UpdateBossMissiles##Boss##Set, Boss##LockSet##Set,         \
     BossMissiles##Boss##Set, &Boss##State, dx, side, aim, damage, score},
    ROW(Stage1Boss, A, -5, -1, true, 100, 300) ROW(Stage1Boss, B, 5, 1, false, 100, 300)
    ROW(AltStage2Boss, A, -40, -1, true, 150, 300) ROW(AltStage2Boss, B, 40, -1, false, 150, 300)
    ROW(Stage5Boss, A, -40, 0, false, 150, 300) ROW(Stage5Boss, B, 40, 0, false, 150, 0)
    ROW(Stage3Boss, A, -40, -1, true, 150, 300) ROW(Stage3Boss, B, 40, 1, false, 150, 300)
    ROW(Stage4Boss, A, -40, 0, false, 150, 300) ROW(Stage4Boss, B, 40, 0, false, 150, 300)
    ROW(AltStage4Boss, A, -40, 0, false, 150, 300) ROW(AltStage4Boss, B, 40, 0, false, 150, 300)
    ROW(Stage2Boss, A, -40, -1, true, 150, 300) ROW(Stage2Boss, B, 40, 1, false, 150, 300)
    ROW(AltStage5Boss, A, -40, 0, false, 150, 300) ROW(AltStage5Boss, B, 40, 0, false, 150, 300)
#undef ROW
};

TEST_F(LockOnTest, BossMissilesAimThenDriftAndDamageTheBossAtTheirPoint) {
    for (const auto& g : kBossSets) {
        SCOPED_TRACE(g.name);
        ParkAll();
        PlayerY = 400;  // a missile launched below y 470 ends at once
        g.points[0] = LockSlot{300, 150, 1, 0};
        g.missiles[0].timer = 300;  // left from an earlier flight
        g.fire();
        const HomingMissile& m = g.missiles[0];
        EXPECT_EQ(m.x, PlayerX + 20 + g.dx);
        EXPECT_EQ(m.y, PlayerY + 10);
        EXPECT_EQ(m.speed, 600);
        EXPECT_EQ(m.aimX, g.storesAim ? 320 - m.x : 0);
        // 0.1 s: 26 drift units, speed sideways and 8/10 of it down.
        g.update(0);
        ExpectFirstStep(m, PlayerX + 20 + g.dx, PlayerY + 10, g.side * 60.f, g.side ? 48.f : 0, false, g.points[0],
                        600, 0.1f);
        // Straight up into the reach box: 6 pixels in a 0.01 s frame.
        g.missiles[0] = HomingMissile{0, 320, 186, 1, 0, 0, 0, 600, 300};
        g.boss->Health = 1000;
        FrameSeconds = 0.01f;
        g.update(0);
        EXPECT_FLOAT_EQ(g.boss->Health, 1000 - g.damage * 0.01f);
        EXPECT_EQ(Score, g.score);
        EXPECT_EQ(g.boss->HitFlag, 1u);
        EXPECT_EQ(g.missiles[0].active, 0u);
        EXPECT_EQ(g.points[0].locked, 0u);
        EXPECT_EQ(g.points[0].x, -500);
        FrameSeconds = 0.1f;
    }
}

TEST_F(LockOnTest, MissilesFlyStraightOnOffTheFieldAndEndAtItsEdgesOrTheRingBomb) {
    const struct {
        LockSlot point;
        float x, y;
        int bomb;
        uint32_t active;
        float movedX;
    } cases[] = {
        {{300, 0, 1, 0}, 300, 300, 0, 1, 75},   {{300, 100, 1, 0}, 300, 300, 1, 0, 0},
        {{300, 0, 1, 0}, -10, 300, 0, 0, 0},     {{300, 0, 1, 0}, 500, 300, 0, 0, 0},
        {{300, 0, 1, 0}, 300, 490, 0, 0, 0},    {{300, 0, 1, 0}, 300, -30, 0, 0, 0},
        {{540, 100, 1, 0}, 400, 300, 0, 1, 75},  // off the field for Szak40A, not for Szak41A
    };
    for (const auto& c : cases) {
        BombActive = c.bomb;
        Szak40ALockSlots[0] = Szak41ALockSlots[0] = c.point;
        HomingMissilesSzak40A[0] = HomingMissilesSzak41A[0] = HomingMissile{0, c.x, c.y, 1, 0, 0, 0, 750, 0};
        UpdateHomingMissilesSzak40A(0);
        UpdateHomingMissilesSzak41A(0);
        EXPECT_EQ(HomingMissilesSzak40A[0].active, c.active) << "case " << &c - cases;
        if (c.active) {
            EXPECT_FLOAT_EQ(HomingMissilesSzak40A[0].x - c.x, c.movedX) << "case " << &c - cases;
        }
    }
    EXPECT_LT(HomingMissilesSzak41A[0].y, 300);  // Szak41A homes up toward (560, 120)
}

// Stage 1 with automatic fire: the lock-on updates in the script's order,
// then the automatic-fire block; the test marks the enemies as the scan does.
TEST_F(LockOnTest, WithAutoFireStageOneSendsMissilesAtLockedEnemiesAndTheBoss) {
    void (*const updates[])(int32_t) = {
        UpdateHomingMissilesSzak3,   UpdateHomingMissilesSzak4,   UpdateLockLaserSzak6D,
        UpdateLockLaserSzak6E,       UpdateLockLaserSzak13A,      UpdateLockLaserSzak13B,
        UpdateHomingMissilesSzak21A, UpdateHomingMissilesSzak22A, UpdateHomingMissilesSzak40A,
        UpdateHomingMissilesSzak41A, UpdateHomingMissilesSzak40B, UpdateHomingMissilesSzak41B,
        UpdateBossMissilesStage1BossA, UpdateBossMissilesStage1BossB};
    void (*const fires[])() = {FireHomingMissilesSzak3,  FireHomingMissilesSzak4,  FireHomingMissilesSzak21A,
                               FireHomingMissilesSzak22A, FireHomingMissilesSzak40A, FireHomingMissilesSzak41A,
                               FireHomingMissilesSzak40B, FireHomingMissilesSzak41B, AssignBossLockPoints,
#define FIRE(S) FireBossMissiles##S,
                               BOSS_MISSILE_SETS(FIRE)
#undef FIRE
    };
    AutoFire = 1;
    PlayerY = 450;
    Szak3Records[0].x = 300, Szak3Records[0].y = 150;
    Szak40ARecords[3].x = 200, Szak40ARecords[3].y = 100;
    Stage1BossState.X = 100, Stage1BossState.Y = 0, Stage1BossState.Health = 1020;
    PlaceLockCursor();
    ScanLockArea();
    EXPECT_EQ(Szak3LockSlots[0].locked + Szak40ALockSlots[3].locked, 2u);
    Szak3LockSlots[0] = {310, 160, 1, 0};  // where the enemies keep their points
    Szak40ALockSlots[3] = {210, 110, 1, 0};
    FrameSeconds = 0.005f;
    bool flew = false;
    for (int frame = 0; frame < 300; ++frame) {
        for (auto update : updates) update(0);
        if (AutoFire == 1)
            for (auto fire : fires) fire();
        flew |= HomingMissilesSzak3[0].active && BossMissilesStage1BossB[2].active;
    }
    EXPECT_TRUE(flew);
    EXPECT_EQ(Szak3Records[0].hit + Szak40ARecords[3].hit, 2u);
    const int bossArrivals = static_cast<int>(std::lround((1020 - Stage1BossState.Health) / 0.5f));
    EXPECT_GE(bossArrivals, 6);  // 100 x 0.005 a missile; the set re-marks and relaunches
    EXPECT_EQ(Score, 300 * (2 + bossArrivals));
}

}  // namespace
