#include "platform/window.h"

#include <gtest/gtest.h>

namespace {

TEST(Window, SoftwareRasterisersAreToldFromGraphicsHardwareByTheirRendererName) {
    struct Case {
        const char* name;
        bool software;
    };
    const Case cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
        {"softpipe", true},
        {"Software Rasterizer", true},
        {"Mesa X11 swrast", true},
        {"SWR (LLVM 10.0.0, 256 bits)", true},
        {"zink (llvmpipe (LLVM 15.0.6, 256 bits))", true},
        {"D3D12 (Microsoft Basic Render Driver)", true},
        {"GDI Generic", true},
        {"AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49, 6.1.0-18-amd64)", false},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
        {"NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2", false},
        {"virgl (NVIDIA GeForce RTX 3070)", false},
        {"SVGA3D; build: RELEASE;  LLVM;", false},
        {"", false},
        {nullptr, false},
    };
    for (const Case& c : cases) EXPECT_EQ(plat::IsSoftwareRasteriser(c.name), c.software) << (c.name ? c.name : "null");
}

}  // namespace
