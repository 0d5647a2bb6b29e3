#include "platform/wave.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file.h"

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

bool ParseWave(const uint8_t* bytes, size_t size, WaveData* out, std::string* fault) {
    *out = WaveData{};
    std::string scratch;
    std::string& why = fault ? *fault : scratch;
    auto refuse = [&](std::string what) {
        why = std::move(what);
        return false;
    };
    if (!bytes || size == 0) return refuse("the file is empty");
    if (size < 12 || !IsTag(bytes, "RIFF") || !IsTag(bytes + 8, "WAVE"))
        return refuse("not a WAVE file (it does not begin with \"RIFF\" and \"WAVE\")");
    uint64_t riffSize = U32(bytes + 4);
    if (riffSize < 4 || riffSize > size - 8)  // the RIFF chunk must be all there
        return refuse("the RIFF chunk claims " + std::to_string(riffSize) + " bytes, " + std::to_string(size - 8) +
                      " are in the file");
    const uint64_t end = 8 + riffSize;

    AudioFormat format;
    bool haveFormat = false;
    uint64_t pos = 12;
    while (pos + 8 <= end) {
        const uint8_t* header = bytes + pos;
        const uint64_t body = pos + 8;
        const uint64_t chunkSize = U32(header + 4);
        const std::string chunk = "the \"" + std::string(reinterpret_cast<const char*>(header), 4) + "\" chunk";
        if (chunkSize > end - body)  // claims more bytes than there are
            return refuse(chunk + " at byte " + std::to_string(pos) + " claims " + std::to_string(chunkSize) +
                          " bytes, " + std::to_string(end - body) + " are left");
        if (IsTag(header, "fmt ") && !haveFormat) {
            if (chunkSize < 16) return refuse(chunk + " has " + std::to_string(chunkSize) + " bytes, fewer than 16");
            FormatFromBlock(bytes + body, chunkSize, &format);
            haveFormat = true;
        } else if (IsTag(header, "data")) {
            if (!haveFormat) return refuse("the \"data\" chunk comes before any \"fmt \" chunk");
            if (!IsPlayableFormat(format))
                return refuse("a format the mixer does not play (format tag " + std::to_string(format.formatTag) +
                              ", channels " + std::to_string(format.channels) + ", " +
                              std::to_string(format.bitsPerSample) + " bits, " +
                              std::to_string(format.samplesPerSec) + " Hz, block " +
                              std::to_string(format.blockAlign) + ", " + std::to_string(format.avgBytesPerSec) +
                              " bytes a second)");
            out->format = format;
            out->samples.assign(bytes + body, bytes + body + chunkSize);
            why.clear();
            return true;
        }
        pos = body + chunkSize + (chunkSize & 1);  // chunks are padded to even sizes
    }
    return refuse(haveFormat ? "no \"data\" chunk" : "no \"fmt \" chunk");
}

bool ReadWaveFile(const std::string& path, WaveData* out, std::string* fault) {
    *out = WaveData{};
    std::string scratch;
    std::string& why = fault ? *fault : scratch;
    why.clear();
    FILE* f = OpenRegularStream(path, &why);
    if (!f) return false;
    std::vector<uint8_t> bytes;
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    long size = ok ? std::ftell(f) : -1;
    ok = ok && size >= 0 && std::fseek(f, 0, SEEK_SET) == 0;
    if (ok && size > kMaxWaveFileBytes) {
        std::fclose(f);
        why = "larger than " + std::to_string(kMaxWaveFileBytes >> 20) + " MB";
        return false;
    }
    if (ok) {
        bytes.resize(static_cast<size_t>(size));
        ok = std::fread(bytes.data(), 1, bytes.size(), f) == bytes.size();
    }
    const int error = errno;
    std::fclose(f);
    if (!ok) {
        why = std::strerror(error);
        return false;
    }
    return ParseWave(bytes.data(), bytes.size(), out, fault);
}

bool FindWaveResource(const std::string&, std::vector<uint8_t>* bytes) {
    bytes->clear();
    return false;
}

}  // namespace plat
