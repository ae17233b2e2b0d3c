// The size table.
#include "tile/tile_size.h"

#include <gtest/gtest.h>

namespace kelmorite {
namespace {

TEST(TileSize, EverySizeChoiceMapsByTheTable)
{
    struct Case { int choice; TileSize size; const char* suffix; };
    for (const auto& c : {Case{0, {68, 68}, "_1x1.Bmp"}, Case{1, {68, 139}, "_1x2.Bmp"}, Case{2, {139, 68}, "_2x1.Bmp"},
                          Case{3, {139, 139}, "_2x2.Bmp"}, Case{-1, {68, 68}, "_1x1.Bmp"}, Case{4, {68, 68}, "_1x1.Bmp"},
                          Case{100, {68, 68}, "_1x1.Bmp"}, Case{-7, {68, 68}, "_1x1.Bmp"},
                          Case{INT_MIN, {68, 68}, "_1x1.Bmp"}, Case{INT_MAX, {68, 68}, "_1x1.Bmp"}}) {
        EXPECT_EQ(GetTileSize(c.choice), c.size) << c.choice;
        EXPECT_EQ(GetTileSuffix(c.choice), c.suffix) << c.choice;
    }
}

}  // namespace
}  // namespace kelmorite
