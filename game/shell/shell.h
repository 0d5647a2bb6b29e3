// The program's spine: entry, window procedure, global keys, the message
// loop with the frame gate, and the scene machine.
#pragma once
#include <cstdint>
#include <string>

enum Scene : uint32_t {
    SceneNone = 0,
    SceneTitle = 1,
    SceneStage1 = 2,
    SceneStage2 = 3,
    SceneStage3 = 5,
    SceneStage4 = 6,
    SceneStage5 = 8,
    SceneEnding = 10,
    SceneLevelSelect = 11,
    SceneShipSelect = 12,
};

extern const char* const kWindowTitle;

// Scene globals.
extern uint32_t SceneNumber;
extern uint32_t NextScene;
extern uint32_t LastScene;
extern uint32_t SceneEntered;

// Window and loop globals.
extern int32_t AppActive;
extern int32_t DialogMode;
extern int32_t DialogWindow;
extern int32_t LoopSuspended;
extern int32_t WindowOptions;
extern int32_t ForcePopup;
extern int32_t CursorClipEnabled;
extern std::string MutexName;

// Input globals.
extern int32_t ViewerKey;
extern int32_t DivertedKey;
extern uint32_t MouseX;
extern uint32_t MouseY;
extern int32_t LeftButtonDown;
extern int32_t RightButtonDown;
extern int32_t LeftDoubleClick;

int WinMain(int instance, int previousInstance, const char* commandLine, int showCommand);
intptr_t MainWndProc(uint32_t message, uintptr_t wParam, intptr_t lParam);
void OnKeyDown(int virtualKey);
int CheckSingleInstance(const char* title);
void InitSkeletonGlobals();
void SetAppActive(int flag);
void WriteDebugLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// One pass of the message loop without a waiting message. Returns 1 when a
// scene handler ran (a due frame).
int RunPass();
// The message loop; returns when WM_QUIT is taken.
int RunMessageLoop();

// Called once after start-up, just before the loop begins (the play
// driver's hook; null in the game).
extern void (*BeforeLoopHook)();

// Called after every pass in which a scene handler ran (the play driver's
// hook; null in the game).
extern void (*AfterFrameHook)();

// The scene handlers by scene value; a value missing from the table has none.
using SceneHandler = void (*)();
struct SceneRow {
    uint32_t scene;
    SceneHandler handler;
};
constexpr int kSceneCount = 9;
extern SceneRow SceneTable[kSceneCount];
SceneHandler HandlerOf(uint32_t scene);

// The scene-change step with an opening (pattern != 0) or closing wipe.
void ChangeScene(uint32_t target, int pattern, int pitch);
