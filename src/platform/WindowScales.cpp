#include "platform/WindowScales.h"

#include <algorithm>

#include "host/settings/Settings.h"
#include "platform/Letterbox.h"

namespace {

// The window manager's frame is not known before the window exists.
constexpr int kTitleBarAllowance = 40;

bool Fits(int scale, const ScreenArea& usable) {
  int w = 0, h = 0;
  CanvasWindowSize(scale, w, h);
  return w <= usable.W && h + kTitleBarAllowance <= usable.H;
}

}  // namespace

std::vector<ScaleChoice> OfferedScales(const ScreenArea& usable) {
  std::vector<ScaleChoice> choices;
  for (int n = 1; n <= Settings::kMenuWindowScales; ++n) {
    ScaleChoice c;
    c.Scale = n;
    CanvasWindowSize(n, c.Width, c.Height);
    c.Fits = Fits(n, usable);
    choices.push_back(c);
  }
  return choices;
}

int ScaleToUse(int chosen, const ScreenArea& usable) {
  if (chosen != Settings::kFitScale && Fits(chosen, usable)) return chosen;
  int largest = 1;
  while (largest < Settings::kMaxWindowScale && Fits(largest + 1, usable)) ++largest;
  return largest;
}

WindowPlace PlaceWindow(int chosen, const ScreenArea& usable) {
  WindowPlace p;
  p.Scale = ScaleToUse(chosen, usable);
  CanvasWindowSize(p.Scale, p.Width, p.Height);
  p.X = usable.X + std::max(0, (usable.W - p.Width) / 2);
  p.Y = usable.Y + kTitleBarAllowance + std::max(0, (usable.H - kTitleBarAllowance - p.Height) / 2);
  return p;
}
