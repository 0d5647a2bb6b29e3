// Boss tests: every global the bodies and the defeat write (the boss
// records, the scene and transition block, the music flag, the generator,
// the player's globals that the resets set) is saved and put back.
#pragma once
#include <cstring>
#include <vector>

#include "framework/draw/draw.h"
#include "framework/sound/midi.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/bosses/boss_parts.h"
#include "game/bosses/bosses.h"
#include "game/bosses/lock_sets.h"
#include "game/player/player.h"
#include "game/player/player_state.h"
#include "game/shell/assets.h"
#include "game/shell/shell.h"
#include "game/stages/stage_state.h"
#include "tests/framework/draw/draw_fixture.h"

// Keeps the bytes of globals and writes them back on destruction.
class KeptGlobals {
public:
    template <class T>
    void Keep(T& global) {
        auto* p = reinterpret_cast<char*>(&global);
        saved_.push_back({p, std::vector<char>(p, p + sizeof(T))});
    }
    ~KeptGlobals() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            std::memcpy(it->where, it->bytes.data(), it->bytes.size());
    }

private:
    struct Saved {
        char* where;
        std::vector<char> bytes;
    };
    std::vector<Saved> saved_;
};

inline void KeepBossGlobals(KeptGlobals& k) {
#define BOSS(Name)                 \
    k.Keep(Name##State);           \
    k.Keep(Name##BigBlasts);       \
    k.Keep(Name##SmallBlasts);     \
    k.Keep(Name##LockSetA);        \
    k.Keep(Name##LockSetB);
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
    k.Keep(Stage1BossFlyby);
    k.Keep(Stage2BossEntryPicture);
    k.Keep(Stage4BossEntryPicture);
    k.Keep(UnusedBossPart);
    for (auto* pool : {&UnusedBossPool7A, &UnusedBossPool7B, &UnusedBossPool7C, &UnusedBossPool7D, &UnusedBossPool7E})
        k.Keep(*pool);
    for (auto* pool : {&UnusedBossPool4A, &UnusedBossPool4B, &UnusedBossPool4C}) k.Keep(*pool);
    for (auto* p : {&ImgBoss11, &ImgBoss31, &ImgBoss41, &ImgBoss51, &ImgBoss61, &ImgBoss71, &ImgBos111, &ImgBos511,
                    &ImgZbak3B, &ImgZbak4B, &ImgRock1, &ImgBbak1B, &ImgZbak1B, &ImgAltStage2Boss, &ImgAltStage5Boss})
        k.Keep(*p);
    k.Keep(FrameSeconds);
    k.Keep(SceneNumber);
    k.Keep(LastScene);
    k.Keep(NextScene);
    k.Keep(TransitionPattern);
    k.Keep(TransitionPitch);
    k.Keep(TransitionStep);
    k.Keep(TransitionDir);
    k.Keep(StageIntro);
    k.Keep(StageTick);
    k.Keep(StageClock);
    k.Keep(MidiOpen);
    k.Keep(rng::Seed);
    k.Keep(Score);
    k.Keep(Lives);
    k.Keep(PlayerX);
    k.Keep(PlayerY);
    k.Keep(PlayerAlive);
    k.Keep(BombActive);
}

// A boss test without a screen.
class BossTest : public ::testing::Test {
protected:
    BossTest() { KeepBossGlobals(kept_); }
    KeptGlobals kept_;
};

// The explosion pools of each boss, big then small.
#define BOSS(Name) Name##BigBlasts, Name##SmallBlasts,
#define ENEMY(Name, Record, Slots, Shape)
inline DefeatBlast* const kBlastPools[] = {
#include "game/catalogue/owners.inc"
};
#undef ENEMY
#undef BOSS

// A boss test on an 800 x 600 screen whose pictures are painted so that a
// pixel tells which picture and which cell was drawn there.
class BossScreenTest : public ScreenTest {
protected:
    static constexpr uint16_t kSprite = 0x1111;
    static constexpr uint16_t kEntry = 0x1222;
    static constexpr uint16_t kMarker = 0x4444;
    static constexpr uint16_t Smoke3(int f) { return static_cast<uint16_t>(0x2000 + f); }
    static constexpr uint16_t Smoke4(int f) { return static_cast<uint16_t>(0x3000 + f); }
    static constexpr uint16_t Big(int f) { return static_cast<uint16_t>(0x5000 + f); }
    static constexpr uint16_t Small(int f) { return static_cast<uint16_t>(0x6000 + f); }

    BossScreenTest() { KeepBossGlobals(kept_); }
    void SetUp() override {
        ScreenTest::SetUp();
        const int sprite = Sprite(500, 460, [](int, int) { return kSprite; });
        for (auto* p : {&ImgBoss11, &ImgBoss31, &ImgBoss41, &ImgBoss51, &ImgBoss61, &ImgBoss71}) *p = sprite;
        ImgBos111 = ImgBos511 = Sprite(480, 480, [](int, int) { return kEntry; });
        ImgZbak3B = Sprite(800, 80, [](int x, int) { return Smoke3(x / 80); });
        ImgZbak4B = Sprite(800, 80, [](int x, int) { return Smoke4(x / 80); });
        ImgRock1 = Sprite(60, 60, [](int, int) { return kMarker; });
        ImgBbak1B = Sprite(640, 160, [](int x, int) { return Big(x / 160); });
        ImgZbak1B = Sprite(600, 60, [](int x, int) { return Small(x / 60); });
        ImgAltStage2Boss = ImgAltStage5Boss = 0;
        for (size_t p = 0; p < std::size(kBlastPools); ++p)
            for (int i = 0; i < (p % 2 ? kSmallBlasts : kBigBlasts); ++i) kBlastPools[p][i] = {0, -500, 2550};
        fwDraw::ClearBackBuffer();
    }
    uint16_t At(int x, int y) { return Px(BackSurface, x, y); }

    KeptGlobals kept_;
};
