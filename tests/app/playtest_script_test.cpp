// --script: any stage script run from frame 1, above all the three that no
// scene reaches, each with its own music rule, clock speed, boss window,
// health ceiling and the scene its boss's defeat opens.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Playtest;
using testsupport::Value;

struct AltScript {
    const char* name;
    const char* boss;
    const char* music;    // MidiOpen on the first frame
    const char* clock;    // StageClock after 100 frames of 16 ms
    int bossFrom;         // the boss window opens above this clock
    int ceiling;          // the boss attacks below this health
    const char* defeatTo; // the scene its defeat opens
};

// clang-format off
const AltScript kAltScripts[] = {
//   name            boss               music clock   from  ceiling  defeat to
    {"RunAltStage2", "AltStage2BossState", "1", "32",   1050, 590,     "5"},
    {"RunAltStage4", "AltStage4BossState", "1", "20.8", 1250, 1380,    "8"},
    {"RunAltStage5", "AltStage5BossState", "0", "32",   1800, 1200,    "10"},
};
// clang-format on

TEST(PlaytestScript, EachAlternativeScriptRunsWithItsOwnRules) {
    for (const AltScript& s : kAltScripts) {
        const std::string b = s.boss;
        auto r = Playtest(std::string("--script ") + s.name + " --frames 100 --print 1:SceneNumber,StageTick,MidiOpen " +
                          "--print 100:StageTick,StageClock," + b + ".X," + b + ".Y");
        ASSERT_EQ(r.status, 0) << s.name << r.out;
        EXPECT_EQ(Value(r.out, 1, "StageTick"), "0") << s.name;  // none of the three counts ticks
        EXPECT_EQ(Value(r.out, 100, "StageTick"), "0") << s.name;
        EXPECT_EQ(Value(r.out, 1, "MidiOpen"), s.music) << s.name;
        EXPECT_EQ(Value(r.out, 100, "StageClock"), s.clock) << s.name;
        EXPECT_EQ(Value(r.out, 100, b + ".X"), "-500") << s.name;  // parked before its window

        // In its window the boss moves; below its ceiling it attacks (the
        // attack counter runs); at health 0 its defeat opens the next scene.
        const std::string from = std::to_string(s.bossFrom + 1);
        const std::string low = std::to_string(s.ceiling - 1);
        auto fight = Playtest(std::string("--script ") + s.name + " --frames 560 --set 2:StageClock=" + from +
                              " --print 3:" + b + ".MoveClock," + b + ".AttackFrame --set 10:" + b + ".Health=" + low +
                              " --print 40:" + b + ".AttackFrame --set 60:" + b + ".Health=0 --print 559:SceneNumber");
        EXPECT_EQ(Value(fight.out, 3, b + ".AttackFrame"), "0") << s.name;  // full health: no attack
        EXPECT_NE(Value(fight.out, 3, b + ".MoveClock"), "0") << s.name;
        EXPECT_NE(Value(fight.out, 40, b + ".AttackFrame"), "0") << s.name;
        EXPECT_EQ(Value(fight.out, 559, "SceneNumber"), s.defeatTo) << s.name;
    }
}

TEST(PlaytestScript, TheTimeOutDefeatsTheBossAndPlayGoesOnInTheNextScene) {
    auto r = Playtest("--script AltStage2 --frames 900 --set 2:StageClock=10990 "
                      "--print 50:AltStage2BossState.Health --print 600:SceneNumber --print 900:SceneNumber,StageTick");
    EXPECT_EQ(Value(r.out, 50, "AltStage2BossState.Health"), "0");  // clock past 11000
    EXPECT_EQ(Value(r.out, 600, "SceneNumber"), "5");
    EXPECT_EQ(Value(r.out, 900, "SceneNumber"), "5");
    EXPECT_NE(Value(r.out, 900, "StageTick"), "0");  // stage 3, a reached stage, counts its ticks
}

