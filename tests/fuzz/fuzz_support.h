// Shared set-up of the fuzz targets: a scratch folder standing for the
// executable's folder, no message boxes, the input written to a file, and
// the drawing-object table given back after each input.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "framework/draw/draw.h"
#include "framework/system/system.h"
#include "platform/system.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_folder.h"

namespace fuzz {

// Stops the target at once with a line saying why; by _Exit, which the
// fuzzer does not take for the input's fault, so it keeps no finding.
[[noreturn]] inline void Stop(const std::exception& e) {
    std::fprintf(stderr, "fuzz: %s\n", e.what());
    std::_Exit(1);
}

// A target without its folder cannot run: it stops before the fuzzer has
// taken any input.
inline const testsupport::TempFolder& Folder() {
    try {
        static const testsupport::TempFolder folder;  // removed when the target exits
        return folder;
    } catch (const std::exception& e) {
        Stop(e);
    }
}

inline const std::string& Dir() {
    static const testsupport::TempFolder& folder = Folder();
    static const std::string dir = [] {
        plat::SetMessageBoxesShown(false);
        plat::SetExecutableDirectory(folder.path);
        return folder.path + "/";
    }();
    return dir;
}

// Writes the input as `name` under the scratch folder. One that cannot be
// written all (a full disk) stops the target: the loader would be given
// another input than the fuzzer's.
inline void WriteInput(const std::string& name, const uint8_t* data, size_t size) {
    try {
        testsupport::WriteFile(Dir() + name, data, size);
    } catch (const std::exception& e) {
        std::error_code ec;
        std::filesystem::remove_all(Folder().path, ec);  // _Exit leaves it otherwise
        Stop(e);
    }
}

// The 800 x 600 screen, set up once; false when it cannot be had.
inline bool ScreenReady() {
    static const bool ready = [] {
        Dir();
        FullScreen = 1;
        return fwDraw::Screen(800, 600, 2) == 1;
    }();
    return ready;
}

// Gives back, when it goes, every drawing-object record taken while it
// lived: a picture that fails to load keeps its record's name for good, so
// that without it some 500 failing inputs would fill the table and every
// later one would stop at "too many objects" before the loader. Each input
// thus starts from the table as the target found it.
class DrawTableAsFound {
public:
    DrawTableAsFound() {
        for (int i = 0; i < kDrawObjectCount; ++i) wasFree_[i] = DrawObjects[i].name[0] == '\0';
    }
    ~DrawTableAsFound() {
        for (int i = 0; i < kDrawObjectCount; ++i)
            if (wasFree_[i] && DrawObjects[i].name[0] != '\0') fwDraw::ResetRecord(DrawObjects[i]);
    }
    DrawTableAsFound(const DrawTableAsFound&) = delete;
    DrawTableAsFound& operator=(const DrawTableAsFound&) = delete;

private:
    bool wasFree_[kDrawObjectCount];
};

// The sound module on the mixer without a device, set up once.
inline void SoundReady() {
    static const bool ready = [] {
        testsupport::StartSoundWithoutDevice(Dir());
        return true;
    }();
    (void)ready;
}

}  // namespace fuzz
