#include "host/settings/SpeedAndBrightness.h"

#include "state/Game.h"

namespace {

// The brightness slider sets the red of this entry of the two-player palette.
constexpr int kBrightnessEntry = 3;

}  // namespace

int DuoBrightness(const Game& g) { return g.DuoPalette[kBrightnessEntry].Red; }

std::vector<Event> SlidersForSettings(const Game& g, const Settings& s) {
  std::vector<Event> events;
  if (s.FrameInterval != g.Timer1.Interval) events.push_back(Event::SliderMove(SliderId::Speed, s.FrameInterval));
  if (s.Brightness != DuoBrightness(g)) {
    events.push_back(Event::SliderMove(SliderId::Brightness, s.Brightness));
  }
  return events;
}

void TakeSpeedAndBrightness(const Game& g, Settings& s) {
  const int interval = g.Timer1.Interval;
  if (interval >= Settings::kMinFrameInterval && interval <= Settings::kMaxFrameInterval) s.FrameInterval = interval;
  s.Brightness = DuoBrightness(g);
}

void SpeedAndBrightnessWatch::Reset(const Game& g) {
  interval_ = g.Timer1.Interval;
  brightness_ = DuoBrightness(g);
}

bool SpeedAndBrightnessWatch::Changed(const Game& g) {
  const bool changed = g.Timer1.Interval != interval_ || DuoBrightness(g) != brightness_;
  Reset(g);
  return changed;
}
