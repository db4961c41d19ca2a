#pragma once

#include <filesystem>

#include "indexed_image.h"
#include "palette.h"

namespace assetgen {

// A sheet layout ("<Name>.layout" beside the frame files) reads:
//   size <width> <height>
//   pitch <cell pitch>
//   at <x> <y> [op ...] <file>.<frame>
// Each listed picture goes into the top-left 24 x 24 of its cell; the
// operations (see frame_ops.h) apply right to left, nearest the frame
// first; besides those of frame_ops.h, "under:<file>.<frame>" puts the
// picture over another frame. Everything not covered stays black.
IndexedImage BuildSheet(const std::filesystem::path& layout, const Palette& palette);

}  // namespace assetgen
