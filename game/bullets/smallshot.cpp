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
#define SMALLSHOT_OPS(Name, Shape)                        \
    void Spawn##Name(int32_t) { Spawn##Shape(k##Name); }  \
    void Move##Name(int32_t) { Move##Shape(k##Name); }    \
    void Draw##Name(int32_t) { Draw##Shape(k##Name); }

#define SLOT(Name, Owner, Number, Image, Cells, OffX, OffY, VyMod, VyBase, Drift, Bomb, HitLoY, FrameMod) \
    FALLING_POOL(Name, Owner, PartSmallShot, Number, std::size(Owner##Slots), FrameMod)                   \
    namespace {                                                                                           \
    const SlotRow k##Name{Name##Shots, static_cast<int>(std::size(Owner##Slots)), SlotPos<Owner##Slots>,  \
                          &Image, Cells, OffX, OffY, VyMod, VyBase, Drift, Bomb, HitLoY};                 \
    }                                                                                                     \
    SMALLSHOT_OPS(Name, Slots)

#define VOLLEY(Name, Owner, Number, Count, Formation, Fall, Steps, Image, How, Cells)                    \
    FALLING_POOL(Name, Owner, PartSmallShot, Number, Count, 10)                                          \
    namespace {                                                                                           \
    const VolleyRow k##Name{Name##Shots, Count, RecordPos<Owner##State>, Formation, Fall, Steps, &Image,  \
                            Blit::How, Cells};                                                           \
    }                                                                                                     \
    SMALLSHOT_OPS(Name, Volley)

#define FAN(Name, Owner, Number, Count, OffX, OffY, Fall, Steps)                                          \
    FALLING_POOL(Name, Owner, PartSmallShot, Number, Count, 10)                                          \
    namespace {                                                                                           \
    const FanRow k##Name{Name##Shots, Count, BossPos<Owner##State>, OffX, OffY, Fall, Steps};              \
    }                                                                                                     \
    SMALLSHOT_OPS(Name, Fan)

// The reset leaves a cluster's frame words alone.
#define CLUSTER(Name, Owner, Number, Shape, Base, Image, Cells)                                           \
    FALLING_POOL(Name, Owner, PartSmallShot, Number, kShapes[Shape].count, -1)                            \
    namespace {                                                                                           \
    const ClusterRow k##Name{Name##Shots, BossPos<Owner##State>, Shape, Base, &Image, Cells};              \
    }                                                                                                     \
    SMALLSHOT_OPS(Name, Cluster)

