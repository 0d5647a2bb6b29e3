// What the aimed-bullet tests share: the group arrays, and a fixture that
// puts back every global the tests change.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/bosses/boss_state.h"
#include "game/bullets/records.h"
#include "game/player/player.h"
#include "game/state/enemy_records.h"
#include "game/state/player_state.h"
#include "tests/support/kept.h"

#define AimedLine(O, N) extern AngledShot O##AimedLine##N##Shots[];
#define AimedRing(O, N) extern AngledShot O##AimedRing##N##Shots[];
#define AimedShot(O, N) extern AngledShot O##AimedShot##N##Shots[];
#define AimedSpread(O, N) extern AngledShot O##AimedSpread##N##Shots[];
#define Chain(O, N) extern AngledShot O##Chain##N##Shots[];
#define Spiral(O, N) extern AngledShot O##Spiral##N##Shots[];
#define TripleSpiral(O, N) extern AngledShot O##TripleSpiral##N##Shots[];
#define QuadAimed(O, N) extern AngledShot O##QuadAimed##N##Shots[];
#define DropLine(O, N)
#define SmallShot(O, N)
#define TwinShot(O, N)
#define LargeDrop(O, N)
#define SlantFan(O, N)
#define Fan(O, N)
#define DirFan(O, N)
#define WideFan(O, N)
#define Stream(O, N)
#define Beam(O, N)
#define FlameChain(O, N)
#include "game/bullets/group_list.inc"
#undef AimedLine
#undef AimedRing
#undef AimedShot
#undef AimedSpread
#undef Chain
#undef Spiral
#undef TripleSpiral
#undef QuadAimed
#undef DropLine
#undef SmallShot
#undef TwinShot
#undef LargeDrop
#undef SlantFan
#undef Fan
#undef DirFan
#undef WideFan
#undef Stream
#undef Beam
#undef FlameChain

namespace aimedtest {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;

// Puts back the player, the bomb, the frame length, the generator and the
// owners the tests move; a test keeps the pools it touches with Keep().
class AimedTest : public ::testing::Test {
protected:
    void SetUp() override {
        FrameSeconds = 0.016f;
        PlayerAlive = 1;
        BombActive = 0;
        PlayerX = 2000.0f;  // far from every bullet unless a test says otherwise
        PlayerY = 2000.0f;
    }
    template <class T>
    void Keep(T* at, int count) {
        kept_.KeepArray(at, static_cast<size_t>(count));
    }
    // Clears a pool to free, parked records after keeping it.
    void Fresh(AngledShot* shots, int count) {
        Keep(shots, count);
        for (int i = 0; i < count; ++i) {
            shots[i] = AngledShot{};
            shots[i].x = kParkX;
            shots[i].y = kParkY;
        }
    }

private:
    testsupport::Kept kept_{FrameSeconds,    PlayerAlive,     BombActive,      PlayerX,      PlayerY,
                            rng::Seed,       Stage1BossState, Stage2BossState, Stage3BossState, Stage4BossState,
                            Stage5BossState, Szak51State,     Szak52CState,    Szak53AState, Szak10Slots,
                            Szak6DSlots,     Szak1ASlots,     Szak30BSlots};
};

// Active records of a pool.
inline std::vector<int> ActiveOf(const AngledShot* shots, int count) {
    std::vector<int> out;
    for (int i = 0; i < count; ++i) {
        if (shots[i].active != 0) out.push_back(i);
    }
    return out;
}

}  // namespace aimedtest
