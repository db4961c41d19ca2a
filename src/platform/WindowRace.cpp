#include "platform/WindowRace.h"

#include <SDL.h>

#include <chrono>
#include <iostream>
#include <sstream>

#include "base/AtomicFile.h"
#include "base/ClockSeed.h"
#include "game/StateDump.h"
#include "host/io/Notices.h"
#include "host/io/PrintTrouble.h"
#include "host/loop/FreshGame.h"
#include "host/race/RaceRecording.h"
#include "host/race/StateDigest.h"
#include "host/records/RunRecords.h"
#include "host/settings/SettingsInUse.h"
#include "host/text/MenuCaptions.h"
#include "net/LocalAddresses.h"
#include "platform/RaceTransport.h"
#include "platform/WindowRun.h"
#include "state/Game.h"

namespace {

std::int64_t Ticks() { return static_cast<std::int64_t>(SDL_GetTicks64()); }

// The race has its result on the screen: the wait after it.
bool ShowsResult(const Game& g) { return g.PlayMode == PlayMode::TwoPlayer && g.Timer2.Enabled; }

bool IsBrightness(const Event& e) {
  return ((e.Kind == EventKind::KeyDown || e.Kind == EventKind::KeyUp) && IsBrightnessKey(e.Key)) ||
         (e.Kind == EventKind::Slider && e.Slider == SliderId::Brightness);
}

}  // namespace

WindowRace::WindowRace(Game& g, WindowRun& window, const SettingsInUse& settings, RunRecords* records,
                       std::function<void()> leaving, std::function<void()> afresh)
    : g_(g),
      window_(window),
      settings_(settings),
      records_(records),
      leaving_(std::move(leaving)),
      afresh_(std::move(afresh)) {}

WindowRace::~WindowRace() {
  if (!race_) return;
  race_->Leave();
  window_.PlayRace(nullptr, {});
}

RaceActions WindowRace::Actions() {
  return {[this](std::uint16_t port) { Host(port); }, [this](const RaceAddress& to) { Join(to); },
          [this] { Cancel(); },         [this] { return Status(); },
          [this] { return trouble_; },  [this] { return Racing(); }};
}

void WindowRace::Host(std::uint16_t port) {
  std::string error;
  std::unique_ptr<Transport> transport = HostRaceOn(port, error);
  const MenuCaptions& c = CaptionsIn(settings_.Shown().Lang);
  status_ = RaceWaitingText(c, port, LocalAddresses());
  if (!transport) {
    trouble_ = error;
    PrintTrouble(error);
    return;
  }
  std::cerr << "velmorane: hosting a race on port " << port << '\n';
  Begin(std::move(transport), RaceRole::Host, "port " + std::to_string(port));
  race_->Offer(MillisecondsSinceMidnightUtc(), static_cast<std::uint16_t>(g_.Timer1.Interval));
}

void WindowRace::Join(const RaceAddress& to) {
  std::string error;
  std::unique_ptr<Transport> transport = JoinRaceAt(to, error);
  status_ = RaceConnectingText(CaptionsIn(settings_.Shown().Lang), to);
  if (!transport) {
    trouble_ = error;
    PrintTrouble(error);
    return;
  }
  Begin(std::move(transport), RaceRole::Guest, RaceAddressText(to));
}

void WindowRace::Begin(std::unique_ptr<Transport> transport, RaceRole side, const std::string& where) {
  if (race_) race_->Leave();
  side_ = side;
  where_ = where;
  trouble_.clear();
  toldSpeed_ = false;
  race_ = std::make_unique<OnlineRace>(g_, std::move(transport), RaceConfigFor(side, where), Ticks, &recorder_,
                                       [this](const StartMessage& start) { Began(start); });
  window_.PlayRace(race_.get(), [this](const Event& e) { return Divert(e); });
}

void WindowRace::Began(const StartMessage& start) {
  const ReplayStart replayStart{start.Seed, 1, 0};
  if (leaving_) leaving_();
  StartGameAfresh(g_, replayStart);
  window_.Restart();
  // The brightness is this side's own: it never enters the race.
  Dispatch(g_, Event::SliderMove(SliderId::Brightness, settings_.Shown().Brightness));
  status_.clear();
  recording_.clear();
  if (!records_) return;
  const std::string name = records_->OpenRecording(recorder_, replayStart, std::chrono::system_clock::now());
  if (name.empty()) return;
  recording_ = records_->Replays().Path() + "/" + name;
  const std::string otherVersion = race_->Session().OtherVersion();
  for (const std::string& note : RaceRecordingNotes(side_, where_, VELMORANE_VERSION, otherVersion, start)) {
    recorder_.Note(note);
  }
}

