// Standard MIDI files as the sequencer can play them: the whole structure is
// checked before the synthesiser is handed a single byte, so that a broken
// file is refused with a reason instead of playing silence.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

// The most tracks the synthesiser's player takes.
constexpr unsigned kMidiMaxTracks = 128;

// "" when the bytes are a MIDI file the sequencer plays; else what is wrong
// with them, in words ("track 1 at byte 14 claims 500 bytes, 230 are left").
// Taken: a 6-byte header of format 0, 1 or 2 with 1 to kMidiMaxTracks tracks
// and a division of 1 or more ticks per beat; every announced track chunk
// complete; in each track, variable-length numbers of at most 4 bytes, at
// most 2^31 - 1 ticks in all,
// channel, meta and system-exclusive events that end inside the track, and
// meta events of the lengths their kinds have. Chunks of other kinds are
// passed over; the synthesiser's player cannot (it takes the length of the
// first one for the name of the next), so a file that is taken is also
// given in *playable with the header and its track chunks alone.
std::string MidiFileFault(const uint8_t* bytes, size_t size, std::vector<char>* playable = nullptr);

// Every channel event and system-exclusive message of a file that
// MidiFileFault took (none of another), track by track, each track's in file
// order. Given: the event's status byte (running status resolved; 0xF0 for a
// system-exclusive message) and its data bytes (a system-exclusive message's
// body after its length).
using MidiEvent = void (*)(void* context, uint8_t status, const uint8_t* data);
void ForEachMidiEvent(const uint8_t* bytes, size_t size, MidiEvent visit, void* context);

}  // namespace plat
