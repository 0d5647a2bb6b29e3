// Empty stand-ins for group operations that no kind defines yet; a kind's
// own definitions take their place at link time.

#include <cstdint>

#include "game/bullets/groups.h"

#define GROUP_OPS_INT(G)       \
    __attribute__((weak)) void Spawn##G(int32_t) {}    \
    __attribute__((weak)) void Emit##G(int32_t) {}     \
    __attribute__((weak)) void Move##G(int32_t) {}     \
    __attribute__((weak)) void Draw##G(int32_t) {}
// Drop-line groups take the script's two argument globals.
#define GROUP_OPS_TWO(G)                 \
    __attribute__((weak)) void Spawn##G(int32_t, int32_t) {}     \
    __attribute__((weak)) void Move##G(int32_t, int32_t) {}      \
    __attribute__((weak)) void Draw##G(int32_t, int32_t) {}
// Stream emitters take no argument.
#define GROUP_OPS_STREAM(G)    \
    __attribute__((weak)) void Emit##G() {}            \
    __attribute__((weak)) void Move##G(int32_t) {}     \
    __attribute__((weak)) void Draw##G(int32_t) {}
// Beams have no Move; Spawn fires and judges, Draw draws; no arguments.
#define GROUP_OPS_BEAM(G)      \
    __attribute__((weak)) void Spawn##G() {}           \
    __attribute__((weak)) void Draw##G() {}

#define AimedLine(O, N) GROUP_OPS_INT(O##AimedLine##N)
#define AimedRing(O, N) GROUP_OPS_INT(O##AimedRing##N)
#define AimedShot(O, N) GROUP_OPS_INT(O##AimedShot##N)
#define AimedSpread(O, N) GROUP_OPS_INT(O##AimedSpread##N)
#define Chain(O, N) GROUP_OPS_INT(O##Chain##N)
#define DropLine(O, N) GROUP_OPS_TWO(O##DropLine##N)
#define SmallShot(O, N) GROUP_OPS_INT(O##SmallShot##N)
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
#define FlameChain(O, N) GROUP_OPS_INT(O##FlameChain##N)
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
#undef GROUP_OPS_TWO
#undef GROUP_OPS_STREAM
#undef GROUP_OPS_BEAM
