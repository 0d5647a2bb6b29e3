#include "platform/window.h"

#include <SDL.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>

#include "platform/clock.h"
#include "platform/scale.h"

namespace plat {
namespace {

SDL_Window* gWindow = nullptr;
SDL_Renderer* gRenderer = nullptr;
bool gOwnSurface = false;  // the picture goes to the window's surface
int gLogicalW = 0, gLogicalH = 0;
WindowProc gProc = nullptr;
bool gVideoUp = false;

std::mutex gQueueLock;
std::deque<Message> gQueue;

std::array<uint8_t, 256> gKeyDown{};
std::array<uint8_t, 256> gKeyToggle{};
// The keys of a modifier pair that SDL reports down, by virtual key: bit 1
// the left one, bit 2 the right one.
std::array<uint8_t, 256> gSidesDown{};
bool gCursorVisible = true;

void Push(const Message& m) {
    std::lock_guard<std::mutex> lock(gQueueLock);
    gQueue.push_back(m);
}

intptr_t PackXY(int x, int y) {
    return static_cast<intptr_t>((static_cast<uint32_t>(x) & 0xFFFF) |
                                 ((static_cast<uint32_t>(y) & 0xFFFF) << 16));
}

bool AltHeld() { return gKeyDown[VK_MENU] != 0; }

// Which key of a modifier pair an SDL key is: 1 the left, 2 the right, 0 none.
uint8_t SideOf(SDL_Keycode k) {
    switch (k) {
    case SDLK_LSHIFT:
    case SDLK_LCTRL:
    case SDLK_LALT: return 1;
    case SDLK_RSHIFT:
    case SDLK_RCTRL:
    case SDLK_RALT: return 2;
    default: return 0;
    }
}

// A mouse position in the picture's pixels. A renderer maps the events
// itself; the window's own surface has nobody to do it.
intptr_t MousePosition(int x, int y) {
    if (gOwnSurface && gWindow) {
        int w = 0, h = 0;
        SDL_GetWindowSize(gWindow, &w, &h);
        WindowToPicture(FitPicture(w, h, gLogicalW, gLogicalH), x, y);
    }
    return PackXY(x, y);
}

// The renderer's name when it draws on the processor: SDL's own software
// renderer, or OpenGL on a software rasteriser; null otherwise.
const char* SoftwareRendererName(SDL_Renderer* r) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(r, &info) != 0) return nullptr;
    if (info.flags & SDL_RENDERER_SOFTWARE) return info.name;
    if (std::strncmp(info.name, "opengl", 6) != 0) return nullptr;
    // The renderer's context is the current one.
    using GetString = const unsigned char* (*)(unsigned);
    constexpr unsigned kGlRenderer = 0x1F01;
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const char* name = getString ? reinterpret_cast<const char*>(getString(kGlRenderer)) : nullptr;
    return name && IsSoftwareRasteriser(name) ? name : nullptr;
}

// An accelerated renderer, else SDL's software one; with the dummy driver
// the software one at once.
SDL_Renderer* CreateRenderer() {
    if (IsHeadless()) return SDL_CreateRenderer(gWindow, -1, SDL_RENDERER_SOFTWARE);
    SDL_Renderer* r = SDL_CreateRenderer(gWindow, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    return r ? r : SDL_CreateRenderer(gWindow, -1, SDL_RENDERER_SOFTWARE);
}

// Gives up a renderer that draws on the processor for the window's own
// surface, when the window system offers one in a format the present
// writes; otherwise the renderer stays.
void PreferOwnSurface(const char* title) {
    const char* software = SoftwareRendererName(gRenderer);
    if (!software) return;
    const Uint32 format = SDL_GetWindowPixelFormat(gWindow);
    if (format != SDL_PIXELFORMAT_RGB888 && format != SDL_PIXELFORMAT_ARGB8888) return;
    const std::string name = software;  // dies with the renderer
    SDL_DestroyRenderer(gRenderer);
    gRenderer = nullptr;
    // The window's surface straight from the window system, not through
    // another renderer.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Surface* surface = SDL_GetWindowSurface(gWindow);
    if (!surface || surface->format->BytesPerPixel != 4) {
        gRenderer = CreateRenderer();
        return;
    }
    gOwnSurface = true;
    SDL_FillRect(surface, nullptr, 0);
    SDL_UpdateWindowSurface(gWindow);
    // Worth knowing: the machine shows no graphics hardware to the game,
    // and nothing waits for the vertical blank.
    std::fprintf(stderr, "%s: no graphics acceleration (%s); the picture is drawn on the processor\n", title,
                 name.c_str());
}

void Translate(const SDL_Event& e) {
    switch (e.type) {
    case SDL_QUIT:
        Push({WM_CLOSE, 0, 0});
        break;
    case SDL_WINDOWEVENT:
        switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED: Push({WM_ACTIVATEAPP, 1, 0}); break;
        case SDL_WINDOWEVENT_FOCUS_LOST: Push({WM_ACTIVATEAPP, 0, 0}); break;
        case SDL_WINDOWEVENT_MOVED: Push({WM_MOVE, 0, PackXY(e.window.data1, e.window.data2)}); break;
        case SDL_WINDOWEVENT_CLOSE: Push({WM_CLOSE, 0, 0}); break;
        default: break;
        }
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        int vk = VirtualKeyFromSdl(e.key.keysym.sym);
        if (vk == 0) break;
        bool down = e.type == SDL_KEYDOWN;
        bool repeat = e.key.repeat != 0;
        // Both keys of a pair are one virtual key, down while either is: the
        // second going down repeats it, and only the last one up lets it go.
        if (const uint8_t side = SideOf(e.key.keysym.sym)) {
            uint8_t& sides = gSidesDown[vk];
            const bool otherDown = (sides & ~side) != 0;
            if (down)
                sides |= side;
            else
                sides &= ~side;
            if (otherDown && !down) break;
            repeat = repeat || otherDown;
        }
        bool sys = vk == VK_MENU || vk == VK_F10 || AltHeld();
        uint32_t msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
        intptr_t lp = 1 | (repeat ? (1 << 30) : 0);
        Push({msg, static_cast<uintptr_t>(vk), lp});
        break;
    }
    case SDL_MOUSEMOTION:
        Push({WM_SETCURSOR, 0, 0});
        Push({WM_MOUSEMOVE, 0, MousePosition(e.motion.x, e.motion.y)});
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        bool down = e.type == SDL_MOUSEBUTTONDOWN;
        bool dbl = down && e.button.clicks >= 2 && e.button.clicks % 2 == 0;
        uint32_t msg = 0;
        if (e.button.button == SDL_BUTTON_LEFT)
            msg = down ? (dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : WM_LBUTTONUP;
        else if (e.button.button == SDL_BUTTON_RIGHT)
            msg = down ? (dbl ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN) : WM_RBUTTONUP;
        if (msg) Push({msg, 0, MousePosition(e.button.x, e.button.y)});
        break;
    }
    default:
        break;
    }
}

