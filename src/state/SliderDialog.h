#pragma once

#include <string>

// The two settings dialogs keep their slider position and label text for the
// whole run; they are never set from the current values when opened.
struct SliderDialog {
  int Position = 0;
  std::string Label = "Label1";
};
