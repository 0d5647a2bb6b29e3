// fwSound: the sound pack file, its loader and the converter that builds a
// pack from wave files.
#include "framework/sound/pack.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "platform/file.h"
#include "platform/system.h"
#include "platform/wave.h"

namespace fwSound {
namespace {

constexpr const char* kWherePack = "fwSound::LoadPack";

// Format record bytes that a reader needs of a format block.
constexpr uint32_t kFormatRecordBytes = 16;

uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void Put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}

// The part of a relative name after its last folder separator.
std::string BaseName(const std::string& name) {
    const size_t cut = name.find_last_of("/\\");
    return cut == std::string::npos ? name : name.substr(cut + 1);
}

// Appends the wave at `path` to the pack at `packPath` as the entry
// `entryName`. A wave that cannot be read or a name that does not fit an
// entry writes nothing; a write that fails part-way is taken back, so that
// the pack keeps only whole entries.
void AppendEntry(const std::string& packPath, const std::string& path, const std::string& entryName) {
    if (entryName.size() > kPackNameMax) return;
    plat::AudioFormat format;
    uint32_t formatSize = 0, dataSize = 0;
    std::vector<uint8_t> samples;
    if (ReadWaveFile(path, &format, &formatSize, &samples, &dataSize) != 0) return;

    uint8_t block[plat::kWaveFormatBlockBytes];
    plat::FormatToBlock(format, block);
    std::vector<uint8_t> entry;
    entry.reserve(4 + entryName.size() + 1 + 4 + sizeof block + samples.size());
    Put32(entry, dataSize);
    entry.insert(entry.end(), entryName.begin(), entryName.end());
    entry.push_back(0);
    Put32(entry, sizeof block);
    entry.insert(entry.end(), block, block + sizeof block);
    entry.insert(entry.end(), samples.begin(), samples.end());

    std::error_code ec;
    const uintmax_t before = std::filesystem::exists(packPath, ec) ? std::filesystem::file_size(packPath, ec) : 0;
    FILE* f = std::fopen(packPath.c_str(), "ab");
    if (!f) return;
    bool ok = std::fwrite(entry.data(), 1, entry.size(), f) == entry.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok && !ec) std::filesystem::resize_file(packPath, before, ec);
}

}  // namespace

PackFile::PackFile(const std::string& path) {
    file_ = plat::OpenRegularStream(path, &fault_);
    if (!file_) return;
    struct stat st;
    if (fstat(fileno(file_), &st) != 0 || st.st_size < 0) {
        std::fclose(file_);
        file_ = nullptr;
        return;
    }
    size_ = static_cast<uint64_t>(st.st_size);
}

PackFile::~PackFile() {
    if (file_) std::fclose(file_);
}

bool PackFile::ReadAt(uint64_t offset, void* out, size_t bytes) {
    if (!file_ || offset > size_ || bytes > size_ - offset) return false;
    if (fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0) return false;
    return Read(out, bytes);
}

bool PackFile::Read(void* out, size_t bytes) {
    return file_ && std::fread(out, 1, bytes, file_) == bytes;
}

std::string PackName(const std::string& name) {
    std::string up = name;
    for (char& c : up)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return up;
}

