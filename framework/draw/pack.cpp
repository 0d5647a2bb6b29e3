#include "framework/draw/pack.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "framework/draw/object.h"
#include "framework/draw/screen.h"
#include "framework/system/system.h"
#include "platform/file.h"
#include "platform/gdi.h"
#include "platform/gdi_dc.h"
#include "platform/surface.h"
#include "platform/system.h"

std::string PackPath;

namespace {

constexpr size_t kEntryNameBuffer = 128;             // an entry name with its NUL
constexpr size_t kMaxRequest = sizeof(DrawObject::name) - 1;  // 31 characters and more are refused
constexpr int kCopyTries = 10;

constexpr const char* kNoPack = "パックファイル名が指定されていません";
constexpr const char* kUnreadable = "BMPファイルを読み込めません";
constexpr const char* kNoCopy = "サーフェース間で展開できません";
constexpr const char* kTooLong = "ファイル名またはリソース名が長すぎます";
constexpr const char* kNoSprite = "スプライトを作成できません";

std::string Upper(const char* s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// An open pack and what the search found in it.
struct PackEntry {
    std::FILE* file = nullptr;
    uint16_t width = 0, height = 0;
};

void Close(PackEntry& e) {
    if (e.file) std::fclose(e.file);
    e.file = nullptr;
}

// Walks the pack's entries in file order to the first one named `name`
// (upper case) and leaves the file at its pixels. Every entry is checked
// against the file: a name without its NUL within the name buffer, or
// pixels reaching past the end, end the search as a short file does.
bool FindEntry(std::FILE* f, const std::string& name, PackEntry& out) {
    if (std::fseek(f, 0, SEEK_END) != 0) return false;
    const long size = std::ftell(f);
    if (size < 0 || std::fseek(f, 0, SEEK_SET) != 0) return false;
    char entryName[kEntryNameBuffer];
    for (;;) {
        uint8_t head[4];
        if (std::fread(head, 1, 4, f) != 4) return false;
        const uint16_t w = static_cast<uint16_t>(head[0] | (head[1] << 8));
        const uint16_t h = static_cast<uint16_t>(head[2] | (head[3] << 8));
        size_t n = 0;
        int c;
        while ((c = std::fgetc(f)) != EOF && c != 0) {
            if (n + 1 >= kEntryNameBuffer) return false;  // longer than a name can be
            entryName[n++] = static_cast<char>(c);
        }
        if (c == EOF) return false;
        entryName[n] = '\0';
        const long at = std::ftell(f);
        const int64_t bytes = static_cast<int64_t>(w) * h * 2;
        if (at < 0 || bytes > size - at) return false;  // the size promises more than the file holds
        if (name == entryName) {
            if (int64_t{w} * h > plat::kMaxBitmapPixels) return false;
            out.width = w;
            out.height = h;
            return true;
        }
        if (std::fseek(f, static_cast<long>(bytes), SEEK_CUR) != 0) return false;
    }
}

// Opens the pack and finds the entry; shows the error and returns false
// (the file closed) when either fails.
bool OpenEntry(const char* where, const std::string& name, PackEntry& e) {
    std::string why;  // what stands in the place of a pack that was named
    e.file = PackPath.empty() ? nullptr : plat::OpenRegularStream(PackPath, &why);
    if (!e.file) {
        fwSystem::ShowPackErrorBox(where, kNoPack, PackPath, why);
        return false;
    }
    if (!FindEntry(e.file, name, e)) {
        Close(e);
        fwSystem::ShowErrorBox(where, kUnreadable, name);
        return false;
    }
    return true;
}

// Reads the entry's pixels into the picture, each 5-bit field moved to the
// top of its channel. False when the picture cannot be locked or the file
// ends early.
bool ReadPixels(PackEntry& e, plat::Surface* surface) {
    static std::vector<uint8_t> row;  // grows to the widest entry once
    row.resize(static_cast<size_t>(e.width) * 2);
    plat::LockedPixels px;
    if (plat::Lock(surface, px) != plat::kOk) return false;
    bool ok = true;
    for (int y = 0; y < e.height && ok; ++y) {
        ok = std::fread(row.data(), 1, row.size(), e.file) == row.size();
        uint16_t* d = px.pixels + static_cast<size_t>(y) * px.pitch;
        for (int x = 0; x < e.width && ok; ++x) {
            const uint32_t p = row[2 * x] | (row[2 * x + 1] << 8);
            d[x] = static_cast<uint16_t>((((p >> 10) & 31) << RedShift5) | (((p >> 5) & 31) << GreenShift5) |
                                         ((p & 31) << BlueShift5));
        }
    }
    plat::Unlock(surface);
    return ok;
}

// Copies the temporary onto the target, as often as ten times; a lost
// surface restores everything before the next try.
bool CopyIn(plat::Surface* target, plat::Surface* temp, const PackEntry& e) {
    const plat::Rect whole{0, 0, e.width, e.height};
    for (int i = 0; i < kCopyTries; ++i) {
        int32_t r = plat::CopyFast(target, 0, 0, temp, whole, false);
        if (r == plat::kOk) return true;
        if (r == plat::kSurfaceLost) fwDraw::RestoreAll();
    }
    return false;
}

// The rest of both loaders once the target record holds a surface of the
// entry's size: through a temporary picture into the target, then the
// colour key. The temporary is released on every path; false after the
// error (silently for a failed lock). The pack file is closed.
bool Unpack(const char* where, PackEntry& e, DrawObject& target) {
    int temp = fwDraw::CreateObject(e.width, e.height, 2);
    if (!temp) {
        Close(e);
        return false;
    }
    bool ok = ReadPixels(e, DrawObjects[temp].surface);
    Close(e);
    if (ok && !CopyIn(target.surface, DrawObjects[temp].surface, e)) {
        fwSystem::ShowErrorBox(where, kNoCopy);
        ok = false;
    }
    fwDraw::ReleaseObject(temp);
    if (!ok) return false;
    const uint32_t key = DefaultColorKeyAuto ? kColorKeyTopLeft : DefaultColorKey;
    fwDraw::SetSurfaceColorKey(target.surface, key);
    target.colorKey = key;
    return true;
}

void NameRecord(DrawObject& rec, const std::string& name, const PackEntry& e) {
    std::memset(rec.name, 0, sizeof(rec.name));
    std::memcpy(rec.name, name.data(), name.size());  // checked: shorter than the field
    rec.fromPack = 1;
    rec.placement = 2;
    rec.width = e.width;
    rec.height = e.height;
}

void PutLE16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

}  // namespace

namespace fwDraw {

void SetPackFile(const char* name) { PackPath = fwSystem::GetExeDirectory(0) + (name ? name : ""); }

int LoadPack(const char* name, int placement) {
    constexpr const char* where = "fwDraw::LoadPack";
    if (!name) name = "";
    if (std::strlen(name) >= kMaxRequest) return fwSystem::ShowErrorBox(where, kTooLong);
    const std::string upper = Upper(name);
    PackEntry e;
    if (!OpenEntry(where, upper, e)) return 0;
    int handle = CreateObject(e.width, e.height, placement);
    if (!handle) {
        Close(e);
        return 0;
    }
    DrawObject& rec = DrawObjects[handle];
    if (!Unpack(where, e, rec)) {
        ReleaseObject(handle);
        return 0;
    }
    NameRecord(rec, upper, e);
    return handle;
}

int SwapPack(const char* name, int handle, int placement) {
    constexpr const char* where = "fwDraw::SwapPack";
    (void)placement;  // plain memory either way
    if (!name) name = "";
    if (std::strlen(name) >= kMaxRequest) return fwSystem::ShowErrorBox(where, kTooLong);
    if (handle < 0 || handle >= kDrawObjectCount) return fwSystem::ShowErrorBox(where, kUnreadable);
    const std::string upper = Upper(name);
    PackEntry e;
    if (!OpenEntry(where, upper, e)) return 0;
    DrawObject& rec = DrawObjects[handle];
    plat::ReleaseSurface(rec.surface);
    // Named first, so that the temporary cannot take this record.
    NameRecord(rec, upper, e);
    rec.surface = plat::CreateSurface(e.width, e.height);
    if (!rec.surface) {
        Close(e);
        return fwSystem::ShowErrorBox(where, kNoSprite);
    }
    if (!Unpack(where, e, rec)) return 0;
    return handle;
}

int Convert(const char* packName, const char* folder, int fresh) {
    if (fwSystem::GetScreenColorDepth() <= 16) return fwSystem::ShowErrorBox("fwDraw::Convert", "画面をフルカラーにして下さい");
    const std::string exe = fwSystem::GetExeDirectory(0);
    const std::string dir = folder ? folder : "";
    if (fresh) std::remove((exe + (packName ? packName : "")).c_str());
    // The files keep their own spelling: the file system tells cases apart.
    for (const std::string& file : plat::FindFiles(exe + dir, ".BMP")) {
        const std::string relative = dir.empty() ? file : dir + "/" + file;
        ConvertOne(packName, relative.c_str());
    }
    return 1;
}

void ConvertOne(const char* packName, const char* fileName) {
    if (!packName || !fileName) return;
    const int handle = LoadObject(fileName, 1);
    if (!handle) return;
    plat::Surface* surface = DrawObjects[handle].surface;
    plat::DC* dc = plat::GetDC(surface);
    std::FILE* f = dc ? std::fopen((fwSystem::GetExeDirectory(0) + packName).c_str(), "ab") : nullptr;
    if (f) {
        const DrawObject& rec = DrawObjects[handle];
        std::string name = fileName;
        size_t cut = name.find_last_of("/\\");
        if (cut != std::string::npos) name.erase(0, cut + 1);
        name = Upper(name.c_str());
        std::vector<uint8_t> out;
        PutLE16(out, rec.width);
        PutLE16(out, rec.height);
        out.insert(out.end(), name.begin(), name.end());
        out.push_back(0);
        for (int y = 0; y < rec.height; ++y)
            for (int x = 0; x < rec.width; ++x) {
                const plat::ColorRef c = plat::GetPixel(dc, x, y);
                uint32_t r = (c & 0xFF) >> 3, g = ((c >> 8) & 0xFF) >> 3, b = ((c >> 16) & 0xFF) >> 3;
                // A very dark colour must not become the black of the colour key.
                if ((c & 0xFFFFFF) != 0 && r == 0 && g == 0 && b == 0) b = 1;
                PutLE16(out, (r << 10) | (g << 5) | b);
            }
        std::fwrite(out.data(), 1, out.size(), f);
        std::fclose(f);
    }
    if (dc) plat::ReleaseDC(surface, dc);
    ReleaseObject(handle);
}

}  // namespace fwDraw
