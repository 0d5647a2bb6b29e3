// The stage music: General MIDI loops composed from chord progressions and
// seeded motifs. Each piece ends exactly on its last bar.
#include <algorithm>
#include <array>

#include "tools/assetgen/assets.h"

namespace ag {
namespace {

constexpr int kPpq = 480;
constexpr int kStep = kPpq / 4;  // a sixteenth
constexpr int kBar = kPpq * 4;

using Mode = std::array<int, 7>;
const Mode kIonian{0, 2, 4, 5, 7, 9, 11};
const Mode kDorian{0, 2, 3, 5, 7, 9, 10};
const Mode kPhrygian{0, 1, 3, 5, 7, 8, 10};
const Mode kMixolydian{0, 2, 4, 5, 7, 9, 10};
const Mode kAeolian{0, 2, 3, 5, 7, 8, 10};
const Mode kHarmonic{0, 2, 3, 5, 7, 8, 11};

enum Drums { kCalm, kRock, kDriving, kBreak, kIntense, kHalf };
enum BassStyle { kLong, kQuarters, kPump, kOctaves, kSyncopated };

struct Song {
    const char* name;
    int bpm;
    int root;  // MIDI note of the tonic in the bass octave
    Mode mode;
    std::vector<int> progA, progB;  // chord scale degrees, one per bar
    const char* form;               // I: 4-bar intro, A/B: 8-bar sections
    int lead, counter, pad, bass;   // General MIDI programs (0-based)
    Drums drums;
    BassStyle bassStyle;
    int arp;                        // 0 none, 1 eighths, 2 sixteenths
    float energy;                   // 0..1
    int backing;                    // channel volume of the backing parts, percent
    int level;                      // channel volume of every part, percent
};

const Song kSongs[] = {
    {"QTW1", 136, 40, kAeolian, {0, 5, 2, 6, 0, 5, 3, 4}, {3, 3, 0, 0, 5, 6, 4, 4}, "IAABABA", 81, 80, 89, 38, kRock,
     kQuarters, 1, 0.45f, 100, 73},
    {"QTW2", 144, 43, kMixolydian, {0, 6, 3, 0, 0, 6, 3, 4}, {3, 4, 5, 6, 3, 4, 6, 6}, "IAABABA", 62, 80, 48, 33,
     kDriving, kPump, 1, 0.55f, 90, 85},
    {"QTW3", 150, 36, kHarmonic, {0, 0, 5, 4, 0, 3, 5, 4}, {3, 4, 0, 5, 3, 5, 4, 4}, "IAABABAB", 30, 81, 50, 38,
     kBreak, kSyncopated, 2, 0.7f, 95, 80},
    {"QTW4", 156, 42, kDorian, {0, 3, 0, 3, 6, 5, 6, 4}, {5, 6, 0, 0, 5, 3, 4, 4}, "IAABABAB", 81, 84, 50, 38,
     kDriving, kOctaves, 2, 0.82f, 100, 66},
    {"QTW5", 166, 35, kPhrygian, {0, 1, 0, 1, 6, 5, 1, 0}, {5, 6, 0, 0, 5, 6, 1, 1}, "IAABABABA", 29, 61, 48, 38,
     kIntense, kOctaves, 2, 1.f, 70, 99},
    {"QTWEND", 88, 38, kIonian, {0, 4, 5, 3, 0, 4, 3, 4}, {3, 4, 2, 5, 1, 4, 0, 0}, "IAABA", 73, 11, 48, 35, kCalm,
     kLong, 1, 0.2f, 95, 96},
    {"HMDW3", 112, 38, kDorian, {0, 3, 0, 3, 6, 6, 0, 0}, {5, 6, 3, 4, 5, 6, 4, 4}, "IAABA", 88, 98, 91, 38, kHalf,
     kSyncopated, 1, 0.4f, 100, 77},
    {"KV5", 152, 45, kHarmonic, {0, 5, 3, 4, 0, 5, 1, 4}, {3, 4, 5, 4, 3, 1, 4, 4}, "IAABAB", 81, 80, 50, 38, kDriving,
     kPump, 2, 0.75f, 100, 68},
};

struct Event {
    int tick;
    int order;  // note-offs first at the same tick
    std::vector<uint8_t> bytes;
};

struct Track {
    std::vector<Event> ev;
    void add(int tick, std::vector<uint8_t> b, int order = 1) { ev.push_back({tick, order, std::move(b)}); }
    void note(int ch, int tick, int len, int key, int vel) {
        key = std::clamp(key, 0, 127);
        vel = std::clamp(vel, 1, 127);
        add(tick, {uint8_t(0x90 | ch), uint8_t(key), uint8_t(vel)}, 1);
        add(tick + len, {uint8_t(0x80 | ch), uint8_t(key), 0}, 0);
    }
};

int Pitch(const Song& s, int degree, int octave) {
    int o = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
    int d = degree - o * 7;
    return s.root + 12 * (octave + o) + s.mode[size_t(d)];
}

bool IsChordTone(int degree, int chord) {
    int d = ((degree - chord) % 7 + 7) % 7;
    return d == 0 || d == 2 || d == 4;
}

int NearestChordTone(int degree, int chord) {
    for (int k = 0; k < 4; ++k) {
        if (IsChordTone(degree - k, chord)) return degree - k;
        if (IsChordTone(degree + k, chord)) return degree + k;
    }
    return degree;
}

struct Note {
    int start, len, degree;  // start and len in sixteenths inside a 2-bar unit
};
using Motif = std::vector<Note>;

// A two-bar rhythm with a melodic contour; strong beats land on chord tones.
Motif MakeMotif(Rng& rng, float energy, int base) {
    Motif m;
    int pos = 0, deg = base;
    while (pos < 32) {
        int len;
        float r = rng.uni();
        if (energy > 0.6f)
            len = r < 0.45f ? 2 : r < 0.75f ? 1 : r < 0.92f ? 4 : 6;
        else if (energy > 0.35f)
            len = r < 0.5f ? 2 : r < 0.8f ? 4 : 6;
        else
            len = r < 0.35f ? 2 : r < 0.7f ? 4 : r < 0.9f ? 6 : 8;
        if (len == 1 && pos % 2 == 0 && pos + 2 <= 32) {  // sixteenths come in pairs
            m.push_back({pos, 1, deg});
            deg += rng.chance(0.5f) ? 1 : -1;
            m.push_back({pos + 1, 1, deg});
            pos += 2;
            continue;
        }
        if (len == 1) len = 2;
        len = std::min(len, 32 - pos);
        if (pos > 0 && rng.chance(0.12f)) {  // a breath
            pos += 2;
            continue;
        }
        float step = rng.uni();
        int mv = step < 0.55f ? (rng.chance(0.5f) ? 1 : -1) : step < 0.85f ? rng.irange(2, 4) * (rng.chance(0.5f) ? 1 : -1) : 0;
        deg = std::clamp(deg + mv, base - 4, base + 7);
        m.push_back({pos, len, deg});
        pos += len;
    }
    return m;
}

// Plays a motif over two bars of chords, bending it onto their chord tones.
void PlayMotif(Track& t, const Song& s, const Motif& m, int bar0, const std::vector<int>& prog, int shift, int vel,
               bool cadence, int ch) {
    for (size_t i = 0; i < m.size(); ++i) {
        Note n = m[i];
        int chord = prog[size_t(n.start / 16)];
        int deg = n.degree + shift;
        if (n.start % 8 == 0 || n.len >= 4) deg = NearestChordTone(deg, chord);
        int len = n.len;
        if (cadence && i + 1 == m.size()) {
            deg = NearestChordTone(deg, chord);
            len = 32 - n.start;  // hold to the end of the phrase
        }
        int tick = bar0 * kBar + n.start * kStep;
        int accent = n.start % 4 == 0 ? 8 : 0;
        t.note(ch, tick, len * kStep - kStep / 4, Pitch(s, deg, 2), vel + accent);
    }
}

void Drum(Track& t, int tick, int key, int vel) { t.note(9, tick, kStep / 2, key, vel); }

void DrumBar(Track& t, const Song& s, int bar, bool fill, bool crash, Rng& rng) {
    int b = bar * kBar;
    int v = 70 + int(s.energy * 40);
    enum { Kick = 36, Snare = 38, Rim = 37, Hat = 42, Open = 46, Ride = 51, Crash = 49, TomL = 45, TomM = 47, TomH = 50 };
    if (crash) Drum(t, b, Crash, v + 10);
    int end = fill ? 8 : 16;
    for (int st = 0; st < end; ++st) {
        int tk = b + st * kStep;
        switch (s.drums) {
            case kCalm:
                if (st == 0) Drum(t, tk, Kick, v - 10);
                if (st == 10) Drum(t, tk, Kick, v - 25);
                if (st == 4 || st == 12) Drum(t, tk, Rim, v - 20);
                if (st % 2 == 0) Drum(t, tk, Ride, v - 30 + (st % 4 == 0 ? 8 : 0));
                break;
            case kRock:
                if (st == 0 || st == 8 || st == 10) Drum(t, tk, Kick, v);
                if (st == 4 || st == 12) Drum(t, tk, Snare, v + 5);
                if (st % 2 == 0) Drum(t, tk, st == 14 ? Open : Hat, v - 20 + (st % 4 == 0 ? 10 : 0));
                break;
            case kDriving:
                if (st == 0 || st == 6 || st == 8 || st == 11) Drum(t, tk, Kick, v);
                if (st == 4 || st == 12) Drum(t, tk, Snare, v + 5);
                Drum(t, tk, Hat, v - 30 + (st % 4 == 0 ? 14 : st % 2 == 0 ? 6 : 0));
                break;
            case kBreak:
                if (st == 0 || st == 3 || st == 10) Drum(t, tk, Kick, v);
                if (st == 4 || st == 12) Drum(t, tk, Snare, v + 5);
                if (st == 7 || st == 15) Drum(t, tk, Snare, v - 35);
                Drum(t, tk, st == 6 ? Open : Hat, v - 28 + (st % 2 == 0 ? 10 : 0));
                break;
            case kIntense:
                if (st % 2 == 0 || (bar % 2 == 1 && st > 12)) Drum(t, tk, Kick, v - 5);
                if (st == 4 || st == 12) Drum(t, tk, Snare, v + 8);
                if (st % 2 == 0) Drum(t, tk, st % 8 == 0 ? Crash : Ride, v - (st % 8 == 0 ? 25 : 20));
                break;
            case kHalf:
                if (st == 0 || st == 10) Drum(t, tk, Kick, v);
                if (st == 8) Drum(t, tk, Snare, v);
                if (st % 2 == 0) Drum(t, tk, Hat, v - 30);
                if (st == 14) Drum(t, tk, TomL, v - 25);
                break;
        }
    }
    if (fill) {  // toms and snare running down into the next bar
        const int toms[] = {Snare, Snare, TomH, TomH, TomM, TomM, TomL, TomL};
        for (int st = 8; st < 16; ++st) {
            int key = (s.drums == kCalm) ? (st % 2 ? Rim : TomL) : toms[st - 8];
            if (s.drums == kCalm && st % 2) continue;
            Drum(t, b + st * kStep, key, v - 20 + (st - 8) * 4 + rng.irange(-4, 4));
        }
        Drum(t, b + 8 * kStep, Kick, v);
    }
}

void BassBar(Track& t, const Song& s, int bar, int chord, int nextChord) {
    int b = bar * kBar, v = 80 + int(s.energy * 30), ch = 3;
    int root = Pitch(s, chord, 0), fifth = Pitch(s, chord + 4, 0);
    if (root - s.root > 7) {
        root -= 12;
        fifth -= 12;
    }
    switch (s.bassStyle) {
        case kLong:
            t.note(ch, b, kPpq * 2 - 20, root, v);
            t.note(ch, b + kPpq * 2, kPpq * 2 - 20, chord == nextChord ? fifth : root, v - 10);
            break;
        case kQuarters:
            for (int q = 0; q < 4; ++q) t.note(ch, b + q * kPpq, kPpq - 40, q == 2 ? root + 12 : q == 3 ? fifth : root, v - (q % 2) * 8);
            break;
        case kPump:
            for (int e = 0; e < 8; ++e) t.note(ch, b + e * kStep * 2, kStep * 2 - 30, e == 7 ? fifth : root, v - (e % 2) * 12);
            break;
        case kOctaves:
            for (int e = 0; e < 8; ++e) t.note(ch, b + e * kStep * 2, kStep * 2 - 30, e % 2 ? root + 12 : root, v - (e % 2) * 6);
            break;
        case kSyncopated: {
            const int at[] = {0, 3, 6, 8, 11, 14}, len[] = {3, 3, 2, 3, 3, 2};
            for (int k = 0; k < 6; ++k)
                t.note(ch, b + at[k] * kStep, len[k] * kStep - 30, k == 2 ? fifth : k == 4 ? root + 12 : root, v - (k % 2) * 8);
            break;
        }
    }
}

void PadBar(Track& t, const Song& s, int bar, int chord, int vel) {
    int b = bar * kBar;
    for (int k = 0; k < 3; ++k) t.note(2, b, kBar - 10, Pitch(s, chord + 2 * k, 1), vel);
}

void ArpBar(Track& t, const Song& s, int bar, int chord, int vel) {
    int b = bar * kBar;
    int steps = s.arp == 2 ? 16 : 8, len = kBar / steps;
    const int shape[] = {0, 2, 4, 7, 4, 2, 0, 2, 4, 7, 9, 7, 4, 2, 4, 7};
    for (int i = 0; i < steps; ++i) t.note(1, b + i * len, len - 20, Pitch(s, chord + shape[i % 16], 2), vel - (i % 2) * 10);
}

void Put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 3; i >= 0; --i) v.push_back(uint8_t(x >> (8 * i)));
}

