// fwSound: sound objects and their mixing copies.
//
// 70 objects; each holds 1 to 10 copies of the same samples, so that one
// sound can start again while an earlier start still sounds. The mix
// argument of the per-object calls: >= 0 that copy alone; -2 the current
// round-robin copy (and, for the plays, the arming of the echo sweep); any
// other negative value the round-robin copy for the plays and every copy
// for the setters, Stop and PauseResume. A handle outside 0..69, a free
// object or a copy index at or above the object's copy count makes the call
// return at once.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio.h"

constexpr int kSoundObjectCount = 70;
constexpr int kSoundMaxMix = 10;
constexpr size_t kSoundNameMax = 30;  // longest name a loader keeps

// Streaming state of one object (filled in by the pack loader's streams).
struct SoundStream {
    uint32_t dataStart = 0;
    uint32_t loopStart = 0;
    uint32_t filePos = 0;
    uint32_t dataSize = 0;  // non-zero only for a streaming object
    uint32_t consumed = 0;
    uint32_t fillStart = 0;
    uint32_t writePos = 0;
    uint32_t halfSize = 0;
    uint32_t bufferSize = 0;
    int32_t wrapCursor = -1;
    uint32_t lastCursor = 0;
    uint8_t countdown = 0;
    std::string packPath;
};

struct SoundObject {
    uint32_t inUse = 0;
    int32_t mixCount = 1;
    plat::AudioBuffer* buffers[kSoundMaxMix] = {};
    int32_t nextMix = 0;
    int32_t sweepStep = -1;
    uint32_t fromPack = 0;
    std::string name;
    SoundStream stream;
    uint32_t frequency[kSoundMaxMix] = {};
    int32_t pan[kSoundMaxMix] = {};
    int32_t volume[kSoundMaxMix] = {};
    uint32_t baseFrequency = 0;
    uint32_t looping = 0;
    uint32_t pausePosition[kSoundMaxMix] = {};
    float sweepTimer = 0.0f;
    uint32_t sweepLoops = 0;
    float sweepPan = 0.0f;
    int32_t sweepPanDir = 0;
};

// Module state.
extern int32_t SoundDevice;         // 1 while the mixer is held open by this module
extern int32_t PrimarySoundBuffer;  // 1 while the output format may be set
extern uint32_t SoundAvailable;     // 1 after a successful fwSound::Init
extern uint32_t SoundReloadMode;    // loaders reload SoundReloadSlot (RestoreAll, SelectFormat)
extern int32_t SoundReloadSlot;
extern std::string SoundPackPath;
extern SoundObject SoundObjects[kSoundObjectCount];

namespace fwSound {

int Init();              // 1, or 0 without an audio device (the module then stays silent)
void ClearObjects();     // every record idle (start-up, right after Init)
void ReleaseAll();
void RestoreAll();

// Loads NAME (relative to the executable's folder) with |mix| copies.
// Returns the handle 0..69, or -1 after an error message.
int LoadObject(const std::string& name, int mix);
void ReleaseObject(int obj);

void Play(int obj, int mix);
void PlayLoop(int obj, int mix);
void Stop(int obj, int mix);
void PauseResume(int obj, int mix);
uint32_t GetPosition(int obj);  // play cursor of copy 0 in bytes (0 for no object)

// Frequency in hundreds of hertz, pan and volume in decibels.
void AddFrequency(int obj, int delta, int mix);
void SetFrequency(int obj, int value, int mix);
void ResetFrequency(int obj, int mix);
void AddPan(int obj, int delta, int mix);
void SetPan(int obj, int value, int mix);
void ResetPan(int obj, int mix);
void PanLeft(int obj, int mix);
void PanRight(int obj, int mix);
void AddVolume(int obj, int delta, int mix);
void SetVolume(int obj, int value, int mix);
void ResetVolume(int obj, int mix);

// Echo sweeps, once per frame after a play with mix -2.
void SweepVolume(int obj, int interval, int count, int step);
void SweepPan(int obj, int interval, int count, int step, int panRate);

int SelectFormat(int channels, int rate, int bits);
void ErrorBeep();
void PlaySystemSound(const std::string& name);

// Reads a wave file: 0 and the format, its block size and the samples, or
// 1 (and everything empty) when the file is missing or not a wave we play.
int ReadWaveFile(const std::string& path, plat::AudioFormat* format, uint32_t* formatSize,
                 std::vector<uint8_t>* data, uint32_t* dataSize);

// Sound pack and streams. The pack's path is the executable's folder
// followed by the name given to SetPackFile.
void SetPackFile(const std::string& name);
// Loads the entry NAME (any case) with |mix| copies: the handle, or -1 after
// an error message (also for a damaged pack).
int LoadPack(const std::string& name, int mix);
// An entry of five seconds or more becomes a stream: one four-second buffer
// refilled from the pack in two-second parts by Streaming; after its end a
// looping play goes on from loopOffset bytes into the samples. A shorter
// entry loads as LoadPack(name, 1).
int LoadStream(const std::string& name, uint32_t loopOffset);
// Once per frame: refills every playing stream that is due. 1, or 0 after
// an error message (the failing stream is stopped).
int Streaming();
// Refills a stream from its first sample (Play and PlayLoop do this).
int ResetStream(int obj);
// Appends every .WAV file of FOLDER (relative to the executable's folder;
// empty for that folder itself) to the pack PACK, emptied first when
// `truncate` is non-zero. Always 1.
int Convert(const std::string& pack, const std::string& folder, int truncate);
// Appends the wave NAME (relative to the executable's folder) as an entry
// named after its last path part; nothing when it cannot be read.
void ConvertOne(const std::string& pack, const std::string& name);

// Shared by the loaders: the addressed object, or nullptr when the handle
// is out of range, the slot free or the module silent.
SoundObject* ObjectAt(int obj);
// The lowest free slot, or -1.
int FindFreeSlot();
// |mix| when it is 1..10, else -1 after the message for `where`.
int MixCount(const char* where, int mix);
// The last step of every load: copies, sweep state, name (unless
// reloading), source, and no stream.
void FinishLoad(SoundObject* o, int count, int mix, const std::string& name, uint32_t fromPack);
// Creates `count` copies holding `samples` and applies the stored (reload)
// or fresh frequency, pan and volume to `o`. On failure nothing is kept and
// false is returned.
bool CreateCopies(SoundObject* o, int count, const plat::AudioFormat& format, const uint8_t* samples,
                  uint32_t bytes, uint32_t bufferBytes);

}  // namespace fwSound
