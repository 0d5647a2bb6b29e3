// A fixture for the falling bullet kinds: it keeps a copy of every global a
// test touches (the player, the bomb flag, the frame length, the pools and
// the owners named with Keep) and puts them back afterwards.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <vector>

#include "framework/system/system.h"
#include "game/bullets/falling.h"
#include "game/player/player.h"
#include "game/state/player_state.h"
#include "tests/support/kept.h"

class FallingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Keep(&FrameSeconds);
        Keep(&PlayerX);
        Keep(&PlayerY);
        Keep(&PlayerAlive);
        Keep(&BombActive);
        FrameSeconds = 0.016f;
        PlayerX = 5000;  // far from every shot unless a test moves it
        PlayerY = 5000;
        PlayerAlive = 1;
        BombActive = 0;
    }
    void TearDown() override { kept_.Restore(); }
    template <class T>
    void Keep(T* at, size_t count = 1) {
        kept_.KeepArray(at, count);
    }
    // Keeps a group's records and leaves them free, parked, counters 0.
    void Fresh(DropShot* shots, int count) {
        Keep(shots, count);
        for (int i = 0; i < count; ++i) {
            shots[i] = DropShot{};
            bullets::Park(shots[i]);
        }
    }
    static int ActiveCount(const DropShot* shots, int count) {
        int n = 0;
        for (int i = 0; i < count; ++i) n += shots[i].active != 0;
        return n;
    }

    // The player box of a shot, both ends included on both axes: every
    // corner clears PlayerAlive and leaves the shot flying; half a pixel
    // outside the low x or the high y edge misses. Moves run with no time.
    void ExpectBox(DropShot& r, const bullets::Box& b, const std::function<void()>& move) {
        FrameSeconds = 0;
        PlayerX = PlayerY = 300;
        const float corners[4][2] = {{b.loX, b.loY}, {b.hiX, b.hiY}, {b.loX, b.hiY}, {b.hiX, b.loY}};
        for (const auto& k : corners) {
            PlayerAlive = 1;
            r.x = 300 + k[0];
            r.y = 300 + k[1];
            move();
            EXPECT_EQ(PlayerAlive, 0) << "corner " << k[0] << ", " << k[1];
            EXPECT_EQ(r.active, 1u);
        }
        PlayerAlive = 1;
        r.x = 300 + b.loX - 0.5f;
        move();
        r.x = 300 + b.hiX;
        r.y = 300 + b.hiY + 0.5f;
        move();
        EXPECT_EQ(PlayerAlive, 1);
        PlayerX = PlayerY = 5000;
    }
    // A shot at y 600 flies on; past it the shot is freed and parked.
    static void ExpectBottom(DropShot& r, const std::function<void()>& move) {
        FrameSeconds = 0;
        r.y = 600;
        move();
        EXPECT_EQ(r.active, 1u);
        r.y = 600.5f;
        move();
        EXPECT_EQ(r.active, 0u);
        EXPECT_FLOAT_EQ(r.x, -500);
        EXPECT_FLOAT_EQ(r.y, 2550);
    }

    // One volley of a scheduled group (a single bullet when volley is 1),
    // armed lane by lane through Spawn(i, first) at a boss standing at
    // (100, 10): its start points, one Move of half a second, re-arming one
    // lane while the others fly, the player box, the bottom edge and the bomb.
    enum class Rearm { None, Heights, Whole };
    struct VolleyCase {
        const char* name;
        void (*spawn)(uint32_t, uint32_t);
        void (*move)(int32_t);
        DropShot* shots;
        int count, volley;
        BossState* boss;
        std::vector<float> x, y, sideways;  // per lane: start offsets, px/s sideways
        float fall;
        bullets::Box box;
        bool bomb;
        Rearm rearm;
    };
    void ExpectVolley(const VolleyCase& c) {
        SCOPED_TRACE(c.name);
        Fresh(c.shots, c.count);
        Keep(c.boss);
        c.boss->X = 100;
        c.boss->Y = 10;
        const uint32_t first = static_cast<uint32_t>(c.volley);  // the second volley
        DropShot* v = c.shots + first;
        for (int l = 0; l < c.volley; ++l) c.spawn(first + l, first);
        for (int l = 0; l < c.volley; ++l) {
            EXPECT_EQ(v[l].active, 1u);
            EXPECT_FLOAT_EQ(v[l].x, 100 + c.x[l]);
            EXPECT_FLOAT_EQ(v[l].y, 10 + c.y[l]);
        }
        FrameSeconds = 0.5f;
        c.move(0);
        for (int l = 0; l < c.volley; ++l) {
            EXPECT_NEAR(v[l].x, 100 + c.x[l] + c.sideways[l] * 0.5f, 1e-3) << "lane " << l;
            EXPECT_FLOAT_EQ(v[l].y, 10 + c.y[l] + c.fall * 0.5f) << "lane " << l;
        }
        if (c.rearm != Rearm::None) {
            bullets::Park(v[0]);
            const float x1 = v[1].x;
            c.spawn(first, first);
            EXPECT_EQ(v[0].active, 1u);
            EXPECT_FLOAT_EQ(v[1].y, 10 + c.y[1]);
            EXPECT_FLOAT_EQ(v[1].x, c.rearm == Rearm::Whole ? 100 + c.x[1] : x1);
        }
        DropShot& last = v[c.volley - 1];
        ExpectBox(last, c.box, [&] { c.move(0); });
        ExpectBottom(last, [&] { c.move(0); });
        c.spawn(first + c.volley - 1, first);
        const int flying = ActiveCount(c.shots, c.count);
        EXPECT_GT(flying, 0);
        BombActive = 1;
        c.move(0);
        EXPECT_EQ(ActiveCount(c.shots, c.count), c.bomb ? 0 : flying);
        BombActive = 0;
    }

    // Runs an Emit for `calls` calls, freeing what it arms after each call,
    // and lists for each volley the calls on which it was armed (every record
    // of the volley on the same call).
    static std::map<int, std::vector<int>> VolleyCalls(void (*emit)(int32_t), DropShot* shots, int count,
                                                       int volley, int calls) {
        std::map<int, std::vector<int>> armed;
        for (int call = 1; call <= calls; ++call) {
            emit(0);
            for (int v = 0; v * volley < count; ++v) {
                const int n = ActiveCount(shots + v * volley, volley);
                EXPECT_TRUE(n == 0 || n == volley) << "volley " << v << " call " << call;
                if (n > 0) armed[v].push_back(call);
            }
            for (int i = 0; i < count; ++i) bullets::Park(shots[i]);
        }
        return armed;
    }

private:
    testsupport::Kept kept_;
};
