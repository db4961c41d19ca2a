#pragma once

struct Game;

// Redraws the score and high-score boxes and bars, raising HiScore to Score.
void ShowScore(Game& g);
