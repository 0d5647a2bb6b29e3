#include "framework/sound/midi.h"

#include <gtest/gtest.h>

#include "framework/system/system.h"
#include "game/shell/shell.h"
#include "platform/audio.h"
#include "platform/mci.h"
#include "platform/system.h"
#include "platform/window.h"
#include "tests/support/sound_files.h"

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
    testsupport::ScratchDir dir_;
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
    EXPECT_EQ(Peak(Render(kSecond)), 0);
    // Another user's alias "midi": a second Stop must leave it alone.
    std::string file = dir_.path + "MIDI/QTW2.MID";
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

TEST_F(MidiTest, NameTooLongForTheCommandIsRefused) {
    fwMidi::Play("MIDI/QTW2.MID", 1);
    fwMidi::Play(std::string(300, 'A') + ".MID", 0);
    EXPECT_EQ(MidiLoop, 1u);
    EXPECT_EQ(Mode(), "playing");
}

}  // namespace
