#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

struct Game;

// Which sequences of the game a run has been through, counted as the game
// enters them.
class SoakProgress {
 public:
  // Looks at the game after an event and counts the sequences just entered.
  void Observe(const Game& g);
  // A new program start (after the Game menu's exit).
  void Restarted() { ++programStarts_; phase_ = Phase::None; }

  void Report(std::ostream& out) const;
  // Empty when every sequence was seen at least once, otherwise the first
  // that never came.
  std::string Missing() const;

 private:
  enum class Phase { None, Title, SoloPlay, DuoPlay, Clear, GameOverWait, DuoResult, Ending };
  static Phase PhaseOf(const Game& g);

  Phase phase_ = Phase::None;
  int stage_ = 0;
  std::int32_t continues_ = 0;
  std::array<std::int64_t, 11> stagesPlayed_{};
  std::int64_t titles_ = 0, clears_ = 0, gameOvers_ = 0, continuesTaken_ = 0, endings_ = 0;
  std::int64_t duoMatches_ = 0, duoResults_ = 0, programStarts_ = 1;
};
