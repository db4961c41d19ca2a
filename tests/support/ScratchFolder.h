#pragma once

#include <filesystem>
#include <string>

// A fresh empty folder under the system's temporary folder, removed with
// everything in it when the test is done.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// The whole of a file as text ("" when it cannot be read).
std::string FileText(const std::filesystem::path& path);
// Writes text into a file, making its folder.
void PutFile(const std::filesystem::path& path, const std::string& text);
