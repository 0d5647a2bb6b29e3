#include "tools/assetgen/model.h"

#include <algorithm>

namespace ag {

Material Metal(Rgb mid, float gloss) {
    Material m;
    Rgb deep = Mix(Scale(mid, 0.28f), Rgb{34, 22, 58}, 0.45f);
    Rgb dark = Mix(Scale(mid, 0.58f), Rgb{40, 40, 96}, 0.18f);
    Rgb light = Mix(mid, Rgb{255, 246, 220}, 0.42f);
    Rgb top = Mix(mid, Rgb{255, 255, 244}, 0.78f);
    m.ramp = {deep, dark, mid, light, top};
    m.gloss = gloss;
    return m;
}

Material Glow(Rgb edge, Rgb core) {
    Material m;
    m.ramp = {Scale(edge, 0.7f), edge, Mix(edge, core, 0.5f), core, Mix(core, Rgb{255, 255, 255}, 0.7f)};
    m.emissive = true;
    return m;
}

Material Glass(Rgb mid) {
    Material m;
    m.ramp = {Mix(Scale(mid, 0.25f), Rgb{20, 10, 40}, 0.3f), Scale(mid, 0.55f), mid, Mix(mid, Rgb{230, 250, 255}, 0.5f),
              Rgb{250, 255, 255}};
    m.gloss = 1.2f;
    return m;
}

Part& Model::part(Poly p, int mat, float bevel, float z) {
    Part q;
    q.poly = std::move(p);
    q.mat = mat;
    q.bevel = bevel;
    q.z = z;
    parts.push_back(std::move(q));
    return parts.back();
}

void Model::pair(const Poly& right, int mat, float bevel, float z) {
    part(right, mat, bevel, z);
    part(MirrorX(right, 0), mat, bevel, z);
}

Part& Model::hull(const std::vector<Vec2>& prof, int mat, float bevel, float z) {
    Poly p;
    for (Vec2 v : prof) p.push_back({v.x, v.y});
    for (auto it = prof.rbegin(); it != prof.rend(); ++it) p.push_back({-it->x, it->y});
    return part(p, mat, bevel, z);
}

void Model::capsule(float x, float y0, float y1, float r, int mat, float z, bool mirrored) {
    Poly p;
    const int n = 10;
    for (int i = 0; i <= n; ++i) {
        float a = kPi + kPi * i / n;
        p.push_back({x + r * std::cos(a), y0 + r * std::sin(a)});
    }
    for (int i = 0; i <= n; ++i) {
        float a = kPi * i / n;
        p.push_back({x + r * std::cos(a), y1 + r * std::sin(a)});
    }
    part(p, mat, r, z);
    if (mirrored && x != 0) part(MirrorX(p, 0), mat, r, z);
}

void Model::disc(float x, float y, float rx, float ry, int mat, float bevel, float z, bool mirrored) {
    part(Ellipse(x, y, rx, ry), mat, bevel, z);
    if (mirrored && x != 0) part(Ellipse(-x, y, rx, ry), mat, bevel, z);
}

void Model::engine(float x, float y, float rx, float ry, int ringMat, int glowMat) {
    disc(x, y, rx, ry, ringMat, std::min(rx, ry) * 0.5f, 0);
    disc(x, y, rx * 0.62f, ry * 0.62f, glowMat, std::min(rx, ry) * 0.62f, 0);
}

void Model::bar(Vec2 a, Vec2 b, float w, int mat, float z, bool mirrored, float bevel) {
    Vec2 d = b - a;
    float len = std::sqrt(d.x * d.x + d.y * d.y);
    if (len <= 0) return;
    Vec2 n{-d.y / len * w / 2, d.x / len * w / 2};
    Poly p{a + n, b + n, b - n, a - n};
    part(p, mat, bevel, z);
    if (mirrored && (a.x != 0 || b.x != 0)) part(MirrorX(p, 0), mat, bevel, z);
}

Vec2 Project(const View& v, Vec2 p, float z) {
    float r = v.roll * kPi / 180.f;
    float x = p.x * std::cos(r) - z * std::sin(r);
    // A little perspective: the rising wing grows, the dipping one shrinks.
    float depth = p.x * std::sin(r) + z * std::cos(r);
    float persp = std::clamp(1.f + depth * 0.009f, 0.7f, 1.3f);
    x *= persp;
    float y = p.y * (1.f + (persp - 1.f) * 0.5f);
    x *= v.sx;
    y *= v.sy;
    float a = v.angle * kPi / 180.f, cs = std::cos(a), sn = std::sin(a);
    return {v.cx + x * cs - y * sn, v.cy + x * sn + y * cs};
}

namespace {

// One dimension of the exact squared distance transform (lower envelope of parabolas).
void Edt1(const float* f, int n, float* d, std::vector<int>& v, std::vector<float>& z) {
    v.assign(size_t(n), 0);
    z.assign(size_t(n) + 1, 0.f);
    int k = 0;
    v[0] = 0;
    z[0] = -1e20f;
    z[1] = 1e20f;
    for (int q = 1; q < n; ++q) {
        auto cross = [&](int p) { return ((f[q] + float(q) * q) - (f[p] + float(p) * p)) / (2.f * float(q - p)); };
        float s = cross(v[size_t(k)]);
        while (s <= z[size_t(k)]) s = cross(v[size_t(--k)]);
        ++k;
        v[size_t(k)] = q;
        z[size_t(k)] = s;
        z[size_t(k) + 1] = 1e20f;
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[size_t(k) + 1] < float(q)) ++k;
        int p = v[size_t(k)];
        d[q] = float(q - p) * float(q - p) + f[p];
    }
}

// Euclidean distance (pixels) from each inside pixel to the nearest outside one.
void Distance(const std::vector<uint8_t>& in, int w, int h, std::vector<float>& d) {
    const float big = 1e10f;
    d.assign(in.size(), 0.f);
    for (size_t i = 0; i < in.size(); ++i) d[i] = in[i] ? big : 0.f;
    std::vector<float> f(size_t(std::max(w, h))), out(size_t(std::max(w, h)));
    std::vector<int> v;
    std::vector<float> z;
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) f[size_t(y)] = d[size_t(y) * w + x];
        Edt1(f.data(), h, out.data(), v, z);
        for (int y = 0; y < h; ++y) d[size_t(y) * w + x] = out[size_t(y)];
    }
    for (int y = 0; y < h; ++y) {
        Edt1(&d[size_t(y) * w], w, out.data(), v, z);
        for (int x = 0; x < w; ++x) d[size_t(y) * w + x] = std::sqrt(out[size_t(x)]);
    }
}

