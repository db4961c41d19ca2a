#pragma once

#include <string>
#include <vector>

#include "host/settings/Settings.h"

// What the player is told on screen for a few seconds, over the game's
// picture (the window's and the page's notices, never the picture itself).
// Told anywhere in the host, a notice waits here until the host running the
// game takes it, and is captioned then in the language the menus speak.
struct Notice {
  enum class Kind { Trouble, Speed, PictureSaved, PictureNotSaved, TopTen };
  Kind What = Kind::Trouble;
  std::string Text;  // the trouble's line, the picture's file, or why none was saved
  int Number = 0;    // the speed's milliseconds a frame, or the score entered

  bool operator==(const Notice&) const = default;
};

void TellNotice(Notice notice);
// The notices told since the last call, oldest first (at most the latest
// few, should nobody take them).
std::vector<Notice> TakeNotices();
bool NoticesWaiting();

// The notice's line in that language.
std::string NoticeText(const Notice& notice, Language language);
