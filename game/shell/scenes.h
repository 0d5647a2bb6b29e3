// Scene handlers and the start-up load.
#pragma once

void LoadStartupAssets();
void RunTitle();
void RunLevelSelect();
void RunShipSelect();
// The game that Enter on the title and then F1 (level 1) or F2 (level 3) on
// the level select set up, without showing either screen: the title
// defaults, the resets, the play modes, ship type 1 with its picture and the
// level.
void SetUpNewGame(int level);
void RunStage1();
void RunStage2();
void RunStage3();
void RunStage4();
void RunStage5();
void RunEnding();
