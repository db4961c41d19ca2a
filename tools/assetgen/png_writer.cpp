#include "png_writer.h"

#include <stb_image_write.h>

#include <stdexcept>

namespace assetgen {

namespace {

constexpr int kRgbChannels = 3;

}  // namespace

void WritePng(const std::filesystem::path& path, const RgbImage& image) {
  if (!stbi_write_png(path.string().c_str(), image.width, image.height, kRgbChannels, image.rgb.data(),
                      image.width * kRgbChannels))
    throw std::runtime_error("cannot write " + path.string());
}

}  // namespace assetgen
