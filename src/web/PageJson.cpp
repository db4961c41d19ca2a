#include "web/PageJson.h"

#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <limits>

#include "drawing/ClientArea.h"
#include "game/SliderRange.h"
#include "host/replay/Replay.h"
#include "host/io/Notices.h"
#include "host/loop/TurnLoop.h"
#include "host/text/MenuCaptions.h"
#include "state/StageNumbers.h"
#include "web/PageAssets.h"
#include "web/PageCodes.h"
#include "web/PagePadLayout.h"

namespace {

// Builds one JSON object field by field.
class JsonObject {
 public:
  JsonObject& Text(std::string_view name, std::string_view value) { return Raw(name, JsonString(value)); }
  JsonObject& Number(std::string_view name, long long value) { return Raw(name, std::to_string(value)); }
  JsonObject& Flag(std::string_view name, bool value) { return Raw(name, value ? "true" : "false"); }
  JsonObject& Raw(std::string_view name, const std::string& json) {
    text_ += text_.size() > 1 ? "," : "";
    text_ += JsonString(name) + ":" + json;
    return *this;
  }
  std::string Done() const { return text_ + "}"; }

 private:
  std::string text_ = "{";
};

template <typename Items, typename Each>
std::string JsonArray(const Items& items, Each each) {
  std::string text = "[";
  for (const auto& item : items) {
    text += text.size() > 1 ? "," : "";
    text += each(item);
  }
  return text + "]";
}

std::string Numbers(const std::vector<int>& numbers) {
  return JsonArray(numbers, [](int n) { return std::to_string(n); });
}

std::string Names(const std::vector<std::string>& names) {
  return JsonArray(names, [](const std::string& n) { return JsonString(n); });
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string SettingsJson(const Settings& s, int generation) {
  std::vector<std::string> keys;
  for (const ActionInfo& info : AllActions()) keys.push_back(s.Keys.KeyOf(info.Which));
  return JsonObject()
      .Text("language", s.Lang == Language::English ? "en" : "ja")
      .Number("musicVolume", s.MusicVolume)
      .Number("effectsVolume", s.EffectsVolume)
      .Flag("mute", s.Mute)
      .Number("windowScale", s.WindowScale)
      .Text("playerName", s.PlayerName)
      .Number("generation", generation)
      .Raw("keys", JsonArray(keys, [](const std::string& k) { return JsonString(k); }))
      .Done();
}

std::string CaptionsJson(Language language) {
  const MenuCaptions& m = CaptionsIn(language);
  const RecordCaptions& r = RecordCaptionsIn(language);
  JsonObject object;
  for (const MenuCaptionField& f : MenuCaptionFields()) object.Text(f.Name, m.*f.Caption);
  for (const RecordCaptionField& f : RecordCaptionFields()) object.Text(f.Name, r.*f.Caption);
  object.Text("JapaneseName", kJapaneseName).Text("EnglishName", kEnglishName);
  object.Raw("Actions", JsonArray(m.Actions, [](std::string_view a) { return JsonString(a); }));
  return object.Done();
}

std::string RecordsJson(const ScoreTable& scores, const ReplayFolder& folder, const RecordCaptions& captions) {
  const std::string entries = JsonArray(scores.Entries(), [&](const ScoreEntry& e) {
    std::error_code ec;
    const bool recorded = !e.Replay.empty() && std::filesystem::exists(folder.Path() + "/" + e.Replay, ec);
    return JsonObject()
        .Number("score", e.Score)
        .Text("reached", ReachedCaption(e, captions))
        .Text("date", e.Date)
        .Text("replay", recorded ? e.Replay : "")
        .Flag("otherVersion", recorded && folder.MadeByOtherVersion(e.Replay))
        .Text("name", e.Name)
        .Done();
  });
  const std::string recordings = JsonArray(folder.List(), [](const ReplayFolder::Listing& l) {
    return JsonObject()
        .Text("name", l.Name)
        .Text("start", l.Start)
        .Text("length", MinutesText(l.Seconds))
        .Number("best", l.BestScore)
        .Flag("otherVersion", l.OtherVersion)
        .Done();
  });
  return JsonObject().Raw("scores", entries).Raw("replays", recordings).Done();
}

std::string NoticesJson(Language language) {
  return JsonArray(TakeNotices(), [language](const Notice& n) { return JsonString(NoticeText(n, language)); });
}

std::string SharedJson() {
  const auto code = [](auto value) { return static_cast<long long>(value); };
  return JsonObject()
      .Number("clientWidth", kClientWidth)
      .Number("clientHeight", kClientHeight)
      .Raw("menu", JsonObject()
                       .Number("restart", code(MenuCommand::Restart))
                       .Number("pause", code(MenuCommand::Pause))
                       .Number("exit", code(MenuCommand::Exit))
                       .Done())
      .Raw("watch", JsonObject()
                        .Number("pause", code(WatchControl::Pause))
                        .Number("skipAhead", code(WatchControl::SkipAhead))
                        .Number("stop", code(WatchControl::Stop))
                        .Done())
      .Raw("slider", JsonObject()
                         .Number("speed", code(SliderId::Speed))
                         .Number("brightness", code(SliderId::Brightness))
                         .Done())
      .Raw("sliderMax", JsonObject()
                            .Number("speed", kSpeedSliderMax)
                            .Number("brightness", kBrightnessSliderMax)
                            .Done())
      .Number("maxVolume", Settings::kMaxVolume)
      .Number("fitScale", Settings::kFitScale)
      .Number("menuWindowScales", Settings::kMenuWindowScales)
      .Number("firstStage", kFirstStage)
      .Number("lastStage", kLastStage)
      .Number("maxSeed", std::numeric_limits<std::uint32_t>::max())
      .Raw("language", JsonObject()
                           .Number("unset", kLanguageUnset)
                           .Number("ja", kJapaneseCode)
                           .Number("en", kEnglishCode)
                           .Done())
      .Number("keyBound", kKeyBound)
      .Number("keyUnusable", kKeyUnusable)
      .Number("noWake", kNoWake)
      .Raw("padButtons", Numbers(StandardPadButtons()))
      .Raw("padAxes", Numbers(StandardPadAxes()))
      .Raw("assets", Names(PageAssetFiles()))
      .Raw("effects", Names(PageEffectFiles()))
      .Done();
}
