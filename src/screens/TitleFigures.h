#pragma once

struct Game;

// The title animation into ShownField for tick TitleCount: four rows of figures
// march in from both sides, stop after 118 ticks, turn into squares one by
// one from tick 121 and into solid bands at 140, where the count stays.
void DrawTitleFigures(Game& g);
