// The generator's own 5x7 pixel font and its larger, smoothed display form.
#pragma once
#include <functional>
#include <string>

#include "tools/assetgen/gfx.h"

namespace ag {

// Arrow glyphs, usable inside strings.
constexpr char kArrowLeft = '\x01';
constexpr char kArrowRight = '\x02';
constexpr char kArrowUp = '\x03';
constexpr char kArrowDown = '\x04';

// A glyph bitmap (1 = ink), width x height.
struct Bitmap {
    int w = 0, h = 0;
    std::vector<uint8_t> v;
    Bitmap() = default;
    Bitmap(int width, int height) : w(width), h(height), v(size_t(width) * height, 0) {}
    uint8_t get(int x, int y) const { return (x < 0 || y < 0 || x >= w || y >= h) ? 0 : v[size_t(y) * w + x]; }
    void set(int x, int y, uint8_t b) {
        if (x >= 0 && y >= 0 && x < w && y < h) v[size_t(y) * w + x] = b;
    }
};

// Ink of one line of text in the 5x7 font, 6 pixels per character.
Bitmap TextBitmap(const std::string& text, int spacing = 1);
int TextWidth(const std::string& text, int spacing = 1);
// Edge-smoothing enlargements (each output pixel follows its neighbours' shape).
Bitmap Smooth2x(const Bitmap& b);
Bitmap Smooth3x(const Bitmap& b);
Bitmap Nearest(const Bitmap& b, int k);
Bitmap Thicken(const Bitmap& b);  // one pixel more to the right

// Fill colour as a function of the pixel inside the text's box (u, v in 0..1).
using Shader = std::function<Rgb(float u, float v)>;
Shader Flat(Rgb c);
Shader VerticalRamp(std::vector<Rgb> stops);

// Draws the ink at (x, y): optional outline ring(s) and a drop shadow.
struct TextStyle {
    Shader fill = Flat({240, 240, 240});
    int outline = 0;  // pixels of outline ring
    Rgb outlineColour = {24, 24, 48};
    int shadow = 0;  // drop-shadow offset
    Rgb shadowColour = {20, 20, 36};
};
void DrawInk(Canvas& c, const Bitmap& ink, int x, int y, const TextStyle& s);
// Small text (5x7 glyphs, scaled by k) with its left edge at x; returns the width.
int DrawText(Canvas& c, int x, int y, const std::string& text, const TextStyle& s, int k = 1);
void DrawTextCentred(Canvas& c, int cx, int y, const std::string& text, const TextStyle& s, int k = 1);

}  // namespace ag
