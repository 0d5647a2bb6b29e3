#include "framework/text/text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "framework/draw/backsurface.h"
#include "framework/draw/object.h"
#include "framework/draw/screen.h"
#include "framework/system/named.h"
#include "framework/text/context.h"
#include "platform/clock.h"

FontRecord FontTable[kFontTableSize];
int32_t FontCount;
plat::LogFont* LogFont;
int32_t FontHeight;
plat::DC* TextDC;
plat::Font* TextFont;
plat::Font* TextOldFont;
uint32_t TextColor;
uint32_t TextBkColor;
uint32_t TextDrawNow;
TextRect TextCharRects[kTextCharCapacity + 1];
int32_t TextCharCount;
int32_t TextShownCount;
float TextShowTimer;
const char* const HangingPunctuation[kHangingPunctuationCount] = {
    "、", "。", "，", "．", "・", "…", "‥", "”", "’", "（", "」", ",", ".", "　", " ",
};
int32_t FpsFrames;
float FpsValue;
float FpsMax;
float FpsMin = 999.9f;
// The first reading is due at once: the meter's first call shows 0.0.
uint32_t FpsNextTime;
char FpsText[kFpsTextChars];

namespace {

named::Registrar reg([] {
    NAMED_SCALAR(FontCount);
    NAMED_SCALAR(FontHeight);
    NAMED_SCALAR(TextColor);
    NAMED_SCALAR(TextBkColor);
    NAMED_SCALAR(TextDrawNow);
    NAMED_SCALAR(TextCharCount);
    NAMED_SCALAR(TextShownCount);
    NAMED_SCALAR(TextShowTimer);
    NAMED_SCALAR(FpsFrames);
    NAMED_SCALAR(FpsValue);
    NAMED_SCALAR(FpsMax);
    NAMED_SCALAR(FpsMin);
    NAMED_SCALAR(FpsNextTime);
    NAMED_POOL(FontTable, {NAMED_FIELD(FontRecord, kind), NAMED_FIELD(FontRecord, charSet)}, nullptr);
    NAMED_POOL(TextCharRects,
                {NAMED_FIELD(TextRect, left), NAMED_FIELD(TextRect, top), NAMED_FIELD(TextRect, right),
                 NAMED_FIELD(TextRect, bottom)},
                nullptr);
});

// The surface TextDC belongs to.
plat::Surface* gTextSurface;

bool FaceFits(const char* name) {
    return std::strlen(name) < sizeof(LogFont->faceName) && plat::DoubleByteLength(name) <= plat::kFaceNameLength;
}

void SetFace(const char* name) { std::snprintf(LogFont->faceName, sizeof LogFont->faceName, "%s", name); }

// Faces 0 and 1 are the standard faces; any other number keeps the face.
void SetStandardFace(int face) {
    if (face == 0 || face == 1) SetFace(fwDraw::kStandardFaces[face]);
}

// A named face with the character set the table knows for it (128 when
// the table does not have it). False, and the face kept, for a name too
// long for a face.
bool SetNamedFace(const char* name) {
    if (!name || !FaceFits(name)) {
        plat::ReportTextError(std::string("a face name longer than 31 characters: ") + (name ? name : "(none)"));
        return false;
    }
    SetFace(name);
    LogFont->charSet = plat::kShiftJisCharset;
    for (int i = 0; i < FontCount && i < kFontTableSize; ++i)
        if (std::strcmp(FontTable[i].name, name) == 0) {
            LogFont->charSet = FontTable[i].charSet;
            break;
        }
    return true;
}

void SetRequest(int height, int escapement, int32_t weight, int italic, int underline) {
    FontHeight = height;
    LogFont->height = height;
    LogFont->width = 0;
    LogFont->escapement = escapement;
    LogFont->weight = weight;
    LogFont->italic = static_cast<uint8_t>(italic);
    LogFont->underline = static_cast<uint8_t>(underline);
}

int32_t WeightOf(int mode) { return mode == 0 ? plat::kWeightNormal : mode == 1 ? plat::kWeightBold : 0; }

// A context still open from a call that did not end it is ended first, so
// that no context is lost.
bool StartText() {
    if (TextDC) fwDraw::CloseTextContext();
    return LogFont != nullptr;
}

}  // namespace

