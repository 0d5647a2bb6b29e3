// The score panel along the top of the playfield, and the older lives and
// game-over step that nothing calls.
#pragma once
#include <cstdint>
#include <string>

extern std::string PanelText;
extern int32_t GameOverCountdown;
extern float GameOverTimer;
extern int32_t LivesStepOn;

void DrawScorePanel();
void UpdateLivesAndGameOver();
