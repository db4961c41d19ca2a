#pragma once

struct Game;

// Draws the character in play onto FrameImage: walking, standing, rising or
// descending in an arc, or climbing.
void DrawPlayer(Game& g);
