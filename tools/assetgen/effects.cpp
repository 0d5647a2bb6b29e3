// Shots, bullets, explosions, exhaust flames and beams.
#include <algorithm>

#include "tools/assetgen/assets.h"
#include "tools/assetgen/font.h"
#include "tools/assetgen/model.h"

namespace ag {
namespace {

struct F3 {
    float r, g, b;
};
F3 Lin(Rgb c, float k = 1.f) { return {c.r / 255.f * k, c.g / 255.f * k, c.b / 255.f * k}; }
void GlowAt(Light& l, float x, float y, float radius, Rgb c, float k, float sy = 1.f) {
    F3 f = Lin(c, k);
    l.glow(x, y, radius, f.r, f.g, f.b, sy);
}
void StreakAt(Light& l, Vec2 a, Vec2 b, float radius, Rgb c, float k) {
    F3 f = Lin(c, k);
    l.streak(a, b, radius, f.r, f.g, f.b);
}
Canvas Developed(const Light& l, float floor = 0.035f) {
    Canvas c(l.w, l.h);
    Develop(l, c, floor);
    return c;
}
Vec2 Dir(float degFromUp) {  // unit vector, 0 = up, clockwise
    float a = degFromUp * kPi / 180.f;
    return {std::sin(a), -std::cos(a)};
}
const Rgb kWhite{255, 255, 255};

// A solid, hard-edged pellet that reads the same keyed and added.
void Pellet(Canvas& c, float cx, float cy, float r, Rgb rim, Rgb core) {
    for (int y = int(cy - r - 2); y <= int(cy + r + 2); ++y)
        for (int x = int(cx - r - 2); x <= int(cx + r + 2); ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy, d = std::sqrt(dx * dx + dy * dy);
            if (d > r + 0.6f) continue;
            float t = d / r;
            Rgb col = t < 0.38f ? Mix(kWhite, core, t / 0.38f) : t < 0.78f ? Mix(core, rim, (t - 0.38f) / 0.4f) : rim;
            if (d > r - 0.4f) col = Scale(rim, 0.7f);
            float hx = dx + r * 0.35f, hy = dy + r * 0.35f;
            if (hx * hx + hy * hy < r * r * 0.06f) col = kWhite;
            c.set(x, y, col);
        }
}

// A hard-edged polygon lit from the inside (bright spine, coloured rim).
void GlowShape(Canvas& c, const Poly& p, Rgb edge, Rgb core, float bevel) {
    Model m;
    int g = m.material(Glow(edge, core));
    m.part(p, g, bevel);
    View v;
    Paint(c, m, v);
}

// Rotated bullets: a dark rim to read on any background, nothing outside the circle.
Canvas Sealed(Canvas c) {
    Outline(c, 0.45f, {24, 16, 32});
    ClearOutsideCircle(c);
    return c;
}

Poly Transform(const Poly& p, Vec2 centre, float deg) {
    Poly out;
    float a = deg * kPi / 180.f, cs = std::cos(a), sn = std::sin(a);
    for (Vec2 q : p) out.push_back({centre.x + q.x * cs - q.y * sn, centre.y + q.x * sn + q.y * cs});
    return out;
}

// A crescent of light: the arc through centre - side*half .. centre + d*depth ..
// centre + side*half, `thick` pixels at its middle and thinning toward its
// tips. Drawn from the distance to the arc, so it never breaks into beads.
void Wave(Light& l, Vec2 centre, Vec2 d, float half, float depth, float thick, Rgb edge, Rgb core, float power) {
    Vec2 side{-d.y, d.x};
    const int n = 160;
    std::vector<Vec2> arc;
    for (int i = 0; i <= n; ++i) {
        float t = -1.f + 2.f * i / n;
        arc.push_back(centre + side * (t * half) + d * ((1.f - t * t) * depth));
    }
    for (int y = 0; y < l.h; ++y)
        for (int x = 0; x < l.w; ++x) {
            Vec2 p{x + 0.5f, y + 0.5f};
            float best = 1e9f, bt = 0;
            for (int i = 0; i <= n; ++i) {
                Vec2 q = p - arc[size_t(i)];
                float d2 = q.x * q.x + q.y * q.y;
                if (d2 < best) best = d2, bt = -1.f + 2.f * i / n;
            }
            float w = thick * (1.f - 0.6f * bt * bt), dist = std::sqrt(best);
            if (dist > w * 4.f) continue;
            float fade = power * (1.f - 0.55f * bt * bt);
            auto fall = [&](float r) { return std::exp(-(dist / r) * (dist / r) * 2.3f); };
            F3 a = Lin(edge, 0.6f * fade * fall(w * 1.9f)), b = Lin(core, 0.75f * fade * fall(w)),
               c = Lin(kWhite, 0.8f * fade * fall(w * 0.45f));
            l.add(x, y, a.r + b.r + c.r, a.g + b.g + c.g, a.b + b.b + c.b);
        }
}

float FacingDegrees(int facing) { return facing == 1 ? 270.f : facing == 2 ? 90.f : 0.f; }

}  // namespace

// ------------------------------------------------------------------ bullets

Canvas MakeOrb(const Job& j) {
    Rgb rim = Hex(j.args.col1), core = Hex(j.args.col2);
    float cx = j.w / 2.f, cy = j.h / 2.f, r = j.args.f * std::min(j.w, j.h);
    if (j.args.a == 1) {
        Canvas c(j.w, j.h);
        Pellet(c, cx, cy, r, rim, core);
        return c;
    }
    Light l(j.w, j.h);
    GlowAt(l, cx, cy, r * 1.6f, rim, 1.1f);
    GlowAt(l, cx, cy, r * 0.8f, core, 1.1f);
    GlowAt(l, cx, cy, r * 0.35f, kWhite, 1.f);
    return Developed(l);
}

Canvas MakeOrbStrip(const Job& j) {
    int n = j.args.a, cs = j.h;
    Rgb rim = Hex(j.args.col1), core = Hex(j.args.col2);
    return Cells(j.w, j.h, n, cs, cs, n, [&](int k) {
        float ph = 2 * kPi * k / n, cx = cs / 2.f, cy = cs / 2.f, R = cs * 0.5f - 1.5f;
        Canvas c(cs, cs);
        switch (j.args.b) {
            case 0: {  // pulsing pellet
                float r = R * (0.72f + 0.14f * std::sin(ph));
                Pellet(c, cx, cy, r, Mix(rim, core, 0.3f + 0.3f * std::sin(ph)), core);
                break;
            }
            case 1: {  // spinning four-point star over a pellet
                float a = 90.f * k / n;
                for (int s = 0; s < 4; ++s) {
                    Poly spike{{0, -R}, {R * 0.22f, -R * 0.2f}, {0, 0}, {-R * 0.22f, -R * 0.2f}};
                    GlowShape(c, Transform(spike, {cx, cy}, a + 90.f * s), rim, core, 1.5f);
                }
                Pellet(c, cx, cy, R * 0.48f, rim, core);
                break;
            }
            case 2: {  // ring orb with a travelling glint
                Light l(cs, cs);
                for (int s = 0; s < 24; ++s) {
                    float a = 2 * kPi * s / 24;
                    GlowAt(l, cx + std::cos(a) * R * 0.62f, cy + std::sin(a) * R * 0.62f, R * 0.24f, rim, 0.6f);
                }
                GlowAt(l, cx, cy, R * 0.45f, core, 1.f);
                GlowAt(l, cx, cy, R * 0.22f, kWhite, 1.f);
                float a = ph;
                GlowAt(l, cx + std::cos(a) * R * 0.6f, cy + std::sin(a) * R * 0.6f, R * 0.2f, kWhite, 0.8f);
                c = Developed(l, 0.06f);
                break;
            }
            default: {  // soft pulsing orb
                Light l(cs, cs);
                float p = 0.8f + 0.2f * std::sin(ph);
                GlowAt(l, cx, cy, R * 0.85f * p, rim, 1.f);
                GlowAt(l, cx, cy, R * 0.45f * p, core, 1.1f);
                GlowAt(l, cx - R * 0.1f, cy - R * 0.1f, R * 0.2f, kWhite, 0.8f + 0.2f * std::sin(ph));
                c = Developed(l);
                break;
            }
        }
        return c;
    });
}

Canvas MakeDart(const Job& j) {
    Canvas c(j.w, j.h);
    float R = std::min(j.w, j.h) / 2.f - 2.f;
    Vec2 centre{j.w / 2.f, j.h / 2.f};
    Poly p;
    switch (j.args.b) {
        case 1:  // broad arrowhead
            p = {{0, -R}, {R * 0.55f, R * 0.15f}, {R * 0.3f, R * 0.1f}, {R * 0.2f, R * 0.8f}, {0, R * 0.55f},
                 {-R * 0.2f, R * 0.8f}, {-R * 0.3f, R * 0.1f}, {-R * 0.55f, R * 0.15f}};
            break;
        case 2:  // needle
            p = {{0, -R}, {R * 0.2f, -R * 0.1f}, {R * 0.14f, R * 0.85f}, {0, R * 0.6f}, {-R * 0.14f, R * 0.85f},
                 {-R * 0.2f, -R * 0.1f}};
            break;
        case 3:  // diamond
            p = {{0, -R}, {R * 0.38f, 0}, {0, R * 0.7f}, {-R * 0.38f, 0}};
            break;
        default:  // slim dart
            p = {{0, -R}, {R * 0.34f, -R * 0.05f}, {R * 0.24f, R * 0.8f}, {0, R * 0.5f}, {-R * 0.24f, R * 0.8f},
                 {-R * 0.34f, -R * 0.05f}};
    }
    GlowShape(c, Transform(p, centre, FacingDegrees(j.args.a)), Hex(j.args.col1), Hex(j.args.col2), R * 0.35f);
    return Sealed(c);
}

Canvas MakeChain(const Job& j) {
    Canvas c(j.w, j.h);
    float R = std::min(j.w, j.h) / 2.f - 2.f;
    Vec2 centre{j.w / 2.f, j.h / 2.f};
    Rgb e = Hex(j.args.col1), k = Hex(j.args.col2);
    float face = FacingDegrees(j.args.a);
    if (j.args.b == 0) {  // open link, long axis along the flight
        Model m;
        int g = m.material(Glow(e, k));
        Part& ring = m.part(Ellipse(0, 0, R * 0.5f, R * 0.85f, 32), g, R * 0.2f);
        ring.holes.push_back(Ellipse(0, 0, R * 0.22f, R * 0.52f, 24));
        View v;
        v.cx = centre.x;
        v.cy = centre.y;
        v.angle = face;
        Paint(c, m, v);
    } else if (j.args.b == 1) {  // head: a claw pointing forward
        Poly p{{0, -R},          {R * 0.45f, -R * 0.3f}, {R * 0.62f, R * 0.45f}, {R * 0.3f, R * 0.2f},
               {R * 0.2f, R * 0.8f}, {0, R * 0.55f},   {-R * 0.2f, R * 0.8f}, {-R * 0.3f, R * 0.2f},
               {-R * 0.62f, R * 0.45f}, {-R * 0.45f, -R * 0.3f}};
        GlowShape(c, Transform(p, centre, face), e, k, R * 0.4f);
        Pellet(c, centre.x + Dir(face).x * R * 0.15f, centre.y + Dir(face).y * R * 0.15f, R * 0.22f, k, kWhite);
    } else {  // body bead with short spurs fore and aft
        Poly spur{{0, -R * 0.85f}, {R * 0.16f, 0}, {0, R * 0.85f}, {-R * 0.16f, 0}};
        GlowShape(c, Transform(spur, centre, face), e, k, R * 0.15f);
        Pellet(c, centre.x, centre.y, R * 0.42f, e, k);
    }
    return Sealed(c);
}

Canvas MakeSpiralShot(const Job& j) {
    Canvas c(j.w, j.h);
    float R = std::min(j.w, j.h) / 2.f - 2.f;
    // Comet pointing up, its tail curling away to one side.
    Poly left, right;
    const int n = 14;
    for (int i = 0; i <= n; ++i) {
        float t = float(i) / n;
        float curl = t * t * 0.9f;
        Vec2 spine{R * 0.45f * curl, -R * 0.55f + t * R * 1.35f};
        float wdt = R * 0.42f * (1.f - t * 0.85f);
        right.push_back({spine.x + wdt, spine.y});
        left.push_back({spine.x - wdt, spine.y});
    }
    Poly p;
    const int cap = 8;
    for (int i = 0; i <= cap; ++i) {
        float a = kPi + kPi * i / cap;
        p.push_back({R * 0.42f * std::cos(a), -R * 0.55f + R * 0.42f * std::sin(a)});
    }
    for (size_t i = 1; i < right.size(); ++i) p.push_back(right[i]);
    for (size_t i = left.size() - 1; i >= 1; --i) p.push_back(left[i]);
    // Drawn facing left; the right-facing twin is its mirror image.
    Vec2 centre{j.w / 2.f, j.h / 2.f};
    Poly t = Transform(p, centre, FacingDegrees(1));
    GlowShape(c, t, Hex(j.args.col1), Hex(j.args.col2), R * 0.3f);
    Vec2 head = centre + Dir(FacingDegrees(1)) * (R * 0.5f);
    Pellet(c, head.x, head.y, R * 0.2f, Hex(j.args.col2), kWhite);
    if (j.args.a == 2) c.flipX();
    return Sealed(c);
}

Canvas MakeSlantShots(const Job& j) {
    int n = j.args.a, cw = j.w / n, ch = j.h;
    Rgb e = Hex(j.args.col1), k = Hex(j.args.col2);
    return Cells(j.w, j.h, n, cw, ch, n, [&](int cell) {
        float s = n > 1 ? (cell - (n - 1) / 2.f) / ((n - 1) / 2.f) : 0.f;
        float deg = 180.f - s * j.args.f;  // 180 = straight down; cell 0 leans to the lower left
        Vec2 centre{cw / 2.f, ch / 2.f}, d = Dir(deg);
        float L = std::min(cw, ch) * 0.42f;
        if (j.args.b == 1) {
            Canvas c(cw, ch);
            Poly p{{0, -L},          {L * 0.3f, -L * 0.55f}, {L * 0.34f, -L * 0.1f}, {L * 0.14f, L * 0.7f},
                   {0, L * 0.95f},   {-L * 0.14f, L * 0.7f}, {-L * 0.34f, -L * 0.1f}, {-L * 0.3f, -L * 0.55f}};
            // Drawn nose up, turned to the cell's heading: the head leads.
            GlowShape(c, Transform(p, centre, deg), e, k, L * 0.3f);
            Vec2 head = centre + d * (L * 0.35f);
            Pellet(c, head.x, head.y, L * 0.26f, k, kWhite);
            return c;
        }
        Light l(cw, ch);
        Vec2 head = centre + d * (L * 0.45f), tail = centre - d * (L * 0.9f);
        StreakAt(l, tail, head, L * 0.28f, e, 0.55f);
        StreakAt(l, centre - d * (L * 0.4f), head, L * 0.13f, k, 0.7f);
        GlowAt(l, head.x, head.y, L * 0.32f, k, 0.8f);
        GlowAt(l, head.x, head.y, L * 0.14f, kWhite, 0.9f);
        return Developed(l, 0.05f);
    });
}

Canvas MakeBolt(const Job& j) {
    Light l(j.w, j.h);
    Rgb e = Hex(j.args.col1), k = Hex(j.args.col2);
    Vec2 c{j.w / 2.f, j.h / 2.f}, d = Dir(j.args.f);
    if (j.args.a == 0) {
        float L = j.h * 0.36f;
        Vec2 head = c + d * L, tail = c - d * L;
        StreakAt(l, tail, head, 6.5f, e, 0.5f);
        StreakAt(l, c - d * (L * 0.7f), head, 3.2f, k, 0.8f);
        StreakAt(l, c - d * (L * 0.4f), head - d * 2.f, 1.4f, kWhite, 0.95f);
        GlowAt(l, head.x, head.y, 6.f, k, 0.8f);
        GlowAt(l, tail.x, tail.y, 3.f, e, 0.25f);
    } else {
        // Crescent wave, convex ahead, as wide as the picture allows: one
        // unbroken band, thickest in its middle. The wide centre shot is the
        // strongest of the set: a heavier band with a second, fainter wave
        // trailing it.
        bool wide = j.w > j.h;
        float half = j.w * 0.4f, depth = j.h * 0.22f;
        Wave(l, c, d, half, depth, wide ? 3.4f : 2.3f, e, k, wide ? 1.25f : 1.f);
        if (wide) Wave(l, c - d * (j.h * 0.2f), d, half * 0.8f, depth * 0.8f, 1.8f, e, k, 0.45f);
    }
    return Developed(l);
}

Canvas MakeMuzzle(const Job& j) {
    Light l(j.w, j.h);
    Rgb e = Hex(j.args.col1), k = Hex(j.args.col2);
    Rng rng(j.name);
    Vec2 root{j.w / 2.f, j.h * 0.86f};
    int rays = j.args.a ? 13 : 9;
    float spread = j.args.a ? 62.f : 40.f;
    for (int i = 0; i < rays; ++i) {
        float s = -1.f + 2.f * i / (rays - 1);
        float deg = s * spread + rng.range(-4.f, 4.f);
        float len = j.h * (0.75f - 0.35f * std::fabs(s)) * rng.range(0.85f, 1.05f);
        Vec2 tip = root + Dir(deg) * len;
        StreakAt(l, root, tip, j.h * 0.05f + 1.f, e, 0.4f);
        StreakAt(l, root, root + Dir(deg) * (len * 0.6f), 1.2f, k, 0.55f);
    }
    GlowAt(l, root.x, root.y, j.h * 0.2f, e, 0.6f, 0.7f);
    GlowAt(l, root.x, root.y, j.h * 0.1f, kWhite, 0.9f, 0.7f);
    return Developed(l);
}

Canvas MakeStreak(const Job& j) {
    Rgb e = Hex(j.args.col1), k = Hex(j.args.col2);
    int n = j.args.a, cw = j.w / n;
    return Cells(j.w, j.h, n, cw, j.h, n, [&](int cell) {
        Light l(cw, j.h);
        Vec2 head, tail;
        if (j.args.b == 0) {
            head = {cw / 2.f, j.h - 4.f};
            tail = {cw / 2.f, 3.f};
        } else {
            float m = 4.f;
            head = cell == 0 ? Vec2{cw - m, j.h - m} : Vec2{m, j.h - m};
            tail = cell == 0 ? Vec2{m + 2, m + 2} : Vec2{cw - m - 2, m + 2};
        }
        const int steps = 12;
        for (int i = 0; i < steps; ++i) {
            float t = float(i) / steps;
            Vec2 a = tail + (head - tail) * t, b = tail + (head - tail) * (t + 1.f / steps);
            StreakAt(l, a, b, 2.2f, e, 0.18f + 0.5f * t);
        }
        StreakAt(l, tail + (head - tail) * 0.5f, head, 0.9f, k, 0.8f);
        GlowAt(l, head.x, head.y, 2.6f, kWhite, 0.8f);
        return Developed(l, 0.05f);
    });
}

Canvas MakeDrop(const Job& j) {
    // A heavy ball of plasma with a tapering tail: a hard bright rim, a
    // churning body and a white-hot heart, far bigger than any plain bullet.
    Rgb e = Hex(j.args.col1), k = Hex(j.args.col2);
    Vec2 c{j.w / 2.f, j.h / 2.f}, d = Dir(180.f - j.args.f);
    Vec2 side{-d.y, d.x};
    float size = std::min(j.w, j.h) * 0.5f;
    bool diagonal = std::fabs(j.args.f) > 1.f;
    // Head (radius R, centre headAt along d) and tail tip, kept clear of the
    // picture's edges; a slanting drop runs along the picture's diagonal.
    float R, headAt, tailAt;
    if (diagonal) {
        R = size * 0.42f;
        headAt = (size - 9.f - R) * 1.414f;
        tailAt = -(size - 14.f) * 1.414f;
    } else {
        float reach = std::max(j.w, j.h) * 0.5f;
        R = std::min(size * 0.6f, reach * 0.42f);
        headAt = reach - R - 9.f;
        tailAt = -reach + size * 0.3f;
    }
    uint32_t seed = HashName(j.name);
    Light l(j.w, j.h);
    for (int y = 0; y < j.h; ++y)
        for (int x = 0; x < j.w; ++x) {
            Vec2 p = Vec2{x + 0.5f, y + 0.5f} - c;
            float u = p.x * d.x + p.y * d.y, v = p.x * side.x + p.y * side.y;
            // Radius of the body at this point of the axis: round ahead, a
            // narrowing flame behind.
            float rad;
            if (u >= headAt) {
                rad = std::sqrt(std::max(0.f, R * R - (u - headAt) * (u - headAt)));
            } else {
                float t = std::clamp((u - tailAt) / (headAt - tailAt), 0.f, 1.f);
                rad = R * std::pow(t, 0.7f);
            }
            float hu = u - headAt, hd = std::sqrt(hu * hu + v * v) / R;  // from the heart
            float swirl = Fbm(u / R * 2.2f, v / R * 2.2f + 3.f, seed, 3);
            F3 col{0, 0, 0};
            if (rad > 0.5f && std::fabs(v) <= rad) {
                float across = std::fabs(v) / rad;  // 0 on the axis, 1 at the rim
                float tail = u < headAt ? 1.f - std::clamp((u - tailAt) / (headAt - tailAt), 0.f, 1.f) : 0.f;
                float body = 0.38f + 0.35f * swirl;
                float rim = std::pow(across, 6.f) * 0.75f;
                float heat = std::exp(-hd * hd * 4.5f);
                F3 a = Lin(e, (body + rim) * (1.f - 0.55f * tail)), b = Lin(k, heat * 1.1f + rim * 0.4f),
                   w = Lin(kWhite, std::exp(-hd * hd * 14.f) * 0.9f);
                col = {a.r + b.r + w.r, a.g + b.g + w.g, a.b + b.b + w.b};
            } else {
                // A thin corona just outside the rim, fading along the tail.
                float out = u >= headAt ? (hd - 1.f) * R : std::fabs(v) - std::max(rad, 0.f);
                float reachOut = u >= headAt ? 1.f : std::clamp(rad / (R * 0.35f), 0.f, 1.f);
                float g = std::exp(-out * out / (size * size * 0.0042f + 1.f)) * 0.55f * reachOut;
                col = Lin(e, g);
            }
            l.add(x, y, col.r, col.g, col.b);
        }
    return Developed(l, 0.06f);
}

Canvas MakeBeam(const Job& j) {
    Rgb e = Hex(j.args.col1), k = Hex(j.args.col2);
    int cw = j.w / 4;
    return Cells(j.w, j.h, 4, cw, j.h, 4, [&](int cell) {
        Light l(cw, j.h);
        float cx = cw / 2.f;
        const float width[4] = {7.f, 20.f, 13.f, 6.f}, power[4] = {0.4f, 0.75f, 0.5f, 0.28f};
        float w = width[cell], p = power[cell];
        float len = cell == 0 ? j.h * 0.55f : float(j.h) + 10.f;
        StreakAt(l, {cx, -4.f}, {cx, len}, w, e, p * 0.7f);
        StreakAt(l, {cx, -4.f}, {cx, len}, w * 0.4f, k, p);
        if (cell == 1) StreakAt(l, {cx, -4.f}, {cx, len}, 2.5f, kWhite, 0.8f);
        for (int y = 30; y < len; y += 44) GlowAt(l, cx, y + cell * 7.f, w * 0.9f, k, p * 0.25f, 0.4f);
        float flare[4] = {30.f, 34.f, 22.f, 12.f};
        GlowAt(l, cx, 8.f, flare[cell], e, 0.8f * p + 0.2f, 0.6f);
        GlowAt(l, cx, 6.f, flare[cell] * 0.45f, kWhite, 0.7f * p + 0.2f, 0.6f);
        return Developed(l);
    });
}

Canvas MakePowerUp(const Job& j) {
    Light l(j.w, j.h);
    float cx = j.w / 2.f, cy = j.h / 2.f;
    Rgb ring = Hex(0xff6a20), core = Hex(0xffd040);
    for (int s = 0; s < 36; ++s) {
        float a = 2 * kPi * s / 36;
        GlowAt(l, cx + std::cos(a) * 20.f, cy + std::sin(a) * 20.f, 3.2f, ring, 0.45f);
    }
    GlowAt(l, cx, cy, 16.f, core, 0.35f);
    Canvas c = Developed(l);
    Bitmap p = Nearest(TextBitmap("P"), 3);
    TextStyle s;
    s.fill = VerticalRamp({{255, 255, 255}, {255, 240, 150}, {255, 180, 60}});
    DrawInk(c, p, int(cx) - p.w / 2, int(cy) - p.h / 2, s);
    return c;
}

// ------------------------------------------------------------------ explosions

namespace {

struct Puff {
    float angle, dist, radius, heat;
};

Rgb FireColour(float t, int palette) {
    // t: temperature 0..1
    static const Rgb fire[] = {{72, 46, 40}, {120, 50, 30}, {200, 60, 20}, {250, 130, 30}, {255, 210, 70}, {255, 250, 200}};
    static const Rgb smoke[] = {{64, 54, 50}, {98, 80, 66}, {140, 100, 70}, {210, 110, 40}, {250, 170, 60}, {255, 230, 150}};
    static const Rgb dark[] = {{40, 36, 40}, {62, 54, 56}, {86, 72, 66}, {120, 76, 50}, {190, 100, 40}, {240, 170, 80}};
    const Rgb* r = palette == 2 ? smoke : palette == 3 ? dark : fire;
    float x = std::clamp(t, 0.f, 1.f) * 5.f;
    int i = std::min(int(x), 4);
    return Mix(r[i], r[i + 1], x - float(i));
}

Canvas FireCell(int size, int frame, int frames, int style, const std::vector<Puff>& puffs, uint32_t seed) {
    Canvas c(size, size);
    float t = frames > 1 ? float(frame) / float(frames - 1) : 0.f;
    float cx = size / 2.f, cy = size / 2.f, R = size * 0.46f;
    bool smoke = style >= 2;
    // Growth: fast at first, then a slow drift.
    float grow = smoke ? 0.45f + 0.55f * std::sqrt(t) : 0.28f + 0.72f * (1.f - (1.f - t) * (1.f - t));
    float heat = smoke ? 0.95f - 0.75f * t : 1.1f - 0.95f * t;
    float cut = smoke ? 0.2f + 0.45f * t * t : 0.16f + 0.6f * t * t * t;
    bool additive = style == 1;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float px = x + 0.5f, py = y + 0.5f, dens = 0.f;
            for (const Puff& p : puffs) {
                float pr = p.radius * R * grow * 1.45f;
                float spread = p.dist * R * grow * (0.75f + 0.5f * t);
                float qx = cx + std::cos(p.angle) * spread;
                float qy = cy + std::sin(p.angle) * spread - (smoke ? t * R * 0.12f : 0.f);
                float dx = (px - qx) / pr, dy = (py - qy) / pr, d2 = dx * dx + dy * dy;
                if (d2 < 1.f) dens = std::max(dens, (1.f - d2) * (0.6f + 0.4f * p.heat));
            }
            float n = Fbm(px / size * 5.f + frame * 0.37f, py / size * 5.f, seed, 3);
            dens *= 0.65f + 0.7f * n;
            // Keep the outermost ring inside the cell so frames never touch.
            float ex = (px - cx) / (size * 0.5f), ey = (py - cy) / (size * 0.5f);
            float edge = std::clamp((1.f - std::sqrt(ex * ex + ey * ey)) * 6.f, 0.f, 1.f);
            dens *= edge;
            if (additive) {
                // The ball tears into glowing clumps and thin smoke as it
                // fades, and keeps its ember colour instead of going dull.
                float need = 0.1f + 0.35f * t * t;
                float gap = Fbm(px / size * 8.f, py / size * 8.f + frame * 0.9f, seed + 11, 2);
                float torn = 0.65f * t * t * t;
                if (dens <= need || gap < torn) continue;
                float hot = std::clamp((dens - need) / (1.f - need) * 1.5f, 0.f, 1.f);
                Rgb fire = FireColour(std::max(0.3f, dens * heat + 0.35f * t), 0);
                Rgb col = Mix(fire, Rgb{150, 132, 120}, t * t * (1.f - hot) * 0.8f);
                float k = (0.55f + 0.45f * std::min(1.f, dens * 1.6f)) * (1.f - 0.25f * t) *
                          (0.7f + 0.3f * std::clamp((gap - torn) * 10.f, 0.f, 1.f));
                c.set(x, y, Scale(col, k));
            } else {
                if (dens < cut) continue;
                float temp = (dens - cut) / (1.f - cut) * heat + (smoke ? 0.f : 0.25f);
                c.set(x, y, FireColour(temp, smoke ? style : 0));
            }
        }
    if (additive && frame >= 2) {  // embers flung outward
        Rng rng(seed ^ 0x5u);
        Light l(size, size);
        for (int i = 0; i < 16; ++i) {
            float a = rng.range(0.f, 2 * kPi), speed = rng.range(0.45f, 1.f);
            float r = std::min(R * speed * (0.35f + 0.75f * t), size * 0.44f);
            Rgb col = Mix({255, 240, 170}, {255, 130, 40}, t);
            GlowAt(l, cx + std::cos(a) * r, cy + std::sin(a) * r, 1.4f + rng.uni(), col, 1.3f - 0.4f * t);
        }
        Develop(l, c, 0.3f);  // crisp sparks, no dim halo
    }
    if (frame == 0 && !smoke) {  // the flash
        Light l(size, size);
        GlowAt(l, cx, cy, size * 0.2f, {255, 250, 220}, 1.2f);
        for (int s = 0; s < 8; ++s) {
            float a = 2 * kPi * s / 8 + 0.3f;
            StreakAt(l, {cx, cy}, {cx + std::cos(a) * R * 0.8f, cy + std::sin(a) * R * 0.8f}, 1.6f, {255, 230, 160}, 0.9f);
        }
        Develop(l, c, additive ? 0.04f : 0.2f);
    }
    return c;
}

}  // namespace

