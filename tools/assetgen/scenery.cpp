// Background tiles, the menu and ending pictures, digits and panels.
#include <algorithm>

#include "tools/assetgen/assets.h"
#include "tools/assetgen/font.h"
#include "tools/assetgen/model.h"

namespace ag {
namespace {

const Rgb kWhite{255, 255, 255};

// ------------------------------------------------------------------ tiles

// Drifting rocks and broken girders; mostly empty space.
void TileDebris(Canvas& c, Rng& rng) {
    Model m;
    int rock = m.material(Metal(Hex(0x7a6a5c), 0.1f));
    int rock2 = m.material(Metal(Hex(0x5c5870), 0.1f));
    int girder = m.material(Metal(Hex(0x8a94a8), 0.4f));
    int lamp = m.material(Glow(Hex(0xff4020), Hex(0xffe0a0)));
    for (int i = 0; i < 30; ++i) {
        float x = rng.range(0, float(c.w)), y = rng.range(0, float(c.h));
        float r = i < 5 ? rng.range(14, 26) : rng.range(3, 11);
        Poly p;
        int n = 9 + int(r / 3);
        float ph = rng.range(0, 6.f);
        for (int k = 0; k < n; ++k) {
            float a = 2 * kPi * k / n;
            float rr = r * (0.75f + 0.25f * std::sin(a * 3 + ph) + rng.range(-0.1f, 0.1f));
            p.push_back({x + std::cos(a) * rr, y + std::sin(a) * rr * 0.85f});
        }
        m.part(p, rng.chance(0.5f) ? rock : rock2, r * 0.6f);
        if (r > 12)
            for (int k = 0; k < 3; ++k)
                m.part(Ellipse(x + rng.range(-r, r) * 0.4f, y + rng.range(-r, r) * 0.4f, r * 0.18f, r * 0.14f), rock2,
                       r * 0.1f, 1).shade = 0.6f;
    }
    for (int i = 0; i < 3; ++i) {
        float x = rng.range(40, float(c.w) - 40), y = rng.range(0, float(c.h));
        float len = rng.range(50, 90), ang = rng.range(-40, 40);
        Poly beam = Rotated(Rect(x - len / 2, y - 4, x + len / 2, y + 4), {x, y}, ang);
        m.part(beam, girder, 2);
        for (int k = 0; k < 5; ++k) {
            float t = -len / 2 + len * (k + 0.5f) / 5;
            m.part(Rotated(Rect(x + t - 1, y - 3, x + t + 1, y + 3), {x, y}, ang), rock2, 0.5f, 1);
        }
        m.part(Ellipse(x, y, 2.5f, 2.5f), lamp, 2.5f, 2);
    }
    View v;
    Paint(c, m, v);
    Outline(c, 0.35f, {16, 14, 22});
}

// Cloud banks with hard edges, lit from the upper left: bright crowns, soft
// blue shade on their undersides and puffy detail inside; about a quarter of
// the tile.
void TileClouds(Canvas& c, uint32_t seed) {
    const int cell = 40, fine = 10;
    int px = c.w / cell, py = c.h / cell;
    std::vector<float> d(c.px.size());
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            float bands = 0.5f + 0.5f * std::sin(2 * kPi * (y / float(c.h)) * 2 + 2 * kPi * x / float(c.w));
            float n = Fbm(x / float(cell), y / float(cell), seed, 5, px, py);
            d[size_t(y) * c.w + x] = n * 0.85f + bands * 0.22f;
        }
    auto D = [&](int x, int y) {
        x = (x % c.w + c.w) % c.w;
        y = (y % c.h + c.h) % c.h;
        return d[size_t(y) * c.w + x];
    };
    // Shadow to highlight; the darkest stays well clear of the key.
    const Rgb ramp[] = {{52, 62, 108}, {92, 106, 156}, {146, 162, 206}, {206, 216, 240}, {250, 252, 255}};
    auto Shade = [&](float s) {
        float v = std::clamp(s, 0.f, 1.f) * 4.f;
        int i = std::min(int(v), 3);
        return Mix(ramp[i], ramp[i + 1], v - float(i));
    };
    const float cut = 0.6f;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            float v = D(x, y);
            if (v < cut) continue;
            // Slope of the bank toward the light, over a few pixels.
            float gy = D(x, y + 3) - D(x, y - 3), gx = D(x + 3, y) - D(x - 3, y);
            float facing = (gy * 0.8f + gx * 0.5f) * 5.f;
            float depth = std::clamp((v - cut) / 0.22f, 0.f, 1.f);
            float puff = Fbm(x / float(fine), y / float(fine), seed + 3, 3, c.w / fine, c.h / fine) - 0.5f;
            float under = std::clamp((D(x, y - 6) - D(x, y + 6)) * 5.f, 0.f, 1.f);  // lower rim
            float s = 0.34f + facing + depth * 0.3f + puff * 0.35f - under * 0.35f;
            c.set(x, y, Shade(s));
        }
}

