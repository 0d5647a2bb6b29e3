#include "framework/draw/transition.h"

#include "framework/draw/blit.h"
#include "framework/draw/object.h"
#include "framework/draw/screen.h"
#include "framework/system/named.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "platform/present.h"
#include "platform/surface.h"
#include "platform/window.h"

int32_t TransitionPattern;
int32_t TransitionStep;
int32_t TransitionDir;
int32_t TransitionPitch;
uint32_t WaitVBlank = 1;

int32_t ViewerOn;
int32_t ViewerHeight;
float ViewerScroll;
float ViewerTileOffsetX;
float ViewerTileOffsetY;
int32_t ImgViewerPicture;
int32_t ImgViewerTile;
int32_t ImgTransitionTiles;

namespace {

named::Registrar reg([] {
    NAMED_SCALAR(TransitionPattern);
    NAMED_SCALAR(TransitionStep);
    NAMED_SCALAR(TransitionDir);
    NAMED_SCALAR(TransitionPitch);
    NAMED_SCALAR(WaitVBlank);
    NAMED_SCALAR(ViewerOn);
    NAMED_SCALAR(ViewerHeight);
    NAMED_SCALAR(ViewerScroll);
    NAMED_SCALAR(ViewerTileOffsetX);
    NAMED_SCALAR(ViewerTileOffsetY);
    NAMED_SCALAR(ImgViewerPicture);
    NAMED_SCALAR(ImgViewerTile);
    NAMED_SCALAR(ImgTransitionTiles);
});

// One piece of the captured frame, unkeyed.
void Piece(int x, int y, int left, int top, int right, int bottom) {
    fwDraw::BltObjectOpaque(x, y, kScreenSprite, left, top, right, bottom);
}

// Sideways shake of the shaking wipes: -1..0 at s = p, widening to -p..p-1.
int Shake(int p, int s) {
    int span = 2 * (p - s) + 2;
    // A closing wipe over a pitch below 10 reaches s = p + 1, where the span is
    // 0: that row stays in place rather than dividing by zero.
    if (span == 0) return 0;
    return rng::rand() % span - (p - s + 1);
}

void DrawWipe() {
    const int W = ScreenWidth, H = ScreenHeight;
    const int s = TransitionStep, p = TransitionPitch;
    const int k = p - s + 1;  // frames since the wipe began
    switch (TransitionPattern) {
    case 0:
        for (int i = 0; i < 10; ++i)
            for (int j = 0; j < 10; ++j)
                fwDraw::BltObject(64 * i, 48 * j, ImgTransitionTiles, (s - 1) * 64, 0, (s - 1) * 64 + 64, 48);
        return;
    case 1:
    case 3:
        for (int y = 0; y < H; ++y)
            if (y % s != 0) Piece(TransitionPattern == 3 ? Shake(p, s) : 0, y, 0, y, W, y + 1);
        return;
    default:
        break;
    }
    // The remaining wipes measure in pitch units; a pitch of 0 has none.
    if (p <= 0) return;
    switch (TransitionPattern) {
    case 2:
    case 4:
        for (int y = 0; y < H; y += p) Piece(TransitionPattern == 4 ? Shake(p, s) : 0, y, 0, y, W, y + s + 1);
        break;
    case 5: Piece(0, (-H / p) * k, 0, 0, W, H); break;
    case 6: Piece(0, (H / p) * k, 0, 0, W, H); break;
    case 7: Piece((-W / p) * k, 0, 0, 0, W, H); break;
    case 8: Piece((W / p) * k, 0, 0, 0, W, H); break;
    case 9:
        Piece(0, ((-H / 2) / p) * k, 0, 0, W, H / 2);
        Piece(0, H / 2 + ((H / 2) / p) * k, 0, H / 2, W, H);
        break;
    case 10:
        Piece(((-W / 2) / p) * k, 0, 0, 0, W / 2, H);
        Piece(W / 2 + ((W / 2) / p) * k, 0, W / 2, 0, W, H);
        break;
    case 11: Piece(0, 0, 0, 0, (W / p) * s, H); break;
    case 12: {
        int x0 = (W / p) * k;
        Piece(x0, 0, x0, 0, W, H);
        break;
    }
    default: break;  // any other pattern only counts its steps
    }
}

void DrawViewer() {
    for (int i = 0; i <= 10; ++i)
        for (int j = 0; j <= 10; ++j)
            fwDraw::BltObject(64 * i + static_cast<int>(ViewerTileOffsetX), 48 * j + static_cast<int>(ViewerTileOffsetY),
                              ImgViewerTile, 0, 0, 64, 48);
    ViewerTileOffsetX -= FrameSeconds * 10;
    ViewerTileOffsetY -= FrameSeconds * 10;
    if (ViewerTileOffsetX <= -64) ViewerTileOffsetX += 64;
    if (ViewerTileOffsetY <= -48) ViewerTileOffsetY += 48;

    const int scroll = static_cast<int>(ViewerScroll);
    fwDraw::BltObject(ClipLeft, ClipTop, ImgViewerPicture, 0, scroll, ClipRight - ClipLeft,
                      scroll + ClipBottom - ClipTop);

    switch (LastKey) {
    case plat::VK_UP: ViewerScroll -= FrameSeconds * 100; break;
    case plat::VK_LEFT: ViewerScroll -= FrameSeconds * 300; break;
    case plat::VK_DOWN: ViewerScroll += FrameSeconds * 100; break;
    case plat::VK_RIGHT: ViewerScroll += FrameSeconds * 300; break;
    default: break;
    }
    // Bounded by the picture less the clip height, and never above its top
    // (also when the picture is shorter than the clip rectangle).
    const float limit = static_cast<float>(ViewerHeight - (ClipBottom - ClipTop));
    if (ViewerScroll > limit) ViewerScroll = limit;
    if (ViewerScroll < 0) ViewerScroll = 0;
}

}  // namespace

