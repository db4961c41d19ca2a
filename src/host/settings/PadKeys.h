#pragma once

#include <array>
#include <map>
#include <vector>

// Turns game-controller input into the game's own key presses, so a pad
// plays exactly like the keyboard and is recorded like it. The first pad
// plugged in plays as the arrow keys and Space (Start as Enter), the second
// as player 2's keys C, B, F, V and Z. Knows nothing of SDL: the window
// feeds it pad numbers, buttons and axis values.
namespace pad {

enum class Button { A, B, Start, DpadUp, DpadDown, DpadLeft, DpadRight, Other };
enum class Axis { LeftX, LeftY, Other };

// Stick values run from -32768 to 32767; nearer the centre than this counts
// as no direction.
constexpr int kDeadZone = 10000;
constexpr int kPlayers = 2;

struct KeyChange {
  bool Down = false;
  int Key = 0;  // virtual-key code
  bool operator==(const KeyChange&) const = default;
};

class PadKeys {
 public:
  // A pad appeared; it takes the first free player's place. False when both
  // players already have one (it is then ignored).
  bool Plugged(int pad);
  // A pad went away: every key it held is released.
  std::vector<KeyChange> Unplugged(int pad);
  std::vector<KeyChange> ButtonChanged(int pad, Button button, bool pressed);
  std::vector<KeyChange> AxisMoved(int pad, Axis axis, int value);
  // The player (0 or 1) a pad plays as, -1 for none.
  int PlayerOf(int pad) const;

 private:
  // What can hold a key down: a button or one side of the stick.
  enum Source { kButtonA, kButtonB, kStart, kDpadUp, kDpadDown, kDpadLeft, kDpadRight,
                kStickUp, kStickDown, kStickLeft, kStickRight, kSources };
  using Held = std::array<bool, kSources>;

  std::vector<KeyChange> Set(int pad, Source source, bool held);
  std::map<int, int> player_;  // pad -> player
  std::map<int, Held> held_;   // pad -> sources held
};

}  // namespace pad
