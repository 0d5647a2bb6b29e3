// The one body every boss shares: a Draw with damage smoke and lock markers,
// a Move that plays the boss's path table, and the defeat sequence. A boss is
// a row of data (bosses.cpp); these functions read it.
#pragma once
#include <cstdint>
#include <limits>
#include <span>

#include "game/bosses/boss_parts.h"
#include "game/bosses/boss_state.h"
#include "game/catalogue/catalogue.h"
#include "game/state/lock.h"

namespace bosses {

// One puff of damage smoke: a cell of an 80 x 80 smoke strip drawn while
// 0 < Health <= atMost, at the boss position plus (dx, dy + stepY x AnimFrame).
struct SmokePuff {
    float atMost;
    const int32_t* image;
    int stepY;
    int dx;
    int dy;
};

// What a row of a path does when the move clock lies inside its window.
enum class Path : uint8_t {
    Place,       // boss X = a, Y = b
    Drift,       // X += a x FrameSeconds, Y += b x FrameSeconds
    ShowEntry,   // draw the entry picture where it is, then put it at (a, b) with speed c
    RiseEntry,   // draw the entry picture, x = a, y rises by its speed; parked once above -480
    Loop,        // MoveClock = a
};

// One window of a path: lo and hi with their openness, '[' or '(' and ']' or ')'.
struct PathRow {
    char open;
    float lo;
    float hi;
    char close;
    Path action;
    float a = 0, b = 0, c = 0;
};
constexpr float kOnward = std::numeric_limits<float>::infinity();

struct BossBody {
    catalogue::Owner owner;
    BossState* state;
    float startHealth;
    uint32_t resetsHitFlag;  // the reset clears HitFlag of this boss only
    const int32_t* sprite;
    int w, h;
    std::span<const SmokePuff> smoke;
    LockSlot* lockA;
    LockSlot* lockB;
    int lockSlots;
    uint32_t showsSetA;  // 0: only set B shows markers
    std::span<const PathRow> path;
    BossEntryPicture* part;  // the part record the resets park; the entry picture
    const int32_t* entryImage;
    int entryW, entryH;
    DefeatBlast* big;
    DefeatBlast* small;
    int spreadW, bigH, smallH;
    uint32_t nextScene;
    int pitch;
};

// The row of a boss.
const BossBody& Body(catalogue::Owner boss);

void MoveBoss(const BossBody& b);
void DrawBoss(const BossBody& b);
void DefeatBoss(const BossBody& b);

// A float position truncated toward zero plus a pixel offset, saturated.
int At(float v, int offset);

}  // namespace bosses
