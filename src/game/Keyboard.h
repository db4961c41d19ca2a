#pragma once

struct Game;

void KeyPressed(Game& g, int key);
void KeyReleased(Game& g, int key);

// The actions shared by the keys and the menus.
void PauseToggle(Game& g);
void RequestRestart(Game& g);
void SetFrameInterval(Game& g, int ms);
void SlowerSpeed(Game& g);
void FasterSpeed(Game& g);
void BrighterDuoScreen(Game& g);
void DarkerDuoScreen(Game& g);
