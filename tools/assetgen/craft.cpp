// The player's ship, the enemy craft, the bosses and their entry pictures,
// all built from mirrored plates with the model painter.
#include <algorithm>
#include <functional>

#include "tools/assetgen/assets.h"
#include "tools/assetgen/model.h"

namespace ag {
namespace {

struct Palette {
    uint32_t hull, armour, trim, canopy, glowEdge, glowCore;
};

// Materials every craft uses.
struct Kit {
    int hull, armour, trim, dark, canopy, ring, glow, light, pale;
};

Kit MakeKit(Model& m, const Palette& p) {
    Kit k;
    k.hull = m.material(Metal(Hex(p.hull), 0.35f));
    k.armour = m.material(Metal(Hex(p.armour), 0.5f));
    k.trim = m.material(Metal(Hex(p.trim), 0.45f));
    k.dark = m.material(Metal(Mix(Scale(Hex(p.armour), 0.42f), Rgb{30, 30, 44}, 0.3f), 0.15f));
    k.canopy = m.material(Glass(Hex(p.canopy)));
    k.ring = m.material(Metal(Hex(0x4c5464), 0.25f));
    k.glow = m.material(Glow(Hex(p.glowEdge), Hex(p.glowCore)));
    k.light = m.material(Glow(Hex(p.glowCore), Hex(0xffffff)));
    k.pale = m.material(Metal(Mix(Hex(p.hull), Rgb{235, 235, 240}, 0.6f), 0.4f));
    return k;
}

Canvas Render(const Model& m, int w, int h, View v) {
    Canvas c(w, h);
    Paint(c, m, v);
    Outline(c, 0.32f);
    return c;
}

View At(float cx, float cy, float angle = 0, float roll = 0) {
    View v;
    v.cx = cx;
    v.cy = cy;
    v.angle = angle;
    v.roll = roll;
    return v;
}

// ------------------------------------------------------------------ player

void PlayerType1(Model& m, float flame) {
    Kit k = MakeKit(m, {0xd8dce8, 0x8890a8, 0xe03030, 0x40a0ff, 0xff7020, 0xffe080});
    m.pair({{6, -4}, {14, 0}, {27, 14}, {27, 22}, {20, 23}, {7, 18}}, k.hull, 3);
    m.pair({{8, -2}, {14, 1}, {26.5f, 13.5f}, {26.5f, 16.5f}, {14, 5}, {8, 2}}, k.trim, 1, 0.5f);
    m.pair({{5, -19}, {11, -13}, {11, -10}, {5, -12}}, k.armour, 1.5f);
    m.capsule(10, 12, 23, 3.6f, k.armour, 1);
    m.bar({24.5f, 18}, {24.5f, 3}, 2.2f, k.dark, 1);
    m.hull({{0, -33}, {2, -30}, {4, -22}, {5.5f, -12}, {6.5f, -2}, {7, 10}, {7, 22}, {5, 28}, {0, 29}}, k.hull, 5, 2);
    m.part(Ellipse(0, 2, 3, 9), k.armour, 2, 3);
    m.bar({0, -30}, {0, -24}, 1.6f, k.trim, 3, false);
    m.part(Ellipse(0, -14, 3.3f, 7.5f), k.canopy, 3, 4);
    m.pair({{4, 14}, {5.5f, 14}, {8.5f, 28}, {6.5f, 28}}, k.trim, 1, 6);
    m.engine(10, 26, 3.2f, 2.4f, k.ring, k.glow);
    for (int s = -1; s <= 1; s += 2)
        m.part({{s * 8.2f, 28}, {s * 11.8f, 28}, {s * 10.f, 30.f + flame}}, k.light, 1.5f);
}

void PlayerType2(Model& m, float flame) {
    Kit k = MakeKit(m, {0x383c48, 0xc8a040, 0x40e0a0, 0xff6060, 0x40a0ff, 0xd0f0ff});
    m.pair({{6, 6}, {26, -8}, {28, -4}, {27, 14}, {8, 22}}, k.armour, 3);
    m.pair({{8, 6}, {25, -6}, {26, -3}, {10, 10}}, k.trim, 1, 0.5f);
    m.capsule(16, 8, 20, 4, k.hull, 1);
    m.hull({{0, -32}, {3, -28}, {6, -18}, {8, -4}, {9, 12}, {8, 24}, {4, 29}, {0, 29}}, k.hull, 6, 2);
    m.part(Ellipse(0, -12, 3.2f, 8), k.canopy, 3, 4);
    m.bar({0, 2}, {0, 20}, 2.5f, k.armour, 3, false);
    m.engine(0, 26, 3.5f, 2.6f, k.ring, k.glow);
    m.engine(16, 24, 3, 2.2f, k.ring, k.glow);
    m.part({{-2.5f, 28}, {2.5f, 28}, {0, 31.f + flame}}, k.light, 1.5f);
}

}  // namespace

Canvas PlayerShipArt(int type, float scale, float roll) {
    Model m;
    if (type == 2)
        PlayerType2(m, 4.f);
    else
        PlayerType1(m, 4.f);
    int w = int(60 * scale), h = int(70 * scale);
    View v = At(w / 2.f, h / 2.f + 0.5f * scale, 0, roll);
    v.sx = v.sy = scale;
    return Render(m, w, h, v);
}

Canvas MakePlayerShip(const Job& j) {
    return Cells(j.w, j.h, 7, 60, 70, 7, [&](int cell) {
        Model m;
        float flame = cell % 2 ? 3.f : 4.f;
        if (j.args.a == 2)
            PlayerType2(m, flame);
        else
            PlayerType1(m, flame);
        // Cells 4-6 roll while moving left (left wing down), 2-0 while moving right.
        return Render(m, 60, 70, At(30, 35.5f, 0, (cell - 3) * 15.f));
    });
}

// ------------------------------------------------------------------ enemies

namespace {

// Small mirrored plates, vents and lights scattered over a region.
void Greeble(Model& m, const Kit& k, Rng& rng, float x0, float y0, float x1, float y1, int count, float z) {
    for (int i = 0; i < count; ++i) {
        float w = rng.range(6, 22), h = rng.range(5, 18);
        float x = rng.range(x0, std::max(x0, x1 - w)), y = rng.range(y0, std::max(y0, y1 - h));
        int kind = rng.irange(0, 9);
        if (kind < 4) {
            m.pair(Rect(x, y, x + w, y + h), rng.chance(0.5f) ? k.armour : k.hull, 2, z);
        } else if (kind < 6) {
            for (int s = 0; s < 3; ++s) m.bar({x, y + s * 3.f}, {x + w, y + s * 3.f}, 1.4f, k.dark, z + 0.5f);
        } else if (kind < 7) {
            m.disc(x + w / 2, y + h / 2, 2.2f, 2.2f, k.light, 2, z + 1);
        } else if (kind < 8) {
            m.capsule(x + w / 2, y, y + h * 1.6f, 2.5f, k.ring, z + 0.5f);
        } else {
            m.pair(Rect(x, y, x + w, y + 3), k.trim, 1, z + 0.5f);
        }
    }
}

// Round gun turret with barrels pointing down (toward the player).
void Turret(Model& m, const Kit& k, float x, float y, float r, int barrels, float z, bool mirrored = true) {
    for (int b = 0; b < barrels; ++b) {
        float off = (b - (barrels - 1) / 2.f) * r * 0.45f;
        m.bar({x + off, y}, {x + off, y + r * 1.8f}, r * 0.28f, k.dark, z + 1, mirrored);
    }
    m.disc(x, y, r, r, k.armour, r * 0.5f, z + 2, mirrored);
    m.disc(x, y, r * 0.6f, r * 0.6f, k.hull, r * 0.5f, z + 3, mirrored);
    m.disc(x - r * 0.15f, y - r * 0.15f, r * 0.2f, r * 0.2f, k.light, r * 0.2f, z + 4, mirrored);
}

// Glowing core inside an armoured ring.
void Core(Model& m, const Kit& k, float x, float y, float r, float z) {
    m.disc(x, y, r * 1.35f, r * 1.35f, k.ring, r * 0.3f, z, false);
    Part& ring = m.part(Ellipse(x, y, r * 1.2f, r * 1.2f), k.trim, r * 0.12f, z + 1);
    ring.holes.push_back(Ellipse(x, y, r * 1.02f, r * 1.02f));
    m.disc(x, y, r, r, k.glow, r, z + 2, false);
    m.disc(x - r * 0.3f, y - r * 0.3f, r * 0.25f, r * 0.25f, k.light, r * 0.25f, z + 3, false);
}

void PanelLines(Model& m, const Kit& k, float x0, float y0, float x1, float y1, int rows, float z) {
    for (int i = 1; i < rows; ++i) {
        float y = y0 + (y1 - y0) * i / rows;
        m.bar({x0, y}, {x1, y}, 1.2f, k.dark, z);
    }
}

using Design = void (*)(Model&, const Palette&, Rng&);

// Small fighter with forward winglets (60 x 60).
void Fighter(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{5, -4}, {25, 10}, {26, 17}, {21, 18}, {5, 13}}, k.hull, 2.5f);
    m.pair({{9, 1}, {24, 10}, {24, 13}, {9, 5}}, k.trim, 1, 0.4f);
    m.pair({{4, -14}, {12, -9}, {12, -5}, {4, -7}}, k.armour, 1.5f);
    m.bar({23, 17}, {23, 3}, 2.2f, k.dark, 1);
    m.hull({{0, -27}, {3, -22}, {5, -12}, {6, 0}, {6, 12}, {5, 20}, {3, 24}, {0, 25}}, k.armour, 4, 2);
    m.part(Ellipse(0, -9, 3, 6), k.canopy, 2.5f, 3);
    m.engine(0, 22, 3.5f, 2.5f, k.ring, k.glow);
}

