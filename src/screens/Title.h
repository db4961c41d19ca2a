#pragma once

struct Game;

// Enters the title screen: play timers off, black field, title tune once,
// TitleTimer on.
void ShowTitle(Game& g);
