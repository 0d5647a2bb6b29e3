// Fonts and text on drawing contexts: fonts made from a LOGFONT-like request,
// the list of faces the system offers, text at a point, text in a rectangle
// and text extents. Glyphs come from SDL_ttf with the IPA fonts; every glyph
// is drawn solid (no blending), so text on a colour-keyed sprite leaves no
// fringe of near-black pixels.
//
//   LogFont lf{};                      // height 12, the rest default
//   lf.height = 12;
//   std::strcpy(lf.faceName, "標準ゴシック");
//   Font* font = plat::CreateFontIndirect(lf);   // nullptr: see LastTextError()
//   Font* old = plat::SelectFont(dc, font);
//   plat::SetTextColor(dc, plat::Rgb(255, 255, 255));
//   plat::TextOut(dc, 10, 10, "スコア 100", -1);
//   plat::SelectFont(dc, old);
//   plat::DeleteFont(font);
//
// Rules (those of the system the framework was written for):
//   - Texts are UTF-8. Where that system counted double-byte characters, a
//     code point is one character and a full-width one counts as two bytes
//     (DoubleByteLength).
//   - (x, y) of TextOut is the top-left corner of the text's cell; the cell
//     is the font's height tall and the sum of the advances wide.
//   - Opaque background mode fills the cell with the background colour
//     before the glyphs are drawn; transparent mode draws the glyphs only.
//   - Output is cut to the surface, not to the blit clip rectangle.
//   - A height above 0 asks for that cell height, below 0 for that em
//     height, 0 for 12 pixels. A width other than 0 stretches the glyphs
//     so that a half-width character is that wide. Escapement (tenths of a
//     degree, anticlockwise) turns the whole text about (x, y). Weight 600
//     or more draws bold.
//   - A face that is not in the face list, or whose font file cannot be
//     found or read, makes no font: CreateFontIndirect returns nullptr and
//     LastTextError says why. Text calls on a context without a font draw
//     nothing and report false.
#pragma once
#include <cstdint>
#include <string>

#include "platform/gdi_dc.h"

namespace plat {

constexpr uint8_t kAnsiCharset = 0;
constexpr uint8_t kSymbolCharset = 2;
constexpr uint8_t kShiftJisCharset = 128;

// A face name is at most 31 double-byte-counted characters (a 32-byte
// field with its NUL); the UTF-8 form needs up to 3 bytes for each 2.
constexpr int kFaceNameLength = 31;
constexpr int kFaceNameBytes = 48;

constexpr int32_t kWeightNormal = 400;
constexpr int32_t kWeightBold = 700;

struct LogFont {
    int32_t height;
    int32_t width;
    int32_t escapement;   // tenths of a degree
    int32_t orientation;  // kept; the escapement turns the glyphs too
    int32_t weight;       // 0: normal
    uint8_t italic;
    uint8_t underline;
    uint8_t strikeOut;
    uint8_t charSet;
    uint8_t outPrecision;
    uint8_t clipPrecision;
    uint8_t quality;
    uint8_t pitchAndFamily;
    char faceName[kFaceNameBytes];  // UTF-8, NUL-terminated
};

struct TextMetric {
    int32_t height;  // cell height
    int32_t ascent;
    int32_t descent;
    int32_t aveCharWidth;
    int32_t maxCharWidth;
    int32_t weight;
    uint8_t italic;
    uint8_t underlined;
    uint8_t charSet;
};

struct Size {
    int32_t cx, cy;
};

constexpr uint32_t kTrueTypeFontType = 4;

// Called once per face; a result of 0 stops the enumeration.
using EnumFontsProc = int (*)(const LogFont* font, const TextMetric* metric, uint32_t type, intptr_t data);

// Calls proc for every face of the face list (only the named face when
// face is not nullptr) whose font file is there. Returns the last result
// of proc, or 0 when there was no face to report (or no proc).
int EnumFonts(DC* dc, const char* face, EnumFontsProc proc, intptr_t data);

// Fonts. Every created font must be deleted; DeleteFont refuses (false) a
// font still selected into a context. Fixed pools back the fonts.
struct Font;
Font* CreateFontIndirect(const LogFont& request);
bool DeleteFont(Font* font);
int LiveFontCount();
// Selects a font into the context; returns the one it replaced (nullptr
// when it had none, or for a missing context).
Font* SelectFont(DC* dc, Font* font);
// The selected font's metrics; false without a font.
bool GetTextMetrics(DC* dc, TextMetric* metric);

// Text at (x, y) in the context's text colour, background colour and
// background mode. length: bytes to draw, or -1 for the whole NUL-terminated
// text. False without a context, a font or a text.
bool TextOut(DC* dc, int32_t x, int32_t y, const char* text, int length);

// Width (sum of advances) and height (the cell) of the text; an empty text
// measures 0 wide and the cell tall. False without a context or a font.
bool GetTextExtentPoint32(DC* dc, const char* text, int length, Size* size);

// Text in a rectangle. Format flags keep the numbers of that interface.
constexpr uint32_t kDtLeft = 0x0;
constexpr uint32_t kDtCenter = 0x1;
constexpr uint32_t kDtRight = 0x2;
constexpr uint32_t kDtWordBreak = 0x10;
constexpr uint32_t kDtNoClip = 0x100;
constexpr uint32_t kDtCalcRect = 0x400;
constexpr uint32_t kDtNoPrefix = 0x800;
// Draws the text from the rectangle's top, one line per line feed and, with
// kDtWordBreak, more lines where a word or a full-width character would
// pass the right edge (a word wider than the rectangle stands alone on its
// line); spaces at a break are dropped. Each line is placed left, centred or
// right; the output is cut to the rectangle unless kDtNoClip. With
// kDtCalcRect nothing is drawn and the rectangle's right and bottom are set
// to bound the text. Returns the height of the text (0 on failure). '&' is
// always drawn as it stands.
int32_t DrawText(DC* dc, const char* text, int length, Rect* rect, uint32_t format);

// UTF-8 reading that never steps past a NUL: the code point at text and its
// length in bytes (0 at the NUL; a malformed byte reads as U+FFFD, 1 byte).
uint32_t DecodeChar(const char* text, int* length);
// Whether the code point takes a double-byte code (everything but ASCII and
// the half-width katakana).
bool IsFullWidth(uint32_t codePoint);
// The text's length as the double-byte code counts it.
int DoubleByteLength(const char* text);

// Font files behind the face list.
enum class FontFile { Gothic, Mincho, PGothic, PMincho, Count };
// Where the file lies ("" when it is nowhere): the Debian locations of the
// IPA fonts first, then the font fontconfig matches to the family.
std::string FontFilePath(FontFile file);
// fontconfig's file for the font's family, Regular style: "" when fontconfig
// does not start, answers with another family (it always answers, with a
// stand-in) or names no file. fontconfig starts on the first call.
std::string FontconfigFontPath(FontFile file);
// Test hook: use this path for the file ("" goes back to the search).
void SetFontFilePath(FontFile file, const std::string& path);

// The last error of a font or text call, "" when none since the last
// ClearTextError. Each distinct error is also written to stderr once.
const std::string& LastTextError();
void ClearTextError();
// Records an error of a caller's own text handling the same way.
void ReportTextError(const std::string& what);

// Closes every cached font file (fonts still alive reopen theirs on use).
void ReleaseFontCache();

}  // namespace plat
