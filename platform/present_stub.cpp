// Placeholder until the present lands.
#include "platform/present.h"

namespace plat {
bool SavePresentedFrame(const std::string&) { return false; }
}
