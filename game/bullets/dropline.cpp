// DropLine: each slot of a plain enemy drops five shots at once from one
// point, falling at 140 to 220 px/s so that they string out into a line;
// slanted groups slide the line sideways, diagonal groups send each shot at
// 45 degrees. Records 5i to 5i + 4 belong to owner slot i.
#include <iterator>

#include "game/bullets/falling.h"
#include "game/bullets/groups.h"
#include "game/shell/assets.h"

using namespace bullets;

namespace {

constexpr int kLine = 5;
constexpr float kLineSpeeds[kLine] = {140, 160, 180, 200, 220};

struct LineRow {
    DropShot* shots;
    int slots;
    OwnerPos owner;
    float offX, offY;
    float vx;        // every shot's sideways speed, or
    int diagonal;    // +1 / -1: each shot's vx is its fall speed to that side
    const int32_t* image;
    int left, right;  // source columns; rows 0 to 30
    float margin;     // a shot retires once y + margin < 0
    float hitLoX;
};

void Spawn(const LineRow& g) {
    for (int s = 0; s < g.slots; ++s) {
        DropShot* block = g.shots + s * kLine;
        for (int j = 0; j < kLine; ++j) {
            DropShot& r = block[j];
            if (r.active != 0) continue;
            const Pos p = g.owner(s);
            r.active = 1;
            r.x = p.x + g.offX;
            r.y = p.y + g.offY;
            for (int k = 0; k < kLine; ++k) block[k].vy = kLineSpeeds[k];
            if (g.diagonal != 0)
                for (int k = 0; k < kLine; ++k) block[k].vx = static_cast<float>(g.diagonal) * block[k].vy;
            else
                r.vx = g.vx;
        }
    }
}

void Move(const LineRow& g) {
    const Box box{g.hitLoX, 30, 10, 30};
    for (int i = 0; i < g.slots * kLine; ++i) {
        DropShot& r = g.shots[i];
        if (r.active != 0) {
            r.y += r.vy * FrameSeconds;
            if (g.vx != 0.0f || g.diagonal != 0) r.x += r.vx * FrameSeconds;
        }
        if (r.y + g.margin < 0.0f || r.y > 600.0f || BombActive == 1) Park(r);
        JudgePlayer(r.x, r.y, box);
    }
}

void Draw(const LineRow& g) {
    for (int i = 0; i < g.slots * kLine; ++i) {
        const DropShot& r = g.shots[i];
        if (r.active != 0) Blit1(Blit::Additive, *g.image, r.x, r.y, g.left, 0, g.right, 30);
    }
}

}  // namespace

#define LINE(Name, Owner, Kind, Number, S, M, D, OffX, OffY, Vx, Diagonal, Image, Left, Right, Margin, HitLoX) \
    FALLING_POOL(Name, Owner, Kind, Number, std::size(Owner##Slots) * kLine, 10)                               \
    namespace {                                                                                                \
    const LineRow k##Name{Name##Shots, static_cast<int>(std::size(Owner##Slots)), SlotPos<Owner##Slots>, OffX, \
                          OffY,        Vx,       Diagonal,  &Image, Left, Right, Margin, HitLoX};              \
    }                                                                                                          \
    void S(int32_t, int32_t) { Spawn(k##Name); }                                                               \
    void M(int32_t, int32_t) { Move(k##Name); }                                                                \
    void D(int32_t, int32_t) { Draw(k##Name); }

// The groups of the kind, one for each row of DROPLINE_GROUPS in group_table.h.
DROPLINE_GROUPS(LINE)
