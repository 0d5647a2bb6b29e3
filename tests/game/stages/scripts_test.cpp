// The stage scripts' own rules, read through the frames they run.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <sstream>
#include <string>

#include "framework/draw/draw.h"
#include "framework/sound/midi.h"
#include "game/bosses/bosses.h"
#include "game/bullets/groups.h"
#include "game/enemies/enemies.h"
#include "game/state/background.h"
#include "tests/game/stages/stage_fixture.h"
#include "tests/support/run.h"

namespace {

using stages::kScripts;
using stagetest::A;
using stagetest::gSeen;

// A call expected at a clock value, with the modes it runs under.
struct Wave {
    float clock;
    const void* fn;
    int calls;
    int sub = 0;
    int mode = 1;
};
// A call expected when the attack counter rises past `before`, and the
// counter after the frame.
struct Volley {
    int level;
    int32_t before;
    const void* fn;
    int calls;
    int32_t after;
};

class Scripts : public stagetest::StageFrames {
protected:
    void CheckWaves(stages::ScriptId id, std::initializer_list<Wave> waves) {
        for (const Wave& w : waves) {
            PlayMode = w.mode;
            PlaySubMode = w.sub;
            FrameAt(id, w.clock);
            EXPECT_EQ(Count(w.fn), w.calls) << kScripts[id].name << " clock " << w.clock << " mode " << w.mode
                                            << " sub " << w.sub;
        }
    }
    void CheckVolleys(stages::ScriptId id, std::initializer_list<Volley> volleys) {
        BossState& boss = *kScripts[id].boss;
        for (const Volley& v : volleys) {
            GameLevel = v.level;
            boss.Health = static_cast<float>(kScripts[id].ceiling - 1);
            boss.AttackFrame = v.before;
            FrameAt(id, 5000);
            SCOPED_TRACE(testing::Message() << kScripts[id].name << " level " << v.level << " count " << v.before + 1);
            if (v.fn) {
                EXPECT_EQ(Count(v.fn), v.calls);
            }
            EXPECT_EQ(boss.AttackFrame, v.after);
        }
    }
};

TEST_F(Scripts, EveryTimelineIsWellFormed) {
    for (const auto& s : kScripts) {
        if (!s.timeline) continue;
        for (const timeline::List* l : {&s.timeline->attacks, &s.timeline->objects, &s.timeline->bullets,
                                        &s.timeline->lockOn})
            EXPECT_EQ(timeline::FirstFault(*l), l->count) << s.name;
    }
}

TEST_F(Scripts, StageParameters) {
    struct Case {
        stages::ScriptId id;
        uint32_t scene;
        const char* music;
        float speed;
    } cases[] = {
        {stages::Stage1, SceneStage1, "MIDI/QTW1.MID", 20}, {stages::Stage2, SceneStage2, "MIDI/QTW2.MID", 18},
        {stages::Stage3, SceneStage3, "MIDI/QTW3.MID", 16}, {stages::Stage4, SceneStage4, "MIDI/QTW4.MID", 14},
        {stages::Stage5, SceneStage5, "MIDI/QTW5.MID", 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kScripts[c.id].name);
        EXPECT_EQ(kScripts[c.id].scene, c.scene);
        FrameSeconds = 0.5f;
        StageTick = 0;
        StageClock = 0;
        Frame(c.id);
        EXPECT_FLOAT_EQ(StageClock, c.speed / 2);
        ASSERT_EQ(Count(A(&fwMidi::Play)), 1);
        EXPECT_STREQ(gSeen[IndexOf(A(&fwMidi::Play))].text, c.music);
    }
}

TEST_F(Scripts, Stage1Waves) {
    CheckWaves(stages::Stage1, {
        {120, A(&SpawnSzak10), 0},          {120.5f, A(&SpawnSzak10), 1},      {170, A(&SpawnSzak10), 0},
        {300, A(&MoveSzak10), 2},           {850, A(&MoveSzak6C), 3},          {1160, A(&MoveSzak6C), 3},
        {1190, A(&MoveSzak6C), 1},          {1000, A(&SpawnPowerUpItem), 1},   {1000.5f, A(&SpawnPowerUpItem), 0},
        {950, A(&SpawnPowerUpItem), 1},     {575, A(&SpawnSzak21BDropLine1), 1}, {600, A(&SpawnSzak21BDropLine1), 0},
        {975, A(&SpawnSzak22B), 1},         {1100, A(&SpawnSzak22CSmallShot4), 1}, {1100, A(&MoveStage1Boss), 0},
        {1100.5f, A(&MoveStage1Boss), 1},   {10, A(&MoveStage1BossSlantFan1), 2, 1}, {10, A(&MoveSzak1AAimedShot1), 2, 0, 2},
    });
}

TEST_F(Scripts, Stage1LargeDropsOnlyAboveLevel1AndTheTimeOut) {
    for (int level : {1, 3}) {
        GameLevel = level;
        Stage1BossState.Health = 1000;
        Stage1BossState.AttackFrame = 19;
        FrameAt(stages::Stage1, 2000);
        EXPECT_EQ(Count(A(&EmitStage1BossLargeDrop1)), level == 3 ? 1 : 0);
        EXPECT_EQ(Count(A(&EmitStage1BossSpiral3)), 1);
    }
    FrameAt(stages::Stage1, 10000);
    EXPECT_EQ(Stage1BossState.Health, 0.0f);
    EXPECT_EQ(Count(A(&DefeatStage1Boss)), 1);
}

TEST_F(Scripts, Stage2LoopsByLevel) {
    CheckVolleys(stages::Stage2, {
        {1, 2299, nullptr, 0, 0},  {2, 2299, nullptr, 0, 0},  {3, 2299, nullptr, 0, 2300}, {3, 3709, nullptr, 0, 0},
        {1, 3000, nullptr, 0, 0},
        // The level-3 rows open only at level 3; the row [0, 30] opens from 1.
        {1, 1319, A(&EmitStage2BossLargeDrop1), 0, 1320}, {3, 1319, A(&EmitStage2BossLargeDrop1), 1, 1320},
        {1, 1319, A(&EmitStage2BossAimedSpread1), 1, 1320}, {1, 0, A(&SpawnStage2BossSmallShot9), 1, 1},
        {1, 0, A(&SpawnStage2BossAimedLine1), 0, 1},  // the [220, 20] rows never open
    });
}

TEST_F(Scripts, Stage2WavesAndOrder) {
    CheckWaves(stages::Stage2, {
        {160, A(&SpawnSzak6DSmallShot2), 1},      {160, A(&SpawnSzak6DAimedLine2), 0},
        {160, A(&SpawnSzak6DAimedLine2), 1, 1},   {195, A(&SpawnSzak6EAimedLine3), 0, 1},
        {170, A(&EmitSzak6EAimedSpread1), 1, 0, 2}, {850, A(&SpawnSzak6DAimedLine2), 1, 1},
        {800, A(&SpawnSzak6DAimedLine2), 0, 1},   {400, A(&SpawnSzak9SmallShot1), 1},
        {400, A(&SpawnSzak9SmallShot1), 0, 1},    {10, A(&MoveSzak9), 2},
        {10, A(&MoveSzak12), 2},                  {100, A(&SpawnSzak12DropLine2), 0},
        {100, A(&SpawnSzak12DropLine2), 1, 0, 2}, {300, A(&MoveSzak51), 0},
        {300, A(&EmitSzak51AimedSpread3), 1, 1},  {1050, A(&SpawnPowerUpItem), 1},
        {10, A(&MoveSzak9SmallShot1), 2, 2},      {10, A(&MoveStage5BossFan1), 1},
    });
    PlaySubMode = 0;
    FrameAt(stages::Stage2, 10);
    EXPECT_LT(IndexOf(A(&DrawSzak9SmallShot1)), IndexOf(A(&MoveSzak9SmallShot1)));
    EXPECT_LT(IndexOf(A(&MoveSzak12SmallShot1)), IndexOf(A(&DrawSzak12SmallShot1)));
}

TEST_F(Scripts, Stage3HealthWindowsAndCycle) {
    struct Case {
        int mode;
        float health;
        int32_t before;
        int smallShots, spread22;
        int32_t after;
    } cases[] = {
        {1, 750, 100, 0, 0, 101},   // the health windows stay shut in the usual play mode
        {2, 750, 100, 1, 0, 101},
        {2, 770, 100, 1, 0, 101},
        {2, 500, 100, 0, 0, 101},
        {2, 60, 100, 1, 0, 101},
        {2, 780, 100, 0, 0, 100},   // at the ceiling nothing attacks
        {1, 700, 29, 0, 1, 30},     // the first window opens at count 30
        {1, 700, 4899, 0, 0, 0},    // 4900 runs the last window, then restarts
    };
    for (const Case& c : cases) {
        PlayMode = c.mode;
        Stage3BossState.Health = c.health;
        Stage3BossState.AttackFrame = c.before;
        FrameAt(stages::Stage3, 5000);
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.health << " " << c.before);
        EXPECT_EQ(Count(A(&SpawnStage3BossSmallShot9)), c.smallShots);
        EXPECT_EQ(Count(A(&EmitStage3BossAimedSpread22)), c.spread22);
        EXPECT_EQ(Stage3BossState.AttackFrame, c.after);
    }
    Stage3BossState.Health = 700;
    Stage3BossState.AttackFrame = 4899;
    FrameAt(stages::Stage3, 5000);
    EXPECT_EQ(Count(A(&EmitStage3BossAimedSpread5)), 1);
}

