// Writes the seed corpora of the fuzz targets: small valid inputs of every
// loader, made with the game's own converters where it has them.
//   fuzz_seeds OUTDIR DATADIR
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/draw/draw.h"
#include "framework/draw/pack.h"
#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "platform/system.h"
#include "tests/support/bitmaps.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

void Put(const fs::path& file, const std::vector<uint8_t>& bytes) {
    fs::create_directories(file.parent_path());
    if (FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

// Copies the data files of one folder no larger than `limit` bytes.
void CopySmall(const fs::path& from, const fs::path& to, uintmax_t limit) {
    std::error_code ec;
    fs::create_directories(to);
    for (const auto& e : fs::directory_iterator(from, ec))
        if (e.is_regular_file() && e.file_size() <= limit) fs::copy_file(e.path(), to / e.path().filename(), ec);
}

// Writes every target's seeds under `out`, taking the game's data files
// from `data`; throws when its scratch folder cannot be made.
void WriteSeeds(const fs::path& out, const fs::path& data) {
    const testsupport::TempFolder folder;
    const std::string work = folder.path + "/";
    plat::SetMessageBoxesShown(false);
    plat::SetExecutableDirectory(work);

    CopySmall(data / "IMAGE", out / "bitmap", 8 * 1024);
    testsupport::WriteBmp24((out / "bitmap" / "tiny.bmp").string(), 3, 2, [](int x, int y) -> uint32_t {
        return static_cast<uint32_t>(x * 80 + y * 0x8000);
    });
    // A small picture of every header form the reader takes: the old 12-byte
    // one (its palette of 3-byte entries), the 40-byte one and the longer ones.
    for (const uint32_t info : {12u, 40u, 52u, 56u, 108u, 124u}) {
        const int bits = info == 12 ? 8 : 24;
        const size_t palette = bits == 8 ? 256 * 3 : 0, row = (3 * bits + 31) / 32 * 4;
        Put(out / "bitmap" / ("header" + std::to_string(info) + ".bmp"),
            testsupport::BitmapBytes(3, 2, bits, 0, palette, 2 * row, 0, info));
    }
    CopySmall(data / "SOUND", out / "wave", 256 * 1024);
    Put(out / "wave" / "tiny.wav", testsupport::MakeWave(1, 22050, 8, {128, 200, 60, 128}));
    CopySmall(data / "MIDI", out / "midi", 64 * 1024);
    Put(out / "midi" / "tiny.mid", testsupport::MakeMidi(2));

    // An image pack of one small picture, named as the target asks for it.
    testsupport::WriteBmp24(work + "A.BMP", 4, 3, [](int x, int y) -> uint32_t { return 0x102030u * (x + y); });
    FullScreen = 1;
    if (fwDraw::Screen(800, 600, 2) == 1) {
        fwDraw::ConvertOne("IMAGE.PAK", "A.BMP");
        fwDraw::ReleaseAll();
    }
    fs::create_directories(out / "drawpack");
    std::error_code ec;
    fs::copy_file(work + "IMAGE.PAK", out / "drawpack" / "one.pak", fs::copy_options::overwrite_existing, ec);

    Put(out / "soundpack" / "one.pak",
        testsupport::MakePackEntry("A.WAV", testsupport::PcmFormatBlock(1, 22050, 16),
                                   testsupport::Pcm16(std::vector<int16_t>(2000, 1000))));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds OUTDIR DATADIR\n");
        return 2;
    }
    try {
        WriteSeeds(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fuzz_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
