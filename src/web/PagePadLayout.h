#pragma once

#include <optional>
#include <vector>

#include "host/settings/PadKeys.h"

// Pads as the Gamepad API's standard layout numbers their buttons and axes,
// and the game's names for those it plays with (host/settings/PadKeys.h).

// The pads the page tells apart, numbered from 0 as the browser numbers them.
constexpr int kLastPadIndex = 31;

// The standard layout's numbers of the buttons the game plays with, which
// the page watches.
const std::vector<int>& StandardPadButtons();
const std::vector<int>& StandardPadAxes();
// The game's button or axis by its standard layout number; empty for one
// the game does not play with.
std::optional<pad::Button> PadButtonOf(int number);
std::optional<pad::Axis> PadAxisOf(int number);
// A stick's position, -1 to 1 as the browser gives it, as the desktop's
// stick values; rounded half up, as the page's script rounds.
int StickValue(double position);
