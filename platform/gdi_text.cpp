#include "platform/gdi_text.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <unordered_map>
#include <vector>

#include "platform/file.h"

#if defined(__SANITIZE_ADDRESS__)
#define VQ_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VQ_LEAK_CHECKED 1
#endif
#endif
#if defined(VQ_LEAK_CHECKED)
#include <sanitizer/lsan_interface.h>
#endif

namespace plat {

struct Font {
    bool inUse = false;
    FontFile file = FontFile::Gothic;
    int32_t request = 12;  // the LOGFONT height
    int32_t width = 0;
    int32_t escapement = 0;
    int style = 0;  // TTF_STYLE_BOLD / TTF_STYLE_ITALIC
    bool underline = false;
    bool strikeOut = false;
    LogFont desc{};
};

namespace {

// ---------------------------------------------------------------- UTF-8

// The code point at p, reading no more than avail (>= 1) bytes; a byte that
// starts no well-formed character (a sequence cut short by avail or by a NUL
// included) reads as U+FFFD and is taken alone.
uint32_t DecodeCharIn(const char* text, int avail, int* length) {
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    const unsigned char c = p[0];
    *length = 1;
    int n;
    uint32_t cp;
    if (c < 0x80) return c;
    if (c >= 0xC2 && c < 0xE0) n = 2, cp = c & 0x1F;
    else if (c >= 0xE0 && c < 0xF0) n = 3, cp = c & 0x0F;
    else if (c >= 0xF0 && c < 0xF5) n = 4, cp = c & 0x07;
    else return 0xFFFD;
    if (n > avail) return 0xFFFD;
    for (int i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF.
    static constexpr uint32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return 0xFFFD;
    *length = n;
    return cp;
}

// ---------------------------------------------------------------- errors

std::string gLastError;
std::set<std::string> gReported;

void Report(const std::string& what) {
    gLastError = what;
    if (gReported.insert(what).second) {
        std::fprintf(stderr, "text: %s\n", what.c_str());
        std::fflush(stderr);
    }
}

// ---------------------------------------------------------------- font files

struct FileInfo {
    const char* fileName;   // as the IPA packages name it
    const char* package;    // Debian's folder under opentype/ or truetype/
    const char* fedora;     // the folder other distributions use
    const char* family;     // fontconfig's family name
};
constexpr FileInfo kFiles[] = {
    {"ipag.ttf", "ipafont-gothic", "ipa-gothic", "IPAGothic"},
    {"ipam.ttf", "ipafont-mincho", "ipa-mincho", "IPAMincho"},
    {"ipagp.ttf", "ipafont-gothic", "ipa-pgothic", "IPAPGothic"},
    {"ipamp.ttf", "ipafont-mincho", "ipa-pmincho", "IPAPMincho"},
};
constexpr int kFileCount = static_cast<int>(FontFile::Count);
static_assert(std::size(kFiles) == kFileCount);

struct FileState {
    bool resolved = false;
    bool overridden = false;
    std::string path;
};
FileState gFiles[kFileCount];

bool IsFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// fontconfig reads its configuration and scans its font folders once, on the
// first lookup; a start that finds the fonts in their usual folders never
// gets here. What it loads is kept to the end: FcFini would assert while any
// other library in the process still held fontconfig's objects. The leak
// checker of the sanitizer builds cannot see all of that kept state as held
// (it reports part of a system configuration as lost), so it leaves out what
// the start allocates.
bool StartFontconfig() {
#if defined(VQ_LEAK_CHECKED)
    __lsan::ScopedDisabler keptToTheEnd;
#endif
    return FcInit();
}

}  // namespace

std::string FontconfigFontPath(FontFile which) {
    const int index = static_cast<int>(which);
    if (index < 0 || index >= kFileCount) return "";
    const FileInfo& info = kFiles[index];
    static const bool started = StartFontconfig();
    if (!started) return "";
    struct PatternFree {
        void operator()(FcPattern* p) const { FcPatternDestroy(p); }
    };
    using Pattern = std::unique_ptr<FcPattern, PatternFree>;
    Pattern asked(FcPatternCreate());
    if (!asked || !FcPatternAddString(asked.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(info.family)) ||
        !FcPatternAddString(asked.get(), FC_STYLE, reinterpret_cast<const FcChar8*>("Regular")) ||
        !FcConfigSubstitute(nullptr, asked.get(), FcMatchPattern))
        return "";
    FcDefaultSubstitute(asked.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(nullptr, asked.get(), &result));
    if (!match) return "";
    // fontconfig always answers, with a stand-in when the family is missing:
    // only a font that carries the family's own name will do.
    bool named = false;
    FcChar8* value = nullptr;
    for (int i = 0; !named && FcPatternGetString(match.get(), FC_FAMILY, i, &value) == FcResultMatch; ++i)
        named = std::strcmp(reinterpret_cast<const char*>(value), info.family) == 0;
    if (!named || FcPatternGetString(match.get(), FC_FILE, 0, &value) != FcResultMatch) return "";
    std::string file = reinterpret_cast<const char*>(value);
    return IsFile(file) ? file : "";
}

namespace {

std::string SearchFontFile(const FileInfo& info) {
    std::vector<std::string> dirs;
    for (const char* root : {"/usr/share/fonts", "/usr/local/share/fonts"}) {
        for (const char* kind : {"opentype", "truetype"}) {
            dirs.push_back(std::string(root) + "/" + kind + "/" + info.package);
            dirs.push_back(std::string(root) + "/" + kind + "/ipafont");
        }
        dirs.push_back(std::string(root) + "/" + info.fedora);
    }
    if (const char* home = std::getenv("HOME")) {
        dirs.push_back(std::string(home) + "/.local/share/fonts");
        dirs.push_back(std::string(home) + "/.fonts");
    }
    for (const std::string& dir : dirs) {
        std::string path = dir + "/" + info.fileName;
        if (IsFile(path)) return path;
    }
    return FontconfigFontPath(static_cast<FontFile>(&info - kFiles));
}

// ---------------------------------------------------------------- faces

struct FaceEntry {
    const char* name;
    FontFile file;
};
constexpr FaceEntry kFaces[] = {
    {"標準ゴシック", FontFile::Gothic}, {"標準明朝", FontFile::Mincho},
    {"IPAゴシック", FontFile::Gothic},  {"IPAGothic", FontFile::Gothic},
    {"IPA Pゴシック", FontFile::PGothic}, {"IPAPGothic", FontFile::PGothic},
    {"IPA明朝", FontFile::Mincho},      {"IPAMincho", FontFile::Mincho},
    {"IPA P明朝", FontFile::PMincho},     {"IPAPMincho", FontFile::PMincho},
};

// Face names compare as that system compared them: ASCII letters in either case.
bool SameFace(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        unsigned char ca = static_cast<unsigned char>(*a), cb = static_cast<unsigned char>(*b);
        if (ca < 0x80 && cb < 0x80 ? std::tolower(ca) != std::tolower(cb) : ca != cb) return false;
    }
    return *a == *b;
}

const FaceEntry* FindFace(const char* name) {
    for (const FaceEntry& f : kFaces)
        if (SameFace(f.name, name)) return &f;
    return nullptr;
}

// ---------------------------------------------------------------- open fonts and glyphs

constexpr int32_t kDefaultHeight = 12;
constexpr int32_t kMaxHeight = 1024;
constexpr size_t kMaxGlyphsPerSize = 4096;

struct Glyph {
    int32_t x0 = 0;       // left of the mask from the pen
    int32_t advance = 0;  // unstretched
    int32_t w = 0, h = 0;
    std::vector<uint8_t> mask;  // 1 where the glyph sets a pixel, row 0 at the cell's top
};

// One font file opened at one size; glyphs are kept per code point and style.
struct OpenSize {
    TTF_Font* ttf = nullptr;
    FontFile file = FontFile::Gothic;
    int32_t request = 0;
    int32_t cell = 0, ascent = 0, descent = 0, aveWidth = 0, maxWidth = 0;
    uint64_t lastUse = 0;
    std::unordered_map<uint32_t, Glyph> glyphs;
};
constexpr int kOpenSizes = 8;
OpenSize gSizes[kOpenSizes];
uint64_t gUseClock = 0;
bool gTtfUp = false;

constexpr int kFontCount = 32;
Font gFonts[kFontCount];

bool Alive(const Font* f) { return f >= gFonts && f < gFonts + kFontCount && f->inUse; }

void Close(OpenSize& s) {
    if (s.ttf) TTF_CloseFont(s.ttf);
    s = OpenSize{};
}

bool StartTtf() {
    if (gTtfUp) return true;
    if (TTF_Init() != 0) {
        Report(std::string("the font renderer does not start: ") + TTF_GetError());
        return false;
    }
    gTtfUp = true;
    return true;
}

// The point size whose cell is the asked height, the largest that is not taller.
int PointSizeForCell(TTF_Font* ttf, int32_t cell) {
    auto heightAt = [ttf](int pt) {
        TTF_SetFontSize(ttf, pt);
        return TTF_FontHeight(ttf);
    };
    int pt = std::max(1, static_cast<int>(static_cast<int64_t>(cell) * cell / std::max(1, heightAt(cell))));
    while (pt > 1 && heightAt(pt) > cell) --pt;
    while (pt < kMaxHeight && heightAt(pt + 1) <= cell) ++pt;
    return pt;
}

OpenSize* OpenFor(FontFile file, int32_t request) {
    OpenSize* slot = nullptr;
    for (OpenSize& s : gSizes)
        if (s.ttf && s.file == file && s.request == request) slot = &s;
    if (!slot) {
        if (!StartTtf()) return nullptr;
        const std::string path = FontFilePath(file);
        const FileInfo& info = kFiles[static_cast<int>(file)];
        const FileState& st = gFiles[static_cast<int>(file)];
        if (path.empty()) {
            Report(st.overridden ? "no font file at " + st.path
                                 : std::string("no font file ") + info.fileName + " (" + info.family +
                                       "): install the IPA fonts (fonts-ipafont-gothic, fonts-ipafont-mincho)");
            return nullptr;
        }
        std::string why;
        FILE* stream = OpenRegularStream(path, &why);
        SDL_RWops* rw = stream ? SDL_RWFromFP(stream, SDL_TRUE) : nullptr;
        if (stream && !rw) std::fclose(stream);
        // The font keeps reading its file: it closes the stream with itself.
        TTF_Font* ttf = rw ? TTF_OpenFontRW(rw, 1, request > 0 ? request : -request) : nullptr;
        if (!ttf) {
            Report("cannot read the font file " + path + ": " + (why.empty() ? TTF_GetError() : why));
            return nullptr;
        }
        slot = std::min_element(gSizes, gSizes + kOpenSizes,
                                [](const OpenSize& a, const OpenSize& b) { return a.lastUse < b.lastUse; });
        Close(*slot);
        slot->ttf = ttf;
        slot->file = file;
        slot->request = request;
        TTF_SetFontKerning(ttf, 0);
        if (request > 0) TTF_SetFontSize(ttf, PointSizeForCell(ttf, request));
        slot->cell = TTF_FontHeight(ttf);
        slot->ascent = TTF_FontAscent(ttf);
        slot->descent = -TTF_FontDescent(ttf);
        int minx, maxx, miny, maxy, adv = 0;
        if (TTF_GlyphMetrics32(ttf, 'x', &minx, &maxx, &miny, &maxy, &adv) != 0 || adv <= 0) adv = slot->cell / 2;
        slot->aveWidth = std::max(1, adv);
        if (TTF_GlyphMetrics32(ttf, 0x6F22 /* 漢 */, &minx, &maxx, &miny, &maxy, &adv) != 0 || adv <= 0)
            adv = slot->cell;
        slot->maxWidth = adv;
    }
    slot->lastUse = ++gUseClock;
    return slot;
}

const Glyph& GlyphOf(OpenSize& s, uint32_t cp, int style) {
    const uint32_t key = (cp << 2) | static_cast<uint32_t>(style & 3);
    auto it = s.glyphs.find(key);
    if (it != s.glyphs.end()) return it->second;
    if (s.glyphs.size() >= kMaxGlyphsPerSize) s.glyphs.clear();
    Glyph g;
    TTF_SetFontStyle(s.ttf, style);
    int minx = 0, maxx, miny, maxy, adv = 0;
    if (TTF_GlyphMetrics32(s.ttf, cp, &minx, &maxx, &miny, &maxy, &adv) == 0) g.advance = std::max(0, adv);
    g.x0 = std::min(0, minx);
    if (SDL_Surface* img = TTF_RenderGlyph32_Solid(s.ttf, cp, SDL_Color{255, 255, 255, 255})) {
        if (SDL_LockSurface(img) == 0) {
            g.w = img->w;
            g.h = img->h;
            g.mask.resize(static_cast<size_t>(g.w) * g.h);
            for (int y = 0; y < g.h; ++y) {
                const uint8_t* row = static_cast<const uint8_t*>(img->pixels) + static_cast<size_t>(y) * img->pitch;
                for (int x = 0; x < g.w; ++x) g.mask[static_cast<size_t>(y) * g.w + x] = row[x] ? 1 : 0;
            }
            SDL_UnlockSurface(img);
        }
        SDL_FreeSurface(img);
    }
    TTF_SetFontStyle(s.ttf, TTF_STYLE_NORMAL);
    return s.glyphs.emplace(key, std::move(g)).first->second;
}

// ---------------------------------------------------------------- text runs

bool Usable(const DC* dc) { return dc && dc->inUse && dc->surface && !dc->surface->lost; }

// The font of the context, opened; nullptr (reported) without one.
OpenSize* FontOf(const DC* dc, const Font** font) {
    if (!Usable(dc)) return nullptr;
    if (!Alive(dc->font)) {
        Report("no font is selected into the drawing context");
        return nullptr;
    }
    *font = dc->font;
    return OpenFor(dc->font->file, dc->font->request);
}

// Bytes of the text that count: up to length or the NUL, whichever comes first.
int TextBytes(const char* text, int length) {
    if (!text) return 0;
    if (length < 0) return static_cast<int>(std::strlen(text));
    return static_cast<int>(strnlen(text, static_cast<size_t>(length)));
}

// A horizontal position of the unstretched font in the font's own width.
inline int64_t Stretch(const Font& f, const OpenSize& s, int64_t x) {
    if (f.width <= 0) return x;
    const int64_t num = x * f.width;
    return num >= 0 ? (num + s.aveWidth / 2) / s.aveWidth : -((-num + s.aveWidth / 2) / s.aveWidth);
}

// Walks the code points of text[0, n): fn(codePoint, bytes).
template <class F>
void ForEachChar(const char* text, int n, F fn) {
    for (int i = 0; i < n;) {
        int len = 0;
        const uint32_t cp = DecodeCharIn(text + i, n - i, &len);
        fn(cp, len);
        i += len;
    }
}

int64_t RunWidth(const Font& f, OpenSize& s, const char* text, int n) {
    int64_t pen = 0;
    ForEachChar(text, n, [&](uint32_t cp, int) { pen += GlyphOf(s, cp, f.style).advance; });
    return Stretch(f, s, pen);
}

// The run drawn off-screen first: 0 outside the text, 1 its cell, 2 a glyph
// (or the underline / strike-out). Column 0 is text position canvasLeft.
struct Canvas {
    std::vector<uint8_t> cells;
    int64_t left = 0;
    int w = 0, h = 0;
    uint8_t& at(int x, int y) { return cells[static_cast<size_t>(y) * w + x]; }
};
Canvas gCanvas;

// Draws the run into gCanvas, keeping only text positions [from, to).
void Compose(const Font& f, OpenSize& s, const char* text, int n, int64_t from, int64_t to) {
    const int64_t extent = RunWidth(f, s, text, n);
    from = std::max<int64_t>(from, -2 * s.cell);
    to = std::min<int64_t>(to, extent + 2 * s.cell);
    if (to <= from) {
        gCanvas.w = 0;
        return;
    }
    gCanvas.left = from;
    gCanvas.w = static_cast<int>(to - from);
    gCanvas.h = s.cell + s.cell / 2 + 2;
    gCanvas.cells.assign(static_cast<size_t>(gCanvas.w) * gCanvas.h, 0);
    auto fill = [&](int64_t x0, int64_t x1, int y0, int y1, uint8_t v) {
        x0 = std::max(x0, from) - from;
        x1 = std::min(x1, to) - from;
        for (int y = std::max(0, y0); y < std::min(y1, gCanvas.h); ++y)
            for (int64_t x = x0; x < x1; ++x) gCanvas.at(static_cast<int>(x), y) = std::max(gCanvas.at(static_cast<int>(x), y), v);
    };
    fill(0, extent, 0, s.cell, 1);
    int64_t pen = 0;
    ForEachChar(text, n, [&](uint32_t cp, int) {
        if (Stretch(f, s, pen) - 2 * s.cell > to) return;  // past the span: nothing more to draw
        const Glyph& g = GlyphOf(s, cp, f.style);
        const int64_t at = pen + g.x0;
        pen += g.advance;
        if (Stretch(f, s, at + g.w) < from || Stretch(f, s, at) > to) return;
        for (int gx = 0; gx < g.w; ++gx) {
            const int64_t c0 = Stretch(f, s, at + gx), c1 = Stretch(f, s, at + gx + 1);
            for (int gy = 0; gy < g.h && gy < gCanvas.h; ++gy)
                if (g.mask[static_cast<size_t>(gy) * g.w + gx]) fill(c0, c1, gy, gy + 1, 2);
        }
    });
    const int thick = std::max(1, s.cell / 14);
    if (f.underline) fill(0, extent, s.ascent + 1, s.ascent + 1 + thick, 2);
    if (f.strikeOut) fill(0, extent, s.ascent * 2 / 3, s.ascent * 2 / 3 + thick, 2);
}

// Puts gCanvas onto the context's surface with (x, y) at text position 0,
// turned by the font's escapement, cut to the surface and to clip.
void Transfer(DC* dc, const Font& f, int32_t x, int32_t y, const Rect* clip) {
    if (gCanvas.w <= 0) return;
    Surface* s = dc->surface;
    Rect r{0, 0, s->width, s->height};
    if (clip) r = {std::max(r.left, clip->left), std::max(r.top, clip->top), std::min(r.right, clip->right),
                   std::min(r.bottom, clip->bottom)};
    const uint16_t fg = PixelFromColorRef(dc->textColor);
    const uint16_t bg = PixelFromColorRef(dc->bkColor);
    const bool opaque = dc->bkMode == kBkOpaque;
    ReadyToWrite(s);
    auto put = [&](int64_t px, int64_t py, uint8_t v) {
        if (v == 0 || (v == 1 && !opaque)) return;
        if (px < r.left || py < r.top || px >= r.right || py >= r.bottom) return;
        s->pixels[static_cast<size_t>(py) * s->pitch + px] = v == 2 ? fg : bg;
    };
    if (f.escapement % 3600 == 0) {
        const int64_t ox = x + gCanvas.left;
        const int64_t cx0 = std::max<int64_t>(0, r.left - ox), cx1 = std::min<int64_t>(gCanvas.w, r.right - ox);
        for (int cy = 0; cy < gCanvas.h; ++cy)
            for (int64_t cx = cx0; cx < cx1; ++cx) put(ox + cx, int64_t{y} + cy, gCanvas.at(static_cast<int>(cx), cy));
        return;
    }
    // Anticlockwise on screen: the text's direction (cos a, -sin a), its down (sin a, cos a).
    const double a = f.escapement / 10.0 * M_PI / 180.0, ca = std::cos(a), sa = std::sin(a);
    const double u0 = static_cast<double>(gCanvas.left), u1 = u0 + gCanvas.w, v1 = gCanvas.h;
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
    for (double u : {u0, u1})
        for (double v : {0.0, v1}) {
            const double dx = u * ca + v * sa, dy = -u * sa + v * ca;
            minX = std::min(minX, dx), maxX = std::max(maxX, dx), minY = std::min(minY, dy), maxY = std::max(maxY, dy);
        }
    const int64_t px0 = std::max<int64_t>(r.left, static_cast<int64_t>(std::floor(x + minX)));
    const int64_t px1 = std::min<int64_t>(r.right, static_cast<int64_t>(std::ceil(x + maxX)) + 1);
    const int64_t py0 = std::max<int64_t>(r.top, static_cast<int64_t>(std::floor(y + minY)));
    const int64_t py1 = std::min<int64_t>(r.bottom, static_cast<int64_t>(std::ceil(y + maxY)) + 1);
    for (int64_t py = py0; py < py1; ++py)
        for (int64_t px = px0; px < px1; ++px) {
            const double dx = px + 0.5 - x, dy = py + 0.5 - y;
            const double u = dx * ca - dy * sa, v = dx * sa + dy * ca;
            const int64_t cx = static_cast<int64_t>(std::floor(u - u0)), cy = static_cast<int64_t>(std::floor(v));
            if (cx < 0 || cy < 0 || cx >= gCanvas.w || cy >= gCanvas.h) continue;
            put(px, py, gCanvas.at(static_cast<int>(cx), static_cast<int>(cy)));
        }
}

// The text positions of a run at (x, y) that can reach the rectangle.
void VisibleSpan(const Font& f, int32_t x, int32_t y, const Rect& r, int cell, int64_t* from, int64_t* to) {
    if (f.escapement % 3600 == 0) {
        *from = int64_t{r.left} - x - 2 * cell;
        *to = int64_t{r.right} - x + 2 * cell;
        return;
    }
    // Turned text: no farther along its line than the rectangle's farthest corner.
    double reach = 0;
    for (int64_t cx : {int64_t{r.left}, int64_t{r.right}})
        for (int64_t cy : {int64_t{r.top}, int64_t{r.bottom}}) reach = std::max(reach, std::hypot(cx - x, cy - y));
    *from = -static_cast<int64_t>(reach) - 2 * cell;
    *to = static_cast<int64_t>(reach) + 2 * cell;
}

bool DrawRun(DC* dc, const Font& f, OpenSize& s, int32_t x, int32_t y, const char* text, int n, const Rect* clip) {
    Rect bounds{0, 0, dc->surface->width, dc->surface->height};
    if (clip) bounds = {std::max(bounds.left, clip->left), std::max(bounds.top, clip->top),
                        std::min(bounds.right, clip->right), std::min(bounds.bottom, clip->bottom)};
    if (bounds.right <= bounds.left || bounds.bottom <= bounds.top) return true;
    int64_t from, to;
    VisibleSpan(f, x, y, bounds, s.cell, &from, &to);
    Compose(f, s, text, n, from, to);
    Transfer(dc, f, x, y, clip);
    return true;
}

// ---------------------------------------------------------------- lines of DrawText

bool IsBreakSpace(uint32_t cp) { return cp == ' ' || cp == '\t'; }

struct Line {
    int begin = 0, end = 0;  // bytes drawn
    int next = 0;            // where the next line starts
    int64_t width = 0;
};

// The line that starts at text[start]: up to a line break, and with
// wordBreak no wider than maxWidth where a break allows. Spaces at its end
// are left out of it; the next line starts after them.
Line NextLine(const Font& f, OpenSize& s, const char* text, int n, int start, bool wordBreak, int64_t maxWidth) {
    Line line;
    line.begin = start;
    int64_t pen = 0, spaces = 0;  // unstretched
    int spacesBegin = -1;         // the spaces after the last unit
    bool hasContent = false;
    auto finish = [&](int end, int next) {
        line.end = spacesBegin >= 0 ? spacesBegin : end;
        line.next = next;
        line.width = Stretch(f, s, pen);
        return line;
    };
    int i = start;
    while (i < n) {
        int len = 0;
        const uint32_t cp = DecodeCharIn(text + i, n - i, &len);
        if (cp == '\n' || cp == '\r') {
            int next = i + 1;
            if (cp == '\r' && next < n && text[next] == '\n') ++next;
            return finish(i, next);
        }
        if (IsBreakSpace(cp)) {
            if (spacesBegin < 0) spacesBegin = i;
            spaces += GlyphOf(s, cp, f.style).advance;
            i += len;
            continue;
        }
        // A unit: one full-width character, or a run of other characters.
        int j = i;
        int64_t unit = 0;
        while (j < n) {
            int l = 0;
            const uint32_t c = DecodeCharIn(text + j, n - j, &l);
            if (c == '\n' || c == '\r' || IsBreakSpace(c) || (j > i && IsFullWidth(c))) break;
            unit += GlyphOf(s, c, f.style).advance;
            j += l;
            if (IsFullWidth(c)) break;
        }
        if (wordBreak && hasContent && Stretch(f, s, pen + spaces + unit) > maxWidth) return finish(i, i);
        pen += spaces + unit;
        spaces = 0;
        spacesBegin = -1;
        hasContent = true;
        i = j;
    }
    return finish(n, n);
}

}  // namespace

// ---------------------------------------------------------------- public calls

uint32_t DecodeChar(const char* text, int* length) {
    if (!text || *text == 0) {
        *length = 0;
        return 0;
    }
    return DecodeCharIn(text, 4, length);
}

bool IsFullWidth(uint32_t codePoint) { return codePoint >= 0x80 && !(codePoint >= 0xFF61 && codePoint <= 0xFF9F); }

int DoubleByteLength(const char* text) {
    int total = 0;
    ForEachChar(text, TextBytes(text, -1), [&](uint32_t cp, int) { total += IsFullWidth(cp) ? 2 : 1; });
    return total;
}

std::string FontFilePath(FontFile file) {
    const int i = static_cast<int>(file);
    if (i < 0 || i >= kFileCount) return "";
    FileState& st = gFiles[i];
    if (st.overridden) return IsFile(st.path) ? st.path : "";
    if (!st.resolved) {
        st.path = SearchFontFile(kFiles[i]);
        st.resolved = true;
    }
    return st.path;
}

void SetFontFilePath(FontFile file, const std::string& path) {
    const int i = static_cast<int>(file);
    if (i < 0 || i >= kFileCount) return;
    gFiles[i].overridden = !path.empty();
    gFiles[i].path = path;
    gFiles[i].resolved = false;
    for (OpenSize& s : gSizes)
        if (s.ttf && s.file == file) Close(s);
}

const std::string& LastTextError() { return gLastError; }
void ClearTextError() { gLastError.clear(); }
void ReportTextError(const std::string& what) { Report(what); }

void ReleaseFontCache() {
    for (OpenSize& s : gSizes) Close(s);
}

int EnumFonts(DC* dc, const char* face, EnumFontsProc proc, intptr_t data) {
    if (!proc) return 0;
    int result = 0;
    for (const FaceEntry& entry : kFaces) {
        if (face && !SameFace(entry.name, face)) continue;
        OpenSize* s = OpenFor(entry.file, kDefaultHeight);
        if (!s) continue;
        LogFont lf{};
        lf.height = s->cell;
        lf.weight = kWeightNormal;
        lf.charSet = kShiftJisCharset;
        std::snprintf(lf.faceName, sizeof lf.faceName, "%s", entry.name);
        TextMetric tm{};
        tm.height = s->cell;
        tm.ascent = s->ascent;
        tm.descent = s->descent;
        tm.aveCharWidth = s->aveWidth;
        tm.maxCharWidth = s->maxWidth;
        tm.weight = kWeightNormal;
        tm.charSet = kShiftJisCharset;
        result = proc(&lf, &tm, kTrueTypeFontType, data);
        if (result == 0) break;
    }
    return result;
}

Font* CreateFontIndirect(const LogFont& request) {
    const size_t nameBytes = strnlen(request.faceName, sizeof request.faceName);
    if (nameBytes == sizeof request.faceName || DoubleByteLength(request.faceName) > kFaceNameLength) {
        Report("a face name longer than 31 characters");
        return nullptr;
    }
    const FaceEntry* face = FindFace(request.faceName);
    if (!face) {
        Report(std::string("no face named \"") + request.faceName + "\"");
        return nullptr;
    }
    const int32_t height = request.height == 0 ? kDefaultHeight : request.height;
    if (height > kMaxHeight || height < -kMaxHeight) {
        Report("a font height beyond " + std::to_string(kMaxHeight) + " pixels");
        return nullptr;
    }
    if (!OpenFor(face->file, height)) return nullptr;
    Font* f = std::find_if(gFonts, gFonts + kFontCount, [](const Font& x) { return !x.inUse; });
    if (f == gFonts + kFontCount) {
        Report("too many fonts alive at once");
        return nullptr;
    }
    *f = Font{};
    f->inUse = true;
    f->file = face->file;
    f->request = height;
    f->width = std::clamp(request.width, 0, kMaxHeight);
    f->escapement = request.escapement;
    f->style = (request.weight >= 600 ? TTF_STYLE_BOLD : 0) | (request.italic ? TTF_STYLE_ITALIC : 0);
    f->underline = request.underline != 0;
    f->strikeOut = request.strikeOut != 0;
    f->desc = request;
    return f;
}

bool DeleteFont(Font* font) {
    if (!font) return true;
    if (!Alive(font) || FontSelected(font)) return false;
    *font = Font{};
    return true;
}

int LiveFontCount() {
    return static_cast<int>(std::count_if(gFonts, gFonts + kFontCount, [](const Font& f) { return f.inUse; }));
}

Font* SelectFont(DC* dc, Font* font) {
    if (!dc || !dc->inUse) return nullptr;
    if (font && !Alive(font)) return nullptr;
    Font* old = dc->font;
    dc->font = font;
    return old;
}

bool GetTextMetrics(DC* dc, TextMetric* metric) {
    const Font* f = nullptr;
    OpenSize* s = FontOf(dc, &f);
    if (!s || !metric) return false;
    *metric = TextMetric{};
    metric->height = s->cell;
    metric->ascent = s->ascent;
    metric->descent = s->descent;
    metric->aveCharWidth = static_cast<int32_t>(Stretch(*f, *s, s->aveWidth));
    metric->maxCharWidth = static_cast<int32_t>(Stretch(*f, *s, s->maxWidth));
    metric->weight = f->style & TTF_STYLE_BOLD ? kWeightBold : kWeightNormal;
    metric->italic = f->style & TTF_STYLE_ITALIC ? 1 : 0;
    metric->underlined = f->underline ? 1 : 0;
    metric->charSet = kShiftJisCharset;
    return true;
}

bool TextOut(DC* dc, int32_t x, int32_t y, const char* text, int length) {
    const Font* f = nullptr;
    OpenSize* s = FontOf(dc, &f);
    if (!s || !text) return false;
    return DrawRun(dc, *f, *s, x, y, text, TextBytes(text, length), nullptr);
}

bool GetTextExtentPoint32(DC* dc, const char* text, int length, Size* size) {
    const Font* f = nullptr;
    OpenSize* s = FontOf(dc, &f);
    if (!s || !size) return false;
    const int64_t w = RunWidth(*f, *s, text ? text : "", TextBytes(text, length));
    size->cx = static_cast<int32_t>(std::min<int64_t>(w, INT32_MAX));
    size->cy = s->cell;
    return true;
}

int32_t DrawText(DC* dc, const char* text, int length, Rect* rect, uint32_t format) {
    const Font* f = nullptr;
    OpenSize* s = FontOf(dc, &f);
    if (!s || !text || !rect) return 0;
    const int n = TextBytes(text, length);
    const bool wordBreak = format & kDtWordBreak, calc = format & kDtCalcRect;
    const int64_t maxWidth = int64_t{rect->right} - rect->left;
    const Rect clip = *rect;
    int64_t height = 0, widest = 0;
    for (int start = 0; start < n;) {
        const Line line = NextLine(*f, *s, text, n, start, wordBreak, maxWidth);
        widest = std::max(widest, line.width);
        const int64_t y = rect->top + height;
        if (!calc && y < INT32_MAX && (format & kDtNoClip || y < rect->bottom)) {
            int64_t x = rect->left;
            if ((format & 3) == kDtCenter) x += (maxWidth - line.width) / 2;
            else if ((format & 3) == kDtRight) x += maxWidth - line.width;
            DrawRun(dc, *f, *s, static_cast<int32_t>(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX)),
                    static_cast<int32_t>(y), text + line.begin, line.end - line.begin,
                    format & kDtNoClip ? nullptr : &clip);
        }
        height += s->cell;
        if (line.next <= start) break;  // never stands still
        start = line.next;
    }
    height = std::min<int64_t>(height, INT32_MAX);
    if (calc) {
        rect->right = static_cast<int32_t>(std::min<int64_t>(int64_t{rect->left} + widest, INT32_MAX));
        rect->bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{rect->top} + height, INT32_MAX));
    }
    return static_cast<int32_t>(height);
}

}  // namespace plat
