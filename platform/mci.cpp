#include "platform/mci.h"

#include <fluidsynth.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <bitset>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "platform/audio.h"
#include "platform/file.h"
#include "platform/instrument_level.h"
#include "platform/midi_file.h"
#include "platform/system.h"
#include "platform/window.h"

namespace plat {
namespace {

constexpr intptr_t kSequencerId = 1;          // lParam of the notices
constexpr int kTailFrames = kMixRate / 2;     // rendered after the music stops: release and reverb
constexpr long kMaxMidiFileBytes = 16L * 1024 * 1024;
constexpr int kChannels = 16;

// Each instrument is moved to its reference level by a channel attenuation
// of kHeadroomDb minus its correction, under a synthesiser gain raised by
// kHeadroomDb: an instrument may come up by that much, or down by far more.
constexpr double kHeadroomDb = 20;
constexpr double kLowestCorrectionDb = -40;
// An instrument the probe hardly hears (its notes lie elsewhere) keeps the
// level the soundfont gives it.
constexpr double kInaudibleDb = -80;

// Everything below is guarded by gLock, which the mixing thread takes too.
// Never call AudioOpen or AudioClose while holding it: closing the device
// waits for the mixing thread, which may be waiting for gLock.
// The commands come from one thread. While no piece is open the mixing
// thread leaves the synthesiser alone; then the opening of a piece loads
// and measures its instruments (gSynth, gLevels, gPinned) without the lock,
// so that the mixer's effects go on meanwhile.
std::mutex gLock;
fluid_settings_t* gSettings = nullptr;
fluid_synth_t* gSynth = nullptr;
bool gSynthTried = false;
std::string gFontPath;  // the soundfont gSynth was made for ("" none)
int gFontId = FLUID_FAILED;
// The probe's level of each instrument measured so far in this soundfont.
std::vector<std::pair<Instrument, double>> gLevels;
// Instruments kept in memory for the open (or last) piece.
std::vector<Instrument> gPinned;
// The last piece held system-exclusive messages, which may leave the
// synthesiser in a state that no reset undoes (its manner of bank select,
// its tunings): the next piece gets a new one.
bool gSynthAltered = false;

// The soundfont is read through calls of our own: opened only as a regular
// file, and each read the mixing thread makes counted (there should be
// none: everything a piece can play is loaded when it opens).
thread_local bool tMixing = false;
std::atomic<long> gMixingReads{0};

void* FontOpen(const char* path) {
    std::string why;
    return OpenRegularStream(path, &why);
}
int FontRead(void* buffer, fluid_long_long_t count, void* file) {
    if (tMixing) gMixingReads.fetch_add(1, std::memory_order_relaxed);
    const size_t n = static_cast<size_t>(count);
    return count >= 0 && std::fread(buffer, 1, n, static_cast<FILE*>(file)) == n ? FLUID_OK : FLUID_FAILED;
}
int FontSeek(void* file, fluid_long_long_t offset, int origin) {
    return fseeko(static_cast<FILE*>(file), static_cast<off_t>(offset), origin) == 0 ? FLUID_OK : FLUID_FAILED;
}
fluid_long_long_t FontTell(void* file) { return ftello(static_cast<FILE*>(file)); }
int FontClose(void* file) { return std::fclose(static_cast<FILE*>(file)) == 0 ? FLUID_OK : FLUID_FAILED; }

struct Sequencer {
    bool open = false;
    std::string alias;             // lower case
    std::vector<char> file;        // the whole MIDI file
    fluid_player_t* player = nullptr;
    bool playing = false;
    bool atEnd = false;            // the piece has ended by itself; a play needs a seek first
    bool notifyPending = false;    // a play with notify waits for its notice
    int tailFrames = 0;
};
Sequencer gSeq;

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Words of a command; a double-quoted part is one word without its quotes.
std::vector<std::string> Split(const std::string& command) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < command.size()) {
        if (std::isspace(static_cast<unsigned char>(command[i]))) {
            ++i;
            continue;
        }
        std::string word;
        if (command[i] == '"') {
            size_t end = command.find('"', i + 1);
            if (end == std::string::npos) end = command.size();
            word = command.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            while (i < command.size() && !std::isspace(static_cast<unsigned char>(command[i]))) word += command[i++];
        }
        words.push_back(word);
    }
    return words;
}

// What the last command found wrong with its file, in words.
std::string gFault;

