#include "host/records/ReplayFolder.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <regex>

#include "host/replay/Replay.h"

namespace {

const char* const kExtension = ".replay";
const std::string kEndNote = "# end score ";

// "20261210-043000" or "20261210-043000-2": the start time in the name.
const std::regex kNamePattern(R"((\d{4})(\d{2})(\d{2})-(\d{2})(\d{2})(\d{2})(-\d+)?\.replay)");

std::tm LocalTime(std::time_t t) {
  std::tm parts{};
  localtime_r(&t, &parts);
  return parts;
}

int BestScoreIn(const std::string& file) {
  std::ifstream in(file);
  int best = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(kEndNote, 0) != 0) continue;
    int score = 0;
    if (std::sscanf(line.c_str() + kEndNote.size(), "%d", &score) == 1) best = std::max(best, score);
  }
  return best;
}

}  // namespace

std::string GameEndNote(int score, int stage, bool ending) {
  return "end score " + std::to_string(score) + " stage " + (ending ? std::string("ending") : std::to_string(stage));
}

std::string ReplayFolder::NewRecordingName(std::chrono::system_clock::time_point start) const {
  const std::tm t = LocalTime(std::chrono::system_clock::to_time_t(start));
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &t);
  std::error_code ec;
  std::string name = std::string(stamp) + kExtension;
  for (int n = 2; std::filesystem::exists(std::filesystem::path(path_) / name, ec); ++n)
    name = std::string(stamp) + "-" + std::to_string(n) + kExtension;
  return name;
}

bool IsRecordingName(const std::string& name) { return std::regex_match(name, kNamePattern); }

std::vector<std::string> ReplayFolder::Names() const {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(path_, ec)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file(ec) && IsRecordingName(name)) names.push_back(name);
  }
  // The names sort by start time; newest first.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string sa = a.substr(0, 15), sb = b.substr(0, 15);
    if (sa != sb) return sa > sb;
    return a.size() != b.size() ? a.size() > b.size() : a > b;
  });
  return names;
}

std::vector<ReplayFolder::Listing> ReplayFolder::List() const {
  std::vector<Listing> list;
  for (const std::string& name : Names()) {
    std::smatch m;
    std::regex_match(name, m, kNamePattern);
    Listing item;
    item.Name = name;
    item.Start = m[1].str() + "-" + m[2].str() + "-" + m[3].str() + " " + m[4].str() + ":" + m[5].str() + ":" + m[6].str();
    std::tm t{};
    t.tm_year = std::stoi(m[1].str()) - 1900;
    t.tm_mon = std::stoi(m[2].str()) - 1;
    t.tm_mday = std::stoi(m[3].str());
    t.tm_hour = std::stoi(m[4].str());
    t.tm_min = std::stoi(m[5].str());
    t.tm_sec = std::stoi(m[6].str());
    t.tm_isdst = -1;
    const std::string file = (std::filesystem::path(path_) / name).string();
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) item.Seconds = std::max<long long>(0, info.st_mtime - std::mktime(&t));
    item.BestScore = BestScoreIn(file);
    item.OtherVersion = MadeByOtherVersion(name);
    list.push_back(item);
  }
  return list;
}

bool ReplayFolder::MadeByOtherVersion(const std::string& name) const {
  std::ifstream in(std::filesystem::path(path_) / name);
  return MadeUnderOtherRules(in);
}

void ReplayFolder::Prune(const std::set<std::string>& keep) const {
  const std::vector<std::string> names = Names();
  for (std::size_t i = kKept; i < names.size(); ++i) {
    if (keep.count(names[i])) continue;
    std::error_code ec;
    std::filesystem::remove(std::filesystem::path(path_) / names[i], ec);
  }
}
