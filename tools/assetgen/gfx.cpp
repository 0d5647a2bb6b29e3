#include "tools/assetgen/gfx.h"

#include <algorithm>
#include <cstdio>

namespace ag {

// ---------------------------------------------------------------- random

uint32_t HashName(const std::string& s) {
    uint32_t h = 2166136261u;
    for (unsigned char c : s) h = (h ^ c) * 16777619u;
    return h;
}

static uint32_t Mix32(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

Rng::Rng(uint32_t seed) : s(Mix32(seed + 0x9e3779b9u) | 1u) {}
Rng::Rng(const std::string& name, uint32_t salt) : Rng(HashName(name) ^ Mix32(salt + 0x51f15e)) {}

uint32_t Rng::next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
}
float Rng::uni() { return float(next() >> 8) / 16777216.f; }
float Rng::range(float a, float b) { return a + (b - a) * uni(); }
int Rng::irange(int a, int b) { return a + int(next() % uint32_t(b - a + 1)); }

// ---------------------------------------------------------------- colour

static uint8_t Clamp8(float v) { return uint8_t(std::min(255.f, std::max(0.f, v) + 0.5f)); }

Rgb Mix(Rgb a, Rgb b, float t) {
    return {Clamp8(a.r + (b.r - a.r) * t), Clamp8(a.g + (b.g - a.g) * t), Clamp8(a.b + (b.b - a.b) * t)};
}
Rgb Scale(Rgb a, float k) { return {Clamp8(a.r * k), Clamp8(a.g * k), Clamp8(a.b * k)}; }
Rgb Hex(uint32_t v) { return {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)}; }

// ---------------------------------------------------------------- shapes

Poly Ellipse(float cx, float cy, float rx, float ry, int segments) {
    if (segments <= 0) segments = std::clamp(int((rx + ry) * 1.6f), 12, 160);
    Poly p;
    for (int i = 0; i < segments; ++i) {
        float a = 2 * kPi * i / segments;
        p.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return p;
}

Poly Rect(float x0, float y0, float x1, float y1) { return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}; }

Poly Rotated(const Poly& p, Vec2 c, float deg) {
    float a = deg * kPi / 180.f, cs = std::cos(a), sn = std::sin(a);
    Poly out;
    for (Vec2 v : p) {
        Vec2 d = v - c;
        out.push_back({c.x + d.x * cs - d.y * sn, c.y + d.x * sn + d.y * cs});
    }
    return out;
}

Poly MirrorX(const Poly& p, float axis) {
    Poly out(p.rbegin(), p.rend());
    for (Vec2& v : out) v.x = 2 * axis - v.x;
    return out;
}

// ---------------------------------------------------------------- canvas

static int Wrap(int v, int n) {
    v %= n;
    return v < 0 ? v + n : v;
}

Rgb* Canvas::at(int x, int y) {
    if (wrapX) x = Wrap(x, w);
    if (wrapY) y = Wrap(y, h);
    if (x < 0 || y < 0 || x >= w || y >= h) return nullptr;
    return &px[size_t(y) * w + x];
}

Rgb Canvas::get(int x, int y) const {
    const Rgb* p = const_cast<Canvas*>(this)->at(x, y);
    return p ? *p : Rgb{};
}

void Canvas::blend(int x, int y, Rgb c, float a) {
    if (Rgb* p = at(x, y)) *p = Mix(*p, c, std::clamp(a, 0.f, 1.f));
}

void Canvas::add(int x, int y, float r, float g, float b) {
    if (Rgb* p = at(x, y)) *p = {Clamp8(p->r + r), Clamp8(p->g + g), Clamp8(p->b + b)};
}

void Canvas::fillRect(int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) set(x, y, c);
}

void Canvas::paste(const Canvas& src, int dx, int dy) {
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x) {
            Rgb c = src.px[size_t(y) * src.w + x];
            if (!IsBlack(c)) set(dx + x, dy + y, c);
        }
}

void Canvas::pasteScaled(const Canvas& src, int dx, int dy, int k) {
    for (int y = 0; y < src.h * k; ++y)
        for (int x = 0; x < src.w * k; ++x) {
            Rgb c = src.px[size_t(y / k) * src.w + x / k];
            if (!IsBlack(c)) set(dx + x, dy + y, c);
        }
}

Canvas Canvas::crop(int x0, int y0, int cw, int ch) const {
    Canvas out(cw, ch);
    for (int y = 0; y < ch; ++y)
        for (int x = 0; x < cw; ++x) out.px[size_t(y) * cw + x] = get(x0 + x, y0 + y);
    return out;
}

void Canvas::flipX() {
    for (int y = 0; y < h; ++y) std::reverse(px.begin() + size_t(y) * w, px.begin() + size_t(y + 1) * w);
}

void Canvas::flipY() {
    for (int y = 0; y < h / 2; ++y)
        std::swap_ranges(px.begin() + size_t(y) * w, px.begin() + size_t(y + 1) * w, px.begin() + size_t(h - 1 - y) * w);
}

