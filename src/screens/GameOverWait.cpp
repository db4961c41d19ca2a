#include "screens/GameOverWait.h"
#include "screens/Title.h"
#include "stages/StartStage.h"
#include "state/Game.h"

namespace {

void LeaveWait(Game& g) {
  g.MusicPlayer.Stop();
  g.MusicPlayer.Close();
  g.Timer2.SetEnabled(false);
}

void ReplayStage(Game& g) {
  StartStage(g);
  g.Timer1.SetEnabled(true);
}

// Enter: the title once no lives are left, otherwise the stage again.
void LeaveWithEnter(Game& g) {
  LeaveWait(g);
  if (g.Lives > 0) {
    ReplayStage(g);
  } else {
    ShowTitle(g);
  }
}

// C: a fresh score, three lives and the same stage, counted as a continue.
void ContinueGame(Game& g) {
  LeaveWait(g);
  g.Score = 0;
  g.ContinueCount += 1;
  g.Lives = 3;
  ReplayStage(g);
}

}  // namespace

// The wait after a game over or a two-player result. C is also player 2's
// left key; when Enter and C are held in the same tick, the continue wins, so
// the title never comes up over a restarted stage.
void GameOverWaitTick(Game& g) {
  const bool continuing = g.LeftKeys[1] == 1;
  if (continuing) {
    ContinueGame(g);
  } else if (g.KeyEnter == 1) {
    LeaveWithEnter(g);
  }
}