Canvas MakeFireball(const Job& j) {
    int n = j.args.a, cs = j.h;
    Rng rng(j.name);
    std::vector<Puff> puffs;
    int count = cs >= 120 ? 26 : 16;
    for (int i = 0; i < count; ++i) {
        Puff p;
        p.angle = rng.range(0.f, 2 * kPi);
        p.dist = i == 0 ? 0.f : rng.range(0.1f, 0.62f);
        p.radius = i == 0 ? 0.5f : rng.range(0.22f, 0.42f);
        p.heat = 1.f - p.dist;
        puffs.push_back(p);
    }
    uint32_t seed = HashName(j.name);
    return Cells(j.w, j.h, n, cs, cs, n, [&](int k) { return FireCell(cs, k, n, j.args.b, puffs, seed); });
}

Canvas MakeSparks(const Job& j) {
    int n = j.args.a, cs = j.h;
    Rgb hot = Hex(j.args.col1);
    Rng rng(j.name);
    struct Spark {
        float angle, speed, size;
    };
    std::vector<Spark> sparks;
    for (int i = 0; i < 7; ++i) sparks.push_back({rng.range(0.f, 2 * kPi), rng.range(0.5f, 1.f), rng.range(0.7f, 1.2f)});
    return Cells(j.w, j.h, n, cs, cs, n, [&](int k) {
        float t = float(k) / float(n - 1);
        Light l(cs, cs);
        float cx = cs / 2.f, cy = cs / 2.f, R = cs * 0.4f;
        for (const Spark& s : sparks) {
            float r = R * s.speed * (0.15f + 0.85f * t);
            Vec2 d{std::cos(s.angle), std::sin(s.angle)};
            Vec2 p{cx + d.x * r, cy + d.y * r};
            Rgb col = Mix({255, 250, 210}, hot, t);
            float k2 = (1.f - 0.7f * t) * s.size;
            StreakAt(l, p - d * (R * 0.3f), p, 1.7f * s.size, col, 0.7f * k2);
            GlowAt(l, p.x, p.y, 2.6f * s.size, col, 1.1f * k2);
            GlowAt(l, p.x, p.y, 1.2f * s.size, kWhite, 0.6f * k2);
        }
        if (k < 2) GlowAt(l, cx, cy, R * 0.45f, {255, 240, 200}, 1.f - 0.4f * k);
        return Developed(l, 0.08f);
    });
}

