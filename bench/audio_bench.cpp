// The mixer's cost per device period, and the music synthesiser's.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/mci.h"

namespace {

constexpr int kPeriod = 1024;  // frames the device asks for at a time

// The mixer without a device for one benchmark, closed and set back to the
// device when it ends.
class BufferMixer {
public:
    BufferMixer() {
        plat::SetAudioOutput(plat::AudioOutput::Buffer);
        open_ = plat::AudioOpen();
    }
    ~BufferMixer() {
        if (open_) plat::AudioClose();
        plat::SetAudioOutput(plat::AudioOutput::Device);
    }
    BufferMixer(const BufferMixer&) = delete;
    BufferMixer& operator=(const BufferMixer&) = delete;

private:
    bool open_ = false;
};

// Twelve one-second sounds at mixed rates, formats and settings, all
// looping, as a busy stage might have them; released when it ends.
class TwelveEffects {
public:
    TwelveEffects() {
        for (int i = 0; i < 12; ++i) {
            plat::AudioFormat f;
            f.channels = static_cast<uint16_t>(1 + i % 2);
            f.bitsPerSample = static_cast<uint16_t>(i % 3 == 0 ? 8 : 16);
            f.samplesPerSec = i % 4 == 0 ? 22050 : 44100;
            f.blockAlign = static_cast<uint16_t>(f.channels * f.bitsPerSample / 8);
            f.avgBytesPerSec = f.samplesPerSec * f.blockAlign;
            plat::AudioBuffer* b = plat::CreateAudioBuffer(f, f.avgBytesPerSec);
            plat::SetAudioVolume(b, -100 * i);
            plat::SetAudioPan(b, 800 * (i - 6));
            if (i % 5 == 0) plat::SetAudioFrequency(b, 30000);
            plat::PlayAudioBuffer(b, true);
            buffers_.push_back(b);
        }
    }
    ~TwelveEffects() {
        for (plat::AudioBuffer* b : buffers_) plat::ReleaseAudioBuffer(b);
    }
    TwelveEffects(const TwelveEffects&) = delete;
    TwelveEffects& operator=(const TwelveEffects&) = delete;

private:
    std::vector<plat::AudioBuffer*> buffers_;
};

// Device periods, one per iteration.
void MixPeriods(benchmark::State& state) {
    std::vector<int16_t> out(2 * kPeriod);
    for (auto _ : state) {
        plat::AudioRender(out.data(), kPeriod);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * kPeriod);
}

void BM_MixTwelveBuffers(benchmark::State& state) {
    BufferMixer mixer;
    TwelveEffects effects;
    MixPeriods(state);
}
BENCHMARK(BM_MixTwelveBuffers);

// A one-track MIDI file of the track's events at 480 ticks a beat, of a
// unique name under the temporary folder; "" when none is made, with the
// reason in *why.
std::string WriteMidi(const std::vector<uint8_t>& track, std::string* why) {
    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k'};
    for (int s = 24; s >= 0; s -= 8) file.push_back(static_cast<uint8_t>(track.size() >> s));
    file.insert(file.end(), track.begin(), track.end());
    const char* tmp = std::getenv("TMPDIR");
    const std::string folder = tmp && *tmp ? tmp : "/tmp";
    std::string path = folder + "/vq_bench_XXXXXX.mid";
    const int fd = mkstemps(path.data(), 4);
    if (fd < 0) {
        *why = "no file could be made in " + folder + ": " + std::strerror(errno);
        return "";
    }
    const ssize_t written = write(fd, file.data(), file.size());
    const int error = errno;
    close(fd);
    if (written == static_cast<ssize_t>(file.size())) return path;
    std::remove(path.c_str());
    *why = path + ": " + (written < 0 ? std::strerror(error) : "written short");
    return "";
}

// The benchmark goes on with the piece's path, or is skipped with the reason.
std::string WriteMidiOrSkip(benchmark::State& state, const std::vector<uint8_t>& track) {
    std::string why;
    const std::string path = WriteMidi(track, &why);
    if (path.empty()) state.SkipWithError(("the piece could not be written: " + why).c_str());
    return path;
}

// A dense piece: chords of four notes, a new one every eighth note ("" and
// the benchmark skipped when it cannot be written).
std::string WriteDenseMidi(benchmark::State& state) {
    std::vector<uint8_t> track = {0x00, 0xC0, 48};  // strings
    for (int i = 0; i < 4000; ++i) {
        const uint8_t base = static_cast<uint8_t>(48 + i % 24);
        for (int k = 0; k < 4; ++k) track.insert(track.end(), {0x00, 0x90, uint8_t(base + 4 * k), 90});
        track.insert(track.end(), {0x81, 0x70, 0x80, base, 0});  // 240 ticks later
        for (int k = 1; k < 4; ++k) track.insert(track.end(), {0x00, 0x80, uint8_t(base + 4 * k), 0});
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    return WriteMidiOrSkip(state, track);
}

// A device period of the dense piece, alone or under the twelve effects.
void BM_MusicPeriod(benchmark::State& state, bool withEffects) {
    if (plat::MciSoundFontPath().empty()) {
        state.SkipWithError("no General MIDI soundfont installed");
        return;
    }
    BufferMixer mixer;
    std::optional<TwelveEffects> effects;
    if (withEffects) effects.emplace();
    const std::string path = WriteDenseMidi(state);
    if (path.empty()) return;
    plat::MciSendString("open \"" + path + "\" type sequencer alias bench", nullptr);
    plat::MciSendString("play bench", nullptr);
    MixPeriods(state);
    plat::MciSendString("close bench", nullptr);
    std::filesystem::remove(path);
}
BENCHMARK_CAPTURE(BM_MusicPeriod, Alone, false);
BENCHMARK_CAPTURE(BM_MusicPeriod, UnderTwelveEffects, true);

// The soundfont `file` of the Debian packages, named to the synthesiser
// through SDL_SOUNDFONTS; each call names it afresh (by one of two
// spellings of the same path), so that the next preparation loads it anew.
bool NameSoundFont(benchmark::State& state, const char* file) {
    static bool flip = false;
    const std::string path = std::string("/usr/share/sounds/sf2/") + (flip ? "./" : "") + file;
    flip = !flip;
    if (access(path.c_str(), R_OK) != 0) {
        state.SkipWithError("soundfont not installed");
        return false;
    }
    setenv("SDL_SOUNDFONTS", path.c_str(), 1);
    return true;
}

// Start-up's share of the music: the synthesiser made and the soundfont
// loaded (its samples are read as pieces use them).
void BM_SoundFontLoad(benchmark::State& state, const char* file) {
    BufferMixer mixer;
    for (auto _ : state) {
        state.PauseTiming();
        const bool named = NameSoundFont(state, file);
        state.ResumeTiming();
        if (!named) break;
        plat::MciPrepare();
    }
    unsetenv("SDL_SOUNDFONTS");
}
BENCHMARK_CAPTURE(BM_SoundFontLoad, TimGM6mb, "TimGM6mb.sf2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SoundFontLoad, FluidR3_GM, "FluidR3_GM.sf2")->Unit(benchmark::kMillisecond);

// A piece opened for the first time with a freshly loaded soundfont: its
// instruments read into memory and measured.
void FirstOpen(benchmark::State& state, const char* file, const std::string& piece) {
    BufferMixer mixer;
    for (auto _ : state) {
        state.PauseTiming();
        const bool named = NameSoundFont(state, file);
        if (named) plat::MciPrepare();
        state.ResumeTiming();
        if (!named) break;
        plat::MciSendString("open \"" + piece + "\" type sequencer alias bench", nullptr);
        state.PauseTiming();
        plat::MciSendString("close bench", nullptr);
        state.ResumeTiming();
    }
    unsetenv("SDL_SOUNDFONTS");
}

// A stage's music.
void BM_FirstOpenOfStageMusic(benchmark::State& state, const char* file) {
    FirstOpen(state, file, std::string(VQ_DATA_DIR) + "/MIDI/QTW1.MID");
}
BENCHMARK_CAPTURE(BM_FirstOpenOfStageMusic, TimGM6mb, "TimGM6mb.sf2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstOpenOfStageMusic, FluidR3_GM, "FluidR3_GM.sf2")->Unit(benchmark::kMillisecond);

// The most a piece can ask at its open: every bank and program selected on
// every channel, then a note on each, so that every preset of the soundfont
// is kept and measured. The file lives as long as the benchmark.
void BM_FirstOpenOfEveryPreset(benchmark::State& state, const char* file) {
    std::vector<uint8_t> track;
    for (int channel = 0; channel < 16; ++channel)
        for (int bank = 0; bank < 128; ++bank)
            for (int program = 0; program < 128; ++program)
                track.insert(track.end(), {0, uint8_t(0xB0 | channel), 0, uint8_t(bank), 0, uint8_t(0xC0 | channel),
                                           uint8_t(program)});
    for (int channel = 0; channel < 16; ++channel) track.insert(track.end(), {0, uint8_t(0x90 | channel), 60, 100});
    track.insert(track.end(), {0, 0xFF, 0x2F, 0});
    const std::string piece = WriteMidiOrSkip(state, track);
    if (piece.empty()) return;
    FirstOpen(state, file, piece);
    std::filesystem::remove(piece);
}
BENCHMARK_CAPTURE(BM_FirstOpenOfEveryPreset, TimGM6mb, "TimGM6mb.sf2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstOpenOfEveryPreset, FluidR3_GM, "FluidR3_GM.sf2")->Unit(benchmark::kMillisecond);

}  // namespace
