#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "framework/sound/sound.h"
#include "tests/framework/sound/pack_fixture.h"

namespace {

using packtest::kRate;
using packtest::kSecond16;
using packtest::Markers;
using packtest::Messages;

class StreamTest : public packtest::PackTest {
protected:
    // Expects `heard`, from the play on, to be silence for the mixer's
    // delay, then `source` from its first sample, then silence.
    static void ExpectWholeThenSilence(const std::vector<int16_t>& heard, const std::vector<int16_t>& source) {
        const size_t delay = plat::kMixDelay;
        ASSERT_GE(heard.size(), delay + source.size());
        for (size_t i = 0; i < delay; ++i) ASSERT_EQ(heard[i], 0) << "frame " << i;
        for (size_t i = 0; i < source.size(); ++i) ASSERT_EQ(heard[delay + i], source[i]) << "frame " << i;
        for (size_t i = delay + source.size(); i < heard.size(); ++i) ASSERT_EQ(heard[i], 0) << "frame " << i;
    }
};

TEST_F(StreamTest, FiveSecondEntryPlaysOnceWithNoGapOrRepeat) {
    const auto source = Markers(5 * kRate);
    UseMonoPack("BGM.WAV", source);
    const int h = fwSound::LoadStream("bgm.wav", 0);
    ASSERT_EQ(h, 0);
    const SoundObject& o = SoundObjects[h];
    EXPECT_EQ(o.stream.dataSize, 5 * kSecond16);
    EXPECT_EQ(o.stream.halfSize, 2 * kSecond16);
    EXPECT_EQ(o.stream.bufferSize, 4 * kSecond16);
    EXPECT_EQ(plat::AudioBufferBytes(o.buffers[0]), 4 * kSecond16);
    EXPECT_EQ(o.mixCount, 1);
    EXPECT_EQ(o.sweepStep, -1);
    EXPECT_EQ(o.fromPack, 1u);
    EXPECT_EQ(o.name, "bgm.wav");

    fwSound::Play(h, -1);
    EXPECT_NE(plat::AudioBufferStatus(o.buffers[0]) & plat::kAudioLooping, 0u);  // the ring always loops
    // Refills fall due at frame boundaries other than the halves' ends.
    const auto heard = Stream(7 * kRate, 1000);
    ExpectWholeThenSilence(heard, source);
    EXPECT_FALSE(Playing(h));
    EXPECT_EQ(fwSound::GetPosition(h), 0u);

    // A second play starts again from the first sample.
    fwSound::Play(h, -1);
    ExpectWholeThenSilence(Stream(6 * kRate), source);
}

TEST_F(StreamTest, RefillAfterALongStallStillFollowsTheCursor) {
    const auto source = Markers(5 * kRate);
    UseMonoPack("BGM.WAV", source);
    const int h = fwSound::LoadStream("BGM.WAV", 0);
    fwSound::Play(h, -1);
    // The second refill falls due at 2 s; then no frame runs for 2.2 s, and
    // the cursor comes round the buffer's end past the part filled last.
    auto heard = Stream(2 * kRate + 735);
    const auto stall = testsupport::Render(2 * kRate + kRate / 5);
    for (size_t i = 0; i < stall.size(); i += 2) heard.push_back(stall[i]);
    const auto rest = Stream(3 * kRate);
    heard.insert(heard.end(), rest.begin(), rest.end());
    ExpectWholeThenSilence(heard, source);
    EXPECT_FALSE(Playing(h));
}

TEST_F(StreamTest, EntryOneByteShortOfFiveSecondsLoadsWhole) {
    auto bytes = testsupport::Pcm16(Markers(5 * kRate));
    bytes.pop_back();
    UsePack(testsupport::MakePackEntry("SHORT.WAV", testsupport::PcmFormatBlock(1, kRate, 16), bytes));
    const int h = fwSound::LoadStream("SHORT.WAV", 0);
    ASSERT_EQ(h, 0);
    EXPECT_EQ(SoundObjects[h].stream.dataSize, 0u);
    EXPECT_EQ(SoundObjects[h].fromPack, 1u);
    EXPECT_EQ(SoundObjects[h].mixCount, 1);
    EXPECT_EQ(plat::AudioBufferBytes(SoundObjects[h].buffers[0]), bytes.size());
}

TEST_F(StreamTest, ElevenSecondsReadInPartsThenLoopFromTheLoopPoint) {
    const auto source = Markers(11 * kRate);
    UseMonoPack("LONG.WAV", source);
    // An odd loop offset: the loop starts at the whole sample below it.
    const int h = fwSound::LoadStream("LONG.WAV", 3 * kSecond16 + 1);
    ASSERT_EQ(h, 0);
    const SoundStream& s = SoundObjects[h].stream;
    fwSound::PlayLoop(h, -1);

    std::vector<uint32_t> parts;
    std::vector<int16_t> heard;
    const uint32_t total = 27 * kRate;
    while (heard.size() < total) {
        const uint32_t before = s.writePos;
        ASSERT_EQ(fwSound::Streaming(), 1);
        if (s.writePos != before) parts.push_back((s.writePos + s.bufferSize - before) % s.bufferSize);
        const auto out = testsupport::Render(735);
        for (int i = 0; i < 735; ++i) heard.push_back(out[2 * i]);
    }
    // After the first two seconds: 2, 2 and 2 s; 3 s are left, read as two
    // parts of 1.5 s.
    ASSERT_GE(parts.size(), 5u);
    EXPECT_EQ(std::vector<uint32_t>(parts.begin(), parts.begin() + 5),
              (std::vector<uint32_t>{2 * kSecond16, 2 * kSecond16, 2 * kSecond16, 3 * kSecond16 / 2,
                                     3 * kSecond16 / 2}));
    // After the mixer's delay, the whole entry once, then from 3 s on,
    // again and again.
    for (uint32_t i = 0; i + plat::kMixDelay < total; ++i) {
        const uint32_t at = i < 11u * kRate ? i : 3 * kRate + (i - 11 * kRate) % (8 * kRate);
        ASSERT_EQ(heard[plat::kMixDelay + i], source[at]) << "frame " << i;
    }
    EXPECT_TRUE(Playing(h));
}

TEST_F(StreamTest, EightBitStreamEndsInItsOwnSilence) {
    std::vector<uint8_t> bytes(5 * kRate);
    for (uint32_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(128 + (packtest::Marker(i) >> 8)) | 1;
    UsePack(testsupport::MakePackEntry("EIGHT.WAV", testsupport::PcmFormatBlock(1, kRate, 8), bytes));
    const int h = fwSound::LoadStream("EIGHT.WAV", 0);
    ASSERT_EQ(h, 0);
    fwSound::Play(h, -1);
    std::vector<int16_t> source(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) source[i] = static_cast<int16_t>((bytes[i] - 128) * 256);
    // With refills 1000 frames apart the silence written after the end is
    // heard for 500 frames before the stop.
    ExpectWholeThenSilence(Stream(6 * kRate, 1000), source);
    EXPECT_FALSE(Playing(h));
}

TEST_F(StreamTest, OncePlayedStreamWithALateLoopPointStillEnds) {
    const auto source = Markers(6 * kRate);
    UseMonoPack("LATE.WAV", source);
    const int h = fwSound::LoadStream("LATE.WAV", 11 * kSecond16 / 2);  // loop point at 5.5 s
    ASSERT_EQ(h, 0);
    fwSound::Play(h, -1);
    ExpectWholeThenSilence(Stream(9 * kRate, 1000), source);
    EXPECT_FALSE(Playing(h));
}

TEST_F(StreamTest, PausedStreamResumesAndPlaysOnToItsEnd) {
    const auto source = Markers(6 * kRate);
    UseMonoPack("PAUSE.WAV", source);
    const int h = fwSound::LoadStream("PAUSE.WAV", 0);
    fwSound::Play(h, -1);
    auto heard = Stream(kRate);
    fwSound::PauseResume(h, -1);
    EXPECT_FALSE(Playing(h));
    const auto paused = testsupport::Render(kRate / 2);
    for (size_t i = 0; i < paused.size(); i += 2) heard.push_back(paused[i]);
    fwSound::PauseResume(h, -1);
    const auto rest = Stream(7 * kRate);
    heard.insert(heard.end(), rest.begin(), rest.end());
    // The pause is heard as half a second of silence after the first second.
    const auto pause = heard.begin() + plat::kMixDelay + kRate;
    EXPECT_EQ(std::count(pause, pause + kRate / 2, 0), kRate / 2);
    heard.erase(pause, pause + kRate / 2);
    ExpectWholeThenSilence(heard, source);
}

TEST_F(StreamTest, PackThatCannotBeReadStopsTheStreamWithItsMessage) {
    const auto source = Markers(6 * kRate);
    UseMonoPack("GONE.WAV", source);
    const int h = fwSound::LoadStream("GONE.WAV", 0);
    fwSound::Play(h, -1);
    Stream(kRate);
    std::remove((dir_.path + "/TEST.PAK").c_str());
    int result = 1;
    std::string msg = Messages([&] { Stream(3 * kRate / 2, 735, &result); });
    EXPECT_NE(msg.find("fwSound::Streaming : パックファイル名が指定されていません"), std::string::npos) << msg;
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(Playing(h));
    msg = Messages([&] { fwSound::Play(h, -1); });
    EXPECT_NE(msg.find("fwSound::ResetStream : パックファイル名が指定されていません"), std::string::npos) << msg;
    EXPECT_FALSE(Playing(h));

    // The pack comes back cut after 3 s of samples: the start plays, the
    // first refill past the cut fails and stops the stream.
    const std::vector<int16_t> firstThree(source.begin(), source.begin() + 3 * kRate);
    auto bytes = testsupport::MakePackEntry("GONE.WAV", testsupport::PcmFormatBlock(1, kRate, 16),
                                            testsupport::Pcm16(firstThree));
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>((6 * kSecond16) >> (8 * i));  // still says 6 s
    dir_.Write("TEST.PAK", bytes);
    fwSound::Play(h, -1);
    EXPECT_TRUE(Playing(h));
    msg = Messages([&] { Stream(kRate, 735, &result); });
    EXPECT_NE(msg.find("fwSound::Streaming : ストリーミング再生できません"), std::string::npos) << msg;
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(Playing(h));
}

TEST_F(StreamTest, RestoreAllLoadsPackObjectsAgainStreamsFromTheirOwnPack) {
    const auto music = Markers(6 * kRate);
    const auto shot = Markers(400);
    UsePack(testsupport::Join({testsupport::MakePackEntry("MUSIC.WAV", testsupport::PcmFormatBlock(1, kRate, 16),
                                                          testsupport::Pcm16(music)),
                               testsupport::MakePackEntry("SHOT.WAV", testsupport::PcmFormatBlock(1, kRate, 16),
                                                          testsupport::Pcm16(shot))}));
    const std::string firstPack = SoundPackPath;
    const int h = fwSound::LoadStream("MUSIC.WAV", kSecond16);
    const int hShot = fwSound::LoadPack("SHOT.WAV", 2);
    ASSERT_EQ(h, 0);
    ASSERT_EQ(hShot, 1);
    fwSound::SetVolume(h, -6, -1);
    fwSound::SetVolume(hShot, -3, 1);
    fwSound::SetPackFile("OTHER.PAK");
    fwSound::ReleaseAll();
    fwSound::RestoreAll();
    const SoundObject& o = SoundObjects[h];
    ASSERT_NE(o.buffers[0], nullptr);
    ASSERT_NE(SoundObjects[hShot].buffers[1], nullptr);
    EXPECT_EQ(SoundObjects[hShot].fromPack, 1u);
    EXPECT_EQ(plat::GetAudioVolume(SoundObjects[hShot].buffers[1]), -300);
    EXPECT_EQ(o.stream.packPath, firstPack);
    EXPECT_EQ(SoundPackPath, firstPack);
    EXPECT_EQ(o.stream.loopStart - o.stream.dataStart, kSecond16);
    EXPECT_EQ(o.stream.dataSize, 6 * kSecond16);
    EXPECT_EQ(plat::GetAudioVolume(o.buffers[0]), -600);
    fwSound::ResetVolume(h, -1);
    fwSound::Play(h, -1);
    ExpectWholeThenSilence(Stream(7 * kRate), music);
}

}  // namespace
