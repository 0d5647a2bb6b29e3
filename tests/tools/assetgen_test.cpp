// The data files the build writes beside the game: every file the game opens
// is there under the exact name it opens, large enough for every cell the game
// reads, a valid file of its kind, and the same bytes on every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "framework/draw/draw.h"
#include "framework/draw/object.h"
#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "platform/audio.h"
#include "platform/mci.h"
#include "platform/surface.h"
#include "platform/system.h"
#include "platform/wave.h"
#include "tests/support/run.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

// The files the game opens: path, minimum size, cell layout (count, cell size,
// cells per row), whether the picture is drawn rotated, and whether anything
// draws it. Sounds and music have no size.
struct Listed {
    const char* path;
    int w, h;
    int cells, cw, ch, perRow;
    bool rotated, drawn;
};
const Listed kListed[] = {
    {"IMAGE/ZBAK1B.BMP", 600, 60, 10, 60, 60, 10, false, true},
    {"IMAGE/ZBAK2B.BMP", 640, 80, 8, 80, 80, 8, false, true},
    {"IMAGE/ZBAK3B.BMP", 800, 80, 10, 80, 80, 10, false, true},
    {"IMAGE/ZBAK4B.BMP", 800, 80, 10, 80, 80, 10, false, true},
    {"IMAGE/ZBAK5B.BMP", 800, 80, 10, 80, 80, 10, false, false},
    {"IMAGE/ZBAK6B.BMP", 320, 40, 8, 40, 40, 8, false, true},
    {"IMAGE/BBAK1B.BMP", 640, 160, 4, 160, 160, 4, false, true},
    {"IMAGE/GFBAK1.BMP", 480, 120, 16, 60, 60, 8, false, true},
    {"IMAGE/FBOM1.BMP", 80, 80, 1, 80, 80, 1, false, true},
    {"IMAGE/MYMY.BMP", 224, 80, 1, 224, 80, 1, false, true},
    {"IMAGE/MYGOODN.BMP", 300, 100, 1, 300, 100, 1, false, true},
    {"IMAGE/SUJI09.BMP", 200, 25, 10, 20, 25, 10, false, true},
    {"IMAGE/HAHEN.BMP", 320, 40, 8, 40, 40, 8, false, false},
    {"IMAGE/SFLH1.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/SFLH2.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/SFLH3.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/SFLH4.BMP", 60, 60, 1, 60, 60, 1, false, false},
    {"IMAGE/SFLH5.BMP", 60, 60, 1, 60, 60, 1, false, false},
    {"IMAGE/SFLH11.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/SFLH22.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/SFLH33.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/FLHST.BMP", 70, 36, 1, 70, 36, 1, false, true},
    {"IMAGE/FLHST11.BMP", 70, 36, 1, 70, 36, 1, false, false},
    {"IMAGE/FLHST2.BMP", 70, 36, 1, 70, 36, 1, false, true},
    {"IMAGE/FLHST22.BMP", 124, 70, 1, 124, 70, 1, false, true},
    {"IMAGE/FLHST3.BMP", 70, 36, 1, 70, 36, 1, false, true},
    {"IMAGE/FLHST33.BMP", 124, 70, 1, 124, 70, 1, false, true},
    {"IMAGE/FLW1_3.BMP", 120, 60, 1, 120, 60, 1, false, true},
    {"IMAGE/FLW2_1.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/FLW3_2.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/FLW11.BMP", 120, 60, 1, 120, 60, 1, false, true},
    {"IMAGE/FLW22.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/FLW33.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/RAY1.BMP", 30, 30, 1, 30, 30, 1, false, true},
    {"IMAGE/RAY2.BMP", 20, 20, 1, 20, 20, 1, false, true},
    {"IMAGE/RAY11.BMP", 30, 30, 1, 30, 30, 1, false, true},
    {"IMAGE/RAY22.BMP", 20, 20, 1, 20, 20, 1, false, true},
    {"IMAGE/RAY3.BMP", 20, 20, 1, 20, 20, 1, false, true},
    {"IMAGE/RAY4.BMP", 30, 30, 1, 30, 30, 1, false, true},
    {"IMAGE/RAY5.BMP", 40, 40, 1, 40, 40, 1, false, true},
    {"IMAGE/RAY6.BMP", 50, 50, 1, 50, 50, 1, false, true},
    {"IMAGE/RAY7.BMP", 20, 20, 1, 20, 20, 1, false, true},
    {"IMAGE/RAY8.BMP", 20, 20, 1, 20, 20, 1, false, false},
    {"IMAGE/RAY10.BMP", 20, 20, 1, 20, 20, 1, false, true},
    {"IMAGE/SPOWER1.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/FBAK1.BMP", 480, 120, 16, 60, 60, 8, false, false},
    {"IMAGE/SZAK1.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/SZAK3.BMP", 80, 100, 1, 80, 100, 1, false, true},
    {"IMAGE/SZAK4.BMP", 100, 120, 1, 100, 120, 1, false, true},
    {"IMAGE/SZAK2.BMP", 60, 60, 1, 60, 60, 1, false, false},
    {"IMAGE/SZAK5.BMP", 80, 80, 1, 80, 80, 1, false, false},
    {"IMAGE/SZAK6.BMP", 79, 79, 1, 79, 79, 1, true, true},
    {"IMAGE/SZAK7.BMP", 80, 80, 1, 80, 80, 1, false, false},
    {"IMAGE/SZAK8.BMP", 80, 80, 1, 80, 80, 1, false, false},
    {"IMAGE/SZAK9.BMP", 80, 80, 1, 80, 80, 1, false, true},
    {"IMAGE/SZAK10.BMP", 70, 80, 1, 70, 80, 1, false, true},
    {"IMAGE/SZAK12.BMP", 80, 100, 1, 80, 100, 1, false, true},
    {"IMAGE/SZAK13.BMP", 80, 60, 1, 80, 60, 1, false, true},
    {"IMAGE/SZAK14.BMP", 80, 60, 1, 80, 60, 1, false, false},
    {"IMAGE/SZAK15.BMP", 80, 60, 1, 80, 60, 1, false, false},
    {"IMAGE/SZAK16.BMP", 80, 60, 1, 80, 60, 1, false, false},
    {"IMAGE/SZAK21.BMP", 90, 90, 1, 90, 90, 1, false, true},
    {"IMAGE/SZAK22.BMP", 90, 90, 1, 90, 90, 1, false, true},
    {"IMAGE/SZAK23.BMP", 90, 90, 1, 90, 90, 1, false, false},
    {"IMAGE/SZAK24.BMP", 90, 90, 1, 90, 90, 1, false, false},
    {"IMAGE/SZAK30.BMP", 500, 100, 5, 100, 100, 5, false, true},
    {"IMAGE/SZAK31.BMP", 500, 100, 5, 100, 100, 5, false, true},
    {"IMAGE/SZAK32.BMP", 500, 100, 5, 100, 100, 5, false, true},
    {"IMAGE/SZAK33.BMP", 500, 100, 5, 100, 100, 5, false, true},
    {"IMAGE/SZAK40.BMP", 119, 119, 1, 119, 119, 1, true, true},
    {"IMAGE/SZAK41.BMP", 119, 119, 1, 119, 119, 1, true, true},
    {"IMAGE/SZAK50.BMP", 200, 160, 1, 200, 160, 1, false, true},
    {"IMAGE/SZAK51.BMP", 240, 220, 1, 240, 220, 1, false, true},
    {"IMAGE/SZAK52.BMP", 200, 160, 1, 200, 160, 1, false, true},
    {"IMAGE/SZAK53.BMP", 200, 160, 1, 200, 160, 1, false, true},
    {"IMAGE/SZAK54.BMP", 200, 160, 1, 200, 160, 1, false, true},
    {"IMAGE/SZAK55.BMP", 200, 160, 1, 200, 160, 1, false, false},
    {"IMAGE/SZAK60.BMP", 300, 300, 1, 300, 300, 1, false, true},
    {"IMAGE/VAL11.BMP", 16, 16, 1, 16, 16, 1, false, true},
    {"IMAGE/VAL12.BMP", 16, 16, 1, 16, 16, 1, false, true},
    {"IMAGE/VAL13.BMP", 16, 16, 1, 16, 16, 1, false, true},
    {"IMAGE/VAL1.BMP", 256, 16, 16, 16, 16, 16, false, true},
    {"IMAGE/VAL2.BMP", 256, 16, 16, 16, 16, 16, false, true},
    {"IMAGE/VAL3.BMP", 256, 16, 16, 16, 16, 16, false, true},
    {"IMAGE/RPANEL3R.BMP", 100, 480, 1, 100, 480, 1, false, false},
    {"IMAGE/RPANEL2R.BMP", 100, 480, 1, 100, 480, 1, false, false},
    {"IMAGE/FLZ01_l.BMP", 20, 60, 1, 20, 60, 1, false, true},
    {"IMAGE/ROCK1.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/BOSS11.BMP", 440, 360, 1, 440, 360, 1, false, true},
    {"IMAGE/BOSS31.BMP", 460, 380, 1, 460, 380, 1, false, true},
    {"IMAGE/BOSS41.BMP", 440, 380, 1, 440, 380, 1, false, true},
    {"IMAGE/BOSS51.BMP", 380, 460, 1, 380, 460, 1, false, true},
    {"IMAGE/BOSS61.BMP", 460, 400, 1, 460, 400, 1, false, true},
    {"IMAGE/BOSS71.BMP", 500, 400, 1, 500, 400, 1, false, true},
    {"IMAGE/BOS111.BMP", 480, 480, 1, 480, 480, 1, false, true},
    {"IMAGE/BOS511.BMP", 480, 480, 1, 480, 480, 1, false, true},
    {"IMAGE/VAL16241.BMP", 384, 16, 24, 16, 16, 24, false, true},
    {"IMAGE/VAL20241.BMP", 480, 20, 24, 20, 20, 24, false, true},
    {"IMAGE/VALL20.BMP", 20, 20, 1, 20, 20, 1, false, true},
    {"IMAGE/VAL201.BMP", 140, 20, 7, 20, 20, 7, false, true},
    {"IMAGE/VAL401.BMP", 200, 40, 5, 40, 40, 5, false, true},
    {"IMAGE/VAL402.BMP", 200, 40, 5, 40, 40, 5, false, true},
    {"IMAGE/VAL404.BMP", 280, 40, 7, 40, 40, 7, false, true},
    {"IMAGE/VAL405.BMP", 280, 40, 7, 40, 40, 7, false, true},
    {"IMAGE/VAL40L.BMP", 39, 39, 1, 39, 39, 1, true, true},
    {"IMAGE/VAL40L1.BMP", 39, 39, 1, 39, 39, 1, true, true},
    {"IMAGE/VAL40L2.BMP", 39, 39, 1, 39, 39, 1, true, true},
    {"IMAGE/ZAL20.BMP", 20, 20, 1, 20, 20, 1, false, false},
    {"IMAGE/VAL15L.BMP", 15, 30, 1, 15, 30, 1, false, true},
    {"IMAGE/VAL151L.BMP", 60, 30, 2, 30, 30, 2, false, true},
    {"IMAGE/VAL30L.BMP", 30, 60, 1, 30, 60, 1, false, false},
    {"IMAGE/VAL20.BMP", 20, 20, 1, 20, 20, 1, false, false},
    {"IMAGE/VALARM11.BMP", 150, 180, 1, 150, 180, 1, false, true},
    {"IMAGE/VALARM12.BMP", 150, 180, 1, 150, 180, 1, false, true},
    {"IMAGE/VALARM31.BMP", 80, 120, 1, 80, 120, 1, false, true},
    {"IMAGE/VALARM32.BMP", 80, 120, 1, 80, 120, 1, false, true},
    {"IMAGE/VALARM33.BMP", 120, 120, 1, 120, 120, 1, false, true},
    {"IMAGE/VALARM34.BMP", 120, 120, 1, 120, 120, 1, false, true},
    {"IMAGE/VALARM51.BMP", 360, 400, 4, 90, 400, 4, false, true},
    {"IMAGE/VALARM70.BMP", 120, 120, 1, 120, 120, 1, false, true},
    {"IMAGE/VALARM7.BMP", 120, 120, 1, 120, 120, 1, false, false},
    {"IMAGE/VALARM71.BMP", 120, 120, 1, 120, 120, 1, false, true},
    {"IMAGE/VALARM72.BMP", 120, 120, 1, 120, 120, 1, false, true},
    {"IMAGE/VALARM73.BMP", 60, 120, 1, 60, 120, 1, false, true},
    {"IMAGE/VALARM74.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/VALARM75.BMP", 60, 60, 1, 60, 60, 1, false, true},
    {"IMAGE/VAL20w.BMP", 19, 19, 1, 19, 19, 1, true, true},
    {"IMAGE/VAL21w.BMP", 19, 19, 1, 19, 19, 1, true, true},
    {"IMAGE/VAL30w.BMP", 30, 30, 1, 30, 30, 1, false, false},
    {"IMAGE/VALL301.BMP", 30, 30, 1, 30, 30, 1, true, true},
    {"IMAGE/VALL3011.BMP", 30, 30, 1, 30, 30, 1, true, true},
    {"IMAGE/VALL3013.BMP", 30, 30, 1, 30, 30, 1, true, true},
    {"IMAGE/VALL3014.BMP", 30, 30, 1, 30, 30, 1, true, true},
    {"IMAGE/VALL3015.BMP", 30, 30, 1, 30, 30, 1, true, true},
    {"IMAGE/VALL3016.BMP", 30, 30, 1, 30, 30, 1, true, true},
    {"IMAGE/VAL3015A.BMP", 30, 30, 1, 30, 30, 1, false, false},
    {"IMAGE/VAL3016A.BMP", 30, 30, 1, 30, 30, 1, false, false},
    {"IMAGE/VALL3017.BMP", 30, 30, 1, 30, 30, 1, true, true},
    {"IMAGE/VALL3018.BMP", 30, 30, 1, 30, 30, 1, true, true},
    {"IMAGE/VAL3017A.BMP", 30, 30, 1, 30, 30, 1, true, true},
    {"IMAGE/VAL3018A.BMP", 30, 30, 1, 30, 30, 1, true, true},
    {"IMAGE/VALL302.BMP", 30, 30, 1, 30, 30, 1, true, true},
    {"IMAGE/VALL3019.BMP", 30, 30, 1, 30, 30, 1, false, false},
    {"IMAGE/VALL3020.BMP", 30, 30, 1, 30, 30, 1, false, false},
    {"IMAGE/MESO1.BMP", 200, 100, 1, 200, 100, 1, false, false},
    {"IMAGE/ZFIRE1.BMP", 400, 70, 20, 20, 70, 20, false, true},
    {"IMAGE/ZFIRE2.BMP", 400, 70, 20, 20, 70, 20, false, true},
    {"SOUND/SHOT.WAV", 0, 0, 0, 0, 0, 0, false, false},
    {"SOUND/BOM.WAV", 0, 0, 0, 0, 0, 0, false, false},
    {"IMAGE/BBACK1S.BMP", 440, 480, 1, 440, 480, 1, false, true},
    {"IMAGE/BBACK2S.BMP", 440, 480, 1, 440, 480, 1, false, true},
    {"IMAGE/BBACK3S.BMP", 440, 480, 1, 440, 480, 1, false, true},
    {"IMAGE/BBACK6S.BMP", 640, 480, 1, 640, 480, 1, false, true},
    {"IMAGE/BBACK8S.BMP", 440, 480, 1, 440, 480, 1, false, true},
    {"IMAGE/TITLEC.BMP", 440, 480, 1, 440, 480, 1, false, true},
    {"IMAGE/QTWCG1.BMP", 440, 480, 1, 440, 480, 1, false, true},
    {"IMAGE/QTWCG2.BMP", 440, 480, 1, 440, 480, 1, false, true},
    {"IMAGE/QTWCG3.BMP", 440, 480, 1, 440, 480, 1, false, true},
    {"IMAGE/LEVEL0.BMP", 440, 480, 1, 440, 480, 1, false, true},
    {"IMAGE/LEVEL1.BMP", 440, 480, 1, 440, 480, 1, false, true},
    {"IMAGE/CONTINU1.BMP", 200, 100, 1, 200, 100, 1, false, true},
    {"IMAGE/MYME1.BMP", 420, 70, 7, 60, 70, 7, false, true},
    {"MYME1.BMP", 420, 70, 7, 60, 70, 7, false, true},
    {"MYME2.BMP", 420, 70, 7, 60, 70, 7, false, true},
    {"MIDI/QTW1.MID", 0, 0, 0, 0, 0, 0, false, false},
    {"MIDI/QTW2.MID", 0, 0, 0, 0, 0, 0, false, false},
    {"MIDI/QTW3.MID", 0, 0, 0, 0, 0, 0, false, false},
    {"MIDI/QTW4.MID", 0, 0, 0, 0, 0, 0, false, false},
    {"MIDI/QTW5.MID", 0, 0, 0, 0, 0, 0, false, false},
    {"MIDI/QTWEND.MID", 0, 0, 0, 0, 0, 0, false, false},
    {"MIDI/HMDW3.MID", 0, 0, 0, 0, 0, 0, false, false},
    {"MIDI/KV5.MID", 0, 0, 0, 0, 0, 0, false, false},
};