// Dense machinery: plates, trenches, pipes and lights over the whole tile.
void TileMachinery(Canvas& c, Rng& rng) {
    Model m;
    int plate = m.material(Metal(Hex(0x5a6478), 0.3f));
    int plate2 = m.material(Metal(Hex(0x6c6250), 0.3f));
    int pipe = m.material(Metal(Hex(0x8890a0), 0.6f));
    int dark = m.material(Metal(Hex(0x2c3038), 0.1f));
    int lamp = m.material(Glow(Hex(0x20a0ff), Hex(0xd0ffff)));
    int warn = m.material(Metal(Hex(0xd0a020), 0.3f));
    const int gx = 55, gy = 60;  // 8 x 8 blocks
    for (int by = 0; by < c.h / gy; ++by)
        for (int bx = 0; bx < c.w / gx; ++bx) {
            float x0 = bx * gx, y0 = by * gy;
            int kind = rng.irange(0, 9);
            if (kind == 0) continue;  // a hole down to the layer beneath
            m.part(Rect(x0 + 1, y0 + 1, x0 + gx - 1, y0 + gy - 1), kind < 6 ? plate : plate2, 4);
            if (kind < 3) {
                for (int s = 0; s < 4; ++s) m.part(Rect(x0 + 8, y0 + 10 + s * 11, x0 + gx - 8, y0 + 14 + s * 11), dark, 1, 1);
            } else if (kind < 5) {
                m.part(Ellipse(x0 + gx / 2.f, y0 + gy / 2.f, 16, 16), dark, 4, 1);
                m.part(Ellipse(x0 + gx / 2.f, y0 + gy / 2.f, 10, 10), plate, 5, 2);
                m.part(Ellipse(x0 + gx / 2.f, y0 + gy / 2.f, 3, 3), lamp, 3, 3);
            } else if (kind < 7) {
                for (int s = 0; s < 5; ++s)
                    m.part(Rect(x0 + 4 + s * 10, y0 + gy - 9, x0 + 9 + s * 10, y0 + gy - 4), s % 2 ? warn : dark, 1, 1);
                m.part(Rect(x0 + 6, y0 + 6, x0 + gx - 6, y0 + 30), plate2, 3, 1);
            } else {
                m.part(Rect(x0 + 6, y0 + 6, x0 + 20, y0 + gy - 6), plate2, 3, 1);
                m.part(Rect(x0 + 26, y0 + 6, x0 + gx - 6, y0 + 26), plate, 3, 1);
                m.part(Ellipse(x0 + 40, y0 + 42, 4, 4), lamp, 4, 2);
            }
        }
    // Pipes running the length of the tile join top to bottom.
    for (int i = 0; i < 3; ++i) {
        float x = 50.f + i * 150.f + rng.range(-20, 20);
        m.part(Rect(x - 5, -10, x + 5, float(c.h) + 10), pipe, 5, 4);
        for (int y = 20; y < c.h; y += 60) m.part(Rect(x - 7, float(y), x + 7, float(y) + 6), dark, 2, 5);
    }
    View v;
    Paint(c, m, v);
}

