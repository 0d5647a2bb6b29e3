// Stage 1: waves of Szak10, the B-formations, the spinning Szak6 trio and the
// twin C-formations, then the first boss.
#include "game/bullets/groups.h"
#include "game/enemies/enemies.h"
#include "game/player/player.h"
#include "game/stages/driver.h"

#include "game/stages/rows.h"

namespace {

// clang-format off
// Attack windows on the boss's AttackFrame, in the order they are tested.
const timeline::Op kAttacks[] = {
    Attack(0, 200),       Emit(Stage1BossAimedSpread1), End(),
    Attack(600, 900),     Emit(Stage1BossAimedSpread1), End(),
    Attack(1400, 1900),   Emit(Stage1BossAimedSpread1), End(),
    Attack(2300, 2800),   Spawn(Stage1BossAimedLine9), Spawn(Stage1BossAimedLine10), End(),
    Attack(3300, 3600),   Spawn(Stage1BossAimedLine9), Spawn(Stage1BossAimedLine10), End(),
    Attack(3600, 4250),   Spawn(Stage1BossAimedLine3), Spawn(Stage1BossAimedLine4), Spawn(Stage1BossAimedLine5), Spawn(Stage1BossAimedLine6), Spawn(Stage1BossAimedLine7), Spawn(Stage1BossAimedLine8), End(),
    Attack(0, 3000),      Emit(Stage1BossSpiral3), Emit(Stage1BossSpiral5), End(),
    Attack(1400, 4300),   Emit(Stage1BossSpiral1), Emit(Stage1BossSpiral2), End(),
    Attack(2000, 4300),   Emit(Stage1BossSpiral4), Emit(Stage1BossSpiral6), End(),
    Attack(20, 280, Level2Or3), Emit(Stage1BossLargeDrop1), Emit(Stage1BossLargeDrop2), End(),
    Attack(100, 170),     Spawn(Stage1BossAimedLine9), Spawn(Stage1BossAimedLine10), End(),
    Attack(170, 200),     Spawn(Stage1BossAimedLine3), Spawn(Stage1BossAimedLine4), Spawn(Stage1BossAimedLine5), Spawn(Stage1BossAimedLine6), Spawn(Stage1BossAimedLine7), Spawn(Stage1BossAimedLine8), End(),
    Attack(100, 200, Mode2OrSub1), Spawn(Stage1BossAimedLine1), Spawn(Stage1BossAimedLine2), End(),
    Attack(200, 300),     Emit(Stage1BossAimedSpread2), End(),
    Attack(250, 460),     Emit(Stage1BossAimedSpread3), End(),
    Attack(400, 580),     Emit(Stage1BossAimedSpread4), End(),
    Attack(400, 500, Mode2OrSub1), Spawn(Stage1BossAimedLine1), Spawn(Stage1BossAimedLine2), End(),
    Attack(500, 600),     Emit(Stage1BossTwinShot1), Emit(Stage1BossTwinShot2), End(),
    Attack(600, 800),     Emit(Stage1BossTwinShot3), Emit(Stage1BossTwinShot4), End(),
    Attack(600, 720),     Spawn(Stage1BossAimedLine9), Spawn(Stage1BossAimedLine10), End(),
    Attack(720, 760),     Spawn(Stage1BossAimedLine3), Spawn(Stage1BossAimedLine4), Spawn(Stage1BossAimedLine5), Spawn(Stage1BossAimedLine6), Spawn(Stage1BossAimedLine7), Spawn(Stage1BossAimedLine8), End(),
    Attack(800, 900),     Emit(Stage1BossSlantFan1), Emit(Stage1BossSlantFan2), Emit(Stage1BossTwinShot1), Emit(Stage1BossTwinShot2), End(),
    Attack(900, 1100),    Emit(Stage1BossDirFan1), End(),
    Attack(1100, 1400),   Spawn(Stage1BossAimedLine3), Spawn(Stage1BossAimedLine4), Spawn(Stage1BossAimedLine5), Spawn(Stage1BossAimedLine6), Spawn(Stage1BossAimedLine7), Spawn(Stage1BossAimedLine8), End(),
};

// The enemies on every frame (Szak10 moves twice), then the spawn windows,
// then the power-up item.
const timeline::Op kObjects[] = {
    Enemy(Szak3), Enemy(Szak4), Move(Szak10), Enemy(Szak10), Enemy(Szak21B), Enemy(Szak22B), Enemy(Szak40A), Enemy(Szak41A),
    Enemy(Szak1A), Enemy(Szak1B), Enemy(Szak30B), Enemy(Szak31B), Enemy(Szak32B), Enemy(Szak33B), Enemy(Szak6A), Enemy(Szak6B),
    Enemy(Szak6C), Enemy(Szak53A), Enemy(Szak53B), Enemy(Szak21C), Enemy(Szak22C),
    Open(120, 170),   Spawn(Szak10), Spawn(Szak10DropLine1), Spawn(Szak10Chain1), Spawn(Szak10Chain2), End(),
    Open(160, 200),   Spawn(Szak30B), End(),
    Open(200, 250),   Spawn(Szak31B), End(),
    Open(250, 400),   Spawn(Szak10), Spawn(Szak10DropLine1), Spawn(Szak10Chain1), Spawn(Szak10Chain2), End(),
    Open(400, 450),   Spawn(Szak32B), End(),
    Open(500, 550),   Spawn(Szak33B), End(),
    Open(550, 600),   Spawn(Szak21B), Spawn(Szak21BDropLine1), End(),
    Open(550, 600),   Spawn(Szak22B), Spawn(Szak22BDropLine1), End(),
    Open(600, 650),   Spawn(Szak40A), End(),
    Open(600, 650),   Spawn(Szak41A), End(),
    Open(650, 750),   Spawn(Szak6A), Spawn(Szak6AAimedShot1), End(),
    Open(750, 850),   Spawn(Szak6B), Spawn(Szak6BAimedShot1), End(),
    Open(800, 900),   Move(Szak6C), Move(Szak6C), Spawn(Szak6C), Spawn(Szak6CAimedShot1), End(),
    Open(900, 960),   Spawn(Szak30B), End(),
    Open(900, 960),   Spawn(Szak31B), End(),
    Open(950, 1000),  Spawn(Szak32B), End(),
    Open(950, 1000),  Spawn(Szak33B), End(),
    Open(950, 1050),  Spawn(Szak21B), Spawn(Szak21BDropLine1), End(),
    Open(950, 1050),  Spawn(Szak22B), Spawn(Szak22BDropLine1), End(),
    Open(1050, 1150), Spawn(Szak21C), Spawn(Szak21CSmallShot1), Spawn(Szak21CSmallShot2), Spawn(Szak21CSmallShot3), Spawn(Szak21CSmallShot4), End(),
    Open(1050, 1150), Spawn(Szak22C), Spawn(Szak22CSmallShot1), Spawn(Szak22CSmallShot2), Spawn(Szak22CSmallShot3), Spawn(Szak22CSmallShot4), End(),
    Open(1150, 1200), Spawn(Szak32B), End(),
    Open(1150, 1200), Spawn(Szak33B), End(),
    Open(1150, 1180), Move(Szak6C), Move(Szak6C), Spawn(Szak6C), Spawn(Szak6CAimedShot1), End(),
    Call(UpdateDrawPowerUpItem), Call(MovePowerUpItem), ItemWindows(950, 1000),
};

// Bullet groups after UpdatePlayer: Move then Draw.
const timeline::Op kBullets[] = {
    Shots(Stage1BossLargeDrop1), Shots(Stage1BossLargeDrop2), Shots(Stage1BossAimedLine3), Shots(Stage1BossAimedLine4), Shots(Stage1BossAimedLine5),
    Shots(Stage1BossAimedLine6), Shots(Stage1BossAimedLine7), Shots(Stage1BossAimedLine8), Shots(Stage1BossQuadAimed1), Shots(Stage1BossAimedLine9),
    Shots(Stage1BossAimedLine10), Shots(Stage1BossAimedLine1), Shots(Stage1BossAimedLine2), Shots(Stage1BossAimedSpread2), Shots(Stage1BossAimedSpread1),
    Shots(Stage1BossAimedSpread3), Shots(Stage1BossTwinShot3), Shots(Stage1BossTwinShot4), Shots(Stage1BossTwinShot1), Shots(Stage1BossTwinShot2),
    Shots(Stage1BossSlantFan1), Shots(Stage1BossSlantFan2), Shots(Stage1BossDirFan1), Shots(Stage1BossSmallShot1), Shots(Stage1BossSmallShot2),
    Shots(Stage1BossSmallShot3), Shots(Stage1BossAimedSpread4), Shots(Stage1BossSpiral1), Shots(Stage1BossSpiral2), Shots(Stage1BossSpiral3),
    Shots(Stage1BossSpiral5), Shots(Stage1BossSpiral4), Shots(Stage1BossSpiral6), Shots(Stage1BossTripleSpiral1), Shots(Stage1BossTripleSpiral2),
    Shots(Stage1BossTripleSpiral3), Shots(Stage1BossTripleSpiral4), Shots(Stage1BossTripleSpiral5), Shots(Stage1BossTripleSpiral6),
    If(Sub1), Move(Stage1BossSlantFan1), Move(Stage1BossSlantFan2), End(),
    Shots(Szak1AAimedShot1), Shots(Szak1BAimedShot1), Shots(Szak6AAimedShot1), Shots(Szak6BAimedShot1), Shots(Szak6CAimedShot1), Shots(Szak30BAimedShot1),
    Shots(Szak31BAimedShot1), Shots(Szak32BAimedShot1), Shots(Szak33BAimedShot1), Shots(Szak40AAimedLine1), Shots(Szak40AAimedLine2), Shots(Szak41AAimedLine1),
    Shots(Szak41AAimedLine2), Shots(Szak21CSmallShot1), Shots(Szak21CSmallShot2), Shots(Szak21CSmallShot3), Shots(Szak21CSmallShot4), Shots(Szak22CSmallShot1),
    Shots(Szak22CSmallShot2), Shots(Szak22CSmallShot3), Shots(Szak22CSmallShot4), Shots(Szak52CAimedSpread1), Shots(Szak53ASmallShot1), Shots(Szak53BSmallShot1),
    Shots(Szak10DropLine1), Shots(Szak10Chain1), Shots(Szak10Chain2), Shots(Szak21BDropLine1), Shots(Szak22BDropLine1),
    If(Sub1), Shots(Szak51AimedSpread4), Move(Szak53ASmallShot1), Move(Szak53BSmallShot1), End(),
    If(ModeNot1), Move(Szak1AAimedShot1), Move(Szak1BAimedShot1), Move(Szak6AAimedShot1), End(),
};

const timeline::Op kLockOn[] = {
    Call(UpdateHomingMissilesSzak3), Call(UpdateHomingMissilesSzak4), Call(UpdateLockLaserSzak6D), Call(UpdateLockLaserSzak6E),
    Call(UpdateLockLaserSzak13A), Call(UpdateLockLaserSzak13B), Call(UpdateHomingMissilesSzak21A), Call(UpdateHomingMissilesSzak22A),
    Call(UpdateHomingMissilesSzak40A), Call(UpdateHomingMissilesSzak41A), Call(UpdateHomingMissilesSzak40B), Call(UpdateHomingMissilesSzak41B),
    Call(UpdateBossMissilesStage1BossA), Call(UpdateBossMissilesStage1BossB),
};
// clang-format on

}  // namespace

#include "game/stages/rows_end.h"

extern const timeline::Timeline Stage1Timeline = {timeline::ListOf(kAttacks), timeline::ListOf(kObjects),
                                                  timeline::ListOf(kBullets), timeline::ListOf(kLockOn)};
