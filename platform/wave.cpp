#include "platform/wave.h"

#include <cstdio>
#include <cstring>

namespace plat {
namespace {

// Files beyond this size are not sounds we can hold in one buffer.
constexpr long kMaxWaveFileBytes = 256L * 1024 * 1024;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
bool IsTag(const uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

}  // namespace

bool FormatFromBlock(const uint8_t* block, size_t size, AudioFormat* format) {
    if (!block || size < 16) return false;
    format->formatTag = U16(block);
    format->channels = U16(block + 2);
    format->samplesPerSec = U32(block + 4);
    format->avgBytesPerSec = U32(block + 8);
    format->blockAlign = U16(block + 12);
    format->bitsPerSample = U16(block + 14);
    return true;
}

void FormatToBlock(const AudioFormat& format, uint8_t block[kWaveFormatBlockBytes]) {
    Put16(block, format.formatTag);
    Put16(block + 2, format.channels);
    Put32(block + 4, format.samplesPerSec);
    Put32(block + 8, format.avgBytesPerSec);
    Put16(block + 12, format.blockAlign);
    Put16(block + 14, format.bitsPerSample);
    Put16(block + 16, 0);
}

bool ParseWave(const uint8_t* bytes, size_t size, WaveData* out) {
    *out = WaveData{};
    if (!bytes || size < 12) return false;
    if (!IsTag(bytes, "RIFF") || !IsTag(bytes + 8, "WAVE")) return false;
    uint64_t riffSize = U32(bytes + 4);
    if (riffSize < 4 || riffSize > size - 8) return false;  // the RIFF chunk must be all there
    const uint64_t end = 8 + riffSize;

    AudioFormat format;
    bool haveFormat = false;
    uint64_t pos = 12;
    while (pos + 8 <= end) {
        const uint8_t* header = bytes + pos;
        const uint64_t body = pos + 8;
        const uint64_t chunkSize = U32(header + 4);
        if (chunkSize > end - body) return false;  // claims more bytes than there are
        if (IsTag(header, "fmt ") && !haveFormat) {
            if (chunkSize < 16) return false;
            FormatFromBlock(bytes + body, chunkSize, &format);
            haveFormat = true;
        } else if (IsTag(header, "data")) {
            if (!haveFormat || !IsPlayableFormat(format)) return false;
            out->format = format;
            out->samples.assign(bytes + body, bytes + body + chunkSize);
            return true;
        }
        pos = body + chunkSize + (chunkSize & 1);  // chunks are padded to even sizes
    }
    return false;
}

bool ReadWaveFile(const std::string& path, WaveData* out) {
    *out = WaveData{};
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::vector<uint8_t> bytes;
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    long size = ok ? std::ftell(f) : -1;
    ok = ok && size >= 0 && size <= kMaxWaveFileBytes && std::fseek(f, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(static_cast<size_t>(size));
        ok = std::fread(bytes.data(), 1, bytes.size(), f) == bytes.size();
    }
    std::fclose(f);
    return ok && ParseWave(bytes.data(), bytes.size(), out);
}

bool FindWaveResource(const std::string&, std::vector<uint8_t>* bytes) {
    bytes->clear();
    return false;
}

}  // namespace plat