TEST_F(Scripts, Stage3WavesAndSubModeShots) {
    CheckWaves(stages::Stage3, {
        {130, A(&SpawnSzak1A), 0},            {131, A(&SpawnSzak1A), 1},            {100, A(&SpawnPowerUpItem), 1},
        {400, A(&SpawnSzak6DSmallShot1), 1},  {400, A(&SpawnSzak6DSmallShot2), 0},  {950, A(&SpawnSzak6ESmallShot2), 1},
        {10, A(&MoveSzak6DSmallShot1), 0},    {10, A(&MoveSzak6DSmallShot1), 2, 1}, {10, A(&MoveSzak6DSmallShot2), 1},
        {10, A(&MoveStage3BossFan1), 2, 1},   {10, A(&MoveSzak13A), 2, 1},          {10, A(&DrawSzak30AAimedLine1), 1},
        {1470, A(&MoveStage3Boss), 0},        {1470.5f, A(&MoveStage3Boss), 1},     {850, A(&SpawnSzak54A), 1},
    });
    // The A-formations' bullets stand before the power-up item, not after UpdatePlayer.
    PlaySubMode = 0;
    FrameAt(stages::Stage3, 10);
    EXPECT_LT(IndexOf(A(&DrawSzak1BAimedShot1)), IndexOf(A(&UpdateDrawPowerUpItem)));
    EXPECT_LT(IndexOf(A(&UpdateDrawPowerUpItem)), IndexOf(A(&UpdatePlayer)));
}

