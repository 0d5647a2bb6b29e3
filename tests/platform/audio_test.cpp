#include "platform/audio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/support/sound_files.h"

namespace {

using testsupport::Heard;
using testsupport::Render;

plat::AudioFormat Format(int channels, int rate, int bits) {
    plat::AudioFormat f;
    f.channels = static_cast<uint16_t>(channels);
    f.samplesPerSec = static_cast<uint32_t>(rate);
    f.bitsPerSample = static_cast<uint16_t>(bits);
    f.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    f.avgBytesPerSec = f.samplesPerSec * f.blockAlign;
    return f;
}

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::SetAudioOutput(plat::AudioOutput::Buffer);
        ASSERT_TRUE(plat::AudioOpen());
    }
    void TearDown() override {
        for (plat::AudioBuffer* b : made_) plat::ReleaseAudioBuffer(b);
        plat::AudioClose();
        plat::SetAudioOutput(plat::AudioOutput::Device);
    }
    // A 16-bit buffer holding the given bytes.
    plat::AudioBuffer* Make(const plat::AudioFormat& f, const std::vector<uint8_t>& bytes) {
        plat::AudioBuffer* b = plat::CreateAudioBuffer(f, static_cast<uint32_t>(bytes.size()));
        EXPECT_NE(b, nullptr);
        if (!b) return nullptr;
        plat::AudioRegion r1, r2;
        EXPECT_TRUE(plat::LockAudioBuffer(b, 0, static_cast<uint32_t>(bytes.size()), &r1, &r2));
        std::memcpy(r1.data, bytes.data(), r1.bytes);
        EXPECT_TRUE(plat::UnlockAudioBuffer(b, r1, r2));
        made_.push_back(b);
        return b;
    }
    plat::AudioBuffer* MakeMono(const std::vector<int16_t>& samples, int rate = plat::kMixRate) {
        return Make(Format(1, rate, 16), testsupport::Pcm16(samples));
    }
    std::vector<plat::AudioBuffer*> made_;
};

TEST_F(MixerTest, PlayedOnceEndsAtItsLengthAndReportsStopped) {
    plat::AudioBuffer* b = MakeMono(std::vector<int16_t>(1000, 1000));
    ASSERT_TRUE(plat::PlayAudioBuffer(b, false));
    EXPECT_EQ(plat::AudioBufferStatus(b), plat::kAudioPlaying);
    auto out = Render(999);
    EXPECT_EQ(out[2 * (plat::kMixDelay - 1)], 0);
    EXPECT_EQ(out[2 * plat::kMixDelay], 1000);  // the first frame, heard after the mixer's delay
    EXPECT_EQ(plat::AudioBufferStatus(b), plat::kAudioPlaying);
    Render(1);
    EXPECT_EQ(plat::AudioBufferStatus(b), 0u);
    EXPECT_EQ(plat::GetAudioPosition(b), 0u);
    out = Render(plat::kMixDelay + 10);
    EXPECT_EQ(out[2 * (plat::kMixDelay - 1)], 1000);  // the last frame
    EXPECT_EQ(testsupport::Peak(std::vector<int16_t>(out.begin() + 2 * plat::kMixDelay, out.end())), 0);
}

TEST_F(MixerTest, LoopingWrapsWithoutAGap) {
    std::vector<int16_t> ramp;
    for (int i = 0; i < 100; ++i) ramp.push_back(static_cast<int16_t>(100 * (i + 1)));
    plat::AudioBuffer* b = MakeMono(ramp);
    plat::PlayAudioBuffer(b, true);
    EXPECT_EQ(plat::AudioBufferStatus(b), plat::kAudioPlaying | plat::kAudioLooping);
    auto out = Heard(350);
    for (int i = 0; i < 350; ++i) {
        ASSERT_EQ(out[2 * i], ramp[i % 100]) << "frame " << i;
        ASSERT_EQ(out[2 * i + 1], ramp[i % 100]) << "frame " << i;
    }
    EXPECT_EQ(plat::GetAudioPosition(b), (350u + plat::kMixDelay) % 100 * 2);
}

TEST_F(MixerTest, VolumeScalesByTenToTheVolumeOverTwoThousand) {
    plat::AudioBuffer* b = MakeMono(std::vector<int16_t>(100, 16000));
    plat::SetAudioVolume(b, -600);
    plat::PlayAudioBuffer(b, true);
    auto out = Heard(10);
    const double expected = 16000 * std::pow(10.0, -0.3);
    EXPECT_NEAR(out[10], expected, 1.0);
    EXPECT_NEAR(out[11], expected, 1.0);
    // Clamped at the ends of the range; -10000 is silence.
    plat::SetAudioVolume(b, 500);
    EXPECT_EQ(plat::GetAudioVolume(b), 0);
    plat::SetAudioVolume(b, -20000);
    EXPECT_EQ(plat::GetAudioVolume(b), plat::kVolumeMin);
    EXPECT_EQ(testsupport::Peak(Heard(10)), 0);
}

