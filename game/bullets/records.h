// The bullet records every group uses. One AngledShot type carries the
// fields of all three of its forms; a kind reads only those it uses.
#pragma once
#include <cstdint>

// Stream bullets move in whole pixels along a path of bands.
struct StreamShot {
    int32_t x;
    int32_t y;
    float pathTimer;
    uint32_t active;
};

// Straight-moving bullets: TwinShot, LargeDrop, Fan, SmallShot, DirFan,
// WideFan, DropLine, SlantFan.
struct DropShot {
    uint32_t frame;
    uint32_t counter;
    float x;
    float y;
    float vx;
    float vy;
    uint32_t spare;
    uint32_t active;
};

// Bullets moving along a heading: Spiral, AimedRing, AimedSpread, AimedLine,
// AimedShot, Chain, FlameChain, TripleSpiral, QuadAimed.
struct AngledShot {
    uint32_t frame;
    uint32_t counter;
    uint32_t drawAngle;
    float x;
    float y;
    float dx;
    float dy;
    float x0;
    float y0;
    float angle;
    float speed;
    float timer;
    uint32_t active;
};

// A beam's one record: it shows for four frames where it fired.
struct BeamShot {
    uint32_t frame;  // 1..4 while the beam shows, 0 idle
    float x;
    float y;
    uint32_t active;
};

// Parking place of a freed float-positioned record, and of StreamShot.
constexpr float kParkX = -500.0f;
constexpr float kParkY = 2550.0f;
constexpr int32_t kStreamParkX = -500;
constexpr int32_t kStreamParkY = 500;
