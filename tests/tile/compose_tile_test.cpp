// Composing tiles: sizes, the magenta canvas and nearest-neighbour sampling.
#include "tile/compose_tile.h"

#include "platform/picture/stretch_draw.h"

#include "tests/support/pictures.h"

#include <gtest/gtest.h>

#include <set>

namespace kelmorite {
namespace {

using test::numbered;

// The part of a bitmap at (0, 0) of the given size.
Bitmap corner(const Bitmap& b, int width, int height)
{
    Bitmap out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.setPixel(x, y, b.pixel(x, y));
    return out;
}

int countColour(const Bitmap& b, Pixel colour)
{
    int n = 0;
    for (const Pixel p : b.pixels()) n += p == colour;
    return n;
}

TEST(ComposeTile, SizesAndMagentaBandsFollowTheSizeChoiceAndTheBackground)
{
    struct Case { int choice; int width, height; int magentaWithBackground; };
    // The bands outside the drawn part are 71 pixels wide (choices 0, 1) or high (0, 2).
    for (const auto& c : {Case{0, 68, 68, 139 * 139 - 68 * 68}, Case{1, 68, 139, 71 * 139}, Case{2, 139, 68, 139 * 71},
                          Case{3, 139, 139, 0}, Case{-1, 68, 68, 139 * 139 - 68 * 68}}) {
        SCOPED_TRACE(c.choice);
        const Bitmap source = numbered(200, 100);
        const Bitmap alone = ComposeTile(source, c.choice, Background::Off);
        ASSERT_EQ(alone.width(), c.width);
        ASSERT_EQ(alone.height(), c.height);
        EXPECT_EQ(countColour(alone, kMagenta), 0);

        const Bitmap onCanvas = ComposeTile(source, c.choice, Background::On);
        ASSERT_EQ(onCanvas.width(), 139);
        ASSERT_EQ(onCanvas.height(), 139);
        EXPECT_EQ(countColour(onCanvas, kMagenta), c.magentaWithBackground);
        EXPECT_EQ(corner(onCanvas, c.width, c.height), alone);
    }
}

TEST(ComposeTile, ShrinksByEvenlySpreadRowsAndColumns)
{
    const Bitmap tile = ComposeTile(numbered(200, 100), 0, Background::Off);
    std::set<Pixel> columns, rows;
    for (int i = 0; i < 68; ++i) {
        columns.insert(tile.pixel(i, 0) >> 12);
        rows.insert(tile.pixel(0, i) & 0xFFF);
    }
    EXPECT_EQ(columns.size(), 68u);  // 68 of the 200 columns, 68 of the 100 rows
    EXPECT_EQ(rows.size(), 68u);
    Bitmap expected(68, 68);
    stretchDraw(expected, {0, 0, 68, 68}, numbered(200, 100));
    EXPECT_EQ(tile, expected);
}

TEST(ComposeTile, EnlargesAndCopiesExactly)
{
    const Bitmap blocks = ComposeTile(numbered(34, 34), 0, Background::Off);
    for (int y = 0; y < 68; ++y)
        for (int x = 0; x < 68; ++x) ASSERT_EQ(blocks.pixel(x, y), (Pixel(x / 2) << 12 | Pixel(y / 2)));
    const Bitmap exact = numbered(68, 139);
    EXPECT_EQ(ComposeTile(exact, 1, Background::Off), exact);
    EXPECT_EQ(ComposeTile(numbered(139, 139), 3, Background::On), numbered(139, 139));
}

TEST(ComposeTile, AMagentaSourceIsCopiedLikeAnyOther)
{
    EXPECT_EQ(ComposeTile(Bitmap(10, 10, kMagenta), 0, Background::On), Bitmap(139, 139, kMagenta));
    EXPECT_EQ(ComposeTile(Bitmap(10, 10, kMagenta), 0, Background::Off), Bitmap(68, 68, kMagenta));
}

TEST(ComposeTile, AnEmptySourceLeavesTheCanvasAsPrepared)
{
    EXPECT_EQ(ComposeTile(Bitmap(), 2, Background::On), Bitmap(139, 139, kMagenta));
    EXPECT_EQ(ComposeTile(Bitmap(), 2, Background::Off), Bitmap(139, 68, kWhite));
}

}  // namespace
}  // namespace kelmorite