// Until the race begins, the game of this side's own takes what the player
// does; then the race does, but for the brightness, which is this side's
// own, and leaving the game, which leaves the race too.
bool WindowRace::Divert(const Event& e) {
  if (!race_ || !race_->Begun()) return false;
  if (e.Kind == EventKind::Menu && e.Menu == MenuCommand::Exit) {
    race_->Leave();
    Dispatch(g_, e);
    return true;
  }
  if (IsBrightness(e)) {
    if (race_->Racing()) Dispatch(g_, e);
    return true;
  }
  if (e.Kind == EventKind::KeyDown && e.Key == vk::Enter && ShowsResult(g_) && race_->Racing()) {
    const bool asked = race_->Session().OtherWantsAgain();
    race_->WantAgain();
    if (!asked) TellNotice({Notice::Kind::Trouble, std::string(CaptionsIn(settings_.Shown().Lang).RaceAgainOffered), 0});
    return true;
  }
  if (race_->Own(e) || toldSpeed_) return true;
  if (side_ == RaceRole::Guest && e.Kind == EventKind::KeyDown && IsSpeedKey(e.Key)) {
    toldSpeed_ = true;
    TellNotice({Notice::Kind::Trouble, std::string(CaptionsIn(settings_.Shown().Lang).RaceGuestSpeed), 0});
  }
  return true;
}

void WindowRace::Cancel() {
  if (race_) race_->Leave();
  End();
  status_.clear();
  trouble_.clear();
}

std::string WindowRace::Status() const {
  if (race_ && race_->Racing()) return {};
  return status_;
}

void WindowRace::AfterTurn() {
  if (race_ && race_->Session().OtherWantsAgain() != toldAgain_) {
    toldAgain_ = !toldAgain_;
    if (toldAgain_) TellNotice({Notice::Kind::Trouble, std::string(CaptionsIn(settings_.Shown().Lang).RaceAgainAsked), 0});
  }
  if (!race_ || !race_->Over()) return;
  const RaceSession& session = race_->Session();
  const std::string message = session.Outcome() == RaceOutcome::Left && race_->Begun()
                                  ? std::string(CaptionsIn(settings_.Shown().Lang).RaceLeft)
                                  : session.Message();
  if (session.Outcome() == RaceOutcome::Desync) KeepDesync();
  PrintTrouble(message);
  // A race that never began leaves its dialog showing how it stood, and why.
  if (!race_->Begun()) trouble_ = message;
  End();
}

void WindowRace::End() {
  if (!race_) return;
  const bool begun = race_->Begun();
  window_.PlayRace(nullptr, {});
  race_.reset();
  recorder_ = ReplayRecorder();
  if (begun && afresh_ && !g_.CloseRequested) afresh_();
}

void WindowRace::KeepDesync() {
  if (recording_.empty()) return;
  const RaceSession& s = race_->Session();
  std::ostringstream text;
  text << "the two games went different ways by turn " << s.DesyncTurn() << "\n"
       << "digest here " << std::hex << s.LocalDigest() << ", on the other side " << s.RemoteDigest() << std::dec
       << "\n\n"
       << RaceStateText(g_, s.DesyncTurn());
  const std::string file = recording_ + ".desync.txt";
  std::string error;
  if (WriteFileAtomically(file, text.str(), error)) {
    PrintTrouble("the race's recording is " + recording_ + ", the state and digests " + file);
  } else {
    PrintTrouble(error);
  }
}

std::vector<std::string> WindowRace::PanelLines() const {
  if (!Racing()) return {};
  const MenuCaptions& c = CaptionsIn(settings_.Shown().Lang);
  const bool host = side_ == RaceRole::Host;
  std::vector<std::string> lines{
      "PLAYER-1  " + std::string(host ? c.RaceYou : c.RaceOtherPlayer),
      "PLAYER-2  " + std::string(host ? c.RaceOtherPlayer : c.RaceYou),
      Filled(c.RaceRoundTrip, "", "", static_cast<int>(race_->Session().RoundTripMs())),
  };
  if (race_->Session().Slow()) lines.emplace_back(c.RaceSlow);
  else if (race_->Waiting(Ticks())) lines.emplace_back(c.RaceWaiting);
  return lines;
}
