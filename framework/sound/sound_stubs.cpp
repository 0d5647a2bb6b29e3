// Placeholder bodies until the sound module lands.
#include "framework/sound/midi.h"
#include "framework/sound/sound.h"
#include "platform/mci.h"

int32_t MidiOpen;
std::string MidiStatus;

namespace fwSound {
int Init() { return 0; }
void ErrorBeep() {}
void ReleaseAll() {}
}  // namespace fwSound

namespace fwMidi {
int Init() { return 1; }
int Stop() { return 1; }
int Close() { return 1; }
void OnNotify() {}
}  // namespace fwMidi

namespace plat {
int MciSendString(const std::string&, std::string* reply) {
    if (reply) *reply = "stopped";
    return 0;
}
}  // namespace plat
