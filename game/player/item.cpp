// The power-up item: one at a time falls down the playfield; taking it turns
// on the side shots and adds ring-bomb charges.
#include "framework/draw/draw.h"
#include "framework/sound/sound.h"
#include "framework/system/named.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "game/player/player.h"
#include "game/player/weapons.h"
#include "game/shell/assets.h"
#include "game/shell/resets.h"

PowerItemRecord PowerItem;

namespace {

void Park() {
    PowerItem = PowerItemRecord{};
    PowerItem.x = -500;
    PowerItem.y = 2550;
}

named::Registrar reg([] {
    NAMED_RECORD(PowerItem, {NAMED_FIELD(PowerItemRecord, x), NAMED_FIELD(PowerItemRecord, y),
                             NAMED_FIELD(PowerItemRecord, speed), NAMED_FIELD(PowerItemRecord, active),
                             NAMED_FIELD(PowerItemRecord, taken)});
});

resets::Step resetA(resets::PhaseA, resets::RankPowerItem, Park);
resets::Step newGame(resets::PhaseNewGame, resets::RankNewGameItem, Park);

}  // namespace

void SpawnPowerUpItem() {
    if (PowerItem.active) return;
    PowerItem.x = static_cast<float>(rng::rand() % 320 + 210);
    PowerItem.y = -60;
    PowerItem.speed = static_cast<float>(rng::rand() % 130 + 100);
    PowerItem.active = 1;
    PowerItem.taken = 0;
    ItemsSpawned += 1;
}

void UpdateDrawPowerUpItem() {
    if (PowerItem.taken == 0) {
        fwDraw::BltAdditive(ScreenInt(PowerItem.x), ScreenInt(PowerItem.y), ImgSpower1, 0, 0, 60, 60);
        return;
    }
    // The first and second items since the new game or the last death add
    // one charge, every later one two; an item spawned before a death and
    // taken after it (none counted since) adds two.
    PowerUp = 1;
    if (ItemsSpawned == 0) {
        ItemsSpawned = 1;
        BombCharges += 1;
    }
    if (ItemsSpawned == 1) BombCharges += 1;
    if (ItemsSpawned >= 2) BombCharges += 1;
    if (ItemsSpawned >= 3) BombCharges += 1;
    Park();
}

void MovePowerUpItem() {
    if (PowerItem.active) PowerItem.y += PowerItem.speed * FrameSeconds;
    if (PowerItem.y > 600) Park();
}

void TakePowerUpItem() {
    PowerItem.taken = 1;
    fwSound::Play(SndBom, -1);
}
