#include "framework/system/system.h"

#include <sys/statvfs.h>
#include <sys/sysinfo.h>

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <vector>

#include "framework/draw/draw.h"
#include "framework/sound/midi.h"
#include "framework/sound/sound.h"
#include "framework/system/named.h"
#include "framework/text/text.h"
#include "platform/clock.h"
#include "platform/file.h"
#include "platform/system.h"
#include "platform/window.h"

uint32_t WaitSlots[12];
int32_t InputDisabled;
int32_t ErrorFlag;
int32_t CursorClipped;
int32_t ImeEnabled;
int32_t SysKeyMode;
int32_t QuitDone;
std::string ExePath;
std::string LastDirName;
std::string DataRoot;
int32_t CountedKey;
int32_t CountedKeyPresses;
int32_t MatchState;
int32_t MatchIndex;
int32_t MatchedKey;

int32_t MainWindow;
int32_t AppInstance;
int32_t FullScreen;
int32_t CursorShown;
int32_t MessageBoxOpen;
int32_t WindowX;
int32_t WindowY;
int32_t LastKey;
int32_t LastKeyCopy;
int32_t ButtonHeld;
int32_t LastButton;
int32_t MutexHandle;
uint32_t QuitState;
std::string CommandLineCopy;
uint32_t LastFrameTime;
float FrameSeconds;

namespace {

named::Registrar reg([] {
    NAMED_ARRAY(WaitSlots);
    NAMED_SCALAR(InputDisabled);
    NAMED_SCALAR(ErrorFlag);
    NAMED_SCALAR(CursorClipped);
    NAMED_SCALAR(SysKeyMode);
    NAMED_SCALAR(QuitDone);
    NAMED_SCALAR(CountedKey);
    NAMED_SCALAR(CountedKeyPresses);
    NAMED_SCALAR(MatchState);
    NAMED_SCALAR(FullScreen);
    NAMED_SCALAR(CursorShown);
    NAMED_SCALAR(WindowX);
    NAMED_SCALAR(WindowY);
    NAMED_SCALAR(LastKey);
    NAMED_SCALAR(LastKeyCopy);
    NAMED_SCALAR(ButtonHeld);
    NAMED_SCALAR(LastButton);
    NAMED_SCALAR(QuitState);
    NAMED_SCALAR(LastFrameTime);
    NAMED_SCALAR(FrameSeconds);
});

std::string VFormat(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n < 0) return {};
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), format, args);
    return std::string(buf.data(), static_cast<size_t>(n));
}

int Box(const std::string& text, const char* caption, plat::BoxKind kind) {
    plat::SetCursorVisible(true);
    MessageBoxOpen = 1;
    int r = plat::MessageBox(text, caption, kind);
    MessageBoxOpen = 0;
    fwSystem::ResetFrameClock();
    return r;
}

bool IsKeyboardCode(int code) { return code != 1 && code != 2; }

}  // namespace

