// fwMidi: MIDI music through the sequencer alias "midi".
#pragma once
#include <cstdint>
#include <string>

extern int32_t MidiOpen;
extern std::string MidiStatus;

namespace fwMidi {
int Init();
int Stop();
int Close();
void OnNotify();
}  // namespace fwMidi