// Two box passes each way: smooths the ripples a stair-stepped edge leaves
// in the distance field, so slanted edges shade evenly.
void Soften(std::vector<float>& d, int w, int h, int r) {
    std::vector<float> tmp(d.size());
    // One box pass along x (step 1) or y (step w), from src into dst.
    auto pass = [&](const std::vector<float>& src, std::vector<float>& dst, bool alongX) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int k = -r; k <= r; ++k) {
                    int xx = alongX ? std::clamp(x + k, 0, w - 1) : x, yy = alongX ? y : std::clamp(y + k, 0, h - 1);
                    sum += src[size_t(yy) * w + xx];
                }
                dst[size_t(y) * w + x] = sum / float(2 * r + 1);
            }
    };
    std::vector<float> out(d.size());
    for (int n = 0; n < 2; ++n) {
        pass(n ? out : d, tmp, true);
        pass(tmp, out, false);
    }
    for (size_t i = 0; i < d.size(); ++i)
        if (d[i] > 0) d[i] = std::max(0.5f, out[i]);
}

Rgb RampAt(const Material& m, float v) {
    int n = int(m.ramp.size());
    float t = std::clamp(v, 0.f, 1.f) * float(n - 1);
    // A few steps per ramp entry: banded like hand-picked 16-bit shading.
    t = std::floor(t * 4.f + 0.5f) / 4.f;
    int i = std::min(int(t), n - 2);
    return Mix(m.ramp[size_t(i)], m.ramp[size_t(i + 1)], t - float(i));
}

}  // namespace