namespace fwSystem {

int Init() {
    for (int i = 1; i <= 11; ++i) WaitSlots[i] = kWaitNever;
    EnableInput();
    SetSysKeyMode(0);
    if (FullScreen) ClipCursorToScreen();
    return 1;
}

int SetWait(int slot, uint32_t ms) {
    if (slot < 1 || slot > 10) return ShowErrorBox("fwSystem::SetWait", "ウェイトNoが範囲外です");
    WaitSlots[slot] = plat::TimeGetTime() + ms;
    return 1;
}

int InitWait(int slot) {
    if (slot < 1 || slot > 10) return ShowErrorBox("fwSystem::InitWait", "ウェイトNoが範囲外です");
    WaitSlots[slot] = kWaitNever;
    return 1;
}

int IsWaitOver(int slot) {
    if (slot < 0 || slot > 11) return 0;
    return plat::TimeGetTime() >= WaitSlots[slot] ? 1 : 0;
}

void BusyWait(uint32_t ms) {
    WaitSlots[11] = plat::TimeGetTime() + ms;
    // The clock may be virtual and still: sleep in small steps instead of
    // spinning, and stop if the clock does not move at all.
    uint32_t last = plat::TimeGetTime();
    int still = 0;
    while (plat::TimeGetTime() <= WaitSlots[11]) {
        plat::Sleep(1);
        uint32_t now = plat::TimeGetTime();
        if (now == last && ++still > 2000) break;
        last = now;
    }
    ResetFrameClock();
}

void ResetFrameClock() {
    FrameSeconds = 0;
    LastFrameTime = plat::TimeGetTime();
}

void UpdateFrameDelta() {
    FrameSeconds = static_cast<float>(plat::TimeGetTime() - LastFrameTime) / 1000.0f;
    LastFrameTime = plat::TimeGetTime();
}

int32_t NextKeyState(int32_t previous, bool down) {
    if (TransitionStep != 0 || ViewerOn || InputDisabled) return KeyOff;
    if (down) return previous == KeyOff ? KeyPressed : KeyHeld;
    return (previous == KeyPressed || previous == KeyHeld) ? KeyReleased : KeyOff;
}

void UpdateKeyState(int virtualKey, int32_t* state) {
    *state = NextKeyState(*state, (plat::GetKeyState(virtualKey) & 0x80) != 0);
}

int MatchKeyFromList(std::initializer_list<int> codes) {
    if (MatchState == 0 && LastKey == 0 && ButtonHeld == 0) MatchState = 1;
    if (MatchState == 1) {
        MatchIndex = 0;
        for (int code : codes) {
            if (code == 0) break;
            MatchedKey = code;
            if (code == LastKeyCopy || code == LastButton) {
                MatchState = 2;
                break;
            }
            ++MatchIndex;
        }
    }
    if (MatchState != 2) return 0;
    bool keyboard = IsKeyboardCode(MatchedKey);
    if ((keyboard && LastKeyCopy != MatchedKey) || (!keyboard && LastButton != MatchedKey)) MatchState = 0;
    if ((keyboard && LastKey == 0) || (!keyboard && ButtonHeld == 0)) {
        MatchState = 0;
        LastKeyCopy = 0;
        LastButton = 0;
        return MatchedKey;
    }
    return 0;
}

void DisableInput() { InputDisabled = 1; }

void EnableInput() {
    InputDisabled = 0;
    LastKey = 0;
}

void SetCountedKey(int key) {
    CountedKey = key;
    CountedKeyPresses = 0;
}

int GetCountedKeyPresses() { return CountedKeyPresses; }

void SetSysKeyMode(int mode) { SysKeyMode = mode; }

int EnableIme(int flag) {
    // There is no input method to switch on this platform; remember the wish.
    int previous = ImeEnabled;
    ImeEnabled = flag;
    return previous;
}

void OnActivate(int) {}

void InfoBox(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = VFormat(format, args) + "\r\n";
    va_end(args);
    Box(text, "メッセージ", plat::BoxKind::Ok);
}

int YesNoBox(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = VFormat(format, args) + "\r\n";
    va_end(args);
    return Box(text, "メッセージ", plat::BoxKind::YesNo) == plat::IDYES ? 1 : 0;
}

int ShowErrorBox(const char* where, const char* what, const std::string& file, const std::string& fault) {
    const std::string place = where ? where : "";
    const std::string text = place + " : " + (what ? what : "");
    std::string line;
    if (!fault.empty()) line = place + " : " + file + " : " + fault;
    else if (!file.empty()) line = text + " : " + file;
    fwSound::ErrorBeep();
    MessageBoxOpen = 1;
    plat::MessageBox(text, "エラー発生", plat::BoxKind::Ok, line);
    MessageBoxOpen = 0;
    ErrorFlag = 1;
    return 0;
}

int ShowPackErrorBox(const char* where, const char* what, const std::string& pack, const std::string& fault) {
    const bool named = !pack.empty() && pack.back() != '/' && !fault.empty();
    return ShowErrorBox(where, what, named ? pack : "", named ? fault : "");
}

int GetErrorFlag() { return ErrorFlag; }

int CheckErrorAndQuit() {
    if (ErrorFlag) Quit();
    return ErrorFlag;
}

int Quit() {
    if (QuitDone) return 1;
    QuitDone = 1;
    ReleaseCursorClip();
    fwMidi::Stop();
    fwMidi::Close();
    fwDraw::FreeFonts();
    fwSound::ReleaseAll();
    fwDraw::ReleaseAll();
    if (MutexHandle) {
        plat::ReleaseInstanceLock();
        MutexHandle = 0;
    }
    if (QuitState == 0) plat::PostMessage(plat::WM_CLOSE, 0, 0);
    QuitState = 2;
    return 1;
}

const std::string& GetExeDirectory(int mode) {
    ExePath = plat::ExecutableDirectory();
    if (mode != 0 && !DataRoot.empty()) {
        // The executable's own folder name, placed under the data root.
        std::string trimmed = ExePath.size() > 1 ? ExePath.substr(0, ExePath.size() - 1) : ExePath;
        auto slash = trimmed.rfind('/');
        if (slash != std::string::npos) {
            LastDirName = trimmed.substr(slash + 1) + "/";
            ExePath = DataRoot + "/" + LastDirName;
        }
    }
    return ExePath;
}

void LoadDataRoot(const char* fileName) {
    DataRoot.clear();
    std::string path = plat::SettingsDirectory();
    if (path.empty() || path.back() != '/') path += '/';
    path += fileName ? fileName : "";
    std::string why;
    FILE* in = plat::OpenRegularStream(path, &why);
    if (!in) return;
    char buffer[4096];
    std::string line = std::fgets(buffer, sizeof buffer, in) ? buffer : "";
    std::fclose(in);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.back() == '/') line.pop_back();
    DataRoot = line;
}

