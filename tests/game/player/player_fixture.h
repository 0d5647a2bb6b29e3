// A fixture for the player's tests: it keeps a copy of every global the
// player's code writes and puts them back after each test. The weapons reach
// the test's own enemy records and the boss records through a catalogue
// shaped as the enemy types and bosses give it.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "framework/draw/draw.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/player/player.h"
#include "game/player/targets.h"
#include "game/player/weapons.h"
#include "game/shell/gamemode.h"
#include "game/shell/shell.h"
#include "game/state/background.h"
#include "game/state/enemy_records.h"
#include "game/state/stage_state.h"
#include "platform/window.h"
#include "tests/support/kept.h"

namespace playertest {

// The test's own records of every enemy type (a mid-size type has one), with
// the typed access and a hit setter that sets the hit flag.
#define ENEMY(Name, Record, Count, Shape) inline Record Name##Records[Count];
#define BOSS(Name)
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
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

// The boss records, with hit setters that count their calls.
inline int gBossHits[catalogue::kOwnerCount];
template <catalogue::Owner O>
void MarkBoss() { gBossHits[O] += 1; }
inline targets::BossRef Boss(catalogue::Owner owner) {
#define ENEMY(Name, Record, Count, Shape)
#define BOSS(Name) {&Name##State, MarkBoss<catalogue::Name>},
    static const targets::BossRef kBosses[] = {
#include "game/catalogue/owners.inc"
    };
#undef ENEMY
#undef BOSS
    return kBosses[owner - catalogue::kEnemyCount];
}

}  // namespace playertest

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        kept_.Keep(PlayerX, PlayerY, PlayerAlive, Score, HiScore, Lives, BombCharges, PlayerVelX,
                         PlayerVelY, PlayerBank, PlayerBankDir, RespawnFrame, BurstFrame, BurstStreamOn,
                         BurstStreamFrame, RingBombFrame, PowerUp, PowerUp2, ItemsSpawned, BombActive, BurstActive,
                         ShotsAEnabled, ShotsBEnabled, Respawning, PlayerShotsA, PlayerShotsB, BurstShots,
                         ShotFrameA, ShotFrameB, MuzzleFlashA, MuzzleFlashB, PowerItem, PlayerDebris, StarField,
                         RingShards, FrameSeconds, rng::Seed, TransitionStep, ViewerOn, InputDisabled, GameLevel,
                         PlayMode, PlaySubMode, MouseControl, KeyboardControl, DeathSequenceOff, Paused,
                         ContinuePrompt, GameOver, ShipType, StageIntro, MouseX, MouseY, LeftButtonDown,
                         RightButtonDown, LeftDoubleClick, ScrollBackgroundAlt4Tiles, ScrollBackground6Tiles,
                         ScrollBackgroundUnusedATiles, ScrollBackgroundUnusedBTiles, playertest::gBossHits, LeftKey,
                         RightKey, UpKey, DownKey, CKey, VKey, BKey, ShiftKey, CtrlKey);
#define ENEMY(Name, Record, Count, Shape)
#define BOSS(Name) kept_.Keep(Name##State);
#include "game/catalogue/owners.inc"
#undef ENEMY
#undef BOSS
        previous_ = targets::SetSource({playertest::Enemy, playertest::Boss});
        plat::ResetKeyStates();
        plat::ClearMessages();
        TransitionStep = ViewerOn = InputDisabled = GameOver = PlaySubMode = 0;
        LeftKey = RightKey = UpKey = DownKey = CKey = VKey = BKey = ShiftKey = CtrlKey = KeyOff;
        PlayMode = ShipType = 1;
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
        MuzzleFlashA = MuzzleFlashB = Respawning = RespawnFrame = PowerUp = ItemsSpawned = Score = 0;
        ShotsAEnabled = ShotsBEnabled = PlayerAlive = 1;
        PlayerBank = 3;
        PlayerBankDir = 0;
        PlayerX = 370;
        PlayerY = 520;
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

    testsupport::Kept kept_;
    targets::Source previous_{};
};
