// A tile together with what it was made from.
#pragma once

#include "platform/picture/bitmap.h"

#include <string>

namespace kelmorite {

// The picture travels with its source's path and size choice, so that a
// save names the file after the tile it writes, whatever is selected by then.
struct Tile {
    Bitmap picture;
    std::string sourcePath;
    int sizeChoice = 0;
};

}  // namespace kelmorite
