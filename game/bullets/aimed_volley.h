// The volley engine of the aimed fans and rings: records cut into volleys of
// equal size, one tick of the group's clock per volley, every bullet of a
// volley aimed from one point at the player and turned by its place.
#pragma once
#include <cstdint>

#include "game/bullets/aim.h"

namespace bullets::aimed {

struct VolleyRow {
    AngledShot* shots;
    int count;
    int per;          // records per volley (a fan) or ring
    int ticks[10];    // the counter value of each volley, in order
    uint32_t wrap;    // counters that reach it restart at 0, after the test
    OwnerPoint owner;
    float ox, oy;     // spawn point from the owner's corner
    float aim;        // aim point: the player's corner plus this on both axes
    float speed;
    int centre;       // fans: place of the aimed bullet; rings: -1 (the index turns)
    int step;         // turn step of one place: a full turn cut in `step`
    Look look;
    float lo;         // low retire bound on both axes (high: 800, 600)
    Box box;
    int frameModulo;  // reset: the frame's random range (0: no frame word)
    float resetAngle;
};

// Arms record i of the volley starting at `first` when it is free.
void SpawnVolley(const VolleyRow& g, int i, int first);
// Counters +1, the due volleys armed, then the counters at the wrap restart.
void EmitVolleys(const VolleyRow& g);
void MoveVolleys(const VolleyRow& g);
// The stage scripts' Spawn: record i of its own volley (out of range: nothing).
void SpawnRecord(const VolleyRow& g, int32_t i);
void ResetVolleys(const VolleyRow& g);

// A fan or ring group's operations, as the group macro calls them.
inline void ResetGroup(const VolleyRow& g) { ResetVolleys(g); }
inline void Spawn(const VolleyRow& g, int32_t i) { SpawnRecord(g, i); }
inline void Emit(const VolleyRow& g) { EmitVolleys(g); }
inline void Move(const VolleyRow& g) { MoveVolleys(g); }
inline void Draw(const VolleyRow& g) { DrawShots(g.shots, g.count, g.look); }

// The looks of the fans and rings.
constexpr Look Spin(const int32_t* image, int size = 30) {
    return {Blit::Rotated, Which::Active, image, size, 0, Rotation::Aim};
}
constexpr Look SpinAll(const int32_t* image, int size = 39) {
    return {Blit::Rotated, Which::All, image, size, 0, Rotation::AimStored};
}
constexpr Look Strip(const int32_t* image, int size, int cells) {
    return {Blit::Additive, Which::All, image, size, cells, Rotation::Aim};
}
constexpr Look Still(const int32_t* image, int size = 20) {
    return {Blit::Additive, Which::All, image, size, 0, Rotation::Aim};
}

}  // namespace bullets::aimed
