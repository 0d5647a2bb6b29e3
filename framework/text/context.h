// The text functions' drawing context: the font made from LogFont selected
// into a context of one surface (TextDC, TextFont, TextOldFont). Shared by
// the text calls and the layouts, which move it between surfaces.
#pragma once

namespace plat {
struct Surface;
}

namespace fwDraw {

// Creates the font from LogFont and selects it into a new context of the
// surface (withFont false: the context alone). Without LogFont (before
// InitFonts) nothing is opened.
void OpenTextContext(plat::Surface* surface, bool withFont = true);
// Puts the old font back, deletes the font and gives the context back.
void CloseTextContext();

}  // namespace fwDraw
