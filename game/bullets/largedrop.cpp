// LargeDrop: large bullets dropped one every 10 Emit calls from one point of
// a boss, straight down or slanting to one side. The counters restart at 10
// on reaching 200, which arms record 0 again on that call; record 19's tick
// (200) is a value the counters never hold, so it stays parked.
#include "game/bullets/falling.h"
#include "game/bullets/groups.h"
#include "game/shell/assets.h"

using namespace bullets;

namespace {

constexpr int kShots = 20;
constexpr int16_t kTicks[kShots] = {10,  20,  30,  40,  50,  60,  70,  80,  90,  100,
                                    110, 120, 130, 140, 150, 160, 170, 180, 190, 200};
constexpr Schedule kSchedule{200, 10, 1, kTicks, false};

struct DropRow {
    DropShot* shots;
    OwnerPos owner;
    const int32_t* image;
    int width, height;
    float offX, offY;
    float vx, vy;  // vx 0: the bullet keeps its x and vx is never written
    float hitLoX, hitLoY;
};

// Arms record i and places record j (the Emit passes j = i).
void Spawn(const DropRow& g, int i, int j) {
    if (g.shots[i].active != 0) return;
    const Pos p = g.owner(0);
    g.shots[i].active = 1;
    g.shots[j].x = p.x + g.offX;
    g.shots[j].y = p.y + g.offY;
}

void Emit(const DropRow& g) {
    RunSchedule(g.shots, kShots, kSchedule, [&](int i, int) { Spawn(g, i, i); });
}

void Move(const DropRow& g) { FallAll(g.shots, kShots, g.vy, true, Box{g.hitLoX, 30, g.hitLoY, 30}, g.vx); }

void Draw(const DropRow& g) {
    for (int i = 0; i < kShots; ++i)
        Blit1(Blit::Additive, *g.image, g.shots[i].x, g.shots[i].y, 0, 0, g.width, g.height);
}

}  // namespace

#define DROP(Name, Owner, Number, Image, W, H, OffX, OffY, Vx, Vy, HitLoX, HitLoY)                       \
    FALLING_POOL(Name, Owner, PartLargeDrop, Number, kShots, 10)                                        \
    namespace {                                                                                         \
    const DropRow k##Name{Name##Shots, BossPos<Owner##State>, &Image, W, H, OffX, OffY, Vx, Vy, HitLoX,   \
                          HitLoY};                                                                      \
    }                                                                                                   \
    FALLING_SCHEDULED_OPS(Name, kShots, 1)

// clang-format off
//   group                 owner       no image        w    h    off x off y vx    vy   lo x  lo y
DROP(Stage1BossLargeDrop1, Stage1Boss, 1, ImgValarm11, 150, 180, 0,    100,  0,    150, -120, -140)
DROP(Stage1BossLargeDrop2, Stage1Boss, 2, ImgValarm12, 150, 180, 290,  100,  0,    150, -120, -140)
DROP(Stage5BossLargeDrop1, Stage5Boss, 1, ImgValarm31, 80,  120, 20,   110,  0,    150, -50,  -80)
DROP(Stage5BossLargeDrop2, Stage5Boss, 2, ImgValarm32, 80,  120, 360,  110,  0,    150, -50,  -80)
DROP(Stage5BossLargeDrop3, Stage5Boss, 3, ImgValarm33, 120, 120, 38,   30,   150,  150, -90,  -80)
DROP(Stage5BossLargeDrop4, Stage5Boss, 4, ImgValarm34, 120, 120, 342,  30,   -150, 150, -90,  -80)
DROP(Stage2BossLargeDrop1, Stage2Boss, 1, ImgValarm70, 120, 120, 190,  126,  0,    143, -90,  -80)
DROP(Stage2BossLargeDrop2, Stage2Boss, 2, ImgValarm71, 120, 120, 190,  150,  -143, 143, -90,  -80)
DROP(Stage2BossLargeDrop3, Stage2Boss, 3, ImgValarm72, 120, 120, 190,  150,  143,  143, -90,  -80)
DROP(Stage2BossLargeDrop4, Stage2Boss, 4, ImgValarm73, 60,  120, 30,   66,   0,    143, -30,  -80)
DROP(Stage2BossLargeDrop5, Stage2Boss, 5, ImgValarm74, 60,  60,  30,   90,   -143, 143, -30,  -20)
DROP(Stage2BossLargeDrop6, Stage2Boss, 6, ImgValarm75, 60,  60,  30,   90,   143,  143, -30,  -20)
DROP(Stage2BossLargeDrop7, Stage2Boss, 7, ImgValarm73, 60,  120, 410,  66,   0,    143, -30,  -80)
DROP(Stage2BossLargeDrop8, Stage2Boss, 8, ImgValarm74, 60,  60,  410,  90,   -143, 143, -30,  -20)
DROP(Stage2BossLargeDrop9, Stage2Boss, 9, ImgValarm75, 60,  60,  410,  90,   143,  143, -30,  -20)
// clang-format on
