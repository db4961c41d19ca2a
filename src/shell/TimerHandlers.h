#pragma once

struct Game;

// The handlers of the five timers of the main window.
void TitleTimerTimer(Game& g);
void Timer1Timer(Game& g);
void Timer2Timer(Game& g);
void ClearTimerTimer(Game& g);
void EndingTimerTimer(Game& g);
