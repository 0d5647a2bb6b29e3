// Our mixer: wave buffers of any PCM format (8 or 16 bit, mono or stereo,
// any rate) mixed into one output stream of 44100 Hz, stereo, 16 bit.
//
// Each buffer plays once or looping from its play cursor, with a volume and
// a pan in hundredths of a decibel and a playback frequency in hertz. The
// output goes to an SDL audio device, or, for tests, into a buffer that the
// caller fills with AudioRender. Without a device AudioOpen fails and every
// buffer call fails or does nothing.
//
// The sum of the buffers and the music stream passes through one look-ahead
// peak limiter: no output sample reaches kMixCeiling of full scale, and a mix
// that stays under it comes out unchanged. Everything comes out kMixDelay
// frames after it is mixed, buffers and music alike.
//
// Every call is safe from any thread; the device's own thread mixes.
#pragma once
#include <cstdint>
#include <string>

#include "platform/limiter.h"

namespace plat {

constexpr int kMixRate = 44100;  // output frames per second
constexpr int kMixChannels = 2;  // output is interleaved left, right
constexpr float kMixCeiling = 0.944f;                // half a decibel under full scale
constexpr int kMixDelay = PeakLimiter::kLookAhead;   // frames from mixing to output

// Limits of the buffer controls.
constexpr int32_t kVolumeMin = -10000;  // hundredths of a decibel; -10000 is silence
constexpr int32_t kVolumeMax = 0;
constexpr int32_t kPanLeft = -10000;    // right side silent
constexpr int32_t kPanRight = 10000;    // left side silent
constexpr uint32_t kFrequencyMin = 100;
constexpr uint32_t kFrequencyMax = 100000;
constexpr uint32_t kFrequencyOriginal = 0;  // SetAudioFrequency: back to the format's rate

// Smallest and largest buffer in bytes.
constexpr uint32_t kAudioBufferMinBytes = 4;
constexpr uint32_t kAudioBufferMaxBytes = 0x0FFFFFFF;

// AudioBufferStatus bits.
constexpr uint32_t kAudioPlaying = 0x1;
constexpr uint32_t kAudioLooping = 0x4;

// Where the mixed stream goes.
enum class AudioOutput {
    Device,  // an SDL audio device (SDL_AUDIODRIVER decides which); the default
    Buffer,  // no device: the stream advances only through AudioRender (tests)
    None,    // behave as a machine without any audio device: AudioOpen fails
};

// PCM format of a buffer, as a wave file's format chunk gives it.
struct AudioFormat {
    uint16_t formatTag = 1;  // 1 = PCM, the only kind the mixer plays
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};
// PCM, 1 or 2 channels, 8 or 16 bits, block align and byte rate consistent
// with them, rate 1 Hz or more.
bool IsPlayableFormat(const AudioFormat& format);

struct AudioBuffer;  // opaque

// A locked part of a buffer: the bytes to write and how many there are.
struct AudioRegion {
    uint8_t* data = nullptr;
    uint32_t bytes = 0;
};

// Chooses the output for the next AudioOpen that opens the mixer (the
// setting does not change a mixer that is already open).
void SetAudioOutput(AudioOutput output);
AudioOutput GetAudioOutput();

// Opens the mixer, or adds one more user to an open one. Returns false when
// there is no output. Each successful open is paired with one AudioClose;
// the last close stops the output and every buffer (buffers stay valid).
// An output that opens afresh starts with silence in its delay and the
// limiter's gain at 1.
bool AudioOpen();
void AudioClose();
bool AudioIsOpen();

// AudioOutput::Buffer only: mixes the next `frames` output frames into
// `out` (2 x frames samples). Returns the frames written (0 when the mixer
// is not open in that mode). One thread at a time renders.
int AudioRender(int16_t* out, int frames);

// The format the mixer was asked to deliver (channels, rate, bits). The
// stream itself stays 44100 Hz stereo 16 bit; the request is checked (1 or
// 2 channels, 8 or 16 bits, 100 to 200000 Hz) and remembered. Returns false
// when the request is refused or the mixer is not open.
bool SetAudioPrimaryFormat(int channels, int rate, int bits);

// A second stream mixed in after the buffers (the music synthesiser). The
// function adds `frames` interleaved stereo frames, full scale 1.0, into
// `mix`. It runs on the mixing thread without the mixer's lock held, so it
// may take locks of its own but must not call the buffer functions.
using AudioSource = void (*)(float* mix, int frames, void* user);
void SetAudioSource(AudioSource source, void* user);

// Buffers. Creation needs an open mixer, a playable format and a size of
// kAudioBufferMinBytes..kAudioBufferMaxBytes; it returns nullptr otherwise.
// A new buffer is silent (zero samples), stopped, at cursor 0, volume 0,
// pan 0, frequency = the format's rate.
AudioBuffer* CreateAudioBuffer(const AudioFormat& format, uint32_t bytes);
void ReleaseAudioBuffer(AudioBuffer* buffer);  // nullptr is ignored
uint32_t AudioBufferBytes(const AudioBuffer* buffer);
AudioFormat AudioBufferFormat(const AudioBuffer* buffer);

// Locks `bytes` bytes from `offset`, as a ring: the first region runs to the
// buffer's end at most, the second (empty unless the span wraps) starts at
// byte 0. The regions hold the buffer's current bytes; what is written into
// them takes effect at UnlockAudioBuffer, which takes the regions that the
// lock returned. Fails (both regions empty) for an offset at or past the
// end, a size of 0 or above the buffer's size, or a lock already held.
bool LockAudioBuffer(AudioBuffer* buffer, uint32_t offset, uint32_t bytes, AudioRegion* first,
                     AudioRegion* second);
bool UnlockAudioBuffer(AudioBuffer* buffer, const AudioRegion& first, const AudioRegion& second);

// Starts (or goes on) playing from the play cursor; `looping` wraps at the
// end, otherwise the buffer stops at its end and its cursor returns to 0.
bool PlayAudioBuffer(AudioBuffer* buffer, bool looping);
bool StopAudioBuffer(AudioBuffer* buffer);  // keeps the cursor where it is
uint32_t AudioBufferStatus(const AudioBuffer* buffer);  // kAudioPlaying | kAudioLooping
// The play cursor in bytes: the next sample frame to be mixed, times the
// format's block align.
uint32_t GetAudioPosition(const AudioBuffer* buffer);
// Moves the cursor (rounded down to a whole sample frame); fails at or past
// the end.
bool SetAudioPosition(AudioBuffer* buffer, uint32_t bytes);

// Controls. Values outside the limits are clamped. The gain of a volume v is
// 10^(v / 2000); a pan p < 0 applies 10^(p / 2000) to the right side, p > 0
// applies 10^(-p / 2000) to the left side; -10000 is silence.
bool SetAudioVolume(AudioBuffer* buffer, int32_t volume);
int32_t GetAudioVolume(const AudioBuffer* buffer);
bool SetAudioPan(AudioBuffer* buffer, int32_t pan);
int32_t GetAudioPan(const AudioBuffer* buffer);
bool SetAudioFrequency(AudioBuffer* buffer, uint32_t hertz);
uint32_t GetAudioFrequency(const AudioBuffer* buffer);

// The standard error beep: a short tone through the mixer when it is open.
void PlayBeep();

// Plays a wave file to its end and returns then (false when the file cannot
// be read or the mixer cannot be opened). With AudioOutput::Buffer the
// stream is rendered and dropped instead of waiting.
bool PlayWaveFileSync(const std::string& path);

}  // namespace plat
