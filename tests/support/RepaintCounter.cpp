#include "support/RepaintCounter.h"

void RepaintCounter::Repaint() { ++Count; }
