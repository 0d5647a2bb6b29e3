#include "framework/sound/midi.h"

#include <gtest/gtest.h>

#include "framework/system/system.h"
#include "game/shell/shell.h"
#include "platform/audio.h"
#include "platform/mci.h"
#include "platform/system.h"
#include "platform/window.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Peak;
using testsupport::Render;

constexpr int kSecond = plat::kMixRate;

class MidiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (plat::MciSoundFontPath().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
        plat::SetAudioOutput(plat::AudioOutput::Buffer);
        plat::SetExecutableDirectory(dir_.path);
        plat::SetMessageBoxesShown(false);
        plat::ClearMessages();
        plat::SetWindowProc(MainWndProc);
        dir_.Write("MIDI/QTW1.MID", testsupport::MakeMidi(2));    // one second
        dir_.Write("MIDI/QTW2.MID", testsupport::MakeMidi(20));   // ten seconds
        fwMidi::Init();
        // The music needs the mixer open as the sound module holds it in the game.
        ASSERT_TRUE(plat::AudioOpen());
    }
    void TearDown() override {
        plat::MciSendString("close all", nullptr);
        MidiOpen = 0;
        plat::AudioClose();
        plat::SetAudioOutput(plat::AudioOutput::Device);
        plat::SetExecutableDirectory("");
        plat::SetWindowProc(nullptr);
        plat::ClearMessages();
    }
    static std::string Mode() {
        std::string reply;
        plat::MciSendString("status midi mode", &reply);
        return reply;
    }
    // Renders tenths of a second until a notice waits (at most `limit`
    // seconds); returns the notices taken, dispatching each to the window
    // procedure as the message loop would.
    static std::vector<uintptr_t> RenderUntilNotice(double limit) {
        std::vector<uintptr_t> notices;
        for (double t = 0; t < limit && notices.empty(); t += 0.1) {
            Render(kSecond / 10);
            plat::Message m;
            while (plat::PeekMessage(m)) {
                if (m.message == plat::MM_MCINOTIFY) notices.push_back(m.wParam);
                plat::DispatchMessage(m);
            }
        }
        return notices;
    }
    testsupport::TempFolder dir_;
};

TEST_F(MidiTest, PlayOpensTheFileBesideTheExecutableAndSounds) {
    fwMidi::Play("MIDI/QTW1.MID", 1);
    EXPECT_EQ(MidiOpen, 1);
    EXPECT_EQ(MidiLoop, 1u);
    EXPECT_EQ(Mode(), "playing");
    EXPECT_GT(Peak(Render(kSecond / 2)), 500);
}

TEST_F(MidiTest, EndOfPieceThroughTheWindowProcedureLoopsIt) {
    fwMidi::Play("MIDI/QTW1.MID", 1);
    EXPECT_EQ(RenderUntilNotice(3.0), (std::vector<uintptr_t>{plat::MCI_NOTIFY_SUCCESSFUL}));
    // The window procedure asked for the mode, saw "stopped" and restarted it.
    EXPECT_EQ(MidiStatus, "stopped");
    EXPECT_EQ(Mode(), "playing");
    EXPECT_EQ(MidiOpen, 1);
    EXPECT_GT(Peak(Render(kSecond / 4)), 500);
    // ... and it ends and notifies again a second after the restart.
    EXPECT_EQ(RenderUntilNotice(3.0), (std::vector<uintptr_t>{plat::MCI_NOTIFY_SUCCESSFUL}));
    EXPECT_EQ(Mode(), "playing");
}

TEST_F(MidiTest, WithoutLoopTheEndedPieceIsClosed) {
    fwMidi::Play("MIDI/QTW1.MID", 0);
    EXPECT_EQ(RenderUntilNotice(3.0), (std::vector<uintptr_t>{plat::MCI_NOTIFY_SUCCESSFUL}));
    EXPECT_EQ(MidiOpen, 0);
    EXPECT_EQ(Mode(), "");  // the alias is gone
    Render(kSecond);
    EXPECT_EQ(Peak(Render(kSecond / 10)), 0);
}

TEST_F(MidiTest, NoticesOtherThanSuccessDoNothing) {
    fwMidi::Play("MIDI/QTW2.MID", 1);
    plat::PostMessage(plat::MM_MCINOTIFY, plat::MCI_NOTIFY_ABORTED, 1);
    plat::PostMessage(plat::MM_MCINOTIFY, plat::MCI_NOTIFY_SUPERSEDED, 1);
    RenderUntilNotice(0.1);
    EXPECT_EQ(MidiOpen, 1);
    EXPECT_EQ(Mode(), "playing");
    // A success notice while the piece still plays (mode not "st...") does
    // not restart it either.
    Render(kSecond);
    plat::PostMessage(plat::MM_MCINOTIFY, plat::MCI_NOTIFY_SUCCESSFUL, 1);
    RenderUntilNotice(0.1);
    EXPECT_EQ(MidiStatus, "playing");
}

