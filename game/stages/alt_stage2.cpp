// The alternative second stage: its own boss and music and the side panels.
// No scene runs it.
#include "game/bosses/bosses.h"
#include "game/bullets/groups.h"
#include "game/enemies/enemies.h"
#include "game/player/player.h"
#include "game/stages/driver.h"

#include "game/stages/rows.h"

namespace {

// clang-format off
// Attack windows on the boss's AttackFrame; the small shots only off the
// usual play mode, as one block.
const timeline::Op kAttacks[] = {
    Attack(0, 100),              Emit(Stage2BossSlantFan1), End(),
    Attack(0, 100),              Emit(Stage2BossSlantFan2), End(),
    Attack(100, 200),            Emit(Stage2BossTwinShot3), End(),
    Attack(100, 200),            Emit(Stage2BossTwinShot4), End(),
    Attack(200, 300),            Emit(AltStage2BossFan2), End(),
    Attack(200, 300),            Emit(AltStage2BossFan3), End(),
    Attack(300, 370),            Emit(AltStage2BossFan1), End(),
    Attack(380, 600),            Emit(Stage2BossSlantFan1), Emit(Stage2BossSlantFan2), End(),
    Attack(600, 800),            Emit(AltStage2BossFan4), End(),
    Attack(600, 800),            Emit(AltStage2BossFan5), End(),
    Attack(700, 900),            Emit(Stage2BossTwinShot3), End(),
    Attack(700, 900),            Emit(Stage2BossTwinShot4), End(),
    Attack(900, 1100),           Emit(Stage2BossSlantFan1), Emit(Stage2BossSlantFan2), End(),
    Attack(980, 1180),           Emit(AltStage2BossFan1), End(),
    If(ModeNot1),
        Attack(50, 100),             Spawn(AltStage2BossSmallShot1), Spawn(AltStage2BossSmallShot5), End(),
        Attack(250, 300),            Spawn(AltStage2BossSmallShot1), Spawn(AltStage2BossSmallShot2), Spawn(AltStage2BossSmallShot3), Spawn(AltStage2BossSmallShot4), Spawn(AltStage2BossSmallShot5), End(),
        Attack(500, 600),            Spawn(AltStage2BossSmallShot1), Spawn(AltStage2BossSmallShot2), Spawn(AltStage2BossSmallShot5), End(),
    End(),
};

// Enemies with their spawn windows (Szak10 moves three times a frame),
// then the power-up item, moved before it is drawn.
const timeline::Op kObjects[] = {
    Move(Szak10), Move(Szak10), Enemy(Szak10),
    Open(50, 100),               Spawn(Szak10), End(),
    Enemy(Szak1A), Enemy(Szak1B),
    Open(150, 200),              Spawn(Szak1A), Spawn(Szak1AAimedShot1), Spawn(Szak1B), Spawn(Szak1BAimedShot1), End(),
    Open(750, 840),              Spawn(Szak1A), Spawn(Szak1AAimedShot1), Spawn(Szak1B), Spawn(Szak1BAimedShot1), End(),
    Enemy(Szak9),
    Open(200, 300),              Spawn(Szak9), Spawn(Szak9SmallShot1), Spawn(Szak9SmallShot2), Spawn(Szak9SmallShot3), Move(Szak9), If(ModeNot1), Move(Szak9SmallShot1), Move(Szak9SmallShot2), Move(Szak9SmallShot3), End(), End(),
    Enemy(Szak32A),
    Open(300, 350),              Spawn(Szak32A), End(),
    Open(500, 550),              Spawn(Szak32A), End(),
    Enemy(Szak33A),
    Open(300, 350),              Spawn(Szak33A), End(),
    Open(500, 550),              Spawn(Szak33A), End(),
    Enemy(Szak30B),
    Open(550, 600),              Spawn(Szak30B), End(),
    Open(800, 860),              Spawn(Szak30B), End(),
    Open(1000, 1100),            Spawn(Szak30B), End(),
    Enemy(Szak31B),
    Open(550, 600),              Spawn(Szak31B), End(),
    Open(800, 860),              Spawn(Szak31B), End(),
    Open(1000, 1100),            Spawn(Szak31B), End(),
    Enemy(Szak32B),
    Open(600, 650),              Spawn(Szak32B), End(),
    Open(750, 800),              Spawn(Szak32B), End(),
    Enemy(Szak33B),
    Open(600, 650),              Spawn(Szak33B), End(),
    Open(750, 800),              Spawn(Szak33B), End(),
    Enemy(Szak6A),
    Open(350, 450),              Spawn(Szak6A), Spawn(Szak6AAimedShot1), End(),
    Enemy(Szak6B),
    Open(400, 500),              Spawn(Szak6B), Spawn(Szak6BAimedShot1), End(),
    Enemy(Szak6C),
    Open(600, 650),              Move(Szak6C), Move(Szak6C), Spawn(Szak6C), Spawn(Szak6CAimedShot1), End(),
    Enemy(Szak40A),
    Open(100, 150),              Spawn(Szak40A), End(),
    Enemy(Szak41A),
    Open(650, 700),              Spawn(Szak41A), End(),
    Enemy(Szak21C),
    Open(100, 200),              Spawn(Szak21C), Spawn(Szak21CSmallShot1), Spawn(Szak21CSmallShot2), Spawn(Szak21CSmallShot3), Spawn(Szak21CSmallShot4), End(),
    Open(400, 500),              Spawn(Szak21C), Spawn(Szak21CSmallShot1), Spawn(Szak21CSmallShot2), Spawn(Szak21CSmallShot3), Spawn(Szak21CSmallShot4), End(),
    Enemy(Szak22C),
    Open(100, 200),              Spawn(Szak22C), Spawn(Szak22CSmallShot1), Spawn(Szak22CSmallShot2), Spawn(Szak22CSmallShot3), Spawn(Szak22CSmallShot4), End(),
    Open(400, 500),              Spawn(Szak22C), Spawn(Szak22CSmallShot1), Spawn(Szak22CSmallShot2), Spawn(Szak22CSmallShot3), Spawn(Szak22CSmallShot4), End(),
    Enemy(Szak21A),
    Open(700, 750),              Spawn(Szak21A), Spawn(Szak21ASmallShot1), Spawn(Szak21ASmallShot2), Spawn(Szak21ASmallShot3), Spawn(Szak21ASmallShot4), Spawn(Szak21ASmallShot5), End(),
    Open(850, 1000),             Spawn(Szak21A), Spawn(Szak21ASmallShot1), Spawn(Szak21ASmallShot2), Spawn(Szak21ASmallShot3), Spawn(Szak21ASmallShot4), Spawn(Szak21ASmallShot5), End(),
    Enemy(Szak22A),
    Open(700, 750),              Spawn(Szak22A), Spawn(Szak22ASmallShot1), Spawn(Szak22ASmallShot2), Spawn(Szak22ASmallShot3), Spawn(Szak22ASmallShot4), Spawn(Szak22ASmallShot5), End(),
    Open(850, 1000),             Spawn(Szak22A), Spawn(Szak22ASmallShot1), Spawn(Szak22ASmallShot2), Spawn(Szak22ASmallShot3), Spawn(Szak22ASmallShot4), Spawn(Szak22ASmallShot5), End(),
    Enemy(Szak52C),
    Open(680, 950),              If(Sub1), Emit(Szak52CAimedSpread1), End(), If(Mode2OrSub1), Emit(Szak52CTwinShot1), End(), If(Sub1), Emit(Szak52CTwinShot2), End(), If(Sub1), Emit(Szak52CAimedRing1), End(), End(),
    Enemy(Szak51),
    Open(600, 980),              If(Mode2OrSub1), Emit(Szak51AimedSpread1), End(), Emit(Szak51AimedSpread2), Emit(Szak51AimedSpread3), If(Sub1), Emit(Szak51AimedSpread4), End(), Emit(Szak51TwinShot1), If(Sub1), Emit(Szak51TwinShot2), End(), If(Sub1), Emit(Szak51AimedSpread5), Emit(Szak51AimedSpread6), End(), End(),
    Call(MovePowerUpItem), Call(UpdateDrawPowerUpItem), ItemWindows(1000, 1050),
};

// Bullet groups after UpdatePlayer; Szak51's groups are one choice by
// PlaySubMode.
const timeline::Op kBullets[] = {
    Shots(AltStage2BossFan4), Shots(AltStage2BossFan5), Shots(AltStage2BossFan2), Shots(AltStage2BossFan3), Shots(AltStage2BossFan1),
    Shots(AltStage2BossAimedRing1), Shots(AltStage2BossAimedRing2), Shots(AltStage2BossSmallShot1), Shots(AltStage2BossSmallShot2),
    Shots(AltStage2BossSmallShot3), Shots(AltStage2BossSmallShot4), Shots(AltStage2BossSmallShot5), Shots(Stage2BossSlantFan1),
    Shots(Stage2BossSlantFan2), Shots(Stage2BossTwinShot3), Shots(Stage2BossTwinShot4),
    If(Sub1), Move(AltStage2BossFan4), Move(AltStage2BossFan5), Move(AltStage2BossFan2), Move(AltStage2BossFan3), Move(AltStage2BossFan1), End(),
    Shots(Szak9SmallShot1), Shots(Szak9SmallShot2), Shots(Szak9SmallShot3), Shots(Szak6AAimedShot1), Shots(Szak6BAimedShot1),
    Shots(Szak6CAimedShot1), Shots(Szak32AAimedLine1), Shots(Szak32AAimedLine2), Shots(Szak33AAimedLine1), Shots(Szak33AAimedLine2),
    Shots(Szak40AAimedLine1), Shots(Szak40AAimedLine2), Shots(Szak41AAimedLine1), Shots(Szak41AAimedLine2), Shots(Szak30BAimedShot1),
    Shots(Szak31BAimedShot1), Shots(Szak32BAimedShot1), Shots(Szak33BAimedShot1), Shots(Szak21CSmallShot1), Shots(Szak21CSmallShot2),
    Shots(Szak21CSmallShot3), Shots(Szak21CSmallShot4), Shots(Szak22CSmallShot1), Shots(Szak22CSmallShot2), Shots(Szak22CSmallShot3),
    Shots(Szak22CSmallShot4),
    If(Sub1), Shots(Szak51AimedSpread5), Shots(Szak51AimedSpread6), Else(), Shots(Szak51AimedSpread4), Shots(Szak51TwinShot1), Shots(Szak51TwinShot2), End(),
    Shots(Szak51AimedSpread1), Shots(Szak51AimedSpread2), Shots(Szak51AimedSpread3), Shots(Szak52CTwinShot1), Shots(Szak52CTwinShot2), Shots(Szak60SmallShot1),
};

const timeline::Op kLockOn[] = {
    Call(UpdateLockLaserSzak6D), Call(UpdateLockLaserSzak6E), Call(UpdateLockLaserSzak13A), Call(UpdateLockLaserSzak13B),
    Call(UpdateHomingMissilesSzak21A), Call(UpdateHomingMissilesSzak22A), Call(UpdateHomingMissilesSzak40A), Call(UpdateHomingMissilesSzak41A),
    Call(UpdateHomingMissilesSzak40B), Call(UpdateHomingMissilesSzak41B), Call(UpdateBossMissilesAltStage2BossA),
    Call(UpdateBossMissilesAltStage2BossB),
};
// clang-format on

}  // namespace

#include "game/stages/rows_end.h"

extern const timeline::Timeline AltStage2Timeline = {timeline::ListOf(kAttacks), timeline::ListOf(kObjects),
                                                    timeline::ListOf(kBullets), timeline::ListOf(kLockOn)};
