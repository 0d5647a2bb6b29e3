#include "platform/mci.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "platform/audio.h"
#include "platform/window.h"
#include "tests/support/run.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Peak;
using testsupport::Render;

constexpr int kSecond = plat::kMixRate;

// The notices waiting in the window's queue, oldest first.
std::vector<uintptr_t> TakeNotices() {
    std::vector<uintptr_t> notices;
    plat::Message m;
    while (plat::PeekMessage(m))
        if (m.message == plat::MM_MCINOTIFY) notices.push_back(m.wParam);
    return notices;
}

class MciTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (plat::MciSoundFontPath().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
        plat::SetAudioOutput(plat::AudioOutput::Buffer);
        ASSERT_TRUE(plat::AudioOpen());
        plat::ClearMessages();
        file_ = dir_.Write("SONG.MID", testsupport::MakeMidi(2));  // one second
    }
    void TearDown() override {
        plat::MciSendString("close all", nullptr);
        plat::AudioClose();
        plat::SetAudioOutput(plat::AudioOutput::Device);
        plat::ClearMessages();
    }
    int Send(const std::string& command, std::string* reply = nullptr) { return plat::MciSendString(command, reply); }
    std::string Mode() {
        std::string reply;
        Send("status midi mode", &reply);
        return reply;
    }
    void OpenAndPlay() {
        ASSERT_EQ(Send("open \"" + file_ + "\" type sequencer alias midi"), plat::kMciOk);
        ASSERT_EQ(Send("seek midi to start"), plat::kMciOk);
        ASSERT_EQ(Send("play midi notify"), plat::kMciOk);
    }
    // Renders in tenths of a second until the piece reports stopped;
    // returns the seconds that took (capped at `limit`).
    double RenderUntilStopped(double limit) {
        double t = 0;
        while (Mode() == "playing" && t < limit) {
            Render(kSecond / 10);
            t += 0.1;
        }
        return t;
    }
    // Plays the pieces one after another and checks that nothing was read
    // from the soundfont meanwhile and that what channel 1 plays from half a
    // second into the last one was kept from its open (and is `expected`,
    // unless that is {-1, -1}).
    void PlayWithoutReads(const std::vector<std::vector<uint8_t>>& pieces, std::pair<int, int> expected) {
        const long readsBefore = plat::MciSoundFontReadsWhileMixing();
        std::pair<int, int> played;
        std::vector<std::pair<int, int>> pinned;
        for (const auto& piece : pieces) {
            ASSERT_EQ(Send("open \"" + dir_.Write("PIECE.MID", piece) + "\" type sequencer alias midi"), plat::kMciOk);
            Send("play midi");
            Render(kSecond * 3 / 4);  // into the note
            played = plat::MciChannelInstrument(0);
            pinned = plat::MciPinnedInstruments();
            Render(kSecond / 2);
            Send("close midi");
        }
        EXPECT_EQ(plat::MciSoundFontReadsWhileMixing() - readsBefore, 0);
        EXPECT_NE(std::find(pinned.begin(), pinned.end(), played), pinned.end())
            << "bank " << played.first << " program " << played.second << " plays but was not kept";
        if (expected.first >= 0) {
            EXPECT_EQ(played, expected);
        }
    }
    testsupport::TempFolder dir_;
    std::string file_;
};

TEST_F(MciTest, PlayedPieceSoundsEndsOnceAndReportsStopped) {
    OpenAndPlay();
    EXPECT_EQ(Mode(), "playing");
    EXPECT_GT(Peak(Render(kSecond / 2)), 500);
    EXPECT_TRUE(TakeNotices().empty());
    double t = RenderUntilStopped(5.0);
    EXPECT_GE(t, 0.45);  // half a second rendered already, one in all
    EXPECT_LE(t, 0.65);
    EXPECT_EQ(Mode(), "stopped");
    EXPECT_EQ(TakeNotices(), (std::vector<uintptr_t>{plat::MCI_NOTIFY_SUCCESSFUL}));
    Render(kSecond);
    EXPECT_TRUE(TakeNotices().empty());
    EXPECT_EQ(Mode(), "stopped");
}

