#include "framework/draw/backsurface.h"

#include "framework/draw/screen.h"
#include "platform/gdi_dc.h"

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

}  // namespace fwDraw
