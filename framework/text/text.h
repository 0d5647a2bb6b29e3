// Fonts and text on the back surface: the table of installed faces, one
// font at a time built from the shared LOGFONT, text at a point (the game's
// own call is fwDraw::DrawTextAt), text in a rectangle, two layout engines
// that wrap text character by character with hanging punctuation, and the
// frames-per-second meter.
//
//   fwDraw::DrawTextAt(10, 580, "STAFF");      // Gothic 12, white on navy
//
//   fwDraw::BeginText(1, 16, 0, 1, 0, 0);      // Gothic 16, bold
//   fwDraw::SetTextColors(0xFFFFFF, 0x404040, 1);
//   fwDraw::DrawTextLayout(100, 100, 300, 200, "文章、折り返し。", 0x100);
//   fwDraw::EndText();
//
// Texts are UTF-8. Where a count of the double-byte code matters (face
// names of 31 characters, the 256-character format buffer) a full-width
// character counts two, any other one. No call reports an error to the
// caller; refused input (an unknown face, a text too long for a buffer)
// draws nothing and is told through plat::LastTextError and stderr.
#pragma once
#include <cstdint>

#include "platform/gdi_text.h"

// One face of the system, as the enumeration reported it.
struct FontRecord {
    char name[plat::kFaceNameBytes];  // "" when empty
    int32_t kind;                     // kFontKind*
    uint8_t charSet;
};
constexpr int kFontTableSize = 200;
constexpr int32_t kFontKindEmpty = -1;
constexpr int32_t kFontKindShiftJis = 1;
constexpr int32_t kFontKindOther = 2;
constexpr int32_t kFontKindSymbol = 3;

struct TextRect {
    int32_t left, top, right, bottom;
};
// Characters a layout records: the text beyond them is not laid out.
constexpr int kTextCharCapacity = 4096;
constexpr int kHangingPunctuationCount = 15;
constexpr int kFormatBufferChars = 256;
constexpr int kFpsTextChars = 64;

extern FontRecord FontTable[kFontTableSize];
extern int32_t FontCount;
extern plat::LogFont* LogFont;  // allocated by InitFonts, freed by FreeFonts
extern int32_t FontHeight;
extern plat::DC* TextDC;
extern plat::Font* TextFont;
extern plat::Font* TextOldFont;
extern uint32_t TextColor;
extern uint32_t TextBkColor;
extern uint32_t TextDrawNow;
extern TextRect TextCharRects[kTextCharCapacity + 1];  // 0: the whole text's box
extern int32_t TextCharCount;
extern int32_t TextShownCount;
extern float TextShowTimer;
extern const char* const HangingPunctuation[kHangingPunctuationCount];
extern int32_t FpsFrames;
extern float FpsValue;
extern float FpsMax;
extern float FpsMin;
extern uint32_t FpsNextTime;
extern char FpsText[kFpsTextChars];

namespace fwDraw {

// Faces 0 and 1 of BeginText and BeginSpriteText.
constexpr const char* kStandardFaces[2] = {"標準明朝", "標準ゴシック"};

// Style bits of the layouts; the low byte is extra line spacing.
constexpr int kTextShadow = 0x100;
constexpr int kTextBoldAcross = 0x200;
constexpr int kTextBoldDown = 0x400;

int InitFonts();
int EnumFontsCallback(const plat::LogFont* font, const plat::TextMetric* metric, uint32_t type, intptr_t data);
void FreeFonts();

// weightMode: 0 normal, 1 bold, other values the font's default.
void BeginText(int face, int height, int angle, int weightMode, int italic, int underline);
void BeginTextFace(const char* face, int height, int angle, int weightMode, int italic, int underline);
void EndText();
void SetTextColors(uint32_t textColor, uint32_t bkColor, int transparent);
void DrawTextRaw(int x, int y, const char* text);
void DrawTextAt(int x, int y, const char* text);
void DrawTextFormat(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
void DrawFpsMeter();
// alignment 0 left, 1 centred, 2 right; any other draws nothing.
void DrawTextInRect(int left, int top, int right, int bottom, const char* text, int alignment);
int MeasureTextInRect(int left, int top, int right, int bottom, const char* text);

void BeginSpriteText(int face, int size);
void BeginSpriteTextFace(const char* face, int size);
void EndSpriteText();

void DrawTextLayout(int left, int top, int right, int bottom, const char* text, int style);
void DrawTextBoxDeferred(int left, int top, int right, int bottom, const char* text, int style);
void DrawTextSmooth(int left, int top, int right, int bottom, const char* text, int style);
void DrawTextSmoothDeferred(int left, int top, int right, int bottom, const char* text, int style);
int FilterTextPixels(int x, int y, int sourceX, int sourceY, int sourceRight, int sourceBottom);
int UpdateTextProgress(float secondsPerChar);

}  // namespace fwDraw
