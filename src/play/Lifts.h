#pragma once

struct Game;

// Moves and draws the lifts: one starts when the character stands exactly on
// it, carries it along the shaft, and at the other end stops, turns and
// pushes the character 4 pixels aside. A lift shows once stepped on.
void MoveLifts(Game& g);
