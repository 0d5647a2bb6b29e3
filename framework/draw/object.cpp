#include "framework/draw/object.h"

#include <algorithm>
#include <cstring>

#include "framework/draw/screen.h"
#include "framework/system/named.h"
#include "framework/system/system.h"
#include "platform/gdi.h"
#include "platform/present.h"
#include "platform/surface.h"

DrawObject DrawObjects[kDrawObjectCount];
uint32_t DefaultColorKey;
uint32_t DefaultColorKeyAuto;

namespace {

named::Registrar reg([] {
    NAMED_POOL(DrawObjects,
                {NAMED_FIELD(DrawObject, fromPack), NAMED_FIELD(DrawObject, placement),
                 NAMED_FIELD(DrawObject, colorKey), NAMED_FIELD(DrawObject, width), NAMED_FIELD(DrawObject, height)},
                nullptr);
    NAMED_SCALAR(DefaultColorKey);
    NAMED_SCALAR(DefaultColorKeyAuto);
});

constexpr size_t kMaxName = sizeof(DrawObject::name) - 1;  // 31 characters and more are refused
constexpr const char* kTooLong = "ファイル名またはリソース名が長すぎます";
constexpr const char* kTooMany = "オブジェクト数が多過ぎます";
constexpr const char* kUnreadable = "BMPファイルを読み込めません";

bool ValidHandle(int handle) { return handle >= 0 && handle < kDrawObjectCount; }

bool NameTooLong(const char* name) { return std::strlen(name) >= kMaxName; }

void StoreName(DrawObject& rec, const char* name) {
    if (rec.name == name) return;
    std::strncpy(rec.name, name, kMaxName);
    rec.name[kMaxName] = '\0';
}

// The lowest free record from 4 on, or -1.
int FreeRecord() {
    for (int i = kFirstLoadedObject; i < kDrawObjectCount; ++i)
        if (DrawObjects[i].name[0] == '\0') return i;
    return -1;
}

// The colour key a new picture gets from the defaults.
void KeyFromDefaults(DrawObject& rec) {
    if (DefaultColorKeyAuto == 0) {
        fwDraw::SetSurfaceColorKey(rec.surface, DefaultColorKey);
        rec.colorKey = DefaultColorKey;
    } else {
        fwDraw::SetSurfaceColorKey(rec.surface, kColorKeyTopLeft);
        rec.colorKey = kColorKeyTopLeft;
    }
}

// Loads the record's named bitmap into it (the file beside the executable;
// the program carries no bitmap resources to fall back on). *fault says
// what is wrong with a file that cannot be loaded, where the reader can tell.
bool LoadInto(DrawObject& rec, int placement, std::string* fault) {
    std::string path = fwSystem::GetExeDirectory(0) + rec.name;
    rec.surface = fwDraw::LoadBitmapFile(path, &rec.width, &rec.height, placement, fault);
    if (!rec.surface) return false;
    KeyFromDefaults(rec);
    return true;
}

int32_t FillOn(plat::Surface* target, int left, int top, int right, int bottom, uint32_t color) {
    plat::Rect r{left, top, right, bottom};
    return plat::Fill(target, &r, static_cast<uint16_t>(color));
}

}  // namespace