// Rising craft with a split bow (80 x 100 and 100 x 120).
void Riser(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{10, 0}, {36, 18}, {37, 30}, {30, 34}, {11, 26}}, k.hull, 3);
    m.pair({{14, 6}, {34, 19}, {34, 23}, {14, 11}}, k.trim, 1, 0.5f);
    m.pair({{4, -44}, {12, -40}, {15, -10}, {12, 0}, {6, -6}}, k.armour, 3, 1);
    m.capsule(22, 6, 30, 5, k.armour, 1);
    m.hull({{0, -22}, {8, -18}, {12, -4}, {13, 20}, {10, 40}, {5, 46}, {0, 47}}, k.hull, 7, 2);
    m.part(Ellipse(0, -4, 5, 9), k.canopy, 4, 3);
    m.bar({0, 12}, {0, 36}, 3, k.trim, 3, false);
    m.engine(6, 42, 4, 3, k.ring, k.glow);
    m.engine(22, 36, 4, 3, k.ring, k.glow);
}

// Twin-engine craft (80 x 80): nacelles reach the tail edge at x +-25.
void TwinA(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{8, -8}, {30, -2}, {30, 14}, {8, 18}}, k.hull, 3);
    m.pair({{10, -5}, {29, 0}, {29, 3}, {10, -1}}, k.trim, 1, 0.5f);
    m.capsule(25, -18, 28, 9, k.armour, 1);
    m.pair({{21, -28}, {29, -28}, {28, -36}, {22, -36}}, k.dark, 1, 1);
    m.hull({{0, -37}, {5, -32}, {9, -20}, {10, 0}, {9, 20}, {5, 30}, {0, 31}}, k.hull, 6, 2);
    m.part(Ellipse(0, -16, 4, 8), k.canopy, 3, 3);
    m.bar({10, 8}, {16, 8}, 2, k.dark, 2);
    m.engine(25, 35, 8.5f, 4.5f, k.ring, k.glow);
}

// Small craft with pincers and one engine on its tail centre (70 x 80).
void Pincer(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{11, -2}, {33, 8}, {34, 19}, {12, 22}}, k.hull, 3);
    m.pair({{13, 2}, {32, 10}, {32, 13}, {13, 6}}, k.trim, 1, 0.5f);
    m.pair({{8, -16}, {15, -37}, {19, -36}, {18, -12}}, k.armour, 2, 1);
    m.hull({{0, -30}, {6, -26}, {10, -14}, {12, 0}, {12, 20}, {10, 32}, {10, 39}, {0, 39}}, k.hull, 6, 2);
    m.part(Ellipse(0, -8, 4.5f, 9), k.canopy, 3.5f, 3);
    m.part(Rect(-10, 30, 10, 39), k.ring, 2, 2);
    m.engine(0, 35, 8, 4, k.ring, k.glow);
}

