#include "tests/game/player/lockon_fixture.h"

namespace {

using namespace playertest;

const struct Group {
    const char* name;
    void (*emit)();
    void (*update)(int32_t);
    void (*spawn)(int32_t, int32_t);
    LaserSegment* segments;
    int32_t* frames;
    LockSlot* points;
    catalogue::EnemyRef (*enemy)(int);
    int side;               // the curve sweeps left (-1) or right (+1)
    float launchedHeading;  // after one launch from the reset heading
} kGroups[] = {
#define GROUP(T, side, heading)                                                                                  \
    {#T, EmitLockLaser##T, UpdateLockLaser##T, SpawnLockLaser##T, LockLasers##T, LockLaserFrames##T, T##LockSlots, \
     SlotOf<T##Records>, side, heading},
    GROUP(Szak6D, -1, kIdleAngle + kPi) GROUP(Szak6E, 1, kIdleAngle) GROUP(Szak13A, -1, kIdleAngle)
    GROUP(Szak13B, 1, kIdleAngle)
#undef GROUP
};

TEST_F(LockOnTest, ALiveEnemysChainLaunchesFourteenSegmentsThatFlyTheCurve) {
    for (const auto& g : kGroups) {
        SCOPED_TRACE(g.name);
        *g.enemy(1).active = 1;
        for (int frame = 1; frame <= 140; ++frame) {
            g.emit();
            for (int j = 0; j < kChainSegments && frame <= 15; ++j)
                ASSERT_EQ(g.segments[kChainSegments + j].active, j >= 1 && j <= frame ? 1u : 0u) << frame;
        }
        EXPECT_EQ(g.frames[0] + g.frames[1] + static_cast<int>(g.segments[3].active), 0);  // chain 0's enemy is not live
        *g.enemy(1).active = 0;
        g.frames[1] = 7;
        g.emit();
        EXPECT_EQ(g.frames[1], 7);
        // 0.1 s frames move the timer 3, 6, ..., 42 through the curve: 62
        // sideways and 53 up; at 45 the last step of 7 up and the first
        // straight step, 10 along x and 16 along y.
        const LaserSegment& s = g.segments[kChainSegments + 3];
        EXPECT_EQ(s.x, PlayerX + 20);
        EXPECT_EQ(s.y, PlayerY + 10);
        for (int frame = 0; frame < 14; ++frame) g.update(0);
        EXPECT_EQ(s.x - PlayerX - 20, g.side * 62);
        EXPECT_EQ(s.y - PlayerY - 10, -53);
        g.update(0);
        EXPECT_NEAR(s.x - PlayerX - 20, g.side * 62 + std::cos(g.launchedHeading) * 10, 1e-4);
        EXPECT_NEAR(s.y - PlayerY - 10, -60 + std::sin(g.launchedHeading) * 16, 1e-4);
        g.segments[kChainSegments + 3].timer = 2.5f;  // 5.5 lies between two bands
        const float x = s.x;
        g.update(0);
        EXPECT_EQ(s.x, x);
    }
    LockLasersSzak6D[kChainSegments + 3].active = 0;  // a second launch turns back by pi
    SpawnLockLaserSzak6D(1, 3);
    EXPECT_NEAR(std::cos(LockLasersSzak6D[kChainSegments + 3].angle), std::cos(kIdleAngle), 1e-5);
}

TEST_F(LockOnTest, OnlyTheLastSegmentOfAChainDestroysItsEnemyLockedOrNot) {
    for (const auto& g : kGroups) {
        SCOPED_TRACE(g.name);
        ParkAll();
        LaserSegment* chain = g.segments + kChainSegments;
        g.points[1] = LockSlot{390, 380, 1, 0};
        chain[0] = LaserSegment{300, 300, 1, 0, 50, {}};  // past the curve: 10 along its heading, then aims
        for (int j : {13, 14}) chain[j] = LaserSegment{400, 390, 1, 0, 50, {}};
        g.update(0);
        EXPECT_NEAR(chain[0].x, 310, 1e-4);
        EXPECT_NEAR(chain[0].angle, kPi / 4, 1e-5);  // at the point + (20, 20)
        EXPECT_EQ(chain[13].active + chain[14].active, 0u);
        EXPECT_EQ(*g.enemy(1).hit, 1u);
        EXPECT_EQ(Score, 300);
        EXPECT_EQ(g.points[1].locked, 1u);  // the enemy clears its own lock
        // A freed enemy's point parked on the screen, unlocked, still
        // catches segment 14.
        g.points[2] = LockSlot{290, 0, 0, 0};
        g.segments[2 * kChainSegments + 14] = LaserSegment{300, 10, 1, 0, 50, {}};
        g.update(0);
        EXPECT_EQ(*g.enemy(2).hit, 1u);
        EXPECT_EQ(Score, 600);
        BombActive = 1;
        g.update(0);
        EXPECT_EQ(chain[0].active, 0u);
        BombActive = 0;
    }
}

}  // namespace