// clang-format off
//   group              owner    no image     cells off x off y vy mod vy base drift bomb   hit y frame
SLOT(Szak9SmallShot1,   Szak9,   1, ImgVal13, 0,    22,   50,   70,    140,    0,    true,  24,   0)
SLOT(Szak9SmallShot2,   Szak9,   2, ImgVal13, 0,    22,   50,   0,     150,    -20,  true,  24,   0)
SLOT(Szak9SmallShot3,   Szak9,   3, ImgVal13, 0,    22,   50,   0,     150,    20,   true,  24,   0)
SLOT(Szak6DSmallShot1,  Szak6D,  1, ImgVal12, 0,    32,   50,   50,    100,    0,    true,  24,   10)
SLOT(Szak6DSmallShot2,  Szak6D,  2, ImgVal12, 0,    32,   50,   50,    100,    -30,  true,  24,   10)
SLOT(Szak6DSmallShot3,  Szak6D,  3, ImgVal12, 0,    32,   50,   50,    100,    30,   true,  24,   10)
SLOT(Szak6ESmallShot1,  Szak6E,  1, ImgVal12, 0,    32,   50,   50,    100,    0,    true,  24,   10)
SLOT(Szak6ESmallShot2,  Szak6E,  2, ImgVal12, 0,    32,   50,   50,    100,    -30,  true,  24,   10)
SLOT(Szak6ESmallShot3,  Szak6E,  3, ImgVal12, 0,    32,   50,   50,    100,    30,   true,  24,   10)
SLOT(Szak12SmallShot1,  Szak12,  1, ImgVal2,  16,   32,   70,   50,    100,    0,    true,  24,   10)
SLOT(Szak12SmallShot2,  Szak12,  2, ImgVal2,  16,   32,   70,   50,    100,    -30,  true,  24,   10)
SLOT(Szak12SmallShot3,  Szak12,  3, ImgVal2,  16,   32,   70,   50,    100,    30,   true,  24,   10)
SLOT(Szak12SmallShot4,  Szak12,  4, ImgVal2,  16,   32,   70,   50,    100,    -46,  true,  24,   10)
SLOT(Szak12SmallShot5,  Szak12,  5, ImgVal2,  16,   32,   70,   50,    100,    46,   true,  24,   10)
SLOT(Szak13ASmallShot1, Szak13A, 1, ImgVal13, 0,    32,   50,   30,    100,    0,    true,  24,   10)
SLOT(Szak13ASmallShot2, Szak13A, 2, ImgVal13, 0,    32,   50,   30,    100,    -30,  true,  24,   10)
SLOT(Szak13ASmallShot3, Szak13A, 3, ImgVal13, 0,    32,   50,   30,    100,    30,   true,  24,   10)
SLOT(Szak13BSmallShot1, Szak13B, 1, ImgVal13, 0,    32,   50,   30,    100,    0,    true,  24,   10)
SLOT(Szak13BSmallShot2, Szak13B, 2, ImgVal13, 0,    32,   50,   30,    100,    -30,  true,  24,   10)
SLOT(Szak13BSmallShot3, Szak13B, 3, ImgVal13, 0,    32,   50,   30,    100,    30,   true,  24,   10)
SLOT(Szak52ASmallShot1, Szak52A, 1, ImgVal11, 0,    112,  50,   0,     110,    0,    false, 24,   10)
SLOT(Szak52ASmallShot2, Szak52A, 2, ImgVal11, 0,    112,  50,   0,     105,    -10,  false, 24,   10)
SLOT(Szak52ASmallShot3, Szak52A, 3, ImgVal11, 0,    112,  50,   0,     105,    10,   false, 24,   10)
SLOT(Szak52ASmallShot4, Szak52A, 4, ImgVal11, 0,    112,  50,   0,     96,     -20,  false, 24,   10)
SLOT(Szak52ASmallShot5, Szak52A, 5, ImgVal11, 0,    112,  50,   0,     96,     20,   false, 24,   10)
SLOT(Szak52BSmallShot1, Szak52B, 1, ImgVal11, 0,    112,  50,   0,     110,    0,    false, 24,   10)
SLOT(Szak52BSmallShot2, Szak52B, 2, ImgVal11, 0,    112,  50,   0,     105,    -10,  false, 24,   10)
SLOT(Szak52BSmallShot3, Szak52B, 3, ImgVal11, 0,    112,  50,   0,     105,    10,   false, 24,   10)
SLOT(Szak52BSmallShot4, Szak52B, 4, ImgVal11, 0,    112,  50,   0,     96,     -20,  false, 24,   10)
SLOT(Szak52BSmallShot5, Szak52B, 5, ImgVal11, 0,    112,  50,   0,     96,     20,   false, 24,   10)
SLOT(Szak21ASmallShot1, Szak21A, 1, ImgVal13, 0,    37,   40,   0,     130,    0,    false, 24,   10)
SLOT(Szak21ASmallShot2, Szak21A, 2, ImgVal13, 0,    37,   44,   0,     130,    -20,  false, 24,   10)
SLOT(Szak21ASmallShot3, Szak21A, 3, ImgVal13, 0,    37,   44,   0,     130,    20,   false, 24,   10)
SLOT(Szak21ASmallShot4, Szak21A, 4, ImgVal13, 0,    37,   30,   0,     130,    -40,  false, 24,   10)
SLOT(Szak21ASmallShot5, Szak21A, 5, ImgVal13, 0,    42,   30,   0,     130,    40,   false, 20,   10)
SLOT(Szak21BSmallShot1, Szak21B, 1, ImgVal13, 0,    37,   40,   0,     130,    0,    false, 24,   10)
SLOT(Szak21BSmallShot2, Szak21B, 2, ImgVal13, 0,    37,   44,   0,     130,    -20,  false, 24,   10)
SLOT(Szak21BSmallShot3, Szak21B, 3, ImgVal13, 0,    37,   44,   0,     130,    20,   false, 24,   10)
SLOT(Szak21BSmallShot4, Szak21B, 4, ImgVal13, 0,    37,   30,   0,     130,    -40,  false, 24,   10)
SLOT(Szak21BSmallShot5, Szak21B, 5, ImgVal13, 0,    42,   30,   0,     130,    40,   false, 20,   10)
SLOT(Szak21CSmallShot1, Szak21C, 1, ImgVal13, 0,    37,   40,   0,     130,    0,    false, 24,   10)
SLOT(Szak21CSmallShot2, Szak21C, 2, ImgVal13, 0,    37,   44,   0,     130,    -20,  false, 24,   10)
SLOT(Szak21CSmallShot3, Szak21C, 3, ImgVal13, 0,    37,   44,   0,     130,    20,   false, 24,   10)
SLOT(Szak21CSmallShot4, Szak21C, 4, ImgVal13, 0,    37,   30,   0,     130,    -40,  false, 24,   10)
SLOT(Szak21CSmallShot5, Szak21C, 5, ImgVal13, 0,    42,   30,   0,     130,    40,   false, 20,   10)
SLOT(Szak22ASmallShot1, Szak22A, 1, ImgVal13, 0,    37,   40,   0,     130,    0,    false, 24,   10)
SLOT(Szak22ASmallShot2, Szak22A, 2, ImgVal13, 0,    37,   44,   0,     130,    -20,  false, 24,   10)
SLOT(Szak22ASmallShot3, Szak22A, 3, ImgVal13, 0,    37,   44,   0,     130,    20,   false, 24,   10)
SLOT(Szak22ASmallShot4, Szak22A, 4, ImgVal13, 0,    37,   30,   0,     130,    -40,  false, 24,   10)
SLOT(Szak22ASmallShot5, Szak22A, 5, ImgVal13, 0,    42,   30,   0,     130,    40,   false, 20,   10)
SLOT(Szak22BSmallShot1, Szak22B, 1, ImgVal13, 0,    37,   40,   0,     130,    0,    false, 24,   10)
SLOT(Szak22BSmallShot2, Szak22B, 2, ImgVal13, 0,    37,   44,   0,     130,    -20,  false, 24,   10)
SLOT(Szak22BSmallShot3, Szak22B, 3, ImgVal13, 0,    37,   44,   0,     130,    20,   false, 24,   10)
SLOT(Szak22BSmallShot4, Szak22B, 4, ImgVal13, 0,    37,   30,   0,     130,    -40,  false, 24,   10)
SLOT(Szak22BSmallShot5, Szak22B, 5, ImgVal13, 0,    42,   30,   0,     130,    40,   false, 20,   10)
SLOT(Szak22CSmallShot1, Szak22C, 1, ImgVal13, 0,    37,   40,   0,     130,    0,    false, 24,   10)
SLOT(Szak22CSmallShot2, Szak22C, 2, ImgVal13, 0,    37,   44,   0,     130,    -20,  false, 24,   10)
SLOT(Szak22CSmallShot3, Szak22C, 3, ImgVal13, 0,    37,   44,   0,     130,    20,   false, 24,   10)
SLOT(Szak22CSmallShot4, Szak22C, 4, ImgVal13, 0,    37,   30,   0,     130,    -40,  false, 24,   10)
SLOT(Szak22CSmallShot5, Szak22C, 5, ImgVal13, 0,    42,   30,   0,     130,    40,   false, 20,   10)

