#include "SoakProgress.h"

#include "state/Game.h"

SoakProgress::Phase SoakProgress::PhaseOf(const Game& g) {
  if (g.TitleTimer.Enabled) return Phase::Title;
  if (g.ClearTimer.Enabled) return Phase::Clear;
  if (g.EndingTimer.Enabled) return Phase::Ending;
  if (g.Timer1.Enabled) return g.PlayMode == PlayMode::TwoPlayer ? Phase::DuoPlay : Phase::SoloPlay;
  if (g.Timer2.Enabled) return g.PlayMode == PlayMode::TwoPlayer ? Phase::DuoResult : Phase::GameOverWait;
  return Phase::None;
}

void SoakProgress::Observe(const Game& g) {
  const Phase now = PhaseOf(g);
  if (now == Phase::SoloPlay && (phase_ != Phase::SoloPlay || stage_ != g.StageNo) && g.StageNo >= 1 &&
      g.StageNo <= 10) {
    ++stagesPlayed_[static_cast<std::size_t>(g.StageNo)];
  }
  if (g.ContinueCount > continues_) ++continuesTaken_;
  continues_ = g.ContinueCount;
  stage_ = g.StageNo;
  if (now == phase_) return;
  phase_ = now;
  switch (now) {
    case Phase::Title: ++titles_; break;
    case Phase::Clear: ++clears_; break;
    case Phase::GameOverWait: ++gameOvers_; break;
    case Phase::Ending: ++endings_; break;
    case Phase::DuoPlay: ++duoMatches_; break;
    case Phase::DuoResult: ++duoResults_; break;
    case Phase::SoloPlay:
    case Phase::None: break;
  }
}

void SoakProgress::Report(std::ostream& out) const {
  out << "program starts " << programStarts_ << ", titles " << titles_ << ", clears " << clears_
      << ", game overs " << gameOvers_ << ", continues " << continuesTaken_ << ", endings " << endings_
      << ", two-player matches " << duoMatches_ << ", two-player results " << duoResults_ << '\n';
  out << "stages started:";
  for (int s = 1; s <= 10; ++s) out << ' ' << s << ':' << stagesPlayed_[static_cast<std::size_t>(s)];
  out << '\n';
}

std::string SoakProgress::Missing() const {
  for (int s = 1; s <= 10; ++s) {
    if (stagesPlayed_[static_cast<std::size_t>(s)] == 0) return "stage " + std::to_string(s);
  }
  const struct {
    const char* name;
    std::int64_t count;
  } seen[] = {{"title", titles_},       {"stage clear", clears_},          {"game over", gameOvers_},
              {"continue", continuesTaken_}, {"ending", endings_},        {"two-player match", duoMatches_},
              {"two-player result", duoResults_}};
  for (const auto& s : seen) {
    if (s.count == 0) return s.name;
  }
  return {};
}
