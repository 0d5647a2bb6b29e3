#include <cstdarg>
#include <cstdio>

#include "framework/draw/draw.h"
#include "framework/sound/midi.h"
#include "framework/system/named.h"
#include "framework/system/random.h"
#include "framework/system/system.h"
#include "framework/timer/timer.h"
#include "game/shell/gamemode.h"
#include "game/shell/scenes.h"
#include "game/shell/shell.h"
#include "platform/clock.h"
#include "platform/mci.h"
#include "platform/system.h"
#include "platform/window.h"

const char* const kWindowTitle = "VORNQUIST SF SHOOTING";

uint32_t SceneNumber;
uint32_t NextScene;
uint32_t LastScene;
uint32_t SceneEntered;

int32_t AppActive;
int32_t DialogMode;
int32_t DialogWindow;
int32_t LoopSuspended;
int32_t WindowOptions;
int32_t ForcePopup;
int32_t CursorClipEnabled;
std::string MutexName;

int32_t ViewerKey;
int32_t DivertedKey;
uint32_t MouseX;
uint32_t MouseY;
int32_t LeftButtonDown;
int32_t RightButtonDown;
int32_t LeftDoubleClick;

void (*AfterFrameHook)() = nullptr;
void (*BeforeLoopHook)() = nullptr;

namespace {

// A fresh key press that no frame has run after yet, and whether its key-up
// has come meanwhile. Such a tap keeps LastKey for the one frame that runs
// next, so that a key let go before any frame saw it still acts once.
int32_t UnseenKey;
int32_t UnseenKeyReleased;

// Bit 30 of a key-down's lParam: the key was already down (a repeat).
constexpr intptr_t kKeyWasDown = intptr_t{1} << 30;

void KeyDown(uintptr_t wParam, intptr_t lParam) {
    const auto key = static_cast<int32_t>(wParam);
    if (InputDisabled) {
        DivertedKey = key;
        return;
    }
    OnKeyDown(key);
    if (ViewerOn == 0 && !(lParam & kKeyWasDown)) {
        UnseenKey = key;
        UnseenKeyReleased = 0;
    }
}

named::Registrar reg([] {
    NAMED_SCALAR(SceneNumber);
    NAMED_SCALAR(NextScene);
    NAMED_SCALAR(LastScene);
    NAMED_SCALAR(SceneEntered);
    NAMED_SCALAR(AppActive);
    NAMED_SCALAR(ViewerKey);
    NAMED_SCALAR(DivertedKey);
    NAMED_SCALAR(MouseX);
    NAMED_SCALAR(MouseY);
    NAMED_SCALAR(LeftButtonDown);
    NAMED_SCALAR(RightButtonDown);
    NAMED_SCALAR(LeftDoubleClick);
});

}  // namespace

SceneRow SceneTable[kSceneCount] = {
    {SceneTitle, RunTitle},         {SceneStage1, RunStage1},           {SceneStage2, RunStage2},
    {SceneStage3, RunStage3},       {SceneStage4, RunStage4},           {SceneStage5, RunStage5},
    {SceneEnding, RunEnding},       {SceneLevelSelect, RunLevelSelect}, {SceneShipSelect, RunShipSelect},
};

SceneHandler HandlerOf(uint32_t scene) {
    for (const auto& row : SceneTable)
        if (row.scene == scene) return row.handler;
    return nullptr;
}

void ChangeScene(uint32_t target, int pattern, int pitch) {
    TransitionPattern = pattern;
    TransitionPitch = pitch;
    if (pattern == 0) {
        NextScene = target;
        fwDraw::StartTransition();
        return;
    }
    if (pattern != 13) fwDraw::CaptureRect(1, 0, 0, ScreenWidth, ScreenHeight);
    SceneNumber = target;
    LastScene = 0;
    TransitionStep = pitch;
    TransitionDir = -1;
}

void InitSkeletonGlobals() {
    MainWindow = 0;
    DialogWindow = 0;
    MouseX = MouseY = 0;
    LeftButtonDown = RightButtonDown = LeftDoubleClick = 0;
    WaitSlots[0] = 0;
    ButtonHeld = LastButton = 0;
    LastKey = LastKeyCopy = 0;
    UnseenKey = UnseenKeyReleased = 0;
    ViewerKey = DivertedKey = 0;
    FrameSeconds = 0;
    MutexHandle = 0;
    AppActive = 0;
    DialogMode = 0;
    ForcePopup = 0;
    SceneNumber = NextScene = LastScene = SceneEntered = 0;
    CountedKey = CountedKeyPresses = 0;
    LoopSuspended = 0;
    WindowOptions = 0;
    QuitState = 0;
    CursorClipEnabled = 0;
    MessageBoxOpen = 0;
    FullScreen = 1;
    CursorShown = 1;
    LastFrameTime = plat::TimeGetTime();
}