//     group              owner    no records formation     fall steps          image        blit      cells
VOLLEY(Szak53ASmallShot1, Szak53A, 1, 4,      kSquare,      140, kNoSteps,      ImgVal20241, Additive, 24)
VOLLEY(Szak53BSmallShot1, Szak53B, 1, 4,      kSquare,      140, kNoSteps,      ImgVal20241, Additive, 24)
VOLLEY(Szak50BSmallShot1, Szak50B, 1, 4,      kSquare,      150, kSquareOpens,  ImgVal20241, Additive, 24)
VOLLEY(Szak50CSmallShot1, Szak50C, 1, 4,      kSquare,      140, kSquareOpens,  ImgVal20241, Additive, 24)
VOLLEY(Szak54ASmallShot1, Szak54A, 1, 6,      kColumns,     150, kColumnsOpen,  ImgVal20241, Additive, 24)
VOLLEY(Szak54BSmallShot1, Szak54B, 1, 6,      kColumns,     150, kColumnsOpen,  ImgVal20241, Additive, 24)
VOLLEY(Szak60SmallShot1,  Szak60,  1, 6,      kWideColumns, 180, kColumnsClose, ImgVal201,   Keyed,    7)

//  group                    owner          no records off x off y fall steps
FAN(Stage1BossSmallShot1,    Stage1Boss,    1, 2,      212,  200,  190, kPairSteps30)
FAN(Stage1BossSmallShot2,    Stage1Boss,    2, 3,      212,  200,  220, kTrioSteps23)
FAN(Stage1BossSmallShot3,    Stage1Boss,    3, 4,      212,  200,  260, kFourSteps7)
FAN(AltStage2BossSmallShot1, AltStage2Boss, 1, 2,      212,  200,  140, kPairSteps20)
FAN(AltStage2BossSmallShot2, AltStage2Boss, 2, 3,      212,  200,  220, kTrioSteps33)
FAN(AltStage2BossSmallShot3, AltStage2Boss, 3, 3,      182,  150,  220, kTrioSteps23)
FAN(AltStage2BossSmallShot4, AltStage2Boss, 4, 3,      282,  150,  220, kTrioSteps23)
FAN(AltStage2BossSmallShot5, AltStage2Boss, 5, 4,      232,  200,  210, kFourSteps17)

