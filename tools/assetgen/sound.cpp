// The two sound effects, synthesised: 22050 Hz, mono, 16-bit PCM.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/assets.h"

namespace ag {
namespace {

constexpr int kRate = 22050;

void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xffff);
    Put16(v, x >> 16);
}
void Tag(std::vector<uint8_t>& v, const char* t) {
    while (*t) v.push_back(uint8_t(*t++));
}

// Canonical 44-byte header, then the samples.
std::vector<uint8_t> Wave(const std::vector<float>& s) {
    std::vector<uint8_t> v;
    v.reserve(44 + s.size() * 2);
    uint32_t bytes = uint32_t(s.size() * 2);
    Tag(v, "RIFF");
    Put32(v, 36 + bytes);
    Tag(v, "WAVEfmt ");
    Put32(v, 16);
    Put16(v, 1);
    Put16(v, 1);
    Put32(v, kRate);
    Put32(v, kRate * 2);
    Put16(v, 2);
    Put16(v, 16);
    Tag(v, "data");
    Put32(v, bytes);
    for (float x : s) {
        long q = std::lround(std::clamp(x, -1.f, 1.f) * 32767.f);
        Put16(v, uint32_t(uint16_t(int16_t(q))));
    }
    return v;
}

void Normalise(std::vector<float>& s, float peak) {
    float m = 0;
    for (float x : s) m = std::max(m, std::fabs(x));
    if (m > 0)
        for (float& x : s) x *= peak / m;
}

}  // namespace

// A bright falling blip, 50 ms.
std::vector<uint8_t> MakeShotWave() {
    const int n = kRate * 50 / 1000;
    std::vector<float> s(static_cast<size_t>(n));
    Rng rng(std::string("SHOT"));
    double phase = 0;
    float lp = 0;
    for (int i = 0; i < n; ++i) {
        float t = float(i) / kRate;
        float f = 2400.f * std::pow(0.3f, t / 0.05f);
        phase += f / kRate;
        // A 30 % pulse whose two levels average to zero: no offset to click.
        float pulse = std::fmod(phase, 1.0) < 0.3 ? 1.4f : -0.6f;
        float noise = rng.range(-1.f, 1.f) * std::exp(-t / 0.004f);
        float x = pulse * 0.8f + noise * 0.5f;
        lp += (x - lp) * 0.45f;
        float env = std::min(1.f, t / 0.0015f) * std::exp(-t / 0.018f);
        float tail = std::min(1.f, (n - 1 - i) / (kRate * 0.004f));
        s[size_t(i)] = lp * env * tail;
    }
    // What offset the envelope still leaves is taken out as a whole.
    double mean = 0;
    for (float x : s) mean += x;
    mean /= n;
    for (int i = 0; i < n; ++i) {
        const float edge = std::min({1.f, i / (kRate * 0.002f), (n - 1 - i) / (kRate * 0.002f)});
        s[size_t(i)] -= float(mean) * edge;
    }
    Normalise(s, 0.5f);  // about -6 dBFS
    return Wave(s);
}

// An explosion: a noise crack falling into a rumble, 0.8 s, loudest at once.
std::vector<uint8_t> MakeBoomWave() {
    const int n = kRate * 800 / 1000;
    std::vector<float> s(static_cast<size_t>(n));
    Rng rng(std::string("BOM"));
    float lp1 = 0, lp2 = 0;
    double thump = 0;
    for (int i = 0; i < n; ++i) {
        float t = float(i) / kRate;
        float white = rng.range(-1.f, 1.f);
        float cut = 0.08f + 0.75f * std::exp(-t / 0.05f);  // the filter closes as it dies
        lp1 += (white - lp1) * cut;
        lp2 += (lp1 - lp2) * cut;
        thump += (95.0 * std::exp(-t / 0.25f) + 35.0) / kRate;
        float body = float(std::sin(2 * 3.14159265358979 * thump)) * std::exp(-t / 0.12f);
        float env = std::exp(-t / 0.16f);
        float tail = std::min(1.f, (n - 1 - i) / (kRate * 0.06f));
        s[size_t(i)] = (lp2 * 2.2f * env + body * 0.55f) * tail;
    }
    // The first 16 ms carry it when restarted every frame: nothing later may be louder.
    const size_t head = kRate * 16 / 1000;
    float first = 0;
    for (size_t i = 0; i < head; ++i) first = std::max(first, std::fabs(s[i]));
    for (size_t i = head; i < s.size(); ++i) s[i] = std::clamp(s[i], -first * 0.97f, first * 0.97f);
    Normalise(s, 0.708f);  // -3 dBFS
    return Wave(s);
}

}  // namespace ag