TEST_F(MciTest, SeekAndPlayStartTheEndedPieceAgain) {
    OpenAndPlay();
    RenderUntilStopped(5.0);
    ASSERT_EQ(TakeNotices().size(), 1u);
    Render(kSecond);  // the ring-out is over
    EXPECT_EQ(Peak(Render(kSecond / 10)), 0);
    ASSERT_EQ(Send("seek midi to start"), plat::kMciOk);
    ASSERT_EQ(Send("play midi notify"), plat::kMciOk);
    EXPECT_EQ(Mode(), "playing");
    EXPECT_GT(Peak(Render(kSecond / 2)), 500);
    RenderUntilStopped(5.0);
    EXPECT_EQ(TakeNotices(), (std::vector<uintptr_t>{plat::MCI_NOTIFY_SUCCESSFUL}));
}

TEST_F(MciTest, StopBringsSilenceWithinASecondAndAbortsTheNotice) {
    file_ = dir_.Write("LONG.MID", testsupport::MakeMidi(20));
    OpenAndPlay();
    Render(kSecond / 4);
    ASSERT_EQ(Send("stop midi"), plat::kMciOk);
    EXPECT_EQ(Mode(), "stopped");
    Render(kSecond);
    EXPECT_EQ(Peak(Render(kSecond)), 0);
    EXPECT_EQ(TakeNotices(), (std::vector<uintptr_t>{plat::MCI_NOTIFY_ABORTED}));
}

TEST_F(MciTest, CloseBringsSilenceAtOnceAndAbortsTheNotice) {
    file_ = dir_.Write("LONG.MID", testsupport::MakeMidi(20));
    OpenAndPlay();
    Render(kSecond / 4);
    ASSERT_EQ(Send("close midi"), plat::kMciOk);
    EXPECT_EQ(Peak(testsupport::Heard(kSecond)), 0);
    EXPECT_EQ(TakeNotices(), (std::vector<uintptr_t>{plat::MCI_NOTIFY_ABORTED}));
    std::string reply = "x";
    EXPECT_EQ(Send("status midi mode", &reply), plat::kMciInvalidDeviceName);
    EXPECT_EQ(reply, "");
}

TEST_F(MciTest, CommandsForAnAliasThatIsNotOpenDoNothing) {
    std::string reply = "x";
    EXPECT_EQ(Send("status midi mode", &reply), plat::kMciInvalidDeviceName);
    EXPECT_EQ(reply, "");
    EXPECT_EQ(Send("seek midi to start"), plat::kMciInvalidDeviceName);
    EXPECT_EQ(Send("play midi notify"), plat::kMciInvalidDeviceName);
    EXPECT_EQ(Send("stop midi"), plat::kMciInvalidDeviceName);
    EXPECT_EQ(Send("close midi"), plat::kMciInvalidDeviceName);
    // Another alias than the open one is just as unknown.
    OpenAndPlay();
    EXPECT_EQ(Send("stop music"), plat::kMciInvalidDeviceName);
    EXPECT_EQ(Mode(), "playing");
    Render(kSecond / 10);
    EXPECT_TRUE(TakeNotices().empty());
}

TEST_F(MciTest, OpenRefusesMissingAndBrokenFilesAndASecondAlias) {
    EXPECT_EQ(Send("open \"" + dir_.path + "/NONE.MID\" type sequencer alias midi"), plat::kMciFileNotFound);
    auto midi = testsupport::MakeMidi(2);
    midi.resize(midi.size() - 3);  // the track chunk is cut short
    std::string cut = dir_.Write("CUT.MID", midi);
    EXPECT_EQ(Send("open \"" + cut + "\" type sequencer alias midi"), plat::kMciInvalidFile);
    std::string wave = dir_.Write("A.WAV", testsupport::MakeWave(1, 8000, 8, {1, 2}));
    EXPECT_EQ(Send("open \"" + wave + "\" type sequencer alias midi"), plat::kMciInvalidFile);
    EXPECT_EQ(Send("status midi mode"), plat::kMciInvalidDeviceName);
    ASSERT_EQ(Send("open \"" + file_ + "\" type sequencer alias midi"), plat::kMciOk);
    EXPECT_EQ(Send("open \"" + file_ + "\" type sequencer alias midi"), plat::kMciDuplicateAlias);
    EXPECT_EQ(Send("open \"" + file_ + "\" type sequencer alias other"), plat::kMciDeviceInUse);
    EXPECT_EQ(Send("frobnicate midi"), plat::kMciUnrecognizedCommand);
    EXPECT_EQ(Send(""), plat::kMciUnrecognizedCommand);
}

