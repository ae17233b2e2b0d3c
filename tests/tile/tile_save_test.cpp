// Saving tiles: byte-exact files, replacement, refusals and the source guard.
#include "tile/tile_save.h"

#include "platform/picture/picture_file.h"
#include "tests/support/temp_dir.h"
#include "tile/compose_tile.h"
#include "tile/tile_file_name.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kelmorite {
namespace {

using test::TempDir;

// The expected tile file, field by field: 14-byte file header, 40-byte
// information header, 32-bit rows from the bottom.
std::vector<std::uint8_t> expectedTileFile(const Bitmap& tile)
{
    std::vector<std::uint8_t> f;
    auto u16 = [&](std::uint32_t v) { f.push_back(std::uint8_t(v)); f.push_back(std::uint8_t(v >> 8)); };
    auto u32 = [&](std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
    const std::uint32_t image = std::uint32_t(tile.width() * tile.height() * 4);
    f = {'B', 'M'};
    u32(54 + image); u16(0); u16(0); u32(54);
    u32(40); u32(std::uint32_t(tile.width())); u32(std::uint32_t(tile.height())); u16(1); u16(32);
    u32(0); u32(image); u32(0); u32(0); u32(0); u32(0);
    for (int y = tile.height() - 1; y >= 0; --y)
        for (int x = 0; x < tile.width(); ++x) {
            const Pixel p = tile.pixel(x, y);
            f.insert(f.end(), {std::uint8_t(p), std::uint8_t(p >> 8), std::uint8_t(p >> 16), 0});
        }
    return f;
}

Bitmap gradient(int w, int h)
{
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.setPixel(x, y, rgb(std::uint8_t(x), std::uint8_t(y), std::uint8_t(x + y)));
    return b;
}

std::string saveError(const Tile& tile, const std::string& target)
{
    try {
        saveTile(tile, target);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

TEST(SaveTile, WritesTheTileFileByteForByteForEverySize)
{
    TempDir dir;
    struct Case { int choice; Background background; std::size_t size; };
    for (const auto& c : {Case{0, Background::Off, 18'550}, Case{1, Background::Off, 37'862}, Case{2, Background::Off, 37'862},
                          Case{3, Background::Off, 77'338}, Case{0, Background::On, 77'338}}) {
        const Tile tile{ComposeTile(gradient(200, 100), c.choice, c.background), "/src/Photo.bmp", c.choice};
        const std::string target = BuildTileFileName(dir.path(), tile.sourcePath, TileName::Resized, c.choice);
        saveTile(tile, target);
        const auto bytes = test::readFile(target);
        EXPECT_EQ(bytes.size(), c.size);
        EXPECT_EQ(bytes, expectedTileFile(tile.picture)) << target;
    }
}

TEST(SaveTile, ReplacesAnExistingTileAndWritesNothingForAnEmptyOne)
{
    TempDir dir;
    const std::string target = dir.file("Photo_1x1.Bmp");
    saveTile({Bitmap(68, 68, kWhite), "/src/Photo.bmp", 0}, target);
    saveTile({Bitmap(68, 68, kMagenta), "/src/Photo.bmp", 0}, target);
    EXPECT_EQ(loadPicture(target), Bitmap(68, 68, kMagenta));
    saveTile({Bitmap(), "/src/Photo.bmp", 0}, dir.file("empty.Bmp"));
    EXPECT_EQ(test::listNames(dir.path()), std::vector<std::string>{"Photo_1x1.Bmp"});
}

TEST(SaveTile, RefusalsKeepTheOldFile)
{
    TempDir dir;
    const std::string readOnly = dir.file("Photo_1x1.Bmp");
    test::writeFile(readOnly, std::string("old tile"));
    ::chmod(readOnly.c_str(), 0444);
    const Tile tile{Bitmap(68, 68), "/src/Photo.bmp", 0};
    EXPECT_EQ(saveError(tile, readOnly), "Cannot create file \"" + readOnly + "\". Permission denied");
    EXPECT_EQ(test::readText(readOnly), "old tile");
    const std::string missing = dir.file("gone/Photo_1x1.Bmp");
    EXPECT_EQ(saveError(tile, missing), "Cannot create file \"" + missing + "\". No such file or directory");
}

TEST(SaveTile, NeverReplacesItsOwnSource)
{
    TempDir dir;
    const std::string source = dir.file("Photo.Bmp");
    test::writeFile(source, std::string("the user's picture"));
    const Tile tile{Bitmap(68, 68), source, 0};
    // Same directory with the plain name.
    const std::string plain = BuildTileFileName(dir.path(), source, TileName::Plain, 0);
    EXPECT_EQ(saveError(tile, plain), "Cannot create file \"" + plain + "\". The file is the tile's own source picture");
    // Another name of the same file, as a case-blind file system would give.
    ASSERT_EQ(::link(source.c_str(), dir.file("PHOTO.Bmp").c_str()), 0);
    EXPECT_EQ(saveError(tile, dir.file("PHOTO.Bmp")),
              "Cannot create file \"" + dir.file("PHOTO.Bmp") + "\". The file is the tile's own source picture");
    EXPECT_EQ(test::readText(source), "the user's picture");
    // A resized name beside it is fine.
    saveTile(tile, BuildTileFileName(dir.path(), source, TileName::Resized, 0));
    EXPECT_EQ(test::readText(source), "the user's picture");
}

}  // namespace
}  // namespace kelmorite