TEST(PlaytestScript, TheBossesWithoutPicturesStillFight) {
    auto r = Playtest("--script AltStage5 --frames 60 --set 2:StageClock=1801 --set 5:AltStage5BossState.Health=100 "
                      "--print 1:ImgAltStage2Boss,ImgAltStage5Boss --print 60:AltStage5BossState.AttackFrame");
    EXPECT_EQ(Value(r.out, 1, "ImgAltStage2Boss"), "0");
    EXPECT_EQ(Value(r.out, 1, "ImgAltStage5Boss"), "0");
    EXPECT_NE(Value(r.out, 60, "AltStage5BossState.AttackFrame"), "0");
}

// How many of the picture's opaque pixels in the 60 x 70 frame at column
// `column` the shot shows at (x, y), out of how many there are.
struct Match {
    int shown = 0, opaque = 0;
};
Match ShipShown(const std::string& shot, const std::string& picture, int column, int x, int y) {
    Match m;
    SDL_Surface* a = SDL_LoadBMP(shot.c_str());
    SDL_Surface* b = SDL_LoadBMP(picture.c_str());
    SDL_Surface* s = a ? SDL_ConvertSurfaceFormat(a, SDL_PIXELFORMAT_RGB888, 0) : nullptr;
    SDL_Surface* p = b ? SDL_ConvertSurfaceFormat(b, SDL_PIXELFORMAT_RGB888, 0) : nullptr;
    auto at = [](SDL_Surface* surf, int px, int py) {
        return static_cast<const uint32_t*>(surf->pixels)[py * (surf->pitch / 4) + px] & 0xFFFFFF;
    };
    for (int j = 0; s && p && j < 70; ++j)
        for (int i = 0; i < 60; ++i) {
            const uint32_t want = at(p, column + i, j), got = at(s, x + i, y + j);
            if ((want & 0xF8FCF8) == 0) continue;  // the key colour
            ++m.opaque;
            bool near = true;
            for (int shift : {0, 8, 16})
                near = near && std::abs(static_cast<int>((want >> shift) & 0xFF) - static_cast<int>((got >> shift) & 0xFF)) <= 8;
            m.shown += near;
        }
    for (SDL_Surface* f : {a, b, s, p}) SDL_FreeSurface(f);
    return m;
}

// A script starts with the ship that F1 on the level select gives a new game:
// ship type 1 with its picture, shown at its start position, and it fires.
TEST(PlaytestScript, StartsWithTheShipOfANewGame) {
    testsupport::TempFolder folder;
    const std::string shot = folder.path + "/ship.bmp";
    auto r = Playtest("--script Stage1 --frames 16 --shot 1:" + shot +
                      " --print 1:ShipType,GameLevel,PlayMode,PlayerX,PlayerY,PlayerBank --key 4:Shift:10"
                      " --print 16:active:PlayerShotsA");
    ASSERT_EQ(r.status, 0) << r.out;
    const std::pair<const char*, const char*> kFirstFrame[] = {
        {"ShipType", "1"}, {"GameLevel", "1"}, {"PlayMode", "1"}, {"PlayerX", "370"}, {"PlayerY", "520"}};
    for (const auto& [name, value] : kFirstFrame) EXPECT_EQ(Value(r.out, 1, name), value) << name;
    EXPECT_NE(Value(r.out, 16, "active:PlayerShotsA"), "0");
    const int column = std::atoi(Value(r.out, 1, "PlayerBank").c_str()) * 60;
    const Match m = ShipShown(shot, std::string(VQ_DATA_DIR) + "/IMAGE/MYME1.BMP", column, 370, 520);
    EXPECT_GT(m.opaque, 500);
    EXPECT_GE(m.shown * 10, m.opaque * 9) << m.shown << " of " << m.opaque;
}

TEST(PlaytestScript, AnUnknownScriptIsRefused) {
    auto r = Playtest("--script RunStage9 --frames 5");
    EXPECT_EQ(r.status, 2);
}

}  // namespace
