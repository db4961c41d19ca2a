#pragma once

#include <string>

#include "state/Timer.h"

struct Game;

// Virtual-key codes the game looks at.
namespace vk {
constexpr int Enter = 13, Space = 32, Left = 37, Up = 38, Right = 39, Down = 40;
}

enum class EventKind { KeyDown, KeyUp, Tick, Menu, Slider, Activate };
enum class MenuCommand { Restart, Pause, Exit };
enum class SliderId { Speed, Brightness };

// Everything that reaches the game, in one stream: replays record and feed
// exactly these.
struct Event {
  EventKind Kind = EventKind::Activate;
  int Key = 0;  // virtual-key code, for KeyDown and KeyUp
  TimerId Timer = TimerId::TitleTimer;
  MenuCommand Menu = MenuCommand::Pause;
  SliderId Slider = SliderId::Speed;
  int Value = 0;  // slider position

  static Event KeyDown(int key) { Event e; e.Kind = EventKind::KeyDown; e.Key = key; return e; }
  static Event KeyUp(int key) { Event e; e.Kind = EventKind::KeyUp; e.Key = key; return e; }
  static Event Tick(TimerId t) { Event e; e.Kind = EventKind::Tick; e.Timer = t; return e; }
  static Event MenuChoice(MenuCommand m) { Event e; e.Kind = EventKind::Menu; e.Menu = m; return e; }
  static Event SliderMove(SliderId s, int v) { Event e; e.Kind = EventKind::Slider; e.Slider = s; e.Value = v; return e; }
  static Event Activation() { return Event{}; }
};

// Observes every dispatched event (the replay recorder).
class EventObserver {
 public:
  virtual ~EventObserver() = default;
  virtual void Dispatched(const Event& e) = 0;
};

// The one door into the game state.
void Dispatch(Game& g, const Event& e, EventObserver* observer = nullptr);

// Key names of the replay format: Left Right Up Down Space Enter, A to Z.
std::string KeyName(int key);
bool KeyFromName(const std::string& name, int& key);