// Twin-engine craft (80 x 100): nacelles reach the tail edge at x +-29.5.
void TwinB(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{8, -20}, {26, -12}, {26, 20}, {8, 26}}, k.hull, 4);
    m.pair({{10, 8}, {24, 4}, {24, 8}, {10, 12}}, k.trim, 1, 0.5f);
    m.capsule(29.5f, -26, 38, 9.5f, k.armour, 1);
    m.pair({{26, -38}, {33, -38}, {31, -47}, {28, -47}}, k.dark, 1, 1);
    m.hull({{0, -48}, {5, -42}, {10, -28}, {12, -6}, {11, 22}, {7, 36}, {0, 38}}, k.hull, 7, 2);
    m.part(Ellipse(0, -22, 4.5f, 10), k.canopy, 3.5f, 3);
    m.bar({0, 0}, {0, 30}, 3, k.trim, 3, false);
    m.engine(29.5f, 45, 9, 4.5f, k.ring, k.glow);
}

// Flying wing that crosses sideways (80 x 60).
void Wing(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{0, -18}, {16, -8}, {38, 8}, {38, 14}, {26, 16}, {12, 12}, {0, 16}}, k.hull, 5);
    m.pair({{14, -5}, {37, 9}, {37, 12}, {14, -1}}, k.trim, 1, 0.5f);
    m.capsule(20, 2, 10, 3.5f, k.armour, 1);
    m.hull({{0, -26}, {6, -18}, {8, -4}, {8, 14}, {0, 20}}, k.armour, 5, 2);
    m.part(Ellipse(0, -10, 4, 7), k.canopy, 3, 3);
    m.engine(6, 16, 3.5f, 2.5f, k.ring, k.glow);
    m.engine(20, 14, 3, 2.2f, k.ring, k.glow);
}

// Arrowhead with outrigger pods, drawn on a diagonal (90 x 90).
void Arrow(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{4, -24}, {26, 14}, {24, 22}, {6, 16}}, k.hull, 4);
    m.pair({{7, -15}, {24, 14}, {22, 16}, {6, -8}}, k.trim, 1, 0.5f);
    m.capsule(24, 0, 22, 5, k.armour, 1);
    m.bar({24, -4}, {24, -14}, 2, k.dark, 1);
    m.hull({{0, -36}, {4, -30}, {8, -12}, {9, 12}, {6, 26}, {0, 28}}, k.hull, 6, 2);
    m.part(Ellipse(0, -12, 4, 9), k.canopy, 3, 3);
    m.engine(0, 24, 5, 3, k.ring, k.glow);
    m.engine(24, 26, 4, 2.5f, k.ring, k.glow);
}

// Interceptor of the turning paths (100 x 100 cells).
void Interceptor(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{6, 0}, {30, 18}, {34, 32}, {28, 32}, {8, 22}}, k.hull, 3);
    m.pair({{9, 4}, {30, 19}, {31, 23}, {9, 8}}, k.trim, 1, 0.5f);
    m.pair({{5, -20}, {16, -14}, {16, -9}, {5, -11}}, k.armour, 2, 1);
    m.pair({{8, 20}, {12, 20}, {16, 36}, {12, 36}}, k.dark, 1, 4);
    m.hull({{0, -40}, {4, -34}, {7, -20}, {9, 0}, {9, 24}, {6, 34}, {0, 35}}, k.hull, 6, 2);
    m.part(Ellipse(0, -16, 4, 9), k.canopy, 3, 3);
    m.engine(5, 33, 3.5f, 2.5f, k.ring, k.glow);
}

// Mid-size gunship with side gun pods (200 x 160). The large craft from here
// on are drawn nose toward +y. Every part rests on the hull or the wings.
void Gunship(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{24, -30}, {86, -6}, {92, 30}, {80, 44}, {26, 40}}, k.hull, 6);
    m.pair({{30, -20}, {84, 0}, {86, 8}, {30, -12}}, k.trim, 2, 0.5f);
    m.pair({{40, 10}, {78, 16}, {78, 30}, {40, 30}}, k.armour, 3, 1);
    // Gun pods along the wings, engines at their after ends, barrels forward.
    m.capsule(60, -54, 44, 11, k.armour, 2);
    m.capsule(60, 30, 54, 5, k.dark, 4);
    m.pair({{49, -40}, {71, -40}, {71, -34}, {49, -34}}, k.dark, 1, 3);
    m.hull({{0, -76}, {14, -70}, {24, -50}, {28, -10}, {26, 40}, {18, 66}, {0, 74}}, k.hull, 12, 3);
    m.hull({{0, -60}, {10, -52}, {14, -20}, {12, 30}, {0, 40}}, k.armour, 6, 5);
    m.part(Ellipse(0, 48, 10, 14), k.canopy, 6, 6);
    for (int i = 0; i < 4; ++i) m.bar({16, -40.f + i * 14}, {24, -40.f + i * 14}, 2.5f, k.dark, 4);
    m.engine(60, -58, 8, 4, k.ring, k.glow);
    m.engine(9, -68, 6, 3.5f, k.ring, k.glow);
    m.disc(40, 20, 5, 5, k.light, 3, 2);
    Greeble(m, k, rng, 32, -8, 76, 8, 8, 1);
}

// Heavy catamaran gunship (200 x 160).
void Catamaran(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{20, -24}, {92, -4}, {92, 20}, {20, 30}}, k.armour, 5);
    m.pair({{24, -14}, {90, 2}, {90, 8}, {24, -6}}, k.trim, 2, 0.5f);
    m.hull({{0, -40}, {22, -36}, {24, 20}, {0, 30}}, k.hull, 8, 2);
    m.capsule(50, -62, 56, 17, k.hull, 3);
    m.capsule(50, -40, 46, 9, k.armour, 6);
    m.part(Ellipse(0, -6, 14, 14), k.ring, 5, 4);
    m.part(Ellipse(0, -6, 8, 8), k.light, 8, 5);
    m.pair({{44, 58}, {56, 58}, {54, 76}, {46, 76}}, k.dark, 1.5f, 4);
    m.disc(50, 40, 6, 8, k.canopy, 4, 7);
    m.engine(50, -74, 10, 4, k.ring, k.glow);
    for (int i = 0; i < 5; ++i) m.bar({36, -50.f + i * 12}, {36, -44.f + i * 12}, 2.5f, k.dark, 3);
    Greeble(m, k, rng, 62, -16, 90, 18, 8, 1);
}

