// The sequencer's string commands for the alias the framework opens.
//
// One MIDI sequencer device, played by FluidSynth into the mixer of
// platform/audio (which must be able to open). Commands:
//   open "FILE" type sequencer alias NAME     (also: open FILE ..., without quotes)
//   seek NAME to start
//   play NAME [notify]
//   stop NAME [notify]
//   close NAME
//   status NAME mode                          reply "playing" or "stopped"
// A piece played with notify that ends by itself posts MM_MCINOTIFY with
// MCI_NOTIFY_SUCCESSFUL to the window's queue; a stop, seek or close of a
// piece still playing with notify posts MCI_NOTIFY_ABORTED instead, and a
// new play with notify replaces a pending one with MCI_NOTIFY_SUPERSEDED.
// Other commands given "notify" post MCI_NOTIFY_SUCCESSFUL when they succeed.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace plat {

// Results of MciSendString.
constexpr int kMciOk = 0;
constexpr int kMciUnrecognizedCommand = 261;
constexpr int kMciInvalidDeviceName = 263;   // no device open under that alias
constexpr int kMciBadParameter = 266;
constexpr int kMciMissingParameter = 273;
constexpr int kMciFileNotFound = 275;
constexpr int kMciDeviceNotReady = 276;      // no audio output
constexpr int kMciDuplicateAlias = 289;
constexpr int kMciInvalidFile = 304;
constexpr int kMciDeviceInUse = 337;         // the one sequencer is open already

// Sends one command; the reply (if any) goes to *reply, which is emptied on
// an error. Returns kMciOk on success, else one of the codes above.
int MciSendString(const std::string& command, std::string* reply);

// After an open that failed with kMciInvalidFile: what is wrong with the
// file, in words ("" after any other command).
std::string MciFileFault();

// The soundfont the synthesiser uses: FluidSynth's own default setting when
// that file exists, else /usr/share/sounds/sf2/FluidR3_GM.sf2, else
// /usr/share/sounds/sf2/TimGM6mb.sf2 (only the places in SDL_SOUNDFONTS when
// that is set); "" when there is none: music then plays silently, with its
// notices all the same, and one line on stderr says so. A file that is there
// but is no soundfont, is cut short, was refused by the synthesiser or holds
// no instruments, or none of General MIDI's (no preset in bank 0), is
// passed over for the next, with a line on stderr (once) naming it and why.
// The search is made again whenever a piece opens; a different answer loads
// that soundfont.
//
// Whichever General MIDI soundfont plays, each instrument a piece uses is
// measured once and brought to the level the music was mixed for, so that
// a piece sounds at the same level and balance with any of them; the
// mixer's limiter keeps every sample of it under full scale. Every preset
// a piece can select is read into memory when it opens, so that nothing is
// read from the soundfont while it plays, and every piece starts from the
// same state of the synthesiser, whatever the piece before it did.
std::string MciSoundFontPath();
// Where the soundfont is looked for, in order: files, or folders searched
// for a .sf2 file.
std::vector<std::string> MciSoundFontSearch();

// Loads the synthesiser and its soundfont now, so that the first open does
// not wait for it (nothing happens when the mixer cannot open).
void MciPrepare();

// Test hooks: the instruments (bank, program) kept in memory for the open
// piece, or the last one; the instrument `channel` holds now ({-1, -1}: none).
std::vector<std::pair<int, int>> MciPinnedInstruments();
std::pair<int, int> MciChannelInstrument(int channel);
// How many times the mixing thread has read from a soundfont file.
long MciSoundFontReadsWhileMixing();

}  // namespace plat
