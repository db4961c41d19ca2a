#pragma once

struct Game;

// Redraws the lives display: Lives - 1 icons in LivesImage.
void ShowLives(Game& g);