TEST_F(MixerTest, PanAttenuatesTheFarSide) {
    plat::AudioBuffer* b = MakeMono(std::vector<int16_t>(100, 16000));
    plat::PlayAudioBuffer(b, true);
    plat::SetAudioPan(b, -10000);
    auto out = Heard(10);
    EXPECT_EQ(out[0], 16000);
    EXPECT_EQ(out[1], 0);
    plat::SetAudioPan(b, 1000);  // 10 dB to the right
    out = Heard(10);
    EXPECT_NEAR(out[0], 16000 * std::pow(10.0, -0.5), 1.0);
    EXPECT_EQ(out[1], 16000);
    plat::SetAudioPan(b, 30000);
    EXPECT_EQ(plat::GetAudioPan(b), plat::kPanRight);
    out = Heard(10);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 16000);
}

TEST_F(MixerTest, HalfTheRateTakesTwiceAsLong) {
    std::vector<int16_t> ramp;
    for (int i = 0; i < 200; ++i) ramp.push_back(static_cast<int16_t>(50 * i));
    plat::AudioBuffer* b = MakeMono(ramp);
    EXPECT_EQ(plat::GetAudioFrequency(b), 44100u);
    plat::SetAudioFrequency(b, 22050);
    plat::PlayAudioBuffer(b, false);
    auto out = Render(399);
    EXPECT_EQ(plat::AudioBufferStatus(b), plat::kAudioPlaying);
    // Every second output frame falls between two samples: interpolated.
    EXPECT_EQ(out[2 * (plat::kMixDelay + 20)], ramp[10]);
    EXPECT_EQ(out[2 * (plat::kMixDelay + 21)], (ramp[10] + ramp[11]) / 2);
    Render(1);
    EXPECT_EQ(plat::AudioBufferStatus(b), 0u);
}

TEST_F(MixerTest, PlayCursorAdvancesAsSamplesAreConsumed) {
    plat::AudioBuffer* b = Make(Format(2, plat::kMixRate, 16), std::vector<uint8_t>(4000, 0));
    EXPECT_EQ(plat::GetAudioPosition(b), 0u);
    Render(100);  // not playing: the cursor stays
    EXPECT_EQ(plat::GetAudioPosition(b), 0u);
    plat::PlayAudioBuffer(b, false);
    Render(100);
    EXPECT_EQ(plat::GetAudioPosition(b), 400u);
    Render(150);
    EXPECT_EQ(plat::GetAudioPosition(b), 1000u);
    plat::StopAudioBuffer(b);
    Render(100);
    EXPECT_EQ(plat::GetAudioPosition(b), 1000u);
    EXPECT_TRUE(plat::SetAudioPosition(b, 2003));  // rounded down to a whole frame
    EXPECT_EQ(plat::GetAudioPosition(b), 2000u);
    EXPECT_FALSE(plat::SetAudioPosition(b, 4000));
    EXPECT_EQ(plat::GetAudioPosition(b), 2000u);
}

TEST_F(MixerTest, EightBitStereoKeepsItsChannelsApart) {
    // Unsigned 8-bit: 0x80 is zero; 0xC0 is +0.5, 0x40 is -0.5.
    std::vector<uint8_t> frames;
    for (int i = 0; i < 50; ++i) frames.insert(frames.end(), {0xC0, 0x40});
    plat::AudioBuffer* b = Make(Format(2, plat::kMixRate, 8), frames);
    plat::PlayAudioBuffer(b, false);
    auto out = Heard(10);
    EXPECT_EQ(out[0], 16384);
    EXPECT_EQ(out[1], -16384);
}

TEST_F(MixerTest, BuffersAddUp) {
    plat::AudioBuffer* a = MakeMono(std::vector<int16_t>(100, 20000));
    plat::AudioBuffer* b = MakeMono(std::vector<int16_t>(100, 5000));
    plat::PlayAudioBuffer(a, false);
    plat::PlayAudioBuffer(b, false);
    EXPECT_EQ(Heard(1)[0], 25000);
}

// The music stream for the mixer: a square wave of 74 frames at `level`
// (in 1/32768 of full scale) on both sides.
struct SquareMusic {
    int level;
    int frame = 0;
};
void AddSquareMusic(float* mix, int frames, void* user) {
    auto* music = static_cast<SquareMusic*>(user);
    for (int i = 0; i < frames; ++i, ++music->frame) {
        const float v = static_cast<float>(music->frame % 74 < 37 ? music->level : -music->level) / 32768.0f;
        mix[2 * i] += v;
        mix[2 * i + 1] += v;
    }
}

