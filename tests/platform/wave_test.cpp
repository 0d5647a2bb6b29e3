#include "platform/wave.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/sound_files.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::MakeWave;

void SetU32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}
void SetU16(std::vector<uint8_t>& v, size_t at, uint16_t x) {
    v[at] = static_cast<uint8_t>(x);
    v[at + 1] = static_cast<uint8_t>(x >> 8);
}

bool Parses(const std::vector<uint8_t>& bytes) {
    plat::WaveData w;
    return plat::ParseWave(bytes.data(), bytes.size(), &w);
}

TEST(Wave, ReadsEveryPlayableLayout) {
    struct Case { int channels, rate, bits; } cases[] = {{1, 8000, 8}, {2, 11025, 8}, {1, 22050, 16}, {2, 44100, 16}, {1, 7, 16}};
    for (const Case& c : cases) {
        std::vector<uint8_t> samples(c.channels * c.bits / 8 * 10, 0x5A);
        auto file = MakeWave(c.channels, c.rate, c.bits, samples);
        plat::WaveData w;
        ASSERT_TRUE(plat::ParseWave(file.data(), file.size(), &w)) << c.channels << "/" << c.rate << "/" << c.bits;
        EXPECT_EQ(w.format.channels, c.channels);
        EXPECT_EQ(w.format.samplesPerSec, static_cast<uint32_t>(c.rate));
        EXPECT_EQ(w.format.bitsPerSample, c.bits);
        EXPECT_EQ(w.samples, samples);
    }
}

TEST(Wave, SkipsOtherChunksAndTakesALongerFormatChunk) {
    std::vector<uint8_t> f = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
                              'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0,  // odd size, padded
                              'f', 'm', 't', ' ', 18, 0, 0, 0, 1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 1, 0,
                              2, 0, 16, 0, 0, 0,
                              'd', 'a', 't', 'a', 4, 0, 0, 0, 1, 2, 3, 4};
    SetU32(f, 4, static_cast<uint32_t>(f.size() - 8));
    plat::WaveData w;
    ASSERT_TRUE(plat::ParseWave(f.data(), f.size(), &w));
    EXPECT_EQ(w.format.samplesPerSec, 44100u);
    EXPECT_EQ(w.samples, (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(Wave, TruncatedAtEveryHeaderBoundaryIsRefused) {
    auto file = MakeWave(1, 44100, 16, testsupport::Constant16(8, 100));
    // RIFF id, RIFF size, form type, fmt id, fmt size, inside fmt, data id,
    // data size, inside the samples.
    for (size_t cut : {0, 2, 4, 8, 12, 16, 20, 24, 35, 36, 40, 43, 44, 50}) {
        std::vector<uint8_t> part(file.begin(), file.begin() + cut);
        EXPECT_FALSE(Parses(part)) << "cut at " << cut;
        // The same with the RIFF size mended to what is there: the chunk
        // walk has to notice.
        if (cut >= 12) {
            SetU32(part, 4, static_cast<uint32_t>(cut - 8));
            EXPECT_FALSE(Parses(part)) << "mended cut at " << cut;
        }
    }
    EXPECT_TRUE(Parses(file));
}

TEST(Wave, ChunkSizesBeyondTheFileAreRefused) {
    auto file = MakeWave(1, 44100, 16, testsupport::Constant16(8, 100));
    auto riff = file;
    SetU32(riff, 4, 0xFFFFFFF0u);
    EXPECT_FALSE(Parses(riff));
    auto fmt = file;
    SetU32(fmt, 16, 0x7FFFFFFFu);
    EXPECT_FALSE(Parses(fmt));
    auto data = file;
    SetU32(data, 40, 17);  // one byte more than there is
    EXPECT_FALSE(Parses(data));
    SetU32(data, 40, 0xFFFFFFFFu);
    EXPECT_FALSE(Parses(data));
}

TEST(Wave, DataBeforeFormatIsRefused) {
    std::vector<uint8_t> f = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
                              'd', 'a', 't', 'a', 2, 0, 0, 0, 7, 7,
                              'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 1, 0,
                              2, 0, 16, 0};
    SetU32(f, 4, static_cast<uint32_t>(f.size() - 8));
    EXPECT_FALSE(Parses(f));
}

TEST(Wave, FormatsTheMixerCannotPlayAreRefused) {
    auto good = MakeWave(1, 44100, 16, testsupport::Constant16(8, 100));
    auto change = [&](size_t at, uint16_t v) {
        auto f = good;
        SetU16(f, at, v);
        return f;
    };
    EXPECT_FALSE(Parses(change(20, 2)));     // not PCM
    EXPECT_FALSE(Parses(change(22, 3)));     // three channels
    EXPECT_FALSE(Parses(change(22, 0)));     // no channels
    EXPECT_FALSE(Parses(change(34, 24)));    // 24 bits
    EXPECT_FALSE(Parses(change(34, 12)));    // 12 bits
    EXPECT_FALSE(Parses(change(32, 4)));     // block align disagrees
    auto rate0 = good;
    SetU32(rate0, 24, 0);
    EXPECT_FALSE(Parses(rate0));
    auto shortFmt = good;
    SetU32(shortFmt, 16, 14);  // a format chunk under 16 bytes
    EXPECT_FALSE(Parses(shortFmt));
    auto notWave = good;
    notWave[8] = 'A';
    EXPECT_FALSE(Parses(notWave));
}

TEST(Wave, FileReaderAndFormatBlock) {
    testsupport::TempFolder dir;
    auto bytes = MakeWave(2, 22050, 16, std::vector<uint8_t>(40, 1));
    plat::WaveData w;
    ASSERT_TRUE(plat::ReadWaveFile(dir.Write("A.WAV", bytes), &w));
    EXPECT_EQ(w.samples.size(), 40u);
    EXPECT_FALSE(plat::ReadWaveFile(dir.path + "/MISSING.WAV", &w));
    EXPECT_TRUE(w.samples.empty());
    EXPECT_FALSE(plat::ReadWaveFile(dir.Write("EMPTY.WAV", {}), &w));

    uint8_t block[plat::kWaveFormatBlockBytes];
    plat::FormatToBlock(w.format, block);
    ASSERT_TRUE(plat::ReadWaveFile(dir.path + "/A.WAV", &w));
    plat::FormatToBlock(w.format, block);
    EXPECT_EQ(0, std::memcmp(block, bytes.data() + 20, 16));
    EXPECT_EQ(block[16], 0);
    EXPECT_EQ(block[17], 0);
    plat::AudioFormat back;
    ASSERT_TRUE(plat::FormatFromBlock(block, sizeof block, &back));
    EXPECT_EQ(back.avgBytesPerSec, 22050u * 4);
    EXPECT_FALSE(plat::FormatFromBlock(block, 15, &back));
}

}  // namespace
