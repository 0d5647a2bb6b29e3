#include "game/bullets/aimed_volley.h"

#include "game/player/player.h"

namespace bullets::aimed {

void SpawnVolley(const VolleyRow& g, int i, int first) {
    AngledShot& r = g.shots[i];
    if (!Launch(r, g.owner(0), g.ox, g.oy)) return;
    r.x0 = r.x;
    r.y0 = r.y;
    r.speed = g.speed;
    const int place = g.centre < 0 ? i : i - first - g.centre;
    AimAtPlayer(r, g.aim, place * Step(g.step));
}

void EmitVolleys(const VolleyRow& g) {
    for (int i = 0; i < g.count; ++i) ++g.shots[i].counter;
    for (int first = 0, v = 0; first < g.count; first += g.per, ++v) {
        for (int i = first; i < first + g.per; ++i) {
            if (g.shots[i].counter == static_cast<uint32_t>(g.ticks[v])) SpawnVolley(g, i, first);
        }
    }
    for (int i = 0; i < g.count; ++i) {
        if (g.shots[i].counter >= g.wrap) g.shots[i].counter = 0;
    }
}

void MoveVolleys(const VolleyRow& g) {
    const Bounds bounds{g.lo, 800.0f, 600.0f};
    for (int i = 0; i < g.count; ++i) {
        AngledShot& r = g.shots[i];
        if (r.active == 0) continue;
        Fly(r);
        if (Outside(r.x, r.y, bounds) || BombActive == 1) Park(r);
        JudgePlayer(r.x, r.y, g.box);
    }
}

void SpawnRecord(const VolleyRow& g, int32_t i) {
    if (i < 0 || i >= g.count) return;
    SpawnVolley(g, i, i - i % g.per);
}

void ResetVolleys(const VolleyRow& g) { ResetRecords(g.shots, g.count, g.frameModulo, g.resetAngle); }

}  // namespace bullets::aimed