namespace fwDraw {

void Present() {
    if (TransitionStep != 0) {
        DrawWipe();
        TransitionStep += TransitionDir;
        if ((TransitionDir == -1 && TransitionStep < 1) || (TransitionDir == 1 && TransitionStep > 10)) {
            TransitionStep = 0;
            TransitionDir = 0;
        }
    }
    if (ViewerOn) DrawViewer();
    if (!PrimarySurface || !BackSurface) return;
    // The primary surface is the window's picture: the window's own position
    // does not move the picture inside it.
    const plat::Rect dst{0, 0, WindowScreenRect[2] - WindowScreenRect[0], WindowScreenRect[3] - WindowScreenRect[1]};
    const plat::Rect src{ScreenRect[0], ScreenRect[1], ScreenRect[2], ScreenRect[3]};
    if (plat::CopyStretched(PrimarySurface, dst, BackSurface, src, false) == plat::kSurfaceLost) {
        RestoreAll();
        return;
    }
    plat::ShowSurface(PrimarySurface, WaitVBlank != 0);
}

void SetWaitVBlank(uint32_t flag) { WaitVBlank = flag; }

void CaptureRect(int handle, int left, int top, int right, int bottom) {
    const plat::Rect r{left, top, right, bottom};
    if (plat::CopyFast(ObjectSurface(handle), 0, 0, BackSurface, r, false) == plat::kSurfaceLost) RestoreAll();
}

void StartTransition() {
    TransitionStep = 1;
    TransitionDir = 1;
}

void StartTransitionIn() {
    TransitionStep = 10;
    TransitionDir = -1;
}

int LoadTransitionTiles(const char* name) {
    SetDefaultColorKey(0);
    ImgTransitionTiles = LoadObject(name, 2);
    return ImgTransitionTiles;
}

void LoadViewer(const char* pictureName, const char* tileName, int height) {
    SetDefaultColorKey(0);
    if (ImgViewerPicture != 0) {
        SwapObject(pictureName, ImgViewerPicture, 2);
        SwapObject(tileName, ImgViewerTile, 2);
    } else {
        ImgViewerPicture = LoadObject(pictureName, 2);
        ImgViewerTile = LoadObject(tileName, 2);
    }
    ViewerScroll = 0;
    ViewerHeight = height;
}

void ToggleViewer() {
    if (ViewerOn == 1)
        ViewerOn = 0;
    else if (ViewerHeight != 0)
        ViewerOn = 1;
}

}  // namespace fwDraw
