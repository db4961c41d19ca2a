#pragma once

#include "state/Game.h"

// The keys that steer a character this frame, each 1 while held.
struct SteeringKeys {
  i32 Left = 0, Right = 0, Up = 0, Down = 0, Jump = 0;
};

// What a character's moves show of the hidden stage: the hero uncovers it in
// the common view, each racer in its own colours.
class Uncovering {
 public:
  virtual ~Uncovering() = default;
  // The w x h piece of the stage with top-left corner (x, y) shows.
  virtual void Uncover(i32 x, i32 y, i32 w, i32 h) = 0;
  // The character stands on cell (column, row), which shows.
  virtual void StoodOn(i32 column, i32 row) {
    (void)column;
    (void)row;
  }
};

// Where a character may jump from: the hero not from the top of a ladder,
// the racers from anywhere a ladder does not hold them.
enum class TakeOff { NotFromLadderTop, NotOnLadder };

// One frame of a character in play, the same for the hero and both racers: a
// ramp slides it whatever the keys say, else it steers and may take off; it
// follows its arc, a ladder catches and holds it, it walks or climbs into
// walls, lands, starts to fall where nothing holds it, and stays on the
// field. Its steps this frame are left in DX and DY.
void MoveCharacter(Game& g, Character& c, const SteeringKeys& keys, TakeOff takeOff, Uncovering& view);

// The cell the character is in shows and, standing exactly on a floor, the
// cell under its feet.
void UncoverAround(const Game& g, const Character& c, Uncovering& view);
