#include "platform/surface.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/key_runs.h"

namespace plat {
namespace {

constexpr int kMaxSide = 16384;
constexpr uint16_t kLostPattern = 0xF81F;  // what a lost surface's memory shows

std::vector<Surface*> gLive;  // every surface not yet released
int gFailCountdown = 0;

bool Inside(const Surface* s, const Rect& r) {
    return r.left >= 0 && r.top >= 0 && r.left <= r.right && r.top <= r.bottom && r.right <= s->width &&
           r.bottom <= s->height;
}

int32_t CheckUsable(const Surface* s) {
    if (!s) return kInvalidParams;
    if (s->lost) return kSurfaceLost;
    if (s->locks > 0) return kSurfaceBusy;
    return kOk;
}

// Copies one row of n pixels, leaving out keyed pixels when asked. A keyed
// row never overlaps its source here: a surface copying onto itself hands
// over a copy of an overlapping row.
inline void CopyRow(uint16_t* d, const uint16_t* s, int n, bool keyed, uint16_t lo, uint16_t hi) {
    if (keyed)
        KeyedMerge(d, s, n, lo, hi);
    else
        std::memmove(d, s, static_cast<size_t>(n) * sizeof(uint16_t));
}

size_t MemoryPixels(const Surface* s) { return static_cast<size_t>(s->pitch) * s->height; }

// The surface's pixels or key change: what was learnt about them goes.
void Forget(Surface* s) {
    delete s->keyRuns;
    s->keyRuns = nullptr;
    s->keyedRead = 0;
}

// The key runs for a keyed copy of `pixels` pixels from s, learnt when the
// copies since s last changed have read as much as the whole surface.
const KeyRuns* RunsFor(Surface* s, int64_t pixels) {
    if (!s->keyRuns && (s->keyedRead += pixels) >= static_cast<int64_t>(s->width) * s->height)
        s->keyRuns = new KeyRuns(*s);
    return s->keyRuns;
}

void Unlink(Surface* target) {
    target->copyOf->copiedTo = nullptr;
    target->copyOf = nullptr;
}

// Makes the noted copy to target: its memory takes the source's picture.
void MakeCopy(Surface* target) {
    Forget(target);
    std::memcpy(target->pixels, target->copyOf->pixels, MemoryPixels(target) * sizeof(uint16_t));
    Unlink(target);
}

// s is about to be overwritten whole: a surface still showing it takes its
// memory as it is (trading memory with s), and a copy noted to s is dropped.
void ReadyToOverwrite(Surface* s) {
    Forget(s);
    if (Surface* target = s->copiedTo) {
        Forget(target);
        std::swap(target->pixels, s->pixels);
        Unlink(target);
    }
    if (s->copyOf) Unlink(s);
}

// A whole, unkeyed copy of src onto dst of the same size is noted rather
// than made; false when the copy is not such a one.
bool NoteWholeCopy(Surface* dst, Surface* src, const Rect& dstRect, const Rect& srcRect, bool keyed) {
    const Rect whole{0, 0, src->width, src->height};
    auto same = [](const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    };
    if (keyed || dst == src || dst->width != src->width || dst->height != src->height || !same(srcRect, whole) ||
        !same(dstRect, whole))
        return false;
    if (dst->copyOf == src) return true;  // already showing src as it is now
    ReadyToOverwrite(dst);
    ReadyToRead(src);
    if (src->copiedTo) MakeCopy(src->copiedTo);  // one target at a time
    dst->copyOf = src;
    src->copiedTo = dst;
    return true;
}

}  // namespace

const Surface* PictureOf(const Surface* s) { return s && s->copyOf ? s->copyOf : s; }

void ReadyToRead(Surface* s) {
    if (s && s->copyOf) MakeCopy(s);
}

void ReadyToWrite(Surface* s) {
    if (!s) return;
    ReadyToRead(s);
    if (s->copiedTo) MakeCopy(s->copiedTo);
    Forget(s);
}

PixelFormat SurfacePixelFormat() { return {16, 0xF800, 0x07E0, 0x001F}; }

Surface* CreateSurface(int width, int height) {
    if (gFailCountdown > 0 && --gFailCountdown == 0) return nullptr;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    auto* s = new Surface;
    s->width = width;
    s->height = height;
    s->pitch = (width + 15) & ~15;  // rows start on 32-byte boundaries
    // Slack after the last row: vector kernels may read or write back whole
    // words and vectors starting at any pixel of the surface.
    s->pixels = new uint16_t[static_cast<size_t>(s->pitch) * height + kSlackPixels]();
    gLive.push_back(s);
    return s;
}

void ReleaseSurface(Surface* s) {
    if (!s) return;
    if (s->copyOf) Unlink(s);  // nothing to keep for a surface that goes
    ReadyToWrite(s);
    gLive.erase(std::remove(gLive.begin(), gLive.end(), s), gLive.end());
    delete[] s->pixels;
    delete s;
}

int32_t Lock(Surface* s, LockedPixels& out) {
    if (!s) return kInvalidParams;
    if (s->lost) return kSurfaceLost;
    ReadyToWrite(s);
    ++s->locks;
    out.pixels = s->pixels;
    out.pitch = s->pitch;
    out.width = s->width;
    out.height = s->height;
    return kOk;
}

int32_t Unlock(Surface* s) {
    if (!s) return kInvalidParams;
    if (s->locks <= 0) return kFail;
    --s->locks;
    return kOk;
}

int32_t SetColorKey(Surface* s, uint16_t low, uint16_t high) {
    if (!s) return kInvalidParams;
    if (s->lost) return kSurfaceLost;
    Forget(s);
    s->hasKey = true;
    s->keyLow = low;
    s->keyHigh = high;
    return kOk;
}

int32_t GetColorKey(const Surface* s, uint16_t& low, uint16_t& high) {
    if (!s) return kInvalidParams;
    if (!s->hasKey) return kNoColorKey;
    low = s->keyLow;
    high = s->keyHigh;
    return kOk;
}

int32_t Fill(Surface* t, const Rect* rect, uint16_t color) {
    if (int32_t r = CheckUsable(t)) return r;
    Rect whole{0, 0, t->width, t->height};
    const Rect& r = rect ? *rect : whole;
    if (!Inside(t, r)) return kInvalidRect;
    if (r.left == 0 && r.top == 0 && r.right == t->width && r.bottom == t->height)
        ReadyToOverwrite(t);
    else
        ReadyToWrite(t);
    uint16_t* first = t->pixels + static_cast<size_t>(r.top) * t->pitch + r.left;
    const size_t w = static_cast<size_t>(r.right - r.left);
    if (w == static_cast<size_t>(t->pitch)) {
        // Whole rows with no gap between them: one run, and a byte fill
        // (the string-store path, that need not read the memory it fills)
        // where both bytes of the pixel agree, as they do for black.
        const size_t n = w * static_cast<size_t>(r.bottom - r.top);
        if ((color >> 8) == (color & 0xFF))
            std::memset(first, color & 0xFF, n * sizeof(uint16_t));
        else
            std::fill_n(first, n, color);
        return kOk;
    }
    for (int y = r.top; y < r.bottom; ++y) std::fill_n(first + static_cast<size_t>(y - r.top) * t->pitch, w, color);
    return kOk;
}

int32_t CopyFast(Surface* dst, int32_t x, int32_t y, Surface* src, const Rect& sr, bool keyed) {
    if (int32_t r = CheckUsable(dst)) return r;
    if (int32_t r = CheckUsable(src)) return r;
    if (!Inside(src, sr)) return kInvalidRect;
    int w = sr.right - sr.left, h = sr.bottom - sr.top;
    // Computed in 64 bits: a far-off position must not wrap into the surface.
    int64_t x1 = static_cast<int64_t>(x) + w, y1 = static_cast<int64_t>(y) + h;
    if (x < 0 || y < 0 || x1 > dst->width || y1 > dst->height) return kInvalidRect;
    keyed = keyed && src->hasKey;
    ReadyToRead(src);
    ReadyToWrite(dst);
    // Rows run bottom-up when a surface copies onto a lower part of itself;
    // a keyed row that overlaps itself goes through a copy of the row.
    const bool self = dst == src;
    const bool backwards = self && y > sr.top;
    // A picture drawn often skips its keyed stretches unread.
    if (keyed && !self) {
        if (const KeyRuns* runs = RunsFor(src, static_cast<int64_t>(w) * h)) {
            runs->CopyRows({dst->pixels + static_cast<size_t>(y) * dst->pitch + x, dst->pitch,
                            src->pixels + static_cast<size_t>(sr.top) * src->pitch, src->pitch, sr.top, sr.bottom,
                            sr.left, sr.right});
            return kOk;
        }
    }
    static std::vector<uint16_t> rowCopy;
    for (int i = 0; i < h; ++i) {
        int row = backwards ? h - 1 - i : i;
        const uint16_t* s = src->pixels + static_cast<size_t>(sr.top + row) * src->pitch + sr.left;
        uint16_t* d = dst->pixels + static_cast<size_t>(y + row) * dst->pitch + x;
        if (self && keyed && d < s + w && s < d + w) {
            rowCopy.assign(s, s + w);
            s = rowCopy.data();
        }
        CopyRow(d, s, w, keyed, src->keyLow, src->keyHigh);
    }
    return kOk;
}

int32_t CopyStretched(Surface* dst, const Rect& dr, Surface* src, const Rect& sr, bool keyed) {
    if (int32_t r = CheckUsable(dst)) return r;
    if (int32_t r = CheckUsable(src)) return r;
    if (!Inside(src, sr)) return kInvalidRect;
    int64_t dw = static_cast<int64_t>(dr.right) - dr.left, dh = static_cast<int64_t>(dr.bottom) - dr.top;
    int64_t sw = sr.right - sr.left, sh = sr.bottom - sr.top;
    if (dw < 0 || dh < 0) return kInvalidRect;
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return kOk;
    if (dst == src) return kInvalidParams;  // an overlapping scaled copy has no defined result
    keyed = keyed && src->hasKey;
    if (NoteWholeCopy(dst, src, dr, sr, keyed)) return kOk;
    ReadyToRead(src);
    ReadyToWrite(dst);
    if (dw == sw && dh == sh && dr.left >= 0 && dr.top >= 0 && dr.right <= dst->width && dr.bottom <= dst->height) {
        for (int y = 0; y < sh; ++y)
            CopyRow(dst->pixels + static_cast<size_t>(dr.top + y) * dst->pitch + dr.left,
                    src->pixels + static_cast<size_t>(sr.top + y) * src->pitch + sr.left, static_cast<int>(sw), keyed,
                    src->keyLow, src->keyHigh);
        return kOk;
    }
    int64_t x0 = std::max<int64_t>(dr.left, 0), x1 = std::min<int64_t>(dr.right, dst->width);
    int64_t y0 = std::max<int64_t>(dr.top, 0), y1 = std::min<int64_t>(dr.bottom, dst->height);
    if (x0 >= x1) return kOk;
    // Source column of destination column x is sr.left + (x - dr.left) * sw / dw;
    // it is stepped exactly as a quotient and remainder, with no division per
    // pixel, and kept once for all rows.
    static std::vector<int32_t> columns;
    columns.resize(static_cast<size_t>(x1 - x0));
    const int64_t step = sw / dw, stepRest = sw % dw;
    int64_t q = (x0 - dr.left) * sw / dw, r = (x0 - dr.left) * sw % dw;
    for (auto& c : columns) {
        c = static_cast<int32_t>(sr.left + q);
        q += step;
        r += stepRest;
        if (r >= dw) {
            ++q;
            r -= dw;
        }
    }
    // Each source row is widened once into a scratch row, which the rows of
    // the destination that show it then take with a plain or keyed copy.
    static std::vector<uint16_t> widened;
    widened.resize(columns.size());
    const uint16_t lo = src->keyLow, hi = src->keyHigh;
    const int32_t* col = columns.data();
    uint16_t* w = widened.data();
    const int n = static_cast<int>(x1 - x0);
    int64_t widenedRow = -1;
    for (int64_t y = y0; y < y1; ++y) {
        const int64_t sy = sr.top + (y - dr.top) * sh / dh;
        if (sy != widenedRow) {
            const uint16_t* s = src->pixels + static_cast<size_t>(sy) * src->pitch;
            for (int i = 0; i < n; ++i) w[i] = s[col[i]];
            widenedRow = sy;
        }
        uint16_t* d = dst->pixels + static_cast<size_t>(y) * dst->pitch + x0;
        if (keyed) KeyedMerge(d, w, n, lo, hi);
        else std::memcpy(d, w, static_cast<size_t>(n) * sizeof(uint16_t));
    }
    return kOk;
}

bool IsLost(const Surface* s) { return s && s->lost; }

int32_t Restore(Surface* s) {
    if (!s) return kInvalidParams;
    s->lost = false;
    return kOk;
}

void MarkSurfaceLost(Surface* s) {
    if (!s) return;
    ReadyToWrite(s);
    s->lost = true;
    std::fill_n(s->pixels, static_cast<size_t>(s->pitch) * s->height, kLostPattern);
}

void MarkAllSurfacesLost() {
    for (Surface* s : gLive) MarkSurfaceLost(s);
}

void FailSurfaceCreation(int nth) { gFailCountdown = nth > 0 ? nth : 0; }

int LiveSurfaceCount() { return static_cast<int>(gLive.size()); }

}  // namespace plat
