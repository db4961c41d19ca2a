#include "platform/Letterbox.h"

#include <algorithm>

#include "drawing/ClientArea.h"

namespace {
constexpr int kCanvasWidth = kClientWidth;
constexpr int kCanvasHeight = kMenuBarHeight + kClientHeight;
}  // namespace

Viewport FitCanvas(int windowWidth, int windowHeight) {
  Viewport v;
  v.Scale = std::max(1, std::min(windowWidth / kCanvasWidth, windowHeight / kCanvasHeight));
  v.X = std::max(0, (windowWidth - kCanvasWidth * v.Scale) / 2);
  v.Y = std::max(0, (windowHeight - kCanvasHeight * v.Scale) / 2);
  v.ClientX = v.X;
  v.ClientY = v.Y + kMenuBarHeight * v.Scale;
  return v;
}

void CanvasWindowSize(int scale, int& width, int& height) {
  width = kCanvasWidth * scale;
  height = kCanvasHeight * scale;
}
