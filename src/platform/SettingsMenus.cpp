#include "platform/SettingsMenus.h"

#include <imgui.h>

#include "host/settings/SettingsInUse.h"
#include "host/text/MenuCaptions.h"
#include "platform/ClassicWidgets.h"
#include "platform/DialogWindow.h"

namespace {

constexpr const char* kSoundId = "###SoundDlg";
constexpr const char* kKeysId = "###KeysDlg";
constexpr float kSliderEms = 16;      // the volume sliders' width, in font heights
constexpr float kKeyColumnEms = 12;   // where a column's keys start in the keys dialog
constexpr float kKeyButtonEms = 7;
constexpr float kColumnGapEms = 2;
constexpr Action kSecondColumn = Action::Start;  // the first action of the keys dialog's second column

std::string Text(std::string_view caption) { return std::string(caption); }

}  // namespace

Settings SettingsMenus::Shown() const { return settings_.Shown(); }

void SettingsMenus::DrawConfigItems() {
  const Settings s = Shown();
  const MenuCaptions& c = CaptionsIn(s.Lang);
  if (ImGui::MenuItem(Text(c.SoundMenu).c_str())) Open(Dialog::Sound);
  if (ImGui::MenuItem(Text(c.KeysMenu).c_str())) Open(Dialog::Keys);
  if (ImGui::BeginMenu(Text(c.LanguageMenu).c_str())) {
    if (ImGui::MenuItem(Text(kJapaneseName).c_str(), nullptr, s.Lang == Language::Japanese)) {
      settings_.ChooseLanguage(Language::Japanese);
    }
    if (ImGui::MenuItem(Text(kEnglishName).c_str(), nullptr, s.Lang == Language::English)) {
      settings_.ChooseLanguage(Language::English);
    }
    ImGui::EndMenu();
  }
  if (ImGui::BeginMenu(Text(c.WindowMenu).c_str())) {
    Settings changed = settings_.Kept();
    bool chosen = false;
    if (ImGui::MenuItem(Text(c.FitScaleItem).c_str(), nullptr, s.WindowScale == Settings::kFitScale)) {
      changed.WindowScale = Settings::kFitScale;
      chosen = true;
    }
    // A scale that does not fit the screen is shown disabled with the size
    // it needs; a saved one that no longer fits is shown as the one in use.
    const ScreenArea usable = usableArea_();
    const int shown = ScaleToUse(s.WindowScale, usable);
    for (const ScaleChoice& n : OfferedScales(usable)) {
      const std::string needs = n.Fits ? "" : std::to_string(n.Width) + " x " + std::to_string(n.Height);
      const bool ticked = s.WindowScale != Settings::kFitScale && shown == n.Scale;
      if (ImGui::MenuItem(Filled(c.ScaleItem, "", "", n.Scale).c_str(), needs.c_str(), ticked, n.Fits)) {
        changed.WindowScale = n.Scale;
        chosen = true;
      }
    }
    ClassicSeparator();
    if (ImGui::MenuItem(Text(c.FullScreenItem).c_str(), nullptr, s.FullScreen)) {
      changed.FullScreen = !s.FullScreen;
      chosen = true;
    }
    if (chosen) settings_.Change(changed);
    ImGui::EndMenu();
  }
}

void SettingsMenus::Open(Dialog d) {
  open_ = d;
  opening_ = true;
  closing_ = false;
  waiting_.reset();
  message_.clear();
  askingDefaults_ = false;
}

bool SettingsMenus::DrawDialog() {
  if (open_ == Dialog::None) return false;
  if (open_ == Dialog::Sound) DrawSoundDialog();
  else DrawKeysDialog();
  if (open_ != Dialog::None) return false;
  waiting_.reset();
  message_.clear();
  return true;
}

bool SettingsMenus::BeginDialog(const std::string& title, bool& stillOpen) {
  if (BeginModalDialog(title, opening_, stillOpen)) return true;
  open_ = Dialog::None;
  return false;
}

void SettingsMenus::EndDialog(bool close) {
  EndModalDialog(close);
  if (close) open_ = Dialog::None;
}

