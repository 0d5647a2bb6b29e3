// Placeholder bodies until the text module lands.
#include "framework/text/text.h"

namespace fwDraw {
void FreeFonts() {}
}