// ---------------------------------------------------------------- light

Light::Light(int width, int height)
    : w(width), h(height), r(size_t(width) * height), g(size_t(width) * height), b(size_t(width) * height) {}

void Light::add(int x, int y, float rr, float gg, float bb) {
    if (wrapX) x = Wrap(x, w);
    if (wrapY) y = Wrap(y, h);
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    size_t i = size_t(y) * w + x;
    r[i] += rr;
    g[i] += gg;
    b[i] += bb;
}

void Light::glow(float cx, float cy, float radius, float rr, float gg, float bb, float sy) {
    if (radius <= 0) return;
    int x0 = int(std::floor(cx - 2 * radius)), x1 = int(std::ceil(cx + 2 * radius));
    int y0 = int(std::floor(cy - 2 * radius * sy)), y1 = int(std::ceil(cy + 2 * radius * sy));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = (x + 0.5f - cx) / radius, dy = (y + 0.5f - cy) / (radius * sy);
            float d2 = dx * dx + dy * dy;
            if (d2 > 4.f) continue;
            float k = std::exp(-d2 * 2.3f) - std::exp(-4.f * 2.3f);
            add(x, y, rr * k, gg * k, bb * k);
        }
}

void Light::streak(Vec2 a, Vec2 b, float radius, float rr, float gg, float bb) {
    Vec2 d = b - a;
    float len2 = d.x * d.x + d.y * d.y;
    int x0 = int(std::floor(std::min(a.x, b.x) - 2 * radius)), x1 = int(std::ceil(std::max(a.x, b.x) + 2 * radius));
    int y0 = int(std::floor(std::min(a.y, b.y) - 2 * radius)), y1 = int(std::ceil(std::max(a.y, b.y) + 2 * radius));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            Vec2 p{x + 0.5f, y + 0.5f};
            float t = len2 > 0 ? std::clamp(((p.x - a.x) * d.x + (p.y - a.y) * d.y) / len2, 0.f, 1.f) : 0.f;
            Vec2 q = a + d * t;
            float dx = (p.x - q.x) / radius, dy = (p.y - q.y) / radius;
            float d2 = dx * dx + dy * dy;
            if (d2 > 4.f) continue;
            float k = std::exp(-d2 * 2.3f) - std::exp(-4.f * 2.3f);
            add(x, y, rr * k, gg * k, bb * k);
        }
}

static float Knee(float v) {
    if (v <= 0.85f) return std::max(v, 0.f);
    return 0.85f + 0.15f * (1.f - std::exp(-(v - 0.85f) / 0.15f));
}

void Develop(const Light& l, Canvas& c, float floor) {
    for (int y = 0; y < l.h; ++y)
        for (int x = 0; x < l.w; ++x) {
            size_t i = size_t(y) * l.w + x;
            float r = Knee(l.r[i]), g = Knee(l.g[i]), b = Knee(l.b[i]);
            if (std::max({r, g, b}) < floor) continue;
            c.add(x, y, r * 255.f, g * 255.f, b * 255.f);
        }
}

// ---------------------------------------------------------------- masks

float Mask::get(int x, int y) const {
    if (wrapX) x = Wrap(x, w);
    if (wrapY) y = Wrap(y, h);
    if (x < 0 || y < 0 || x >= w || y >= h) return 0.f;
    return v[size_t(y) * w + x];
}

void Mask::unite(int x, int y, float c) {
    if (wrapX) x = Wrap(x, w);
    if (wrapY) y = Wrap(y, h);
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    float& d = v[size_t(y) * w + x];
    d = std::max(d, std::min(1.f, c));
}

void Mask::cut(int x, int y, float c) {
    if (wrapX) x = Wrap(x, w);
    if (wrapY) y = Wrap(y, h);
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    float& d = v[size_t(y) * w + x];
    d = std::max(0.f, std::min(d, 1.f - c));
}

void FillPoly(Mask& m, const Poly& p, bool subtract) {
    if (p.size() < 3) return;
    float minx = p[0].x, maxx = p[0].x, miny = p[0].y, maxy = p[0].y;
    for (Vec2 v : p) {
        minx = std::min(minx, v.x);
        maxx = std::max(maxx, v.x);
        miny = std::min(miny, v.y);
        maxy = std::max(maxy, v.y);
    }
    int px0 = int(std::floor(minx)), px1 = int(std::ceil(maxx));
    int py0 = int(std::floor(miny)), py1 = int(std::ceil(maxy));
    if (!m.wrapX) {
        px0 = std::max(px0, 0);
        px1 = std::min(px1, m.w);
    }
    if (!m.wrapY) {
        py0 = std::max(py0, 0);
        py1 = std::min(py1, m.h);
    }
    if (px1 <= px0) return;
    const int kSub = 5;
    std::vector<float> row(size_t(px1 - px0), 0.f);
    std::vector<float> xs;
    for (int y = py0; y < py1; ++y) {
        std::fill(row.begin(), row.end(), 0.f);
        bool any = false;
        for (int k = 0; k < kSub; ++k) {
            float sy = y + (k + 0.5f) / kSub;
            xs.clear();
            for (size_t i = 0; i < p.size(); ++i) {
                Vec2 a = p[i], b = p[(i + 1) % p.size()];
                if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
                    xs.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t i = 0; i + 1 < xs.size(); i += 2) {
                float x0 = std::max(xs[i], float(px0)), x1 = std::min(xs[i + 1], float(px1));
                if (x1 <= x0) continue;
                any = true;
                int c0 = int(std::floor(x0)), c1 = int(std::floor(x1));
                for (int c = c0; c <= c1 && c < px1; ++c) {
                    float l = std::max(x0, float(c)), r = std::min(x1, float(c + 1));
                    if (r > l) row[size_t(c - px0)] += (r - l) / kSub;
                }
            }
        }
        if (!any) continue;
        for (int x = px0; x < px1; ++x) {
            float c = std::min(1.f, row[size_t(x - px0)]);
            if (c <= 0.f) continue;
            if (subtract)
                m.cut(x, y, c);
            else
                m.unite(x, y, c);
        }
    }
}