// Craft with two spiral turrets (200 x 160): turrets at x +-50, y +35. Its
// pointed prow, cockpit and chevrons lead; the engine pods trail.
void TurretCraft(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{14, -40}, {80, -20}, {94, 12}, {80, 50}, {20, 44}}, k.hull, 7);
    m.pair({{18, -30}, {78, -12}, {80, -6}, {18, -22}}, k.trim, 2, 0.5f);
    // Engine pods reaching back from the wings.
    m.capsule(50, -58, -18, 9, k.armour, 1);
    m.engine(50, -62, 7, 4, k.ring, k.glow);
    m.hull({{0, -72}, {18, -66}, {24, -30}, {24, 30}, {16, 58}, {0, 78}}, k.armour, 10, 2);
    m.part(Ellipse(0, 36, 8, 17), k.canopy, 6, 4);
    for (int i = 0; i < 2; ++i) {  // chevrons pointing the way it flies
        float y = -36.f + i * 16;
        m.pair({{0, y + 12}, {14, y}, {14, y + 5}, {0, y + 17}}, k.trim, 1, 3);
    }
    m.disc(50, 35, 19, 19, k.ring, 5, 2);
    m.disc(50, 35, 12, 12, k.armour, 8, 4);
    m.disc(50, 35, 5, 5, k.light, 5, 6);
    m.engine(10, -68, 6, 3.5f, k.ring, k.glow);
    for (int i = 0; i < 3; ++i) m.bar({28, 0.f + i * 10}, {70, 6.f + i * 10}, 2, k.dark, 2);
    Greeble(m, k, rng, 28, -18, 78, -2, 8, 1);
}

// Swooping delta (200 x 160).
void Delta(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{0, -60}, {94, 40}, {90, 56}, {60, 52}, {0, 36}}, k.hull, 8);
    m.pair({{16, -36}, {90, 42}, {88, 48}, {14, -26}}, k.trim, 2, 0.5f);
    m.pair({{40, 18}, {70, 36}, {62, 46}, {36, 36}}, k.armour, 4, 1);
    m.hull({{0, -78}, {10, -60}, {16, -20}, {16, 40}, {0, 60}}, k.armour, 8, 3);
    m.part(Ellipse(0, -28, 8, 18), k.canopy, 6, 5);
    m.engine(8, 50, 6, 4, k.ring, k.glow);
    m.engine(60, 52, 6, 3, k.ring, k.glow);
    m.disc(86, 50, 3, 3, k.light, 2, 1);
    Greeble(m, k, rng, 22, -10, 56, 30, 8, 1);
}

// Big gunship (240 x 220), centred on the picture's x 120.
void Battleship(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{30, -50}, {112, -20}, {116, 30}, {104, 50}, {30, 56}}, k.hull, 8);
    m.pair({{34, -40}, {110, -12}, {112, -4}, {34, -30}}, k.trim, 2, 0.5f);
    m.pair({{60, 10}, {100, 16}, {100, 44}, {60, 48}}, k.armour, 4, 1);
    m.capsule(40, 20, 44, 9, k.ring, 3);
    m.bar({40, 48}, {40, 64}, 5, k.dark, 4);
    m.capsule(92, -40, 60, 12, k.armour, 2);
    m.hull({{0, -104}, {20, -96}, {34, -60}, {38, 0}, {34, 60}, {20, 92}, {0, 100}}, k.hull, 14, 3);
    m.hull({{0, -86}, {14, -76}, {20, -30}, {18, 40}, {0, 56}}, k.armour, 8, 5);
    m.part(Ellipse(0, 70, 12, 16), k.canopy, 7, 6);
    for (int i = 0; i < 6; ++i) m.bar({22, -70.f + i * 14}, {32, -70.f + i * 14}, 2.5f, k.dark, 4);
    m.engine(92, -50, 10, 5, k.ring, k.glow);
    m.engine(20, -96, 8, 4, k.ring, k.glow);
    m.disc(70, 30, 6, 6, k.light, 4, 2);
    Greeble(m, k, rng, 44, -26, 100, 6, 12, 1);
    PanelLines(m, k, -18, -70, 18, 30, 6, 6);
}

// Huge stop-and-fire gunship (300 x 300), guns at x +-100.
void Fortress(Model& m, const Palette& p, Rng& rng) {
    Kit k = MakeKit(m, p);
    m.pair({{40, -90}, {140, -40}, {146, 60}, {120, 100}, {40, 90}}, k.hull, 10);
    m.pair({{46, -78}, {136, -32}, {138, -22}, {46, -66}}, k.trim, 3, 0.5f);
    m.pair({{70, 0}, {130, 10}, {130, 80}, {70, 84}}, k.armour, 5, 1);
    m.capsule(100, 40, 110, 12, k.ring, 3);
    m.bar({100, 110}, {100, 136}, 7, k.dark, 4);
    m.hull({{0, -146}, {30, -134}, {50, -80}, {56, 10}, {48, 100}, {26, 140}, {0, 146}}, k.hull, 18, 3);
    m.hull({{0, -120}, {20, -106}, {30, -40}, {26, 60}, {0, 86}}, k.armour, 10, 5);
    m.part(Ellipse(0, 106, 16, 22), k.canopy, 8, 6);
    m.disc(0, -20, 24, 24, k.ring, 6, 7, false);
    m.disc(0, -20, 14, 14, k.light, 14, 8, false);
    for (int i = 0; i < 8; ++i) m.bar({32, -110.f + i * 14}, {44, -110.f + i * 14}, 3, k.dark, 4);
    m.engine(100, -34, 12, 6, k.ring, k.glow);
    m.engine(28, -136, 10, 5, k.ring, k.glow);
    Greeble(m, k, rng, 56, -70, 136, -10, 20, 1);
    PanelLines(m, k, -24, -110, 24, 60, 8, 6);
}

struct EnemyDesign {
    Design build;
    Palette palette;
    bool noseDown = false;  // drawn with its nose toward +y
};

