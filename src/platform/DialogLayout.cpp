#include "platform/DialogLayout.h"

#include <algorithm>

#include "game/SliderRange.h"

namespace {

constexpr int kPageSize = 2;

// Client size; bevel, label, OK button and slider; the slider's last value.
constexpr DialogLayout kBrightness{
    402, 104, {8, 8, 281, 81}, {144, 16, 33, 12}, {311, 8, 75, 25}, {24, 32, 241, 45}, kBrightnessSliderMax};
constexpr DialogLayout kSpeed{
    413, 93, {8, 8, 289, 73}, {144, 16, 33, 12}, {319, 16, 75, 25}, {16, 32, 273, 45}, kSpeedSliderMax};

}  // namespace

const DialogLayout& LayoutFor(SliderId dialog) { return dialog == SliderId::Speed ? kSpeed : kBrightness; }

int SliderPositionAfter(DialogKey key, int position, int max) {
  int moved = position;
  switch (key) {
    case DialogKey::Left:
    case DialogKey::Up: moved = position - 1; break;
    case DialogKey::Right:
    case DialogKey::Down: moved = position + 1; break;
    case DialogKey::PageUp: moved = position - kPageSize; break;
    case DialogKey::PageDown: moved = position + kPageSize; break;
    case DialogKey::Home: moved = 0; break;
    case DialogKey::End: moved = max; break;
    default: break;
  }
  return std::clamp(moved, 0, max);
}
