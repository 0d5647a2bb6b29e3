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
    named::Scalar("PlayerX", &PlayerX);
    named::Scalar("PlayerY", &PlayerY);
    named::Scalar("PlayerAlive", &PlayerAlive);
    named::Scalar("Score", &Score);
    named::Scalar("HiScore", &HiScore);
    named::Scalar("Lives", &Lives);
    named::Scalar("BombCharges", &BombCharges);
});

// Between stages the ship starts from the corner, and the movement clamp
// brings it into the allowed area.
resets::Step resetA(resets::PhaseA, resets::kRankSingles, [] {
    PlayerX = 0;
    PlayerY = 0;
    PlayerAlive = 1;
});

// A new game: the start position, the score, the bombs and the lives.
resets::Step newGame(resets::PhaseNewGame, resets::kRankSingles, [] {
    PlayerX = 370;
    PlayerY = 520;
    Score = 0;
    BombCharges = 5;
    Lives = 999;
});

}  // namespace