// However loud the music and the effects are together, no sample of the
// mix reaches full scale, and the loud mix is held close to the limit
// rather than far under it. A mix whose sum stays under the limit comes out
// sample for sample as it went in, plat::kMixDelay frames late, even right
// after the mixer was closed on a far too loud mix and opened again.
TEST_F(MixerTest, TheWholeMixStaysUnderFullScaleAndAQuietMixPassesUnchanged) {
    struct Case {
        const char* what;
        int music;        // level of the music's square wave, 1/32768 of full scale
        int voices;       // copies of the effect's square wave playing
        int16_t voice;    // its level
        bool loudBefore;  // a far too loud mix played before the mixer was closed and opened again
    };
    const Case cases[] = {
        {"a quiet mix", 8192, 2, 8000, false},
        {"far too loud music", 4 * 32768, 0, 0, false},
        {"eight full-scale effects", 0, 8, 32767, false},
        {"loud music and eight full-scale effects", 32768, 8, 32767, false},
        {"a quiet mix after a closed loud one", 8192, 2, 8000, true},
    };
    for (const Case& c : cases) {
        std::vector<plat::AudioBuffer*> voices;
        if (c.loudBefore) {
            for (int i = 0; i < 8; ++i) voices.push_back(testsupport::PlaySquareLoop(32767));
            Render(plat::kMixRate / 20);
        }
        plat::AudioClose();
        ASSERT_TRUE(plat::AudioOpen());
        for (int i = 0; i < c.voices; ++i) voices.push_back(testsupport::PlaySquareLoop(c.voice));
        SquareMusic music{c.music};
        plat::SetAudioSource(AddSquareMusic, &music);
        const std::vector<int16_t> out = Render(plat::kMixRate / 2);
        plat::SetAudioSource(nullptr, nullptr);
        for (plat::AudioBuffer* b : voices) plat::ReleaseAudioBuffer(b);

        if (c.music + c.voices * c.voice >= plat::kMixCeiling * 32768) {
            EXPECT_LT(testsupport::Peak(out), 32000) << c.what;
            EXPECT_GT(testsupport::Peak(out), 29000) << c.what;
            continue;
        }
        int firstChanged = -1;
        for (int f = 0; f < plat::kMixRate / 2 && firstChanged < 0; ++f) {
            const int m = f - plat::kMixDelay;  // the frame mixed then
            const int effects = c.voices * (m % 100 < 50 ? c.voice : -c.voice);
            const int in = m < 0 ? 0 : (m % 74 < 37 ? c.music : -c.music) + effects;
            if (out[2 * f] != in || out[2 * f + 1] != in) firstChanged = f;
        }
        EXPECT_EQ(firstChanged, -1) << c.what;
    }
}

TEST_F(MixerTest, LockOfARingSpanReturnsTwoRegions) {
    plat::AudioBuffer* b = Make(Format(1, plat::kMixRate, 16), std::vector<uint8_t>(1000, 0));
    plat::AudioRegion r1, r2;
    ASSERT_TRUE(plat::LockAudioBuffer(b, 800, 400, &r1, &r2));
    EXPECT_EQ(r1.bytes, 200u);
    EXPECT_EQ(r2.bytes, 200u);
    ASSERT_NE(r2.data, nullptr);
    // A second lock while the first is held is refused.
    plat::AudioRegion x1, x2;
    EXPECT_FALSE(plat::LockAudioBuffer(b, 0, 10, &x1, &x2));
    std::memset(r1.data, 0x11, r1.bytes);
    std::memset(r2.data, 0x22, r2.bytes);
    ASSERT_TRUE(plat::UnlockAudioBuffer(b, r1, r2));
    // Played from byte 0: the wrapped region first, then silence, then the tail.
    plat::PlayAudioBuffer(b, false);
    auto out = Heard(500);
    EXPECT_EQ(out[0], 0x2222);
    EXPECT_EQ(out[2 * 99], 0x2222);
    EXPECT_EQ(out[2 * 100], 0);
    EXPECT_EQ(out[2 * 400], 0x1111);
    EXPECT_EQ(out[2 * 499], 0x1111);
    // One region when the span does not wrap.
    ASSERT_TRUE(plat::LockAudioBuffer(b, 0, 1000, &r1, &r2));
    EXPECT_EQ(r1.bytes, 1000u);
    EXPECT_EQ(r2.bytes, 0u);
    EXPECT_EQ(r2.data, nullptr);
    EXPECT_EQ(r1.data[0], 0x22);  // the lock shows what the buffer holds
    EXPECT_TRUE(plat::UnlockAudioBuffer(b, r1, r2));
}

