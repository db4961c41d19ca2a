#pragma once

struct Game;

// Spikes underfoot or an enemy touched: the miss hop begins. Near the top of
// the field an enemy makes the character drop at once instead, as a hop
// would carry it out of the top, which counts as clearing the stage.
void DetectMisses(Game& g);
