// Stage 4: the spinners and the Szak13 pair in three waves, the droppers,
// the mid-size ships and the C-formations, then the fourth boss and its beams.
#include "game/bullets/groups.h"
#include "game/enemies/enemies.h"
#include "game/player/player.h"
#include "game/stages/driver.h"

#include "game/stages/rows.h"

namespace {

// clang-format off
// Attack windows on the boss's AttackFrame, in the order they are tested: the
// beams from level 2 up, the small-shot bursts and extra fans at level 1.
const timeline::Op kAttacks[] = {
    Attack(5, 200),              Emit(Stage4BossStream1), Emit(Stage4BossStream2), Emit(Stage4BossStream3), Emit(Stage4BossStream4), Emit(Stage4BossStream5), Emit(Stage4BossStream6), End(),
    Attack(50, 120),             Spawn(Stage4BossChain1), Spawn(Stage4BossChain2), End(),
    Attack(0, 100),              Emit(Stage4BossDirFan2), Emit(Stage4BossDirFan3), End(),
    Attack(200, 300),            Emit(Stage4BossDirFan1), End(),
    Attack(240, 280),            Emit(Stage4BossAimedSpread1), Emit(Stage4BossAimedSpread2), End(),
    Attack(300, 600, Level2Or3), Spawn(Stage4BossBeam1), Spawn(Stage4BossBeam2), End(),
    Attack(600, 700),            Spawn(Stage4BossChain1), Spawn(Stage4BossChain2), End(),
    Attack(500, 700),            Emit(Stage4BossAimedSpread3), Emit(Stage4BossAimedSpread4), End(),
    Attack(770, 900),            Emit(Stage4BossFan3), Emit(Stage4BossFan4), End(),
    Attack(800, 980),            Emit(Stage4BossFan1), Emit(Stage4BossFan2), End(),
    Attack(1000, 1300, Level2Or3), Spawn(Stage4BossBeam1), Spawn(Stage4BossBeam2), End(),
    Attack(1200, 1300),          Emit(Stage4BossDirFan2), Emit(Stage4BossDirFan3), End(),
    Attack(300, 500, Level1),    Spawn(Stage4BossSmallShot1), Spawn(Stage4BossSmallShot2), Spawn(Stage4BossSmallShot3), Spawn(Stage4BossSmallShot4), Spawn(Stage4BossSmallShot5), Spawn(Stage4BossSmallShot6), Spawn(Stage4BossSmallShot7), Spawn(Stage4BossSmallShot8), Spawn(Stage4BossSmallShot9), End(),
    Attack(1020, 1200, Level1),  Spawn(Stage4BossSmallShot1), Spawn(Stage4BossSmallShot2), Spawn(Stage4BossSmallShot3), Spawn(Stage4BossSmallShot4), Spawn(Stage4BossSmallShot5), Spawn(Stage4BossSmallShot6), Spawn(Stage4BossSmallShot7), Spawn(Stage4BossSmallShot8), Spawn(Stage4BossSmallShot9), End(),
    Attack(1120, 1200, Level1),  Emit(Stage4BossDirFan2), Emit(Stage4BossDirFan3), End(),
    Attack(1100, 1200, Level1),  Emit(Stage4BossDirFan1), End(),
    Attack(1300, 1450),          Emit(Stage4BossAimedSpread3), Emit(Stage4BossAimedSpread4), End(),
    Attack(1450, 1500),          Emit(Stage4BossAimedSpread1), Emit(Stage4BossAimedSpread2), End(),
    Attack(1500, 1750),          Emit(Stage4BossStream1), Emit(Stage4BossStream2), Emit(Stage4BossStream3), Emit(Stage4BossStream4), Emit(Stage4BossStream5), Emit(Stage4BossStream6), End(),
};

// Enemies with their spawn windows, then the power-up item. Nothing here arms
// Szak6A, Szak6B or Szak6C, which move and draw all the same.
const timeline::Op kObjects[] = {
    Enemy(Szak6D), Enemy(Szak6E),
    SpinnerWave(600, 680),
    SpinnerWave(800, 900),
    SpinnerWave(1000, 1100),
    Enemy(Szak13A), Enemy(Szak13B),
    Szak13Wave(560, 600),
    Szak13Wave(700, 800),
    Szak13Wave(1100, 1200),
    Enemy(Szak12),
    Open(500, 600),              Spawn(Szak12), End(),
    Open(500, 600, Mode2),       Spawn(Szak12SmallShot1), End(),
    Open(500, 600, Sub1),        Spawn(Szak12SmallShot2), Spawn(Szak12SmallShot3), Spawn(Szak12SmallShot4), Spawn(Szak12SmallShot5), End(),
    Open(500, 600),              Spawn(Szak12DropLine1), End(),
    Enemy(Szak10),
    Open(30, 200),               Spawn(Szak10), End(),
    Enemy(Szak9),
    Open(240, 590),              Spawn(Szak9), Spawn(Szak9DropLine1), End(),
    Open(240, 590, Sub1),        Spawn(Szak9SmallShot1), End(),
    Open(240, 590, Mode2),       Spawn(Szak9SmallShot2), Spawn(Szak9SmallShot3), End(),
    Open(900, 1200),             Spawn(Szak9), Spawn(Szak9DropLine1), End(),
    Open(900, 1200, Sub1),       Spawn(Szak9SmallShot1), End(),
    Open(900, 1200),             Spawn(Szak9SmallShot2), Spawn(Szak9SmallShot3), End(),
    Enemy(Szak6A), Enemy(Szak6B), Enemy(Szak6C), Enemy(Szak21A),
    Open(100, 200),              Spawn(Szak21A), End(),
    Open(400, 500),              Spawn(Szak21A), End(),
    Open(1180, 1260),            Spawn(Szak21A), End(),
    Enemy(Szak22A),
    Open(100, 200),              Spawn(Szak22A), End(),
    Open(400, 500),              Spawn(Szak22A), End(),
    Open(1180, 1260),            Spawn(Szak22A), End(),
    Enemy(Szak51),
    Open(600, 800),              Spawn(Szak51), Emit(Szak51AimedSpread4), Emit(Szak51AimedSpread1), Emit(Szak51AimedSpread2), Emit(Szak51AimedSpread3), End(),
    Enemy(Szak52C),
    Open(640, 900),              Spawn(Szak52C), Emit(Szak52CAimedSpread1), End(),
    Open(640, 900, Sub1),        Emit(Szak52CAimedRing1), End(),
    Enemy(Szak40A),
    Open(200, 240),              Spawn(Szak40A), End(),
    Open(400, 480),              Spawn(Szak40A), End(),
    Open(1150, 1260),            Spawn(Szak40A), End(),
    Open(1260, 1300),            Spawn(Szak40A), End(),
    Enemy(Szak41A),
    Open(240, 280),              Spawn(Szak41A), End(),
    Open(400, 480),              Spawn(Szak41A), End(),
    Open(1150, 1260),            Spawn(Szak41A), End(),
    Open(1260, 1300),            Spawn(Szak41A), End(),
    Enemy(Szak40B),
    Open(280, 320),              Spawn(Szak40B), End(),
    Open(400, 480),              Spawn(Szak40B), End(),
    Open(640, 680),              Spawn(Szak40B), End(),
    Open(1150, 1260),            Spawn(Szak40B), End(),
    Open(1260, 1300),            Spawn(Szak40B), End(),
    Enemy(Szak41B),
    Open(320, 360),              Spawn(Szak41B), End(),
    Open(400, 480),              Spawn(Szak41B), End(),
    Open(640, 680),              Spawn(Szak41B), End(),
    Open(1150, 1260),            Spawn(Szak41B), End(),
    Open(1260, 1300),            Spawn(Szak41B), End(),
    Call(UpdateDrawPowerUpItem), Call(MovePowerUpItem), ItemWindows(1000, 1050),
};

// Bullet groups after UpdatePlayer; the beams only draw (their Spawn judges
// the hit). Szak52C's ring and spread are one choice by PlaySubMode.
const timeline::Op kBullets[] = {
    Draw(Stage4BossBeam1), Draw(Stage4BossBeam2), Shots(Stage4BossDirFan1), Shots(Stage4BossDirFan2), Shots(Stage4BossDirFan3),
    Shots(Stage4BossFan3), Shots(Stage4BossFan4), Shots(Stage4BossFan1), Shots(Stage4BossFan2), Shots(Stage4BossAimedSpread1),
    Shots(Stage4BossAimedSpread2), Shots(Stage4BossAimedSpread3), Shots(Stage4BossAimedSpread4), Shots(Stage4BossSmallShot1),
    Shots(Stage4BossSmallShot2), Shots(Stage4BossSmallShot3), Shots(Stage4BossSmallShot4), Shots(Stage4BossSmallShot5), Shots(Stage4BossSmallShot6),
    Shots(Stage4BossSmallShot7), Shots(Stage4BossSmallShot8), Shots(Stage4BossSmallShot9),
    If(Sub1), Move(Stage4BossDirFan1), Move(Stage4BossFan3), Move(Stage4BossFan4), Move(Stage4BossFan1), Move(Stage4BossFan2),
    Move(Stage4BossAimedSpread3), Move(Stage4BossAimedSpread4), Move(Stage4BossSmallShot1), Move(Stage4BossSmallShot2), Move(Stage4BossSmallShot3),
    Move(Stage4BossSmallShot4), Move(Stage4BossSmallShot5), Move(Stage4BossSmallShot6), Move(Stage4BossSmallShot7), Move(Stage4BossSmallShot8),
    Move(Stage4BossSmallShot9), End(),
    Shots(Stage4BossChain1), Shots(Stage4BossChain2), Shots(Stage4BossStream1), Shots(Stage4BossStream2), Shots(Stage4BossStream3),
    Shots(Stage4BossStream4), Shots(Stage4BossStream5), Shots(Stage4BossStream6), Shots(Szak6DSmallShot1), Shots(Szak6DSmallShot2),
    Shots(Szak6DSmallShot3), Shots(Szak6DAimedLine1), Shots(Szak6ESmallShot1), Shots(Szak6ESmallShot2), Shots(Szak6ESmallShot3),
    Shots(Szak6EAimedLine1), Shots(Szak13AAimedShot1), Shots(Szak13ASmallShot1), Shots(Szak13ASmallShot2), Shots(Szak13ASmallShot3),
    Shots(Szak13BAimedShot1), Shots(Szak13BSmallShot1), Shots(Szak13BSmallShot2), Shots(Szak13BSmallShot3), Shots(Szak12SmallShot1),
    Shots(Szak12SmallShot2), Shots(Szak12SmallShot3), Shots(Szak12SmallShot4), Shots(Szak12SmallShot5), Shots(Szak12DropLine1),
    Shots(Szak12DropLine2), Shots(Szak12DropLine3), Shots(Szak12DropLine4), Shots(Szak12DropLine5), Shots(Szak9SmallShot1), Shots(Szak9SmallShot2),
    Shots(Szak9SmallShot3), Shots(Szak6AAimedShot1), Shots(Szak6BAimedShot1), Shots(Szak6CAimedShot1), Shots(Szak40AAimedLine1),
    Shots(Szak40AAimedLine2), Shots(Szak41AAimedLine1), Shots(Szak41AAimedLine2), Shots(Szak51AimedSpread1), Shots(Szak51AimedSpread2),
    Shots(Szak51AimedSpread3), Shots(Szak51AimedSpread4), Shots(Szak9DropLine1),
    If(Sub1), Shots(Szak52CAimedRing1), Else(), Shots(Szak52CAimedSpread1), End(),
};

const timeline::Op kLockOn[] = {
    Call(UpdateLockLaserSzak6D), Call(UpdateLockLaserSzak6E), Call(UpdateLockLaserSzak13A), Call(UpdateLockLaserSzak13B),
    Call(UpdateHomingMissilesSzak21A), Call(UpdateHomingMissilesSzak22A), Call(UpdateHomingMissilesSzak40A), Call(UpdateHomingMissilesSzak41A),
    Call(UpdateHomingMissilesSzak40B), Call(UpdateHomingMissilesSzak41B), Call(UpdateBossMissilesStage4BossA), Call(UpdateBossMissilesStage4BossB),
};
// clang-format on

}  // namespace

#include "game/stages/rows_end.h"

extern const timeline::Timeline Stage4Timeline = {timeline::ListOf(kAttacks), timeline::ListOf(kObjects),
                                                  timeline::ListOf(kBullets), timeline::ListOf(kLockOn)};