TEST_F(Scripts, BackgroundsByScript) {
    struct Case {
        stages::ScriptId id;
        int plain;
        int stars, range, minimum;
        const void* layer;
    } cases[] = {
        {stages::Stage1, 0, 1, 80, 80, A(&ScrollBackground1)},   {stages::Stage1, 1, 1, 80, 80, nullptr},
        {stages::Stage2, 0, 1, 130, 130, A(&ScrollBackground2)}, {stages::Stage2, 1, 1, 150, 150, nullptr},
        {stages::Stage3, 0, 1, 200, 150, A(&ScrollBackground3)}, {stages::Stage4, 0, 0, 0, 0, A(&ScrollBackground3)},
        {stages::Stage4, 1, 1, 220, 200, nullptr},               {stages::Stage5, 0, 1, 160, 160, A(&ScrollBackground2)},
        {stages::Stage5, 1, 1, 200, 200, nullptr},
    };
    for (const Case& c : cases) {
        PlainBackground = c.plain;
        FrameAt(c.id, 10);
        SCOPED_TRACE(testing::Message() << kScripts[c.id].name << " plain " << c.plain);
        ASSERT_EQ(Count(A(&DrawStarField)), c.stars);
        if (c.stars) {
            EXPECT_EQ(gSeen[IndexOf(A(&DrawStarField))].a, c.range);
            EXPECT_EQ(gSeen[IndexOf(A(&DrawStarField))].b, c.minimum);
        }
        if (c.layer) {
            EXPECT_EQ(Count(c.layer), 1);
        } else {
            EXPECT_EQ(Count(A(&ScrollBackground1)) + Count(A(&ScrollBackground2)) + Count(A(&ScrollBackground3)), 0);
        }
    }
}

