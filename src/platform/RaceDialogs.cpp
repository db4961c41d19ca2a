#include "platform/RaceDialogs.h"

#include <imgui.h>

#include "host/settings/SettingsInUse.h"
#include "platform/DialogWindow.h"

namespace {

constexpr const char* kHostId = "###HostRaceDlg";
constexpr const char* kJoinId = "###JoinRaceDlg";
constexpr const char* kWaitingId = "###RaceWaitDlg";
constexpr float kLabelEms = 6;   // where the fields start, in font heights
constexpr float kFieldEms = 14;  // the fields' width
const ImVec4 kTroubleColour(0.75f, 0.0f, 0.0f, 1.0f);

std::string Text(std::string_view caption) { return std::string(caption); }

template <std::size_t N>
void Put(std::array<char, N>& field, const std::string& text) {
  field.fill('\0');
  text.copy(field.data(), N - 1);
}

// A label with its field beside it; the keyboard starts in the field when
// focus is set. What the field holds is chosen whole when it is entered, so
// that typing puts something new in its place.
void LabelBeforeField(std::string_view label, bool& focus) {
  ImGui::AlignTextToFramePadding();
  ImGui::TextUnformatted(Text(label).c_str());
  ImGui::SameLine(ImGui::GetFontSize() * kLabelEms);
  ImGui::SetNextItemWidth(ImGui::GetFontSize() * kFieldEms);
  if (focus) ImGui::SetKeyboardFocusHere();
  focus = false;
}

std::string Called(const std::function<std::string()>& f) { return f ? f() : std::string(); }

}  // namespace

void RaceDialogs::DrawMenuItems(const MenuCaptions& c) {
  const bool free = !(actions_.Racing && actions_.Racing());
  if (ImGui::MenuItem(Text(c.HostRaceMenu).c_str(), nullptr, false, free)) OpenDialog(Dialog::Host);
  if (ImGui::MenuItem(Text(c.JoinRaceMenu).c_str(), nullptr, false, free)) OpenDialog(Dialog::Join);
}

void RaceDialogs::OpenDialog(Dialog d) {
  open_ = d;
  opening_ = true;
  focus_ = true;
  enter_ = escape_ = false;
  error_.clear();
  const Settings& s = settings_.Kept();
  if (d == Dialog::Host) Put(port_, std::to_string(s.RacePort));
  if (d == Dialog::Join) Put(address_, s.LastRaceAddress);
  if (d != Dialog::Waiting) waitingFor_ = d;
}

void RaceDialogs::ShowWait(bool hosting) {
  waitingFor_ = hosting ? Dialog::Host : Dialog::Join;
  OpenDialog(Dialog::Waiting);
}

void RaceDialogs::KeyDown(DialogKey key) {
  if (key == DialogKey::Enter) enter_ = true;
  if (key == DialogKey::Escape) escape_ = true;
}

void RaceDialogs::Draw(const MenuCaptions& c) {
  switch (open_) {
    case Dialog::None: return;
    case Dialog::Host: DrawHost(c); return;
    case Dialog::Join: DrawJoin(c); return;
    case Dialog::Waiting: DrawWaiting(c); return;
  }
}

bool RaceDialogs::Begin(const MenuCaptions& c, bool& stillOpen) {
  const bool hosting = (open_ == Dialog::Waiting ? waitingFor_ : open_) == Dialog::Host;
  const std::string title = DialogTitle(hosting ? c.HostRaceDialog : c.JoinRaceDialog,
                                        open_ == Dialog::Waiting ? kWaitingId : hosting ? kHostId : kJoinId);
  if (BeginModalDialog(title, opening_, stillOpen)) return true;
  open_ = Dialog::None;
  return false;
}

void RaceDialogs::End(bool close) {
  EndModalDialog(close);
  if (close) open_ = Dialog::None;
  enter_ = escape_ = false;
}

RaceDialogs::Choice RaceDialogs::DrawButtons(const MenuCaptions& c, std::string_view go, bool canGo, bool stillOpen) {
  if (!error_.empty()) ImGui::TextColored(kTroubleColour, "%s", error_.c_str());
  ImGui::BeginDisabled(!canGo);
  const bool went = ImGui::Button(Text(go).c_str()) || (enter_ && canGo);
  ImGui::EndDisabled();
  ImGui::SameLine();
  if (ImGui::Button(Text(c.CancelButton).c_str()) || escape_ || !stillOpen) return Choice::Cancel;
  return went ? Choice::Go : Choice::None;
}

void RaceDialogs::DrawHost(const MenuCaptions& c) {
  bool stillOpen = true;
  if (!Begin(c, stillOpen)) return;
  LabelBeforeField(c.RacePortLabel, focus_);
  ImGui::InputText("##port", port_.data(), port_.size(),
                   ImGuiInputTextFlags_CharsDecimal | ImGuiInputTextFlags_AutoSelectAll);
  const Choice choice = DrawButtons(c, c.HostButton, static_cast<bool>(actions_.Host), stillOpen);
  const bool hosted = choice == Choice::Go && Host();
  End(choice == Choice::Cancel || hosted);
  if (hosted) OpenDialog(Dialog::Waiting);
}

void RaceDialogs::DrawJoin(const MenuCaptions& c) {
  bool stillOpen = true;
  if (!Begin(c, stillOpen)) return;
  LabelBeforeField(c.RaceAddressLabel, focus_);
  ImGui::InputTextWithHint("##address", Text(c.RaceAddressHint).c_str(), address_.data(), address_.size(),
                           ImGuiInputTextFlags_AutoSelectAll);
  const Choice choice = DrawButtons(c, c.JoinButton, static_cast<bool>(actions_.Join), stillOpen);
  const bool joined = choice == Choice::Go && Join();
  End(choice == Choice::Cancel || joined);
  if (joined) OpenDialog(Dialog::Waiting);
}

bool RaceDialogs::Host() {
  std::uint16_t port = 0;
  if (!ParseRacePort(port_.data(), port, error_)) return false;
  Settings s = settings_.Kept();
  s.RacePort = port;
  settings_.Change(s);
  actions_.Host(port);
  return true;
}

bool RaceDialogs::Join() {
  RaceAddress to;
  if (!ParseRaceAddress(address_.data(), to, error_)) return false;
  Settings s = settings_.Kept();
  s.LastRaceAddress = address_.data();
  settings_.Change(s);
  actions_.Join(to);
  return true;
}

void RaceDialogs::DrawWaiting(const MenuCaptions& c) {
  bool stillOpen = true;
  if (!Begin(c, stillOpen)) return;
  const std::string status = Called(actions_.Status);
  // An empty status: the race began.
  if (status.empty()) {
    End(true);
    return;
  }
  ImGui::TextUnformatted(status.c_str());
  const std::string trouble = Called(actions_.Trouble);
  if (!trouble.empty()) ImGui::TextColored(kTroubleColour, "%s", trouble.c_str());
  // Enter does nothing here: a second Enter after Host or Join would
  // otherwise call it off at once.
  const bool cancel = ImGui::Button(Text(c.CancelButton).c_str()) || escape_ || !stillOpen;
  if (cancel && actions_.Cancel) actions_.Cancel();
  End(cancel);
}
