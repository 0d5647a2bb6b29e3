// The drawing-object table: every picture lives in one of its 500 records,
// and an image handle is a record's index. Records 0 to 3 are the screen-size
// surfaces of the framework; loaders hand out 4 to 499, so 0 means failure.
#pragma once
#include <cstdint>
#include <string>

namespace plat {
struct Surface;
struct Bitmap;
}  // namespace plat

struct DrawObject {
    plat::Surface* surface;  // none while the record holds no picture
    char name[32];           // "": free; "*": created empty; else where it was loaded from
    uint32_t fromPack;       // 1: loaded from the image pack (reloads from there)
    uint32_t placement;
    uint32_t colorKey;  // COLORREF of the source key; 0xFFFFFFFF: the top-left pixel
    uint16_t width;
    uint16_t height;
};

constexpr int kDrawObjectCount = 500;
constexpr int kFirstLoadedObject = 4;
constexpr int kBufferSprite = 0;  // scratch of the enlarging effects
constexpr int kScreenSprite = 1;  // the frame captured for the opening wipes
constexpr int kFontSprite = 2;
constexpr int kFontBufferSprite = 3;
constexpr uint32_t kColorKeyTopLeft = 0xFFFFFFFFu;

extern DrawObject DrawObjects[kDrawObjectCount];
extern uint32_t DefaultColorKey;
extern uint32_t DefaultColorKeyAuto;

namespace fwDraw {

int LoadObject(const char* name, int placement);
int CreateObject(int width, int height, int placement);
int SwapObject(const char* name, int handle, int placement);
void ReleaseObject(int handle);
void RestoreAll();
void ReleaseAll();
void SetDefaultColorKey(uint32_t colorRef);
void SetDefaultColorKeyAuto();
int32_t CopyColorKey(int dstHandle, int srcHandle);
int32_t SetObjectColorKey(int handle, uint32_t colorRef);
int32_t SetObjectColorKeyAuto(int handle);
int32_t ClearBackBuffer();
int32_t ClearObject(int handle);
int32_t FillRectBlack(int left, int top, int right, int bottom);
int32_t DrawFrameRect(int left, int top, int right, int bottom);
int32_t FillScreenColor();
int32_t FillRectColor(int left, int top, int right, int bottom);
int32_t FillRectColor16(int left, int top, int right, int bottom, uint16_t color);
int HalfBlendRect(int left, int top, int right, int bottom, uint16_t color);

// Releases a record's surface and leaves the record free.
void ResetRecord(DrawObject& record);
// The surface of a record, or nullptr for a bad handle or an empty record.
plat::Surface* ObjectSurface(int handle);

// Bitmap routines beneath the loaders.
int32_t CopyBitmap(plat::Surface* surface, const plat::Bitmap* bitmap, int sourceX, int sourceY, int sourceWidth,
                   int sourceHeight);
uint32_t ColorMatch(plat::Surface* surface, uint32_t colorRef);
int32_t SetSurfaceColorKey(plat::Surface* surface, uint32_t colorRef);
// *fault, when given, says what is wrong with a file that cannot be loaded
// where the reader can tell more than that it is not a bitmap it takes.
plat::Surface* LoadBitmapFile(const std::string& path, uint16_t* outWidth, uint16_t* outHeight, int placement,
                              std::string* fault = nullptr);

// Reloads a record from the image pack; the reload path of RestoreAll for
// records with fromPack set.
int SwapPack(const char* name, int handle, int placement);

}  // namespace fwDraw
