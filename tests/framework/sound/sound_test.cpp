#include "framework/sound/sound.h"

#include <gtest/gtest.h>

#include <cmath>

#include "framework/system/random.h"
#include "framework/system/system.h"
#include "platform/audio.h"
#include "platform/system.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Heard;
using testsupport::Peak;
using testsupport::Render;

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::StartSoundWithoutDevice(dir_.path);
        ASSERT_EQ(SoundAvailable, 1u);
        FrameSeconds = 0.016f;
    }
    void TearDown() override { testsupport::StopSound(); }
    // A 44100 Hz mono 16-bit wave of `frames` frames of one value.
    std::string Wave(const std::string& name, int frames, int16_t value = 1000) {
        dir_.Write(name, testsupport::MakeWave(1, 44100, 16, testsupport::Constant16(frames, value)));
        return name;
    }
    // Loads and returns the handle, with any message it showed in *message.
    int Load(const std::string& name, int mix, std::string* message = nullptr) {
        ::testing::internal::CaptureStderr();
        int h = fwSound::LoadObject(name, mix);
        std::string err = ::testing::internal::GetCapturedStderr();
        if (message) *message = err;
        return h;
    }
    static plat::AudioBuffer* Copy(int h, int i) { return SoundObjects[h].buffers[i]; }
    static bool Playing(int h, int i) { return plat::AudioBufferStatus(Copy(h, i)) & plat::kAudioPlaying; }
    testsupport::TempFolder dir_;
};

TEST_F(SoundTest, LoadGivesTheLowestFreeSlotWithItsCopies) {
    int a = Load(Wave("SOUND/SHOT.WAV", 100), 1);
    int b = Load(Wave("SOUND/BOM.WAV", 100), 3);
    int c = Load("SOUND/BOM.WAV", -3);
    ASSERT_EQ(a, 0);
    ASSERT_EQ(b, 1);
    ASSERT_EQ(c, 2);
    EXPECT_EQ(SoundObjects[a].mixCount, 1);
    EXPECT_EQ(SoundObjects[a].sweepStep, -1);
    EXPECT_EQ(SoundObjects[b].mixCount, 3);
    EXPECT_EQ(SoundObjects[b].sweepStep, 0);
    EXPECT_EQ(SoundObjects[c].mixCount, 3);
    EXPECT_EQ(SoundObjects[c].sweepStep, -1);
    EXPECT_NE(Copy(b, 2), nullptr);
    EXPECT_EQ(Copy(b, 3), nullptr);
    EXPECT_EQ(SoundObjects[b].name, "SOUND/BOM.WAV");
    EXPECT_EQ(SoundObjects[b].baseFrequency, 44100u);
    EXPECT_EQ(SoundObjects[b].frequency[2], 44100u);
    EXPECT_EQ(ErrorFlag, 0);
    fwSound::ReleaseObject(a);
    EXPECT_EQ(SoundObjects[a].inUse, 0u);
    EXPECT_EQ(SoundObjects[a].name, "");
    EXPECT_EQ(Load("SOUND/SHOT.WAV", 1), 0);
}

TEST_F(SoundTest, LoadRefusalsShowTheirMessagesAndKeepTheSlotFree) {
    Wave("A.WAV", 10);
    std::string msg;
    EXPECT_EQ(Load("A.WAV", 11, &msg), -1);
    EXPECT_NE(msg.find("fwSound::LoadObject : ミックス数が多過ぎます"), std::string::npos) << msg;
    EXPECT_EQ(Load("A.WAV", -11, &msg), -1);
    EXPECT_NE(msg.find("ミックス数が多過ぎます"), std::string::npos);
    EXPECT_EQ(Load("A.WAV", 0, &msg), -1);
    EXPECT_NE(msg.find("fwSound::LoadObject"), std::string::npos);
    EXPECT_EQ(Load("MISSING.WAV", 1, &msg), -1);
    EXPECT_EQ(msg, "エラー発生: fwSound::LoadObject : WAVEリソースが見つかりません : MISSING.WAV\n");
    dir_.Write("EMPTY.WAV", testsupport::MakeWave(1, 44100, 16, {}));
    EXPECT_EQ(Load("EMPTY.WAV", 1, &msg), -1);
    EXPECT_NE(msg.find("サウンドバッファが生成できません"), std::string::npos);
    EXPECT_EQ(ErrorFlag, 1);
    for (const SoundObject& o : SoundObjects) {
        ASSERT_EQ(o.inUse, 0u);
        ASSERT_EQ(o.mixCount, 1);
        ASSERT_EQ(o.buffers[0], nullptr);
    }
}

