// The records a boss owns besides its BossState: the pictures that rise
// through the screen before a boss comes in, the explosions of the defeat
// sequences, and the pools that only the resets write.
#pragma once
#include <cstdint>

#include "game/bosses/boss_state.h"

// A picture that crosses the screen upward during a boss's entry.
struct BossEntryPicture {
    float x;
    float y;
    float speed;  // pixels per second, upward
};

extern BossEntryPicture Stage1BossFlyby;
extern BossEntryPicture Stage2BossEntryPicture;
extern BossEntryPicture Stage4BossEntryPicture;
extern BossEntryPicture UnusedBossPart;  // parked by the resets, moved by nothing

constexpr int kBigBlasts = 8;
constexpr int kSmallBlasts = 6;
extern DefeatBlast Stage1BossBigBlasts[kBigBlasts], Stage1BossSmallBlasts[kSmallBlasts];
extern DefeatBlast AltStage2BossBigBlasts[kBigBlasts], AltStage2BossSmallBlasts[kSmallBlasts];
extern DefeatBlast Stage5BossBigBlasts[kBigBlasts], Stage5BossSmallBlasts[kSmallBlasts];
extern DefeatBlast Stage3BossBigBlasts[kBigBlasts], Stage3BossSmallBlasts[kSmallBlasts];
extern DefeatBlast Stage4BossBigBlasts[kBigBlasts], Stage4BossSmallBlasts[kSmallBlasts];
extern DefeatBlast AltStage4BossBigBlasts[kBigBlasts], AltStage4BossSmallBlasts[kSmallBlasts];
extern DefeatBlast Stage2BossBigBlasts[kBigBlasts], Stage2BossSmallBlasts[kSmallBlasts];
extern DefeatBlast AltStage5BossBigBlasts[kBigBlasts], AltStage5BossSmallBlasts[kSmallBlasts];

// Records that only the second reset writes: five pools of seven and three
// of four.
struct UnusedBossRecord {
    uint32_t frame;
    float x;
    float y;
    uint32_t words[3];
};
extern UnusedBossRecord UnusedBossPool7A[7], UnusedBossPool7B[7], UnusedBossPool7C[7], UnusedBossPool7D[7],
    UnusedBossPool7E[7];
extern UnusedBossRecord UnusedBossPool4A[4], UnusedBossPool4B[4], UnusedBossPool4C[4];

// The pictures of the two alternative bosses: nothing loads a file into
// them, so they stay 0 and those bosses show no sprite.
extern int32_t ImgAltStage2Boss;
extern int32_t ImgAltStage5Boss;
