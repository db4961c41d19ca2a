// libFuzzer target: any bytes, split at zero bytes, as the program's
// arguments. Parsing either succeeds with a stage from 1 to 10 or says what
// is wrong.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/io/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) args.emplace_back();
    else args.back() += static_cast<char>(data[i]);
  }
  Options options;
  std::string error;
  if (ParseCommandLine(args, options, error)) {
    if (options.Stage < 1 || options.Stage > 10) std::abort();
  } else if (error.empty()) {
    std::abort();
  }
  return 0;
}
