#pragma once

#include <cstdint>
#include <functional>

// While the start jingle plays, the game is held: no timer fires and key
// events wait in a queue to be delivered in order afterwards. The window keeps
// repainting and can still be closed meanwhile.
//
// The music backend calls HoldFor from PlayAndWait. In a window, HoldFor pumps
// SDL events (repainting, queueing keys, watching for a close) until finished()
// returns true or the window is closed. Headless, there is nothing to pump:
// the backend advances the virtual clock by the tune's own length instead.
class GameHold {
 public:
  virtual ~GameHold() = default;
  // Returns when finished() is true, or early when the window was closed
  // (then the game's CloseRequested is set and the run ends after the event
  // being handled).
  virtual void HoldFor(const std::function<bool()>& finished) = 0;
  // Headless runs only: moves the virtual clock forward by ms without firing
  // any timer (the held game lets no tick through); every timer's next tick
  // is then due one interval after the hold ends. In a window this does
  // nothing, the real clock having moved by itself.
  virtual void AdvanceVirtualClock(std::int64_t ms) = 0;
  // Whether a held tune holds the game for its length through
  // AdvanceVirtualClock even where it sounds: an online race's two sides
  // must hold it alike, whatever their sound does.
  virtual bool HoldsForTheTunesLength() const { return false; }
};