TEST_F(MixerTest, LockOutsideTheBufferFails) {
    plat::AudioBuffer* b = Make(Format(1, plat::kMixRate, 16), std::vector<uint8_t>(100, 0));
    plat::AudioRegion r1, r2;
    EXPECT_FALSE(plat::LockAudioBuffer(b, 100, 10, &r1, &r2));
    EXPECT_FALSE(plat::LockAudioBuffer(b, 0, 101, &r1, &r2));
    EXPECT_FALSE(plat::LockAudioBuffer(b, 0, 0, &r1, &r2));
    EXPECT_EQ(r1.data, nullptr);
    EXPECT_FALSE(plat::UnlockAudioBuffer(b, r1, r2));  // nothing is locked
}

TEST_F(MixerTest, CreationRefusesFormatsItCannotPlay) {
    EXPECT_EQ(plat::CreateAudioBuffer(Format(3, 44100, 16), 600), nullptr);
    EXPECT_EQ(plat::CreateAudioBuffer(Format(1, 44100, 24), 600), nullptr);
    EXPECT_EQ(plat::CreateAudioBuffer(Format(1, 0, 16), 600), nullptr);
    plat::AudioFormat bad = Format(2, 44100, 16);
    bad.blockAlign = 2;
    EXPECT_EQ(plat::CreateAudioBuffer(bad, 600), nullptr);
    bad = Format(1, 44100, 16);
    bad.formatTag = 2;
    EXPECT_EQ(plat::CreateAudioBuffer(bad, 600), nullptr);
    EXPECT_EQ(plat::CreateAudioBuffer(Format(1, 44100, 16), 0), nullptr);
    EXPECT_EQ(plat::CreateAudioBuffer(Format(2, 44100, 16), 3), nullptr);
}

TEST_F(MixerTest, MusicSourceIsMixedAfterTheBuffers) {
    plat::AudioBuffer* b = MakeMono(std::vector<int16_t>(100, 1000));
    plat::PlayAudioBuffer(b, false);
    plat::SetAudioSource([](float* mix, int frames, void*) {
        for (int i = 0; i < frames; ++i) mix[2 * i + 1] += 0.25f;
    }, nullptr);
    auto out = Heard(4);
    plat::SetAudioSource(nullptr, nullptr);
    EXPECT_EQ(out[0], 1000);
    EXPECT_EQ(out[1], 1000 + 8192);
}

TEST_F(MixerTest, ErrorBeepSounds) {
    plat::PlayBeep();
    EXPECT_GT(testsupport::Peak(Render(plat::kMixRate / 2)), 1000);
    EXPECT_EQ(testsupport::Peak(Render(100)), 0);  // short
}

TEST(Mixer, WithoutADeviceNothingOpensAndNothingIsCreated) {
    plat::SetAudioOutput(plat::AudioOutput::None);
    EXPECT_FALSE(plat::AudioOpen());
    EXPECT_FALSE(plat::AudioIsOpen());
    EXPECT_EQ(plat::CreateAudioBuffer(Format(1, 44100, 16), 100), nullptr);
    int16_t out[4];
    EXPECT_EQ(plat::AudioRender(out, 2), 0);
    plat::PlayBeep();  // nothing to sound on, and no crash
    plat::SetAudioOutput(plat::AudioOutput::Device);
}

TEST(Mixer, DeviceOutputOpensOnTheDummyDriver) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    plat::SetAudioOutput(plat::AudioOutput::Device);
    ASSERT_TRUE(plat::AudioOpen());
    plat::AudioBuffer* b = plat::CreateAudioBuffer(Format(1, 22050, 8), 100);
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(plat::PlayAudioBuffer(b, true));
    int16_t out[4];
    EXPECT_EQ(plat::AudioRender(out, 2), 0);  // the device's thread mixes, not the caller
    plat::AudioClose();
    EXPECT_EQ(plat::AudioBufferStatus(b), 0u);
    plat::ReleaseAudioBuffer(b);
}

TEST(Mixer, OpensAreCountedAndTheLastCloseStopsTheOutput) {
    plat::SetAudioOutput(plat::AudioOutput::Buffer);
    ASSERT_TRUE(plat::AudioOpen());
    ASSERT_TRUE(plat::AudioOpen());
    plat::AudioClose();
    EXPECT_TRUE(plat::AudioIsOpen());
    plat::AudioClose();
    EXPECT_FALSE(plat::AudioIsOpen());
    int16_t out[4];
    EXPECT_EQ(plat::AudioRender(out, 2), 0);
    plat::SetAudioOutput(plat::AudioOutput::Device);
}

}  // namespace
