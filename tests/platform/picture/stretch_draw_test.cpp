// Stretch-draw: nearest neighbour, evenly spread, clipped, opaque.
#include "platform/picture/stretch_draw.h"

#include "tests/support/pictures.h"

#include <gtest/gtest.h>

#include <set>

namespace kelmorite {
namespace {

using test::numbered;
int columnOf(Pixel p) { return int(p >> 12); }
int rowOf(Pixel p) { return int(p & 0xFFF); }

TEST(StretchDraw, EqualSizeCopiesPixelForPixel)
{
    const Bitmap source = numbered(68, 139);
    Bitmap destination(68, 139);
    stretchDraw(destination, {0, 0, 68, 139}, source);
    EXPECT_EQ(destination, source);
}

TEST(StretchDraw, ShrinkingKeepsEvenlySpreadRowsAndColumns)
{
    Bitmap destination(68, 68);
    stretchDraw(destination, {0, 0, 68, 68}, numbered(200, 100));
    std::set<int> columns, rows;
    for (int i = 0; i < 68; ++i) {
        columns.insert(columnOf(destination.pixel(i, 0)));
        rows.insert(rowOf(destination.pixel(0, i)));
        // Every destination pixel takes the source pixel under its centre.
        EXPECT_EQ(columnOf(destination.pixel(i, 5)), int((i + 0.5) * 200 / 68));
        EXPECT_EQ(rowOf(destination.pixel(5, i)), int((i + 0.5) * 100 / 68));
    }
    EXPECT_EQ(columns.size(), 68u);
    EXPECT_EQ(rows.size(), 68u);
    EXPECT_EQ(*columns.begin(), 1);
    EXPECT_EQ(*columns.rbegin(), 198);
}

TEST(StretchDraw, EnlargingRepeatsEachPixelAsABlock)
{
    Bitmap destination(68, 68);
    stretchDraw(destination, {0, 0, 68, 68}, numbered(34, 34));
    for (int y = 0; y < 68; ++y)
        for (int x = 0; x < 68; ++x) ASSERT_EQ(destination.pixel(x, y), (Pixel(x / 2) << 12 | Pixel(y / 2))) << x << ", " << y;
}

TEST(StretchDraw, DrawsOnlyInsideTheRectangleAndTheDestination)
{
    Bitmap destination(4, 4, kWhite);
    stretchDraw(destination, {1, 1, 3, 3}, Bitmap(1, 1, kMagenta));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(destination.pixel(x, y), (x >= 1 && x < 3 && y >= 1 && y < 3) ? kMagenta : kWhite) << x << ", " << y;

    // A rectangle reaching past the destination is clipped, its mapping kept.
    Bitmap clipped(2, 2, kWhite);
    stretchDraw(clipped, {-2, -2, 2, 2}, numbered(4, 4));
    EXPECT_EQ(clipped, [] { Bitmap b(2, 2); b.setPixel(0, 0, 2 << 12 | 2); b.setPixel(1, 0, 3 << 12 | 2); b.setPixel(0, 1, 2 << 12 | 3); b.setPixel(1, 1, 3 << 12 | 3); return b; }());
}

TEST(StretchDraw, AnEmptySourceOrRectangleChangesNothing)
{
    Bitmap destination(3, 3, kMagenta);
    const Bitmap before = destination;
    stretchDraw(destination, {0, 0, 3, 3}, Bitmap());
    stretchDraw(destination, {2, 2, 2, 3}, numbered(5, 5));
    stretchDraw(destination, {3, 0, 1, 3}, numbered(5, 5));
    EXPECT_EQ(destination, before);
}

TEST(StretchDraw, CopiesOpaquelyWhateverTheColour)
{
    Bitmap destination(2, 1, kWhite);
    Bitmap source(2, 1, kMagenta);
    source.setPixel(1, 0, 0xFF000000);  // a fourth byte does not make a pixel transparent
    stretchDraw(destination, {0, 0, 2, 1}, source);
    EXPECT_EQ(destination.pixel(0, 0), kMagenta);
    EXPECT_EQ(destination.pixel(1, 0), 0xFF000000u);
}

}  // namespace
}  // namespace kelmorite
