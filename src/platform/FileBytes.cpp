#include "platform/FileBytes.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes, std::string& error) {
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
