#include "GameDriver.h"

#include "host/Replay.h"
#include "host/Sheets.h"
#include "screens/Title.h"

namespace {

// Letters as blocks: the maker only needs the game's moves, not its looks.
class BlockText : public TextRasterizer {
 public:
  TextMask Render(std::string_view, int cellHeight, std::string_view text) override {
    TextMask m;
    m.Width = 6 * static_cast<int>(text.size());
    m.Height = cellHeight > 0 ? cellHeight : 0;
    m.On.assign(static_cast<std::size_t>(m.Width) * static_cast<std::size_t>(m.Height), 1);
    return m;
  }
};

BlockText blockText;

}  // namespace

GameDriver GameDriver::Sketch() const {
  GameDriver b;
  // Everything but the pictures: copy the game, then drop its surfaces
  // (a sketch of a sketch copies no pixels at all).
  b.g_ = std::make_unique<Game>(*g_);
  Game& s = *b.g_;
  for (Surface* p : {&s.CRTImage, &s.BuffImage, &s.BGImage, &s.SightImage, &s.BG1Image, &s.BG2Image,
                     &s.MojiImage, &s.RestImage, &s.ScoreImage, &s.HiImage, &s.ChrImage, &s.Chr2Image,
                     &s.TitleImage}) {
    *p = Surface();
  }
  s.BGImages[0] = &s.BG1Image;
  s.BGImages[1] = &s.BG2Image;
  s.Sound = nullptr;
  s.Screen = nullptr;
  b.held_ = held_;
  return b;
}

void GameDriver::Follow(const std::vector<Event>& road) {
  for (const Event& e : road) {
    Send(e);
    if (e.Kind == EventKind::KeyDown) held_.insert(e.Key);
    if (e.Kind == EventKind::KeyUp) held_.erase(e.Key);
  }
}

bool GameDriver::Start(const std::string& assetDir, std::uint32_t seed, int stage, std::string& error) {
  g_ = std::make_unique<Game>();
  g_->Text = &blockText;
  if (!LoadSheets(*g_, assetDir, error)) return false;
  FormCreate(*g_, seed);
  g_->PracticeStage = stage;
  ShowTitle(*g_);
  lines_ = {kReplayHeader, "seed " + std::to_string(seed)};
  return true;
}

void GameDriver::Send(const Event& e) {
  Dispatch(*g_, e);
  lines_.push_back(ReplayLine(e));
  events_.push_back(e);
}

void GameDriver::Hold(const std::set<int>& keys) {
  const std::set<int> before = held_;
  for (int k : before) {
    if (!keys.count(k)) Release(k);
  }
  for (int k : keys) {
    if (!held_.count(k)) Press(k);
  }
}

std::optional<TimerId> GameDriver::Running() const {
  for (TimerId id : kTimerOrder) {
    if (g_->TimerById(id).Running()) return id;
  }
  return std::nullopt;
}

bool GameDriver::Tick() {
  const auto id = Running();
  if (!id) return false;
  Send(Event::Tick(*id));
  return true;
}