// Height-field land with black chasms; palette chooses desert rock or ice.
void TileTerrain(Canvas& c, uint32_t seed, bool ice) {
    const int cell = 80;
    int px = c.w / cell, py = c.h / cell;
    std::vector<float> hgt(c.px.size());
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) hgt[size_t(y) * c.w + x] = Fbm(x / float(cell), y / float(cell), seed, 6, px, py);
    auto H = [&](int x, int y) {
        x = (x % c.w + c.w) % c.w;
        y = (y % c.h + c.h) % c.h;
        return hgt[size_t(y) * c.w + x];
    };
    const Rgb desert[] = {{70, 40, 30}, {120, 70, 44}, {170, 110, 64}, {206, 156, 96}, {236, 206, 150}};
    const Rgb frost[] = {{40, 56, 96}, {70, 104, 150}, {120, 160, 200}, {180, 210, 235}, {236, 246, 255}};
    const Rgb* pal = ice ? frost : desert;
    const float sea = ice ? 0.5f : 0.44f;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            float h = H(x, y);
            if (h < sea) continue;
            float shade = (H(x - 1, y - 1) - H(x + 1, y + 1)) * 18.f;
            float band = (h - sea) / (1.f - sea);
            float v = std::clamp(0.45f + shade + band * 0.5f, 0.f, 1.f) * 4.f;
            int i = std::min(int(v), 3);
            Rgb col = Mix(pal[i], pal[i + 1], std::floor((v - i) * 2.f) / 2.f);
            if (h < sea + 0.015f) col = pal[0];
            c.set(x, y, col);
        }
}

// ------------------------------------------------------------------ shared art

// A lit sphere; the dark side stays just above the key so stars never show through.
void Planet(Canvas& c, float cx, float cy, float r, uint32_t seed, const std::vector<Rgb>& land, Rgb atmosphere,
            bool clouds) {
    for (int y = int(cy - r - 2); y <= int(cy + r + 2); ++y)
        for (int x = int(cx - r - 2); x <= int(cx + r + 2); ++x) {
            float nx = (x + 0.5f - cx) / r, ny = (y + 0.5f - cy) / r, d2 = nx * nx + ny * ny;
            if (d2 > 1.f) continue;
            float nz = std::sqrt(1.f - d2);
            float lon = std::atan2(nx, nz), lat = std::asin(std::clamp(ny, -1.f, 1.f));
            float n = Fbm(lon * 2.2f + 10.f, lat * 3.f + 10.f, seed, 5);
            size_t i = std::min(land.size() - 1, size_t(std::clamp(n * 1.6f - 0.3f, 0.f, 0.999f) * land.size()));
            Rgb col = land[i];
            if (clouds && Fbm(lon * 3.f + 40.f, lat * 6.f, seed + 7, 4) > 0.58f) col = {236, 240, 248};
            float light = std::max(0.f, -0.62f * nx - 0.45f * ny + 0.64f * nz);
            float rim = std::pow(1.f - nz, 3.f);
            col = Mix(Scale(col, 0.15f + 0.95f * light), atmosphere, rim * 0.8f * std::min(1.f, light * 2.f + 0.2f));
            if (!Visible565(col) || (col.r < 10 && col.g < 10 && col.b < 22)) col = {10, 10, 24};
            c.set(x, y, col);
        }
}

void RingBand(Canvas& c, float cx, float cy, float r0, float r1, float tilt, bool front, float planetR) {
    for (int y = int(cy - r1); y <= int(cy + r1); ++y)
        for (int x = int(cx - r1 - 2); x <= int(cx + r1 + 2); ++x) {
            float dx = x + 0.5f - cx, dy = (y + 0.5f - cy) / tilt;
            float d = std::sqrt(dx * dx + dy * dy);
            if (d < r0 || d > r1) continue;
            if ((dy > 0) != front) continue;
            float pd = std::sqrt(dx * dx + (y + 0.5f - cy) * (y + 0.5f - cy));
            if (!front && pd < planetR) continue;
            float t = (d - r0) / (r1 - r0);
            if (std::fabs(t - 0.62f) < 0.05f) continue;  // the gap
            Rgb col = Mix(Rgb{200, 170, 120}, Rgb{140, 110, 90}, 0.5f + 0.5f * std::sin(t * 40.f));
            if (!front && pd < planetR * 1.02f) col = Scale(col, 0.6f);
            c.set(x, y, col);
        }
}

Canvas ShipPicture(int type, float scale, float roll = 0) { return PlayerShipArt(type, scale, roll * 15.f); }

void PasteCentred(Canvas& dst, const Canvas& src, int cx, int cy) { dst.paste(src, cx - src.w / 2, cy - src.h / 2); }

// Big chrome lettering: glyphs smoothed three times, then doubled.
Bitmap TitleInk(const std::string& s, int k) {
    Bitmap b = Smooth3x(TextBitmap(s));
    return k > 1 ? Smooth2x(b) : b;
}