TEST_F(MidiTest, SecondPlayClosesTheFirstPieceFirst) {
    fwMidi::Play("MIDI/QTW2.MID", 1);
    Render(kSecond / 2);
    fwMidi::Play("MIDI/QTW1.MID", 0);
    EXPECT_EQ(MidiOpen, 1);
    EXPECT_EQ(MidiLoop, 0u);
    EXPECT_EQ(Mode(), "playing");
    // The first piece's pending notice was aborted; the second one (one
    // second long) ends on time.
    std::vector<uintptr_t> notices = RenderUntilNotice(1.5);
    EXPECT_EQ(notices, (std::vector<uintptr_t>{plat::MCI_NOTIFY_ABORTED}));
    notices = RenderUntilNotice(1.5);
    EXPECT_EQ(notices, (std::vector<uintptr_t>{plat::MCI_NOTIFY_SUCCESSFUL}));
    EXPECT_EQ(MidiOpen, 0);
}

TEST_F(MidiTest, StopSilencesAndASecondStopSendsNothing) {
    fwMidi::Play("MIDI/QTW2.MID", 1);
    Render(kSecond / 2);
    EXPECT_EQ(fwMidi::Stop(), 1);
    EXPECT_EQ(MidiOpen, 0);
    EXPECT_EQ(Mode(), "");
    EXPECT_EQ(Peak(testsupport::Heard(kSecond)), 0);
    // Another user's alias "midi": a second Stop must leave it alone.
    std::string file = dir_.path + "/MIDI/QTW2.MID";
    ASSERT_EQ(plat::MciSendString("open \"" + file + "\" type sequencer alias midi", nullptr), plat::kMciOk);
    fwMidi::Stop();
    EXPECT_EQ(Mode(), "stopped");
    // Close does not look at MidiOpen.
    fwMidi::Close();
    EXPECT_EQ(Mode(), "");
    EXPECT_EQ(MidiOpen, 0);
}

TEST_F(MidiTest, EscapeStopsTheMusicAndQuits) {
    fwMidi::Play("MIDI/QTW2.MID", 1);
    Render(kSecond / 2);
    QuitDone = 0;
    QuitState = 0;
    OnKeyDown(plat::VK_ESCAPE);
    EXPECT_EQ(MidiOpen, 0);
    EXPECT_EQ(Mode(), "");
    Render(kSecond);
    EXPECT_EQ(Peak(Render(kSecond / 10)), 0);
    // Exactly one notice, the aborted play; the quit's own Stop and Close
    // found nothing open.
    std::vector<uintptr_t> notices;
    plat::Message m;
    while (plat::PeekMessage(m))
        if (m.message == plat::MM_MCINOTIFY) notices.push_back(m.wParam);
    EXPECT_EQ(notices, (std::vector<uintptr_t>{plat::MCI_NOTIFY_ABORTED}));
    QuitDone = 0;
    QuitState = 0;
}

