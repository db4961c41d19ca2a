#pragma once

struct Game;

// Draws the character in play onto BuffImage: walking, standing, rising or
// descending in an arc, or climbing.
void DrawPlayer(Game& g);
