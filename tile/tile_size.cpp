// The size table.
#include "tile/tile_size.h"

namespace kelmorite {

TileSize GetTileSize(int sizeChoice)
{
    switch (sizeChoice) {
    case 1: return {kOneUnit, kTwoUnits};
    case 2: return {kTwoUnits, kOneUnit};
    case 3: return {kTwoUnits, kTwoUnits};
    default: return {kOneUnit, kOneUnit};
    }
}

std::string GetTileSuffix(int sizeChoice)
{
    switch (sizeChoice) {
    case 1: return "_1x2.Bmp";
    case 2: return "_2x1.Bmp";
    case 3: return "_2x2.Bmp";
    default: return "_1x1.Bmp";
    }
}

}  // namespace kelmorite