// Reads a whole MIDI file into *out as the synthesiser's player is to read
// it: kMciOk, kMciFileNotFound when there is no such file, or
// kMciInvalidFile (with gFault) when it cannot be read or is not a MIDI file
// the sequencer plays.
int ReadMidiFile(const std::string& path, std::vector<char>* out) {
    FILE* f = OpenRegularStream(path, &gFault);
    if (!f) return gFault.empty() ? kMciFileNotFound : kMciInvalidFile;
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    long size = ok ? std::ftell(f) : -1;
    ok = ok && size >= 0 && std::fseek(f, 0, SEEK_SET) == 0;
    if (ok && size > kMaxMidiFileBytes) {
        std::fclose(f);
        gFault = "larger than " + std::to_string(kMaxMidiFileBytes >> 20) + " MB";
        return kMciInvalidFile;
    }
    if (ok) {
        out->resize(static_cast<size_t>(size));
        ok = std::fread(out->data(), 1, out->size(), f) == out->size();
    }
    const int error = errno;
    std::fclose(f);
    if (!ok) {
        gFault = std::strerror(error);
        return kMciInvalidFile;
    }
    const std::vector<char> whole = std::move(*out);
    gFault = MidiFileFault(reinterpret_cast<const uint8_t*>(whole.data()), whole.size(), out);
    return gFault.empty() ? kMciOk : kMciInvalidFile;
}