// Families and their colours.
const EnemyDesign kDesigns[] = {
    /* 0 fighter, red       */ {Fighter, {0xb02838, 0x9aa0b4, 0xffd040, 0x60ffd0, 0xff6020, 0xffe080}},
    /* 1 riser, teal        */ {Riser, {0x2a9a90, 0xc0c8c0, 0xff8030, 0xffe060, 0x3080ff, 0xc0f0ff}},
    /* 2 twin A, olive      */ {TwinA, {0x7a8040, 0xb0a070, 0xff6020, 0x80e0ff, 0xff6020, 0xffe080}},
    /* 3 pincer, steel blue */ {Pincer, {0x4870b0, 0xb8c0d0, 0xffb030, 0xff5060, 0x40a0ff, 0xe0ffff}},
    /* 4 twin B, olive dark */ {TwinB, {0x5c6a38, 0xa89870, 0xe04828, 0x80e0ff, 0xff6020, 0xffe080}},
    /* 5 wing, amber        */ {Wing, {0xe0a020, 0x806850, 0x302c40, 0x60d0ff, 0xff4020, 0xffd080}},
    /* 6 arrow, cyan        */ {Arrow, {0x30b0d0, 0xd0d8e0, 0x2040a0, 0xffe040, 0x40ff80, 0xe0ffe0}},
    /* 7 interceptor, pink  */ {Interceptor, {0xc03890, 0xd0c0d8, 0x40e0ff, 0xfff060, 0xff40c0, 0xffd0ff}},
    /* 8 gunship, grey-red  */ {Gunship, {0x8890a0, 0x5a6070, 0xd02828, 0x50c0ff, 0xff6020, 0xfff0a0}, true},
    /* 9 catamaran          */ {Catamaran, {0x8c8478, 0x605850, 0xd83020, 0x50c0ff, 0xff6020, 0xfff0a0}, true},
    /* 10 turret craft      */ {TurretCraft, {0x7890a8, 0x586478, 0xe03838, 0x60e0ff, 0xff6020, 0xffe0a0}, true},
    /* 11 delta             */ {Delta, {0x9a98a8, 0x606078, 0xd83040, 0x60e0ff, 0x40a0ff, 0xe0ffff}},
    /* 12 battleship        */ {Battleship, {0x707c88, 0x4c5664, 0xe8a020, 0x60e0ff, 0xff6020, 0xffe0a0}, true},
    /* 13 fortress          */ {Fortress, {0x4e6a50, 0x3c4838, 0xe0c040, 0x80ffb0, 0xff6020, 0xffe0a0}, true},
    /* 14 fighter, green    */ {Fighter, {0x40a050, 0xa0a8a0, 0xffe040, 0xff7070, 0xff6020, 0xffe080}},
    /* 15 wing, violet      */ {Wing, {0x8050c0, 0x7890a0, 0xffd040, 0x60ffd0, 0xff4080, 0xffd0f0}},
    /* 16 arrow, orange     */ {Arrow, {0xe07030, 0xc8c0b0, 0x303050, 0x60e0ff, 0xff6020, 0xffe080}},
    /* 17 riser, sand       */ {Riser, {0xb09060, 0x9098a8, 0x3060c0, 0x60ffd0, 0xff6020, 0xffe080}},
};

}  // namespace

// a: design, b: facing angle, c: picture x of the craft's centre (0 = middle), f: roll, scale.
Canvas MakeEnemy(const Job& j) {
    Model m;
    const EnemyDesign& d = kDesigns[j.args.a];
    Rng rng(j.name);
    d.build(m, d.palette, rng);
    float cx = j.args.c ? float(j.args.c) : j.w / 2.f;
    View v = At(cx, j.h / 2.f, float(j.args.b) + (d.noseDown ? 180.f : 0.f), j.args.f);
    v.sx = v.sy = j.args.scale;
    return Render(m, j.w, j.h, v);
}

Canvas MakeTurningEnemy(const Job& j) {
    const EnemyDesign& d = kDesigns[j.args.a];
    return Cells(j.w, j.h, 5, 100, 100, 5, [&](int k) {
        Model m;
        Rng rng(j.name);
        d.build(m, d.palette, rng);
        float deg = j.args.b + (j.args.c - j.args.b) * (k == 0 ? 0.f : k == 1 ? 1.f / 3 : k == 2 ? 0.5f : k == 3 ? 2.f / 3 : 1.f);
        float roll = (k == 0 || k == 4) ? 0.f : (j.args.c > j.args.b ? -1.f : 1.f) * 18.f;
        return Render(m, 100, 100, At(50, 50, deg, roll));
    });
}

// Spinning craft, kept inside the inscribed circle.
Canvas MakeSpinner(const Job& j) {
    Model m;
    float R = std::min(j.w, j.h) / 2.f - 3.f;
    Palette p = j.args.a == 0   ? Palette{0x9040c0, 0xc8b8e0, 0xffd040, 0x60ffe0, 0xff40c0, 0xffe0ff}
                : j.args.a == 1 ? Palette{0xd0a030, 0x5a6478, 0x3050d0, 0x60ffe0, 0x40a0ff, 0xe0ffff}
                                : Palette{0x3870c8, 0x5a6478, 0xd0a030, 0xffe060, 0xff6020, 0xffe0a0};
    Kit k = MakeKit(m, p);
    int points = j.args.a == 0 ? 5 : 6;
    for (int s = 0; s < points; ++s) {
        float a = 360.f / points * s;
        Poly blade{{0, -R}, {R * 0.22f, -R * 0.52f}, {R * 0.3f, -R * 0.1f}, {0, -R * 0.3f}, {-R * 0.12f, -R * 0.45f}};
        if (j.args.a == 2) std::for_each(blade.begin(), blade.end(), [](Vec2& v) { v.x = -v.x; });
        m.part(Rotated(blade, {0, 0}, a), k.hull, R * 0.08f, 1);
    }
    m.part(Ellipse(0, 0, R * 0.55f, R * 0.55f), k.armour, R * 0.12f, 2);
    Part& ring = m.part(Ellipse(0, 0, R * 0.42f, R * 0.42f), k.trim, R * 0.05f, 3);
    ring.holes.push_back(Ellipse(0, 0, R * 0.32f, R * 0.32f));
    for (int s = 0; s < points; ++s) {
        float a = (360.f / points * s + 180.f / points) * kPi / 180.f;
        m.disc(std::sin(a) * R * 0.48f, -std::cos(a) * R * 0.48f, R * 0.06f, R * 0.06f, k.light, R * 0.06f, 3, false);
    }
    m.part(Ellipse(0, 0, R * 0.28f, R * 0.28f), k.ring, R * 0.1f, 3);
    m.part(Ellipse(0, 0, R * 0.18f, R * 0.18f), k.glow, R * 0.18f, 4);
    Canvas c = Render(m, j.w, j.h, At(j.w / 2.f, j.h / 2.f));
    ClearOutsideCircle(c);
    return c;
}

