// The sound pack file, shared by the pack loader, the streams and the
// converter.
//
// Entries stand back to back until the end of the file, with no header and
// no directory. One entry, little-endian:
//   u32 dataSize, the name (upper case, NUL-terminated, at most 127
//   characters), u32 formatSize, the format block (formatSize bytes, 18 for
//   the PCM waves the converter writes), the samples (dataSize bytes).
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/audio.h"

namespace fwSound {

constexpr size_t kPackNameMax = 127;  // longest entry name, without its NUL

// One entry as found in the pack.
struct PackEntry {
    uint32_t dataSize = 0;
    uint32_t formatSize = 0;
    uint64_t formatPos = 0;  // offset of the format block in the pack
    uint64_t dataPos = 0;    // offset of the first sample byte
    plat::AudioFormat format;
};

enum class PackFind {
    Found,
    NoPack,    // the pack cannot be opened
    NotFound,  // no entry of that name, or the pack is damaged
};

// Looks for the entry named as `request` upper-cased. Every entry of the
// pack is checked on the way: its name must end within its 128 bytes, its
// format block must hold at least a format record, and the format block and
// the samples must lie inside the file. A pack that fails any check holds
// nothing (NotFound), whichever entry was asked for. The entry found must
// also carry a format the mixer plays. NoPack when there is no pack file;
// *fault then says what stands in its place, if anything does.
PackFind FindPackEntry(const std::string& path, const std::string& request, PackEntry* entry,
                       std::string* fault = nullptr);

// ASCII upper case, as entry names are stored; other bytes stay as they are.
std::string PackName(const std::string& name);

// The first steps of both pack loaders: the slot to fill (the reload slot,
// or the lowest free one), the name's length and the entry, looked up in
// SoundPackPath. Returns the slot, or -1 after the message for `where`.
int BeginPackLoad(const char* where, const std::string& name, PackEntry* entry);

// A pack opened for reading, closed when it goes out of scope.
class PackFile {
public:
    explicit PackFile(const std::string& path);
    ~PackFile();
    PackFile(const PackFile&) = delete;
    PackFile& operator=(const PackFile&) = delete;
    bool IsOpen() const { return file_ != nullptr; }
    // Why it did not open, when something other than a file is there.
    const std::string& Fault() const { return fault_; }
    uint64_t Size() const { return size_; }
    // Reads exactly `bytes` bytes from `offset`; false when fewer are there.
    bool ReadAt(uint64_t offset, void* out, size_t bytes);
    // Reads on from where the last read ended.
    bool Read(void* out, size_t bytes);

private:
    FILE* file_ = nullptr;
    uint64_t size_ = 0;
    std::string fault_;
};

}  // namespace fwSound
