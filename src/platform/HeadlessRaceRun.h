#pragma once

#include <string>

struct Game;
struct Options;

// A race with no window (--headless with --host or --join and --inputs):
// this side plays its inputs file against the other program as fast as
// both allow, writes the recording --record names and dumps the state. The
// exit status: 0, 2 for a bad inputs file, or the race's own (lost,
// refused, the games differ).
int RunHeadlessRaceGame(Game& g, const Options& o, const std::string& assetDir);
