#pragma once

#include "game/Events.h"

// The Config menu's sliders run from 0 to their maximum: the time a frame
// takes in milliseconds, and the two-player screen's brightness.
constexpr int kSpeedSliderMax = 300;
constexpr int kBrightnessSliderMax = 200;
constexpr int kSliderCount = 2;

int SliderMax(SliderId slider);
