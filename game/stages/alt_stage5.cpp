// The alternative fifth stage: its own boss, no music. No scene runs it.
#include "game/bosses/bosses.h"
#include "game/bullets/groups.h"
#include "game/enemies/enemies.h"
#include "game/player/player.h"
#include "game/stages/driver.h"

#include "game/stages/rows.h"

namespace {

// clang-format off
// Attack windows on the boss's AttackFrame; three of them fire the stage-5
// boss's ring from where that boss stands.
const timeline::Op kAttacks[] = {
    Attack(20, 80),              Emit(AltStage5BossDirFan3), Emit(AltStage5BossDirFan4), End(),
    Attack(80, 160),             Emit(AltStage5BossDirFan1), Emit(AltStage5BossDirFan2), End(),
    Attack(160, 260),            Emit(AltStage5BossFan1), End(),
    Attack(260, 360),            Emit(Stage5BossAimedRing5), End(),
    Attack(360, 460),            Emit(AltStage5BossFan1), End(),
    Attack(390, 460),            Spawn(AltStage5BossSmallShot1), Spawn(AltStage5BossSmallShot2), Spawn(AltStage5BossSmallShot3), Spawn(AltStage5BossSmallShot4), Spawn(AltStage5BossSmallShot5), Spawn(AltStage5BossSmallShot6), Spawn(AltStage5BossSmallShot7), Spawn(AltStage5BossSmallShot8), Spawn(AltStage5BossSmallShot9), End(),
    Attack(460, 800),            Emit(Stage5BossAimedRing5), Emit(AltStage5BossDirFan3), Emit(AltStage5BossDirFan4), End(),
    Attack(800, 1220),           Emit(AltStage5BossDirFan3), Emit(AltStage5BossDirFan4), Emit(AltStage5BossDirFan1), Emit(AltStage5BossDirFan2), End(),
    Attack(1000, 1050),          Emit(Stage5BossAimedRing5), End(),
    Attack(1140, 1200),          Spawn(AltStage5BossSmallShot1), Spawn(AltStage5BossSmallShot2), Spawn(AltStage5BossSmallShot3), Spawn(AltStage5BossSmallShot4), Spawn(AltStage5BossSmallShot5), Spawn(AltStage5BossSmallShot6), Spawn(AltStage5BossSmallShot7), Spawn(AltStage5BossSmallShot8), Spawn(AltStage5BossSmallShot9), End(),
};

// The boss's bullet groups move and draw first, here; then the enemies with
// their spawn windows, then the power-up item.
const timeline::Op kObjects[] = {
    Shots(AltStage5BossDirFan3), Shots(AltStage5BossDirFan4), Shots(AltStage5BossDirFan1), Shots(AltStage5BossDirFan2), Shots(AltStage5BossFan1),
    Shots(Stage5BossAimedRing5), Shots(AltStage5BossSmallShot1), Shots(AltStage5BossSmallShot2), Shots(AltStage5BossSmallShot3),
    Shots(AltStage5BossSmallShot4), Shots(AltStage5BossSmallShot5), Shots(AltStage5BossSmallShot6), Shots(AltStage5BossSmallShot7),
    Shots(AltStage5BossSmallShot8), Shots(AltStage5BossSmallShot9), Move(Szak9), Enemy(Szak9),
    Open(220, 400),              Spawn(Szak9), Spawn(Szak9SmallShot1), Spawn(Szak9SmallShot2), Spawn(Szak9SmallShot3), End(),
    Move(Szak12), Enemy(Szak12),
    Open(400, 550),              Spawn(Szak12), Spawn(Szak12SmallShot1), Spawn(Szak12SmallShot2), Spawn(Szak12SmallShot3), Spawn(Szak12SmallShot4), Spawn(Szak12SmallShot5), End(),
    Enemy(Szak52A),
    Open(800, 900),              Spawn(Szak52A), Spawn(Szak52ASmallShot1), Spawn(Szak52ASmallShot2), Spawn(Szak52ASmallShot3), Spawn(Szak52ASmallShot4), Spawn(Szak52ASmallShot5), End(),
    Open(1120, 1170),            Spawn(Szak52A), Spawn(Szak52ASmallShot1), Spawn(Szak52ASmallShot2), Spawn(Szak52ASmallShot3), Spawn(Szak52ASmallShot4), Spawn(Szak52ASmallShot5), End(),
    Open(1480, 1550),            Spawn(Szak52A), Spawn(Szak52ASmallShot1), Spawn(Szak52ASmallShot2), Spawn(Szak52ASmallShot3), Spawn(Szak52ASmallShot4), Spawn(Szak52ASmallShot5), End(),
    Enemy(Szak52B),
    Open(800, 900),              Spawn(Szak52B), Spawn(Szak52BSmallShot1), Spawn(Szak52BSmallShot2), Spawn(Szak52BSmallShot3), Spawn(Szak52BSmallShot4), Spawn(Szak52BSmallShot5), End(),
    Open(1120, 1170),            Spawn(Szak52B), Spawn(Szak52BSmallShot1), Spawn(Szak52BSmallShot2), Spawn(Szak52BSmallShot3), Spawn(Szak52BSmallShot4), Spawn(Szak52BSmallShot5), End(),
    Open(1480, 1550),            Spawn(Szak52B), Spawn(Szak52BSmallShot1), Spawn(Szak52BSmallShot2), Spawn(Szak52BSmallShot3), Spawn(Szak52BSmallShot4), Spawn(Szak52BSmallShot5), End(),
    Enemy(Szak21A),
    Open(700, 800),              Spawn(Szak21A), Spawn(Szak21ASmallShot1), End(),
    Open(1550, 1650),            Spawn(Szak21A), Spawn(Szak21ASmallShot1), End(),
    Enemy(Szak22A),
    Open(700, 800),              Spawn(Szak22A), Spawn(Szak22ASmallShot1), End(),
    Open(1550, 1650),            Spawn(Szak22A), Spawn(Szak22ASmallShot1), End(),
    Enemy(Szak51),
    Open(400, 770),              Spawn(Szak51), Emit(Szak51AimedSpread4), End(),
    Open(400, 770, Sub1),        Emit(Szak51AimedSpread5), Emit(Szak51AimedSpread6), End(),
    Enemy(Szak53A), Enemy(Szak53B),
    Open(600, 690),              Spawn(Szak53A), Spawn(Szak53B), End(),
    Open(770, 790),              Spawn(Szak53A), Spawn(Szak53B), End(),
    Open(1000, 1050),            Spawn(Szak53A), Spawn(Szak53B), End(),
    Open(1200, 1250),            Spawn(Szak53A), Spawn(Szak53B), End(),
    Open(1350, 1400),            Spawn(Szak53A), Spawn(Szak53B), End(),
    Enemy(Szak50B), Enemy(Szak50C),
    Open(250, 300),              Spawn(Szak50B), Spawn(Szak50C), End(),
    Open(700, 750),              Spawn(Szak50B), Spawn(Szak50C), End(),
    Open(1250, 1300),            Spawn(Szak50B), Spawn(Szak50C), End(),
    Enemy(Szak54A), Enemy(Szak54B),
    Open(0, 0),                  Spawn(Szak54A), Spawn(Szak54B), End(),  // a window that cannot open
    Open(1300, 1350),            Spawn(Szak54A), Spawn(Szak54B), End(),
    Open(1070, 1120),            Spawn(Szak54A), Spawn(Szak54B), End(),
    Open(1400, 1480),            Spawn(Szak54A), Spawn(Szak54B), End(),
    Call(UpdateDrawPowerUpItem), Call(MovePowerUpItem), ItemWindows(1000, 1050),
};

// Bullet groups after UpdatePlayer; Szak51's groups are one choice by
// PlaySubMode.
const timeline::Op kBullets[] = {
    Shots(Szak9SmallShot1), Shots(Szak9SmallShot2), Shots(Szak9SmallShot3),
    If(Mode2), Move(Szak9SmallShot1), Move(Szak9SmallShot2), Move(Szak9SmallShot3), End(),
    Shots(Szak12SmallShot1), Shots(Szak12SmallShot2), Shots(Szak12SmallShot3), Shots(Szak12SmallShot4), Shots(Szak12SmallShot5),
    If(Sub1), Move(Szak12SmallShot1), Move(Szak12SmallShot2), Move(Szak12SmallShot3), Move(Szak12SmallShot4), Move(Szak12SmallShot5), End(),
    Shots(Szak52ASmallShot1), Shots(Szak52ASmallShot2), Shots(Szak52ASmallShot3), Shots(Szak52ASmallShot4), Shots(Szak52ASmallShot5),
    Shots(Szak52BSmallShot1), Shots(Szak52BSmallShot2), Shots(Szak52BSmallShot3), Shots(Szak52BSmallShot4), Shots(Szak52BSmallShot5),
    Shots(Szak21ASmallShot1), Shots(Szak21ASmallShot2), Shots(Szak21ASmallShot3), Shots(Szak21ASmallShot4), Shots(Szak21ASmallShot5),
    Shots(Szak22ASmallShot1), Shots(Szak22ASmallShot2), Shots(Szak22ASmallShot3), Shots(Szak22ASmallShot4), Shots(Szak22ASmallShot5),
    Shots(Szak53ASmallShot1), Shots(Szak53BSmallShot1), Shots(Szak50BSmallShot1), Shots(Szak50CSmallShot1), Shots(Szak54ASmallShot1),
    Shots(Szak54BSmallShot1),
    If(Sub1), Shots(Szak51AimedSpread5), Shots(Szak51AimedSpread6), Else(), Shots(Szak51AimedSpread4), End(),
};

const timeline::Op kLockOn[] = {
    Call(UpdateLockLaserSzak6D), Call(UpdateLockLaserSzak6E), Call(UpdateLockLaserSzak13A), Call(UpdateLockLaserSzak13B),
    Call(UpdateHomingMissilesSzak21A), Call(UpdateHomingMissilesSzak22A), Call(UpdateBossMissilesAltStage5BossA),
    Call(UpdateBossMissilesAltStage5BossB),
};
// clang-format on

}  // namespace

#include "game/stages/rows_end.h"

extern const timeline::Timeline AltStage5Timeline = {timeline::ListOf(kAttacks), timeline::ListOf(kObjects),
                                                    timeline::ListOf(kBullets), timeline::ListOf(kLockOn)};
