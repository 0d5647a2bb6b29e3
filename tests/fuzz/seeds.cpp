// Writes the seed corpora of the fuzz targets: small valid inputs of every
// loader, made with the game's own converters where it has them.
//   fuzz_seeds OUTDIR DATADIR
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
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
    testsupport::WriteFile(file.string(), bytes.data(), bytes.size());
}

// Copies the data files of one folder no larger than `limit` bytes.
void CopySmall(const fs::path& from, const fs::path& to, uintmax_t limit) {
    std::error_code ec;
    fs::create_directories(to);
    for (const auto& e : fs::directory_iterator(from, ec))
        if (e.is_regular_file() && e.file_size() <= limit)
            fs::copy_file(e.path(), to / e.path().filename(), fs::copy_options::overwrite_existing);
}

// Writes every target's seeds under `out`, taking the game's data files
// from `data`; throws, naming the file and the reason, when its scratch
// folder cannot be made or a seed or its source cannot be written.
void WriteSeeds(const fs::path& out, const fs::path& data) {
    const testsupport::TempFolder folder;
    const std::string work = folder.path + "/";
    plat::SetMessageBoxesShown(false);
    plat::SetExecutableDirectory(work);

    CopySmall(data / "IMAGE", out / "bitmap", 8 * 1024);
    Put(out / "bitmap" / "tiny.bmp", testsupport::Bmp24Bytes(3, 2, [](int x, int y) -> uint32_t {
        return static_cast<uint32_t>(x * 80 + y * 0x8000);
    }));
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
    Put(work + "A.BMP", testsupport::Bmp24Bytes(4, 3, [](int x, int y) -> uint32_t { return 0x102030u * (x + y); }));
    FullScreen = 1;
    if (fwDraw::Screen(800, 600, 2) == 1) {
        fwDraw::ConvertOne("IMAGE.PAK", "A.BMP");
        fwDraw::ReleaseAll();
    }
    // The converter tells no failure: a pack it did not write is missing or empty.
    const std::string pack = work + "IMAGE.PAK";
    std::error_code ec;
    const uintmax_t size = fs::file_size(pack, ec);
    if (ec || size == 0)
        throw std::runtime_error("the image pack " + pack + " was not made: " + (ec ? ec.message() : "it is empty"));
    fs::create_directories(out / "drawpack");
    fs::copy_file(pack, out / "drawpack" / "one.pak", fs::copy_options::overwrite_existing);

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
