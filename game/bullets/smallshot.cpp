// SmallShot: small 16 x 16 (20 x 20 in the volleys) shots dropped from an
// owner, with no schedule of their own: the owner or the stage script calls
// Spawn on every frame of a window and Spawn arms whatever is free. Four
// shapes of the one kind:
//   per slot  one shot per enemy slot in flight at a time;
//   volley    a mid-size enemy's formation of four or six shots, pulled back
//             into formation whenever a free record is armed;
//   boss fan  a stage-1 boss's fan whose sideways step is applied once per
//             record of the group on every Move;
//   cluster   a later boss's cluster in one of nine shapes.
#include <cmath>
#include <iterator>

#include "game/bullets/falling.h"
#include "game/bullets/groups.h"
#include "game/shell/assets.h"

using namespace bullets;

namespace {

constexpr float kBottom = 600.0f;

// ---------------------------------------------------------------- per slot

struct SlotRow {
    DropShot* shots;
    int count;
    OwnerPos owner;
    const int32_t* image;
    uint32_t cells;  // 16: animated strip; 0: one picture
    float offX, offY;
    int vyModulo;    // 0: constant fall speed vyBase
    float vyBase;
    float drift;     // signed; the record keeps its size in vx
    bool bombTest;
    float hitLoY;
};

void SpawnSlots(const SlotRow& g) {
    for (int i = 0; i < g.count; ++i) {
        DropShot& r = g.shots[i];
        if (r.active != 0) continue;
        const Pos p = g.owner(i);
        r.active = 1;
        r.x = p.x + g.offX;
        r.y = p.y + g.offY;
        r.vy = g.vyModulo > 0 ? static_cast<float>(rng::rand() % g.vyModulo) + g.vyBase : g.vyBase;
        r.vx = std::fabs(g.drift);
    }
}

void MoveSlots(const SlotRow& g) {
    const Box box{14, 30, g.hitLoY, 30};
    for (int i = 0; i < g.count; ++i) {
        DropShot& r = g.shots[i];
        if (r.active != 0) {
            r.y += r.vy * FrameSeconds;
            if (g.drift < 0) r.x -= r.vx * FrameSeconds;
            if (g.drift > 0) r.x += r.vx * FrameSeconds;
        }
        if (r.y + 16.0f < 0.0f || r.y > kBottom || (g.bombTest && BombActive == 1)) Park(r);
        JudgePlayer(r.x, r.y, box);
    }
}

void DrawSlots(const SlotRow& g) {
    for (int i = 0; i < g.count; ++i) {
        DropShot& r = g.shots[i];
        if (r.active == 0) continue;
        const int left = g.cells > 0 ? static_cast<int>(r.frame % g.cells) * 16 : 0;
        Blit1(Blit::Additive, *g.image, r.x, r.y, left, 0, left + 16, 16);
        if (g.cells > 0) StepFrame(r, g.cells);
    }
}

// ------------------------------------------------------------------ volley

struct Point {
    float x, y;
};
constexpr Point kSquare[6] = {{120, 90}, {120, 120}, {60, 120}, {60, 90}};
constexpr Point kColumns[6] = {{120, 60}, {120, 105}, {120, 120}, {60, 120}, {60, 105}, {60, 60}};
constexpr Point kWideColumns[6] = {{240, 60}, {240, 105}, {240, 120}, {40, 120}, {40, 105}, {40, 60}};
constexpr float kNoSteps[6] = {};
constexpr float kSquareOpens[6] = {20, 0, 0, -20};
constexpr float kColumnsOpen[6] = {28, 14, 0, 0, -14, -28};
constexpr float kColumnsClose[6] = {-28, -14, 0, 0, 14, 28};

struct VolleyRow {
    DropShot* shots;
    int count;
    OwnerPos owner;
    const Point* formation;
    float fall;
    const float* steps;
    const int32_t* image;
    Blit blit;
    uint32_t cells;
};

void SpawnVolley(const VolleyRow& g) {
    for (int i = 0; i < g.count; ++i) {
        if (g.shots[i].active != 0) continue;
        g.shots[i].active = 1;
        const Pos p = g.owner(0);
        for (int k = 0; k < g.count; ++k) {
            g.shots[k].x = p.x + g.formation[k].x;
            g.shots[k].y = p.y + g.formation[k].y;
        }
    }
}

// Every flying record applies the steps of the whole formation once, so a
// stepped shot drifts by its step times the number of shots in flight.
void MoveVolley(const VolleyRow& g) {
    const Box box{10, 30, 20, 30};
    for (int i = 0; i < g.count; ++i) {
        DropShot& r = g.shots[i];
        if (r.active == 0) continue;
        r.vy = g.fall;
        for (int k = 0; k < g.count; ++k)
            if (g.steps[k] != 0.0f) g.shots[k].x += g.steps[k] * FrameSeconds;
        r.y += r.vy * FrameSeconds;
        RetireAndJudge(r, true, box);
    }
}

void DrawVolley(const VolleyRow& g) { DrawAll(g.shots, g.count, *g.image, g.blit, 20, g.cells); }

// ---------------------------------------------------------------- boss fan

constexpr float kPairSteps30[4] = {-30, 30};
constexpr float kPairSteps20[4] = {-20, 20};
constexpr float kTrioSteps23[4] = {-23, 0, 23};
constexpr float kTrioSteps33[4] = {-33, 0, 33};
constexpr float kFourSteps7[4] = {-7, 7, -20, 20};
constexpr float kFourSteps17[4] = {-17, 17, -30, 30};

struct FanRow {
    DropShot* shots;
    int count;
    OwnerPos owner;
    float offX, offY;
    float fall;
    const float* steps;
};

void SpawnFan(const FanRow& g) {
    for (int i = 0; i < g.count; ++i) {
        DropShot& r = g.shots[i];
        if (r.active != 0) continue;
        const Pos p = g.owner(0);
        r.active = 1;
        r.x = p.x + g.offX;
        r.y = p.y + g.offY;
    }
}

// The steps of every record run once per record of the group, flying or
// free, so each stepped shot drifts by the group's size times its step.
void MoveFan(const FanRow& g) {
    const Box box{14, 30, 24, 30};
    for (int i = 0; i < g.count; ++i) {
        for (int k = 0; k < g.count; ++k)
            if (g.steps[k] != 0.0f) g.shots[k].x += g.steps[k] * FrameSeconds;
        DropShot& r = g.shots[i];
        if (r.active == 0) continue;
        r.vy = g.fall;
        r.y += r.vy * FrameSeconds;
        RetireAndJudge(r, true, box);
    }
}

void DrawFan(const FanRow& g) { DrawAll(g.shots, g.count, ImgVal12, Blit::Keyed, 16, 0); }

// ----------------------------------------------------------------- cluster

struct Shape {
    int count;
    float dx, dy;  // from the owner's base x and from the boss's y
    float fall;
    float steps[4];
};
// clang-format off
constexpr Shape kShapes[10] = {
    {},
    // count  dx    dy   fall  drift per record
    {2,     0,  200, 140, {-30, 30}},
    {2,   -30,  110, 140, {-30, 30}},
    {2,    30,  110, 140, {-30, 30}},
    {3,     0,  200, 120, {-39, 0, 39}},
    {3,   -50,  150, 120, {-39, 0, 39}},
    {3,    50,  150, 120, {-39, 0, 39}},
    {3,   -80,  110, 120, {-39, 0, 39}},
    {3,    80,  110, 120, {-39, 0, 39}},
    {4,     0,  200, 110, {-28, 28, -80, 80}},
};
// clang-format on

struct ClusterRow {
    DropShot* shots;
    OwnerPos owner;
    int shape;
    float base;
    const int32_t* image;
    uint32_t cells;  // 16: animated strip; 0: one picture
};

void SpawnCluster(const ClusterRow& g) {
    const Shape& s = kShapes[g.shape];
    for (int i = 0; i < s.count; ++i) {
        DropShot& r = g.shots[i];
        if (r.active != 0) continue;
        const Pos p = g.owner(0);
        r.active = 1;
        r.x = p.x + (g.base + s.dx);
        r.y = p.y + s.dy;
    }
}

void MoveCluster(const ClusterRow& g) {
    const Shape& s = kShapes[g.shape];
    for (int i = 0; i < s.count; ++i)
        if (s.steps[i] != 0.0f) g.shots[i].x += s.steps[i] * FrameSeconds;
    FallAll(g.shots, s.count, s.fall, true, Box{14, 30, 24, 30});
}

void DrawCluster(const ClusterRow& g) { DrawAll(g.shots, kShapes[g.shape].count, *g.image, Blit::Keyed, 16, g.cells); }

}  // namespace