void Paint(Canvas& c, const Model& m, const View& v) {
    const float scale = std::sqrt(std::fabs(v.sx * v.sy));
    // Light from the upper left, turned with the craft's roll.
    float r = v.roll * kPi / 180.f;
    float lx0 = -0.55f, ly = -0.75f, lz = 0.85f;
    float lx = lx0 * std::cos(r) + lz * std::sin(r) * 0.6f;
    float ln = std::sqrt(lx * lx + ly * ly + lz * lz);
    lx /= ln;
    ly /= ln;
    lz /= ln;
    float hx = lx, hy = ly, hz = lz + 1.f;
    float hn = std::sqrt(hx * hx + hy * hy + hz * hz);
    hx /= hn;
    hy /= hn;
    hz /= hn;

    std::vector<uint8_t> inside;
    std::vector<float> dist;
    for (const Part& part : m.parts) {
        Poly p;
        for (Vec2 q : part.poly) p.push_back(Project(v, q, part.z));
        float minx = 1e9f, miny = 1e9f, maxx = -1e9f, maxy = -1e9f;
        for (Vec2 q : p) {
            minx = std::min(minx, q.x);
            maxx = std::max(maxx, q.x);
            miny = std::min(miny, q.y);
            maxy = std::max(maxy, q.y);
        }
        int ox = int(std::floor(minx)) - 2, oy = int(std::floor(miny)) - 2;
        int mw = int(std::ceil(maxx)) - ox + 3, mh = int(std::ceil(maxy)) - oy + 3;
        if (!c.wrapX) {
            if (ox + mw < 0 || ox > c.w) continue;
        }
        if (!c.wrapY) {
            if (oy + mh < 0 || oy > c.h) continue;
        }
        if (mw <= 0 || mh <= 0 || size_t(mw) * size_t(mh) > 4000000) continue;
        Mask mask(mw, mh);
        for (Vec2& q : p) q = q - Vec2{float(ox), float(oy)};
        FillPoly(mask, p);
        for (const Poly& hole : part.holes) {
            Poly hp;
            for (Vec2 q : hole) hp.push_back(Project(v, q, part.z) - Vec2{float(ox), float(oy)});
            FillPoly(mask, hp, true);
        }
        inside.assign(mask.v.size(), 0);
        for (size_t i = 0; i < mask.v.size(); ++i) inside[i] = mask.v[i] >= 0.5f;
        Distance(inside, mw, mh, dist);
        Soften(dist, mw, mh, 2);
        const Material& mat = m.mats[size_t(part.mat)];
        const float bevel = std::max(0.5f, part.bevel * scale);
        auto D = [&](int x, int y) {
            x = std::clamp(x, 0, mw - 1);
            y = std::clamp(y, 0, mh - 1);
            return dist[size_t(y) * mw + x];
        };
        for (int y = 0; y < mh; ++y)
            for (int x = 0; x < mw; ++x) {
                float cov = mask.v[size_t(y) * mw + x];
                if (cov <= 0.f) continue;
                Rgb* dst = c.at(ox + x, oy + y);
                if (!dst) continue;
                bool under = !IsBlack(*dst);
                if (!under && !v.softEdges && cov < 0.5f) continue;
                float d = std::max(D(x, y), 0.5f);
                float value;
                if (mat.emissive) {
                    value = 0.2f + 0.8f * std::min(1.f, d / bevel);
                } else {
                    float gx = D(x + 1, y) - D(x - 1, y), gy = D(x, y + 1) - D(x, y - 1);
                    float gl = std::sqrt(gx * gx + gy * gy);
                    float slope = std::max(0.f, 1.f - d / bevel);
                    float nx = 0, ny = 0;
                    if (gl > 1e-4f) {
                        nx = -gx / gl * slope;
                        ny = -gy / gl * slope;
                    }
                    float nz = std::sqrt(std::max(0.f, 1.f - nx * nx - ny * ny));
                    float diffuse = std::max(0.f, nx * lx + ny * ly + nz * lz);
                    float shine = std::pow(std::max(0.f, nx * hx + ny * hy + nz * hz), 24.f);
                    value = 0.12f + 0.8f * diffuse + mat.gloss * shine * 0.6f;
                }
                Rgb col = RampAt(mat, value * part.shade);
                if (!Visible565(col)) col = {16, 16, 20};
                if (under)
                    *dst = Mix(*dst, col, std::min(1.f, cov));
                else if (v.softEdges)
                    *dst = Scale(col, std::min(1.f, cov));
                else
                    *dst = col;
                if (!v.softEdges && !Visible565(*dst)) *dst = {16, 16, 20};
            }
    }
}

}  // namespace ag
