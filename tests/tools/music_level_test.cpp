// The music heard as a player hears it: each piece rendered through the
// game's sequencer and mixer with each General MIDI soundfont of the
// Debian archive, named to the game through SDL_SOUNDFONTS; its level, its
// peaks and the balance of its parts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/audio.h"
#include "platform/mci.h"
#include "tests/support/bitmaps.h"
#include "tests/support/run.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_folder.h"

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
        std::fclose(f);
    }
    return bytes;
}

uint32_t Be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

void PutBe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// The file with only the conductor track and track `keep` (1: melody,
// 2: arpeggio, 3: pad, 4: bass, 5: drums); keep 0 keeps every track.
std::vector<uint8_t> OnlyTrack(const std::vector<uint8_t>& midi, int keep) {
    if (keep == 0 || midi.size() < 14) return midi;
    std::vector<uint8_t> out(midi.begin(), midi.begin() + 14);
    size_t at = 14;
    int index = 0, kept = 0;
    while (at + 8 <= midi.size()) {
        const size_t len = Be32(&midi[at + 4]);
        if (index == 0 || index == keep) {
            out.insert(out.end(), midi.begin() + static_cast<long>(at), midi.begin() + static_cast<long>(at + 8 + len));
            ++kept;
        }
        at += 8 + len;
        ++index;
    }
    out[10] = 0;
    out[11] = static_cast<uint8_t>(kept);
    return out;
}

struct Level {
    double rms;  // dBFS
    int peak;    // largest sample magnitude
};

// `seconds` of the piece from its start, as the mixer puts it out.
Level LevelOf(const std::vector<uint8_t>& midi, double seconds) {
    testsupport::TempFolder dir;
    const std::string path = dir.Write("piece.mid", midi);
    EXPECT_EQ(plat::MciSendString("open \"" + path + "\" type sequencer alias midi", nullptr), plat::kMciOk);
    plat::MciSendString("play midi", nullptr);
    double sum = 0;
    long count = 0;
    int peak = 0;
    const int block = plat::kMixRate / 10;
    for (int b = 0; b < static_cast<int>(seconds * 10); ++b) {
        const std::vector<int16_t> out = testsupport::Render(block);
        for (int16_t s : out) sum += double(s) * s;
        peak = std::max(peak, testsupport::Peak(out));
        count += static_cast<long>(out.size());
    }
    plat::MciSendString("close midi", nullptr);
    return {10 * std::log10(sum / count / (32768.0 * 32768.0) + 1e-12), peak};
}

// The mixer without a device, and the synthesiser on the one soundfont
// `file` of the Debian packages; skips when that is not installed.
class WithSoundFont {
public:
    void Start(const std::string& file) {
        const std::string path = "/usr/share/sounds/sf2/" + file;
        if (access(path.c_str(), R_OK) != 0) GTEST_SKIP() << "soundfont " << path << " is not installed";
        font_.emplace("SDL_SOUNDFONTS", path.c_str());
        ASSERT_EQ(plat::MciSoundFontPath(), path);
        plat::SetAudioOutput(plat::AudioOutput::Buffer);
        ASSERT_TRUE(plat::AudioOpen());
        open_ = true;
    }
    void Stop() {
        if (open_) plat::AudioClose();
        plat::SetAudioOutput(plat::AudioOutput::Device);
        font_.reset();
    }

private:
    std::optional<testsupport::ScopedEnv> font_;
    bool open_ = false;
};

const char* const kSoundFonts[] = {"TimGM6mb.sf2", "FluidR3_GM.sf2"};
const char* const kPieces[] = {"QTW1", "QTW2", "QTW3", "QTW4", "QTW5", "QTWEND", "HMDW3", "KV5"};

std::string Name(std::string file) {
    file.erase(file.find('.'));
    file.erase(std::remove(file.begin(), file.end(), '_'), file.end());
    return file;
}

class MusicLevel : public ::testing::TestWithParam<std::tuple<const char*, const char*>>, public WithSoundFont {
protected:
    void SetUp() override { Start(std::get<0>(GetParam())); }
    void TearDown() override { Stop(); }
};

