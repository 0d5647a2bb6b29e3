// The headless play driver: runs the game's own loop on virtual time with
// scripted keys, and prints named state after chosen frames.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "framework/system/named.h"
#include "framework/system/system.h"
#include "framework/timer/timer.h"
#include "game/shell/scenes.h"
#include "game/shell/shell.h"
#include "game/stages/driver.h"
#include "platform/clock.h"
#include "platform/present.h"
#include "platform/system.h"
#include "platform/window.h"

namespace {

struct KeyAction {
    long frame;
    int vk;
    long hold;
};
struct SetAction {
    long frame;
    std::string name, value;
};
struct PrintAction {
    long frame;
    std::vector<std::string> names;
};
struct ShotAction {
    long frame;
    std::string file;
};

constexpr long long kLatest = std::numeric_limits<long>::max();

struct Options {
    std::string data;
    long frames = 0;
    unsigned dt = 16;
    long long time = 0;
    bool fps = false;
    bool list = false;
    bool help = false;
    std::vector<KeyAction> keys;
    std::vector<SetAction> sets;
    std::vector<PrintAction> prints;
    long every = 0;
    std::vector<std::string> everyNames;
    std::vector<ShotAction> shots;
    std::string script;
    bool framesGiven = false;
    long long lastFrame = kLatest;  // the last frame an F may name
};

// The stage scripts --script can start, by name.
struct NamedScript {
    const char* name;
    SceneHandler run;
};
const NamedScript kScripts[] = {
    {"RunStage1", RunStage1},       {"RunStage2", RunStage2},       {"RunStage3", RunStage3},
    {"RunStage4", RunStage4},       {"RunStage5", RunStage5},       {"RunAltStage2", RunAltStage2},
    {"RunAltStage4", RunAltStage4}, {"RunAltStage5", RunAltStage5},
};

SceneHandler ScriptByName(const std::string& name) {
    for (const auto& s : kScripts)
        if (name == s.name || name == s.name + 3) return s.run;
    return nullptr;
}

Options gOpt;
SceneHandler gScript = nullptr;  // --script: the script in the title's place
SceneHandler gTitle = nullptr;   // the title's own handler meanwhile
std::FILE* gOut = stdout;
long gFrame = 0;
int gStatus = 0;
long gIdlePasses = 0;  // loop passes since the last due frame

// A scene without a handler runs no frame at all; give up rather than spin.
constexpr long kMaxIdlePasses = 100000;

std::vector<std::string> SplitNames(const std::string& s) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= s.size()) {
        size_t comma = s.find(',', start);
        if (comma == std::string::npos) comma = s.size();
        if (comma > start) out.push_back(s.substr(start, comma - start));
        start = comma + 1;
    }
    return out;
}

// A whole number of [lo, hi], named as the usage names it; else why not.
bool Whole(const std::string& text, const char* what, long long lo, long long hi, long long& out,
           std::string& why) {
    switch (named::ReadWhole(text, lo, hi, out)) {
    case named::WholeText::Ok: return true;
    case named::WholeText::NotWhole: why = std::string(what) + " is not a whole number"; return false;
    case named::WholeText::OutOfRange: break;
    }
    why = std::string(what) + " is out of range, " + std::to_string(lo) + " to " + std::to_string(hi);
    return false;
}

// Splits "F:REST" into the frame, 1 to `last`, and the rest; `form` is the
// option's own, for the line that refuses it, and names the frame.
bool FrameAndRest(const std::string& arg, const char* form, long long last, long& frame, std::string& rest,
                  std::string& why) {
    auto colon = arg.find(':');
    if (colon == std::string::npos) {
        why = std::string("not of the form ") + form;
        return false;
    }
    rest = arg.substr(colon + 1);
    long long f = 0;
    const std::string what(form, std::strchr(form, ':'));
    if (!Whole(arg.substr(0, colon), what.c_str(), 1, last, f, why)) return false;
    frame = static_cast<long>(f);
    return true;
}

// Names to print: at least one, each one that --list shows.
bool Readable(const std::vector<std::string>& names, std::string& why) {
    std::string value;
    for (const auto& n : names)
        if (!named::Read(n, value)) {
            why = "unknown name " + n;
            return false;
        }
    if (names.empty()) why = "names nothing";
    return !names.empty();
}

bool IsFolder(const std::string& path, std::string& why) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) why = errno == ENOENT ? "no such folder" : std::strerror(errno);
    else if (!S_ISDIR(st.st_mode)) why = "not a folder";
    return why.empty();
}

const char* const kValueOptions[] = {"--data", "--frames", "--dt",    "--time",   "--key",
                                     "--set",  "--print",  "--every", "--script", "--shot"};

