#include "platform/GameMenus.h"

#include <cmath>
#include <string>
#include <utility>

#include <imgui.h>
#include <imgui_internal.h>

#include "drawing/ClientArea.h"
#include "host/text/MenuCaptions.h"
#include "host/text/RecordCaptions.h"
#include "platform/RaceDialogs.h"
#include "platform/RecordsDialogs.h"
#include "state/Game.h"

namespace {

// The dialog window's frame around the caption and client area, and the
// caption bar with its close box, at scale 1.
constexpr int kFrame = 3;
constexpr int kCaptionHeight = 18;
constexpr int kCloseBoxWidth = 16, kCloseBoxHeight = 14;

std::string Text(std::string_view caption) { return std::string(caption); }

ScreenRect Scaled(const DialogRect& r, const ScreenRect& client, float scale) {
  return {client.X + r.X * scale, client.Y + r.Y * scale, r.W * scale, r.H * scale};
}

void DrawWindowFrame(ImDrawList* draw, const ScreenRect& r, float s) {
  draw->AddRectFilled(ImVec2(r.X, r.Y), ImVec2(r.X + r.W, r.Y + r.H), classic::Face);
  draw->AddRect(ImVec2(r.X, r.Y), ImVec2(r.X + r.W, r.Y + r.H), classic::Dark, 0, 0, s);
  DrawEdge(draw, {r.X + s, r.Y + s, r.W - 2 * s, r.H - 2 * s}, s, false);
}

// Drops down the menu bar's first menu, titled label, as the keyboard's
// Alt does: the keyboard's place is on its title in the menu bar (from
// where the arrows reach the other menus) and on its first item.
void DropDownByKeyboard(const std::string& label) {
  ImGuiWindow* bar = ImGui::GetCurrentWindow();
  const ImVec2 at = ImGui::GetCursorScreenPos();
  const ImVec2 size = ImGui::CalcTextSize(label.c_str());
  const ImVec2 from(at.x - bar->Pos.x, at.y - bar->Pos.y);
  ImGui::FocusWindow(bar);
  ImGui::SetNavID(ImGui::GetID(label.c_str()), ImGuiNavLayer_Menu, 0,
                  ImRect(from, ImVec2(from.x + size.x, from.y + size.y)));
  ImGui::GetCurrentContext()->NavDisableHighlight = false;
  ImGui::OpenPopup(label.c_str());
}

void DrawCross(ImDrawList* draw, const ScreenRect& box, float s) {
  const float x0 = box.X + 4 * s, y0 = box.Y + 3 * s, x1 = box.X + box.W - 5 * s, y1 = box.Y + box.H - 4 * s;
  draw->AddLine(ImVec2(x0, y0), ImVec2(x1, y1), classic::Dark, 1.5f * s);
  draw->AddLine(ImVec2(x1, y0), ImVec2(x0, y1), classic::Dark, 1.5f * s);
}

}  // namespace

void GameMenus::Draw(const Viewport& v) {
  DrawMenuBar(v);
  DrawDialog(v);
  if (settings_ && settings_->DrawDialog()) submit_(Event::Activation());
  if (records_) records_->Draw(v, RecordCaptionsIn(Lang()));
  if (race_) race_->Draw(Captions());
}

Language GameMenus::Lang() const { return settings_ ? settings_->Shown().Lang : Language::Japanese; }

const MenuCaptions& GameMenus::Captions() const { return CaptionsIn(Lang()); }

bool GameMenus::DialogOpen() const {
  return open_.has_value() || (settings_ && settings_->DialogOpen()) || (records_ && records_->Open()) ||
         (race_ && race_->Open());
}

bool GameMenus::HoldsGame() const {
  return menuOpen_ || (settings_ && settings_->DialogOpen()) || (records_ && records_->Open()) ||
         (race_ && race_->Open());
}

void GameMenus::DialogKeyDown(DialogKey key, std::string_view keyName) {
  if (records_ && records_->Open()) {
    if (key == DialogKey::Enter || key == DialogKey::Escape) records_->CloseByKey();
  } else if (race_ && race_->Open()) {
    race_->KeyDown(key);
  } else if (settings_ && settings_->DialogOpen()) {
    settings_->KeyDown(key, keyName);
  } else {
    keys_.push_back(key);
  }
}

