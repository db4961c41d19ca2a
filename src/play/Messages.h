#pragma once

struct Game;

// "MISS!" or "GAME OVER" on ShownField in the frame the character fell out.
void DrawFrameMessages(Game& g);
// Every item collected: "- CLEAR!! -" each frame, and in the frame the last
// one went, the jump that carries the character out of the top of the field.
void CheckClear(Game& g);
// The rising speed that carries a character at y out of the top of the field.
int ClearJumpSpeed(int y);
