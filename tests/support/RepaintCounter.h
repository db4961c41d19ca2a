#pragma once

#include "state/Services.h"

// Stands in for the window: counts the repaints asked of the visible field.
class RepaintCounter : public Presenter {
 public:
  void Repaint() override;

  int Count = 0;
};
