// The composition of a tile.
#include "tile/compose_tile.h"

#include "platform/picture/background.h"
#include "platform/picture/stretch_draw.h"
#include "tile/tile_size.h"

namespace kelmorite {

Bitmap ComposeTile(const PixelSource& source, int sizeChoice, Background background)
{
    const TileSize size = GetTileSize(sizeChoice);
    Bitmap tile = background == Background::On ? backgroundPicture() : Bitmap(size.width, size.height);
    stretchDraw(tile, {0, 0, size.width, size.height}, source);
    return tile;
}

}  // namespace kelmorite
