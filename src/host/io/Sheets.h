#pragma once

#include <string>

struct Game;

// Loads ChrImage.bmp, Chr2Image.bmp (its colours 22..27 tagged for the
// brightness keys) and TitleImage.bmp from dir into the game's sheets. False
// with one line naming the file and what is wrong with it.
bool LoadSheets(Game& g, const std::string& dir, std::string& error);
