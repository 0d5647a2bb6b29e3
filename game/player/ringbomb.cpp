// The ring bomb: eight rings of ten shards thrown out from the ship over 48
// frames, each shard striking every target it crosses.
#include <cmath>

#include "framework/draw/draw.h"
#include "framework/system/named.h"
#include "game/player/player.h"
#include "game/player/targets.h"
#include "game/player/weapons.h"
#include "game/shell/assets.h"
#include "game/shell/resets.h"

RingShard RingShards[kShards];

namespace targets {

using enum catalogue::Owner;

// The targets in the order the shards test them; boxes {left, right, top,
// bottom} relative to the target's truncated top-left. Szak50A, which no
// stage sends in, gets the box of its mid-size neighbours.
// clang-format off
const BombRow RingBombTargets[kRows] = {
//   owner          kind    n  family      yFrom  box                 score dmg flags
    {Szak10,        Array,  3, Slot40,      -45, {-60, 70, -60, 50},  50,  0, 0},
    {Szak3,         Array,  3, Slot40,      -30, {-40, 60, -60, 60}, 250,  0, 0},
    {Szak4,         Array,  3, Slot40,      -30, {-40, 80, -60, 60}, 250,  0, 0},
    {Szak1A,        Array,  4, Slot40,      -50, {-60, 60, -60, 50},  50,  0, 0},
    {Szak1B,        Array,  4, Slot40,      -50, {-60, 60, -60, 50},  50,  0, 0},
    {Szak6A,        Array,  3, Slot44,      -30, {-60, 80, -60, 50},  50,  0, 0},
    {Szak6B,        Array,  3, Slot44,      -30, {-60, 80, -60, 50},  50,  0, 0},
    {Szak6C,        Array,  3, Slot44,      -30, {-60, 80, -60, 50},  50,  0, 0},
    {Szak9,         Array,  3, Slot40,      -30, {-60, 80, -60, 50},  50,  0, 0},
    {Szak6D,        Array,  3, Slot48,      -60, {-60, 80, -60, 50},  50,  0, 0},
    {Szak6E,        Array,  3, Slot48,      -60, {-60, 80, -60, 50},  50,  0, 0},
    {Szak12,        Array,  3, Slot40,      -30, {-60, 80, -60, 50},  50,  0, 0},
    {Szak13A,       Array,  3, Slot40,      -30, {-60, 80, -60, 50},  50,  0, 0},
    {Szak13B,       Array,  3, Slot40,      -30, {-60, 80, -60, 50},  50,  0, 0},
    {Szak52A,       Array,  1, Slot40,      -30, {0, 140, -60, 50},  50,  0, 0},
    {Szak52B,       Array,  1, Slot40,      -30, {0, 140, -60, 50},  50,  0, 0},
    {Szak21A,       Array,  3, Slot40,      -30, {0, 30, -60, 50},  50,  0, 0},
    {Szak21B,       Array,  2, Slot40,      -30, {0, 30, -60, 50},  50,  0, 0},
    {Szak21C,       Array,  5, Slot52,      -30, {0, 30, -60, 50},  50,  0, 0},
    {Szak22A,       Array,  3, Slot40,      -30, {0, 30, -60, 50},  50,  0, 0},
    {Szak22B,       Array,  2, Slot40,      -30, {0, 30, -60, 50},  50,  0, 0},
    {Szak22C,       Array,  5, Slot52,      -30, {0, 30, -60, 50},  50,  0, 0},
    {Szak30A,       Array,  5, Slot52,      -30, {0, 40, -60, 50},  50,  0, 0},
    {Szak31A,       Array,  5, Slot52,      -30, {0, 40, -60, 50},  50,  0, 0},
    {Szak32A,       Array,  5, Slot52,      -30, {0, 40, -60, 50},  50,  0, 0},
    {Szak33A,       Array,  5, Slot52,      -30, {0, 40, -60, 50},  50,  0, 0},
    {Szak30B,       Array,  5, Slot52,      -30, {0, 40, -60, 50},  50,  0, 0},
    {Szak31B,       Array,  5, Slot52,      -30, {0, 40, -60, 50},  50,  0, 0},
    {Szak32B,       Array,  5, Slot52,      -32, {0, 40, -60, 50},  50,  0, 0},
    {Szak33B,       Array,  5, Slot52,      -30, {0, 40, -60, 50},  50,  0, 0},
    {Szak40A,       Array,  5, Slot52,      -30, {0, 60, -60, 50}, 250,  0, 0},
    {Szak41A,       Array,  5, Slot52,      -30, {0, 60, -60, 50}, 250,  0, 0},
    {Szak40B,       Array,  5, Slot52,      -30, {0, 60, -60, 50}, 250,  0, 0},
    {Szak41B,       Array,  5, Slot52,      -30, {0, 60, -60, 50}, 250,  0, 0},
    {Szak50A,       Single, 1, Mid,         -30, {60, 80, -60, 50},  50,  0, 0},
    {Szak51,        Single, 1, Mid,         -30, {60, 120, -60, 50},  50,  0, 0},
    {Szak52C,       Single, 1, Mid,         -30, {60, 80, -60, 50},  50,  0, 0},
    {Szak53A,       Single, 1, MidPath,     -30, {60, 80, -60, 50}, 300,  0, 0},
    {Szak53B,       Single, 1, MidPath,     -30, {60, 80, -60, 50}, 300,  0, 0},
    {Szak50B,       Single, 1, MidPath,     -30, {60, 80, -60, 50}, 300,  0, 0},
    {Szak50C,       Single, 1, MidPath,     -30, {60, 80, -60, 50}, 300,  0, 0},
    {Szak54A,       Single, 1, MidPath,     -30, {60, 80, -60, 50}, 300,  0, 0},
    {Szak54B,       Single, 1, MidPath,     -30, {60, 80, -60, 50}, 300,  0, 0},
    {Szak60,        Single, 1, Big,         -30, {60, 180, -60, 200}, 500,  0, kCountedHits},
    {Stage1Boss,    Boss,   1, BossRecord,    0, {80, 300, 10, 200},  50, 40, 0},
    {AltStage2Boss, Boss,   1, BossRecord,    0, {80, 300, 10, 200},  50, 40, 0},
    {Stage5Boss,    Boss,   1, BossRecord,    0, {80, 320, 10, 200},  50, 40, 0},
    {Stage3Boss,    Boss,   1, BossRecord,    0, {80, 300, 10, 200},  50, 40, 0},
    {Stage4Boss,    Boss,   1, BossRecord,    0, {50, 270, 10, 200},  50, 40, 0},
    {AltStage4Boss, Boss,   1, BossRecord,    0, {50, 330, 10, 200},  50, 35, 0},
    {Stage2Boss,    Boss,   1, BossRecord,    0, {50, 390, 10, 200},  60, 35, 0},
    {AltStage5Boss, Boss,   1, BossRecord,    0, {50, 370, 10, 200},  50, 40, 0},
};
// clang-format on

}  // namespace targets

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kShardSpeed = 40;  // pixels per frame
constexpr int kBombFrames = 48;

