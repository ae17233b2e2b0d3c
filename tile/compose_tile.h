// Composing a tile from a source picture.
#pragma once

#include "platform/picture/bitmap.h"

namespace kelmorite {

enum class Background { Off, On };

// The tile for a size choice: the source stretched by nearest neighbour into
// the top-left width x height pixels of a 139 x 139 magenta canvas with the
// background on, or onto a white width x height canvas without it. An empty
// source leaves the canvas as it was prepared.
Bitmap ComposeTile(const PixelSource& source, int sizeChoice, Background background);

}  // namespace kelmorite
