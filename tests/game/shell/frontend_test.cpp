// The start-up load and the front-end screens, played through the driver.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Playtest;
using testsupport::Value;

TEST(StartupLoad, HandlesTakeTheirRecordsInLoadOrder) {
    auto r = Playtest(
        "--frames 2 --print 1:ImgZbak1B,ImgMymy,ImgVal402,ImgVal402Again,ImgTitlec,ImgQtwcg3Again,"
        "ImgContinu1,SndShot,SndBom,HiScore,SceneNumber,ClipLeft,ClipRight");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(Value(r.out, 1, "ImgZbak1B"), "4");
    EXPECT_EQ(Value(r.out, 1, "ImgMymy"), "13");
    EXPECT_EQ(Value(r.out, 1, "ImgVal402"), "105");
    EXPECT_EQ(Value(r.out, 1, "ImgVal402Again"), "106");
    EXPECT_EQ(Value(r.out, 1, "ImgTitlec"), "157");
    EXPECT_EQ(Value(r.out, 1, "ImgQtwcg3Again"), "162");
    EXPECT_EQ(Value(r.out, 1, "ImgContinu1"), "165");
    EXPECT_EQ(Value(r.out, 1, "SndShot"), "0");
    EXPECT_EQ(Value(r.out, 1, "SndBom"), "1");
    EXPECT_EQ(Value(r.out, 1, "HiScore"), "500");
    EXPECT_EQ(Value(r.out, 1, "SceneNumber"), "1");
    EXPECT_EQ(Value(r.out, 1, "ClipLeft"), "180");
    EXPECT_EQ(Value(r.out, 1, "ClipRight"), "620");
}

TEST(Title, EnterOpensTheLevelSelectWithTheWipe) {
    auto r = Playtest("--frames 40 --key 3:Return --every 1:SceneNumber,TransitionPattern,TransitionPitch,"
                      "TransitionStep,PlayMode");
    EXPECT_EQ(Value(r.out, 2, "SceneNumber"), "1");
    EXPECT_EQ(Value(r.out, 3, "SceneNumber"), "11");
    EXPECT_EQ(Value(r.out, 3, "TransitionPattern"), "3");
    EXPECT_EQ(Value(r.out, 3, "TransitionPitch"), "26");
    EXPECT_EQ(Value(r.out, 3, "PlayMode"), "1");
    EXPECT_EQ(Value(r.out, 28, "TransitionStep"), "1");
    EXPECT_EQ(Value(r.out, 29, "TransitionStep"), "0");
}

TEST(Title, OtherKeysDoNothing) {
    auto r = Playtest("--frames 10 --key 3:F1 --key 5:Space --key 7:Y --print 10:SceneNumber,PlayMode");
    EXPECT_EQ(Value(r.out, 10, "SceneNumber"), "1");
    EXPECT_EQ(Value(r.out, 10, "PlayMode"), "0");
}

// A key tapped between two frames (held for 0 frames: its key-down and
// key-up both come before the frame) acts as a press does.
TEST(Screens, ATapBetweenTwoFramesActs) {
    struct Case {
        const char* args;
        long frame;
        const char* name;
        const char* value;
    };
    const Case cases[] = {
        {"--frames 5 --key 3:Return:0", 3, "SceneNumber", "11"},
        {"--frames 20 --key 3:Return --key 12:F1:0", 12, "SceneNumber", "2"},
        {"--frames 20 --key 3:Return --key 12:F2:0", 13, "GameLevel", "3"},
        {"--frames 20 --key 3:Return --key 12:Space:0", 12, "PlainBackground", "1"},
        {"--frames 20 --key 3:Return --key 12:M:0", 12, "MouseControl", "1"},
    };
    for (const auto& c : cases) {
        auto r = Playtest(std::string(c.args) + " --print " + std::to_string(c.frame) + ":" + c.name);
        ASSERT_EQ(r.status, 0) << c.args << r.out;
        EXPECT_EQ(Value(r.out, c.frame, c.name), c.value) << c.args;
    }
    EXPECT_EQ(Playtest("--frames 5 --key 3:Return:-1").status, 2);
}

TEST(LevelSelect, OptionsThenF1StartsLevelOne) {
    auto r = Playtest(
        "--frames 50 --key 3:Return --key 10:Space --key 13:M --key 16:O --key 19:K --key 22:F1 "
        "--print 21:MouseControl,KeyboardControl,ShipType "
        "--print 40:PlainBackground,MouseControl,KeyboardControl,DeathSequenceOff,GameLevel,SceneNumber,Lives");
    EXPECT_EQ(Value(r.out, 21, "ShipType"), "1");
    EXPECT_EQ(Value(r.out, 40, "PlainBackground"), "1");
    EXPECT_EQ(Value(r.out, 40, "MouseControl"), "0");
    EXPECT_EQ(Value(r.out, 40, "KeyboardControl"), "1");
    EXPECT_EQ(Value(r.out, 40, "DeathSequenceOff"), "1");
    EXPECT_EQ(Value(r.out, 40, "GameLevel"), "1");
    EXPECT_EQ(Value(r.out, 40, "SceneNumber"), "2");
    EXPECT_EQ(Value(r.out, 40, "Lives"), "999");
}

