// The music heard as a player hears it: each piece rendered through the
// game's sequencer and mixer, its level and the balance of its parts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/mci.h"
#include "tests/support/bitmaps.h"
#include "tests/support/sound_files.h"

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

// RMS level in dBFS of `seconds` of the piece from its start.
int gPeak = 0;
double LevelOf(const std::vector<uint8_t>& midi, double seconds) {
    gPeak = 0;
    const std::string dir = testsupport::MakeTempDir();
    const std::string path = dir + "piece.mid";
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(midi.data(), 1, midi.size(), f);
    std::fclose(f);
    plat::MciSendString("open \"" + path + "\" type sequencer alias midi", nullptr);
    plat::MciSendString("play midi", nullptr);
    double sum = 0;
    long count = 0;
    const int block = plat::kMixRate / 10;
    for (int b = 0; b < static_cast<int>(seconds * 10); ++b) {
        const std::vector<int16_t> out = testsupport::Render(block);
        for (int16_t s : out) sum += double(s) * s;
        gPeak = std::max(gPeak, testsupport::Peak(out));
        count += static_cast<long>(out.size());
    }
    plat::MciSendString("close midi", nullptr);
    std::remove(path.c_str());
    return 10 * std::log10(sum / count / (32768.0 * 32768.0) + 1e-12);
}

struct MusicLevel : ::testing::Test {
    void SetUp() override {
        if (plat::MciSoundFontPath().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
        plat::SetAudioOutput(plat::AudioOutput::Buffer);
        ASSERT_TRUE(plat::AudioOpen());
    }
    void TearDown() override {
        plat::AudioClose();
        plat::SetAudioOutput(plat::AudioOutput::Device);
    }
};

const char* const kPieces[] = {"QTW1", "QTW2", "QTW3", "QTW4", "QTW5", "QTWEND", "HMDW3", "KV5"};

// Each piece sits at about -19 dBFS RMS (-21 to -17) with its peaks clear of
// the top, and its melody is louder than each of its accompanying parts.
// The first 40 seconds of every piece are heard: intro, themes and the
// arpeggio's first entries.
TEST_F(MusicLevel, EveryPieceIsAtGameLevelWithTheMelodyLeading) {
    for (const char* name : kPieces) {
        const auto midi = ReadAll(std::string(VQ_DATA_DIR) + "/MIDI/" + name + ".MID");
        ASSERT_FALSE(midi.empty()) << name;
        const double all = LevelOf(midi, 40);
        EXPECT_GE(all, -21.0) << name;
        EXPECT_LE(all, -17.0) << name;
        EXPECT_LT(gPeak, 32000) << name;
        const double melody = LevelOf(OnlyTrack(midi, 1), 40);
        for (int part = 2; part <= 5; ++part) EXPECT_GT(melody, LevelOf(OnlyTrack(midi, part), 40)) << name << " part " << part;
    }
}

}  // namespace
