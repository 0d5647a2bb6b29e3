#include <gtest/gtest.h>

#include <filesystem>

#include "framework/sound/sound.h"
#include "tests/framework/sound/pack_fixture.h"

namespace {

using packtest::kRate;
using packtest::Markers;
using packtest::Messages;
using testsupport::Join;
using testsupport::MakePackEntry;
using testsupport::MakeWave;
using testsupport::PcmFormatBlock;
using testsupport::Pcm16;

class SoundPackTest : public packtest::PackTest {
protected:
    std::vector<uint8_t> ReadFile(const std::string& name) {
        std::vector<uint8_t> bytes;
        if (FILE* f = std::fopen((dir_.path + "/" + name).c_str(), "rb")) {
            for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
            std::fclose(f);
        }
        return bytes;
    }
    // Plays copy 0 of `h` and returns the left channel of `frames` frames.
    static std::vector<int16_t> Hear(int h, int frames) {
        fwSound::Play(h, 0);
        const std::vector<int16_t> out = testsupport::Heard(frames);
        std::vector<int16_t> left;
        for (int i = 0; i < frames; ++i) left.push_back(out[2 * i]);
        return left;
    }
};

TEST_F(SoundPackTest, FolderOfThreeWavesConvertsAndEachLoadsByName) {
    const auto shot = Markers(1000);
    std::vector<uint8_t> boom;  // stereo 8-bit: left and right differ
    for (int i = 0; i < 600; ++i) boom.insert(boom.end(), {static_cast<uint8_t>(i % 200 + 20), 100});
    const std::vector<uint8_t> ring = Pcm16(Markers(300));
    dir_.Write("SOUND/SHOT.WAV", MakeWave(1, kRate, 16, Pcm16(shot)));
    dir_.Write("SOUND/boom.wav", MakeWave(2, kRate, 8, boom));
    dir_.Write("SOUND/Ring.Wav", MakeWave(1, 22050, 16, ring));
    dir_.Write("SOUND/BAD.WAV", {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e'});
    dir_.Write("SOUND/README.TXT", MakeWave(1, kRate, 16, Pcm16(shot)));

    EXPECT_EQ(fwSound::Convert("SE.PAK", "SOUND", 1), 1);
    // Entries in the order the folder lists them, names upper-cased, the
    // unreadable wave and the other file left out.
    const std::vector<uint8_t> expected = Join({MakePackEntry("RING.WAV", PcmFormatBlock(1, 22050, 16), ring),
                                                MakePackEntry("SHOT.WAV", PcmFormatBlock(1, kRate, 16), Pcm16(shot)),
                                                MakePackEntry("BOOM.WAV", PcmFormatBlock(2, kRate, 8), boom)});
    EXPECT_EQ(ReadFile("SE.PAK"), expected);

    fwSound::SetPackFile("SE.PAK");
    const int hShot = fwSound::LoadPack("shot.wav", 1);
    const int hBoom = fwSound::LoadPack("Boom.Wav", 3);
    const int hRing = fwSound::LoadPack("RING.WAV", -2);
    ASSERT_EQ(hShot, 0);
    ASSERT_EQ(hBoom, 1);
    ASSERT_EQ(hRing, 2);
    EXPECT_EQ(ErrorFlag, 0);
    EXPECT_EQ(SoundObjects[hShot].name, "shot.wav");
    EXPECT_EQ(SoundObjects[hBoom].fromPack, 1u);
    EXPECT_EQ(SoundObjects[hBoom].mixCount, 3);
    EXPECT_EQ(SoundObjects[hBoom].sweepStep, 0);
    EXPECT_EQ(SoundObjects[hRing].mixCount, 2);
    EXPECT_EQ(SoundObjects[hRing].sweepStep, -1);
    EXPECT_EQ(SoundObjects[hRing].baseFrequency, 22050u);
    EXPECT_EQ(SoundObjects[hShot].stream.dataSize, 0u);
    EXPECT_EQ(plat::AudioBufferBytes(SoundObjects[hRing].buffers[1]), ring.size());

    EXPECT_EQ(Hear(hShot, 1000), shot);
    fwSound::Stop(hShot, -1);
    fwSound::Play(hBoom, 2);
    const std::vector<int16_t> out = testsupport::Heard(600);
    for (int i = 0; i < 600; ++i) {
        ASSERT_EQ(out[2 * i], (boom[2 * i] - 128) * 256) << i;
        ASSERT_EQ(out[2 * i + 1], (100 - 128) * 256) << i;
    }

    // Without truncation the folder is appended again; with it the pack
    // starts afresh.
    fwSound::Convert("SE.PAK", "SOUND", 0);
    EXPECT_EQ(ReadFile("SE.PAK").size(), 2 * expected.size());
    fwSound::Convert("SE.PAK", "SOUND", 1);
    EXPECT_EQ(ReadFile("SE.PAK"), expected);
}

TEST_F(SoundPackTest, ConvertOneStoresTheLastNamePartAsGiven) {
    const auto a = Pcm16(Markers(50));
    dir_.Write("SOUND/a.wav", MakeWave(1, kRate, 16, a));
    dir_.Write("SOUND/B.WAV", MakeWave(1, kRate, 16, a));
    const std::string name127 = std::string(123, 'L') + ".WAV";
    const std::string name128 = std::string(124, 'L') + ".WAV";
    dir_.Write(name127, MakeWave(1, kRate, 16, a));
    dir_.Write(name128, MakeWave(1, kRate, 16, a));

    fwSound::ConvertOne("ONE.PAK", "SOUND/a.wav");
    EXPECT_EQ(ReadFile("ONE.PAK"), MakePackEntry("a.wav", PcmFormatBlock(1, kRate, 16), a));
    fwSound::ConvertOne("ONE.PAK", "SOUND/MISSING.WAV");  // nothing to read: nothing written
    fwSound::ConvertOne("ONE.PAK", name128);              // a name too long for an entry: nothing written
    fwSound::ConvertOne("ONE.PAK", name127);
    fwSound::ConvertOne("ONE.PAK", "SOUND/B.WAV");
    EXPECT_EQ(ReadFile("ONE.PAK"), Join({MakePackEntry("a.wav", PcmFormatBlock(1, kRate, 16), a),
                                         MakePackEntry(name127, PcmFormatBlock(1, kRate, 16), a),
                                         MakePackEntry("B.WAV", PcmFormatBlock(1, kRate, 16), a)}));

    fwSound::SetPackFile("ONE.PAK");
    // The request is upper-cased, so a name stored in lower case is never found.
    const std::string msg = Messages([] { EXPECT_EQ(fwSound::LoadPack("a.wav", 1), -1); });
    EXPECT_NE(msg.find("fwSound::LoadPack : WAVEファイルを読み込めません"), std::string::npos) << msg;
    // The entry behind the 127-character name is found.
    EXPECT_EQ(fwSound::LoadPack("b.wav", 1), 0);
}

TEST_F(SoundPackTest, RefusalsShowTheirMessagesAndLeaveNothingBehind) {
    std::string msg = Messages([] {
        EXPECT_EQ(fwSound::LoadPack("A.WAV", 1), -1);
        EXPECT_EQ(fwSound::LoadStream("A.WAV", 0), -1);
    });
    EXPECT_NE(msg.find("fwSound::LoadPack : パックファイル名が指定されていません"), std::string::npos) << msg;
    EXPECT_NE(msg.find("fwSound::LoadStream : パックファイル名が指定されていません"), std::string::npos) << msg;
    fwSound::SetPackFile("");  // the folder itself is no pack
    msg = Messages([] { EXPECT_EQ(fwSound::LoadPack("A.WAV", 1), -1); });
    EXPECT_NE(msg.find("fwSound::LoadPack : パックファイル名が指定されていません"), std::string::npos) << msg;

    UsePack(Join({MakePackEntry("A.WAV", PcmFormatBlock(1, kRate, 16), Pcm16(Markers(100))),
                  MakePackEntry("TINY.WAV", PcmFormatBlock(1, kRate, 16), {1, 2})}));
    const std::string thirtyOne(31, 'A');
    msg = Messages([&] {
        EXPECT_EQ(fwSound::LoadPack("B.WAV", 1), -1);
        EXPECT_EQ(fwSound::LoadPack("A.WAV", 11), -1);
        EXPECT_EQ(fwSound::LoadPack("A.WAV", -11), -1);
        EXPECT_EQ(fwSound::LoadPack(thirtyOne, 1), -1);
        EXPECT_EQ(fwSound::LoadStream(thirtyOne, 0), -1);
        EXPECT_EQ(fwSound::LoadPack("TINY.WAV", 1), -1);
    });
    EXPECT_NE(msg.find("fwSound::LoadPack : WAVEファイルを読み込めません"), std::string::npos) << msg;
    EXPECT_NE(msg.find("fwSound::LoadPack : ミックス数が多過ぎます"), std::string::npos) << msg;
    EXPECT_NE(msg.find("fwSound::LoadPack : ファイル名が長すぎます"), std::string::npos) << msg;
    EXPECT_NE(msg.find("fwSound::LoadStream : ファイル名が長すぎます"), std::string::npos) << msg;
    EXPECT_NE(msg.find("fwSound::LoadPack : サウンドバッファが生成できません"), std::string::npos) << msg;
    EXPECT_EQ(ErrorFlag, 1);
    ExpectAllIdle();
}

TEST_F(SoundPackTest, DamagedPacksAreRefusedWhicheverEntryIsAsked) {
    const auto format = PcmFormatBlock(1, kRate, 16);
    const auto samples = Pcm16(Markers(100));
    const auto good = MakePackEntry("A.WAV", format, samples);
    auto b = MakePackEntry("B.WAV", format, samples);
    auto lyingData = b;
    lyingData[0] += 1;  // one sample byte more than the file holds
    auto hugeData = b;
    hugeData[0] = hugeData[1] = hugeData[2] = hugeData[3] = 0xFF;
    auto hugeFormat = b;
    hugeFormat[10] = hugeFormat[11] = hugeFormat[12] = hugeFormat[13] = 0xF0;  // format size after "B.WAV\0"
    const std::vector<uint8_t> longName = MakePackEntry(std::string(128, 'N'), format, samples);
    struct Case {
        const char* what;
        std::vector<uint8_t> tail;
    };
    const std::vector<Case> cases = {
        {"ends inside a data size", {1, 2}},
        {"ends inside a name", {b.begin(), b.begin() + 7}},
        {"ends before a format size", {b.begin(), b.begin() + 12}},
        {"a name past its 128 bytes", longName},
        {"a format block shorter than a format", MakePackEntry("B.WAV", {format.begin(), format.begin() + 14}, samples)},
        {"a format size past the end", hugeFormat},
        {"a data size past the end", lyingData},
        {"a data size near 4 GiB", hugeData},
        {"samples cut short", {b.begin(), b.end() - 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UsePack(Join({good, c.tail}));
        const std::string msg = Messages([] {
            EXPECT_EQ(fwSound::LoadPack("A.WAV", 1), -1);
            EXPECT_EQ(fwSound::LoadStream("A.WAV", 0), -1);
        });
        EXPECT_NE(msg.find("fwSound::LoadPack : WAVEファイルを読み込めません"), std::string::npos) << msg;
        EXPECT_NE(msg.find("fwSound::LoadStream : WAVEファイルを読み込めません"), std::string::npos) << msg;
        ExpectAllIdle();
    }

    // An entry whose format the mixer cannot play (no bytes per second) is
    // refused; the other entries of the pack still load.
    auto silentRate = format;
    silentRate[8] = silentRate[9] = silentRate[10] = silentRate[11] = 0;
    UsePack(Join({MakePackEntry("Z.WAV", silentRate, Pcm16(Markers(5 * kRate))), good}));
    const std::string msg = Messages([] {
        EXPECT_EQ(fwSound::LoadStream("Z.WAV", 0), -1);
        EXPECT_EQ(fwSound::LoadPack("Z.WAV", 1), -1);
    });
    EXPECT_NE(msg.find("WAVEファイルを読み込めません"), std::string::npos) << msg;
    ExpectAllIdle();
    EXPECT_EQ(fwSound::LoadPack("A.WAV", 1), 0);
}

TEST_F(SoundPackTest, EntriesAreSteppedOverByTheirOwnFormatSize) {
    auto wide = PcmFormatBlock(1, kRate, 16);
    wide[16] = 2;  // cbSize 2, and two more bytes
    wide.insert(wide.end(), {0xAA, 0xBB});
    const auto x = Markers(200);
    std::vector<int16_t> y(300);
    for (int i = 0; i < 300; ++i) y[i] = static_cast<int16_t>(-7 * i);
    UsePack(Join({MakePackEntry("X.WAV", wide, Pcm16(x)),
                  MakePackEntry("Y.WAV", PcmFormatBlock(1, kRate, 16), Pcm16(y))}));
    const int hy = fwSound::LoadPack("Y.WAV", 1);
    const int hx = fwSound::LoadPack("X.WAV", 1);
    ASSERT_GE(hy, 0);
    ASSERT_GE(hx, 0);
    EXPECT_EQ(Hear(hy, 300), y);
    fwSound::Stop(hy, -1);
    EXPECT_EQ(Hear(hx, 200), x);
}

TEST(SoundPackWithoutDevice, EveryOperationStaysSilent) {
    plat::SetAudioOutput(plat::AudioOutput::None);
    testsupport::TempFolder dir;
    plat::SetExecutableDirectory(dir.path);
    dir.Write("A.WAV", MakeWave(1, kRate, 16, Pcm16(Markers(10))));
    ErrorFlag = 0;
    ASSERT_EQ(fwSound::Init(), 0);
    const std::string msg = packtest::Messages([] {
        fwSound::SetPackFile("A.PAK");
        EXPECT_EQ(fwSound::LoadPack("A.WAV", 1), -1);
        EXPECT_EQ(fwSound::LoadStream("A.WAV", 0), -1);
        EXPECT_EQ(fwSound::Streaming(), 0);
        EXPECT_EQ(fwSound::ResetStream(0), 0);
        EXPECT_EQ(fwSound::Convert("A.PAK", "", 1), 1);
        fwSound::ConvertOne("A.PAK", "A.WAV");
    });
    EXPECT_EQ(msg, "");
    EXPECT_EQ(ErrorFlag, 0);
    EXPECT_FALSE(std::filesystem::exists(dir.path + "/A.PAK"));
    plat::SetExecutableDirectory("");
    plat::SetAudioOutput(plat::AudioOutput::Device);
}

}  // namespace
