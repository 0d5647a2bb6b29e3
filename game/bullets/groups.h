// The operations of every bullet group, as the stage scripts and the owners
// call them. Each group's kind defines them; a kind may add overloads of its
// own (Spawn with record indices) beside these.
#pragma once
#include <cstdint>

#include "game/bullets/records.h"

// Kinds that fire only when Spawn is called.
#define GROUP_OPS_SPAWNED(G)   \
    void Spawn##G(int32_t);    \
    void Move##G(int32_t);     \
    void Draw##G(int32_t);
// Kinds with a firing schedule of their own, stepped by Emit.
#define GROUP_OPS_INT(G)       \
    GROUP_OPS_SPAWNED(G)       \
    void Emit##G(int32_t);
// Drop-line groups take the script's two argument globals.
#define GROUP_OPS_TWO(G)                 \
    void Spawn##G(int32_t, int32_t);     \
    void Move##G(int32_t, int32_t);      \
    void Draw##G(int32_t, int32_t);
// Stream emitters take no argument.
#define GROUP_OPS_STREAM(G)    \
    void Emit##G();            \
    void Move##G(int32_t);     \
    void Draw##G(int32_t);
// Beams have no Move; Spawn fires and judges, Draw draws; no arguments.
#define GROUP_OPS_BEAM(G)      \
    void Spawn##G();           \
    void Draw##G();

#define AimedLine(O, N) GROUP_OPS_SPAWNED(O##AimedLine##N)
#define AimedRing(O, N) GROUP_OPS_INT(O##AimedRing##N)
#define AimedShot(O, N) GROUP_OPS_SPAWNED(O##AimedShot##N)
#define AimedSpread(O, N) GROUP_OPS_INT(O##AimedSpread##N)
#define Chain(O, N) GROUP_OPS_SPAWNED(O##Chain##N)
#define DropLine(O, N) GROUP_OPS_TWO(O##DropLine##N)
#define SmallShot(O, N) GROUP_OPS_SPAWNED(O##SmallShot##N)
#define Spiral(O, N) GROUP_OPS_INT(O##Spiral##N)
#define TwinShot(O, N) GROUP_OPS_INT(O##TwinShot##N)
#define TripleSpiral(O, N) GROUP_OPS_INT(O##TripleSpiral##N)
#define QuadAimed(O, N) GROUP_OPS_INT(O##QuadAimed##N)
#define LargeDrop(O, N) GROUP_OPS_INT(O##LargeDrop##N)
#define SlantFan(O, N) GROUP_OPS_INT(O##SlantFan##N)
#define Fan(O, N) GROUP_OPS_INT(O##Fan##N)
#define DirFan(O, N) GROUP_OPS_INT(O##DirFan##N)
#define WideFan(O, N) GROUP_OPS_INT(O##WideFan##N)
#define Stream(O, N) GROUP_OPS_STREAM(O##Stream##N)
#define Beam(O, N) GROUP_OPS_BEAM(O##Beam##N)
#define FlameChain(O, N) GROUP_OPS_SPAWNED(O##FlameChain##N)
#include "game/bullets/group_list.inc"
#undef AimedLine
#undef AimedRing
#undef AimedShot
#undef AimedSpread
#undef Chain
#undef DropLine
#undef SmallShot
#undef Spiral
#undef TwinShot
#undef TripleSpiral
#undef QuadAimed
#undef LargeDrop
#undef SlantFan
#undef Fan
#undef DirFan
#undef WideFan
#undef Stream
#undef Beam
#undef FlameChain
#undef GROUP_OPS_INT
#undef GROUP_OPS_SPAWNED
#undef GROUP_OPS_TWO
#undef GROUP_OPS_STREAM
#undef GROUP_OPS_BEAM