bool GameMenus::DialogNavigable() const {
  return (settings_ && settings_->DialogOpen() && !settings_->WaitingForKey()) || (records_ && records_->Open()) ||
         (race_ && race_->Open());
}

bool GameMenus::BoundToGame(std::string_view keyName) const {
  return settings_ && settings_->Shown().Keys.TargetOf(keyName) != 0;
}

void GameMenus::OpenDialog(SliderId dialog) {
  if (DialogOpen()) return;
  open_ = dialog;
  opening_ = true;
  shown_ = SliderOnOpening(g_, dialog, settings_ && settings_->Shown().ClassicDialogs);
  keys_.clear();
  drag_ = {};
}

void GameMenus::DrawMenuBar(const Viewport& v) {
  const float s = static_cast<float>(v.Scale);
  ImGui::SetNextWindowPos(ImVec2(static_cast<float>(v.X), static_cast<float>(v.Y)));
  ImGui::SetNextWindowSize(ImVec2(kClientWidth * s, kMenuBarHeight * s));
  ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0, 0));
  ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0.0f);
  ImGui::PushStyleVar(ImGuiStyleVar_WindowMinSize, ImVec2(1, 1));
  constexpr ImGuiWindowFlags flags = ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize |
                                     ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoScrollbar |
                                     ImGuiWindowFlags_NoScrollWithMouse | ImGuiWindowFlags_NoSavedSettings |
                                     ImGuiWindowFlags_MenuBar | ImGuiWindowFlags_NoBringToFrontOnFocus;
  const bool shown = ImGui::Begin("##MainMenu1", nullptr, flags);
  // The drop-down menus have the style's own padding.
  ImGui::PopStyleVar(3);
  const bool wasOpen = std::exchange(menuOpen_, false);
  if (shown && ImGui::BeginMenuBar()) {
    const bool watching = watching_ && watching_();
    if (std::exchange(toggleMenuBar_, false)) {
      if (wasOpen) {
        ImGui::ClosePopupToLevel(0, false);
        ImGui::FocusWindow(nullptr);
      } else {
        DropDownByKeyboard(Text(Captions().GameMenu));
      }
    }
    if (ImGui::BeginMenu(Text(Captions().GameMenu).c_str())) {
      menuOpen_ = true;
      ImGui::BeginDisabled(watching);
      if (ImGui::MenuItem(Text(Captions().RestartMenu).c_str())) submit_(Event::MenuChoice(MenuCommand::Restart));
      if (ImGui::MenuItem(Text(Captions().PauseMenu).c_str())) submit_(Event::MenuChoice(MenuCommand::Pause));
      if (race_) race_->DrawMenuItems(Captions());
      if (ImGui::MenuItem(Text(Captions().ExitMenu).c_str())) submit_(Event::MenuChoice(MenuCommand::Exit));
      if (records_) records_->DrawMenuItems(RecordCaptionsIn(Lang()));
      ImGui::EndDisabled();
      ImGui::EndMenu();
    }
    if (ImGui::BeginMenu(Text(Captions().ConfigMenu).c_str())) {
      menuOpen_ = true;
      ImGui::BeginDisabled(watching);
      if (ImGui::MenuItem(Text(Captions().BrightnessMenu).c_str())) OpenDialog(SliderId::Brightness);
      if (ImGui::MenuItem(Text(Captions().SpeedMenu).c_str())) OpenDialog(SliderId::Speed);
      ImGui::EndDisabled();
      if (settings_) settings_->DrawConfigItems();
      ImGui::EndMenu();
    }
    ImGui::EndMenuBar();
  }
  // The keyboard may be on a menu's title in the bar with none dropped down.
  const ImGuiContext& context = *ImGui::GetCurrentContext();
  if (context.NavWindow == ImGui::GetCurrentWindow() && context.NavLayer == ImGuiNavLayer_Menu) menuOpen_ = true;
  ImGui::End();
}

