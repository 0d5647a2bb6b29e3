// Bitmap files through the draw-object loader.
#include "framework/draw/draw.h"
#include "framework/system/system.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzz::ScreenReady()) return 0;
    fuzz::WriteInput("IMAGE.BMP", data, size);
    const fuzz::DrawTableAsFound table;
    const int handle = fwDraw::LoadObject("IMAGE.BMP", 0);
    if (handle > 0) fwDraw::ReleaseObject(handle);
    ErrorFlag = 0;
    return 0;
}
