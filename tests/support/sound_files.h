// Wave and MIDI files made by the tests, and the mixer running into a buffer so that tests can listen to it.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace testsupport {

// A canonical wave file: "RIFF", "WAVE", a 16-byte "fmt " chunk, "data".
std::vector<uint8_t> MakeWave(int channels, int rate, int bits, const std::vector<uint8_t>& samples);
// 16-bit mono samples as bytes.
std::vector<uint8_t> Pcm16(const std::vector<int16_t>& samples);
// `frames` frames of one constant 16-bit mono value.
std::vector<uint8_t> Constant16(int frames, int16_t value);

// An 18-byte PCM format block: tag 1, channels, rate, bytes per second,
// block align, bits, cbSize 0.
std::vector<uint8_t> PcmFormatBlock(int channels, int rate, int bits);
// One sound-pack entry: data size, the name and its NUL, the format block's
// size, the format block, the samples.
std::vector<uint8_t> MakePackEntry(const std::string& name, const std::vector<uint8_t>& formatBlock,
                                   const std::vector<uint8_t>& samples);

// A broken file of a test's table: its name, its bytes, and what the
// loader is to say is wrong with it.
struct BrokenFile {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* fault;
};

// The bytes with `with` written over them from `at` on.
std::vector<uint8_t> Patched(std::vector<uint8_t> bytes, size_t at, const std::vector<uint8_t>& with);

// The byte strings one after another.
std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts);

// A format-0 MIDI file at 120 beats per minute, 480 ticks per beat: one
// piano note per beat (0.5 s each) for `beats` beats, then its end.
std::vector<uint8_t> MakeMidi(int beats);
// A format-0 MIDI file at 480 ticks per beat whose one track holds the
// given bytes (from byte 22 of the file on).
std::vector<uint8_t> MidiWithTrack(const std::vector<uint8_t>& events);
// A MIDI file at 480 ticks per beat of the given track chunks' bytes, in
// format 1 (format 0 for one track).
std::vector<uint8_t> MidiWithTracks(const std::vector<std::vector<uint8_t>>& tracks);

// A whole soundfont (version 2.1) that holds no instruments: its lists of
// presets, instruments and samples hold only their terminal records, but
// for a preset of program 0 without zones in each bank given.
std::vector<uint8_t> MakeEmptySoundFont(std::initializer_list<int> banks = {});

// The sound module on the mixer without a device (AudioOutput::Buffer), no
// message boxes, every object idle, the error flag clear, and `exeDir`
// standing for the executable's folder; StopSound undoes it.
void StartSoundWithoutDevice(const std::string& exeDir);
void StopSound();

// Output frames (interleaved left, right) from the mixer in buffer mode.
// They come out plat::kMixDelay frames after they are mixed.
std::vector<int16_t> Render(int frames);
// The next `frames` frames mixed from now on, as they come out: the
// plat::kMixDelay frames mixed before, still on their way, are rendered
// first and dropped, so the mixer moves on by that many frames more.
std::vector<int16_t> Heard(int frames);
// A mono 16-bit buffer at the mixer's rate playing looped: a square wave
// of `amplitude` for 50 frames and -`amplitude` for 50. The caller releases it.
plat::AudioBuffer* PlaySquareLoop(int16_t amplitude);
// Largest absolute sample of a rendered block.
int Peak(const std::vector<int16_t>& block);

}  // namespace testsupport
