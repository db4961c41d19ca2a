#pragma once

struct Game;

// Sets up one stage for PlayMode and StageNo: builds it, lists its items,
// paints the hidden and visible surfaces, shows the title, plays the start
// jingle to its end and starts the stage music. The caller runs the timers.
void StartStage(Game& g);
