// 16-bit RGB565 surfaces in plain memory: the screen's primary and back
// surfaces and every off-screen picture. Each surface has a pitch, can be
// locked for direct pixel access, carries an optional source colour key and
// knows the copies the framework asks of it: colour fill, the fast copy with
// and without the key and the stretched copy.
//
// Results are the codes the framework tests (0 for success). A copy whose
// source rectangle does not lie inside the source, or whose destination does
// not lie inside the target, draws nothing and reports kInvalidRect.
#pragma once
#include <cstdint>

namespace plat {

constexpr int32_t kOk = 0;
constexpr int32_t kFail = static_cast<int32_t>(0x80004005u);          // E_FAIL
constexpr int32_t kInvalidParams = static_cast<int32_t>(0x80070057u); // bad argument
constexpr int32_t kInvalidRect = static_cast<int32_t>(0x88760096u);   // rectangle outside a surface
constexpr int32_t kSurfaceBusy = static_cast<int32_t>(0x887601AEu);   // the surface is locked
constexpr int32_t kSurfaceLost = static_cast<int32_t>(0x887601C2u);   // memory lost; Restore it
constexpr int32_t kNoColorKey = static_cast<int32_t>(0x887600D7u);    // no source key set

struct Rect {
    int32_t left, top, right, bottom;  // right and bottom exclusive
};

// Every surface's pixel memory runs this many pixels past its last row, so
// that vector kernels may read a whole word or vector at any pixel and write
// unchanged pixels back past a row's end.
constexpr int32_t kSlackPixels = 16;

class KeyRuns;

struct Surface {
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0;           // pixels from one row to the next (>= width)
    uint16_t* pixels = nullptr;  // row 0 first; reach it through Lock
    bool hasKey = false;
    uint16_t keyLow = 0, keyHigh = 0;  // pixels in [keyLow, keyHigh] are transparent
    bool lost = false;
    int32_t locks = 0;
    // A whole, unkeyed stretched copy between two surfaces of one size (the
    // present's copy of the back surface to the screen) is only noted: the
    // target shows the source's picture (copyOf) until either surface is next
    // touched, and then takes the source's pixels, by a copy or, when the
    // source is about to be overwritten whole, by trading memory with it.
    Surface* copyOf = nullptr;    // the source this surface still shows
    Surface* copiedTo = nullptr;  // the target still showing this surface
    // Where the keyed pixels lie, learnt once the keyed copies from the
    // surface since its last change have read as many pixels as it holds;
    // any write or a new key forgets it.
    KeyRuns* keyRuns = nullptr;
    int64_t keyedRead = 0;
};

struct PixelFormat {
    uint32_t bitsPerPixel;
    uint32_t redMask, greenMask, blueMask;
};

// The one pixel format of every surface: 16 bits, 5-6-5.
PixelFormat SurfacePixelFormat();

// A new surface of the given size, contents undefined (zero here); nullptr
// when the size is not positive or too large, or when a test asked for the
// creation to fail.
Surface* CreateSurface(int width, int height);
void ReleaseSurface(Surface* surface);

// Direct pixel access. Lock fails with kSurfaceLost on a lost surface; locks
// nest, and each successful Lock needs one Unlock. While a surface is locked
// the copies into or out of it fail with kSurfaceBusy.
struct LockedPixels {
    uint16_t* pixels = nullptr;
    int32_t pitch = 0;  // in pixels
    int32_t width = 0, height = 0;
};
int32_t Lock(Surface* surface, LockedPixels& out);
int32_t Unlock(Surface* surface);

int32_t SetColorKey(Surface* surface, uint16_t low, uint16_t high);
int32_t GetColorKey(const Surface* surface, uint16_t& low, uint16_t& high);  // kNoColorKey when none

// Fills the rectangle (the whole surface for nullptr) with one pixel value.
int32_t Fill(Surface* target, const Rect* rect, uint16_t color);

// The fast copy: source rectangle of src to (x, y) of dst, unscaled. keyed
// leaves out the source pixels inside the source's colour key.
int32_t CopyFast(Surface* dst, int32_t x, int32_t y, Surface* src, const Rect& srcRect, bool keyed);

// The stretched copy: source rectangle onto the destination rectangle,
// nearest neighbour. The destination is cut to the target surface (the
// source pixels that would land outside it are dropped); the source must
// lie inside src.
int32_t CopyStretched(Surface* dst, const Rect& dstRect, Surface* src, const Rect& srcRect, bool keyed);

// The surface whose memory holds s's picture: s itself, or the source of a
// whole copy to s not made yet. For reading only, right away.
const Surface* PictureOf(const Surface* s);

// Every access to a surface's memory from outside these calls (Lock gives
// the pixels ready) first readies the surface: for reading, a copy noted to
// it is made; for writing, also one noted from it, and the surface forgets
// where its keyed pixels lay.
void ReadyToRead(Surface* s);
void ReadyToWrite(Surface* s);

// Surface loss, as a display change causes it. IsLost/Restore as the
// framework uses them; a restored surface's contents are undefined.
bool IsLost(const Surface* surface);
int32_t Restore(Surface* surface);

// Test hooks: mark every live surface (or one) lost, its pixels scrambled;
// make the n-th surface creation from now fail (0 switches it off).
void MarkAllSurfacesLost();
void MarkSurfaceLost(Surface* surface);
void FailSurfaceCreation(int nth);
int LiveSurfaceCount();

}  // namespace plat
