#include "platform/audio.h"

#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/wave.h"
#include "platform/window.h"

namespace plat {

struct AudioBuffer {
    AudioFormat format;
    std::vector<uint8_t> data;
    uint32_t frames = 0;     // whole sample frames in data
    uint64_t position = 0;   // play cursor in frames, 32.32 fixed point
    uint64_t step = 0;       // cursor advance per output frame, 32.32
    bool playing = false;
    bool looping = false;
    int32_t volume = 0;
    int32_t pan = 0;
    uint32_t frequency = 0;
    float gainLeft = 1.0f;
    float gainRight = 1.0f;
    // An open lock: the regions point into `staging`, copied back on unlock.
    bool locked = false;
    uint32_t lockOffset = 0;
    uint32_t lockBytes = 0;
    std::vector<uint8_t> staging;
};

namespace {

constexpr int kChunkFrames = 1024;  // frames mixed per pass, and the device's period

std::mutex gMixLock;    // buffers, their state and the source
std::mutex gOpenLock;   // opening and closing the output
std::vector<AudioBuffer*> gBuffers;
AudioSource gSource = nullptr;
void* gSourceUser = nullptr;

AudioOutput gOutputWanted = AudioOutput::Device;
std::atomic<AudioOutput> gOutputOpen{AudioOutput::None};
std::atomic<int> gUsers{0};
SDL_AudioDeviceID gDevice = 0;
// Only the thread that mixes touches it; AudioOpen resets it before the
// output starts.
PeakLimiter gLimiter(kMixCeiling, kMixRate);
AudioFormat gPrimaryFormat;
AudioBuffer* gBeep = nullptr;

float Attenuation(int32_t hundredthsDb) {
    if (hundredthsDb <= kVolumeMin) return 0.0f;
    if (hundredthsDb >= 0) return 1.0f;
    return static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
}

void UpdateGains(AudioBuffer* b) {
    float v = Attenuation(b->volume);
    b->gainLeft = v * (b->pan > 0 ? Attenuation(-b->pan) : 1.0f);
    b->gainRight = v * (b->pan < 0 ? Attenuation(b->pan) : 1.0f);
}

void UpdateStep(AudioBuffer* b) { b->step = (static_cast<uint64_t>(b->frequency) << 32) / kMixRate; }

// One sample frame as left and right, full scale 1.0.
inline void ReadFrame(const AudioBuffer* b, uint32_t frame, float* left, float* right) {
    const uint8_t* p = b->data.data() + static_cast<size_t>(frame) * b->format.blockAlign;
    if (b->format.bitsPerSample == 8) {
        *left = (static_cast<int>(p[0]) - 128) * (1.0f / 128.0f);
        *right = b->format.channels == 2 ? (static_cast<int>(p[1]) - 128) * (1.0f / 128.0f) : *left;
    } else {
        *left = static_cast<int16_t>(p[0] | (p[1] << 8)) * (1.0f / 32768.0f);
        *right = b->format.channels == 2 ? static_cast<int16_t>(p[2] | (p[3] << 8)) * (1.0f / 32768.0f) : *left;
    }
}

// Adds `frames` output frames of one playing buffer into `mix`, resampled
// by linear interpolation. Called with gMixLock held.
void MixBuffer(AudioBuffer* b, float* mix, int frames) {
    const uint64_t length = static_cast<uint64_t>(b->frames) << 32;
    for (int i = 0; i < frames; ++i) {
        uint32_t frame = static_cast<uint32_t>(b->position >> 32);
        float frac = static_cast<float>(b->position & 0xFFFFFFFFu) * (1.0f / 4294967296.0f);
        float l0, r0, l1, r1;
        ReadFrame(b, frame, &l0, &r0);
        if (frac > 0.0f && (frame + 1 < b->frames || b->looping)) {
            ReadFrame(b, frame + 1 < b->frames ? frame + 1 : 0, &l1, &r1);
            l0 += (l1 - l0) * frac;
            r0 += (r1 - r0) * frac;
        }
        mix[2 * i] += l0 * b->gainLeft;
        mix[2 * i + 1] += r0 * b->gainRight;
        b->position += b->step;
        if (b->position >= length) {
            if (b->looping) {
                b->position %= length;
            } else {
                b->playing = false;
                b->position = 0;
                return;
            }
        }
    }
}

inline int16_t ToSample(float v) {
    float s = v * 32768.0f;
    if (s >= 32767.0f) return 32767;
    if (s <= -32768.0f) return -32768;
    return static_cast<int16_t>(std::lrint(s));
}

void Render(int16_t* out, int frames) {
    float mix[kChunkFrames * 2];
    while (frames > 0) {
        int n = std::min(frames, kChunkFrames);
        std::fill(mix, mix + 2 * n, 0.0f);
        AudioSource source;
        void* user;
        {
            std::lock_guard<std::mutex> lock(gMixLock);
            for (AudioBuffer* b : gBuffers)
                if (b->playing) MixBuffer(b, mix, n);
            source = gSource;
            user = gSourceUser;
        }
        if (source) source(mix, n, user);
        gLimiter.Process(mix, n);
        for (int i = 0; i < 2 * n; ++i) out[i] = ToSample(mix[i]);
        out += 2 * n;
        frames -= n;
    }
}

void DeviceCallback(void*, Uint8* stream, int len) {
    Render(reinterpret_cast<int16_t*>(stream), len / (2 * static_cast<int>(sizeof(int16_t))));
}

void CloseDevice();

// A program that ends with the device still open stops its thread before
// any of the state it reads is destroyed.
void CloseDeviceAtExit() {
    std::lock_guard<std::mutex> lock(gOpenLock);
    if (gUsers > 0 && gOutputOpen == AudioOutput::Device) CloseDevice();
    gUsers = 0;
    gOutputOpen = AudioOutput::None;
}

// The ALSA library writes its own complaints to stderr when it finds no
// sound card; it lets a program replace that writer, so they stay off the
// terminal (the game says once itself that there is no sound).
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}
void KeepAlsaQuiet() {
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY);
    if (!alsa) return;  // no ALSA here: nothing to quieten
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) set(QuietAlsa);
}