TextStyle Chrome() {
    TextStyle s;
    s.fill = VerticalRamp({{255, 255, 255}, {170, 210, 255}, {60, 90, 190}, {250, 200, 120}, {255, 250, 220}});
    s.outline = 2;
    s.outlineColour = {20, 22, 70};
    s.shadow = 3;
    s.shadowColour = {60, 20, 90};
    return s;
}

TextStyle Warm() {
    TextStyle s;
    s.fill = VerticalRamp({{255, 250, 180}, {255, 190, 60}, {230, 80, 40}});
    s.outline = 1;
    s.outlineColour = {50, 16, 20};
    return s;
}

TextStyle Plain(Rgb c) {
    TextStyle s;
    s.fill = Flat(c);
    return s;
}

// A key cap with its legend, left edge at x; returns its width.
int KeyCap(Canvas& c, int x, int y, const std::string& key, int k = 1) {
    int w = std::max(16 * k, (TextWidth(key) + 8) * k), h = 15 * k;
    Model m;
    int cap = m.material(Metal(Hex(0x8a90b0), 0.5f));
    m.part(Rect(float(x), float(y), float(x + w), float(y + h)), cap, 3);
    View v;
    Paint(c, m, v);
    DrawText(c, x + (w - TextWidth(key) * k) / 2, y + 4 * k, key, Plain({24, 26, 52}), k);
    return w;
}

// A framed plate: dark fill, bright double border.
void Plate(Canvas& c, int x0, int y0, int x1, int y1, Rgb fill, Rgb border) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            int e = std::min({x - x0, x1 - 1 - x, y - y0, y1 - 1 - y});
            Rgb col = e == 0 ? Scale(border, 0.6f) : e == 1 ? border : e == 3 ? Scale(border, 0.5f) : fill;
            // Cut corners.
            int cx = std::min(x - x0, x1 - 1 - x), cy = std::min(y - y0, y1 - 1 - y);
            if (cx + cy < 5) continue;
            if (cx + cy == 5) col = border;
            c.set(x, y, col);
        }
}

void StarsOnPicture(Canvas& c, Rng& rng, int n) {
    for (int i = 0; i < n; ++i) {
        int x = rng.irange(2, c.w - 3), y = rng.irange(2, c.h - 3);
        if (!IsBlack(c.get(x, y))) continue;
        Rgb col = Mix(Rgb{160, 180, 255}, Rgb{255, 240, 200}, rng.uni());
        c.set(x, y, col);
        if (rng.chance(0.15f)) {
            for (int k = -2; k <= 2; ++k)
                if (k) {
                    if (IsBlack(c.get(x + k, y))) c.set(x + k, y, Scale(col, 0.5f));
                    if (IsBlack(c.get(x, y + k))) c.set(x, y + k, Scale(col, 0.5f));
                }
        }
    }
}

// A menu screen: black, with its heading in chrome letters.
Canvas MenuScreen(const Job& j, const std::string& heading, int y) {
    Canvas c(j.w, j.h);
    Bitmap head = TitleInk(heading, 1);
    DrawInk(c, head, (j.w - head.w) / 2, y, Chrome());
    return c;
}

Canvas Finished(Canvas c, Rng& rng, int stars) {
    StarsOnPicture(c, rng, stars);
    ClampToKey(c);
    return c;
}

}  // namespace

Canvas MakeTile(const Job& j) {
    Canvas c(j.w, j.h);
    c.wrapX = c.wrapY = true;
    Rng rng(j.name);
    switch (j.args.a) {
        case 0: TileDebris(c, rng); break;
        case 1: TileClouds(c, HashName(j.name)); break;
        case 2: TileMachinery(c, rng); break;
        case 3: TileTerrain(c, HashName(j.name), false); break;
        default: TileTerrain(c, HashName(j.name), true); break;
    }
    c.wrapX = c.wrapY = false;
    return c;
}

// ------------------------------------------------------------------ screens

