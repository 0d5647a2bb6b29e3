#include "game/stages/driver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/draw/draw.h"
#include "framework/sound/midi.h"
#include "game/shell/scorepanel.h"
#include "game/state/background.h"
#include "tests/game/stages/stage_fixture.h"

namespace {

using stages::kAfterPresent;
using stages::kScripts;
using stagetest::A;
using stagetest::gSeen;

// A script of the form with stand-in callees: the observer sees their
// addresses, so they are never called.
BossState gBoss;
int32_t gArg = 7, gArg2 = 9;
std::vector<int32_t> gFramesSeen;  // AttackFrame at each call of InAttack
void BossMove() {}
void BossDraw() {}
void BossDefeat() {}
void LayerA() {}
void LayerB() {}
void SpawnInOpen(int32_t) {}
void SpawnInClosed() {}
void WhenSub1() {}
void Otherwise() {}
void Nested(int32_t, int32_t) {}
void InAttack() {}
void InHealth() {}

}  // namespace

#include "game/stages/rows.h"

namespace {

// clang-format off
const timeline::Op kAttacks[] = {
    Attack(0, 0), Call(InAttack), End(),          // never: the counter is 1 or more here
    Attack(1, 3), Call(InAttack), End(),
    If(ModeNot1), HealthIn(740, 770), Call(InHealth), End(), End(),
};
const timeline::Op kObjects[] = {
    Open(120, 170), Call(SpawnInOpen), End(),
    Closed(100, 150), Call(SpawnInClosed), End(),
    If(Sub1), Call(WhenSub1), Else(), Call(Otherwise), End(),
    Open(150, 220), Open(140, 190, Sub1), Call(Nested), End(), End(),
};
// clang-format on
const timeline::Timeline kTimeline = {{}, timeline::ListOf(kObjects), {}, {}};
const timeline::Timeline kAttackTimeline = {timeline::ListOf(kAttacks), {}, {}, {}};

stages::Script FormScript(const timeline::Timeline* t = &kTimeline) {
    return {"Form", 0, stages::EnterStage1, 20, stages::Music::AtTick1, "MIDI/FORM.MID", {Call(LayerA), Call(LayerB)}, 80, 70,
            BossMove, BossDraw, BossDefeat, &gBoss, 1100, 10100, 1010,
            {{timeline::Guard::None, 3}, {timeline::Guard::None, 0}}, 10000, 10100, &gArg, &gArg2, t};
}
const stages::AfterPresent kAfter = {true, true, true, true, false, 5};

void RecordWithCounter(const stages::Seen& s) {
    stagetest::Record(s);
    if (s.fn == A(&InAttack)) gFramesSeen.push_back(gBoss.AttackFrame);
}

class Form : public stagetest::StageFrames {
protected:
    void SetUp() override {
        StageFrames::SetUp();
        gBoss = {};
        gFramesSeen.clear();
        stages::Observer = RecordWithCounter;
    }
    void Run(const stages::Script& s) {
        gSeen.clear();
        stages::RunFrame(s, kAfter);
    }
    void RunAt(float clock, const stages::Script& s) {
        StageClock = clock;
        Run(s);
    }
};

TEST_F(Form, WindowBoundsAndGuards) {
    struct Case {
        float clock;
        int subMode;
        int open, closed, whenSub1, otherwise, nested;
    } cases[] = {
        {120.0f, 0, 0, 1, 0, 1, 0},    // spawn window shut at its lower bound
        {120.5f, 0, 1, 1, 0, 1, 0},
        {150.0f, 0, 1, 1, 0, 1, 0},    // item-style window open at its upper bound
        {150.5f, 0, 1, 0, 0, 1, 0},
        {170.0f, 0, 0, 0, 0, 1, 0},    // shut at the upper bound
        {100.0f, 0, 0, 1, 0, 1, 0},    // closed window open at the lower bound
        {160.0f, 1, 1, 0, 1, 0, 1},    // nested window inside the outer one
        {150.0f, 1, 1, 1, 1, 0, 0},    // the outer window is shut at 150
        {190.0f, 1, 0, 0, 1, 0, 0},    // the inner window is shut at 190
        {160.0f, 2, 1, 0, 0, 1, 0},
    };
    const auto script = FormScript();
    for (const Case& c : cases) {
        PlaySubMode = c.subMode;
        RunAt(c.clock, script);
        SCOPED_TRACE(testing::Message() << "clock " << c.clock << " sub " << c.subMode);
        EXPECT_EQ(Count(A(&SpawnInOpen)), c.open);
        EXPECT_EQ(Count(A(&SpawnInClosed)), c.closed);
        EXPECT_EQ(Count(A(&WhenSub1)), c.whenSub1);
        EXPECT_EQ(Count(A(&Otherwise)), c.otherwise);
        EXPECT_EQ(Count(A(&Nested)), c.nested);
    }
    // Calls pass the script's argument globals.
    PlaySubMode = 1;
    RunAt(160, script);
    const auto& nested = gSeen[IndexOf(A(&Nested))];
    EXPECT_EQ(nested.a, 7);
    EXPECT_EQ(nested.b, 9);
    EXPECT_EQ(gSeen[IndexOf(A(&SpawnInOpen))].a, 7);
}

TEST_F(Form, GuardsReadTheModeGlobals) {
    using G = timeline::Guard;
    struct Case {
        G guard;
        int level, mode, sub;
        bool holds;
    } cases[] = {
        {G::Level1, 1, 1, 0, true},      {G::Level1, 3, 1, 0, false},    {G::Level3, 3, 1, 0, true},
        {G::Level1Or2, 2, 1, 0, true},   {G::Level1Or2, 3, 1, 0, false}, {G::Level2Or3, 2, 1, 0, true},
        {G::Level2Or3, 1, 1, 0, false},  {G::Mode1, 1, 1, 0, true},      {G::Mode2, 1, 1, 0, false},
        {G::ModeNot1, 1, 2, 0, true},    {G::ModeNot1, 1, 1, 0, false},  {G::Sub1, 1, 1, 1, true},
        {G::SubNot1, 1, 1, 0, true},     {G::SubNot1, 1, 1, 1, false},   {G::SubNot0, 1, 1, 2, true},
        {G::SubNot0, 1, 1, 0, false},    {G::Mode2OrSub1, 1, 2, 0, true}, {G::Mode2OrSub1, 1, 1, 1, true},
        {G::Mode2OrSub1, 1, 1, 0, false},
    };
    for (const Case& c : cases) {
        const timeline::Op ops[] = {timeline::Op::When(c.guard), Call(WhenSub1), End()};
        const timeline::Timeline t = {{}, timeline::ListOf(ops), {}, {}};
        GameLevel = c.level;
        PlayMode = c.mode;
        PlaySubMode = c.sub;
        Run(FormScript(&t));
        EXPECT_EQ(Count(A(&WhenSub1)), c.holds ? 1 : 0) << static_cast<int>(c.guard) << " " << c.level << c.mode << c.sub;
    }
}

TEST_F(Form, AttackCounterRisesBeforeTheWindowsAndRestartsAfterThem) {
    const auto script = FormScript(&kAttackTimeline);
    gBoss.Health = 1000;
    for (int i = 0; i < 5; ++i) RunAt(2000, script);
    EXPECT_EQ(gFramesSeen, (std::vector<int32_t>{1, 2, 3, 1, 2}));
    EXPECT_EQ(gBoss.AttackFrame, 2);
    gBoss.AttackFrame = INT32_MAX;  // an absurd count wraps instead of overflowing
    RunAt(2000, script);
    EXPECT_EQ(gBoss.AttackFrame, INT32_MIN);
}

TEST_F(Form, BossWindowCeilingAndTimeOut) {
    struct Case {
        float clock, health;
        int moves, attacks, defeats;
        float healthAfter;
    } cases[] = {
        {1100, 1000, 0, 0, 0, 1000},      // boss window shut at its lower bound
        {1100.5f, 1020, 1, 0, 0, 1020},   // above the ceiling: moves, no attack
        {1100.5f, 1010, 1, 0, 0, 1010},   // at the ceiling: no attack
        {1100.5f, 1009, 1, 1, 0, 1009},
        {1100.5f, 0, 1, 0, 0, 0},         // defeated: no attack
        {9999.9f, 500, 1, 1, 0, 500},
        {10000, 500, 1, 1, 1, 0},         // time-out from exactly E0, after the attacks
        {10099.9f, 500, 1, 1, 1, 0},
        {10100, 500, 0, 0, 0, 500},       // boss window shut at B1
    };
    const auto script = FormScript(&kAttackTimeline);
    for (const Case& c : cases) {
        gBoss = {};
        gBoss.Health = c.health;
        RunAt(c.clock, script);
        SCOPED_TRACE(testing::Message() << "clock " << c.clock << " health " << c.health);
        EXPECT_EQ(Count(A(&BossMove)), c.moves);
        EXPECT_EQ(Count(A(&BossDraw)), c.moves);
        EXPECT_EQ(Count(A(&InAttack)), c.attacks);
        EXPECT_EQ(Count(A(&BossDefeat)), c.defeats);
        EXPECT_FLOAT_EQ(gBoss.Health, c.healthAfter);
        if (c.defeats) {
            EXPECT_LT(IndexOf(A(&InAttack)), IndexOf(A(&BossDefeat)));
        }
        if (c.moves) {
            EXPECT_LT(IndexOf(A(&BossMove)), IndexOf(A(&BossDraw)));
        }
    }
}

TEST_F(Form, HealthWindowsOnlyOffTheUsualPlayMode) {
    const auto script = FormScript(&kAttackTimeline);
    struct Case {
        int mode;
        float health;
        int calls;
    } cases[] = {{1, 750, 0}, {2, 750, 1}, {2, 740, 1}, {2, 770, 1}, {2, 770.5f, 0}, {2, 739, 0}};
    for (const Case& c : cases) {
        PlayMode = c.mode;
        gBoss.Health = c.health;
        RunAt(2000, script);
        EXPECT_EQ(Count(A(&InHealth)), c.calls) << c.mode << " " << c.health;
    }
}

TEST_F(Form, FrameOrderClockAndBackground) {
    const auto script = FormScript();
    FrameSeconds = 0.016f;
    StageClock = 10;
    Run(script);
    EXPECT_FLOAT_EQ(StageClock, 10 + 0.016f * 20);
    EXPECT_EQ(StageTick, 1u);
    // Music at tick 1, then the clear, the layers in order, the shards.
    ASSERT_GE(gSeen.size(), 5u);
    EXPECT_EQ(gSeen[0].fn, A(&fwMidi::Play));
    EXPECT_STREQ(gSeen[0].text, "MIDI/FORM.MID");
    EXPECT_EQ(gSeen[1].fn, A(&fwDraw::ClearBackBuffer));
    EXPECT_EQ(gSeen[2].fn, A(&LayerA));
    EXPECT_EQ(gSeen[3].fn, A(&LayerB));
    EXPECT_EQ(gSeen[4].fn, A(&DrawRingBombShards));
    EXPECT_EQ(Count(A(&DrawStarField)), 0);
    // The present comes after the panel and the game-over test; the ship moves after it.
    EXPECT_LT(IndexOf(A(&DrawPlayerShots)), IndexOf(A(&UpdatePlayer)));
    EXPECT_LT(IndexOf(A(&DrawScorePanel)), IndexOf(A(&CheckGameOver)));
    EXPECT_LT(IndexOf(A(&CheckGameOver)), IndexOf(A(&fwDraw::Present)));
    EXPECT_LT(IndexOf(A(&fwDraw::Present)), IndexOf(A(&MovePlayer)));
    EXPECT_EQ(gSeen[IndexOf(A(&fwDraw::SetWaitVBlank))].a, 1);
    EXPECT_EQ(Count(A(&DrawSidePanels)), 0);

    PlainBackground = 1;
    Run(script);
    EXPECT_EQ(Count(A(&LayerA)), 0);
    ASSERT_EQ(Count(A(&DrawStarField)), 1);
    EXPECT_EQ(gSeen[IndexOf(A(&DrawStarField))].a, 80);
    EXPECT_EQ(gSeen[IndexOf(A(&DrawStarField))].b, 70);
    EXPECT_EQ(Count(A(&fwMidi::Play)), 0);  // only tick 1 starts the music
}

TEST_F(Form, ALongFrameStopsAtTheTimeOut) {
    const auto script = FormScript(&kAttackTimeline);
    struct Case {
        float from, seconds, to;
        int defeats;
    } cases[] = {
        {9990, 10, 10000, 1},     // would jump over [10000, 10100]
        {9990, 0.5f, 10000, 1},   // lands inside the window by itself
        {9000, 0.5f, 9010, 0},
        {10050, 10, 10250, 0},    // already in the window: the step stands
    };
    for (const Case& c : cases) {
        gBoss.Health = 500;
        FrameSeconds = c.seconds;
        RunAt(c.from, script);
        EXPECT_FLOAT_EQ(StageClock, c.to) << c.from << " + " << c.seconds << " s";
        EXPECT_EQ(Count(A(&BossDefeat)), c.defeats) << c.from << " + " << c.seconds << " s";
    }
}

TEST_F(Form, TickWrapsAndRestartsTheMusic) {
    const auto script = FormScript();
    StageTick = stages::kTickWrap - 1;
    Run(script);
    EXPECT_EQ(StageTick, 0u);
    EXPECT_EQ(Count(A(&fwMidi::Play)), 0);
    Run(script);
    EXPECT_EQ(StageTick, 1u);
    EXPECT_EQ(Count(A(&fwMidi::Play)), 1);
}

TEST_F(Form, PauseFreezesEverythingButTheContinue) {
    const auto script = FormScript();
    struct Case {
        int prompt, paused, key;
        bool resumes;
    } cases[] = {{1, 1, 'Y', true}, {0, 1, 'Y', false}, {1, 1, 'N', false}, {1, 0, 'Y', false}};
    for (const Case& c : cases) {
        ContinuePrompt = c.prompt;
        Paused = c.paused;
        LastKey = c.key;
        Lives = 0;
        Score = 1234;
        BombCharges = 0;
        StageTick = 40;
        StageClock = 300;
        FrameSeconds = 0.016f;
        PlayerAlive = 0;
        Run(script);
        SCOPED_TRACE(testing::Message() << c.prompt << c.paused << c.key);
        if (c.paused) {
            EXPECT_TRUE(gSeen.empty());  // nothing drawn, presented or moved
            EXPECT_EQ(StageTick, 40u);
            EXPECT_FLOAT_EQ(StageClock, 300);
        }
        EXPECT_EQ(Lives, c.resumes ? 111 : 0);
        EXPECT_EQ(Score, c.resumes ? 0 : 1234);
        EXPECT_EQ(BombCharges, c.resumes ? 5 : 0);
        EXPECT_EQ(PlayerAlive, c.resumes ? 1 : (c.paused ? 0 : PlayerAlive));
        if (c.resumes) {
            EXPECT_EQ(Paused, 0);
            EXPECT_EQ(ContinuePrompt, 0);
            EXPECT_EQ(Respawning, 1);
        }
        EXPECT_EQ(LastKey, c.key);  // the continue does not consume the key
    }
}

TEST_F(Form, EntryWorkClearsThePauseBeforeTheTest) {
    auto script = FormScript();
    SceneEntered = 1;
    Paused = ContinuePrompt = LivesStepOn = 1;
    Run(script);
    EXPECT_EQ(Paused, 0);
    EXPECT_EQ(ContinuePrompt, 0);
    EXPECT_EQ(LivesStepOn, 0);
    EXPECT_EQ(Count(A(&fwDraw::Present)), 1);
    // A script without entry work stays paused; one with music on entry plays it.
    script.entryWork = nullptr;
    script.music = stages::Music::OnEntry;
    Paused = 1;
    StageTick = 0;
    Run(script);
    EXPECT_EQ(Paused, 1);
    EXPECT_EQ(Count(A(&fwMidi::Play)), 1);
    EXPECT_EQ(StageTick, 0u);
}

TEST_F(Form, AfterThePresentGates) {
    struct Case {
        int scriptId;
        int bomb, shotsA, burst, level, autoFire, ship;
        int ring, bursts, lasers, autoShots;
    } cases[] = {
        {stages::Stage1, 1, 1, 0, 1, 0, 1, 0, 0, 0, 0},  // stage 1's ring bomb also waits for weapon A off
        {stages::Stage1, 1, 0, 1, 3, 0, 1, 1, 1, 0, 0},  // no lock lasers in stage 1
        {stages::Stage2, 1, 1, 0, 3, 1, 1, 1, 0, 1, 0},  // no automatic fire in stage 2
        {stages::Stage2, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0},
        {stages::Stage3, 0, 1, 1, 3, 1, 1, 0, 1, 1, 1},
        {stages::Stage4, 0, 1, 0, 3, 1, 2, 0, 0, 1, 1},
        {stages::Stage5, 0, 1, 0, 3, 0, 1, 0, 0, 0, 0},  // no lock lasers in stage 5
        {stages::AltStage2, 1, 1, 1, 3, 1, 1, 1, 0, 0, 0},  // no burst shots, lasers or automatic fire
    };
    for (const Case& c : cases) {
        BombActive = c.bomb;
        ShotsAEnabled = c.shotsA;
        BurstActive = c.burst;
        GameLevel = c.level;
        AutoFire = c.autoFire;
        ShipType = c.ship;
        auto script = kScripts[c.scriptId];
        script.timeline = nullptr;
        gSeen.clear();
        stages::RunFrame(script, kAfterPresent[c.scriptId]);
        SCOPED_TRACE(kScripts[c.scriptId].name);
        EXPECT_EQ(Count(A(&EmitRingBombShards)), c.ring);
        EXPECT_EQ(Count(A(&UpdateRingBombShards)), 1);
        EXPECT_EQ(Count(A(&EmitBurstShots)), c.bursts);
        EXPECT_EQ(Count(A(&EmitLockLaserSzak6D)) + Count(A(&EmitLockLaserSzak13B)), 2 * c.lasers);
        EXPECT_EQ(Count(A(&EmitPlayerShotsA)) + Count(A(&EmitPlayerShotsB)), c.autoShots);
        EXPECT_EQ(Count(A(&FireBossMissilesAltStage5BossB)), c.autoShots);
        EXPECT_EQ(Count(A(&DrawSidePanels)), c.scriptId == stages::AltStage2 ? 1 : 0);
        EXPECT_LT(IndexOf(A(&fwDraw::Present)), IndexOf(A(&UpdatePlayerShots)));
    }
}

TEST(TimelineForm, FaultsAreFound) {
    const timeline::Op unclosed[] = {Open(1, 2), Call(LayerA)};
    const timeline::Op strayEnd[] = {Call(LayerA), End()};
    const timeline::Op strayElse[] = {Else(), Call(LayerA)};
    const timeline::Op fine[] = {If(Sub1), Call(LayerA), Else(), Open(1, 2), End(), End()};
    EXPECT_EQ(timeline::FirstFault(timeline::ListOf(unclosed)), 1u);
    EXPECT_EQ(timeline::FirstFault(timeline::ListOf(strayEnd)), 1u);
    EXPECT_EQ(timeline::FirstFault(timeline::ListOf(strayElse)), 0u);
    EXPECT_EQ(timeline::FirstFault(timeline::ListOf(fine)), 6u);
}

}  // namespace
