#include "stages/BuildStage.h"

#include "stages/BuildDuoStage.h"
#include "stages/BuildStage1.h"
#include "stages/BuildStage10.h"
#include "stages/BuildStage2.h"
#include "stages/BuildStage3.h"
#include "stages/BuildStage4.h"
#include "stages/BuildStage5.h"
#include "stages/BuildStage6.h"
#include "stages/BuildStage7.h"
#include "stages/BuildStage8.h"
#include "stages/BuildStage9.h"

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