void PutVarLen(std::vector<uint8_t>& v, uint32_t x) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = x & 0x7f;
    while (x >>= 7) buf[n++] = uint8_t((x & 0x7f) | 0x80);
    while (n) v.push_back(buf[--n]);
}

std::vector<uint8_t> TrackChunk(Track& t, int endTick) {
    std::stable_sort(t.ev.begin(), t.ev.end(),
                     [](const Event& a, const Event& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
    std::vector<uint8_t> body;
    int last = 0;
    for (const Event& e : t.ev) {
        int tick = std::min(e.tick, endTick);
        PutVarLen(body, uint32_t(tick - last));
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        last = tick;
    }
    PutVarLen(body, uint32_t(endTick - last));
    body.insert(body.end(), {0xff, 0x2f, 0x00});
    std::vector<uint8_t> out{'M', 'T', 'r', 'k'};
    Put32(out, uint32_t(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

void Setup(Track& t, int ch, int program, int volume, int pan, int reverb) {
    t.add(0, {uint8_t(0xb0 | ch), 7, uint8_t(volume)}, 0);
    t.add(0, {uint8_t(0xb0 | ch), 10, uint8_t(pan)}, 0);
    t.add(0, {uint8_t(0xb0 | ch), 91, uint8_t(reverb)}, 0);
    if (ch != 9) t.add(0, {uint8_t(0xc0 | ch), uint8_t(program)}, 0);
}

std::vector<uint8_t> Compose(const Song& s) {
    Rng rng(std::string(s.name), 1999);
    Track conductor, lead, counter, pad, bass, drums;
    uint32_t tempo = uint32_t(60000000 / s.bpm);
    std::string title = std::string("Vornquist ") + s.name;
    std::vector<uint8_t> name{0xff, 0x03, uint8_t(title.size())};
    name.insert(name.end(), title.begin(), title.end());
    conductor.add(0, name, 0);
    conductor.add(0, {0xff, 0x58, 0x04, 4, 2, 24, 8}, 0);
    conductor.add(0, {0xff, 0x51, 0x03, uint8_t(tempo >> 16), uint8_t(tempo >> 8), uint8_t(tempo)}, 0);
    // The melody leads, the arpeggio is heard above the pad, the rhythm
    // section sits under both.
    Setup(lead, 0, s.lead, 127 * s.level / 100, 60, 40);
    auto backing = [&](int volume) { return volume * s.backing * s.level / 10000; };
    Setup(counter, 1, s.counter, backing(112), 84, 50);
    Setup(pad, 2, s.pad, backing(64), 40, 70);
    Setup(bass, 3, s.bass, backing(100), 64, 20);
    Setup(drums, 9, 0, backing(96), 64, 30);

    // Themes: A low and stepwise, B higher.
    Motif a1 = MakeMotif(rng, s.energy, 0), a2 = MakeMotif(rng, s.energy, 2);
    Motif b1 = MakeMotif(rng, std::min(1.f, s.energy + 0.15f), 4), b2 = MakeMotif(rng, s.energy, 3);
    int bar = 0, sectionIndex = 0;
    for (const char* f = s.form; *f; ++f, ++sectionIndex) {
        char sec = *f;
        int bars = sec == 'I' ? 4 : 8;
        const std::vector<int>& prog = sec == 'B' ? s.progB : s.progA;
        for (int k = 0; k < bars; ++k) {
            int chord = prog[size_t(k)], next = prog[size_t((k + 1) % bars)];
            bool fill = k == bars - 1;
            DrumBar(drums, s, bar + k, fill, k == 0, rng);
            BassBar(bass, s, bar + k, chord, next);
            PadBar(pad, s, bar + k, chord, 44 + int(s.energy * 16));
            if (sec != 'I' && s.arp && (sec == 'B' || sectionIndex > 2)) ArpBar(counter, s, bar + k, chord, 96 + int(s.energy * 20));
        }
        if (sec != 'I') {
            int vel = 104 + int(s.energy * 15);
            auto unit = [&](const Motif& m, int at, int shift, bool cad) {
                PlayMotif(lead, s, m, bar + at, {prog[size_t(at)], prog[size_t(at + 1)]}, shift, vel, cad, 0);
            };
            if (sec == 'A') {
                unit(a1, 0, 0, false);
                unit(a1, 2, sectionIndex % 2 ? 1 : -1, false);
                unit(a2, 4, 0, false);
                unit(a1, 6, 0, true);
            } else {
                unit(b1, 0, 0, false);
                unit(b2, 2, 0, false);
                unit(b1, 4, 2, false);
                unit(b2, 6, 0, true);
            }
        }
        bar += bars;
    }
    int endTick = bar * kBar;
    // Silence every voice on the last bar line: no release tail to wait out.
    for (auto [t, ch] : {std::pair{&lead, 0}, {&counter, 1}, {&pad, 2}, {&bass, 3}, {&drums, 9}})
        t->add(endTick, {uint8_t(0xb0 | ch), 120, 0}, 2);
    std::vector<uint8_t> out{'M', 'T', 'h', 'd'};
    Put32(out, 6);
    out.insert(out.end(), {0, 1, 0, 6, uint8_t(kPpq >> 8), uint8_t(kPpq & 0xff)});
    for (Track* t : {&conductor, &lead, &counter, &pad, &bass, &drums}) {
        std::vector<uint8_t> chunk = TrackChunk(*t, endTick);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

}  // namespace

std::vector<uint8_t> MakeMusic(const std::string& name) {
    for (const Song& s : kSongs)
        if (name == s.name) return Compose(s);
    return {};
}

}  // namespace ag
