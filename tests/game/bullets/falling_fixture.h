// A fixture for the falling bullet kinds: it keeps a copy of every global a
// test touches (the player, the bomb flag, the frame length, the pools and
// the owners named with Keep) and puts them back afterwards.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "framework/system/system.h"
#include "game/bullets/falling.h"
#include "game/player/player.h"
#include "game/player/player_state.h"

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
    void TearDown() override {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            std::memcpy(it->at, it->bytes.data(), it->bytes.size());
    }
    template <class T>
    void Keep(T* at, size_t count = 1) {
        const char* p = reinterpret_cast<const char*>(at);
        saved_.push_back({at, std::vector<char>(p, p + sizeof(T) * count)});
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

private:
    struct Saved {
        void* at;
        std::vector<char> bytes;
    };
    std::vector<Saved> saved_;
};