TEST_F(Scripts, Stage4AttacksByLevel) {
    CheckVolleys(stages::Stage4, {
        {3, 299, A(&SpawnStage4BossBeam1), 1, 300},      {1, 299, A(&SpawnStage4BossBeam1), 0, 300},
        {1, 299, A(&SpawnStage4BossSmallShot9), 1, 300}, {3, 299, A(&SpawnStage4BossSmallShot9), 0, 300},
        {1, 1119, A(&EmitStage4BossDirFan3), 1, 1120},   {3, 1119, A(&EmitStage4BossDirFan3), 0, 1120},
        {1, 0, A(&EmitStage4BossDirFan2), 1, 1},         {1, 1769, A(&EmitStage4BossStream1), 0, 0},
        {1, 1749, A(&EmitStage4BossStream6), 1, 1750},
    });
}

TEST_F(Scripts, Stage4BeamsDrawOnlyAndTheSpreadOrRing) {
    for (int sub : {0, 1}) {
        PlaySubMode = sub;
        FrameAt(stages::Stage4, 10);
        EXPECT_EQ(Count(A(&DrawStage4BossBeam1)), 1);
        EXPECT_EQ(Count(A(&MoveSzak52CAimedRing1)), sub);
        EXPECT_EQ(Count(A(&MoveSzak52CAimedSpread1)), 1 - sub);
        EXPECT_EQ(Count(A(&MoveStage4BossSmallShot9)), 1 + sub);
    }
    EXPECT_EQ(IndexOf(A(&DrawStage4BossBeam1)), IndexOf(A(&UpdatePlayer)) + 1);
    CheckWaves(stages::Stage4, {
        {30, A(&SpawnSzak10), 0},           {31, A(&SpawnSzak10), 1},             {200, A(&SpawnSzak10), 0},
        {650, A(&SpawnSzak6DSmallShot3), 1}, {650, A(&SpawnSzak6DSmallShot1), 0}, {550, A(&SpawnSzak12SmallShot1), 0},
        {1280, A(&SpawnSzak41B), 1},        {1300, A(&MoveStage4Boss), 0},
    });
}

TEST_F(Scripts, Stage5CyclesByLevel) {
    CheckVolleys(stages::Stage5, {
        {1, 2999, A(&EmitStage5BossSpiral10), 1, 0},     // 3000 still fires, then restarts
        {3, 2999, A(&EmitStage5BossSpiral10), 0, 3000},
        {3, 4389, A(&EmitStage5BossStream8), 1, 0},      // 4390 still fires, then restarts
        {2, 4389, A(&EmitStage5BossStream8), 1, 0},
        {1, 0, A(&EmitStage5BossStream1), 1, 1},         // [0, 400] opens from 1
        {1, 699, A(&EmitStage5BossLargeDrop1), 0, 700},  {3, 699, A(&EmitStage5BossLargeDrop1), 1, 700},
        {1, 2399, A(&EmitStage5BossStream8), 1, 2400},   {3, 2399, A(&EmitStage5BossStream8), 0, 2400},
    });
}

TEST_F(Scripts, OnlyStage1ClearsThePauseOnEntry) {
    for (auto id : {stages::Stage1, stages::Stage2, stages::Stage3, stages::Stage4, stages::Stage5}) {
        SceneEntered = 1;
        Paused = ContinuePrompt = 1;
        LastKey = 0;
        Frame(id);
        EXPECT_EQ(Paused, id == stages::Stage1 ? 0 : 1) << kScripts[id].name;
        EXPECT_EQ(Count(A(&fwDraw::Present)), id == stages::Stage1 ? 1 : 0) << kScripts[id].name;
    }
}

TEST_F(Scripts, ContinueChargesByStage) {
    for (auto id : {stages::Stage1, stages::Stage2, stages::Stage3, stages::Stage4, stages::Stage5}) {
        Paused = ContinuePrompt = 1;
        LastKey = 'Y';
        BombCharges = 0;
        Frame(id);
        EXPECT_EQ(BombCharges, id == stages::Stage5 ? 3 : 5) << kScripts[id].name;
        EXPECT_EQ(Lives, 111);
    }
}

