#include "host/loop/DialogPause.h"

#include "game/Events.h"
#include "host/loop/TurnLoop.h"
#include "state/Game.h"

void DialogPause::Follow(bool open) {
  if (open == open_) return;
  open_ = open;
  const bool inPlay = g_.Timer1.Enabled && g_.Paused == 0;
  if (open && inPlay && !loop_.Replaying()) {
    loop_.Submit(Event::MenuChoice(MenuCommand::Pause));
    paused_ = true;
  } else if (!open && paused_) {
    loop_.Submit(Event::MenuChoice(MenuCommand::Pause));
    paused_ = false;
  }
}
