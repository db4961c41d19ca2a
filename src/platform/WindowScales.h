#pragma once

#include <vector>

// A part of the screen, in the desktop's pixels.
struct ScreenArea {
  int X = 0, Y = 0, W = 0, H = 0;
};

// One of the window's whole scales as the Window menu offers it: the
// window's size at that scale and whether the window, with its frame, fits
// the screen's usable area.
struct ScaleChoice {
  int Scale = 1;
  int Width = 0, Height = 0;
  bool Fits = false;
};

// Where and how large the window opens.
struct WindowPlace {
  int Scale = 1;
  int X = 0, Y = 0, Width = 0, Height = 0;
};

// The scales the Window menu offers (1 to Settings::kMenuWindowScales) on a
// screen whose usable area is usable.
std::vector<ScaleChoice> OfferedScales(const ScreenArea& usable);

// The scale the window is shown at for the settings' scale: that one when it
// fits the usable area, else (and for Settings::kFitScale) the largest that
// fits, at least 1.
int ScaleToUse(int chosen, const ScreenArea& usable);

// The window for the settings' scale, centred in the usable area and never
// with its top-left corner or its frame's title bar off it.
WindowPlace PlaceWindow(int chosen, const ScreenArea& usable);
