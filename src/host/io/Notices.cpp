#include "host/io/Notices.h"

#include <cstddef>
#include <utility>

#include "host/text/MenuCaptions.h"

namespace {

constexpr std::size_t kMostWaiting = 8;

std::vector<Notice>& Waiting() {
  static std::vector<Notice> waiting;
  return waiting;
}

}  // namespace

void TellNotice(Notice notice) {
  std::vector<Notice>& waiting = Waiting();
  if (waiting.size() == kMostWaiting) waiting.erase(waiting.begin());
  waiting.push_back(std::move(notice));
}

std::vector<Notice> TakeNotices() { return std::exchange(Waiting(), {}); }

bool NoticesWaiting() { return !Waiting().empty(); }

std::string NoticeText(const Notice& notice, Language language) {
  const MenuCaptions& c = CaptionsIn(language);
  switch (notice.What) {
    case Notice::Kind::Trouble: return notice.Text;
    case Notice::Kind::Speed: return Filled(c.SpeedNotice, {}, {}, notice.Number);
    case Notice::Kind::PictureSaved: return std::string(c.PictureSavedNotice) + " " + notice.Text;
    case Notice::Kind::PictureNotSaved: return std::string(c.NoPictureNotice) + " " + notice.Text;
    case Notice::Kind::TopTen: return Filled(c.TopTenNotice, {}, {}, notice.Number);
  }
  return notice.Text;
}