TEST_F(Scripts, Stage5Waves) {
    CheckWaves(stages::Stage5, {
        {10, A(&MoveSzak10), 3},               {10, A(&SpawnSzak10DropLine1), 1},  {10, A(&MoveSzak6B), 2},
        {10, A(&MoveSzak9), 1},                {10, A(&MoveSzak9), 2, 1},          {10, A(&MoveSzak6AAimedShot1), 2, 1},
        {620, A(&EmitSzak53BSpiral2), 1},      {1260, A(&MoveStage5Boss), 0},      {1260.5f, A(&MoveStage5Boss), 1},
        {1300, A(&SpawnSzak22CSmallShot4), 1}, {1310, A(&SpawnSzak22C), 0},        {10, A(&DrawStage2BossSmallShot9), 1},
    });
}

TEST_F(Scripts, AlternativeScriptsCountNoTickAndTimeTheirMusic) {
    struct Case {
        stages::ScriptId id;
        int paused;
        const char* music;
        float speed;
    } cases[] = {{stages::AltStage2, 1, "MIDI/HMDW3.MID", 20}, {stages::AltStage4, 0, "MIDI/KV5.MID", 13},
                 {stages::AltStage5, 0, nullptr, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(kScripts[c.id].name);
        SceneEntered = 1;
        Paused = c.paused;
        StageTick = 0;
        FrameSeconds = 0.5f;
        FrameAt(c.id, 0);
        ASSERT_EQ(Count(A(&fwMidi::Play)), c.music ? 1 : 0);  // on entry, even when paused
        if (c.music) {
            EXPECT_STREQ(gSeen[IndexOf(A(&fwMidi::Play))].text, c.music);
        }
        EXPECT_FLOAT_EQ(StageClock, c.paused ? 0 : c.speed / 2);
        SceneEntered = 0;
        Paused = 0;
        FrameAt(c.id, 0);
        EXPECT_EQ(Count(A(&fwMidi::Play)), 0);
        EXPECT_EQ(StageTick, 0u);
    }
}

TEST_F(Scripts, AlternativeScriptsWaves) {
    CheckWaves(stages::AltStage2, {
        {10, A(&MoveSzak10), 3}, {250, A(&MoveSzak9), 2}, {250, A(&MoveSzak9SmallShot1), 1},
        {250, A(&MoveSzak9SmallShot1), 2, 0, 2}, {700, A(&EmitSzak51AimedSpread2), 1}, {700, A(&EmitSzak51AimedSpread1), 0},
        {700, A(&EmitSzak52CTwinShot1), 0}, {700, A(&EmitSzak52CTwinShot1), 1, 0, 2}, {10, A(&MoveSzak51TwinShot2), 1},
        {10, A(&MoveSzak51TwinShot2), 0, 1},
    });
    CheckWaves(stages::AltStage4, {
        {10, A(&MoveSzak10), 2}, {850, A(&MoveSzak6C), 3}, {950, A(&MoveSzak6C), 3}, {990, A(&MoveSzak6C), 1},
        {650, A(&SpawnSzak6DAimedLine1), 0}, {850, A(&SpawnSzak6DAimedLine1), 1}, {700, A(&EmitSzak51TwinShot1), 1},
        {1250, A(&MoveAltStage4Boss), 0}, {1250.5f, A(&MoveAltStage4Boss), 1},
    });
    CheckWaves(stages::AltStage5, {
        {10, A(&MoveSzak12), 2}, {1310, A(&SpawnSzak54A), 1}, {0.5f, A(&SpawnSzak54A), 0}, {1800, A(&MoveAltStage5Boss), 0},
        {10, A(&MoveSzak9SmallShot1), 1}, {10, A(&MoveSzak9SmallShot1), 2, 0, 2},
    });
    PlaySubMode = 0;
    PlayMode = 1;
    FrameAt(stages::AltStage2, 10);
    EXPECT_LT(IndexOf(A(&MovePowerUpItem)), IndexOf(A(&UpdateDrawPowerUpItem)));
    EXPECT_LT(IndexOf(A(&CheckGameOver)), IndexOf(A(&DrawSidePanels)));
    FrameAt(stages::AltStage5, 10);
    EXPECT_LT(IndexOf(A(&DrawPlayerShots)), IndexOf(A(&MoveAltStage5BossFan1)));
    EXPECT_LT(IndexOf(A(&DrawAltStage5BossSmallShot9)), IndexOf(A(&MoveSzak9)));
    FrameAt(stages::AltStage4, 10);
    EXPECT_EQ(Count(A(&DrawStarField)), 0);
    EXPECT_EQ(Count(A(&ScrollBackgroundAlt4)), 1);
    CheckVolleys(stages::AltStage5, {
        {1, 1219, A(&EmitAltStage5BossDirFan2), 1, 0}, {1, 18, A(&EmitAltStage5BossDirFan3), 0, 19},
        {1, 19, A(&EmitAltStage5BossDirFan3), 1, 20}, {1, 999, A(&EmitStage5BossAimedRing5), 1, 1000},
    });
    CheckVolleys(stages::AltStage2, {{1, 1099, A(&EmitAltStage2BossFan1), 1, 0}, {1, 60, A(&SpawnAltStage2BossSmallShot1), 0, 61}});
    CheckVolleys(stages::AltStage4, {{1, 0, A(&EmitAltStage4BossTwinShot1), 1, 1}, {1, 1609, nullptr, 0, 0}});
}

TEST(StagePlay, TitleToStage1CountsTicksAndClock) {
    // Enter at frame 2 leaves the title, F1 at frame 10 starts stage 1, whose
    // first frame is 11: 100 stage frames later the clock stands at 32.
    auto r = testsupport::Playtest(
        "--frames 110 --key 2:Return --key 10:F1 --print 11:StageTick,MidiOpen --print 110:SceneNumber,StageTick,StageClock");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(testsupport::Value(r.out, 11, "StageTick"), "1");
    EXPECT_EQ(testsupport::Value(r.out, 11, "MidiOpen"), "1");
    EXPECT_EQ(testsupport::Value(r.out, 110, "SceneNumber"), "2");
    EXPECT_EQ(testsupport::Value(r.out, 110, "StageTick"), "100");
    EXPECT_EQ(testsupport::Value(r.out, 110, "StageClock"), "32");
}

// The first frame on which each scene runs, from "F SceneNumber=S" lines.
std::map<int, long> SceneStarts(const std::string& out) {
    std::map<int, long> starts;
    std::istringstream in(out);
    long frame;
    std::string word;
    while (in >> frame >> word) {
        if (word.rfind("SceneNumber=", 0) != 0) continue;
        starts.emplace(std::stoi(word.substr(12)), frame);
    }
    return starts;
}

TEST(StagePlay, TimeOutsCarryTheGameThroughFiveStagesAndTheEndingBackToTheTitle) {
    // 100 ms frames: stage 1 reaches its time-out at clock 10000 after 5000
    // frames; the others at 11000 after 11000 / (speed x 0.1) frames. The
    // defeat sequence adds its 70 units of 10 x FrameSeconds (at most 70 frames).
    const std::string keys = "--dt 100 --key 2:Return --key 10:F1 --key 12:Y:100000 ";
    auto r = testsupport::Playtest(keys + "--frames 34400 --every 1:SceneNumber");
    ASSERT_EQ(r.status, 0);
    const auto starts = SceneStarts(r.out);
    struct Stage {
        uint32_t scene, next;
        double frames;
    } stages[] = {{SceneStage1, SceneStage2, 10000 / 2.0},  {SceneStage2, SceneStage3, 11000 / 1.8},
                  {SceneStage3, SceneStage4, 11000 / 1.6},  {SceneStage4, SceneStage5, 11000 / 1.4},
                  {SceneStage5, SceneEnding, 11000 / 2.0}};
    for (const Stage& s : stages) {
        ASSERT_TRUE(starts.count(s.scene) && starts.count(s.next)) << "scene " << s.scene << " to " << s.next;
        const long length = starts.at(s.next) - starts.at(s.scene);
        EXPECT_GE(length, s.frames - 1) << "scene " << s.scene;
        EXPECT_LE(length, s.frames + 72) << "scene " << s.scene;
    }
    // The ending passes 2400 clock units at 20 a second (1200 frames) and
    // returns to the title, which runs on.
    const std::string ending = "SceneNumber=" + std::to_string(SceneEnding);
    const auto lastEnding = r.out.rfind(" " + ending + "\n");
    ASSERT_NE(lastEnding, std::string::npos);
    const long endingFrames = std::stol(r.out.substr(r.out.rfind('\n', lastEnding) + 1)) - starts.at(SceneEnding) + 1;
    EXPECT_GE(endingFrames, 1200);
    EXPECT_LE(endingFrames, 1202);
    EXPECT_EQ(testsupport::Value(r.out, 34400, "SceneNumber"), std::to_string(SceneTitle));
}

}  // namespace