Canvas MakeMissile(const Job& j) {
    Model m;
    Kit k = MakeKit(m, {0xe0e0e8, 0x9098a8, 0xe03030, 0x40a0ff, 0xff7020, 0xffe080});
    m.pair({{2, 12}, {8, 20}, {8, 24}, {2, 22}}, k.trim, 1);
    m.pair({{2, -10}, {5, -6}, {5, -3}, {2, -4}}, k.trim, 1);
    m.hull({{0, -22}, {2, -18}, {3, -12}, {3, 22}, {0, 23}}, k.hull, 3, 1);
    m.bar({0, -18}, {0, -13}, 2, k.trim, 2, false);
    m.part({{-2.5f, 23}, {2.5f, 23}, {0, 29}}, k.light, 1.5f);
    return Render(m, j.w, j.h, At(j.w / 2.f, j.h / 2.f - 0.5f));
}

// ------------------------------------------------------------------ bosses

namespace {

// Stage 1: a broad battleship spanning the playfield (440 x 360).
void BossBattleship(Model& m, Rng& rng) {
    Kit k = MakeKit(m, {0x7a8ca8, 0x4e5a70, 0xd83030, 0x60e0ff, 0xff6020, 0xffe0a0});
    // Wing spars out to the drop launchers at the ends.
    m.pair({{40, -120}, {190, -70}, {214, -10}, {200, 40}, {60, 40}}, k.hull, 10);
    m.pair({{50, -100}, {186, -60}, {190, -48}, {50, -86}}, k.trim, 3, 0.5f);
    PanelLines(m, k, 70, -70, 180, 30, 4, 1);
    Greeble(m, k, rng, 70, -60, 180, 30, 30, 1);
    // Drop launchers (x +-145 in the picture's middle), open toward the player.
    m.capsule(145, -126, 56, 38, k.armour, 3);
    m.capsule(145, -116, 30, 24, k.hull, 6);
    PanelLines(m, k, 125, -110, 165, 40, 6, 7);
    m.disc(145, 100, 34, 26, k.ring, 10, 7);
    m.disc(145, 100, 24, 18, k.glow, 20, 8);
    m.pair({{110, 40}, {124, 40}, {118, 120}, {110, 110}}, k.dark, 3, 5);
    m.pair({{166, 40}, {180, 40}, {180, 110}, {172, 120}}, k.dark, 3, 5);
    m.engine(145, -160, 16, 7, k.ring, k.glow);
    Turret(m, k, 122, -110, 12, 2, 8);
    // Main hull.
    m.hull({{0, -178}, {40, -170}, {66, -120}, {76, -20}, {70, 80}, {50, 140}, {20, 176}, {0, 178}}, k.hull, 12, 4);
    m.hull({{0, -150}, {28, -140}, {44, -90}, {48, 0}, {40, 90}, {0, 120}}, k.armour, 7, 6);
    PanelLines(m, k, -40, -130, 40, 100, 8, 7);
    Greeble(m, k, rng, 6, -130, 44, 100, 26, 7);
    Core(m, k, 0, -40, 22, 9);
    // Gun decks where the bullets leave.
    Turret(m, k, 0, 100, 14, 3, 9, false);
    Turret(m, k, 100, -20, 13, 2, 8);
    Turret(m, k, 60, 40, 11, 2, 8);
    m.part(Ellipse(0, 150, 14, 18), k.canopy, 8, 10);
    m.engine(30, -168, 12, 6, k.ring, k.glow);
    m.engine(0, -174, 12, 6, k.ring, k.glow);
}

// Stage 2: a crab-like fortress with claws reaching forward (500 x 400).
void BossCrab(Model& m, Rng& rng) {
    Kit k = MakeKit(m, {0x5a8a58, 0x3c5040, 0xe0b030, 0xff6080, 0x40ff80, 0xe0ffe0});
    // Claws.
    m.pair({{110, -20}, {200, 30}, {236, 120}, {214, 190}, {190, 196}, {204, 120}, {170, 60}, {110, 40}}, k.hull, 12, 2);
    m.pair({{186, 150}, {214, 190}, {190, 196}, {176, 170}}, k.trim, 4, 4);
    m.pair({{120, -10}, {196, 34}, {200, 46}, {120, 8}}, k.trim, 3, 3);
    Greeble(m, k, rng, 130, 10, 200, 90, 16, 3);
    // Shoulders.
    m.capsule(150, -150, -30, 44, k.armour, 3);
    m.capsule(150, -130, -50, 28, k.hull, 6);
    m.engine(150, -180, 20, 9, k.ring, k.glow);
    Turret(m, k, 150, -90, 16, 2, 8);
    m.pair({{40, -180}, {210, -120}, {220, -100}, {60, -150}}, k.armour, 6, 1);
    // Carapace.
    m.hull({{0, -196}, {60, -186}, {110, -130}, {126, -40}, {110, 60}, {70, 130}, {30, 166}, {0, 170}}, k.hull, 12, 4);
    m.hull({{0, -170}, {40, -160}, {80, -110}, {90, -30}, {76, 50}, {30, 110}, {0, 120}}, k.armour, 7, 6);
    PanelLines(m, k, -70, -150, 70, 90, 9, 7);
    Greeble(m, k, rng, 10, -150, 70, 80, 34, 7);
    Core(m, k, 0, -50, 30, 9);
    Turret(m, k, 0, 60, 16, 3, 9, false);
    Turret(m, k, 56, 10, 12, 2, 8);
    m.part(Ellipse(0, 140, 20, 16), k.canopy, 8, 10);
    m.pair({{20, 130}, {44, 128}, {40, 160}, {24, 168}}, k.dark, 4, 9);
    m.engine(40, -186, 14, 7, k.ring, k.glow);
}

// Stage 3: a ring engine held by four arms (440 x 380); the pods stay clear
// of the picture's edges.
void BossRing(Model& m, Rng&) {
    Kit k = MakeKit(m, {0x8064b0, 0x4c4068, 0x40e0e0, 0xffe060, 0x40c0ff, 0xe0ffff});
    m.pair({{60, -60}, {172, -128}, {188, -110}, {90, -20}}, k.armour, 8, 1);
    m.pair({{60, 40}, {172, 112}, {160, 130}, {50, 70}}, k.armour, 8, 1);
    m.capsule(178, -150, -96, 20, k.hull, 3);
    m.capsule(178, 96, 150, 20, k.hull, 3);
    Turret(m, k, 178, -112, 11, 2, 6);
    Turret(m, k, 178, 132, 11, 2, 6);
    // The ring.
    Part& ring = m.part(Ellipse(0, 0, 150, 150, 96), k.hull, 22, 4);
    ring.holes.push_back(Ellipse(0, 0, 96, 96, 80));
    Part& inner = m.part(Ellipse(0, 0, 128, 128, 96), k.trim, 4, 6);
    inner.holes.push_back(Ellipse(0, 0, 118, 118, 96));
    for (int s = 0; s < 12; ++s) {
        float a = 30.f * s + 15.f;
        m.part(Rotated(Rect(-8, -148, 8, -132), {0, 0}, a), k.armour, 3, 7);
        m.part(Rotated(Ellipse(0, -108, 5, 5), {0, 0}, a), k.light, 4, 7);
    }
    // Spokes and the reactor.
    for (int s = 0; s < 6; ++s) m.part(Rotated(Rect(-7, -100, 7, -40), {0, 0}, 60.f * s), k.dark, 3, 5);
    m.disc(0, 0, 54, 54, k.armour, 14, 6, false);
    Core(m, k, 0, 0, 34, 8);
    m.hull({{0, 110}, {30, 120}, {38, 166}, {0, 180}}, k.armour, 10, 8);
    Turret(m, k, 0, 146, 14, 3, 9, false);
    m.hull({{0, -180}, {34, -172}, {30, -120}, {0, -110}}, k.armour, 10, 8);
    m.engine(0, -166, 14, 7, k.ring, k.glow);
}

// Stage 4: an upright tower with two beam guns (380 x 460); guns at x +-109, y -25.
void BossTower(Model& m, Rng& rng) {
    Kit k = MakeKit(m, {0xb08a48, 0x5c4c38, 0x40d0ff, 0x60ffe0, 0x40c0ff, 0xe0ffff});
    m.pair({{40, -160}, {150, -120}, {168, -40}, {150, 20}, {60, 40}}, k.hull, 10, 1);
    m.pair({{50, -140}, {146, -110}, {150, -98}, {50, -126}}, k.trim, 3, 1.5f);
    Greeble(m, k, rng, 70, -100, 150, 0, 22, 2);
    // Beam guns.
    m.capsule(109, -110, -40, 36, k.armour, 3);
    m.capsule(109, -100, -50, 24, k.hull, 6);
    m.pair({{92, -30}, {126, -30}, {122, -2}, {96, -2}}, k.dark, 3, 7);
    m.disc(109, -22, 16, 10, k.glow, 16, 8);
    m.disc(109, -22, 6, 4, k.light, 6, 9);
    m.engine(109, -140, 18, 8, k.ring, k.glow);
    // Lower legs.
    m.pair({{50, 40}, {120, 60}, {130, 170}, {100, 210}, {60, 150}}, k.armour, 10, 2);
    m.pair({{96, 170}, {130, 170}, {120, 220}, {100, 210}}, k.trim, 3, 3);
    Greeble(m, k, rng, 70, 70, 118, 160, 14, 3);
    // The column.
    m.hull({{0, -228}, {40, -218}, {60, -160}, {66, -40}, {60, 80}, {56, 180}, {36, 224}, {0, 228}}, k.hull, 12, 4);
    m.hull({{0, -200}, {28, -190}, {40, -130}, {42, 60}, {30, 150}, {0, 170}}, k.armour, 7, 6);
    PanelLines(m, k, -36, -180, 36, 150, 11, 7);
    Greeble(m, k, rng, 6, -170, 38, 150, 30, 7);
    Core(m, k, 0, -120, 24, 9);
    Core(m, k, 0, 40, 18, 9);
    Turret(m, k, 0, 150, 14, 3, 9, false);
    m.part(Ellipse(0, 196, 14, 18), k.canopy, 8, 10);
    m.engine(0, -216, 14, 7, k.ring, k.glow);
}

// Stage 5: the flagship, wider than the playfield (460 x 380).
void BossFlagship(Model& m, Rng& rng) {
    Kit k = MakeKit(m, {0x9a3040, 0x3a2a38, 0xe0c050, 0xff60ff, 0xff40c0, 0xffe0ff});
    m.pair({{60, -150}, {226, -40}, {228, 60}, {180, 120}, {70, 90}}, k.hull, 12);
    m.pair({{70, -130}, {222, -34}, {224, -20}, {70, -114}}, k.trim, 3, 0.5f);
    PanelLines(m, k, 90, -80, 210, 80, 6, 1);
    Greeble(m, k, rng, 90, -70, 210, 80, 40, 1);
    m.capsule(170, -90, 70, 26, k.armour, 3);
    m.capsule(170, -80, 50, 16, k.hull, 6);
    Turret(m, k, 170, 70, 14, 2, 7);
    Turret(m, k, 120, 20, 12, 2, 7);
    m.engine(170, -110, 16, 8, k.ring, k.glow);
    m.pair({{70, 90}, {140, 110}, {130, 160}, {90, 170}, {60, 130}}, k.armour, 8, 2);
    m.pair({{90, 150}, {130, 152}, {124, 176}, {96, 180}}, k.dark, 3, 3);
    m.hull({{0, -188}, {50, -176}, {86, -110}, {96, -10}, {86, 100}, {56, 160}, {24, 186}, {0, 188}}, k.hull, 12, 4);
    m.hull({{0, -160}, {34, -150}, {58, -90}, {62, 0}, {52, 90}, {0, 130}}, k.armour, 7, 6);
    PanelLines(m, k, -54, -140, 54, 110, 10, 7);
    Greeble(m, k, rng, 8, -140, 56, 110, 40, 7);
    Core(m, k, 0, -10, 38, 9);
    Turret(m, k, 0, 120, 16, 3, 9, false);
    Turret(m, k, 40, 70, 11, 2, 8);
    Turret(m, k, 40, -110, 11, 2, 8);
    m.part(Ellipse(0, 160, 16, 18), k.canopy, 8, 10);
    m.engine(30, -180, 14, 7, k.ring, k.glow);
    // Horns along the bow and a row of fins on the wings.
    m.pair({{60, 120}, {84, 112}, {74, 186}}, k.trim, 3, 8);
    m.pair({{84, 40}, {100, 30}, {112, 110}}, k.trim, 3, 8);
    for (int i = 0; i < 4; ++i)
        m.pair({{110.f + i * 28, -60.f + i * 22}, {126.f + i * 28, -54.f + i * 22}, {122.f + i * 28, 20.f + i * 18}}, k.dark, 3, 3);
    m.bar({0, 150}, {0, 186}, 10, k.dark, 11, false, 3);
    m.disc(0, 186, 7, 5, k.light, 5, 12, false);
}

// Alternative stage 4: an angular white carrier (460 x 400).
void BossCarrier(Model& m, Rng& rng) {
    Kit k = MakeKit(m, {0xc8d0dc, 0x58647a, 0x2080e0, 0xffd040, 0x40c0ff, 0xe0ffff});
    m.pair({{50, -170}, {220, -60}, {226, 40}, {200, 80}, {60, 60}}, k.hull, 10);
    m.pair({{60, -150}, {216, -54}, {218, -42}, {60, -136}}, k.trim, 3, 0.5f);
    PanelLines(m, k, 80, -90, 200, 50, 5, 1);
    Greeble(m, k, rng, 80, -80, 200, 50, 30, 1);
    m.pair({{140, 60}, {200, 80}, {196, 180}, {160, 196}, {130, 120}}, k.armour, 8, 2);
    Turret(m, k, 168, 150, 14, 2, 4);
    Turret(m, k, 150, -20, 12, 2, 4);
    m.engine(180, -80, 14, 6, k.ring, k.glow);
    m.hull({{0, -198}, {56, -198}, {80, -150}, {80, 120}, {56, 176}, {30, 198}, {0, 198}}, k.hull, 6, 4);
    m.hull({{0, -176}, {44, -176}, {60, -140}, {60, 110}, {40, 150}, {0, 150}}, k.dark, 3, 5);
    // The flight deck: runway stripes and lit hangar mouths.
    for (int i = 0; i < 9; ++i) m.bar({0, -166.f + i * 16}, {0, -158.f + i * 16}, 4, k.pale, 6, false);
    for (int i = 0; i < 3; ++i) {
        m.pair(Rect(30, -120.f + i * 70, 54, -90.f + i * 70), k.ring, 3, 6);
        m.pair(Rect(34, -100.f + i * 70, 50, -94.f + i * 70), k.light, 2, 7);
    }
    m.pair({{44, -176}, {60, -140}, {60, 110}, {56, 110}, {56, -140}, {42, -172}}, k.trim, 1, 6);
    Greeble(m, k, rng, 62, -140, 80, 110, 16, 5);
    Core(m, k, 0, -60, 22, 9);
    Turret(m, k, 0, 80, 15, 3, 9, false);
    Turret(m, k, 0, 150, 12, 2, 9, false);
    Turret(m, k, 30, 20, 10, 2, 8);
    m.engine(30, -188, 12, 6, k.ring, k.glow);
}

// A huge carrier seen from above, dim, passing under the action (480 x 480).
void Mothership(Model& m, Rng& rng, const Palette& p) {
    Kit k = MakeKit(m, p);
    m.pair({{60, -200}, {200, -120}, {224, 60}, {190, 200}, {70, 160}}, k.hull, 14);
    m.pair({{70, -180}, {196, -110}, {200, -96}, {70, -164}}, k.trim, 3, 0.5f);
    PanelLines(m, k, 80, -100, 200, 150, 10, 1);
    Greeble(m, k, rng, 80, -100, 200, 150, 60, 1);
    m.hull({{0, -236}, {60, -220}, {100, -140}, {110, 40}, {96, 180}, {50, 230}, {0, 236}}, k.hull, 12, 3);
    m.hull({{0, -200}, {40, -190}, {70, -120}, {74, 60}, {50, 160}, {0, 190}}, k.armour, 7, 5);
    PanelLines(m, k, -66, -180, 66, 170, 16, 6);
    Greeble(m, k, rng, 8, -180, 66, 170, 70, 6);
    for (int i = 0; i < 6; ++i) m.disc(88, -120.f + i * 50, 3, 3, k.light, 3, 7);
    m.engine(40, 226, 16, 6, k.ring, k.glow);
    m.engine(150, 190, 14, 5, k.ring, k.glow);
}

}  // namespace

