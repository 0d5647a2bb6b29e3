#include "tests/game/player/lockon_fixture.h"

namespace {

using namespace playertest;

// A missile launched at (x0, y0) after its first step of dt seconds at
// speed v: drifted by (dx, dy) before or after taking the heading at the
// point + (20, 20).
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
#define GROUP(T, ...) \
    {#T, FireHomingMissiles##T, UpdateHomingMissiles##T, T##LockSlots, HomingMissiles##T, SlotOf<T##Records>, __VA_ARGS__},
    GROUP(Szak3, 3, 10, 600, 700, 540, 20, {-1, -1, 1}) GROUP(Szak4, 3, 10, 600, 700, 540, 20, {1, 1, -1})
    GROUP(Szak21A, 3, 10, 600, 700, 540, 20, {-1, -1, -1}) GROUP(Szak22A, 3, 10, 600, 700, 540, 20, {1, 1, 1})
    GROUP(Szak40A, 5, 10, 750, 750, 540, 20, {}) GROUP(Szak41A, 5, 9, 750, 750, 541, 21, {})
    GROUP(Szak40B, 5, 9, 750, 750, 542, 22, {}) GROUP(Szak41B, 5, 8, 750, 750, 543, 23, {})
#undef GROUP
};

TEST_F(LockOnTest, HomingMissilesLaunchAtLockedPointsOnTheFieldDriftAndDestroyTheirEnemies) {
    for (const auto& g : kHoming) {
        SCOPED_TRACE(g.name);
        ParkAll();
        PlayerY = 400;  // a missile launched below y 470 ends at its first step
        const int last = g.count - 1;
        for (const LockSlot& p : {LockSlot{g.xLimit, 100, 1, 0}, {100, 0, 1, 0}, {100, 480, 1, 0}, {100, 100, 0, 0}}) {
            g.points[last] = p;
            g.fire();
            EXPECT_EQ(g.missiles[last].active, 0u) << p.x << "," << p.y;
        }
        ShipType = 2;
        g.points[last] = LockSlot{g.xLimit - 1, 479, 1, 0};
        g.fire();
        EXPECT_EQ(g.missiles[last].speed, g.speed2);
        ShipType = 1;
        for (int i = 0; i < g.count; ++i) g.points[i] = LockSlot{300, 150, 1, 0}, g.missiles[i] = kIdleMissile;
        g.missiles[0].timer = 300;  // left from an earlier flight
        g.fire();
        EXPECT_EQ(g.missiles[last].y, PlayerY + g.dy);
        EXPECT_EQ(g.missiles[last].speed, g.speed1);
        // A 0.1 s first step: 26 drift units, so the three-missile groups
        // drift by speed / 2 sideways and speed / 10 down, then home.
        g.update(0);
        const float v = static_cast<float>(g.speed1);
        for (int i = 0; i < g.count; ++i)
            ExpectFirstStep(g.missiles[i], PlayerX + 20, PlayerY + g.dy, g.count == 3 ? g.side[i] * v / 20 : 0,
                            g.count == 3 ? v / 100 : 0, true, g.points[i], v, 0.1f);
        FrameSeconds = 0.005f;
        for (int frame = 0; frame < 400 && Score < 300 * g.count; ++frame) g.update(0);
        EXPECT_EQ(Score, 300 * g.count);
        for (int i = 0; i < g.count; ++i) {
            EXPECT_EQ(*g.enemy(i).hit, 1u) << i;
            EXPECT_EQ(g.points[i], kFreePoint) << i;  // freed for a new lock
        }
        // At rest (speed 0) in and just outside the group's reach box.
        const float reach[][3] = {{10, 30, 1}, {30, static_cast<float>(g.reachY), 1}, {9.5f, 25, 0}, {20, g.reachY - 0.5f, 0}};
        for (const auto& c : reach) {
            g.points[1] = LockSlot{300, 200, 1, 0};
            g.missiles[1] = HomingMissile{0, 300 + c[0], 200 + c[1], 1, 0, 0, 0, 0, 300};
            g.update(0);
            EXPECT_EQ(g.missiles[1].active, c[2] ? 0u : 1u) << c[0] << "," << c[1];
        }
        FrameSeconds = 0.1f;
    }
}

TEST_F(LockOnTest, BossMissilesAimThenDriftAndDamageTheBossAtTheirPoint) {
    const struct {
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
    } sets[] = {
#define SET(B, S, ...) \
    {#B #S, FireBossMissiles##B##S, UpdateBossMissiles##B##S, B##LockSet##S, BossMissiles##B##S, &B##State, __VA_ARGS__},
        SET(Stage1Boss, A, -5, -1, true, 100, 300) SET(Stage1Boss, B, 5, 1, false, 100, 300)
        SET(AltStage2Boss, A, -40, -1, true, 150, 300) SET(AltStage2Boss, B, 40, -1, false, 150, 300)
        SET(Stage5Boss, A, -40, 0, false, 150, 300) SET(Stage5Boss, B, 40, 0, false, 150, 0)
        SET(Stage3Boss, A, -40, -1, true, 150, 300) SET(Stage3Boss, B, 40, 1, false, 150, 300)
        SET(Stage4Boss, A, -40, 0, false, 150, 300) SET(Stage4Boss, B, 40, 0, false, 150, 300)
        SET(AltStage4Boss, A, -40, 0, false, 150, 300) SET(AltStage4Boss, B, 40, 0, false, 150, 300)
        SET(Stage2Boss, A, -40, -1, true, 150, 300) SET(Stage2Boss, B, 40, 1, false, 150, 300)
        SET(AltStage5Boss, A, -40, 0, false, 150, 300) SET(AltStage5Boss, B, 40, 0, false, 150, 300)
#undef SET
    };
    for (const auto& g : sets) {
        SCOPED_TRACE(g.name);
        ParkAll();
        PlayerY = 400;
        g.points[0] = LockSlot{300, 150, 1, 0};
        g.missiles[0].timer = 300;  // left from an earlier flight
        g.fire();
        const HomingMissile& m = g.missiles[0];
        EXPECT_EQ(m.y, PlayerY + 10);
        EXPECT_EQ(m.speed, 600);
        EXPECT_EQ(m.aimX, g.storesAim ? 320 - m.x : 0);
        // 0.1 s: 26 drift units, the speed sideways and 8/10 of it down.
        g.update(0);
        ExpectFirstStep(m, PlayerX + 20 + g.dx, PlayerY + 10, g.side * 60.f, g.side ? 48.f : 0, false, g.points[0],
                        600, 0.1f);
        g.missiles[0] = HomingMissile{0, 320, 186, 1, 0, 0, 0, 600, 300};  // 6 up into the reach box
        g.boss->Health = 1000;
        FrameSeconds = 0.01f;
        g.update(0);
        EXPECT_FLOAT_EQ(g.boss->Health, 1000 - g.damage * 0.01f);
        EXPECT_EQ(Score, g.score);
        EXPECT_EQ(g.boss->HitFlag, 1u);
        EXPECT_EQ(g.points[0], kFreePoint);
        FrameSeconds = 0.1f;
        g.points[0] = LockSlot{300, 0, 1, 0};  // off the field: straight on, unless the ring bomb runs
        g.missiles[0] = HomingMissile{0, 300, 300, 1, 0, 0, 0, 600, 300};
        g.update(0);
        EXPECT_FLOAT_EQ(m.x, 360);
        BombActive = 1;
        g.update(0);
        EXPECT_EQ(m.active, 0u);
        BombActive = 0;
    }
}

// Stage 1 with automatic fire: its lock-on updates in the script's order,
// then its automatic-fire block, with two enemies marked by the scan.
TEST_F(LockOnTest, WithAutoFireStageOneSendsMissilesAtLockedEnemiesAndTheBoss) {
    void (*const updates[])(int32_t) = {
        UpdateHomingMissilesSzak3,   UpdateHomingMissilesSzak4,   UpdateLockLaserSzak6D,         UpdateLockLaserSzak6E,
        UpdateLockLaserSzak13A,      UpdateLockLaserSzak13B,      UpdateHomingMissilesSzak21A,   UpdateHomingMissilesSzak22A,
        UpdateHomingMissilesSzak40A, UpdateHomingMissilesSzak41A, UpdateHomingMissilesSzak40B,   UpdateHomingMissilesSzak41B,
        UpdateBossMissilesStage1BossA, UpdateBossMissilesStage1BossB};
#define FIRE(S) FireBossMissiles##S,
    void (*const fires[])() = {FireHomingMissilesSzak3,  FireHomingMissilesSzak4,   FireHomingMissilesSzak21A,
                               FireHomingMissilesSzak22A, FireHomingMissilesSzak40A, FireHomingMissilesSzak41A,
                               FireHomingMissilesSzak40B, FireHomingMissilesSzak41B, AssignBossLockPoints,
                               BOSS_MISSILE_SETS(FIRE)};
#undef FIRE
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
    EXPECT_GE(bossArrivals, 6);  // 100 x 0.005 each; the sets are marked and launched again
    EXPECT_EQ(Score, 300 * (2 + bossArrivals));
}

}  // namespace
