#pragma once

struct Game;

// Redraws the lives display: Lives - 1 icons in RestImage.
void ShowRest(Game& g);
