// The two layout engines: text wrapped character by character in a box,
// with hanging punctuation, shadow and bold, drawn on the font sprite and
// copied to the back surface; the smooth one draws at double size on the
// font buffer sprite and reduces each line 2:1. Then the progressive reveal.
#include <algorithm>
#include <cstring>
#include <string>

#include "framework/draw/blit.h"
#include "framework/draw/object.h"
#include "framework/draw/screen.h"
#include "framework/system/system.h"
#include "framework/text/context.h"
#include "framework/text/text.h"
#include "platform/surface.h"

namespace {

// One character of the text, NUL-terminated for DrawTextRaw.
struct Char {
    char bytes[5];
    int length;
    uint32_t codePoint;
};

Char NextChar(const char* p) {
    Char c{};
    c.codePoint = plat::DecodeChar(p, &c.length);
    std::memcpy(c.bytes, p, static_cast<size_t>(c.length));
    c.bytes[c.length] = 0;
    return c;
}

bool IsHanging(const Char& c) {
    for (const char* h : HangingPunctuation)
        if (std::strcmp(h, c.bytes) == 0) return true;
    return false;
}

// A colour too dark to tell from the sprites' black key is lifted to 0x101010.
uint32_t Visible(uint32_t c) {
    return ((c & 0xFF) < 16 && ((c >> 8) & 0xFF) < 16 && ((c >> 16) & 0xFF) < 16) ? 0x101010 : c;
}

// The measured size of a character; a line feed has none.
void Measure(const Char& c, int32_t* w, int32_t* h) {
    plat::Size size{0, 0};
    if (c.codePoint != '\n') plat::GetTextExtentPoint32(TextDC, c.bytes, c.length, &size);
    *w = size.cx;
    *h = size.cy;
}

// The character with its shadow and bold copies; unit is 1 on the font
// sprite and 2 at double size.
void DrawStyled(int x, int y, const Char& c, int style, uint32_t fg, uint32_t bg, int unit) {
    const bool across = style & fwDraw::kTextBoldAcross, down = style & fwDraw::kTextBoldDown;
    if (style & fwDraw::kTextShadow) {
        plat::SetTextColor(TextDC, bg);
        fwDraw::DrawTextRaw(x + unit * (across ? 2 : 1), y + unit * (down ? 2 : 1), c.bytes);
    }
    plat::SetTextColor(TextDC, fg);
    fwDraw::DrawTextRaw(x, y, c.bytes);
    if (across) {
        fwDraw::DrawTextRaw(x + unit, y, c.bytes);
        if (down) fwDraw::DrawTextRaw(x + unit, y + unit, c.bytes);
    }
    if (down) fwDraw::DrawTextRaw(x, y + unit, c.bytes);
}

// Entry 0 starts as the empty box at (left, top).
void StartEntries(int left, int top) {
    TextCharRects[0] = {left, top, left, top};
    TextCharCount = 0;
}

// Records a drawn character; false when the table is full.
bool AddEntry(int32_t& count, const TextRect& r) {
    if (count > kTextCharCapacity) {
        plat::ReportTextError("a text box holds at most " + std::to_string(kTextCharCapacity) +
                              " characters; the rest is not laid out");
        return false;
    }
    TextCharRects[count] = r;
    TextCharCount = count++;
    TextRect& box = TextCharRects[0];
    box.right = std::max(box.right, r.right);
    box.bottom = std::max(box.bottom, r.bottom);
    return true;
}

void CopyFromFontSprite(const TextRect& r) {
    fwDraw::BltObject(r.left, r.top, kFontSprite, r.left, r.top, r.right, r.bottom);
}

// The end of both layouts: the drawing context goes back to target (so that
// the caller's EndText or EndSpriteText follows), the box is copied to the
// back surface unless the call was deferred, and the reveal starts over.
void FinishLayout(plat::Surface* target) {
    fwDraw::CloseTextContext();
    if (TextDrawNow == 1) CopyFromFontSprite(TextCharRects[0]);
    fwDraw::OpenTextContext(target);
    TextShownCount = 0;
    TextShowTimer = 0;
    TextDrawNow = 1;
}

// The layout's context on a cleared sprite, text drawn transparent.
void StartLayout(int sprite) {
    fwDraw::CloseTextContext();
    fwDraw::ClearObject(kFontSprite);
    if (sprite != kFontSprite) fwDraw::ClearObject(sprite);
    fwDraw::OpenTextContext(fwDraw::ObjectSurface(sprite));
    plat::SetBkMode(TextDC, plat::kBkTransparent);
}

}  // namespace