// Takes the value of option `a`, one of kValueOptions; else why not.
bool TakeValue(const std::string& a, const std::string& v, Options& o, std::string& why) {
    long n = 0;
    long long whole = 0;
    std::string rest;
    if (a == "--data") {
        if (!IsFolder(v, why)) return false;
        o.data = v;
    } else if (a == "--frames") {
        if (!Whole(v, "N", 0, kLatest, whole, why)) return false;
        o.frames = static_cast<long>(whole);
        o.framesGiven = true;
    } else if (a == "--dt") {
        if (!Whole(v, "MS", 1, UINT32_MAX, whole, why)) return false;
        o.dt = static_cast<unsigned>(whole);
    } else if (a == "--time") {
        if (!Whole(v, "T", INT64_MIN, INT64_MAX, o.time, why)) return false;
    } else if (a == "--key") {
        if (!FrameAndRest(v, "F:NAME[:HOLD]", o.lastFrame, n, rest, why)) return false;
        long long hold = 2;
        auto colon = rest.find(':');
        if (colon != std::string::npos) {
            if (!Whole(rest.substr(colon + 1), "HOLD", 0, kLatest, hold, why)) return false;
            rest.resize(colon);
        }
        int vk = plat::VirtualKeyFromName(rest.c_str());
        if (!vk) {
            why = "unknown key " + rest;
            return false;
        }
        o.keys.push_back({n, vk, static_cast<long>(hold)});
    } else if (a == "--set") {
        if (!FrameAndRest(v, "F:NAME=VALUE", o.lastFrame, n, rest, why)) return false;
        auto eq = rest.find('=');
        if (eq == std::string::npos) {
            why = "not of the form F:NAME=VALUE";
            return false;
        }
        o.sets.push_back({n, rest.substr(0, eq), rest.substr(eq + 1)});
        return named::CanWrite(o.sets.back().name, o.sets.back().value, &why);
    } else if (a == "--print") {
        if (!FrameAndRest(v, "F:NAME[,NAME...]", o.lastFrame, n, rest, why)) return false;
        o.prints.push_back({n, SplitNames(rest)});
        return Readable(o.prints.back().names, why);
    } else if (a == "--every") {
        if (!FrameAndRest(v, "K:NAME[,NAME...]", kLatest, n, rest, why)) return false;
        o.every = n;
        o.everyNames = SplitNames(rest);
        return Readable(o.everyNames, why);
    } else if (a == "--script") {
        if (!ScriptByName(v)) {
            why = "unknown stage script";
            return false;
        }
        o.script = v;
    } else {
        if (!FrameAndRest(v, "F:FILE.bmp", o.lastFrame, n, rest, why)) return false;
        if (rest.empty()) {
            why = "names no file";
            return false;
        }
        o.shots.push_back({n, rest});
    }
    return true;
}

// Reads the arguments once; for the first one it cannot use, false with a
// line naming the option, its value and what is wrong.
bool ParseOnce(int argc, char** argv, Options& o, std::string& why) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--fps" || a == "--list") {
            (a == "--fps" ? o.fps : o.list) = true;
            continue;
        }
        if (a == "--help" || a == "-h") {
            o.help = true;
            continue;
        }
        if (std::find(std::begin(kValueOptions), std::end(kValueOptions), a) == std::end(kValueOptions)) {
            why = a + (a.rfind('-', 0) == 0 ? ": unknown option" : ": not an option");
            return false;
        }
        if (i + 1 >= argc) {
            why = a + " needs a value";
            return false;
        }
        const std::string v = argv[++i];
        if (!TakeValue(a, v, o, why)) {
            why = a + " " + v + ": " + why;
            return false;
        }
    }
    return true;
}

// Reads the arguments. --frames may stand after the frames it bounds, so
// when it is given they are read again knowing it, and a frame past the
// run is refused like any number out of its range.
bool Parse(int argc, char** argv, Options& o, std::string& why) {
    if (!ParseOnce(argc, argv, o, why)) return false;
    if (!o.framesGiven) return true;
    const long long last = o.frames;
    o = Options{};
    o.lastFrame = last;
    return ParseOnce(argc, argv, o, why);
}

// The names were checked when the arguments were read.
void PrintLine(long frame, const std::vector<std::string>& names) {
    std::string line = std::to_string(frame);
    for (const auto& n : names) {
        std::string v;
        named::Read(n, v);
        line.append(" ").append(n).append("=").append(v);
    }
    std::fprintf(gOut, "%s\n", line.c_str());
    std::fflush(gOut);
}

bool IsSystemKey(int vk) { return vk == plat::VK_MENU || vk == plat::VK_F10; }

void PostKey(int vk, bool down) {
    const bool sys = IsSystemKey(vk);
    const uint32_t message = down ? (sys ? plat::WM_SYSKEYDOWN : plat::WM_KEYDOWN)
                                  : (sys ? plat::WM_SYSKEYUP : plat::WM_KEYUP);
    plat::PostMessage(message, static_cast<uintptr_t>(vk), 1);
}

// Everything that happens just before due frame `frame` runs. A key held for
// 0 frames is a tap: its key-up follows its key-down before the frame.
void BeforeFrame(long frame) {
    for (const auto& k : gOpt.keys)
        if (k.hold > 0 && k.frame == frame - k.hold) PostKey(k.vk, false);
    for (const auto& k : gOpt.keys)
        if (k.frame == frame) PostKey(k.vk, true);
    for (const auto& k : gOpt.keys)
        if (k.hold == 0 && k.frame == frame) PostKey(k.vk, false);
    for (const auto& s : gOpt.sets)
        if (s.frame == frame) named::Write(s.name, s.value);  // checked when read
}

