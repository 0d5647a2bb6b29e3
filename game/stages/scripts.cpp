// The parameters of the eight stage scripts, and the scene handlers of the
// five that scenes run.
#include "game/bosses/bosses.h"
#include "game/player/player.h"
#include "game/shell/shell.h"
#include "game/stages/driver.h"
#include "game/state/background.h"

#include "game/stages/rows.h"

namespace stages {

#define BOSS_OF(B) &Move##B, &Draw##B, &Defeat##B, &B##State
#define LOOP(guard, at) {timeline::Guard::guard, at}
#define NO_LOOP {timeline::Guard::None, 0}

// clang-format off
const Script kScripts[kScriptCount] = {
//   name            scene        entry        speed music           file              background (PlainBackground 0)                                       star field      boss                    (B0,  B1)    H     loop rules                                   [E0,   E1]    argument globals              timeline
    {"RunStage1",    SceneStage1, EnterStage1, 20,   Music::AtTick1, "MIDI/QTW1.MID",  {Stars(80, 80), Call(ScrollBackground1)},                            80,        80,  BOSS_OF(Stage1Boss),    1100, 10100, 1010, {LOOP(None, 4300), NO_LOOP},                 10000, 10100, &Stage1Arg,      &Stage1Arg2, &Stage1Timeline},
    {"RunStage2",    SceneStage2, nullptr,     18,   Music::AtTick1, "MIDI/QTW2.MID",  {Stars(130, 130), Call(ScrollBackground2)},                          150,       150, BOSS_OF(Stage2Boss),    1060, 11100, 980,  {LOOP(Level1Or2, 2300), LOOP(Level3, 3710)}, 11000, 11100, &Stage2Arg,      &Stage2Arg2, &Stage2Timeline},
    {"RunStage3",    SceneStage3, nullptr,     16,   Music::AtTick1, "MIDI/QTW3.MID",  {Stars(200, 150), Call(ScrollBackground3), Call(ScrollBackground2)}, 200,       150, BOSS_OF(Stage3Boss),    1470, 11100, 780,  {LOOP(None, 4900), NO_LOOP},                 11000, 11100, &Stage3Arg,      &Stage3Arg2, &Stage3Timeline},
    {"RunStage4",    SceneStage4, nullptr,     14,   Music::AtTick1, "MIDI/QTW4.MID",  {Call(ScrollBackground3), Call(ScrollBackground1)},                  220,       200, BOSS_OF(Stage4Boss),    1300, 11100, 980,  {LOOP(None, 1770), NO_LOOP},                 11000, 11100, &Stage4Arg,      &Stage4Arg2, &Stage4Timeline},
    {"RunStage5",    SceneStage5, nullptr,     20,   Music::AtTick1, "MIDI/QTW5.MID",  {Stars(160, 160), Call(ScrollBackground2), Call(ScrollBackground1)}, 200,       200, BOSS_OF(Stage5Boss),    1260, 11100, 1480, {LOOP(Level1, 3000), LOOP(Level2Or3, 4390)}, 11000, 11100, &Stage5Arg,      &Stage5Arg2, &Stage5Timeline},
    {"RunAltStage2", 0,           nullptr,     20,   Music::OnEntry, "MIDI/HMDW3.MID", {Call(ScrollBackground8), Stars(100, 100)},                          120,       120, BOSS_OF(AltStage2Boss), 1050, 11100, 590,  {LOOP(None, 1100), NO_LOOP},                 11000, 11100, &AltStage2Arg,   nullptr,     &AltStage2Timeline},
    {"RunAltStage4", 0,           nullptr,     13,   Music::OnEntry, "MIDI/KV5.MID",   {Call(ScrollBackgroundAlt4)},                                        180,       180, BOSS_OF(AltStage4Boss), 1250, 11100, 1380, {LOOP(None, 1610), NO_LOOP},                 11000, 11100, &AltStage4Arg,   nullptr,     &AltStage4Timeline},
    {"RunAltStage5", 0,           nullptr,     20,   Music::None,    nullptr,          {Call(ScrollBackground2), Call(ScrollBackground1)},                  300,       300, BOSS_OF(AltStage5Boss), 1800, 11100, 1200, {LOOP(None, 1220), NO_LOOP},                 11000, 11100, &AltStage5Arg,   nullptr,     &AltStage5Timeline},
};

const AfterPresent kAfterPresent[kScriptCount] = {
//   ring bomb waits   burst   lock lasers  auto fire  side panels  continue
//   for ShotsA off    shots   at level 3   block                   charges
    {true,             true,   false,       true,      false,       5},  // RunStage1
    {false,            true,   true,        false,     false,       5},  // RunStage2
    {false,            true,   true,        true,      false,       5},  // RunStage3
    {false,            true,   true,        true,      false,       5},  // RunStage4
    {false,            true,   false,       true,      false,       3},  // RunStage5
    {false,            false,  false,       false,     true,        5},  // RunAltStage2
    {false,            true,   false,       true,      false,       5},  // RunAltStage4
    {false,            true,   false,       true,      false,       5},  // RunAltStage5
};
// clang-format on

}  // namespace stages

#include "game/stages/rows_end.h"

void RunStage1() { stages::RunFrame(stages::kScripts[stages::Stage1], stages::kAfterPresent[stages::Stage1]); }
void RunStage2() { stages::RunFrame(stages::kScripts[stages::Stage2], stages::kAfterPresent[stages::Stage2]); }
void RunStage3() { stages::RunFrame(stages::kScripts[stages::Stage3], stages::kAfterPresent[stages::Stage3]); }
void RunStage4() { stages::RunFrame(stages::kScripts[stages::Stage4], stages::kAfterPresent[stages::Stage4]); }
void RunStage5() { stages::RunFrame(stages::kScripts[stages::Stage5], stages::kAfterPresent[stages::Stage5]); }
void RunAltStage2() { stages::RunFrame(stages::kScripts[stages::AltStage2], stages::kAfterPresent[stages::AltStage2]); }
void RunAltStage4() { stages::RunFrame(stages::kScripts[stages::AltStage4], stages::kAfterPresent[stages::AltStage4]); }
void RunAltStage5() { stages::RunFrame(stages::kScripts[stages::AltStage5], stages::kAfterPresent[stages::AltStage5]); }
