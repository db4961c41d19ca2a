// libFuzzer target: any bytes as a sheet file, with and without the
// two-player colour tags. A decoded picture has the size its header gave.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "drawing/BmpDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<unsigned char> bytes(data, data + size);
  for (PaletteTags tags : {PaletteTags::None, PaletteTags::DuoColours}) {
    BmpImage image;
    std::string error;
    if (DecodeBmp(bytes, tags, image, error)) {
      if (image.Picture.Empty()) std::abort();
      volatile Pixel corner = image.Picture.At(image.Picture.Width() - 1, image.Picture.Height() - 1);
      (void)corner;
    } else if (error.empty()) {
      std::abort();
    }
  }
  return 0;
}