namespace fwDraw {

void DrawTextLayout(int left, int top, int right, int bottom, const char* text, int style) {
    if (!LogFont) return;
    StartLayout(kFontSprite);
    int32_t penX = left, penY = top;
    int32_t lineHeight = (style & 0xFF) + FontHeight;
    const uint32_t fg = Visible(TextColor), bg = Visible(TextBkColor);
    StartEntries(left, top);
    int32_t count = 1;
    for (const char* p = text ? text : ""; *p;) {
        const Char c = NextChar(p);
        p += c.length;
        int32_t w, h;
        Measure(c, &w, &h);
        if (style & kTextShadow) ++w, ++h;
        if (style & kTextBoldAcross) ++w;
        if (style & kTextBoldDown) ++h;
        const TextRect r{penX, penY, penX + w, penY + h};
        penX += w;
        lineHeight = std::max(lineHeight, h);
        const bool beyond = penX > right;
        if (beyond || c.codePoint == '\n') {
            if (beyond && IsHanging(c)) {
                if (!AddEntry(count, r)) break;
                DrawStyled(r.left, r.top, c, style, fg, bg, 1);
            } else if (beyond) {
                p -= c.length;  // starts the next line
            }
            penX = left;
            penY += lineHeight;
            // A line that moves no lower could never end the box.
            if (penY + lineHeight >= bottom || lineHeight <= 0) break;
            continue;
        }
        if (!AddEntry(count, r)) break;
        DrawStyled(r.left, r.top, c, style, fg, bg, 1);
    }
    FinishLayout(BackSurface);
}

void DrawTextBoxDeferred(int left, int top, int right, int bottom, const char* text, int style) {
    TextDrawNow = 0;
    DrawTextLayout(left, top, right, bottom, text, style);
}

void DrawTextSmooth(int left, int top, int right, int bottom, const char* text, int style) {
    if (!LogFont) return;
    StartLayout(kFontBufferSprite);
    const int32_t spacing = style & 0xFF;
    int32_t lineY = top;                      // screen pixels
    int32_t penX = 0;                         // double size, from the buffer's left edge
    int32_t lineHeight = spacing + FontHeight;  // double size
    const uint32_t fg = Visible(TextColor), bg = Visible(TextBkColor);
    StartEntries(left, top);
    int32_t count = 1;
    // The line drawn so far, reduced onto the font sprite; the buffer is
    // cleared for the next one.
    auto finishLine = [&] {
        const int32_t sourceBottom = lineY + lineHeight / 2 > bottom ? (bottom - lineY) * 2 : lineHeight;
        if (penX > 0 && sourceBottom > 0) FilterTextPixels(left, lineY, 0, 0, penX, sourceBottom);
        ClearObject(kFontBufferSprite);
    };
    bool lineOpen = false;
    for (const char* p = text ? text : ""; *p;) {
        const Char c = NextChar(p);
        p += c.length;
        int32_t w, h;
        Measure(c, &w, &h);
        w += w & 1;
        h += h & 1;
        if (style & kTextShadow) w += 2, h += 2;
        if (style & kTextBoldAcross) w += 2;
        if (style & kTextBoldDown) h += 2;
        const TextRect r{left + penX / 2, lineY, left + (penX + w) / 2, lineY + h / 2};
        const int32_t at = penX;
        penX += w;
        lineHeight = std::max(lineHeight, h);
        lineOpen = true;
        const bool beyond = left + penX / 2 >= right || penX >= ScreenWidth;
        if (beyond || c.codePoint == '\n') {
            if (beyond && IsHanging(c)) {
                if (!AddEntry(count, r)) break;
                DrawStyled(at, 0, c, style, fg, bg, 2);
            } else if (beyond) {
                p -= c.length;
                penX = at;
            }
            finishLine();
            lineOpen = false;
            lineY += lineHeight / 2;
            penX = 0;
            const int32_t advance = lineHeight / 2;
            lineHeight = spacing + FontHeight;
            if (lineY >= bottom || advance <= 0) break;
            continue;
        }
        if (!AddEntry(count, r)) break;
        DrawStyled(at, 0, c, style, fg, bg, 2);
    }
    if (lineOpen) finishLine();
    FinishLayout(ObjectSurface(kFontBufferSprite));
}

void DrawTextSmoothDeferred(int left, int top, int right, int bottom, const char* text, int style) {
    TextDrawNow = 0;
    DrawTextSmooth(left, top, right, bottom, text, style);
}

int FilterTextPixels(int x, int y, int sourceX, int sourceY, int sourceRight, int sourceBottom) {
    plat::Surface* buffer = ObjectSurface(kFontBufferSprite);
    plat::Surface* sprite = ObjectSurface(kFontSprite);
    if (!buffer || !sprite || !BackSurface) return 0;
    // The source rectangle, cut to the buffer, bounds the neighbours read.
    const int32_t srcLeft = std::max(sourceX, 0), srcTop = std::max(sourceY, 0);
    const int32_t srcRight = std::min(sourceRight, buffer->width), srcBottom = std::min(sourceBottom, buffer->height);
    int32_t w = (sourceRight - sourceX) / 2, h = (sourceBottom - sourceY) / 2;
    // The reduced rectangle, clipped (and kept on both surfaces it touches).
    const int32_t clipL = std::max({ClipLeft, 0}), clipT = std::max({ClipTop, 0});
    const int32_t clipR = std::min({ClipRight, sprite->width, BackSurface->width});
    const int32_t clipB = std::min({ClipBottom, sprite->height, BackSurface->height});
    if (x < clipL) sourceX += 2 * (clipL - x), w -= clipL - x, x = clipL;
    if (y < clipT) sourceY += 2 * (clipT - y), h -= clipT - y, y = clipT;
    w = std::min(w, clipR - x);
    h = std::min(h, clipB - y);

    plat::LockedPixels src, dst, back;
    if (plat::Lock(buffer, src) != plat::kOk) return 0;
    if (plat::Lock(sprite, dst) != plat::kOk) {
        plat::Unlock(buffer);
        return 0;
    }
    if (plat::Lock(BackSurface, back) != plat::kOk) {
        plat::Unlock(sprite);
        plat::Unlock(buffer);
        return 0;
    }
    const int32_t max = 31;
    for (int32_t j = 0; j < h; ++j) {
        const int32_t cy = sourceY + 2 * j;
        for (int32_t i = 0; i < w; ++i) {
            const int32_t cx = sourceX + 2 * i;
            int32_t r = 0, g = 0, b = 0, n = 0;
            for (int32_t ny = std::max(cy - 1, srcTop); ny <= cy + 1 && ny < srcBottom; ++ny)
                for (int32_t nx = std::max(cx - 1, srcLeft); nx <= cx + 1 && nx < srcRight; ++nx) {
                    const uint16_t px = src.pixels[static_cast<size_t>(ny) * src.pitch + nx];
                    if (px == 0) continue;
                    r += PixelToRgb[px][0];
                    g += PixelToRgb[px][1];
                    b += PixelToRgb[px][2];
                    ++n;
                }
            if (n == 0) continue;
            const uint16_t under = back.pixels[static_cast<size_t>(y + j) * back.pitch + x + i];
            r = std::min((r + max + (8 - n) * PixelToRgb[under][0]) / 8, max);
            g = std::min((g + max + (8 - n) * PixelToRgb[under][1]) / 8, max);
            b = std::min((b + max + (8 - n) * PixelToRgb[under][2]) / 8, max);
            dst.pixels[static_cast<size_t>(y + j) * dst.pitch + x + i] =
                static_cast<uint16_t>((r << RedShift5) | (g << GreenShift5) | (b << BlueShift5));
        }
    }
    plat::Unlock(BackSurface);
    plat::Unlock(sprite);
    plat::Unlock(buffer);
    return 1;
}

int UpdateTextProgress(float secondsPerChar) {
    const int32_t count = std::clamp(TextCharCount, 0, kTextCharCapacity);
    if (secondsPerChar == 0 || TextShownCount > count) {
        CopyFromFontSprite(TextCharRects[0]);
        TextShownCount = count + 1;
    } else {
        for (int32_t i = 1; i < TextShownCount && i <= count; ++i) CopyFromFontSprite(TextCharRects[i]);
    }
    if (TextShownCount > count) return 1;
    TextShowTimer += FrameSeconds;
    if (TextShowTimer >= secondsPerChar) {
        if (TextShownCount <= count) ++TextShownCount;
        TextShowTimer = 0;
    }
    return 0;
}

}  // namespace fwDraw
