#include "platform/midi_file.h"

#include <cstring>

namespace plat {
namespace {

uint32_t Be32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
unsigned Be16(const uint8_t* p) { return (unsigned(p[0]) << 8) | p[1]; }

std::string Num(uint64_t n) { return std::to_string(n); }

// One track chunk's events, bytes [pos, end) of the file, each channel
// event and system-exclusive message given to `visit` as it is read. Faults
// name the byte at which the event concerned (its delta time) begins.
class Track {
public:
    Track(const uint8_t* file, size_t pos, size_t end, unsigned number, MidiEvent visit, void* context)
        : p_(file), pos_(pos), end_(end), name_("track " + Num(number)), visit_(visit), context_(context) {}

    std::string Fault() {
        uint8_t running = 0;  // the running status; 0 after meta and system-exclusive events
        uint64_t ticks = 0;   // the player counts them in a signed 32-bit number
        while (pos_ < end_) {
            at_ = pos_;
            uint32_t delta;
            if (!VarLen(&delta) || !Left(1)) return fault_;
            if ((ticks += delta) > 0x7FFFFFFF) return name_ + " runs past 2^31 ticks at byte " + Num(at_);
            uint8_t status = p_[pos_];
            if (status & 0x80) ++pos_;
            else if (running) status = running;  // the byte is the event's first data byte
            else return name_ + " has an event without a status byte at byte " + Num(at_);
            if (status == 0xFF) {
                running = 0;
                if (!Left(1)) return fault_;
                const uint8_t kind = p_[pos_++];
                uint32_t length;
                if (!Body(&length, "a meta event")) return fault_;
                const int wanted = MetaLength(kind);
                if (wanted >= 0 && length != static_cast<uint32_t>(wanted))
                    return name_ + " has a meta event of kind " + Num(kind) + " and " + Num(length) + " bytes at byte " +
                           Num(at_) + ", not " + Num(static_cast<unsigned>(wanted));
                if (kind == 0x2F) return "";  // the end of the track: what follows is not read
            } else if (status == 0xF0) {
                running = 0;
                uint32_t length;
                if (!Body(&length, "a system-exclusive event")) return fault_;
                if (visit_) visit_(context_, status, p_ + pos_ - length);
            } else if (status > 0xF0) {
                return name_ + " has a system message " + Num(status) + " at byte " + Num(at_) +
                       ", which the player does not take";
            } else {
                running = status;
                if (!Left((status & 0xE0) == 0xC0 ? 1 : 2)) return fault_;  // program and channel pressure: one
                if (visit_) visit_(context_, status, p_ + pos_);
                pos_ += (status & 0xE0) == 0xC0 ? 1 : 2;
            }
        }
        return "";
    }

private:
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
    std::string name_, fault_;
    MidiEvent visit_;
    void* context_;
};

}  // namespace

namespace {

std::string Walk(const uint8_t* p, size_t size, std::vector<char>* playable, MidiEvent visit, void* context) {
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
            std::string fault = Track(p, pos + 8, pos + 8 + length, ++found, visit, context).Fault();
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
    return Walk(p, size, playable, nullptr, nullptr);
}

void ForEachMidiEvent(const uint8_t* p, size_t size, MidiEvent visit, void* context) {
    if (Walk(p, size, nullptr, nullptr, nullptr).empty()) Walk(p, size, nullptr, visit, context);
}

}  // namespace plat
