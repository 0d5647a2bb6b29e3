// The sound module on the mixer without a device, in a scratch folder that
// stands for the executable's folder, with a pack built there.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "platform/audio.h"
#include "platform/system.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_folder.h"

namespace packtest {

constexpr int kRate = 44100;
constexpr uint32_t kSecond16 = kRate * 2;  // bytes of one second, 16-bit mono at 44100 Hz

// A sequence of 16-bit samples in which no stretch repeats an earlier one:
// any gap or repeat in the playback shows as a mismatch. They stay within
// half of full scale, so that the mixer's limiter lets them through unchanged.
inline int16_t Marker(uint32_t frame) {
    return static_cast<int16_t>(static_cast<int16_t>((frame * 2654435761u) >> 16) / 2);
}
inline std::vector<int16_t> Markers(uint32_t frames) {
    std::vector<int16_t> v(frames);
    for (uint32_t i = 0; i < frames; ++i) v[i] = Marker(i);
    return v;
}

// Runs `fn` and returns the messages it showed.
template <class Fn>
std::string Messages(Fn fn) {
    ::testing::internal::CaptureStderr();
    fn();
    return ::testing::internal::GetCapturedStderr();
}

class PackTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::StartSoundWithoutDevice(dir_.path);
        ASSERT_EQ(SoundAvailable, 1u);
        SoundPackPath.clear();
    }
    void TearDown() override {
        testsupport::StopSound();
        SoundPackPath.clear();
    }
    // Writes the pack from its bytes and makes it the module's pack.
    void UsePack(const std::vector<uint8_t>& bytes, const std::string& name = "TEST.PAK") {
        dir_.Write(name, bytes);
        fwSound::SetPackFile(name);
    }
    // A pack of one 16-bit mono 44100 Hz entry.
    void UseMonoPack(const std::string& entry, const std::vector<int16_t>& samples) {
        UsePack(testsupport::MakePackEntry(entry, testsupport::PcmFormatBlock(1, kRate, 16),
                                           testsupport::Pcm16(samples)));
    }
    static bool Playing(int h) { return plat::AudioBufferStatus(SoundObjects[h].buffers[0]) & plat::kAudioPlaying; }
    // Plays `frames` output frames in steps of `step` frames (1/60 s by
    // default), serving the streams before each, as the frame loop does;
    // returns the left channel. *result: the lowest that Streaming returned.
    static std::vector<int16_t> Stream(uint32_t frames, uint32_t step = 735, int* result = nullptr) {
        std::vector<int16_t> left;
        left.reserve(frames);
        while (left.size() < frames) {
            const int r = fwSound::Streaming();
            if (result) *result = std::min(*result, r);
            const int n = static_cast<int>(std::min<size_t>(step, frames - left.size()));
            const std::vector<int16_t> out = testsupport::Render(n);
            for (int i = 0; i < n; ++i) left.push_back(out[2 * i]);
        }
        return left;
    }
    // Every object idle: nothing of a refused load stays behind.
    static void ExpectAllIdle() {
        for (const SoundObject& o : SoundObjects) {
            ASSERT_EQ(o.inUse, 0u);
            ASSERT_EQ(o.buffers[0], nullptr);
            ASSERT_EQ(o.stream.dataSize, 0u);
        }
    }
    testsupport::TempFolder dir_;
};

}  // namespace packtest