Canvas MakeTitle(const Job& j) {
    Canvas c(j.w, j.h);
    Rng rng(j.name);
    // A small world low on the right, whole inside the picture, and its moon.
    Planet(c, 386, 428, 44, 91, {{30, 60, 140}, {40, 90, 170}, {60, 140, 90}, {130, 150, 80}, {200, 190, 150}},
           {120, 180, 255}, true);
    Planet(c, 318, 446, 9, 5, {{150, 150, 150}, {190, 190, 190}, {120, 120, 120}}, {220, 220, 230}, false);
    Bitmap title = TitleInk("VORNQUIST", 2);
    DrawInk(c, title, (j.w - title.w) / 2, 26, Chrome());
    Bitmap sub = TitleInk("SF SHOOTING", 1);
    DrawInk(c, sub, (j.w - sub.w) / 2, 86, Warm());
    PasteCentred(c, ShipPicture(1, 1.5f), j.w / 2, 170);
    TextStyle press = Warm();
    press.fill = VerticalRamp({{255, 255, 255}, {255, 230, 90}});
    Bitmap enter = Nearest(TextBitmap("PRESS ENTER"), 2);
    DrawInk(c, enter, (j.w - enter.w) / 2, 236, press);
    // The key legend in the menus' text size, keys in gold, actions in blue;
    // the short ones pair up two to a line.
    struct Key {
        const char* key;
        const char* action;
    };
    const std::vector<std::vector<Key>> rows = {{{"\x03\x04\x01\x02", "MOVE"}},
                                                {{"SHIFT OR C", "SHOT A"}},
                                                {{"CTRL OR V", "SHOT B"}},
                                                {{"C+V OR", "BURST AND"}},
                                                {{"CTRL+SHIFT", "RING BOMB"}},
                                                {{"S", "PAUSE"}, {"Y", "CONTINUE"}},
                                                {{"T", "TITLE"}, {"ESC", "QUIT"}}};
    const int k = 2, line = 17, top = 266, left = 30, right = 330, split = 190;
    Plate(c, left, top, right, top + 20 + line * int(rows.size()), {12, 16, 44}, {80, 110, 200});
    int y = top + 12;
    for (const std::vector<Key>& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            int x = i == 0 ? left + 16 : split;
            int w = DrawText(c, x, y, row[i].key, Plain({255, 226, 140}), k);
            DrawText(c, row.size() == 1 ? split : x + w + 12, y, row[i].action, Plain({210, 222, 255}), k);
        }
        y += line;
    }
    return Finished(c, rng, 60);
}

Canvas MakeLevelSelect(const Job& j) {
    Canvas c = MenuScreen(j, "SELECT LEVEL", 18);
    Rng rng(j.name);
    Plate(c, 24, 62, j.w - 24, 468, {14, 18, 48}, {90, 120, 220});
    struct Row {
        const char* key;
        const char* text;
        std::vector<const char*> more;
    };
    const Row rows[] = {
        {"F1", "START AT LEVEL 1", {}},
        {"F2", "START AT LEVEL 3", {}},
        {"SPACE", "STARS-ONLY BACKGROUND", {}},
        {"M", "MOUSE CONTROL", {"LEFT BUTTON   SHOT A", "RIGHT BUTTON  SHOT B", "DOUBLE-CLICK  BURST"}},
        {"K", "KEYBOARD CONTROL", {}},
        {"O", "NO DEATH SEQUENCE", {}},
    };
    // Every label starts in one column, right of the widest key cap.
    const int keyX = 40, k = 2;
    int capW = 0;
    for (const Row& r : rows) capW = std::max(capW, std::max(16 * k, (TextWidth(r.key) + 8) * k));
    const int textX = keyX + capW + 14;
    int y = 86;
    for (const Row& r : rows) {
        KeyCap(c, keyX, y, r.key, k);
        DrawText(c, textX, y + 8, r.text, Plain({230, 236, 255}), k);
        y += 38;
        // Details sit under their heading, indented and dimmer.
        for (const char* m : r.more) {
            DrawText(c, textX + 12, y - 2, m, Plain({150, 174, 230}), k);
            y += 19;
        }
        if (!r.more.empty()) y += 6;
    }
    // The ship rests on the plate's floor, clear of the text and the border.
    Canvas ship = ShipPicture(1, 1.f);
    PasteCentred(c, ship, j.w / 2, (y + 460) / 2);
    return Finished(c, rng, 30);
}

Canvas MakeShipSelect(const Job& j) {
    Canvas c = MenuScreen(j, "SELECT SHIP", 40);
    Rng rng(j.name);
    for (int t = 1; t <= 2; ++t) {
        int cx = t == 1 ? 120 : 320;
        Plate(c, cx - 84, 110, cx + 84, 360, {14, 18, 48}, t == 1 ? Rgb{90, 160, 255} : Rgb{255, 190, 80});
        PasteCentred(c, ShipPicture(t, 2.f), cx, 220);
        int w = KeyCap(c, cx - 56, 316, t == 1 ? "F5" : "F6");
        DrawText(c, cx - 56 + w + 8, 320, t == 1 ? "TYPE 1" : "TYPE 2", Plain({230, 236, 255}));
    }
    return Finished(c, rng, 40);
}

