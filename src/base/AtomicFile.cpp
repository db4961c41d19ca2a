#include "base/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error) {
  const std::filesystem::path target(path);
  std::error_code ec;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
  if (ec) {
    error = target.parent_path().string() + ": " + ec.message();
    return false;
  }
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
  const int writeErrno = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    error = path + ": " + std::strerror(written ? errno : writeErrno);
    std::remove(temp.c_str());
    return false;
  }
  // mkstemp makes the file private: the new file keeps the old one's
  // permissions, a first one gets those of an ordinary file.
  const auto old = std::filesystem::status(target, ec);
  const auto mode = std::filesystem::exists(old) ? old.permissions()
                                                 : std::filesystem::perms(0644);
  std::filesystem::permissions(temp, mode, ec);
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    error = path + ": " + std::strerror(errno);
    std::remove(temp.c_str());
    return false;
  }
  return true;
}
