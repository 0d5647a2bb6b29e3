// Image packs through the entry search and the pack loader.
#include "framework/draw/draw.h"
#include "framework/draw/pack.h"
#include "framework/system/system.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzz::ScreenReady()) return 0;
    fuzz::WriteInput("IMAGE.PAK", data, size);
    const fuzz::DrawTableAsFound table;
    fwDraw::SetPackFile("IMAGE.PAK");
    for (const char* name : {"A.BMP", "SZAK10.BMP"}) {
        const int handle = fwDraw::LoadPack(name, 0);
        if (handle > 0) fwDraw::ReleaseObject(handle);
    }
    ErrorFlag = 0;
    return 0;
}
