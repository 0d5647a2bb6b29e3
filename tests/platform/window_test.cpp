#include "platform/window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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

// Keys as the window takes them: SDL events pushed on the dummy video
// driver, each followed by every message it gives.
class WindowKeys : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(plat::DisplayAvailable()); }
    void TearDown() override { Clear(); }
    static void Clear() {
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        plat::ClearMessages();
        plat::ResetKeyStates();
    }
    // The messages as "down 16", "again 16" (a repeat), "up 16", with "sys"
    // before the system-key ones.
    static void Press(SDL_Keycode key, bool down, std::string& taken) {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.sym = key;
        SDL_PushEvent(&e);
        for (plat::Message m; plat::PeekMessage(m);) {
            const bool sys = m.message == plat::WM_SYSKEYDOWN || m.message == plat::WM_SYSKEYUP;
            const bool up = m.message == plat::WM_KEYUP || m.message == plat::WM_SYSKEYUP;
            taken += std::string(sys ? "sys" : "") + (up ? "up " : m.lParam & (1 << 30) ? "again " : "down ") +
                     std::to_string(m.wParam) + ",";
        }
    }
};

TEST_F(WindowKeys, EitherKeyOfAModifierPairHoldsItsVirtualKeyDown) {
    struct Case {
        std::vector<std::pair<SDL_Keycode, bool>> presses;
        int vk;
        const char* held;  // after each press
        const char* messages;
    };
    const Case cases[] = {
        {{{SDLK_LSHIFT, 1}, {SDLK_RSHIFT, 1}, {SDLK_RSHIFT, 0}, {SDLK_LSHIFT, 0}}, plat::VK_SHIFT, "1110",
         "down 16,again 16,up 16,"},
        {{{SDLK_RSHIFT, 1}, {SDLK_LSHIFT, 1}, {SDLK_LSHIFT, 0}, {SDLK_RSHIFT, 0}}, plat::VK_SHIFT, "1110",
         "down 16,again 16,up 16,"},
        {{{SDLK_LCTRL, 1}, {SDLK_RCTRL, 1}, {SDLK_RCTRL, 0}, {SDLK_LCTRL, 0}}, plat::VK_CONTROL, "1110",
         "down 17,again 17,up 17,"},
        {{{SDLK_RCTRL, 1}, {SDLK_LCTRL, 1}, {SDLK_LCTRL, 0}, {SDLK_RCTRL, 0}}, plat::VK_CONTROL, "1110",
         "down 17,again 17,up 17,"},
        // X with Alt still held is a system key.
        {{{SDLK_LALT, 1}, {SDLK_RALT, 1}, {SDLK_RALT, 0}, {SDLK_x, 1}, {SDLK_LALT, 0}}, plat::VK_MENU, "11110",
         "sysdown 18,sysagain 18,sysdown 88,sysup 18,"},
        {{{SDLK_RALT, 1}, {SDLK_LALT, 1}, {SDLK_LALT, 0}, {SDLK_RALT, 0}}, plat::VK_MENU, "1110",
         "sysdown 18,sysagain 18,sysup 18,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("case " + std::to_string(&c - cases));
        Clear();
        std::string messages, held;
        for (const auto& [key, down] : c.presses) {
            Press(key, down, messages);
            held += plat::GetKeyState(c.vk) < 0 ? '1' : '0';
        }
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(held, c.held);
    }
}

}  // namespace