namespace fwDraw {

plat::Surface* ObjectSurface(int handle) { return ValidHandle(handle) ? DrawObjects[handle].surface : nullptr; }

int LoadObject(const char* name, int placement) {
    constexpr const char* where = "fwDraw::LoadObject";
    if (!name) name = "";
    if (NameTooLong(name)) return fwSystem::ShowErrorBox(where, kTooLong);
    int index = FreeRecord();
    if (index < 0) return fwSystem::ShowErrorBox(where, kTooMany);
    DrawObject& rec = DrawObjects[index];
    StoreName(rec, name);
    rec.fromPack = 0;
    rec.placement = 2;
    std::string fault;
    if (!LoadInto(rec, placement, &fault)) return fwSystem::ShowErrorBox(where, kUnreadable, name, fault);
    return index;
}

int CreateObject(int width, int height, int placement) {
    constexpr const char* where = "fwDraw::CreateObject";
    (void)placement;
    int index = FreeRecord();
    if (index < 0) return fwSystem::ShowErrorBox(where, kTooMany);
    DrawObject& rec = DrawObjects[index];
    StoreName(rec, "*");
    rec.fromPack = 0;
    rec.placement = 2;
    rec.width = static_cast<uint16_t>(width);
    rec.height = static_cast<uint16_t>(height);
    rec.surface = plat::CreateSurface(width, height);
    if (!rec.surface) {
        ResetRecord(rec);  // a failed creation leaves the record free, not taken by a nameless "*"
        return fwSystem::ShowErrorBox(where, "スプライトを作成できません");
    }
    KeyFromDefaults(rec);
    return index;
}

int SwapObject(const char* name, int handle, int placement) {
    constexpr const char* where = "fwDraw::SwapObject";
    if (!name) name = "";
    if (NameTooLong(name)) return fwSystem::ShowErrorBox(where, kTooLong);
    if (!ValidHandle(handle)) return fwSystem::ShowErrorBox(where, kUnreadable);
    DrawObject& rec = DrawObjects[handle];
    plat::ReleaseSurface(rec.surface);
    rec.surface = nullptr;
    StoreName(rec, name);
    rec.fromPack = 0;
    rec.placement = 2;
    std::string fault;
    if (!LoadInto(rec, placement, &fault)) return fwSystem::ShowErrorBox(where, kUnreadable, name, fault);
    return 1;
}

void ReleaseObject(int handle) {
    if (!ValidHandle(handle)) return;
    DrawObject& rec = DrawObjects[handle];
    if (!rec.surface) return;
    plat::ReleaseSurface(rec.surface);
    rec.surface = nullptr;
    rec.name[0] = '\0';
    rec.colorKey = 0;
    rec.width = 0;
    rec.height = 0;
}

void RestoreAll() {
    plat::Restore(PrimarySurface);
    if (plat::IsLost(BackSurface)) plat::Restore(BackSurface);
    for (int i = 0; i < kFirstLoadedObject; ++i)
        if (plat::IsLost(DrawObjects[i].surface)) plat::Restore(DrawObjects[i].surface);
    for (int i = kFirstLoadedObject; i < kDrawObjectCount; ++i) {
        DrawObject& rec = DrawObjects[i];
        if (rec.name[0] == '\0' || !plat::IsLost(rec.surface)) continue;
        plat::Restore(rec.surface);
        if (std::strcmp(rec.name, "*") == 0) continue;
        SetDefaultColorKey(rec.colorKey);
        // The name is copied out: the reload writes it back into the record.
        char name[sizeof(rec.name)];
        std::memcpy(name, rec.name, sizeof(name));
        if (rec.fromPack == 0)
            SwapObject(name, i, static_cast<int>(rec.placement));
        else
            SwapPack(name, i, static_cast<int>(rec.placement));
    }
}

void ResetRecord(DrawObject& rec) {
    plat::ReleaseSurface(rec.surface);
    rec.surface = nullptr;
    rec.name[0] = '\0';
    rec.fromPack = 0;
    rec.placement = 2;
    rec.colorKey = 0;
    rec.width = 0;
    rec.height = 0;
}

void ReleaseAll() {
    if (!DirectDraw) return;
    for (auto& rec : DrawObjects) ResetRecord(rec);
    Clipper = 0;
    plat::RestoreDisplayMode();
    plat::ReleaseSurface(PrimarySurface);
    plat::ReleaseSurface(BackSurface);
    PrimarySurface = nullptr;
    BackSurface = nullptr;
    DirectDraw = 0;
}

void SetDefaultColorKey(uint32_t colorRef) {
    DefaultColorKey = colorRef;
    DefaultColorKeyAuto = 0;
}

void SetDefaultColorKeyAuto() { DefaultColorKeyAuto = 1; }

int32_t CopyColorKey(int dstHandle, int srcHandle) {
    plat::Surface* dst = ObjectSurface(dstHandle);
    plat::Surface* src = ObjectSurface(srcHandle);
    if (!dst || !src) return plat::kInvalidParams;
    uint16_t lo = 0, hi = 0;
    if (int32_t r = plat::GetColorKey(src, lo, hi)) return r;
    return plat::SetColorKey(dst, lo, hi);
}

int32_t SetObjectColorKey(int handle, uint32_t colorRef) {
    if (!ObjectSurface(handle)) return plat::kInvalidParams;
    DrawObjects[handle].colorKey = colorRef;
    return SetSurfaceColorKey(DrawObjects[handle].surface, colorRef);
}

int32_t SetObjectColorKeyAuto(int handle) { return SetObjectColorKey(handle, kColorKeyTopLeft); }

int32_t ClearBackBuffer() { return FillOn(BackSurface, 0, 0, ScreenWidth, ScreenHeight, 0); }

int32_t ClearObject(int handle) {
    if (!ObjectSurface(handle)) return plat::kInvalidParams;
    const DrawObject& rec = DrawObjects[handle];
    return FillOn(rec.surface, 0, 0, rec.width, rec.height, 0);
}

int32_t FillRectBlack(int left, int top, int right, int bottom) {
    return FillOn(BackSurface, left, top, right, bottom, 0);
}

int32_t DrawFrameRect(int left, int top, int right, int bottom) {
    int32_t results[4] = {
        FillOn(BackSurface, left, top, right, top + 1, 0),
        FillOn(BackSurface, left, bottom - 1, right, bottom, 0),
        FillOn(BackSurface, left, top, left + 1, bottom, 0),
        FillOn(BackSurface, right - 1, top, right, bottom, 0),
    };
    for (int32_t r : results)
        if (r != plat::kOk) return r;
    return plat::kOk;
}

int32_t FillScreenColor() { return FillOn(BackSurface, 0, 0, ScreenWidth, ScreenHeight, WhitePixel); }

int32_t FillRectColor(int left, int top, int right, int bottom) {
    return FillOn(BackSurface, left, top, right, bottom, WhitePixel);
}

int32_t FillRectColor16(int left, int top, int right, int bottom, uint16_t color) {
    return FillOn(BackSurface, left, top, right, bottom, color);
}

int HalfBlendRect(int left, int top, int right, int bottom, uint16_t color) {
    right = std::min(right, ClipRight);
    bottom = std::min(bottom, ClipBottom);
    left = std::max(left, ClipLeft);
    top = std::max(top, ClipTop);
    if (right < left || bottom < top) return 1;
    plat::LockedPixels px;
    if (plat::Lock(BackSurface, px) != plat::kOk) return 0;
    // The clip rectangle may reach past the surface; the surface bounds the rest.
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, px.width);
    bottom = std::min(bottom, px.height);
    const uint16_t half = static_cast<uint16_t>(HalfMask);
    const uint16_t h = static_cast<uint16_t>((color >> 1) & half);
    for (int y = top; y < bottom; ++y) {
        uint16_t* row = px.pixels + static_cast<size_t>(y) * px.pitch;
        for (int x = left; x < right; ++x) row[x] = static_cast<uint16_t>(((row[x] >> 1) & half) + h);
    }
    plat::Unlock(BackSurface);
    return 1;
}

