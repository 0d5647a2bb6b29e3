#include "platform/instrument_level.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace plat {
namespace {

constexpr int kProbeRate = 44100;
constexpr int kProbeFrames = kProbeRate / 2;
constexpr int kFlushFrames = kProbeRate / 32;  // lets the silencing take effect
constexpr int kVelocity = 100;
constexpr int kDrumBank = 128;

// The probe's level for programs 0 to 127 and then the drum kit, in the
// soundfont the music was mixed with (TimGM6mb), measured by
// tools/instrument_levels.
constexpr double kReference[129] = {
    -20.18, -20.03, -18.35, -18.11, -13.78, -14.98, -18.92, -16.83,
    -19.00, -17.64, -15.15, -11.38, -22.22, -22.83, -12.78, -19.33,
    -14.18, -13.05, -12.54, -16.54, -13.72, -15.53, -14.66, -17.19,
    -14.10, -17.61, -13.13, -16.43, -16.32, -16.43, -14.23, -15.89,
    -15.94, -15.04, -17.22, -13.63, -13.16, -21.90, -14.68, -15.93,
    -11.65, -11.69, -10.76, -12.66, -14.43, -15.70, -11.43, -17.86,
     -3.59, -19.10, -14.20, -15.36, -14.66, -14.39, -14.78, -13.26,
    -16.22, -15.75, -15.64, -19.98,  -9.34, -19.07, -12.88,  -7.80,
    -15.14, -13.04, -15.06, -18.47, -13.77, -13.68, -15.71, -14.34,
    -13.16, -13.62, -13.26, -14.19, -15.93, -14.34, -10.85,  -9.35,
    -10.86,  -8.66, -12.07, -13.75, -13.93,  -9.56, -11.63,  -9.18,
    -12.13, -19.63, -15.64, -13.19, -16.71, -16.99, -15.68, -19.21,
    -14.66, -15.25, -15.54, -12.58, -12.61, -23.94, -13.29, -12.93,
    -18.20, -13.93, -21.62, -16.83, -15.79, -14.91, -13.09, -14.39,
    -17.75, -22.30, -16.71, -24.80, -14.71, -22.22, -15.70, -32.92,
    -24.86, -32.66, -19.49, -17.40, -17.11, -38.84, -34.45, -17.28,
    -22.71
};

// Sum of squares of every sample of `frames` rendered frames.
double RenderEnergy(fluid_synth_t* synth, int frames) {
    constexpr int kBlock = 512;
    float block[2 * kBlock];
    double energy = 0;
    for (int done = 0; done < frames; done += kBlock) {
        const int n = std::min(kBlock, frames - done);
        fluid_synth_write_float(synth, n, block, 0, 2, block, 1, 2);
        for (int i = 0; i < 2 * n; ++i) energy += double(block[i]) * block[i];
    }
    return energy;
}

}  // namespace

Instrument ChannelInstrument(fluid_synth_t* synth, int channel) {
    fluid_preset_t* preset = fluid_synth_get_channel_preset(synth, channel);
    if (!preset) return {};
    return {fluid_preset_get_banknum(preset), fluid_preset_get_num(preset)};
}

Instrument SelectOnResetSynth(fluid_synth_t* synth, int channel, int bank, int program) {
    fluid_synth_system_reset(synth);
    // The chorus sweeps from where it stands; setting its speed starts the
    // sweep afresh, so that a probe measures the same every time.
    double speed = 0;
    if (fluid_synth_get_chorus_group_speed(synth, 0, &speed) == FLUID_OK)
        fluid_synth_set_chorus_group_speed(synth, -1, speed);
    fluid_synth_cc(synth, channel, 0, bank & 0x7F);
    fluid_synth_program_change(synth, channel, program);
    return ChannelInstrument(synth, channel);
}

double ProbeInstrument(fluid_synth_t* synth, int channel) {
    fluid_preset_t* preset = fluid_synth_get_channel_preset(synth, channel);
    const bool drums = preset && fluid_preset_get_banknum(preset) == kDrumBank;
    const std::initializer_list<int> kit = {36, 38, 42, 45, 46, 49, 51};  // kicks, snare, hats, tom, cymbals
    const std::initializer_list<int> chord = {33, 38, 43, 48, 53, 58, 63, 68, 73, 78, 83, 88};
    for (int key : drums ? kit : chord) fluid_synth_noteon(synth, channel, key, kVelocity);
    const double energy = RenderEnergy(synth, kProbeFrames);
    fluid_synth_all_sounds_off(synth, channel);
    RenderEnergy(synth, kFlushFrames);
    return 10 * std::log10(energy / (2.0 * kProbeFrames) + 1e-20);
}

double ReferenceLevel(const Instrument& instrument) {
    if (instrument.bank == kDrumBank) return kReference[128];
    return kReference[std::clamp(instrument.program, 0, 127)];
}

}  // namespace plat
