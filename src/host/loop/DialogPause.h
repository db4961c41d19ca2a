#pragma once

struct Game;
class TurnLoop;

// Holds the game still while the player is in a menu or in one of the
// dialogs that are not the game's own (keys, sound, records…): when the
// first opens during play, the pause command goes to the game through the
// loop, as the pause key does, and when the last closes it goes again to
// resume, if it was this that paused. A game not in play, already paused or
// a recording being watched is left as it is.
class DialogPause {
 public:
  DialogPause(const Game& g, TurnLoop& loop) : g_(g), loop_(loop) {}
  DialogPause(const DialogPause&) = delete;
  DialogPause& operator=(const DialogPause&) = delete;

  // Whether such a menu or dialog is open now; told after every frame the
  // host draws.
  void Follow(bool open);
  // A new game took the place of the one held: there is nothing to resume.
  void Forget() { paused_ = false; }

 private:
  const Game& g_;
  TurnLoop& loop_;
  bool open_ = false;
  bool paused_ = false;
};
