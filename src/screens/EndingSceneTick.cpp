#include "screens/EndingSceneTick.h"

#include <cstdint>

#include "drawing/TextLine.h"
#include "play/MoveEnemy.h"
#include "screens/EndingDemoStage.h"
#include "screens/Title.h"
#include "state/Game.h"

namespace {

struct EndingLine {
  const char* Text;
  i32 FromTick;
  int X, Y;
  std::uint32_t ColorRef;
};

// The lines come one after another on the black field and stay over the
// demonstration; the last tells how to leave.
constexpr EndingLine kLines[] = {
    {"YOU CLEARED ALL STAGES.", -160, 180, 180, text_colour::kGreen},
    {"CONGRATULATIONS!", -120, 210, 230, text_colour::kCyan},
    {"THANK YOU FOR PLAYING", -80, 200, 280, text_colour::kMagenta},
    {"PUSH ENTER-KEY TO THE TITLE", -40, 165, 330, text_colour::kWhite},
};

constexpr i32 kTicksPerStage = 150;

// Every stage in turn, fully uncovered, with its enemies on the move.
void ShowDemonstration(Game& g, i32 t) {
  if (t % kTicksPerStage == 1) ShowEndingStage(g, (t / kTicksPerStage) % 10 + 1);
  g.FrameImage.Blit(g.UncoveredImage, 0, 0);
  for (i32 i = 0; i < g.EnemyCount; ++i) MoveEnemy(g, i);
}

void LeaveForTheTitle(Game& g) {
  g.MusicPlayer.Stop();
  g.MusicPlayer.Close();
  g.EndingTimer.SetEnabled(false);
  ShowTitle(g);
}

}  // namespace

// One tick of the ending. EndingTick runs from -169: the lines appear on
// black, and from tick 1 on the ten stages are shown, 150 ticks each.
void EndingSceneTick(Game& g) {
  g.EndingTick += 1;
  const i32 t = g.EndingTick;
  if (t > 0) ShowDemonstration(g, t);
  g.ShownField.Blit(g.FrameImage, 0, 0);
  for (const EndingLine& line : kLines) {
    if (t >= line.FromTick) {
      DrawTextLine(g, g.ShownField, line.Text, line.X, line.Y, text_style::kLine.In(line.ColorRef));
    }
  }
  g.RepaintField();
  if (g.KeyEnter == 1) LeaveForTheTitle(g);
}
