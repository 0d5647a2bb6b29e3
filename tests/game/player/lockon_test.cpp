#include "tests/game/player/lockon_fixture.h"

namespace {

using namespace playertest;
using enum catalogue::Owner;

TEST(LockOnAim, HeadsAtTheTargetWithYDownward) {
    const struct {
        float dx, dy, angle;
    } cases[] = {
        {10, 0, 0},          {10, 10, kPi / 4},      {0, 10, kPi / 2},  {-10, 10, 3 * kPi / 4}, {-10, 0, kPi},
        {-10, -10, 5 * kPi / 4}, {0, -10, 3 * kPi / 2}, {0, 0, 3 * kPi / 2}, {10, -10, -kPi / 4},
    };
    for (const auto& c : cases) EXPECT_NEAR(lockon::Aim(100, 200, 100 + c.dx, 200 + c.dy), c.angle, 1e-5) << c.dx << "," << c.dy;
}

TEST_F(LockOnTest, TheScanMarksEnemiesByTheirReachAroundTheLockBox) {
    // An enemy at (300, 200) and the box's corner where the case puts it.
    const struct {
        catalogue::EnemyRef enemy;
        LockSlot* points;
        int slot, ship;
        int32_t cx, cy;
        float y;
        uint32_t notHittable, locked;
    } cases[] = {
        {RefOf(Szak3Records[1]), Szak3LockSlots, 1, 1, -320, -260, 200, 0, 1},   // x 300 - 640 + 20, y 200 - 500 + 40
        {RefOf(Szak3Records[1]), Szak3LockSlots, 1, 1, -321, -260, 200, 0, 0},
        {RefOf(Szak3Records[1]), Szak3LockSlots, 1, 1, 360, 260, 200, 0, 1},     // x 300 + 60, y 200 + 60
        {RefOf(Szak3Records[1]), Szak3LockSlots, 1, 1, 360, 261, 200, 0, 0},
        {RefOf(Szak4Records[0]), Szak4LockSlots, 0, 1, -300, -240, 200, 0, 1},
        {RefOf(Szak4Records[0]), Szak4LockSlots, 0, 1, -300, -241, 200, 0, 0},
        {RefOf(Szak13BRecords[2]), Szak13BLockSlots, 2, 1, 0, -300, 200, 0, 1},
        {RefOf(Szak22ARecords[2]), Szak22ALockSlots, 2, 1, 0, -270, 200, 0, 1},
        {RefOf(Szak22ARecords[2]), Szak22ALockSlots, 2, 1, 0, -271, 200, 0, 0},
        {RefOf(Szak41BRecords[4]), Szak41BLockSlots, 4, 2, 40, -100, 100, 0, 1},  // x 300 - 300 + 40, y 100 - 240 + 40
        {RefOf(Szak41BRecords[4]), Szak41BLockSlots, 4, 2, 39, 180, 100, 0, 0},
        {RefOf(Szak41BRecords[4]), Szak41BLockSlots, 4, 2, 380, 180, 100, 0, 1},
        {RefOf(Szak6ERecords[0]), Szak6ELockSlots, 0, 1, 0, 0, -30, 0, 1},
        {RefOf(Szak6ERecords[0]), Szak6ELockSlots, 0, 1, 0, 0, -30.5f, 0, 0},
        {RefOf(Szak6ERecords[0]), Szak6ELockSlots, 0, 1, 0, 0, 200, 1, 0},
    };
    for (const auto& c : cases) {
        ParkAll();
#define FREE_POINTS(T, N) for (auto& p : T##LockSlots) p = kFreePoint;
        ENEMY_LOCK_SETS(FREE_POINTS)
#undef FREE_POINTS
        ShipType = c.ship;
        *c.enemy.x = 300, *c.enemy.y = c.y, *c.enemy.notHittable = c.notHittable;
        LockCursorX = c.cx, LockCursorY = c.cy;
        ScanLockArea();
        EXPECT_EQ(c.points[c.slot].locked, c.locked) << "case " << &c - cases;
        int others = 0;
#define COUNT_LOCKED(T, N) for (const auto& p : T##LockSlots) others += p.locked;
        ENEMY_LOCK_SETS(COUNT_LOCKED)
#undef COUNT_LOCKED
        EXPECT_EQ(others, static_cast<int>(c.locked)) << "case " << &c - cases;
    }
}

TEST_F(LockOnTest, EachSetterLocksOnlyItsOwnPoint) {
    const struct {
        void (*mark)(int32_t);
        LockSlot* points;
        int count;
    } setters[] = {
        {MarkLockedSzak3, Szak3LockSlots, 3},     {MarkLockedSzak4, Szak4LockSlots, 3},
        {MarkLockedSzak6D, Szak6DLockSlots, 3},   {MarkLockedSzak6E, Szak6ELockSlots, 3},
        {MarkLockedSzak13A, Szak13ALockSlots, 3}, {MarkLockedSzak13B, Szak13BLockSlots, 3},
        {MarkLockedSzak21A, Szak21ALockSlots, 3}, {MarkLockedSzak22A, Szak22ALockSlots, 3},
        {MarkLockedSzak40A, Szak40ALockSlots, 5}, {MarkLockedSzak41A, Szak41ALockSlots, 5},
        {MarkLockedSzak40B, Szak40BLockSlots, 5}, {MarkLockedSzak41B, Szak41BLockSlots, 5},
        {MarkLockedUnusedA, UnusedLocksA, 3},     {MarkLockedUnusedB, UnusedLocksB, 3},
    };
    for (const auto& s : setters) {
        s.mark(-1);
        s.mark(s.count);
        s.mark(s.count - 1);
        for (int i = 0; i < s.count; ++i) {
            EXPECT_EQ(s.points[i].locked, i == s.count - 1 ? 1u : 0u) << &s - setters << " point " << i;
            EXPECT_EQ(s.points[i].x, -500);  // the enemy places its points, not the setter
        }
    }
}

// Where the boss marking puts each boss's points: the box's centre must lie
// from (40, 40) to (right, bottom) of the boss's top-left.
const struct BossCase {
    catalogue::Owner boss;
    LockSlot *a, *b;
    int points;
    float yFrom;
    int right, bottom;
    int x1, y1;  // offset of point 1
} kBosses[] = {
    {Stage1Boss, Stage1BossLockSetA, Stage1BossLockSetB, 3, -10, 400, 320, 190, 150},
    {AltStage2Boss, AltStage2BossLockSetA, AltStage2BossLockSetB, 3, -10, 400, 340, 120, 120},
    {Stage5Boss, Stage5BossLockSetA, Stage5BossLockSetB, 5, -10, 420, 340, 130, 90},
    {Stage3Boss, Stage3BossLockSetA, Stage3BossLockSetB, 3, -10, 340, 340, 20, 140},
    {Stage4Boss, Stage4BossLockSetA, Stage4BossLockSetB, 5, -10, 340, 340, 110, 40},
    {AltStage4Boss, AltStage4BossLockSetA, AltStage4BossLockSetB, 9, 0, 400, 340, 110, 170},
    {Stage2Boss, Stage2BossLockSetA, Stage2BossLockSetB, 5, 0, 460, 340, 150, 230},
    {AltStage5Boss, AltStage5BossLockSetA, AltStage5BossLockSetB, 5, 0, 440, 340, 150, 150},
};

TEST_F(LockOnTest, TheBossMarkingLocksBothSetsWhileTheBoxCentreLiesOnTheBoss) {
    const struct {
        bool farX;  // the box's centre at the boss's (right, .) rather than (40, .), plus dx
        int dx;
        bool farY;
        int dy;
        float belowThreshold;
        uint32_t shield;
        bool marks;
    } cases[] = {
        {false, 0, false, 0, 0, 0, true},    {false, -1, false, 0, 0, 0, false}, {false, 0, false, -1, 0, 0, false},
        {true, 0, true, 0, 0, 0, true},      {true, 1, true, 0, 0, 0, false},    {true, 0, true, 1, 0, 0, false},
        {true, 0, false, 0, -0.5f, 0, false}, {true, 0, false, 0, 0, 1, false},
    };
    for (const auto& b : kBosses) {
        SCOPED_TRACE(catalogue::OwnerName(b.boss));
        for (const auto& c : cases) {
            ParkAll();
            BossState& s = *Boss(b.boss).state;
            s.X = 100.7f, s.Y = b.yFrom + c.belowThreshold, s.Shield = c.shield;
            const int bx = 100, by = static_cast<int>(s.Y);
            LockCursorX = bx + (c.farX ? b.right : 40) + c.dx - 150;
            LockCursorY = by + (c.farY ? b.bottom : 40) + c.dy - 120;
            for (int i = 0; i < b.points; ++i) b.a[i] = b.b[i] = kFreePoint;
            AssignBossLockPoints();
            for (int i = 0; i < b.points; ++i) {
                EXPECT_EQ(b.a[i].locked, c.marks ? 1u : 0u) << "case " << &c - cases << " point " << i;
                EXPECT_EQ(b.b[i].locked, c.marks ? 1u : 0u) << "case " << &c - cases << " point " << i;
            }
            if (!c.marks) continue;
            EXPECT_EQ(b.b[1].x - bx, b.x1);
            EXPECT_EQ(b.b[1].y - by, b.y1);
        }
    }
}

TEST_F(LockOnTest, ASetterPlacesTheWholeSetButLeavesLockedPointsWhereTheyAre) {
    // The stage-1 boss places only the point it marks; the others rewrite
    // their set, locked points included, but never move a locked point when
    // it is marked again.
    Stage1BossState.X = 100, Stage1BossState.Y = 50;
    Stage5BossState.X = 100, Stage5BossState.Y = 50;
    MarkLockedStage1BossA(0);
    MarkLockedStage5BossB(0);
    Stage1BossState.X = Stage5BossState.X = 200;
    MarkLockedStage1BossA(2);
    MarkLockedStage5BossB(3);
    MarkLockedStage5BossB(0);
    MarkLockedStage5BossB(9);
    EXPECT_EQ(Stage1BossLockSetA[0].x, 290);
    EXPECT_EQ(Stage1BossLockSetA[1].x, -500);
    EXPECT_EQ(Stage1BossLockSetA[2].x, 390);
    EXPECT_EQ(Stage1BossLockSetA[2].y, 200);
    const int x[5] = {400, 330, 470, 280, 520}, y[5] = {210, 140, 140, 160, 160};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Stage5BossLockSetB[i].x, x[i]) << i;
        EXPECT_EQ(Stage5BossLockSetB[i].y, y[i]) << i;
        EXPECT_EQ(Stage5BossLockSetB[i].locked, i == 0 || i == 3 ? 1u : 0u) << i;
        EXPECT_EQ(Stage5BossLockSetA[i].locked, 0u) << i;
    }
}

}  // namespace
