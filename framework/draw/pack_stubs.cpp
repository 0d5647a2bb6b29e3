// Placeholder until the image pack lands: nothing is packed yet.
#include "framework/draw/object.h"

namespace fwDraw {
int SwapPack(const char*, int, int) { return 0; }
}
