#pragma once

// The window shows a canvas of the client area with a menu-bar strip above
// it, scaled by a whole number with nearest-neighbour filtering and centred
// with black bars around it. The strip belongs to the menu bar, which is
// drawn over it.
constexpr int kMenuBarHeight = 20;

struct Viewport {
  int Scale = 1;
  int X = 0, Y = 0;           // top-left of the canvas (menu strip) in the window
  int ClientX = 0, ClientY = 0;  // top-left of the client area in the window
};

// The largest whole scale at which the canvas fits a window of w x h (at
// least 1), and where the canvas lies.
Viewport FitCanvas(int windowWidth, int windowHeight);
// The window size in which the canvas is shown at scale.
void CanvasWindowSize(int scale, int& width, int& height);
