// The start-up load on the generated data: every handle holds the file its
// name says.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "framework/draw/draw.h"
#include "framework/draw/object.h"
#include "framework/sound/sound.h"
#include "framework/system/system.h"
#include "game/shell/assets.h"
#include "game/shell/scenes.h"
#include "platform/system.h"

namespace {

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The file a handle is named after: ImgSzak10 is IMAGE/SZAK10.BMP, SndBom is
// SOUND/BOM.WAV; a second load of a picture ends its name in "Again".
std::string FileOfHandle(std::string name) {
    const bool picture = name.rfind("Img", 0) == 0;
    name = name.substr(3);
    if (name.size() > 5 && name.compare(name.size() - 5, 5, "Again") == 0) name.resize(name.size() - 5);
    return Upper((picture ? "IMAGE/" : "SOUND/") + name + (picture ? ".BMP" : ".WAV"));
}

// What a handle holds: the name of the picture or sound record it points at.
std::string FileInHandle(const AssetLoad& load) {
    const int h = *load.handle;
    if (load.kind == AssetKind::Picture)
        return h >= 0 && h < kDrawObjectCount && DrawObjects[h].surface ? Upper(DrawObjects[h].name) : "";
    return h >= 0 && h < kSoundObjectCount && SoundObjects[h].inUse ? Upper(SoundObjects[h].name) : "";
}

class StartupIntegrity : public ::testing::Test {
protected:
    void SetUp() override {
        plat::SetMessageBoxesShown(false);
        plat::SetExecutableDirectory(VQ_DATA_DIR);
        ErrorFlag = 0;
    }
    void TearDown() override {
        fwDraw::ReleaseAll();
        fwSound::ClearObjects();
        fwSound::ReleaseAll();
        plat::SetExecutableDirectory("");
        plat::SetMessageBoxesShown(true);
    }
};

TEST_F(StartupIntegrity, EveryHandleHoldsTheFileItsNameSays) {
    LoadStartupAssets();
    EXPECT_EQ(ErrorFlag, 0);
    ASSERT_EQ(kStartupLoadCount, 164);
    for (int i = 0; i < kStartupLoadCount; ++i) {
        const AssetLoad& load = kStartupLoads[i];
        EXPECT_EQ(Upper(load.path), FileOfHandle(load.name)) << load.name;
        EXPECT_EQ(FileInHandle(load), Upper(load.path)) << load.name;
    }
}

// The check itself: a misspelled path and a handle pointed at another file
// are both caught.
TEST_F(StartupIntegrity, CatchesAMisspelledPathAndAHandleOnTheWrongFile) {
    EXPECT_NE(FileOfHandle("ImgSzak10"), Upper("IMAGE/SZAK1O.BMP"));
    EXPECT_EQ(FileOfHandle("ImgQtwcg2Again"), "IMAGE/QTWCG2.BMP");
    EXPECT_EQ(FileOfHandle("SndBom"), "SOUND/BOM.WAV");
    LoadStartupAssets();
    int32_t swapped = ImgSzak12;
    AssetLoad wrong{AssetKind::Picture, "IMAGE/SZAK10.BMP", &swapped, "ImgSzak10"};
    EXPECT_NE(FileInHandle(wrong), Upper(wrong.path));
}

// A failed load names its file on its stderr line; the box keeps its text.
TEST_F(StartupIntegrity, AFailedLoadNamesItsFileOnStderr) {
    ASSERT_EQ(fwDraw::Screen(800, 600, 2), 1);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fwDraw::LoadObject("IMAGE/SZAK1O.BMP", 1), 0);
    EXPECT_EQ(fwSound::LoadObject("SOUND/B0M.WAV", 1), -1);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(ErrorFlag, 1);
    EXPECT_NE(err.find("エラー発生: fwDraw::LoadObject : IMAGE/SZAK1O.BMP : no such file\n"),
              std::string::npos) << err;
    EXPECT_NE(err.find(" : SOUND/B0M.WAV\n"), std::string::npos) << err;
}

}  // namespace
