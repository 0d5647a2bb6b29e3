// fwSound: streams. A long pack entry plays through one four-second buffer
// that the frame loop refills from the pack, two seconds at a time, behind
// the play cursor.
#include <algorithm>
#include <vector>

#include "framework/sound/pack.h"
#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "platform/audio.h"

namespace fwSound {
namespace {

constexpr const char* kWhereStream = "fwSound::LoadStream";
constexpr const char* kWhereStreaming = "fwSound::Streaming";
constexpr const char* kWhereReset = "fwSound::ResetStream";
constexpr const char* kNoPack = "パックファイル名が指定されていません";
constexpr const char* kCannotStream = "ストリーミング再生できません";

// Entries this long or longer (in whole seconds) stream.
constexpr uint32_t kStreamSeconds = 5;

// A stream whose pack cannot be read is stopped, so that it does not go on
// looping what its buffer held; then the message.
int Fail(int obj, const char* where, const char* what) {
    Stop(obj, -1);
    return fwSystem::ShowErrorBox(where, what);
}

// Fills `bytes` bytes of the object's buffer from `bufferOffset` on (round
// the ring's end when it must) with the pack's bytes from `fileOffset`, or
// with silence when `silent` is set. The pack's bytes are read all the same.
// A short read leaves silence there and returns false.
bool Fill(SoundObject* o, PackFile& pack, uint64_t fileOffset, uint32_t bufferOffset, uint32_t bytes, bool silent) {
    plat::AudioBuffer* b = o->buffers[0];
    plat::AudioRegion first, second;
    if (!plat::LockAudioBuffer(b, bufferOffset, bytes, &first, &second)) return false;
    const bool ok = pack.ReadAt(fileOffset, first.data, first.bytes) && pack.Read(second.data, second.bytes);
    if (!ok || silent) {
        const uint8_t quiet = plat::AudioBufferFormat(b).bitsPerSample == 8 ? 0x80 : 0x00;
        std::fill_n(first.data, first.bytes, quiet);
        std::fill_n(second.data, second.bytes, quiet);
    }
    plat::UnlockAudioBuffer(b, first, second);
    return ok;
}

// Whether the play cursor `c` has reached the part filled last (see the
// stream's fields): without a pending wrap, once it is inside that part or
// has come round past the buffer's end; after a refill at the buffer's
// start, once it has come round to that part, below the cursor seen then.
bool RefillDue(const SoundStream& s, uint32_t c) {
    const bool wrapPending = s.wrapCursor != -1;
    const uint32_t w = static_cast<uint32_t>(s.wrapCursor);
    const bool entered = wrapPending || c >= s.fillStart || c < s.lastCursor;
    const bool cameRound =
        !wrapPending || ((w <= s.fillStart || (s.fillStart <= c && c < w)) && (s.fillStart < w || c >= s.fillStart));
    return entered && cameRound;
}

// One due refill of stream `obj` with the play cursor at `c`: 1, or 0
// after the message.
int Refill(int obj, uint32_t c) {
    SoundObject* o = &SoundObjects[obj];
    SoundStream& s = o->stream;
    s.lastCursor = c;
    if (s.countdown != 0 && --s.countdown == 0) {
        Stop(obj, -1);
        return 1;
    }
    PackFile pack(s.packPath);
    if (!pack.IsOpen()) return Fail(obj, kWhereStreaming, kNoPack);
    // Two seconds; the rest when less is left; between one and two halves
    // left, half of it, so that the last part is not a short one.
    uint32_t n = s.halfSize;
    if (uint64_t(s.consumed) + s.halfSize > s.dataSize) n = s.dataSize - s.consumed;
    else if (s.dataSize - (s.consumed + s.halfSize) < s.halfSize) n = (s.dataSize - s.consumed) / 2;
    const uint64_t from = s.filePos;
    s.filePos += n;
    s.consumed += n;
    if (s.consumed >= s.dataSize) {
        s.filePos = s.loopStart;
        s.consumed = s.loopStart - s.dataStart;
        // A stream that plays once counts down from its end; a countdown
        // already running is not started again by a loop point near the end.
        if (!o->looping && s.countdown == 0) s.countdown = 2;
    }
    if (!Fill(o, pack, from, s.writePos, n, s.countdown == 1)) return Fail(obj, kWhereStreaming, kCannotStream);
    s.wrapCursor = s.writePos < s.fillStart ? static_cast<int32_t>(c) : -1;
    s.fillStart = s.writePos > s.bufferSize ? s.writePos - s.bufferSize : s.writePos;
    s.writePos += n;
    if (s.writePos >= s.bufferSize) s.writePos -= s.bufferSize;
    return 1;
}

}  // namespace

int LoadStream(const std::string& name, uint32_t loopOffset) {
    if (!SoundAvailable) return -1;
    const std::string packPath = SoundPackPath;
    PackEntry e;
    const int slot = BeginPackLoad(kWhereStream, name, &e);
    if (slot < 0) return -1;
    const uint32_t rate = e.format.avgBytesPerSec;
    if (e.dataSize / rate < kStreamSeconds) return LoadPack(name, 1);

    const uint64_t half = 2ull * rate;
    const uint64_t bufferSize = 4ull * rate;
    if (bufferSize > plat::kAudioBufferMaxBytes)
        return fwSystem::ShowErrorBox(kWhereStream, "サウンドバッファが生成できません"), -1;
    if (e.dataPos + e.dataSize > UINT32_MAX)  // beyond what the stream's offsets hold
        return fwSystem::ShowErrorBox(kWhereStream, "WAVEファイルを読み込めません"), -1;
    std::vector<uint8_t> first(half);
    PackFile pack(packPath);
    if (!pack.ReadAt(e.dataPos, first.data(), first.size()))
        return fwSystem::ShowErrorBox(kWhereStream, "WAVEファイルを読み込めません"), -1;
    SoundObject* o = &SoundObjects[slot];
    if (!CreateCopies(o, 1, e.format, first.data(), static_cast<uint32_t>(half), static_cast<uint32_t>(bufferSize)))
        return fwSystem::ShowErrorBox(kWhereStream, "サウンドバッファが生成できません"), -1;
    FinishLoad(o, 1, 1, name, 1);

    // The stream keeps whole sample frames: the data's end and the loop
    // point fall on frame boundaries, and a loop point past the end loops
    // the whole entry.
    const uint32_t align = e.format.blockAlign;
    const uint32_t dataSize = e.dataSize - e.dataSize % align;
    if (loopOffset >= dataSize) loopOffset = 0;
    loopOffset -= loopOffset % align;
    SoundStream& s = o->stream;
    s.dataStart = static_cast<uint32_t>(e.dataPos);
    s.loopStart = s.dataStart + loopOffset;
    s.dataSize = dataSize;
    s.halfSize = static_cast<uint32_t>(half);
    s.bufferSize = static_cast<uint32_t>(bufferSize);
    s.filePos = s.dataStart + s.halfSize;
    s.consumed = s.halfSize;
    s.fillStart = 0;
    s.writePos = s.halfSize;
    s.wrapCursor = -1;
    s.lastCursor = 0;
    s.countdown = 0;
    s.packPath = packPath;
    return slot;
}

int ResetStream(int obj) {
    SoundObject* o = ObjectAt(obj);
    if (!o || o->stream.dataSize == 0 || !o->buffers[0]) return 0;
    SoundStream& s = o->stream;
    PackFile pack(s.packPath);
    if (!pack.IsOpen()) return Fail(obj, kWhereReset, kNoPack);
    if (!Fill(o, pack, s.dataStart, 0, s.halfSize, false)) return Fail(obj, kWhereReset, kCannotStream);
    s.fillStart = 0;
    s.writePos = s.halfSize;
    s.filePos = s.dataStart + s.halfSize;
    s.consumed = s.halfSize;
    s.wrapCursor = -1;
    s.lastCursor = 0;
    s.countdown = 0;
    return 1;
}

int Streaming() {
    if (!SoundAvailable) return 0;
    for (int obj = 0; obj < kSoundObjectCount; ++obj) {
        SoundObject* o = ObjectAt(obj);
        if (!o || o->stream.dataSize == 0 || !o->buffers[0]) continue;
        if (!(plat::AudioBufferStatus(o->buffers[0]) & plat::kAudioPlaying)) continue;
        const uint32_t c = plat::GetAudioPosition(o->buffers[0]);
        if (!RefillDue(o->stream, c)) continue;
        if (!Refill(obj, c)) return 0;
    }
    return 1;
}

}  // namespace fwSound
