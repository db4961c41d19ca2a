#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "game/Events.h"

// Replay files are text. The first line is "velmorane-replay 1"; then the
// game's start, each line optional and at most once, before the first step:
//   seed N                             the random generator's seed
//   stage N                            the stage Enter starts at (1..10)
//   hiscore N                          the high score the run began with
//   rules N                            the rules the game was played under;
//                                      without the line, rules 1
// Blank lines and lines starting with '#' are ignored. Each further line is
// one step:
//   key down NAME | key up NAME        NAME: Left Right Up Down Space Enter, A..Z
//   tick TIMER                         runs that timer's handler once now
//   wait MS                            lets MS milliseconds of game time pass
//   menu restart|pause|exit
//   slider speed N (0..300) | slider brightness N (0..200)
//   activate
struct ReplayStep {
  enum class Kind { Dispatch, Wait };
  Kind What = Kind::Dispatch;
  Event Dispatched;      // for Dispatch
  std::int64_t Ms = 0;   // for Wait
  int Line = 0;          // where the step stands in the file
};

struct ReplayScript {
  std::optional<std::uint32_t> Seed;
  std::optional<int> Stage;
  std::optional<int> HiScore;
  std::vector<ReplayStep> Steps;
};

struct ReplayError {
  int Line = 0;
  std::string What;
};

constexpr const char* kReplayHeader = "velmorane-replay 1";

// The rules this build plays by. A recording made under other rules is
// refused rather than played into a different game.
constexpr int kRules = 1;

// Parses a whole replay; on the first malformed line, or a rules line naming
// rules other than kRules, returns false with its line number and what is
// wrong.
bool ParseReplay(const std::string& text, ReplayScript& script, ReplayError& error);

// Whether a recording's start lines name rules other than kRules: such a
// recording was made by another version of the game. Reads up to the first
// step only.
bool MadeUnderOtherRules(std::istream& recording);

// Where a game starts: what a recording's first lines hold.
struct ReplayStart {
  std::uint32_t Seed = 0;
  int Stage = 1;
  int HiScore = 0;
};

// Where a recording's game starts: its own start lines, else what otherwise
// says.
ReplayStart StartOf(const ReplayScript& script, const ReplayStart& otherwise);

// The header and start lines of a recording of a game that starts so: the
// stage and high score lines only when they differ from a plain start, then
// the rules line.
std::string ReplayStartLines(const ReplayStart& start);

// The line that replays e (without the line break).
std::string ReplayLine(const Event& e);

// Reads a number 0..4294967295 written in decimal digits only.
bool ParseSeed(const std::string& text, std::uint32_t& seed);
