// libFuzzer target: any bytes as a sheet file. A decoded picture has the size
// its header gave, with one palette index for each pixel.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/IndexedBmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  IndexedImage image;
  std::string error;
  if (DecodeIndexedBmp({data, size}, image, error)) {
    if (image.Width <= 0 || image.Height <= 0 ||
        image.Indices.size() != static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height)) {
      std::abort();
    }
    volatile std::uint8_t corner = image.At(image.Width - 1, image.Height - 1);
    (void)corner;
  } else if (error.empty()) {
    std::abort();
  }
  return 0;
}
