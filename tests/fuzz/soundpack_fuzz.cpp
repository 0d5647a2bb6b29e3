// Sound packs through the entry search, the pack loader and the streaming refill.
#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/sound_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::SoundReady();
    fuzz::WriteInput("SOUND.PAK", data, size);
    fwSound::SetPackFile("SOUND.PAK");
    const int handle = fwSound::LoadPack("A.WAV", 1);
    if (handle >= 0) fwSound::ReleaseObject(handle);
    const int stream = fwSound::LoadStream("A.WAV", 0);
    if (stream >= 0) {
        fwSound::Play(stream, 0);
        for (int i = 0; i < 4; ++i) {
            testsupport::Render(44100 / 2);
            fwSound::Streaming();
        }
        fwSound::ReleaseObject(stream);
    }
    ErrorFlag = 0;
    return 0;
}