namespace fwDraw {

void OpenTextContext(plat::Surface* surface, bool withFont) {
    if (!LogFont) return;
    TextFont = withFont ? plat::CreateFontIndirect(*LogFont) : nullptr;
    TextDC = plat::GetDC(surface);
    gTextSurface = TextDC ? surface : nullptr;
    TextOldFont = plat::SelectFont(TextDC, TextFont);
}

void CloseTextContext() {
    if (TextDC) plat::SelectFont(TextDC, TextOldFont);
    plat::DeleteFont(TextFont);
    if (TextDC) plat::ReleaseDC(gTextSurface, TextDC);
    TextDC = nullptr;
    TextFont = nullptr;
    TextOldFont = nullptr;
    gTextSurface = nullptr;
}

int InitFonts() {
    if (TextDC) CloseTextContext();
    delete LogFont;
    LogFont = new plat::LogFont{};
    for (FontRecord& rec : FontTable) rec = FontRecord{"", kFontKindEmpty, 0};
    GetBackDC();
    FontCount = 0;
    plat::EnumFonts(BackDC, nullptr, EnumFontsCallback, 0);
    ReleaseBackDC();
    TextDrawNow = 1;
    return 1;
}

int EnumFontsCallback(const plat::LogFont* font, const plat::TextMetric*, uint32_t, intptr_t) {
    if (FontCount >= kFontTableSize) return 0;
    if (!font) return 1;
    FontRecord& rec = FontTable[FontCount];
    std::snprintf(rec.name, sizeof rec.name, "%s", font->faceName);
    rec.kind = font->charSet == plat::kShiftJisCharset ? kFontKindShiftJis
               : font->charSet == plat::kSymbolCharset ? kFontKindSymbol
                                                         : kFontKindOther;
    rec.charSet = font->charSet;
    ++FontCount;
    return 1;
}

void FreeFonts() {
    if (TextDC) CloseTextContext();
    delete LogFont;
    LogFont = nullptr;
    plat::ReleaseFontCache();
}

void BeginText(int face, int height, int angle, int weightMode, int italic, int underline) {
    if (!StartText()) return;
    SetStandardFace(face);
    SetRequest(height, angle * 10, WeightOf(weightMode), italic, underline);
    LogFont->charSet = plat::kShiftJisCharset;
    OpenTextContext(BackSurface);
}

void BeginTextFace(const char* face, int height, int angle, int weightMode, int italic, int underline) {
    if (!StartText()) return;
    const bool named = SetNamedFace(face);
    SetRequest(height, angle * 10, WeightOf(weightMode), italic, underline);
    // A face that cannot be named gets no font: the context alone, for EndText.
    OpenTextContext(BackSurface, named);
}

void EndText() { CloseTextContext(); }

void BeginSpriteText(int face, int size) {
    if (!StartText()) return;
    SetStandardFace(face);
    SetRequest(2 * size, 0, plat::kWeightNormal, 0, 0);
    LogFont->charSet = plat::kShiftJisCharset;
    OpenTextContext(ObjectSurface(kFontBufferSprite));
}

void BeginSpriteTextFace(const char* face, int size) {
    if (!StartText()) return;
    const bool named = SetNamedFace(face);
    SetRequest(2 * size, 0, plat::kWeightNormal, 0, 0);
    OpenTextContext(ObjectSurface(kFontBufferSprite), named);
}

void EndSpriteText() { CloseTextContext(); }

void SetTextColors(uint32_t textColor, uint32_t bkColor, int transparent) {
    plat::SetTextColor(TextDC, textColor);
    plat::SetBkColor(TextDC, bkColor);
    plat::SetBkMode(TextDC, transparent ? plat::kBkTransparent : plat::kBkOpaque);
    TextColor = textColor;
    TextBkColor = bkColor;
}

void DrawTextRaw(int x, int y, const char* text) { plat::TextOut(TextDC, x, y, text, -1); }

void DrawTextAt(int x, int y, const char* text) {
    BeginText(1, 12, 0, 0, 0, 0);
    SetTextColors(0xFFFFFF, 0x800000, 0);
    DrawTextRaw(x, y, text);
    EndText();
}

void DrawTextFormat(int x, int y, const char* format, ...) {
    // Room for 255 double-byte-counted characters in UTF-8 (3 bytes per 2).
    static char buffer[kFormatBufferChars * 3 / 2 + 4];
    if (!format) return;
    va_list args;
    va_start(args, format);
    const int bytes = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (bytes < 0 || static_cast<size_t>(bytes) >= sizeof buffer ||
        plat::DoubleByteLength(buffer) >= kFormatBufferChars) {
        plat::ReportTextError("fwDraw::DrawTextFormat: the text is longer than 255 characters; nothing drawn");
        return;
    }
    DrawTextAt(x, y, buffer);
}

void DrawFpsMeter() {
    const uint32_t now = plat::TimeGetTime();
    if (now >= FpsNextTime) {
        FpsValue = static_cast<float>(FpsFrames / 2.0);
        if (FpsValue > FpsMax) FpsMax = FpsValue;
        if (FpsValue > 0 && FpsValue < FpsMin) FpsMin = FpsValue;
        FpsNextTime = now + 2000;
        FpsFrames = 0;
    }
    if (++FpsFrames > 999) FpsFrames = 999;
    std::snprintf(FpsText, sizeof FpsText, "%3.1f fps ( max %3.1f / min %3.1f )", FpsValue, FpsMax, FpsMin);
    DrawTextAt(0, 0, FpsText);
}

void DrawTextInRect(int left, int top, int right, int bottom, const char* text, int alignment) {
    static constexpr uint32_t kAlign[3] = {plat::kDtLeft, plat::kDtCenter, plat::kDtRight};
    if (alignment < 0 || alignment > 2) return;
    plat::Rect rect{left, top, right, bottom};
    plat::DrawText(TextDC, text, -1, &rect, plat::kDtWordBreak | plat::kDtNoPrefix | kAlign[alignment]);
}

int MeasureTextInRect(int left, int top, int right, int bottom, const char* text) {
    plat::Rect rect{left, top, right, bottom};
    return plat::DrawText(TextDC, text, -1, &rect, plat::kDtWordBreak | plat::kDtNoPrefix | plat::kDtCalcRect);
}

}  // namespace fwDraw