std::vector<uint8_t> ReadAll(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}
uint32_t Le16(const std::vector<uint8_t>& v, size_t i) { return v[i] | v[i + 1] << 8; }
uint32_t Le32(const std::vector<uint8_t>& v, size_t i) { return Le16(v, i) | Le16(v, i + 2) << 16; }
uint32_t Be16(const std::vector<uint8_t>& v, size_t i) { return v[i] << 8 | v[i + 1]; }
uint32_t Be32(const std::vector<uint8_t>& v, size_t i) { return Be16(v, i) << 16 | Be16(v, i + 2); }

struct Pixel {
    uint8_t r, g, b;
    bool black() const { return r == 0 && g == 0 && b == 0; }
    // The 16-bit screen value: red >> 3, green >> 2, blue >> 3.
    uint16_t rgb565() const { return uint16_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3)); }
};

struct Picture {
    int w = 0, h = 0;
    std::vector<Pixel> px;  // top row first
    std::string error;
    const Pixel& at(int x, int y) const { return px[size_t(y) * w + x]; }
};

// A Windows bitmap as the game's pictures must be: 14 + 40-byte headers,
// one plane, 24 bits, no compression, no palette, bottom-up rows padded to 4.
Picture DecodeBmp(const std::vector<uint8_t>& f) {
    Picture p;
    if (f.size() < 54 || f[0] != 'B' || f[1] != 'M') return p.error = "no BM header", p;
    if (Le32(f, 2) != f.size()) return p.error = "file size field " + std::to_string(Le32(f, 2)), p;
    if (Le32(f, 10) != 54) return p.error = "pixel offset " + std::to_string(Le32(f, 10)), p;
    if (Le32(f, 14) != 40) return p.error = "info header size " + std::to_string(Le32(f, 14)), p;
    int32_t w = int32_t(Le32(f, 18)), h = int32_t(Le32(f, 22));
    if (w <= 0 || h <= 0) return p.error = "width/height not positive (top-down or empty)", p;
    if (Le16(f, 26) != 1 || Le16(f, 28) != 24) return p.error = "not 1 plane of 24 bits", p;
    if (Le32(f, 30) != 0) return p.error = "compressed", p;
    if (Le32(f, 46) != 0) return p.error = "has a palette", p;
    size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
    if (f.size() != 54 + stride * size_t(h)) return p.error = "pixel data size", p;
    p.w = w;
    p.h = h;
    p.px.resize(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        size_t row = 54 + stride * size_t(h - 1 - y);
        for (int x = 0; x < w; ++x) p.px[size_t(y) * w + x] = {f[row + 3 * x + 2], f[row + 3 * x + 1], f[row + 3 * x]};
    }
    return p;
}

