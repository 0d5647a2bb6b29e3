#include "game/stages/driver.h"

#include <string>

#include "framework/draw/draw.h"
#include "framework/sound/midi.h"
#include "framework/system/system.h"
#include "game/player/player.h"
#include "game/shell/gamemode.h"
#include "game/shell/scorepanel.h"
#include "game/shell/shell.h"
#include "game/state/background.h"
#include "game/state/stage_state.h"

int32_t Stage1Arg, Stage1Arg2, Stage2Arg, Stage2Arg2, Stage3Arg, Stage3Arg2;
int32_t Stage4Arg, Stage4Arg2, Stage5Arg, Stage5Arg2;
int32_t AltStage2Arg, AltStage4Arg, AltStage5Arg;

namespace stages {

void (*Observer)(const Seen& call);

namespace {

using timeline::Guard;
using timeline::Kind;
using timeline::List;
using timeline::Op;

template <class R, class... P>
const void* Address(R (*f)(P...)) {
    return reinterpret_cast<const void*>(f);
}

// Makes one call, or shows it to the observer.
template <class R, class... P, class... A>
inline void Make(R (*f)(P...), A... args) {
    if (Observer) [[unlikely]] {
        int32_t v[2] = {0, 0};
        int i = 0;
        ((v[i++] = static_cast<int32_t>(args)), ...);
        Observer(Seen{Address(f), v[0], v[1], nullptr});
        return;
    }
    f(args...);
}

void PlayMusic(const char* file) {
    if (Observer) {
        Observer(Seen{Address(&fwMidi::Play), 1, 0, file});
        return;
    }
    fwMidi::Play(file, 1);
}

bool GuardHolds(Guard g) {
    switch (g) {
    case Guard::None: return true;
    case Guard::Level1: return GameLevel == 1;
    case Guard::Level3: return GameLevel == 3;
    case Guard::Level1Or2: return GameLevel == 1 || GameLevel == 2;
    case Guard::Level2Or3: return GameLevel == 2 || GameLevel == 3;
    case Guard::Mode1: return PlayMode == 1;
    case Guard::Mode2: return PlayMode == 2;
    case Guard::ModeNot1: return PlayMode != 1;
    case Guard::Sub1: return PlaySubMode == 1;
    case Guard::SubNot1: return PlaySubMode != 1;
    case Guard::SubNot0: return PlaySubMode != 0;
    case Guard::Mode2OrSub1: return PlayMode == 2 || PlaySubMode == 1;
    }
    return false;
}

// The script being run, for the argument globals and the boss record.
struct Frame {
    int32_t arg, arg2;
    BossState* boss;
};

bool Opens(const Op& op, const Frame& f) {
    if (!GuardHolds(op.guard)) return false;
    switch (op.kind) {
    case Kind::Block: return true;
    case Kind::ClockOpen: return static_cast<float>(op.a) < StageClock && StageClock < static_cast<float>(op.b);
    case Kind::ClockClosed: return static_cast<float>(op.a) <= StageClock && StageClock <= static_cast<float>(op.b);
    case Kind::Attack: return op.a <= f.boss->AttackFrame && f.boss->AttackFrame <= op.b;
    case Kind::Health:
        return static_cast<float>(op.a) <= f.boss->Health && f.boss->Health <= static_cast<float>(op.b);
    default: return false;
    }
}

// Index of the End or Else that closes the block starting at i (or n).
size_t Skip(const Op* ops, size_t i, size_t n) {
    for (int depth = 0; i < n; ++i) {
        const Kind k = ops[i].kind;
        if (ops[i].Opens()) ++depth;
        else if (k == Kind::End || k == Kind::Else) {
            if (depth == 0) return i;
            if (k == Kind::End) --depth;
        }
    }
    return n;
}

// Runs operations from i up to the End or Else that closes the current
// block; returns its index (or n at the end of the list).
size_t Run(const Op* ops, size_t i, size_t n, const Frame& f) {
    while (i < n) {
        const Op& op = ops[i];
        switch (op.kind) {
        case Kind::End:
        case Kind::Else: return i;
        case Kind::Call0: Make(op.fn.f0); ++i; break;
        case Kind::Call1: Make(op.fn.f1, f.arg); ++i; break;
        case Kind::Call2: Make(op.fn.f2, f.arg, f.arg2); ++i; break;
        case Kind::Const2: Make(op.fn.f2, op.a, op.b); ++i; break;
        default: {
            const bool open = Opens(op, f);
            size_t j = open ? Run(ops, i + 1, n, f) : Skip(ops, i + 1, n);
            if (j < n && ops[j].kind == Kind::Else) j = open ? Skip(ops, j + 1, n) : Run(ops, j + 1, n, f);
            i = j + 1;
        }
        }
    }
    return n;
}

void RunList(const List& list, const Frame& f) { Run(list.ops, 0, list.count, f); }

void RunBossBlock(const Script& s, const Frame& f) {
    if (!(static_cast<float>(s.bossFrom) < StageClock && StageClock < static_cast<float>(s.bossTo))) return;
    Make(s.moveBoss);
    Make(s.drawBoss);
    BossState& boss = *s.boss;
    if (0.0f < boss.Health && boss.Health < static_cast<float>(s.ceiling)) {
        // Wraps rather than overflows when a test or a tool has set an absurd count.
        boss.AttackFrame = static_cast<int32_t>(static_cast<uint32_t>(boss.AttackFrame) + 1u);
        if (s.timeline) RunList(s.timeline->attacks, f);
        for (const LoopRule& rule : s.loops)
            if (rule.at > 0 && GuardHolds(rule.guard) && boss.AttackFrame >= rule.at) boss.AttackFrame = 0;
    }
    if (static_cast<float>(s.endFrom) <= StageClock && StageClock <= static_cast<float>(s.endTo)) {
        boss.Health = 0.0f;
        Make(s.defeatBoss);
    }
}

void RunAfterPresent(const Script& s, const AfterPresent& p, const Frame& f) {
    Make(&MovePlayer);
    if (BombActive == 1 && (!p.ringBombNeedsShotsOff || ShotsAEnabled == 0)) Make(&EmitRingBombShards, f.arg);
    Make(&UpdateRingBombShards, f.arg);
    if (p.burstShots && BurstActive == 1) Make(&EmitBurstShots);
    Make(&UpdatePlayerShots);
    if (p.lockLasers && GameLevel == 3) {
        Make(&EmitLockLaserSzak6D);
        Make(&EmitLockLaserSzak6E);
        Make(&EmitLockLaserSzak13A);
        Make(&EmitLockLaserSzak13B);
    }
    if (s.timeline) RunList(s.timeline->lockOn, f);
    if (p.autoFire && AutoFire == 1) {
        if (ShipType == 1) Make(&EmitPlayerShotsA);
        if (ShipType == 2) Make(&EmitPlayerShotsB);
#define FIRE_HOMING(T) Make(&FireHomingMissiles##T);
        HOMING_TARGETS(FIRE_HOMING)
#undef FIRE_HOMING
        Make(&AssignBossLockPoints);
#define FIRE_BOSS(S) Make(&FireBossMissiles##S);
        BOSS_MISSILE_SETS(FIRE_BOSS)
#undef FIRE_BOSS
    }
}

// The continue: only 'Y' while the prompt is up resumes the stage.
void RunContinueTest(const AfterPresent& p) {
    if (ContinuePrompt == 1 && Paused == 1 && LastKey == 'Y') {
        Paused = 0;
        ContinuePrompt = 0;
        BombCharges = p.continueCharges;
        Lives = 111;
        Score = 0;
        Respawning = 1;
        PlayerAlive = 1;
    }
}

}  // namespace

void EnterStage1() {
    Paused = 0;
    ContinuePrompt = 0;
    LivesStepOn = 0;
}

void RunFrame(const Script& s, const AfterPresent& p) {
    const Frame f{s.arg ? *s.arg : 0, s.arg2 ? *s.arg2 : 0, s.boss};
    if (SceneEntered == 1) {
        if (s.entryWork) s.entryWork();
        if (s.music == Music::OnEntry) PlayMusic(s.musicFile);
    }
    if (Paused != 0) {
        RunContinueTest(p);
        return;
    }
    if (s.music == Music::AtTick1) {
        StageTick += 1;
        if (StageTick == 1) PlayMusic(s.musicFile);
        if (StageTick >= kTickWrap) StageTick = 0;
    }
    Make(&fwDraw::ClearBackBuffer);
    const float before = StageClock;
    StageClock += FrameSeconds * s.speed;
    // A frame long enough (the first after the game was switched away) to
    // carry the clock over the whole time-out window would leave the boss
    // undefeated and the stage without an end: such a step stops at the
    // window's start.
    if (before < static_cast<float>(s.endFrom) && StageClock > static_cast<float>(s.endTo))
        StageClock = static_cast<float>(s.endFrom);
    if (PlainBackground == 0) Run(s.layers, 0, std::size(s.layers), f);
    if (PlainBackground == 1) Make(&DrawStarField, s.starRange, s.starMinimum);
    Make(&DrawRingBombShards, f.arg);
    RunBossBlock(s, f);
    Make(&DrawPlayerShots);
    if (s.timeline) RunList(s.timeline->objects, f);
    Make(&UpdatePlayer);
    if (s.timeline) RunList(s.timeline->bullets, f);
    Make(&DrawScorePanel);
    Make(&CheckGameOver);
    if (p.sidePanels) Make(&DrawSidePanels);
    Make(&fwDraw::SetWaitVBlank, 1u);
    Make(&fwDraw::Present);
    RunAfterPresent(s, p, f);
}

}  // namespace stages

namespace timeline {

size_t FirstFault(List list) {
    int depth = 0;
    for (size_t i = 0; i < list.count; ++i) {
        const Op& op = list.ops[i];
        if (op.Opens()) ++depth;
        else if (op.kind == Kind::Else && depth == 0) return i;
        else if (op.kind == Kind::End && --depth < 0) return i;
        else if (op.kind >= Kind::Call0 && op.kind <= Kind::Const2 && op.fn.f0 == nullptr) return i;
    }
    return depth == 0 ? list.count : list.count - 1;
}

}  // namespace timeline
