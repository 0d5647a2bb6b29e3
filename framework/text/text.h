// Fonts and text on the back surface.
#pragma once

namespace fwDraw {
int InitFonts();
void FreeFonts();
}
