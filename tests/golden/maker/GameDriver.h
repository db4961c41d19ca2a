#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game/Events.h"
#include "state/Game.h"

// One game driven by the maker: every event it dispatches is written down as
// the replay line that repeats it.
class GameDriver {
 public:
  GameDriver() = default;
  GameDriver(GameDriver&&) = default;
  GameDriver& operator=(GameDriver&&) = default;

  // A copy of the game without its pictures (moves and rules only, which
  // never read a pixel), for a search to try a road quickly.
  GameDriver Sketch() const;
  // Sends the events of a road found on a sketch to the whole game.
  void Follow(const std::vector<Event>& road);
  // Events sent since the start (or since the sketch was made).
  std::vector<Event> TakeEvents() { return std::move(events_); }
  std::vector<std::string> TakeLines() { return std::move(lines_); }

  // Sheets from assetDir, the seed, the stage Enter starts at; the title shows.
  bool Start(const std::string& assetDir, std::uint32_t seed, int stage, std::string& error);

  Game& G() { return *g_; }
  const Game& G() const { return *g_; }

  void Send(const Event& e);
  // Holds exactly these keys: releases the others, presses the new ones.
  void Hold(const std::set<int>& keys);
  void Press(int key) { Send(Event::KeyDown(key)); held_.insert(key); }
  void Release(int key) { Send(Event::KeyUp(key)); held_.erase(key); }
  // One tick of the timer that runs now; false when none runs.
  bool Tick();

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::unique_ptr<Game> g_;
  std::set<int> held_;
  std::vector<std::string> lines_;
  std::vector<Event> events_;
};