void SetAppActive(int flag) { AppActive = flag; }

int CheckSingleInstance(const char* title) {
    MutexName = std::string(title) + ":FwMutex";
    if (!plat::AcquireInstanceLock(MutexName, title)) return 0;
    MutexHandle = 1;
    return 1;
}

void WriteDebugLog(const char* format, ...) {
    FILE* f = std::fopen("DEBUG.TXT", "a");
    if (!f) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(f, format, args);
    va_end(args);
    std::fputs("\n", f);
    std::fclose(f);
}

void OnKeyDown(int vk) {
    if (ViewerOn == 0)
        LastKey = LastKeyCopy = vk;
    else
        ViewerKey = vk;
    switch (vk) {
    case plat::VK_ESCAPE:
        fwMidi::Stop();
        fwSystem::SetWait(1, 1000);
        fwSystem::Quit();
        break;
    case 'S':
        if (!ContinuePrompt) Paused = Paused ? 0 : 1;
        break;
    case 'T':
        fwMidi::Stop();
        SetTitleDefaults();
        SceneNumber = SceneTitle;
        LastScene = 0;
        break;
    default:
        break;
    }
}

intptr_t MainWndProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    using namespace plat;
    auto lo = static_cast<uint32_t>(lParam) & 0xFFFF;
    auto hi = (static_cast<uint32_t>(lParam) >> 16) & 0xFFFF;
    switch (message) {
    case WM_MOVE:
        WindowX = lo > 32768 ? static_cast<int32_t>(lo) - 65536 : static_cast<int32_t>(lo);
        WindowY = hi > 32768 ? static_cast<int32_t>(hi) - 65536 : static_cast<int32_t>(hi);
        if (CursorClipEnabled) fwSystem::ClipCursorToScreen();
        return DefWindowProc(message, wParam, lParam);
    case WM_CLOSE:
        if (QuitState == 0) QuitState = 1;
        if (QuitState < 2) fwSystem::Quit();
        DestroyMainWindow();
        MainWindow = 0;
        return 0;
    case WM_ACTIVATEAPP:
        if (wParam == 0) {
            SetAppActive(0);
            if (!CursorShown) {
                SetCursorVisible(true);
                CursorShown = 1;
            }
            if (CursorClipEnabled) fwSystem::UnclipCursor();
        } else if (!DialogMode) {
            SetAppActive(1);
            fwSystem::ResetFrameClock();
            fwTimer::Rebase();
            if (CursorClipEnabled) fwSystem::ClipCursorToScreen();
            fwSystem::OnActivate(1);
        }
        return 0;
    case WM_SETCURSOR:
        if (FullScreen && !MessageBoxOpen) {
            SetCursorVisible(false);
            return 1;
        }
        return DefWindowProc(message, wParam, lParam);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_KEYDOWN:
        KeyDown(wParam, lParam);
        return DefWindowProc(message, wParam, lParam);
    case WM_KEYUP: {
        auto key = static_cast<int32_t>(wParam);
        if (key == LastKey && key == UnseenKey)
            UnseenKeyReleased = 1;  // a tap: cleared after the next frame
        else if (key == LastKey)
            LastKey = 0;
        if (key == ViewerKey) ViewerKey = 0;
        if (key == DivertedKey) DivertedKey = 0;
        if (key == CountedKey) CountedKeyPresses += 1;
        return DefWindowProc(message, wParam, lParam);
    }
    case WM_SYSKEYDOWN:
        if (SysKeyMode == 0) return 0;
        if (SysKeyMode == 2 && wParam == static_cast<uintptr_t>(VK_MENU)) return 0;
        KeyDown(wParam, lParam);
        return DefWindowProc(message, wParam, lParam);
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_SCREENSAVE) return 0;
        return DefWindowProc(message, wParam, lParam);
    case WM_MOUSEMOVE:
        MouseX = lo;
        MouseY = hi;
        return DefWindowProc(message, wParam, lParam);
    case WM_LBUTTONDOWN:
        if (!InputDisabled) {
            LeftButtonDown = 1;
            ButtonHeld = 1;
            LastButton = 1;
        } else {
            WaitSlots[0] = 1;
        }
        return DefWindowProc(message, wParam, lParam);
    case WM_LBUTTONUP:
        LeftButtonDown = 0;
        if (ButtonHeld == 1) ButtonHeld = 0;
        WaitSlots[0] = 0;
        return DefWindowProc(message, wParam, lParam);
    case WM_LBUTTONDBLCLK:
        if (!InputDisabled) LeftDoubleClick = 1;
        return 0;
    case WM_RBUTTONDOWN:
        if (!InputDisabled) {
            RightButtonDown = 1;
            ButtonHeld = 2;
            LastButton = 2;
        }
        return DefWindowProc(message, wParam, lParam);
    case WM_RBUTTONUP:
        RightButtonDown = 0;
        if (ButtonHeld == 2) ButtonHeld = 0;
        return DefWindowProc(message, wParam, lParam);
    case WM_RBUTTONDBLCLK:
        if (CursorClipEnabled) {
            if (fwSystem::IsCursorClipped())
                fwSystem::UnclipCursor();
            else
                fwSystem::ClipCursorToScreen();
        }
        return 0;
    case WM_HOTKEY:
        if (!InputDisabled) {
            if (wParam == 0xBF01) OnKeyDown(VK_SNAPSHOT);
            else if (wParam == 0xBF02) OnKeyDown(0x101);
        }
        return 0;
    case MM_MCINOTIFY:
        if (wParam == MCI_NOTIFY_SUCCESSFUL && MidiOpen) {
            MciSendString("status midi mode", &MidiStatus);
            if (MidiStatus.size() > 31) MidiStatus.resize(31);
            if (MidiStatus.rfind("st", 0) == 0) fwMidi::OnNotify();
        }
        return DefWindowProc(message, wParam, lParam);
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

