// The alternative fourth stage: its own boss, music and background, with
// flame chains. No scene runs it.
#include "game/bosses/bosses.h"
#include "game/bullets/groups.h"
#include "game/enemies/enemies.h"
#include "game/player/player.h"
#include "game/stages/driver.h"

#include "game/stages/rows.h"

namespace {

// clang-format off
// Attack windows on the boss's AttackFrame, in the order they are tested.
const timeline::Op kAttacks[] = {
    Attack(30, 100),             Spawn(AltStage4BossFlameChain1), Spawn(AltStage4BossFlameChain2), End(),
    Attack(100, 150),            Emit(AltStage4BossFan1), End(),
    Attack(0, 170),              Emit(AltStage4BossTwinShot1), Emit(AltStage4BossTwinShot2), End(),
    Attack(200, 300),            Spawn(AltStage4BossFlameChain1), Spawn(AltStage4BossFlameChain2), End(),
    Attack(220, 320),            Spawn(AltStage4BossFlameChain3), Spawn(AltStage4BossFlameChain4), End(),
    Attack(240, 340),            Spawn(AltStage4BossFlameChain5), Spawn(AltStage4BossFlameChain6), End(),
    Attack(360, 500),            Spawn(AltStage4BossFlameChain1), Spawn(AltStage4BossFlameChain2), End(),
    Attack(370, 510),            Spawn(AltStage4BossFlameChain3), Spawn(AltStage4BossFlameChain4), End(),
    Attack(380, 520),            Spawn(AltStage4BossFlameChain5), Spawn(AltStage4BossFlameChain6), End(),
    Attack(450, 600),            Emit(AltStage4BossAimedRing1), End(),
    Attack(400, 600),            Emit(AltStage4BossWideFan1), Emit(AltStage4BossWideFan2), End(),
    Attack(600, 950),            Emit(AltStage4BossTwinShot1), Emit(AltStage4BossTwinShot2), End(),
    Attack(650, 900),            Emit(AltStage4BossDirFan3), Emit(AltStage4BossDirFan4), End(),
    Attack(700, 900),            Emit(AltStage4BossFan1), End(),
    Attack(800, 950),            Emit(AltStage4BossDirFan1), Emit(AltStage4BossDirFan2), End(),
    Attack(900, 1300),           Spawn(AltStage4BossFlameChain1), Spawn(AltStage4BossFlameChain2), End(),
    Attack(910, 1310),           Spawn(AltStage4BossFlameChain3), Spawn(AltStage4BossFlameChain4), End(),
    Attack(920, 1320),           Spawn(AltStage4BossFlameChain5), Spawn(AltStage4BossFlameChain6), End(),
    Attack(950, 1500),           Emit(AltStage4BossDirFan3), Emit(AltStage4BossDirFan4), End(),
    Attack(1100, 1500),          Emit(AltStage4BossDirFan1), Emit(AltStage4BossDirFan2), End(),
    Attack(1450, 1550),          Emit(AltStage4BossTwinShot1), Emit(AltStage4BossTwinShot2), End(),
    Attack(1150, 1600),          Emit(AltStage4BossAimedRing1), End(),
};

// The early types move and draw first, then their windows; then the
// spinners, the Szak13 pair and the mid-size ships, then the power-up item.
const timeline::Op kObjects[] = {
    Enemy(Szak3), Enemy(Szak4), Move(Szak10), Enemy(Szak10), Enemy(Szak21B), Enemy(Szak22B), Enemy(Szak40A), Enemy(Szak41A), Enemy(Szak1A),
    Enemy(Szak1B), Enemy(Szak30B), Enemy(Szak31B), Enemy(Szak6A), Enemy(Szak6B), Enemy(Szak6C), Enemy(Szak53A), Enemy(Szak53B), Enemy(Szak21C),
    Enemy(Szak22C),
    Open(160, 200),              Spawn(Szak30B), End(),
    Open(200, 250),              Spawn(Szak31B), End(),
    Open(250, 300),              Spawn(Szak10), End(),
    Open(200, 250),              Spawn(Szak30B), Spawn(Szak31B), End(),
    Open(300, 350),              Spawn(Szak21B), Spawn(Szak22B), End(),
    Open(350, 450),              Spawn(Szak40A), End(),
    Open(450, 500),              Spawn(Szak41A), End(),
    Open(500, 700),              Spawn(Szak6A), Spawn(Szak6AAimedShot1), End(),
    Open(600, 800),              Spawn(Szak6B), Spawn(Szak6BAimedShot1), End(),
    Open(800, 900),              Move(Szak6C), Move(Szak6C), Spawn(Szak6C), Spawn(Szak6CAimedShot1), End(),
    Open(750, 850),              Spawn(Szak40A), Spawn(Szak41A), End(),
    Open(850, 950),              Spawn(Szak30B), Spawn(Szak31B), End(),
    Open(900, 980),              Move(Szak6C), Move(Szak6C), Spawn(Szak6C), Spawn(Szak6CAimedShot1), End(),
    Open(950, 1050),             Spawn(Szak21B), Spawn(Szak22B), End(),
    Open(1050, 1200),            Spawn(Szak21C), Spawn(Szak21CSmallShot1), Spawn(Szak21CSmallShot2), Spawn(Szak21CSmallShot3), Spawn(Szak21CSmallShot4), Spawn(Szak22C), Spawn(Szak22CSmallShot1), Spawn(Szak22CSmallShot2), Spawn(Szak22CSmallShot3), Spawn(Szak22CSmallShot4), End(),
    Enemy(Szak6D), Enemy(Szak6E),
    Open(600, 680),              Spawn(Szak6D), End(),
    Open(600, 680, Sub1),        Spawn(Szak6DSmallShot1), Spawn(Szak6DSmallShot2), End(),
    Open(600, 680),              Spawn(Szak6DSmallShot3), Spawn(Szak6E), End(),
    Open(600, 680, Sub1),        Spawn(Szak6ESmallShot1), End(),
    Open(600, 680),              Spawn(Szak6ESmallShot2), End(),
    Open(600, 680, Sub1),        Spawn(Szak6ESmallShot3), End(),
    SpinnerWave(800, 900),
    SpinnerWave(1000, 1100),
    Enemy(Szak13A), Enemy(Szak13B),
    Szak13Wave(560, 600),
    Szak13Wave(800, 900),
    Szak13Wave(1000, 1200),
    Enemy(Szak52C),
    Open(520, 950),              Spawn(Szak52C), End(),
    Open(520, 950, Sub1),        Emit(Szak52CAimedSpread1), End(),
    Open(520, 950, Mode2OrSub1), Emit(Szak52CTwinShot1), End(),
    Open(520, 950, Sub1),        Emit(Szak52CTwinShot2), Emit(Szak52CAimedRing1), End(),
    Enemy(Szak51),
    Open(600, 980),              Spawn(Szak51), Emit(Szak51AimedSpread1), Emit(Szak51AimedSpread2), Emit(Szak51AimedSpread3), End(),
    Open(600, 980, Sub1),        Emit(Szak51AimedSpread4), End(),
    Open(600, 980),              Emit(Szak51TwinShot1), End(),
    Open(600, 980, Sub1),        Emit(Szak51TwinShot2), Emit(Szak51AimedSpread5), Emit(Szak51AimedSpread6), End(),
    Call(UpdateDrawPowerUpItem), Call(MovePowerUpItem), ItemWindows(1000, 1050),
};

// Bullet groups after UpdatePlayer; Szak51's last groups are one choice by
// PlaySubMode.
const timeline::Op kBullets[] = {
    Shots(AltStage4BossDirFan3), Shots(AltStage4BossDirFan4), Shots(AltStage4BossDirFan1), Shots(AltStage4BossDirFan2), Shots(AltStage4BossWideFan1),
    Shots(AltStage4BossWideFan2), Shots(AltStage4BossFan1), Shots(AltStage4BossFlameChain1), Shots(AltStage4BossFlameChain2),
    Shots(AltStage4BossFlameChain3), Shots(AltStage4BossFlameChain4), Shots(AltStage4BossFlameChain5), Shots(AltStage4BossFlameChain6),
    Shots(AltStage4BossAimedRing1), Shots(AltStage4BossSmallShot1), Shots(AltStage4BossSmallShot2), Shots(AltStage4BossSmallShot3),
    Shots(AltStage4BossSmallShot4), Shots(AltStage4BossSmallShot5), Shots(AltStage4BossSmallShot6), Shots(AltStage4BossSmallShot7),
    Shots(AltStage4BossSmallShot8), Shots(AltStage4BossSmallShot9), Shots(AltStage4BossTwinShot1), Shots(AltStage4BossTwinShot2),
    Shots(Szak1AAimedShot1), Shots(Szak1BAimedShot1), Shots(Szak6AAimedShot1), Shots(Szak6BAimedShot1), Shots(Szak6CAimedShot1),
    Shots(Szak6DSmallShot1), Shots(Szak6DSmallShot2), Shots(Szak6DSmallShot3), Shots(Szak6DAimedLine1), Shots(Szak6ESmallShot1),
    Shots(Szak6ESmallShot2), Shots(Szak6ESmallShot3), Shots(Szak6EAimedLine1), Shots(Szak13ASmallShot1), Shots(Szak13ASmallShot2),
    Shots(Szak13ASmallShot3), Shots(Szak13BSmallShot1), Shots(Szak13BSmallShot2), Shots(Szak13BSmallShot3), Shots(Szak30BAimedShot1),
    Shots(Szak31BAimedShot1), Shots(Szak40AAimedLine1), Shots(Szak40AAimedLine2), Shots(Szak41AAimedLine1), Shots(Szak41AAimedLine2),
    Shots(Szak21CSmallShot1), Shots(Szak21CSmallShot2), Shots(Szak21CSmallShot3), Shots(Szak21CSmallShot4), Shots(Szak22CSmallShot1),
    Shots(Szak22CSmallShot2), Shots(Szak22CSmallShot3), Shots(Szak22CSmallShot4), Shots(Szak52CAimedSpread1), Shots(Szak53ASmallShot1),
    Shots(Szak53BSmallShot1), Shots(Szak51AimedSpread1), Shots(Szak51AimedSpread2), Shots(Szak51AimedSpread3),
    If(Sub1), Shots(Szak51AimedSpread4), Move(Szak53ASmallShot1), Move(Szak53BSmallShot1), End(),
    If(ModeNot1), Move(Szak1AAimedShot1), Move(Szak1BAimedShot1), Move(Szak6AAimedShot1), End(),
    Shots(Szak53ASmallShot1), Shots(Szak53BSmallShot1), Shots(Szak54ASmallShot1), Shots(Szak54BSmallShot1), Shots(Szak30AAimedLine1),
    Shots(Szak30AAimedLine2), Shots(Szak31AAimedLine1), Shots(Szak31AAimedLine2), Shots(Szak32AAimedLine1), Shots(Szak32AAimedLine2),
    Shots(Szak33AAimedLine1), Shots(Szak33AAimedLine2),
    If(Sub1), Shots(Szak51AimedSpread5), Shots(Szak51AimedSpread6), Else(), Shots(Szak51AimedSpread4), Shots(Szak51TwinShot1), Shots(Szak51TwinShot2), End(),
    Shots(Szak52CTwinShot1), Shots(Szak52CTwinShot2), Shots(Szak60SmallShot1),
};

const timeline::Op kLockOn[] = {
    Call(UpdateHomingMissilesSzak3), Call(UpdateHomingMissilesSzak4), Call(UpdateLockLaserSzak6D), Call(UpdateLockLaserSzak6E),
    Call(UpdateLockLaserSzak13A), Call(UpdateLockLaserSzak13B), Call(UpdateHomingMissilesSzak21A), Call(UpdateHomingMissilesSzak22A),
    Call(UpdateHomingMissilesSzak40A), Call(UpdateHomingMissilesSzak41A), Call(UpdateHomingMissilesSzak40B), Call(UpdateHomingMissilesSzak41B),
    Call(UpdateBossMissilesAltStage4BossA), Call(UpdateBossMissilesAltStage4BossB),
};
// clang-format on

}  // namespace

#include "game/stages/rows_end.h"

extern const timeline::Timeline AltStage4Timeline = {timeline::ListOf(kAttacks), timeline::ListOf(kObjects),
                                                    timeline::ListOf(kBullets), timeline::ListOf(kLockOn)};