//      group                    owner          no shape base image     cells
CLUSTER(Stage5BossSmallShot1,    Stage5Boss,    1, 1,    222, ImgVal12, 0)
CLUSTER(Stage5BossSmallShot2,    Stage5Boss,    2, 4,    222, ImgVal12, 0)
CLUSTER(Stage5BossSmallShot3,    Stage5Boss,    3, 5,    222, ImgVal12, 0)
CLUSTER(Stage5BossSmallShot4,    Stage5Boss,    4, 6,    222, ImgVal12, 0)
CLUSTER(Stage5BossSmallShot5,    Stage5Boss,    5, 7,    222, ImgVal12, 0)
CLUSTER(Stage5BossSmallShot6,    Stage5Boss,    6, 8,    222, ImgVal12, 0)
CLUSTER(Stage5BossSmallShot7,    Stage5Boss,    7, 9,    222, ImgVal12, 0)
CLUSTER(Stage3BossSmallShot1,    Stage3Boss,    1, 1,    212, ImgVal13, 0)
CLUSTER(Stage3BossSmallShot2,    Stage3Boss,    2, 2,    212, ImgVal13, 0)
CLUSTER(Stage3BossSmallShot3,    Stage3Boss,    3, 3,    212, ImgVal13, 0)
CLUSTER(Stage3BossSmallShot4,    Stage3Boss,    4, 4,    212, ImgVal13, 0)
CLUSTER(Stage3BossSmallShot5,    Stage3Boss,    5, 5,    212, ImgVal13, 0)
CLUSTER(Stage3BossSmallShot6,    Stage3Boss,    6, 6,    212, ImgVal13, 0)
CLUSTER(Stage3BossSmallShot7,    Stage3Boss,    7, 7,    212, ImgVal13, 0)
CLUSTER(Stage3BossSmallShot8,    Stage3Boss,    8, 8,    212, ImgVal13, 0)
CLUSTER(Stage3BossSmallShot9,    Stage3Boss,    9, 9,    212, ImgVal13, 0)
CLUSTER(Stage4BossSmallShot1,    Stage4Boss,    1, 1,    182, ImgVal13, 0)
CLUSTER(Stage4BossSmallShot2,    Stage4Boss,    2, 2,    182, ImgVal13, 0)
CLUSTER(Stage4BossSmallShot3,    Stage4Boss,    3, 3,    182, ImgVal13, 0)
CLUSTER(Stage4BossSmallShot4,    Stage4Boss,    4, 4,    182, ImgVal13, 0)
CLUSTER(Stage4BossSmallShot5,    Stage4Boss,    5, 5,    182, ImgVal13, 0)
CLUSTER(Stage4BossSmallShot6,    Stage4Boss,    6, 6,    182, ImgVal13, 0)
CLUSTER(Stage4BossSmallShot7,    Stage4Boss,    7, 7,    182, ImgVal13, 0)
CLUSTER(Stage4BossSmallShot8,    Stage4Boss,    8, 8,    182, ImgVal13, 0)
CLUSTER(Stage4BossSmallShot9,    Stage4Boss,    9, 9,    182, ImgVal13, 0)
CLUSTER(AltStage4BossSmallShot1, AltStage4Boss, 1, 1,    222, ImgVal1,  16)
CLUSTER(AltStage4BossSmallShot2, AltStage4Boss, 2, 2,    212, ImgVal1,  16)
CLUSTER(AltStage4BossSmallShot3, AltStage4Boss, 3, 3,    212, ImgVal1,  16)
CLUSTER(AltStage4BossSmallShot4, AltStage4Boss, 4, 4,    222, ImgVal1,  16)
CLUSTER(AltStage4BossSmallShot5, AltStage4Boss, 5, 5,    222, ImgVal1,  16)
CLUSTER(AltStage4BossSmallShot6, AltStage4Boss, 6, 6,    222, ImgVal1,  16)
CLUSTER(AltStage4BossSmallShot7, AltStage4Boss, 7, 7,    222, ImgVal1,  16)
CLUSTER(AltStage4BossSmallShot8, AltStage4Boss, 8, 8,    222, ImgVal1,  16)
CLUSTER(AltStage4BossSmallShot9, AltStage4Boss, 9, 9,    222, ImgVal1,  16)
CLUSTER(Stage2BossSmallShot1,    Stage2Boss,    1, 1,    242, ImgVal1,  16)
CLUSTER(Stage2BossSmallShot2,    Stage2Boss,    2, 2,    242, ImgVal1,  16)
CLUSTER(Stage2BossSmallShot3,    Stage2Boss,    3, 3,    242, ImgVal1,  16)
CLUSTER(Stage2BossSmallShot4,    Stage2Boss,    4, 4,    242, ImgVal1,  16)
CLUSTER(Stage2BossSmallShot5,    Stage2Boss,    5, 5,    242, ImgVal1,  16)
CLUSTER(Stage2BossSmallShot6,    Stage2Boss,    6, 6,    242, ImgVal1,  16)
CLUSTER(Stage2BossSmallShot7,    Stage2Boss,    7, 7,    242, ImgVal1,  16)
CLUSTER(Stage2BossSmallShot8,    Stage2Boss,    8, 8,    242, ImgVal1,  16)
CLUSTER(Stage2BossSmallShot9,    Stage2Boss,    9, 9,    242, ImgVal1,  16)
CLUSTER(AltStage5BossSmallShot1, AltStage5Boss, 1, 1,    232, ImgVal1,  16)
CLUSTER(AltStage5BossSmallShot2, AltStage5Boss, 2, 2,    232, ImgVal1,  16)
CLUSTER(AltStage5BossSmallShot3, AltStage5Boss, 3, 3,    232, ImgVal1,  16)
CLUSTER(AltStage5BossSmallShot4, AltStage5Boss, 4, 4,    232, ImgVal1,  16)
CLUSTER(AltStage5BossSmallShot5, AltStage5Boss, 5, 5,    232, ImgVal1,  16)
CLUSTER(AltStage5BossSmallShot6, AltStage5Boss, 6, 6,    232, ImgVal1,  16)
CLUSTER(AltStage5BossSmallShot7, AltStage5Boss, 7, 7,    232, ImgVal1,  16)
CLUSTER(AltStage5BossSmallShot8, AltStage5Boss, 8, 8,    232, ImgVal1,  16)
CLUSTER(AltStage5BossSmallShot9, AltStage5Boss, 9, 9,    232, ImgVal1,  16)
// clang-format on
