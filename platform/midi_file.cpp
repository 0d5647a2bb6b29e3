#include "platform/midi_file.h"

#include <cstring>
#include <utility>

namespace plat {
namespace {

uint32_t Be32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
unsigned Be16(const uint8_t* p) { return (unsigned(p[0]) << 8) | p[1]; }

std::string Num(uint64_t n) { return std::to_string(n); }

// One track chunk's events, bytes [pos, end) of the file, read one channel
// event at a time. Faults name the byte at which the event concerned (its
// delta time) begins.
class Track {
public:
    Track(const uint8_t* file, size_t pos, size_t end, unsigned number)
        : p_(file), pos_(pos), end_(end), number_(number), name_("track " + Num(number)) {}

    enum Read { kEvent, kEnd, kFault };
    // Reads on to the next channel event or system-exclusive message (then
    // Tick, Status and Data tell it), to the track's end, or to a fault
    // (then Fault tells it).
    Read Next() {
        while (pos_ < end_) {
            at_ = pos_;
            uint32_t delta;
            if (!VarLen(&delta) || !Left(1)) return kFault;
            if ((ticks_ += delta) > 0x7FFFFFFF) return Fail(name_ + " runs past 2^31 ticks at byte " + Num(at_));
            uint8_t status = p_[pos_];
            if (status & 0x80) ++pos_;
            else if (running_) status = running_;  // the byte is the event's first data byte
            else return Fail(name_ + " has an event without a status byte at byte " + Num(at_));
            if (status == 0xFF) {
                running_ = 0;
                if (!Left(1)) return kFault;
                const uint8_t kind = p_[pos_++];
                uint32_t length;
                if (!Body(&length, "a meta event")) return kFault;
                const int wanted = MetaLength(kind);
                if (wanted >= 0 && length != static_cast<uint32_t>(wanted))
                    return Fail(name_ + " has a meta event of kind " + Num(kind) + " and " + Num(length) +
                                " bytes at byte " + Num(at_) + ", not " + Num(static_cast<unsigned>(wanted)));
                if (kind == 0x2F) {  // the end of the track: what follows is not read
                    pos_ = end_;
                    return kEnd;
                }
            } else if (status == 0xF0) {
                running_ = 0;
                uint32_t length;
                if (!Body(&length, "a system-exclusive event")) return kFault;
                status_ = status;
                data_ = p_ + pos_ - length;
                return kEvent;
            } else if (status > 0xF0) {
                return Fail(name_ + " has a system message " + Num(status) + " at byte " + Num(at_) +
                            ", which the player does not take");
            } else {
                running_ = status;
                const size_t length = (status & 0xE0) == 0xC0 ? 1 : 2;  // program and channel pressure: one
                if (!Left(length)) return kFault;
                status_ = status;
                data_ = p_ + pos_;
                pos_ += length;
                return kEvent;
            }
        }
        return kEnd;
    }
    // "" when the rest of the track reads without a fault; else the fault.
    std::string Fault() {
        Read read;
        while ((read = Next()) == kEvent) {}
        return read == kFault ? fault_ : "";
    }
    unsigned Number() const { return number_; }
    uint64_t Tick() const { return ticks_; }
    uint8_t Status() const { return status_; }
    const uint8_t* Data() const { return data_; }

private:
    Read Fail(std::string fault) {
        fault_ = std::move(fault);
        return kFault;
    }
    // Whether n more bytes of the event are in the track.
    bool Left(size_t n) {
        if (n <= end_ - pos_) return true;
        fault_ = name_ + " ends inside the event at byte " + Num(at_);
        return false;
    }
    // A variable-length number of at most four bytes.
    bool VarLen(uint32_t* value) {
        *value = 0;
        for (int i = 0; i < 4; ++i) {
            if (!Left(1)) return false;
            const uint8_t b = p_[pos_++];
            *value = (*value << 7) | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        fault_ = name_ + " has a variable-length number of more than 4 bytes in the event at byte " + Num(at_);
        return false;
    }
    // The length of an event's body, and the body skipped: it must end
    // inside the track.
    bool Body(uint32_t* length, const char* what) {
        if (!VarLen(length)) return false;
        if (*length > end_ - pos_) {
            fault_ = name_ + " has " + what + " at byte " + Num(at_) + " claiming " + Num(*length) + " bytes, " +
                     Num(end_ - pos_) + " are left in the track";
            return false;
        }
        pos_ += *length;
        return true;
    }
    // The length the player insists on for a meta event's kind, or -1.
    static int MetaLength(uint8_t kind) {
        switch (kind) {
        case 0x2F: return 0;  // end of track
        case 0x51: return 3;  // tempo
        case 0x54: return 5;  // SMPTE offset
        case 0x58: return 4;  // time signature
        case 0x59: return 2;  // key signature
        default: return -1;
        }
    }

    const uint8_t* p_;
    size_t pos_, end_, at_ = 0;
    unsigned number_;
    std::string name_, fault_;
    uint8_t running_ = 0;  // the running status; 0 after meta and system-exclusive events
    uint64_t ticks_ = 0;   // the player counts them in a signed 32-bit number
    uint8_t status_ = 0;   // of the event read last, with its data bytes
    const uint8_t* data_ = nullptr;
};

}  // namespace

namespace {

// Checks the file; gives the playable bytes to *playable and each track, unread,
// to *chunks.
std::string Walk(const uint8_t* p, size_t size, std::vector<char>* playable, std::vector<Track>* chunks) {
    if (size == 0) return "the file is empty";
    if (size < 4 || std::memcmp(p, "MThd", 4) != 0) return "not a MIDI file (it does not begin with \"MThd\")";
    if (size < 14) return "the file ends inside its header, after " + Num(size) + " bytes";
    const uint32_t headerLength = Be32(p + 4);
    if (headerLength != 6) return "a header of " + Num(headerLength) + " bytes, not 6";
    const unsigned format = Be16(p + 8), tracks = Be16(p + 10), division = Be16(p + 12);
    if (format > 2) return "format " + Num(format) + ", not 0, 1 or 2";
    if (tracks == 0) return "the header announces no tracks";
    if (tracks > kMidiMaxTracks)
        return "the header announces " + Num(tracks) + " tracks, more than the " + Num(kMidiMaxTracks) +
               " the player takes";
    if (division & 0x8000) return "time counted in SMPTE frames, which the player does not take";
    if (division == 0) return "a time division of 0 ticks per beat";
    std::vector<char> kept(p, p + 14);
    size_t pos = 14;
    for (unsigned found = 0; found < tracks;) {
        if (pos >= size)
            return "the header announces " + Num(tracks) + " tracks, the file holds " + Num(found);
        if (size - pos < 8) return "the file ends inside the chunk header at byte " + Num(pos);
        for (int i = 0; i < 4; ++i)
            if (p[pos + i] & 0x80) return "the chunk at byte " + Num(pos) + " has no name";
        const bool isTrack = std::memcmp(p + pos, "MTrk", 4) == 0;
        const std::string chunk = isTrack ? "track " + Num(found + 1) : "the chunk";
        const uint64_t length = Be32(p + pos + 4);
        if (length > size - pos - 8)
            return chunk + " at byte " + Num(pos) + " claims " + Num(length) + " bytes, " + Num(size - pos - 8) +
                   " are left in the file";
        if (isTrack) {
            Track track(p, pos + 8, pos + 8 + length, ++found);
            if (chunks) chunks->push_back(track);
            std::string fault = track.Fault();
            if (!fault.empty()) return fault;
            if (playable) kept.insert(kept.end(), p + pos, p + pos + 8 + length);
        }
        pos += 8 + length;
    }
    if (playable) *playable = std::move(kept);
    return "";
}

}  // namespace

std::string MidiFileFault(const uint8_t* p, size_t size, std::vector<char>* playable) {
    return Walk(p, size, playable, nullptr);
}

void ForEachMidiEvent(const uint8_t* p, size_t size, MidiEvent visit, void* context) {
    std::vector<Track> tracks;
    if (!Walk(p, size, nullptr, &tracks).empty()) return;
    for (Track& track : tracks)
        while (track.Next() == Track::kEvent)
            visit(context, track.Number(), track.Tick(), track.Status(), track.Data());
}

}  // namespace plat
