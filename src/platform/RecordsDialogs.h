#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/records/ReplayFolder.h"
#include "host/records/ScoreTable.h"
#include "host/text/RecordCaptions.h"
#include "platform/Letterbox.h"

class RunRecords;

// The Game menu's records: the table of the best ten and the list of
// recordings, each in a dialog from which a recorded game can be watched.
// Without records (--no-records) the items are shown greyed.
class RecordsDialogs {
 public:
  using Watch = std::function<void(const std::string& file)>;
  RecordsDialogs(RunRecords* records, Watch watch) : records_(records), watch_(std::move(watch)) {}

  // Inside the Game menu, below the items of the game itself: a separator
  // and the two records items.
  void DrawMenuItems(const RecordCaptions& c);
  // The open dialog, centred on the window.
  void Draw(const Viewport& v, const RecordCaptions& c);
  bool Open() const { return open_.has_value(); }
  // Escape or Enter closes the open dialog.
  void CloseByKey() { closing_ = true; }

 private:
  enum class Shown { Scores, Replays };
  void DrawScores(const RecordCaptions& c);
  void DrawReplays(const RecordCaptions& c);
  // A row's last cell: the Watch button, or a note that the recording was
  // made by another version of the game.
  void WatchOrNot(const ReplayFolder::Listing& recording, const RecordCaptions& c);

  RunRecords* records_;
  Watch watch_;
  std::optional<Shown> open_;
  bool opening_ = false;
  bool closing_ = false;
  ScoreTable scores_;
  std::vector<ReplayFolder::Listing> replays_;
};
