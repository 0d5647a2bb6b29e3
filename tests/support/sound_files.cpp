#include "tests/support/sound_files.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "platform/audio.h"
#include "platform/system.h"

namespace testsupport {
namespace {

void Put(std::vector<uint8_t>& v, const char* tag) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(tag[i]));
}
void Le(std::vector<uint8_t>& v, uint32_t x, int bytes) {
    for (int i = 0; i < bytes; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}
void Be(std::vector<uint8_t>& v, uint32_t x, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}
// A RIFF chunk of the tag and the bytes (of an even length).
std::vector<uint8_t> Chunk(const char* tag, const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> v;
    Put(v, tag);
    Le(v, static_cast<uint32_t>(bytes.size()), 4);
    v.insert(v.end(), bytes.begin(), bytes.end());
    return v;
}
// `size` bytes that begin with the text, the rest zero.
std::vector<uint8_t> Named(const char* text, size_t size) {
    std::vector<uint8_t> v(size);
    std::copy_n(text, std::strlen(text), v.begin());
    return v;
}

}  // namespace

std::vector<uint8_t> PcmFormatBlock(int channels, int rate, int bits) {
    std::vector<uint8_t> v;
    const int align = channels * bits / 8;
    Le(v, 1, 2);
    Le(v, channels, 2);
    Le(v, rate, 4);
    Le(v, rate * align, 4);
    Le(v, align, 2);
    Le(v, bits, 2);
    Le(v, 0, 2);
    return v;
}

std::vector<uint8_t> MakeWave(int channels, int rate, int bits, const std::vector<uint8_t>& samples) {
    std::vector<uint8_t> v;
    Put(v, "RIFF");
    Le(v, static_cast<uint32_t>(36 + samples.size()), 4);
    Put(v, "WAVE");
    Put(v, "fmt ");
    Le(v, 16, 4);
    const std::vector<uint8_t> format = PcmFormatBlock(channels, rate, bits);
    v.insert(v.end(), format.begin(), format.begin() + 16);  // without cbSize
    Put(v, "data");
    Le(v, static_cast<uint32_t>(samples.size()), 4);
    v.insert(v.end(), samples.begin(), samples.end());
    return v;
}

std::vector<uint8_t> Pcm16(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> v;
    for (int16_t s : samples) Le(v, static_cast<uint16_t>(s), 2);
    return v;
}

std::vector<uint8_t> Constant16(int frames, int16_t value) {
    return Pcm16(std::vector<int16_t>(static_cast<size_t>(frames), value));
}

std::vector<uint8_t> MakePackEntry(const std::string& name, const std::vector<uint8_t>& formatBlock,
                                   const std::vector<uint8_t>& samples) {
    // Sized first and filled in place.
    std::vector<uint8_t> v(4 + name.size() + 1 + 4 + formatBlock.size() + samples.size());
    size_t at = 0;
    auto put32 = [&](uint32_t x) {
        for (int i = 0; i < 4; ++i) v[at++] = static_cast<uint8_t>(x >> (8 * i));
    };
    put32(static_cast<uint32_t>(samples.size()));
    for (char c : name) v[at++] = static_cast<uint8_t>(c);
    v[at++] = 0;
    put32(static_cast<uint32_t>(formatBlock.size()));
    for (uint8_t b : formatBlock) v[at++] = b;
    for (uint8_t b : samples) v[at++] = b;
    return v;
}

std::vector<uint8_t> Patched(std::vector<uint8_t> bytes, size_t at, const std::vector<uint8_t>& with) {
    std::copy(with.begin(), with.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    return bytes;
}

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
    size_t size = 0;
    for (const auto& p : parts) size += p.size();
    std::vector<uint8_t> v(size);
    size_t at = 0;
    for (const auto& p : parts) {
        std::copy(p.begin(), p.end(), v.begin() + static_cast<std::ptrdiff_t>(at));
        at += p.size();
    }
    return v;
}

