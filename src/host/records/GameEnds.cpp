#include "host/records/GameEnds.h"

#include "state/Game.h"
#include "state/StageNumbers.h"

std::optional<GameEnd> GameEndWatcher::Look(const Game& g) {
  const bool over = g.PlayMode == PlayMode::OnePlayer && g.Lives == 0 && g.Timer2.Enabled;
  const bool ending = g.EndingTimer.Enabled;
  std::optional<GameEnd> end;
  if (over && !over_) end = GameEnd{g.Score, g.StageNo, false};
  if (ending && !ending_) end = GameEnd{g.Score, kLastStage, true};
  over_ = over;
  ending_ = ending;
  return end;
}
