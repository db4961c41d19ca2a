#include "screens/ClearTally.h"

#include <string>

#include "drawing/ShowScore.h"
#include "drawing/TextLine.h"
#include "screens/EndingStart.h"
#include "stages/StartStage.h"
#include "state/Game.h"
#include "state/StageNumbers.h"

namespace {

constexpr i32 kHandOverTick = -50;

void AddBonus(Game& g, i32 points) {
  g.Score += points;
  ShowScore(g);
}

// The uncovered cell k turns dark and pays 10; the line shows what is still
// to come after this cell.
void PayBlockBonus(Game& g, i32 k) {
  g.FrameImage.Blit(g.DuoSpriteSheet, 32, 0, 24, 24, 24 * g.RevealX[k], 24 * g.RevealY[k]);
  g.ShownField.Blit(g.FrameImage, 0, 0);
  DrawTextLine(g, g.ShownField, "BLOCK BONUS=" + std::to_string(10 * k), 200, 300,
               text_style::kLine.In(text_colour::kCyan));
  g.PlaySound("clear1.wav");
  AddBonus(g, 10);
}

void PayNoMissBonus(Game& g) {
  g.PlaySound("clear1.wav");
  DrawTextLine(g, g.ShownField, "No-Miss BONUS=1000", 190, 250, text_style::kLine.In(text_colour::kSilver));
  AddBonus(g, 1000);
}

void PayNoContinueBonus(Game& g) {
  g.PlaySound("clear1.wav");
  DrawTextLine(g, g.ShownField, "No-Continue BONUS=5000", 180, 275, text_style::kLine);
  AddBonus(g, 5000);
}

// The tally is over: one more life, and the next stage or the ending.
void HandOver(Game& g) {
  g.MusicPlayer.Stop();
  g.MusicPlayer.Close();
  g.StageNo += 1;
  g.Lives += 1;
  g.ClearTimer.SetEnabled(false);
  if (g.StageNo > kLastStage) {
    StartEnding(g);
  } else {
    StartStage(g);
    g.Timer1.SetEnabled(true);
  }
}

}  // namespace

// One tick of the stage-clear tally. RevealCount counts down through the
// uncovered cells and on below 0 to time the bonuses and the hand-over.
void ClearTallyTick(Game& g) {
  g.RevealCount -= 1;
  const i32 k = g.RevealCount;
  if (k >= 0) {
    PayBlockBonus(g, k);
  } else if (k == -1 && g.MissFlag == 0) {
    PayNoMissBonus(g);
  } else if (k == -3 && g.ContinueCount == 0 && g.StageNo == kLastStage) {
    PayNoContinueBonus(g);
  } else if (k <= kHandOverTick) {
    HandOver(g);
  }
  g.RepaintField();
}
