// fwMidi: background music through the sequencer's string commands.
#include "framework/sound/midi.h"

#include <cstdio>

#include "framework/system/named.h"
#include "framework/system/system.h"
#include "platform/mci.h"
#include "platform/window.h"

int32_t MidiOpen;
uint32_t MidiLoop = 1;
std::string MidiStatus;

namespace fwMidi {
namespace {

// The open command must fit the 256-character command buffer.
constexpr size_t kCommandMax = 255;

void Send(const char* command) { plat::MciSendString(command, nullptr); }

void Rewind() {
    Send("seek midi to start");
    Send("play midi notify");
}

}  // namespace

int Init() {
    MidiOpen = 0;
    MidiLoop = 1;
    plat::MciPrepare();
    return 1;
}

void Play(const std::string& name, uint32_t loop) {
    const std::string open = "open \"" + fwSystem::GetExeDirectory(0) + name + "\" type sequencer alias midi";
    if (open.size() > kCommandMax) return;  // refused: the name does not fit
    if (MidiOpen == 1) Stop();
    // The piece plays or not as before; a file that is there but cannot be
    // played is named on stderr with what is wrong with it.
    if (plat::MciSendString(open, nullptr) == plat::kMciInvalidFile) {
        std::fprintf(stderr, "%sfwMidi::Play : %s cannot be played: %s\n", plat::LinePrefix().c_str(), name.c_str(),
                     plat::MciFileFault().c_str());
        std::fflush(stderr);
    }
    Rewind();
    MidiOpen = 1;
    MidiLoop = loop;
}

void OnNotify() {
    if (MidiLoop == 1) Rewind();
    else Stop();
}

int Stop() {
    if (MidiOpen != 1) return 1;
    Close();
    MidiOpen = 0;
    return 1;
}

int Close() {
    Send("stop midi");
    Send("close midi");
    return 1;
}

void ClearLoop() { MidiLoop = 0; }

}  // namespace fwMidi

namespace {
named::Registrar reg([] {
    NAMED_SCALAR(MidiOpen);
    NAMED_SCALAR(MidiLoop);
});
}  // namespace
