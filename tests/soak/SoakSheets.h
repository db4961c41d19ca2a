#pragma once

#include <string>

struct Game;

// Gives the game its two sheets and the logo: decoded from the BMP files in
// dir, or, with an empty dir, patterned stand-ins of the same sizes. False
// with one line naming the file that could not be used.
bool LoadSoakSheets(Game& g, const std::string& dir, std::string& error);
