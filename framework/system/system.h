// fwSystem: wait slots, the polled key-state machine, message boxes and the
// framework error box, executable-relative paths, the cursor clip, the
// input-method switch, small integer files, date and time, and the quit
// routine that releases every resource once.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

// Key states kept per polled key.
enum KeyStateValue : int32_t { KeyOff = 0, KeyPressed = 1, KeyReleased = 2, KeyHeld = 3 };

constexpr uint32_t kWaitNever = 999999999u;

// Module state.
extern uint32_t WaitSlots[12];
extern int32_t InputDisabled;
extern int32_t ErrorFlag;
extern int32_t CursorClipped;
extern int32_t ImeEnabled;
extern int32_t SysKeyMode;
extern int32_t QuitDone;
extern std::string ExePath;
extern std::string LastDirName;
extern std::string DataRoot;
extern int32_t CountedKey;
extern int32_t CountedKeyPresses;
extern int32_t MatchState;
extern int32_t MatchIndex;
extern int32_t MatchedKey;

// Shared with the window and main loop.
extern int32_t MainWindow;  // 1 while the window exists
extern int32_t AppInstance;
extern int32_t FullScreen;
extern int32_t CursorShown;
extern int32_t MessageBoxOpen;
extern int32_t WindowX;
extern int32_t WindowY;
extern int32_t LastKey;
extern int32_t LastKeyCopy;
extern int32_t ButtonHeld;
extern int32_t LastButton;
extern int32_t MutexHandle;  // 1 while the single-instance lock is held
extern uint32_t QuitState;
extern std::string CommandLineCopy;
extern uint32_t LastFrameTime;
extern float FrameSeconds;

namespace fwSystem {

int Init();
int SetWait(int slot, uint32_t ms);
int InitWait(int slot);
int IsWaitOver(int slot);
void BusyWait(uint32_t ms);
void ResetFrameClock();
void UpdateFrameDelta();
void UpdateKeyState(int virtualKey, int32_t* state);
// The next key state from the previous one and whether the key is down now;
// KeyOff while a wipe runs, the viewer is on or input is disabled.
int32_t NextKeyState(int32_t previous, bool down);
// The list ends with 0, as the callers write it: MatchKeyFromList({0x0D, 0x20, 0}).
int MatchKeyFromList(std::initializer_list<int> codes);
void DisableInput();
void EnableInput();
void SetCountedKey(int key);
int GetCountedKeyPresses();
void SetSysKeyMode(int mode);
int EnableIme(int flag);
void OnActivate(int flag);
void InfoBox(const char* format, ...) __attribute__((format(printf, 1, 2)));
int YesNoBox(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The error box "where : what". Its line on stderr also names the file
// concerned, when there is one: "where : what : file"; when what is wrong
// with the file is known, that stands in place of the box's general text:
// "where : file : fault".
int ShowErrorBox(const char* where, const char* what, const std::string& file = "", const std::string& fault = "");
// The error box for a pack that did not open: its line names the pack and
// says what stands in its place (`fault`) when one was named (not empty,
// not a folder's name) and something other than a file is there.
int ShowPackErrorBox(const char* where, const char* what, const std::string& pack, const std::string& fault);
int GetErrorFlag();
int CheckErrorAndQuit();
int Quit();
const std::string& GetExeDirectory(int mode);
void LoadDataRoot(const char* fileName);
const std::string& GetCommandLineCopy();
void WriteIntFile(const char* name, int value);
void WriteIntFile2(const char* name, int value);
int ReadIntFile(const char* name);
int ReadIntFile2(const char* name);
int ClipCursorToRect(int left, int top, int right, int bottom);
int ClipCursorToScreen();
int UnclipCursor();
int ReleaseCursorClip();
int IsCursorClipped();
int SetCursorPosClient(int x, int y);
int GetScreenColorDepth();
int IsWindowed();
int CheckColorDepth(const char* settingName);
void GetDate(int* year, int* month, int* day, std::string* weekday);
void GetTime(int* hour, int* minute, int* second);
uint32_t GetDiskFreeBytes(char driveLetter);
uint32_t GetAvailPhysMemory();
int GetWindowsVersion();

}  // namespace fwSystem
