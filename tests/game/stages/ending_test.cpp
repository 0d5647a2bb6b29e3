// The ending, played through the driver at 50 ms frames: the clock moves by
// exactly 1 a frame, so the windows' bounds can be met exactly.
#include <gtest/gtest.h>

#include <SDL.h>

#include <string>

#include "tests/support/run.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Playtest;
using testsupport::Value;

// The ending from frame 2 on, 50 ms frames, and `more` arguments.
testsupport::RunResult Ending(const std::string& more) {
    return Playtest("--dt 50 --set 2:SceneNumber=10 " + more);
}

// The colour of one pixel of a shot, 0xRRGGBB.
uint32_t PixelOf(const std::string& file, int x, int y) {
    SDL_Surface* s = SDL_LoadBMP(file.c_str());
    if (!s) return 0xDEADBEEF;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(s);
    const uint32_t p = static_cast<const uint32_t*>(rgb->pixels)[y * rgb->pitch / 4 + x] & 0xFFFFFF;
    SDL_FreeSurface(rgb);
    return p;
}

TEST(Ending, PicturesAndCreditsShowInTheirClosedWindows) {
    testsupport::TempFolder folder;
    const std::string dir = folder.path + "/";
    // Clock after the frame: 399 (banner), 400 (first picture), 700.5 (between
    // pictures), 2400 (credits, still running).
    auto r = Ending("--frames 12 --set 4:StageClock=398 --shot 4:" + dir + "a.bmp --set 6:StageClock=399 --shot 6:" +
                    dir + "b.bmp --set 8:StageClock=699.5 --shot 8:" + dir + "c.bmp --set 10:StageClock=2399 --shot 10:" +
                    dir + "d.bmp --print 4:StageClock --print 6:StageClock --print 10:StageClock,SceneNumber "
                          "--print 11:SceneNumber");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(Value(r.out, 4, "StageClock"), "399");
    EXPECT_EQ(Value(r.out, 6, "StageClock"), "400");
    EXPECT_EQ(Value(r.out, 10, "StageClock"), "2400");
    const int px = 400, py = 150;  // inside the banner and the pictures
    const uint32_t banner = PixelOf(dir + "a.bmp", px, py);
    const uint32_t picture = PixelOf(dir + "b.bmp", px, py);
    EXPECT_NE(banner, picture);
    EXPECT_NE(picture, 0u);
    EXPECT_EQ(PixelOf(dir + "c.bmp", px, py), 0u);          // no picture between windows
    const uint32_t behindText = PixelOf(dir + "d.bmp", 281, 185);     // navy behind the credits
    EXPECT_EQ(behindText & 0xFFFF00, 0u);
    EXPECT_GE(behindText & 0xFF, 0x80u);
    EXPECT_EQ(Value(r.out, 10, "SceneNumber"), "10");      // 2400 does not end it
    EXPECT_EQ(Value(r.out, 11, "SceneNumber"), "1");       // 2401 does
}

TEST(Ending, SpaceEndsAtOnceWithANewGameAndTheTimeOutWithout) {
    auto space = Ending("--frames 8 --set 3:Score=1234 --key 5:Space "
                        "--print 5:SceneNumber,TransitionPattern,TransitionPitch,TransitionDir,Score,MidiOpen");
    EXPECT_EQ(Value(space.out, 5, "SceneNumber"), "1");
    EXPECT_EQ(Value(space.out, 5, "TransitionPattern"), "3");
    EXPECT_EQ(Value(space.out, 5, "TransitionPitch"), "60");
    EXPECT_EQ(Value(space.out, 5, "TransitionDir"), "-1");
    EXPECT_EQ(Value(space.out, 5, "Score"), "0");
    EXPECT_EQ(Value(space.out, 5, "MidiOpen"), "0");

    auto timeOut = Ending("--frames 8 --set 3:Score=1234 --set 5:StageClock=2400 "
                          "--print 5:SceneNumber,TransitionPitch,Score,MidiOpen");
    EXPECT_EQ(Value(timeOut.out, 5, "SceneNumber"), "1");
    EXPECT_EQ(Value(timeOut.out, 5, "TransitionPitch"), "60");
    EXPECT_EQ(Value(timeOut.out, 5, "Score"), "1234");
    EXPECT_EQ(Value(timeOut.out, 5, "MidiOpen"), "0");

    // Space on the time-out frame runs both endings to the same scene change.
    auto both = Ending("--frames 8 --set 3:Score=1234 --set 5:StageClock=2400 --key 5:Space "
                       "--print 5:SceneNumber,TransitionPitch,TransitionStep,Score");
    EXPECT_EQ(Value(both.out, 5, "SceneNumber"), "1");
    EXPECT_EQ(Value(both.out, 5, "TransitionPitch"), "60");
    EXPECT_EQ(Value(both.out, 5, "Score"), "0");
}

TEST(Ending, MusicOpensOnTheFirstTickAndTheClockRunsAtTwentyASecond) {
    // The scene machine marks the scene entered on the frame after the one
    // on which the driver switched it: the clock starts from 0 there.
    auto r = Ending("--frames 30 --print 2:StageTick,MidiOpen --print 22:StageTick,StageClock");
    EXPECT_EQ(Value(r.out, 2, "StageTick"), "1");
    EXPECT_EQ(Value(r.out, 2, "MidiOpen"), "1");
    EXPECT_EQ(Value(r.out, 22, "StageTick"), "21");
    EXPECT_EQ(Value(r.out, 22, "StageClock"), "20");  // frames 3 to 22, 50 ms each at 20 a second
}

}  // namespace
