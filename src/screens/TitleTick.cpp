#include "screens/TitleTick.h"

#include <cstdint>

#include "drawing/TextLine.h"
#include "screens/TitleFigures.h"
#include "stages/StartStage.h"
#include "state/Game.h"

namespace {

struct TitleLine {
  const char* Text;
  int X, Y;
  std::uint32_t ColorRef;
};

constexpr TitleLine kLines[5] = {
    {"PUSH ENTER-KEY ... ", 100, 290, text_colour::kWhite},
    {"TO START NORMAL GAME!", 200, 310, text_colour::kWhite},
    {"PUSH SPACE-KEY ...", 100, 350, text_colour::kWhite},
    {"TO START 2-PLAYERS GAME!", 200, 370, text_colour::kWhite},
    {"P: PAUSE   R: RESTART   A/S: SPEED", 100, 420, text_colour::kSilver},
};

void DrawTitleLines(Game& g) {
  for (const TitleLine& line : kLines) {
    DrawTextLine(g, g.ShownField, line.Text, line.X, line.Y, text_style::kLine.In(line.ColorRef));
  }
}

void LeaveTitle(Game& g) {
  g.TitleTimer.SetEnabled(false);
  g.MusicPlayer.Stop();
  g.MusicPlayer.Close();
}

void StartSoloGame(Game& g) {
  LeaveTitle(g);
  g.PlayMode = PlayMode::OnePlayer;
  g.ContinueCount = 0;
  g.Score = 0;
  g.Lives = 3;
  g.StageNo = g.PracticeStage;
  StartStage(g);
  g.Timer1.SetEnabled(true);
}

// Score and ContinueCount are left as they are.
void StartDuoGame(Game& g) {
  LeaveTitle(g);
  g.PlayMode = PlayMode::TwoPlayer;
  g.Lives = 0;
  g.StageNo = 1;
  StartStage(g);
  g.Timer1.SetEnabled(true);
}

}  // namespace

void TitleTick(Game& g) {
  g.ShownField.FillWhole(kBlack);
  DrawTitleFigures(g);
  // The logo's black lettering is cut out of the figures and bands.
  g.ShownField.Blit(g.TitleLogo, 0, 0, 450, 130, 50, 100, RasterOp::And);
  DrawTitleLines(g);
  if (g.KeyEnter == 1) StartSoloGame(g);
  if (g.KeySpace == 1) StartDuoGame(g);
  g.RepaintField();
}