void GameMenus::DrawDialog(const Viewport& v) {
  if (!open_) return;
  const DialogLayout& layout = LayoutFor(*open_);
  const float s = static_cast<float>(v.Scale);
  const char* id = *open_ == SliderId::Speed ? "##OKRightDlg1" : "##OKRightDlg";
  if (opening_) {
    ImGui::OpenPopup(id);
    opening_ = false;
  }
  const ImVec2 size((layout.ClientWidth + 2 * kFrame) * s, (layout.ClientHeight + kCaptionHeight + 2 * kFrame) * s);
  const ImVec2 display = ImGui::GetIO().DisplaySize;
  ImGui::SetNextWindowPos(ImVec2(std::floor((display.x - size.x) / 2), std::floor((display.y - size.y) / 2)));
  ImGui::SetNextWindowSize(size);
  ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0, 0));
  ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0.0f);
  constexpr ImGuiWindowFlags flags = ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize |
                                     ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoScrollbar |
                                     ImGuiWindowFlags_NoScrollWithMouse | ImGuiWindowFlags_NoSavedSettings;
  const bool shown = ImGui::BeginPopupModal(id, nullptr, flags);
  ImGui::PopStyleVar(2);
  if (!shown) {
    open_.reset();
    return;
  }
  const ImVec2 origin = ImGui::GetWindowPos();
  ImDrawList* draw = ImGui::GetWindowDrawList();
  DrawWindowFrame(draw, {origin.x, origin.y, size.x, size.y}, s);

  const ScreenRect bar{origin.x + kFrame * s, origin.y + kFrame * s, layout.ClientWidth * s, (kCaptionHeight - 1) * s};
  draw->AddRectFilled(ImVec2(bar.X, bar.Y), ImVec2(bar.X + bar.W, bar.Y + bar.H), classic::Caption);
  const float textY = std::floor(bar.Y + (bar.H - ImGui::GetFontSize()) / 2);
  const std::string_view title = *open_ == SliderId::Speed ? Captions().SpeedDialog : Captions().BrightnessDialog;
  draw->AddText(ImVec2(bar.X + 3 * s, textY), classic::Light, Text(title).c_str());
  const ScreenRect closeBox{bar.X + bar.W - (kCloseBoxWidth + 2) * s, bar.Y + 2 * s, kCloseBoxWidth * s,
                            kCloseBoxHeight * s};
  const bool closed = ClassicButton("##close", "", closeBox, s, false);
  DrawCross(draw, closeBox, s);

  const ScreenRect client{origin.x + kFrame * s, origin.y + (kFrame + kCaptionHeight) * s, layout.ClientWidth * s,
                          layout.ClientHeight * s};
  const bool ended = DrawDialogContents(layout, client, s) || closed;
  if (ended) ImGui::CloseCurrentPopup();
  ImGui::EndPopup();
  if (ended) CloseDialog();
}

bool GameMenus::DrawDialogContents(const DialogLayout& layout, const ScreenRect& client, float s) {
  const SliderId dialog = *open_;
  ImDrawList* draw = ImGui::GetWindowDrawList();
  DrawEdge(draw, Scaled(layout.Bevel, client, s), s, true);
  const ScreenRect label = Scaled(layout.Label, client, s);
  DrawLabel(draw, label.X, label.Y, shown_.Label);
  const bool ok = ClassicButton("##OKBtn", Text(Captions().OKButton), Scaled(layout.OK, client, s), s, true);

  int position = shown_.Position;
  const int dragged =
      ClassicTrackBar("##TrackBar1", Scaled(layout.TrackBar, client, s), s, position, layout.Max, drag_);
  if (dragged != position) MoveSlider(dialog, position = dragged);
  bool ended = false;
  while (!keys_.empty()) {
    const DialogKey key = keys_.front();
    keys_.pop_front();
    if (key == DialogKey::Enter || key == DialogKey::Escape) {
      ended = true;
      break;
    }
    const int moved = SliderPositionAfter(key, position, layout.Max);
    if (moved != position) MoveSlider(dialog, position = moved);
  }
  return ok || ended;
}

void GameMenus::MoveSlider(SliderId dialog, int position) {
  shown_ = {position, std::to_string(position)};
  submit_(Event::SliderMove(dialog, position));
}

void GameMenus::CloseDialog() {
  if (!open_) return;
  open_.reset();
  keys_.clear();
  drag_ = {};
  // The main window becomes active again: its input flags are cleared.
  submit_(Event::Activation());
}