// The operations of one group: Spawn arms what is free; there is no schedule.
#define SMALLSHOT_OPS(Name, S, M, D, Shape)    \
    void S(int32_t) { Spawn##Shape(k##Name); } \
    void M(int32_t) { Move##Shape(k##Name); }  \
    void D(int32_t) { Draw##Shape(k##Name); }

#define SLOT(Name, Owner, Kind, Number, S, M, D, Image, Cells, OffX, OffY, VyMod, VyBase, Drift, Bomb, HitLoY, \
             FrameMod)                                                                                         \
    FALLING_POOL(Name, Owner, Kind, Number, std::size(Owner##Slots), FrameMod)                                 \
    namespace {                                                                                                \
    const SlotRow k##Name{Name##Shots, static_cast<int>(std::size(Owner##Slots)), SlotPos<Owner##Slots>,       \
                          &Image, Cells, OffX, OffY, VyMod, VyBase, Drift, Bomb, HitLoY};                      \
    }                                                                                                          \
    SMALLSHOT_OPS(Name, S, M, D, Slots)

#define VOLLEY(Name, Owner, Kind, Number, S, M, D, Count, Formation, Fall, Steps, Image, How, Cells)     \
    FALLING_POOL(Name, Owner, Kind, Number, Count, 10)                                                   \
    namespace {                                                                                          \
    const VolleyRow k##Name{Name##Shots, Count, RecordPos<Owner##State>, Formation, Fall, Steps, &Image, \
                            Blit::How, Cells};                                                           \
    }                                                                                                    \
    SMALLSHOT_OPS(Name, S, M, D, Volley)

#define FAN(Name, Owner, Kind, Number, S, M, D, Count, OffX, OffY, Fall, Steps)               \
    FALLING_POOL(Name, Owner, Kind, Number, Count, 10)                                        \
    namespace {                                                                               \
    const FanRow k##Name{Name##Shots, Count, BossPos<Owner##State>, OffX, OffY, Fall, Steps}; \
    }                                                                                         \
    SMALLSHOT_OPS(Name, S, M, D, Fan)

// The reset leaves a cluster's frame words alone.
#define CLUSTER(Name, Owner, Kind, Number, S, M, D, Shape, Base, Image, Cells)                \
    FALLING_POOL(Name, Owner, Kind, Number, kShapes[Shape].count, -1)                         \
    namespace {                                                                               \
    const ClusterRow k##Name{Name##Shots, BossPos<Owner##State>, Shape, Base, &Image, Cells}; \
    }                                                                                         \
    SMALLSHOT_OPS(Name, S, M, D, Cluster)

// The groups of the kind, one for each row of its four tables in group_table.h.
SMALLSHOT_SLOT_GROUPS(SLOT)
SMALLSHOT_VOLLEY_GROUPS(VOLLEY)
SMALLSHOT_FAN_GROUPS(FAN)
SMALLSHOT_CLUSTER_GROUPS(CLUSTER)