Canvas MakeBoss(const Job& j) {
    Model m;
    Rng rng(j.name);
    using Build = void (*)(Model&, Rng&);
    const Build builds[] = {BossBattleship, BossCrab, BossRing, BossTower, BossFlagship, BossCarrier};
    builds[j.args.a](m, rng);
    return Render(m, j.w, j.h, At(j.w / 2.f, j.h / 2.f));
}

Canvas MakeMothership(const Job& j) {
    Model m;
    Rng rng(j.name);
    Palette p = j.args.a == 0 ? Palette{0x323c54, 0x242a3a, 0x7a2a38, 0x4080a0, 0xff6020, 0xffc080}
                              : Palette{0x4a3e30, 0x302820, 0x3a6080, 0x4080a0, 0x40a0ff, 0xc0e0ff};
    Mothership(m, rng, p);
    if (j.args.a == 1) {  // the stage-4 carrier wears two sensor dishes and a reactor
        Kit k = MakeKit(m, p);
        m.disc(150, -60, 34, 34, k.ring, 8, 8);
        m.disc(150, -60, 22, 22, k.armour, 10, 9);
        m.disc(150, -60, 6, 6, k.light, 6, 10);
        Core(m, k, 0, 40, 30, 8);
    }
    return Render(m, j.w, j.h, At(j.w / 2.f, j.h / 2.f));
}

}  // namespace ag