PackFind FindPackEntry(const std::string& path, const std::string& request, PackEntry* entry, std::string* fault) {
    PackFile f(path);
    if (fault) *fault = f.Fault();
    if (!f.IsOpen()) return PackFind::NoPack;
    const std::string want = PackName(request);
    bool found = false;
    // The longest entry head: data size, name with its NUL, format size and
    // the format record.
    constexpr size_t kNameField = kPackNameMax + 1;
    uint8_t head[4 + kNameField + 4 + kFormatRecordBytes];
    for (uint64_t pos = 0; pos < f.Size();) {
        const size_t got = static_cast<size_t>(std::min<uint64_t>(sizeof head, f.Size() - pos));
        if (got < 4 || !f.ReadAt(pos, head, got)) return PackFind::NotFound;
        const uint8_t* name = head + 4;
        const uint8_t* nul = static_cast<const uint8_t*>(std::memchr(name, 0, std::min(got - 4, kNameField)));
        if (!nul) return PackFind::NotFound;  // the name runs past its field or the file
        const size_t formatSizeAt = static_cast<size_t>(nul - head) + 1;
        if (got < formatSizeAt + 4) return PackFind::NotFound;
        PackEntry e;
        e.dataSize = U32(head);
        e.formatSize = U32(head + formatSizeAt);
        e.formatPos = pos + formatSizeAt + 4;
        e.dataPos = e.formatPos + e.formatSize;
        if (e.formatSize < kFormatRecordBytes || e.dataPos > f.Size() || e.dataSize > f.Size() - e.dataPos)
            return PackFind::NotFound;
        // The record lies in `head`: the format block ends inside the file.
        if (!found && want == std::string(reinterpret_cast<const char*>(name), static_cast<size_t>(nul - name))) {
            plat::FormatFromBlock(head + formatSizeAt + 4, kFormatRecordBytes, &e.format);
            *entry = e;
            found = true;
        }
        pos = e.dataPos + e.dataSize;
    }
    return found && plat::IsPlayableFormat(entry->format) ? PackFind::Found : PackFind::NotFound;
}

int BeginPackLoad(const char* where, const std::string& name, PackEntry* entry) {
    const int slot = SoundReloadMode ? SoundReloadSlot : FindFreeSlot();
    if (slot < 0 || slot >= kSoundObjectCount) return fwSystem::ShowErrorBox(where, "オブジェクト数が多過ぎます"), -1;
    if (!SoundReloadMode && name.size() > kSoundNameMax)
        return fwSystem::ShowErrorBox(where, "ファイル名が長すぎます"), -1;
    std::string fault;  // what stands in the place of a pack that was named
    switch (FindPackEntry(SoundPackPath, name, entry, &fault)) {
    case PackFind::Found: return slot;
    case PackFind::NoPack:
        return fwSystem::ShowPackErrorBox(where, "パックファイル名が指定されていません", SoundPackPath, fault), -1;
    case PackFind::NotFound: break;
    }
    return fwSystem::ShowErrorBox(where, "WAVEファイルを読み込めません", name), -1;
}

void SetPackFile(const std::string& name) {
    if (!SoundAvailable) return;
    SoundPackPath = fwSystem::GetExeDirectory(0) + name;
}

int LoadPack(const std::string& name, int mix) {
    if (!SoundAvailable) return -1;
    const int n = MixCount(kWherePack, mix);
    if (n < 0) return -1;
    PackEntry e;
    const int slot = BeginPackLoad(kWherePack, name, &e);
    if (slot < 0) return -1;
    if (e.dataSize < plat::kAudioBufferMinBytes || e.dataSize > plat::kAudioBufferMaxBytes)
        return fwSystem::ShowErrorBox(kWherePack, "サウンドバッファが生成できません"), -1;
    std::vector<uint8_t> samples(e.dataSize);
    PackFile f(SoundPackPath);
    if (!f.ReadAt(e.dataPos, samples.data(), samples.size()))
        return fwSystem::ShowErrorBox(kWherePack, "WAVEファイルを読み込めません"), -1;
    SoundObject* o = &SoundObjects[slot];
    if (!CreateCopies(o, n, e.format, samples.data(), e.dataSize, e.dataSize))
        return fwSystem::ShowErrorBox(kWherePack, "サウンドバッファが生成できません"), -1;
    FinishLoad(o, n, mix, name, 1);
    return slot;
}

int Convert(const std::string& pack, const std::string& folder, int truncate) {
    if (!SoundAvailable) return 1;
    const std::string& exe = fwSystem::GetExeDirectory(0);
    if (truncate) std::remove((exe + pack).c_str());
    const std::string dir = folder.empty() ? exe : exe + folder + "/";
    // The entries take the names upper-cased; the files are read by the
    // names they have.
    for (const std::string& found : plat::FindFiles(dir, ".WAV")) AppendEntry(exe + pack, dir + found, PackName(found));
    return 1;
}

void ConvertOne(const std::string& pack, const std::string& name) {
    if (!SoundAvailable) return;
    const std::string& exe = fwSystem::GetExeDirectory(0);
    AppendEntry(exe + pack, exe + name, BaseName(name));
}

}  // namespace fwSound
