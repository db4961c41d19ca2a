#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "host/race/OnlineRace.h"
#include "host/race/RaceAddress.h"
#include "host/replay/ReplayRecorder.h"
#include "platform/RaceDialogs.h"

class RunRecords;
class SettingsInUse;
class WindowRun;
struct Game;

// An online race in the window, hosted or joined from the Game menu's
// dialogs or the command line: while it is set up the dialog shows how it
// stands; once it begins the race's turns drive the game, the player's keys
// go to the race (the brightness keys to this side's own screen only), its
// recording goes into the records; when it ends the screen says why and
// afresh starts a game of this run's own.
class WindowRace {
 public:
  // leaving ends the run's own recording as the race begins.
  WindowRace(Game& g, WindowRun& window, const SettingsInUse& settings, RunRecords* records,
             std::function<void()> leaving, std::function<void()> afresh);
  ~WindowRace();
  WindowRace(const WindowRace&) = delete;
  WindowRace& operator=(const WindowRace&) = delete;

  // What the race dialogs do.
  RaceActions Actions();
  void Host(std::uint16_t port);
  void Join(const RaceAddress& to);
  // Gives up the race being set up or played.
  void Cancel();
  // How the race being set up stands; empty once it began or when none is.
  std::string Status() const;
  const std::string& Trouble() const { return trouble_; }
  bool Racing() const { return race_ && race_->Racing(); }
  // After each turn of the window's loop: a race that is over ends.
  void AfterTurn();
  // The lines over the side panel during a race: who is who, the round
  // trip, and whether the race waits for the other side.
  std::vector<std::string> PanelLines() const;

 private:
  void Begin(std::unique_ptr<Transport> transport, RaceRole side, const std::string& where);
  void Began(const StartMessage& start);
  bool Divert(const Event& e);
  void End();
  void KeepDesync();

  Game& g_;
  WindowRun& window_;
  const SettingsInUse& settings_;
  RunRecords* records_;
  std::function<void()> leaving_;
  std::function<void()> afresh_;
  std::unique_ptr<OnlineRace> race_;
  ReplayRecorder recorder_;
  std::string recording_;
  RaceRole side_ = RaceRole::Host;
  std::string where_;
  std::string status_;
  std::string trouble_;
  bool toldSpeed_ = false;
  bool toldAgain_ = false;
};