Canvas MakeDebris(const Job& j) {
    Rng rng(j.name);
    Poly chunk;
    for (int i = 0; i < 6; ++i) {
        float a = 2 * kPi * i / 6 + rng.range(-0.3f, 0.3f);
        float r = rng.range(5.f, 9.f);
        chunk.push_back({std::cos(a) * r * 1.3f, std::sin(a) * r * 0.8f});
    }
    return Cells(j.w, j.h, 16, 60, 60, 8, [&](int cell) {
        Canvas c(60, 60);
        if (cell == 8) return c;  // never shown
        int step = cell < 8 ? cell : cell - 7;
        float t = step / 14.f;
        Light l(60, 60);
        float flicker = 0.75f + 0.25f * std::sin(step * 2.1f);
        GlowAt(l, 30, 30, 13.f, {255, 110, 30}, 0.45f * flicker);
        GlowAt(l, 30, 30, 6.f, {255, 220, 120}, 0.7f * flicker);
        // A trail of embers behind the piece.
        for (int e = 1; e <= 4; ++e)
            GlowAt(l, 30 - e * 4.f * std::cos(t * 6.f), 30 + e * 4.f * std::sin(t * 6.f), 2.2f, {255, 120, 40}, 0.3f / e);
        c = Developed(l);
        Mask m(60, 60);
        FillPoly(m, Transform(chunk, {30, 30}, step * 24.f));
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) {
                float v = m.get(x, y);
                if (v <= 0) continue;
                float lit = 0.5f + 0.5f * std::sin((x - y) * 0.4f + step);
                c.add(x, y, v * (140 + 100 * lit), v * (90 + 60 * lit), v * (60 + 40 * lit));
            }
        return c;
    });
}

