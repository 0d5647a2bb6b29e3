// The form of a stage timeline: a flat list of operations that the stage
// driver reads from top to bottom once per frame. A call names the object
// function directly; a window or block opens on a test of the stage clock,
// the boss's attack counter or health, or a game-mode guard, and covers the
// operations up to its matching End (with an optional Else in between).
// Windows nest. Every test is made at run time, on the frame it is reached.
#pragma once
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace timeline {

// Game-mode guards of a window or block.
enum class Guard : uint8_t {
    None,
    Level1,       // GameLevel is 1
    Level3,       // GameLevel is 3
    Level1Or2,    // GameLevel is 1 or 2
    Level2Or3,    // GameLevel is 2 or 3
    Mode1,        // PlayMode is 1
    Mode2,        // PlayMode is 2
    ModeNot1,     // PlayMode is not 1
    Sub1,         // PlaySubMode is 1
    SubNot1,      // PlaySubMode is not 1
    SubNot0,      // PlaySubMode is not 0
    Mode2OrSub1,  // PlayMode is 2 or PlaySubMode is 1
};

enum class Kind : uint8_t {
    End,          // closes the innermost window or block
    Else,         // what follows runs when the window or block did not open
    Call0,        // a function without argument
    Call1,        // a function of the script's argument global
    Call2,        // a function of the script's two argument globals
    Const2,       // a function of two constants (a, b)
    Block,        // opens when its guard holds
    ClockOpen,    // a < StageClock < b
    ClockClosed,  // a <= StageClock <= b
    Attack,       // a <= the boss's AttackFrame <= b
    Health,       // a <= the boss's health <= b
};

struct Op {
    Kind kind = Kind::End;
    Guard guard = Guard::None;
    int32_t a = 0;
    int32_t b = 0;
    union Target {
        void (*f0)();
        void (*f1)(int32_t);
        void (*f2)(int32_t, int32_t);
    } fn{};

    static constexpr Op Fn(void (*f)()) { return {Kind::Call0, Guard::None, 0, 0, {.f0 = f}}; }
    static constexpr Op Fn(void (*f)(int32_t)) { return {Kind::Call1, Guard::None, 0, 0, {.f1 = f}}; }
    static constexpr Op Fn(void (*f)(int32_t, int32_t)) { return {Kind::Call2, Guard::None, 0, 0, {.f2 = f}}; }
    static constexpr Op Const(void (*f)(int32_t, int32_t), int32_t a, int32_t b) {
        return {Kind::Const2, Guard::None, a, b, {.f2 = f}};
    }
    static constexpr Op Window(Kind k, int32_t a, int32_t b, Guard g = Guard::None) { return {k, g, a, b, {}}; }
    static constexpr Op When(Guard g) { return {Kind::Block, g, 0, 0, {}}; }
    static constexpr Op Mark(Kind k) { return {k, Guard::None, 0, 0, {}}; }

    constexpr bool Opens() const { return kind >= Kind::Block; }
};

struct List {
    const Op* ops = nullptr;
    size_t count = 0;
};

template <size_t N>
constexpr List ListOf(const Op (&ops)[N]) {
    return {ops, N};
}

// The rows of one script: the boss's attack windows (with its health
// windows), the object section (enemies, spawn windows, the power-up item),
// the bullet section, and the lock-on updates after the present.
struct Timeline {
    List attacks;
    List objects;
    List bullets;
    List lockOn;
};

// Checks that every window and block is closed and that every Else stands
// directly inside one; returns the index of the first faulty operation, or
// count when the list is well formed.
size_t FirstFault(List list);

}  // namespace timeline