bool EndsWith(const std::string& s, const std::string& e) { return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0; }

Picture Load(const Listed& l) { return DecodeBmp(ReadAll(fs::path(VQ_DATA_DIR) / l.path)); }

TEST(AssetFiles, EveryFileTheGameOpensIsThereUnderItsExactName) {
    EXPECT_EQ(std::size(kListed), 172u);
    for (const Listed& l : kListed) {
        fs::path p = fs::path(VQ_DATA_DIR) / l.path;
        ASSERT_TRUE(fs::is_regular_file(p)) << l.path;
        // The folder holds the name spelled exactly so (Linux names are case-sensitive).
        bool exact = false;
        for (const auto& e : fs::directory_iterator(p.parent_path())) exact |= e.path().filename() == p.filename();
        EXPECT_TRUE(exact) << l.path;
        EXPECT_GT(fs::file_size(p), 44u) << l.path;
    }
}

TEST(AssetFiles, PicturesAreTwentyFourBitBitmapsCoveringEveryCell) {
    for (const Listed& l : kListed) {
        if (!EndsWith(l.path, ".BMP")) continue;
        Picture p = Load(l);
        ASSERT_TRUE(p.error.empty()) << l.path << ": " << p.error;
        EXPECT_GE(p.w, l.w) << l.path;
        EXPECT_GE(p.h, l.h) << l.path;
        if (!l.drawn) continue;
        // Every cell the game draws from shows something.
        for (int k = 0; k < l.cells; ++k) {
            if (std::string(l.path) == "IMAGE/GFBAK1.BMP" && k == 8) continue;  // cell (0,1) is never shown
            int x0 = (k % l.perRow) * l.cw, y0 = (k / l.perRow) * l.ch, opaque = 0;
            for (int y = y0; y < std::min(p.h, y0 + l.ch); ++y)
                for (int x = x0; x < std::min(p.w, x0 + l.cw); ++x) opaque += !p.at(x, y).black();
            EXPECT_GT(opaque, 0) << l.path << " cell " << k;
        }
    }
}

