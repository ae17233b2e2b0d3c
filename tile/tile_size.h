// The size choices: a tile of one or two units each way, and its name suffix.
#pragma once

#include <string>

namespace kelmorite {

inline constexpr int kOneUnit = 68;
inline constexpr int kTwoUnits = 139;  // not 2 x 68

struct TileSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const TileSize&, const TileSize&) = default;
};

// 1 gives 68 x 139, 2 gives 139 x 68, 3 gives 139 x 139; every other size
// choice, -1 (nothing chosen) included, gives 68 x 68.
TileSize GetTileSize(int sizeChoice);

// The file name ending of a tile of that size choice, by the same rule:
// "_1x2.Bmp", "_2x1.Bmp", "_2x2.Bmp", else "_1x1.Bmp".
std::string GetTileSuffix(int sizeChoice);

}  // namespace kelmorite