// A wave that is there but corrupt: the box keeps its text, and the line on
// stderr names the file and what is wrong with it.
TEST_F(SoundTest, ACorruptWaveIsNamedOnStderrWithItsFault) {
    const std::vector<uint8_t> good = testsupport::MakeWave(1, 44100, 16, testsupport::Constant16(8, 100));
    auto patched = [&](size_t at, uint8_t value) { return testsupport::Patched(good, at, {value, 0, 0, 0}); };
    const testsupport::BrokenFile cases[] = {
        {"EMPTY.WAV", {}, "the file is empty"},
        {"TEXT.WAV", {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e', '!', '!'},
         "not a WAVE file (it does not begin with \"RIFF\" and \"WAVE\")"},
        {"HALF.WAV", {good.begin(), good.begin() + 30}, "the RIFF chunk claims 52 bytes, 22 are in the file"},
        {"DATA.WAV", patched(40, 17), "the \"data\" chunk at byte 36 claims 17 bytes, 16 are left"},
        {"FMT.WAV", patched(16, 12), "the \"fmt \" chunk has 12 bytes, fewer than 16"},
        {"DEEP.WAV", testsupport::MakeWave(1, 44100, 24, std::vector<uint8_t>(6)),
         "a format the mixer does not play (format tag 1, channels 1, 24 bits, 44100 Hz, block 3, 132300 bytes a "
         "second)"},
        {"NODATA.WAV", patched(4, 28), "no \"data\" chunk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir_.Write(c.name, c.bytes);
        ErrorFlag = 0;
        std::string msg;
        EXPECT_EQ(Load(c.name, 1, &msg), -1);
        EXPECT_EQ(msg, std::string("エラー発生: fwSound::LoadObject : ") + c.name + " : " + c.fault + "\n");
        EXPECT_EQ(plat::LastMessageBox(), "エラー発生: fwSound::LoadObject : WAVEリソースが見つかりません");
        EXPECT_EQ(ErrorFlag, 1);
    }
}

TEST_F(SoundTest, NameLengthIsCheckedBeforeLoading) {
    const std::string thirty = "SOUND/" + std::string(20, 'A') + ".WAV";
    const std::string thirtyOne = "SOUND/" + std::string(21, 'A') + ".WAV";
    ASSERT_EQ(thirty.size(), 30u);
    Wave(thirty, 10);
    Wave(thirtyOne, 10);
    EXPECT_EQ(Load(thirty, 1), 0);
    EXPECT_EQ(SoundObjects[0].name, thirty);
    std::string msg;
    EXPECT_EQ(Load(thirtyOne, 1, &msg), -1);
    EXPECT_NE(msg.find("ファイル名またはリソース名が長すぎます"), std::string::npos);
    EXPECT_EQ(SoundObjects[1].inUse, 0u);  // nothing was loaded into it
}

TEST_F(SoundTest, SeventyFirstLoadIsRefused) {
    Wave("A.WAV", 4);
    for (int i = 0; i < kSoundObjectCount; ++i) ASSERT_EQ(Load("A.WAV", 1), i);
    std::string msg;
    EXPECT_EQ(Load("A.WAV", 1, &msg), -1);
    EXPECT_NE(msg.find("オブジェクト数が多過ぎます"), std::string::npos);
}

TEST_F(SoundTest, PlayedOnceEndsAtItsLength) {
    int h = Load(Wave("A.WAV", 1000, 1200), 1);
    fwSound::Play(h, -1);
    auto out = Render(999);
    EXPECT_EQ(out[2 * plat::kMixDelay], 1200);  // heard after the mixer's delay
    EXPECT_TRUE(Playing(h, 0));
    Render(1);
    EXPECT_FALSE(Playing(h, 0));
    EXPECT_EQ(SoundObjects[h].looping, 0u);
}

TEST_F(SoundTest, OneCopySoundPlayedTwiceRestarts) {
    int SndBom = Load(Wave("SOUND/BOM.WAV", 1000), 1);
    fwSound::Play(SndBom, -1);
    Render(600);
    EXPECT_EQ(fwSound::GetPosition(SndBom), 1200u);
    fwSound::Play(SndBom, -1);
    EXPECT_EQ(fwSound::GetPosition(SndBom), 0u);
    EXPECT_EQ(SoundObjects[SndBom].nextMix, 0);
    Render(999);
    EXPECT_TRUE(Playing(SndBom, 0));  // a whole length again, not the rest of the first
    Render(1);
    EXPECT_FALSE(Playing(SndBom, 0));
    // -2 on one copy restarts it too and never arms a sweep.
    fwSound::Play(SndBom, -2);
    EXPECT_TRUE(Playing(SndBom, 0));
    EXPECT_EQ(SoundObjects[SndBom].sweepStep, -1);
}

TEST_F(SoundTest, MixMinusOneGoesRoundRobinOverThreeCopies) {
    int h = Load(Wave("A.WAV", 1000), 3);
    fwSound::Play(h, -1);
    EXPECT_TRUE(Playing(h, 0));
    EXPECT_FALSE(Playing(h, 1));
    Render(100);
    fwSound::Play(h, -1);
    EXPECT_TRUE(Playing(h, 1));
    EXPECT_FALSE(Playing(h, 2));
    Render(100);
    fwSound::Play(h, -1);
    EXPECT_TRUE(Playing(h, 2));
    EXPECT_EQ(SoundObjects[h].nextMix, 0);
    Render(100);
    EXPECT_EQ(plat::GetAudioPosition(Copy(h, 0)), 600u);
    EXPECT_EQ(plat::GetAudioPosition(Copy(h, 1)), 400u);
    EXPECT_EQ(plat::GetAudioPosition(Copy(h, 2)), 200u);
    // The fourth play restarts copy 0 and leaves the others sounding.
    fwSound::Play(h, -1);
    EXPECT_EQ(plat::GetAudioPosition(Copy(h, 0)), 0u);
    EXPECT_EQ(plat::GetAudioPosition(Copy(h, 1)), 400u);
    EXPECT_EQ(SoundObjects[h].nextMix, 1);
    // Three copies of 1000 sound together.
    EXPECT_EQ(Heard(1)[0], 3000);
    // A given copy leaves the round-robin alone.
    fwSound::Play(h, 2);
    EXPECT_EQ(SoundObjects[h].nextMix, 1);
    EXPECT_EQ(plat::GetAudioPosition(Copy(h, 2)), 0u);
}

TEST_F(SoundTest, CallsOnNoObjectReturnAtOnce) {
    int h = Load(Wave("A.WAV", 1000), 3);
    for (int bad : {-1, 70, 5, 1000}) {  // a failed load, out of range, a free slot
        fwSound::Play(bad, -1);
        fwSound::PlayLoop(bad, 0);
        fwSound::Stop(bad, -1);
        fwSound::PauseResume(bad, -1);
        fwSound::SetVolume(bad, -10, -1);
        fwSound::AddFrequency(bad, 10, -1);
        fwSound::PanLeft(bad, -2);
        fwSound::SweepVolume(bad, 100, 3, 10);
        fwSound::ReleaseObject(bad);
        EXPECT_EQ(fwSound::GetPosition(bad), 0u);
    }
    // A copy index at or above the object's copies.
    fwSound::Play(h, 3);
    fwSound::Play(h, 9);
    fwSound::SetVolume(h, -10, 3);
    EXPECT_EQ(SoundObjects[h].nextMix, 0);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(Playing(h, i));
    EXPECT_EQ(SoundObjects[h].volume[3], 0);
    EXPECT_EQ(Peak(Render(100)), 0);
}

TEST_F(SoundTest, FrequencySettersClampAndSetRestoresTheBase) {
    int h = Load(Wave("A.WAV", 100), 2);
    fwSound::AddFrequency(h, 2000, -1);  // +200000 Hz
    EXPECT_EQ(SoundObjects[h].frequency[0], 100000u);
    EXPECT_EQ(SoundObjects[h].frequency[1], 100000u);
    EXPECT_EQ(plat::GetAudioFrequency(Copy(h, 1)), 100000u);
    fwSound::AddFrequency(h, -999, 0);   // 100000 - 99900 = 100
    EXPECT_EQ(SoundObjects[h].frequency[0], 100u);
    fwSound::AddFrequency(h, -1, 0);     // below the bottom
    EXPECT_EQ(SoundObjects[h].frequency[0], 100u);
    fwSound::AddFrequency(h, -5000, 0);  // below 0
    EXPECT_EQ(SoundObjects[h].frequency[0], 100u);
    fwSound::SetFrequency(h, -221, 1);   // 44100 - 22100
    EXPECT_EQ(SoundObjects[h].frequency[1], 22000u);
    fwSound::SetFrequency(h, 0, -1);
    EXPECT_EQ(SoundObjects[h].frequency[0], 44100u);
    EXPECT_EQ(SoundObjects[h].frequency[1], 44100u);
    fwSound::AddFrequency(h, -10, -1);
    fwSound::ResetFrequency(h, -1);
    EXPECT_EQ(plat::GetAudioFrequency(Copy(h, 0)), 44100u);
}

TEST_F(SoundTest, MixMinusTwoSetsOnlyTheNextRoundRobinCopy) {
    int h = Load(Wave("A.WAV", 100), 3);
    fwSound::Play(h, -1);  // next is copy 1
    fwSound::SetVolume(h, -20, -2);
    EXPECT_EQ(SoundObjects[h].volume[0], 0);
    EXPECT_EQ(SoundObjects[h].volume[1], -2000);
    EXPECT_EQ(SoundObjects[h].volume[2], 0);
    EXPECT_EQ(plat::GetAudioVolume(Copy(h, 1)), -2000);
    fwSound::SetPan(h, 7, -1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(SoundObjects[h].pan[i], 700);
}

TEST_F(SoundTest, PanAndVolumeSettersClamp) {
    int h = Load(Wave("A.WAV", 100), 1);
    fwSound::AddVolume(h, 5, 0);
    EXPECT_EQ(SoundObjects[h].volume[0], 0);
    fwSound::SetVolume(h, -150, 0);
    EXPECT_EQ(SoundObjects[h].volume[0], -10000);
    fwSound::AddVolume(h, 40, 0);
    EXPECT_EQ(SoundObjects[h].volume[0], -6000);
    fwSound::ResetVolume(h, 0);
    EXPECT_EQ(plat::GetAudioVolume(Copy(h, 0)), 0);
    fwSound::SetPan(h, 120, 0);
    EXPECT_EQ(SoundObjects[h].pan[0], 10000);
    fwSound::AddPan(h, -250, 0);
    EXPECT_EQ(SoundObjects[h].pan[0], -10000);
    fwSound::PanRight(h, 0);
    EXPECT_EQ(plat::GetAudioPan(Copy(h, 0)), 10000);
    fwSound::PanLeft(h, 0);
    EXPECT_EQ(SoundObjects[h].pan[0], -10000);
    fwSound::ResetPan(h, 0);
    EXPECT_EQ(plat::GetAudioPan(Copy(h, 0)), 0);
}

TEST_F(SoundTest, SetVolumeIsHeardInDecibels) {
    int h = Load(Wave("A.WAV", 1000, 16000), 1);
    fwSound::SetVolume(h, -6, -1);
    fwSound::Play(h, -1);
    EXPECT_NEAR(Heard(1)[0], 16000 * std::pow(10.0, -0.3), 1.0);
    fwSound::PanLeft(h, -1);
    auto out = Heard(1);
    EXPECT_GT(out[0], 7000);
    EXPECT_EQ(out[1], 0);
}

TEST_F(SoundTest, LoopPlaysOnAndStopRewindsEveryCopy) {
    int h = Load(Wave("A.WAV", 100), 2);
    fwSound::PlayLoop(h, -1);
    EXPECT_EQ(SoundObjects[h].looping, 1u);
    Render(250);
    EXPECT_TRUE(Playing(h, 0));
    EXPECT_EQ(fwSound::GetPosition(h), 100u);
    fwSound::PlayLoop(h, -1);
    fwSound::Stop(h, 0);  // that copy alone
    EXPECT_FALSE(Playing(h, 0));
    EXPECT_TRUE(Playing(h, 1));
    EXPECT_EQ(fwSound::GetPosition(h), 0u);
    Render(10);
    fwSound::Stop(h, -2);  // -2 stops every copy here
    EXPECT_FALSE(Playing(h, 1));
    EXPECT_EQ(plat::GetAudioPosition(Copy(h, 1)), 0u);
}

TEST_F(SoundTest, PauseResumeGoesOnFromWhereItPaused) {
    int h = Load(Wave("A.WAV", 1000), 1);
    fwSound::Play(h, -1);
    Render(300);
    fwSound::PauseResume(h, -1);
    EXPECT_FALSE(Playing(h, 0));
    EXPECT_EQ(SoundObjects[h].pausePosition[0], 600u);
    Render(100);
    fwSound::PauseResume(h, -1);
    EXPECT_TRUE(Playing(h, 0));
    EXPECT_EQ(plat::AudioBufferStatus(Copy(h, 0)) & plat::kAudioLooping, 0u);
    Render(699);
    EXPECT_TRUE(Playing(h, 0));
    Render(1);
    EXPECT_FALSE(Playing(h, 0));
    // A looping sound resumes looping.
    fwSound::PlayLoop(h, 0);
    fwSound::PauseResume(h, 0);
    fwSound::PauseResume(h, 0);
    EXPECT_NE(plat::AudioBufferStatus(Copy(h, 0)) & plat::kAudioLooping, 0u);
}

TEST_F(SoundTest, VolumeSweepEchoesCountTimesEachQuieter) {
    int h = Load(Wave("A.WAV", 100000), 2);
    fwSound::SetVolume(h, -5, -1);
    fwSound::Play(h, -2);  // arms the sweep; the reset brings every copy back to 0 dB
    EXPECT_EQ(SoundObjects[h].sweepStep, 1);
    EXPECT_EQ(SoundObjects[h].volume[0], 0);
    EXPECT_EQ(SoundObjects[h].volume[1], 0);
    std::vector<int> echoCalls;
    std::vector<int32_t> echoVolumes;
    for (int call = 1; call <= 40; ++call) {
        int before = SoundObjects[h].nextMix;
        fwSound::SweepVolume(h, 100, 3, 10);
        if (SoundObjects[h].nextMix != before) {
            echoCalls.push_back(call);
            echoVolumes.push_back(SoundObjects[h].volume[before]);
            EXPECT_EQ(plat::GetAudioPosition(Copy(h, before)), 0u);
            EXPECT_TRUE(Playing(h, before));
        }
        Render(10);
    }
    // 16 ms a frame: the seventh call is the first with 100 ms gathered.
    EXPECT_EQ(echoCalls, (std::vector<int>{7, 14, 21}));
    EXPECT_EQ(echoVolumes, (std::vector<int32_t>{-1000, -2000, -3000}));
    EXPECT_EQ(SoundObjects[h].sweepStep, 0);
}

TEST_F(SoundTest, PanSweepMovesThePanAndBouncesAtThirtyDecibels) {
    int h = Load(Wave("A.WAV", 100000), 2);
    rng::srand(1);
    fwSound::Play(h, -2);
    const int dir = SoundObjects[h].sweepPanDir;
    ASSERT_TRUE(dir == 1 || dir == -1);
    FrameSeconds = 0.1f;  // every call is due and moves the pan 0.1 x 100 x panRate decibels
    int copy = SoundObjects[h].nextMix;
    fwSound::SweepPan(h, 100, 5, 1, 2);  // moves 20 dB
    EXPECT_FLOAT_EQ(SoundObjects[h].sweepPan, 20.0f * dir);
    EXPECT_EQ(SoundObjects[h].pan[copy], 2000 * dir);
    EXPECT_EQ(SoundObjects[h].volume[copy], -100);
    copy = SoundObjects[h].nextMix;
    fwSound::SweepPan(h, 100, 5, 1, 2);  // 40 dB: held at 30 and turned round
    EXPECT_FLOAT_EQ(SoundObjects[h].sweepPan, 30.0f * dir);
    EXPECT_EQ(SoundObjects[h].sweepPanDir, -dir);
    EXPECT_EQ(SoundObjects[h].pan[copy], 3000 * dir);
    fwSound::SweepPan(h, 100, 5, 1, 2);
    EXPECT_FLOAT_EQ(SoundObjects[h].sweepPan, 10.0f * dir);
}

TEST_F(SoundTest, StopWithANegativeMixEndsASweep) {
    int h = Load(Wave("A.WAV", 1000), 2);
    fwSound::Play(h, -2);
    fwSound::Stop(h, 1);
    EXPECT_EQ(SoundObjects[h].sweepStep, 1);
    fwSound::Stop(h, -1);
    EXPECT_EQ(SoundObjects[h].sweepStep, 0);
    FrameSeconds = 1.0f;
    fwSound::SweepVolume(h, 100, 3, 10);
    EXPECT_FALSE(Playing(h, 0));
    EXPECT_FALSE(Playing(h, 1));
}

TEST_F(SoundTest, ReleaseAllThenRestoreAllRebuildsEveryObject) {
    int a = Load(Wave("A.WAV", 1000, 2000), 3);
    int b = Load(Wave("B.WAV", 1000), 1);
    fwSound::Play(a, -1);
    fwSound::SetVolume(a, -6, 1);
    fwSound::SetFrequency(a, -221, 2);
    fwSound::ReleaseAll();
    EXPECT_EQ(Copy(a, 0), nullptr);
    EXPECT_EQ(SoundObjects[a].inUse, 1u);
    fwSound::Play(a, -1);  // nothing to play on: ignored
    fwSound::SetVolume(a, -3, 0);
    fwSound::RestoreAll();
    EXPECT_EQ(SoundReloadMode, 0u);
    ASSERT_NE(Copy(a, 2), nullptr);
    ASSERT_NE(Copy(b, 0), nullptr);
    EXPECT_EQ(SoundObjects[a].nextMix, 1);  // kept
    EXPECT_EQ(SoundObjects[a].name, "A.WAV");
    EXPECT_EQ(plat::GetAudioVolume(Copy(a, 0)), -300);
    EXPECT_EQ(plat::GetAudioVolume(Copy(a, 1)), -600);
    EXPECT_EQ(plat::GetAudioFrequency(Copy(a, 2)), 22000u);
    fwSound::Play(a, 0);
    EXPECT_NEAR(Heard(1)[0], 2000 * std::pow(10.0, -0.15), 1.0);
}

TEST_F(SoundTest, SelectFormatReloadsOrRefuses) {
    int h = Load(Wave("A.WAV", 100), 2);
    EXPECT_EQ(fwSound::SelectFormat(2, 22, 16), 1);
    EXPECT_NE(Copy(h, 1), nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fwSound::SelectFormat(6, 44, 16), 0);
    std::string msg = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(msg.find("fwSound::SelectFormat : 再生フォーマットを変更できません"), std::string::npos);
    // The copies are gone; the object stays and ignores calls.
    EXPECT_EQ(Copy(h, 0), nullptr);
    fwSound::Play(h, -1);
    fwSound::PauseResume(h, -1);
    EXPECT_EQ(fwSound::GetPosition(h), 0u);
}

TEST_F(SoundTest, SystemSoundPlaysThroughAndObjectsComeBack) {
    int h = Load(Wave("A.WAV", 100), 1);
    Wave("DING.WAV", 4410);
    fwSound::PlaySystemSound(dir_.path + "/DING.WAV");
    ASSERT_NE(Copy(h, 0), nullptr);
    EXPECT_EQ(Peak(Render(100)), 0);  // it has played to its end already
}

TEST_F(SoundTest, AnErrorBoxBeeps) {
    ::testing::internal::CaptureStderr();
    fwSystem::ShowErrorBox("here", "what");
    ::testing::internal::GetCapturedStderr();
    EXPECT_GT(Peak(Render(4410)), 1000);
}

TEST(SoundWithoutDevice, EveryOperationStaysSilent) {
    plat::SetAudioOutput(plat::AudioOutput::None);
    ErrorFlag = 0;
    EXPECT_EQ(fwSound::Init(), 0);
    EXPECT_EQ(SoundAvailable, 0u);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fwSound::LoadObject("SOUND/SHOT.WAV", 1), -1);
    fwSound::Play(-1, -1);
    fwSound::Play(0, -1);
    fwSound::SweepPan(0, 1, 1, 1, 1);
    EXPECT_EQ(fwSound::SelectFormat(2, 44, 16), 1);
    fwSound::PlaySystemSound("X.WAV");
    fwSound::RestoreAll();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(ErrorFlag, 0);
    plat::SetAudioOutput(plat::AudioOutput::Device);
}

TEST(SoundReader, ReadWaveFileReportsFailureAsOne) {
    testsupport::TempFolder dir;
    plat::AudioFormat format;
    uint32_t formatSize = 99, dataSize = 99;
    std::vector<uint8_t> data;
    EXPECT_EQ(fwSound::ReadWaveFile(dir.path + "/NONE.WAV", &format, &formatSize, &data, &dataSize), 1);
    EXPECT_EQ(dataSize, 0u);
    EXPECT_TRUE(data.empty());
    std::string file = dir.Write("A.WAV", testsupport::MakeWave(2, 22050, 8, std::vector<uint8_t>(10, 7)));
    EXPECT_EQ(fwSound::ReadWaveFile(file, &format, &formatSize, &data, &dataSize), 0);
    EXPECT_EQ(formatSize, 18u);
    EXPECT_EQ(dataSize, 10u);
    EXPECT_EQ(format.channels, 2);
}

}  // namespace