TEST(AssetFiles, NoOpaquePixelTurnsTransparentOnTheSixteenBitScreen) {
    for (const Listed& l : kListed) {
        if (!EndsWith(l.path, ".BMP")) continue;
        Picture p = Load(l);
        ASSERT_TRUE(p.error.empty()) << l.path;
        int bad = 0;
        for (const Pixel& q : p.px) bad += !q.black() && q.rgb565() == 0;
        EXPECT_EQ(bad, 0) << l.path;
    }
}

TEST(AssetFiles, RotatedPicturesStayInsideTheirCircleAwayFromRowAndColumnZero) {
    int checked = 0;
    for (const Listed& l : kListed) {
        if (!l.rotated) continue;
        ++checked;
        Picture p = Load(l);
        ASSERT_TRUE(p.error.empty()) << l.path;
        float cx = l.w / 2.f, cy = l.h / 2.f, r = l.w / 2.f;
        int outside = 0, inside = 0;
        for (int y = 0; y < l.h; ++y)
            for (int x = 0; x < l.w; ++x) {
                if (p.at(x, y).black()) continue;
                float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
                ++inside;
                outside += x == 0 || y == 0 || dx * dx + dy * dy > r * r;
            }
        EXPECT_EQ(outside, 0) << l.path;
        EXPECT_GT(inside, 0) << l.path;
    }
    EXPECT_EQ(checked, 19);
}

// Which way a picture points: the far end of its shape from the centre of its mass.
void Axis(const Picture& p, int w, int h, float& mx, float& my) {
    float sx = 0, sy = 0, n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!p.at(x, y).black()) {
                sx += x;
                sy += y;
                ++n;
            }
    mx = sx / n - (w - 1) / 2.f;
    my = sy / n - (h - 1) / 2.f;
}

TEST(AssetFiles, MirroredBulletPairsFaceOppositeWays) {
    // Left-facing and right-facing twins are mirror images of each other.
    const std::pair<const char*, const char*> pairs[] = {{"IMAGE/VAL20w.BMP", "IMAGE/VAL21w.BMP"},
                                                         {"IMAGE/VALL3013.BMP", "IMAGE/VALL3014.BMP"},
                                                         {"IMAGE/VALL3017.BMP", "IMAGE/VALL3018.BMP"},
                                                         {"IMAGE/VALL3015.BMP", "IMAGE/VALL3016.BMP"}};
    for (auto [left, right] : pairs) {
        Picture a = DecodeBmp(ReadAll(fs::path(VQ_DATA_DIR) / left)), b = DecodeBmp(ReadAll(fs::path(VQ_DATA_DIR) / right));
        ASSERT_TRUE(a.error.empty() && b.error.empty());
        int differ = 0;
        for (int y = 0; y < a.h; ++y)
            for (int x = 0; x < a.w; ++x) differ += a.at(x, y).black() != b.at(a.w - 1 - x, y).black();
        EXPECT_LT(differ, a.w * a.h / 20) << left << " / " << right;
    }
    // The heads of the chains lead: their mass sits toward their nose.
    Picture head = DecodeBmp(ReadAll(fs::path(VQ_DATA_DIR) / "IMAGE/VALL3017.BMP"));
    float mx, my;
    Axis(head, 30, 30, mx, my);
    EXPECT_LT(mx, 0.f);  // nose left
}

