#include "game/enemies/timed.h"

namespace enemies {
namespace {

struct Window {
    float lo, hi;
};
constexpr Window kWindows[5] = {{0, 10}, {11, 20}, {21, 30}, {31, 40}, {41, 100}};
constexpr float kRestart = 101;

}  // namespace

void FollowPath(const PathSpec& path, EnemySlot52& s, int32_t slot, float dt) {
    s.pathClock = s.pathClock + path.rate * dt;
    const float t = s.pathClock;
    for (int w = 0; w < 5; ++w) {
        if (t < kWindows[w].lo || t > kWindows[w].hi) continue;
        const PathSpec::Segment& seg = path.segment[w];
        s.vx = seg.vx;
        s.vy = seg.vy;
        if (seg.fire && Open(path.gate)) output.fire(seg.fire, slot);
    }
    if (s.pathClock >= kRestart) s.pathClock = 0;
}

}  // namespace enemies
