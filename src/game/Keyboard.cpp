#include "game/Keyboard.h"

#include <string>

#include "drawing/TextLine.h"
#include "game/Events.h"
#include "state/Game.h"

void PauseToggle(Game& g) {
  g.Paused = 1 - g.Paused;
  if (!g.Timer1.Enabled) g.Paused = 0;
  if (g.Paused == 1) {
    DrawTextLine(g, g.ShownField, "PAUSE", 250, 250, text_style::kBanner.In(text_colour::kRed));
    g.RepaintField();
  }
}

void RequestRestart(Game& g) {
  // Once the clear jump is under way the stage is won: nothing to restart.
  if (g.ItemsLeft == kClearJumpLaunched) return;
  g.Lives = -g.Lives;
  g.Player.State = kMissDrop;
}

void SetFrameInterval(Game& g, int ms) {
  g.Timer1.SetInterval(ms);
  g.FrameIntervalLabel = std::to_string(ms);
}

void SlowerSpeed(Game& g) { SetFrameInterval(g, g.Timer1.Interval + 10); }

void FasterSpeed(Game& g) {
  int ms = g.Timer1.Interval - 10;
  if (ms <= 0) ms = 10;
  SetFrameInterval(g, ms);
}

void BrighterDuoScreen(Game& g) {
  if (g.DuoPalette[2].Blue + 10 > 255) return;
  for (int i = 0; i < 3; ++i) g.DuoPalette[i].Blue += 10;
  for (int i = 3; i < 6; ++i) g.DuoPalette[i].Red += 10;
  g.RepaintField();
}

void DarkerDuoScreen(Game& g) {
  if (g.DuoPalette[3].Red <= 10) return;
  for (int i = 0; i < 3; ++i) g.DuoPalette[i].Blue -= 10;
  for (int i = 3; i < 6; ++i) g.DuoPalette[i].Red -= 10;
  g.RepaintField();
}

namespace {

// The flag pair a held key sets, or nullptrs for keys that act at once.
struct HeldFlags {
  i32* a = nullptr;
  i32* b = nullptr;
};

HeldFlags FlagsFor(Game& g, int key) {
  switch (key) {
    case vk::Left: return {&g.KeyLeft, &g.LeftKeys[0]};
    case vk::Right: return {&g.KeyRight, &g.RightKeys[0]};
    case vk::Up: return {&g.KeyUp, &g.UpKeys[0]};
    case vk::Down: return {&g.KeyDown, &g.DownKeys[0]};
    case vk::Space: return {&g.KeySpace, &g.JumpKeys[0]};
    case vk::Enter: return {&g.KeyEnter, nullptr};
    case 'C': return {&g.LeftKeys[1], nullptr};
    case 'B': return {&g.RightKeys[1], nullptr};
    case 'F':
    case 'G': return {&g.UpKeys[1], nullptr};
    case 'V': return {&g.DownKeys[1], nullptr};
    case 'Z': return {&g.JumpKeys[1], nullptr};
    default: return {};
  }
}

void SetHeld(Game& g, int key, i32 value) {
  HeldFlags f = FlagsFor(g, key);
  if (f.a) *f.a = value;
  if (f.b) *f.b = value;
}

}  // namespace

void KeyPressed(Game& g, int key) {
  SetHeld(g, key, 1);
  switch (key) {
    case 'P': PauseToggle(g); break;
    case 'R': RequestRestart(g); break;
    case 'A': SlowerSpeed(g); break;
    case 'S': FasterSpeed(g); break;
    case 'Q': BrighterDuoScreen(g); break;
    case 'W': DarkerDuoScreen(g); break;
    default: break;
  }
}

void KeyReleased(Game& g, int key) { SetHeld(g, key, 0); }
