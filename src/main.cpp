#include <iostream>
#include <string>
#include <vector>

#include "host/io/CommandLine.h"
#include "platform/GameRun.h"
#include "stages/PrintStage.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  Options options;
  std::string error;
  if (!ParseCommandLine(args, options, error)) {
    std::cerr << "velmorane: " << error << '\n';
    return 2;
  }
  if (options.Help) {
    std::cout << UsageText();
    return 0;
  }
  if (options.Version) {
    std::cout << "velmorane " << VELMORANE_VERSION << '\n';
    return 0;
  }
  if (options.PrintStageSet) return PrintStage(options.PrintStage, options.SeedText, std::cout, std::cerr);
  return RunGame(options);
}
