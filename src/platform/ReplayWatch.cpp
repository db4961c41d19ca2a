#include "platform/ReplayWatch.h"

#include <SDL.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

void WatchRecording(const std::string& file, const std::string& assetDir, const std::string& soundFont,
                    std::string& error) {
  std::vector<std::string> args = {"velmorane", "--replay", file, "--assets", assetDir};
  if (!soundFont.empty()) {
    args.push_back("--soundfont");
    args.push_back(soundFont);
  }
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  // The window and the sound device go before the new run opens its own.
  SDL_Quit();
  ::execv("/proc/self/exe", argv.data());
  error = std::string("cannot start the replay of ") + file + ": " + std::strerror(errno);
}
