// Saving a tile to its file.
#pragma once

#include "tile/tile.h"

#include <string>

namespace kelmorite {

// Writes the tile's picture as a 32-bit BMP file, atomically (see
// savePicture); an empty picture writes nothing. A tile never replaces its
// own source picture: when the target is the same file as the source (the
// same directory and plain name, or a file system that ignores letter case),
// nothing is written and the error is
// "Cannot create file "%s". The file is the tile's own source picture".
void saveTile(const Tile& tile, const std::string& targetPath);

}  // namespace kelmorite
