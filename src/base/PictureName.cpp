#include "base/PictureName.h"

#include <ctime>
#include <filesystem>

std::string FreePictureName(const std::string& folder, std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm parts{};
  localtime_r(&t, &parts);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "velmorane-%Y%m%d-%H%M%S", &parts);
  std::error_code ec;
  std::string name = std::string(stamp) + ".png";
  for (int n = 2; std::filesystem::exists(std::filesystem::path(folder) / name, ec); ++n)
    name = std::string(stamp) + "-" + std::to_string(n) + ".png";
  return (std::filesystem::path(folder) / name).string();
}