void Pump() {
    if (!gVideoUp) return;
    SDL_Event e;
    while (SDL_PollEvent(&e)) Translate(e);
}

// The key state follows the messages as they are taken, as a polled key
// state does on the original system.
void Track(const Message& m) {
    auto vk = static_cast<size_t>(m.wParam & 0xFF);
    switch (m.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (!gKeyDown[vk]) gKeyToggle[vk] ^= 1;
        gKeyDown[vk] = 1;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP: gKeyDown[vk] = 0; break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: gKeyDown[VK_LBUTTON] = 1; break;
    case WM_LBUTTONUP: gKeyDown[VK_LBUTTON] = 0; break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: gKeyDown[VK_RBUTTON] = 1; break;
    case WM_RBUTTONUP: gKeyDown[VK_RBUTTON] = 0; break;
    default: break;
    }
}

}  // namespace

bool CreateMainWindow(const char* title, WindowProc proc, int w, int h) {
    gProc = proc;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return false;
    gVideoUp = true;
    // A borderless pop-up over the whole desktop, also asked to be full
    // screen: without a window manager to honour the request the window
    // still covers the screen.
    int x = 0, y = 0, width = w, height = h;
    Uint32 flags = SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
    SDL_DisplayMode desktop;
    if (IsHeadless()) {
        flags = SDL_WINDOW_HIDDEN;
    } else if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
        width = desktop.w;
        height = desktop.h;
    }
    gWindow = SDL_CreateWindow(title, x, y, width, height, flags);
    if (!gWindow) return false;
    gRenderer = CreateRenderer();
    gOwnSurface = false;
    gLogicalW = w;
    gLogicalH = h;
    if (gRenderer && !IsHeadless()) PreferOwnSurface(title);
    if (gRenderer) {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        SDL_RenderSetLogicalSize(gRenderer, w, h);
        SDL_SetRenderDrawColor(gRenderer, 0, 0, 0, 255);
        SDL_RenderClear(gRenderer);
        SDL_RenderPresent(gRenderer);
    }
    SDL_DisableScreenSaver();
    // A newly shown window is the active one.
    Push({WM_ACTIVATEAPP, 1, 0});
    return true;
}

void SetWindowProc(WindowProc proc) { gProc = proc; }

void DestroyMainWindow() {
    // The procedure hears of its window's end once; messages after that
    // go to the default handling.
    if (gProc) {
        WindowProc proc = gProc;
        gProc = nullptr;
        proc(WM_DESTROY, 0, 0);
    }
    if (gRenderer) SDL_DestroyRenderer(gRenderer);
    if (gWindow) SDL_DestroyWindow(gWindow);
    gRenderer = nullptr;
    gWindow = nullptr;
    gOwnSurface = false;
}

bool HasWindow() { return gWindow != nullptr; }

bool IsHeadless() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver) return std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0;
    const char* hint = SDL_getenv("SDL_VIDEODRIVER");
    return hint && (std::strcmp(hint, "dummy") == 0 || std::strcmp(hint, "offscreen") == 0);
}

