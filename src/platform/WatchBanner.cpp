#include "platform/WatchBanner.h"

#include <string>

#include "host/settings/SettingsInUse.h"
#include "host/text/RecordCaptions.h"
#include "platform/InfoBox.h"
#include "platform/WindowRun.h"

namespace {

constexpr float kMargin = 4;

}  // namespace

void WatchBanner::Draw(const Viewport& v) {
  const auto progress = window_.Watched();
  if (!progress) return;
  const RecordCaptions& c = RecordCaptionsIn(settings_.Shown().Lang);
  const std::string lines[] = {WatchingCaption(progress->PlayedMs, progress->TotalMs, progress->Paused, c),
                               std::string(c.WatchKeys)};
  DrawInfoBox("##WatchBanner", v, kMargin, kMargin, lines);
}
