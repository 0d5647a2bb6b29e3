#include "game/bosses/body.h"

#include <algorithm>

#include "framework/draw/draw.h"
#include "framework/system/system.h"
#include "game/shell/assets.h"

namespace bosses {

int At(float v, int offset) {
    const int64_t p = static_cast<int64_t>(fwDraw::ToBlitCoord(v)) + offset;
    return static_cast<int>(std::clamp<int64_t>(p, INT32_MIN, INT32_MAX));
}

namespace {

bool Inside(const PathRow& r, float c) {
    const bool above = r.open == '(' ? c > r.lo : c >= r.lo;
    const bool below = r.close == ')' ? c < r.hi : c <= r.hi;
    return above && below;
}

void DrawEntry(const BossBody& b) {
    const BossEntryPicture& p = *b.part;
    fwDraw::BltObject(At(p.x, 0), At(p.y, 0), *b.entryImage, 0, 0, b.entryW, b.entryH);
}

void Run(const BossBody& b, const PathRow& r) {
    BossState& s = *b.state;
    BossEntryPicture* p = b.part;  // only the rows of the entry picture use it
    switch (r.action) {
    case Path::Place:
        s.X = r.a;
        s.Y = r.b;
        break;
    case Path::Drift:
        s.X += r.a * FrameSeconds;
        s.Y += r.b * FrameSeconds;
        break;
    case Path::ShowEntry:
        DrawEntry(b);
        *p = BossEntryPicture{r.a, r.b, r.c};
        break;
    case Path::RiseEntry:
        DrawEntry(b);
        p->x = r.a;
        p->y -= p->speed * FrameSeconds;
        if (p->y < -480) *p = BossEntryPicture{-500, 2550, 0};
        break;
    case Path::Loop:
        s.MoveClock = r.a;
        break;
    }
}

// Cells of the animation strips: a frame far out of range stays out of the
// strip (nothing drawn) without overflowing the arithmetic.
int Cell(uint32_t frame) { return static_cast<int>(std::min<uint32_t>(frame, 1000)); }

void DrawMarkers(const LockSlot* set, int i) {
    if (set[i].locked) fwDraw::BltObject(set[i].x, set[i].y, ImgRock1, 0, 0, 60, 60);
}

}  // namespace

// The clock advances first; every row whose window holds the new value runs,
// in table order, so rows that share a bound both act.
void MoveBoss(const BossBody& b) {
    BossState& s = *b.state;
    s.MoveClock += 10 * FrameSeconds;
    const float c = s.MoveClock;
    for (const PathRow& r : b.path)
        if (Inside(r, c)) Run(b, r);
}

void DrawBoss(const BossBody& b) {
    BossState& s = *b.state;
    // A handle that nothing loaded (0) shows no sprite.
    if (*b.sprite != 0) fwDraw::BltObject(At(s.X, 0), At(s.Y, 0), *b.sprite, 0, 0, b.w, b.h);
    if (s.HitFlag > 0) s.HitFlag = 0;
    const int f = Cell(s.AnimFrame);
    for (const SmokePuff& p : b.smoke)
        if (s.Health > 0 && s.Health <= p.atMost)
            fwDraw::BltObject(At(s.X, p.dx), At(s.Y, p.dy + p.stepY * f), *p.image, 80 * f, 0, 80 * f + 80, 80);
    s.AnimFrame += 1;
    if (s.AnimFrame > 9) s.AnimFrame = 0;
    for (int i = 0; i < b.lockSlots; ++i) {
        if (b.showsSetA) DrawMarkers(b.lockA, i);
        DrawMarkers(b.lockB, i);
    }
    DefeatBoss(b);
}

}  // namespace bosses
