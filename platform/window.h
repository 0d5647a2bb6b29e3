// The game's one window and its message queue. Messages carry the
// window-message and virtual-key codes the framework switches on; the queue
// may be posted to from any thread.
#pragma once
#include <cstdint>
#include <string>

struct SDL_Window;
struct SDL_Renderer;

namespace plat {

// Window messages.
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUIT = 0x0012;
constexpr uint32_t WM_ACTIVATEAPP = 0x001C;
constexpr uint32_t WM_SETCURSOR = 0x0020;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSKEYUP = 0x0105;
constexpr uint32_t WM_SYSCOMMAND = 0x0112;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr uint32_t WM_HOTKEY = 0x0312;
constexpr uint32_t MM_MCINOTIFY = 0x03B9;

constexpr uint32_t SC_SCREENSAVE = 0xF140;
constexpr uint32_t MCI_NOTIFY_SUCCESSFUL = 1;
constexpr uint32_t MCI_NOTIFY_SUPERSEDED = 2;
constexpr uint32_t MCI_NOTIFY_ABORTED = 4;
constexpr uint32_t MCI_NOTIFY_FAILURE = 8;

// Virtual keys.
constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_PAUSE = 0x13;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_SNAPSHOT = 0x2C;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_F1 = 0x70;
constexpr int VK_F10 = 0x79;
constexpr int VK_F12 = 0x7B;

struct Message {
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

using WindowProc = intptr_t (*)(uint32_t message, uintptr_t wParam, intptr_t lParam);

// Opens the window: full screen on the desktop, the 800 x 600 picture scaled
// with its aspect kept. With SDL's dummy video driver the same calls succeed
// and nothing is shown. Posts the activation message as a shown window gets.
bool CreateMainWindow(const char* title, WindowProc proc, int logicalWidth, int logicalHeight);
void DestroyMainWindow();  // sends WM_DESTROY to the window procedure first
// Sets the procedure that messages are dispatched to (also without a window).
void SetWindowProc(WindowProc proc);
bool HasWindow();
bool IsHeadless();         // the dummy video driver (or no display at all)
// Whether a person can see the window: false when no display was found and
// the video system fell back to a driver that draws nowhere (off-screen, or
// dummy) which nobody asked for through SDL_VIDEODRIVER.
bool DisplayAvailable();
SDL_Window* SdlWindow();
// What begins a line the game writes to the terminal: its name (the
// window's title) and ": ", or nothing while no window is open.
std::string LinePrefix();
SDL_Renderer* SdlRenderer();  // null when the window shows its own surface
// Whether the picture goes to the window's own surface, converted and scaled
// on the processor (present.h), instead of through a renderer: so it does
// where the only renderer on offer draws on the processor anyway.
bool PresentsToWindowSurface();
// Whether an OpenGL renderer name (GL_RENDERER) is a rasteriser that runs on
// the processor.
bool IsSoftwareRasteriser(const char* glRenderer);

// Message queue.
bool PeekMessage(Message& out);  // takes one message; false when none waits
void WaitMessage();              // blocks until a message or an event arrives
intptr_t DispatchMessage(const Message& msg);
void PostMessage(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);  // thread-safe
void PostQuitMessage(int exitCode);
intptr_t DefWindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam);
void ClearMessages();

// Key state as of the messages taken so far: bit 0x80 set while down, bit 1
// toggled on each press, the whole value negative while down.
int16_t GetKeyState(int virtualKey);
void ResetKeyStates();

// Cursor.
void SetCursorVisible(bool visible);
bool ClipCursor(const int* rect4);  // nullptr releases the clip

// SDL keycode and the matching virtual key; 0 when the key has none.
int VirtualKeyFromSdl(int sdlKeycode);
// A key name such as "Return", "F1", "Y", "Left" as a virtual key; 0 if unknown.
int VirtualKeyFromName(const char* name);

}  // namespace plat
