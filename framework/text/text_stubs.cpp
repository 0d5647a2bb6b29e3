// Placeholder bodies until the text module lands.
#include "framework/text/text.h"

namespace fwDraw {
int InitFonts() { return 1; }
void FreeFonts() {}
}
