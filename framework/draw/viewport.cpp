#include "framework/draw/viewport.h"

#include <algorithm>

#include "framework/draw/coord.h"
#include "framework/draw/screen.h"
#include "framework/system/named.h"
#include "framework/system/random.h"
#include "framework/system/system.h"

int32_t SavedClipLeft, SavedClipTop, SavedClipRight, SavedClipBottom;
int32_t ViewportEffectState;
int32_t ViewportEffectMode;
int32_t ViewportEffectDir;
float ViewportEffectSpeed;
int32_t ViewportEffectSize;
int32_t ViewportOpened;
int32_t ViewportClosed;

namespace {

named::Registrar reg([] {
    NAMED_SCALAR(SavedClipLeft);
    NAMED_SCALAR(SavedClipTop);
    NAMED_SCALAR(SavedClipRight);
    NAMED_SCALAR(SavedClipBottom);
    NAMED_SCALAR(ViewportEffectState);
    NAMED_SCALAR(ViewportEffectMode);
    NAMED_SCALAR(ViewportEffectDir);
    NAMED_SCALAR(ViewportEffectSpeed);
    NAMED_SCALAR(ViewportEffectSize);
    NAMED_SCALAR(ViewportOpened);
    NAMED_SCALAR(ViewportClosed);
});

constexpr int kIdle = 0, kOpening = 1, kClosing = 2, kClosed = -1;

// The saved rectangle and its centre lines.
struct Frame {
    int32_t l, t, r, b, cx, cy, h;
};

Frame Saved() {
    Frame f{SavedClipLeft, SavedClipTop, SavedClipRight, SavedClipBottom, 0, 0, 0};
    f.cx = f.l + (f.r - f.l) / 2;
    f.cy = f.t + (f.b - f.t) / 2;
    f.h = ViewportEffectSize / 2;
    return f;
}

void RestoreSaved() {
    ClipLeft = SavedClipLeft;
    ClipTop = SavedClipTop;
    ClipRight = SavedClipRight;
    ClipBottom = SavedClipBottom;
}

// Opening: a pair of edges moves apart; when either reaches its saved
// value both take their saved values.
void OpenPair(int32_t& lo, int32_t& hi, int32_t savedLo, int32_t savedHi, int d) {
    lo -= d;
    hi += d;
    if (lo <= savedLo || hi >= savedHi) {
        lo = savedLo;
        hi = savedHi;
    }
}

// Returns true when the opening has finished.
bool Open(const Frame& f, int d) {
    switch (ViewportEffectDir) {
    case 1:
        ClipTop -= d;
        if (ClipTop > f.t) return false;
        ClipTop = f.t;
        return true;
    case 2:
        ClipBottom += d;
        if (ClipBottom < f.b) return false;
        ClipBottom = f.b;
        return true;
    case 3:
        ClipLeft -= d;
        if (ClipLeft > f.l) return false;
        ClipLeft = f.l;
        return true;
    case 4:
        ClipRight += d;
        if (ClipRight < f.r) return false;
        ClipRight = f.r;
        return true;
    case 5:
        OpenPair(ClipTop, ClipBottom, f.t, f.b, d);
        return ClipTop == f.t;
    case 6:
        OpenPair(ClipLeft, ClipRight, f.l, f.r, d);
        return ClipLeft == f.l;
    case 7:
        if (ClipTop != f.t || ClipBottom != f.b) OpenPair(ClipTop, ClipBottom, f.t, f.b, d);
        if (ClipLeft != f.l || ClipRight != f.r) OpenPair(ClipLeft, ClipRight, f.l, f.r, d);
        break;
    case 8:
        if (ClipTop != f.t || ClipBottom != f.b)
            OpenPair(ClipTop, ClipBottom, f.t, f.b, d);
        else
            OpenPair(ClipLeft, ClipRight, f.l, f.r, d);
        break;
    case 9:
        if (ClipLeft != f.l || ClipRight != f.r)
            OpenPair(ClipLeft, ClipRight, f.l, f.r, d);
        else
            OpenPair(ClipTop, ClipBottom, f.t, f.b, d);
        break;
    }
    return ClipLeft == f.l && ClipTop == f.t && ClipRight == f.r && ClipBottom == f.b;
}

// Closing: a pair moves inward; when it meets or crosses the given stops
// both take them. True once the pair stands on its stops.
bool ClosePair(int32_t& lo, int32_t& hi, int32_t stopLo, int32_t stopHi, int d) {
    if (lo == stopLo && hi == stopHi) return true;
    lo += d;
    hi -= d;
    if (lo >= stopLo || hi <= stopHi) {
        lo = stopLo;
        hi = stopHi;
    }
    return false;
}

// Closing of shape 7: a pair moves inward until its edges meet or cross,
// then both stand on the centre line.
void MeetPair(int32_t& lo, int32_t& hi, int32_t centre, int d) {
    if (lo == centre && hi == centre) return;
    lo += d;
    hi -= d;
    if (lo >= hi) lo = hi = centre;
}

// Returns true when the closing has finished.
bool Close(const Frame& f, int d) {
    switch (ViewportEffectDir) {
    case 1:
        ClipTop += d;
        return ClipTop >= f.b;
    case 2:
        ClipBottom -= d;
        return ClipBottom <= f.t;
    case 3:
        ClipLeft += d;
        return ClipLeft >= f.r;
    case 4:
        ClipRight -= d;
        return ClipRight <= f.l;
    case 5:
        ClipTop += d;
        ClipBottom -= d;
        return ClipBottom <= ClipTop;
    case 6:
        ClipLeft += d;
        ClipRight -= d;
        return ClipRight <= ClipLeft;
    case 7:
        // Each pair closes until its two edges meet or cross each other
        // (on an odd size one edge passes the centre line a frame early).
        MeetPair(ClipTop, ClipBottom, f.cy, d);
        MeetPair(ClipLeft, ClipRight, f.cx, d);
        return ClipTop == f.cy && ClipBottom == f.cy && ClipLeft == f.cx && ClipRight == f.cx;
    case 8:
        if (!ClosePair(ClipLeft, ClipRight, f.cx - f.h, f.cx + f.h, d)) return false;
        ClipTop += d;
        ClipBottom -= d;
        return ClipBottom <= ClipTop;
    case 9:
        if (!ClosePair(ClipTop, ClipBottom, f.cy - f.h, f.cy + f.h, d)) return false;
        ClipLeft += d;
        ClipRight -= d;
        return ClipRight <= ClipLeft;
    }
    return true;
}

}  // namespace

