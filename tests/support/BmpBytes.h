#pragma once

#include <cstdint>
#include <vector>

// A hand-made 8-bit BMP of 3 x 2 pixels (rows padded to 4 bytes) for the
// tests. Row 0 from the top holds indices 1, 22, 255; row 1 holds 27, 0, 1.
// Palette: 0 black, 1 red, 22 dark blue (0, 0, 60), 27 dark red (55, 0, 0),
// 255 white, every other entry grey; only the first colours entries are
// written (256 as "all" in the header).
std::vector<std::uint8_t> SmallBmp(bool topDown, int bits = 8, int compression = 0, int colours = 256);