// ---------------------------------------------------------------- noise

static float Lattice(int x, int y, uint32_t seed) {
    uint32_t h = Mix32(uint32_t(x) * 0x8da6b343u ^ Mix32(uint32_t(y) * 0xd8163841u ^ seed));
    return float(h >> 8) / 16777216.f;
}

float Noise2(float x, float y, uint32_t seed, int px, int py) {
    int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    float fx = x - x0, fy = y - y0;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    auto L = [&](int ix, int iy) {
        if (px > 0) ix = Wrap(ix, px);
        if (py > 0) iy = Wrap(iy, py);
        return Lattice(ix, iy, seed);
    };
    float a = L(x0, y0), b = L(x0 + 1, y0), c = L(x0, y0 + 1), d = L(x0 + 1, y0 + 1);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

float Fbm(float x, float y, uint32_t seed, int octaves, int px, int py) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * Noise2(x, y, seed + uint32_t(o) * 977u, px, py);
        norm += amp;
        x *= 2;
        y *= 2;
        px *= 2;
        py *= 2;
        amp *= 0.5f;
    }
    return sum / norm;
}

// ---------------------------------------------------------------- clean-up

void ClampToKey(Canvas& c) {
    for (Rgb& p : c.px)
        if (!Visible565(p)) p = {};
}

void ClearOutsideCircle(Canvas& c) {
    float cx = c.w / 2.f, cy = c.h / 2.f, r = std::min(c.w, c.h) / 2.f - 1.f;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            if (x == 0 || y == 0 || dx * dx + dy * dy > r * r) c.px[size_t(y) * c.w + x] = {};
        }
}

void Outline(Canvas& c, float darkness, Rgb minimum) {
    Canvas src = c;
    src.wrapX = c.wrapX;
    src.wrapY = c.wrapY;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            if (!IsBlack(src.px[size_t(y) * c.w + x])) continue;
            const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
            int n = 0;
            float r = 0, g = 0, b = 0;
            for (int k = 0; k < 4; ++k) {
                Rgb q = src.get(x + dx[k], y + dy[k]);
                if (IsBlack(q)) continue;
                ++n;
                r += q.r;
                g += q.g;
                b += q.b;
            }
            if (!n) continue;
            Rgb o = {Clamp8(r / n * darkness), Clamp8(g / n * darkness), Clamp8(b / n * darkness)};
            o = {std::max(o.r, minimum.r), std::max(o.g, minimum.g), std::max(o.b, minimum.b)};
            c.px[size_t(y) * c.w + x] = o;
        }
}

// ---------------------------------------------------------------- BMP

static void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
static void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xffff);
    Put16(v, x >> 16);
}

std::vector<uint8_t> EncodeBmp(const Canvas& c) {
    const uint32_t stride = (uint32_t(c.w) * 3 + 3) & ~3u;
    const uint32_t image = stride * uint32_t(c.h);
    std::vector<uint8_t> v;
    v.reserve(54 + image);
    v.push_back('B');
    v.push_back('M');
    Put32(v, 54 + image);
    Put32(v, 0);
    Put32(v, 54);
    Put32(v, 40);
    Put32(v, uint32_t(c.w));
    Put32(v, uint32_t(c.h));
    Put16(v, 1);
    Put16(v, 24);
    Put32(v, 0);  // BI_RGB
    Put32(v, image);
    Put32(v, 2835);  // 72 dpi
    Put32(v, 2835);
    Put32(v, 0);
    Put32(v, 0);
    for (int y = c.h - 1; y >= 0; --y) {
        for (int x = 0; x < c.w; ++x) {
            Rgb p = c.px[size_t(y) * c.w + x];
            v.push_back(p.b);
            v.push_back(p.g);
            v.push_back(p.r);
        }
        for (uint32_t k = uint32_t(c.w) * 3; k < stride; ++k) v.push_back(0);
    }
    return v;
}

}  // namespace ag
