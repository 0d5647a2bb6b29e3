// WAVE files through the reader and the sound loader.
#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "platform/wave.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/sound_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::SoundReady();
    plat::WaveData wave;
    plat::ParseWave(data, size, &wave);
    fuzz::WriteInput("SOUND.WAV", data, size);
    const int handle = fwSound::LoadObject("SOUND.WAV", 2);
    if (handle >= 0) {
        fwSound::Play(handle, -1);
        testsupport::Render(256);
        fwSound::ReleaseObject(handle);
    }
    ErrorFlag = 0;
    return 0;
}
