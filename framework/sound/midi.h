// fwMidi: MIDI music through the sequencer alias "midi". One piece at a
// time, restarted from its beginning when it ends while looping is on.
#pragma once
#include <cstdint>
#include <string>

extern int32_t MidiOpen;     // 1 while the alias "midi" is open (set by Play, cleared by Stop)
extern uint32_t MidiLoop;    // 1: a finished piece starts again; 0: it is stopped and closed
extern std::string MidiStatus;  // the window procedure's reply to "status midi mode"

namespace fwMidi {
int Init();
// Opens NAME (relative to the executable's folder), rewinds it and plays it
// with a completion notice to the window. Nothing is checked: a missing file
// plays silence.
void Play(const std::string& name, uint32_t loop);
void OnNotify();  // on a successful completion notice: restart or stop
int Stop();       // stops and closes the alias if it is open
int Close();      // stops and closes it whatever MidiOpen says
void ClearLoop();
}  // namespace fwMidi
