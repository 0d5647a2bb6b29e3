#include "game/state/player_state.h"

#include "framework/system/named.h"
#include "game/player/player.h"
#include "game/shell/resets.h"

float PlayerX;
float PlayerY;
int32_t PlayerAlive;
int32_t Score;
int32_t HiScore;
int32_t Lives;
int32_t BombCharges;
float PlayerVelX;
float PlayerVelY;
int32_t PlayerBank;
int32_t PlayerBankDir;
int32_t RespawnFrame;
int32_t BurstFrame;
int32_t BurstStreamOn[3];
int32_t BurstStreamFrame[3];
int32_t RingBombFrame;
int32_t PowerUp;
int32_t PowerUp2;
int32_t ItemsSpawned;
int32_t BombActive;
int32_t BurstActive;
int32_t ShotsAEnabled;
int32_t ShotsBEnabled;
int32_t Respawning;

namespace {

named::Registrar reg([] {
    NAMED_SCALAR(PlayerX);
    NAMED_SCALAR(PlayerY);
    NAMED_SCALAR(PlayerAlive);
    NAMED_SCALAR(Score);
    NAMED_SCALAR(HiScore);
    NAMED_SCALAR(Lives);
    NAMED_SCALAR(BombCharges);
    NAMED_SCALAR(PlayerVelX);
    NAMED_SCALAR(PlayerVelY);
    NAMED_SCALAR(PlayerBank);
    NAMED_SCALAR(PlayerBankDir);
    NAMED_SCALAR(RespawnFrame);
    NAMED_SCALAR(BurstFrame);
    NAMED_ARRAY(BurstStreamOn);
    NAMED_ARRAY(BurstStreamFrame);
    NAMED_SCALAR(RingBombFrame);
    NAMED_SCALAR(PowerUp);
    NAMED_SCALAR(PowerUp2);
    NAMED_SCALAR(ItemsSpawned);
    NAMED_SCALAR(BombActive);
    NAMED_SCALAR(BurstActive);
    NAMED_SCALAR(ShotsAEnabled);
    NAMED_SCALAR(ShotsBEnabled);
    NAMED_SCALAR(Respawning);
});

// Between stages the ship starts from the corner, and the movement clamp
// brings it into the allowed area; the weapons are idle and ready.
resets::Step resetA(resets::PhaseA, resets::RankPlayerState, [] {
    PlayerX = 0;
    PlayerY = 0;
    PlayerVelX = 0;
    PlayerVelY = 0;
    PlayerBank = 3;
    PlayerBankDir = 0;
    PlayerAlive = 1;
    Respawning = 0;
    RespawnFrame = 0;
    BurstFrame = 0;
    BurstActive = 0;
    for (int i = 0; i < 3; ++i) BurstStreamOn[i] = BurstStreamFrame[i] = 0;
    BombActive = 0;
    RingBombFrame = 0;
    ShotsAEnabled = 1;
    ShotsBEnabled = 1;
});

// A new game: the start position, the score, the bombs and the lives.
resets::Step newGame(resets::PhaseNewGame, resets::RankNewGamePlayer, [] {
    PlayerX = 370;
    PlayerY = 520;
    Score = 0;
    BombCharges = 5;
    Lives = 999;
    PowerUp = 0;
    PowerUp2 = 0;
    ItemsSpawned = 0;
});

}  // namespace