Canvas MakeContinue(const Job& j) {
    Canvas c(j.w, j.h);
    Plate(c, 0, 0, j.w, j.h, {16, 20, 60}, {120, 160, 255});
    Bitmap q = Smooth2x(TextBitmap("CONTINUE?"));
    DrawInk(c, q, (j.w - q.w) / 2, 18, Warm());
    int kw = 32;
    int total = TextWidth("PRESS") * 2 + 10 + kw;
    int x = (j.w - total) / 2;
    DrawText(c, x, 62, "PRESS", Plain({230, 236, 255}), 2);
    KeyCap(c, x + TextWidth("PRESS") * 2 + 10, 55, "Y", 2);
    ClampToKey(c);
    return c;
}

Canvas MakeBanner(const Job& j) {
    Canvas c(j.w, j.h);
    Plate(c, 4, 14, j.w - 4, j.h - 14, {18, 16, 56}, {255, 200, 90});
    Bitmap a = Smooth2x(TextBitmap("MISSION COMPLETE"));
    DrawInk(c, a, (j.w - a.w) / 2, 30, Chrome());
    DrawTextCentred(c, j.w / 2, 58, "WELL FLOWN, PILOT", Plain({255, 230, 160}));
    ClampToKey(c);
    return c;
}

Canvas MakeEnding(const Job& j) {
    Canvas c(j.w, j.h);
    Rng rng(j.name);
    std::string caption;
    switch (j.args.a) {
        case 1: {  // The enemy flagship breaks up behind the departing ship.
            Job boss{"BOSS31", 460, 380, {}};
            boss.args.a = 4;
            Canvas wreck = MakeBoss(boss);
            Canvas small(230, 190);
            for (int y = 0; y < small.h; ++y)
                for (int x = 0; x < small.w; ++x) {
                    Rgb p = wreck.get(x * 2, y * 2);
                    if (!IsBlack(p)) p = Mix(p, Rgb{60, 40, 60}, 0.45f);
                    small.px[size_t(y) * small.w + x] = p;
                }
            // Break it apart along a jagged line.
            for (int y = 0; y < small.h; ++y)
                for (int x = 0; x < small.w; ++x)
                    if (std::fabs(x - 115 - 18 * std::sin(y * 0.09f)) < 3 + 2 * std::sin(y * 0.7f)) small.px[size_t(y) * small.w + x] = {};
            c.paste(small, 105, 230);
            Light l(j.w, j.h);
            for (int i = 0; i < 9; ++i) {
                float x = rng.range(130, 310), y = rng.range(250, 400), r = rng.range(8, 22);
                l.glow(x, y, r, 1.f, 0.55f, 0.15f);
                l.glow(x, y, r * 0.4f, 1.f, 0.95f, 0.7f);
            }
            Develop(l, c, 0.08f);
            PasteCentred(c, ShipPicture(1, 1.5f, 1.f), 220, 110);
            caption = "THE FORTRESS FALLS";
            break;
        }
        case 2: {  // Past the ringed giant, its ring whole inside the picture.
            RingBand(c, 224, 190, 136, 196, 0.28f, false, 108);
            Planet(c, 224, 190, 108, 7, {{150, 110, 80}, {190, 150, 100}, {220, 190, 140}, {170, 120, 90}},
                   {255, 210, 160}, false);
            RingBand(c, 224, 190, 136, 196, 0.28f, true, 108);
            Planet(c, 70, 70, 26, 21, {{120, 120, 130}, {160, 160, 170}, {90, 90, 100}}, {200, 200, 220}, false);
            PasteCentred(c, ShipPicture(1, 1.2f, -1.f), 120, 360);
            caption = "THE LONG WAY BACK";
            break;
        }
        default: {  // Home.
            Planet(c, 250, 250, 170, 33,
                   {{20, 50, 140}, {30, 70, 170}, {40, 100, 190}, {60, 140, 80}, {110, 150, 70}, {190, 180, 130}},
                   {130, 190, 255}, true);
            Planet(c, 70, 80, 22, 5, {{150, 150, 150}, {190, 190, 190}, {120, 120, 120}}, {220, 220, 230}, false);
            PasteCentred(c, ShipPicture(1, 1.f), 110, 380);
            caption = "HOME AT LAST";
            break;
        }
    }
    StarsOnPicture(c, rng, 50);
    Bitmap cap = Smooth2x(TextBitmap(caption));
    DrawInk(c, cap, (j.w - cap.w) / 2, 436, Warm());
    ClampToKey(c);
    return c;
}

