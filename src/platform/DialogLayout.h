#pragma once

#include "game/Events.h"

// The settings dialogs as the classic form designer laid them out, in client
// pixels at scale 1.
struct DialogRect {
  int X = 0, Y = 0, W = 0, H = 0;
};

struct DialogLayout {
  int ClientWidth = 0, ClientHeight = 0;
  DialogRect Bevel;     // the sunken frame
  DialogRect Label;     // Label1, showing the slider's value
  DialogRect OK;        // the default button
  DialogRect TrackBar;  // the slider
  int Max = 0;          // the slider runs 0..Max, a tick at every value
};

const DialogLayout& LayoutFor(SliderId dialog);

// Keys a classic slider and its dialog answer to.
enum class DialogKey { Left, Right, Up, Down, PageUp, PageDown, Home, End, Enter, Escape, Other };

// Where a key moves a slider at position on 0..max: the arrows by one (left
// and up lower it), the page keys by the page size, Home and End to the ends.
int SliderPositionAfter(DialogKey key, int position, int max);
