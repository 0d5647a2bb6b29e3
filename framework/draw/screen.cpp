#include "framework/draw/screen.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "framework/draw/backsurface.h"
#include "framework/draw/object.h"
#include "framework/draw/transition.h"
#include "framework/input/input.h"
#include "framework/sound/midi.h"
#include "framework/sound/sound.h"
#include "framework/system/named.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "framework/text/text.h"
#include "platform/display_driver.h"
#include "platform/present.h"
#include "platform/surface.h"

int32_t DirectDraw;
plat::Surface* PrimarySurface;
plat::Surface* BackSurface;
int32_t Clipper;
int32_t ScreenWidth;
int32_t ScreenHeight;
uint32_t ScreenBitsPerPixel = 16;
uint32_t FallbackBitsPerPixel1;
uint32_t FallbackBitsPerPixel2;
uint32_t AcceleratedDriver;
uint32_t CanStretch;
int32_t ScreenRect[4];
int32_t WindowScreenRect[4];
int32_t DefaultScreenWidth;
int32_t DefaultScreenHeight;

int32_t ClipLeft, ClipTop, ClipRight, ClipBottom;

uint32_t RedMask, GreenMask, BlueMask;
int16_t RedShift, GreenShift, BlueShift;
uint32_t RedMax, GreenMax, BlueMax;
int16_t RedShift5, GreenShift5, BlueShift5;
uint32_t HalfMask;
uint32_t WhitePixel;

uint8_t PixelToRgb[65536][3];
uint16_t LevelBlendTable[kChannelTable];
uint16_t AdditiveTable[kChannelTable];
uint16_t SubtractiveTable[3 * 32 * 32];
int16_t GreyTable[94];
uint8_t RandomBytes[10000];
int32_t SinTable[450];