// ------------------------------------------------------------------ digits and panels

Canvas MakeBigDigits(const Job& j) {
    Canvas c(j.w, j.h);
    TextStyle s;
    s.fill = VerticalRamp({{255, 255, 255}, {255, 236, 140}, {255, 170, 40}, {200, 90, 30}});
    s.outline = 1;
    s.outlineColour = {40, 16, 24};
    for (int d = 0; d < 10; ++d) {
        Bitmap g = Smooth3x(TextBitmap(std::string(1, char('0' + d))));
        DrawInk(c, g, 20 * d + (20 - g.w) / 2, (25 - g.h) / 2, s);
    }
    ClampToKey(c);
    return c;
}

Canvas MakePanelSheet(const Job& j) {
    Canvas c(j.w, j.h);
    TextStyle digit;
    digit.fill = VerticalRamp({{255, 255, 255}, {170, 220, 255}});
    digit.outline = 1;
    digit.outlineColour = {20, 24, 60};
    for (int d = 0; d < 10; ++d) DrawText(c, 8 + 7 * d + 1, 71, std::string(1, char('0' + d)), digit);
    TextStyle over;
    over.fill = VerticalRamp({{255, 240, 160}, {255, 90, 60}});
    over.outline = 1;
    over.outlineColour = {50, 10, 20};
    DrawText(c, 82, 71, "GAME OVER", over);
    // Star streaks, bright head at the bottom (they fall).
    const Rgb kinds[7] = {{255, 255, 255}, {170, 200, 255}, {255, 236, 170}, {120, 140, 200},
                          {255, 170, 150}, {150, 255, 240}, {110, 110, 130}};
    for (int k = 0; k < 7; ++k)
        for (int y = 0; y < 10; ++y) {
            float t = (y + 1) / 10.f;
            Rgb core = Scale(kinds[k], 0.25f + 0.75f * t * t);
            c.set(139 + 3 * k + 1, 70 + y, core);
            if (y >= 6) {
                c.set(139 + 3 * k, 70 + y, Scale(kinds[k], 0.3f * t));
                c.set(139 + 3 * k + 2, 70 + y, Scale(kinds[k], 0.3f * t));
            }
        }
    TextStyle label;
    label.fill = VerticalRamp({{255, 230, 150}, {255, 140, 60}});
    DrawText(c, 170, 71, "BOMB", label);
    DrawText(c, 200, 71, "SHIP", label);
    ClampToKey(c);
    return c;
}

Canvas MakeSidePanel(const Job& j) {
    Canvas c(j.w, j.h);
    Model m;
    int plate = m.material(Metal(Hex(j.args.a ? 0x505870 : 0x585060), 0.4f));
    int dark = m.material(Metal(Hex(0x2a2c38), 0.1f));
    int lamp = m.material(Glow(Hex(0x20c0ff), Hex(0xe0ffff)));
    m.part(Rect(2, 2, float(j.w) - 2, float(j.h) - 2), plate, 6);
    for (int i = 0; i < 8; ++i) {
        float y = 20.f + i * 56;
        m.part(Rect(14, y, float(j.w) - 14, y + 36), dark, 3, 1);
        m.part(Ellipse(float(j.w) / 2, y + 18, 5, 5), lamp, 5, 2);
    }
    View v;
    Paint(c, m, v);
    Outline(c, 0.3f);
    ClampToKey(c);
    return c;
}

Canvas MakeMessagePlate(const Job& j) {
    Canvas c(j.w, j.h);
    Plate(c, 0, 10, j.w, j.h - 10, {16, 20, 60}, {120, 200, 255});
    Bitmap a = Smooth2x(TextBitmap("READY"));
    DrawInk(c, a, (j.w - a.w) / 2, (j.h - a.h) / 2, Chrome());
    ClampToKey(c);
    return c;
}

}  // namespace ag