// A file whose chunks are whole but whose events are cut or overlong is
// refused before the synthesiser or the instrument scan reads a byte of it.
TEST_F(MciTest, EventsCutShortOrOverlongAreRefusedAtOpen) {
    const std::vector<std::vector<uint8_t>> tracks = {
        {0x00, 0xC0},                    // a program change without its program
        {0x00, 0x90, 60},                // a note without its velocity
        {0x81, 0x81, 0x81, 0x81},        // a delta time that never ends
        {0x00, 0xFF, 0x03, 0x7F, 'a'},   // a track name longer than the track
        {0x00, 0xF0, 0x85, 0x00, 0xF7},  // a system exclusive message likewise
        {0x00, 0x40, 0x40},              // data bytes with no status before them
        {0x00, 0xF8, 0x00, 0x90, 60, 100},  // a real-time status, which a file does not hold
    };
    for (const auto& track : tracks) {
        std::vector<uint8_t> midi = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0,
                                     static_cast<uint8_t>(track.size())};
        for (uint8_t byte : track) midi.push_back(byte);
        EXPECT_EQ(Send("open \"" + dir_.Write("ODD.MID", midi) + "\" type sequencer alias midi"),
                  plat::kMciInvalidFile);
    }
}

TEST_F(MciTest, StopThenPlayGoesOnAndNothingSoundsWhileStopped) {
    file_ = dir_.Write("LONG.MID", testsupport::MakeMidi(4));  // two seconds
    OpenAndPlay();
    Render(kSecond);
    Send("stop midi");
    Render(kSecond);
    EXPECT_EQ(Peak(Render(kSecond)), 0);
    Send("play midi notify");
    EXPECT_GT(Peak(Render(kSecond / 4)), 500);
    // One second was left, a quarter of it rendered.
    double t = RenderUntilStopped(5.0);
    EXPECT_GE(t, 0.65);
    EXPECT_LE(t, 0.85);
}

