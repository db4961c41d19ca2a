#pragma once

struct Options;

// Runs the game as the options ask: in a window, or headless through a
// replay; dumps the state and writes the screenshot at the end. Returns the
// exit status: 0, 1 when a file the game needs cannot be read or written, 2
// for a malformed replay.
int RunGame(const Options& options);
