// Tile file names.
#include "tile/tile_file_name.h"

#include <gtest/gtest.h>

namespace kelmorite {
namespace {

TEST(BuildTileFileName, JoinsTheDirectoryTheStemAndTheEnding)
{
    struct Case { const char* directory; const char* source; TileName name; int choice; const char* expected; };
    const Case cases[] = {
        {"/home/u/Tiles", "/data/Art/Photo.bmp", TileName::Resized, 2, "/home/u/Tiles/Photo_2x1.Bmp"},
        {"/home/u/Tiles", "/data/Art/Photo.bmp", TileName::Plain, 2, "/home/u/Tiles/Photo.Bmp"},
        {"/t", "/a/my.photo.bmp", TileName::Resized, 0, "/t/my.photo_1x1.Bmp"},   // only the last dot counts
        {"/t", "/a/NoDot", TileName::Resized, 3, "/t/NoDot_2x2.Bmp"},             // no dot: the whole name
        {"/t", "/a.dir/photo", TileName::Plain, 0, "/t/photo.Bmp"},              // a dot in a directory is not an extension
        {"/t", "", TileName::Resized, 0, "/t/_1x1.Bmp"},                          // no source selected
        {"/t", "", TileName::Plain, 0, "/t/.Bmp"},
        {"/", "/a/Photo.bmp", TileName::Resized, 0, "/Photo_1x1.Bmp"},            // the root keeps one "/"
        {"/t", "/a/MiXeD.BMP", TileName::Resized, 1, "/t/MiXeD_1x2.Bmp"},         // the stem keeps its case
        {"/t", "/a/.hidden", TileName::Resized, 0, "/t/_1x1.Bmp"},
        {"/t", "/a/x.", TileName::Plain, 0, "/t/x.Bmp"},
        {"/t", "/a/Photo.bmp", TileName::Resized, -1, "/t/Photo_1x1.Bmp"},
    };
    for (const auto& c : cases) EXPECT_EQ(BuildTileFileName(c.directory, c.source, c.name, c.choice), c.expected) << c.source;
}

}  // namespace
}  // namespace kelmorite
