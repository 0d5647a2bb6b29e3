// MIDI files opened and played through the sequencer for a few blocks.
#include <string>

#include "platform/audio.h"
#include "platform/mci.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/sound_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::SoundReady();
    fuzz::WriteInput("MUSIC.MID", data, size);
    std::string reply;
    const std::string path = fuzz::Dir() + "MUSIC.MID";
    if (plat::MciSendString("open \"" + path + "\" type sequencer alias midi", &reply) == 0) {
        plat::MciSendString("play midi", &reply);
        for (int i = 0; i < 4; ++i) testsupport::Render(1024);
        plat::MciSendString("close midi", &reply);
    }
    return 0;
}
