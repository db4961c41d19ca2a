#include "GameDriver.h"

#include "host/io/Sheets.h"
#include "host/replay/Replay.h"
#include "screens/Title.h"
#include "support/RunningTimer.h"

GameDriver GameDriver::Sketch() const {
  GameDriver b;
  // Everything but the pictures: copy the game, then drop its surfaces
  // (a sketch of a sketch copies no pixels at all).
  b.g_ = std::make_unique<Game>(*g_);
  Game& s = *b.g_;
  for (Surface* p : {&s.ShownField, &s.FrameImage, &s.StageImage, &s.UncoveredImage, &s.RacerOneStageImage, &s.RacerTwoStageImage,
                     &s.TextStrip, &s.LivesImage, &s.ScoreBar, &s.HiScoreBar, &s.SpriteSheet, &s.DuoSpriteSheet,
                     &s.TitleLogo}) {
    *p = Surface();
  }
  s.RacerStageImages[0] = &s.RacerOneStageImage;
  s.RacerStageImages[1] = &s.RacerTwoStageImage;
  s.Sound = nullptr;
  s.Screen = nullptr;
  b.held_ = held_;
  return b;
}

void GameDriver::Follow(const std::vector<Event>& road) {
  for (const Event& e : road) {
    Send(e);
    if (e.Kind == EventKind::KeyDown) held_.insert(e.Key);
    if (e.Kind == EventKind::KeyUp) held_.erase(e.Key);
  }
}

bool GameDriver::Start(const std::string& assetDir, std::uint32_t seed, int stage, std::string& error) {
  g_ = std::make_unique<Game>();
  // No fonts: the core draws no text without them, and the maker needs
  // only the game's moves, never its looks.
  if (!LoadSheets(*g_, assetDir, error)) return false;
  SetUpGame(*g_, seed);
  g_->PracticeStage = stage;
  ShowTitle(*g_);
  lines_ = {kReplayHeader, "seed " + std::to_string(seed)};
  return true;
}

void GameDriver::Send(const Event& e) {
  Dispatch(*g_, e);
  lines_.push_back(ReplayLine(e));
  events_.push_back(e);
}

void GameDriver::Hold(const std::set<int>& keys) {
  const std::set<int> before = held_;
  for (int k : before) {
    if (!keys.count(k)) Release(k);
  }
  for (int k : keys) {
    if (!held_.count(k)) Press(k);
  }
}

bool GameDriver::Tick() {
  const auto id = RunningTimer(*g_);
  if (!id) return false;
  Send(Event::Tick(*id));
  return true;
}
