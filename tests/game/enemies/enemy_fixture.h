// A fixture that keeps every enemy record, lock point and global the enemy
// code reads, records what the enemies draw, sound and fire, and puts it all
// back afterwards.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "framework/system/named.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/catalogue/catalogue.h"
#include "game/enemies/enemies.h"
#include "game/enemies/family.h"
#include "game/shell/assets.h"
#include "game/shell/gamemode.h"
#include "game/state/player_state.h"
#include "tests/support/kept.h"
#include "tests/support/named_probe.h"

namespace enemytest {

struct BlitCall {
    enemies::Blit how;
    int x, y, image, left, top, right, bottom;
};
struct FireCall {
    void (*spawn)(int32_t);
    int32_t arg;
};
inline std::vector<BlitCall> blits;
inline std::vector<int> angles;  // of the rotated blits
inline std::vector<FireCall> fired;
inline int sounds = 0;

// Distinct handles for the explosion strips and the lock marker.
enum : int32_t { k2B = 12, k3B = 13, k6B = 16, kRock = 60 };

class EnemyTest : public ::testing::Test {
protected:
    void SetUp() override {
        KeepAll();
        enemies::output = {[](enemies::Blit how, int x, int y, int image, int l, int t, int r, int b) {
                               blits.push_back({how, x, y, image, l, t, r, b});
                           },
                           [](int, int, int, int, int angle, int, int, int, int, int) { angles.push_back(angle); },
                           [](int, int) { ++sounds; },
                           [](void (*spawn)(int32_t), int32_t arg) { fired.push_back({spawn, arg}); }};
        ImgZbak2B = k2B;
        ImgZbak3B = k3B;
        ImgZbak6B = k6B;
        ImgRock1 = kRock;
        AdditiveEffects = 1;
        PlayMode = 1;
        PlaySubMode = 0;
        FrameSeconds = 0;
        catalogue::ResetEnemies();
        Clear();
    }
    void TearDown() override { kept_.Restore(); }

    static void Clear() {
        blits.clear();
        angles.clear();
        fired.clear();
        sounds = 0;
    }
    static int ExplosionCells(enemies::Blit how) {
        int n = 0;
        for (const BlitCall& b : blits) n += b.how == how && (b.image == k2B || b.image == k3B || b.image == k6B);
        return n;
    }
    // A field through the play driver's names ("Szak10Slots[0].vx").
    static double Read(const std::string& expr) {
        double v = 0;
        EXPECT_TRUE(testsupport::ReadNumber(expr, v)) << expr;
        return v;
    }
    static void Write(const std::string& expr, double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.9g", v);
        EXPECT_TRUE(named::Write(expr, text)) << expr;
    }

private:
    testsupport::Kept kept_;
    void KeepAll() {
        auto keep = [&](void* p, size_t n) { kept_.KeepBytes(p, n); };
#define ENEMY_KEEP_Small(Name) keep(Name##Slots, sizeof(Name##Slots));
#define ENEMY_KEEP_Mid(Name) keep(&Name##State, sizeof(Name##State));
#define ENEMY(Name, Record, Count, Shape) ENEMY_KEEP_##Shape(Name)
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
#undef ENEMY_KEEP_Small
#undef ENEMY_KEEP_Mid
#define ENEMY_KEEP_LOCKS(Name, Count) keep(Name##LockSlots, sizeof(Name##LockSlots));
        ENEMY_LOCK_SETS(ENEMY_KEEP_LOCKS)
#undef ENEMY_KEEP_LOCKS
        for (void* g : std::initializer_list<void*>{&ImgZbak2B, &ImgZbak3B, &ImgZbak6B, &ImgRock1, &AdditiveEffects,
                                                    &PlayMode, &PlaySubMode, &FrameSeconds, &PlayerX, &rng::Seed})
            keep(g, 4);
        keep(&enemies::output, sizeof(enemies::output));
    }
};

}  // namespace enemytest