bool DisplayAvailable() {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return false;
        gVideoUp = true;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) return false;
    if (std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0) return true;
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    return asked && SDL_strcasecmp(asked, driver) == 0;
}

SDL_Window* SdlWindow() { return gWindow; }
SDL_Renderer* SdlRenderer() { return gRenderer; }
bool PresentsToWindowSurface() { return gOwnSurface; }

bool IsSoftwareRasteriser(const char* glRenderer) {
    if (!glRenderer) return false;
    // Mesa's rasterisers (llvmpipe, softpipe, swrast, the older OpenSWR)
    // and the generic software renderers of other systems.
    static const char* const kNames[] = {"llvmpipe", "softpipe", "software rasterizer", "swrast",
                                         "swr (",    "gdi generic",         "basic render"};
    std::string lower;
    for (const char* c = glRenderer; *c; ++c)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    for (const char* name : kNames)
        if (lower.find(name) != std::string::npos) return true;
    return false;
}

bool PeekMessage(Message& out) {
    Pump();
    {
        std::lock_guard<std::mutex> lock(gQueueLock);
        if (!gQueue.empty()) {
            out = gQueue.front();
            gQueue.pop_front();
            Track(out);
            return true;
        }
    }
    Idle();
    return false;
}

void WaitMessage() {
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(gQueueLock);
            if (!gQueue.empty()) return;
        }
        if (gVideoUp) {
            SDL_Event e;
            if (SDL_WaitEventTimeout(&e, 10)) {
                Translate(e);
                Pump();
            }
        } else {
            plat::Sleep(10);
            if (VirtualClock::Installed()) return;
        }
    }
}

intptr_t DispatchMessage(const Message& msg) {
    if (!gProc) return DefWindowProc(msg.message, msg.wParam, msg.lParam);
    return gProc(msg.message, msg.wParam, msg.lParam);
}

void PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) { Push({message, wParam, lParam}); }

void PostQuitMessage(int exitCode) { Push({WM_QUIT, static_cast<uintptr_t>(exitCode), 0}); }

intptr_t DefWindowProc(uint32_t message, uintptr_t, intptr_t) {
    if (message == WM_SETCURSOR) SetCursorVisible(true);
    return 0;
}

void ClearMessages() {
    std::lock_guard<std::mutex> lock(gQueueLock);
    gQueue.clear();
}

int16_t GetKeyState(int vk) {
    if (vk < 0 || vk > 255) return 0;
    int16_t v = static_cast<int16_t>(gKeyToggle[vk] & 1);
    if (gKeyDown[vk]) v = static_cast<int16_t>(v | static_cast<int16_t>(0xFF80));
    return v;
}

void ResetKeyStates() {
    gKeyDown.fill(0);
    gKeyToggle.fill(0);
    gSidesDown.fill(0);
}

void SetCursorVisible(bool visible) {
    if (visible == gCursorVisible) return;
    gCursorVisible = visible;
    if (gVideoUp) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

bool ClipCursor(const int* rect4) {
    if (!gWindow) return false;
    SDL_SetWindowGrab(gWindow, rect4 ? SDL_TRUE : SDL_FALSE);
    return true;
}

int VirtualKeyFromSdl(int k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return VK_F1 + (k - SDLK_F1);
    switch (k) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_PAUSE: return VK_PAUSE;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_PRINTSCREEN: return VK_SNAPSHOT;
    default: return 0;
    }
}

int VirtualKeyFromName(const char* name) {
    if (!name || !*name) return 0;
    std::string n(name);
    std::string up;
    for (char c : n) up += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (up.size() == 1) {
        char c = up[0];
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    }
    if (up.size() >= 2 && up[0] == 'F') {
        int num = 0;
        for (size_t i = 1; i < up.size(); ++i) {
            if (up[i] < '0' || up[i] > '9') { num = -1; break; }
            num = num * 10 + (up[i] - '0');
        }
        if (num >= 1 && num <= 12) return VK_F1 + num - 1;
    }
    struct Named { const char* name; int vk; };
    static const Named kNames[] = {
        {"RETURN", VK_RETURN}, {"ENTER", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"ESC", VK_ESCAPE},
        {"SPACE", VK_SPACE},   {"LEFT", VK_LEFT},    {"RIGHT", VK_RIGHT},   {"UP", VK_UP},
        {"DOWN", VK_DOWN},     {"SHIFT", VK_SHIFT},  {"CTRL", VK_CONTROL},  {"CONTROL", VK_CONTROL},
        {"ALT", VK_MENU},      {"MENU", VK_MENU},    {"TAB", VK_TAB},       {"BACK", VK_BACK},
        {"BACKSPACE", VK_BACK}, {"PAUSE", VK_PAUSE},
    };
    for (const auto& k : kNames)
        if (up == k.name) return k.vk;
    return 0;
}

std::string LinePrefix() {
    const char* title = gWindow ? SDL_GetWindowTitle(gWindow) : "";
    return *title ? std::string(title) + ": " : "";
}

}  // namespace plat
