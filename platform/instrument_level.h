// How loud a soundfont's instruments sound through the synthesiser, and how
// loud the music expects each General MIDI instrument to be.
//
// General MIDI soundfonts differ widely in the level of the same
// instrument (by 10 dB and more, and not by one amount for all of them),
// while a piece's balance is set in its file by channel volumes and
// velocities made for instruments at the levels of the reference table.
// The sequencer measures each instrument a piece uses once with the probe
// and moves it to its reference level.
#pragma once
#include <fluidsynth.h>

namespace plat {

// The synthesiser gain at which the reference levels hold.
constexpr double kProbeGain = 0.8;

// A preset of the loaded soundfont: bank 128 holds the drum kits.
struct Instrument {
    int bank = -1;  // -1: no preset
    int program = -1;
    bool operator==(const Instrument&) const = default;
};

// The preset `channel` holds now, bank -1 for none.
Instrument ChannelInstrument(fluid_synth_t* synth, int channel);

// Resets the synthesiser (every channel, voice and effect) and selects on
// `channel` what a bank select `bank` and program change `program` would;
// returns the preset the synthesiser chose (it falls back to another when
// the soundfont lacks the one asked for), bank -1 for none.
Instrument SelectOnResetSynth(fluid_synth_t* synth, int channel, int bank, int program);

// Level in dB (RMS of every output sample, full scale 1.0) of the probe
// played on `channel` right after SelectOnResetSynth: a chord of twelve
// notes spread over five octaves (a drum kit: one hit of its common
// pieces), velocity 100, half a second, with the synthesiser's reverb and
// chorus as the music has them. The notes are silenced afterwards. Very
// quiet or silent presets measure about -200 dB.
double ProbeInstrument(fluid_synth_t* synth, int channel);

// The probe's level for an instrument in the soundfont the music was
// mixed with, at kProbeGain: by program number (0 to 127) in any melodic
// bank, and one level for every drum kit.
double ReferenceLevel(const Instrument& instrument);

}  // namespace plat
