#include "host/settings/SettingsFields.h"

#include "base/DecimalNumber.h"
#include "host/race/RaceAddress.h"

namespace {

bool ReadNumber(const std::string& text, int low, int high, int& out) {
  const std::optional<std::uint64_t> v = ParseDecimal(text, static_cast<std::uint64_t>(high));
  if (!v || *v < static_cast<std::uint64_t>(low)) return false;
  out = static_cast<int>(*v);
  return true;
}

// yes or no, as the file writes them; true and false mean the same.
bool ReadYesNo(const std::string& text, bool& out) {
  if (text != "yes" && text != "no" && text != "true" && text != "false") return false;
  out = text == "yes" || text == "true";
  return true;
}

std::string YesNo(bool v) { return v ? "yes" : "no"; }

SettingsField Number(std::string key, std::string comment, int low, int high, int Settings::*member) {
  return {std::move(key), std::move(comment),
          "a whole number from " + std::to_string(low) + " to " + std::to_string(high),
          [=](const std::string& text, Settings& s) { return ReadNumber(text, low, high, s.*member); },
          [=](const Settings& s) { return std::to_string(s.*member); }};
}

SettingsField Flag(std::string key, std::string comment, bool Settings::*member) {
  return {std::move(key), std::move(comment), "yes or no",
          [=](const std::string& text, Settings& s) { return ReadYesNo(text, s.*member); },
          [=](const Settings& s) { return YesNo(s.*member); }};
}

SettingsField Text(std::string key, std::string comment, std::string Settings::*member) {
  return {std::move(key), std::move(comment), "any text",
          [=](const std::string& text, Settings& s) {
            s.*member = text;
            return true;
          },
          [=](const Settings& s) { return s.*member; }};
}

// What the comment above a key's line calls its action.
std::string ActionWords(Action a) {
  switch (a) {
    case Action::P1Left: return "player 1 left (one-player game: left)";
    case Action::P1Right: return "player 1 right (one-player game: right)";
    case Action::P1Up: return "player 1 up (one-player game: climb)";
    case Action::P1Down: return "player 1 down (one-player game: climb down)";
    case Action::P1Jump: return "player 1 jump (one-player game: jump; also starts a game on the title)";
    case Action::P2Left: return "player 2 left";
    case Action::P2Right: return "player 2 right";
    case Action::P2Up: return "player 2 up";
    case Action::P2UpSecond: return "player 2 up, second key";
    case Action::P2Down: return "player 2 down";
    case Action::P2Jump: return "player 2 jump";
    case Action::Start: return "start (title, game over, ending)";
    case Action::Continue: return "continue after a game over (may share its key with player 2 left)";
    case Action::Pause: return "pause and resume";
    case Action::Restart: return "restart the stage (costs a life)";
    case Action::Slower: return "slower: frame interval + 10 ms";
    case Action::Faster: return "faster: frame interval - 10 ms";
    case Action::Brighter: return "two-player screen brighter";
    case Action::Darker: return "two-player screen darker";
    case Action::Mute: return "mute and unmute all sound";
  }
  return {};
}

SettingsField KeyField(const ActionInfo& info) {
  const Action a = info.Which;
  return {std::string(info.SettingName),
          "The key for " + ActionWords(a) + ". Default: " + std::string(info.DefaultKey) + ".",
          "a key name (" + PhysicalKeyNamesText() + ") that no other action uses",
          [a](const std::string& text, Settings& s) {
            if (!IsPhysicalKeyName(text)) return false;
            s.Keys.Set(a, text);
            return true;
          },
          [a](const Settings& s) { return s.Keys.KeyOf(a); }};
}

std::vector<SettingsField> MakeFields() {
  std::vector<SettingsField> f;
  f.push_back(Number("speed",
                     "The game's speed: milliseconds from one frame to the next (the speed dialog, A slower,\n"
                     "S faster). 1 to 300, default 50. A stopped game (0) or one slower than 300 is not kept.",
                     Settings::kMinFrameInterval, Settings::kMaxFrameInterval, &Settings::FrameInterval));
  f.push_back(Number("brightness",
                     "The brightness of the two-player screen, as the brightness dialog shows it (Q brighter,\n"
                     "W darker). 0 to 200, default 35.",
                     0, Settings::kMaxBrightness, &Settings::Brightness));
  f.push_back(Number("music_volume", "The music's volume. 0 (silent) to 100, default 100.", 0, Settings::kMaxVolume,
                     &Settings::MusicVolume));
  f.push_back(Number("effects_volume", "The sound effects' volume. 0 (silent) to 100, default 100.", 0,
                     Settings::kMaxVolume, &Settings::EffectsVolume));
  f.push_back(Flag("mute", "All sound off (yes) or on (no); the mute key switches it. Default: no.", &Settings::Mute));
  f.push_back({"language", "The language of the menus and dialogs: ja (Japanese) or en (English). Default: ja.",
               "ja or en",
               [](const std::string& text, Settings& s) {
                 if (text != "ja" && text != "en") return false;
                 s.Lang = text == "ja" ? Language::Japanese : Language::English;
                 return true;
               },
               [](const Settings& s) { return std::string(s.Lang == Language::Japanese ? "ja" : "en"); }});
  for (const ActionInfo& info : AllActions()) f.push_back(KeyField(info));
  f.push_back(Number("window_scale",
                     "How many screen pixels each pixel of the game's picture takes when the window opens:\n"
                     "1 to 8, or 0 for the largest that fits the desktop. Default: 0.",
                     Settings::kFitScale, Settings::kMaxWindowScale, &Settings::WindowScale));
  f.push_back(Flag("fullscreen", "Start on the whole screen (yes) or in a window (no); F11 switches. Default: no.",
                   &Settings::FullScreen));
  f.push_back(Text("soundfont",
                   "The SoundFont (.sf2) the music plays with; empty for the system's own. --soundfont FILE\n"
                   "chooses another for one run. Default: empty.",
                   &Settings::SoundFont));
  f.push_back(Text("player_name", "Your name in the score table; empty for your login name. Default: empty.",
                   &Settings::PlayerName));
  f.push_back(Flag("classic_dialogs",
                   "The speed and brightness dialogs open where they were last left, \"Label1\" before their\n"
                   "first move (yes), or at the game's speed and brightness (no). Default: no.",
                   &Settings::ClassicDialogs));
  f.push_back(Number("race_port",
                     "The port a race is hosted on (Game menu, Host a race). 1 to 65535, default " +
                         std::to_string(kDefaultRacePort) + ".",
                     Settings::kMinRacePort, Settings::kMaxRacePort, &Settings::RacePort));
  f.push_back({"race_address",
               "The race last joined (Game menu, Join a race): a host name or IPv4 address, then :port\n"
               "unless it is " + std::to_string(kDefaultRacePort) + ". Default: empty.",
               "address[:port], such as 192.168.1.20:" + std::to_string(kDefaultRacePort) + ", or empty",
               [](const std::string& text, Settings& s) {
                 RaceAddress address;
                 std::string error;
                 if (!text.empty() && !ParseRaceAddress(text, address, error)) return false;
                 s.LastRaceAddress = text;
                 return true;
               },
               [](const Settings& s) { return s.LastRaceAddress; }});
  return f;
}

}  // namespace

const std::vector<SettingsField>& AllSettingsFields() {
  static const std::vector<SettingsField> fields = MakeFields();
  return fields;
}
