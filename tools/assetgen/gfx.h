// Drawing toolkit of the data-file generator: pixels, coverage masks,
// polygons, noise and the BMP writer. Standard library only.
#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace ag {

constexpr float kPi = 3.14159265358979f;

// Deterministic generator (xorshift32 behind a splitmix-style seed hash).
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed);
    Rng(const std::string& name, uint32_t salt = 0);
    uint32_t next();
    float uni();                        // 0 .. 1
    float range(float a, float b);      // a .. b
    int irange(int a, int b);           // a .. b inclusive
    bool chance(float p) { return uni() < p; }
};
uint32_t HashName(const std::string& s);

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};
inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline bool IsBlack(Rgb c) { return c.r == 0 && c.g == 0 && c.b == 0; }
// True when the colour survives the cut to RGB565 as a non-zero value.
inline bool Visible565(Rgb c) { return c.r >= 8 || c.g >= 4 || c.b >= 8; }
Rgb Mix(Rgb a, Rgb b, float t);
Rgb Scale(Rgb a, float k);
Rgb Hex(uint32_t rgb);

struct Vec2 {
    float x = 0, y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float k) { return {a.x * k, a.y * k}; }
using Poly = std::vector<Vec2>;

Poly Ellipse(float cx, float cy, float rx, float ry, int segments = 0);
Poly Rect(float x0, float y0, float x1, float y1);
Poly Rotated(const Poly& p, Vec2 centre, float degrees);
Poly MirrorX(const Poly& p, float axis);  // reflected, winding kept consistent

// A picture being drawn. Coordinates wrap when wrapX / wrapY is set, so
// background tiles join at their edges.
struct Canvas {
    int w = 0, h = 0;
    bool wrapX = false, wrapY = false;
    std::vector<Rgb> px;
    Canvas() = default;
    Canvas(int width, int height) : w(width), h(height), px(size_t(width) * height) {}
    Rgb* at(int x, int y);
    Rgb get(int x, int y) const;
    void set(int x, int y, Rgb c) {
        if (Rgb* p = at(x, y)) *p = c;
    }
    void blend(int x, int y, Rgb c, float a);
    void add(int x, int y, float r, float g, float b);
    void fillRect(int x0, int y0, int x1, int y1, Rgb c);  // exclusive right/bottom
    // Copies src with its black as holes; (dx, dy) is the top-left corner.
    void paste(const Canvas& src, int dx, int dy);
    void pasteScaled(const Canvas& src, int dx, int dy, int scale);
    Canvas crop(int x, int y, int cw, int ch) const;
    void flipX();
    void flipY();
};

// Float picture for glows and light, tone-mapped into a Canvas.
struct Light {
    int w = 0, h = 0;
    bool wrapX = false, wrapY = false;
    std::vector<float> r, g, b;
    Light(int width, int height);
    void add(int x, int y, float rr, float gg, float bb);
    // Adds a soft round glow: colour * exp(-(d/radius)^2 * 2.3) inside 2*radius.
    void glow(float cx, float cy, float radius, float rr, float gg, float bb, float sy = 1.f);
    // An elongated glow along the segment a-b.
    void streak(Vec2 a, Vec2 b, float radius, float rr, float gg, float bb);
};
// Cuts the light into the canvas (added to it, saturating). Values below
// `floor` (0..1 of full) become exact black.
void Develop(const Light& l, Canvas& c, float floor = 0.035f);

// Anti-aliased coverage of polygons (0..1 per pixel).
struct Mask {
    int w = 0, h = 0;
    bool wrapX = false, wrapY = false;
    std::vector<float> v;
    Mask(int width, int height) : w(width), h(height), v(size_t(width) * height, 0.f) {}
    float get(int x, int y) const;
    void unite(int x, int y, float c);
    void cut(int x, int y, float c);
};
void FillPoly(Mask& m, const Poly& p, bool subtract = false);

// Value noise, periodic over `period` cells when period > 0.
float Noise2(float x, float y, uint32_t seed, int periodX = 0, int periodY = 0);
float Fbm(float x, float y, uint32_t seed, int octaves, int periodX = 0, int periodY = 0);

// Final clean-up of every picture: any colour that the RGB565 cut would turn
// into the transparent value becomes exact black.
void ClampToKey(Canvas& c);
// Rotated pictures: clears row 0, column 0 and everything outside the
// inscribed circle.
void ClearOutsideCircle(Canvas& c);
// 1-pixel outline round opaque areas (keyed sprites), darker than its neighbour.
void Outline(Canvas& c, float darkness = 0.3f, Rgb minimum = {20, 18, 30});

std::vector<uint8_t> EncodeBmp(const Canvas& c);

}  // namespace ag
