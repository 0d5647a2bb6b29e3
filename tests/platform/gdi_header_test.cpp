#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/gdi.h"
#include "tests/support/bitmaps.h"
#include "tests/support/temp_folder.h"

namespace {

// A bitmap of w x h at the given depth and compression, with its palette
// or bit-field masks and `data` bytes of pixels.
std::vector<uint8_t> Header(int32_t w, int32_t h, uint16_t bits, uint32_t compression, uint32_t data) {
    const size_t extra = bits <= 8 ? size_t{4} << bits : compression == 3 ? 12 : 0;
    return testsupport::BitmapBytes(w, h, bits, compression, extra, data);
}

bool Fits(const std::vector<uint8_t>& b) { return plat::BitmapHeaderFits(b.data(), b.size(), b.size()); }

// The same with the old 12-byte header (3-byte palette entries).
std::vector<uint8_t> Core(int32_t w, int32_t h, uint16_t bits, uint32_t data) {
    return testsupport::BitmapBytes(w, h, bits, 0, bits <= 8 ? size_t{3} << bits : 0, data, 0, 12);
}

TEST(BitmapHeader, TakesOnlyPicturesWhoseRowsAreInTheFile) {
    EXPECT_TRUE(Fits(Header(3, 2, 24, 0, 2 * 12)));     // rows padded to 4 bytes
    EXPECT_FALSE(Fits(Header(3, 2, 24, 0, 2 * 12 - 1)));
    EXPECT_TRUE(Fits(Header(3, -2, 24, 0, 2 * 12)));    // top-down rows
    EXPECT_TRUE(Fits(Header(16384, 1, 8, 0, 16384)));
    EXPECT_FALSE(Fits(Header(16385, 1, 8, 0, 16385)));
    EXPECT_FALSE(Fits(Header(0, 1, 8, 0, 4)));
    EXPECT_FALSE(Fits(Header(1, 0, 8, 0, 4)));
    EXPECT_FALSE(Fits(Header(-1, 1, 8, 0, 4)));
    EXPECT_FALSE(Fits(Header(1, 1, 7, 0, 4)));          // no such depth
    EXPECT_FALSE(Fits(Header(4, 4, 8, 1, 64)));         // run-length coded: unbounded claims
    EXPECT_TRUE(Fits(Header(2, 2, 16, 3, 8)));          // bit fields
    EXPECT_FALSE(Fits(Header(30000, 20000, 24, 0, 46)));
    // The old header's sides are unsigned: 0xFFFF is 65535 rows, not one.
    EXPECT_FALSE(Fits(Core(2048, 0xFFFF, 24, 2048 * 3)));
    EXPECT_FALSE(Fits(Core(16384, 0xFFFF, 24, 16384 * 3)));
    auto tall = Core(2048, 0xFFFF, 1, 0);  // every row in the file, but too many pixels
    EXPECT_FALSE(plat::BitmapHeaderFits(tall.data(), tall.size(), tall.size() + int64_t{256} * 0xFFFF));
    auto cut = Header(3, 2, 24, 0, 24);
    EXPECT_FALSE(plat::BitmapHeaderFits(cut.data(), 20, 20));  // cut inside the header
}

// SDL's allocations are counted while a huge claim is refused.
size_t gLargestSdlAlloc = 0;
SDL_malloc_func gMalloc;
SDL_calloc_func gCalloc;
SDL_realloc_func gRealloc;
SDL_free_func gFree;
void* CountMalloc(size_t n) {
    gLargestSdlAlloc = std::max(gLargestSdlAlloc, n);
    return gMalloc(n);
}
void* CountCalloc(size_t n, size_t size) {
    gLargestSdlAlloc = std::max(gLargestSdlAlloc, n * size);
    return gCalloc(n, size);
}
void* CountRealloc(void* p, size_t n) {
    gLargestSdlAlloc = std::max(gLargestSdlAlloc, n);
    return gRealloc(p, n);
}

TEST(BitmapHeader, AShortFileClaimingAHugePictureIsRefusedWithoutAllocatingIt) {
    testsupport::TempFolder folder;
    const std::string path = folder.path + "/huge.bmp";
    auto bytes = Header(30000, 20000, 24, 0, 46);
    ASSERT_EQ(bytes.size(), 100u);
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);

    SDL_GetMemoryFunctions(&gMalloc, &gCalloc, &gRealloc, &gFree);
    gLargestSdlAlloc = 0;
    ASSERT_EQ(SDL_SetMemoryFunctions(CountMalloc, CountCalloc, CountRealloc, gFree), 0);
    plat::Bitmap* b = plat::LoadBitmapFile(path);
    SDL_SetMemoryFunctions(gMalloc, gCalloc, gRealloc, gFree);
    EXPECT_EQ(b, nullptr);
    EXPECT_LE(gLargestSdlAlloc, 4096u);
}

}  // namespace
