#include "tests/game/player/lockon_fixture.h"

namespace {

using namespace playertest;
using enum catalogue::Owner;

TEST_F(LockOnTest, TheScanMarksEnemiesWhoseReachHoldsTheLockBoxCorner) {
    // Enemy record i of a type at (300, y); the box's top-left corner at (cx, cy).
    const struct {
        catalogue::EnemyRef enemy;
        LockSlot* point;
        int ship;
        int32_t cx, cy;
        float y;
        uint32_t notHittable, locked;
    } cases[] = {
#define AT(T, i) RefOf(T##Records[i]), &T##LockSlots[i]
        {AT(Szak3, 1), 1, -320, -260, 200, 0, 1},  // 300 - 640 + 20, 200 - 500 + 40
        {AT(Szak3, 1), 1, -321, -260, 200, 0, 0},  {AT(Szak3, 1), 1, 360, 261, 200, 0, 0},
        {AT(Szak4, 0), 1, -300, -241, 200, 0, 0},  {AT(Szak13B, 2), 1, 0, -300, 200, 0, 1},
        {AT(Szak22A, 2), 1, 0, -270, 200, 0, 1},   {AT(Szak41B, 4), 2, 40, -100, 100, 0, 1},  // 300 - 300 + 40
        {AT(Szak41B, 4), 2, 380, 181, 100, 0, 0},  {AT(Szak6E, 0), 1, 0, 0, -30, 0, 1},
        {AT(Szak6E, 0), 1, 0, 0, -30.5f, 0, 0},    {AT(Szak6E, 0), 1, 0, 0, 200, 1, 0},
#undef AT
    };
    for (const auto& c : cases) {
        ParkAll();
        FreeEnemyPoints();
        ShipType = c.ship;
        *c.enemy.x = 300, *c.enemy.y = c.y, *c.enemy.notHittable = c.notHittable;
        LockCursorX = c.cx, LockCursorY = c.cy;
        ScanLockArea();
        EXPECT_EQ(c.point->locked, c.locked) << "case " << &c - cases;
        EXPECT_EQ(FreeEnemyPoints(), static_cast<int>(c.locked)) << "case " << &c - cases;
    }
}

TEST_F(LockOnTest, EachSetterLocksOnlyItsOwnPoint) {
#define SETTER(T, n) {MarkLocked##T, T##LockSlots, n},
    const struct {
        void (*mark)(int32_t);
        LockSlot* points;
        int count;
    } setters[] = {SETTER(Szak3, 3) SETTER(Szak4, 3) SETTER(Szak6D, 3) SETTER(Szak6E, 3) SETTER(Szak13A, 3)
                   SETTER(Szak13B, 3) SETTER(Szak21A, 3) SETTER(Szak22A, 3) SETTER(Szak40A, 5) SETTER(Szak41A, 5)
                   SETTER(Szak40B, 5) SETTER(Szak41B, 5) {MarkLockedUnusedA, UnusedLocksA, 3},
                   {MarkLockedUnusedB, UnusedLocksB, 3}};
#undef SETTER
    for (const auto& s : setters) {
        for (int i : {-1, s.count, s.count - 1}) s.mark(i);
        for (int i = 0; i < s.count; ++i)
            EXPECT_EQ(s.points[i], (LockSlot{-500, 500, i == s.count - 1 ? 1u : 0u, 0})) << &s - setters << ":" << i;
    }
}

TEST_F(LockOnTest, TheBossMarkingLocksBothSetsWhileTheBoxCentreLiesOnTheBoss) {
    const struct {
        catalogue::Owner boss;
        LockSlot *a, *b;
        int points;
        float yFrom;
        int right, bottom, x1, y1;  // the centre's far reach; the offset of point 1
    } bosses[] = {
#define BOSS(B, n, yFrom, right, bottom, x1, y1) {B, B##LockSetA, B##LockSetB, n, yFrom, right, bottom, x1, y1},
        BOSS(Stage1Boss, 3, -10, 400, 320, 190, 150) BOSS(AltStage2Boss, 3, -10, 400, 340, 120, 120)
        BOSS(Stage5Boss, 5, -10, 420, 340, 130, 90) BOSS(Stage3Boss, 3, -10, 340, 340, 20, 140)
        BOSS(Stage4Boss, 5, -10, 340, 340, 110, 40) BOSS(AltStage4Boss, 9, 0, 400, 340, 110, 170)
        BOSS(Stage2Boss, 5, 0, 460, 340, 150, 230) BOSS(AltStage5Boss, 5, 0, 440, 340, 150, 150)
#undef BOSS
    };
    // The centre at (40, 40) or (right, bottom) of the boss, plus (dx, dy).
    const struct {
        bool far;
        int dx, dy;
        float belowThreshold;
        uint32_t shield;
        bool marks;
    } cases[] = {{false, 0, 0, 0, 0, true},  {false, -1, 0, 0, 0, false}, {true, 0, 0, 0, 0, true},
                 {true, 0, 1, 0, 0, false},  {true, 0, 0, -0.5f, 0, false}, {true, 0, 0, 0, 1, false}};
    for (const auto& b : bosses) {
        SCOPED_TRACE(catalogue::OwnerName(b.boss));
        for (const auto& c : cases) {
            BossState& s = *Boss(b.boss).state;
            s.X = 100.7f, s.Y = b.yFrom + c.belowThreshold, s.Shield = c.shield;
            const int by = static_cast<int>(s.Y);
            LockCursorX = 100 + (c.far ? b.right : 40) + c.dx - 150;
            LockCursorY = by + (c.far ? b.bottom : 40) + c.dy - 120;
            for (int i = 0; i < b.points; ++i) b.a[i] = b.b[i] = kFreePoint;
            AssignBossLockPoints();
            for (int i = 0; i < b.points; ++i) EXPECT_EQ(b.a[i].locked + b.b[i].locked, c.marks ? 2u : 0u) << &c - cases;
            if (c.marks) {
                EXPECT_EQ(b.b[1], (LockSlot{100 + b.x1, by + b.y1, 1, 0}));
            }
        }
    }
}

TEST_F(LockOnTest, ASetterPlacesTheWholeSetButNeverMovesALockedPointItMarks) {
    // The stage-1 boss places only the point it marks; the others rewrite
    // their set, locked points included.
    Stage1BossState.X = Stage5BossState.X = 100, Stage1BossState.Y = Stage5BossState.Y = 50;
    MarkLockedStage1BossA(0);
    MarkLockedStage5BossB(0);
    Stage1BossState.X = Stage5BossState.X = 200;
    for (int i : {2, 9}) MarkLockedStage1BossA(i);
    for (int i : {3, 0, 9}) MarkLockedStage5BossB(i);
    EXPECT_EQ(Stage1BossLockSetA[0], (LockSlot{290, 200, 1, 0}));
    EXPECT_EQ(Stage1BossLockSetA[1], kFreePoint);
    EXPECT_EQ(Stage1BossLockSetA[2], (LockSlot{390, 200, 1, 0}));
    const int x[5] = {400, 330, 470, 280, 520}, y[5] = {210, 140, 140, 160, 160};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Stage5BossLockSetB[i], (LockSlot{x[i], y[i], i == 0 || i == 3 ? 1u : 0u, 0})) << i;
        EXPECT_EQ(Stage5BossLockSetA[i], kFreePoint) << i;
    }
}

}  // namespace