int32_t CopyBitmap(plat::Surface* surface, const plat::Bitmap* bitmap, int sourceX, int sourceY, int sourceWidth,
                   int sourceHeight) {
    if (!surface || !bitmap) return plat::kFail;
    plat::Restore(surface);
    return plat::CopyBitmapToSurface(surface, bitmap, sourceX, sourceY, sourceWidth, sourceHeight);
}

uint32_t ColorMatch(plat::Surface* surface, uint32_t colorRef) {
    const bool write = colorRef != kColorKeyTopLeft;
    plat::ColorRef saved = 0;
    if (write) {
        saved = plat::GetPixel(surface, 0, 0);
        plat::SetPixel(surface, 0, 0, colorRef);
    }
    uint32_t value = 0xFFFFFFFFu;
    plat::LockedPixels px;
    if (plat::Lock(surface, px) == plat::kOk) {
        value = px.pixels[0];  // the depth is 16 bits: the first word's low half
        plat::Unlock(surface);
    }
    if (write) plat::SetPixel(surface, 0, 0, saved);
    return value;
}

int32_t SetSurfaceColorKey(plat::Surface* surface, uint32_t colorRef) {
    uint32_t value = ColorMatch(surface, colorRef);
    if (value == 0xFFFFFFFFu) return plat::kSurfaceLost;
    return plat::SetColorKey(surface, static_cast<uint16_t>(value), static_cast<uint16_t>(value));
}

plat::Surface* LoadBitmapFile(const std::string& path, uint16_t* outWidth, uint16_t* outHeight, int placement,
                             std::string* fault) {
    (void)placement;  // plain memory either way
    plat::Bitmap* bitmap = plat::LoadBitmapFile(path, fault);
    if (!bitmap) return nullptr;
    *outWidth = static_cast<uint16_t>(bitmap->width);
    *outHeight = static_cast<uint16_t>(bitmap->height);
    plat::Surface* surface = plat::CreateSurface(bitmap->width, bitmap->height);
    if (surface) CopyBitmap(surface, bitmap, 0, 0, 0, 0);
    plat::DeleteBitmap(bitmap);
    return surface;
}

}  // namespace fwDraw
