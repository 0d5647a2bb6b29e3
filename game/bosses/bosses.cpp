// The eight bosses as rows of data: sprite, smoke, lock sets, path, entry
// picture and the defeat's constants; and the records they own.
#include <algorithm>
#include <array>

#include "game/bosses/body.h"
#include "game/bosses/bosses.h"
#include "game/bosses/lock_sets.h"
#include "game/shell/assets.h"
#include "game/shell/shell.h"

#define BOSS(Name) BossState Name##State;
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"

LockSlot Stage1BossLockSetA[4], Stage1BossLockSetB[4];
LockSlot AltStage2BossLockSetA[4], AltStage2BossLockSetB[4];
LockSlot Stage5BossLockSetA[6], Stage5BossLockSetB[6];
LockSlot Stage3BossLockSetA[4], Stage3BossLockSetB[4];
LockSlot Stage4BossLockSetA[6], Stage4BossLockSetB[6];
LockSlot AltStage4BossLockSetA[10], AltStage4BossLockSetB[10];
LockSlot Stage2BossLockSetA[6], Stage2BossLockSetB[6];
LockSlot AltStage5BossLockSetA[6], AltStage5BossLockSetB[6];

BossEntryPicture Stage1BossFlyby;
BossEntryPicture Stage2BossEntryPicture;
BossEntryPicture Stage4BossEntryPicture;
BossEntryPicture UnusedBossPart;

DefeatBlast Stage1BossBigBlasts[kBigBlasts], Stage1BossSmallBlasts[kSmallBlasts];
DefeatBlast AltStage2BossBigBlasts[kBigBlasts], AltStage2BossSmallBlasts[kSmallBlasts];
DefeatBlast Stage5BossBigBlasts[kBigBlasts], Stage5BossSmallBlasts[kSmallBlasts];
DefeatBlast Stage3BossBigBlasts[kBigBlasts], Stage3BossSmallBlasts[kSmallBlasts];
DefeatBlast Stage4BossBigBlasts[kBigBlasts], Stage4BossSmallBlasts[kSmallBlasts];
DefeatBlast AltStage4BossBigBlasts[kBigBlasts], AltStage4BossSmallBlasts[kSmallBlasts];
DefeatBlast Stage2BossBigBlasts[kBigBlasts], Stage2BossSmallBlasts[kSmallBlasts];
DefeatBlast AltStage5BossBigBlasts[kBigBlasts], AltStage5BossSmallBlasts[kSmallBlasts];

UnusedBossRecord UnusedBossPool7A[7], UnusedBossPool7B[7], UnusedBossPool7C[7], UnusedBossPool7D[7],
    UnusedBossPool7E[7];
UnusedBossRecord UnusedBossPool4A[4], UnusedBossPool4B[4], UnusedBossPool4C[4];

int32_t ImgAltStage2Boss;
int32_t ImgAltStage5Boss;