namespace {

int gScreenUp = 0;

named::Registrar reg([] {
    NAMED_SCALAR(ScreenWidth);
    NAMED_SCALAR(ScreenHeight);
    NAMED_SCALAR(ScreenBitsPerPixel);
    NAMED_SCALAR(AcceleratedDriver);
    NAMED_SCALAR(CanStretch);
    NAMED_SCALAR(ClipLeft);
    NAMED_SCALAR(ClipTop);
    NAMED_SCALAR(ClipRight);
    NAMED_SCALAR(ClipBottom);
    NAMED_SCALAR(HalfMask);
    NAMED_SCALAR(WhitePixel);
    NAMED_ARRAY(SinTable);
    NAMED_ARRAY(GreyTable);
});

constexpr const char* kWhere = "fwDraw::Screen";

struct FrameworkRecord {
    const char* name;
    const char* failure;
};
const FrameworkRecord kFrameworkRecords[4] = {
    {"内部用１", "Bufferスプライトが生成できません"},
    {"内部用２", "Screenスプライトが生成できません"},
    {"内部用３", "Fontスプライトが生成できません"},
    {"内部用４", "Fontバッファスプライトが生成できません"},
};

// A second set-up lets go of what the first one made.
void DropSurfaces() {
    for (auto& rec : DrawObjects) fwDraw::ResetRecord(rec);
    plat::ReleaseSurface(PrimarySurface);
    plat::ReleaseSurface(BackSurface);
}

bool TakeDisplayMode(int width, int height) {
    if (plat::SetDisplayMode(width, height, static_cast<int>(ScreenBitsPerPixel))) return true;
    for (uint32_t fallback : {FallbackBitsPerPixel1, FallbackBitsPerPixel2}) {
        if (fallback == 0) return false;
        ScreenBitsPerPixel = fallback;
        if (plat::SetDisplayMode(width, height, static_cast<int>(ScreenBitsPerPixel))) return true;
    }
    return false;
}

// Shift of a mask's lowest set bit and the mask moved down by it.
void SplitMask(uint32_t mask, int16_t& shift, uint32_t& max) {
    shift = 0;
    while (!(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    max = mask;
}

bool ReadPixelFormat() {
    plat::PixelFormat f = plat::SurfacePixelFormat();
    if (f.redMask == 0 || f.greenMask == 0 || f.blueMask == 0) return false;  // no colour fields
    RedMask = f.redMask;
    GreenMask = f.greenMask;
    BlueMask = f.blueMask;
    SplitMask(RedMask, RedShift, RedMax);
    SplitMask(GreenMask, GreenShift, GreenMax);
    SplitMask(BlueMask, BlueShift, BlueMax);
    RedShift5 = static_cast<int16_t>(RedShift + (RedMax == 63 ? 1 : 0));
    GreenShift5 = static_cast<int16_t>(GreenShift + (GreenMax == 63 ? 1 : 0));
    BlueShift5 = static_cast<int16_t>(BlueShift + (BlueMax == 63 ? 1 : 0));
    HalfMask = ((RedMax >> 1) << RedShift) | ((GreenMax >> 1) << GreenShift) | ((BlueMax >> 1) << BlueShift);
    WhitePixel = (RedMax << RedShift) | (GreenMax << GreenShift) | (BlueMax << BlueShift);
    return true;
}

void BuildSinTable() {
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < 450; ++i) SinTable[i] = static_cast<int32_t>(std::sin(i * 2 * pi / 360) * 360);
}

void BuildColourTables() {
    for (uint32_t r = 0; r <= RedMax; ++r)
        for (uint32_t g = 0; g <= GreenMax; ++g)
            for (uint32_t b = 0; b <= BlueMax; ++b) {
                uint8_t* e = PixelToRgb[((g << GreenShift) + (r << RedShift) + b) & 0xFFFF];
                e[0] = static_cast<uint8_t>(RedMax == 63 ? r >> 1 : r);
                e[1] = static_cast<uint8_t>(GreenMax == 63 ? g >> 1 : g);
                e[2] = static_cast<uint8_t>(BlueMax == 63 ? b >> 1 : b);
            }
    const int shift5[3] = {RedShift5, GreenShift5, BlueShift5};
    for (int c = 0; c < 3; ++c)
        for (int a = 0; a < 32; ++a)
            for (int x = 0; x < 32; ++x)
                for (int y = 0; y < 32; ++y) {
                    int v = std::max(x - a, 0) + std::max(y - (31 - a), 0);
                    LevelBlendTable[fwDraw::TableIndex(c, a, x, y)] = static_cast<uint16_t>(v << shift5[c]);
                }
    for (int c = 0; c < 3; ++c)
        for (int a = 0; a < 32; ++a)
            for (int s = 0; s < 32; ++s)
                for (int d = 0; d < 32; ++d) {
                    int v = std::min(std::max(s - a, 0) + d, 31);
                    AdditiveTable[fwDraw::TableIndex(c, a, s, d)] = static_cast<uint16_t>(v << shift5[c]);
                }
    for (int c = 0; c < 3; ++c)
        for (int x = 0; x < 32; ++x)
            for (int y = 0; y < 32; ++y)
                SubtractiveTable[fwDraw::SubtractiveIndex(c, x, y)] =
                    static_cast<uint16_t>(std::max(x - y, 0) << shift5[c]);
    for (int i = 0; i < 94; ++i) GreyTable[i] = static_cast<int16_t>(i / 3);
    for (auto& b : RandomBytes) b = static_cast<uint8_t>(rng::rand() % 3);
}

int Fail(const char* what) { return fwSystem::ShowErrorBox(kWhere, what); }

}  // namespace

namespace fwDraw {

void SetClipRect(int left, int top, int right, int bottom) {
    ClipLeft = left;
    ClipTop = top;
    ClipRight = right;
    ClipBottom = bottom;
}

void SetScreenFormat(uint32_t bitsPerPixel, uint32_t fallback1, uint32_t fallback2) {
    ScreenBitsPerPixel = bitsPerPixel;
    FallbackBitsPerPixel1 = fallback1;
    FallbackBitsPerPixel2 = fallback2;
}

int Screen(int width, int height, int placement) {
    (void)placement;  // every surface lives in plain memory
    if (DirectDraw) DropSurfaces();
    gScreenUp = 0;
    DirectDraw = 0;
    PrimarySurface = nullptr;
    BackSurface = nullptr;
    Clipper = 0;
    ErrorFlag = 0;

    if (width == -1) {
        width = DefaultScreenWidth;
        height = DefaultScreenHeight;
    }
    ScreenWidth = width;
    ScreenHeight = height;
    SetClipRect(0, 0, width, height);

    // The first driver with 3-D and texture caps, else the default one. The
    // platform draws by itself, so the chosen driver object is not kept.
    plat::DisplayDriver* driver = nullptr;
    plat::EnumerateDisplayDrivers(EnumDriverCallback, &driver);
    plat::ReleaseDisplayDriver(driver);
    DirectDraw = 1;

    if (FullScreen) {
        if (!TakeDisplayMode(width, height)) return Fail("解像度が変更できません");
    } else {
        // Windowed: the desktop's depth, no mode change; the picture still
        // reaches the window through the present's texture.
        ScreenBitsPerPixel = static_cast<uint32_t>(fwSystem::GetScreenColorDepth());
        plat::SetDisplayMode(width, height, 16);
    }

    PrimarySurface = plat::CreateSurface(width, height);
    if (!PrimarySurface) return Fail("表画面が生成できません");
    BackSurface = plat::CreateSurface(width, height);
    if (!BackSurface) return Fail("裏画面が生成できません");
    if (!FullScreen) Clipper = 1;

    for (int i = 0; i < 4; ++i) {
        DrawObject& rec = DrawObjects[i];
        rec.surface = plat::CreateSurface(width, height);
        if (!rec.surface) return Fail(kFrameworkRecords[i].failure);
        SetSurfaceColorKey(rec.surface, 0);
        std::strcpy(rec.name, kFrameworkRecords[i].name);
        rec.fromPack = 0;
        rec.placement = 2;
        rec.colorKey = 0;
        rec.width = static_cast<uint16_t>(width);
        rec.height = static_cast<uint16_t>(height);
    }

    // The surfaces' stretched copy is always there.
    CanStretch = 1;

    if (!ReadPixelFormat()) return Fail("ピクセル情報が取得できません");
    BuildSinTable();
    // The display runs at the depth asked of it (the surfaces' own 16 bits
    // in full screen), so that depth decides whether the tables are built.
    if (ScreenBitsPerPixel == 16) BuildColourTables();

    for (int i = kFirstLoadedObject; i < kDrawObjectCount; ++i) ResetRecord(DrawObjects[i]);

    ImgViewerPicture = 0;
    ImgViewerTile = 0;
    ScreenRect[0] = 0;
    ScreenRect[1] = 0;
    ScreenRect[2] = ScreenWidth;
    ScreenRect[3] = ScreenHeight;
    WindowScreenRect[0] = WindowX;
    WindowScreenRect[1] = WindowY;
    WindowScreenRect[2] = WindowX + ScreenWidth;
    WindowScreenRect[3] = WindowY + ScreenHeight;

    fwSound::Init();
    fwSound::ClearObjects();
    fwMidi::Init();
    fwSystem::Init();
    InitFonts();
    fwInput::Init();
    gScreenUp = 1;
    return 1;
}

int ScreenIsUp() { return gScreenUp && DirectDraw ? 1 : 0; }

}  // namespace fwDraw
