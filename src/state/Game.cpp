#include "state/Game.h"

Timer& Game::TimerById(TimerId id) {
  switch (id) {
    case TimerId::TitleTimer: return TitleTimer;
    case TimerId::Timer1: return Timer1;
    case TimerId::Timer2: return Timer2;
    case TimerId::ClearTimer: return ClearTimer;
    case TimerId::EndingTimer: return EndingTimer;
  }
  return Timer1;
}

const Timer& Game::TimerById(TimerId id) const { return const_cast<Game*>(this)->TimerById(id); }

void SetUpGame(Game& g, std::uint32_t millisecondsSinceMidnight) {
  g.RandomSeed = millisecondsSinceMidnight;
  g.RacerStageImages[0] = &g.RacerOneStageImage;
  g.RacerStageImages[1] = &g.RacerTwoStageImage;

  for (PaletteEntry& e : g.DuoPalette) e = PaletteEntry{};
  g.DuoPalette[0].Blue = 60;
  g.DuoPalette[1].Blue = 75;
  g.DuoPalette[2].Blue = 90;
  g.DuoPalette[3].Red = 35;
  g.DuoPalette[4].Red = 45;
  g.DuoPalette[5].Red = 55;

  static const char* const kNames[11] = {"",
                                         "ROAD AND LADDER",
                                         "JUMPING",
                                         "THE AMIDA",
                                         "TWO MOUNTAINS",
                                         "BUILDING",
                                         "HOLE HOLE HOLE",
                                         "SKY ROOMS",
                                         "SLOPE PANIC!",
                                         "FLOATS",
                                         "THE MAZE"};
  for (int i = 0; i < 11; ++i) g.StageNames[i] = kNames[i];

  g.HiScore = 0;

  g.TitleTimer.SetInterval(100);
  g.TitleTimer.SetEnabled(true);
  g.Timer1.SetInterval(50);
  g.Timer2.SetInterval(100);
  g.ClearTimer.SetInterval(50);
  g.EndingTimer.SetInterval(50);
}

void WindowActivated(Game& g) {
  g.KeyLeft = g.KeyRight = g.KeyUp = g.KeyDown = g.KeySpace = g.KeyEnter = 0;
  for (int k = 0; k < 2; ++k) {
    g.LeftKeys[k] = g.RightKeys[k] = g.UpKeys[k] = g.DownKeys[k] = g.JumpKeys[k] = 0;
  }
}
