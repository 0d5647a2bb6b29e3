// What every bullet group shares: parking, the player box test, the idle
// values of the resets.
#pragma once
#include <cstdint>

#include "framework/system/random.h"
#include "game/bullets/records.h"
#include "game/state/player_state.h"

namespace bullets {

// A player box relative to the ship's top-left corner, both ends included.
struct Box {
    float loX, hiX, loY, hiY;
};

inline bool TouchesPlayer(float x, float y, const Box& b) {
    const float dx = x - PlayerX;
    const float dy = y - PlayerY;
    return b.loX <= dx && dx <= b.hiX && b.loY <= dy && dy <= b.hiY;
}

// The player test of a Move: a touch clears PlayerAlive; the bullet flies on.
inline void JudgePlayer(float x, float y, const Box& b) {
    if (PlayerAlive != 0 && TouchesPlayer(x, y, b)) PlayerAlive = 0;
}

inline void Park(DropShot& r) {
    r.active = 0;
    r.x = kParkX;
    r.y = kParkY;
}
inline void Park(AngledShot& r) {
    r.active = 0;
    r.x = kParkX;
    r.y = kParkY;
}
inline void Park(StreamShot& r) {
    r.active = 0;
    r.x = kStreamParkX;
    r.y = kStreamParkY;
}

// Idle values written by the resets. frameModulo 10 or 7 draws the
// animation frame; 0 means the record has no frame word (0 is stored).
inline void ResetRecords(DropShot* records, int count, int frameModulo) {
    for (int i = 0; i < count; ++i) {
        DropShot& r = records[i];
        r = DropShot{};
        r.frame = frameModulo > 0 ? static_cast<uint32_t>(rng::rand() % frameModulo) : 0;
        r.x = kParkX;
        r.y = kParkY;
    }
}
inline void ResetRecords(AngledShot* records, int count, int frameModulo, float angle) {
    for (int i = 0; i < count; ++i) {
        AngledShot& r = records[i];
        r = AngledShot{};
        r.frame = frameModulo > 0 ? static_cast<uint32_t>(rng::rand() % frameModulo) : 0;
        r.x = kParkX;
        r.y = kParkY;
        r.angle = angle;
    }
}
inline void ResetRecords(StreamShot* records, int count) {
    for (int i = 0; i < count; ++i) {
        records[i] = StreamShot{};
        records[i].x = kStreamParkX;
        records[i].y = kStreamParkY;
    }
}

// The reset angle of angled records: -3 degrees, or -3pi/580 in five groups.
constexpr float kResetAngle = -0.05235988f;
constexpr float kResetAngleNarrow = -0.01624962f;

}  // namespace bullets