Canvas MakeShard(const Job& j) {
    Canvas c(j.w, j.h);
    Model m;
    int glass = m.material(Glass(Hex(0x40c8ff)));
    int core = m.material(Glow(Hex(0x2080ff), Hex(0xe0ffff)));
    float R = j.w * 0.42f;
    for (int s = 0; s < 4; ++s) {
        Poly spike{{0, -R}, {R * 0.24f, -R * 0.25f}, {0, 0}, {-R * 0.24f, -R * 0.25f}};
        float L = s % 2 ? 0.62f : 1.f;
        for (Vec2& v : spike) v = v * L;
        m.part(Rotated(spike, {0, 0}, 90.f * s), glass, 3.f);
    }
    m.part(Ellipse(0, 0, R * 0.26f, R * 0.26f, 20), core, R * 0.26f);
    View v;
    v.cx = j.w / 2.f;
    v.cy = j.h / 2.f;
    v.angle = 45.f * 0.f;
    Paint(c, m, v);
    Outline(c, 0.4f, {16, 24, 48});
    return c;
}

Canvas MakeFlame(const Job& j) {
    Rgb edge = Hex(j.args.col1), core = Hex(j.args.col2);
    Rng rng(j.name);
    const int cw = 20, ch = 70, n = 20;
    uint32_t seed = HashName(j.name);
    return Cells(j.w, j.h, n, cw, ch, n, [&](int k) {
        Canvas c(cw, ch);
        float ph = 2 * kPi * k / n;
        float len = 48.f + 10.f * std::sin(ph) + 6.f * std::sin(ph * 3 + 1.f) + rng.range(-3.f, 3.f);
        float root = 8.5f;
        for (int y = 0; y < ch; ++y) {
            float up = float(ch - 1 - y);  // distance from the root
            if (up > len) continue;
            float t = up / len;
            float halfW = root * (1.f - t * t) * (0.9f + 0.1f * std::sin(ph + t * 9.f));
            float wob = (Noise2(float(k) * 0.6f, up * 0.15f, seed) - 0.5f) * 3.f * t;
            for (int x = 0; x < cw; ++x) {
                float dx = std::fabs(x + 0.5f - cw / 2.f - wob);
                if (dx > halfW) continue;
                float across = halfW > 0 ? dx / halfW : 1.f;
                float heat = (1.f - t) * (1.f - 0.7f * across * across);
                Rgb col = heat > 0.75f ? Mix(core, kWhite, (heat - 0.75f) / 0.25f)
                          : heat > 0.35f ? Mix(edge, core, (heat - 0.35f) / 0.4f)
                                         : Mix(Scale(edge, 0.55f), edge, heat / 0.35f);
                c.set(x, y, col);
            }
        }
        return c;
    });
}

Canvas MakeReticle(const Job& j) {
    Canvas c(j.w, j.h);
    float cx = j.w / 2.f, cy = j.h / 2.f;
    Rgb red{255, 60, 60}, light{255, 190, 160};
    for (int y = 0; y < j.h; ++y)
        for (int x = 0; x < j.w; ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy, d = std::sqrt(dx * dx + dy * dy);
            if (d > 21.f && d < 24.f) c.set(x, y, d < 22.5f ? light : red);
            bool tick = (std::fabs(dx) < 1.2f && d > 12.f && d < 28.f) || (std::fabs(dy) < 1.2f && d > 12.f && d < 28.f);
            if (tick) c.set(x, y, light);
        }
    // Corner brackets.
    for (int s = 0; s < 4; ++s) {
        int sx = s % 2 ? 1 : -1, sy = s / 2 ? 1 : -1;
        for (int i = 0; i < 7; ++i) {
            c.set(int(cx + sx * (27 - i)), int(cy + sy * 27), red);
            c.set(int(cx + sx * 27), int(cy + sy * (27 - i)), red);
        }
    }
    Outline(c, 0.35f, {40, 16, 16});
    return c;
}

}  // namespace ag
