// The words a timeline is written in. The short names are macros, so they
// open here and end at game/stages/rows_end.h: a timeline's source file
// includes this after every other header, writes its tables, and includes
// rows_end.h after the last of them. No header includes this.
//
//   Move(Szak10), UpdateDraw(Szak10), Spawn(Szak10), Emit(Stage1BossSpiral3),
//   Draw(Stage4BossBeam1)        one call of that object function
//   Call(SpawnPowerUpItem)       one call of any other function
//   Enemy(Szak10)                Move then UpdateDraw of an enemy type
//   Shots(Szak10DropLine1)       Move then Draw of a bullet group
//   ShotsDrawFirst(Szak9SmallShot1)   Draw then Move
//   Stars(range, minimum)        the star field with its two constants
//   Open(a, b [, Guard])         a < StageClock < b
//   Closed(a, b [, Guard])       a <= StageClock <= b
//   Attack(a, b [, Guard])       a <= AttackFrame <= b
//   HealthIn(a, b)               a <= the boss's health <= b
//   If(Guard)                    a block behind a game-mode guard
//   Else(), End()
//
// A call passes the script's argument globals where the function takes
// arguments; the driver reads the arity from the function's own type.
#ifdef TIMELINE_WORDS
#error "rows.h: the timeline words are open already; end them with rows_end.h first"
#endif
#define TIMELINE_WORDS
#include "game/stages/timeline.h"

#define Call(F) timeline::Op::Fn(&F)
#define Move(X) timeline::Op::Fn(&Move##X)
#define Draw(X) timeline::Op::Fn(&Draw##X)
#define UpdateDraw(X) timeline::Op::Fn(&UpdateDraw##X)
#define Spawn(X) timeline::Op::Fn(&Spawn##X)
#define Emit(X) timeline::Op::Fn(&Emit##X)
#define Enemy(X) Move(X), UpdateDraw(X)
#define Shots(X) Move(X), Draw(X)
#define ShotsDrawFirst(X) Draw(X), Move(X)
#define Stars(range, minimum) timeline::Op::Const(&DrawStarField, range, minimum)
#define TIMELINE_WINDOW(kind, a, b, ...) \
    timeline::Op::Window(timeline::Kind::kind, a, b __VA_OPT__(, timeline::Guard::__VA_ARGS__))
#define Open(a, b, ...) TIMELINE_WINDOW(ClockOpen, a, b __VA_OPT__(, ) __VA_ARGS__)
#define Closed(a, b, ...) TIMELINE_WINDOW(ClockClosed, a, b __VA_OPT__(, ) __VA_ARGS__)
#define Attack(a, b, ...) TIMELINE_WINDOW(Attack, a, b __VA_OPT__(, ) __VA_ARGS__)
#define HealthIn(a, b) TIMELINE_WINDOW(Health, a, b)
#define If(g) timeline::Op::When(timeline::Guard::g)
#define Else() timeline::Op::Mark(timeline::Kind::Else)
#define End() timeline::Op::Mark(timeline::Kind::End)

// The power-up item's five spawn windows; only the last differs by script.
#define ItemWindows(a5, b5)                                                                          \
    Closed(100, 150), Call(SpawnPowerUpItem), End(), Closed(300, 350), Call(SpawnPowerUpItem), End(), \
        Closed(500, 550), Call(SpawnPowerUpItem), End(), Closed(800, 850), Call(SpawnPowerUpItem),     \
        End(), Closed(a5, b5), Call(SpawnPowerUpItem), End()

// A wave of the spinners Szak6D and Szak6E over the open window (a, b), each
// with its first aimed line; their shot groups as the later stages arm them,
// three of the six only when PlaySubMode is 1.
#define SpinnerWave(a, b)                                                                          \
    Open(a, b), Spawn(Szak6D), Spawn(Szak6DAimedLine1), End(),                                     \
        Open(a, b, Sub1), Spawn(Szak6DSmallShot1), Spawn(Szak6DSmallShot2), End(),                 \
        Open(a, b), Spawn(Szak6DSmallShot3), Spawn(Szak6E), Spawn(Szak6EAimedLine1), End(),        \
        Open(a, b, Sub1), Spawn(Szak6ESmallShot1), End(), Open(a, b), Spawn(Szak6ESmallShot2), End(), \
        Open(a, b, Sub1), Spawn(Szak6ESmallShot3), End()

// A wave of the Szak13A and Szak13B pair over the open window (a, b), in the
// same pattern with their aimed shots.
#define Szak13Wave(a, b)                                                                             \
    Open(a, b), Spawn(Szak13A), Spawn(Szak13AAimedShot1), End(),                                     \
        Open(a, b, Sub1), Spawn(Szak13ASmallShot1), Spawn(Szak13ASmallShot2), End(),                 \
        Open(a, b), Spawn(Szak13ASmallShot3), Spawn(Szak13B), Spawn(Szak13BAimedShot1), End(),       \
        Open(a, b, Sub1), Spawn(Szak13BSmallShot1), End(), Open(a, b), Spawn(Szak13BSmallShot2), End(), \
        Open(a, b, Sub1), Spawn(Szak13BSmallShot3), End()
