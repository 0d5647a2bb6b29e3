#include "framework/draw/backsurface.h"

#include <cstdio>
#include <vector>

#include "framework/draw/screen.h"
#include "framework/system/system.h"
#include "platform/display_driver.h"
#include "platform/gdi_dc.h"
#include "platform/surface.h"

plat::DC* BackDC;

namespace {

// Runs draw on the back surface's context with a solid pen (and a brush)
// made for this call, then selects the old objects back, deletes what it
// made and gives the context back, whatever failed on the way.
template <class F>
void WithPen(uint32_t color, int width, const plat::LogBrush* brush, F draw) {
    plat::DC* dc = plat::GetDC(BackSurface);
    if (!dc) return;
    plat::Pen* pen = plat::CreatePen(plat::kPenSolid, width, color);
    plat::Brush* br = brush ? plat::CreateBrushIndirect(*brush) : nullptr;
    if (pen && (!brush || br)) {
        plat::Pen* oldPen = plat::SelectPen(dc, pen);
        plat::Brush* oldBrush = br ? plat::SelectBrush(dc, br) : nullptr;
        draw(dc);
        if (oldBrush) plat::SelectBrush(dc, oldBrush);
        plat::SelectPen(dc, oldPen);
    }
    plat::DeleteBrush(br);
    plat::DeletePen(pen);
    plat::ReleaseDC(BackSurface, dc);
}

void Put(uint8_t* at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}

constexpr int kShotHeader = 58;  // file header, info header and a four-byte gap

// Writes the bitmap of the locked pixels; false when the file cannot be
// opened or written.
bool WriteShot(const std::string& path, const plat::LockedPixels& px, int width, int height) {
    const uint32_t rowSize = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    uint8_t head[kShotHeader] = {'B', 'M'};
    Put(head + 2, kShotHeader + rowSize * height, 4);
    Put(head + 10, kShotHeader, 4);
    Put(head + 14, 40, 4);
    Put(head + 18, width, 4);
    Put(head + 22, height, 4);  // positive: bottom row first
    Put(head + 26, 1, 2);
    Put(head + 28, 24, 2);
    Put(head + 34, rowSize * height, 4);
    Put(head + 38, 2834, 4);
    Put(head + 42, 2834, 4);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(head, 1, sizeof(head), f) == sizeof(head);
    static std::vector<uint8_t> row;  // grows to the widest capture once
    row.assign(rowSize, 0);
    for (int y = height - 1; y >= 0 && ok; --y) {
        const uint16_t* src = px.pixels + static_cast<size_t>(y) * px.pitch;
        for (int x = 0; x < width; ++x) {
            const uint8_t* rgb = PixelToRgb[src[x]];
            row[3 * x] = static_cast<uint8_t>(rgb[2] << 3);
            row[3 * x + 1] = static_cast<uint8_t>(rgb[1] << 3);
            row[3 * x + 2] = static_cast<uint8_t>(rgb[0] << 3);
        }
        ok = std::fwrite(row.data(), 1, rowSize, f) == rowSize;
    }
    return std::fclose(f) == 0 && ok;
}

}  // namespace

namespace fwDraw {

void DrawLine(int x1, int y1, int x2, int y2, uint32_t color, int width) {
    WithPen(color, width, nullptr, [&](plat::DC* dc) {
        plat::MoveTo(dc, x1, y1);
        plat::LineTo(dc, x2, y2);
    });
}

void DrawPolygon(const plat::Point* points, int count, uint32_t color, uint32_t bkColor, int penWidth, int mode) {
    const plat::LogBrush brush = mode == 0 ? plat::LogBrush{plat::kBrushNull, 0, 0}
                                           : plat::LogBrush{plat::kBrushHatched, color, plat::kHatchDiagCross};
    WithPen(color, penWidth, &brush, [&](plat::DC* dc) {
        if (mode == 2)
            plat::SetBkMode(dc, plat::kBkTransparent);
        else if (mode == 0 || mode == 1)
            plat::SetBkColor(dc, bkColor);
        plat::Polygon(dc, points, count);
    });
}

void DrawRectangle(int left, int top, int right, int bottom, uint32_t fillColor, uint32_t penColor, int penWidth) {
    const plat::LogBrush brush{plat::kBrushSolid, fillColor, 0};
    WithPen(penColor, penWidth, &brush, [&](plat::DC* dc) { plat::Rectangle(dc, left, top, right, bottom); });
}

void DrawBezier(const plat::Point* points, int count, uint32_t color, int width) {
    WithPen(color, width, nullptr, [&](plat::DC* dc) { plat::PolyBezier(dc, points, count); });
}

void GetPixel(int x, int y, uint32_t* r, uint32_t* g, uint32_t* b) {
    plat::ColorRef c = plat::kInvalidColor;
    if (plat::DC* dc = plat::GetDC(BackSurface)) {
        c = plat::GetPixel(dc, x, y);
        plat::ReleaseDC(BackSurface, dc);
    }
    if (r) *r = c & 0xFF;
    if (g) *g = (c >> 8) & 0xFF;
    if (b) *b = (c >> 16) & 0xFF;
}

void SetPixel(int x, int y, uint32_t color) {
    if (plat::DC* dc = plat::GetDC(BackSurface)) {
        plat::SetPixel(dc, x, y, color);
        plat::ReleaseDC(BackSurface, dc);
    }
}

// A second call while the context is held keeps the one it has.
void GetBackDC() {
    if (!BackDC) BackDC = plat::GetDC(BackSurface);
}

void ReleaseBackDC() {
    if (BackDC) plat::ReleaseDC(BackSurface, BackDC);
    BackDC = nullptr;
}

int SaveScreenshot(const char* name, int width, int height) {
    if (!name || width <= 0 || height <= 0) return 0;
    plat::LockedPixels px;
    if (plat::Lock(BackSurface, px) != plat::kOk) return 0;
    // Only what the surface holds is read; the surfaces are 16-bit.
    const bool ok = width <= px.width && height <= px.height &&
                    plat::SurfacePixelFormat().bitsPerPixel == 16 &&
                    WriteShot(fwSystem::GetExeDirectory(0) + name, px, width, height);
    plat::Unlock(BackSurface);  // on every path: a surface left locked fails every later copy
    return ok ? 1 : 0;
}

int EnumDriverCallback(const plat::DriverId* id, const char* description, const char* name, void* context) {
    (void)description;
    (void)name;
    auto** keep = static_cast<plat::DisplayDriver**>(context);
    AcceleratedDriver = 0;
    plat::DisplayDriver* driver = plat::CreateDisplayDriver(id);
    if (!driver) return 1;
    plat::DriverCaps hardware, emulation;
    plat::GetDriverCaps(driver, hardware, emulation);
    if (!(hardware.caps & plat::kCaps3D) || !(hardware.surfaceCaps & plat::kSurfaceCapsTexture)) {
        if (keep) *keep = nullptr;
        plat::ReleaseDisplayDriver(driver);
        return 1;
    }
    if (keep)
        *keep = driver;
    else
        plat::ReleaseDisplayDriver(driver);  // nowhere to keep it
    AcceleratedDriver = 1;
    return 0;
}

}  // namespace fwDraw
