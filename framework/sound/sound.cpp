// fwSound: the 70 sound objects, their loading from wave files, playing,
// the setters and the echo sweeps, release and reload.
#include "framework/sound/sound.h"

#include <algorithm>
#include <cstdlib>

#include "framework/system/named.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "platform/audio.h"
#include "platform/wave.h"

int32_t SoundDevice;
int32_t PrimarySoundBuffer;
uint32_t SoundAvailable;
uint32_t SoundReloadMode;
int32_t SoundReloadSlot;
std::string SoundPackPath;
SoundObject SoundObjects[kSoundObjectCount];

namespace fwSound {
namespace {

constexpr const char* kWhereLoad = "fwSound::LoadObject";

// Which copies a mix argument addresses.
enum class Negative { RoundRobin, Every };

template <class Fn>
void ForCopies(SoundObject* o, int mix, Negative minusTwo, Fn fn) {
    if (mix >= 0) {
        if (mix < o->mixCount) fn(mix);
    } else if (mix == -2 && minusTwo == Negative::RoundRobin) {
        if (o->nextMix < o->mixCount) fn(o->nextMix);
    } else {
        for (int i = 0; i < o->mixCount; ++i) fn(i);
    }
}

void ReleaseCopies(SoundObject* o) {
    for (plat::AudioBuffer*& b : o->buffers) {
        if (!b) continue;
        plat::StopAudioBuffer(b);
        plat::ReleaseAudioBuffer(b);
        b = nullptr;
    }
}

void ReleaseEveryCopy() {
    for (SoundObject& o : SoundObjects) ReleaseCopies(&o);
}

int64_t Clamp(int64_t v, int64_t lo, int64_t hi) { return std::min(std::max(v, lo), hi); }

void ApplyFrequency(SoundObject* o, int i, int64_t hertz) {
    o->frequency[i] = static_cast<uint32_t>(hertz);
    if (o->buffers[i]) plat::SetAudioFrequency(o->buffers[i], o->frequency[i]);
}
void ApplyPan(SoundObject* o, int i, int64_t pan) {
    o->pan[i] = static_cast<int32_t>(pan);
    if (o->buffers[i]) plat::SetAudioPan(o->buffers[i], o->pan[i]);
}
void ApplyVolume(SoundObject* o, int i, int64_t volume) {
    o->volume[i] = static_cast<int32_t>(volume);
    if (o->buffers[i]) plat::SetAudioVolume(o->buffers[i], o->volume[i]);
}

int64_t ClampFrequency(int64_t hertz) { return Clamp(hertz, plat::kFrequencyMin, plat::kFrequencyMax); }
int64_t ClampPan(int64_t pan) { return Clamp(pan, plat::kPanLeft, plat::kPanRight); }
int64_t ClampVolume(int64_t volume) { return Clamp(volume, plat::kVolumeMin, plat::kVolumeMax); }

void StartCopy(int obj, int mix, bool loop) {
    SoundObject* o = ObjectAt(obj);
    if (!o) return;
    const int c = mix < 0 ? o->nextMix : mix;
    if (c >= o->mixCount || !o->buffers[c]) return;
    if (mix == -2 && o->sweepStep != -1) {
        ResetFrequency(obj, -1);
        ResetPan(obj, -1);
        ResetVolume(obj, -1);
        o->sweepStep = 1;
        o->sweepTimer = 0.0f;
        o->sweepLoops = loop ? 1 : 0;
        o->sweepPan = o->pan[c] / 100.0f;
        o->sweepPanDir = (rng::rand() % 2) * 2 - 1;
    }
    plat::AudioBuffer* b = o->buffers[c];
    const bool stream = o->stream.dataSize != 0;
    plat::StopAudioBuffer(b);
    // A stream whose pack cannot be read stays stopped rather than playing
    // what its buffer held before.
    bool refilled = true;
    if (stream && loop) refilled = ResetStream(obj) == 1;
    plat::SetAudioPosition(b, 0);
    if (stream && !loop) refilled = ResetStream(obj) == 1;
    if (refilled) plat::PlayAudioBuffer(b, loop || stream);
    if (mix < 0 && ++o->nextMix >= o->mixCount) o->nextMix = 0;
    o->looping = loop ? 1 : 0;
}

void Sweep(int obj, int interval, int count, int step, const int* panRate) {
    SoundObject* o = ObjectAt(obj);
    if (!o || o->sweepStep < 1 || count < 1) return;
    o->sweepTimer += FrameSeconds * 1000.0f;
    if (o->sweepTimer < static_cast<float>(interval)) return;
    o->sweepTimer = 0.0f;
    if (panRate) {
        o->sweepPan += static_cast<float>(o->sweepPanDir) * FrameSeconds * 100.0f * static_cast<float>(*panRate);
        if (o->sweepPan < -30.0f) {
            o->sweepPan = -30.0f;
            o->sweepPanDir = -o->sweepPanDir;
        } else if (o->sweepPan > 30.0f) {
            o->sweepPan = 30.0f;
            o->sweepPanDir = -o->sweepPanDir;
        }
        SetPan(obj, static_cast<int>(o->sweepPan), -2);
    }
    SetVolume(obj, -(o->sweepStep * step), -2);
    if (o->sweepLoops) PlayLoop(obj, -3);
    else Play(obj, -3);
    if (++o->sweepStep > count) o->sweepStep = 0;
}

// Loads every object in use again, into its own slot, as it was loaded.
void ReloadAll() {
    SoundReloadMode = 1;
    for (SoundReloadSlot = 0; SoundReloadSlot < kSoundObjectCount; ++SoundReloadSlot) {
        const SoundObject& o = SoundObjects[SoundReloadSlot];
        if (!o.inUse) continue;
        const std::string name = o.name;
        if (o.stream.dataSize != 0) {
            SoundPackPath = o.stream.packPath;
            LoadStream(name, o.stream.loopStart - o.stream.dataStart);
        } else if (o.fromPack) {
            LoadPack(name, o.mixCount);
        } else {
            LoadObject(name, o.mixCount);
        }
    }
    SoundReloadMode = 0;
}

}  // namespace

SoundObject* ObjectAt(int obj) {
    if (!SoundAvailable || obj < 0 || obj >= kSoundObjectCount || !SoundObjects[obj].inUse) return nullptr;
    return &SoundObjects[obj];
}

int FindFreeSlot() {
    for (int i = 0; i < kSoundObjectCount; ++i)
        if (!SoundObjects[i].inUse) return i;
    return -1;
}

bool CreateCopies(SoundObject* o, int count, const plat::AudioFormat& format, const uint8_t* samples,
                  uint32_t bytes, uint32_t bufferBytes) {
    plat::AudioBuffer* made[kSoundMaxMix] = {};
    bool ok = SoundDevice != 0 && count >= 1 && count <= kSoundMaxMix && bytes <= bufferBytes;
    for (int i = 0; ok && i < count; ++i) {
        made[i] = plat::CreateAudioBuffer(format, bufferBytes);
        plat::AudioRegion first, second;
        ok = made[i] && (bytes == 0 || plat::LockAudioBuffer(made[i], 0, bytes, &first, &second));
        if (ok && bytes) {
            std::copy_n(samples, first.bytes, first.data);
            std::copy_n(samples + first.bytes, second.bytes, second.data);
            plat::UnlockAudioBuffer(made[i], first, second);
        }
    }
    if (!ok) {
        for (plat::AudioBuffer* b : made) plat::ReleaseAudioBuffer(b);
        return false;
    }
    ReleaseCopies(o);
    for (int i = 0; i < count; ++i) {
        o->buffers[i] = made[i];
        if (SoundReloadMode) {
            ApplyVolume(o, i, o->volume[i]);
            ApplyFrequency(o, i, o->frequency[i]);
            ApplyPan(o, i, o->pan[i]);
        } else {
            o->frequency[i] = plat::GetAudioFrequency(made[i]);
            o->baseFrequency = o->frequency[i];
            o->volume[i] = 0;
            o->pan[i] = 0;
        }
    }
    return true;
}

int Init() {
    ReleaseEveryCopy();
    if (SoundDevice) plat::AudioClose();
    SoundDevice = 0;
    PrimarySoundBuffer = 0;
    if (!plat::AudioOpen()) {
        SoundAvailable = 0;
        return 0;
    }
    SoundDevice = 1;
    PrimarySoundBuffer = 1;
    SoundReloadMode = 0;
    SoundAvailable = 1;
    return 1;
}

void ClearObjects() {
    for (SoundObject& o : SoundObjects) {
        ReleaseCopies(&o);
        o = SoundObject{};
    }
}

void ReleaseAll() {
    ReleaseEveryCopy();
    PrimarySoundBuffer = 0;
    if (SoundDevice) plat::AudioClose();
    SoundDevice = 0;
}

void RestoreAll() {
    Init();
    ReloadAll();
}

int MixCount(const char* where, int mix) {
    const int64_t n = std::llabs(static_cast<int64_t>(mix));
    if (n > kSoundMaxMix) return fwSystem::ShowErrorBox(where, "ミックス数が多過ぎます"), -1;
    if (n < 1) return fwSystem::ShowErrorBox(where, "ミックス数が少な過ぎます"), -1;
    return static_cast<int>(n);
}

void FinishLoad(SoundObject* o, int count, int mix, const std::string& name, uint32_t fromPack) {
    o->mixCount = count;
    o->sweepStep = mix < 2 ? -1 : 0;
    if (!SoundReloadMode) {
        o->nextMix = 0;
        o->name = name;
    }
    o->inUse = 1;
    o->fromPack = fromPack;
    o->stream = SoundStream{};
}

int LoadObject(const std::string& name, int mix) {
    if (!SoundAvailable) return -1;
    const int n = MixCount(kWhereLoad, mix);
    if (n < 0) return -1;
    const int slot = SoundReloadMode ? SoundReloadSlot : FindFreeSlot();
    if (slot < 0 || slot >= kSoundObjectCount)
        return fwSystem::ShowErrorBox(kWhereLoad, "オブジェクト数が多過ぎます"), -1;
    if (!SoundReloadMode && name.size() > kSoundNameMax)
        return fwSystem::ShowErrorBox(kWhereLoad, "ファイル名またはリソース名が長すぎます"), -1;

    plat::WaveData wave;
    std::string fault;  // what is wrong with a file that is there
    if (!plat::ReadWaveFile(fwSystem::GetExeDirectory(0) + name, &wave, &fault)) {
        std::vector<uint8_t> resource;
        if (!plat::FindWaveResource(name, &resource) || !plat::ParseWave(resource.data(), resource.size(), &wave))
            return fwSystem::ShowErrorBox(kWhereLoad, "WAVEリソースが見つかりません", name, fault), -1;
    }
    SoundObject* o = &SoundObjects[slot];
    const uint32_t bytes = static_cast<uint32_t>(wave.samples.size());
    if (!CreateCopies(o, n, wave.format, wave.samples.data(), bytes, bytes))
        return fwSystem::ShowErrorBox(kWhereLoad, "サウンドバッファが生成できません"), -1;
    FinishLoad(o, n, mix, name, 0);
    return slot;
}

void ReleaseObject(int obj) {
    SoundObject* o = ObjectAt(obj);
    if (!o) return;
    ReleaseCopies(o);
    *o = SoundObject{};
}

void Play(int obj, int mix) { StartCopy(obj, mix, false); }
void PlayLoop(int obj, int mix) { StartCopy(obj, mix, true); }

void Stop(int obj, int mix) {
    SoundObject* o = ObjectAt(obj);
    if (!o) return;
    if (mix < 0 && o->sweepStep >= 0) o->sweepStep = 0;
    ForCopies(o, mix, Negative::Every, [&](int i) {
        plat::StopAudioBuffer(o->buffers[i]);
        plat::SetAudioPosition(o->buffers[i], 0);
    });
}

void PauseResume(int obj, int mix) {
    SoundObject* o = ObjectAt(obj);
    if (!o) return;
    ForCopies(o, mix, Negative::Every, [&](int i) {
        plat::AudioBuffer* b = o->buffers[i];
        if (!b) return;
        if (plat::AudioBufferStatus(b) & plat::kAudioPlaying) {
            o->pausePosition[i] = plat::GetAudioPosition(b);
            plat::StopAudioBuffer(b);
        } else {
            plat::SetAudioPosition(b, o->pausePosition[i]);
            // A stream's ring buffer always plays looping; its refills end it.
            plat::PlayAudioBuffer(b, o->looping == 1 || o->stream.dataSize != 0);
        }
    });
}

uint32_t GetPosition(int obj) {
    SoundObject* o = ObjectAt(obj);
    return o && o->mixCount > 0 ? plat::GetAudioPosition(o->buffers[0]) : 0;
}

void AddFrequency(int obj, int delta, int mix) {
    if (SoundObject* o = ObjectAt(obj))
        ForCopies(o, mix, Negative::RoundRobin, [&](int i) {
            ApplyFrequency(o, i, ClampFrequency(int64_t(o->frequency[i]) + int64_t(delta) * 100));
        });
}

void SetFrequency(int obj, int value, int mix) {
    if (SoundObject* o = ObjectAt(obj))
        ForCopies(o, mix, Negative::RoundRobin, [&](int i) {
            ApplyFrequency(o, i, ClampFrequency(int64_t(o->baseFrequency) + int64_t(value) * 100));
        });
}

void ResetFrequency(int obj, int mix) {
    if (SoundObject* o = ObjectAt(obj))
        ForCopies(o, mix, Negative::RoundRobin, [&](int i) { ApplyFrequency(o, i, o->baseFrequency); });
}

void AddPan(int obj, int delta, int mix) {
    if (SoundObject* o = ObjectAt(obj))
        ForCopies(o, mix, Negative::RoundRobin,
                  [&](int i) { ApplyPan(o, i, ClampPan(int64_t(o->pan[i]) + int64_t(delta) * 100)); });
}

void SetPan(int obj, int value, int mix) {
    if (SoundObject* o = ObjectAt(obj))
        ForCopies(o, mix, Negative::RoundRobin, [&](int i) { ApplyPan(o, i, ClampPan(int64_t(value) * 100)); });
}

void ResetPan(int obj, int mix) {
    if (SoundObject* o = ObjectAt(obj)) ForCopies(o, mix, Negative::RoundRobin, [&](int i) { ApplyPan(o, i, 0); });
}

void PanLeft(int obj, int mix) {
    if (SoundObject* o = ObjectAt(obj))
        ForCopies(o, mix, Negative::RoundRobin, [&](int i) { ApplyPan(o, i, plat::kPanLeft); });
}

void PanRight(int obj, int mix) {
    if (SoundObject* o = ObjectAt(obj))
        ForCopies(o, mix, Negative::RoundRobin, [&](int i) { ApplyPan(o, i, plat::kPanRight); });
}

void AddVolume(int obj, int delta, int mix) {
    if (SoundObject* o = ObjectAt(obj))
        ForCopies(o, mix, Negative::RoundRobin, [&](int i) {
            ApplyVolume(o, i, ClampVolume(int64_t(o->volume[i]) + int64_t(delta) * 100));
        });
}

void SetVolume(int obj, int value, int mix) {
    if (SoundObject* o = ObjectAt(obj))
        ForCopies(o, mix, Negative::RoundRobin,
                  [&](int i) { ApplyVolume(o, i, ClampVolume(int64_t(value) * 100)); });
}

void ResetVolume(int obj, int mix) {
    if (SoundObject* o = ObjectAt(obj))
        ForCopies(o, mix, Negative::RoundRobin, [&](int i) { ApplyVolume(o, i, 0); });
}

void SweepVolume(int obj, int interval, int count, int step) { Sweep(obj, interval, count, step, nullptr); }

void SweepPan(int obj, int interval, int count, int step, int panRate) {
    Sweep(obj, interval, count, step, &panRate);
}

int SelectFormat(int channels, int rate, int bits) {
    if (!SoundAvailable) return 1;
    ReleaseEveryCopy();
    switch (rate) {
    case 8: rate = 8000; break;
    case 11: rate = 11025; break;
    case 22: rate = 22050; break;
    case 44: rate = 44100; break;
    default: break;
    }
    if (!PrimarySoundBuffer || !plat::SetAudioPrimaryFormat(channels, rate, bits))
        return fwSystem::ShowErrorBox("fwSound::SelectFormat", "再生フォーマットを変更できません");
    ReloadAll();
    return 1;
}

void ErrorBeep() { plat::PlayBeep(); }

void PlaySystemSound(const std::string& name) {
    if (!SoundAvailable) return;
    ReleaseAll();
    plat::PlayWaveFileSync(name);
    RestoreAll();
}

int ReadWaveFile(const std::string& path, plat::AudioFormat* format, uint32_t* formatSize,
                 std::vector<uint8_t>* data, uint32_t* dataSize) {
    plat::WaveData wave;
    const bool ok = plat::ReadWaveFile(path, &wave);
    *format = wave.format;
    *formatSize = ok ? plat::kWaveFormatBlockBytes : 0;
    *dataSize = static_cast<uint32_t>(wave.samples.size());
    *data = std::move(wave.samples);
    return ok ? 0 : 1;
}

}  // namespace fwSound

namespace {
named::Registrar reg([] {
    NAMED_SCALAR(SoundAvailable);
    NAMED_SCALAR(SoundDevice);
    NAMED_SCALAR(SoundReloadMode);
    NAMED_POOL(SoundObjects,
                {NAMED_FIELD(SoundObject, inUse), NAMED_FIELD(SoundObject, mixCount),
                 NAMED_FIELD(SoundObject, nextMix), NAMED_FIELD(SoundObject, sweepStep),
                 NAMED_FIELD(SoundObject, fromPack), NAMED_FIELD(SoundObject, baseFrequency),
                 NAMED_FIELD(SoundObject, looping), NAMED_FIELD(SoundObject, sweepTimer),
                 NAMED_FIELD(SoundObject, sweepLoops), NAMED_FIELD(SoundObject, sweepPan),
                 NAMED_FIELD(SoundObject, sweepPanDir)},
                "inUse");
});
}  // namespace
