#pragma once

#include <cstdint>
#include <string>

class Surface;
struct Game;

// Writes one line of text in one colour onto dest, leaving every pixel around
// the letters untouched: the line is rendered into MojiImage as a coloured
// image strip and a black-on-white mask strip, then combined by AND and OR,
// count times, each copy step pixels left of the one before it.
void DrawMoji(Game& g, Surface& dest, const std::string& text, int count, int step, int x, int y,
              int height, std::uint32_t colorRef, const std::string& fontName);