// Brightness of a pixel as it adds onto the screen: its strongest channel.
int Lum(const Pixel& q) { return std::max({q.r, q.g, q.b}); }

TEST(AssetFiles, TheMainExplosionFadesToSparseEmbersThatStillReadOnBlack) {
    Picture p = DecodeBmp(ReadAll(fs::path(VQ_DATA_DIR) / "IMAGE/ZBAK2B.BMP"));
    ASSERT_TRUE(p.error.empty());
    std::vector<int> area;
    for (int k = 0; k < 8; ++k) {
        long sum = 0, lit = 0;
        for (int y = 0; y < 80; ++y)
            for (int x = 80 * k; x < 80 * k + 80; ++x)
                if (!p.at(x, y).black()) sum += Lum(p.at(x, y)), ++lit;
        ASSERT_GT(lit, 0) << "cell " << k;
        // After the soft flash no cell turns into a dull dark silhouette,
        // the late ones included.
        if (k > 0) {
            EXPECT_GE(sum / lit, 120) << "cell " << k;
        }
        area.push_back(int(lit));
    }
    // The last cell is a thin scatter, not the whole ball.
    EXPECT_LT(area[7] * 2, *std::max_element(area.begin(), area.end()));
}

TEST(AssetFiles, LargeDropsReadAsLargeBesideThePlainBullets) {
    auto brightArea = [](const char* name) {
        Picture p = DecodeBmp(ReadAll(fs::path(VQ_DATA_DIR) / name));
        return int(std::count_if(p.px.begin(), p.px.end(), [](const Pixel& q) { return Lum(q) >= 128; }));
    };
    int bullet = 0;
    for (const char* small : {"IMAGE/VAL11.BMP", "IMAGE/VAL12.BMP", "IMAGE/VAL13.BMP", "IMAGE/VALL20.BMP", "IMAGE/VAL20.BMP"})
        bullet = std::max(bullet, brightArea(small));
    ASSERT_GT(bullet, 0);
    for (const Listed& l : kListed) {
        std::string path = l.path;
        if (path.find("VALARM") == std::string::npos || path == "IMAGE/VALARM51.BMP") continue;  // 51 is the beam
        int area = brightArea(l.path);
        EXPECT_GE(area, 2 * bullet) << l.path;
        EXPECT_GE(area * 10, l.w * l.h) << l.path;  // a solid body, not a dot in a haze
    }
}

TEST(AssetFiles, WeaponBsWideCentreShotIsItsStrongest) {
    auto light = [](const char* name) {
        Picture p = DecodeBmp(ReadAll(fs::path(VQ_DATA_DIR) / name));
        long sum = 0;
        for (const Pixel& q : p.px) sum += Lum(q);
        return sum;
    };
    const char* sets[][3] = {{"IMAGE/FLW1_3.BMP", "IMAGE/FLW2_1.BMP", "IMAGE/FLW3_2.BMP"},
                             {"IMAGE/FLW11.BMP", "IMAGE/FLW22.BMP", "IMAGE/FLW33.BMP"}};
    for (auto& set : sets) {
        long centre = light(set[0]);
        for (int side = 1; side < 3; ++side) EXPECT_GT(centre * 2, light(set[side]) * 3) << set[0] << " vs " << set[side];
    }
}

// Counts the 8-connected opaque shapes inside one cell.
int Shapes(const Picture& p, int x0, int y0, int w, int h) {
    std::vector<char> seen(size_t(w) * h, 0);
    int shapes = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (seen[size_t(y) * w + x] || p.at(x0 + x, y0 + y).black()) continue;
            ++shapes;
            std::vector<std::pair<int, int>> todo{{x, y}};
            seen[size_t(y) * w + x] = 1;
            while (!todo.empty()) {
                auto [a, b] = todo.back();
                todo.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        int u = a + dx, v = b + dy;
                        if (u < 0 || v < 0 || u >= w || v >= h || seen[size_t(v) * w + u] || p.at(x0 + u, y0 + v).black()) continue;
                        seen[size_t(v) * w + u] = 1;
                        todo.push_back({u, v});
                    }
            }
        }
    return shapes;
}

TEST(AssetFiles, CraftAreOnePieceAndFramedArtStaysClearOfItsEdges) {
    for (const Listed& l : kListed) {
        std::string path = l.path;
        bool craft = path.find("IMAGE/SZAK") == 0 || path.find("IMAGE/BOS") == 0;
        bool framed = path == "IMAGE/TITLEC.BMP" || path == "IMAGE/LEVEL1.BMP" || path == "IMAGE/QTWCG2.BMP" ||
                      path == "IMAGE/BOSS41.BMP" || (path.find("VALARM") != std::string::npos && path != "IMAGE/VALARM51.BMP");
        if (!craft && !framed) continue;
        Picture p = Load(l);
        ASSERT_TRUE(p.error.empty()) << l.path;
        // No wing, pod or engine floats apart from the hull.
        for (int k = 0; craft && k < l.cells; ++k)
            EXPECT_EQ(Shapes(p, (k % l.perRow) * l.cw, (k / l.perRow) * l.ch, l.cw, l.ch), 1) << l.path << " cell " << k;
        // Planets, rings, pods and glows end inside the picture instead of being cut by its border.
        if (framed) {
            int edge = 0;
            for (int y = 0; y < l.h; ++y)
                for (int x = 0; x < l.w; ++x) edge += (x == 0 || y == 0 || x == l.w - 1 || y == l.h - 1) && !p.at(x, y).black();
            EXPECT_EQ(edge, 0) << l.path;
        }
    }
}

