#pragma once

#include <string>

#include "palette.h"
#include "pixel_frame.h"

namespace assetgen {

// Applies one named operation of a sheet layout to a frame:
//   mask          black shape on white, from the frame's solid pixels
//   mirror        left-right
//   rot90, rot180, rot270   clockwise turns
//   tint:<family> recolour into the palette colours named <family>1
//                 (darkest) to <family>3, the frame's own colours spread
//                 over them by brightness; black stays black, and so
//                 do the colours of any characters after a second
//                 colon (tint:blue:z), which keeps outlines visible
//   swap:ab,cd    colour of character a becomes that of b, c that of d
PixelFrame ApplyFrameOp(const PixelFrame& frame, const std::string& op, const Palette& palette);

}  // namespace assetgen
