#include "stages/StartStage.h"

#include <string>

#include "drawing/ShowLives.h"
#include "drawing/ShowScore.h"
#include "drawing/TextLine.h"
#include "stages/BuildStage.h"
#include "stages/PaintStage.h"
#include "stages/StageResets.h"
#include "state/Game.h"

namespace {

const std::string& StageName(const Game& g) {
  static const std::string kNone;
  if (g.StageNo < 0 || g.StageNo >= static_cast<i32>(g.StageNames.size())) return kNone;
  return g.StageNames[g.StageNo];
}

void ShowCaption(Game& g) {
  g.StageCaption.clear();
  g.StageCaption.push_back("STAGE " + std::to_string(g.StageNo));
  g.StageCaption.push_back(StageName(g));
}

// The first picture: the view as it starts, with the stage title over it.
void ShowFirstPicture(Game& g) {
  g.ShownField.Blit(g.UncoveredImage, 0, 0);
  const std::string& name = StageName(g);
  const int left = 220 - 5 * static_cast<int>(name.size());
  DrawTextLine(g, g.ShownField, "STAGE " + std::to_string(g.StageNo) + ":" + name, left, 200, text_style::kLine);
  g.RepaintField();
}

// The jingle holds the game with the title on screen until it has ended.
void PlayJingle(Game& g) {
  g.MusicPlayer.SetFileName("START.mid");
  g.MusicPlayer.Open();
  g.MusicPlayer.SetNotify(false);
  g.MusicPlayer.SetWait(true);
  g.MusicPlayer.Play();
  g.MusicPlayer.Close();
}

// The stage tune repeats through its completion notice.
void StartStageMusic(Game& g) {
  g.MusicPlayer.SetFileName("BGM" + std::to_string(g.StageNo) + ".mid");
  g.MusicPlayer.Open();
  g.MusicPlayer.Play();
}

}  // namespace

void StartStage(Game& g) {
  g.LiftCount = 0;
  g.EnemyCount = 0;
  BuildStage(g);
  ShowCaption(g);
  ListItemsAndPaint(g);
  ResetCharactersForStage(g);
  if (g.PlayMode == PlayMode::TwoPlayer) PaintDuoCheckerboard(g);
  ShowFirstPicture(g);
  PlayJingle(g);
  StartStageMusic(g);
  ShowLives(g);
  ResetRevealed(g);
  ShowScore(g);
}
