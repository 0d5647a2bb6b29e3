// Scene handlers and the start-up load.
#pragma once

void LoadStartupAssets();
void RunTitle();
void RunLevelSelect();
void RunShipSelect();
void RunStage1();
void RunStage2();
void RunStage3();
void RunStage4();
void RunStage5();
void RunEnding();
