// A fixture for the player's tests: it keeps a copy of every global the
// player's code writes (the player's state, its pools, the enemy and boss
// records, the game-mode globals, the key state) and puts them back after
// each test. The weapons reach the test's own enemy records and the boss
// records through a catalogue shaped as the enemy types and bosses give it.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "framework/draw/draw.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/bosses/boss_state.h"
#include "game/enemies/records.h"
#include "game/player/player.h"
#include "game/player/targets.h"
#include "game/player/weapons.h"
#include "game/shell/gamemode.h"
#include "game/shell/shell.h"
#include "game/stages/background.h"
#include "game/stages/stage_state.h"
#include "platform/window.h"

namespace playertest {

// Typed access over a slot array or a single record, with the hit setter
// setting the hit flag as every type's setter does.
template <class R>
catalogue::EnemyRef RefOf(R& r) {
    int32_t* count = nullptr;
    if constexpr (requires { r.hitCount; }) count = &r.hitCount;
    return {&r.x, &r.y, &r.notHittable, &r.active, &r.hit, count};
}
template <auto& Slots>
catalogue::EnemyRef SlotOf(int i) { return RefOf(Slots[i]); }
template <auto& Slots>
void MarkSlot(int i) { Slots[i].hit = 1; }

// The test's own records of every enemy type (a mid-size type has one).
#define ENEMY(Name, Record, Count, Shape) inline Record Name##Records[Count];
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS

inline const catalogue::EnemyAccess& Enemy(catalogue::Owner owner) {
#define ENEMY(Name, Record, Count, Shape) {#Name, Count, SlotOf<Name##Records>, MarkSlot<Name##Records>},
#define BOSS(Name)
    static const catalogue::EnemyAccess kAccess[] = {
#include "game/catalogue/owners.inc"
    };
#undef ENEMY
#undef BOSS
    return kAccess[owner];
}

inline int gBossHits[catalogue::kOwnerCount];
template <catalogue::Owner O>
void MarkBoss() { gBossHits[O] += 1; }
inline targets::BossRef Boss(catalogue::Owner owner) {
#define BOSS(Name) {&Name##State, MarkBoss<catalogue::Name>},
#define ENEMY(Name, Record, Slots, Shape)
    static const targets::BossRef kBosses[] = {
#include "game/catalogue/owners.inc"
    };
#undef ENEMY
#undef BOSS
    return kBosses[owner - catalogue::kEnemyCount];
}

class Snapshot {
public:
    template <class T>
    void Keep(T& object) {
        auto* p = reinterpret_cast<char*>(&object);
        saved_.push_back({p, std::vector<char>(p, p + sizeof(T))});
    }
    void Restore() {
        for (auto& [where, bytes] : saved_) std::memcpy(where, bytes.data(), bytes.size());
        saved_.clear();
    }

private:
    struct Saved {
        char* where;
        std::vector<char> bytes;
    };
    std::vector<Saved> saved_;
};

}  // namespace playertest

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto& k = kept_;
        k.Keep(PlayerX), k.Keep(PlayerY), k.Keep(PlayerAlive), k.Keep(Score), k.Keep(HiScore), k.Keep(Lives);
        k.Keep(BombCharges), k.Keep(PlayerVelX), k.Keep(PlayerVelY), k.Keep(PlayerBank), k.Keep(PlayerBankDir);
        k.Keep(RespawnFrame), k.Keep(BurstFrame), k.Keep(BurstStreamOn), k.Keep(BurstStreamFrame);
        k.Keep(RingBombFrame), k.Keep(PowerUp), k.Keep(PowerUp2), k.Keep(ItemsSpawned), k.Keep(BombActive);
        k.Keep(BurstActive), k.Keep(ShotsAEnabled), k.Keep(ShotsBEnabled), k.Keep(Respawning);
        k.Keep(PlayerShotsA), k.Keep(PlayerShotsB), k.Keep(BurstShots), k.Keep(ShotFrameA), k.Keep(ShotFrameB);
        k.Keep(MuzzleFlashA), k.Keep(MuzzleFlashB), k.Keep(PowerItem), k.Keep(PlayerDebris), k.Keep(StarField);
        k.Keep(RingShards), k.Keep(LockCursorX), k.Keep(LockCursorY), k.Keep(GameOverStripHeight);
        k.Keep(FrameSeconds), k.Keep(rng::Seed), k.Keep(TransitionStep), k.Keep(ViewerOn), k.Keep(InputDisabled);
        k.Keep(GameLevel), k.Keep(PlayMode), k.Keep(PlaySubMode), k.Keep(MouseControl), k.Keep(KeyboardControl);
        k.Keep(DeathSequenceOff), k.Keep(Paused), k.Keep(ContinuePrompt), k.Keep(GameOver), k.Keep(ShipType);
        k.Keep(StageIntro), k.Keep(MouseX), k.Keep(MouseY), k.Keep(LeftButtonDown), k.Keep(RightButtonDown);
        k.Keep(LeftDoubleClick), k.Keep(ScrollBackgroundAlt4Tiles), k.Keep(ScrollBackground6Tiles);
        k.Keep(ScrollBackgroundUnusedATiles), k.Keep(ScrollBackgroundUnusedBTiles), k.Keep(playertest::gBossHits);
#define ENEMY(Name, Record, Count, Shape)
#define BOSS(Name) k.Keep(Name##State);
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
        previous_ = targets::SetSource({playertest::Enemy, playertest::Boss});
        plat::ResetKeyStates();
        plat::ClearMessages();
        TransitionStep = ViewerOn = InputDisabled = 0;
        PlayMode = 1;
        PlaySubMode = 0;
        ShipType = 1;
        GameOver = 0;
        FrameSeconds = 0.1f;
        ParkAll();
    }
    void TearDown() override {
        targets::SetSource(previous_);
        plat::ResetKeyStates();
        plat::ClearMessages();
        kept_.Restore();
    }

    // Every target parked and every weapon idle, the ship in play.
    static void ParkAll() {
        for (auto* pool : {PlayerShotsA, PlayerShotsB})
            for (int i = 0; i < kShotSlots; ++i) pool[i] = PlayerShot{-500, 500, 0, 0, 0};
        for (auto& s : BurstShots) s = BurstShot{-500, 500, 0, 0, 0, 0};
        for (auto& s : RingShards) s = RingShard{-500, 500, 0, 0, kIdleAngle};
        ParkPlayerDebris();
        PowerItem = PowerItemRecord{-500, 2550, 0, 0, 0, 0, 0};
        BombActive = BurstActive = BurstFrame = RingBombFrame = ShotFrameA = ShotFrameB = 0;
        MuzzleFlashA = MuzzleFlashB = Respawning = RespawnFrame = PowerUp = ItemsSpawned = 0;
        ShotsAEnabled = ShotsBEnabled = PlayerAlive = 1;
        PlayerBank = 3;
        PlayerBankDir = 0;
        PlayerX = 370;
        PlayerY = 520;
        Score = 0;
        HiScore = 500;
#define ENEMY(Name, Record, Count, Shape) \
    for (auto& r : playertest::Name##Records) r = {}, r.x = -500, r.y = 2550;
#define BOSS(Name) Name##State = {}, Name##State.X = -500, Name##State.Y = 2550;
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
    }

    // A key goes down or up as the window takes its message.
    static void Key(int vk, bool down) {
        plat::PostMessage(down ? plat::WM_KEYDOWN : plat::WM_KEYUP, static_cast<uintptr_t>(vk), 1);
        plat::Message m;
        plat::PeekMessage(m);
    }

    playertest::Snapshot kept_;
    targets::Source previous_{};
};
