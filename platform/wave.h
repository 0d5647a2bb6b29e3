// RIFF/WAVE files: a reader that trusts no size it finds in the file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace plat {

// Size of the format block (the wave format record with its cbSize field)
// that the readers hand on, and that a sound pack stores per entry.
constexpr uint32_t kWaveFormatBlockBytes = 18;

struct WaveData {
    AudioFormat format;
    std::vector<uint8_t> samples;  // the "data" chunk's bytes
};

// Reads a wave from memory. Accepts a "RIFF" chunk of form "WAVE" whose
// chunks are walked one by one: each chunk header and each chunk's declared
// size must lie inside the RIFF chunk and inside the bytes given. The
// "fmt " chunk (16 bytes or more) must come before the "data" chunk; the
// format must be PCM, 1 or 2 channels, 8 or 16 bits, with a block align and
// byte rate that agree with them and a rate of 1 Hz or more. Returns false
// (and leaves *out empty) for anything else, with what is wrong in *fault
// when asked.
bool ParseWave(const uint8_t* bytes, size_t size, WaveData* out, std::string* fault = nullptr);
// The same for a file; false when it cannot be read. *fault stays empty
// when there is no such file.
bool ReadWaveFile(const std::string& path, WaveData* out, std::string* fault = nullptr);

// The format record as the 18 bytes of a format block (little-endian:
// tag, channels, rate, bytes per second, block align, bits, cbSize 0), and
// back. FormatFromBlock fails for fewer than 16 bytes.
void FormatToBlock(const AudioFormat& format, uint8_t block[kWaveFormatBlockBytes]);
bool FormatFromBlock(const uint8_t* block, size_t size, AudioFormat* format);

// A wave stored inside the executable under `name` (the executable carries
// none: always false). Kept so that the loaders' fallback reads the same
// way as on a platform that has them: through ParseWave.
bool FindWaveResource(const std::string& name, std::vector<uint8_t>* bytes);

}  // namespace plat
