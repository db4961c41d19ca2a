#include "platform/RacePanel.h"

#include "platform/InfoBox.h"
#include "platform/WindowRace.h"

namespace {

// Where the lines stand in the client area: below the stage's memo.
constexpr float kPanelX = 582, kPanelY = 412;

}  // namespace

void RacePanel::Draw(const Viewport& v) {
  const std::vector<std::string> lines = race_.PanelLines();
  if (!lines.empty()) DrawInfoBox("##RacePanel", v, kPanelX, kPanelY, lines);
}