void WatchPasses() {
    if (++gIdlePasses != kMaxIdlePasses) return;
    std::fprintf(stderr, "playtest: no frame ran in scene %u for %ld passes\n", SceneNumber, kMaxIdlePasses);
    gStatus = 2;
    plat::PostQuitMessage(0);
}

void AfterFrame() {
    gIdlePasses = 0;
    if (gScript && SceneNumber != SceneTitle) gScript = nullptr;
    long f = ++gFrame;
    for (const auto& p : gOpt.prints)
        if (p.frame == f) PrintLine(f, p.names);
    if (gOpt.every > 0 && f % gOpt.every == 0) PrintLine(f, gOpt.everyNames);
    for (const auto& s : gOpt.shots) {
        if (s.frame == f && !plat::SavePresentedFrame(s.file)) {
            std::fprintf(stderr, "playtest: could not write %s\n", s.file.c_str());
            gStatus = 2;
        }
    }
    if (f >= gOpt.frames) {
        plat::PostQuitMessage(0);
        return;
    }
    BeforeFrame(f + 1);
}

// --script: the named stage script runs in the title's place from frame 1,
// with the game that Enter on the title and F1 on the level select start
// (ship type 1 with its picture, at its start position), until its boss
// changes the scene; from then on the normal handlers run.
void RunScriptInTitlesPlace() {
    if (gScript) gScript();
    else if (gTitle) gTitle();
}

void StartScript() {
    gScript = ScriptByName(gOpt.script);
    for (auto& row : SceneTable)
        if (row.scene == SceneTitle) {
            gTitle = row.handler;
            row.handler = RunScriptInTitlesPlace;
        }
    SetUpNewGame(1);
}

void StopScript() {
    for (auto& row : SceneTable)
        if (row.handler == RunScriptInTitlesPlace) row.handler = gTitle;
    gScript = nullptr;
    gTitle = nullptr;
}

void BeforeLoop() {
    if (gOpt.frames <= 0) {
        plat::PostQuitMessage(0);
        return;
    }
    if (!gOpt.script.empty()) StartScript();
    BeforeFrame(1);
}

// Every name the driver knows, one a line: NAME, NAME[count] for an array,
// POOL[count].FIELD,FIELD... for a pool, RECORD.FIELD,FIELD... for a record.
void ListNames() {
    named::ForEach([](const std::string& name, char*, int count, size_t, const std::vector<named::Field>& fields) {
        std::string line = name;
        if (count > 1) {
            line += '[';
            line += std::to_string(count);
            line += ']';
        }
        for (size_t i = 0; i < fields.size(); ++i) {
            if (!fields[i].name[0]) continue;
            line += i == 0 ? '.' : ',';
            line += fields[i].name;
        }
        std::fprintf(gOut, "%s\n", line.c_str());
    });
}

}  // namespace

// Runs the driver with the command-line arguments; prints to out. Returns 0
// on success, 2 on an argument it cannot use (refused with one line on
// stderr before anything runs) or a failure on the way. --help (or -h)
// prints the usage to out and runs nothing.
int RunPlaytest(int argc, char** argv, std::FILE* out) {
    gOut = out;
    gOpt = Options{};
    gFrame = 0;
    gStatus = 0;
    std::string why;
    if (!Parse(argc, argv, gOpt, why)) {
        std::fprintf(stderr, "playtest: %s\n", why.c_str());
        return 2;
    }
    if (gOpt.help) {
        std::fputs("usage: playtest [--data DIR] [--frames N] [--dt MS] [--time T]\n"
                   "                [--key F:NAME[:HOLD]]... [--set F:NAME=VALUE]... [--print F:NAME[,NAME...]]...\n"
                   "                [--every K:NAME[,NAME...]] [--shot F:FILE.bmp]... [--fps] [--list]\n"
                   "                [--script NAME]\n",
                   gOut);
        return 0;
    }
    if (gOpt.list) {
        ListNames();
        return 0;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    plat::SetInstanceLockEnabled(false);
    plat::SetMessageBoxesShown(false);
    if (!gOpt.data.empty()) plat::SetExecutableDirectory(gOpt.data);
    plat::VirtualClock::Install(gOpt.dt, gOpt.time);
    plat::VirtualClock::SetStepHook(WatchPasses);
    gIdlePasses = 0;
    fwTimer::SetFrameRate(60);

    BeforeLoopHook = BeforeLoop;
    AfterFrameHook = AfterFrame;
    auto start = std::chrono::steady_clock::now();
    WinMain(1, 0, "", 1);
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    AfterFrameHook = nullptr;
    BeforeLoopHook = nullptr;
    StopScript();
    fwSystem::Quit();

    std::fprintf(gOut, "frames=%ld scene=%u\n", gFrame, SceneNumber);
    if (gOpt.fps) std::fprintf(gOut, "fps=%.1f\n", seconds > 0 ? static_cast<double>(gFrame) / seconds : 0.0);
    std::fflush(gOut);
    return gStatus;
}

int main(int argc, char** argv) { return RunPlaytest(argc, argv, stdout); }