uint32_t Le32(const unsigned char* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Whether the file at `path` passes for a soundfont by its RIFF header and
// its top-level chunks (INFO, sdta and pdta lists, all inside the file).
// The synthesiser opens a soundfont itself: it is handed only a regular file
// (a named pipe in its place would hold the open for ever), and only one that
// passes, since its loaders alarm the terminal about anything else. Else
// *why says what is wrong, and is left empty only when there is no such file.
bool PassesForSoundFont(const std::string& path, std::string* why) {
    FILE* f = OpenRegularStream(path, why);
    if (!f) return false;
    struct stat st {};
    const off_t size = fstat(fileno(f), &st) == 0 ? st.st_size : 0;
    unsigned char chunk[12];
    auto readAt = [&](off_t at) { return fseeko(f, at, SEEK_SET) == 0 && std::fread(chunk, 1, 12, f) == 12; };
    const char* const kLists[] = {"INFO", "sdta", "pdta"};
    std::bitset<3> whole;
    if (!readAt(0) || std::memcmp(chunk, "RIFF", 4) != 0 || std::memcmp(chunk + 8, "sfbk", 4) != 0) {
        *why = "not a soundfont";
    } else if (const off_t end = 8 + static_cast<off_t>(Le32(chunk + 4)); size < end) {
        *why = "cut short: " + std::to_string(size) + " of " + std::to_string(end) + " bytes";
    } else {
        for (off_t at = 12; at + 12 <= end && readAt(at);) {
            const off_t length = Le32(chunk + 4);
            if (at + 8 + length <= end && std::memcmp(chunk, "LIST", 4) == 0)
                for (size_t i = 0; i < whole.size(); ++i)
                    if (std::memcmp(chunk + 8, kLists[i], 4) == 0) whole.set(i);
            at += 8 + length + (length & 1);  // chunks start on even bytes
        }
        for (size_t i = 0; i < whole.size() && why->empty(); ++i)
            if (!whole[i]) *why = std::string("damaged: no whole ") + kLists[i] + " list";
    }
    std::fclose(f);
    return why->empty();
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// What the search for a soundfont remembers: the files that passed for
// soundfonts but that the synthesiser refused or found empty, each with
// why, and the lines it has said about files it passed over (each is said
// once).
std::mutex gSearchLock;
std::vector<std::pair<std::string, std::string>> gRefused;  // file, why
std::vector<std::string> gSaid;

// The first file of the search that passes for a soundfont and that has not
// been refused ("" none). Each file before it that is there goes to *tried,
// and is named on the terminal with why it was passed over, once in the life
// of the process.
std::string FindSoundFont(std::vector<std::string>* tried) {
    std::vector<std::string> files;
    for (const std::string& place : MciSoundFontSearch()) {
        if (IsFolder(place)) {
            for (const std::string& file : FindFiles(place, ".sf2")) files.push_back(place + "/" + file);
        } else {
            files.push_back(place);
        }
    }
    std::lock_guard<std::mutex> lock(gSearchLock);
    for (const std::string& file : files) {
        std::string why;
        if (PassesForSoundFont(file, &why)) {
            auto refused = std::find_if(gRefused.begin(), gRefused.end(), [&](auto& r) { return r.first == file; });
            if (refused == gRefused.end()) return file;
            why = refused->second;
        }
        if (why.empty()) continue;  // no such file
        tried->push_back(file);
        const std::string line = "soundfont " + file + " passed over: " + why;
        if (std::find(gSaid.begin(), gSaid.end(), line) != gSaid.end()) continue;
        gSaid.push_back(line);
        std::fprintf(stderr, "%s%s\n", LinePrefix().c_str(), line.c_str());
    }
    return "";
}

std::string Listed(const std::vector<std::string>& items) {
    std::string list;
    for (const std::string& item : items) list += (list.empty() ? "" : ", ") + item;
    return list;
}

void Notify(uint32_t flag) { PostMessage(MM_MCINOTIFY, flag, kSequencerId); }

void DropSynth() {
    if (gSynth) delete_fluid_synth(gSynth);
    if (gSettings) delete_fluid_settings(gSettings);
    gSynth = nullptr;
    gSettings = nullptr;
    gFontId = FLUID_FAILED;
    gLevels.clear();
    gPinned.clear();
}

// A synthesiser as the music has it, with the soundfont at `font` loaded
// ("" none; its id to *fontId), and its settings to *settings (both null when
// it cannot be made). The channels take their instruments when a piece opens.
fluid_synth_t* NewSynth(const std::string& font, fluid_settings_t** settings, int* fontId) {
    *fontId = FLUID_FAILED;
    *settings = new_fluid_settings();
    if (!*settings) return nullptr;
    fluid_settings_setnum(*settings, "synth.sample-rate", kMixRate);
    fluid_settings_setstr(*settings, "player.timing-source", "sample");
    // The synthesiser's own default (0.2) leaves General MIDI music far
    // under the sound effects; at kProbeGain the instruments at their
    // reference levels bring a full arrangement to about -19 dBFS RMS.
    fluid_settings_setnum(*settings, "synth.gain", kProbeGain * std::pow(10.0, kHeadroomDb / 20));
    // Only the samples of the instruments in use are read into memory, as
    // they are selected; loading the whole soundfont at once also starts a
    // team of worker threads that spin while they wait.
    fluid_settings_setint(*settings, "synth.dynamic-sample-loading", 1);
    fluid_synth_t* synth = new_fluid_synth(*settings);
    if (!synth) {
        delete_fluid_settings(*settings);
        *settings = nullptr;
        return nullptr;
    }
    if (fluid_sfloader_t* loader = new_fluid_defsfloader(*settings)) {
        fluid_sfloader_set_callbacks(loader, FontOpen, FontRead, FontSeek, FontTell, FontClose);
        fluid_synth_add_sfloader(synth, loader);  // tried before the synthesiser's own
    }
    if (!font.empty()) *fontId = fluid_synth_sfload(synth, font.c_str(), 0);
    return synth;
}

const char* WhyNoMusic();

// Creates the synthesiser for the soundfont that the search finds now, and
// again whenever that changes, or the last piece altered it, while no piece
// is open. Needs gLock.
bool EnsureSynth() {
    std::vector<std::string> tried;
    std::string font = FindSoundFont(&tried);
    if ((gSynthTried && font == gFontPath && !gSynthAltered) || gSeq.open) return gSynth != nullptr;
    // The levels measured stay good for the same soundfont.
    auto levels = font == gFontPath ? std::move(gLevels) : decltype(gLevels){};
    DropSynth();
    gLevels = std::move(levels);
    gSynthTried = true;
    gSynthAltered = false;
    gFontPath = font;
    for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
    gSynth = NewSynth(font, &gSettings, &gFontId);
    if (!gSynth) return false;
    // A file that passes for a soundfont may still be refused, or load with
    // no General MIDI instruments to play: the search goes on without it.
    while (!font.empty()) {
        const char* why = "refused by the synthesiser";
        if (gFontId != FLUID_FAILED) {
            why = WhyNoMusic();
            if (!why) break;
            fluid_synth_sfunload(gSynth, gFontId, 0);
        }
        {
            std::lock_guard<std::mutex> lock(gSearchLock);
            gRefused.emplace_back(font, why);
        }
        gLevels.clear();
        tried.clear();
        gFontId = FLUID_FAILED;
        gFontPath = font = FindSoundFont(&tried);
        if (!font.empty()) gFontId = fluid_synth_sfload(gSynth, font.c_str(), 0);
    }
    if (font.empty() && tried.empty()) {
        std::fprintf(stderr, "%smusic is off: no General MIDI soundfont found (looked for %s)\n",
                     LinePrefix().c_str(), Listed(MciSoundFontSearch()).c_str());
    } else if (font.empty()) {
        std::fprintf(stderr, "%smusic is off: no General MIDI soundfont loads (tried %s)\n", LinePrefix().c_str(),
                     Listed(tried).c_str());
    }
    return true;
}

// The channel attenuation, in centibels, that moves an instrument to its
// reference level; an instrument never measured stays as the soundfont has it.
double Attenuation(const Instrument& instrument) {
    for (const auto& [known, level] : gLevels) {
        if (known == instrument && level > kInaudibleDb) {
            const double correction = ReferenceLevel(instrument) - level;
            return 10 * (kHeadroomDb - std::clamp(correction, kLowestCorrectionDb, kHeadroomDb));
        }
    }
    return 10 * kHeadroomDb;
}

// Gives the channel the attenuation of the instrument it has now.
void LevelChannel(int channel) {
    const Instrument instrument = ChannelInstrument(gSynth, channel);
    if (instrument.bank >= 0)
        fluid_synth_set_gen(gSynth, channel, GEN_ATTENUATION, static_cast<float>(Attenuation(instrument)));
}

// What a piece asks of the synthesiser, read from the file ReadMidiFile
// took, in no particular order: the synthesiser may get the events of
// different tracks in another order than their ticks (all those due in one
// step of its player, track by track), so every bank a channel selects is
// taken with every program it changes to.
struct PieceScan {
    std::array<bool, kChannels> notes{};
    std::array<std::bitset<128>, kChannels> programs, bankMsb, bankLsb;  // controllers 0 and 32
    bool systemExclusive = false;
};

void ScanEvent(void* context, uint8_t status, const uint8_t* data) {
    auto& scan = *static_cast<PieceScan*>(context);
    // A file may hold data bytes of 128 and more; the synthesiser refuses
    // such a note, controller or program (128 only unsets the program).
    const bool oneByte = (status & 0xE0) == 0xC0;
    if (status != 0xF0 && ((data[0] | (oneByte ? 0 : data[1])) & 0x80)) return;
    const int channel = status & 0x0F;
    switch (status & 0xF0) {
    case 0x90:
        if (data[1] > 0) scan.notes[channel] = true;
        break;
    case 0xB0:
        if (data[0] == 0) scan.bankMsb[channel].set(data[1]);
        if (data[0] == 32) scan.bankLsb[channel].set(data[1]);
        break;
    case 0xC0: scan.programs[channel].set(data[0]); break;
    case 0xF0: scan.systemExclusive = true; break;
    }
}

// Banks 0 to 127, then the drum kits' bank, each of 128 programs: a set of
// (bank, program) as one index.
constexpr int kDrumBank = 128;
constexpr int kDrumChannel = 9;
using PresetSet = std::bitset<(kDrumBank + 1) * 128>;
constexpr size_t PresetIndex(int bank, int program) { return static_cast<size_t>(bank) * 128 + program; }
constexpr Instrument PresetAt(size_t index) { return {static_cast<int>(index / 128), static_cast<int>(index % 128)}; }

// What the piece's channels may ask for: every bank and program that a
// program change, or a reset, may select on them (any), and those on
// channels that play notes (heard).
//
// The synthesiser starts each piece in its GS manner of bank select: the
// bank comes from controller 0 alone, channel 10 plays the kits of bank 128
// whatever bank it selects, and every other channel is melodic. A reset
// gives a melodic channel bank 0, program 0, and a drum channel kit 0. A
// system-exclusive message may change all that for the rest of the piece:
// ignore bank selects (a General MIDI reset), take the bank from controller
// 32 and make a channel that selects a bank from 120 up a drum channel (an XG
// reset), or make any channel a drum channel (GS). After one, every channel
// may ask for either kind, with the bank from either controller, and program
// 0 of every bank it selects: the GS message that makes a channel melodic
// again selects that program of the channel's bank.
void AskedFor(const PieceScan& scan, PresetSet* any, PresetSet* heard) {
    const bool freed = scan.systemExclusive;
    for (int channel = 0; channel < kChannels; ++channel) {
        auto ask = [&](int bank, int program) {
            any->set(PresetIndex(bank, program));
            if (scan.notes[channel]) heard->set(PresetIndex(bank, program));
        };
        const std::bitset<128>& programs = scan.programs[channel];
        if (channel != kDrumChannel || freed) {
            std::bitset<128> banks = scan.bankMsb[channel];
            if (freed) banks |= scan.bankLsb[channel];
            banks.set(0);
            ask(0, 0);
            for (int bank = 0; bank < 128; ++bank)
                for (int program = 0; program < 128 && banks[bank]; ++program)
                    if (programs[program] || (freed && program == 0)) ask(bank, program);
        }
        if (channel == kDrumChannel || freed) {
            ask(kDrumBank, 0);
            for (int program = 0; program < 128; ++program)
                if (programs[program]) ask(kDrumBank, program);
        }
    }
}

// The presets of the synthesiser's soundfont, as a set.
PresetSet PresetsInFont() {
    PresetSet presets;
    fluid_sfont_t* font = fluid_synth_get_sfont_by_id(gSynth, gFontId);
    if (!font) return presets;
    fluid_sfont_iteration_start(font);
    while (fluid_preset_t* preset = fluid_sfont_iteration_next(font)) {
        const int bank = fluid_preset_get_banknum(preset), program = fluid_preset_get_num(preset);
        if (bank >= 0 && bank <= kDrumBank && program >= 0 && program < 128) presets.set(PresetIndex(bank, program));
    }
    return presets;
}

// Why the soundfont loaded cannot play General MIDI music: it holds no
// preset, or none in bank 0, where the melodic instruments are (a soundfont
// of drum kits alone, or of other banks, plays little or nothing of a
// piece). nullptr when it can.
const char* WhyNoMusic() {
    const PresetSet presets = PresetsInFont();
    for (int program = 0; program < 128; ++program)
        if (presets[PresetIndex(0, program)]) return nullptr;
    return presets.any() ? "holds no General MIDI instruments" : "holds no instruments";
}

// The preset the synthesiser gives for a bank and program when the
// soundfont lacks it: a missing kit falls back to kit 0, a missing melodic
// preset to its program in bank 0, then to bank 0's program 0. Bank -1: none.
Instrument Resolve(const PresetSet& font, const Instrument& asked) {
    const bool kit = asked.bank == kDrumBank;
    const Instrument tries[] = {asked, {kit ? kDrumBank : 0, kit ? 0 : asked.program}, {kit ? kDrumBank : 0, 0}};
    for (const Instrument& instrument : tries)
        if (font[PresetIndex(instrument.bank, instrument.program)]) return instrument;
    return {};
}

// The probe's level of an instrument of the soundfont on a synthesiser of
// the music's, or nothing when it cannot be selected there. In the
// synthesiser's starting manner a kit plays on the drum channel, and a
// melodic preset that is there comes as asked for.
std::optional<double> Probe(fluid_synth_t* synth, const Instrument& instrument) {
    const int channel = instrument.bank == kDrumBank ? kDrumChannel : 0;
    if (SelectOnResetSynth(synth, channel, instrument.bank & 0x7F, instrument.program) != instrument) return {};
    fluid_synth_set_gen(synth, channel, GEN_ATTENUATION, static_cast<float>(10 * kHeadroomDb));
    return ProbeInstrument(synth, channel);
}

// Measures the instruments, each probe rendering half a second. A few are
// probed on the music's synthesiser; many (a piece may ask for every preset
// of the soundfont) are shared out among it and synthesisers of their own on
// as many threads as the processor runs at once, since making one costs
// as much as a few probes.
constexpr size_t kProbedAlone = 16;
void Measure(const std::vector<Instrument>& instruments) {
    std::vector<std::optional<double>> levels(instruments.size());
    std::atomic<size_t> next{0};
    auto probeOn = [&](fluid_synth_t* synth) {
        for (size_t i; (i = next.fetch_add(1)) < instruments.size();) levels[i] = Probe(synth, instruments[i]);
    };
    std::vector<std::thread> team;
    const unsigned cores = std::max(std::thread::hardware_concurrency(), 1u);
    const unsigned helpers = instruments.size() <= kProbedAlone ? 0 : std::min(cores, 8u) - 1;
    auto help = [&] {
        fluid_settings_t* settings;
        int fontId;
        if (fluid_synth_t* synth = NewSynth(gFontPath, &settings, &fontId)) {
            if (fontId != FLUID_FAILED) probeOn(synth);
            delete_fluid_synth(synth);
            delete_fluid_settings(settings);
        }
    };
    try {
        while (team.size() < helpers) team.emplace_back(help);
    } catch (const std::system_error&) {
        // No more threads to be had: those there are do the rest.
    }
    probeOn(gSynth);
    for (std::thread& helper : team) helper.join();
    for (size_t i = 0; i < instruments.size(); ++i)
        if (levels[i]) gLevels.push_back({instruments[i], *levels[i]});
}

// Readies the synthesiser for a piece: every preset a channel can hold while
// it plays is loaded and kept in memory, and each that a channel with notes
// can hold is measured once (the first time this soundfont gives it); the
// channels start reset, at their levels, and those the piece leaves silent
// hold no instrument. Runs without gLock while no piece is open.
void PrepareInstruments(const std::vector<char>& file) {
    PieceScan scan;
    ForEachMidiEvent(reinterpret_cast<const uint8_t*>(file.data()), file.size(), ScanEvent, &scan);
    gSynthAltered = scan.systemExclusive;
    PresetSet any, heard;
    AskedFor(scan, &any, &heard);
    const PresetSet font = PresetsInFont();
    std::vector<Instrument> pinned;
    auto keep = [&pinned](const Instrument& instrument) {
        if (instrument.bank < 0 || std::find(pinned.begin(), pinned.end(), instrument) != pinned.end()) return;
        fluid_synth_pin_preset(gSynth, gFontId, instrument.bank, instrument.program);
        pinned.push_back(instrument);
    };
    PresetSet measure;
    for (size_t i = 0; i < any.size(); ++i) {
        if (!any[i]) continue;
        const Instrument instrument = Resolve(font, PresetAt(i));
        keep(instrument);
        if (heard[i] && instrument.bank >= 0) measure.set(PresetIndex(instrument.bank, instrument.program));
    }
    std::vector<Instrument> unmeasured;
    for (size_t i = 0; i < measure.size(); ++i) {
        const Instrument instrument = PresetAt(i);
        auto known = [&](const auto& entry) { return entry.first == instrument; };
        if (measure[i] && std::find_if(gLevels.begin(), gLevels.end(), known) == gLevels.end())
            unmeasured.push_back(instrument);
    }
    Measure(unmeasured);
    // What a reset gives every channel was asked for above; what this
    // synthesiser gives is kept all the same.
    fluid_synth_system_reset(gSynth);
    for (int channel = 0; channel < kChannels; ++channel) keep(ChannelInstrument(gSynth, channel));
    for (const Instrument& old : gPinned)
        if (std::find(pinned.begin(), pinned.end(), old) == pinned.end())
            fluid_synth_unpin_preset(gSynth, gFontId, old.bank, old.program);
    gPinned = std::move(pinned);
    for (int channel = 0; channel < kChannels; ++channel) {
        if (scan.notes[channel]) LevelChannel(channel);
        else fluid_synth_unset_program(gSynth, channel);
    }
}

// Every event of the playing piece, on the mixing thread (gLock is held):
// a channel that changes its instrument, or has its generators reset, gets
// the new instrument's level.
int PlayEvent(void*, fluid_midi_event_t* event) {
    const int result = fluid_synth_handle_midi_event(gSynth, event);
    const int type = fluid_midi_event_get_type(event);
    const int channel = fluid_midi_event_get_channel(event);
    if (type == 0xC0 || (type == 0xB0 && fluid_midi_event_get_control(event) == 121)) {
        LevelChannel(channel);
    } else if (type == 0xF0) {  // a system exclusive message may reset every channel
        for (int c = 0; c < kChannels; ++c) LevelChannel(c);
    }
    return result;
}

// A fresh player at the piece's start. Needs gLock.
bool ResetPlayer() {
    if (gSeq.player) delete_fluid_player(gSeq.player);
    gSeq.player = new_fluid_player(gSynth);
    if (!gSeq.player) return false;
    fluid_player_set_playback_callback(gSeq.player, PlayEvent, nullptr);
    if (fluid_player_add_mem(gSeq.player, gSeq.file.data(), gSeq.file.size()) != FLUID_OK) {
        delete_fluid_player(gSeq.player);
        gSeq.player = nullptr;
        return false;
    }
    gSeq.atEnd = false;
    return true;
}

// Stops a playing piece where it is. Needs gLock.
void Halt() {
    if (gSeq.playing) {
        if (gSeq.player) fluid_player_stop(gSeq.player);
        fluid_synth_all_sounds_off(gSynth, -1);
        gSeq.playing = false;
        gSeq.tailFrames = kTailFrames;
    }
    if (gSeq.notifyPending) {
        gSeq.notifyPending = false;
        Notify(MCI_NOTIFY_ABORTED);
    }
}

// The piece has played its last event. The player itself reports done only
// once every voice has died away, which would put a gap of the notes'
// release into every loop.
bool PieceOver() {
    if (fluid_player_get_status(gSeq.player) == FLUID_PLAYER_DONE) return true;
    // Before the player has read the file it knows no length at all.
    const int total = fluid_player_get_total_ticks(gSeq.player);
    return total > 0 && fluid_player_get_current_tick(gSeq.player) >= total;
}

// The mixer's second stream: the synthesiser while a piece plays or rings out.
void RenderMusic(float* mix, int frames, void*) {
    std::lock_guard<std::mutex> lock(gLock);
    if (!gSeq.open || !gSynth || (!gSeq.playing && gSeq.tailFrames <= 0)) return;
    tMixing = true;
    struct Done {
        ~Done() { tMixing = false; }
    } done;
    constexpr int kBlock = 512;
    float scratch[2 * kBlock];
    while (frames > 0) {
        int n = std::min(frames, kBlock);
        fluid_synth_write_float(gSynth, n, scratch, 0, 2, scratch, 1, 2);
        for (int i = 0; i < 2 * n; ++i) mix[i] += scratch[i];
        mix += 2 * n;
        frames -= n;
        if (gSeq.playing && PieceOver()) {
            gSeq.playing = false;
            gSeq.atEnd = true;
            gSeq.tailFrames = kTailFrames;
            if (gSeq.notifyPending) {
                gSeq.notifyPending = false;
                Notify(MCI_NOTIFY_SUCCESSFUL);
            }
        } else if (!gSeq.playing) {
            gSeq.tailFrames -= n;
            if (gSeq.tailFrames <= 0) return;
        }
    }
}

// Removes "notify" and "wait" from the words; reports whether notify was there.
bool TakeFlags(std::vector<std::string>& words) {
    bool notify = false;
    words.erase(std::remove_if(words.begin(), words.end(),
                               [&](const std::string& w) {
                                   std::string l = Lower(w);
                                   if (l == "notify") notify = true;
                                   return l == "notify" || l == "wait";
                               }),
                words.end());
    return notify;
}

int Open(const std::vector<std::string>& words) {
    if (words.size() < 2) return kMciMissingParameter;
    std::string path = words[1];
    std::string alias = Lower(path);
    for (size_t i = 2; i < words.size(); ++i) {
        std::string key = Lower(words[i]);
        if ((key == "type" || key == "alias") && i + 1 < words.size()) {
            std::string value = words[++i];
            if (key == "alias") alias = Lower(value);
            else if (Lower(value) != "sequencer") return kMciBadParameter;
        } else if (key != "shareable") {
            return kMciBadParameter;
        }
    }
    {
        std::lock_guard<std::mutex> lock(gLock);
        if (gSeq.open) return gSeq.alias == alias ? kMciDuplicateAlias : kMciDeviceInUse;
    }
    std::vector<char> file;
    if (int read = ReadMidiFile(path, &file); read != kMciOk) return read;
    if (!AudioOpen()) return kMciDeviceNotReady;
    int result = kMciOk;
    bool setSource = false;
    {
        std::lock_guard<std::mutex> lock(gLock);
        if (gSeq.open) result = gSeq.alias == alias ? kMciDuplicateAlias : kMciDeviceInUse;
        else if (!EnsureSynth()) result = kMciDeviceNotReady;
    }
    if (result == kMciOk) PrepareInstruments(file);
    if (result == kMciOk) {
        std::lock_guard<std::mutex> lock(gLock);
        gSeq = Sequencer{};
        gSeq.file = std::move(file);
        gSeq.alias = alias;
        if (ResetPlayer()) {
            gSeq.open = true;
            setSource = true;
        } else {
            gSeq = Sequencer{};
            gFault = "the synthesiser's player did not take it";
            result = kMciInvalidFile;
        }
    }
    if (result != kMciOk) AudioClose();
    // The mixer's music stream is the sequencer's again whenever a piece opens.
    if (setSource) SetAudioSource(RenderMusic, nullptr);
    return result;
}

int Close(const std::string& alias) {
    {
        std::lock_guard<std::mutex> lock(gLock);
        if (!gSeq.open || (alias != gSeq.alias && alias != "all")) return alias == "all" ? kMciOk : kMciInvalidDeviceName;
        Halt();
        if (gSeq.player) delete_fluid_player(gSeq.player);
        fluid_synth_system_reset(gSynth);
        gSeq = Sequencer{};
    }
    AudioClose();
    return kMciOk;
}

// Commands for the open device; gLock is held.
int Command(const std::string& verb, const std::vector<std::string>& words, bool notify, std::string* reply) {
    if (words.size() < 2) return kMciMissingParameter;
    if (!gSeq.open || Lower(words[1]) != gSeq.alias) return kMciInvalidDeviceName;
    if (verb == "play") {
        if (words.size() > 2) return kMciBadParameter;
        if (notify) {
            if (gSeq.notifyPending) Notify(MCI_NOTIFY_SUPERSEDED);
            gSeq.notifyPending = true;
        }
        if (gSeq.playing) return kMciOk;
        if (gSeq.atEnd || !gSeq.player) {
            // Nothing left to play: done at once.
            if (gSeq.notifyPending) {
                gSeq.notifyPending = false;
                Notify(MCI_NOTIFY_SUCCESSFUL);
            }
            return kMciOk;
        }
        fluid_player_play(gSeq.player);
        gSeq.playing = true;
        gSeq.tailFrames = 0;
        return kMciOk;
    }
    if (verb == "stop") {
        if (words.size() > 2) return kMciBadParameter;
        Halt();
        return kMciOk;
    }
    if (verb == "seek") {
        if (words.size() != 4 || Lower(words[2]) != "to") return kMciMissingParameter;
        std::string where = Lower(words[3]);
        if (where != "start" && where != "end") return kMciBadParameter;
        Halt();
        if (where == "start") return ResetPlayer() ? kMciOk : kMciInvalidFile;
        gSeq.atEnd = true;
        return kMciOk;
    }
    if (verb == "status") {
        if (words.size() != 3) return kMciMissingParameter;
        std::string item = Lower(words[2]);
        if (item == "mode") *reply = gSeq.playing ? "playing" : "stopped";
        else if (item == "ready") *reply = "true";
        else return kMciBadParameter;
        return kMciOk;
    }
    return kMciUnrecognizedCommand;
}

}  // namespace

std::vector<std::string> MciSoundFontSearch() {
    // SDL_SOUNDFONTS (files or folders, ':' between them) replaces the
    // usual places when it is set.
    std::vector<std::string> places;
    if (const char* list = std::getenv("SDL_SOUNDFONTS"); list && *list) {
        std::string all = list;
        for (size_t start = 0; start <= all.size();) {
            size_t colon = all.find(':', start);
            if (colon == std::string::npos) colon = all.size();
            if (colon > start) places.push_back(all.substr(start, colon - start));
            start = colon + 1;
        }
        return places;
    }
    fluid_settings_t* settings = new_fluid_settings();
    if (settings) {
        char* value = nullptr;
        if (fluid_settings_dupstr(settings, "synth.default-soundfont", &value) == FLUID_OK && value && *value)
            places.push_back(value);
        fluid_free(value);
        delete_fluid_settings(settings);
    }
    for (const char* path : {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"})
        if (std::find(places.begin(), places.end(), path) == places.end()) places.push_back(path);
    return places;
}

std::string MciSoundFontPath() {
    std::vector<std::string> tried;
    return FindSoundFont(&tried);
}

void MciPrepare() {
    std::lock_guard<std::mutex> lock(gLock);
    EnsureSynth();
}

std::string MciFileFault() { return gFault; }

std::vector<std::pair<int, int>> MciPinnedInstruments() {
    std::lock_guard<std::mutex> lock(gLock);
    std::vector<std::pair<int, int>> all;
    for (const Instrument& instrument : gPinned) all.push_back({instrument.bank, instrument.program});
    return all;
}

long MciSoundFontReadsWhileMixing() { return gMixingReads.load(); }

std::pair<int, int> MciChannelInstrument(int channel) {
    std::lock_guard<std::mutex> lock(gLock);
    if (!gSynth || channel < 0 || channel >= kChannels) return {-1, -1};
    const Instrument instrument = ChannelInstrument(gSynth, channel);
    return {instrument.bank, instrument.program};
}

int MciSendString(const std::string& command, std::string* reply) {
    gFault.clear();
    std::string scratch;
    if (!reply) reply = &scratch;
    reply->clear();
    std::vector<std::string> words = Split(command);
    bool notify = TakeFlags(words);
    if (words.empty()) return kMciUnrecognizedCommand;
    std::string verb = Lower(words[0]);
    int result;
    if (verb == "open") {
        result = Open(words);
    } else if (verb == "close") {
        result = words.size() == 2 ? Close(Lower(words[1])) : kMciMissingParameter;
    } else {
        std::lock_guard<std::mutex> lock(gLock);
        result = Command(verb, words, notify, reply);
    }
    if (result != kMciOk) reply->clear();
    if (result == kMciOk && notify && verb != "play") Notify(MCI_NOTIFY_SUCCESSFUL);
    return result;
}

}  // namespace plat
