#include "base/FileBytes.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes, std::string& error) {
  // A folder opens like a file but throws on the first read.
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = path + ": is a folder, not a file";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = path + ": read error";
    return false;
  }
  return true;
}
