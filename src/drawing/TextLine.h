#pragma once

#include <string>

#include "drawing/TextStyle.h"

class Surface;
struct Game;

// Writes one line of text onto dest in a style, leaving every pixel around
// the letters untouched: the line is rendered into the text strip as a
// coloured image and a black-on-white mask, then combined by AND and OR,
// once for each copy of its shadow.
void DrawTextLine(Game& g, Surface& dest, const std::string& text, int x, int y, const TextStyle& style);
