#include <algorithm>

#include "tests/game/player/player_fixture.h"

namespace {

using RingBombTest = PlayerTest;

int ActiveShards(int ring) {
    int n = 0;
    for (int i = ring * kShardRing; i < (ring + 1) * kShardRing; ++i) n += RingShards[i].active;
    return n;
}

TEST_F(RingBombTest, TheBombThrowsItsRingsOverFortyEightFrames) {
    // The frames on which each ring is thrown: ring 0 once, the others twice.
    const std::vector<int> launches[8] = {{24}, {3, 27}, {6, 30}, {9, 33}, {12, 36}, {15, 39}, {18, 42}, {21, 45}};
    BombActive = 1;
    ShotsAEnabled = ShotsBEnabled = 0;
    BombCharges = 1;
    for (int frame = 1; frame <= 48; ++frame) {
        ASSERT_EQ(BombActive, 1) << frame;
        EmitRingBombShards(0);
        for (int ring = 0; ring < 8; ++ring) {
            bool now = std::count(launches[ring].begin(), launches[ring].end(), frame) > 0;
            EXPECT_EQ(ActiveShards(ring), now ? 10 : 0) << "ring " << ring << " frame " << frame;
            if (now) {
                for (int i = ring * kShardRing; i < (ring + 1) * kShardRing; ++i) RingShards[i].active = 0;
            }
        }
    }
    EXPECT_EQ(BombActive, 0);
    EXPECT_EQ(ShotsAEnabled, 1);
    EXPECT_EQ(ShotsBEnabled, 1);
    EXPECT_EQ(BombCharges, 0);
    EXPECT_EQ(RingBombFrame, 0);
}

TEST_F(RingBombTest, WithoutAChargeTheBombStopsAtOnce) {
    BombActive = 1;
    BombCharges = 0;
    // The scripts call the schedule while the bomb runs.
    for (int frame = 0; frame < 3 && BombActive; ++frame) EmitRingBombShards(0);
    EXPECT_EQ(RingBombFrame, 1);
    EXPECT_EQ(BombActive, 0);
    EXPECT_EQ(BombCharges, 0);
    for (int ring = 0; ring < 8; ++ring) EXPECT_EQ(ActiveShards(ring), 0);
    EXPECT_EQ(ShotsAEnabled, 1);
}

TEST_F(RingBombTest, ShardsFlyFortyPixelsAFrameAndLeaveTheScreen) {
    PlayerX = 300.8f;
    PlayerY = 400.2f;
    SpawnRingBombShard(0);
    SpawnRingBombShard(12);
    EXPECT_EQ(RingShards[0].x, 290);
    EXPECT_EQ(RingShards[0].y, 390);
    EXPECT_EQ(RingShards[0].speed, 40);
    UpdateRingBombShards(0);
    // 112.5 degrees: down and a little to the left; truncated per axis.
    EXPECT_EQ(RingShards[0].x, 290 - 15);
    EXPECT_EQ(RingShards[0].y, 390 + 36);
    // Shard 12 flies at 112.5 + 2 x 36 = 184.5 degrees.
    EXPECT_EQ(RingShards[12].x, 290 - 39);
    EXPECT_EQ(RingShards[12].y, 390 - 3);
    RingShards[0].y = 590;
    UpdateRingBombShards(0);
    EXPECT_EQ(RingShards[0].active, 0u);
    EXPECT_EQ(RingShards[0].x, -500);
    EXPECT_EQ(RingShards[0].y, 500);
}

TEST_F(RingBombTest, ShardsStrikeEveryTargetTheyCross) {
    struct Case {
        const char* what;
        catalogue::Owner boss;  // kOwnerCount: the enemy below
        float tx, ty;
        int score;
        float damage;
    } cases[] = {
        {"Szak10", catalogue::kOwnerCount, 300, 300, 50, 0},
        {"Stage1Boss", catalogue::Stage1Boss, 200, 200, 50, 4},
        {"Stage2Boss", catalogue::Stage2Boss, 200, 200, 60, 3.5f},
        {"AltStage4Boss", catalogue::AltStage4Boss, 200, 200, 50, 3.5f},
        {"shielded", catalogue::Stage5Boss, 200, 200, 0, 0},
    };
    for (const auto& c : cases) {
        ParkAll();
        Score = 0;
        // A shard that stands still over the target strikes it every frame.
        RingShards[3] = RingShard{300, 300, 0, 1, 0};
        if (c.boss == catalogue::kOwnerCount) {
            playertest::Szak10Records[2].x = c.tx;
            playertest::Szak10Records[2].y = c.ty;
        } else {
            BossState& b = *playertest::Boss(c.boss).state;
            b.X = c.tx;
            b.Y = c.ty;
            b.Health = 100;
            b.Shield = c.boss == catalogue::Stage5Boss;
        }
        UpdateRingBombShards(0);
        UpdateRingBombShards(0);
        EXPECT_EQ(Score, 2 * c.score) << c.what;
        if (c.boss != catalogue::kOwnerCount)
            EXPECT_FLOAT_EQ(playertest::Boss(c.boss).state->Health, 100 - 2 * c.damage) << c.what;
        else
            EXPECT_EQ(playertest::Szak10Records[2].hit, 1u);
    }
}

}  // namespace