int RunPass() {
    FrameSeconds = static_cast<float>(plat::TimeGetTime() - LastFrameTime) / 1000.0f;
    LastFrameTime = plat::TimeGetTime();

    if (LastScene == 0 && SceneNumber != 0) {
        SceneEntered = 1;
        LastScene = SceneNumber;
    }

    int ran = 0;
    if (!LoopSuspended) {
        if (TransitionDir == 1) {
            fwDraw::Present();
            if (TransitionDir == 0) SceneNumber = NextScene;
        } else if (SceneHandler handler = HandlerOf(SceneNumber)) {
            if (fwTimer::FrameGate()) {
                handler();
                ran = 1;
            }
        }
    }

    if (SceneNumber != LastScene) {
        SceneEntered = 1;
        if (ViewportEffectState > 0) {
            ClipLeft = SavedClipLeft;
            ClipTop = SavedClipTop;
            ClipRight = SavedClipRight;
            ClipBottom = SavedClipBottom;
            ViewportEffectState = 0;
        }
    } else if (ran) {
        SceneEntered = 0;
    }
    LastScene = SceneNumber;

    // A double click belongs to the first frame that can see it, and so does
    // a key tapped before any frame saw it.
    if (ran) {
        LeftDoubleClick = 0;
        if (UnseenKeyReleased && LastKey == UnseenKey) LastKey = 0;
        UnseenKey = UnseenKeyReleased = 0;
    }

    if (ran && AfterFrameHook) AfterFrameHook();
    return ran;
}

int RunMessageLoop() {
    plat::Message msg;
    for (;;) {
        if (plat::PeekMessage(msg)) {
            if (msg.message == plat::WM_QUIT) return 0;
            plat::DispatchMessage(msg);
            continue;
        }
        if (!AppActive && !(WindowOptions & 2)) {
            plat::WaitMessage();
            continue;
        }
        RunPass();
    }
}

int WinMain(int instance, int, const char* commandLine, int) {
    const std::string title = kWindowTitle;
    InitSkeletonGlobals();
    if (!CheckSingleInstance(title.c_str())) {
        std::fprintf(stderr, "%s: already running\n", title.c_str());
        return 0;
    }
    CommandLineCopy = commandLine ? commandLine : "";
    if (!plat::DisplayAvailable()) {
        std::fprintf(stderr,
                     "%s: no display (start it on a desktop, or set SDL_VIDEODRIVER=dummy to run unseen)\n",
                     title.c_str());
        fwSystem::Quit();
        return 1;
    }
    if (!plat::CreateMainWindow(title.c_str(), MainWndProc, 800, 600)) {
        std::fprintf(stderr, "%s: the window could not be opened\n", title.c_str());
        fwSystem::Quit();
        return 1;
    }
    MainWindow = 1;
    AppInstance = instance;
    rng::srand(static_cast<uint32_t>(plat::CalendarTime()));
    fwSystem::EnableIme(0);
    LoadStartupAssets();
    if (!fwDraw::ScreenIsUp()) {
        // Without a screen there is nothing to run: the error box has been shown.
        fwSystem::Quit();
        plat::DestroyMainWindow();
        return 1;
    }
    fwSystem::ResetFrameClock();
    fwSystem::OnActivate(0);
    if (BeforeLoopHook) BeforeLoopHook();
    int result = RunMessageLoop();
    plat::DestroyMainWindow();
    return result;
}
