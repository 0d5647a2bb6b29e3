#include "platform/mci.h"

#include <fluidsynth.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/audio.h"
#include "platform/midi_file.h"
#include "platform/system.h"
#include "platform/window.h"

namespace plat {
namespace {

constexpr intptr_t kSequencerId = 1;          // lParam of the notices
constexpr int kTailFrames = kMixRate / 2;     // rendered after the music stops: release and reverb
constexpr long kMaxMidiFileBytes = 16L * 1024 * 1024;

// Everything below is guarded by gLock, which the mixing thread takes too.
// Never call AudioOpen or AudioClose while holding it: closing the device
// waits for the mixing thread, which may be waiting for gLock.
std::mutex gLock;
fluid_settings_t* gSettings = nullptr;
fluid_synth_t* gSynth = nullptr;
bool gSynthTried = false;

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
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (errno == ENOENT) return kMciFileNotFound;
        gFault = std::strerror(errno);
        return kMciInvalidFile;
    }
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

bool Readable(const std::string& path) { return !path.empty() && access(path.c_str(), R_OK) == 0; }

bool IsFolder(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void Notify(uint32_t flag) { PostMessage(MM_MCINOTIFY, flag, kSequencerId); }

constexpr double kMusicGain = 0.8;

// Creates the synthesiser and loads the soundfont once. Needs gLock.
bool EnsureSynth() {
    if (gSynth) return true;
    if (gSynthTried) return false;
    gSynthTried = true;
    for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
    gSettings = new_fluid_settings();
    if (!gSettings) return false;
    fluid_settings_setnum(gSettings, "synth.sample-rate", kMixRate);
    fluid_settings_setstr(gSettings, "player.timing-source", "sample");
    // The synthesiser's own default (0.2) leaves General MIDI music far
    // under the sound effects; this brings a full arrangement to about
    // -19 dBFS RMS with its peaks still clear of the top.
    fluid_settings_setnum(gSettings, "synth.gain", kMusicGain);
    gSynth = new_fluid_synth(gSettings);
    if (!gSynth) return false;
    std::string font = MciSoundFontPath();
    if (!font.empty()) {
        fluid_synth_sfload(gSynth, font.c_str(), 1);
    } else {
        std::string looked;
        for (const std::string& place : MciSoundFontSearch()) looked += (looked.empty() ? "" : ", ") + place;
        std::fprintf(stderr, "music is off: no General MIDI soundfont found (looked for %s)\n", looked.c_str());
    }
    return true;
}

// A fresh player at the piece's start. Needs gLock.
bool ResetPlayer() {
    if (gSeq.player) delete_fluid_player(gSeq.player);
    gSeq.player = new_fluid_player(gSynth);
    if (!gSeq.player) return false;
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
        if (gSeq.open) {
            result = gSeq.alias == alias ? kMciDuplicateAlias : kMciDeviceInUse;
        } else if (!EnsureSynth()) {
            result = kMciDeviceNotReady;
        } else {
            gSeq = Sequencer{};
            gSeq.file = std::move(file);
            gSeq.alias = alias;
            if (ResetPlayer()) {
                gSeq.open = true;
                fluid_synth_system_reset(gSynth);
                setSource = true;
            } else {
                gSeq = Sequencer{};
                gFault = "the synthesiser's player did not take it";
                result = kMciInvalidFile;
            }
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
    for (const std::string& place : MciSoundFontSearch()) {
        if (Readable(place) && !IsFolder(place)) return place;
        if (IsFolder(place))
            for (const std::string& file : FindFiles(place, ".sf2"))
                if (Readable(place + "/" + file)) return place + "/" + file;
    }
    return "";
}

void MciPrepare() {
    std::lock_guard<std::mutex> lock(gLock);
    EnsureSynth();
}

std::string MciFileFault() { return gFault; }

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
