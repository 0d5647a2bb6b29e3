// Stage 5: Szak10 with its endless drops, the droppers and spinners, the
// heavy ships and the mid-size ships, then the last boss.
#include "game/bullets/groups.h"
#include "game/enemies/enemies.h"
#include "game/player/player.h"
#include "game/stages/driver.h"

#include "game/stages/rows.h"

namespace {

// clang-format off
// Attack windows on the boss's AttackFrame, in the order they are tested: the
// spirals and streams come earlier and shorter at level 1, later and longer
// (with the large drops) at levels 2 and 3.
const timeline::Op kAttacks[] = {
    Attack(5, 500),              Emit(Stage5BossSpiral5), Emit(Stage5BossSpiral6), End(),
    Attack(1500, 2500, Level1),  Emit(Stage5BossSpiral1), Emit(Stage5BossSpiral2), Emit(Stage5BossSpiral3), Emit(Stage5BossSpiral4), End(),
    Attack(2000, 2500, Level1),  Emit(Stage5BossSpiral5), Emit(Stage5BossSpiral6), Emit(Stage5BossSpiral7), Emit(Stage5BossSpiral8), End(),
    Attack(2350, 2800, Level1),  Emit(Stage5BossStream1), Emit(Stage5BossStream2), Emit(Stage5BossStream3), Emit(Stage5BossStream4), Emit(Stage5BossStream5), Emit(Stage5BossStream6), Emit(Stage5BossStream7), Emit(Stage5BossStream8), End(),
    Attack(2510, 3000, Level1),  Emit(Stage5BossSpiral9), Emit(Stage5BossSpiral10), End(),
    Attack(1900, 3300, Level2Or3), Emit(Stage5BossSpiral1), Emit(Stage5BossSpiral2), Emit(Stage5BossSpiral3), Emit(Stage5BossSpiral4), End(),
    Attack(2400, 3300, Level2Or3), Emit(Stage5BossSpiral5), Emit(Stage5BossSpiral6), Emit(Stage5BossSpiral7), Emit(Stage5BossSpiral8), End(),
    Attack(3310, 4000, Level2Or3), Emit(Stage5BossSpiral9), Emit(Stage5BossSpiral10), End(),
    Attack(3800, 4390, Level2Or3), Emit(Stage5BossStream1), Emit(Stage5BossStream2), Emit(Stage5BossStream3), Emit(Stage5BossStream4), Emit(Stage5BossStream5), Emit(Stage5BossStream6), Emit(Stage5BossStream7), Emit(Stage5BossStream8), End(),
    Attack(0, 400),              Emit(Stage5BossStream1), Emit(Stage5BossStream2), Emit(Stage5BossStream3), Emit(Stage5BossStream4), Emit(Stage5BossStream5), Emit(Stage5BossStream6), Emit(Stage5BossStream7), Emit(Stage5BossStream8), End(),
    Attack(50, 100),             Emit(Stage5BossFan2), Emit(Stage5BossFan3), End(),
    Attack(100, 400),            Emit(Stage5BossFan4), Emit(Stage5BossFan5), End(),
    Attack(150, 400),            Emit(Stage5BossFan2), Emit(Stage5BossFan3), End(),
    Attack(400, 600),            Emit(Stage5BossAimedRing3), End(),
    Attack(450, 500),            Emit(Stage5BossFan1), End(),
    Attack(500, 700),            Emit(Stage5BossFan2), Emit(Stage5BossFan3), End(),
    Attack(480, 580),            Emit(Stage5BossTwinShot1), Emit(Stage5BossTwinShot2), End(),
    Attack(700, 1000),           Emit(Stage5BossFan2), Emit(Stage5BossFan3), End(),
    Attack(880, 1080),           Emit(Stage5BossAimedRing5), End(),
    Attack(680, 980, Level2Or3), Emit(Stage5BossLargeDrop1), Emit(Stage5BossLargeDrop2), End(),
    Attack(750, 1100),           Emit(Stage5BossFan4), Emit(Stage5BossFan5), End(),
    Attack(1100, 1500, Level2Or3), Emit(Stage5BossLargeDrop1), Emit(Stage5BossLargeDrop2), End(),
    Attack(1270, 1400),          Emit(Stage5BossFan4), Emit(Stage5BossFan5), End(),
    Attack(1300, 1400),          Emit(Stage5BossFan2), Emit(Stage5BossFan3), End(),
    Attack(1340, 1500),          Emit(Stage5BossAimedRing1), End(),
    Attack(1800, 2100),          Emit(Stage5BossAimedRing3), End(),
    Attack(2100, 2400),          Emit(Stage5BossAimedRing4), End(),
    Attack(1500, 1960, Level2Or3), Emit(Stage5BossLargeDrop3), Emit(Stage5BossLargeDrop4), End(),
    Attack(1750, 1900, Level2Or3), Emit(Stage5BossLargeDrop1), Emit(Stage5BossLargeDrop2), End(),
};

// Enemies with their spawn windows, then the power-up item. Szak10 moves three
// times a frame and its drops are re-armed on every frame.
const timeline::Op kObjects[] = {
    Move(Szak10), Move(Szak10), Enemy(Szak10), Spawn(Szak10DropLine1),
    Open(100, 200),              Spawn(Szak10), End(),
    If(Sub1), Move(Szak9), End(),
    Enemy(Szak9),
    Open(200, 400),              Spawn(Szak9), Spawn(Szak9DropLine1), Spawn(Szak9SmallShot1), Spawn(Szak9SmallShot2), Spawn(Szak9SmallShot3), End(),
    Open(900, 1200),             Spawn(Szak9), Spawn(Szak9DropLine1), Spawn(Szak9SmallShot1), Spawn(Szak9SmallShot2), Spawn(Szak9SmallShot3), End(),
    If(Sub1), Move(Szak6A), End(),
    Enemy(Szak6A),
    Open(500, 650),              Spawn(Szak6A), Spawn(Szak6AAimedShot1), End(),
    Move(Szak6B), Enemy(Szak6B),
    Open(600, 750),              Spawn(Szak6B), Spawn(Szak6BAimedShot1), End(),
    Move(Szak6C), Enemy(Szak6C),
    Open(650, 900),              Spawn(Szak6C), Spawn(Szak6CAimedShot1), End(),
    Enemy(Szak52A),
    Open(500, 650),              Spawn(Szak52A), Spawn(Szak52ASmallShot1), Spawn(Szak52ASmallShot2), Spawn(Szak52ASmallShot3), Spawn(Szak52ASmallShot4), Spawn(Szak52ASmallShot5), Emit(Szak52AAimedSpread2), Emit(Szak52AAimedSpread3), End(),
    Open(920, 1000),             Spawn(Szak52A), Spawn(Szak52ASmallShot1), Spawn(Szak52ASmallShot2), Spawn(Szak52ASmallShot3), Spawn(Szak52ASmallShot4), Spawn(Szak52ASmallShot5), Emit(Szak52AAimedSpread2), Emit(Szak52AAimedSpread3), End(),
    Enemy(Szak52B),
    Open(500, 650),              Spawn(Szak52B), Spawn(Szak52BSmallShot1), Spawn(Szak52BSmallShot2), Spawn(Szak52BSmallShot3), Spawn(Szak52BSmallShot4), Spawn(Szak52BSmallShot5), Emit(Szak52BAimedSpread2), Emit(Szak52BAimedSpread3), End(),
    Open(920, 1000),             Spawn(Szak52B), Spawn(Szak52BSmallShot1), Spawn(Szak52BSmallShot2), Spawn(Szak52BSmallShot3), Spawn(Szak52BSmallShot4), Spawn(Szak52BSmallShot5), Emit(Szak52BAimedSpread2), Emit(Szak52BAimedSpread3), End(),
    Enemy(Szak30B),
    Open(50, 100),               Spawn(Szak30B), End(),
    Open(430, 500),              Spawn(Szak30B), End(),
    Open(830, 900),              Spawn(Szak30B), End(),
    Open(920, 1000),             Spawn(Szak30B), End(),
    Enemy(Szak31B),
    Open(50, 100),               Spawn(Szak31B), End(),
    Open(400, 500),              Spawn(Szak31B), End(),
    Open(850, 900),              Spawn(Szak31B), End(),
    Open(920, 1000),             Spawn(Szak31B), End(),
    Enemy(Szak21A),
    Open(820, 900),              Spawn(Szak21A), Spawn(Szak21ADropLine1), End(),
    Open(1100, 1230),            Spawn(Szak21A), Spawn(Szak21ADropLine1), End(),
    Enemy(Szak22A),
    Open(820, 900),              Spawn(Szak22A), Spawn(Szak22ADropLine1), End(),
    Open(1100, 1230),            Spawn(Szak22A), Spawn(Szak22ADropLine1), End(),
    Enemy(Szak21C), Enemy(Szak22C),
    Open(1220, 1310),            Spawn(Szak21C), Spawn(Szak21CSmallShot1), Spawn(Szak21CSmallShot2), Spawn(Szak21CSmallShot3), Spawn(Szak21CSmallShot4), Spawn(Szak22C), Spawn(Szak22CSmallShot1), Spawn(Szak22CSmallShot2), Spawn(Szak22CSmallShot3), Spawn(Szak22CSmallShot4), End(),
    Enemy(Szak53A), Enemy(Szak53B),
    Open(600, 640),              Spawn(Szak53A), Spawn(Szak53B), Emit(Szak53ASpiral1), Emit(Szak53ASpiral2), Emit(Szak53BSpiral1), Emit(Szak53BSpiral2), End(),
    Open(770, 810),              Spawn(Szak53A), Spawn(Szak53B), Emit(Szak53ASpiral1), Emit(Szak53ASpiral2), Emit(Szak53BSpiral1), Emit(Szak53BSpiral2), End(),
    Enemy(Szak50B), Enemy(Szak50C),
    Open(250, 300),              Spawn(Szak50B), Spawn(Szak50C), End(),
    Open(660, 700),              Spawn(Szak50B), Spawn(Szak50C), End(),
    Enemy(Szak54A), Enemy(Szak54B),
    Open(700, 750),              Spawn(Szak54A), Spawn(Szak54B), End(),
    Call(UpdateDrawPowerUpItem), Call(MovePowerUpItem), ItemWindows(1000, 1050),
};

// Bullet groups after UpdatePlayer, the stage-2 boss's groups first (nothing
// in this stage arms them).
const timeline::Op kBullets[] = {
    Shots(Stage2BossAimedRing1), Shots(Stage2BossAimedRing2), Shots(Stage2BossDirFan3), Shots(Stage2BossDirFan4), Shots(Stage2BossWideFan1),
    Shots(Stage2BossWideFan2), Shots(Stage2BossDirFan1), Shots(Stage2BossDirFan2), Shots(Stage2BossFan1), Shots(Stage2BossTwinShot1),
    Shots(Stage2BossTwinShot2), Shots(Stage2BossSmallShot1), Shots(Stage2BossSmallShot2), Shots(Stage2BossSmallShot3), Shots(Stage2BossSmallShot4),
    Shots(Stage2BossSmallShot5), Shots(Stage2BossSmallShot6), Shots(Stage2BossSmallShot7), Shots(Stage2BossSmallShot8), Shots(Stage2BossSmallShot9),
    Shots(Stage5BossLargeDrop1), Shots(Stage5BossLargeDrop2), Shots(Stage5BossLargeDrop3), Shots(Stage5BossLargeDrop4), Shots(Stage5BossFan4),
    Shots(Stage5BossFan5), Shots(Stage5BossFan2), Shots(Stage5BossFan3), Shots(Stage5BossFan1), Shots(Stage5BossAimedRing3),
    Shots(Stage5BossAimedRing4), Shots(Stage5BossAimedRing1), Shots(Stage5BossTwinShot1), Shots(Stage5BossTwinShot2), Shots(Stage5BossSmallShot1),
    Shots(Stage5BossSmallShot2), Shots(Stage5BossSmallShot3), Shots(Stage5BossSmallShot4), Shots(Stage5BossSmallShot5), Shots(Stage5BossSmallShot6),
    Shots(Stage5BossSmallShot7), Shots(Stage5BossAimedRing5), Shots(Stage5BossSpiral1), Shots(Stage5BossSpiral2), Shots(Stage5BossSpiral3),
    Shots(Stage5BossSpiral4), Shots(Stage5BossSpiral5), Shots(Stage5BossSpiral6), Shots(Stage5BossSpiral7), Shots(Stage5BossSpiral8),
    Shots(Stage5BossSpiral9), Shots(Stage5BossSpiral10), Shots(Stage5BossStream1), Shots(Stage5BossStream2), Shots(Stage5BossStream3),
    Shots(Stage5BossStream4), Shots(Stage5BossStream5), Shots(Stage5BossStream6), Shots(Stage5BossStream7), Shots(Stage5BossStream8),
    If(Sub1), Move(Stage5BossFan4), Move(Stage5BossFan5), Move(Stage5BossFan2), Move(Stage5BossFan3), Move(Stage5BossFan1), End(),
    Shots(Szak9SmallShot1), Shots(Szak9SmallShot2), Shots(Szak9SmallShot3),
    If(Sub1), Move(Szak9SmallShot1), Move(Szak9SmallShot2), Move(Szak9SmallShot3), Move(Szak6AAimedShot1), End(),
    Shots(Szak6AAimedShot1),
    If(Sub1), Move(Szak6BAimedShot1), End(),
    Shots(Szak6BAimedShot1), Shots(Szak6CAimedShot1), Shots(Szak52ASmallShot1), Shots(Szak52ASmallShot2), Shots(Szak52ASmallShot3),
    Shots(Szak52ASmallShot4), Shots(Szak52ASmallShot5), Shots(Szak52AAimedSpread1), Shots(Szak52AAimedSpread2), Shots(Szak52AAimedSpread3),
    Shots(Szak52BSmallShot1), Shots(Szak52BSmallShot2), Shots(Szak52BSmallShot3), Shots(Szak52BSmallShot4), Shots(Szak52BSmallShot5),
    Shots(Szak52BAimedSpread1), Shots(Szak52BAimedSpread2), Shots(Szak52BAimedSpread3), Shots(Szak21ASmallShot1), Shots(Szak21ASmallShot2),
    Shots(Szak21ASmallShot3), Shots(Szak21ASmallShot4), Shots(Szak21ASmallShot5), Shots(Szak22ASmallShot1), Shots(Szak22ASmallShot2),
    Shots(Szak22ASmallShot3), Shots(Szak22ASmallShot4), Shots(Szak22ASmallShot5), Shots(Szak21CSmallShot1), Shots(Szak21CSmallShot2),
    Shots(Szak21CSmallShot3), Shots(Szak21CSmallShot4), Shots(Szak22CSmallShot1), Shots(Szak22CSmallShot2), Shots(Szak22CSmallShot3),
    Shots(Szak22CSmallShot4), Shots(Szak30BAimedShot1), Shots(Szak31BAimedShot1), Shots(Szak53ASpiral1), Shots(Szak53ASpiral2),
    Shots(Szak53ASmallShot1), Shots(Szak53BSpiral1), Shots(Szak53BSpiral2), Shots(Szak53BSmallShot1), Shots(Szak50BSmallShot1),
    Shots(Szak50CSmallShot1), Shots(Szak54ASmallShot1), Shots(Szak54BSmallShot1), Shots(Szak10DropLine1), Shots(Szak9DropLine1),
    Shots(Szak21ADropLine1), Shots(Szak22ADropLine1), Shots(Szak50BChain1), Shots(Szak50BChain2), Shots(Szak50CChain1), Shots(Szak50CChain2),
};

const timeline::Op kLockOn[] = {
    Call(UpdateLockLaserSzak6D), Call(UpdateLockLaserSzak6E), Call(UpdateLockLaserSzak13A), Call(UpdateLockLaserSzak13B),
    Call(UpdateHomingMissilesSzak21A), Call(UpdateHomingMissilesSzak22A), Call(UpdateBossMissilesStage2BossA), Call(UpdateBossMissilesStage2BossB),
    Call(UpdateBossMissilesStage5BossA), Call(UpdateBossMissilesStage5BossB),
};
// clang-format on

}  // namespace

#include "game/stages/rows_end.h"

extern const timeline::Timeline Stage5Timeline = {timeline::ListOf(kAttacks), timeline::ListOf(kObjects),
                                                  timeline::ListOf(kBullets), timeline::ListOf(kLockOn)};
