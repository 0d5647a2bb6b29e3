// Placeholder bodies until the sound pack and its streams land.
#include "framework/sound/sound.h"
#include "framework/system/system.h"

namespace fwSound {
void SetPackFile(const std::string& name) { SoundPackPath = fwSystem::GetExeDirectory(0) + name; }
int LoadPack(const std::string&, int) { return -1; }
int LoadStream(const std::string&, uint32_t) { return -1; }
int Streaming() { return 1; }
int ResetStream(int) { return 0; }
int Convert(const std::string&, const std::string&, int) { return 1; }
void ConvertOne(const std::string&, const std::string&) {}
}  // namespace fwSound