TEST(AssetFiles, BackgroundTilesJoinTopToBottomAndUpperLayersAreMostlyHoles) {
    for (const char* name : {"IMAGE/BBACK1S.BMP", "IMAGE/BBACK2S.BMP", "IMAGE/BBACK3S.BMP", "IMAGE/BBACK6S.BMP",
                             "IMAGE/BBACK8S.BMP"}) {
        Picture p = DecodeBmp(ReadAll(fs::path(VQ_DATA_DIR) / name));
        ASSERT_TRUE(p.error.empty()) << name;
        auto rowDiff = [&](int a, int b) {
            double d = 0;
            for (int x = 0; x < p.w; ++x) {
                const Pixel &u = p.at(x, a), &v = p.at(x, b);
                d += std::abs(u.r - v.r) + std::abs(u.g - v.g) + std::abs(u.b - v.b);
            }
            return d / p.w;
        };
        double inner = 0;
        for (int y = 0; y + 1 < p.h; ++y) inner += rowDiff(y, y + 1);
        inner /= p.h - 1;
        // The seam between one tile's last row and the next tile's first row
        // looks like any other pair of neighbouring rows.
        EXPECT_LE(rowDiff(p.h - 1, 0), inner * 3 + 4) << name;
    }
    for (const char* name : {"IMAGE/BBACK1S.BMP", "IMAGE/BBACK2S.BMP"}) {
        Picture p = DecodeBmp(ReadAll(fs::path(VQ_DATA_DIR) / name));
        size_t holes = size_t(std::count_if(p.px.begin(), p.px.end(), [](const Pixel& q) { return q.black(); }));
        EXPECT_GT(holes * 2, p.px.size()) << name;
    }
}

// ------------------------------------------------------------------ sounds

struct Wave {
    std::vector<int16_t> s;
    std::string error;
};

Wave DecodeWave(const std::vector<uint8_t>& f) {
    Wave w;
    auto tag = [&](size_t at, const char* t) { return f.size() >= at + 4 && std::equal(t, t + 4, f.begin() + long(at)); };
    if (!tag(0, "RIFF") || !tag(8, "WAVE") || !tag(12, "fmt ") || !tag(36, "data")) return w.error = "not a 44-byte canonical header", w;
    if (Le32(f, 4) != f.size() - 8) return w.error = "RIFF size", w;
    if (Le32(f, 16) != 16 || Le16(f, 20) != 1 || Le16(f, 22) != 1) return w.error = "not 16-byte PCM mono", w;
    if (Le32(f, 24) != 22050 || Le32(f, 28) != 44100 || Le16(f, 32) != 2 || Le16(f, 34) != 16) return w.error = "not 22050 Hz 16-bit", w;
    if (Le32(f, 40) != f.size() - 44 || Le32(f, 40) % 2) return w.error = "data size", w;
    for (size_t i = 44; i + 1 < f.size(); i += 2) w.s.push_back(int16_t(Le16(f, i)));
    return w;
}

TEST(AssetFiles, ShotSoundIsAShortBlip) {
    Wave w = DecodeWave(ReadAll(fs::path(VQ_DATA_DIR) / "SOUND/SHOT.WAV"));
    ASSERT_TRUE(w.error.empty()) << w.error;
    double ms = w.s.size() * 1000.0 / 22050;
    EXPECT_GE(ms, 40.0);
    EXPECT_LE(ms, 60.0);
    int peak = 0;
    for (int16_t v : w.s) peak = std::max(peak, std::abs(int(v)));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(std::abs(int(w.s.back())), 600);  // no click at the cut
    double mean = 0;
    for (int16_t v : w.s) mean += v;
    mean /= double(w.s.size()) * 32768.0;
    EXPECT_LT(std::fabs(mean), 0.005);  // centred: no offset to click on
}

TEST(AssetFiles, ExplosionSoundIsLoudestAtOnceAndNeverClips) {
    Wave w = DecodeWave(ReadAll(fs::path(VQ_DATA_DIR) / "SOUND/BOM.WAV"));
    ASSERT_TRUE(w.error.empty()) << w.error;
    double seconds = w.s.size() / 22050.0;
    EXPECT_GE(seconds, 0.5);
    EXPECT_LE(seconds, 1.0);
    size_t at = 0;
    int peak = 0;
    for (size_t i = 0; i < w.s.size(); ++i)
        if (std::abs(int(w.s[i])) > peak) peak = std::abs(int(w.s[at = i]));
    // Restarted every frame during a boss's defeat: its first 16 ms carry it.
    EXPECT_LT(at, size_t(22050 * 16 / 1000));
    double dbfs = 20 * std::log10(peak / 32768.0);
    EXPECT_NEAR(dbfs, -3.0, 1.0);
    EXPECT_LT(peak, 32767);
    auto rms = [&](size_t a, size_t b) {
        double e = 0;
        for (size_t i = a; i < b; ++i) e += double(w.s[i]) * w.s[i];
        return std::sqrt(e / double(b - a));
    };
    EXPECT_GT(rms(0, 22050 / 20), 4 * rms(w.s.size() / 2, w.s.size()));
}

// ------------------------------------------------------------------ music

struct Song {
    int format = -1, division = 0;
    int tracks = 0, endsWithEot = 0;
    long tempos = 0, programs = 0, drumNotes = 0;
    std::map<int, int> notesPerChannel;
    long firstNoteOn = -1, lastTick = 0;
    std::vector<long> trackEnds;
    std::vector<std::pair<long, uint32_t>> tempoMap;
    int timeSigNum = 4, timeSigDen = 4;
    int hanging = 0;  // notes still sounding at their track's end
    std::string error;
};