namespace bosses {
namespace {

using enum Path;
constexpr float kOn = kOnward;

// One path from sections, at compile time.
template <size_t... N>
constexpr auto Join(const PathRow (&... parts)[N]) {
    std::array<PathRow, (N + ...)> out{};
    size_t at = 0;
    ((std::copy(std::begin(parts), std::end(parts), out.begin() + at), at += N), ...);
    return out;
}

// clang-format off

// Damage smoke, in drawing order.
constexpr SmokePuff kStage1BossSmoke[] = {
    // {smokes at Health <= this, strip, y step per frame, dx, dy}
    {90, &ImgZbak3B, 28, 140,  50}, {90, &ImgZbak3B, 28, 220,  50},
    {70, &ImgZbak3B, 28,  60, 100}, {70, &ImgZbak3B, 28, 300, 100},
};
constexpr SmokePuff kAltStage2BossSmoke[] = {
    {90, &ImgZbak4B, 28, 140,  70}, {90, &ImgZbak4B, 28, 220,  70},
    {70, &ImgZbak4B, 28,  60,  20}, {70, &ImgZbak4B, 28, 300,  20},
};
constexpr SmokePuff kStage5BossSmoke[] = {
    {90, &ImgZbak3B, 28, 150,  60}, {90, &ImgZbak3B, 28, 230,  60},
    {70, &ImgZbak4B, 28,  70,  10}, {70, &ImgZbak4B, 28, 310,  10},
};
constexpr SmokePuff kStage3BossSmoke[] = {
    {90, &ImgZbak3B, 28, 140,  70}, {90, &ImgZbak3B, 28, 220,  70},
    {70, &ImgZbak3B, 19,  60, 150}, {70, &ImgZbak3B, 19, 300, 150},
};
constexpr SmokePuff kStage4BossSmoke[] = {
    {60, &ImgZbak3B, 28,  30,  20}, {60, &ImgZbak3B, 28, 270,  20}, {60, &ImgZbak3B, 28, 150, 100},
};
constexpr SmokePuff kAltStage4BossSmoke[] = {
    {70, &ImgZbak3B, 28,  70,  20}, {70, &ImgZbak3B, 28, 310,  20}, {70, &ImgZbak3B, 28, 190, 100},
};
constexpr SmokePuff kStage2BossSmoke[] = {
    {90, &ImgZbak3B, 28, 150,  70}, {90, &ImgZbak3B, 28, 270,  70},
    {70, &ImgZbak3B, 28,  90,   0}, {70, &ImgZbak3B, 28, 330,   0},
};
constexpr SmokePuff kAltStage5BossSmoke[] = {
    {90, &ImgZbak3B, 28, 180, 130}, {90, &ImgZbak3B, 28, 220, 130},
    {70, &ImgZbak3B, 28, 120,  70}, {70, &ImgZbak3B, 28, 280,  70},
};

// Paths on the move clock (10 per second). Every row whose window holds the
// clock runs, in this order.
constexpr PathRow kStage1BossPath[] = {
    // window               action      a     b     c
    {'[',   0,  20, ']', ShowEntry,  160,  600,  400},
    {'(',  21,  59, ']', RiseEntry,  160},
    {'(',  60,  90, ']', Place,      180, -360},
    {'[',  91, 135, ']', Drift,        0,   80},
    {'[', 135, 162, ']', Place,      180,    0},
    {'[', 160, kOn, ']', Loop,       138},
};
constexpr PathRow kAltStage2BossPath[] = {
    {'(',   0,  30, ']', Place,      180, -380},
    {'[',  31,  75, ']', Drift,        0,   78},
    {'[',  75, 100, ']', Place,      180,    0},
    {'[', 101, 110, ']', Drift,      100,   50},
    {'[', 111, 120, ']', Drift,     -100,  -50},
    {'[', 121, 130, ']', Drift,     -100,   50},
    {'[', 131, 140, ']', Drift,      100,  -50},
    {'[', 141, 160, ']', Place,      180,    0},
    {'[', 161, 190, ']', Drift,       40,    0},
    {'[', 191, 250, ']', Drift,      -40,    0},
    {'[', 251, 280, ']', Drift,       40,    0},
    {'[', 281, kOn, ']', Loop,         0},
};
// The side-to-side and diamond section that four paths share.
constexpr PathRow kSideToSide[] = {
    {'[', 162, 171, ']', Drift,       80,    0},
    {'[', 172, 190, ']', Drift,      -80,    0},
    {'[', 191, 200, ']', Drift,       80,    0},
    {'[', 201, 210, ']', Drift,      100,   50},
    {'[', 211, 220, ']', Drift,     -100,  -50},
    {'[', 221, 230, ']', Drift,     -100,   50},
    {'[', 231, 240, ']', Drift,      100,  -50},
};
constexpr PathRow kStage5BossEntry[] = {
    {'(',   0,  31, ']', Place,      170, -380},
    {'[',  31,  75, ']', Drift,        0,   77},
    {'(',  75, 161, ']', Place,      170,    0},
};
constexpr PathRow kStage5BossLoop[] = {
    {'[', 241, kOn, ']', Loop,       160},
};
constexpr auto kStage5BossPath = Join(kStage5BossEntry, kSideToSide, kStage5BossLoop);
constexpr PathRow kStage3BossEntry[] = {
    {'(',   0,  30, ']', Place,      180, -480},
    {'[',  31,  75, ']', Drift,        0,  104},
    {'[',  75,  90, ']', Place,      180,    0},
    {'[',  91, 115, ']', Drift,        0,   60},
    {'[', 116, 140, ']', Drift,        0,  -60},
    {'[', 141, 162, ']', Place,      180,    0},
};
constexpr PathRow kStage3BossWideLoop[] = {
    {'[', 240, 250, ']', Place,      180,    0},
    {'[', 250, 260, ']', Drift,      150,    0},
    {'[', 261, 280, ']', Drift,     -150,    0},
    {'[', 281, 290, ']', Drift,      150,    0},
    {'[', 291, 300, ']', Drift,      200,  100},
    {'[', 301, 310, ']', Drift,     -200, -100},
    {'[', 311, 320, ']', Drift,     -200,  100},
    {'[', 321, 330, ']', Drift,      200, -100},
    {'[', 331, kOn, ']', Loop,        80},
};
constexpr auto kStage3BossPath = Join(kStage3BossEntry, kSideToSide, kStage3BossWideLoop);
constexpr PathRow kStage4BossEntry[] = {
    {'[',   0,  20, ']', ShowEntry,  160,  600,  400},
    {'(',  21,  59, ']', RiseEntry,  160},
    {'(',  60,  90, ']', Place,      210, -460},
    {'[',  91, 135, ']', Drift,        0,  100},
    {'[', 135, 162, ']', Place,      210,    0},
};
constexpr PathRow kLoopTo151[] = {
    {'[', 241, kOn, ']', Loop,       151},
};
constexpr auto kStage4BossPath = Join(kStage4BossEntry, kSideToSide, kLoopTo151);
constexpr PathRow kAltStage4BossEntry[] = {
    {'[',   0,  90, ']', Place,      170, -400},
    {'[',  91, 135, ']', Drift,        0,   80},
    {'[', 135, 162, ']', Place,      170,    0},
};
constexpr auto kAltStage4BossPath = Join(kAltStage4BossEntry, kSideToSide, kLoopTo151);
constexpr PathRow kStage2BossPath[] = {
    {'[',   0,  13, ']', ShowEntry,  150,  600,  500},
    {'(',  14,  59, ']', RiseEntry,  150},
    {'(',  60,  90, ']', Place,      150, -400},
    {'[',  91, 135, ']', Drift,        0,   93},
    {'[', 135, 162, ']', Place,      150,    0},
    {'[', 162, 171, ']', Drift,       80,    0},
    {'[', 172, 190, ']', Drift,      -80,    0},
    {'[', 191, 200, ']', Drift,       80,    0},
    {'[', 201, 210, ']', Drift,      100,    0},
    {'[', 211, 220, ']', Drift,     -100,    0},
    {'[', 221, 230, ']', Drift,     -100,    0},
    {'[', 231, 240, ']', Drift,      100,    0},
    {'[', 241, 250, ']', Place,      150,    0},
    {'[', 251, 270, ']', Drift,      100,    0},
    {'[', 271, 290, ']', Drift,     -100,    0},
    {'[', 291, 310, ']', Drift,     -100,    0},
    {'[', 311, 330, ']', Drift,      100,    0},
    {'[', 331, kOn, ']', Loop,       145},
};
constexpr PathRow kAltStage5BossPath[] = {
    {'(',   0,  30, ']', Place,      160, -400},
    {'[',  31,  74, ']', Drift,        0,   86},
    {'[',  75, 100, ']', Place,      160,    0},
    {'[', 101, 130, ']', Drift,       40,    0},
    {'[', 131, 190, ']', Drift,      -40,    0},
    {'[', 191, 220, ']', Drift,       40,    0},
    {'[', 221, kOn, ']', Loop,        80},
};

// The bosses in the order of the second reset. Column A: whether set A shows
// markers (set B always does).
constexpr BossBody kBosses[] = {
    // owner                   state                hp    hit sprite            W    H    smoke                lock set A             lock set B             pts A  path                part record              entry pic   W    H    big blasts              small blasts              W    HB   HS   next scene   pitch
    {catalogue::Stage1Boss,    &Stage1BossState,    1020, 1, &ImgBoss11,        440, 360, kStage1BossSmoke,    Stage1BossLockSetA,    Stage1BossLockSetB,    4,  1, kStage1BossPath,    &Stage1BossFlyby,        &ImgBos111, 480, 480, Stage1BossBigBlasts,    Stage1BossSmallBlasts,    440, 360, 360, SceneStage2, 30},
    {catalogue::AltStage2Boss, &AltStage2BossState, 600,  0, &ImgAltStage2Boss, 440, 380, kAltStage2BossSmoke, AltStage2BossLockSetA, AltStage2BossLockSetB, 4,  1, kAltStage2BossPath, &UnusedBossPart,         nullptr,    0,   0,   AltStage2BossBigBlasts, AltStage2BossSmallBlasts, 440, 280, 280, SceneStage3, 30},
    {catalogue::Stage5Boss,    &Stage5BossState,    1500, 0, &ImgBoss31,        460, 380, kStage5BossSmoke,    Stage5BossLockSetA,    Stage5BossLockSetB,    6,  1, kStage5BossPath,    nullptr,                 nullptr,    0,   0,   Stage5BossBigBlasts,    Stage5BossSmallBlasts,    460, 320, 320, SceneEnding, 30},
    {catalogue::Stage3Boss,    &Stage3BossState,    800,  0, &ImgBoss41,        440, 380, kStage3BossSmoke,    Stage3BossLockSetA,    Stage3BossLockSetB,    4,  1, kStage3BossPath,    nullptr,                 nullptr,    0,   0,   Stage3BossBigBlasts,    Stage3BossSmallBlasts,    440, 320, 310, SceneStage4, 30},
    {catalogue::Stage4Boss,    &Stage4BossState,    1000, 0, &ImgBoss51,        380, 460, kStage4BossSmoke,    Stage4BossLockSetA,    Stage4BossLockSetB,    6,  1, kStage4BossPath,    &Stage4BossEntryPicture, &ImgBos511, 480, 480, Stage4BossBigBlasts,    Stage4BossSmallBlasts,    380, 320, 320, SceneStage5, 30},
    {catalogue::AltStage4Boss, &AltStage4BossState, 1400, 0, &ImgBoss61,        460, 400, kAltStage4BossSmoke, AltStage4BossLockSetA, AltStage4BossLockSetB, 10, 0, kAltStage4BossPath, nullptr,                 nullptr,    0,   0,   AltStage4BossBigBlasts, AltStage4BossSmallBlasts, 460, 330, 330, SceneStage5, 30},
    {catalogue::Stage2Boss,    &Stage2BossState,    1000, 0, &ImgBoss71,        500, 400, kStage2BossSmoke,    Stage2BossLockSetA,    Stage2BossLockSetB,    6,  0, kStage2BossPath,    &Stage2BossEntryPicture, &ImgBoss71, 500, 400, Stage2BossBigBlasts,    Stage2BossSmallBlasts,    500, 350, 350, SceneStage3, 60},
    {catalogue::AltStage5Boss, &AltStage5BossState, 1220, 0, &ImgAltStage5Boss, 480, 400, kAltStage5BossSmoke, AltStage5BossLockSetA, AltStage5BossLockSetB, 6,  0, kAltStage5BossPath, nullptr,                 nullptr,    0,   0,   AltStage5BossBigBlasts, AltStage5BossSmallBlasts, 480, 320, 320, SceneEnding, 60},
};

// clang-format on

constexpr bool InCatalogueOrder() {
    for (int i = 0; i < catalogue::kOwnerCount - catalogue::kEnemyCount; ++i)
        if (kBosses[i].owner != catalogue::kEnemyCount + i) return false;
    return std::size(kBosses) == catalogue::kOwnerCount - catalogue::kEnemyCount;
}
static_assert(InCatalogueOrder(), "one row per boss, in the order of the owner list");

}  // namespace

const BossBody& Body(catalogue::Owner boss) { return kBosses[boss - catalogue::kEnemyCount]; }

}  // namespace bosses

#define BOSS(Name)                                                  \
    void Move##Name() { bosses::MoveBoss(bosses::Body(catalogue::Name)); }     \
    void Draw##Name() { bosses::DrawBoss(bosses::Body(catalogue::Name)); }     \
    void Defeat##Name() { bosses::DefeatBoss(bosses::Body(catalogue::Name)); } \
    void MarkHit##Name() { Name##State.HitFlag = 1; }
#define ENEMY(Name, Record, Slots, Shape)
#include "game/catalogue/owners.inc"
