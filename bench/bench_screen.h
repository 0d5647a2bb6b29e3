// One 800 x 600 screen, set up once for a whole benchmark run.
#pragma once
#include "framework/draw/draw.h"
#include "framework/system/system.h"
#include "platform/system.h"

namespace benchsupport {

inline void SetUpScreen() {
    static bool done = false;
    if (done) return;
    done = true;
    plat::SetMessageBoxesShown(false);
    FullScreen = 1;
    fwDraw::Screen(800, 600, 2);
}

}  // namespace benchsupport