Song ParseMidi(const std::vector<uint8_t>& f) {
    Song s;
    if (f.size() < 14 || std::string(f.begin(), f.begin() + 4) != "MThd" || Be32(f, 4) != 6) return s.error = "no MThd", s;
    s.format = int(Be16(f, 8));
    int declared = int(Be16(f, 10));
    s.division = int(Be16(f, 12));
    size_t pos = 14;
    while (pos + 8 <= f.size()) {
        uint32_t len = Be32(f, pos + 4);
        if (std::string(f.begin() + long(pos), f.begin() + long(pos) + 4) != "MTrk" || pos + 8 + len > f.size())
            return s.error = "bad chunk", s;
        ++s.tracks;
        size_t p = pos + 8, end = p + len;
        long tick = 0;
        uint8_t status = 0;
        bool eot = false;
        std::map<int, int> on;
        while (p < end) {
            uint32_t d = 0;
            uint8_t b;
            do {
                b = f[p++];
                d = d << 7 | (b & 0x7f);
            } while ((b & 0x80) && p < end);
            tick += long(d);
            if (eot) return s.error = "events after End of Track", s;
            if (f[p] & 0x80) status = f[p++];
            if (status == 0xff) {
                uint8_t type = f[p++];
                uint32_t ml = 0;
                do {
                    b = f[p++];
                    ml = ml << 7 | (b & 0x7f);
                } while (b & 0x80);
                if (type == 0x2f) eot = true;
                if (type == 0x51 && ml == 3) {
                    ++s.tempos;
                    s.tempoMap.push_back({tick, uint32_t(f[p] << 16 | f[p + 1] << 8 | f[p + 2])});
                }
                if (type == 0x58) {
                    s.timeSigNum = f[p];
                    s.timeSigDen = 1 << f[p + 1];
                }
                p += ml;
                continue;
            }
            if (status == 0xf0 || status == 0xf7) return s.error = "sysex", s;
            int kind = status & 0xf0, ch = status & 0x0f;
            int a = f[p++], v = (kind == 0xc0 || kind == 0xd0) ? 0 : f[p++];
            if (kind == 0xc0) ++s.programs;
            if (kind == 0x90 && v > 0) {
                ++s.notesPerChannel[ch];
                if (ch == 9) ++s.drumNotes;
                if (s.firstNoteOn < 0 || tick < s.firstNoteOn) s.firstNoteOn = tick;
                ++on[ch * 128 + a];
            }
            if (kind == 0x80 || (kind == 0x90 && v == 0))
                if (on[ch * 128 + a] > 0) --on[ch * 128 + a];
        }
        if (eot) ++s.endsWithEot;
        for (auto& [k, n] : on) s.hanging += n;
        s.trackEnds.push_back(tick);
        s.lastTick = std::max(s.lastTick, tick);
        pos = end;
    }
    if (s.tracks != declared) s.error = "track count";
    return s;
}

double Seconds(const Song& s, long ticks) {
    double t = 0;
    long at = 0;
    uint32_t tempo = 500000;
    for (auto [tick, value] : s.tempoMap) {
        if (tick >= ticks) break;
        t += double(tick - at) * tempo / s.division / 1e6;
        at = tick;
        tempo = value;
    }
    return t + double(ticks - at) * tempo / s.division / 1e6;
}

TEST(AssetFiles, MusicLoopsAreGeneralMidiPiecesEndingOnTheirLastBar) {
    for (const Listed& l : kListed) {
        if (!EndsWith(l.path, ".MID")) continue;
        Song s = ParseMidi(ReadAll(fs::path(VQ_DATA_DIR) / l.path));
        ASSERT_TRUE(s.error.empty()) << l.path << ": " << s.error;
        EXPECT_TRUE(s.format == 0 || s.format == 1) << l.path;
        ASSERT_GT(s.division, 0) << l.path;  // ticks per quarter note
        EXPECT_EQ(s.endsWithEot, s.tracks) << l.path;
        EXPECT_GE(s.tempos, 1) << l.path;
        EXPECT_GE(s.programs, 1) << l.path;
        EXPECT_GT(s.drumNotes, 0) << l.path;            // drums on channel 10
        EXPECT_GE(s.notesPerChannel.size(), 3u) << l.path;  // melody, bass and drums
        EXPECT_EQ(s.firstNoteOn, 0) << l.path;           // no lead-in silence
        EXPECT_EQ(s.hanging, 0) << l.path;
        // Every track ends together, on a bar line: the restart is seamless.
        long bar = long(s.division) * 4 * s.timeSigNum / s.timeSigDen;
        for (long end : s.trackEnds) EXPECT_EQ(end, s.lastTick) << l.path;
        EXPECT_EQ(s.lastTick % bar, 0) << l.path;
        double seconds = Seconds(s, s.lastTick);
        EXPECT_GE(seconds, 60.0) << l.path;
        EXPECT_LE(seconds, 120.0) << l.path;
    }
}

// ------------------------------------------------------------------ through the game's own loaders

class GameLoaders : public ::testing::Test {
protected:
    void SetUp() override {
        plat::SetMessageBoxesShown(false);
        plat::SetExecutableDirectory(VQ_DATA_DIR);
    }
    void TearDown() override {
        fwDraw::ReleaseAll();
        fwSound::ReleaseAll();
        plat::SetExecutableDirectory("");
        plat::SetMessageBoxesShown(true);
    }
};

TEST_F(GameLoaders, EveryPictureLoadsAsTheGameLoadsItAndKeepsItsOpaquePixels) {
    FullScreen = 1;
    ASSERT_EQ(fwDraw::Screen(800, 600, 2), 1);
    int loaded = 0;
    for (const Listed& l : kListed) {
        if (!EndsWith(l.path, ".BMP")) continue;
        ErrorFlag = 0;
        int h = fwDraw::LoadObject(l.path, 1);
        ASSERT_GE(h, kFirstLoadedObject) << l.path;
        ++loaded;
        const DrawObject& r = DrawObjects[h];
        EXPECT_EQ(ErrorFlag, 0) << l.path;
        EXPECT_GE(r.width, l.w) << l.path;
        EXPECT_GE(r.height, l.h) << l.path;
        EXPECT_EQ(r.colorKey, 0u) << l.path;  // keyed on black
        // On the 16-bit surface, black stays the key and nothing else becomes it.
        Picture p = Load(l);
        plat::LockedPixels px;
        ASSERT_EQ(plat::Lock(r.surface, px), plat::kOk) << l.path;
        int lost = 0, stray = 0;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x) {
                uint16_t v = px.pixels[size_t(y) * px.pitch + x];
                lost += !p.at(x, y).black() && v == 0;
                stray += p.at(x, y).black() && v != 0;
            }
        plat::Unlock(r.surface);
        EXPECT_EQ(lost, 0) << l.path;
        EXPECT_EQ(stray, 0) << l.path;
    }
    EXPECT_EQ(loaded, 162);
}

