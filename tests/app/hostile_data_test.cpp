// The play driver on a data folder where three of the game's own files are
// replaced by broken ones.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/bitmaps.h"
#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using testsupport::Count;

// What begins each of the game's lines: its window's title.
const std::string kGame = "VORNQUIST SF SHOOTING: ";

// The title picture with a colour count of 2^31 at 8 bits, the shot sound
// cut in half, the first stage's music with a time division of 0: each is
// named on stderr with what is wrong, the loads fail as the rules say, and
// the game goes on from the title into stage 1.
// The title, then stage 1 on the data folder, for 110 frames; `timeout`
// ends a start that would wait for ever.
testsupport::RunResult PlayFromTheTitle(const std::string& data) {
    return testsupport::Run(std::string("timeout 60 '") + VQ_PLAYTEST + "' --data '" + data +
                            "' --frames 110 --key 2:Return --key 10:F1 --print 1:ErrorFlag,ImgTitlec,SndShot "
                            "--print 11:StageTick,MidiOpen --print 110:SceneNumber,StageTick 2>&1");
}

// The title picture, the shot sound and the first music failed to load as
// the rules say, and the game still went from the title into stage 1.
void ExpectLoadsFailedAndTheGamePlayedOn(const std::string& out) {
    EXPECT_EQ(testsupport::Value(out, 1, "ErrorFlag"), "1");
    EXPECT_EQ(testsupport::Value(out, 1, "ImgTitlec"), "0");
    EXPECT_EQ(testsupport::Value(out, 1, "SndShot"), "-1");
    EXPECT_EQ(testsupport::Value(out, 11, "MidiOpen"), "1");
    EXPECT_EQ(testsupport::Value(out, 110, "SceneNumber"), "2");
    EXPECT_EQ(testsupport::Value(out, 110, "StageTick"), "100");
}

// A data folder of links to the build's own files.
void LinkData(const fs::path& data) {
    const fs::path built = VQ_DATA_DIR;
    for (const char* sub : {"IMAGE", "SOUND", "MIDI"}) {
        fs::create_directory(data / sub);
        for (const auto& e : fs::directory_iterator(built / sub)) fs::create_symlink(e.path(), data / sub / e.path().filename());
    }
    for (const auto& e : fs::directory_iterator(built))
        if (e.path().extension() == ".BMP") fs::create_symlink(e.path(), data / e.path().filename());
}

TEST(HostileData, EachBrokenFileIsNamedWithItsFaultAndTheGamePlaysOn) {
    testsupport::TempFolder folder;
    const fs::path data = folder.path, built = VQ_DATA_DIR;
    LinkData(data);

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

    auto r = PlayFromTheTitle(folder.path);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(Count(r.out, kGame + "エラー発生: fwDraw::LoadObject : BMPファイルを読み込めません : IMAGE/TITLEC.BMP\n"), 1u)
        << r.out;
    EXPECT_EQ(Count(r.out, kGame + "エラー発生: fwSound::LoadObject : SOUND/SHOT.WAV : the RIFF chunk claims "), 1u)
        << r.out;
    EXPECT_EQ(Count(r.out, "見つかりません"), 0u) << r.out;
    const std::string midi = "fwMidi::Play : MIDI/QTW1.MID cannot be played: a time division of 0 ticks per beat\n";
    EXPECT_EQ(Count(r.out, kGame + midi), 1u) << r.out;
    ExpectLoadsFailedAndTheGamePlayedOn(r.out);
}

// A named pipe (with no writer), a folder and a link to nothing in place of
// the title picture, the shot sound and the first stage's music: nothing
// waits, each is named with what it is, and the game goes from the title
// into stage 1.
TEST(HostileData, WhatIsNotAFileIsRefusedAtOnce) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
        const char* says;
    };
    const Case cases[] = {
        {"pipe", [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, "a named pipe, not a file"},
        {"folder", [](const fs::path& p) { fs::create_directory(p); }, "a folder, not a file"},
        {"link", [](const fs::path& p) { fs::create_symlink(p.string() + ".gone", p); }, "a symbolic link to nothing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempFolder folder;
        const fs::path data = folder.path;
        LinkData(data);
        for (const char* file : {"IMAGE/TITLEC.BMP", "SOUND/SHOT.WAV", "MIDI/QTW1.MID"}) {
            fs::remove(data / file);
            c.make(data / file);
        }
        auto r = PlayFromTheTitle(folder.path);
        ASSERT_EQ(r.status, 0) << r.out;
        const std::string says = std::string(" : ") + c.says + "\n";
        EXPECT_EQ(Count(r.out, kGame + "エラー発生: fwDraw::LoadObject : IMAGE/TITLEC.BMP" + says), 1u) << r.out;
        EXPECT_EQ(Count(r.out, kGame + "エラー発生: fwSound::LoadObject : SOUND/SHOT.WAV" + says), 1u) << r.out;
        EXPECT_EQ(Count(r.out, kGame + "fwMidi::Play : MIDI/QTW1.MID cannot be played: " + c.says + "\n"), 1u)
            << r.out;
        ExpectLoadsFailedAndTheGamePlayedOn(r.out);
    }
}

}  // namespace