std::vector<uint8_t> MakeMidi(int beats) {
    std::vector<uint8_t> track = {0x00, 0xC0, 0x00};  // piano
    for (int i = 0; i < beats; ++i) {
        // Note on at once, note off 480 ticks (one beat) later: 0x83 0x60.
        const uint8_t key = static_cast<uint8_t>(60 + i % 12);
        track.insert(track.end(), {0x00, 0x90, key, 100, 0x83, 0x60, 0x80, key, 0});
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    return MidiWithTrack(track);
}

std::vector<uint8_t> MidiWithTrack(const std::vector<uint8_t>& events) { return MidiWithTracks({events}); }

std::vector<uint8_t> MidiWithTracks(const std::vector<std::vector<uint8_t>>& tracks) {
    std::vector<uint8_t> v;
    Put(v, "MThd");
    Be(v, 6, 4);
    Be(v, tracks.size() > 1 ? 1 : 0, 2);
    Be(v, static_cast<uint32_t>(tracks.size()), 2);
    Be(v, 480, 2);
    for (const auto& events : tracks) {
        Put(v, "MTrk");
        Be(v, static_cast<uint32_t>(events.size()), 4);
        v.insert(v.end(), events.begin(), events.end());
    }
    return v;
}

void StartSoundWithoutDevice(const std::string& exeDir) {
    plat::SetAudioOutput(plat::AudioOutput::Buffer);
    plat::SetMessageBoxesShown(false);
    plat::SetExecutableDirectory(exeDir);
    fwSound::Init();
    fwSound::ClearObjects();
    ErrorFlag = 0;
}

void StopSound() {
    fwSound::ClearObjects();
    fwSound::ReleaseAll();
    SoundAvailable = 0;
    plat::SetExecutableDirectory("");
    plat::SetAudioOutput(plat::AudioOutput::Device);
}

std::vector<int16_t> Render(int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    plat::AudioRender(out.data(), frames);
    return out;
}

std::vector<int16_t> Heard(int frames) {
    Render(plat::kMixDelay);
    return Render(frames);
}

plat::AudioBuffer* PlaySquareLoop(int16_t amplitude) {
    std::vector<int16_t> wave(100, amplitude);
    std::fill(wave.begin() + 50, wave.end(), static_cast<int16_t>(-amplitude));
    const std::vector<uint8_t> bytes = Pcm16(wave);
    const plat::AudioFormat format{1, 1, plat::kMixRate, plat::kMixRate * 2, 2, 16};
    plat::AudioBuffer* b = plat::CreateAudioBuffer(format, static_cast<uint32_t>(bytes.size()));
    plat::AudioRegion first, second;
    if (!b || !plat::LockAudioBuffer(b, 0, static_cast<uint32_t>(bytes.size()), &first, &second)) return b;
    std::copy(bytes.begin(), bytes.end(), first.data);
    plat::UnlockAudioBuffer(b, first, second);
    plat::PlayAudioBuffer(b, true);
    return b;
}

int Peak(const std::vector<int16_t>& block) {
    int peak = 0;
    for (int16_t s : block) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

std::vector<uint8_t> MakeEmptySoundFont(std::initializer_list<int> banks) {
    const std::vector<uint8_t> bag(4), modulator(10), generator(4);
    // Program 0 of each bank, with no zones: each header's bag index is 0.
    std::vector<uint8_t> presets;
    for (int bank : banks) {
        std::vector<uint8_t> header = Named("Preset", 38);
        header[22] = static_cast<uint8_t>(bank);
        header[23] = static_cast<uint8_t>(bank >> 8);
        presets.insert(presets.end(), header.begin(), header.end());
    }
    auto list = [](const char* type, std::initializer_list<std::vector<uint8_t>> chunks) {
        return Chunk("LIST", Join({Named(type, 4), Join(chunks)}));
    };
    const auto info = list("INFO", {Chunk("ifil", {2, 0, 1, 0}), Chunk("isng", Named("EMU8000", 8)),
                                    Chunk("INAM", Named("Empty", 6))});
    const auto headers = list("pdta", {Chunk("phdr", Join({presets, Named("EOP", 38)})), Chunk("pbag", bag),
                                       Chunk("pmod", modulator), Chunk("pgen", generator), Chunk("inst", Named("EOI", 22)),
                                       Chunk("ibag", bag), Chunk("imod", modulator), Chunk("igen", generator),
                                       Chunk("shdr", Named("EOS", 46))});
    return Chunk("RIFF", Join({Named("sfbk", 4), info, list("sdta", {Chunk("smpl", {})}), headers}));
}

}  // namespace testsupport
