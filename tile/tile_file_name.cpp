// Tile file names.
#include "tile/tile_file_name.h"

#include "tile/tile_size.h"

namespace kelmorite {

std::string BuildTileFileName(const std::string& targetDirectory, const std::string& sourcePath, TileName name,
                              int sizeChoice)
{
    const auto slash = sourcePath.find_last_of('/');
    const std::string fileName = slash == std::string::npos ? sourcePath : sourcePath.substr(slash + 1);
    const auto dot = fileName.find_last_of('.');
    const std::string stem = dot == std::string::npos ? fileName : fileName.substr(0, dot);

    std::string path = targetDirectory;
    if (path.empty() || path.back() != '/') path += '/';  // the root keeps its one "/"
    return path + stem + (name == TileName::Resized ? GetTileSuffix(sizeChoice) : ".Bmp");
}

}  // namespace kelmorite
