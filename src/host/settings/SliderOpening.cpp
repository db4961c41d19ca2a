#include "host/settings/SliderOpening.h"

#include <algorithm>

#include "game/SliderRange.h"
#include "host/settings/SpeedAndBrightness.h"
#include "state/Game.h"

SliderShown SliderOnOpening(const Game& g, SliderId dialog, bool classic) {
  if (classic) {
    const SliderDialog& last = dialog == SliderId::Speed ? g.SpeedDialog : g.BrightnessDialog;
    return {last.Position, last.Label};
  }
  const int value = dialog == SliderId::Speed ? g.Timer1.Interval : DuoBrightness(g);
  return {std::clamp(value, 0, SliderMax(dialog)), std::to_string(value)};
}
