#include "host/settings/SettingsFile.h"

#include <sstream>

#include "base/Trouble.h"
#include "base/Utf8.h"
#include "host/settings/SettingsFields.h"

namespace {

constexpr std::string_view kHeader =
    "# VELMORANE settings, one `key = value` a line.\n"
    "# The game rewrites this file whenever a setting is changed in the game; your\n"
    "# comments, blank lines and lines it does not know stay where they are.\n";

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

// Whether the bytes are UTF-8 text without NUL: what a settings file must be.
bool IsText(const std::string& text) { return text.find('\0') == std::string::npos && IsUtf8(text); }

// A warning about the line at index line.
std::string Where(const std::string& name, std::size_t line, const std::string& what) {
  return AtLine(name, static_cast<int>(line) + 1, what);
}

std::string SettingLine(const SettingsField& field, const Settings& s) {
  const std::string value = field.Write(s);
  return value.empty() ? field.Key + " =" : field.Key + " = " + value;
}

std::string CommentLines(const std::string& comment) {
  std::istringstream in(comment);
  std::string out;
  for (std::string line; std::getline(in, line);) out += "# " + line + "\n";
  return out;
}

// Puts back the default of a key setting whose key an action read on an
// earlier line, or one the file does not name, already gives for something
// else; with a warning each. Keys may thus be swapped in the file.
void CheckKeyClashes(const std::string& name, const std::vector<std::size_t>& keyLines,
                     const std::vector<Action>& keyActions, Settings& s, std::vector<std::string>& warnings) {
  std::vector<bool> named(kActionCount, false), seen(kActionCount, false);
  for (Action a : keyActions) named[static_cast<std::size_t>(a)] = true;
  for (std::size_t i = 0; i < keyLines.size(); ++i) {
    const Action a = keyActions[i];
    const std::string key = s.Keys.KeyOf(a);
    for (const ActionInfo& other : AllActions()) {
      const auto o = static_cast<std::size_t>(other.Which);
      if (other.Which == a || s.Keys.KeyOf(other.Which) != key || other.Target == InfoOf(a).Target) continue;
      if (named[o] && !seen[o]) continue;
      s.Keys.Set(a, std::string(InfoOf(a).DefaultKey));
      warnings.push_back(Where(name, keyLines[i],
                               std::string(InfoOf(a).SettingName) + ": " + key + " is already the key of " +
                                   std::string(other.SettingName) + "; using the default " +
                                   std::string(InfoOf(a).DefaultKey)));
      break;
    }
    seen[static_cast<std::size_t>(a)] = true;
  }
}

}  // namespace

bool SettingsFile::Parse(const std::string& name, const std::string& text, Settings& settings,
                         std::vector<std::string>& warnings) {
  if (!IsText(text)) return false;
  const auto& fields = AllSettingsFields();
  Settings s;
  lines_.clear();
  std::vector<std::size_t> keyLines;
  std::vector<Action> keyActions;
  std::istringstream in(text);
  for (std::string raw; std::getline(in, raw);) {
    Line line;
    line.Text = raw;
    const std::string trimmed = Trim(raw);
    const std::size_t at = lines_.size();
    const auto eq = trimmed.find('=');
    if (trimmed.empty() || trimmed[0] == '#' || trimmed[0] == ';') {
      // a comment or a blank line
    } else if (eq == std::string::npos) {
      warnings.push_back(Where(name, at, "not a 'key = value' line; it is kept as it is"));
    } else {
      const std::string key = Trim(trimmed.substr(0, eq));
      const std::string value = Trim(trimmed.substr(eq + 1));
      int index = -1;
      for (std::size_t f = 0; f < fields.size(); ++f) {
        if (fields[f].Key == key) index = static_cast<int>(f);
      }
      if (index < 0) {
        warnings.push_back(Where(name, at, "unknown setting '" + key + "'; it is kept as it is"));
      } else {
        const SettingsField& field = fields[static_cast<std::size_t>(index)];
        if (!field.Read(value, s)) {
          field.Read(field.Write(Settings{}), s);
          warnings.push_back(Where(name, at,
                                   key + ": '" + value + "' is not " + field.Allowed + "; using the default '" +
                                       field.Write(Settings{}) + "'"));
        }
        line.Field = index;
        for (const ActionInfo& info : AllActions()) {
          if (info.SettingName != key) continue;
          keyLines.push_back(at);
          keyActions.push_back(info.Which);
        }
      }
    }
    lines_.push_back(line);
  }
  CheckKeyClashes(name, keyLines, keyActions, s, warnings);
  for (Line& line : lines_) {
    if (line.Field >= 0) line.ValueRead = fields[static_cast<std::size_t>(line.Field)].Write(s);
  }
  settings = s;
  return true;
}

std::string SettingsFile::Render(const Settings& settings) const {
  const auto& fields = AllSettingsFields();
  std::vector<int> lastLine(fields.size(), -1);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].Field >= 0) lastLine[static_cast<std::size_t>(lines_[i].Field)] = static_cast<int>(i);
  }
  std::string out = lines_.empty() ? std::string(kHeader) : std::string();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    const bool rewrite = line.Field >= 0 && lastLine[static_cast<std::size_t>(line.Field)] == static_cast<int>(i) &&
                         fields[static_cast<std::size_t>(line.Field)].Write(settings) != line.ValueRead;
    out += rewrite ? SettingLine(fields[static_cast<std::size_t>(line.Field)], settings) : line.Text;
    out += '\n';
  }
  for (std::size_t f = 0; f < fields.size(); ++f) {
    if (lastLine[f] >= 0) continue;
    out += '\n';
    out += CommentLines(fields[f].Comment);
    out += SettingLine(fields[f], settings);
    out += '\n';
  }
  return out;
}