void SettingsMenus::DrawSoundDialog() {
  const MenuCaptions& c = CaptionsIn(Shown().Lang);
  bool stillOpen = true;
  if (!BeginDialog(DialogTitle(c.SoundDialog, kSoundId), stillOpen)) return;
  Settings s = settings_.Kept();
  const Settings before = s;
  ImGui::PushItemWidth(ImGui::GetFontSize() * kSliderEms);
  ImGui::SliderInt(Text(c.MusicVolume).c_str(), &s.MusicVolume, 0, Settings::kMaxVolume);
  ImGui::SliderInt(Text(c.EffectsVolume).c_str(), &s.EffectsVolume, 0, Settings::kMaxVolume);
  ImGui::PopItemWidth();
  ImGui::Checkbox(Text(c.MuteBox).c_str(), &s.Mute);
  if (!(s == before)) settings_.Change(s);
  const bool ok = ImGui::Button(Text(c.OKButton).c_str()) || closing_;
  EndDialog(ok || !stillOpen);
}

void SettingsMenus::DrawKeysDialog() {
  const MenuCaptions& c = CaptionsIn(Shown().Lang);
  bool stillOpen = true;
  if (!BeginDialog(DialogTitle(c.KeysDialog, kKeysId), stillOpen)) return;
  const float em = ImGui::GetFontSize();
  const KeyBindings keys = settings_.Kept().Keys;
  // The players' keys in the first column, the others in the second.
  ImGui::BeginGroup();
  for (const ActionInfo& info : AllActions()) {
    const auto index = static_cast<std::size_t>(info.Which);
    if (info.Which == kSecondColumn) {
      ImGui::EndGroup();
      ImGui::SameLine(0, em * kColumnGapEms);
      ImGui::BeginGroup();
    }
    ImGui::AlignTextToFramePadding();
    ImGui::TextUnformatted(Text(c.Actions[index]).c_str());
    ImGui::SameLine(em * kKeyColumnEms);  // from the group's left edge
    const bool waiting = waiting_ == info.Which;
    const std::string label = (waiting ? std::string("...") : keys.KeyOf(info.Which)) + "##" +
                              std::string(info.SettingName);
    if (ImGui::Button(label.c_str(), ImVec2(em * kKeyButtonEms, 0))) {
      waiting_ = info.Which;
      message_ = Filled(c.PressNewKey, "", c.Actions[index]);
      askingDefaults_ = false;
    }
    // The keyboard starts on the first action.
    if (info.Which == AllActions().front().Which) ImGui::SetItemDefaultFocus();
  }
  ImGui::EndGroup();
  ImGui::TextUnformatted(askingDefaults_ ? Text(c.DefaultKeysQuestion).c_str() : message_.c_str());
  if (askingDefaults_) {
    if (ImGui::Button(Text(c.YesButton).c_str())) {
      Settings s = settings_.Kept();
      s.Keys.ResetToDefaults();
      settings_.Change(s);
      askingDefaults_ = false;
    }
    ImGui::SameLine();
    if (ImGui::Button(Text(c.NoButton).c_str())) askingDefaults_ = false;
  } else if (ImGui::Button(Text(c.DefaultKeysButton).c_str())) {
    waiting_.reset();
    message_.clear();
    askingDefaults_ = true;
  }
  ImGui::SameLine();
  const bool ok = ImGui::Button(Text(c.OKButton).c_str()) || closing_;
  EndDialog(ok || !stillOpen);
}

void SettingsMenus::KeyDown(DialogKey key, std::string_view keyName) {
  if (waiting_ && key == DialogKey::Escape) {
    waiting_.reset();
    message_.clear();
  } else if (waiting_) {
    TakeNewKey(keyName);
  } else if (key == DialogKey::Enter || key == DialogKey::Escape) {
    closing_ = true;
  }
}

void SettingsMenus::TakeNewKey(std::string_view keyName) {
  const MenuCaptions& c = CaptionsIn(Shown().Lang);
  if (keyName.empty()) {
    message_ = Text(c.KeyUnusable);
    waiting_.reset();
    return;
  }
  Settings s = settings_.Kept();
  Action holder = *waiting_;
  if (s.Keys.Bind(*waiting_, std::string(keyName), holder)) {
    settings_.Change(s);
    message_.clear();
  } else {
    message_ = Filled(c.KeyInUse, keyName, c.Actions[static_cast<std::size_t>(holder)]);
  }
  waiting_.reset();
}