TEST_F(GameLoaders, SoundsReadAndPlayThroughTheWaveReaderAndTheMixer) {
    for (const char* name : {"SOUND/SHOT.WAV", "SOUND/BOM.WAV"}) {
        plat::WaveData w;
        ASSERT_TRUE(plat::ReadWaveFile(std::string(VQ_DATA_DIR) + "/" + name, &w)) << name;
        EXPECT_EQ(w.format.channels, 1) << name;
        EXPECT_EQ(w.format.samplesPerSec, 22050u) << name;
        EXPECT_EQ(w.format.bitsPerSample, 16) << name;
    }
    plat::SetAudioOutput(plat::AudioOutput::Buffer);
    ASSERT_EQ(fwSound::Init(), 1);
    fwSound::ClearObjects();
    int shot = fwSound::LoadObject("SOUND/SHOT.WAV", 1), bom = fwSound::LoadObject("SOUND/BOM.WAV", 1);
    EXPECT_EQ(shot, 0);
    EXPECT_EQ(bom, 1);
    // Restarted every frame during a defeat: the first frame's worth must be loud.
    fwSound::Play(bom, 0);
    EXPECT_GT(testsupport::Peak(testsupport::Render(plat::kMixRate * 16 / 1000)), 8000);
    fwSound::Stop(bom, 0);
    fwSound::Play(shot, 0);
    EXPECT_GT(testsupport::Peak(testsupport::Render(plat::kMixRate * 30 / 1000)), 4000);
    fwSound::ClearObjects();
    fwSound::ReleaseAll();
    SoundAvailable = 0;
    plat::SetAudioOutput(plat::AudioOutput::Device);
}

TEST_F(GameLoaders, MusicOpensInTheSequencerAndSoundsFromItsFirstBeat) {
    if (plat::MciSoundFontPath().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    plat::SetAudioOutput(plat::AudioOutput::Buffer);
    ASSERT_TRUE(plat::AudioOpen());
    for (const Listed& l : kListed) {
        if (!EndsWith(l.path, ".MID")) continue;
        std::string open = "open \"" + std::string(VQ_DATA_DIR) + "/" + l.path + "\" type sequencer alias midi";
        ASSERT_EQ(plat::MciSendString(open, nullptr), plat::kMciOk) << l.path;
        ASSERT_EQ(plat::MciSendString("seek midi to start", nullptr), plat::kMciOk);
        ASSERT_EQ(plat::MciSendString("play midi", nullptr), plat::kMciOk);
        EXPECT_GT(testsupport::Peak(testsupport::Render(plat::kMixRate / 10)), 300) << l.path;  // no lead-in silence
        std::string mode;
        plat::MciSendString("status midi mode", &mode);
        EXPECT_EQ(mode, "playing") << l.path;
        plat::MciSendString("close midi", nullptr);
    }
    plat::AudioClose();
    plat::SetAudioOutput(plat::AudioOutput::Device);
}

TEST_F(GameLoaders, ShortestLoopPlaysToItsLastBarAndEndsThere) {
    if (plat::MciSoundFontPath().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    const char* path = "MIDI/KV5.MID";
    Song s = ParseMidi(ReadAll(fs::path(VQ_DATA_DIR) / path));
    ASSERT_TRUE(s.error.empty());
    double length = Seconds(s, s.lastTick);
    plat::SetAudioOutput(plat::AudioOutput::Buffer);
    ASSERT_TRUE(plat::AudioOpen());
    ASSERT_EQ(plat::MciSendString("open \"" + std::string(VQ_DATA_DIR) + "/" + path + "\" type sequencer alias midi", nullptr),
              plat::kMciOk);
    ASSERT_EQ(plat::MciSendString("play midi notify", nullptr), plat::kMciOk);
    // Sounding right up to the end, then reported stopped at once.
    double t = 0;
    int lastBlockPeak = 0;
    std::string mode = "playing";
    while (mode == "playing" && t < 130) {
        lastBlockPeak = testsupport::Peak(testsupport::Render(plat::kMixRate / 4));
        t += 0.25;
        plat::MciSendString("status midi mode", &mode);
    }
    EXPECT_NEAR(t, length, 0.5);
    EXPECT_GT(lastBlockPeak, 300);
    plat::MciSendString("close midi", nullptr);
    plat::AudioClose();
    plat::SetAudioOutput(plat::AudioOutput::Device);
}

// ------------------------------------------------------------------ the generator

std::string Generator() { return std::string(VQ_DATA_DIR) + "/assetgen"; }

TEST(AssetGenerator, TwoRunsWriteTheSameBytes) {
    testsupport::TempFolder first, second;
    const fs::path a = first.path, b = second.path;
    ASSERT_EQ(testsupport::Run("'" + Generator() + "' '" + first.path + "'").status, 0);
    ASSERT_EQ(testsupport::Run("'" + Generator() + "' '" + second.path + "'").status, 0);
    size_t files = 0;
    for (const auto& e : fs::recursive_directory_iterator(a)) {
        if (!e.is_regular_file()) continue;
        ++files;
        fs::path rel = fs::relative(e.path(), a);
        ASSERT_TRUE(fs::exists(b / rel)) << rel;
        EXPECT_TRUE(ReadAll(e.path()) == ReadAll(b / rel)) << rel;
    }
    EXPECT_EQ(files, std::size(kListed));
    // The build's own set came from the same program.
    for (const Listed& l : kListed) EXPECT_TRUE(ReadAll(a / l.path) == ReadAll(fs::path(VQ_DATA_DIR) / l.path)) << l.path;
}

TEST(AssetGenerator, RefusesAFolderItCannotWriteWithAClearMessage) {
    testsupport::TempFolder folder;
    const fs::path t = folder.path;
    std::ofstream(t / "plain").put('x');
    testsupport::RunResult r = testsupport::Run("'" + Generator() + "' '" + (t / "plain" / "out").string() + "' 2>&1");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("cannot create"), std::string::npos) << r.out;
    r = testsupport::Run("'" + Generator() + "' 2>&1");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("usage"), std::string::npos) << r.out;
}

}  // namespace