// Whatever order the bank selects and program changes reach the
// synthesiser in, and whatever manner of bank select a reset in a piece or in
// the piece before leaves it in, nothing is read from the soundfont while the
// music plays, and what channel 1 plays was kept from the open. Each case
// plays its pieces one after another; channel 1 plays a note from half a
// second into the last one. The synthesiser keeps one bank per channel for
// the whole file, whichever track sets it; at one tick it takes the tracks in
// their order.
TEST_F(MciTest, NothingIsReadFromTheSoundFontWhilePiecesPlay) {
    const char* const kFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
    if (access(kFont, R_OK) != 0) GTEST_SKIP() << kFont << " is not installed";
    testsupport::ScopedEnv font("SDL_SOUNDFONTS", kFont);
    const std::vector<uint8_t> gmOn = {0, 0xF0, 5, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    // FluidR3_GM's bank 8, program 80 has samples of its own.
    const std::vector<uint8_t> bank8 = {0, 0xB0, 0, 8}, program80 = {0, 0xC0, 80}, end = {0, 0xFF, 0x2F, 0};
    // At 960 ticks a beat and a tenth of a second a beat, one step of the
    // player takes in 14 ticks: track 1's program change at tick 10 goes to
    // the synthesiser before track 2's bank select at tick 3.
    const std::vector<uint8_t> fastTempo = {0, 0xFF, 0x51, 3, 0x01, 0x86, 0xA0, 10, 0xC0, 80, 0, 0xFF, 0x2F, 0};
    const std::vector<uint8_t> lateBank = {3, 0xB0, 0, 8, 0, 0xFF, 0x2F, 0};
    const std::vector<uint8_t> fastNote = {0xA5, 0x40, 0x90, 60, 100, 0xA5, 0x40, 0x80, 60, 0, 0, 0xFF, 0x2F, 0};
    auto slowNote = [&](std::vector<uint8_t> events) {
        return testsupport::Join({events, {0x83, 0x60, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0}, end});
    };
    auto fast = testsupport::Patched(testsupport::MidiWithTracks({fastTempo, lateBank, fastNote}), 12, {0x03, 0xC0});
    // Channel 1's bank select 8 in one track, its program change 4 in the
    // other, at the given ticks; the note in a third.
    auto acrossTracks = [&](bool bankFirst, uint8_t bankTick, uint8_t programTick) {
        const std::vector<uint8_t> bank = {bankTick, 0xB0, 0, 8, 0, 0xFF, 0x2F, 0};
        const std::vector<uint8_t> program = {programTick, 0xC0, 4, 0, 0xFF, 0x2F, 0};
        return testsupport::MidiWithTracks({bankFirst ? bank : program, bankFirst ? program : bank, slowNote({})});
    };
    const std::vector<uint8_t> resetAfterNote = {0,    0xC0, 4,    0,    0x90, 60,   100,  0x83, 0x60, 0x80, 60, 0,
                                                 0,    0xF0, 5,    0x7E, 0x7F, 0x09, 0x01, 0xF7, 0x83, 0x60, 0xFF,
                                                 0x2F, 0};
    std::vector<uint8_t> manyPrograms;  // more than are measured one after another
    for (uint8_t program = 0; program < 40; ++program) manyPrograms.insert(manyPrograms.end(), {0, 0xC0, program});
    struct Case {
        const char* what;
        std::vector<std::vector<uint8_t>> pieces;
        std::pair<int, int> played;  // by channel 1 in the last piece; {-1, -1}: either
    };
    const Case cases[] = {
        {"a General MIDI reset, then bank 8",
         {testsupport::MidiWithTrack(slowNote(testsupport::Join({gmOn, bank8, program80})))}, {0, 80}},
        {"the tracks' events of one step out of tick order", {fast}, {-1, -1}},
        {"bank 8 after a piece with a General MIDI reset",
         {testsupport::MidiWithTrack(slowNote(gmOn)),
          testsupport::MidiWithTrack(slowNote(testsupport::Join({bank8, program80})))},
         {8, 80}},
        {"forty programs, measured side by side", {testsupport::MidiWithTrack(slowNote(manyPrograms))}, {0, 39}},
        {"the bank select first, the program change later in the next track", {acrossTracks(true, 0, 96)}, {8, 4}},
        {"the program change first: the later bank select waits for another", {acrossTracks(true, 96, 0)}, {0, 4}},
        {"at one tick, track 1's bank select first", {acrossTracks(true, 0, 0)}, {8, 4}},
        {"at one tick, track 1's program change first", {acrossTracks(false, 0, 0)}, {0, 4}},
        {"a General MIDI reset after a note: the reset's presets", {testsupport::MidiWithTrack(resetAfterNote)}, {0, 0}},
        {"a bank and a program of 128 and more, which the synthesiser refuses",
         {testsupport::MidiWithTrack(slowNote({0, 0xB0, 0, 0xC8, 0, 0xC0, 0x90}))}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayWithoutReads(c.pieces, c.played);
    }
}

// The GS message that makes a part melodic again selects program 0 of the
// bank its channel has, which is kept from the open like any other. The
// soundfont: TimGM6mb with its first preset, a flute of samples of its own,
// moved to bank 8, program 0.
TEST_F(MciTest, APartMadeMelodicAgainPlaysProgram0OfItsBankKeptFromTheOpen) {
    const char* const kFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    if (access(kFont, R_OK) != 0) GTEST_SKIP() << kFont << " is not installed";
    std::ifstream in(kFont, std::ios::binary);
    std::vector<uint8_t> font((std::istreambuf_iterator<char>(in)), {});
    // The last "phdr" begins the presets' headers, each with its program and bank from byte 20.
    const std::string phdr = "phdr";
    auto first = std::find_end(font.begin(), font.end(), phdr.begin(), phdr.end());
    ASSERT_NE(first, font.end());
    std::copy_n("\0\0\x08\0", 4, first + 8 + 20);
    testsupport::ScopedEnv search("SDL_SOUNDFONTS", dir_.Write("BANK8.SF2", font).c_str());
    // To every device (0x7F): the synthesiser answers its own number, 0, and that.
    const std::vector<uint8_t> part1Melodic = {0, 0xF0, 10, 0x41, 0x7F, 0x42, 0x12, 0x40, 0x11, 0x15, 0x00, 0x1A, 0xF7};
    const std::vector<uint8_t> bank8 = {0, 0xB0, 0, 8}, program5 = {0, 0xC0, 5};
    const std::vector<uint8_t> note = {0x83, 0x60, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0, 0xFF, 0x2F, 0};
    PlayWithoutReads({testsupport::MidiWithTrack(testsupport::Join({bank8, program5, part1Melodic, note}))}, {8, 0});
}

// A file that is not a soundfont, or one cut short, is passed over with a
// line naming it and why, once, before the synthesiser reads any of it; so is
// a whole soundfont that holds no instruments, once the synthesiser has read
// it. The search goes on to the next, and when there is none the line that
// says the music is off names what was tried. Each case opens and plays a
// piece twice.
TEST_F(MciTest, AFileThatIsNotAWholeSoundFontIsPassedOverWithWhy) {
    const std::string good = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    if (access(good.c_str(), R_OK) != 0) GTEST_SKIP() << good << " is not installed";
    // The RIFF of the cut one claims a megabyte.
    const std::vector<uint8_t> text = {'a', ':', 'x', '\n'}, cut = {'R', 'I', 'F', 'F', 0, 0, 0x10, 0, 's', 'f', 'b', 'k'};
    const std::vector<uint8_t> empty = testsupport::MakeEmptySoundFont();
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* why;
        bool aheadOfGood;
    } cases[] = {
        {"TEXT.SF2", text, "not a soundfont", false},
        {"CUT.SF2", cut, "cut short: 12 of 1048584 bytes", false},
        {"TEXT-FIRST.SF2", text, "not a soundfont", true},
        {"CUT-FIRST.SF2", cut, "cut short: 12 of 1048584 bytes", true},
        {"EMPTY.SF2", empty, "holds no instruments", false},
        {"EMPTY-FIRST.SF2", empty, "holds no instruments", true},
        {"BANK5.SF2", testsupport::MakeEmptySoundFont({5}), "holds no General MIDI instruments", false},
        {"KITS-FIRST.SF2", testsupport::MakeEmptySoundFont({128}), "holds no General MIDI instruments", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = dir_.Write(c.name, c.bytes);
        {
            testsupport::ScopedEnv on("SDL_SOUNDFONTS", good.c_str());
            plat::MciPrepare();  // the music on, as a game starts
        }
        testsupport::ScopedEnv search("SDL_SOUNDFONTS", (file + (c.aheadOfGood ? ":" + good : "")).c_str());
        int peak = 0;
        ::testing::internal::CaptureStderr();
        for (int open = 0; open < 2; ++open) {
            Send("open \"" + file_ + "\" type sequencer alias midi");
            Send("play midi");
            peak = std::max(peak, Peak(testsupport::Heard(kSecond / 2)));
            Send("close midi");
        }
        const std::string off = "music is off: no General MIDI soundfont loads (tried " + file + ")\n";
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  "soundfont " + file + " passed over: " + c.why + "\n" + (c.aheadOfGood ? "" : off));
        EXPECT_EQ(peak > 500, c.aheadOfGood);
    }
}

TEST(Mci, WithoutAudioOutputOpenFailsQuietly) {
    testsupport::TempFolder dir;
    std::string file = dir.Write("SONG.MID", testsupport::MakeMidi(1));
    plat::SetAudioOutput(plat::AudioOutput::None);
    EXPECT_EQ(plat::MciSendString("open \"" + file + "\" type sequencer alias midi", nullptr),
              plat::kMciDeviceNotReady);
    EXPECT_EQ(plat::MciSendString("play midi notify", nullptr), plat::kMciInvalidDeviceName);
    plat::SetAudioOutput(plat::AudioOutput::Device);
}

}  // namespace

namespace {

// Without a soundfont the music is silent, and one line says so and where
// the soundfont was looked for; the game goes on.
TEST(SoundFont, NoneFoundSaysMusicIsOffAndWhereItLooked) {
    testsupport::TempFolder empty;
    auto r = testsupport::Run("SDL_SOUNDFONTS='" + empty.path + "' '" + VQ_PLAYTEST + "' --data '" + VQ_DATA_DIR +
                              "' --frames 30 2>&1");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("VORNQUIST SF SHOOTING: music is off: no General MIDI soundfont found (looked for " +
                         empty.path + ")\n"),
              std::string::npos) << r.out;
    EXPECT_NE(r.out.find("frames=30"), std::string::npos) << r.out;
    testsupport::ScopedEnv search("SDL_SOUNDFONTS", (empty.path + ":/no/such/font.sf2").c_str());
    EXPECT_EQ(plat::MciSoundFontPath(), "");
    EXPECT_EQ(plat::MciSoundFontSearch(), (std::vector<std::string>{empty.path, "/no/such/font.sf2"}));
}

}  // namespace