const std::string& GetCommandLineCopy() { return CommandLineCopy; }

void WriteIntFile(const char* name, int value) {
    std::string path = GetExeDirectory(1) + (name ? name : "");
    if (FILE* f = std::fopen(path.c_str(), "w")) {
        std::fprintf(f, "%d", value);
        std::fclose(f);
    }
}

void WriteIntFile2(const char* name, int value) { WriteIntFile(name, value); }

int ReadIntFile(const char* name) {
    // A file that cannot be opened or read gives 0.
    int value = 0;
    std::string path = GetExeDirectory(1) + (name ? name : "");
    std::string why;
    if (FILE* f = plat::OpenRegularStream(path, &why)) {
        if (std::fscanf(f, "%d", &value) != 1) value = 0;
        std::fclose(f);
    }
    return value;
}

int ReadIntFile2(const char* name) { return ReadIntFile(name); }

int ClipCursorToRect(int left, int top, int right, int bottom) {
    int rect[4] = {left, top, right, bottom};
    bool ok = plat::ClipCursor(rect);
    CursorClipped = 1;
    return ok ? 1 : 0;
}

int ClipCursorToScreen() {
    if (FullScreen) return ClipCursorToRect(0, 0, ScreenWidth, ScreenHeight);
    return ClipCursorToRect(WindowX, WindowY, WindowX + ScreenWidth, WindowY + ScreenHeight);
}

int UnclipCursor() {
    bool ok = plat::ClipCursor(nullptr);
    CursorClipped = 0;
    return ok ? 1 : 0;
}

int ReleaseCursorClip() { return UnclipCursor(); }

int IsCursorClipped() { return CursorClipped; }

int SetCursorPosClient(int, int) { return 0; }

int GetScreenColorDepth() { return 32; }

int IsWindowed() { return FullScreen == 0 ? 1 : 0; }

int CheckColorDepth(const char* settingName) {
    static const char* const kNames[] = {"16", "256", "65536", "1670万"};
    int bits = ScreenBitsPerPixel;
    int level = bits == 8 ? 1 : bits == 16 ? 2 : (bits == 24 || bits == 32) ? 3 : 0;
    if (level == 0 || FullScreen || GetScreenColorDepth() >= bits) return 1;
    std::string text = std::string("　ウィンドウ状態で実行しようとしていますが、") + "画面が%s色以下に設定されています。\n" +
                       "正しく動作させるには、%s色以上に設定するか、" + "フルスクリーンで実行させて下さい。";
    InfoBox(text.c_str(), kNames[level - 1], kNames[level]);
    std::string setting = settingName ? settingName : "";
    if (!setting.empty()) {
        bool star = setting == "*";
        if (YesNoBox("%s", star ? "フルスクリーンに切り換えますか？" : "フルスクリーンに設定し直しますか？")) {
            if (!star) WriteIntFile(settingName, 1);
            FullScreen = 1;
            return 1;
        }
    }
    Quit();
    return 0;
}

void GetDate(int* year, int* month, int* day, std::string* weekday) {
    static const char* const kDays[] = {"日", "月", "火", "水", "木", "金", "土"};
    std::time_t t = static_cast<std::time_t>(plat::CalendarTime());
    std::tm tm{};
    localtime_r(&t, &tm);
    if (year) *year = tm.tm_year + 1900;
    if (month) *month = tm.tm_mon + 1;
    if (day) *day = tm.tm_mday;
    if (weekday) *weekday = kDays[tm.tm_wday];
}

void GetTime(int* hour, int* minute, int* second) {
    std::time_t t = static_cast<std::time_t>(plat::CalendarTime());
    std::tm tm{};
    localtime_r(&t, &tm);
    if (hour) *hour = tm.tm_hour;
    if (minute) *minute = tm.tm_min;
    if (second) *second = tm.tm_sec;
}

uint32_t GetDiskFreeBytes(char) {
    // Drive letters do not exist here: the executable's file system answers.
    struct statvfs s{};
    if (statvfs(plat::ExecutableDirectory().c_str(), &s) != 0) return 0;
    return static_cast<uint32_t>(static_cast<uint64_t>(s.f_bavail) * s.f_frsize);
}

uint32_t GetAvailPhysMemory() {
    struct sysinfo si{};
    if (sysinfo(&si) != 0) return 0;
    return static_cast<uint32_t>(static_cast<uint64_t>(si.freeram) * si.mem_unit);
}

int GetWindowsVersion() { return -1; }

}  // namespace fwSystem