TEST_F(MidiTest, MissingFilePlaysNothingAndReportsNothing) {
    ::testing::internal::CaptureStderr();
    fwMidi::Play("MIDI/NONE.MID", 1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(MidiOpen, 1);  // set whether or not the open succeeded
    EXPECT_EQ(Mode(), "");
    EXPECT_EQ(Peak(Render(kSecond / 2)), 0);
    EXPECT_TRUE(RenderUntilNotice(0.5).empty());
    fwMidi::Stop();
    EXPECT_EQ(MidiOpen, 0);
}

// Files that are there but cannot be played: the music does what the rules
// give for a failed open (MidiOpen 1, nothing open, no notice, silence), and
// one line on stderr names the file and what is wrong with it. Nothing
// reaches the synthesiser, so no soundfont is needed.
TEST(MidiFiles, AnUnplayableFileIsNamedOnStderrWithItsFault) {
    testsupport::TempFolder dir;
    plat::SetAudioOutput(plat::AudioOutput::Buffer);
    plat::SetExecutableDirectory(dir.path);
    plat::ClearMessages();
    fwMidi::Init();
    ASSERT_TRUE(plat::AudioOpen());  // as the sound module holds it in the game

    const std::vector<uint8_t> good = testsupport::MakeMidi(4);  // a 43-byte track from byte 14
    auto patched = [&](size_t at, const std::vector<uint8_t>& bytes) { return testsupport::Patched(good, at, bytes); };
    std::vector<uint8_t> noise(1000);
    uint32_t seed = 7;
    for (uint8_t& b : noise) b = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
    std::vector<uint8_t> endless(300, 0x80);  // a delta time that never ends
    endless.push_back(0);
    std::vector<uint8_t> longest;  // nine program changes, each 2^28 - 1 ticks after the one before
    for (int i = 0; i < 9; ++i) longest.insert(longest.end(), {0xFF, 0xFF, 0xFF, 0x7F, 0xC0, 0});
    const testsupport::BrokenFile cases[] = {
        {"EMPTY.MID", {}, "the file is empty"},
        {"TEN.MID", {good.begin(), good.begin() + 10}, "the file ends inside its header, after 10 bytes"},
        {"HALF.MID", {good.begin(), good.begin() + 32}, "track 1 at byte 14 claims 43 bytes, 10 are left in the file"},
        {"LONG.MID", patched(18, {0, 0, 0x10, 0}), "track 1 at byte 14 claims 4096 bytes, 43 are left in the file"},
        {"SHORT.MID", patched(21, {41}), "track 1 ends inside the event at byte 61"},
        {"TRACKS.MID", patched(10, {0xFF, 0xFF}), "the header announces 65535 tracks, more than the 128 the player takes"},
        {"TWO.MID", patched(11, {2}), "the header announces 2 tracks, the file holds 1"},
        {"DIVISION.MID", patched(12, {0, 0}), "a time division of 0 ticks per beat"},
        {"SMPTE.MID", patched(12, {0xE7, 40}), "time counted in SMPTE frames, which the player does not take"},
        {"ENDLESS.MID", testsupport::MidiWithTrack(endless),
         "track 1 has a variable-length number of more than 4 bytes in the event at byte 22"},
        {"TICKS.MID", testsupport::MidiWithTrack(longest), "track 1 runs past 2^31 ticks at byte 70"},
        {"SYSEX.MID", testsupport::MidiWithTrack({0, 0xF0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 0xF7}),
         "track 1 has a system-exclusive event at byte 22 claiming 268435455 bytes, 3 are left in the track"},
        {"ESCAPE.MID", testsupport::MidiWithTrack({0, 0xF7, 1, 0xF0, 0, 0xFF, 0x2F, 0}),
         "track 1 has a system message 247 at byte 22, which the player does not take"},
        {"TEMPO.MID", testsupport::MidiWithTrack({0, 0xFF, 0x51, 2, 7, 0xA1, 0, 0xFF, 0x2F, 0}),
         "track 1 has a meta event of kind 81 and 2 bytes at byte 22, not 3"},
        {"NOISE.MID", noise, "not a MIDI file (it does not begin with \"MThd\")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = std::string("MIDI/") + c.name;
        dir.Write(name, c.bytes);
        ::testing::internal::CaptureStderr();
        fwMidi::Play(name, 1);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  "fwMidi::Play : " + name + " cannot be played: " + c.fault + "\n");
        EXPECT_EQ(MidiOpen, 1);
        std::string mode = "x";
        EXPECT_EQ(plat::MciSendString("status midi mode", &mode), plat::kMciInvalidDeviceName);
        EXPECT_EQ(Peak(Render(kSecond / 10)), 0);
        plat::Message m;
        EXPECT_FALSE(plat::PeekMessage(m));  // no notice
        fwMidi::Stop();
    }
    // Every kind of event, running status, and a chunk of another kind
    // before the track: played.
    std::vector<uint8_t> rich = testsupport::MidiWithTrack({0, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20, 0, 0xF0, 3, 0x7E,
                                                            0x7F, 0xF7, 0, 0xFF, 0x01, 2, 'h', 'i', 0, 0x90, 60, 100,
                                                            0x60, 60, 0, 0, 0xC0, 5, 0, 0xE0, 0, 0x40, 0, 0xFF, 0x2F, 0});
    rich.insert(rich.begin() + 14, {'X', 't', 'r', 'a', 0, 0, 0, 1, 9});
    dir.Write("MIDI/RICH.MID", rich);
    ::testing::internal::CaptureStderr();
    fwMidi::Play("MIDI/RICH.MID", 1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr().find("cannot be played"), std::string::npos);
    Render(kSecond / 20);  // half its length: the synthesiser's player took it
    std::string mode;
    EXPECT_EQ(plat::MciSendString("status midi mode", &mode), plat::kMciOk);
    EXPECT_EQ(mode, "playing");
    fwMidi::Stop();
    plat::AudioClose();
    plat::SetAudioOutput(plat::AudioOutput::Device);
    plat::SetExecutableDirectory("");
}

TEST_F(MidiTest, NameTooLongForTheCommandIsRefused) {
    fwMidi::Play("MIDI/QTW2.MID", 1);
    fwMidi::Play(std::string(300, 'A') + ".MID", 0);
    EXPECT_EQ(MidiLoop, 1u);
    EXPECT_EQ(Mode(), "playing");
}

}  // namespace
