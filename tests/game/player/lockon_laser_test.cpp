#include "tests/game/player/lockon_fixture.h"

namespace {

using namespace playertest;

struct Group {
    const char* name;
    void (*emit)();
    void (*update)(int32_t);
    void (*spawn)(int32_t, int32_t);
    LaserSegment* segments;
    int32_t* frames;
    LockSlot* points;
    catalogue::EnemyRef (*enemy)(int);
    int side;  // the curve sweeps left (-1) or right (+1)
    float headingAfterOneLaunch;
};
const Group kGroups[] = {
    {"Szak6D", EmitLockLaserSzak6D, UpdateLockLaserSzak6D, SpawnLockLaserSzak6D, LockLasersSzak6D,
     LockLaserFramesSzak6D, Szak6DLockSlots, SlotOf<Szak6DRecords>, -1, kIdleAngle + kPi},
    {"Szak6E", EmitLockLaserSzak6E, UpdateLockLaserSzak6E, SpawnLockLaserSzak6E, LockLasersSzak6E,
     LockLaserFramesSzak6E, Szak6ELockSlots, SlotOf<Szak6ERecords>, +1, kIdleAngle},
    {"Szak13A", EmitLockLaserSzak13A, UpdateLockLaserSzak13A, SpawnLockLaserSzak13A, LockLasersSzak13A,
     LockLaserFramesSzak13A, Szak13ALockSlots, SlotOf<Szak13ARecords>, -1, kIdleAngle},
    {"Szak13B", EmitLockLaserSzak13B, UpdateLockLaserSzak13B, SpawnLockLaserSzak13B, LockLasersSzak13B,
     LockLaserFramesSzak13B, Szak13BLockSlots, SlotOf<Szak13BRecords>, +1, kIdleAngle},
};

TEST_F(LockOnTest, EachLiveEnemyLaunchesSegmentsOneToFourteenEvery140Frames) {
    for (const auto& g : kGroups) {
        SCOPED_TRACE(g.name);
        *g.enemy(1).active = 1;
        for (int frame = 1; frame <= 140; ++frame) {
            g.emit();
            if (frame <= 15) {
                for (int j = 0; j < kChainSegments; ++j)
                    EXPECT_EQ(g.segments[kChainSegments + j].active, j >= 1 && j <= frame ? 1u : 0u) << frame;
                EXPECT_EQ(g.segments[frame % kChainSegments].active, 0u);  // chain 0's enemy is not live
            }
        }
        EXPECT_EQ(g.frames[1], 0);
        EXPECT_EQ(g.frames[0], 0);
        const LaserSegment& s = g.segments[kChainSegments + 3];
        EXPECT_EQ(s.x, PlayerX + 20);
        EXPECT_EQ(s.y, PlayerY + 10);
        EXPECT_NEAR(s.angle, g.headingAfterOneLaunch, 1e-5);
        *g.enemy(1).active = 0;
        g.frames[1] = 7;
        g.emit();
        EXPECT_EQ(g.frames[1], 7);
    }
}

TEST_F(LockOnTest, ASegmentFliesTheCurveThenStraightOnWithoutALock) {
    // At 30 timer units per second and 0.1 s frames the timer reads 3, 6, ...,
    // 45: fourteen curve steps sum to 62 sideways and 53 up, the fifteenth
    // (45) is 7 up and then the first straight step, 10 along x and 16 along y.
    for (const auto& g : kGroups) {
        SCOPED_TRACE(g.name);
        g.spawn(2, 5);
        LaserSegment& s = g.segments[2 * kChainSegments + 5];
        const float x0 = s.x, y0 = s.y;
        for (int frame = 0; frame < 14; ++frame) g.update(0);
        EXPECT_EQ(s.x - x0, g.side * 62);
        EXPECT_EQ(s.y - y0, -53);
        g.update(0);
        EXPECT_NEAR(s.x - x0, g.side * 62 + std::cos(g.headingAfterOneLaunch) * 10, 1e-4);
        EXPECT_NEAR(s.y - y0, -60 + std::sin(g.headingAfterOneLaunch) * 16, 1e-4);
        s.timer = 5.5f - 3;  // between two bands: no step
        const float x1 = s.x;
        g.update(0);
        EXPECT_EQ(s.x, x1);
    }
    // A second launch of the same Szak6D segment turns it back by pi.
    LockLasersSzak6D[35].active = 0;
    SpawnLockLaserSzak6D(2, 5);
    EXPECT_NEAR(std::cos(LockLasersSzak6D[35].angle), std::cos(kIdleAngle), 1e-5);
}

TEST_F(LockOnTest, ALockedChainHomesAndOnlyItsLastSegmentDestroysTheEnemy) {
    for (const auto& g : kGroups) {
        SCOPED_TRACE(g.name);
        ParkAll();
        g.points[1] = LockSlot{390, 380, 1, 0};
        LaserSegment& far = g.segments[kChainSegments];  // segment 0 of chain 1, past its curve
        far = LaserSegment{300, 300, 1, 0, 50, {}};
        g.update(0);
        EXPECT_NEAR(far.x, 310, 1e-4);
        EXPECT_NEAR(far.angle, kPi / 4, 1e-5);  // at the point + (20, 20)
        for (int j : {13, 14}) g.segments[kChainSegments + j] = LaserSegment{400, 390, 1, 0, 50, {}};
        g.update(0);
        EXPECT_EQ(g.segments[kChainSegments + 13].active, 0u);
        EXPECT_EQ(g.segments[kChainSegments + 14].x, -500);
        EXPECT_EQ(*g.enemy(1).hit, 1u);
        EXPECT_EQ(Score, 300);
        EXPECT_EQ(g.points[1].locked, 1u);  // the enemy clears its own lock
    }
}

TEST_F(LockOnTest, AParkedPointOnScreenStillCatchesSegments) {
    // Szak6D parks a freed enemy's point at (290, 0); an unlocked segment 14
    // crossing it is caught and destroys the enemy record of its chain.
    Szak6DLockSlots[1] = LockSlot{290, 0, 0, 0};
    LockLasersSzak6D[kChainSegments + 14] = LaserSegment{300, 10, 1, 0, 50, {}};
    UpdateLockLaserSzak6D(0);
    EXPECT_EQ(LockLasersSzak6D[kChainSegments + 14].active, 0u);
    EXPECT_EQ(Szak6DRecords[1].hit, 1u);
    EXPECT_EQ(Score, 300);
}

TEST_F(LockOnTest, TheRingBombAndTheScreenEdgesFreeSegments) {
    const struct {
        float x, y;
        int bomb;
        uint32_t active;
    } cases[] = {{300, 300, 1, 0}, {300, 300, 0, 1}, {140, 300, 0, 0}, {650, 300, 0, 0}, {300, 610, 0, 0}, {300, -30, 0, 0}};
    for (const auto& c : cases) {
        BombActive = c.bomb;
        LockLasersSzak13B[7] = LaserSegment{c.x, c.y, 1, 0, 50, {}};
        UpdateLockLaserSzak13B(0);
        EXPECT_EQ(LockLasersSzak13B[7].active, c.active) << "case " << &c - cases;
    }
}

}  // namespace
