#pragma once

#include "state/Game.h"

// Turns a composed picture into plain 0x00RRGGBB for showing: pixels tagged
// with a two-player palette index (22..27) take that entry's current colour
// from DuoPalette, so a brightness change recolours the whole two-player
// field at once; every other tag byte is cleared.
void ResolvePaletteTags(Surface& picture, const PaletteEntry (&duoPalette)[6]);
// The same, written to rows of pitch pixels at out (a texture being filled),
// leaving the picture as it is.
void ResolvePaletteTags(const Surface& picture, const PaletteEntry (&duoPalette)[6], Pixel* out, int pitch);
