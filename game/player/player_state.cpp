#include "game/player/player_state.h"

#include "framework/system/named.h"
#include "game/shell/resets.h"

float PlayerX;
float PlayerY;
int32_t PlayerAlive;
int32_t Score;
int32_t HiScore;
int32_t Lives;
int32_t BombCharges;

namespace {

named::Registrar reg([] {
    NAMED_SCALAR(PlayerX);
    NAMED_SCALAR(PlayerY);
    NAMED_SCALAR(PlayerAlive);
    NAMED_SCALAR(Score);
    NAMED_SCALAR(HiScore);
    NAMED_SCALAR(Lives);
    NAMED_SCALAR(BombCharges);
});

// Between stages the ship starts from the corner, and the movement clamp
// brings it into the allowed area.
resets::Step resetA(resets::PhaseA, resets::RankPlayerState, [] {
    PlayerX = 0;
    PlayerY = 0;
    PlayerAlive = 1;
});

// A new game: the start position, the score, the bombs and the lives.
resets::Step newGame(resets::PhaseNewGame, resets::RankNewGamePlayer, [] {
    PlayerX = 370;
    PlayerY = 520;
    Score = 0;
    BombCharges = 5;
    Lives = 999;
});

}  // namespace