// The first minute of each piece sits at about -19 dBFS RMS (-21 to -17)
// with every sample clear of the top, and its melody is louder than each
// of its accompanying parts, whichever soundfont plays it.
TEST_P(MusicLevel, FirstMinuteIsAtGameLevelUnclippedWithTheMelodyLeading) {
    const char* piece = std::get<1>(GetParam());
    const auto midi = ReadAll(std::string(VQ_DATA_DIR) + "/MIDI/" + piece + ".MID");
    ASSERT_FALSE(midi.empty()) << piece;
    const Level all = LevelOf(midi, 60);
    EXPECT_GE(all.rms, -21.0);
    EXPECT_LE(all.rms, -17.0);
    EXPECT_LT(all.peak, 32000);
    const double melody = LevelOf(OnlyTrack(midi, 1), 60).rms;
    for (int part = 2; part <= 5; ++part) EXPECT_GT(melody, LevelOf(OnlyTrack(midi, part), 60).rms) << "part " << part;
}

INSTANTIATE_TEST_SUITE_P(DebianSoundFonts, MusicLevel,
                         ::testing::Combine(::testing::ValuesIn(kSoundFonts), ::testing::ValuesIn(kPieces)),
                         [](const auto& info) {
                             return Name(std::get<0>(info.param)) + "_" + std::get<1>(info.param);
                         });

// One saw-lead note at full velocity, held for two seconds, on `channels`
// melodic channels at once: every channel sounds the same, so without a
// limiter each sample would be `channels` times the one channel's.
std::vector<uint8_t> SameNoteOn(int channels) {
    std::vector<uint8_t> track;
    for (uint8_t channel = 0, used = 0; used < channels; ++channel) {
        if (channel == 9) continue;  // the drums
        ++used;
        track.insert(track.end(), {0, uint8_t(0xB0 | channel), 7, 80, 0, uint8_t(0xB0 | channel), 11, 127});
        track.insert(track.end(), {0, uint8_t(0xC0 | channel), 81, 0, uint8_t(0x90 | channel), 64, 127});
    }
    track.insert(track.end(), {0x83, 0x60, 0xFF, 0x2F, 0x00});  // four beats at 120
    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 120, 'M', 'T', 'r', 'k'};
    PutBe(file, static_cast<uint32_t>(track.size()), 4);
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

class MusicLimiter : public ::testing::TestWithParam<const char*>, public WithSoundFont {
protected:
    void SetUp() override { Start(GetParam()); }
    void TearDown() override { Stop(); }
};

// Fifteen channels of the same note drive the synthesiser to peaks of
// several times full scale; the mixer's limiter still holds every sample
// under it, as loud as the limit allows, with eight full-scale effects on
// top of the music or without them.
TEST_P(MusicLimiter, FarTooLoudMusicStaysUnderFullScaleWithOrWithoutLoudEffects) {
    constexpr int kChannels = 15;
    const Level one = LevelOf(SameNoteOn(1), 2);
    ASSERT_LT(one.peak, 30000);  // under the limit: the synthesiser's own samples
    EXPECT_GT(one.peak * kChannels, 4 * 32768);
    for (int voices : {0, 8}) {
        std::vector<plat::AudioBuffer*> effects;
        for (int i = 0; i < voices; ++i) effects.push_back(testsupport::PlaySquareLoop(32767));
        const Level all = LevelOf(SameNoteOn(kChannels), 2);
        for (plat::AudioBuffer* b : effects) plat::ReleaseAudioBuffer(b);
        EXPECT_LT(all.peak, 32000) << voices << " effects";
        EXPECT_GT(all.peak, 29000) << voices << " effects";
    }
}

INSTANTIATE_TEST_SUITE_P(DebianSoundFonts, MusicLimiter, ::testing::ValuesIn(kSoundFonts),
                         [](const auto& info) { return Name(info.param); });

}  // namespace
