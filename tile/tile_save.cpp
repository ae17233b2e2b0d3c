// The tile save with its source guard.
#include "tile/tile_save.h"

#include "platform/picture/picture_file.h"
#include "platform/system/errors.h"

#include <sys/stat.h>

namespace kelmorite {
namespace {

// Compares the files, not the texts: two names of one file (letter case on
// a case-blind file system, links) are the same file.
bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first {}, second {};
    if (a.empty() || b.empty()) return false;
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

void saveTile(const Tile& tile, const std::string& targetPath)
{
    if (tile.picture.empty()) return;
    if (sameFile(targetPath, tile.sourcePath))
        throw Error("Cannot create file \"" + targetPath + "\". The file is the tile's own source picture");
    savePicture(tile.picture, targetPath);
}

}  // namespace kelmorite