void SayNoSound(const char* why) {
    static bool said = false;
    if (said) return;
    said = true;
    std::fprintf(stderr, "%sno sound: %s; the game plays on silently\n", LinePrefix().c_str(),
                 why && *why ? why : "no audio device");
}

bool OpenDevice() {
    static bool exitHook = (std::atexit(CloseDeviceAtExit), true);
    (void)exitHook;
    static bool quiet = (KeepAlsaQuiet(), true);
    (void)quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        SayNoSound(SDL_GetError());
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = kMixChannels;
    want.samples = kChunkFrames;
    want.callback = DeviceCallback;
    SDL_AudioSpec have{};
    gDevice = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (gDevice == 0) {
        SayNoSound(SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(gDevice, 0);
    return true;
}

void CloseDevice() {
    SDL_CloseAudioDevice(gDevice);
    gDevice = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

AudioBuffer* MakeBeep() {
    // 0.12 s of 880 Hz, mono, with short ramps at both ends.
    AudioFormat f;
    f.channels = 1;
    f.samplesPerSec = kMixRate;
    f.bitsPerSample = 16;
    f.blockAlign = 2;
    f.avgBytesPerSec = kMixRate * 2;
    const int frames = kMixRate * 12 / 100;
    AudioBuffer* b = CreateAudioBuffer(f, static_cast<uint32_t>(frames * 2));
    if (!b) return nullptr;
    std::lock_guard<std::mutex> lock(gMixLock);
    const int ramp = kMixRate / 200;
    for (int i = 0; i < frames; ++i) {
        double env = std::min({1.0, i / double(ramp), (frames - i) / double(ramp)});
        auto s = static_cast<int16_t>(std::lrint(8000.0 * env * std::sin(2 * M_PI * 880.0 * i / kMixRate)));
        b->data[2 * i] = static_cast<uint8_t>(s & 0xFF);
        b->data[2 * i + 1] = static_cast<uint8_t>((s >> 8) & 0xFF);
    }
    return b;
}

}  // namespace

bool IsPlayableFormat(const AudioFormat& f) {
    if (f.formatTag != 1) return false;
    if (f.channels != 1 && f.channels != 2) return false;
    if (f.bitsPerSample != 8 && f.bitsPerSample != 16) return false;
    if (f.samplesPerSec == 0) return false;
    if (f.blockAlign != f.channels * f.bitsPerSample / 8) return false;
    return static_cast<uint64_t>(f.avgBytesPerSec) == static_cast<uint64_t>(f.samplesPerSec) * f.blockAlign;
}

void SetAudioOutput(AudioOutput output) {
    std::lock_guard<std::mutex> lock(gOpenLock);
    gOutputWanted = output;
}

AudioOutput GetAudioOutput() {
    std::lock_guard<std::mutex> lock(gOpenLock);
    return gOutputWanted;
}

bool AudioOpen() {
    std::lock_guard<std::mutex> lock(gOpenLock);
    if (gUsers > 0) {
        ++gUsers;
        return true;
    }
    gLimiter.Reset();
    switch (gOutputWanted) {
    case AudioOutput::None: return false;
    case AudioOutput::Device:
        if (!OpenDevice()) return false;
        break;
    case AudioOutput::Buffer: break;
    }
    gOutputOpen = gOutputWanted;
    gPrimaryFormat = AudioFormat{1, kMixChannels, kMixRate, kMixRate * 4, 4, 16};
    gUsers = 1;
    return true;
}

void AudioClose() {
    std::lock_guard<std::mutex> lock(gOpenLock);
    if (gUsers == 0) return;
    if (--gUsers > 0) return;
    if (gOutputOpen == AudioOutput::Device) CloseDevice();
    gOutputOpen = AudioOutput::None;
    std::lock_guard<std::mutex> mixLock(gMixLock);
    for (AudioBuffer* b : gBuffers) b->playing = false;
}

bool AudioIsOpen() { return gUsers > 0; }

int AudioRender(int16_t* out, int frames) {
    if (!out || frames <= 0 || gUsers == 0 || gOutputOpen != AudioOutput::Buffer) return 0;
    Render(out, frames);
    return frames;
}

bool SetAudioPrimaryFormat(int channels, int rate, int bits) {
    if (gUsers == 0) return false;
    if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || rate < 100 || rate > 200000)
        return false;
    std::lock_guard<std::mutex> lock(gOpenLock);
    uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    gPrimaryFormat = AudioFormat{1, static_cast<uint16_t>(channels), static_cast<uint32_t>(rate),
                                 static_cast<uint32_t>(rate) * align, align, static_cast<uint16_t>(bits)};
    return true;
}

void SetAudioSource(AudioSource source, void* user) {
    std::lock_guard<std::mutex> lock(gMixLock);
    gSource = source;
    gSourceUser = user;
}

AudioBuffer* CreateAudioBuffer(const AudioFormat& format, uint32_t bytes) {
    if (gUsers == 0 || !IsPlayableFormat(format)) return nullptr;
    if (bytes < kAudioBufferMinBytes || bytes > kAudioBufferMaxBytes || bytes < format.blockAlign) return nullptr;
    auto* b = new AudioBuffer;
    b->format = format;
    b->data.assign(bytes, format.bitsPerSample == 8 ? 0x80 : 0x00);
    b->frames = bytes / format.blockAlign;
    b->frequency = format.samplesPerSec;
    UpdateStep(b);
    UpdateGains(b);
    std::lock_guard<std::mutex> lock(gMixLock);
    gBuffers.push_back(b);
    return b;
}

void ReleaseAudioBuffer(AudioBuffer* buffer) {
    if (!buffer) return;
    {
        std::lock_guard<std::mutex> lock(gMixLock);
        gBuffers.erase(std::remove(gBuffers.begin(), gBuffers.end(), buffer), gBuffers.end());
        if (buffer == gBeep) gBeep = nullptr;
    }
    delete buffer;
}

uint32_t AudioBufferBytes(const AudioBuffer* buffer) {
    return buffer ? static_cast<uint32_t>(buffer->data.size()) : 0;
}

AudioFormat AudioBufferFormat(const AudioBuffer* buffer) { return buffer ? buffer->format : AudioFormat{}; }

bool LockAudioBuffer(AudioBuffer* b, uint32_t offset, uint32_t bytes, AudioRegion* first, AudioRegion* second) {
    if (first) *first = AudioRegion{};
    if (second) *second = AudioRegion{};
    if (!b || !first || !second) return false;
    std::lock_guard<std::mutex> lock(gMixLock);
    const uint32_t size = static_cast<uint32_t>(b->data.size());
    if (b->locked || offset >= size || bytes == 0 || bytes > size) return false;
    uint32_t n1 = std::min(bytes, size - offset);
    uint32_t n2 = bytes - n1;
    b->staging.resize(bytes);
    std::copy_n(b->data.begin() + offset, n1, b->staging.begin());
    std::copy_n(b->data.begin(), n2, b->staging.begin() + n1);
    b->locked = true;
    b->lockOffset = offset;
    b->lockBytes = bytes;
    *first = AudioRegion{b->staging.data(), n1};
    if (n2) *second = AudioRegion{b->staging.data() + n1, n2};
    return true;
}

bool UnlockAudioBuffer(AudioBuffer* b, const AudioRegion& first, const AudioRegion& second) {
    if (!b) return false;
    std::lock_guard<std::mutex> lock(gMixLock);
    if (!b->locked || first.data != b->staging.data() || first.bytes + second.bytes != b->lockBytes) return false;
    const uint32_t n1 = first.bytes;
    std::copy_n(b->staging.begin(), n1, b->data.begin() + b->lockOffset);
    std::copy_n(b->staging.begin() + n1, second.bytes, b->data.begin());
    b->locked = false;
    return true;
}

bool PlayAudioBuffer(AudioBuffer* b, bool looping) {
    if (!b) return false;
    std::lock_guard<std::mutex> lock(gMixLock);
    b->playing = true;
    b->looping = looping;
    return true;
}

bool StopAudioBuffer(AudioBuffer* b) {
    if (!b) return false;
    std::lock_guard<std::mutex> lock(gMixLock);
    b->playing = false;
    return true;
}

uint32_t AudioBufferStatus(const AudioBuffer* b) {
    if (!b) return 0;
    std::lock_guard<std::mutex> lock(gMixLock);
    return b->playing ? (kAudioPlaying | (b->looping ? kAudioLooping : 0)) : 0;
}

uint32_t GetAudioPosition(const AudioBuffer* b) {
    if (!b) return 0;
    std::lock_guard<std::mutex> lock(gMixLock);
    return static_cast<uint32_t>(b->position >> 32) * b->format.blockAlign;
}

bool SetAudioPosition(AudioBuffer* b, uint32_t bytes) {
    if (!b) return false;
    std::lock_guard<std::mutex> lock(gMixLock);
    uint32_t frame = bytes / b->format.blockAlign;
    if (frame >= b->frames) return false;
    b->position = static_cast<uint64_t>(frame) << 32;
    return true;
}

bool SetAudioVolume(AudioBuffer* b, int32_t volume) {
    if (!b) return false;
    std::lock_guard<std::mutex> lock(gMixLock);
    b->volume = std::clamp(volume, kVolumeMin, kVolumeMax);
    UpdateGains(b);
    return true;
}

int32_t GetAudioVolume(const AudioBuffer* b) {
    if (!b) return 0;
    std::lock_guard<std::mutex> lock(gMixLock);
    return b->volume;
}

bool SetAudioPan(AudioBuffer* b, int32_t pan) {
    if (!b) return false;
    std::lock_guard<std::mutex> lock(gMixLock);
    b->pan = std::clamp(pan, kPanLeft, kPanRight);
    UpdateGains(b);
    return true;
}

int32_t GetAudioPan(const AudioBuffer* b) {
    if (!b) return 0;
    std::lock_guard<std::mutex> lock(gMixLock);
    return b->pan;
}

bool SetAudioFrequency(AudioBuffer* b, uint32_t hertz) {
    if (!b) return false;
    std::lock_guard<std::mutex> lock(gMixLock);
    b->frequency = hertz == kFrequencyOriginal ? b->format.samplesPerSec
                                               : std::clamp(hertz, kFrequencyMin, kFrequencyMax);
    UpdateStep(b);
    return true;
}

uint32_t GetAudioFrequency(const AudioBuffer* b) {
    if (!b) return 0;
    std::lock_guard<std::mutex> lock(gMixLock);
    return b->frequency;
}

void PlayBeep() {
    if (gUsers == 0) return;
    AudioBuffer* beep;
    {
        std::lock_guard<std::mutex> lock(gMixLock);
        beep = gBeep;
    }
    if (!beep) {
        beep = MakeBeep();
        std::lock_guard<std::mutex> lock(gMixLock);
        gBeep = beep;
    }
    if (!beep) return;
    SetAudioPosition(beep, 0);
    PlayAudioBuffer(beep, false);
}

bool PlayWaveFileSync(const std::string& path) {
    WaveData wave;
    if (!ReadWaveFile(path, &wave)) return false;
    if (!AudioOpen()) return false;
    AudioBuffer* b = CreateAudioBuffer(wave.format, static_cast<uint32_t>(wave.samples.size()));
    bool ok = b != nullptr;
    if (ok) {
        {
            std::lock_guard<std::mutex> lock(gMixLock);
            std::copy(wave.samples.begin(), wave.samples.end(), b->data.begin());
        }
        PlayAudioBuffer(b, false);
        // The sound's length on the wall clock, and a second to spare.
        const double seconds = double(b->frames) / b->frequency + 1.0;
        if (gOutputOpen == AudioOutput::Buffer) {
            int16_t scratch[2 * kChunkFrames];
            for (double done = 0; (AudioBufferStatus(b) & kAudioPlaying) && done < seconds;
                 done += double(kChunkFrames) / kMixRate)
                AudioRender(scratch, kChunkFrames);
        } else {
            auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
            while ((AudioBufferStatus(b) & kAudioPlaying) && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ReleaseAudioBuffer(b);
    }
    AudioClose();
    return ok;
}

}  // namespace plat
