// A fixture that runs stage frames with every call recorded instead of made,
// and restores every global a frame can change.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "framework/system/system.h"
#include "game/bosses/boss_state.h"
#include "game/player/player.h"
#include "game/shell/gamemode.h"
#include "game/shell/scorepanel.h"
#include "game/shell/shell.h"
#include "game/stages/driver.h"
#include "game/state/stage_state.h"

namespace stagetest {

inline std::vector<stages::Seen> gSeen;
inline void Record(const stages::Seen& call) { gSeen.push_back(call); }

template <class R, class... P>
const void* A(R (*f)(P...)) {
    return reinterpret_cast<const void*>(f);
}

// Every global a stage frame reads or writes, outside the object pools.
inline auto Globals() {
    return std::tie(StageTick, StageClock, FrameSeconds, SceneEntered, GameLevel, PlayMode, PlaySubMode,
                    PlainBackground, Paused, ContinuePrompt, LastKey, AutoFire, ShipType, BombActive, BurstActive,
                    ShotsAEnabled, BombCharges, Lives, Score, Respawning, PlayerAlive, LivesStepOn);
}
template <class... T>
std::tuple<std::decay_t<T>...> Values(std::tuple<T...>);

class StageFrames : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Globals();
        for (int i = 0; i < stages::kScriptCount; ++i) savedBosses_.push_back(*stages::kScripts[i].boss);
        stages::Observer = Record;
        gSeen.clear();
        GameLevel = 1;
        PlayMode = 1;
        PlaySubMode = 0;
        PlainBackground = 0;
        Paused = ContinuePrompt = 0;
        AutoFire = BombActive = BurstActive = 0;
        ShipType = 1;
        SceneEntered = 0;
        StageTick = 0;
        StageClock = 0;
        FrameSeconds = 0;
    }
    void TearDown() override {
        stages::Observer = nullptr;
        Globals() = saved_;
        for (int i = 0; i < stages::kScriptCount; ++i) *stages::kScripts[i].boss = savedBosses_[i];
        gSeen.clear();
    }

    // One frame of a script at a given clock (no clock step: FrameSeconds 0).
    void FrameAt(stages::ScriptId id, float clock) {
        StageClock = clock;
        Frame(id);
    }
    void Frame(stages::ScriptId id) {
        gSeen.clear();
        stages::RunFrame(stages::kScripts[id], stages::kAfterPresent[id]);
    }
    static int Count(const void* fn) {
        return static_cast<int>(std::count_if(gSeen.begin(), gSeen.end(), [&](const auto& s) { return s.fn == fn; }));
    }
    // Position of the n-th call of fn in the frame, or -1.
    static int IndexOf(const void* fn, int n = 0) {
        for (size_t i = 0; i < gSeen.size(); ++i)
            if (gSeen[i].fn == fn && n-- == 0) return static_cast<int>(i);
        return -1;
    }

private:
    decltype(Values(Globals())) saved_;
    std::vector<BossState> savedBosses_;
};

}  // namespace stagetest