namespace fwDraw {

int StartViewportEffect(int mode, int shape, float speed, int size) {
    if (ViewportEffectState == kOpening || ViewportEffectState == kClosing) return 0;
    if (shape < 0 || shape > 9) return 0;
    if (ViewportEffectState == kClosed) RestoreSaved();
    SavedClipLeft = ClipLeft;
    SavedClipTop = ClipTop;
    SavedClipRight = ClipRight;
    SavedClipBottom = ClipBottom;
    if (shape == 0) shape = rng::rand() % 9 + 1;
    ViewportOpened = 0;
    ViewportClosed = 0;
    ViewportEffectMode = mode;
    ViewportEffectDir = shape;
    ViewportEffectSpeed = speed;
    ViewportEffectSize = size;
    if (mode != 0) {
        ViewportEffectState = kClosing;
        return 1;
    }
    ViewportEffectState = kOpening;
    const Frame f = Saved();
    switch (shape) {
    case 1: ClipTop = f.b; break;
    case 2: ClipBottom = f.t; break;
    case 3: ClipLeft = f.r; break;
    case 4: ClipRight = f.l; break;
    case 5: ClipTop = ClipBottom = f.cy; break;
    case 6: ClipLeft = ClipRight = f.cx; break;
    case 7:
        ClipLeft = ClipRight = f.cx;
        ClipTop = ClipBottom = f.cy;
        break;
    case 8:
        ClipTop = ClipBottom = f.cy;
        ClipLeft = f.cx - f.h;
        ClipRight = f.cx + f.h;
        break;
    case 9:
        ClipLeft = ClipRight = f.cx;
        ClipTop = f.cy - f.h;
        ClipBottom = f.cy + f.h;
        break;
    }
    return 1;
}

void ResetViewportEffect() {
    SavedClipLeft = ClipLeft;
    SavedClipTop = ClipTop;
    SavedClipRight = ClipRight;
    SavedClipBottom = ClipBottom;
    ClipRight = ClipLeft;
    ClipBottom = ClipTop;
    ViewportEffectState = kClosed;
}

int UpdateViewportEffect() {
    if (ViewportEffectState != kOpening && ViewportEffectState != kClosing) return 0;
    // Saturated and bounded, so that an absurd speed only opens or closes
    // the viewport at once; no edge moves further than a screen in one frame.
    int d = std::min(fwDraw::ToBlitCoord(FrameSeconds * ViewportEffectSpeed), 1 << 16) + 1;
    if (d < 1) d = 1;
    const Frame f = Saved();
    if (ViewportEffectState == kOpening) {
        if (Open(f, d)) {
            ViewportEffectState = kIdle;
            ViewportOpened = 1;
        }
    } else if (Close(f, d)) {
        ViewportEffectState = kClosed;
        ViewportClosed = 1;
    }
    return 1;
}

}  // namespace fwDraw
