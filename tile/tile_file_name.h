// The name of a tile's file.
#pragma once

#include <string>

namespace kelmorite {

enum class TileName {
    Plain,    // the source's stem and ".Bmp"
    Resized,  // the source's stem and the size suffix, "_2x1.Bmp"
};

// The target directory, one "/", the source file's name without its
// extension (letter case kept), then the size suffix or ".Bmp". Pure text
// work; touches no file. An empty source path gives an empty stem.
std::string BuildTileFileName(const std::string& targetDirectory, const std::string& sourcePath, TileName name,
                              int sizeChoice);

}  // namespace kelmorite