// The frames of the bomb at which each ring is thrown: ring 0 once, the
// others twice.
struct RingLaunch {
    int first, second;
};
constexpr RingLaunch kLaunches[8] = {{24, 24}, {3, 27}, {6, 30}, {9, 33}, {12, 36}, {15, 39}, {18, 42}, {21, 45}};

void Free(RingShard& s) {
    s.active = 0;
    s.x = -500;
    s.y = 500;
}

void StrikeAll(int32_t x, int32_t y) {
    for (const auto& row : targets::RingBombTargets) {
        targets::Strike s{&row.box, static_cast<float>(row.yFrom), row.score, false,
                          (row.flags & targets::kCountedHits) != 0, static_cast<float>(row.damage)};
        targets::StrikeTargets(row.owner, row.count, x, y, s);
    }
}

named::Registrar reg([] {
    NAMED_POOL(RingShards, {NAMED_FIELD(RingShard, x), NAMED_FIELD(RingShard, y), NAMED_FIELD(RingShard, speed),
                            NAMED_FIELD(RingShard, active), NAMED_FIELD(RingShard, angle)});
});

resets::Step reset(resets::PhaseA, resets::RankRingShards, [] {
    for (auto& s : RingShards) s = RingShard{-500, 500, 0, 0, kIdleAngle};
});

}  // namespace

void SpawnRingBombShard(int32_t i) {
    if (i < 0 || i >= kShards || RingShards[i].active) return;
    RingShard& s = RingShards[i];
    s.active = 1;
    s.x = ScreenInt(PlayerX) - 10;
    s.y = ScreenInt(PlayerY) - 10;
    s.speed = kShardSpeed;
    s.angle = 5 * kPi / 8 + static_cast<float>(i) * 2 * kPi / 10;
}

void EmitRingBombShards(int32_t) {
    RingBombFrame += 1;
    for (int ring = 0; ring < 8; ++ring) {
        if (RingBombFrame != kLaunches[ring].first && RingBombFrame != kLaunches[ring].second) continue;
        for (int i = ring * kShardRing; i < (ring + 1) * kShardRing; ++i) SpawnRingBombShard(i);
    }
    if (RingBombFrame >= kBombFrames) {
        RingBombFrame = 0;
        EndBombAndRearm();
        BombCharges -= 1;
    }
    // Without a charge the bomb stops at once.
    if (BombCharges < 1) EndBombAndRearm();
}

void UpdateRingBombShards(int32_t) {
    for (auto& s : RingShards) {
        if (!s.active) continue;
        s.y += ScreenInt(std::sin(s.angle) * static_cast<float>(s.speed));
        s.x += ScreenInt(std::cos(s.angle) * static_cast<float>(s.speed));
        if (s.x > 800 || s.x < -80 || s.y > 600 || s.y < -80) {
            Free(s);
            continue;
        }
        StrikeAll(s.x, s.y);
    }
}

void DrawRingBombShards(int32_t) {
    for (const auto& s : RingShards) fwDraw::BltObject(s.x, s.y, ImgFbom1, 0, 0, 80, 80);
}
