// The ending scene.
#pragma once

// Height of the game-over strip the ending draws while GameOver is set.
extern float GameOverStripHeight;
