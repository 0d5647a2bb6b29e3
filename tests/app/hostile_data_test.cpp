// The play driver on a data folder where three of the game's own files are
// replaced by broken ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/bitmaps.h"
#include "tests/support/run.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

size_t Count(const std::string& out, const std::string& what) {
    size_t n = 0;
    for (size_t at = out.find(what); at != std::string::npos; at = out.find(what, at + 1)) ++n;
    return n;
}

// The title picture with a colour count of 2^31 at 8 bits, the shot sound
// cut in half, the first stage's music with a time division of 0: each is
// named on stderr with what is wrong, the loads fail as the rules say, and
// the game goes on from the title into stage 1.
TEST(HostileData, EachBrokenFileIsNamedWithItsFaultAndTheGamePlaysOn) {
    testsupport::TempFolder folder;
    const fs::path data = folder.path, built = VQ_DATA_DIR;
    for (const char* sub : {"IMAGE", "SOUND", "MIDI"}) {
        fs::create_directory(data / sub);
        for (const auto& e : fs::directory_iterator(built / sub)) fs::create_symlink(e.path(), data / sub / e.path().filename());
    }
    for (const auto& e : fs::directory_iterator(built))
        if (e.path().extension() == ".BMP") fs::create_symlink(e.path(), data / e.path().filename());

    fs::remove(data / "IMAGE/TITLEC.BMP");
    ASSERT_TRUE(testsupport::WriteBytes(data / "IMAGE/TITLEC.BMP",
                                        testsupport::BitmapBytes(440, 480, 8, 0, 1024, 440 * 480, 0x80000000u)));
    std::vector<uint8_t> shot = ReadAll(built / "SOUND/SHOT.WAV");
    ASSERT_GT(shot.size(), 100u);
    shot.resize(shot.size() / 2);
    fs::remove(data / "SOUND/SHOT.WAV");
    ASSERT_TRUE(testsupport::WriteBytes(data / "SOUND/SHOT.WAV", shot));
    std::vector<uint8_t> music = ReadAll(built / "MIDI/QTW1.MID");
    ASSERT_GT(music.size(), 14u);
    music[12] = music[13] = 0;
    fs::remove(data / "MIDI/QTW1.MID");
    ASSERT_TRUE(testsupport::WriteBytes(data / "MIDI/QTW1.MID", music));

    auto r = testsupport::Run(std::string("'") + VQ_PLAYTEST + "' --data '" + folder.path +
                              "' --frames 110 --key 2:Return --key 10:F1 --print 1:ErrorFlag,ImgTitlec,SndShot "
                              "--print 11:StageTick,MidiOpen --print 110:SceneNumber,StageTick 2>&1");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(Count(r.out, "エラー発生: fwDraw::LoadObject : BMPファイルを読み込めません : IMAGE/TITLEC.BMP\n"), 1u)
        << r.out;
    EXPECT_EQ(Count(r.out, "エラー発生: fwSound::LoadObject : SOUND/SHOT.WAV : the RIFF chunk claims "), 1u) << r.out;
    EXPECT_EQ(Count(r.out, "見つかりません"), 0u) << r.out;
    EXPECT_EQ(Count(r.out, "fwMidi::Play : MIDI/QTW1.MID cannot be played: a time division of 0 ticks per beat\n"), 1u)
        << r.out;
    EXPECT_EQ(testsupport::Value(r.out, 1, "ErrorFlag"), "1");
    EXPECT_EQ(testsupport::Value(r.out, 1, "ImgTitlec"), "0");
    EXPECT_EQ(testsupport::Value(r.out, 1, "SndShot"), "-1");
    EXPECT_EQ(testsupport::Value(r.out, 11, "MidiOpen"), "1");
    EXPECT_EQ(testsupport::Value(r.out, 110, "SceneNumber"), "2");
    EXPECT_EQ(testsupport::Value(r.out, 110, "StageTick"), "100");
}

}  // namespace
