// Prints the probe's level of every General MIDI instrument in a soundfont,
// as the rows of the reference table in platform/instrument_level.cpp:
//
//   instrument_levels /usr/share/sounds/sf2/TimGM6mb.sf2
#include <fluidsynth.h>

#include <cstdio>

#include "platform/audio.h"
#include "platform/instrument_level.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SOUNDFONT.sf2\n", argv[0]);
        return 2;
    }
    for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", plat::kMixRate);
    fluid_settings_setnum(settings, "synth.gain", plat::kProbeGain);
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth || fluid_synth_sfload(synth, argv[1], 0) == FLUID_FAILED) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    for (int program = 0; program <= 128; ++program) {
        const bool drums = program == 128;
        const int channel = drums ? 9 : 0;
        plat::SelectOnResetSynth(synth, channel, 0, drums ? 0 : program);
        std::printf("%s%6.2f,%s", program % 8 == 0 ? "    " : " ", plat::ProbeInstrument(synth, channel),
                    program % 8 == 7 || drums ? "\n" : "");
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return 0;
}