TEST(LevelSelect, F2GivesLevelThreeAndMouseWinsWhenLast) {
    auto r = Playtest("--frames 30 --key 3:Return --key 8:K --key 11:M --key 14:F2 "
                      "--print 20:GameLevel,MouseControl,KeyboardControl,SceneNumber");
    EXPECT_EQ(Value(r.out, 20, "GameLevel"), "3");
    EXPECT_EQ(Value(r.out, 20, "MouseControl"), "1");
    EXPECT_EQ(Value(r.out, 20, "KeyboardControl"), "0");
    EXPECT_EQ(Value(r.out, 20, "SceneNumber"), "2");
}

TEST(LevelSelect, LaterVisitsReuseTheShipPictureRecord) {
    auto r = Playtest("--frames 40 --key 3:Return --key 10:T --key 15:Return "
                      "--print 9:ImgMyme,SceneNumber --print 12:SceneNumber --print 20:ImgMyme,SceneNumber");
    EXPECT_EQ(Value(r.out, 9, "SceneNumber"), "11");
    EXPECT_EQ(Value(r.out, 12, "SceneNumber"), "1");
    EXPECT_EQ(Value(r.out, 20, "SceneNumber"), "11");
    EXPECT_EQ(Value(r.out, 9, "ImgMyme"), "166");
    EXPECT_EQ(Value(r.out, 20, "ImgMyme"), "166");
}

// The presented frame holds the screen's picture at (180, 60) and black
// around the playfield.
void ExpectPictureShown(const std::string& shot, const std::string& picture) {
    SDL_Surface* screen = SDL_LoadBMP(shot.c_str());
    SDL_Surface* pic = SDL_LoadBMP(picture.c_str());
    ASSERT_NE(screen, nullptr) << shot;
    ASSERT_NE(pic, nullptr) << picture;
    SDL_Surface* s = SDL_ConvertSurfaceFormat(screen, SDL_PIXELFORMAT_RGB888, 0);
    SDL_Surface* p = SDL_ConvertSurfaceFormat(pic, SDL_PIXELFORMAT_RGB888, 0);
    ASSERT_EQ(s->w, 800);
    ASSERT_EQ(s->h, 600);
    auto at = [](SDL_Surface* surf, int x, int y) {
        return static_cast<const uint32_t*>(surf->pixels)[y * (surf->pitch / 4) + x] & 0xFFFFFF;
    };
    int shown = 0;
    for (int y = 0; y < 600; y += 7) {
        for (int x = 0; x < 800; x += 5) {
            uint32_t got = at(s, x, y);
            bool inPicture = x >= 180 && x < 620 && y >= 60 && y < 540;
            if (!inPicture) {
                ASSERT_EQ(got, 0u) << "outside the picture at " << x << "," << y;
                continue;
            }
            uint32_t want = at(p, x - 180, y - 60);
            int wr = (want >> 16) & 0xFF, wg = (want >> 8) & 0xFF, wb = want & 0xFF;
            bool transparent = (wr >> 3) == 0 && (wg >> 2) == 0 && (wb >> 3) == 0;
            if (transparent) {
                ASSERT_EQ(got, 0u) << "key colour shown at " << x << "," << y;
                continue;
            }
            int gr = (got >> 16) & 0xFF, gg = (got >> 8) & 0xFF, gb = got & 0xFF;
            ASSERT_LE(std::abs(gr - wr), 8) << x << "," << y;
            ASSERT_LE(std::abs(gg - wg), 4) << x << "," << y;
            ASSERT_LE(std::abs(gb - wb), 8) << x << "," << y;
            ++shown;
        }
    }
    EXPECT_GT(shown, 100);
    SDL_FreeSurface(s);
    SDL_FreeSurface(p);
    SDL_FreeSurface(screen);
    SDL_FreeSurface(pic);
}

TEST(Screens, TitleAndLevelSelectShowTheirPictures) {
    testsupport::TempFolder folder;
    const std::string title = folder.path + "/title.bmp", level = folder.path + "/level.bmp";
    auto r = Playtest("--frames 40 --key 3:Return --shot 2:" + title + " --shot 35:" + level);
    ASSERT_EQ(r.status, 0) << r.out;
    ExpectPictureShown(title, std::string(VQ_DATA_DIR) + "/IMAGE/TITLEC.BMP");
    ExpectPictureShown(level, std::string(VQ_DATA_DIR) + "/IMAGE/LEVEL1.BMP");
}

}  // namespace
