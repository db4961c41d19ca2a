#include "stages/StageBuilders.h"

void BuildStage(Game& g) {
  if (g.PlayMode == PlayMode::TwoPlayer) {
    BuildDuoStage(g);
    return;
  }
  switch (g.StageNo) {
    case 1: BuildStage1(g); break;
    case 2: BuildStage2(g); break;
    case 3: BuildStage3(g); break;
    case 4: BuildStage4(g); break;
    case 5: BuildStage5(g); break;
    case 6: BuildStage6(g); break;
    case 7: BuildStage7(g); break;
    case 8: BuildStage8(g); break;
    case 9: BuildStage9(g); break;
    case 10: BuildStage10(g); break;
    default: break;
  }
}
