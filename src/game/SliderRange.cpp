#include "game/SliderRange.h"

int SliderMax(SliderId slider) { return slider == SliderId::Speed ? kSpeedSliderMax : kBrightnessSliderMax; }
