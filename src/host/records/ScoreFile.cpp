#include "host/records/ScoreFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "base/AtomicFile.h"
#include "base/FileBytes.h"

namespace {

// Holds an exclusive lock on "<file>.lock" while it lives. The lock is on a
// file of its own because the table's file is replaced by every write.
class FileLock {
 public:
  explicit FileLock(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    fd_ = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return;
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  ~FileLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_ = -1;
};

// "scores.txt.bad", then "scores.txt.bad.2", "scores.txt.bad.3" …
std::string FreeBadName(const std::string& path) {
  std::error_code ec;
  std::string name = path + ".bad";
  for (int n = 2; std::filesystem::exists(name, ec) || std::filesystem::is_symlink(name, ec); ++n)
    name = path + ".bad." + std::to_string(n);
  return name;
}

}  // namespace

ScoreTable ScoreFile::Load() {
  FileLock lock(path_);
  ScoreTable table;
  ReadInto(table);
  return table;
}

bool ScoreFile::Add(const ScoreEntry& entry) {
  FileLock lock(path_);
  ScoreTable table;
  if (!ReadInto(table) || !table.Insert(entry)) return false;
  std::string error;
  if (!WriteFileAtomically(path_, FormatScoreTable(table), error)) {
    trouble_("cannot keep the score: " + error);
    return false;
  }
  return true;
}

bool ScoreFile::ReadInto(ScoreTable& table) {
  std::error_code ec;
  if (!std::filesystem::exists(path_, ec)) return true;
  std::vector<unsigned char> bytes;
  std::string error;
  if (!ReadFileBytes(path_, bytes, error)) return MoveAside(error);
  std::vector<BadScoreLine> bad;
  if (!ParseScoreTable(std::string(bytes.begin(), bytes.end()), table, bad)) {
    return MoveAside(AtLine(path_, bad.front().Line, bad.front().What));
  }
  return bad.empty() || KeepReadable(table, bad);
}

bool ScoreFile::MoveAside(const std::string& why) {
  std::string bad;
  if (!RenameAside(bad, why)) return false;
  trouble_(why + "; kept as " + bad + ", the table starts empty");
  return true;
}

bool ScoreFile::KeepReadable(const ScoreTable& table, const std::vector<BadScoreLine>& lines) {
  std::string bad;
  if (!RenameAside(bad, AtLine(path_, lines.front().Line, lines.front().What))) return false;
  for (const BadScoreLine& l : lines) {
    trouble_(AtLine(path_, l.Line, l.What) + "; the line is left out of the table, the file as it was is kept as " +
             bad);
  }
  std::string error;
  if (!WriteFileAtomically(path_, FormatScoreTable(table), error)) {
    trouble_("cannot keep the score: " + error);
    return false;
  }
  return true;
}

bool ScoreFile::RenameAside(std::string& bad, const std::string& why) {
  bad = FreeBadName(path_);
  std::error_code ec;
  std::filesystem::rename(path_, bad, ec);
  if (!ec) return true;
  trouble_(why + "; it could not be kept aside as " + bad + " (" + ec.message() + "), so no score is kept");
  return false;
}
