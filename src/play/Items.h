#pragma once

struct Game;

// Collects the items the character touches and draws the others, blinking.
void CollectAndDrawItems(Game& g);
