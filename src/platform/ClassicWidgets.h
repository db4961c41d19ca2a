#pragma once

#include <string>

#include <imgui.h>

// Controls drawn the way a classic desktop dialog draws them: grey face,
// white and dark-grey edges, black text. Rectangles are in screen pixels;
// scale is the window's whole-number scale (one edge pixel per scale step).

// A rectangle on the screen.
struct ScreenRect {
  float X = 0, Y = 0, W = 0, H = 0;
};

// The raised or sunken 3-D edge around a rectangle.
void DrawEdge(ImDrawList* draw, const ScreenRect& r, float scale, bool sunken);
// A push button; true on the frame it was clicked.
bool ClassicButton(const char* id, const std::string& caption, const ScreenRect& r, float scale, bool isDefault);
// Text in the font's current face, black, its top-left corner at (x, y).
void DrawLabel(ImDrawList* draw, float x, float y, const std::string& text);

// Where the slider's thumb is centred for position (0..max) and which
// position the pixel column x stands for (the nearest): the thumb travels
// between two margins inside the control.
float TrackBarThumbX(const ScreenRect& r, float scale, int position, int max);
int TrackBarPositionAt(const ScreenRect& r, float scale, float x, int max);

// A horizontal slider with a tick at every value below the channel. The
// thumb follows the mouse while dragged; a press beside it pages towards the
// press, repeating while held. Returns the position it shows after this
// frame's input.
struct TrackBarDrag {
  bool Dragging = false;
};
int ClassicTrackBar(const char* id, const ScreenRect& r, float scale, int position, int max, TrackBarDrag& drag);

// An etched line across the current menu or window, a dark line over a light
// one, each one pixel of the scale the menus' font shows; in place of
// ImGui's separator, whose thin line the renderer draws in two halves that
// do not meet.
void ClassicSeparator();

// The classic colours.
namespace classic {
constexpr ImU32 Face = IM_COL32(192, 192, 192, 255);
constexpr ImU32 Shadow = IM_COL32(128, 128, 128, 255);
constexpr ImU32 Light = IM_COL32(255, 255, 255, 255);
constexpr ImU32 Dark = IM_COL32(0, 0, 0, 255);
constexpr ImU32 Caption = IM_COL32(0, 0, 128, 255);
}  // namespace classic
