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
            for (int i = ring * kShardRing; i < (ring + 1) * kShardRing; ++i) RingShards[i].active = 0;
        }
    }
    EXPECT_EQ(BombActive + BombCharges + RingBombFrame, 0);
    EXPECT_EQ(ShotsAEnabled + ShotsBEnabled, 2);
    // Without a charge the next bomb stops on its first frame.
    BombActive = 1;
    EmitRingBombShards(0);
    EXPECT_EQ(BombActive + BombCharges, 0);
}

TEST_F(RingBombTest, ShardsFlyFortyPixelsAFrameFromTheShip) {
    PlayerX = 300.8f, PlayerY = 400.2f;
    SpawnRingBombShard(0);
    SpawnRingBombShard(12);
    UpdateRingBombShards(0);
    // Shard 0 flies at 112.5 degrees, shard 12 at 112.5 + 2 x 36; each step
    // truncated per axis.
    EXPECT_EQ(RingShards[0].x, 290 - 15);
    EXPECT_EQ(RingShards[0].y, 390 + 36);
    EXPECT_EQ(RingShards[12].x, 290 - 39);
    EXPECT_EQ(RingShards[12].y, 390 - 3);
    RingShards[0].y = 590;
    UpdateRingBombShards(0);
    EXPECT_EQ(RingShards[0].active, 0u);
    EXPECT_EQ(RingShards[0].y, 500);
}

TEST_F(RingBombTest, ShardsStrikeEveryFrameOfContact) {
    struct Case {
        catalogue::Owner boss;  // kOwnerCount: Szak10
        int score;
        float damage;
    } cases[] = {{catalogue::kOwnerCount, 50, 0},  {catalogue::Stage1Boss, 50, 4}, {catalogue::Stage2Boss, 60, 3.5f},
                 {catalogue::AltStage4Boss, 50, 3.5f}, {catalogue::Stage5Boss, 0, 0}};
    for (const auto& c : cases) {
        ParkAll();
        RingShards[3] = RingShard{300, 300, 0, 1, 0};  // standing still over the target
        BossState* b = c.boss == catalogue::kOwnerCount ? nullptr : playertest::Boss(c.boss).state;
        if (b)
            b->X = b->Y = 200, b->Health = 100, b->Shield = c.boss == catalogue::Stage5Boss;
        else
            playertest::Szak10Records[2].x = playertest::Szak10Records[2].y = 300;
        UpdateRingBombShards(0);
        UpdateRingBombShards(0);
        EXPECT_EQ(Score, 2 * c.score) << c.boss;
        if (b) {
            EXPECT_FLOAT_EQ(b->Health, 100 - 2 * c.damage) << c.boss;
        }
    }
}

}  // namespace
