// The stage driver: one frame of every stage script, read from the script's
// parameter rows and its timeline.
#pragma once
#include <cstdint>

#include "game/bosses/boss_state.h"
#include "game/stages/timeline.h"

// The scripts' argument globals: never written, so always 0; passed to every
// object function that takes an argument.
extern int32_t Stage1Arg, Stage1Arg2, Stage2Arg, Stage2Arg2, Stage3Arg, Stage3Arg2;
extern int32_t Stage4Arg, Stage4Arg2, Stage5Arg, Stage5Arg2;
extern int32_t AltStage2Arg, AltStage4Arg, AltStage5Arg;

namespace stages {

// StageTick goes back to 0 when it reaches this count.
constexpr uint32_t kTickWrap = 100999999;

enum class Music : uint8_t {
    AtTick1,  // the tick counts frames and the music starts when it is 1
    OnEntry,  // no tick; the music starts on the entry frame
    None,     // no tick, no music
};

// The attack counter restarts at 0 once it reaches `at`, when the guard holds.
struct LoopRule {
    timeline::Guard guard;
    int32_t at;
};

// What a script draws, times and fights: the stage parameters.
struct Script {
    const char* name;
    uint32_t scene;                 // 0: no scene runs it
    void (*entryWork)();            // on the entry frame, before the pause test; may be null
    float speed;                    // clock units per second
    Music music;
    const char* musicFile;
    timeline::Op layers[3];         // PlainBackground 0, in call order
    int32_t starRange, starMinimum; // PlainBackground 1: the star field alone
    void (*moveBoss)();
    void (*drawBoss)();
    void (*defeatBoss)();
    BossState* boss;
    int32_t bossFrom, bossTo;       // the boss window, open at both ends
    int32_t ceiling;                // attacks while 0 < health < ceiling
    LoopRule loops[2];              // tested in this order; guard None with at 0: unused
    int32_t endFrom, endTo;         // the time-out window, closed
    const int32_t* arg;
    const int32_t* arg2;
    const timeline::Timeline* timeline;
};

// What a script runs after the present, and its continue.
struct AfterPresent {
    bool ringBombNeedsShotsOff;  // the ring bomb also waits for ShotsAEnabled 0
    bool burstShots;             // EmitBurstShots while BurstActive is 1
    bool lockLasers;             // the four lock-laser emitters at GameLevel 3
    bool autoFire;               // the automatic-fire block while AutoFire is 1
    bool sidePanels;             // DrawSidePanels after CheckGameOver
    int32_t continueCharges;     // BombCharges after a continue
};

enum ScriptId { Stage1, Stage2, Stage3, Stage4, Stage5, AltStage2, AltStage4, AltStage5, kScriptCount };

extern const Script kScripts[kScriptCount];
extern const AfterPresent kAfterPresent[kScriptCount];

// Stage 1's entry work: the stage starts unpaused, without the continue
// prompt, and with the old lives step off.
void EnterStage1();

// Runs one frame of a script.
void RunFrame(const Script& script, const AfterPresent& after);

// Every call the driver makes goes to this observer instead, while it is set
// (tests): the function's address, the arguments it would get (the star
// field's constants, SetWaitVBlank's flag, the argument globals) and, for the
// music, the file name.
struct Seen {
    const void* fn;
    int32_t a, b;
    const char* text;
};
extern void (*Observer)(const Seen& call);

}  // namespace stages

extern const timeline::Timeline Stage1Timeline, Stage2Timeline, Stage3Timeline, Stage4Timeline,
    Stage5Timeline, AltStage2Timeline, AltStage4Timeline, AltStage5Timeline;

// The three scripts that no scene runs, built all the same.
void RunAltStage2();
void RunAltStage4();
void RunAltStage5();
